// The 802.1p port capability table: every bridge port with the 802.1Q capabilities it supports,
// written out as names by the table's own request. Flag guard on Refresh; writes nothing.
#pragma once

#include "DialogRequest.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TLabel;
class TPanel;
class TStaticText;
class TStatusBar;

// The request of the port capability table: a received row's capability bits are listed as the
// names of the capabilities they stand for.
class NewRequest2Edits4 : public DialogRequest {
public:
    using DialogRequest::DialogRequest;

protected:
    void RowReceived() override;

private:
    void RenderCapabilities();
};

// The names a capability value text (one octet in hex) is listed as; empty for any other text.
std::string CapabilityNames(const std::string& valueText);

class TPortCapabilities8021dForm : public TForm {
public:
    explicit TPortCapabilities8021dForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* ST_Count;
    TLabel* Label1; // "Samples"
    TButton* RefreshBtn;
    TButton* btn1; // "Close"
    TListView* LV_dot1dPortCapabilitiesEntry;
    TStatusBar* StatusBar1;

    TableDialogController Table;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void RefreshBtnClick(TObject* sender);
    void btn1Click(TObject* sender);
    void LV_dot1dPortCapabilitiesEntryChanging(TObject* sender, TListItem* item, TItemChange change);
    // The ends of a read and of a write: the dialog unlocked.
    void OnEndGet(VqSNMPRequest2Controls* request, const VqSNMPError& error);
    void OnEndSet(VqSNMPRequest2Controls* request, const VqSNMPError& error);
};

extern TPortCapabilities8021dForm* PortCapabilities8021dForm;

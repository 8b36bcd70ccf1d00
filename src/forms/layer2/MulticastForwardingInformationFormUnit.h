// Per VLAN, the ports that forward multicast frames no more specific entry covers: all forwarding
// ports (shown only) and the static and forbidden ports (written). The pickers always bind the
// ports of six units, so every list written is 48 octets long whatever the stack mode. Refresh and
// Set act at once, even while a read runs.
#pragma once

#include "PortPickerSet.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TPageControl;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

class TMulticastForwardingInformationForm : public TForm {
public:
    explicit TMulticastForwardingInformationForm(TComponent* owner);

    TPanel* Panel1;
    TButton* RefreshBtn;
    TButton* SetBtn;
    TStaticText* ST_Count;
    TButton* btnClose;
    TListView* LV_dot1qForwardUnregisteredEntry;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TPageControl* PageControl1;
    TStatusBar* StatusBar1;

    TableDialogController Table; // no guard, the framework's re-read after a write
    PortPickerSet Pickers;       // forward (all), static, forbidden ports

    void FormCreate(TObject* sender);
    void RefreshBtnClick(TObject* sender);
    void SetBtnClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void LV_dot1qForwardUnregisteredEntryChange(TObject* sender, TListItem* item, TItemChange change);
    void FormClose(TObject* sender, TCloseAction& action);

    // "Set" only while a selected VLAN shows in the pickers: otherwise it would write boxes that
    // are not that VLAN's, or address no VLAN.
    void UpdateButtons(bool rowShown);
};

// The dialog while its menu command shows it.
extern TMulticastForwardingInformationForm* MulticastForwardingInformationForm;

// The LLDP management address dialog: the switch's management addresses as LLDP advertises them,
// and for the chosen one the ports it is sent on, in one port picker. Flag guard (its own words
// for Refresh and Set), no scaling. Set waits, letting events run, for the SET's reply or Stop
// before it reads the table again; Stop also unlocks the dialog.
#pragma once

#include "PortPickerSet.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <optional>
#include <string>

class TButton;
class TLabel;
class TPageControl;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

class TLLDP_Management_Address : public TForm {
public:
    explicit TLLDP_Management_Address(TComponent* owner);

    TPanel* Panel1;
    TStaticText* StaticText1;
    TLabel* Label1; // "Samples"
    TButton* btnGet;
    TButton* btnEdit; // "Set"
    TButton* StopButton;
    TButton* btnClose;
    TListView* ListView1;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TPageControl* PageControl1;
    TStatusBar* StatusBar1;

    TableDialogController Table;
    PortPickerSet Pickers; // on the tab "Ports"

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void btnGetClick(TObject* sender);
    void btnEditClick(TObject* sender);
    void StopButtonClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void ListView1SelectItem(TObject* sender, TListItem* item, bool selected);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);

    // "Set" only for a chosen address.
    void UpdateButtons(bool rowChosen);

private:
    // The SET's reply, in place of the framework's report: the dialog unlocked, a refusal kept to
    // be shown once the table has been read again.
    void SetDone(const VqSNMPError& error);
    bool SetReplied = false;
    std::optional<std::string> SetFailure;
};

extern TLLDP_Management_Address* LLDP_Management_Address;

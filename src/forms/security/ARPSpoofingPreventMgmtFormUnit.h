// The ARP spoofing prevention entries: each binds a gateway's IP address to its MAC address on a
// set of ports, so that ARP packets claiming the gateway with another MAC are dropped there. The
// address pair is the entry's instance; Set writes the ports (with the row status as read), Add
// sends the ports only when a box of a present unit is ticked, Delete asks first. A silent busy
// guard, a blocking table request and the dialog re-read.
#pragma once

#include "FieldSet.h"
#include "PortPickerSet.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPageControl;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

class TARPSpoofingPreventMgmtForm : public TForm {
public:
    explicit TARPSpoofingPreventMgmtForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* StaticText1; // the item count
    TLabel* Label3;           // "Samples"
    TButton* btnGet;
    TButton* btnEdit; // "Set"
    TButton* btnAdd;
    TButton* btnDelete;
    TButton* btnClose;
    TListView* ListView1;
    TSplitter* Splitter1;
    TLabel* Label1; // "IP Address"
    TEdit* edtIpAddr;
    TLabel* Label2; // "MAC Address"
    TEdit* edtMacAddr;
    TComboBox* ComboStatus; // the row status, hidden
    TPageControl* PageControl1;
    TStatusBar* StatusBar1;

    TableDialogController Table; // the entries: silent busy guard, blocking
    FieldSet Fields;
    PortPickerSet Pickers;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void btnGetClick(TObject* sender);
    void btnEditClick(TObject* sender);
    void btnAddClick(TObject* sender);
    void btnDeleteClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void ClearEditControls();

    // Set and Delete for a chosen entry, Add for none (the address pair follows its rule): run at
    // the end of every read, on selection, and after every action.
    void UpdateButtons(bool rowChosen);

private:
    // The gateway's address and MAC address checked, the focus to the one refused.
    bool CheckInput();
};

// The dialog while its menu command shows it.
extern TARPSpoofingPreventMgmtForm* ARPSpoofingPreventMgmtForm;

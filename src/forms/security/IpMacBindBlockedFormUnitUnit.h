// The hosts the IP-MAC-port binding has blocked: one row per VLAN and MAC address, with the VLAN's
// name and the port where the host was seen, read-only; Delete releases the selected host (its row
// status destroy, without a question) and the framework reads the table again. A silent busy
// guard and a blocking table request.
#pragma once

#include "FieldSet.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TComboBox;
class TLabel;
class TPanel;
class TStaticText;
class TStatusBar;

class TIpMacBindBlockedForm : public TForm {
public:
    explicit TIpMacBindBlockedForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* txt1; // the item count
    TLabel* lbl1;      // "Samples"
    TButton* btnGet;
    TButton* btnDelete;
    TButton* btnClose;
    TComboBox* ComboType; // the row status, hidden
    TListView* lv1;
    TStatusBar* StatusBar1;

    TableDialogController Table; // the blocked hosts: silent busy guard, blocking, framework re-read
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void btnGetClick(TObject* sender);
    void btnDeleteClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void lv1Click(TObject* sender);
    void lv1Change(TObject* sender, TListItem* item, TItemChange change);

    // Delete enabled exactly while a host is chosen: run at the end of every read and on selection.
    void UpdateButtons(bool rowChosen);
};

// The dialog while its menu command shows it.
extern TIpMacBindBlockedForm* IpMacBindBlockedForm;

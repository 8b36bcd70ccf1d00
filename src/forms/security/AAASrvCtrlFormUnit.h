// The AAA server control dialog: puts a server into a server group or takes it out. The switch
// offers this as an action table indexed by group name, server address and protocol, whose one
// writable column is the operation (add or delete): the dialog shows the three keys and the
// operation, no list (its walk goes into an invisible list view), and sends one SET of the
// operation without reading again. Its entries stay after Set, so a server added can be removed
// by choosing "delete".
#pragma once

#include "FieldSet.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;
class TStatusBar;

class TAAASrvCtrlForm : public TForm {
public:
    explicit TAAASrvCtrlForm(TComponent* owner);

    TPanel* pnlCtrl;
    TLabel* lblSrvGrpName;  // "Server Group Name"
    TLabel* lblSrvHostIP;   // "Server IP Address"
    TLabel* lblAuthPtcl;    // "Server Authentication Protocol"
    TLabel* lblSrvRowState; // "Operate"
    TEdit* edtSrvGrpName;
    TEdit* edtSrvIP;
    TComboBox* cbxAuthPtcl;
    TComboBox* cbxOper;
    TListView* lvOper; // invisible: the table's walk goes into it
    TPanel* pnlBtn;
    TButton* btnSet;
    TButton* btnClose;
    TStatusBar* stbResult;

    TableDialogController Table; // the group control table: no guard, asynchronous
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void btnSetClick(TObject* sender);
    void btnCloseClick(TObject* sender);
};

// The dialog while its menu command shows it.
extern TAAASrvCtrlForm* AAASrvCtrlForm;

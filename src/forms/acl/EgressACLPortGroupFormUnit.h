// The egress ACL port-group dialog: named sets of ports (IDs 1 to 64) that egress ACL rules name
// instead of a single port. A group is added with its ID, name and ports; a chosen group's ports
// are changed (its ID and name fixed) or the group deleted. The dialog cannot close while a read
// it started still runs.
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

class TEgressACLPortGroupForm : public TForm {
public:
    explicit TEgressACLPortGroupForm(TComponent* owner);

    TPanel* Panel1;
    TLabel* Label3; // "Samples"
    TStaticText* StaticText1;
    TButton* RefreshBtn;
    TButton* btnSet;
    TButton* btnAdd;
    TButton* btnDelete;
    TButton* btnClose;
    TListView* ListView1;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TLabel* Label1; // "Prot Group ID"
    TLabel* Label2; // "Name"
    TLabel* Label4; // "Status", hidden
    TEdit* ED_PortGroupID;
    TEdit* NameEdit;
    TComboBox* CBoxStatus; // the row status, hidden
    TPageControl* pgc1;
    TStatusBar* StatusBar1;

    TableDialogController Table;
    FieldSet Fields;
    PortPickerSet Pickers; // the "Ports" tab

    void FormCreate(TObject* sender);
    void RefreshBtnClick(TObject* sender);
    void btnSetClick(TObject* sender);
    void btnAddClick(TObject* sender);
    void btnDeleteClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void FormCloseQuery(TObject* sender, bool& canClose);
    void FormClose(TObject* sender, TCloseAction& action);

    // "Set" and "Delete" for a chosen group, "Add" without one.
    void UpdateButtons(bool rowChosen);

private:
    // A port of a present unit (by its Exist State) is ticked among its first PortsPerUnit boxes.
    bool AnyPortChosen() const;
};

// The dialog while its menu command shows it.
extern TEgressACLPortGroupForm* EgressACLPortGroupForm;

// The static VLAN dialog: lists the 802.1Q static VLAN table (name, egress, forbidden egress and
// untagged ports of each VLAN) with the switch's next free local VLAN index, and creates, changes
// and deletes VLANs. Flag guard, dialog re-read, row-status delete, FormClose clean-up. A change is
// sent as five SETs of one column each; a new VLAN as one SET and then one of its forbidden ports.
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

class TVlanStaticForm : public TForm {
public:
    explicit TVlanStaticForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* ST_Count2;
    TLabel* Label11;
    TButton* RefreshBtn;
    TButton* SetBtn;
    TButton* AddBtn;
    TButton* DeleteBtn;
    TButton* btnStop;
    TButton* btnClose;
    TListView* LV_dot1qVlanStaticEntry;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TLabel* Label1; // "VLAN ID"
    TLabel* Label2; // "VLAN Name"
    TLabel* Label3; // "Next Free Local VLAN Index"
    TLabel* Label4; // "Status", hidden
    TEdit* ED_VLANID;
    TEdit* ED_VLANName;
    TComboBox* Status; // the row status, hidden
    TStaticText* NextFreeLocalVlanIndex;
    TPageControl* PageControl1;
    TStatusBar* StatusBar1;

    TableDialogController Table;    // the static VLAN table, its data-complete flag and guard
    TableDialogController NextFree; // the next free local VLAN index: a blocking scalar request
    PortPickerSet Pickers;          // egress, forbidden, untagged
    FieldSet Fields;                // the ID and name, the hidden row status and the next free index

    void FormCreate(TObject* sender);
    void ClearEditControls();
    void RefreshBtnClick(TObject* sender);
    void LV_dot1qVlanStaticEntrySelectItem(TObject* sender, TListItem* item, bool selected);
    void LV_dot1qVlanStaticEntryClick(TObject* sender);
    void LV_dot1qVlanStaticEntryChange(TObject* sender, TListItem* item, TItemChange change);
    void SetBtnClick(TObject* sender);
    void AddBtnClick(TObject* sender);
    void DeleteBtnClick(TObject* sender);
    void btnStopClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
    void FormClose(TObject* sender, TCloseAction& action);

    // The states of Set, Delete and Add for a chosen row or none: run at the end of every read, on
    // selection and after Refresh, Set and Delete (which leave none chosen, whatever happened).
    void UpdateButtons(bool rowChosen);
};

// The dialog while its menu command shows it.
extern TVlanStaticForm* VlanStaticForm;

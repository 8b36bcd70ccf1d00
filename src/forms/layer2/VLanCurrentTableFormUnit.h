// The 802.1Q current VLAN table, read-only: the VLANs in force on the switch (static and learned)
// with their egress and untagged ports, and the number of VLAN deletions since start. The port
// pickers only show the selected VLAN's ports: they stay disabled while the dialog is open.
#pragma once

#include "FieldSet.h"
#include "PortPickerSet.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

class TButton;
class TLabel;
class TPageControl;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

class TVLanCurrentTableForm : public TForm {
public:
    explicit TVLanCurrentTableForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* ST_Count2;
    TLabel* Label11;
    TButton* RefreshBtn;
    TButton* Closebtn;
    TListView* LV_dot1qVlanCurrentEntry;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TLabel* Label1; // "VLAN Delete Numbers"
    TLabel* Label2; // "VLAN Index"
    TStaticText* VlanNumDeletes;
    TStaticText* StaticText1; // the selected VLAN's index
    TPageControl* PageControl1;
    TStatusBar* StatusBar1;

    TableDialogController Deletes; // the deletes counter: a scalar request
    TableDialogController Table;   // the current table, its list bound without auto-select
    PortPickerSet Pickers;         // egress, untagged; never enabled
    FieldSet Fields;               // the deletes counter and the selected VLAN's index

    void FormCreate(TObject* sender);
    void ClearEditControls();
    void RefreshBtnClick(TObject* sender);
    void ClosebtnClick(TObject* sender);
    void LV_dot1qVlanCurrentEntryChange(TObject* sender, TListItem* item, TItemChange change);
    void LV_dot1qVlanCurrentEntrySelectItem(TObject* sender, TListItem* item, bool selected);
    void FormClose(TObject* sender, TCloseAction& action);

    // The pickers' state: disabled whatever is selected (they only show the selected VLAN).
    void UpdateButtons(bool rowChosen);
};

// The dialog while its menu command shows it.
extern TVLanCurrentTableForm* VLanCurrentTableForm;

// The IGMP snooping static groups: multicast groups bound to member ports by configuration, one
// row per VLAN and group address. Flag guard, dialog re-read, row-status delete. Add creates a row
// with its member ports; Set rewrites a chosen row's member ports as "active" and leaves the
// data-complete flag as it is while its re-read runs; the two key edits are fixed on a chosen row.
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

class TIGMPSnoopingStaticGroupForm : public TForm {
public:
    explicit TIGMPSnoopingStaticGroupForm(TComponent* owner);

    TPanel* Panel1;
    TStaticText* StaticText1;
    TLabel* Label3; // "Samples"
    TButton* btnGet;
    TButton* btnSet;
    TButton* btnAdd;
    TButton* btnDelete;
    TButton* btnClose;
    TListView* LV_IGMPStaticGroupEntry;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TLabel* Label1; // "VLAN ID"
    TLabel* Label2; // "IP Address"
    TLabel* Label4; // the row status, hidden
    TEdit* VlanIDEdit;
    TEdit* RepalceIPEdit;
    TComboBox* CBoxStatus; // the row status, hidden
    TPageControl* PageControl1;
    TStatusBar* StatusBar1;

    TableDialogController Table;
    PortPickerSet Pickers; // the member ports
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void ResetFields();
    void btnGetClick(TObject* sender);
    void LV_IGMPStaticGroupEntryClick(TObject* sender);
    void LV_IGMPStaticGroupEntryChanging(TObject* sender, TListItem* item, TItemChange change);
    void btnSetClick(TObject* sender);
    void btnAddClick(TObject* sender);
    // The group address as a dotted quad, its last group of at most three digits as the others; a
    // refused text shows the check's message and then "IP Address in not valid.".
    bool CheckDottedQuad();
    void btnDeleteClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
    void FormClose(TObject* sender, TCloseAction& action);

    // Set and Delete for a chosen row, Add for none; the key edits fixed on a chosen row.
    void UpdateButtons(bool rowChosen);
};

// The dialog while its menu command shows it.
extern TIGMPSnoopingStaticGroupForm* IGMPSnoopingStaticGroupForm;

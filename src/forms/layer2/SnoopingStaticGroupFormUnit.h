// The static groups of IGMP and MLD snooping, one implementation over two tables of the same layout:
// multicast groups bound to member ports by configuration, one row per VLAN and group address.
// Flag guard without Stop, dialog re-read, row-status delete. Add checks the keys in order (VLAN,
// group, the group's address check) and creates the row with its member ports; Set rewrites a chosen
// row's member ports as "active" and leaves the data-complete flag as it is while its re-read runs;
// the two key edits are fixed on a chosen row. Each twin is a declaration (StaticGroupDesign): its
// table, size, fields, texts and address check.
#pragma once

#include "FieldTable.h"
#include "PortPickerSet.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <span>

struct MibTableRow;
struct StaticGroupDesign;
class TButton;
class TComboBox;
class TControl;
class TEdit;
class TLabel;
class TPageControl;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

class TSnoopingStaticGroupForm : public TForm {
public:
    TPanel* Panel1;
    TStaticText* StaticText1;
    TLabel* Label3; // "Samples"
    TButton* btnGet;
    TButton* btnSet;
    TButton* btnAdd;
    TButton* btnDelete;
    TButton* btnClose;
    TListView* StaticGroupList; // each twin's list (LV_IGMPStaticGroupEntry, LV_MLDStaticGroupEntry)
    TSplitter* Splitter1;
    TPanel* Panel2;
    TLabel* Label1; // "VLAN ID"
    TLabel* Label2; // the group address
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
    void StaticGroupListClick(TObject* sender);
    void StaticGroupListChanging(TObject* sender, TListItem* item, TItemChange change);
    void btnSetClick(TObject* sender);
    void btnAddClick(TObject* sender);
    void btnDeleteClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
    void FormClose(TObject* sender, TCloseAction& action);

    // Set and Delete for a chosen row, Add for none; the key edits fixed on a chosen row.
    void UpdateButtons(bool rowChosen);

protected:
    TSnoopingStaticGroupForm(TComponent* owner, const StaticGroupDesign& design);

private:
    const StaticGroupDesign& Design;
};

// What one twin is.
struct StaticGroupDesign {
    const MibTableRow* Table = nullptr;
    std::span<const CatalogueColumn> Columns;
    int Width = 0;
    int Height = 0;
    const char* Caption = "";
    // The VLAN ID, the group address and the hidden row status (which a reset puts on createAndGo).
    std::span<const Field<TSnoopingStaticGroupForm>> Fields;
    int MemberPorts = -1;              // the member ports' column
    const char* GroupNeeded = nullptr; // an empty group address
    // The group address's check, which shows its own message, and the text that follows it.
    bool (*CheckGroup)(TControl* edit) = nullptr;
    const char* GroupNotValid = nullptr;
    bool AddNeedsCreateAndGo = false; // Add refuses unless the hidden row status is createAndGo
};

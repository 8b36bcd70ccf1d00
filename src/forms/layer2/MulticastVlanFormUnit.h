// The multicast VLAN dialogs of IGMP and MLD snooping, one implementation over two tables of the
// same layout: the multicast VLANs with their name, state, replace-source address and priority
// settings, profile list, customer VLAN and four port lists on four port tabs. Flag guard, dialog
// re-read, row-status delete. Add creates the row without its port lists, state and type (Set writes
// them once the row is chosen); Set writes the whole row as "active" with the type of the dialog's
// family. Each twin is a declaration (MulticastVlanDesign): its table, size, type and its own rules.
#pragma once

#include "ColumnNames.h"
#include "FieldSet.h"
#include "PortPickerSet.h"
#include "TForm.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <span>
#include <vector>

struct MibTableRow;
class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPageControl;
class TPanel;
class TSplitter;
class TStaticText;
class TStatusBar;

// What one twin is.
struct MulticastVlanDesign {
    const MibTableRow* Table = nullptr;
    std::span<const CatalogueColumn> Columns; // its columns by name (the kinds of its fields)
    int Width = 0;
    int Height = 0;
    int ListHeight = 0;
    const char* Type = nullptr;         // the Replace Source Address Type every Set writes
    bool ChecksAddress = false;         // the Replace Source IP must be a dotted quad
    bool WarnsPortConflict = false;     // Add warns of source and untagged source ports ticked at once
    bool SetWritesEmptyProfile = false; // an empty Profile ID List is still written by Set
    bool AddWritesEmptyProfile = false; // ... by Add
    std::vector<PortListColumn> PortColumns;
};

class TMulticastVlanForm : public TForm {
public:
    TPanel* Panel1;
    TStaticText* StaticText1;
    TLabel* Label10; // "Samples"
    TButton* btnGet;
    TButton* btnSet;
    TButton* btnAdd;
    TButton* btnDelete;
    TButton* btnClose;
    TListView* LV_IGMPMulticastVlanEntry;
    TSplitter* Splitter1;
    TPanel* Panel2;
    TLabel* Label1;  // "VLAN ID (2-4094)"
    TLabel* Label2;  // "VLAN Name"
    TLabel* Label3;  // "VLAN State"
    TLabel* Label4;  // "Replace Source Address Type"
    TLabel* Label5;  // "Replace Source IP"
    TLabel* Label6;  // "Remap Priority"
    TLabel* Label7;  // "Replace Priority"
    TLabel* Label8;  // "Profile ID List"
    TLabel* Label9;  // "CVID (0-4094)"
    TLabel* Label11; // the row status, hidden
    TEdit* VlanIDEdit;
    TEdit* VlanNameEdit;
    TComboBox* CBoxState;
    TComboBox* CBoxType;
    TEdit* RepalceIPEdit;
    TEdit* RemapPriorityEdit;
    TComboBox* CBoxRaplacePriority;
    TEdit* ProfileIDListEdit;
    TComboBox* CBoxStatus; // the row status, hidden
    TEdit* CustomerVIDEdit;
    TPageControl* PageControl1;
    TStatusBar* StatusBar1;

    TableDialogController Table;
    PortPickerSet Pickers; // source, member, tagged member, untagged source ports
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void ResetFields();
    void UncheckAllPages();
    void btnGetClick(TObject* sender);
    void LV_IGMPMulticastVlanEntryClick(TObject* sender);
    void LV_IGMPMulticastVlanEntryChanging(TObject* sender, TListItem* item, TItemChange change);
    void CBoxTypeChange(TObject* sender);
    void btnSetClick(TObject* sender);
    void btnAddClick(TObject* sender);
    // Warns when ports are ticked on both the source and the untagged source pages (Add goes on).
    void CheckSourcePortConflict();
    // The Replace Source IP as a dotted quad, its last group of at most three digits as the others;
    // a refused text shows the check's message and then "IP Address in not valid.".
    bool CheckDottedQuad();
    void btnDeleteClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
    void FormClose(TObject* sender, TCloseAction& action);

    // Set and Delete for a chosen row, Add for none; the fields follow their rules (the VLAN ID
    // fixed on a chosen row, the state, type and profile list only there, the address by the type).
    void UpdateButtons(bool rowChosen);

protected:
    TMulticastVlanForm(TComponent* owner, const MulticastVlanDesign& design);

private:
    const MulticastVlanDesign& Design;
};

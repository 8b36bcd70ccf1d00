// The rule editors of the ACL family: one table of rules keyed by a profile ID and an access ID,
// edited field by field (a check box per field: only checked and enabled fields are written), the
// whole table in a list view above the fields, and the ports of the rule in an embedded port
// picker below them (or, instead, a VLAN-based ID).
//
// TAclRuleForm holds the flows every member of the family shares: creation, reset, read, row
// selection, Add, Edit, Delete, Stop, close, Check All and Clear Checks, the skip marking before a
// write and the guard of the data-complete flag. A member brings its controls (built with
// AddRuleField from a table of its fields), its dependent-field rules and its field checks through
// the hooks below, and states where it departs from the family in RuleEditorOptions.
#pragma once

#include "DialogTexts.h"
#include "FieldTable.h"
#include "PortPickerSet.h"
#include "TBasicFormUnit.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <string>
#include <vector>

class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TGroupBox;
class TLabel;
class TPanel;
class TStaticText;
class TStatusBar;

// A field row of a group box: the check box, then the value control, in each of its three
// columns. The check box holds the longest field caption ("VLAN Mask (0000-0FFF)") and the value
// control a dotted IPv4 address or the longest option ("arp-spoofing") whole.
namespace RuleLayout {
inline constexpr int kRowHeight = 22;
inline constexpr int kFirstRowTop = 18;
inline constexpr int kCheckWidth = 144;
inline constexpr int kValueWidth = 94;
inline constexpr int kColumnWidth = 243;

// The value control's place in row `row` and column `column` (0, 1 or 2) of a group box.
constexpr FieldPlace ValuePlace(int row, int column) {
    const int left = 8 + column * kColumnWidth + kCheckWidth + 4;
    return {0, 0, left, kFirstRowTop + row * kRowHeight - 2, kValueWidth};
}
// The check box before it, as wide as the caption column.
inline constexpr CheckPlace kCheck{
    .Left = -(kCheckWidth + 4), .TopOffset = 2, .Width = kCheckWidth, .BeforeValue = true};
} // namespace RuleLayout

// The accepted range of an index column typed into its edit.
struct KeyRange {
    int Min;
    int Max;
};

struct RuleEditorOptions {
    const MibTableRow* Table = nullptr;
    std::vector<KeyRange> Keys;     // one per index column, in order
    int RowStatusColumn = -1;       // its combo box is the dialog's hidden row-status combo
    int PortColumn = -1;            // the port list written from the picker; -1: none
    int VlanBasedIdColumn = -1;     // the VLAN-based ID written instead of the ports; -1: ports only
    const char* DuplicateText = ""; // Add with the keys of a listed row
    const char* Refusal = DialogText::kGetDataNotCompleteDot;
    // Edit of an active row leaves Row Status out of its SET (otherwise Row Status is always sent).
    bool EditSkipsActiveRowStatus = true;
    int DesignWidth = 0;
    int DesignHeight = 0;
    int ListHeight = 110;
    int PortPanelHeight = 94;
    int PortColumns = 14;
};

class TAclRuleForm : public TBasicForm {
public:
    TAclRuleForm(TComponent* owner, RuleEditorOptions options);

    // The family's controls.
    TPanel* ButtonPanel;
    TStaticText* SamplesBox;
    TLabel* SamplesLabel;
    TButton* GetButton;
    TButton* EditButton;
    TButton* AddButton;
    TButton* DeleteButton;
    TButton* StopButton;
    TButton* CheckButton;
    TButton* UncheckButton;
    TButton* CloseButton;
    TListView* ListView1;
    TPanel* FieldPanel;        // the member's group boxes go here
    TPanel* StackingPortPanel; // the embedded port picker
    TStatusBar* StatusBar1;
    std::vector<TEdit*> KeyEdits;        // the index columns' edits, set by the member when it binds them
    TCheckBox* VLANBaseChkBox = nullptr; // with VlanBasedIdColumn: "VLAN-based VID" and its edit
    TEdit* VLANBasedVIDEdit = nullptr;
    TComboBox* RowComboBox = nullptr; // the hidden row-status combo and its check box
    TCheckBox* RowStatusBox = nullptr;

    const RuleEditorOptions Options;
    TableDialogController Table;
    PortPickerSet Pickers; // the rule's port list: one picker in StackingPortPanel, also PortPicker
    // The family's name for the table's one data-complete flag: Refresh and Edit refuse while it
    // is clear, Stop sets it.
    bool& DataComplete = Table.DataComplete;

    void FormCreate(TObject* sender);
    void GetButtonClick(TObject* sender);
    void EditButtonClick(TObject* sender);
    void AddButtonClick(TObject* sender);
    void DeleteButtonClick(TObject* sender);
    void StopButtonClick(TObject* sender);
    void CloseButtonClick(TObject* sender);
    void CheckButtonClick(TObject* sender);
    void UncheckButtonClick(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void FormClose(TObject* sender, TCloseAction& action);
    void VLANBaseChkBoxClick(TObject* sender);

    void ResetFields();
    // What a write of the row carries: the row without its unchecked or disabled fields (the row
    // status never left out this way), and without the port list when the VLAN-based ID is used,
    // else without the VLAN-based ID.
    WriteCarry RowCarry() const;

    // Builds one field: its check box (caption, or none) and its value control, an edit or a combo
    // box, on a row of the group box; the row's Tag goes on both.
    struct FieldPlace {
        TGroupBox* Group;
        int Row;
        int Column; // 0, 1 or 2: the column of the group box
    };
    TCheckBox* AddCheck(const FieldPlace& place, const char* caption, int tag);
    TEdit* AddEdit(const FieldPlace& place, int tag);
    TComboBox* AddCombo(const FieldPlace& place, int tag);
    TGroupBox* AddGroup(const char* caption, int left, int top, int width, int height);

protected:
    // Binds the member's columns (BindEditRow, BindComboRow, BindRulePorts), in column order.
    virtual void BindFields(DialogRequest& request) = 0;
    // Reset steps after the controls are emptied: the member's default selections and its rules.
    virtual void ResetDefaults() = 0;
    // The rules run at creation (after reset, hidden fields and list mode), on an unselected click,
    // and after a row is selected.
    virtual void CreationRules() = 0;
    virtual void ListRules() = 0;
    virtual void RowRules() = 0;
    virtual bool ValidateFields() = 0;
    // Add's own refusal after the duplicate check (true: go on).
    virtual bool AddAllowed() { return true; }
    virtual void AfterCheckAll() {}
    virtual void AfterClearChecks() {}

    // The shared tail of ValidateFields: the VLAN-based ID filled in when used, else a port chosen.
    bool CheckRuleTarget();
    // The typed keys are whole numbers in their ranges (text put there by code has not passed the
    // edits' constraints, and it becomes the row's instance).
    bool CheckKeyTexts();
    // Binds the port column to the picker's boxes (48 octets when stacking, 8 otherwise).
    void BindRulePorts(DialogRequest& request);
    // The states of Edit, Delete, Add and the key edits with a row chosen (row mode) or none (list
    // mode): called at the end of every read, on selection, and with none after Refresh and every
    // write.
    void UpdateButtons(bool row);

private:
    void WriteRow(const WriteCarry& carry);
    void CountRows();
};

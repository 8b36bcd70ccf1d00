// The rule editors of the ACL family: one table of rules keyed by a profile ID and an access ID,
// edited field by field (a check box per field: only checked and enabled fields are written), the
// whole table in a list view above the fields, and the ports of the rule in an embedded port
// picker below them (or, instead, a VLAN-based ID).
//
// TAclRuleForm holds the flows every member of the family shares: creation, reset, read, row
// selection, Add, Edit, Delete, Stop, close, Check All and Clear Checks, the skip marking before a
// write and the guard of the data-complete flag, and the action fields with their rules. A member
// brings its controls (built from a table of its fields), its dependent-field rules and its field
// checks through the hooks below, and states where it departs from the family in
// RuleEditorOptions.
#pragma once

#include "DialogTexts.h"
#include "FieldTable.h"
#include "PortPickerSet.h"
#include "TBasicFormUnit.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <functional>
#include <initializer_list>
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

// A field row of a group box: the check box, then the value control, in columns of a grid. The
// default grid's check box holds the IPv4 editor's longest field caption ("VLAN Mask (0000-0FFF)")
// and its value control a dotted IPv4 address or the longest option ("arp-spoofing") whole; a
// member whose captions or values are longer, or whose dialog is narrower, gives its own grid.
namespace RuleLayout {
inline constexpr int kRowHeight = 22;
inline constexpr int kFirstRowTop = 18;

struct Grid {
    int CheckWidth = 144;
    int ValueWidth = 94;
    int ColumnWidth = 243;
};
inline constexpr Grid kGrid{};

// The value control's left in column `column` (0, 1, 2 ...) of a group box.
constexpr int ValueLeft(int column, Grid grid = kGrid) {
    return 8 + column * grid.ColumnWidth + grid.CheckWidth + 4;
}
// The value control's place in row `row`, at a given left and width.
constexpr FieldPlace ValueAt(int row, int left, int width) {
    return {0, 0, left, kFirstRowTop + row * kRowHeight - 2, width};
}
// The value control's place in row `row` and column `column` of a group box.
constexpr FieldPlace ValuePlace(int row, int column, Grid grid = kGrid) {
    return ValueAt(row, ValueLeft(column, grid), grid.ValueWidth);
}
// The check box before the value, as wide as the grid's caption column.
constexpr CheckPlace CheckBefore(Grid grid = kGrid) {
    return {.Left = -(grid.CheckWidth + 4), .TopOffset = 2, .Width = grid.CheckWidth, .BeforeValue = true};
}
inline constexpr CheckPlace kCheck = CheckBefore();
} // namespace RuleLayout

// A rule field of member T: its check box (with its caption), value control (of its column's
// kind), constraint (an edit's), Tag, group box, place there, and its place among the fields
// required when checked (0: none).
template <class T>
constexpr Field<T> RuleField(int column, TCheckBox* T::*check, const char* caption, FieldMember<T> value,
                             const char* constraint, int tag, TGroupBox* T::*group, FieldPlace place,
                             int required = 0) {
    return {.Column = column,
            .CheckCaption = caption,
            .Constraint = constraint,
            .Control = value,
            .Check = check,
            .Group = group,
            .Place = place,
            .Tag = tag,
            .Required = required};
}

// An index column typed into its edit: the text refused when it is empty, and the accepted range.
struct KeyRange {
    const char* Missing;
    int Min;
    int Max;
};

// When Edit refuses with the refusal text while a read runs (the data-complete flag clear).
enum class EditRefusal {
    RowSelected,   // with a row selected, before the field checks
    Always,        // with or without a selected row, before the field checks
    AfterDispatch, // after the field checks and the dispatch on the Row Status shown, before the write
};

// What Edit runs instead of its own write, by the Row Status its hidden combo box shows.
enum class EditDispatch {
    DestroyWhenTicked, // "destroy" with the hidden Row Status box ticked: Delete
    ByRowStatus,       // "createAndGo": Add; "destroy": Delete (the hidden box is not looked at)
};

// What the fields and buttons are after a write was sent.
enum class RuleAfterWrite {
    ListModeReset, // list mode, the fields reset
    FieldsKept,    // the fields as they were sent; after Edit the row mode holds until the next click in
                   // the list, Refresh, Add or Delete (the re-read leaves no row selected)
};

struct RuleEditorOptions {
    const MibTableRow* Table = nullptr;
    std::vector<KeyRange> Keys;     // one per index column, in order
    int RowStatusColumn = -1;       // its combo box is the dialog's hidden row-status combo
    int PortColumn = -1;            // the port list written from the picker; -1: none
    int VlanBasedIdColumn = -1;     // the VLAN-based ID written instead of the ports; -1: ports only
    const char* DuplicateText = ""; // Add with the keys of a listed row
    const char* PermitUnchecked = DialogText::kPermitMustBeChecked; // Add with "Permit" unticked
    const char* Refusal = DialogText::kGetDataNotCompleteDot;
    // Which writes refuse with `Refusal` while a read runs (Refresh always does).
    bool AddRefusesWhileReading = false; // checked first, before the field checks
    EditRefusal EditRefuses = EditRefusal::RowSelected;
    EditDispatch EditRuns = EditDispatch::DestroyWhenTicked;
    RuleAfterWrite AfterAdd = RuleAfterWrite::ListModeReset;
    RuleAfterWrite AfterEdit = RuleAfterWrite::ListModeReset;
    // A click that leaves no row selected makes the request active again (a stopped walk goes on).
    bool UnselectedClickActivates = true;
    // Edit of an active row leaves Row Status out of its SET (otherwise Row Status is always sent).
    bool EditSkipsActiveRowStatus = true;
    int DesignWidth = 0;
    int DesignHeight = 0;
    int ListHeight = 110;
    int PortPanelHeight = 94;
    int PortColumns = 14;
};

// An index column's field: its hidden check box, its edit and the caption of the label shown in
// the box's place.
struct RuleKeyField {
    TCheckBox* Box;
    TEdit* Edit;
    const char* Caption;
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

    // The action fields every member has, by the family's names: a check box and its value control
    // each, all but Permit and the mirror group carrying kActionTag. The DSCP value field's names
    // differ between the members: each points DscpValueBox and DscpValueEdit at its own.
    TCheckBox* cbxPermit = nullptr;
    TComboBox* PermitComboBox = nullptr;
    TCheckBox* cbxEnablePriority = nullptr;
    TComboBox* EnablePriorityComboBox = nullptr;
    TCheckBox* cbxPriority = nullptr;
    TEdit* PriorityEdit = nullptr;
    TCheckBox* cbxReplacePriority = nullptr;
    TComboBox* ReplacePriorityComboBox = nullptr;
    TCheckBox* cbxEnableReplaceDSCP = nullptr;
    TComboBox* EnableReplaceDSCPComboBox = nullptr;
    TCheckBox* cbxRepTosState = nullptr;
    TComboBox* RepTosStateComboBox = nullptr;
    TCheckBox* cbxRepTosValue = nullptr;
    TEdit* TosValueEdit = nullptr;
    TCheckBox* cbxMirrorGroup = nullptr;
    TEdit* MirrorGroupEdit = nullptr;
    TCheckBox* DscpValueBox = nullptr;
    TEdit* DscpValueEdit = nullptr;
    static constexpr int kActionTag = 1;
    // The rule's owner (read-only, disabled) with its label, and the RX rate, which is no column of
    // the tables: built by the member, hidden at creation.
    TComboBox* RuleOwnerComboBox = nullptr;
    TLabel* OwnerLabel = nullptr;
    TCheckBox* cbxRxRate = nullptr;
    TEdit* RxRateEdit = nullptr;

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

    // The family's action rules, by the texts their combo boxes show. Permit: "deny" disables the
    // action fields and the mirror group, "mirror" disables the action fields and enables the
    // mirror group and Permit, any other enables the action fields, runs the three rules below and
    // disables the mirror group. Enable Priority: "enabled" enables Priority and Replace Priority,
    // any other disables them. Replace DSCP and Replace ToS State exclude each other: "enabled"
    // enables the own value and disables the other state, "disabled" the reverse.
    void PermitComboBoxChange(TObject* sender);
    void EnablePriorityComboBoxChange(TObject* sender);
    void EnableReplaceDSCPComboBoxChange(TObject* sender);
    void RepTosStateComboBoxChange(TObject* sender);
    // Hides the controls that are no column of the member's table (the kit's: the RX rate).
    virtual void HideExtraFields();

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
        int Column; // the column of the group box's grid
        RuleLayout::Grid Grid = {};
    };
    TCheckBox* AddCheck(const FieldPlace& place, const char* caption, int tag);
    TEdit* AddEdit(const FieldPlace& place, int tag);
    TComboBox* AddCombo(const FieldPlace& place, int tag);
    TGroupBox* AddGroup(const char* caption, int left, int top, int width, int height);
    // A group box of `rows` field rows (and `extra` pixels below them) under the last one stacked.
    TGroupBox* StackGroup(const char* caption, int rows, int width, int extra = 0);
    // A label where a field's check box would stand (as wide as the grid's caption column) before
    // the value control.
    TLabel* AddLabelBefore(TControl* value, const char* caption, RuleLayout::Grid grid = {});

protected:
    // Binds the member's columns (BindEditRow, BindComboRow), in column order; the kit binds the
    // port list and hides the extra fields after it.
    virtual void BindFields(DialogRequest& request) = 0;
    // Reset steps after the controls are emptied: the member's default selections and its rules.
    virtual void ResetDefaults() = 0;
    // The rules run at creation (after reset, hidden fields and list mode), on an unselected click,
    // and after a row is selected.
    virtual void CreationRules() = 0;
    virtual void ListRules() = 0;
    virtual void RowRules() = 0;
    virtual bool ValidateFields() = 0;
    // Add's refusal after the duplicate check (true: go on); the kit's: "Permit" unticked.
    virtual bool AddAllowed();
    virtual void AfterCheckAll() {}
    virtual void AfterClearChecks() {}
    // The rules Refresh runs after its reset.
    virtual void RefreshRules() {}

    // The fields of the "Other" group once built: the index columns' check boxes hidden (checked
    // and disabled: a key is always the row's), each with a label of the key's caption in its
    // place, the red note "0 = auto_assign" under the last key's edit (the switch numbers a rule
    // added with Access ID 0), the edits becoming KeyEdits; the VLAN-based ID edit fixed until its
    // box is ticked; the owner disabled, labelled as the grid places a caption.
    void SetUpOtherFields(std::initializer_list<RuleKeyField> keys, RuleLayout::Grid grid = {});
    // The check, which shows its own message, with the focus given to the field it refuses.
    static std::function<bool(TControl*)> Focusing(std::function<bool(TControl*)> check);
    // Both replacements ticked: the text, and false.
    bool CheckOneReplacement(const char* text);
    // The shared tail of ValidateFields: the VLAN-based ID filled in when used, else a port chosen.
    bool CheckRuleTarget();
    // The first checks of ValidateFields: every key typed (else its Missing text), then each a
    // whole number in its range (text put there by code has not passed the edits' constraints, and
    // it becomes the row's instance).
    bool CheckKeyTexts();
    // The states of Edit, Delete, Add and the key edits with a row chosen (row mode) or none (list
    // mode): called at the end of every read (row mode while an Edit holds it), on selection, and
    // with none after Refresh, Delete and every write that leaves list mode.
    void UpdateButtons(bool row);

private:
    // Sends the write and leaves the fields and buttons as `after` says; false when it failed.
    bool WriteRow(const WriteCarry& carry, RuleAfterWrite after);
    void CountRows();
    // The row's VLAN-based ID is a VLAN ID (1 to 4094).
    bool HasVlanBasedId(TListItem* item) const;
    // An Edit that kept its fields holds row mode through the re-read.
    bool HeldRow = false;
    int NextGroupTop = 0;
};

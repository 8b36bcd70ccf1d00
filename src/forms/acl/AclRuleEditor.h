// The rule editors of the ACL family: one table of rules keyed by a profile ID and an access ID,
// edited field by field (a check box per field: only checked and enabled fields are written), the
// whole table in a list view above the fields, and the ports of the rule in an embedded port
// picker below them (or, instead, a VLAN-based ID).
//
// TAclRuleForm holds the frame and the flows every member of the family shares: creation, reset,
// read, row selection, Add, Edit, Delete, Stop, close, Check All and Clear Checks, what a write
// carries and the guard of the data-complete flag, and the action fields with their rules. A member
// is its design (RuleDesign: its options, where it departs from the family; its field table, the
// group boxes it stands in, its check boxes that are no column, and the rule steps the flows run)
// and its own checks (CheckFields).
#pragma once

#include "AclFamily.h"
#include "DialogTexts.h"
#include "FieldSet.h"
#include "FieldTable.h"
#include "PortPickerSet.h"
#include "TBasicFormUnit.h"
#include "TGroupBox.h"
#include "TListView.h"
#include "TPanel.h"
#include "TableDialogController.h"

#include <array>
#include <functional>
#include <span>
#include <string>
#include <vector>

class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
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
// The place with a label where the field's check box would stand, as wide as the grid's caption
// column, before the value.
constexpr FieldPlace Labelled(FieldPlace place, Grid grid = kGrid) {
    place.LabelLeft = place.Left - grid.CheckWidth - 4;
    place.LabelTop = place.Top + 2;
    return place;
}
// The check box before the value, as wide as the grid's caption column.
constexpr CheckPlace CheckBefore(Grid grid = kGrid) {
    return {.Left = -(grid.CheckWidth + 4), .TopOffset = 2, .Width = grid.CheckWidth, .BeforeValue = true};
}
} // namespace RuleLayout

// What a reset gives a rule field: its value emptied (a combo box at its first item) and its box
// unticked; the action fields' options off.
inline constexpr FieldDefault kRuleReset = FieldDefault::FirstItem(FieldDefault::Box::Unchecked);
inline constexpr FieldDefault kRuleOff = FieldDefault::Option("disabled", FieldDefault::Box::Unchecked);
inline constexpr FieldDefault kRuleDeny = FieldDefault::Option("deny", FieldDefault::Box::Unchecked);
inline constexpr FieldDefault kRuleNone = FieldDefault::Option("none", FieldDefault::Box::Unchecked);

// A rule field of member T: its check box (with its caption), value control (of its column's
// kind), constraint (an edit's), Tag, group box, place there, its place among the fields required
// when checked (0: none), and what a reset gives it.
template <class T>
constexpr Field<T> RuleField(int column, TCheckBox* T::*check, const char* caption, FieldMember<T> value,
                             const char* constraint, int tag, TGroupBox* T::*group, FieldPlace place,
                             int required = 0, FieldDefault reset = kRuleReset) {
    return {.Column = column,
            .CheckCaption = caption,
            .Constraint = constraint,
            .Control = value,
            .Check = check,
            .Group = group,
            .Place = place,
            .Tag = tag,
            .Required = required,
            .Default = reset};
}

class TAclRuleForm;

// An index column's field: its edit with the key's caption in a label where its check box would
// stand (the box hidden, ticked and disabled: a key is always the row's), emptied by a reset,
// typed for a new rule and fixed (disabled alone) while a rule is chosen or held.
template <class T>
constexpr Field<T> RuleKey(int column, TCheckBox* T::*check, const char* caption, TEdit* T::*edit,
                           const char* constraint, TGroupBox* T::*group, FieldPlace place,
                           RuleLayout::Grid grid = RuleLayout::kGrid) {
    return {.Column = column,
            .Caption = caption,
            .CheckCaption = "",
            .Constraint = constraint,
            .Control = edit,
            .Check = check,
            .Group = group,
            .Place = {place.Left - grid.CheckWidth - 4, place.Top + 2, place.Left, place.Top, place.Width},
            .Flags = kFieldCheckHidden | kFieldCheckFixed,
            .Default = FieldDefault::Empty(),
            .EnabledWhen = {.If = [](const T& form, bool rowChosen) { return !rowChosen && !form.RowHeld(); },
                            .How = FieldEnabling::EnabledOnly}};
}

// The hidden Row Status of member T with its hidden box: createAndGo and unticked after a reset.
template <class T>
constexpr Field<T> RuleRowStatus(int column, TCheckBox* T::*check, TGroupBox* T::*group, FieldPlace place,
                                 int required = 0) {
    return {.Column = column,
            .CheckCaption = "Row Status",
            .Control = &T::RowComboBox,
            .Check = check,
            .Group = group,
            .Place = place,
            .Flags = kFieldHidden,
            .Required = required,
            .Default = FieldDefault::Option("createAndGo", FieldDefault::Box::Unchecked)};
}

// The rule's owner, read-only, labelled as the grid places a caption.
template <class T>
constexpr Field<T> RuleOwner(int column, TGroupBox* T::*group, FieldPlace place,
                             FieldDefault reset = kRuleReset, RuleLayout::Grid grid = RuleLayout::kGrid) {
    return {.Column = column,
            .Caption = "Owner",
            .Control = &T::RuleOwnerComboBox,
            .Kind = FieldKind::ComboBox,
            .Label = &T::OwnerLabel,
            .Group = group,
            .Place = RuleLayout::Labelled(place, grid),
            .Default = reset};
}

// The RX rate, which is no column of the tables: built hidden.
template <class T> constexpr Field<T> RuleRxRate(TGroupBox* T::*group, FieldPlace place, int tag) {
    return {.CheckCaption = "RX Rate (0-15625)",
            .Edit = &T::RxRateEdit,
            .Check = &T::cbxRxRate,
            .Group = group,
            .Place = place,
            .Flags = kFieldHidden,
            .Tag = tag};
}

// An index column typed into its edit: its column, the text refused when it is empty, and the
// accepted range.
struct KeyRange {
    int Column;
    const char* Missing;
    int Min;
    int Max;
};

// When Edit refuses with the refusal text while a read runs (the data-complete flag clear).
enum class EditRefusal {
    RowSelected,   // with a row selected, before the field checks
    Always,        // with or without a selected row, before the field checks
    AfterDispatch, // after the field checks and the dispatch on the Row Status shown, before the write
    Never,         // an Edit never refuses for a read under way
};

// What a rule applies to.
enum class RuleTargets {
    // Its port list in an embedded port picker (PortColumn), or instead its VLAN-based ID.
    Picker,
    // A port (PortColumn, 1 to 384), a port group (PortGroupColumn, 1 to 64) or a VLAN-based ID
    // (1 to 4094), each typed into an edit with its box: a ticked target disables the other two
    // boxes and empties their edits. A write carries the one ticked target.
    TypedOneOfThree,
    // The same, a write leaving out the port when the VLAN-based ID is ticked and the VLAN-based
    // ID otherwise (the port group only by its box).
    TypedVlanOrPort,
};

// What Edit runs instead of its own write, by the Row Status its hidden combo box shows.
enum class EditDispatch {
    DestroyWhenTicked, // "destroy" with the hidden Row Status box ticked: Delete
    ByRowStatus,       // "createAndGo": Add; "destroy": Delete (the hidden box is not looked at)
};

struct RuleEditorOptions {
    const MibTableRow* Table = nullptr;
    std::vector<KeyRange> Keys; // one per index column, in order
    int RowStatusColumn = -1;   // its combo box is the dialog's hidden row-status combo
    int PortColumn = -1;        // the port list written from the picker (a typed port); -1: none
    int VlanBasedIdColumn = -1; // the VLAN-based ID written instead of the ports; -1: ports only
    RuleTargets Targets = RuleTargets::Picker;
    int PortGroupColumn = -1;                                       // typed targets: the port group
    const char* DuplicateText = "";                                 // Add with the keys of a listed row
    const char* PermitUnchecked = DialogText::kPermitMustBeChecked; // Add with "Permit" unticked
    const char* Refusal = DialogText::kGetDataNotCompleteDot;
    // The data-complete flag guards Refresh (and the writes the options below name) and Stop sets
    // it; false: no guard at all, every action runs whatever is under way (a Refresh during a walk
    // starts it again).
    bool Guarded = true;
    // Which writes refuse with `Refusal` while a read runs (Refresh always does when guarded).
    bool AddRefusesWhileReading = false; // checked first, before the field checks
    EditRefusal EditRefuses = EditRefusal::RowSelected;
    EditDispatch EditRuns = EditDispatch::DestroyWhenTicked;
    // What Add and Edit leave once their SET is sent: NoRow (list mode, the fields reset),
    // NoRowKept (list mode, the fields as they were sent) or, for Edit, State (the fields as sent
    // and the row mode held through the re-read, which leaves no row selected, until the next
    // click in the list, Refresh, Add or Delete). A write that failed before it was sent leaves
    // list mode with the fields reset.
    AfterWrite AfterAdd = AfterWrite::NoRow;
    AfterWrite AfterEdit = AfterWrite::NoRow;
    // A click that leaves no row selected makes the request active again (a stopped walk goes on).
    bool UnselectedClickActivates = true;
    // Edit of an active row leaves Row Status out of its SET (otherwise Row Status is always sent).
    bool EditSkipsActiveRowStatus = true;
    // Replace DSCP and Replace ToS State exclude each other (each "enabled" disables the other);
    // false: each switches its own value alone, and the field checks refuse both ticked.
    bool ExclusiveReplacements = true;
    // The request reports to status panel 0; false: it has no status target (its reports come in
    // the framework's message boxes, a failed read in one too), while the dialog's own failures
    // still go to status panel 0.
    bool StatusTarget = true;
    // The frame: a "Stop" button (false: none, the buttons below it closed up), the count box's
    // caption (ButtonColumn::kCountOnly: the box alone), the designed size, the list's height, the port
    // picker's panel and its columns of unit boxes (no panel with typed targets), the button column's width
    // (0: the buttons and a margin of 20 on each side).
    bool StopButton = true;
    const char* Samples = "Samples";
    int DesignWidth = 0;
    int DesignHeight = 0;
    int ListHeight = 110;
    int PortPanelHeight = 94;
    int PortColumns = 14;
    int ButtonColumnWidth = 0;
};

// A group box of a member's field panel: its member, caption, and place.
template <class Form> struct RuleGroupBox {
    TGroupBox* Form::*Group;
    const char* Caption;
    int Left;
    int Top;
    int Width;
    int Height;
};
// Group boxes one above the other from the top of the field panel, 2 apart, each `rows` field rows
// high (and `extra` pixels below them).
template <class Form> struct StackedGroup {
    TGroupBox* Form::*Group;
    const char* Caption;
    int Rows;
    int Extra = 0;
};
template <class Form, std::size_t N>
constexpr std::array<RuleGroupBox<Form>, N> StackGroups(const StackedGroup<Form> (&groups)[N], int width) {
    std::array<RuleGroupBox<Form>, N> boxes{};
    int top = 0;
    for (std::size_t i = 0; i < N; ++i) {
        const int height =
            RuleLayout::kFirstRowTop + groups[i].Rows * RuleLayout::kRowHeight + 2 + groups[i].Extra;
        boxes[i] = {groups[i].Group, groups[i].Caption, 2, top, width, height};
        top += height + 2;
    }
    return boxes;
}

// A check box of a member that is no column (it rules other fields): its member, caption, group
// box, and row and column of the grid.
template <class Form> struct RuleBox {
    TCheckBox* Form::*Box;
    const char* Caption;
    TGroupBox* Form::*Group;
    int Row;
    int Column;
};

// What a member of the family is: its options, its field table over its catalogue table (in
// column order: the rows are recorded by column), the fields that are no column (built, never
// bound), its group boxes, the grid of its fields, its check boxes that are no column, those that
// Check All ticks and Clear Checks unticks after the row boxes and those a reset unticks, its own
// Check All and Clear Checks lists where it has them, and the rule steps each flow runs. What a
// reset gives each field is its field table's (`.Default`: FieldDefault::Keep() for a field the
// reset leaves as it is).
template <class Form> struct RuleDesign {
    RuleEditorOptions Options;
    std::span<const Field<Form>> Fields;
    std::span<const Field<Form>> Extras = {};
    std::span<const CatalogueColumn> Columns;
    std::span<const RuleGroupBox<Form>> Groups;
    RuleLayout::Grid Grid = RuleLayout::kGrid;
    std::span<const RuleBox<Form>> Boxes = {};
    std::span<TCheckBox* Form::*const> TickedWithRows = {};
    std::span<TCheckBox* Form::*const> UntickedByReset = {};
    // A member's own Check All and Clear Checks, in place of the family's (every enabled row box
    // ticked, every row box unticked, then the boxes above): Check All ticks `CheckAll` whatever
    // their state and `CheckAllIfEnabled` where enabled, then runs the `Rules.CheckAll` steps; Clear
    // Checks unticks `ClearChecks`. A box in none of them keeps its tick.
    std::span<TCheckBox* Form::*const> CheckAll = {};
    std::span<TCheckBox* Form::*const> CheckAllIfEnabled = {};
    std::span<TCheckBox* Form::*const> ClearChecks = {};
    FieldRules<Form> Rules = {};
    // The selections of a new dialog after its first reset (which later resets do not keep).
    std::span<const StartOption<Form>> Start = {};
};

// The IPv4 rule editors' protocol rule over their protocol fields (each a check box and its value
// control): every protocol of their Protocol list ("none", "icmp", "igmp", "tcp", "udp",
// "protocolId") enables its own fields and disables the others; another text changes nothing.
struct Ipv4ProtocolFields {
    std::vector<TControl*> Type, Code, SourcePort, DestPort, Flags, ProtocolId, User, PortMasks;
};
void Ipv4ProtocolRule(const TComboBox* protocol, const Ipv4ProtocolFields& fields);
// The IPv4 rule editors' address rule: ticked, the address's and its mask's boxes and both edits
// enabled only; unticked, the mask's box and both edits disabled only.
void Ipv4AddressRule(TCheckBox* address, TCheckBox* mask, TEdit* addressEdit, TEdit* maskEdit);

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
    TPanel* FieldPanel;                  // the member's group boxes go here
    TPanel* StackingPortPanel = nullptr; // the embedded port picker (none with typed targets)
    TStatusBar* StatusBar1;
    std::vector<TEdit*> KeyEdits;        // the index columns' edits, from the member's fields
    TCheckBox* VLANBaseChkBox = nullptr; // with VlanBasedIdColumn: "VLAN-based VID" and its edit
    TEdit* VLANBasedVIDEdit = nullptr;
    TCheckBox* PortChkBox = nullptr; // typed targets: "Port" and "Port Group (1-64)" with their edits
    TEdit* PortEdit = nullptr;
    TCheckBox* cbxPortGroup = nullptr;
    TEdit* PortGroupEdit = nullptr;
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
    // the tables: built hidden.
    TComboBox* RuleOwnerComboBox = nullptr;
    TLabel* OwnerLabel = nullptr;
    TCheckBox* cbxRxRate = nullptr;
    TEdit* RxRateEdit = nullptr;

    const RuleEditorOptions Options;
    TableDialogController Table;
    FieldSet Fields;
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
    // The VLAN-based VID's rule: with the picker, ticked ticks every port box and disables the
    // picker; with typed targets, the target rule (as the port's and the port group's): ticked, its
    // edit enabled (the port's and the port group's enabled only) and the other two boxes disabled
    // only, their edits disabled; unticked, its edit disabled (the port's and the port group's
    // disabled only) and the other two boxes enabled only, their edits enabled.
    void VLANBaseChkBoxClick(TObject* sender);
    void PortChkBoxClick(TObject* sender);
    void cbxPortGroupClick(TObject* sender);

    // The family's action rules, by the texts their combo boxes show. Permit: "deny" disables the
    // action fields and the mirror group, "mirror" disables the action fields and enables the
    // mirror group and Permit, any other enables the action fields, runs the three rules below and
    // disables the mirror group. Enable Priority: "enabled" enables Priority and Replace Priority,
    // any other disables them. Replace DSCP and Replace ToS State exclude each other: "enabled"
    // enables the own value and disables the other state, "disabled" the reverse; without
    // ExclusiveReplacements, "disabled" disables the own value, and any other text (Replace DSCP:
    // "enabled") enables it.
    void PermitComboBoxChange(TObject* sender);
    void EnablePriorityComboBoxChange(TObject* sender);
    void EnableReplaceDSCPComboBoxChange(TObject* sender);
    void RepTosStateComboBoxChange(TObject* sender);

    // The fields to their defaults, the port boxes unticked, the boxes the member's reset unticks,
    // its reset rules, the count.
    void ResetFields();
    // What a write of the row carries: the row without its unchecked or disabled fields (the row
    // status never left out this way), and without the port list when the VLAN-based ID is used,
    // else without the VLAN-based ID (typed targets: as the option says).
    WriteCarry RowCarry() const;
    // The states of Edit, Delete and Add with a row chosen (row mode) or none (list mode); a row
    // held by an Edit that kept its fields counts as chosen. Run at the end of every read, on
    // selection, and with none after Refresh, Delete and every write that leaves list mode.
    void UpdateButtons(bool rowChosen);
    // An Edit that kept its fields holds row mode through the re-read.
    bool RowHeld() const { return HeldRow; }

protected:
    // The member's checks, after the keys are typed and in range.
    virtual bool CheckFields() = 0;
    // The member's own hooks on the request once its controls are bound (a set-done hook of its own).
    virtual void RequestMade(DialogRequest&) {}
    // The SETs of Edit inside its write, of what `carry` declares: one by default; a member that
    // writes a changed rule in several sends them here.
    virtual void SendEdit(const WriteCarry& carry);

    // The member's group boxes, its fields and its check boxes that are no column, and what binding,
    // Check All, Clear Checks, a reset and the rule steps then do.
    template <class Form> void BuildDesign(Form* form, const RuleDesign<Form>& design) {
        for (const RuleGroupBox<Form>& g : design.Groups) {
            form->*g.Group = AddGroup(g.Caption, g.Left, g.Top, g.Width, g.Height);
        }
        const CheckPlace check = RuleLayout::CheckBefore(design.Grid);
        Fields = BuildFields<Form>(form, FieldPanel, design.Fields, design.Columns, check);
        BuildFields<Form>(form, FieldPanel, design.Extras, check);
        for (const RuleBox<Form>& box : design.Boxes) {
            form->*box.Box = AddBox(form->*box.Group, box.Caption, box.Row, box.Column, design.Grid);
        }
        BindDesign = [form, fields = design.Fields](DialogRequest& request) {
            BindFields<Form>(form, form, request, fields);
        };
        TickedWithRows.clear();
        for (TCheckBox* Form::*box : design.TickedWithRows) {
            TickedWithRows.push_back(form->*box);
        }
        StartSelections = [form, start = design.Start] {
            for (const StartOption<Form>& option : start) {
                SelectOption(form->*option.Combo, option.Text);
            }
        };
        const auto boxes = [form](std::span<TCheckBox * Form::*const> members) {
            std::vector<TCheckBox*> controls;
            for (TCheckBox* Form::*box : members) {
                controls.push_back(form->*box);
            }
            return controls;
        };
        UntickedByReset = boxes(design.UntickedByReset);
        OwnChecks =
            !design.CheckAll.empty() || !design.CheckAllIfEnabled.empty() || !design.ClearChecks.empty();
        CheckAllBoxes = boxes(design.CheckAll);
        CheckAllIfEnabledBoxes = boxes(design.CheckAllIfEnabled);
        ClearChecksBoxes = boxes(design.ClearChecks);
        const std::span<const FieldRule<Form>> moments[] = {
            design.Rules.Create,  design.Rules.Reset,    design.Rules.List,   design.Rules.Row,
            design.Rules.Refresh, design.Rules.CheckAll, design.Rules.Targets};
        for (std::size_t m = 0; m < Rules.size(); ++m) {
            Rules[m].clear();
            for (FieldRule<Form> rule : moments[m]) {
                Rules[m].push_back([form, rule] { (form->*rule)(nullptr); });
            }
        }
        DesignBuilt();
    }

    // The check, which shows its own message, with the focus given to the field it refuses.
    static std::function<bool(TControl*)> Focusing(std::function<bool(TControl*)> check);
    // Both replacements ticked: the text, and false.
    bool CheckOneReplacement(const char* text);
    // The shared tail of a member's checks: the VLAN-based ID filled in when used, else a port
    // chosen (typed targets: none is required).
    bool CheckRuleTarget();

private:
    enum Moment { kCreate, kReset, kList, kRow, kRefresh, kCheckAll, kTargets };
    std::array<std::vector<std::function<void()>>, 7> Rules;
    std::function<void(DialogRequest&)> BindDesign;
    std::function<void()> StartSelections;
    std::vector<TCheckBox*> TickedWithRows;
    std::vector<TCheckBox*> UntickedByReset;
    // A member's own Check All and Clear Checks.
    bool OwnChecks = false;
    std::vector<TCheckBox*> CheckAllBoxes;
    std::vector<TCheckBox*> CheckAllIfEnabledBoxes;
    std::vector<TCheckBox*> ClearChecksBoxes;
    // An Edit that kept its fields holds row mode through the re-read.
    bool HeldRow = false;

    void RunRules(Moment moment);
    TGroupBox* AddGroup(const char* caption, int left, int top, int width, int height);
    TCheckBox* AddBox(TGroupBox* group, const char* caption, int row, int column, RuleLayout::Grid grid);
    // The family's steps over the member's fields once built: the keys, the row status, the
    // VLAN-based ID fixed until its box is ticked, the owner disabled, the red note "0 = auto_assign"
    // under the last key's edit (the switch numbers a rule added with Access ID 0).
    void DesignBuilt();
    // Every key typed (else its Missing text), then each a whole number in its range (text put
    // there by code has not passed the edits' constraints, and it becomes the row's instance); then
    // the member's checks.
    bool ValidateFields();
    // Add's refusal after the duplicate check (true: go on): "Permit" unticked.
    bool AddAllowed();
    // The fields switched for a row chosen or none and the buttons set, whatever the list shows.
    void ShowMode(bool row);
    // Sends the write and leaves the fields and buttons as `leaves` says; false when it failed.
    bool WriteRow(const WriteCarry& carry, AfterWrite leaves);
    // The row's VLAN-based ID is a VLAN ID (1 to 4094).
    bool HasVlanBasedId(TListItem* item) const;
    bool TypedTargets() const { return Options.Targets != RuleTargets::Picker; }
    // A typed target ticked from the row's cell when it holds a number in 1..max (its edit then
    // the number), else unticked; a text that is no number counts as out of range.
    void TargetFromCell(TListItem* item, int column, int max, TCheckBox* box, TEdit* edit);
    // The target rule of `box` over the three targets.
    void TargetRule(TCheckBox* box);
};

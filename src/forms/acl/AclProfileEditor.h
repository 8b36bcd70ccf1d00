// The profile editors of the ACL family: one table of profiles (masks) keyed by a profile ID, listed
// above the fields, added and deleted but never changed in place. Unlike the rule editors they have
// no row check boxes and no port picker: a write leaves out every field whose control is disabled,
// every combo box at "none" or "other" (unless the member sends them) and every empty mask; their request is
// blocking (each read and write waits for its end); and their form is scaled twice (x 1.5625 off 96 DPI).
//
// TAclProfileForm holds the frame and the shared flows (creation, reset, read, selection, Add with
// its two duplicate checks, the write, Delete, close); a member is its design (ProfileDesign: its
// options, its field table with each field's default, omission and rule, its group boxes and the
// selections of a new dialog) and its own checks (CheckFields).
#pragma once

#include "AclFamily.h"
#include "FieldSet.h"
#include "FieldTable.h"
#include "OptionItems.h"
#include "TBasicFormUnit.h"
#include "TListView.h"
#include "TPanel.h"
#include "TableDialogController.h"

#include <algorithm>
#include <functional>
#include <span>
#include <string>
#include <vector>

class TButton;
class TComboBox;
class TEdit;
class TGroupBox;
class TLabel;
class TStaticText;
class TStatusBar;

// When Add looks for a listed ID and name.
enum class DuplicateCheck {
    AfterFields,  // once the fields have passed their checks
    BeforeFields, // before any field is checked, and so before the ID and the name are required
    Off,          // never: the agent refuses a taken ID
};

struct ProfileEditorOptions {
    const MibTableRow* Table = nullptr;
    int FirstId = 1; // the accepted Profile IDs
    int LastId = 6;
    int IdColumn = 0;
    int RowStatusColumn = -1;
    int NameColumn = -1; // the profile name, unique among the listed profiles
    const char* IdMustBeSet = "";
    const char* NameMustBeSet = "";
    const char* DuplicateIdText = "";
    const char* DuplicateNameText = "";
    // When Add looks for a listed ID and name.
    DuplicateCheck Duplicates = DuplicateCheck::AfterFields;
    // A combo box at "none" or "other" is left out of a write; false: every combo box is sent.
    bool SkipNoneOrOther = true;
    // Add refuses unless the hidden Row Status shows createAndGo ("Row Status must be createAndGo."),
    // a guard over what every reset leaves there.
    bool RequireCreateAndGo = false;
    // Whether a write of Add or a Delete that raised (its SET never sent) is followed by a read of
    // the table; the failure is shown in the status line either way, after the read.
    bool ReReadAfterFailedWrite = true;
    bool ReReadAfterFailedDelete = false;
    // What a reset gives the combo boxes whose field gives no default of its own.
    FieldDefault ComboReset = FieldDefault::Keep();
    // The frame: the designed size, the list's height, the margin each side of the right-hand
    // buttons (10 makes the column 96 wide).
    int DesignWidth = 0;
    int DesignHeight = 0;
    int ListHeight = 160;
    int ButtonMargin = 10;
};

// A group box of a member's field panel: its member, caption, top and height in field rows.
template <class Form> struct ProfileGroupBox {
    TGroupBox* Form::*Group;
    const char* Caption;
    int Top;
    int Rows;
};

// An edit whose text is checked when it is left (a refused text is put back).
template <class Form> struct CheckedEdit {
    TEdit* Form::*Edit;
    bool (*Check)(TControl* edit);
};

// What a member of the family is over one table, so that a twin over another table is a second
// declaration: its options, fields, catalogue columns, group boxes and their width, the
// selections of a new dialog, and the edits checked when they are left.
template <class Form> struct ProfileDesign {
    ProfileEditorOptions Options;
    std::span<const Field<Form>> Fields;
    std::span<const CatalogueColumn> Columns;
    std::span<const ProfileGroupBox<Form>> Groups;
    int GroupWidth = 0;
    std::span<const StartOption<Form>> Start = {};
    std::span<const CheckedEdit<Form>> CheckedEdits = {};
};

// The fields of the family stand in rows of group boxes: a label, then its control.
inline constexpr int kProfileRowHeight = 24;

// A field's place in row `row` of a group box: its label at `left`, `labelWidth` wide, then its
// control.
constexpr FieldPlace ProfilePlace(int left, int labelWidth, int controlWidth, int row) {
    const int top = 18 + row * kProfileRowHeight;
    return {left, top + 2, left + labelWidth, top, controlWidth};
}

// Where a member's fields stand: two halves of a group box, each a label, then its control, with
// `Gap` after each.
struct ProfileHalves {
    int LabelWidth[2];
    int ControlWidth;
    int Gap;

    constexpr int Left(int half) const { return half == 0 ? 8 : 8 + LabelWidth[0] + ControlWidth + Gap; }
    constexpr int GroupWidth() const { return Left(1) + LabelWidth[1] + ControlWidth + Gap; }
    // A field's place: its half (0 left, 1 right) and row.
    constexpr FieldPlace At(int half, int row) const {
        return ProfilePlace(Left(half), LabelWidth[half], ControlWidth, row);
    }
    // A control `width` wide that runs on from the left half's label, across the right half.
    constexpr FieldPlace Across(int row, int width) const {
        return ProfilePlace(Left(0), LabelWidth[0], width, row);
    }
};

// A field: its column, label, value control (of its column's kind unless `kind` says otherwise),
// an edit's constraint, group box and place. The family leaves a disabled field out of a write.
template <class Form>
constexpr Field<Form> ProfileLine(int column, const char* caption, FieldMember<Form> value,
                                  const char* constraint, TGroupBox* Form::*group, FieldPlace place,
                                  FieldKind kind = FieldKind::Default) {
    return {.Column = column,
            .Caption = caption,
            .Constraint = constraint,
            .Control = value,
            .Kind = kind,
            .Group = group,
            .Place = place,
            .Omit = OmitWhen::Disabled};
}
// The profile's read-only facts (its owner, its free rule entries ...): disabled until a row fills
// them, read-only after every reset and selection.
template <class Form> constexpr Field<Form> ProfileFact(Field<Form> field) {
    field.Flags |= kFieldReadOnly;
    return field;
}
// The hidden Row Status, createAndGo after every reset.
template <class Form>
constexpr Field<Form> ProfileRowStatus(int column, TComboBox* Form::*combo, TLabel* Form::*label,
                                       TGroupBox* Form::*group, FieldPlace place) {
    return {.Column = column,
            .Caption = "Row Status",
            .Control = combo,
            .Label = label,
            .Group = group,
            .Place = place,
            .Flags = kFieldHidden,
            .Default = FieldDefault::Option("createAndGo")};
}

// The family's option lists name the source and the destination in their items' texts
// ("src-ip-addr", "dst-src-mac-addr"); "other" names neither.
bool NamesSource(const TComboBox* option);
bool NamesDestination(const TComboBox* option);

class TAclProfileForm : public TBasicForm {
public:
    TAclProfileForm(TComponent* owner, ProfileEditorOptions options);

    TPanel* ButtonPanel;
    TStaticText* txtEntries;
    TLabel* SamplesLabel;
    TButton* BT_Get;
    TButton* BT_Add;
    TButton* BT_Delete;
    TButton* CloseButton;
    TListView* ListView1;
    TPanel* FieldPanel; // the member's group boxes go here
    TStatusBar* StatusBar1;
    TEdit* IdEdit = nullptr; // the Profile ID and Profile Name edits, from the member's fields
    TEdit* NameEdit = nullptr;
    TComboBox* RowStatusCombo = nullptr;
    std::vector<TControl*> ReadOnlyControls; // made read-only after every reset and selection

    const ProfileEditorOptions Options;
    TableDialogController Table;
    FieldSet Fields;

    void FormCreate(TObject* sender);
    void BT_GetClick(TObject* sender);
    void BT_AddClick(TObject* sender);
    void BT_DeleteClick(TObject* sender);
    void CloseButtonClick(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void FormClose(TObject* sender, TCloseAction& action);

    // The fields to their defaults, the count, and the state of no profile chosen.
    void ResetForm();
    // The states of Add, Delete and the read-only facts with a profile chosen or none (the ID and
    // the name follow their rules).
    void UpdateButtons(bool row);
    // Every field switched as its rule says (a member's option boxes' change handlers).
    void UpdateFields();
    void WriteProfile();
    // What a write of the profile carries: the row without its disabled controls, its combo boxes
    // at "none" or "other" and its empty masks.
    WriteCarry RowCarry() const;

protected:
    // The member's checks after the ID and the name are given.
    virtual bool CheckFields() = 0;

    // The member's group boxes, then its fields in them; what binding and a new dialog then do.
    template <class Form> void BuildDesign(Form* form, const ProfileDesign<Form>& design) {
        for (const ProfileGroupBox<Form>& g : design.Groups) {
            form->*g.Group = AddGroup(g.Caption, g.Top, g.Rows, design.GroupWidth);
        }
        Fields = BuildFields<Form>(form, FieldPanel, design.Fields, design.Columns);
        for (const Field<Form>& field : design.Fields) {
            if (field.Has(kFieldReadOnly)) {
                ReadOnlyControls.push_back(field.Value(form));
            }
        }
        // In the table's order, which is its columns'.
        BindDesign = [form, design](DialogRequest& request) {
            for (const Field<Form>& field : design.Fields) {
                const auto checked =
                    std::find_if(design.CheckedEdits.begin(), design.CheckedEdits.end(),
                                 [&](const CheckedEdit<Form>& c) { return c.Edit == field.EditMember(); });
                if (checked != design.CheckedEdits.end()) {
                    form->BindCheckedEditRow(&request, field.Column, field.Constraint, form->*checked->Edit,
                                             checked->Check);
                } else {
                    BindFields<Form>(form, form, request, std::span(&field, 1));
                }
            }
        };
        StartSelections = [form, start = design.Start] {
            for (const StartOption<Form>& option : start) {
                SelectOption(form->*option.Combo, option.Text);
            }
        };
        DesignBuilt();
    }

private:
    std::function<void(DialogRequest&)> BindDesign;
    std::function<void()> StartSelections;
    TGroupBox* AddGroup(const char* caption, int top, int rows, int width);
    // The family's rules over the member's fields once built.
    void DesignBuilt();
    bool ValidateFields();
    bool ListsDuplicate();
};

// The profile editors of the ACL family: one table of profiles (masks) keyed by a profile ID, listed
// above the fields, added and deleted but never changed in place. Unlike the rule editors they have
// no row check boxes and no port picker: a write leaves out every field whose control is disabled,
// every combo box at "none" or "other" (unless the member sends them) and every empty mask; their request is
// blocking (each read and write waits for its end); and their form is scaled twice (x 1.5625 off 96 DPI).
//
// TAclProfileForm holds the shared flows (creation, reset, read, selection, Add with its two
// duplicate checks, the write, Delete, close); a member brings its controls, bound in column order
// to RowControls, its default selections, its dependent-field rules and its checks.
#pragma once

#include "FieldTable.h"
#include "TBasicFormUnit.h"
#include "TListView.h"
#include "TableDialogController.h"

#include <initializer_list>
#include <span>
#include <string>
#include <vector>

class TButton;
class TComboBox;
class TEdit;
class TGroupBox;
class TLabel;
class TPanel;
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
    int RowStatusColumn = -1;
    int NameColumn = -1; // the profile name, unique among the listed profiles
    const char* IdMustBeSet = "";
    const char* NameMustBeSet = "";
    const char* DuplicateIdText = "";
    const char* DuplicateNameText = "";
    std::vector<int> EmptyMaskColumns; // left out of a write when their edit is empty
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
    int DesignWidth = 0;
    int DesignHeight = 0;
    int ListHeight = 160;
    int ButtonMargin = 10; // each side of the right-hand buttons: 10 makes the column 96 wide
};

// A group box of a member's field panel: its member, caption, top and height in field rows.
template <class Form> struct ProfileGroupBox {
    TGroupBox* Form::*Group;
    const char* Caption;
    int Top;
    int Rows;
};

// What a member of the family is over one table, so that a twin over another table is a second
// declaration: its options, fields, catalogue columns, group boxes and their width.
template <class Form> struct ProfileDesign {
    ProfileEditorOptions Options;
    std::span<const Field<Form>> Fields;
    std::span<const CatalogueColumn> Columns;
    std::span<const ProfileGroupBox<Form>> Groups;
    int GroupWidth = 0;
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
// an edit's constraint, group box and place.
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
            .Place = place};
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
    TEdit* IdEdit = nullptr; // the Profile ID and Profile Name edits, set by the member
    TEdit* NameEdit = nullptr;
    TComboBox* RowStatusCombo = nullptr;
    std::vector<TControl*> ReadOnlyControls; // made read-only after every reset and selection

    const ProfileEditorOptions Options;
    TableDialogController Table;

    void FormCreate(TObject* sender);
    void BT_GetClick(TObject* sender);
    void BT_AddClick(TObject* sender);
    void BT_DeleteClick(TObject* sender);
    void CloseButtonClick(TObject* sender);
    void ListView1Click(TObject* sender);
    void ListView1Change(TObject* sender, TListItem* item, TItemChange change);
    void FormClose(TObject* sender, TCloseAction& action);

    void ResetForm();
    // The states of Add, Delete, the ID and name edits and the read-only fields with a profile chosen
    // or none: none after every read and write (through ResetForm), chosen on selection.
    void UpdateButtons(bool row);
    void WriteProfile();
    // What a write of the profile carries: the row without its disabled controls, its combo boxes
    // at "none" or "other" and its empty masks.
    WriteCarry RowCarry() const;

protected:
    // Binds the member's columns in order (BindEdit, BindCombo).
    virtual void BindFields(DialogRequest& request) = 0;
    // The selections of a new dialog, before the first read.
    virtual void InitialSelections() = 0;
    // Empties the fields and puts back the member's default selections.
    virtual void ClearFields() = 0;
    // The dependent-field rules after a reset and after a selection.
    virtual void ResetRules() = 0;
    virtual void RowRules() = 0;
    // The member's checks after the ID and the name are given.
    virtual bool ValidateProfile() = 0;

    // The profile's read-only facts (its owner, its free rule entries ...): disabled until a row
    // fills them and made read-only again after every reset and selection; null ones (a column
    // the member's table lacks) are skipped.
    void SetReadOnlyFacts(std::initializer_list<TControl*> controls);

    // A group box of the field panel, `rows` fields high, at `top`.
    TGroupBox* AddGroup(const char* caption, int top, int rows, int width);
    // The member's group boxes, then its fields in them.
    template <class Form> void BuildDesign(Form* form, const ProfileDesign<Form>& design) {
        for (const ProfileGroupBox<Form>& g : design.Groups) {
            form->*g.Group = AddGroup(g.Caption, g.Top, g.Rows, design.GroupWidth);
        }
        ::BuildFields<Form>(form, FieldPanel, design.Fields, design.Columns);
    }

    void BindEdit(DialogRequest& request, int column, const char* constraint, TEdit* edit);
    void BindCombo(DialogRequest& request, int column, TComboBox* combo);
    // An edit whose text is checked when it is left; a refused text is put back.
    void BindCheckedEdit(DialogRequest& request, int column, const char* constraint, TEdit* edit,
                         std::function<bool(TControl*)> check);

private:
    bool ValidateFields();
    bool ListsDuplicate();
    bool ReadTable();
    void CountRows();
};

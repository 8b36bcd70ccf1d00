#include "AclProfileEditor.h"

#include "DialogFrame.h"
#include "DialogTexts.h"
#include "FieldChecks.h"
#include "OptionItems.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TPanel.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "UserDialogs.h"

namespace {

using T = TAclProfileForm;

constexpr ButtonSpec<T> kButtons[] = {
    {&T::BT_Get, "Refresh", &T::BT_GetClick},
    {&T::BT_Add, "Add", &T::BT_AddClick},
    {&T::BT_Delete, "Delete", &T::BT_DeleteClick},
    {&T::CloseButton, "Close", &T::CloseButtonClick},
};

// The family's frame; the member's design gives its size, list height and button margin. The
// family scales twice: x 1.5625 in all off 96 DPI.
constexpr DialogFrame<T> kFrame = {.Scale = DesignScale::Twice,
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::ButtonPanel,
                                   .Count = &T::txtEntries,
                                   .SamplesLabel = &T::SamplesLabel,
                                   .List = &T::ListView1,
                                   .FieldPanel = &T::FieldPanel,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::ListView1Click,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

DialogFrame<T> FrameOf(const ProfileEditorOptions& options) {
    DialogFrame<T> frame = MemberFrame(kFrame, options);
    frame.ButtonMargin = options.ButtonMargin;
    return frame;
}

bool NamesNeither(const TComboBox* option) {
    return OptionSelected(option, "none") || OptionSelected(option, "other");
}

} // namespace

bool NamesSource(const TComboBox* option) {
    const int item = option->ItemIndex();
    return item >= 0 && option->Items()[item].find("src") != std::string::npos;
}

bool NamesDestination(const TComboBox* option) {
    const int item = option->ItemIndex();
    return item >= 0 && option->Items()[item].find("dst") != std::string::npos;
}

TAclProfileForm::TAclProfileForm(TComponent* owner, ProfileEditorOptions options)
    : TBasicForm(owner, options.DesignWidth, options.DesignHeight, DesignScale::Twice),
      Options(std::move(options)), Table(DialogGuard::None()) {
    BuildFrame(this, FrameOf(Options), Table);
    Table.StatusColumn = Options.RowStatusColumn;
    Table.Refreshing = {.Leaves = RefreshLeaves::NoRow};
    // A Delete, the write of Add and what either raised: a reset form after them (a Delete without
    // a chosen profile is refused before: it would address the row of the emptied ID field).
    Table.Deleting = {.Write = {.After = Options.ReReadAfterFailedDelete ? ReRead::Always : ReRead::Style,
                                .Leaves = AfterWrite::NoRow,
                                .LeavesFailed = AfterWrite::NoRow}};
}

TGroupBox* TAclProfileForm::AddGroup(const char* caption, int top, int rows, int width) {
    auto* group = new TGroupBox(this);
    group->SetParent(FieldPanel);
    group->SetCaption(caption);
    group->SetBounds(0, top, width, 22 + rows * kProfileRowHeight);
    return group;
}

void TAclProfileForm::DesignBuilt() {
    IdEdit = dynamic_cast<TEdit*>(Fields.Of(Options.IdColumn)->Value);
    NameEdit = dynamic_cast<TEdit*>(Fields.Of(Options.NameColumn)->Value);
    RowStatusCombo = dynamic_cast<TComboBox*>(Fields.Of(Options.RowStatusColumn)->Value);
    for (FieldSet::Line& line : Fields.Lines) {
        auto* combo = dynamic_cast<TComboBox*>(line.Value);
        if (!combo) {
            continue;
        }
        if (line.Default.How == FieldDefault::Value::Empty) {
            line.Default = Options.ComboReset;
        }
        if (Options.SkipNoneOrOther) {
            line.OmitIf = [combo] { return NamesNeither(combo); };
        }
    }
    for (TControl* control : ReadOnlyControls) {
        DisableControl(control); // as yet empty: nothing is lost
    }
}

void TAclProfileForm::FormCreate(TObject*) {
    const bool created = Table.Attempt([this] {
        // Every read and write of the family waits for its end.
        DialogRequest& request = Table.CreateRequest(this, Options.Table, MVT_UMV, 1, {.Blocking = true});
        Request = &request;
        BindDesign(request);
        Table.StatusCombo = RowStatusCombo;
        StartSelections();
        Table.UpdateCount();
        Table.Read();
        ResetForm();
    });
    if (!created) {
        ResetForm();
    }
}

void TAclProfileForm::ResetForm() {
    Table.Clear();
    Table.UpdateCount();
    Table.StateOfNoRow();
}

void TAclProfileForm::UpdateButtons(bool row) {
    // A chosen profile is deleted; without one a profile is added.
    BT_Add->SetEnabled(!row);
    BT_Delete->SetEnabled(row);
    for (TControl* control : ReadOnlyControls) {
        MakeReadOnly(control);
    }
}

void TAclProfileForm::UpdateFields() {
    Fields.Update(Table.RowChosen());
}

void TAclProfileForm::BT_GetClick(TObject*) {
    Table.Refresh();
}

void TAclProfileForm::ListView1Click(TObject*) {
    Table.SelectionChanged();
}

void TAclProfileForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TAclProfileForm::BT_AddClick(TObject*) {
    // The click left a field whose own check refused it (and emptied or restored it): that box was
    // the answer to this Add.
    if (!Table.Request || Table.Request->Constraints.AnyRefused()) {
        return;
    }
    bool added = false;
    switch (Options.Duplicates) {
    case DuplicateCheck::AfterFields:
        added = ValidateFields() && !ListsDuplicate();
        break;
    case DuplicateCheck::BeforeFields:
        added = !ListsDuplicate() && ValidateFields();
        break;
    case DuplicateCheck::Off:
        added = ValidateFields();
        break;
    }
    if (!added) {
        return;
    }
    if (Options.RequireCreateAndGo && !OptionSelected(RowStatusCombo, Table.StatusItems.CreateAndGo)) {
        ShowMessage(DialogText::kRowStatusMustBeCreateAndGo);
        return;
    }
    SelectOption(RowStatusCombo, Table.StatusItems.CreateAndGo);
    WriteProfile();
}

bool TAclProfileForm::ValidateFields() {
    if (IdEdit->Text().empty()) {
        return RefuseInput(IdEdit, Options.IdMustBeSet);
    }
    if (NameEdit->Text().empty()) {
        return RefuseInput(NameEdit, Options.NameMustBeSet);
    }
    // Text put into the ID edit by code has not passed its constraint, and it becomes the row's
    // instance.
    return CheckNumberField(IdEdit, Options.FirstId, Options.LastId) && CheckFields();
}

bool TAclProfileForm::ListsDuplicate() {
    if (Table.FindRow({{Options.IdColumn, IdEdit->Text()}})) {
        RefuseInput(IdEdit, Options.DuplicateIdText);
        return true;
    }
    if (Table.FindRow({{Options.NameColumn, NameEdit->Text()}})) {
        RefuseInput(NameEdit, Options.DuplicateNameText);
        return true;
    }
    return false;
}

WriteCarry TAclProfileForm::RowCarry() const {
    return Fields.Carry();
}

void TAclProfileForm::WriteProfile() {
    // A write that fails before its reply (one that cannot be built) is reported in the status
    // line, after the read where the member reads the table again.
    Table.Write(RowCarry(), {.After = Options.ReReadAfterFailedWrite ? ReRead::Always : ReRead::Style,
                             .Leaves = AfterWrite::NoRow,
                             .LeavesFailed = AfterWrite::NoRow});
}

void TAclProfileForm::BT_DeleteClick(TObject*) {
    if (ListView1->Selected()) {
        Table.Delete();
    }
}

void TAclProfileForm::CloseButtonClick(TObject*) {
    Close();
}

void TAclProfileForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
    Request = nullptr;
}

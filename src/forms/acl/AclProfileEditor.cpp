#include "AclProfileEditor.h"

#include "DialogLayout.h"
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

#include <exception>

namespace {

using T = TAclProfileForm;

constexpr ButtonSpec<T> kButtons[] = {
    {&T::BT_Get, "Refresh", &T::BT_GetClick},
    {&T::BT_Add, "Add", &T::BT_AddClick},
    {&T::BT_Delete, "Delete", &T::BT_DeleteClick},
    {&T::CloseButton, "Close", &T::CloseButtonClick},
};

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
    // The family scales twice: x 1.5625 in all off 96 DPI.
    : TBasicForm(owner, options.DesignWidth, options.DesignHeight, DesignScale::Twice),
      Options(std::move(options)), Table(DialogGuard::None()) {
    ButtonColumn buttons(this, "Samples", Options.ButtonMargin);
    ButtonPanel = buttons.Panel;
    txtEntries = buttons.Count;
    SamplesLabel = buttons.Samples;
    AddButtons(buttons, this, kButtons);
    StatusBar1 = AddStatusBar(this);
    const ListArea area = AddListArea(this, Options.ListHeight);
    ListView1 = area.List;
    FieldPanel = area.Fields;
    ListView1->OnClick = Bind(this, &T::ListView1Click);
    ListView1->OnChange = Bind(this, &T::ListView1Change);

    Table.List = ListView1;
    Table.CountLabel = txtEntries;
    Table.StatusPanel = StatusPanelOf(StatusBar1);
    Table.StatusColumn = Options.RowStatusColumn;

    OnCreate = Bind(this, &T::FormCreate);
    OnClose = Bind(this, &T::FormClose);
}

TGroupBox* TAclProfileForm::AddGroup(const char* caption, int top, int rows, int width) {
    auto* group = new TGroupBox(this);
    group->SetParent(FieldPanel);
    group->SetCaption(caption);
    group->SetBounds(0, top, width, 22 + rows * kProfileRowHeight);
    return group;
}

void TAclProfileForm::SetReadOnlyFacts(std::initializer_list<TControl*> controls) {
    ReadOnlyControls.clear();
    for (TControl* control : controls) {
        if (control) {
            DisableControl(control); // as yet empty: nothing is lost
            ReadOnlyControls.push_back(control);
        }
    }
}

void TAclProfileForm::BindEdit(DialogRequest& request, int column, const char* constraint, TEdit* edit) {
    BindEditRow(&request, column, constraint, edit, nullptr);
}

void TAclProfileForm::BindCheckedEdit(DialogRequest& request, int column, const char* constraint, TEdit* edit,
                                      std::function<bool(TControl*)> check) {
    BindCheckedEditRow(&request, column, constraint, edit, std::move(check));
}

void TAclProfileForm::BindCombo(DialogRequest& request, int column, TComboBox* combo) {
    BindComboRow(&request, column, combo, nullptr);
}

void TAclProfileForm::FormCreate(TObject*) {
    const bool created = Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, Options.Table, MVT_UMV, 1);
        // Every read and write of the family waits for its end.
        request.Mode = 0;
        Request = &request;
        RowCount = request.Request.VarList.GetCount();
        KeyCount = request.Request.VarList.KeyCount;
        BindFields(request);
        RowControls.resize(std::max(RowControls.size(), static_cast<size_t>(RowCount)), nullptr);
        RowStatusCombo =
            dynamic_cast<TComboBox*>(RowControls.at(static_cast<size_t>(Options.RowStatusColumn)));
        Table.StatusCombo = RowStatusCombo;
        InitialSelections();
        CountRows();
        ReadTable();
        ResetForm();
    });
    if (!created) {
        ResetForm();
    }
}

bool TAclProfileForm::ReadTable() {
    return Table.Read();
}

void TAclProfileForm::CountRows() {
    Table.UpdateCount();
}

void TAclProfileForm::ResetForm() {
    ClearFields();
    CountRows();
    UpdateButtons(false);
    if (Table.Request) {
        ResetRules();
    }
}

void TAclProfileForm::UpdateButtons(bool row) {
    // A chosen profile is deleted, its ID and name fixed; without one a profile is added.
    BT_Add->SetEnabled(!row);
    BT_Delete->SetEnabled(row);
    if (IdEdit && NameEdit) {
        SetFieldsEnabled({IdEdit, NameEdit}, !row, FieldEnabling::EnabledOnly);
    }
    for (TControl* control : ReadOnlyControls) {
        MakeReadOnly(control);
    }
}

void TAclProfileForm::BT_GetClick(TObject*) {
    ReadTable();
    ResetForm();
}

void TAclProfileForm::ListView1Click(TObject*) {
    if (!ListView1->Selected() || !Table.Request) {
        ResetForm();
        return;
    }
    UpdateButtons(true);
    RowRules();
}

void TAclProfileForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    for (TControl* control : ReadOnlyControls) {
        MakeReadOnly(control);
    }
    CountRows();
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
    return CheckNumberField(IdEdit, Options.FirstId, Options.LastId) && ValidateProfile();
}

bool TAclProfileForm::ListsDuplicate() {
    TListItems& items = ListView1->Items();
    for (int i = 0; i < items.Count(); ++i) {
        if (items[i]->Caption() == IdEdit->Text()) {
            RefuseInput(IdEdit, Options.DuplicateIdText);
            return true;
        }
    }
    for (int i = 0; i < items.Count(); ++i) {
        if (Table.Request->CellText(items[i], Options.NameColumn) == NameEdit->Text()) {
            RefuseInput(NameEdit, Options.DuplicateNameText);
            return true;
        }
    }
    return false;
}

WriteCarry TAclProfileForm::RowCarry() const {
    std::vector<int> skipped;
    for (int c = KeyCount; c < RowCount; ++c) {
        TControl* control = RowControls.at(static_cast<size_t>(c));
        if (!control) {
            continue;
        }
        bool skip = !control->Enabled();
        if (auto* combo = dynamic_cast<TComboBox*>(control)) {
            skip = skip || (Options.SkipNoneOrOther && (combo->Text() == "none" || combo->Text() == "other"));
        }
        const bool mask = std::find(Options.EmptyMaskColumns.begin(), Options.EmptyMaskColumns.end(), c) !=
                          Options.EmptyMaskColumns.end();
        if (auto* edit = dynamic_cast<TEdit*>(control); mask && edit) {
            skip = skip || edit->Text().empty();
        }
        if (skip) {
            skipped.push_back(c);
        }
    }
    return WriteCarry::RowWithout(std::move(skipped));
}

void TAclProfileForm::WriteProfile() {
    // A write that fails before its reply (one that cannot be built) is reported in the status
    // line, after the read where the member reads the table again.
    Table.Write(RowCarry(), {.After = Options.ReReadAfterFailedWrite ? ReRead::Always : ReRead::Style});
    ResetForm();
}

void TAclProfileForm::BT_DeleteClick(TObject*) {
    // Without a chosen profile the destroy would address the row of the emptied ID fields.
    if (!Table.Request || !ListView1->Selected()) {
        return;
    }
    Table.DeleteRow({.After = Options.ReReadAfterFailedDelete ? ReRead::Always : ReRead::Style});
    ResetForm();
}

void TAclProfileForm::CloseButtonClick(TObject*) {
    Close();
}

void TAclProfileForm::FormClose(TObject*, TCloseAction&) {
    Table.Close();
    Request = nullptr;
}

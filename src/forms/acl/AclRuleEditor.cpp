#include "AclRuleEditor.h"

#include "DialogLayout.h"
#include "FieldChecks.h"
#include "OptionItems.h"
#include "PortPickerSet.h"
#include "StackingPortUitFormUnit.h"
#include "StrictNumbers.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "UserDialogs.h"

#include <algorithm>

namespace {

using T = TAclRuleForm;

constexpr ButtonSpec<T> kButtons[] = {
    {&T::GetButton, "Refresh", &T::GetButtonClick},
    {&T::EditButton, "Edit", &T::EditButtonClick},
    {&T::AddButton, "Add", &T::AddButtonClick},
    {&T::DeleteButton, "Delete", &T::DeleteButtonClick},
    {&T::StopButton, "Stop", &T::StopButtonClick},
    {&T::CheckButton, "Check All", &T::CheckButtonClick},
    {&T::UncheckButton, "Clear Checks", &T::UncheckButtonClick},
    {&T::CloseButton, "Close", &T::CloseButtonClick},
};

// The right-hand column is 115 wide: the buttons and a margin of 20 on each side.
constexpr int kButtonMargin = 20;
using namespace RuleLayout;

int FieldLeft(const TAclRuleForm::FieldPlace& place) {
    return 8 + place.Column * place.Grid.ColumnWidth;
}

int FieldTop(const TAclRuleForm::FieldPlace& place) {
    return kFirstRowTop + place.Row * kRowHeight;
}

} // namespace

TAclRuleForm::TAclRuleForm(TComponent* owner, RuleEditorOptions options)
    : TBasicForm(owner, options.DesignWidth, options.DesignHeight), Options(std::move(options)),
      Table(DialogGuard::Family(Options.Refusal)) {
    ButtonColumn buttons(this, "Samples", kButtonMargin);
    ButtonPanel = buttons.Panel;
    SamplesBox = buttons.Count;
    SamplesLabel = buttons.Samples;
    AddButtons(buttons, this, kButtons);
    StatusBar1 = AddStatusBar(this);

    const ListArea area = AddListArea(this, Options.ListHeight);
    ListView1 = area.List;
    StackingPortPanel = new TPanel(this);
    StackingPortPanel->SetParent(area.Fields);
    StackingPortPanel->SetAlign(alBottom);
    StackingPortPanel->SetHeight(Options.PortPanelHeight);
    StackingPortPanel->SetBevelOuter(bvNone);
    FieldPanel = new TPanel(this);
    FieldPanel->SetParent(area.Fields);
    FieldPanel->SetAlign(alClient);
    FieldPanel->SetBevelOuter(bvNone);

    ListView1->OnClick = Bind(this, &T::ListView1Click);
    ListView1->OnChange = Bind(this, &T::ListView1Change);

    Table.List = ListView1;
    Table.CountLabel = SamplesBox;
    Table.StatusPanel = StatusPanelOf(StatusBar1);
    Table.StatusColumn = Options.RowStatusColumn;
    Table.AfterRead = [this] {
        UpdateButtons((ListView1->Selected() != nullptr || HeldRow) && Table.Request);
    };

    OnCreate = Bind(this, &T::FormCreate);
    OnClose = Bind(this, &T::FormClose);
}

TGroupBox* TAclRuleForm::AddGroup(const char* caption, int left, int top, int width, int height) {
    auto* group = new TGroupBox(this);
    group->SetParent(FieldPanel);
    group->SetCaption(caption);
    group->SetBounds(left, top, width, height);
    return group;
}

TCheckBox* TAclRuleForm::AddCheck(const FieldPlace& place, const char* caption, int tag) {
    auto* box = new TCheckBox(this);
    box->SetParent(place.Group);
    box->SetCaption(caption);
    box->SetBounds(FieldLeft(place), FieldTop(place), place.Grid.CheckWidth, 17);
    box->SetTag(tag);
    return box;
}

TEdit* TAclRuleForm::AddEdit(const FieldPlace& place, int tag) {
    auto* edit = new TEdit(this);
    edit->SetParent(place.Group);
    edit->SetBounds(ValueLeft(place.Column, place.Grid), FieldTop(place) - 2, place.Grid.ValueWidth, 21);
    edit->SetTag(tag);
    return edit;
}

TComboBox* TAclRuleForm::AddCombo(const FieldPlace& place, int tag) {
    auto* combo = new TComboBox(this);
    combo->SetParent(place.Group);
    combo->SetBounds(ValueLeft(place.Column, place.Grid), FieldTop(place) - 2, place.Grid.ValueWidth, 21);
    combo->SetTag(tag);
    return combo;
}

TGroupBox* TAclRuleForm::StackGroup(const char* caption, int rows, int width, int extra) {
    TGroupBox* group =
        AddGroup(caption, 2, NextGroupTop, width, kFirstRowTop + rows * kRowHeight + 2 + extra);
    NextGroupTop += group->Height() + 2;
    return group;
}

TLabel* TAclRuleForm::AddLabelBefore(TControl* value, const char* caption, RuleLayout::Grid grid) {
    auto* label = new TLabel(this);
    label->SetParent(value->Parent());
    label->SetCaption(caption);
    label->SetLeft(value->Left() - grid.CheckWidth - 4);
    label->SetTop(value->Top() + 2);
    return label;
}

void TAclRuleForm::SetUpOtherFields(std::initializer_list<RuleKeyField> keys, RuleLayout::Grid grid) {
    KeyEdits.clear();
    for (const RuleKeyField& key : keys) {
        key.Box->SetVisible(false);
        key.Box->SetChecked(true);
        SetFieldEnabled(key.Box, false, FieldEnabling::EnabledOnly);
        auto* label = new TLabel(this);
        label->SetParent(key.Box->Parent());
        label->SetCaption(key.Caption);
        label->SetLeft(key.Box->Left());
        label->SetTop(key.Box->Top());
        KeyEdits.push_back(key.Edit);
    }
    auto* note = new TLabel(this);
    note->SetParent(KeyEdits.back()->Parent());
    note->SetCaption("0 = auto_assign");
    note->Font()->SetColor(clRed);
    note->SetLeft(8);
    note->SetTop(KeyEdits.back()->Top() + 26);
    SetFieldEnabled(VLANBasedVIDEdit, false, FieldEnabling::KeepValue);
    DisableControl(RuleOwnerComboBox);
    OwnerLabel = AddLabelBefore(RuleOwnerComboBox, "Owner", grid);
}

void TAclRuleForm::HideExtraFields() {
    cbxRxRate->SetVisible(false);
    RxRateEdit->SetVisible(false);
}

void TAclRuleForm::FormCreate(TObject*) {
    const bool created = Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::InPanel(StackingPortPanel, Options.PortColumns),
                      {{Options.PortColumn, nullptr}});
        DialogRequest& request =
            Table.CreateRequest(this, Options.Table, MVT_UMV, static_cast<int>(Options.Keys.size()));
        Request = &request;
        // A row without a VLAN-based ID unticks "VLAN-based VID" before its ports are shown: the
        // box's rule clears the port boxes, which would otherwise hide the ports of a row chosen
        // after one with a VLAN.
        TLVSelectItemEvent fill = ListView1->OnSelectItem;
        ListView1->OnSelectItem = [this, fill](TObject* sender, TListItem* item, bool selected) {
            if (selected && item && VLANBaseChkBox && !HasVlanBasedId(item)) {
                VLANBaseChkBox->SetChecked(false);
            }
            fill(sender, item, selected);
        };
        // A row the picker cannot show (a port list shorter than the picker's) is reported in the
        // status line with no port left ticked, so that an Edit cannot write the previous rule's
        // ports to it; the rest of the selection goes on.
        Pickers.GuardSelection(Table);
        RowCount = request.Request.VarList.GetCount();
        KeyCount = request.Request.VarList.KeyCount;
        ExcludedRow = Options.RowStatusColumn;
        RowCheckBoxes.clear();
        RowControls.clear();
        PermitComboBox->OnChange = Bind(this, &T::PermitComboBoxChange);
        EnablePriorityComboBox->OnChange = Bind(this, &T::EnablePriorityComboBoxChange);
        EnableReplaceDSCPComboBox->OnChange = Bind(this, &T::EnableReplaceDSCPComboBoxChange);
        RepTosStateComboBox->OnChange = Bind(this, &T::RepTosStateComboBoxChange);
        if (VLANBaseChkBox) {
            VLANBaseChkBox->OnClick = Bind(this, &T::VLANBaseChkBoxClick);
        }
        BindFields(request);
        Pickers.Bind(request);
        HideExtraFields();
        // Columns without a form row (the port list) have null entries.
        RowCheckBoxes.resize(std::max(RowCheckBoxes.size(), static_cast<size_t>(RowCount)), nullptr);
        RowControls.resize(std::max(RowControls.size(), static_cast<size_t>(RowCount)), nullptr);
        RowComboBox = dynamic_cast<TComboBox*>(RowControls.at(static_cast<size_t>(Options.RowStatusColumn)));
        RowStatusBox =
            dynamic_cast<TCheckBox*>(RowCheckBoxes.at(static_cast<size_t>(Options.RowStatusColumn)));
        Table.StatusCombo = RowComboBox;
        ResetFields();
        UpdateButtons(false);
        CreationRules();
        Table.Read();
        CountRows();
    });
    if (!created) {
        CountRows();
    }
}

void TAclRuleForm::CountRows() {
    Table.UpdateCount();
}

void TAclRuleForm::UpdateButtons(bool row) {
    // A chosen row is edited or deleted, its keys fixed; without one a rule is added.
    EditButton->SetEnabled(row);
    DeleteButton->SetEnabled(row);
    AddButton->SetEnabled(!row);
    for (TEdit* edit : KeyEdits) {
        SetFieldEnabled(edit, !row, FieldEnabling::EnabledOnly);
    }
}

void TAclRuleForm::ResetFields() {
    ResetControls(RowControls);
    UncheckAll(RowCheckBoxes);
    ResetDefaults();
    Pickers.UncheckAll();
    CountRows();
}

void TAclRuleForm::GetButtonClick(TObject*) {
    if (Table.Request && !Table.MayRefresh()) {
        return;
    }
    StopButtonClick(nullptr);
    HeldRow = false;
    UpdateButtons(false);
    Table.Read();
    ResetFields();
    RefreshRules();
}

void TAclRuleForm::ListView1Click(TObject*) {
    HeldRow = false;
    TListItem* item = ListView1->Selected();
    if (!item || !Table.Request) {
        UpdateButtons(false);
        ResetFields();
        ListRules();
        if (Table.Request && Options.UnselectedClickActivates) {
            Table.Request->Request.Active = true;
        }
        return;
    }
    for (size_t k = 0; k < KeyEdits.size(); ++k) {
        KeyEdits[k]->SetText(Table.Request->CellText(item, static_cast<int>(k)));
    }
    UpdateButtons(true);
    RowRules();
    if (VLANBaseChkBox) {
        VLANBaseChkBox->SetChecked(HasVlanBasedId(item));
    }
}

// A text that is not a VLAN ID (an agent without the column) counts as none.
bool TAclRuleForm::HasVlanBasedId(TListItem* item) const {
    const std::optional<int> vid = StrictStrToInt(Table.Request->CellText(item, Options.VlanBasedIdColumn));
    return vid && *vid >= 1 && *vid <= 4094;
}

void TAclRuleForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    CountRows();
}

bool TAclRuleForm::CheckKeyTexts() {
    for (size_t k = 0; k < KeyEdits.size() && k < Options.Keys.size(); ++k) {
        if (KeyEdits[k]->Text().empty()) {
            return RefuseInput(KeyEdits[k], Options.Keys[k].Missing);
        }
    }
    for (size_t k = 0; k < KeyEdits.size() && k < Options.Keys.size(); ++k) {
        if (!CheckNumberField(KeyEdits[k], Options.Keys[k].Min, Options.Keys[k].Max)) {
            return false;
        }
    }
    return true;
}

bool TAclRuleForm::CheckRuleTarget() {
    if (VLANBaseChkBox && VLANBaseChkBox->Checked()) {
        return RequireText(VLANBasedVIDEdit, DialogText::kSomeCheckFieldEmpty);
    }
    return CheckPortChosen();
}

WriteCarry TAclRuleForm::RowCarry() const {
    WriteCarry carry = WriteCarry::RowWithout(UncheckedRows(Request));
    if (VLANBaseChkBox) {
        carry.Without(VLANBaseChkBox->Checked() ? Options.PortColumn : Options.VlanBasedIdColumn);
    }
    return carry;
}

// One asynchronous SET of what the carry declares, then the re-read at once. A write that failed
// before it was sent ends in list mode with the fields reset, whatever `after` says.
bool TAclRuleForm::WriteRow(const WriteCarry& carry, RuleAfterWrite after) {
    HeldRow = false;
    const bool sent = Table.Write(carry);
    if (!sent || after == RuleAfterWrite::ListModeReset) {
        UpdateButtons(false);
        ResetFields();
    }
    return sent;
}

void TAclRuleForm::AddButtonClick(TObject*) {
    if (!Table.Request || (Options.AddRefusesWhileReading && !Table.MayAct()) || !ValidateFields()) {
        return;
    }
    TListItems& items = ListView1->Items();
    for (int i = 0; i < items.Count(); ++i) {
        bool same = true;
        for (size_t k = 0; k < KeyEdits.size() && same; ++k) {
            same = KeyEdits[k]->Text() == Table.Request->CellText(items[i], static_cast<int>(k));
        }
        if (same) {
            RefuseInput(KeyEdits.front(), Options.DuplicateText);
            return;
        }
    }
    if (!AddAllowed()) {
        return;
    }
    SelectOption(RowComboBox, Table.StatusItems.CreateAndGo);
    if (WriteRow(RowCarry(), Options.AfterAdd) && Options.AfterAdd == RuleAfterWrite::FieldsKept) {
        UpdateButtons(false);
    }
}

bool TAclRuleForm::AddAllowed() {
    if (!cbxPermit->Checked()) {
        return RefuseInput(PermitComboBox, Options.PermitUnchecked);
    }
    return true;
}

void TAclRuleForm::EditButtonClick(TObject*) {
    if (!Table.Request) {
        return;
    }
    const bool guardFirst = Options.EditRefuses == EditRefusal::Always ||
                            (Options.EditRefuses == EditRefusal::RowSelected && ListView1->Selected());
    if (guardFirst && !Table.MayAct()) {
        return;
    }
    if (!ValidateFields()) {
        return;
    }
    Table.Request->Request.Active = true;
    const bool destroy = OptionSelected(RowComboBox, Table.StatusItems.Destroy);
    if (Options.EditRuns == EditDispatch::ByRowStatus) {
        if (OptionSelected(RowComboBox, Table.StatusItems.CreateAndGo)) {
            AddButtonClick(nullptr);
            return;
        }
        if (destroy) {
            DeleteButtonClick(nullptr);
            return;
        }
    } else if (destroy && RowStatusBox && RowStatusBox->Checked()) {
        DeleteButtonClick(nullptr);
        return;
    }
    if (Options.EditRefuses == EditRefusal::AfterDispatch && !Table.MayAct()) {
        return;
    }
    WriteCarry carry = RowCarry();
    if (Options.EditSkipsActiveRowStatus && OptionSelected(RowComboBox, Table.StatusItems.Active)) {
        carry.Without(Options.RowStatusColumn);
    }
    HeldRow = WriteRow(carry, Options.AfterEdit) && Options.AfterEdit == RuleAfterWrite::FieldsKept;
}

void TAclRuleForm::DeleteButtonClick(TObject*) {
    if (!Table.Request) {
        return;
    }
    // The destroy SET blocks until its reply or the time-out and leaves the flag as it is; then the
    // read flow runs whatever happened, so a delete made while the first read still runs ends with
    // that flow's refusal instead of a second walk.
    HeldRow = false;
    Table.DeleteRow(
        {.Blocking = true, .After = ReRead::None, .Locks = false, .Report = FailureReport::Template});
    GetButtonClick(nullptr);
    UpdateButtons(false);
    ResetFields();
}

void TAclRuleForm::StopButtonClick(TObject*) {
    Table.Stop();
}

void TAclRuleForm::CloseButtonClick(TObject*) {
    StopButtonClick(nullptr);
    Close();
}

void TAclRuleForm::FormClose(TObject*, TCloseAction&) {
    Table.Close();
    Request = nullptr;
    Pickers.Free();
}

void TAclRuleForm::CheckButtonClick(TObject*) {
    CheckEnabled(RowCheckBoxes);
    AfterCheckAll();
}

void TAclRuleForm::UncheckButtonClick(TObject*) {
    UncheckAll(RowCheckBoxes);
    AfterClearChecks();
}

void TAclRuleForm::VLANBaseChkBoxClick(TObject*) {
    if (!PortPicker || !VLANBasedVIDEdit) {
        return;
    }
    if (VLANBaseChkBox->Checked()) {
        PortPicker->CheckAllPorts();
        PortPicker->SetEnabled(false);
        EnableControl(VLANBasedVIDEdit);
    } else {
        DisableControl(VLANBasedVIDEdit);
        PortPicker->UncheckAllPorts();
        PortPicker->SetEnabled(true);
    }
}

std::function<bool(TControl*)> TAclRuleForm::Focusing(std::function<bool(TControl*)> check) {
    return [check = std::move(check)](TControl* field) {
        if (!check(field)) {
            FocusField(field);
            return false;
        }
        return true;
    };
}

bool TAclRuleForm::CheckOneReplacement(const char* text) {
    if (cbxEnableReplaceDSCP->Checked() && cbxRepTosState->Checked()) {
        ShowMessage(text);
        return false;
    }
    return true;
}

void TAclRuleForm::PermitComboBoxChange(TObject*) {
    const std::string permit = PermitComboBox->Text();
    if (permit == "deny") {
        DisableControlsByTag(kActionTag);
        SetFieldsEnabled({cbxMirrorGroup, MirrorGroupEdit}, false);
    } else if (permit == "mirror") {
        DisableControlsByTag(kActionTag);
        SetFieldsEnabled({cbxMirrorGroup, MirrorGroupEdit}, true);
        SetFieldsEnabled({cbxPermit, PermitComboBox}, true);
    } else {
        EnableControlsByTag(kActionTag);
        EnablePriorityComboBoxChange(nullptr);
        EnableReplaceDSCPComboBoxChange(nullptr);
        SetFieldsEnabled({cbxMirrorGroup, MirrorGroupEdit}, false);
        RepTosStateComboBoxChange(nullptr);
    }
}

void TAclRuleForm::EnablePriorityComboBoxChange(TObject*) {
    const bool enabled = EnablePriorityComboBox->Text() == "enabled";
    SetFieldsEnabled({cbxPriority, PriorityEdit}, enabled);
    SetFieldsEnabled({cbxReplacePriority, ReplacePriorityComboBox}, enabled);
}

// A state other than the two (an empty combo box) changes nothing.
void TAclRuleForm::EnableReplaceDSCPComboBoxChange(TObject*) {
    const std::string state = EnableReplaceDSCPComboBox->Text();
    if (state == "disabled" || state == "enabled") {
        SetFieldsEnabled({DscpValueBox, DscpValueEdit}, state == "enabled");
        SetFieldsEnabled({cbxRepTosState, RepTosStateComboBox}, state == "disabled");
    }
}

void TAclRuleForm::RepTosStateComboBoxChange(TObject*) {
    const std::string state = RepTosStateComboBox->Text();
    if (state == "disabled" || state == "enabled") {
        SetFieldsEnabled({cbxRepTosValue, TosValueEdit}, state == "enabled");
        SetFieldsEnabled({cbxEnableReplaceDSCP, EnableReplaceDSCPComboBox}, state == "disabled");
    }
}

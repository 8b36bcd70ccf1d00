#include "AclRuleEditor.h"

#include "DialogFrame.h"
#include "DialogLayout.h"
#include "FieldChecks.h"
#include "OptionItems.h"
#include "PortPickerSet.h"
#include "StackingPortUitFormUnit.h"
#include "StrictNumbers.h"
#include "TApplication.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TLabel.h"
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

// The family's frame; the member's options give its size, the list's height and the port
// picker's panel. The right-hand column is 115 wide: the buttons and a margin of 20 on each side.
constexpr DialogFrame<T> kFrame = {.Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ButtonMargin = 20,
                                   .ButtonPanel = &T::ButtonPanel,
                                   .Count = &T::SamplesBox,
                                   .SamplesLabel = &T::SamplesLabel,
                                   .List = &T::ListView1,
                                   .Rows = &T::FieldPanel,
                                   .PortPanel = &T::StackingPortPanel,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::ListView1Click,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

DialogFrame<T> FrameOf(const RuleEditorOptions& options) {
    DialogFrame<T> frame = MemberFrame(kFrame, options);
    frame.Samples = options.Samples;
    if (options.Targets == RuleTargets::Picker) {
        frame.PortsHeight = options.PortPanelHeight;
    } else { // no picker: the fields take the whole field panel
        frame.Rows = nullptr;
        frame.PortPanel = nullptr;
        frame.FieldPanel = &T::FieldPanel;
    }
    return frame;
}

// The family's fields a member may lack (the egress editors have no mirror group, no ToS and no
// owner) are left alone.
void Switch(std::initializer_list<TControl*> controls, bool enabled,
            FieldEnabling how = FieldEnabling::WithState) {
    for (TControl* control : controls) {
        if (control) {
            SetFieldEnabled(control, enabled, how);
        }
    }
}

} // namespace

TAclRuleForm::TAclRuleForm(TComponent* owner, RuleEditorOptions options)
    : TBasicForm(owner, options.DesignWidth, options.DesignHeight), Options(std::move(options)),
      Table(Options.Guarded ? DialogGuard::Family(Options.Refusal) : DialogGuard::None()) {
    BuildFrame(this, FrameOf(Options), Table);
    if (!Options.StopButton) {
        HideButtonAndCloseUp(StopButton, {CheckButton, UncheckButton, CloseButton});
    }
    if (!Options.StatusTarget) {
        // Without a target the request's report of a failed read would go nowhere.
        Table.AfterRead = [this] {
            Table.UpdateState();
            if (Table.LastReadError.Code != 0) {
                MessageBox(this, Table.LastReadError.Message, Application->Title(), MB_OK);
            }
        };
    }
    if (Options.ButtonColumnWidth > 0) {
        ButtonPanel->SetWidth(Options.ButtonColumnWidth);
    }
    Table.StatusColumn = Options.RowStatusColumn;
    Table.Refreshing = {.Leaves = RefreshLeaves::NoRow};
    Table.AfterClear = [this] {
        HeldRow = false;
        for (TCheckBox* box : UntickedByReset) {
            box->SetChecked(false);
        }
        RunRules(kReset);
    };
}

TGroupBox* TAclRuleForm::AddGroup(const char* caption, int left, int top, int width, int height) {
    auto* group = new TGroupBox(this);
    group->SetParent(FieldPanel);
    group->SetCaption(caption);
    group->SetBounds(left, top, width, height);
    return group;
}

TCheckBox* TAclRuleForm::AddBox(TGroupBox* group, const char* caption, int row, int column,
                                RuleLayout::Grid grid) {
    auto* box = new TCheckBox(this);
    box->SetParent(group);
    box->SetCaption(caption);
    box->SetBounds(8 + column * grid.ColumnWidth, RuleLayout::kFirstRowTop + row * RuleLayout::kRowHeight,
                   grid.CheckWidth, 17);
    return box;
}

void TAclRuleForm::DesignBuilt() {
    KeyEdits.clear();
    for (const KeyRange& key : Options.Keys) {
        KeyEdits.push_back(dynamic_cast<TEdit*>(Fields.Of(key.Column)->Value));
    }
    const FieldSet::Line* status = Fields.Of(Options.RowStatusColumn);
    RowComboBox = dynamic_cast<TComboBox*>(status->Value);
    RowStatusBox = status->Check;
    auto* note = new TLabel(this);
    note->SetParent(KeyEdits.back()->Parent());
    note->SetCaption("0 = auto_assign");
    note->Font()->SetColor(clRed);
    note->SetLeft(8);
    note->SetTop(KeyEdits.back()->Top() + 26);
    if (TypedTargets()) {
        const FieldSet::Line* port = Fields.Of(Options.PortColumn);
        const FieldSet::Line* group = Fields.Of(Options.PortGroupColumn);
        PortChkBox = port->Check;
        PortEdit = dynamic_cast<TEdit*>(port->Value);
        cbxPortGroup = group->Check;
        PortGroupEdit = dynamic_cast<TEdit*>(group->Value);
    }
    for (TEdit* target : {VLANBasedVIDEdit, PortEdit, PortGroupEdit}) {
        if (target) {
            SetFieldEnabled(target, false, FieldEnabling::KeepValue);
        }
    }
    if (RuleOwnerComboBox) {
        DisableControl(RuleOwnerComboBox);
    }
}

void TAclRuleForm::RunRules(Moment moment) {
    for (const std::function<void()>& rule : Rules[static_cast<std::size_t>(moment)]) {
        rule();
    }
}

void TAclRuleForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        if (!TypedTargets()) {
            Pickers.Embed(this, PickerHost::InPanel(StackingPortPanel, Options.PortColumns),
                          {{Options.PortColumn, nullptr}});
        }
        DialogRequest& request =
            Table.CreateRequest(this, Options.Table, MVT_UMV, static_cast<int>(Options.Keys.size()));
        Request = &request;
        if (!TypedTargets()) {
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
            // A row the picker cannot show (a port list shorter than the picker's) is reported in
            // the status line with no port left ticked, so that an Edit cannot write the previous
            // rule's ports to it; the rest of the selection goes on.
            Pickers.GuardSelection(Table);
        }
        PermitComboBox->OnChange = Bind(this, &T::PermitComboBoxChange);
        if (EnablePriorityComboBox) {
            EnablePriorityComboBox->OnChange = Bind(this, &T::EnablePriorityComboBoxChange);
        }
        if (EnableReplaceDSCPComboBox) {
            EnableReplaceDSCPComboBox->OnChange = Bind(this, &T::EnableReplaceDSCPComboBoxChange);
        }
        if (RepTosStateComboBox) {
            RepTosStateComboBox->OnChange = Bind(this, &T::RepTosStateComboBoxChange);
        }
        if (VLANBaseChkBox) {
            VLANBaseChkBox->OnClick = Bind(this, &T::VLANBaseChkBoxClick);
        }
        if (PortChkBox) {
            PortChkBox->OnClick = Bind(this, &T::PortChkBoxClick);
            cbxPortGroup->OnClick = Bind(this, &T::cbxPortGroupClick);
        }
        BindDesign(request);
        Pickers.Bind(request);
        if (!Options.StatusTarget) {
            request.SetStatusPanel(nullptr);
        }
        RequestMade(request);
        Table.StatusCombo = RowComboBox;
        ResetFields();
        StartSelections();
        ShowMode(false);
        RunRules(kCreate);
        Table.Read();
    });
    Table.UpdateCount();
}

void TAclRuleForm::UpdateButtons(bool rowChosen) {
    // A chosen row is edited or deleted; without one a rule is added.
    const bool row = rowChosen || HeldRow;
    EditButton->SetEnabled(row);
    DeleteButton->SetEnabled(row);
    AddButton->SetEnabled(!row);
}

void TAclRuleForm::ShowMode(bool row) {
    Fields.Update(row);
    UpdateButtons(row);
}

void TAclRuleForm::ResetFields() {
    Table.Clear();
    Table.UpdateCount();
}

void TAclRuleForm::GetButtonClick(TObject*) {
    if (Table.Refresh()) {
        RunRules(kRefresh);
    }
}

void TAclRuleForm::ListView1Click(TObject*) {
    HeldRow = false;
    TListItem* item = ListView1->Selected();
    if (!item || !Table.Request) {
        ShowMode(false);
        ResetFields();
        RunRules(kList);
        if (Table.Request && Options.UnselectedClickActivates) {
            Table.Request->Request.Active = true;
        }
        return;
    }
    for (size_t k = 0; k < KeyEdits.size(); ++k) {
        KeyEdits[k]->SetText(Table.Request->CellText(item, Options.Keys[k].Column));
    }
    ShowMode(true);
    RunRules(kRow);
    if (TypedTargets()) {
        TargetFromCell(item, Options.VlanBasedIdColumn, 4094, VLANBaseChkBox, VLANBasedVIDEdit);
        TargetFromCell(item, Options.PortColumn, 384, PortChkBox, PortEdit);
        TargetFromCell(item, Options.PortGroupColumn, 64, cbxPortGroup, PortGroupEdit);
        RunRules(kTargets);
    } else if (VLANBaseChkBox) {
        VLANBaseChkBox->SetChecked(HasVlanBasedId(item));
    }
}

void TAclRuleForm::TargetFromCell(TListItem* item, int column, int max, TCheckBox* box, TEdit* edit) {
    const std::optional<int> value = StrictStrToInt(Table.Request->CellText(item, column));
    if (value && *value >= 1 && *value <= max) {
        box->SetChecked(true);
        edit->SetText(std::to_string(*value));
    } else {
        box->SetChecked(false);
    }
}

// A text that is not a VLAN ID (an agent without the column) counts as none.
bool TAclRuleForm::HasVlanBasedId(TListItem* item) const {
    const std::optional<int> vid = StrictStrToInt(Table.Request->CellText(item, Options.VlanBasedIdColumn));
    return vid && *vid >= 1 && *vid <= 4094;
}

void TAclRuleForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

bool TAclRuleForm::ValidateFields() {
    for (size_t k = 0; k < KeyEdits.size(); ++k) {
        if (KeyEdits[k]->Text().empty()) {
            return RefuseInput(KeyEdits[k], Options.Keys[k].Missing);
        }
    }
    for (size_t k = 0; k < KeyEdits.size(); ++k) {
        if (!CheckNumberField(KeyEdits[k], Options.Keys[k].Min, Options.Keys[k].Max)) {
            return false;
        }
    }
    return CheckFields();
}

bool TAclRuleForm::CheckRuleTarget() {
    if (TypedTargets()) {
        return true;
    }
    if (VLANBaseChkBox && VLANBaseChkBox->Checked()) {
        return RequireText(VLANBasedVIDEdit, DialogText::kSomeCheckFieldEmpty);
    }
    return CheckPortChosen();
}

WriteCarry TAclRuleForm::RowCarry() const {
    std::vector<int> left = Fields.Omitted();
    std::erase(left, Options.RowStatusColumn);
    WriteCarry carry = WriteCarry::RowWithout(std::move(left));
    if (Options.Targets == RuleTargets::TypedOneOfThree) {
        const int port = Options.PortColumn;
        const int group = Options.PortGroupColumn;
        const int vlan = Options.VlanBasedIdColumn;
        if (VLANBaseChkBox->Checked()) {
            carry.Without(port).Without(group);
        }
        if (cbxPortGroup->Checked()) {
            carry.Without(port).Without(vlan);
        }
        if (PortChkBox->Checked()) {
            carry.Without(group).Without(vlan);
        }
    } else if (VLANBaseChkBox) {
        carry.Without(VLANBaseChkBox->Checked() ? Options.PortColumn : Options.VlanBasedIdColumn);
    }
    return carry;
}

// One asynchronous SET of what the carry declares, then the re-read at once.
bool TAclRuleForm::WriteRow(const WriteCarry& carry, AfterWrite leaves) {
    HeldRow = leaves == AfterWrite::State;
    return Table.Write(carry, {.Leaves = leaves, .LeavesFailed = AfterWrite::NoRow});
}

void TAclRuleForm::AddButtonClick(TObject*) {
    if (!Table.Request || (Options.AddRefusesWhileReading && !Table.MayAct()) || !ValidateFields()) {
        return;
    }
    std::vector<CellMatch> keys;
    for (size_t k = 0; k < KeyEdits.size(); ++k) {
        keys.push_back({Options.Keys[k].Column, KeyEdits[k]->Text()});
    }
    if (Table.FindRow(keys)) {
        RefuseInput(KeyEdits.front(), Options.DuplicateText);
        return;
    }
    if (!AddAllowed()) {
        return;
    }
    SelectOption(RowComboBox, Table.StatusItems.CreateAndGo);
    WriteRow(RowCarry(), Options.AfterAdd);
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
    HeldRow = Options.AfterEdit == AfterWrite::State;
    Table.Write([&] { SendEdit(carry); }, {.Leaves = Options.AfterEdit, .LeavesFailed = AfterWrite::NoRow});
}

void TAclRuleForm::SendEdit(const WriteCarry& carry) {
    Table.Send(carry);
}

void TAclRuleForm::DeleteButtonClick(TObject*) {
    if (!Table.Request) {
        return;
    }
    // The destroy SET blocks until its reply or the time-out and leaves the flag as it is; then the
    // read flow runs whatever happened, so a delete made while the first read still runs ends with
    // that flow's refusal instead of a second walk.
    HeldRow = false;
    // A raised SET is reported in the Set template of the request's report, or, without a status
    // target, where the dialog's own failures go.
    Table.DeleteRow({.Blocking = true,
                     .After = ReRead::None,
                     .Locks = false,
                     .Report = Options.StatusTarget ? FailureReport::Template : FailureReport::Plain});
    GetButtonClick(nullptr);
    ShowMode(false);
    ResetFields();
}

void TAclRuleForm::StopButtonClick(TObject*) {
    Table.Stop();
}

void TAclRuleForm::CloseButtonClick(TObject*) {
    Table.Stop();
    Close();
}

void TAclRuleForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
    Request = nullptr;
}

void TAclRuleForm::CheckButtonClick(TObject*) {
    if (OwnChecks) {
        for (TCheckBox* box : CheckAllBoxes) {
            box->SetChecked(true);
        }
        for (TCheckBox* box : CheckAllIfEnabledBoxes) {
            if (box->Enabled()) {
                box->SetChecked(true);
            }
        }
        RunRules(kCheckAll);
        return;
    }
    CheckEnabled(RowCheckBoxes);
    for (TCheckBox* box : TickedWithRows) {
        box->SetChecked(true);
    }
}

void TAclRuleForm::UncheckButtonClick(TObject*) {
    if (OwnChecks) {
        for (TCheckBox* box : ClearChecksBoxes) {
            box->SetChecked(false);
        }
        return;
    }
    UncheckAll(RowCheckBoxes);
    for (TCheckBox* box : TickedWithRows) {
        box->SetChecked(false);
    }
}

void TAclRuleForm::VLANBaseChkBoxClick(TObject*) {
    if (TypedTargets()) {
        TargetRule(VLANBaseChkBox);
        return;
    }
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

void TAclRuleForm::PortChkBoxClick(TObject*) {
    TargetRule(PortChkBox);
}

void TAclRuleForm::cbxPortGroupClick(TObject*) {
    TargetRule(cbxPortGroup);
}

void TAclRuleForm::TargetRule(TCheckBox* box) {
    const std::pair<TCheckBox*, TEdit*> targets[] = {
        {VLANBaseChkBox, VLANBasedVIDEdit}, {PortChkBox, PortEdit}, {cbxPortGroup, PortGroupEdit}};
    const bool ticked = box->Checked();
    for (const auto& [target, edit] : targets) {
        if (target == box) {
            // The VLAN-based VID's edit is emptied when its box is unticked; a port's keeps its number.
            SetFieldEnabled(edit, ticked,
                            box == VLANBaseChkBox ? FieldEnabling::WithState : FieldEnabling::EnabledOnly);
        } else {
            SetFieldEnabled(target, !ticked, FieldEnabling::EnabledOnly);
            SetFieldEnabled(edit, !ticked);
        }
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
    if (cbxRepTosState && cbxEnableReplaceDSCP->Checked() && cbxRepTosState->Checked()) {
        ShowMessage(text);
        return false;
    }
    return true;
}

void TAclRuleForm::PermitComboBoxChange(TObject*) {
    const std::string permit = PermitComboBox->Text();
    if (permit == "deny") {
        DisableControlsByTag(kActionTag);
        Switch({cbxMirrorGroup, MirrorGroupEdit}, false);
    } else if (permit == "mirror") {
        DisableControlsByTag(kActionTag);
        Switch({cbxMirrorGroup, MirrorGroupEdit}, true);
        SetFieldsEnabled({cbxPermit, PermitComboBox}, true);
    } else {
        EnableControlsByTag(kActionTag);
        EnablePriorityComboBoxChange(nullptr);
        EnableReplaceDSCPComboBoxChange(nullptr);
        Switch({cbxMirrorGroup, MirrorGroupEdit}, false);
        if (RepTosStateComboBox) {
            RepTosStateComboBoxChange(nullptr);
        }
    }
}

void TAclRuleForm::EnablePriorityComboBoxChange(TObject*) {
    if (!EnablePriorityComboBox) { // a member without the action fields (the CPU filtering rules)
        return;
    }
    const bool enabled = EnablePriorityComboBox->Text() == "enabled";
    Switch({cbxPriority, PriorityEdit, cbxReplacePriority, ReplacePriorityComboBox}, enabled);
}

// A state other than the two (an empty combo box) changes nothing.
void TAclRuleForm::EnableReplaceDSCPComboBoxChange(TObject*) {
    if (!EnableReplaceDSCPComboBox) {
        return;
    }
    const std::string state = EnableReplaceDSCPComboBox->Text();
    if (state == "disabled" || state == "enabled") {
        SetFieldsEnabled({DscpValueBox, DscpValueEdit}, state == "enabled");
        if (Options.ExclusiveReplacements) {
            Switch({cbxRepTosState, RepTosStateComboBox}, state == "disabled");
        }
    }
}

void TAclRuleForm::RepTosStateComboBoxChange(TObject*) {
    const std::string state = RepTosStateComboBox->Text();
    if (!Options.ExclusiveReplacements) {
        SetFieldsEnabled({cbxRepTosValue, TosValueEdit}, state != "disabled");
    } else if (state == "disabled" || state == "enabled") {
        SetFieldsEnabled({cbxRepTosValue, TosValueEdit}, state == "enabled");
        SetFieldsEnabled({cbxEnableReplaceDSCP, EnableReplaceDSCPComboBox}, state == "disabled");
    }
}

namespace {

// The fields each protocol enables.
enum ProtocolField { pfType, pfCode, pfSourcePort, pfDestPort, pfFlags, pfProtocolId, pfUser, pfPortMasks };
struct ProtocolFields {
    const char* Protocol; // the item's text
    bool On[8];
};
constexpr ProtocolFields kProtocolFields[] = {
    // Type, Code, Src port, Dst port, Flags, Proto ID, User, port masks
    {"none", {false, false, false, false, false, false, false, false}},
    {"icmp", {true, true, false, false, false, false, false, false}},
    {"igmp", {true, false, false, false, false, false, false, false}},
    {"tcp", {false, false, true, true, true, false, false, true}},
    {"udp", {false, false, true, true, false, false, false, true}},
    {"protocolId", {false, false, false, false, false, true, true, false}},
};

} // namespace

void Ipv4ProtocolRule(const TComboBox* protocol, const Ipv4ProtocolFields& fields) {
    const bool* on = nullptr;
    for (const ProtocolFields& rule : kProtocolFields) {
        if (OptionSelected(protocol, rule.Protocol)) {
            on = rule.On;
        }
    }
    if (!on) {
        return;
    }
    const std::vector<TControl*>* const slots[] = {&fields.Type,     &fields.Code,     &fields.SourcePort,
                                                   &fields.DestPort, &fields.Flags,    &fields.ProtocolId,
                                                   &fields.User,     &fields.PortMasks};
    for (std::size_t f = 0; f < std::size(slots); ++f) {
        for (TControl* control : *slots[f]) {
            SetFieldEnabled(control, on[f]);
        }
    }
}

void Ipv4AddressRule(TCheckBox* address, TCheckBox* mask, TEdit* addressEdit, TEdit* maskEdit) {
    if (address->Checked()) {
        SetFieldsEnabled({address, mask, addressEdit, maskEdit}, true, FieldEnabling::EnabledOnly);
    } else {
        SetFieldsEnabled({mask, addressEdit, maskEdit}, false, FieldEnabling::EnabledOnly);
    }
}

#include "PorttrunkUnit.h"

#include "Beeper.h"
#include "CatalogueColumns.h"
#include "DeviceFacts.h"
#include "DialogFrame.h"
#include "DialogLayout.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "ModelTables.h"
#include "Oid_model.h"
#include "OptionItems.h"
#include "StackingPortUitFormUnit.h"
#include "StrictNumbers.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TLabel.h"
#include "UserDialogs.h"

#include <cctype>

namespace {

using T = TPortTrunkForm;

// The trunk table of each model (the copies differ only in their model's arc).
constexpr auto& kTable = Columns::PortTrunkTable;
constexpr int kIndex = ColumnOf(kTable, "Index");
constexpr int kMaster = ColumnOf(kTable, "Master Port");
constexpr int kMembers = ColumnOf(kTable, "Member Ports");
constexpr int kType = ColumnOf(kTable, "Trunk Type");
constexpr int kState = ColumnOf(kTable, "Trunk State");
constexpr int kKeyCount = 1;
constexpr int kTimeout = 300; // 3 s

constexpr int kMaxUnit = 6;
constexpr int kPortsPerPage = 64;
constexpr int kMinMembers = 2;
constexpr int kMaxMembers = 8;

constexpr Field<T> kFields[] = {
    {.Column = kIndex,
     .Caption = "Index (1-32)",
     .Constraint = "%i{n1x32}",
     .Control = &T::ED_Index,
     .Label = &T::Label2,
     .Place = {8, 11, 90, 8, 70},
     // A chosen trunk keeps its index.
     .EnabledWhen = {.Mode = RowMode::NoRow, .How = FieldEnabling::KeepValue}},
    {.Column = kMaster,
     .Constraint = "%i",
     .Control = &T::ED_MasterPort,
     .Place = {0, 0, 0, 100, 40},
     .Flags = kFieldHidden},
    {.Column = kType,
     .Caption = "Trunk Type",
     .Control = &T::Combo_Type,
     .Label = &T::Label3,
     .Place = {8, 39, 90, 36, 100}},
    {.Column = kState, .Control = &T::Combo_State, .Place = {0, 0, 50, 100, 40}, .Flags = kFieldHidden},
};
// Fields bound to nothing: the master's unit and port, the State box, two hidden edits.
constexpr Field<T> kLocalFields[] = {
    {.Caption = "Unit :",
     .Edit = &T::UnitEdit,
     .Label = &T::Label_Unit,
     .Group = &T::GroupBox1,
     .Place = {8, 16, 60, 13, 40},
     .Default = FieldDefault::Keep()},
    {.Caption = "Port : ",
     .Edit = &T::UnitPortEdit,
     .Label = &T::Label_Port,
     .Group = &T::GroupBox1,
     .Place = {112, 16, 150, 13, 40}},
    {.Caption = "State",
     .Combo = &T::ComboBox1,
     .Label = &T::Label5,
     .Place = {280, 59, 370, 56, 90},
     .EnabledWhen = {.Mode = RowMode::Row, .How = FieldEnabling::EnabledOnly}},
    {.Edit = &T::ED_Name, .Place = {0, 0, 100, 100, 40}, .Flags = kFieldHidden},
    {.Edit = &T::PortEdit, .Place = {0, 0, 150, 100, 40}, .Flags = kFieldHidden},
};
const std::vector<PortListColumn> kPortColumns = {{kMembers, "Member Ports"}};

// The State box's items and the Trunk State each writes.
constexpr const char* kEnable = "enable";
constexpr const char* kDisable = "disable";

constexpr const char* kIndexEmpty = "The index should not be empty.";
constexpr const char* kIndexTaken = "The index must be different.";
constexpr const char* kChooseType = "Please choose trunk type.";
constexpr const char* kUnitEmpty = "The Unit should not be empty.";
constexpr const char* kPortEmpty = "The Port should not be empty.";
constexpr const char* kInvalidMaster = "set valid master port";
constexpr const char* kMasterTaken = "The master port must be different.";
constexpr const char* kMasterUnchecked = "Master port must be checked.";
constexpr const char* kOverEight = "The trunk member can't over eight.";
constexpr const char* kTwoMembers = "You must choose at least two members.";
constexpr const char* kSelectEntry = "Please select an entry.";

// Every write leaves no trunk chosen and the fields cleared, whatever became of it.
constexpr WritePlan kWrite = {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::BT_Get, "Refresh", &T::BT_GetClick},   {&T::SetBtn, "Set", &T::SetBtnClick},
    {&T::BT_Set, "Add", &T::BT_SetClick},       {&T::BT_Delete, "Delete", &T::BT_DeleteClick},
    {&T::BT_Close, "Close", &T::BT_CloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 712,
                                   .Height = 441,
                                   .Caption = "Port Trunk",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 130,
                                   .RowsHeight = 90,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Label1,
                                   .List = &T::LV_PortTrunk,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .Tabs = &T::PageControl1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::LV_PortTrunkClick,
                                   .OnListChange = &T::LV_PortTrunkChange,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

int NumberIn(const TEdit* edit) {
    return StrictStrToInt(edit->Text()).value_or(-1);
}

} // namespace

TPortTrunkForm::TPortTrunkForm(TComponent* owner) : TForm(owner), Table(DialogGuard::None()) {
    TPanel* rows = BuildFrame(this, kFrame, Table);
    AddLabel(this, rows, 280, 16, "Master Port");
    GroupBox1 = new TGroupBox(this);
    GroupBox1->SetParent(rows);
    GroupBox1->SetBounds(370, 0, 210, 44);
    Fields = BuildFields<T>(this, rows, kFields, kTable);
    Fields.Append(BuildFields<T>(this, rows, kLocalFields));
    ComboBox1->SetStyle(csDropDownList);
    for (const char* state : {kEnable, kDisable}) {
        ComboBox1->Items().Add(state);
    }
    for (TEdit* digits : {UnitEdit, UnitPortEdit, PortEdit}) {
        digits->OnKeyPress = Bind(this, &T::UnitEditKeyPress);
    }
    if (Facts().Stacking()) {
        Label_Unit->SetCaption("Unit :");
        SetFieldEnabled(UnitEdit, true);
    } else {
        // The stand-alone unit's own page: its ID names it, whichever unit of a stack it was.
        Label_Unit->SetCaption("Box ID :");
        const std::optional<int> id =
            Facts().UnitList.empty() ? std::nullopt : StrictStrToInt(Facts().UnitList.front().UnitId);
        BoxId = id && *id >= 1 && *id <= kMaxUnit ? *id : 1;
        FirstBox = (BoxId - 1) * kPortsPerPage;
        SetFieldEnabled(UnitEdit, false, FieldEnabling::KeepValue);
    }
    Table.Refreshing = {.Leaves = RefreshLeaves::NoRow};
    Table.StatusColumn = kState;
    Table.StatusItems = {.Active = "enabled", .CreateAndGo = "createAndGo", .Destroy = "destroy"};
    Table.AfterClear = [this] { ResetFields(); };
}

void TPortTrunkForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::Tabs(PageControl1), kPortColumns, AllPortIndexList(), FirstBox);
        const MibTableRow* table = ModelTable(PortTrunkTable, Facts().SysObjectId, SysObjectIdMatch::Exact);
        if (!table) {
            Table.MarkUnsupported({SetBtn, BT_Set, BT_Delete});
            return;
        }
        DialogRequest& request = Table.CreateRequest(this, table, MVT_UMV, kKeyCount, {.Blocking = true});
        request.Request.Timeout = kTimeout;
        BindFields<T>(this, nullptr, request, kFields);
        Table.StatusCombo = Combo_State;
        Pickers.Bind(request);
        Table.Clear();
        Table.Read();
    });
    ResetFields();
    Table.UpdateState();
}

void TPortTrunkForm::ResetFields() {
    UnitEdit->SetText(Facts().Stacking() ? "" : std::to_string(BoxId));
    PortEdit->SetText("");
    UnitPortEdit->SetText("");
    ED_Name->SetText("");
}

void TPortTrunkForm::UpdateButtons(bool rowChosen) {
    SetBtn->SetEnabled(rowChosen && Table.Supported);
    BT_Delete->SetEnabled(rowChosen && Table.Supported);
    BT_Set->SetEnabled(!rowChosen && Table.Supported);
}

void TPortTrunkForm::BT_GetClick(TObject*) {
    Table.Refresh();
}

void TPortTrunkForm::LV_PortTrunkClick(TObject*) {
    Table.SelectionChanged();
    if (!Table.RowChosen()) {
        return;
    }
    ShowMaster(NumberIn(ED_MasterPort));
    const std::string state = Table.Request->CellText(LV_PortTrunk->Selected(), kState);
    if (state == "disabled") {
        SelectOption(ComboBox1, kDisable);
    } else if (state == "enabled") {
        SelectOption(ComboBox1, kEnable);
    }
}

void TPortTrunkForm::ShowMaster(int master) {
    const int port = master > 0 ? (master - 1) % kPortsPerPage + 1 : 0;
    // A stand-alone unit's master is a port of its own page, whatever unit it is.
    const int unit = !Facts().Stacking() ? BoxId : master > 0 ? (master - 1) / kPortsPerPage + 1 : 1;
    UnitEdit->SetText(std::to_string(unit));
    UnitPortEdit->SetText(std::to_string(port));
}

void TPortTrunkForm::LV_PortTrunkChange(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

bool TPortTrunkForm::CheckMasterPort(int unit, int port) {
    if (unit < 1 || unit > kMaxUnit || port < 1 || port > kPortsPerPage) {
        return RefuseInput(UnitPortEdit, kInvalidMaster);
    }
    return true;
}

bool TPortTrunkForm::ReadMaster(int& master) {
    if (Facts().Stacking() && UnitEdit->Text().empty()) {
        return RefuseInput(UnitEdit, kUnitEmpty);
    }
    if (UnitPortEdit->Text().empty()) {
        return RefuseInput(UnitPortEdit, kPortEmpty);
    }
    if (!Facts().Stacking()) {
        UnitEdit->SetText(std::to_string(BoxId));
    }
    const int unit = NumberIn(UnitEdit);
    const int port = NumberIn(UnitPortEdit);
    if (!CheckMasterPort(unit, port)) {
        return false;
    }
    master = Facts().Stacking() ? unit * kPortsPerPage + port - kPortsPerPage : port;
    return true;
}

int TPortTrunkForm::MasterBox(int master) const {
    return Facts().Stacking() ? master - 1 : FirstBox + master - 1;
}

bool TPortTrunkForm::CheckMemberCount() {
    const std::vector<TCheckBox*>& boxes = Pickers.Pickers.at(0)->PortBoxes;
    const size_t first = Facts().Stacking() ? 0 : static_cast<size_t>(FirstBox);
    const size_t end = Facts().Stacking() ? boxes.size() : first + kPortsPerPage;
    int members = 0;
    for (size_t k = first; k < end && k < boxes.size(); ++k) {
        if (boxes[k]->Checked() && ++members > kMaxMembers) {
            boxes[k]->SetChecked(false);
            ShowMessage(kOverEight);
            return false;
        }
    }
    if (members < kMinMembers) {
        ShowMessage(kTwoMembers);
        return false;
    }
    return true;
}

void TPortTrunkForm::BT_SetClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    if (ED_Index->Text().empty()) {
        RefuseInput(ED_Index, kIndexEmpty);
        return;
    }
    if (Table.FindRow({{kIndex, ED_Index->Text()}})) {
        RefuseInput(ED_Index, kIndexTaken);
        return;
    }
    if (Combo_Type->ItemIndex() < 0) {
        RefuseInput(Combo_Type, kChooseType);
        return;
    }
    int master = 0;
    if (!ReadMaster(master)) {
        return;
    }
    if (Table.FindRow({{kMaster, std::to_string(master)}})) {
        RefuseInput(Facts().Stacking() ? UnitEdit : UnitPortEdit, kMasterTaken);
        return;
    }
    if (!Pickers.Pickers.at(0)->PortBoxes.at(static_cast<size_t>(MasterBox(master)))->Checked()) {
        RefuseInput(UnitPortEdit, kMasterUnchecked);
        return;
    }
    ED_MasterPort->SetText(std::to_string(master));
    if (!CheckMemberCount()) {
        return;
    }
    Table.Write([this] { Table.CreateRow(Fields.Carry()); }, kWrite);
}

void TPortTrunkForm::SetBtnClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    if (ED_Index->Text().empty()) {
        ShowMessage(kSelectEntry);
        return;
    }
    int master = 0;
    if (!ReadMaster(master)) {
        return;
    }
    ED_MasterPort->SetText(std::to_string(master));
    if (!Pickers.Pickers.at(0)->PortBoxes.at(static_cast<size_t>(MasterBox(master)))->Checked()) {
        RefuseInput(UnitPortEdit, kMasterUnchecked);
        return;
    }
    if (!CheckMemberCount()) {
        return;
    }
    // The state the State box shows; with none, the trunk's state is left as it is.
    WriteCarry carry = Fields.Carry();
    if (OptionSelected(ComboBox1, kEnable)) {
        SelectOption(Combo_State, "enabled");
    } else if (OptionSelected(ComboBox1, kDisable)) {
        SelectOption(Combo_State, "disabled");
    } else {
        carry.Without(kState);
    }
    Table.Write([&] { Table.Send(carry); }, kWrite);
}

void TPortTrunkForm::BT_DeleteClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    if (ED_Index->Text().empty()) {
        RefuseInput(ED_Index, kSelectEntry);
        return;
    }
    Table.Write([this] { Table.DestroyRow(); }, kWrite);
}

void TPortTrunkForm::BT_CloseClick(TObject*) {
    Close();
}

void TPortTrunkForm::UnitEditKeyPress(TObject*, char& key) {
    if (!std::isdigit(static_cast<unsigned char>(key)) && key != '\b') {
        key = 0;
        MessageBeep(0);
    }
}

void TPortTrunkForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}

#include "ServerGroupFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "Oid_aac.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "UserDialogs.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

TServerGroupForm* ServerGroupForm = nullptr;

namespace {

using T = TServerGroupForm;

constexpr auto& kTable = Columns::ServerGroup;
constexpr int kName = ColumnOf(kTable, "Server Group Name");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kKeyCount = 1;

constexpr const char* kNameNull = "Server Group Name can not be null.";
constexpr const char* kSameName = "Has already a record with the same Server Group Name. Please change it.";
constexpr const char* kDefaultGroup = "Default Server Group can not be deleted.";

// The groups the switch starts with, lower-cased: never deleted, whatever case the name is in.
constexpr const char* kDefaultGroups[] = {"tacacs", "xtacacs", "tacacs+", "tacacs-plus", "radius"};

bool IsDefaultGroup(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return std::find(std::begin(kDefaultGroups), std::end(kDefaultGroups), name) != std::end(kDefaultGroups);
}

// One member of a group: its address and protocol columns (the seventh address's caption ends in
// a blank in the table), their labels' texts and the controls they are shown in.
struct Member {
    const char* AddressColumn;
    const char* AddressCaption;
    const char* ProtocolColumn;
    TEdit* T::*Address;
    TComboBox* T::*Protocol;
    TLabel* T::*AddressLabel;
    TLabel* T::*ProtocolLabel;
};
constexpr Member kMembers[] = {
    {"Server Group IP Address 1", "Server Group IP Address 1", "Server Group Protocol 1", &T::edtIP1,
     &T::cbxProt1, &T::lbl3, &T::lbl4},
    {"Server Group IP Address 2", "Server Group IP Address 2", "Server Group Protocol 2", &T::edtIP2,
     &T::cbxProt2, &T::lbl5, &T::lbl6},
    {"Server Group IP Address 3", "Server Group IP Address 3", "Server Group Protocol 3", &T::edtIP3,
     &T::cbxProt3, &T::lbl7, &T::lbl8},
    {"Server Group IP Address 4", "Server Group IP Address 4", "Server Group Protocol 4", &T::edtIP4,
     &T::cbxProt4, &T::lbl9, &T::lbl10},
    {"Server Group IP Address 5", "Server Group IP Address 5", "Server Group Protocol 5", &T::edtIP5,
     &T::cbxProt5, &T::lbl11, &T::lbl12},
    {"Server Group IP Address 6", "Server Group IP Address 6", "Server Group Protocol 6", &T::edtIP6,
     &T::cbxProt6, &T::lbl13, &T::lbl14},
    {"Server Group IP Address 7 ", "Server Group IP Address 7", "Server Group Protocol 7", &T::edtIP7,
     &T::cbxProt7, &T::lbl15, &T::lbl16},
    {"Server Group IP Address 8", "Server Group IP Address 8", "Server Group Protocol 8", &T::edtIP8,
     &T::cbxProt8, &T::lbl17, &T::lbl18},
};

// The name is the new group's instance: typed with no group chosen, fixed while one is. The
// members are read-only on the switch: shown, never typed (selecting a row enables every bound
// control, so the rule disables them again).
constexpr FieldEnabledWhen<T> kOnNoRow = {.Mode = RowMode::NoRow, .How = FieldEnabling::EnabledOnly};
constexpr FieldEnabledWhen<T> kNever = {.If = NeverEnabled<T>, .How = FieldEnabling::EnabledOnly};

// The fields under the list (96 DPI): the name, then one line per member (its address, then its
// protocol), then the hidden row status.
consteval std::array<Field<T>, 2 + 2 * std::size(kMembers)> MakeFields() {
    std::array<Field<T>, 2 + 2 * std::size(kMembers)> fields{};
    fields[0] = {.Column = kName,
                 .Caption = "Server Group Name",
                 .Constraint = "%s{l15}",
                 .Control = &T::edtServerName,
                 .Label = &T::lbl2,
                 .Place = {8, 11, 150, 8, 110},
                 .EnabledWhen = kOnNoRow};
    for (std::size_t i = 0; i < std::size(kMembers); ++i) {
        const Member& member = kMembers[i];
        const int top = 36 + 24 * static_cast<int>(i);
        fields[1 + 2 * i] = {.Column = ColumnOf(kTable, member.AddressColumn),
                             .Caption = member.AddressCaption,
                             .Constraint = "%s{l16}",
                             .Control = member.Address,
                             .Label = member.AddressLabel,
                             .Place = {8, top + 3, 150, top, 110},
                             .EnabledWhen = kNever};
        // The table's kind of a protocol is a read-only text; the design shows it in a disabled
        // combo box, which keeps its item when the fields are emptied.
        fields[2 + 2 * i] = {.Column = ColumnOf(kTable, member.ProtocolColumn),
                             .Caption = member.ProtocolColumn,
                             .Control = member.Protocol,
                             .Kind = FieldKind::ComboBox,
                             .Label = member.ProtocolLabel,
                             .Place = {290, top + 3, 420, top, 110},
                             .Flags = kFieldDisabled,
                             .Default = FieldDefault::Keep(),
                             .EnabledWhen = kNever};
    }
    fields.back() = {.Column = kRowStatus,
                     .Caption = "Row Status",
                     .Control = &T::cbxRowStatus,
                     .Label = &T::lbl19,
                     .Place = {290, 11, 420, 8, 110},
                     .Flags = kFieldHidden,
                     .Default = FieldDefault::Option("createAndGo"),
                     .EnabledWhen = kOnNoRow};
    return fields;
}
constexpr auto kFields = MakeFields();

// Add and Delete leave no group chosen and the fields cleared, whether the write went through or not.
constexpr WritePlan kWrite = {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow};

// The design's invisible "Edit" button, which nothing shows, is not built.
constexpr ButtonSpec<T> kButtons[] = {
    {&T::GetButton, "Refresh", &T::GetButtonClick},
    {&T::AddButton, "Add", &T::AddButtonClick},
    {&T::DeleteButton, "Delete", &T::DeleteButtonClick},
    {&T::Closebtn, "Close", &T::ClosebtnClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 718,
                                   .Height = 442,
                                   .Caption = "Server Group Information",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 128,
                                   .Status = FrameStatus::SimpleBar,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::Static,
                                   .SamplesLabel = &T::lbl1,
                                   .List = &T::ListView2,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::pnl2,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::ListView2Click,
                                   .OnListChange = &T::ListView2Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TServerGroupForm::TServerGroupForm(TComponent* owner) : TForm(owner), Table(DialogGuard::None()) {
    Fields = BuildFields<T>(this, BuildFrame(this, kFrame, Table), kFields, kTable);
    Table.StatusColumn = kRowStatus;
    Table.StatusCombo = cbxRowStatus;
}

void TServerGroupForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, ServerGroup, MVT_UMV, kKeyCount);
        BindFields<T>(this, nullptr, request, kFields);
        Table.Clear();
        Table.UpdateState();
        Table.Read();
    });
}

void TServerGroupForm::UpdateButtons(bool rowChosen) {
    DeleteButton->SetEnabled(rowChosen);
    AddButton->SetEnabled(!rowChosen);
}

void TServerGroupForm::ListView2Click(TObject*) {
    Table.SelectionChanged();
}

void TServerGroupForm::ListView2Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TServerGroupForm::GetButtonClick(TObject*) {
    Table.Refresh();
}

void TServerGroupForm::AddButtonClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    const std::string name = edtServerName->Text();
    if (name.empty()) {
        RefuseInput(edtServerName, kNameNull);
        return;
    }
    // Names are compared as the switch keeps them: "Group1" beside "group1" is another group.
    if (Table.FindRow({{kName, name}})) {
        RefuseInput(edtServerName, kSameName);
        return;
    }
    // The name is the instance and the members are read-only: the new group is its row status alone.
    Table.Write([this] { Table.CreateRow(WriteCarry::Only({kRowStatus})); }, kWrite);
}

void TServerGroupForm::DeleteButtonClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    const std::string name = edtServerName->Text();
    if (name.empty()) {
        ShowMessage(kNameNull);
        return;
    }
    if (IsDefaultGroup(name)) {
        ShowMessage(kDefaultGroup);
        return;
    }
    Table.DeleteRow(kWrite);
}

void TServerGroupForm::ClosebtnClick(TObject*) {
    Close();
}

void TServerGroupForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}

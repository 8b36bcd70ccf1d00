#include "ServerInformationFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "InputValidators.h"
#include "Oid_aac.h"
#include "OptionItems.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TextValidators.h"
#include "UserDialogs.h"

TServerInformationForm* ServerInformationForm = nullptr;

namespace {

using T = TServerInformationForm;

// The server host table's columns.
constexpr auto& kTable = Columns::ServerInformation;
constexpr int kIp = ColumnOf(kTable, "IP");
constexpr int kProtocol = ColumnOf(kTable, "Authentication Protocol");
constexpr int kPort = ColumnOf(kTable, "Authentication Port");
constexpr int kKey = ColumnOf(kTable, "Authentication Key");
constexpr int kTimeout = ColumnOf(kTable, "Timeout");
constexpr int kRetry = ColumnOf(kTable, "Retry Count");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kAcctPort = ColumnOf(kTable, "Server Acct Port");
constexpr int kKeyCount = 2; // the address and the protocol

// What a server of the protocol shown has besides its port and time-out: tacacs and xtacacs no
// key, tacacs-plus no retry count, only radius an accounting port. With no protocol shown, the
// key and the retry count are open.
struct ProtocolFields {
    bool Key = true;
    bool Retry = true;
    bool AcctPort = false;
};
struct ProtocolRule {
    const char* Option;
    ProtocolFields Fields;
};
constexpr ProtocolRule kProtocols[] = {
    {"tacacs", {.Key = false}},
    {"xtacacs", {.Key = false}},
    {"tacacs-plus", {.Retry = false}},
    {"radius", {.AcctPort = true}},
};

// The rule of the protocol the combo box shows; null when it shows none.
const ProtocolRule* ShownProtocol(const T& dialog) {
    for (const ProtocolRule& rule : kProtocols) {
        if (OptionSelected(dialog.ProtocolComboBox, rule.Option)) {
            return &rule;
        }
    }
    return nullptr;
}
ProtocolFields FieldsShown(const T& dialog) {
    const ProtocolRule* rule = ShownProtocol(dialog);
    return rule ? rule->Fields : ProtocolFields{};
}

// A field the protocol shown may lack: enabled when it has it, left out of a write when it lacks
// it or the edit is empty.
template <bool ProtocolFields::*Has> bool ProtocolHas(const T& dialog, bool) {
    return FieldsShown(dialog).*Has;
}
template <bool ProtocolFields::*Has, TEdit* T::*Edit> bool LeftOut(const T& dialog) {
    return (dialog.*Edit)->Text().empty() || !(FieldsShown(dialog).*Has);
}
template <bool ProtocolFields::*Has>
constexpr FieldEnabledWhen<T> kByProtocol = {.If = ProtocolHas<Has>, .How = FieldEnabling::EnabledOnly};
// The address and the protocol are the row's instance: fixed while a row is chosen.
constexpr FieldEnabledWhen<T> kFixedOnRow = {.Mode = RowMode::NoRow, .How = FieldEnabling::EnabledOnly};

// The field rows under the list (96 DPI): two columns of label and value; the row status is bound
// to its hidden combo box.
constexpr Field<T> kFields[] = {
    {.Column = kIp,
     .Caption = "IP Address",
     .Constraint = "%s{l16}",
     .Control = &T::IPEdit,
     .Label = &T::Label1,
     .Place = {8, 11, 120, 8, 120},
     .EnabledWhen = kFixedOnRow},
    {.Column = kProtocol,
     .Caption = "Server Protocol",
     .Control = &T::ProtocolComboBox,
     .Label = &T::Label2,
     .Place = {256, 11, 366, 8, 120},
     .EnabledWhen = kFixedOnRow},
    {.Column = kPort,
     .Caption = "Authentication Port",
     .Constraint = "%i{n1x65535l5}",
     .Control = &T::PortEdit,
     .Label = &T::Label3,
     .Place = {8, 39, 120, 36, 120},
     .Omit = OmitWhen::Empty},
    {.Column = kKey,
     .Caption = "Server Key",
     .Constraint = "%s{l254}",
     .Control = &T::KeyEdit,
     .Label = &T::Label5,
     .Place = {8, 67, 120, 64, 120},
     .Omit = LeftOut<&ProtocolFields::Key, &T::KeyEdit>,
     .EnabledWhen = kByProtocol<&ProtocolFields::Key>},
    {.Column = kTimeout,
     .Caption = "Timeout",
     .Constraint = "%i{n1x255l3}",
     .Control = &T::TimeoutEdit,
     .Label = &T::Label6,
     .Place = {256, 67, 366, 64, 120},
     .Omit = OmitWhen::Empty},
    {.Column = kRetry,
     .Caption = "Retry Count",
     .Constraint = "%i{n1x255l3}",
     .Control = &T::RetryCEdit,
     .Label = &T::Label7,
     .Place = {8, 95, 120, 92, 120},
     .Omit = LeftOut<&ProtocolFields::Retry, &T::RetryCEdit>,
     .EnabledWhen = kByProtocol<&ProtocolFields::Retry>},
    {.Column = kRowStatus,
     .Caption = "Row Status",
     .Control = &T::RowComboBox,
     .Label = &T::Label8,
     .Place = {256, 95, 366, 92, 120},
     .Flags = kFieldHidden,
     .Default = FieldDefault::Option("createAndGo")},
    {.Column = kAcctPort,
     .Caption = "Accounting Port",
     .Constraint = "%i{n1x65535l5}",
     .Control = &T::AccountingPortEdit,
     .Label = &T::Label4,
     .Place = {256, 39, 366, 36, 120},
     .Omit = LeftOut<&ProtocolFields::AcctPort, &T::AccountingPortEdit>,
     .EnabledWhen = kByProtocol<&ProtocolFields::AcctPort>},
};

constexpr const char* kServerIpMustBeSet = "Server IP must be set.";
constexpr const char* kProtocolMustBeSet = "Protocol must be set.";
constexpr const char* kSameServer =
    "Has already a record with the same Server IP and Protocol. Please Change Server IP or Protocol.";

// Add, Edit and Delete leave none chosen and the fields cleared, whether the write went through or not.
constexpr WritePlan kWrite = {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::GetButton, "Refresh", &T::GetButtonClick}, {&T::AddButton, "Add", &T::AddButtonClick},
    {&T::EditButton, "Edit", &T::EditButtonClick},  {&T::DeleteButton, "Delete", &T::DeleteButtonClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 617,
                                   .Height = 320,
                                   .Position = poScreenCenter,
                                   .Caption = "Server Information Table",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 120, // leaves the field panel its 130
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::Static,
                                   .SamplesLabel = &T::lbl1,
                                   .List = &T::ListView1,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::ListView1Click,
                                   .OnListSelectItem = &T::ListView1SelectItem,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TServerInformationForm::TServerInformationForm(TComponent* owner) : TForm(owner), Table(DialogGuard::None()) {
    TPanel* fields = BuildFrame(this, kFrame, Table);
    Fields = BuildFields<T>(this, fields, kFields, kTable);
    ProtocolComboBox->OnChange = Bind(this, &T::ProtocolComboBoxChange);
    Table.StatusColumn = kRowStatus;
    Table.StatusCombo = RowComboBox;
    Table.Deleting = {.Style = DeleteStyle::Confirmed, .Write = kWrite};
}

void TServerInformationForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request =
            Table.CreateRequest(this, ServerInformation, MVT_UMV, kKeyCount, {.Blocking = true});
        BindFields<T>(this, nullptr, request, kFields);
        Table.Clear();
        Table.UpdateState();
        Table.Read();
    });
}

void TServerInformationForm::ClearEditControls() {
    Table.Clear();
}

void TServerInformationForm::UpdateButtons(bool rowChosen) {
    EditButton->SetEnabled(rowChosen);
    DeleteButton->SetEnabled(rowChosen);
    AddButton->SetEnabled(!rowChosen);
}

void TServerInformationForm::ProtocolComboBoxChange(TObject*) {
    Table.UpdateState();
}

void TServerInformationForm::ListView1SelectItem(TObject*, TListItem*, bool) {
    Table.SelectionChanged();
}

void TServerInformationForm::ListView1Click(TObject*) {
    Table.SelectionChanged();
}

void TServerInformationForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TServerInformationForm::GetButtonClick(TObject*) {
    Table.Refresh();
}

void TServerInformationForm::AddButtonClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    if (IPEdit->Text().empty()) {
        RefuseInput(IPEdit, kServerIpMustBeSet);
        return;
    }
    // The address becomes the row's instance: it must be one, not only fit the edit's length.
    if (!CheckIPv4Text(IPEdit)) {
        FocusField(IPEdit);
        return;
    }
    if (!ShownProtocol(*this)) {
        RefuseInput(ProtocolComboBox, kProtocolMustBeSet);
        return;
    }
    // By the address's octets: "010.1.1.1" would be sent as the row of 10.1.1.1.
    if (Table.FindRow({{kIp, IPEdit->Text(), SameIPv4Address}, {kProtocol, ProtocolComboBox->Text()}})) {
        RefuseInput(IPEdit, kSameServer);
        return;
    }
    const WriteCarry row = Fields.Carry();
    Table.Write([&] { Table.CreateRow(row); }, kWrite);
}

void TServerInformationForm::EditButtonClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    if (IPEdit->Text().empty()) {
        ShowMessage(kServerIpMustBeSet);
        return;
    }
    if (!ShownProtocol(*this)) {
        ShowMessage(kProtocolMustBeSet);
        return;
    }
    Table.Write(Fields.Carry().Without(kRowStatus), kWrite);
}

void TServerInformationForm::DeleteButtonClick(TObject*) {
    Table.Delete();
}

void TServerInformationForm::btnCloseClick(TObject*) {
    Close();
}

void TServerInformationForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}

#include "ServerInformationFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogLayout.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "InputValidators.h"
#include "Oid_aac.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "TableRowHelpers.h"
#include "TextValidators.h"
#include "UserDialogs.h"

#include <string>

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

// The field rows under the list (96 DPI): two columns of label and value; the row status is bound
// to its hidden combo box.
constexpr Field<T> kFields[] = {
    {.Column = kIp,
     .Caption = "IP Address",
     .Constraint = "%s{l16}",
     .Control = &T::IPEdit,
     .Label = &T::Label1,
     .Place = {8, 11, 120, 8, 120}},
    {.Column = kProtocol,
     .Caption = "Server Protocol",
     .Control = &T::ProtocolComboBox,
     .Label = &T::Label2,
     .Place = {256, 11, 366, 8, 120}},
    {.Column = kPort,
     .Caption = "Authentication Port",
     .Constraint = "%i{n1x65535l5}",
     .Control = &T::PortEdit,
     .Label = &T::Label3,
     .Place = {8, 39, 120, 36, 120}},
    {.Column = kKey,
     .Caption = "Server Key",
     .Constraint = "%s{l254}",
     .Control = &T::KeyEdit,
     .Label = &T::Label5,
     .Place = {8, 67, 120, 64, 120}},
    {.Column = kTimeout,
     .Caption = "Timeout",
     .Constraint = "%i{n1x255l3}",
     .Control = &T::TimeoutEdit,
     .Label = &T::Label6,
     .Place = {256, 67, 366, 64, 120}},
    {.Column = kRetry,
     .Caption = "Retry Count",
     .Constraint = "%i{n1x255l3}",
     .Control = &T::RetryCEdit,
     .Label = &T::Label7,
     .Place = {8, 95, 120, 92, 120}},
    {.Column = kRowStatus,
     .Caption = "Row Status",
     .Control = &T::RowComboBox,
     .Label = &T::Label8,
     .Place = {256, 95, 366, 92, 120},
     .Flags = kFieldHidden},
    {.Column = kAcctPort,
     .Caption = "Accounting Port",
     .Constraint = "%i{n1x65535l5}",
     .Control = &T::AccountingPortEdit,
     .Label = &T::Label4,
     .Place = {256, 39, 366, 36, 120}},
};

constexpr const char* kServerIpMustBeSet = "Server IP must be set.";
constexpr const char* kProtocolMustBeSet = "Protocol must be set.";
constexpr const char* kSameServer =
    "Has already a record with the same Server IP and Protocol. Please Change Server IP or Protocol.";

// The protocols in the order of their option list.
enum class Protocol { None, Tacacs, Xtacacs, TacacsPlus, Radius };

// What a server of each protocol has besides its port and time-out.
struct ProtocolFields {
    bool Key;
    bool Retry;
    bool AcctPort;
};

ProtocolFields FieldsOf(Protocol protocol) {
    switch (protocol) {
    case Protocol::None:
        return {true, true, false};
    case Protocol::Tacacs:
    case Protocol::Xtacacs:
        return {false, true, false};
    case Protocol::TacacsPlus:
        return {true, false, false};
    case Protocol::Radius:
        return {true, true, true};
    }
    return {true, true, false};
}

// The protocol the combo box shows: by its text, else by the chosen item's position.
Protocol ShownProtocol(TComboBox* combo) {
    const std::string text = combo->Text();
    const char* const names[] = {"tacacs", "xtacacs", "tacacs-plus", "radius"};
    for (int i = 0; i < 4; ++i) {
        if (text == names[i]) {
            return static_cast<Protocol>(i + 1);
        }
    }
    const int index = combo->ItemIndex();
    return index >= 0 && index < 4 ? static_cast<Protocol>(index + 1) : Protocol::None;
}

constexpr ButtonSpec<T> kButtons[] = {
    {&T::GetButton, "Refresh", &T::GetButtonClick}, {&T::AddButton, "Add", &T::AddButtonClick},
    {&T::EditButton, "Edit", &T::EditButtonClick},  {&T::DeleteButton, "Delete", &T::DeleteButtonClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr int kDesignWidth = 617;
constexpr int kDesignHeight = 320;
constexpr int kListHeight = 120; // leaves the field panel its 130
constexpr int kCreateAndGoItem = 3;

} // namespace

TServerInformationForm::TServerInformationForm(TComponent* owner) : TForm(owner), Table(DialogGuard::None()) {
    DesignDialog(this, kDesignWidth, kDesignHeight);
    SetPosition(poScreenCenter);
    SetCaption("Server Information Table");

    ButtonColumn buttons(this, "Samples");
    Panel1 = buttons.Panel;
    Static = buttons.Count;
    lbl1 = buttons.Samples;
    AddButtons(buttons, this, kButtons);
    StatusBar1 = AddStatusBar(this);

    const ListArea area = AddListArea(this, kListHeight); // the field panel below takes the rest
    ListView1 = area.List;
    Splitter1 = area.Splitter;
    Panel2 = area.Fields;
    ListView1->OnClick = Bind(this, &T::ListView1Click);
    ListView1->OnSelectItem = Bind(this, &T::ListView1SelectItem);
    ListView1->OnChange = Bind(this, &T::ListView1Change);
    BuildFields<T>(this, Panel2, kFields, kTable);
    ProtocolComboBox->OnChange = Bind(this, &T::ProtocolComboBoxChange);

    Table.List = ListView1;
    Table.CountLabel = Static;
    Table.StatusPanel = StatusPanelOf(StatusBar1);
    Table.StatusColumn = kRowStatus;
    Table.StatusCombo = RowComboBox;
    Table.AfterRead = [this] { UpdateButtons(ListView1->Selected() != nullptr); };

    OnCreate = Bind(this, &T::FormCreate);
    OnClose = Bind(this, &T::FormClose);
}

void TServerInformationForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, ServerInformation, MVT_UMV, 2);
        BindFields<T>(this, nullptr, request, kFields);
        request.Mode = 0; // synchronous
        for (TEdit* edit : {IPEdit, PortEdit, KeyEdit, TimeoutEdit, RetryCEdit, AccountingPortEdit}) {
            edit->SetText("");
        }
        RowComboBox->SetItemIndex(kCreateAndGoItem);
        UpdateButtons(false);
        Table.Read();
    });
    Table.UpdateCount();
}

void TServerInformationForm::ClearEditControls() {
    ProtocolComboBox->SetItemIndex(-1);
    for (TEdit* edit : {IPEdit, PortEdit, KeyEdit, TimeoutEdit, RetryCEdit, AccountingPortEdit}) {
        edit->SetText("");
    }
    AccountingPortEdit->SetEnabled(false);
    Table.UpdateCount();
}

void TServerInformationForm::UpdateButtons(bool rowChosen) {
    EditButton->SetEnabled(rowChosen);
    DeleteButton->SetEnabled(rowChosen);
    IPEdit->SetEnabled(!rowChosen);
    ProtocolComboBox->SetEnabled(!rowChosen);
    AddButton->SetEnabled(!rowChosen);
    ProtocolComboBoxChange(ProtocolComboBox);
}

void TServerInformationForm::ProtocolComboBoxChange(TObject*) {
    const ProtocolFields fields = FieldsOf(ShownProtocol(ProtocolComboBox));
    KeyEdit->SetEnabled(fields.Key);
    RetryCEdit->SetEnabled(fields.Retry);
    AccountingPortEdit->SetEnabled(fields.AcctPort);
}

void TServerInformationForm::ListView1SelectItem(TObject*, TListItem*, bool) {
    const bool selected = ListView1->Selected() != nullptr;
    if (!selected) {
        ClearEditControls();
    }
    UpdateButtons(selected);
}

void TServerInformationForm::ListView1Click(TObject* sender) {
    ListView1SelectItem(sender, nullptr, false);
}

void TServerInformationForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.UpdateCount();
}

void TServerInformationForm::GetButtonClick(TObject*) {
    if (!Table.MayRefresh()) {
        return;
    }
    Table.Read();
    EndWrite();
}

std::vector<int> TServerInformationForm::SkippedColumns() {
    const ProtocolFields fields = FieldsOf(ShownProtocol(ProtocolComboBox));
    std::vector<int> skipped;
    if (PortEdit->Text().empty()) {
        skipped.push_back(kPort);
    }
    if (KeyEdit->Text().empty() || !fields.Key) {
        skipped.push_back(kKey);
    }
    if (TimeoutEdit->Text().empty()) {
        skipped.push_back(kTimeout);
    }
    if (RetryCEdit->Text().empty() || !fields.Retry) {
        skipped.push_back(kRetry);
    }
    if (AccountingPortEdit->Text().empty() || !fields.AcctPort) {
        skipped.push_back(kAcctPort);
    } else {
        AccountingPortEdit->SetEnabled(true);
    }
    return skipped;
}

void TServerInformationForm::EndWrite() {
    if (ListView1->Selected()) {
        ListView1->SetSelected(nullptr);
    }
    ClearEditControls();
    UpdateButtons(false);
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
    if (ShownProtocol(ProtocolComboBox) == Protocol::None) {
        RefuseInput(ProtocolComboBox, kProtocolMustBeSet);
        return;
    }
    // By the address's octets: "010.1.1.1" would be sent as the row of 10.1.1.1.
    for (int i = 0; i < ListView1->Items().Count(); ++i) {
        const TListItem* item = ListView1->Items()[i];
        if (SameIPv4Address(item->Caption(), IPEdit->Text()) && item->SubItems().Count() > 0 &&
            item->SubItems()[0] == ProtocolComboBox->Text()) {
            RefuseInput(IPEdit, kSameServer);
            return;
        }
    }
    const WriteCarry row = WriteCarry::RowWithout(SkippedColumns());
    Table.Write([&] { Table.CreateRow(row); });
    EndWrite();
}

void TServerInformationForm::EditButtonClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    if (IPEdit->Text().empty()) {
        ShowMessage(kServerIpMustBeSet);
        return;
    }
    if (ShownProtocol(ProtocolComboBox) == Protocol::None) {
        ShowMessage(kProtocolMustBeSet);
        return;
    }
    std::vector<int> skipped = SkippedColumns();
    skipped.push_back(kRowStatus);
    Table.Write(WriteCarry::RowWithout(std::move(skipped)));
    EndWrite();
}

void TServerInformationForm::DeleteButtonClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    Table.ConfirmDeleteSelectedRow();
    EndWrite();
}

void TServerInformationForm::btnCloseClick(TObject*) {
    Close();
}

void TServerInformationForm::FormClose(TObject*, TCloseAction&) {
    Table.Close();
}

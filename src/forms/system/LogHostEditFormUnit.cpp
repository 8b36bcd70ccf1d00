#include "LogHostEditFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "InputValidators.h"
#include "OptionItems.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TPanel.h"

TLogHostEditForm* LogHostEditForm = nullptr;

namespace {

using T = TLogHostEditForm;

constexpr const char* kIndexIsNeeded = "Index is needed.";
constexpr const char* kPortRange = "The range of UDP Port for syslog is 514 or 6000-65535.";
constexpr const char* kIpShouldBeSet = "IP Address should be set.";
constexpr const char* kIpMustBeDifferent = "IP Address must be different.";

constexpr auto& kTable = Columns::SystemLogHostTable;
constexpr int kIndex = ColumnOf(kTable, "Index");
constexpr int kFacility = ColumnOf(kTable, "Facility");
constexpr int kSeverity = ColumnOf(kTable, "Severity");
constexpr int kUdpPort = ColumnOf(kTable, "UDP Port");
constexpr int kState = ColumnOf(kTable, "State");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kAddressType = ColumnOf(kTable, "Address Type");
constexpr int kIpAddress = ColumnOf(kTable, "IP Address");

constexpr int kSyslogPort = 514;
constexpr int kFirstHighPort = 6000;
constexpr int kLastPort = 65535;
// An edit leaves this address out: the switch's "no address".
constexpr const char* kNoAddress = "0.0.0.0";

bool AddMode(const T& dialog, bool) {
    return dialog.Mode == T::kAddMode;
}
// An edit writes no row status, and no address type it does not show.
bool EditMode(const T& dialog) {
    return dialog.Mode == T::kEditMode;
}
bool EditWithoutAddressType(const T& dialog) {
    return EditMode(dialog) && dialog.AddressTypeComboBox->ItemIndex() < 0;
}
// The address is left out when empty, and by an edit when it is the switch's "no address".
bool AddressLeftOut(const T& dialog) {
    const std::string address = dialog.IPAddrEdit->Text();
    return address.empty() || (EditMode(dialog) && address == kNoAddress);
}

// The design's line i (96 DPI): the label, then the value, 150 wide.
constexpr FieldPlace Line(int i) {
    const int top = 12 + 30 * i;
    return {16, top + 3, 104, top, 150};
}

// Top to bottom as the dialog shows them; the hidden row status last.
constexpr Field<T> kFields[] = {
    {.Column = kIndex,
     .Caption = "Index",
     .Combo = &T::cbxIndex,
     .Label = &T::Label1,
     .Place = Line(0),
     .EnabledWhen = {.If = AddMode, .How = FieldEnabling::EnabledOnly}},
    {.Column = kFacility,
     .Caption = "Facility",
     .Combo = &T::FacComboBox,
     .Label = &T::Label2,
     .Place = Line(1),
     .Default = FieldDefault::Option("local0"),
     .Omit = OmitWhen::Empty},
    {.Column = kSeverity,
     .Caption = "Severity",
     .Combo = &T::SevComboBox,
     .Label = &T::Label3,
     .Place = Line(2),
     .Default = FieldDefault::Option("warning"),
     .Omit = OmitWhen::Empty},
    {.Column = kUdpPort,
     .Caption = "UDP Port",
     .Constraint = "%i{l5}",
     .Edit = &T::PortEdit,
     .Label = &T::Label4,
     .Place = Line(3),
     .Omit = OmitWhen::Empty},
    {.Column = kAddressType,
     .Caption = "Address Type",
     .Combo = &T::AddressTypeComboBox,
     .Label = &T::Label5,
     .Place = Line(4),
     .Default = FieldDefault::Keep(), // an add keeps the type last shown
     .Omit = EditWithoutAddressType},
    {.Column = kIpAddress,
     .Caption = "IP Address",
     .Constraint = "%s",
     .Edit = &T::IPAddrEdit,
     .Label = &T::Label6,
     .Place = Line(5),
     .Omit = AddressLeftOut},
    {.Column = kState,
     .Caption = "State",
     .Combo = &T::StateComboBox,
     .Label = &T::Label7,
     .Place = Line(6),
     .Default = FieldDefault::Option("disabled"),
     .Omit = OmitWhen::Empty},
    {.Column = kRowStatus,
     .Caption = "Row Status",
     .Combo = &T::RowComboBox,
     .Label = &T::Label8,
     .Place = Line(7),
     .Flags = kFieldHidden,
     .Default = FieldDefault::Option("createAndGo"),
     .Omit = EditMode,
     .EnabledWhen = {.If = NeverEnabled<T>, .How = FieldEnabling::EnabledOnly}},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::SetButton, "Set", &T::SetButtonClick},
    {&T::CloseButton, "Close", &T::CloseButtonClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 374,
                                   .Height = 284,
                                   .Position = poOwnerFormCenter,
                                   .Caption = "Log Host Edit",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .Status = FrameStatus::None,
                                   .ButtonPanel = &T::Panel2};

} // namespace

TLogHostEditForm::TLogHostEditForm(TComponent* owner) : TEditSubDialog(owner, kFrame.Width, kFrame.Height) {
    Panel1 = BuildFrame(this, kFrame);
    Fields = BuildFields<T>(this, Panel1, kFields, kTable);
}

void TLogHostEditForm::BindTo(DialogRequest& request) {
    BindListFields<T>(this, request, kFields);
}

void TLogHostEditForm::ModeDefaults() {
    if (Mode == kAddMode) {
        Fields.Reset();
    }
    Fields.Update(false);
}

bool TLogHostEditForm::IsSyslogPortValid() const {
    return IsNumberTextIn(PortEdit, kSyslogPort, kSyslogPort) ||
           IsNumberTextIn(PortEdit, kFirstHighPort, kLastPort);
}

bool TLogHostEditForm::CheckAddressByType() {
    // The address checks show their own message; the refusal then says what is missing.
    if (OptionSelected(AddressTypeComboBox, "ipv4") && !CheckIPv4Text(IPAddrEdit)) {
        return RefuseInput(IPAddrEdit, kIpShouldBeSet);
    }
    if (OptionSelected(AddressTypeComboBox, "ipv6") && !CheckIPv6HexText(IPAddrEdit)) {
        return RefuseInput(IPAddrEdit, kIpShouldBeSet);
    }
    return true;
}

bool TLogHostEditForm::CheckAddInput() {
    if (cbxIndex->ItemIndex() < 0) {
        return RefuseInput(cbxIndex, kIndexIsNeeded);
    }
    if (!PortEdit->Text().empty() && !IsSyslogPortValid()) {
        return RefuseInput(PortEdit, kPortRange);
    }
    const std::string address = IPAddrEdit->Text();
    if (address.empty()) {
        return RefuseInput(IPAddrEdit, kIpShouldBeSet);
    }
    if (List->FindRow({{kIpAddress, address}})) {
        return RefuseInput(IPAddrEdit, kIpMustBeDifferent);
    }
    return CheckAddressByType();
}

bool TLogHostEditForm::CheckEditInput() {
    if (!PortEdit->Text().empty() && !IsSyslogPortValid()) {
        return RefuseInput(PortEdit, kPortRange);
    }
    const std::string address = IPAddrEdit->Text();
    if (address.empty()) {
        return RefuseInput(IPAddrEdit, kIpShouldBeSet);
    }
    const TListItem* row = List->FindRow({{kIndex, cbxIndex->Text()}});
    if (!row && List->List->Items().Count() > 0) {
        return RefuseInput(cbxIndex, kIndexIsNeeded);
    }
    // The server may keep its own address.
    const std::string own = row ? List->Request->CellText(row, kIpAddress) : std::string();
    if (address != own && List->FindRow({{kIpAddress, address}})) {
        return RefuseInput(IPAddrEdit, kIpMustBeDifferent);
    }
    return CheckAddressByType();
}

void TLogHostEditForm::SetButtonClick(TObject*) {
    if (!List || !List->Request) {
        Close(); // no list to write through
        return;
    }
    if (!(Mode == kAddMode ? CheckAddInput() : CheckEditInput())) {
        return;
    }
    if (!List->MayAct()) {
        return;
    }
    // Columns left empty are not sent; an add creates the row, an edit leaves its status alone.
    if (Mode == kAddMode) {
        CreateRowThroughList(Fields.Carry(), {}, SubDialogFailure::Close);
    } else {
        WriteThroughList([&](DialogRequest&) { List->Send(Fields.Carry()); }, {}, SubDialogFailure::Close);
    }
}

void TLogHostEditForm::CloseButtonClick(TObject*) {
    Close();
}

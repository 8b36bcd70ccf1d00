#include "IPCtrlEdtFormUnit.h"

#include "CatalogueColumns.h"
#include "DeviceFacts.h"
#include "DialogFrame.h"
#include "DialogTexts.h"
#include "FieldChecks.h"
#include "InputValidators.h"
#include "OptionItems.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TScrollBox.h"

TIPCtrlEdtForm* IPCtrlEdtForm = nullptr;

namespace {

using T = TIPCtrlEdtForm;
constexpr const char* kKcEdition = "KC";
constexpr int kState = -1; // the row status: bound at the table's last column

constexpr const char* kPleaseInputInterfaceName = "Please input Interface Name.";
constexpr const char* kDifferentInterfaceName = "Please input different Interface Name.";
constexpr const char* kPleaseInputVlanName = "Please input a VLAN name.";
constexpr const char* kVlanHasIpInterface = "The VLAN already has a IP Interface.";

// A column of the interface table by caption. The table of the "KC" edition is the other's with
// "IP Directed Broadcast State" inserted before the row status, so one lookup serves both.
consteval int Col(std::string_view caption) {
    return ColumnOf(Columns::IpCtrlIndexTable2, caption);
}
constexpr int kSecondary = Col("Secondary");
constexpr int kProxyArp = Col("Proxy ARP");
constexpr int kLocalProxyArp = Col("Local Proxy ARP");
constexpr int kIpv6Admin = Col("IPv6 Admin State");
constexpr int kIpv6LinkLocalAuto = Col("IPv6 Link Local Auto State");
constexpr int kIpv6LinkLocal = Col("IPv6 Link Local Address");
constexpr int kIpv6Prefix = ColumnByArc(Columns::IpCtrlIndexTable2, "3.1.15"); // its caption ends in a blank

constexpr int kInterfaceName = Col("Interface Name");
constexpr int kIpAddress = Col("IP Address");
constexpr int kSubnetMask = Col("IP Subnet Mask");
constexpr int kVlanName = Col("VLAN Name");

// The rules of the lines by the mode: an add types the interface's name and its secondary flag and
// sets up its states; an edit changes neither the name, the secondary flag nor the index.
bool AddMode(const T& dialog, bool) {
    return dialog.Mode == T::kAddMode;
}
// The index is never typed in an edit; an add leaves it as the list left it.
bool IndexAsLeft(const T& dialog, bool) {
    return dialog.Mode == T::kAddMode && dialog.edtIndex->Enabled();
}
// The "KC" edition's line is set up by an add there; an edit leaves it to the row.
bool KcLineEnabled(const T& dialog, bool) {
    return dialog.Mode != T::kAddMode || Facts().FirmwareMode == kKcEdition;
}
// An add leaves the address and the mask out when both are empty (an interface by DHCP, say).
bool AddWithoutAddress(const T& dialog) {
    return dialog.Mode == T::kAddMode && dialog.edtIPAddr->Text().empty() && dialog.edtMask->Text().empty();
}

constexpr FieldEnabledWhen<T> kInAddMode = {.If = AddMode, .How = FieldEnabling::EnabledOnly};
constexpr FieldEnabledWhen<T> kSetUpByAdd = {.If = AlwaysEnabled<T>, .How = FieldEnabling::EnabledOnly};
constexpr FieldDefault kAddDefault(const char* option) {
    return FieldDefault::Option(option);
}

// The design's line i (96 DPI): the label, then the value, on lines 24 apart.
constexpr FieldPlace Line(int i) {
    const int top = 8 + 24 * i;
    return {22, top + 3, 208, top, 250}; // a link-local address of 32 digits fits
}

// Line order, top to bottom; the check boxes of some lines carry the caption themselves.
constexpr Field<T> kFields[] = {
    {.Column = kInterfaceName,
     .Caption = "Interface Name",
     .Constraint = "%s{l12}",
     .Control = &T::edtInterface,
     .Check = &T::CheckBox1, // the interface name is always written
     .Place = Line(0),
     .Flags = kFieldCheckHidden | kFieldCheckFixed,
     .EnabledWhen = kInAddMode},
    {.Column = Col("Index"),
     .Caption = "IF Index",
     .Constraint = "%i{n0x65535l5}",
     .Control = &T::edtIndex,
     .Kind = FieldKind::Edit, // disabled, not read-only
     .Place = Line(1),
     .Flags = kFieldDisabled,
     .EnabledWhen = {.If = IndexAsLeft, .How = FieldEnabling::EnabledOnly}},
    {.Column = kIpAddress,
     .Caption = "IP Address",
     .Constraint = "%s{l16}",
     .Control = &T::edtIPAddr,
     .Check = &T::CheckBox2,
     .Place = Line(2),
     .Omit = AddWithoutAddress,
     .EnabledWhen = kSetUpByAdd},
    {.Column = kSubnetMask,
     .Caption = "Subnet Mask",
     .Constraint = "%s{l16}",
     .Control = &T::edtMask,
     .Check = &T::CheckBox3,
     .Place = Line(3),
     .Omit = AddWithoutAddress,
     .EnabledWhen = kSetUpByAdd},
    {.Column = kVlanName,
     .Caption = "VLAN Name",
     .Constraint = "%s{l32}",
     .Control = &T::edtVlan,
     .Check = &T::CheckBox4,
     .Place = Line(4),
     .EnabledWhen = kSetUpByAdd},
    {.Column = kSecondary,
     .Caption = "Secondary",
     .Control = &T::cbxSecondary,
     .Check = &T::CheckBox5,
     .Label = &T::lblSecondary,
     .Place = Line(5),
     .Flags = kFieldHidden,
     .Default = kAddDefault("false"),
     .EnabledWhen = kInAddMode},
    {.Column = Col("Mode"),
     .Caption = "Mode",
     .Control = &T::cbxMode,
     .Check = &T::CheckBox6,
     .Place = Line(6),
     .Default = kAddDefault("other"),
     .EnabledWhen = kSetUpByAdd},
    {.Column = Col("Admin State"),
     .Caption = "Admin State",
     .Control = &T::cbxAdmin,
     .Check = &T::CheckBox7,
     .Place = Line(7),
     .Default = kAddDefault("enabled"),
     .EnabledWhen = kSetUpByAdd},
    {.Column = Col("IPv4 Admin State"),
     .Caption = "IPv4 Admin State",
     .Control = &T::cbxIpv4Admin,
     .Check = &T::CheckBox8,
     .Place = Line(8),
     .Default = kAddDefault("enabled"),
     .EnabledWhen = kSetUpByAdd},
    {.Column = Col("DHCP Option12 State"),
     .CheckCaption = "DHCP Option12 State",
     .Control = &T::Option12State_ComboBox,
     .Check = &T::CheckBox_Option12State,
     .Place = Line(9),
     .Default = kAddDefault("disabled"),
     .EnabledWhen = kSetUpByAdd},
    {.Column = Col("DHCP Option12 Host Name"),
     .CheckCaption = "DHCP Option12 Host Name",
     .Constraint = "%s",
     .Control = &T::edtHostName,
     .Check = &T::CheckBox_HostName,
     .Place = Line(10),
     .Default = FieldDefault::Keep(),
     .EnabledWhen = kSetUpByAdd},
    {.Column = kProxyArp,
     .Caption = "Proxy ARP",
     .Control = &T::ProxyARPComboBox,
     .Check = &T::CheckBox9,
     .Place = Line(11),
     .Default = kAddDefault("enabled"),
     .EnabledWhen = kSetUpByAdd},
    {.Column = kLocalProxyArp,
     .Caption = "Proxy ARP Local State",
     .Control = &T::ProxyARPStateComboBox,
     .Check = &T::CheckBox10,
     .Place = Line(12),
     .Default = kAddDefault("enabled"),
     .EnabledWhen = kSetUpByAdd},
    {.Column = kIpv6Admin,
     .Caption = "IPv6 Admin State",
     .Control = &T::cbxIpv6Admin,
     .Check = &T::CheckBox11,
     .Place = Line(13),
     .Default = kAddDefault("disabled"),
     .EnabledWhen = kSetUpByAdd},
    {.Column = kIpv6LinkLocalAuto,
     .Caption = "IPv6 Link Local Auto State",
     .Control = &T::IPv6AutoStateComboBox,
     .Check = &T::CheckBox12,
     .Place = Line(14),
     .Default = kAddDefault("disabled"),
     .EnabledWhen = kSetUpByAdd},
    {.Column = kIpv6LinkLocal,
     .Caption = "IPv6 Link Local Address",
     .Constraint = "%s{l32f}",
     .Control = &T::edtIpv6Addr,
     .Place = Line(15),
     .Default = FieldDefault::Keep()},
    {.Column = kIpv6Prefix,
     .Caption = "IPv6 Link Local Prefix Length",
     .Constraint = "%i{n0x128l3}",
     .Control = &T::edtIPv6Prefix,
     .Place = Line(16),
     .Default = FieldDefault::Keep()},
    {.Column = Col("DHCPv6 Client State"),
     .CheckCaption = "DHCPv6 Client State",
     .Control = &T::ComboBox_DHCPv6State,
     .Check = &T::CheckBox_DHCPv6State,
     .Place = Line(17),
     .Default = kAddDefault("disabled"),
     .EnabledWhen = kSetUpByAdd},
    {.Column = Col("DHCPv6 Client Rapid Commit"),
     .CheckCaption = "DHCPv6 Client Rapid Commit",
     .Control = &T::ComboBox_DHCPv6RapidCommit,
     .Check = &T::CheckBox_DHCPv6RapidCommit,
     .Place = Line(18),
     .Default = FieldDefault::Keep()},
    {.Column = Col("IPv6 Auto Config State"),
     .CheckCaption = "IPv6 Auto Config State",
     .Control = &T::ComboBox_IPv6AutoState,
     .Check = &T::CheckBox_IPv6AutoState,
     .Place = Line(19),
     .Default = kAddDefault("disabled")},
    {.Column = Col("IPv6 Auto Config Default"),
     .CheckCaption = "IPv6 Auto Config Default",
     .Control = &T::ComboBox_IPv6AutoDefault,
     .Check = &T::CheckBox_IPv6AutoDefault,
     .Place = Line(20),
     .Default = kAddDefault("false")},
    {.Column = Col("IP Directed Broadcast State"),
     .CheckCaption = "IP  Directed Broadcast State",
     .Control = &T::ComboBox_IPDirectedBroadcastState,
     .Check = &T::CheckBox_IPDirectedBroadcastState,
     .Place = Line(21),
     .Flags = kFieldEditionOnly,
     .Default = kAddDefault("disabled"),
     .EnabledWhen = {.If = KcLineEnabled, .How = FieldEnabling::EnabledOnly, .WithCheck = true}},
    {.Column = kState,
     .Caption = "State",
     .Control = &T::cbxState,
     .Check = &T::CheckBox13, // hidden, always checked
     .Label = &T::lblState,
     .Place = Line(22),
     .Flags = kFieldHidden | kFieldCheckFixed,
     .Default = kAddDefault("createAndGo"),
     .EnabledWhen = {.If = NeverEnabled<T>, .How = FieldEnabling::EnabledOnly}},
};

// The lines but the "KC" one and the row status stand at the same column in both tables, and the
// row status is each table's last column.
consteval bool SameInBothTables() {
    for (const Field<T>& field : kFields) {
        if (field.Column != kState && !field.Has(kFieldEditionOnly) &&
            Columns::IpCtrlIndexTable[field.Column].Caption !=
                Columns::IpCtrlIndexTable2[field.Column].Caption) {
            return false;
        }
    }
    return ColumnOf(Columns::IpCtrlIndexTable, "State") == ColumnCount(Columns::IpCtrlIndexTable) - 1 &&
           ColumnOf(Columns::IpCtrlIndexTable2, "State") == ColumnCount(Columns::IpCtrlIndexTable2) - 1;
}
static_assert(SameInBothTables());

// Lines every activation shows: secondary, the proxy ARP lines and the IPv6 lines.
constexpr int kShownLines[] = {kSecondary,         kProxyArp,      kLocalProxyArp, kIpv6Admin,
                               kIpv6LinkLocalAuto, kIpv6LinkLocal, kIpv6Prefix};

constexpr const char* kCreateAndGo = "createAndGo";

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnSet, "Set", &T::btnSetClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 547,
                                   .Height = 679,
                                   .Caption = "IP Control Edit",
                                   .Buttons = kButtons,
                                   .ButtonMargin = 5,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .Status = FrameStatus::None,
                                   .ButtonPanel = &T::pnlBtn};

bool IsEmpty(const TEdit* edit) {
    return edit->Text().empty();
}

} // namespace

TIPCtrlEdtForm::TIPCtrlEdtForm(TComponent* owner) : TEditSubDialog(owner, kFrame.Width, kFrame.Height) {
    BuildFrame(this, kFrame);
    // The design gives the client area: the scaled size is made the client's.
    const int width = Width();
    const int height = Height();
    SetClientWidth(width);
    SetClientHeight(height);
    ScrollBox1 = new TScrollBox(this);
    ScrollBox1->SetParent(this);
    ScrollBox1->SetAlign(alClient);
    Fields = BuildFields<T>(this, ScrollBox1, kFields, Columns::IpCtrlIndexTable2);
}

void TIPCtrlEdtForm::BindTo(DialogRequest& request) {
    // The "KC" edition's line only in its table; the state at the table's last column.
    Fields.Edition = Facts().FirmwareMode == kKcEdition;
    const int state = request.Request.VarList.GetCount() - 1;
    BindListFields<T>(this, request, kFields, Fields.Edition, [state](const Field<T>& field) {
        return field.Column == kState ? state : field.Column;
    });
}

void TIPCtrlEdtForm::ModeDefaults() {
    for (int column : kShownLines) {
        Fields.Of(column)->SetVisible(true);
    }
    if (!Fields.Edition) {
        Fields.Of(Col("IP Directed Broadcast State"))->SetVisible(false);
    }
    SetHeight(cbxIpv4Admin->Top() + 400);
    if (Mode == kAddMode) {
        Fields.Reset();
    }
    Fields.Update(false);
    btnSet->SetCaption(Mode == kAddMode ? "Add" : "Edit");
}

bool TIPCtrlEdtForm::CheckAddress() {
    if (IsEmpty(edtIPAddr) && IsEmpty(edtMask)) {
        return true;
    }
    if (!CheckIPv4Text(edtIPAddr)) { // with its own message
        FocusField(edtIPAddr);
        return false;
    }
    if (!IsNetmaskText(edtMask)) {
        return RefuseInput(edtMask, DialogText::kInvalidSubnetMask);
    }
    return true;
}

bool TIPCtrlEdtForm::CheckAddInput() {
    if (!CheckAddress()) {
        return false;
    }
    if (IsEmpty(edtInterface)) {
        return RefuseInput(edtInterface, kPleaseInputInterfaceName);
    }
    if (List->FindRow({{kInterfaceName, edtInterface->Text()}})) {
        return RefuseInput(edtInterface, kDifferentInterfaceName);
    }
    if (IsEmpty(edtVlan)) {
        return RefuseInput(edtVlan, kPleaseInputVlanName);
    }
    // A secondary interface may share the VLAN of another.
    if (!OptionSelected(cbxSecondary, "true") && List->FindRow({{kVlanName, edtVlan->Text()}})) {
        return RefuseInput(edtVlan, kVlanHasIpInterface);
    }
    return true;
}

bool TIPCtrlEdtForm::CheckEditInput() {
    return CheckAddress();
}

void TIPCtrlEdtForm::btnSetClick(TObject*) {
    if (!List || !List->Request) {
        Close(); // no list to write through
        return;
    }
    if (!(Mode == kAddMode ? CheckAddInput() : CheckEditInput())) {
        return;
    }
    // Only the ticked, enabled lines are written.
    WriteThroughList(
        [&](DialogRequest&) {
            if (Mode == kAddMode) {
                SelectOption(cbxState, kCreateAndGo);
            }
            List->Send(Fields.Carry());
        },
        {.Locks = false});
}

void TIPCtrlEdtForm::btnCloseClick(TObject*) {
    Close();
}

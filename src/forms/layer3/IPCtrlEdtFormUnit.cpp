#include "IPCtrlEdtFormUnit.h"

#include "CatalogueColumns.h"
#include "DeviceFacts.h"
#include "DialogLayout.h"
#include "DialogTexts.h"
#include "EditSubDialog.h"
#include "FieldChecks.h"
#include "InputValidators.h"
#include "OptionItems.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TListView.h"
#include "TPanel.h"
#include "TScrollBox.h"
#include "TableDialogController.h"

#include <algorithm>

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

// The design's line i (96 DPI): the label, then the value, on lines 24 apart.
constexpr FieldPlace Line(int i) {
    const int top = 8 + 24 * i;
    return {22, top + 3, 208, top, 250}; // a link-local address of 32 digits fits
}

// Line order, top to bottom; the check boxes of some lines carry the caption themselves.
constexpr Field<T> kFields[] = {
    {.Column = Col("Interface Name"),
     .Caption = "Interface Name",
     .Constraint = "%s{l12}",
     .Control = &T::edtInterface,
     .Check = &T::CheckBox1,
     .Place = Line(0),
     .Flags = kFieldCheckHidden},
    {.Column = Col("Index"),
     .Caption = "IF Index",
     .Constraint = "%i{n0x65535l5}",
     .Control = &T::edtIndex,
     .Kind = FieldKind::Edit, // disabled, not read-only
     .Place = Line(1),
     .Flags = kFieldDisabled},
    {.Column = Col("IP Address"),
     .Caption = "IP Address",
     .Constraint = "%s{l16}",
     .Control = &T::edtIPAddr,
     .Check = &T::CheckBox2,
     .Place = Line(2)},
    {.Column = Col("IP Subnet Mask"),
     .Caption = "Subnet Mask",
     .Constraint = "%s{l16}",
     .Control = &T::edtMask,
     .Check = &T::CheckBox3,
     .Place = Line(3)},
    {.Column = Col("VLAN Name"),
     .Caption = "VLAN Name",
     .Constraint = "%s{l32}",
     .Control = &T::edtVlan,
     .Check = &T::CheckBox4,
     .Place = Line(4)},
    {.Column = kSecondary,
     .Caption = "Secondary",
     .Control = &T::cbxSecondary,
     .Check = &T::CheckBox5,
     .Label = &T::lblSecondary,
     .Place = Line(5),
     .Flags = kFieldHidden},
    {.Column = Col("Mode"),
     .Caption = "Mode",
     .Control = &T::cbxMode,
     .Check = &T::CheckBox6,
     .Place = Line(6)},
    {.Column = Col("Admin State"),
     .Caption = "Admin State",
     .Control = &T::cbxAdmin,
     .Check = &T::CheckBox7,
     .Place = Line(7)},
    {.Column = Col("IPv4 Admin State"),
     .Caption = "IPv4 Admin State",
     .Control = &T::cbxIpv4Admin,
     .Check = &T::CheckBox8,
     .Place = Line(8)},
    {.Column = Col("DHCP Option12 State"),
     .CheckCaption = "DHCP Option12 State",
     .Control = &T::Option12State_ComboBox,
     .Check = &T::CheckBox_Option12State,
     .Place = Line(9)},
    {.Column = Col("DHCP Option12 Host Name"),
     .CheckCaption = "DHCP Option12 Host Name",
     .Constraint = "%s",
     .Control = &T::edtHostName,
     .Check = &T::CheckBox_HostName,
     .Place = Line(10)},
    {.Column = kProxyArp,
     .Caption = "Proxy ARP",
     .Control = &T::ProxyARPComboBox,
     .Check = &T::CheckBox9,
     .Place = Line(11)},
    {.Column = kLocalProxyArp,
     .Caption = "Proxy ARP Local State",
     .Control = &T::ProxyARPStateComboBox,
     .Check = &T::CheckBox10,
     .Place = Line(12)},
    {.Column = kIpv6Admin,
     .Caption = "IPv6 Admin State",
     .Control = &T::cbxIpv6Admin,
     .Check = &T::CheckBox11,
     .Place = Line(13)},
    {.Column = kIpv6LinkLocalAuto,
     .Caption = "IPv6 Link Local Auto State",
     .Control = &T::IPv6AutoStateComboBox,
     .Check = &T::CheckBox12,
     .Place = Line(14)},
    {.Column = kIpv6LinkLocal,
     .Caption = "IPv6 Link Local Address",
     .Constraint = "%s{l32f}",
     .Control = &T::edtIpv6Addr,
     .Place = Line(15)},
    {.Column = kIpv6Prefix,
     .Caption = "IPv6 Link Local Prefix Length",
     .Constraint = "%i{n0x128l3}",
     .Control = &T::edtIPv6Prefix,
     .Place = Line(16)},
    {.Column = Col("DHCPv6 Client State"),
     .CheckCaption = "DHCPv6 Client State",
     .Control = &T::ComboBox_DHCPv6State,
     .Check = &T::CheckBox_DHCPv6State,
     .Place = Line(17)},
    {.Column = Col("DHCPv6 Client Rapid Commit"),
     .CheckCaption = "DHCPv6 Client Rapid Commit",
     .Control = &T::ComboBox_DHCPv6RapidCommit,
     .Check = &T::CheckBox_DHCPv6RapidCommit,
     .Place = Line(18)},
    {.Column = Col("IPv6 Auto Config State"),
     .CheckCaption = "IPv6 Auto Config State",
     .Control = &T::ComboBox_IPv6AutoState,
     .Check = &T::CheckBox_IPv6AutoState,
     .Place = Line(19)},
    {.Column = Col("IPv6 Auto Config Default"),
     .CheckCaption = "IPv6 Auto Config Default",
     .Control = &T::ComboBox_IPv6AutoDefault,
     .Check = &T::CheckBox_IPv6AutoDefault,
     .Place = Line(20)},
    {.Column = Col("IP Directed Broadcast State"),
     .CheckCaption = "IP  Directed Broadcast State",
     .Control = &T::ComboBox_IPDirectedBroadcastState,
     .Check = &T::CheckBox_IPDirectedBroadcastState,
     .Place = Line(21),
     .Flags = kFieldEditionOnly},
    {.Column = kState,
     .Caption = "State",
     .Control = &T::cbxState,
     .Check = &T::CheckBox13,
     .Label = &T::lblState,
     .Place = Line(22),
     .Flags = kFieldHidden},
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

// Add mode: the combo boxes' first items (the new interface's defaults).
struct StartItem {
    TComboBox* T::*Combo;
    const char* Item;
};
constexpr StartItem kAddStartItems[] = {
    {&T::IPv6AutoStateComboBox, "disabled"},
    {&T::cbxSecondary, "false"},
    {&T::cbxMode, "other"},
    {&T::cbxAdmin, "enabled"},
    {&T::cbxIpv4Admin, "enabled"},
    {&T::cbxIpv6Admin, "disabled"},
    {&T::ProxyARPComboBox, "enabled"},
    {&T::ProxyARPStateComboBox, "enabled"},
    {&T::Option12State_ComboBox, "disabled"},
    {&T::ComboBox_DHCPv6State, "disabled"},
    {&T::ComboBox_IPDirectedBroadcastState, "disabled"},
    {&T::ComboBox_IPv6AutoDefault, "false"},
    {&T::ComboBox_IPv6AutoState, "disabled"},
};
constexpr const char* kCreateAndGo = "createAndGo";

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnSet, "Set", &T::btnSetClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr int kDesignClientWidth = 547;
constexpr int kDesignClientHeight = 679;
constexpr int kButtonMargin = 5;

bool IsEmpty(const TEdit* edit) {
    return edit->Text().empty();
}

} // namespace

TIPCtrlEdtForm::TIPCtrlEdtForm(TComponent* owner)
    : TBasicForm(owner, kDesignClientWidth, kDesignClientHeight) {
    // The design gives the client area: the scaled size is made the client's.
    const int width = Width();
    const int height = Height();
    SetClientWidth(width);
    SetClientHeight(height);
    SetCaption("IP Control Edit");

    ButtonColumn buttons(this, nullptr, kButtonMargin);
    pnlBtn = buttons.Panel;
    AddButtons(buttons, this, kButtons);
    ScrollBox1 = new TScrollBox(this);
    ScrollBox1->SetParent(this);
    ScrollBox1->SetAlign(alClient);

    Lines = BuildFields<T>(this, ScrollBox1, kFields, Columns::IpCtrlIndexTable2);
    OnActivate = Bind(this, &T::FormActivate);
}

TIPCtrlEdtForm::~TIPCtrlEdtForm() {
    if (IPCtrlEdtForm == this) {
        IPCtrlEdtForm = nullptr;
    }
}

void TIPCtrlEdtForm::ShowLine(int column) {
    for (const BuiltField& line : Lines) {
        if (line.Column == column) {
            line.SetVisible(true);
        }
    }
}

void TIPCtrlEdtForm::BindTo(TBasicForm* list, DialogRequest& request, bool kc) {
    const int state = request.Request.VarList.GetCount() - 1;
    BindFields<T>(this, list, request, kFields, kc,
                  [state](const Field<T>& field) { return field.Column == kState ? state : field.Column; });
}

void TIPCtrlEdtForm::FormActivate(TObject*) {
    CheckBox1->SetChecked(true);
    CheckBox13->SetChecked(true);
    CheckBox13->SetVisible(false);
    for (int column : kShownLines) {
        ShowLine(column);
    }
    if (Facts().FirmwareMode != kKcEdition) {
        ComboBox_IPDirectedBroadcastState->SetVisible(false);
        CheckBox_IPDirectedBroadcastState->SetVisible(false);
    }
    SetHeight(cbxIpv4Admin->Top() + 400);
    if (Mode == 0) {
        for (TEdit* edit : {edtInterface, edtIndex, edtIPAddr, edtMask, edtVlan}) {
            edit->SetText("");
        }
        for (const StartItem& start : kAddStartItems) {
            SelectOption(this->*start.Combo, start.Item);
        }
        SelectOption(cbxState, kCreateAndGo);
    }
    UpdateButtons();
}

void TIPCtrlEdtForm::UpdateButtons() {
    SetFieldEnabled(CheckBox1, false, FieldEnabling::EnabledOnly); // the interface name is always written
    if (Mode == 0) {
        for (TControl* control : std::initializer_list<TControl*>{
                 edtInterface, edtVlan, edtIPAddr, edtMask, ProxyARPComboBox, ProxyARPStateComboBox, cbxMode,
                 cbxAdmin, cbxIpv4Admin, Option12State_ComboBox, edtHostName, cbxIpv6Admin,
                 IPv6AutoStateComboBox, ComboBox_DHCPv6State, cbxSecondary}) {
            SetFieldEnabled(control, true, FieldEnabling::EnabledOnly);
        }
        if (Facts().FirmwareMode == kKcEdition) {
            SetFieldsEnabled({ComboBox_IPDirectedBroadcastState, CheckBox_IPDirectedBroadcastState}, true,
                             FieldEnabling::EnabledOnly);
        }
        SetFieldEnabled(cbxState, false, FieldEnabling::EnabledOnly);
        btnSet->SetCaption("Add");
    } else {
        for (TControl* control :
             std::initializer_list<TControl*>{edtInterface, cbxSecondary, edtIndex, cbxState}) {
            SetFieldEnabled(control, false, FieldEnabling::EnabledOnly);
        }
        btnSet->SetCaption("Edit");
    }
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
    const IpCtrlListTable list = IpCtrlList();
    if (!list.Table || !list.Table->Request) {
        return true; // no list to compare with: Set closes without writing
    }
    const DialogRequest& request = *list.Table->Request;
    TListItems& rows = list.Table->List->Items();
    for (int i = 0; i < rows.Count(); ++i) {
        if (rows[i]->Caption() == edtInterface->Text()) {
            return RefuseInput(edtInterface, kDifferentInterfaceName);
        }
    }
    if (IsEmpty(edtVlan)) {
        return RefuseInput(edtVlan, kPleaseInputVlanName);
    }
    // A secondary interface may share the VLAN of another.
    for (int i = 0; i < rows.Count(); ++i) {
        if (request.CellText(rows[i], Col("VLAN Name")) == edtVlan->Text() &&
            !OptionSelected(cbxSecondary, "true")) {
            return RefuseInput(edtVlan, kVlanHasIpInterface);
        }
    }
    return true;
}

bool TIPCtrlEdtForm::CheckEditInput() {
    return CheckAddress();
}

void TIPCtrlEdtForm::btnSetClick(TObject*) {
    const IpCtrlListTable list = IpCtrlList();
    if (!list.Table || !list.Table->Request) {
        Close();
        return;
    }
    if (!(Mode == 0 ? CheckAddInput() : CheckEditInput())) {
        return;
    }
    WriteThroughList(
        this, list.Table,
        [&](DialogRequest& request) {
            if (Mode == 0) {
                CheckBox13->SetChecked(true);
                SelectOption(cbxState, kCreateAndGo);
            }
            // Only the ticked, enabled lines are written; the rows are the list dialog's. An add
            // leaves the address and mask out when both are empty (an interface by DHCP, say).
            WriteCarry carry = WriteCarry::RowWithout(list.Rows->UncheckedRows(&request));
            if (Mode == 0 && IsEmpty(edtIPAddr) && IsEmpty(edtMask)) {
                carry.Without(Col("IP Address")).Without(Col("IP Subnet Mask"));
            }
            list.Table->Send(carry);
        },
        ListLock::Leave);
}

void TIPCtrlEdtForm::btnCloseClick(TObject*) {
    Close();
}

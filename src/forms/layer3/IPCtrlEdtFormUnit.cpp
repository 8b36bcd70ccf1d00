#include "IPCtrlEdtFormUnit.h"

#include "CatalogueColumns.h"
#include "DeviceFacts.h"
#include "DialogLayout.h"
#include "DialogTexts.h"
#include "EditSubDialog.h"
#include "FieldChecks.h"
#include "InputValidators.h"
#include "IpCtrlFormUnit.h"
#include "OptionItems.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TListView.h"
#include "TPanel.h"
#include "TScrollBox.h"

#include <algorithm>

TIPCtrlEdtForm* IPCtrlEdtForm = nullptr;

namespace {

using T = TIPCtrlEdtForm;
constexpr int kState = IpCtrlField::kStateColumn;

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

// Line order, top to bottom; the check boxes of some lines carry the caption themselves.
constexpr IpCtrlField kFields[] = {
    {Col("Interface Name"), "Interface Name", nullptr, "%s{l12}", &T::edtInterface, nullptr, &T::CheckBox1,
     false},
    {Col("Index"), "IF Index", nullptr, "%i{n0x65535l5}", &T::edtIndex, nullptr, nullptr, false},
    {Col("IP Address"), "IP Address", nullptr, "%s{l16}", &T::edtIPAddr, nullptr, &T::CheckBox2, false},
    {Col("IP Subnet Mask"), "Subnet Mask", nullptr, "%s{l16}", &T::edtMask, nullptr, &T::CheckBox3, false},
    {Col("VLAN Name"), "VLAN Name", nullptr, "%s{l32}", &T::edtVlan, nullptr, &T::CheckBox4, false},
    {kSecondary, "Secondary", nullptr, nullptr, nullptr, &T::cbxSecondary, &T::CheckBox5, false},
    {Col("Mode"), "Mode", nullptr, nullptr, nullptr, &T::cbxMode, &T::CheckBox6, false},
    {Col("Admin State"), "Admin State", nullptr, nullptr, nullptr, &T::cbxAdmin, &T::CheckBox7, false},
    {Col("IPv4 Admin State"), "IPv4 Admin State", nullptr, nullptr, nullptr, &T::cbxIpv4Admin, &T::CheckBox8,
     false},
    {Col("DHCP Option12 State"), nullptr, "DHCP Option12 State", nullptr, nullptr, &T::Option12State_ComboBox,
     &T::CheckBox_Option12State, false},
    {Col("DHCP Option12 Host Name"), nullptr, "DHCP Option12 Host Name", "%s", &T::edtHostName, nullptr,
     &T::CheckBox_HostName, false},
    {kProxyArp, "Proxy ARP", nullptr, nullptr, nullptr, &T::ProxyARPComboBox, &T::CheckBox9, false},
    {kLocalProxyArp, "Proxy ARP Local State", nullptr, nullptr, nullptr, &T::ProxyARPStateComboBox,
     &T::CheckBox10, false},
    {kIpv6Admin, "IPv6 Admin State", nullptr, nullptr, nullptr, &T::cbxIpv6Admin, &T::CheckBox11, false},
    {kIpv6LinkLocalAuto, "IPv6 Link Local Auto State", nullptr, nullptr, nullptr, &T::IPv6AutoStateComboBox,
     &T::CheckBox12, false},
    {kIpv6LinkLocal, "IPv6 Link Local Address", nullptr, "%s{l32f}", &T::edtIpv6Addr, nullptr, nullptr,
     false},
    {kIpv6Prefix, "IPv6 Link Local Prefix Length", nullptr, "%i{n0x128l3}", &T::edtIPv6Prefix, nullptr,
     nullptr, false},
    {Col("DHCPv6 Client State"), nullptr, "DHCPv6 Client State", nullptr, nullptr, &T::ComboBox_DHCPv6State,
     &T::CheckBox_DHCPv6State, false},
    {Col("DHCPv6 Client Rapid Commit"), nullptr, "DHCPv6 Client Rapid Commit", nullptr, nullptr,
     &T::ComboBox_DHCPv6RapidCommit, &T::CheckBox_DHCPv6RapidCommit, false},
    {Col("IPv6 Auto Config State"), nullptr, "IPv6 Auto Config State", nullptr, nullptr,
     &T::ComboBox_IPv6AutoState, &T::CheckBox_IPv6AutoState, false},
    {Col("IPv6 Auto Config Default"), nullptr, "IPv6 Auto Config Default", nullptr, nullptr,
     &T::ComboBox_IPv6AutoDefault, &T::CheckBox_IPv6AutoDefault, false},
    {Col("IP Directed Broadcast State"), nullptr, "IP  Directed Broadcast State", nullptr, nullptr,
     &T::ComboBox_IPDirectedBroadcastState, &T::CheckBox_IPDirectedBroadcastState, true},
    {kState, "State", nullptr, nullptr, nullptr, &T::cbxState, &T::CheckBox13, false},
};

// The lines but the "KC" one and the row status stand at the same column in both tables, and the
// row status is each table's last column.
consteval bool SameInBothTables() {
    for (const IpCtrlField& field : kFields) {
        if (field.Column != kState && !field.KcOnly &&
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
constexpr int kLineHeight = 24;
constexpr int kFirstLineTop = 8;
constexpr int kCheckLeft = 4;
constexpr int kLabelLeft = 22;
constexpr int kValueLeft = 208;
constexpr int kValueWidth = 250; // a link-local address of 32 digits fits

bool IsEmpty(const TEdit* edit) {
    return edit->Text().empty();
}

} // namespace

std::span<const IpCtrlField> IpCtrlFields() {
    return kFields;
}

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

    int top = kFirstLineTop;
    for (const IpCtrlField& field : kFields) {
        Line line{field.Column, nullptr, nullptr, nullptr};
        if (field.Check) {
            line.Check = new TCheckBox(this);
            line.Check->SetParent(ScrollBox1);
            const bool captioned = field.CheckCaption != nullptr;
            line.Check->SetBounds(kCheckLeft, top + 2, captioned ? kValueLeft - kCheckLeft - 2 : 16, 17);
            if (captioned) {
                line.Check->SetCaption(field.CheckCaption);
            }
            this->*field.Check = line.Check;
        }
        if (field.Label) {
            line.Label = new TLabel(this);
            line.Label->SetParent(ScrollBox1);
            line.Label->SetBounds(kLabelLeft, top + 3, 0, 0);
            line.Label->SetCaption(field.Label);
        }
        if (field.Edit) {
            auto* edit = new TEdit(this);
            this->*field.Edit = edit;
            line.Value = edit;
        } else {
            auto* combo = new TComboBox(this);
            this->*field.Combo = combo;
            line.Value = combo;
        }
        line.Value->SetParent(ScrollBox1);
        line.Value->SetBounds(kValueLeft, top, kValueWidth, 21);
        Lines.push_back(line);
        top += kLineHeight;
    }
    lblSecondary =
        std::find_if(Lines.begin(), Lines.end(), [](const Line& l) { return l.Column == kSecondary; })->Label;
    lblState = Lines.back().Label;

    edtIndex->SetEnabled(false);
    for (TEdit* readOnly : {edtIpv6Addr, edtIPv6Prefix}) {
        readOnly->SetEnabled(false);
        readOnly->SetReadOnly(true);
    }
    for (TControl* hidden : std::initializer_list<TControl*>{cbxSecondary, lblSecondary, CheckBox5, CheckBox1,
                                                             CheckBox13, cbxState, lblState}) {
        hidden->SetVisible(false);
    }
    OnActivate = Bind(this, &T::FormActivate);
}

TIPCtrlEdtForm::~TIPCtrlEdtForm() {
    if (IPCtrlEdtForm == this) {
        IPCtrlEdtForm = nullptr;
    }
}

void TIPCtrlEdtForm::ShowLine(int column) {
    for (const Line& line : Lines) {
        if (line.Column == column) {
            for (TControl* control :
                 {static_cast<TControl*>(line.Check), static_cast<TControl*>(line.Label), line.Value}) {
                if (control) {
                    control->SetVisible(true);
                }
            }
        }
    }
}

void TIPCtrlEdtForm::FormActivate(TObject*) {
    CheckBox1->SetEnabled(false);
    CheckBox1->SetChecked(true);
    CheckBox13->SetChecked(true);
    CheckBox13->SetVisible(false);
    for (int column : kShownLines) {
        ShowLine(column);
    }
    const bool kc = Facts().FirmwareMode == "KC";
    if (!kc) {
        ComboBox_IPDirectedBroadcastState->SetVisible(false);
        CheckBox_IPDirectedBroadcastState->SetVisible(false);
    }
    SetHeight(cbxIpv4Admin->Top() + 400);

    if (Mode == 0) {
        for (TEdit* edit : {edtInterface, edtIndex, edtIPAddr, edtMask, edtVlan}) {
            edit->SetText("");
        }
        for (TControl* control : std::initializer_list<TControl*>{
                 edtInterface, edtVlan, edtIPAddr, edtMask, ProxyARPComboBox, ProxyARPStateComboBox, cbxMode,
                 cbxAdmin, cbxIpv4Admin, Option12State_ComboBox, edtHostName, cbxIpv6Admin,
                 IPv6AutoStateComboBox, ComboBox_DHCPv6State, cbxSecondary}) {
            control->SetEnabled(true);
        }
        for (const StartItem& start : kAddStartItems) {
            SelectOption(this->*start.Combo, start.Item);
        }
        if (kc) {
            ComboBox_IPDirectedBroadcastState->SetEnabled(true);
            CheckBox_IPDirectedBroadcastState->SetEnabled(true);
        }
        SelectOption(cbxState, kCreateAndGo);
        cbxState->SetEnabled(false);
        btnSet->SetCaption("Add");
    } else {
        for (TControl* control :
             std::initializer_list<TControl*>{edtInterface, cbxSecondary, edtIndex, cbxState}) {
            control->SetEnabled(false);
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
    if (!IpCtrlForm) {
        return true; // no list to compare with: Set closes without writing
    }
    TListItems& rows = IpCtrlForm->ListView1->Items();
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
        if (IpCtrlForm->Table.Request &&
            IpCtrlForm->Table.Request->CellText(rows[i], Col("VLAN Name")) == edtVlan->Text() &&
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
    TIpCtrlForm* list = IpCtrlForm;
    if (!list || !list->Table.Request) {
        Close();
        return;
    }
    if (!(Mode == 0 ? CheckAddInput() : CheckEditInput())) {
        return;
    }
    WriteThroughList(
        this, &list->Table,
        [&](DialogRequest& request) {
            if (Mode == 0) {
                CheckBox13->SetChecked(true);
                SelectOption(cbxState, kCreateAndGo);
            }
            // Only the ticked, enabled lines are written; the rows are the list dialog's. An add
            // leaves the address and mask out when both are empty (an interface by DHCP, say).
            WriteCarry carry = WriteCarry::RowWithout(list->UncheckedRows(&request));
            if (Mode == 0 && IsEmpty(edtIPAddr) && IsEmpty(edtMask)) {
                carry.Without(Col("IP Address")).Without(Col("IP Subnet Mask"));
            }
            list->Table.Send(carry);
        },
        ListLock::Leave);
}

void TIPCtrlEdtForm::btnCloseClick(TObject*) {
    Close();
}

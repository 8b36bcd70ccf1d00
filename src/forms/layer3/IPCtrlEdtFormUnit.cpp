#include "IPCtrlEdtFormUnit.h"

#include "DeviceFacts.h"
#include "DialogLayout.h"
#include "DialogTexts.h"
#include "EditSubDialog.h"
#include "FieldChecks.h"
#include "InputValidators.h"
#include "IpCtrlFormUnit.h"
#include "SkipFlagScope.h"
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

// Line order, top to bottom; the check boxes of some lines carry the caption themselves.
constexpr IpCtrlField kFields[] = {
    {0, "Interface Name", nullptr, "%s{l12}", &T::edtInterface, nullptr, &T::CheckBox1, false},
    {1, "IF Index", nullptr, "%i{n0x65535l5}", &T::edtIndex, nullptr, nullptr, false},
    {2, "IP Address", nullptr, "%s{l16}", &T::edtIPAddr, nullptr, &T::CheckBox2, false},
    {3, "Subnet Mask", nullptr, "%s{l16}", &T::edtMask, nullptr, &T::CheckBox3, false},
    {4, "VLAN Name", nullptr, "%s{l32}", &T::edtVlan, nullptr, &T::CheckBox4, false},
    {16, "Secondary", nullptr, nullptr, nullptr, &T::cbxSecondary, &T::CheckBox5, false},
    {5, "Mode", nullptr, nullptr, nullptr, &T::cbxMode, &T::CheckBox6, false},
    {6, "Admin State", nullptr, nullptr, nullptr, &T::cbxAdmin, &T::CheckBox7, false},
    {7, "IPv4 Admin State", nullptr, nullptr, nullptr, &T::cbxIpv4Admin, &T::CheckBox8, false},
    {8, nullptr, "DHCP Option12 State", nullptr, nullptr, &T::Option12State_ComboBox,
     &T::CheckBox_Option12State, false},
    {9, nullptr, "DHCP Option12 Host Name", "%s", &T::edtHostName, nullptr, &T::CheckBox_HostName, false},
    {10, "Proxy ARP", nullptr, nullptr, nullptr, &T::ProxyARPComboBox, &T::CheckBox9, false},
    {11, "Proxy ARP Local State", nullptr, nullptr, nullptr, &T::ProxyARPStateComboBox, &T::CheckBox10,
     false},
    {12, "IPv6 Admin State", nullptr, nullptr, nullptr, &T::cbxIpv6Admin, &T::CheckBox11, false},
    {15, "IPv6 Link Local Auto State", nullptr, nullptr, nullptr, &T::IPv6AutoStateComboBox, &T::CheckBox12,
     false},
    {13, "IPv6 Link Local Address", nullptr, "%s{l32f}", &T::edtIpv6Addr, nullptr, nullptr, false},
    {14, "IPv6 Link Local Prefix Length", nullptr, "%i{n0x128l3}", &T::edtIPv6Prefix, nullptr, nullptr,
     false},
    {17, nullptr, "DHCPv6 Client State", nullptr, nullptr, &T::ComboBox_DHCPv6State, &T::CheckBox_DHCPv6State,
     false},
    {18, nullptr, "DHCPv6 Client Rapid Commit", nullptr, nullptr, &T::ComboBox_DHCPv6RapidCommit,
     &T::CheckBox_DHCPv6RapidCommit, false},
    {19, nullptr, "IPv6 Auto Config State", nullptr, nullptr, &T::ComboBox_IPv6AutoState,
     &T::CheckBox_IPv6AutoState, false},
    {20, nullptr, "IPv6 Auto Config Default", nullptr, nullptr, &T::ComboBox_IPv6AutoDefault,
     &T::CheckBox_IPv6AutoDefault, false},
    {21, nullptr, "IP  Directed Broadcast State", nullptr, nullptr, &T::ComboBox_IPDirectedBroadcastState,
     &T::CheckBox_IPDirectedBroadcastState, true},
    {kState, "State", nullptr, nullptr, nullptr, &T::cbxState, &T::CheckBox13, false},
};

// Lines every activation shows: secondary, the proxy ARP lines and the IPv6 lines.
constexpr int kShownLines[] = {16, 10, 11, 12, 15, 13, 14};

// Add mode: the combo boxes' first items (the new interface's defaults).
struct StartItem {
    TComboBox* T::*Combo;
    int Item;
};
constexpr StartItem kAddStartItems[] = {
    {&T::IPv6AutoStateComboBox, 1}, // disabled
    {&T::cbxSecondary, 1},          // false
    {&T::cbxMode, 0},               // other
    {&T::cbxAdmin, 0},              // enabled
    {&T::cbxIpv4Admin, 0},          // enabled
    {&T::cbxIpv6Admin, 1},          // disabled
    {&T::ProxyARPComboBox, 0},      // enabled
    {&T::ProxyARPStateComboBox, 0}, // enabled
    {&T::Option12State_ComboBox, 1},
    {&T::ComboBox_DHCPv6State, 1},
    {&T::ComboBox_IPDirectedBroadcastState, 1},
    {&T::ComboBox_IPv6AutoDefault, 1}, // false
    {&T::ComboBox_IPv6AutoState, 1},
};
constexpr int kCreateAndGo = 3;

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
        std::find_if(Lines.begin(), Lines.end(), [](const Line& l) { return l.Column == 16; })->Label;
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
            (this->*start.Combo)->SetItemIndex(start.Item);
        }
        if (kc) {
            ComboBox_IPDirectedBroadcastState->SetEnabled(true);
            CheckBox_IPDirectedBroadcastState->SetEnabled(true);
        }
        cbxState->SetItemIndex(kCreateAndGo);
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
        return RefuseInput(edtInterface, DialogText::kPleaseInputInterfaceName);
    }
    if (!IpCtrlForm) {
        return true; // no list to compare with: Set closes without writing
    }
    TListItems& rows = IpCtrlForm->ListView1->Items();
    for (int i = 0; i < rows.Count(); ++i) {
        if (rows[i]->Caption() == edtInterface->Text()) {
            return RefuseInput(edtInterface, DialogText::kDifferentInterfaceName);
        }
    }
    if (IsEmpty(edtVlan)) {
        return RefuseInput(edtVlan, DialogText::kPleaseInputVlanName);
    }
    // A secondary interface may share the VLAN of another.
    constexpr int kVlanNameCell = 3;
    constexpr int kSecondaryTrue = 0;
    for (int i = 0; i < rows.Count(); ++i) {
        const TStrings& cells = rows[i]->SubItems();
        if (cells.Count() > kVlanNameCell && cells[kVlanNameCell] == edtVlan->Text() &&
            cbxSecondary->ItemIndex() != kSecondaryTrue) {
            return RefuseInput(edtVlan, DialogText::kVlanHasIpInterface);
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
            SkipFlagScope emptyAddress(request.Request);
            if (Mode == 0) {
                list->SkipEmptyAddress(emptyAddress);
                CheckBox13->SetChecked(true);
                cbxState->SetItemIndex(kCreateAndGo);
            }
            WriteRow(*list, request);
        },
        ListLock::Leave);
}

void TIPCtrlEdtForm::WriteRow(TIpCtrlForm& list, VqSNMPRequest2Edits& request) {
    // Only the ticked, enabled lines are written; the rows are the list dialog's.
    TBasicForm::SkippedRows unticked(&list, &request);
    request.Set(false, true);
}

void TIPCtrlEdtForm::btnCloseClick(TObject*) {
    Close();
}

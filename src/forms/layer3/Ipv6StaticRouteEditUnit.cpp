#include "Ipv6StaticRouteEditUnit.h"

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
#include "TextValidators.h"
#include "UserDialogs.h"

TIpv6StaticRouteEditForm* Ipv6StaticRouteEditForm = nullptr;

namespace {

using T = TIpv6StaticRouteEditForm;

constexpr auto& kTable = Columns::Ipv6StaticRouteTable;
constexpr int kMetric = ColumnOf(kTable, "Metric");

// A default route's destination and prefix length are fixed.
bool NotDefaultRoute(const T& dialog, bool) {
    return dialog.Mode != T::kDefaultRouteMode;
}
constexpr FieldEnabledWhen<T> kFixed = {.If = NeverEnabled<T>, .How = FieldEnabling::EnabledOnly};

// The design's line i (96 DPI): the label, then the value; an address of 32 digits fits.
constexpr FieldPlace Line(int i) {
    const int top = 12 + 30 * i;
    return {16, top + 3, 110, top, 216};
}

constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kTable, "Destination"),
     .Caption = "Destination",
     .Constraint = "%s{l32f}",
     .Control = &T::edtDst,
     .Label = &T::Label1,
     .Place = Line(0),
     .EnabledWhen = {.If = NotDefaultRoute, .How = FieldEnabling::EnabledOnly}},
    {.Column = ColumnOf(kTable, "Prefix Length"),
     .Caption = "Prefix Length",
     .Constraint = "%i{n0x128l3}",
     .Control = &T::edtPrefix,
     .Label = &T::Label2,
     .Place = Line(1),
     .EnabledWhen = {.If = NotDefaultRoute, .How = FieldEnabling::EnabledOnly}},
    {.Column = ColumnOf(kTable, "Interface Name"),
     .Caption = "Interface Name",
     .Constraint = "%s{l12}",
     .Control = &T::edtInterface,
     .Label = &T::Label3,
     .Place = Line(2)},
    {.Column = ColumnOf(kTable, "Next Hop"),
     .Caption = "Next Hop",
     .Constraint = "%s{l32f}",
     .Control = &T::edtNextHop,
     .Kind = FieldKind::Edit, // a key the user types
     .Label = &T::Label4,
     .Place = Line(3)},
    {.Column = kMetric,
     .Caption = "Metric",
     .Constraint = "%i{n1x65535l5}",
     .Control = &T::edtMetric,
     .Label = &T::Label5,
     .Place = Line(4),
     .Omit = OmitWhen::Empty},
    {.Column = ColumnOf(kTable, "Status"),
     .Caption = "Status",
     .Control = &T::cbxStatus,
     .Label = &T::Label6,
     .Place = Line(5),
     .Flags = kFieldDisabled,
     .Default = FieldDefault::Option("createAndGo"),
     .EnabledWhen = kFixed},
    {.Column = ColumnOf(kTable, "Backup State"),
     .Caption = "Backup State",
     .Control = &T::cbxBackup,
     .Label = &T::Label7,
     .Place = Line(6),
     .Default = FieldDefault::Option("none")},
    {.Column = ColumnOf(kTable, "Protocol"),
     .Caption = "Protocol",
     .Constraint = "%s",
     .Control = &T::edtProtocol,
     .Label = &T::Label8,
     .Place = Line(7),
     .Flags = kFieldHidden,
     .EnabledWhen = kFixed},
};

constexpr const char* kDefaultDestination = "00000000000000000000000000000000";
constexpr const char* kDefaultPrefix = "0";
constexpr int kLastPrefix = 128;
constexpr int kFirstMetric = 1;
constexpr int kLastMetric = 65535;

// This dialog's own texts.
constexpr const char* kSetDestination = "Please Set Destination Address";
constexpr const char* kSetPrefix = "Please Set Prefix length";
constexpr const char* kPrefixRange = "Prefix should between 0-128";
constexpr const char* kSetNextHop = "Please Set Next Hop Address";
constexpr const char* kDuplicateAddress = "Duplicate IP address, Please input a valid Next Hop";
constexpr const char* kMetricRange = "Metric should between 1-65535";
constexpr const char* kInvalidIpv6 = "Please input a valid IPv6 address";

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnSet, "Set", &T::btnSetClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 437,
                                   .Height = 280,
                                   .Position = poOwnerFormCenter,
                                   .Caption = "IPv6 Static Route Edit",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .Status = FrameStatus::None,
                                   .ButtonPanel = &T::Panel2};

} // namespace

TIpv6StaticRouteEditForm::TIpv6StaticRouteEditForm(TComponent* owner)
    : TEditSubDialog(owner, kFrame.Width, kFrame.Height) {
    Panel1 = BuildFrame(this, kFrame);
    Fields = BuildFields<T>(this, Panel1, kFields, kTable);
}

void TIpv6StaticRouteEditForm::BindTo(DialogRequest& request) {
    BindListFields<T>(this, request, kFields);
}

void TIpv6StaticRouteEditForm::ModeDefaults() {
    Fields.Reset();
    if (Mode == kDefaultRouteMode) {
        edtDst->SetText(kDefaultDestination);
        edtPrefix->SetText(kDefaultPrefix);
    }
    Fields.Update(false);
}

bool TIpv6StaticRouteEditForm::CheckIpv6Text(TEdit* edit) {
    if (IsIPv6HexString(edit->Text())) {
        return true;
    }
    return RefuseInput(edit, kInvalidIpv6);
}

bool TIpv6StaticRouteEditForm::CheckInput() {
    if (Mode == kAddMode) {
        if (edtDst->Text().empty()) {
            ShowMessage(kSetDestination);
            return false;
        }
        if (!CheckIpv6Text(edtDst)) {
            return false;
        }
        if (edtPrefix->Text().empty()) {
            ShowMessage(kSetPrefix);
            return false;
        }
        if (!IsNumberTextIn(edtPrefix, 0, kLastPrefix)) {
            return RefuseInput(edtPrefix, kPrefixRange);
        }
    }
    if (edtNextHop->Text().empty()) {
        ShowMessage(kSetNextHop);
        return false;
    }
    if (!CheckIpv6Text(edtNextHop)) {
        return false;
    }
    if (SameIPv6HexAddress(edtNextHop->Text(), edtDst->Text())) { // the same digits in either case
        return RefuseInput(edtNextHop, kDuplicateAddress);
    }
    if (!edtMetric->Text().empty() && !IsNumberTextIn(edtMetric, kFirstMetric, kLastMetric)) {
        return RefuseInput(edtMetric, kMetricRange);
    }
    return true; // the interface name may be empty
}

void TIpv6StaticRouteEditForm::btnSetClick(TObject*) {
    if (!CheckInput()) {
        return;
    }
    CreateRowThroughList(Fields.Carry(), {.Locks = false}, SubDialogFailure::Close);
}

void TIpv6StaticRouteEditForm::btnCloseClick(TObject*) {
    Close();
}

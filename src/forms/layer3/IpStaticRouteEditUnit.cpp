#include "IpStaticRouteEditUnit.h"

#include "CatalogueColumns.h"
#include "DeviceFacts.h"
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

TIpStaticRouteEditForm* IpStaticRouteEditForm = nullptr;

namespace {

using T = TIpStaticRouteEditForm;

// The route table's columns; the model copies share them.
constexpr auto& kTable = Columns::IpStaticRouteBackupStateTable;
constexpr int kDestination = ColumnOf(kTable, "Route Destination");
constexpr int kMask = ColumnOf(kTable, "Route Mask");
constexpr int kNextHop = ColumnOf(kTable, "Next Hop");
constexpr int kBackupState = ColumnOf(kTable, "Backup State");
constexpr int kMetric = ColumnOf(kTable, "Metric");
constexpr int kStatus = ColumnOf(kTable, "Status");
constexpr int kWeight = ColumnOf(kTable, "Weight");
constexpr int kInterfaceName = ColumnOf(kTable, "Route Interface Name");

// A default route's destination and mask are fixed at 0.0.0.0.
bool NotDefaultRoute(const T& dialog, bool) {
    return dialog.Mode != T::kDefaultRouteMode;
}

// The design's line i (96 DPI): the label, then the value.
constexpr FieldPlace Line(int i) {
    const int top = 16 + 32 * i;
    return {24, top + 3, 130, top, 180};
}

constexpr Field<T> kFields[] = {
    {.Column = kDestination,
     .Caption = "Destination",
     .Constraint = "%s{l16}",
     .Control = &T::DesEdit,
     .Label = &T::Label1,
     .Place = Line(0),
     .EnabledWhen = {.If = NotDefaultRoute, .How = FieldEnabling::EnabledOnly}},
    {.Column = kMask,
     .Caption = "Mask",
     .Constraint = "%s{l16}",
     .Control = &T::MaskEdit,
     .Label = &T::Label2,
     .Place = Line(1),
     .EnabledWhen = {.If = NotDefaultRoute, .How = FieldEnabling::EnabledOnly}},
    {.Column = kNextHop,
     .Caption = "Next Hop",
     .Constraint = "%s{l16}",
     .Control = &T::NextHopEdit,
     .Label = &T::Label3,
     .Place = Line(2)},
    {.Column = kBackupState,
     .Caption = "Backup State",
     .Control = &T::BakeupComboBox,
     .Label = &T::Label4,
     .Place = Line(3),
     .Omit = OmitWhen::Empty,
     .EnabledWhen = {.If = AlwaysEnabled<T>, .How = FieldEnabling::EnabledOnly}},
    {.Column = kMetric,
     .Caption = "Metric",
     .Constraint = "%i{n1x65535l5}",
     .Control = &T::MetricEdit,
     .Label = &T::Label5,
     .Place = Line(4),
     .Omit = OmitWhen::Empty},
    {.Column = kWeight,
     .Caption = "Weight",
     .Constraint = "%i{n0x4l1}",
     .Control = &T::edtWeight,
     .Label = &T::Label6,
     .Place = Line(5),
     .Omit = OmitWhen::Empty},
    {.Column = kInterfaceName,
     .Caption = "Interface Name",
     .Constraint = "%s{l32}",
     .Control = &T::InterfaceNameEdit,
     .Label = &T::Label7,
     .Place = Line(6),
     .Default = FieldDefault::Keep()}, // emptied for a default route only
    {.Column = kStatus,
     .Caption = "Status",
     .Control = &T::cbxStatus,
     .Label = &T::Label8,
     .Place = Line(7),
     .Flags = kFieldHidden,
     .Default = FieldDefault::Option("valid"),
     .EnabledWhen = {.If = NeverEnabled<T>, .How = FieldEnabling::EnabledOnly}},
};

constexpr const char* kValid = "valid";
constexpr const char* kZeroAddress = "0.0.0.0";
constexpr const char* kBroadcastAddress = "255.255.255.255";
constexpr size_t kAddressLength = 16;
constexpr int kFirstMetric = 1;
constexpr int kLastMetric = 65535;

// This dialog's own texts, full stops as the program has them.
constexpr const char* kDestinationNotSet = "Destination IP should be Set.";
constexpr const char* kIpNot16 = "IP should be 16 bit";
constexpr const char* kIpNot16Dot = "IP should be 16 bit.";
constexpr const char* kDestinationBroadcast = "Destination IP can not be 255.255.255.255";
constexpr const char* kMaskNotSet = "Mask should be Set";
constexpr const char* kNextHopNotSet = "Next Hop should be Set";
constexpr const char* kNextHopNotSetDot = "Next Hop should be Set.";
constexpr const char* kNextHopNot16 = "Next Hop should be 16 bit";
constexpr const char* kNextHopZero = "Next Hop can not be 0.0.0.0";
constexpr const char* kNextHopItself = "Next Hop can not be itself";
constexpr const char* kMetricRangeDot = "Metric should between 1-65535.";
constexpr const char* kMetricRange = "Metric should between 1-65535";
constexpr const char* kUseDefaultRoute =
    "If you want to add a default route which Destination IP and Mask both are 0.0.0.0, you should use Add "
    "Default Route button. If not, you can not add a static route with 0.0.0.0 as Mask. Do you want to add a "
    "defaut route?";

constexpr ButtonSpec<T> kButtons[] = {
    {&T::SetButton, "Set", &T::SetButtonClick},
    {&T::CloseButton, "Close", &T::CloseButtonClick},
};

// Set and Close beside the fields.
constexpr DialogFrame<T> kFrame = {.Width = 483,
                                   .Height = 313,
                                   .Caption = "Ip Static Route Edit",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .Status = FrameStatus::None,
                                   .ButtonPanel = &T::Panel2};

} // namespace

TIpStaticRouteEditForm::TIpStaticRouteEditForm(TComponent* owner)
    : TEditSubDialog(owner, kFrame.Width, kFrame.Height) {
    Panel1 = BuildFrame(this, kFrame);
    Fields = BuildFields<T>(this, Panel1, kFields, kTable);
}

void TIpStaticRouteEditForm::BindTo(DialogRequest& request) {
    BindListFields<T>(this, request, kFields);
}

void TIpStaticRouteEditForm::ModeDefaults() {
    Fields.Reset();
    if (Mode == kDefaultRouteMode) {
        DesEdit->SetText(kZeroAddress);
        MaskEdit->SetText(kZeroAddress);
        InterfaceNameEdit->SetText("");
    }
    Fields.Update(false);
}

bool TIpStaticRouteEditForm::CheckIpText(TEdit* edit) {
    if (!CheckDottedQuadText(edit)) { // with its own message
        FocusField(edit);
        return false;
    }
    return true;
}

bool TIpStaticRouteEditForm::ConfirmNotDefaultRoute(TEdit* edit) {
    if (MessageDlg(kUseDefaultRoute, mtConfirmation, mbOK | mbCancel) == mrOk) {
        Close();
    } else {
        FocusField(edit);
    }
    return false;
}

bool TIpStaticRouteEditForm::CheckAddInput() {
    const std::string destination = DesEdit->Text();
    if (destination.empty()) {
        return RefuseInput(DesEdit, kDestinationNotSet);
    }
    if (destination.size() > kAddressLength) {
        return RefuseInput(DesEdit, kIpNot16);
    }
    if (destination == kZeroAddress) {
        return ConfirmNotDefaultRoute(DesEdit);
    }
    if (destination == kBroadcastAddress) {
        return RefuseInput(DesEdit, kDestinationBroadcast);
    }
    if (!CheckIpText(DesEdit)) {
        return false;
    }
    const std::string mask = MaskEdit->Text();
    if (mask.empty()) {
        return RefuseInput(MaskEdit, kMaskNotSet);
    }
    if (mask.size() > kAddressLength) {
        return RefuseInput(MaskEdit, kIpNot16Dot);
    }
    if (!IsNetmaskText(MaskEdit)) {
        FocusField(MaskEdit); // no message: the design gives none
        return false;
    }
    if (mask == kZeroAddress) {
        return ConfirmNotDefaultRoute(MaskEdit);
    }
    return CheckNextHopAndMetric(kNextHopNotSet, kMetricRangeDot);
}

bool TIpStaticRouteEditForm::CheckDefaultRouteInput() {
    return CheckNextHopAndMetric(kNextHopNotSetDot, kMetricRange);
}

bool TIpStaticRouteEditForm::CheckNextHopAndMetric(const char* emptyText, const char* metricText) {
    const std::string nextHop = NextHopEdit->Text();
    if (nextHop.empty()) {
        return RefuseInput(NextHopEdit, emptyText);
    }
    if (nextHop.size() > kAddressLength) {
        return RefuseInput(NextHopEdit, kNextHopNot16);
    }
    if (nextHop == kZeroAddress) {
        return RefuseInput(NextHopEdit, kNextHopZero);
    }
    // By the octets: the switch's address written with a leading zero is the switch all the same.
    if (SameIPv4Address(nextHop, Facts().DeviceAddress)) {
        return RefuseInput(NextHopEdit, kNextHopItself);
    }
    if (!CheckIpText(NextHopEdit)) {
        return false;
    }
    if (!MetricEdit->Text().empty() && !IsNumberTextIn(MetricEdit, kFirstMetric, kLastMetric)) {
        return RefuseInput(MetricEdit, metricText);
    }
    return true;
}

void TIpStaticRouteEditForm::SetButtonClick(TObject*) {
    SelectOption(cbxStatus, kValid);
    if (!(Mode == kDefaultRouteMode ? CheckDefaultRouteInput() : CheckAddInput())) {
        return;
    }
    // Optional columns left empty are not sent.
    CreateRowThroughList(Fields.Carry(), {}, SubDialogFailure::Close);
}

void TIpStaticRouteEditForm::CloseButtonClick(TObject*) {
    Close();
}

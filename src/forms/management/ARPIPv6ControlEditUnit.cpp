#include "ARPIPv6ControlEditUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "InputValidators.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TPanel.h"
#include "UserDialogs.h"

TARPIPv6ControlEditForm* ARPIPv6ControlEditForm = nullptr;

namespace {

using T = TARPIPv6ControlEditForm;

constexpr auto& kTable = Columns::ARPIPV6ControlTable;

// This dialog's own texts.
constexpr const char* kSetAddress = "Please Set IPV6Address";
constexpr const char* kSetMac = "Please Set MAC Address";
constexpr const char* kInputIndex = "Please input an index first";

constexpr FieldEnabledWhen<T> kFixed = {.If = NeverEnabled<T>, .How = FieldEnabling::EnabledOnly};

// The design's line i (96 DPI): the label, then the value; an address of 32 digits fits.
constexpr FieldPlace Line(int i) {
    const int top = 14 + 30 * i;
    return {4, top + 3, 84, top, 208};
}

constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kTable, "IPv6 Address"),
     .Caption = "IPv6 Address",
     .Constraint = "%s{l32f}",
     .Control = &T::edtAddress,
     .Label = &T::Label1,
     .Place = Line(0)},
    {.Column = ColumnOf(kTable, "MAC Address"),
     .Caption = "MAC Address",
     .Constraint = "%h{l12}",
     .Control = &T::edtMac,
     .Label = &T::Label2,
     .Place = Line(1)},
    {.Column = ColumnOf(kTable, "Interface Name"),
     .Caption = "Interface Name",
     .Constraint = "%s{l12}",
     .Control = &T::edtInterface,
     .Kind = FieldKind::Edit, // a key the user types
     .Label = &T::Label3,
     .Place = Line(2)},
    {.Column = ColumnOf(kTable, "Reach State"),
     .Caption = "Reach State",
     .Combo = &T::cbxState,
     .Label = &T::Label4,
     .Place = Line(3),
     .Flags = kFieldHidden | kFieldDisabled,
     .EnabledWhen = kFixed},
    {.Column = ColumnOf(kTable, "Route Status"),
     .Caption = "Status",
     .Control = &T::cbxRowStatus,
     .Label = &T::Label5,
     .Place = Line(4),
     .Flags = kFieldHidden | kFieldDisabled,
     .Default = FieldDefault::Option("createAndGo"),
     .EnabledWhen = kFixed},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnSet, "Set", &T::btnSetClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 399,
                                   .Height = 171,
                                   .Position = poOwnerFormCenter,
                                   .Caption = "IPV6 ARP Control Edit",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .Status = FrameStatus::None,
                                   .ButtonPanel = &T::Panel2};

} // namespace

TARPIPv6ControlEditForm::TARPIPv6ControlEditForm(TComponent* owner)
    : TEditSubDialog(owner, kFrame.Width, kFrame.Height) {
    Panel1 = BuildFrame(this, kFrame);
    Fields = BuildFields<T>(this, Panel1, kFields, kTable);
}

void TARPIPv6ControlEditForm::BindTo(DialogRequest& request) {
    BindListFields<T>(this, request, kFields);
}

void TARPIPv6ControlEditForm::ModeDefaults() {
    Fields.Reset();
    Fields.Update(false);
}

bool TARPIPv6ControlEditForm::CheckIpv6Text(TEdit* edit) {
    if (CheckIPv6HexText(edit)) {
        return true;
    }
    FocusField(edit);
    return false;
}

bool TARPIPv6ControlEditForm::CheckMacText(TEdit* edit) {
    if (CheckMacHexText(edit)) {
        return true;
    }
    FocusField(edit);
    return false;
}

bool TARPIPv6ControlEditForm::CheckInput() {
    if (edtAddress->Text().empty()) {
        ShowMessage(kSetAddress);
        return false;
    }
    if (!CheckIpv6Text(edtAddress)) {
        return false;
    }
    if (edtMac->Text().empty()) {
        ShowMessage(kSetMac);
        return false;
    }
    if (!CheckMacText(edtMac)) {
        return false;
    }
    if (edtInterface->Text().empty()) {
        return RefuseInput(edtInterface, kInputIndex);
    }
    return true;
}

void TARPIPv6ControlEditForm::btnSetClick(TObject*) {
    if (!CheckInput()) {
        return;
    }
    CreateRowThroughList(Fields.Carry(), {.Locks = false}, SubDialogFailure::Close);
}

void TARPIPv6ControlEditForm::btnCloseClick(TObject*) {
    Close();
}

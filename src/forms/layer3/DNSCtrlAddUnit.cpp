#include "DNSCtrlAddUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "InputValidators.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TPanel.h"

TDNSCtrlAddForm* DNSCtrlAddForm = nullptr;

namespace {

using T = TDNSCtrlAddForm;

constexpr auto& kTable = Columns::DNSCtrlTable;

// The design's line i (96 DPI): the label, then the value.
constexpr FieldPlace Line(int i) {
    const int top = 14 + 28 * i;
    return {12, top + 3, 92, top, 150};
}

constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kTable, "Domain Name"),
     .Caption = "Domain Name",
     .Constraint = "%s{l32}",
     .Control = &T::edtName,
     .Label = &T::Label1,
     .Place = Line(0)},
    {.Column = ColumnOf(kTable, "IP Address"),
     .Caption = "IP Address",
     .Constraint = "%s{l16}",
     .Control = &T::edtIP,
     .Label = &T::Label2,
     .Place = Line(1)},
    {.Column = ColumnOf(kTable, "State"),
     .Caption = "State",
     .Control = &T::cbxState,
     .Label = &T::Label3,
     .Place = Line(2),
     .Flags = kFieldDisabled,
     .Default = FieldDefault::Option("valid"),
     .EnabledWhen = {.If = NeverEnabled<T>, .How = FieldEnabling::EnabledOnly}},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnAdd, "Add", &T::btnAddClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 362,
                                   .Height = 143,
                                   .Position = poScreenCenter,
                                   .Caption = "DNS Control Add",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .Status = FrameStatus::None,
                                   .ButtonPanel = &T::Panel2};

} // namespace

TDNSCtrlAddForm::TDNSCtrlAddForm(TComponent* owner) : TEditSubDialog(owner, kFrame.Width, kFrame.Height) {
    Panel1 = BuildFrame(this, kFrame);
    Fields = BuildFields<T>(this, Panel1, kFields, kTable);
}

void TDNSCtrlAddForm::BindTo(DialogRequest& request) {
    BindListFields<T>(this, request, kFields);
}

void TDNSCtrlAddForm::ModeDefaults() {
    Fields.Reset();
    Fields.Update(false);
}

void TDNSCtrlAddForm::btnAddClick(TObject*) {
    // The address is the entry's index: a text that is no IPv4 address would be sent as one.
    if (!CheckIPv4Text(edtIP)) {
        FocusField(edtIP);
        return;
    }
    CreateRowThroughList(Fields.Carry(), {}, SubDialogFailure::Close);
}

void TDNSCtrlAddForm::btnCloseClick(TObject*) {
    Close();
}

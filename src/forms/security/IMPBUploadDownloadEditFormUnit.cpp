#include "IMPBUploadDownloadEditFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "InputValidators.h"
#include "OptionItems.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "UserDialogs.h"
#include "VqException.h"

TIMPBUploadDownloadEditForm* IMPBUploadDownloadEditForm = nullptr;

namespace {

using T = TIMPBUploadDownloadEditForm;

constexpr auto& kTable = Columns::IMPBUplaodDownloadTable;

constexpr const char* kSetIpv6Address = "Please set IPv6 address.";
constexpr const char* kSetIpAddress = "Please set IP address.";
constexpr const char* kChooseAddressType = "Please choose ipv4 or ipv6 as the address type.";
constexpr const char* kInputFileName = "Please input a file name.";

// The framework's own refusal of a value it cannot collect ("Bad value of the associated SNMP
// variable's (partial) data!").
constexpr int kBadPartValue = -518;

// The design's rows, top to bottom (96 DPI); its hidden user name, password and TCP port rows are
// not built, so the file name and the action take their places.
constexpr FieldPlace Line(int i) {
    const int top = 16 + 32 * i;
    return {16, top + 3, 130, top, 150};
}

constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kTable, "Protocol"),
     .Caption = "Protocol",
     .Control = &T::ComboBoxProtocol,
     .Kind = FieldKind::ComboBox,
     .Label = &T::Label1,
     .Place = Line(0)},
    {.Column = ColumnOf(kTable, "Server IP Address Type"),
     .Caption = "Server Address Type",
     .Control = &T::ComboBoxAddType,
     .Label = &T::Label2,
     .Place = Line(1)},
    {.Column = ColumnOf(kTable, "Server IP Address"),
     .Caption = "Server Address",
     .Constraint = "%s{l32}",
     .Control = &T::edtAddress,
     .Label = &T::Label3,
     .Place = Line(2)},
    {.Column = ColumnOf(kTable, "File Name"),
     .Caption = "File Name",
     .Constraint = "%s{l64}",
     .Control = &T::EditFileName,
     .Label = &T::Label7,
     .Place = Line(3)},
    {.Column = ColumnOf(kTable, "Action"),
     .Caption = "Action",
     .Control = &T::cbxAction,
     .Label = &T::Label8,
     .Place = Line(4)},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnEdit, "Set", &T::btnEditClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

// As high as the action's line and 80 pixels below it (the design's height once its rows moved up).
constexpr DialogFrame<T> kFrame = {.Width = 390,
                                   .Height = 16 + 32 * 4 + 3 + 80,
                                   .Scale = DesignScale::None,
                                   .Caption = "IMPB Upload Download Edit",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .Status = FrameStatus::None,
                                   .ButtonPanel = &T::Panel2};

} // namespace

TIMPBUploadDownloadEditForm::TIMPBUploadDownloadEditForm(TComponent* owner)
    : TEditSubDialog(owner, kFrame.Width, kFrame.Height, DesignScale::None) {
    Panel1 = BuildFrame(this, kFrame);
    Fields = BuildFields<T>(this, Panel1, kFields, kTable);
}

void TIMPBUploadDownloadEditForm::BindTo(DialogRequest& request) {
    BindListFields<T>(this, request, kFields);
}

void TIMPBUploadDownloadEditForm::ModeDefaults() {
    Fields.Reset();
}

bool TIMPBUploadDownloadEditForm::CheckInput() {
    const bool empty = edtAddress->Text().empty();
    if (OptionSelected(ComboBoxAddType, "ipv6")) {
        if (empty) {
            ShowMessage(kSetIpv6Address);
            return false;
        }
        if (!CheckIPv6HexText(edtAddress)) { // with its own message
            FocusField(edtAddress);
            return false;
        }
    } else if (OptionSelected(ComboBoxAddType, "ipv4")) {
        if (empty) {
            ShowMessage(kSetIpAddress);
            return false;
        }
        if (!CheckIPv4Text(edtAddress)) { // with its own message
            FocusField(edtAddress);
            return false;
        }
    } else {
        // The switch's address value has no host-name form, and an address of no type would go
        // out as a meaningless one: only the two address types are sent.
        return RefuseInput(ComboBoxAddType, kChooseAddressType);
    }
    if (EditFileName->Text().empty()) {
        ShowMessage(kInputFileName);
        return false;
    }
    return true;
}

void TIMPBUploadDownloadEditForm::btnEditClick(TObject*) {
    if (!CheckInput()) {
        return;
    }
    // The type, the address, the file name and the action at the protocol's instance; the table
    // read right behind the SET. A protocol or action left unchosen cannot be collected: nothing
    // is sent, the refusal goes to the list's status line and the dialog closes, as after any
    // failed write.
    ::WriteThroughList(
        this, List,
        [this](DialogRequest&) {
            if (ComboBoxProtocol->ItemIndex() < 0 || cbxAction->ItemIndex() < 0) {
                RaiseVqError(kBadPartValue);
            }
            List->Send(WriteCarry::RowWithout({}));
        },
        ListLock::Leave, SubDialogFailure::Close);
}

void TIMPBUploadDownloadEditForm::btnCloseClick(TObject*) {
    Close();
}

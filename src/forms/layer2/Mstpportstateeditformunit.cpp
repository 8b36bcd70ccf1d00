#include "Mstpportstateeditformunit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "DialogLayout.h"
#include "FieldTable.h"
#include "Mstpportstateformunit.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TPanel.h"

TMSTPPortStateEditForm* MSTPPortStateEditForm = nullptr;

namespace {

using T = TMSTPPortStateEditForm;

// The columns' arcs are not in column order (.3 before .2): each is named by its caption.
constexpr auto& kTable = Columns::MSTPPortStateTable;
constexpr int kAdminHelloTime = ColumnOf(kTable, "Administration HelloTime");

// One line per column (96 DPI): the label at 16, the value at 160.
constexpr FieldPlace Line(int line, int width = 120) {
    const int top = 12 + 28 * line;
    return {16, top + 3, 160, top, width};
}

constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kTable, "Port"),
     .Caption = "Port Index",
     .Constraint = "%u",
     .Control = &T::edtPortIndex,
     .Place = Line(0)},
    {.Column = ColumnOf(kTable, "Operation HelloTime"),
     .Caption = "Operate Hello Time",
     .Constraint = "%u",
     .Edit = &T::edtOperHelloTime,
     .Place = Line(1)},
    {.Column = kAdminHelloTime,
     .Caption = "Admin Hello Time",
     .Constraint = "%i",
     .Control = &T::edtAdminHelloTime,
     .Place = Line(2)},
    {.Column = ColumnOf(kTable, "STP Port Enable"),
     .Caption = "Port Enable",
     .Control = &T::cbxPortEnable,
     .Place = Line(3)},
    {.Column = ColumnOf(kTable, "External Path Cost"),
     .Caption = "External Path Cost",
     .Constraint = "%i{n0x200000000l9}",
     .Control = &T::edtExtPathCost,
     .Place = Line(4)},
    {.Column = ColumnOf(kTable, "Migration"),
     .Caption = "Migration",
     .Control = &T::cbxMigration,
     .Place = Line(5)},
    {.Column = ColumnOf(kTable, "Administration Edge Port"),
     .Caption = "Admin Edge",
     .Control = &T::cbxAdminEdgePort,
     .Place = Line(6)},
    {.Column = ColumnOf(kTable, "Operation Edge Port"),
     .Caption = "Operate Edge",
     .Combo = &T::cbxOperEdgePort,
     .Place = Line(7)},
    {.Column = ColumnOf(kTable, "Administration P2P"),
     .Caption = "Admin P2P",
     .Control = &T::cbxAdminP2P,
     .Place = Line(8)},
    {.Column = ColumnOf(kTable, "Operation P2P"),
     .Caption = "Operate P2P",
     .Combo = &T::cbxOperP2P,
     .Place = Line(9)},
    {.Column = ColumnOf(kTable, "BPDU Filtering"),
     .Caption = "BPDU Filtering",
     .Control = &T::cbxBPDUFlt,
     .Place = Line(10)},
    {.Column = ColumnOf(kTable, "Restricted Role"),
     .Caption = "Restricted Role",
     .Control = &T::cbxSTPRole,
     .Place = Line(12)},
    {.Column = ColumnOf(kTable, "Restricted TCN"),
     .Caption = "Restricted TCN",
     .Control = &T::cbxSTPTCN,
     .Place = Line(13)},
};
// Under the BPDU filtering line, hidden and bound to nothing.
constexpr Field<T> kLoopbackField[] = {
    {.Caption = "Loopback Detection",
     .Combo = &T::cbxSTPlbd,
     .Label = &T::lblLBD,
     .Place = Line(11),
     .Flags = kFieldHidden},
};

// The versions whose ports take no hello time of their own.
constexpr const char* kStp = "stp";
constexpr const char* kRstp = "rstp";

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnEdit, "Set", &T::btnEditClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 401,
                                   .Height = 482,
                                   .Caption = "MSTP Port State Edit ",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .Status = FrameStatus::None,
                                   .ButtonPanel = &T::Panel1};

} // namespace

TMSTPPortStateEditForm::TMSTPPortStateEditForm(TComponent* owner)
    : TEditSubDialog(owner, kFrame.Width, kFrame.Height) {
    TPanel* fields = BuildFrame(this, kFrame);
    SetFormStyle(fsStayOnTop);
    Fields = BuildFields<T>(this, fields, kFields, kTable);
    Fields.Append(BuildFields<T>(this, fields, kLoopbackField));
}

void TMSTPPortStateEditForm::BindTo(DialogRequest& request) {
    BindListFields<T>(this, request, kFields);
}

void TMSTPPortStateEditForm::ModeDefaults() {
    FormActivate(this);
}

void TMSTPPortStateEditForm::FormActivate(TObject*) {
    // The read-only columns are shown, never typed.
    SetFieldsEnabled({edtPortIndex, edtOperHelloTime, cbxOperEdgePort, cbxOperP2P}, false,
                     FieldEnabling::KeepValue);
}

void TMSTPPortStateEditForm::btnEditClick(TObject*) {
    if (!List || !List->Request || List->Request->Busy) {
        return; // a walk under way: nothing, and the dialog stays open
    }
    const std::string version = MSTPPortStateForm ? MSTPPortStateForm->lblSTPVersion->Caption() : "";
    if (version == kStp || version == kRstp) {
        // The port's hello time is no setting here; the list reads the table again itself.
        WriteThroughList([this](DialogRequest&) { List->Send(WriteCarry::RowWithout({kAdminHelloTime})); },
                         WritePlan{}, SubDialogFailure::Close);
        return;
    }
    // MSTP, or a version never read: every setting, and the framework's re-read alone (the flag
    // is left as it is, so a refused SET leaves nothing locked).
    WriteThroughList([](DialogRequest& request) { WriteCarry::RowWithout({}).Send(request, true); },
                     WritePlan{.After = ReRead::None, .Locks = false}, SubDialogFailure::Close);
}

void TMSTPPortStateEditForm::btnCloseClick(TObject*) {
    Close();
}

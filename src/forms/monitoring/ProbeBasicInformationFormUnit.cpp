#include "ProbeBasicInformationFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldTable.h"
#include "Oid_rmonprobe.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TStaticText.h"

TProbeBasicInformationForm* ProbeBasicInformationForm = nullptr;

namespace {

using T = TProbeBasicInformationForm;

// The RMON groups the switch supports, shown whatever the probe reports.
constexpr const char* kCapabilities = "etherStats,historyControl,etherHistory,alarm,event,probeConfig";

constexpr auto& kTable = Columns::ProbeBasicInformation;

constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kTable, "Capabilities"),
     .Constraint = "%s",
     .Edit = &T::edtCap,
     .Place = {0, 0, 450, 12, 20},
     .Flags = kFieldHidden},
    {.Column = ColumnOf(kTable, "Software revision"),
     .Caption = "Software Revision",
     .Text = &T::stSoftware,
     .Label = &T::Label2,
     .Place = {16, 47, 130, 45, 200}},
    {.Column = ColumnOf(kTable, "Hardware revision"),
     .Caption = "Hardware Revision",
     .Text = &T::stHardware,
     .Label = &T::Label3,
     .Place = {16, 77, 130, 75, 200}},
    {.Column = ColumnOf(kTable, "Reset Control"),
     .Caption = "Reset Control",
     .Combo = &T::cbxReset,
     .Label = &T::Label4,
     .Place = {16, 108, 130, 105, 145}},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnGet, "Refresh", &T::btnGetClick},
    {&T::btnSet, "Set", &T::btnSetClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 584,
                                   .Height = 196,
                                   .Caption = "Probe Basic Information",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .ButtonPanel = &T::Panel1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

} // namespace

TProbeBasicInformationForm::TProbeBasicInformationForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::None()) {
    TPanel* panel = BuildFrame(this, kFrame, Table);
    Label1 = AddLabel(this, panel, 16, 17, "Capabilities");
    stCap = AddSunkenText(this, panel, 130, 15, 313, 19);
    stCap->SetCaption(kCapabilities);
    Fields = BuildFields<T>(this, panel, kFields, kTable);
    Table.Refreshing = {.Leaves = RefreshLeaves::Unchanged};
}

void TProbeBasicInformationForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request =
            Table.CreateRequest(this, ProbeBasicInformation, SVT_SV, 0, {.Blocking = true});
        BindFields<T>(this, nullptr, request, kFields);
        Table.Read();
    });
}

void TProbeBasicInformationForm::btnGetClick(TObject*) {
    Table.Refresh();
}

void TProbeBasicInformationForm::btnSetClick(TObject*) {
    // Reset Control is the one writable value: no question, and no read after it.
    Table.Write(Fields.Carry(), {.After = ReRead::None, .Locks = false});
}

void TProbeBasicInformationForm::btnCloseClick(TObject*) {
    Close();
}

void TProbeBasicInformationForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}

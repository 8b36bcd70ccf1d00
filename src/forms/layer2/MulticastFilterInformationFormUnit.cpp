#include "MulticastFilterInformationFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "DialogTexts.h"
#include "Oid_bridge.h"
#include "TButton.h"
#include "TEdit.h"

TMulticastFilterInformationForm* MulticastFilterInformationForm = nullptr;

namespace {

using T = TMulticastFilterInformationForm;

// The unicast dialog's shape over the multicast table (its forbidden ports are not in the list).
constexpr auto& kTable = Columns::MulticastFilterInformation;
constexpr int kEgress = ColumnOf(kTable, "Egress Ports");
constexpr MacPortEntryTable kEntry = {.Table = MulticastFilterInformation,
                                      .KeyCount = 3,
                                      .Vlan = ColumnOf(kTable, "Index"),
                                      .Mac = ColumnOf(kTable, "MAC Address"),
                                      .Ports = kEgress,
                                      .Status = ColumnOf(kTable, "Row Status"),
                                      .PortsTab = "Egress Ports",
                                      .MacCaption = "MAC Address",
                                      .MacConstraint = "%h"};

constexpr const char* kPleaseInputVlanIdAndMac = "Please input VLAN ID and MAC Address.";

// Every write leaves no entry chosen and the fields cleared, and reports in the status templates.
constexpr WritePlan kWrite = {
    .Report = FailureReport::Template, .Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::RefreshBtn, "Refresh", &T::RefreshBtnClick}, {&T::SetBtn, "Set", &T::SetBtnClick},
    {&T::btnDelete, "Delete", &T::btnDeleteClick},    {&T::AddBtn, "Add", &T::AddBtnClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 659,
                                   .Height = 449,
                                   .Caption = "Multicast Filter InformationForm",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 130,
                                   .RowsHeight = 40,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::ST_Count,
                                   .SamplesLabel = &T::Label1,
                                   .List = &T::LV_dot1qStaticMulticastEntry,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .Tabs = &T::PageControl1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::LV_dot1qStaticMulticastEntryClick,
                                   .OnListChange = &T::LV_dot1qStaticMulticastEntryChange,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TMulticastFilterInformationForm::TMulticastFilterInformationForm(TComponent* owner)
    : TMacPortEntryForm(owner, kEntry, DialogText::kGetDataNotComplete, WriteStyle::FrameworkReRead) {
    BuildEntryFields(BuildFrame(this, kFrame, Table));
    Table.Failures = FailureReport::Template;
    Table.StatusItems = {.Active = "permanent", .CreateAndGo = "permanent", .Destroy = "invalid"};
    // Refresh reads at once, even over a walk under way.
    Table.Refreshing.SkipBusy = false;
    Table.Deleting = {.Style = DeleteStyle::Confirmed, .Write = kWrite};
}

void TMulticastFilterInformationForm::FormCreate(TObject*) {
    CreateEntry(PageControl1);
}

void TMulticastFilterInformationForm::UpdateButtons(bool rowChosen) {
    EntryButtons(rowChosen, AddBtn, SetBtn, btnDelete);
}

void TMulticastFilterInformationForm::RefreshBtnClick(TObject*) {
    Table.Refresh();
}

void TMulticastFilterInformationForm::SetBtnClick(TObject*) {
    if (!Table.MayAct() || !Table.RowChosen()) {
        return;
    }
    // The egress ports of the chosen entry; its status stays as it is.
    Table.Write(WriteCarry::Only({kEgress}), kWrite);
}

void TMulticastFilterInformationForm::AddBtnClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    if (RefuseKey(kPleaseInputVlanIdAndMac)) {
        return;
    }
    Table.Write([this] { Table.CreateRow(Fields.Carry()); }, kWrite);
}

void TMulticastFilterInformationForm::btnDeleteClick(TObject*) {
    Table.Delete();
}

void TMulticastFilterInformationForm::btnCloseClick(TObject*) {
    Close();
}

void TMulticastFilterInformationForm::LV_dot1qStaticMulticastEntryChange(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TMulticastFilterInformationForm::LV_dot1qStaticMulticastEntryClick(TObject*) {
    Table.SelectionChanged();
}

void TMulticastFilterInformationForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}

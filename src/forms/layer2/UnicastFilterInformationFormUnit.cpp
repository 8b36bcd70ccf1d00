#include "UnicastFilterInformationFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "DialogTexts.h"
#include "Oid_bridge.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TEdit.h"
#include "UserDialogs.h"

TUnicastFilterInformationForm* UnicastFilterInformationForm = nullptr;

namespace {

using T = TUnicastFilterInformationForm;

// Keyed by FDB identifier, MAC address and receive port (no control: 0 for a new entry).
constexpr auto& kTable = Columns::UnicastFilterInformation;
constexpr MacPortEntryTable kEntry = {.Table = UnicastFilterInformation,
                                      .KeyCount = 3,
                                      .Vlan = ColumnOf(kTable, "Index"),
                                      .Mac = ColumnOf(kTable, "Unicast Address"),
                                      .Ports = ColumnOf(kTable, "Allowed Ports"),
                                      .Status = ColumnOf(kTable, "Row Status"),
                                      .PortsTab = "Allowed Ports",
                                      .MacCaption = "MAC  Address",
                                      .MacConstraint = "%h"};

constexpr const char* kPleaseInputVlanIdAndMac = "Please input VLAN ID and MAC Address.";
constexpr const char* kSelectAPort = "Please select a port to config,be sure the VLAN contains the port.";

// Add and Delete leave no entry chosen and the fields cleared, whatever became of the write.
constexpr WritePlan kLeavesNoRow = {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::RefreshBtn, "Refresh", &T::RefreshBtnClick},
    {&T::ADDBtn, "Add", &T::ADDBtnClick},
    {&T::DeleteBtn, "Delete", &T::DeleteBtnClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 695,
                                   .Height = 479,
                                   .Caption = "UnicastFilterInformationForm",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 150,
                                   .RowsHeight = 40,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::ST_Count,
                                   .SamplesLabel = &T::Label1,
                                   .List = &T::LV_dot1qStaticUnicastEntry,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .Tabs = &T::PageControl1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::LV_dot1qStaticUnicastEntryClick,
                                   .OnListChange = &T::LV_dot1qStaticUnicastEntryChange,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TUnicastFilterInformationForm::TUnicastFilterInformationForm(TComponent* owner)
    : TMacPortEntryForm(owner, kEntry, DialogText::kGetDataNotCompleteDot, WriteStyle::FrameworkReRead) {
    BuildEntryFields(BuildFrame(this, kFrame, Table));
    Table.Failures = FailureReport::Template;
    Table.StatusItems = {.Active = "permanent", .CreateAndGo = "permanent", .Destroy = "invalid"};
    Table.Deleting = {.Style = DeleteStyle::Confirmed, .Write = kLeavesNoRow};
}

void TUnicastFilterInformationForm::FormCreate(TObject*) {
    CreateEntry(PageControl1);
}

void TUnicastFilterInformationForm::UpdateButtons(bool rowChosen) {
    EntryButtons(rowChosen, ADDBtn, nullptr, DeleteBtn);
}

void TUnicastFilterInformationForm::RefreshBtnClick(TObject*) {
    Table.Refresh();
}

void TUnicastFilterInformationForm::ADDBtnClick(TObject*) {
    // The typed key is checked before the guard: an incomplete key is refused even during a walk.
    if (RefuseKey(kPleaseInputVlanIdAndMac)) {
        return;
    }
    if (!Table.MayAct()) {
        return;
    }
    if (Pickers.Pickers.at(0)->CountCheckedPorts() == 0) {
        ShowMessage(kSelectAPort);
        return;
    }
    Table.Write([this] { Table.CreateRow(Fields.Carry()); }, kLeavesNoRow);
}

void TUnicastFilterInformationForm::DeleteBtnClick(TObject*) {
    Table.Delete();
}

void TUnicastFilterInformationForm::btnCloseClick(TObject*) {
    Close();
}

void TUnicastFilterInformationForm::LV_dot1qStaticUnicastEntryChange(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TUnicastFilterInformationForm::LV_dot1qStaticUnicastEntryClick(TObject*) {
    Table.SelectionChanged();
}

void TUnicastFilterInformationForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}

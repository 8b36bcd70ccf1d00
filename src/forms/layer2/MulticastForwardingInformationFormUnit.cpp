#include "MulticastForwardingInformationFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "Oid_bridge.h"
#include "TButton.h"

TMulticastForwardingInformationForm* MulticastForwardingInformationForm = nullptr;

namespace {

using T = TMulticastForwardingInformationForm;

// The forward-unregistered table, indexed by VLAN.
constexpr auto& kTable = Columns::MulticastForwardingInformation;
constexpr int kAllPorts = ColumnOf(kTable, "All Ports");
constexpr int kStaticPorts = ColumnOf(kTable, "Static Ports");
constexpr int kForbiddenPorts = ColumnOf(kTable, "Forbidden Ports");
constexpr int kIndexColumns = 1;

const std::vector<PortListColumn> kPortColumns = {
    {kAllPorts, "Forward Ports"},
    {kStaticPorts, "Static Ports"},
    {kForbiddenPorts, "Forbidden Ports"},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::RefreshBtn, "Refresh", &T::RefreshBtnClick},
    {&T::SetBtn, "Set", &T::SetBtnClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

// Refresh and Set, the count without a label, then Close; the list over the port tabs.
constexpr DialogFrame<T> kFrame = {.Width = 696,
                                   .Height = 514,
                                   .Caption = "Multicast Forwarding Information Form",
                                   .Buttons = kButtons,
                                   .CountAfter = 2,
                                   .ListHeight = 190,
                                   .RowsHeight = 0,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::ST_Count,
                                   .List = &T::LV_dot1qForwardUnregisteredEntry,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .Tabs = &T::PageControl1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListChange = &T::LV_dot1qForwardUnregisteredEntryChange,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TMulticastForwardingInformationForm::TMulticastForwardingInformationForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::None(), WriteStyle::FrameworkReRead) {
    BuildFrame(this, kFrame, Table);
    Table.Failures = FailureReport::Template;
    // No guard: a read under way is superseded by the new one, and no VLAN shows after it.
    Table.Refreshing = {.Leaves = RefreshLeaves::NoRowKept};
}

void TMulticastForwardingInformationForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::Tabs(PageControl1), kPortColumns, FixedPortIndexList());
        DialogRequest& request =
            Table.CreateRequest(this, MulticastForwardingInformation, MVT_FMV, kIndexColumns);
        Pickers.Bind(request);
        Pickers.GuardSelection(Table);
        Table.Read();
    });
    UpdateButtons(false);
}

void TMulticastForwardingInformationForm::UpdateButtons(bool rowShown) {
    SetBtn->SetEnabled(rowShown);
}

void TMulticastForwardingInformationForm::RefreshBtnClick(TObject*) {
    Table.Refresh();
}

void TMulticastForwardingInformationForm::SetBtnClick(TObject*) {
    if (!Table.RowChosen() || !Table.MayAct()) {
        return;
    }
    // The static and forbidden ports of the selected VLAN in one SET ("All Ports" is never
    // written); the framework reads the table again once the switch has taken it.
    Table.Write(WriteCarry::Only({kStaticPorts, kForbiddenPorts}), {.Report = FailureReport::Template});
}

void TMulticastForwardingInformationForm::LV_dot1qForwardUnregisteredEntryChange(TObject*, TListItem*,
                                                                                 TItemChange) {
    Table.ListChanged();
}

void TMulticastForwardingInformationForm::btnCloseClick(TObject*) {
    Close();
}

void TMulticastForwardingInformationForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}

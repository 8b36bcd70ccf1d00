#include "TpGroupDestinationForwardedFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "Oid_bridge.h"
#include "TButton.h"

TTpGroupDestinationForwardedForm* TpGroupDestinationForwardedForm = nullptr;

namespace {

using T = TTpGroupDestinationForwardedForm;

// The learned group table, indexed by VLAN and group address.
constexpr auto& kTable = Columns::FilteringInformation;
constexpr int kEgressPorts = ColumnOf(kTable, "Egress Ports");
constexpr int kGmrpPorts = ColumnOf(kTable, "GMRP Learnt Ports");
constexpr int kIndexColumns = 2;

const std::vector<PortListColumn> kPortColumns = {
    {kEgressPorts, "Egress Ports"},
    {kGmrpPorts, "GMRP Learning Ports"},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::RefreshBtn, "Refresh", &T::RefreshBtnClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

// Refresh and Close, then the count without a label; the list over the port tabs.
constexpr DialogFrame<T> kFrame = {.Width = 696,
                                   .Height = 460,
                                   .Caption = "Tp Group Destination Forwarded Form",
                                   .Buttons = kButtons,
                                   .CountAfter = 2,
                                   .ListHeight = 170,
                                   .RowsHeight = 0,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .List = &T::LV_dot1qTpGroupEntry,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .Tabs = &T::PageControl1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListChange = &T::LV_dot1qTpGroupEntryChange,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

} // namespace

TTpGroupDestinationForwardedForm::TTpGroupDestinationForwardedForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::None()) {
    BuildFrame(this, kFrame, Table);
    Table.Failures = FailureReport::Template;
    // No guard: a read under way is superseded by the new one, which is all Refresh does.
    Table.Refreshing = {.Leaves = RefreshLeaves::Unchanged};
}

void TTpGroupDestinationForwardedForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::Tabs(PageControl1), kPortColumns, FixedPortIndexList());
        DialogRequest& request = Table.CreateRequest(this, FilteringInformation, MVT_UMV, kIndexColumns);
        Pickers.Bind(request);
        Pickers.GuardSelection(Table);
        Table.Read();
    });
}

void TTpGroupDestinationForwardedForm::RefreshBtnClick(TObject*) {
    Table.Refresh();
}

void TTpGroupDestinationForwardedForm::LV_dot1qTpGroupEntryChange(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TTpGroupDestinationForwardedForm::btnCloseClick(TObject*) {
    Close();
}

void TTpGroupDestinationForwardedForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}

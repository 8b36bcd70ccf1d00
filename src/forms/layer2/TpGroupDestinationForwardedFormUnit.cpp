#include "TpGroupDestinationForwardedFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogLayout.h"
#include "Oid_bridge.h"
#include "TButton.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TStaticText.h"
#include "TStatusBar.h"

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

constexpr int kDesignWidth = 696;
constexpr int kDesignHeight = 460;
constexpr int kListHeight = 170;

} // namespace

TTpGroupDestinationForwardedForm::TTpGroupDestinationForwardedForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::None()) {
    DesignDialog(this, kDesignWidth, kDesignHeight);
    SetCaption("Tp Group Destination Forwarded Form");

    // Refresh and Close, then the count without a label.
    ButtonColumn buttons(this, nullptr);
    Panel1 = buttons.Panel;
    AddButtons(buttons, this, kButtons);
    StaticText1 = buttons.AddCount();
    StatusBar1 = AddStatusBar(this);

    const ListArea area = AddListArea(this, kListHeight);
    LV_dot1qTpGroupEntry = area.List;
    Splitter1 = area.Splitter;
    Panel2 = area.Fields;
    LV_dot1qTpGroupEntry->OnChange = Bind(this, &T::LV_dot1qTpGroupEntryChange);
    PageControl1 = AddFieldsAndTabs(this, Panel2, 0).Tabs;

    Table.List = LV_dot1qTpGroupEntry;
    Table.CountLabel = StaticText1;
    Table.StatusPanel = StatusPanelOf(StatusBar1);
    Table.Failures = FailureReport::Template;

    OnCreate = Bind(this, &T::FormCreate);
    OnClose = Bind(this, &T::FormClose);
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
    // No guard: a read under way is superseded by this one.
    Table.Read();
}

void TTpGroupDestinationForwardedForm::LV_dot1qTpGroupEntryChange(TObject*, TListItem*, TItemChange) {
    Table.UpdateCount();
}

void TTpGroupDestinationForwardedForm::btnCloseClick(TObject*) {
    Close();
}

void TTpGroupDestinationForwardedForm::FormClose(TObject*, TCloseAction&) {
    Table.Close();
    Pickers.Free();
}

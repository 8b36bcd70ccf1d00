#include "MulticastForwardingInformationFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogLayout.h"
#include "Oid_bridge.h"
#include "TButton.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TStaticText.h"
#include "TStatusBar.h"

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

constexpr ButtonSpec<T> kTopButtons[] = {
    {&T::RefreshBtn, "Refresh", &T::RefreshBtnClick},
    {&T::SetBtn, "Set", &T::SetBtnClick},
};
constexpr ButtonSpec<T> kBottomButtons[] = {
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr int kDesignWidth = 696;
constexpr int kDesignHeight = 514;
constexpr int kListHeight = 190;

} // namespace

TMulticastForwardingInformationForm::TMulticastForwardingInformationForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::None(), WriteStyle::FrameworkReRead) {
    DesignDialog(this, kDesignWidth, kDesignHeight);
    SetCaption("Multicast Forwarding Information Form");

    // Refresh and Set, the count without a label, then Close.
    ButtonColumn buttons(this, nullptr);
    Panel1 = buttons.Panel;
    AddButtons(buttons, this, kTopButtons);
    ST_Count = buttons.AddCount();
    AddButtons(buttons, this, kBottomButtons);
    StatusBar1 = AddStatusBar(this);

    const ListArea area = AddListArea(this, kListHeight);
    LV_dot1qForwardUnregisteredEntry = area.List;
    Splitter1 = area.Splitter;
    Panel2 = area.Fields;
    LV_dot1qForwardUnregisteredEntry->OnChange = Bind(this, &T::LV_dot1qForwardUnregisteredEntryChange);
    PageControl1 = AddFieldsAndTabs(this, Panel2, 0).Tabs;

    Table.List = LV_dot1qForwardUnregisteredEntry;
    Table.CountLabel = ST_Count;
    Table.StatusPanel = StatusPanelOf(StatusBar1);
    Table.Failures = FailureReport::Template;
    // A read empties the list first: the guard has already said that no row shows.
    Table.AfterRead = [this] { UpdateButtons(RowShown); };

    OnCreate = Bind(this, &T::FormCreate);
    OnClose = Bind(this, &T::FormClose);
}

void TMulticastForwardingInformationForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::Tabs(PageControl1), kPortColumns, FixedPortIndexList());
        DialogRequest& request =
            Table.CreateRequest(this, MulticastForwardingInformation, MVT_FMV, kIndexColumns);
        Pickers.Bind(request);
        Pickers.GuardSelection(Table, [this](bool shown) { UpdateButtons(shown); });
        Table.Read();
    });
    UpdateButtons(false);
}

void TMulticastForwardingInformationForm::UpdateButtons(bool rowShown) {
    RowShown = rowShown;
    SetBtn->SetEnabled(rowShown);
}

void TMulticastForwardingInformationForm::RefreshBtnClick(TObject*) {
    // No guard: a read under way is superseded by this one.
    Table.Read();
    UpdateButtons(false);
}

void TMulticastForwardingInformationForm::SetBtnClick(TObject*) {
    if (!RowShown || !Table.MayAct()) {
        return;
    }
    // The static and forbidden ports of the selected VLAN in one SET ("All Ports" is never
    // written); the framework reads the table again once the switch has taken it.
    Table.Write(WriteCarry::Only({kStaticPorts, kForbiddenPorts}), {.Report = FailureReport::Template});
}

void TMulticastForwardingInformationForm::LV_dot1qForwardUnregisteredEntryChange(TObject*, TListItem*,
                                                                                 TItemChange) {
    Table.UpdateCount();
}

void TMulticastForwardingInformationForm::btnCloseClick(TObject*) {
    Close();
}

void TMulticastForwardingInformationForm::FormClose(TObject*, TCloseAction&) {
    Table.Close();
    Pickers.Free();
}

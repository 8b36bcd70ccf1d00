#include "ProxyUpstreamInterfaceFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldChecks.h"
#include "TButton.h"
#include "TEdit.h"

namespace {

using T = TProxyUpstreamInterfaceForm;

// The two tables share their layout: the columns are named in the IGMP table and proven to stand at
// the same places in the MLD one.
constexpr auto& kIgmp = Columns::IGMPSnoopingProxyUpstreamInterfaceTable;
constexpr auto& kMld = Columns::MLDSnoopingProxyUpstreamInterfaceTable;
constexpr int kVlanId = ColumnOf(kIgmp, "VLAN ID");
constexpr int kDynamicPorts = ColumnOf(kIgmp, "Dynamic Router Ports");
constexpr int kStaticPorts = ColumnOf(kIgmp, "Static Router Ports");
constexpr int kInterval = ColumnOf(kIgmp, "Unsolicited Report Interval");
constexpr int kSourceIp = ColumnOf(kIgmp, "Source IP");
static_assert(ColumnOf(kMld, "Index") == ColumnOf(kIgmp, "Index") && ColumnOf(kMld, "VLAN ID") == kVlanId &&
              ColumnOf(kMld, "Dynamic Router Ports") == kDynamicPorts &&
              ColumnOf(kMld, "Static Router Ports") == kStaticPorts &&
              ColumnOf(kMld, "Unsolicited Report Interval") == kInterval &&
              ColumnOf(kMld, "Source IP") == kSourceIp);
constexpr int kIndexColumns = 1;

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnGet, "Refresh", &T::btnGetClick},
    {&T::btnSet, "Set", &T::btnSetClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

// The twins' common frame; each gives its size and caption.
constexpr DialogFrame<T> kFrame = {.Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 110,
                                   .RowsHeight = 64,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Label5,
                                   .List = &T::ListView1,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .Tabs = &T::PageControl1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::ListView1Click,
                                   .OnListChange = &T::ListView1Changing,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TProxyUpstreamInterfaceForm::TProxyUpstreamInterfaceForm(TComponent* owner, const ProxyUpstreamDesign& design)
    : TForm(owner), Table(DialogGuard::None()), Design(design) {
    DialogFrame<T> frame = kFrame;
    frame.Width = design.Width;
    frame.Height = design.Height;
    frame.Caption = design.Caption;
    TPanel* rows = BuildFrame(this, frame, Table);
    Fields = BuildFields<T>(this, rows, design.Fields, design.Columns);
}

void TProxyUpstreamInterfaceForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::Tabs(PageControl1), {{kDynamicPorts, "Dynamic Router Ports"}});
        StaticPickers.Embed(this, PickerHost::Tabs(PageControl1), {{kStaticPorts, "Static Router Ports"}});
        DialogRequest& request = Table.CreateRequest(this, Design.Table, MVT_UMV, kIndexColumns);
        BindFields<T>(this, nullptr, request, Design.Fields);
        Pickers.Bind(request);
        StaticPickers.Bind(request);
        Table.Read();
    });
    ResetFields();
}

void TProxyUpstreamInterfaceForm::ResetFields() {
    Table.Clear();
    Table.UpdateState();
}

void TProxyUpstreamInterfaceForm::UpdateButtons(bool rowChosen) {
    btnSet->SetEnabled(rowChosen);
    Pickers.DisableAll();
}

void TProxyUpstreamInterfaceForm::btnGetClick(TObject*) {
    Table.Refresh();
}

void TProxyUpstreamInterfaceForm::ListView1Click(TObject*) {
    Table.SelectionChanged();
}

void TProxyUpstreamInterfaceForm::ListView1Changing(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TProxyUpstreamInterfaceForm::btnSetClick(TObject*) {
    if (!Table.RowChosen() || !Table.MayAct()) {
        return;
    }
    if (!Design.CheckSource(edtIPAddress)) {
        FocusField(edtIPAddress);
        return;
    }
    const WriteCarry carry = WriteCarry::Only({kVlanId, kStaticPorts, kInterval, kSourceIp});
    if (Design.ReadsAfterSet) {
        Table.Write(carry, {.Leaves = AfterWrite::NoRow});
    } else {
        // The list keeps the values it showed until the next Refresh.
        Table.Write(carry, {.After = ReRead::None, .Locks = false});
    }
}

void TProxyUpstreamInterfaceForm::btnCloseClick(TObject*) {
    Close();
}

void TProxyUpstreamInterfaceForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
    StaticPickers.Free();
}

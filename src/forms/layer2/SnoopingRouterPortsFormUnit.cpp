#include "SnoopingRouterPortsFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "DialogTexts.h"
#include "FieldTable.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"

namespace {

using T = TSnoopingRouterPortsForm;

// The two tables share their layout: the columns are named in the IGMP table and proven to stand at
// the same places in the MLD one.
constexpr auto& kIgmp = Columns::IGMPRouterPortsTable;
constexpr auto& kMld = Columns::MLDRouterProtsTable;
constexpr int kVlanId = ColumnOf(kIgmp, "VLAN ID");
constexpr int kStaticPorts = ColumnOf(kIgmp, "Static Router Ports");
constexpr int kDynamicPorts = ColumnOf(kIgmp, "Dynamic Router Ports");
constexpr int kForbiddenPorts = ColumnOf(kIgmp, "Forbidden Router Ports");
static_assert(ColumnOf(kMld, "VLAN ID") == kVlanId && ColumnOf(kMld, "Static Router Ports") == kStaticPorts &&
              ColumnOf(kMld, "Dynamic Router Ports") == kDynamicPorts &&
              ColumnOf(kMld, "Forbidden Router Ports") == kForbiddenPorts);
constexpr int kIndexColumns = 1;

constexpr Field<T> kFields[] = {
    {.Column = kVlanId,
     .Caption = "VLAN ID",
     .Control = &T::stVlanID,
     .Kind = FieldKind::StaticText,
     .Label = &T::Label1,
     .Place = {8, 10, 60, 8, 70}},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnGet, "Refresh", &T::btnGetClick},
    {&T::btnSet, "Set", &T::btnSetClick},
    {&T::btnStop, "Stop", &T::btnStopClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

// The twins' common frame; each gives its size and list height.
constexpr DialogFrame<T> kFrame = {.Buttons = kButtons,
                                   .Samples = "Samples",
                                   .RowsHeight = 34,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Label2,
                                   .List = &T::ListView1,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .Tabs = &T::PageControl1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListClick = &T::ListView1Click,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnCloseQuery = &T::FormCloseQuery,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TSnoopingRouterPortsForm::TSnoopingRouterPortsForm(TComponent* owner, const RouterPortsDesign& design)
    : TForm(owner), Table(DialogGuard::Flag(DialogText::kGetDataNotComplete)), Design(design) {
    DialogFrame<T> frame = kFrame;
    frame.Width = design.Width;
    frame.Height = design.Height;
    frame.ListHeight = design.ListHeight;
    TPanel* rows = BuildFrame(this, frame, Table);
    Fields = BuildFields<T>(this, rows, kFields);
}

void TSnoopingRouterPortsForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        Pickers.Embed(this, PickerHost::Tabs(PageControl1), Design.PortColumns);
        DialogRequest& request = Table.CreateRequest(this, Design.Table, Design.Kind, kIndexColumns);
        BindFields<T>(this, nullptr, request, kFields);
        Pickers.Bind(request);
        Table.Read();
    });
    UpdateButtons(false);
}

void TSnoopingRouterPortsForm::ResetFields() {
    Table.Clear();
    Table.UpdateState();
}

void TSnoopingRouterPortsForm::UpdateButtons(bool rowChosen) {
    btnSet->SetEnabled(rowChosen);
    for (size_t k = 0; k < Pickers.Pickers.size(); ++k) {
        if (Pickers.Columns[k].Column == kDynamicPorts) {
            Pickers.Pickers[k]->DisableAllPorts();
        } else {
            Pickers.Pickers[k]->EnableAllPorts();
        }
    }
}

void TSnoopingRouterPortsForm::btnGetClick(TObject*) {
    Table.Refresh();
}

void TSnoopingRouterPortsForm::ListView1Click(TObject*) {
    Table.SelectionChanged();
}

void TSnoopingRouterPortsForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TSnoopingRouterPortsForm::btnSetClick(TObject*) {
    if (!Table.RowChosen() || !Table.MayAct()) {
        return;
    }
    // The two configured lists of the chosen VLAN; the learned one is the switch's.
    Table.Write(WriteCarry::Only({kStaticPorts, kForbiddenPorts}), {.Leaves = AfterWrite::NoRow});
}

void TSnoopingRouterPortsForm::btnStopClick(TObject*) {
    Table.Stop();
}

void TSnoopingRouterPortsForm::btnCloseClick(TObject*) {
    Close();
}

void TSnoopingRouterPortsForm::FormCloseQuery(TObject*, bool& canClose) {
    canClose = Table.MayClose();
}

void TSnoopingRouterPortsForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}

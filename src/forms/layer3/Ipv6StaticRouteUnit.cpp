#include "Ipv6StaticRouteUnit.h"

#include "CatalogueColumns.h"
#include "DeviceFacts.h"
#include "DialogFrame.h"
#include "DialogTexts.h"
#include "Ipv6StaticRouteEditUnit.h"
#include "Oid_l3.h"
#include "TButton.h"

TIpv6StaticRouteForm* Ipv6StaticRouteForm = nullptr;

namespace {

using T = TIpv6StaticRouteForm;

constexpr const char* kKaEdition = "KA";
constexpr auto& kTable = Columns::Ipv6StaticRouteTable;
constexpr int kKeyCount = 4; // destination, prefix length, interface name, next hop
constexpr int kMetric = ColumnOf(kTable, "Metric");

// Delete and Refresh refuse while the table is busy, Refresh silently; the add buttons and Close
// never refuse.
constexpr DialogGuard kGuard = {.Text = DialogText::kGetDataNotComplete,
                                .Act = RefuseWhen::Busy,
                                .Refresh = RefuseWhen::Busy,
                                .RefreshText = nullptr};

// The buttons at the design's tops (96 DPI).
constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnGet, "Refresh", &T::btnGetClick, 40},
    {&T::btnAddDefault, "Add Default", &T::btnAddDefaultClick, 74},
    {&T::btnAdd, "Add", &T::btnAddClick, 108},
    {&T::btnDelete, "Delete", &T::btnDeleteClick, 142},
    {&T::btnClose, "Close", &T::btnCloseClick, 175},
};

constexpr DialogFrame<T> kFrame = {.Width = 554,
                                   .Height = 356,
                                   .Position = poScreenCenter,
                                   .Caption = "IPV6 Static Route",
                                   .Buttons = kButtons,
                                   .Samples = ButtonColumn::kCountOnly,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .ListPanel = &T::Panel2,
                                   .List = &T::ListView1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListSelectItem = &T::ListView1SelectItem,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TIpv6StaticRouteForm::TIpv6StaticRouteForm(TComponent* owner) : TForm(owner), Table(kGuard) {
    BuildFrame(this, kFrame, Table);
    Table.Refreshing = {.Leaves = RefreshLeaves::NoRowKept};
    // The row status destroy with the route's backup state, no question. The row's instance comes
    // from the edit dialog's fields, which Add and Add Default empty while the route stays chosen:
    // they take the chosen route again first.
    Table.Deleting = {
        .Destroy = WriteCarry::RowWithout({kMetric}),
        .RefillRow = true,
        .NoRowText = DialogText::kChooseTheItemFirst,
        .Write = {.Leaves = AfterWrite::StateOfNoRow, .LeavesFailed = AfterWrite::StateOfNoRow}};
}

void TIpv6StaticRouteForm::FormCreate(TObject*) {
    if (Facts().FirmwareMode == kKaEdition) {
        // "Add Default" stays.
        HideButtonAndCloseUp(btnAdd, {btnDelete, btnClose});
    }
    CreateSubDialog(this, Table, Ipv6StaticRouteEditForm);
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, Ipv6StaticRouteTable, MVT_UMV, kKeyCount);
        Ipv6StaticRouteEditForm->BindTo(request);
        Table.StatusColumn = ColumnOf(kTable, "Status");
        Table.StatusCombo = Ipv6StaticRouteEditForm->cbxStatus;
        Table.Read();
    });
    UpdateButtons(false);
}

void TIpv6StaticRouteForm::UpdateButtons(bool rowChosen) {
    btnDelete->SetEnabled(rowChosen);
}

void TIpv6StaticRouteForm::ListView1SelectItem(TObject*, TListItem*, bool) {
    Table.SelectionChanged();
}

void TIpv6StaticRouteForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TIpv6StaticRouteForm::btnGetClick(TObject*) {
    Table.Refresh();
}

void TIpv6StaticRouteForm::ShowEditDialog(int mode, const char* suffix) {
    Table.Report([&] { Ipv6StaticRouteEditForm->ShowFor(mode, suffix); });
}

void TIpv6StaticRouteForm::btnAddClick(TObject*) {
    ShowEditDialog(TIpv6StaticRouteEditForm::kAddMode, " (Add)");
}

void TIpv6StaticRouteForm::btnAddDefaultClick(TObject*) {
    ShowEditDialog(TIpv6StaticRouteEditForm::kDefaultRouteMode, " (Add default)");
}

void TIpv6StaticRouteForm::btnDeleteClick(TObject*) {
    Table.Delete();
}

void TIpv6StaticRouteForm::btnCloseClick(TObject*) {
    Close();
}

void TIpv6StaticRouteForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}

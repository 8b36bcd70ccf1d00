#include "Ipv6StaticRouteUnit.h"

#include "CatalogueColumns.h"
#include "DeviceFacts.h"
#include "DialogLayout.h"
#include "DialogTexts.h"
#include "EditSubDialog.h"
#include "Ipv6StaticRouteEditUnit.h"
#include "Oid_l3.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TPanel.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "UserDialogs.h"

TIpv6StaticRouteForm* Ipv6StaticRouteForm = nullptr;

TableDialogController* Ipv6StaticRouteListTable() {
    return Ipv6StaticRouteForm ? &Ipv6StaticRouteForm->Table : nullptr;
}

namespace {

using T = TIpv6StaticRouteForm;

constexpr const char* kTitle = "IPv6 Static Route Table";
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

constexpr int kDesignWidth = 554;
constexpr int kDesignHeight = 356;

} // namespace

TIpv6StaticRouteForm::TIpv6StaticRouteForm(TComponent* owner) : TForm(owner), Table(kGuard) {
    DesignDialog(this, kDesignWidth, kDesignHeight);
    SetPosition(poScreenCenter);
    SetCaption("IPV6 Static Route");

    ButtonColumn buttons(this, ButtonColumn::kCountOnly);
    Panel1 = buttons.Panel;
    StaticText1 = buttons.Count;
    AddButtons(buttons, this, kButtons);
    StatusBar1 = AddStatusBar(this);
    const ListArea area = AddListArea(this, 0);
    Panel2 = area.Panel;
    ListView1 = area.List;
    ListView1->OnSelectItem = Bind(this, &T::ListView1SelectItem);
    ListView1->OnChange = Bind(this, &T::ListView1Change);

    Table.List = ListView1;
    Table.CountLabel = StaticText1;
    Table.StatusPanel = StatusPanelOf(StatusBar1);
    Table.AfterRead = [this] { UpdateButtons(ListView1->Selected() != nullptr); };

    OnCreate = Bind(this, &T::FormCreate);
    OnClose = Bind(this, &T::FormClose);
}

void TIpv6StaticRouteForm::FormCreate(TObject*) {
    if (Facts().FirmwareMode == kKaEdition) {
        // "Add Default" stays.
        HideButtonAndCloseUp(btnAdd, {btnDelete, btnClose});
    }
    Ipv6StaticRouteEditForm = CreateForm<TIpv6StaticRouteEditForm>(this);
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
    UpdateButtons(ListView1->Selected() != nullptr);
}

void TIpv6StaticRouteForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.UpdateCount();
}

void TIpv6StaticRouteForm::btnGetClick(TObject*) {
    if (!Table.MayRefresh()) {
        return;
    }
    Table.Read();
    UpdateButtons(false);
}

void TIpv6StaticRouteForm::ShowEditDialog(int mode, const char* suffix) {
    Table.Report([&] {
        Ipv6StaticRouteEditForm->Mode = mode;
        Ipv6StaticRouteEditForm->SetCaption(SubDialogCaption(kTitle, suffix));
        Ipv6StaticRouteEditForm->ShowModal();
    });
}

void TIpv6StaticRouteForm::btnAddClick(TObject*) {
    ShowEditDialog(TIpv6StaticRouteEditForm::kAddMode, " (Add)");
}

void TIpv6StaticRouteForm::btnAddDefaultClick(TObject*) {
    ShowEditDialog(TIpv6StaticRouteEditForm::kDefaultRouteMode, " (Add default)");
}

void TIpv6StaticRouteForm::btnDeleteClick(TObject*) {
    if (ListView1->Selected()) {
        if (!Table.MayAct()) {
            return;
        }
        Table.Write([this] {
            // The row's instance comes from the edit dialog's fields, which Add and Add Default
            // empty while the route stays chosen: they take the chosen route again first.
            Table.Request->ReadSelectedRow();
            Table.Request->FillControls(-1);
            // The row status destroy with the route's backup state; no question.
            Table.DestroyRow(WriteCarry::RowWithout({kMetric}));
        });
    } else {
        ShowMessage(DialogText::kChooseTheItemFirst);
    }
    UpdateButtons(false);
    Table.UpdateCount();
}

void TIpv6StaticRouteForm::btnCloseClick(TObject*) {
    Close();
}

void TIpv6StaticRouteForm::FormClose(TObject*, TCloseAction&) {
    Table.Close();
}

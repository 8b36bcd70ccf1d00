#include "IPStaticRouteUnit.h"

#include "CatalogueColumns.h"
#include "DeviceFacts.h"
#include "DialogLayout.h"
#include "DialogTexts.h"
#include "IpStaticRouteEditUnit.h"
#include "ModelTables.h"
#include "Oid_l3.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TPanel.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "UserDialogs.h"

TIpStaticRouteForm* IpStaticRouteForm = nullptr;

TableDialogController* IpStaticRouteListTable() {
    return IpStaticRouteForm ? &IpStaticRouteForm->Table : nullptr;
}

namespace {

using T = TIpStaticRouteForm;

constexpr const char* kKaEdition = "KA";
constexpr int kKeyCount = 3; // destination, mask, next hop

// The buttons at the design's tops (96 DPI), as wide as "Add Default Route" needs in the designed
// font (the column widened with them).
constexpr ButtonSpec<T> kButtons[] = {
    {&T::GetButton, "Refresh", &T::GetButtonClick, 66},
    {&T::btnDefaultRoute, "Add Default Route", &T::btnDefaultRouteClick, 94},
    {&T::AddButton, "Add", &T::AddButtonClick, 125},
    {&T::DeleteButton, "Delete", &T::DeleteButtonClick, 155},
    {&T::CloseButton, "Close", &T::CloseButtonClick, 186},
};
constexpr int kButtonWidth = 92;

constexpr int kDesignWidth = 552;
constexpr int kDesignHeight = 391;

} // namespace

TIpStaticRouteForm::TIpStaticRouteForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::Flag(DialogText::kGetDataNotComplete)) {
    DesignDialog(this, kDesignWidth, kDesignHeight);
    SetCaption("IP Static Route");

    ButtonColumn buttons(this, "Samples", ButtonColumn::kMargin, kButtonWidth);
    Panel1 = buttons.Panel;
    StaticText1 = buttons.Count;
    Label1 = buttons.Samples;
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
    // The status list of this table: valid creates a route, invalid removes it.
    Table.StatusItems = {.Active = "active", .CreateAndGo = "valid", .Destroy = "invalid"};
    Table.AfterRead = [this] { UpdateButtons(ListView1->Selected() != nullptr); };

    OnCreate = Bind(this, &T::FormCreate);
    OnCloseQuery = Bind(this, &T::FormCloseQuery);
    OnClose = Bind(this, &T::FormClose);
}

void TIpStaticRouteForm::FormCreate(TObject*) {
    if (Facts().FirmwareMode == kKaEdition) {
        // Routes are then made through "Add Default Route" only.
        HideButtonAndCloseUp(AddButton, {DeleteButton, CloseButton});
    }
    IpStaticRouteEditForm = CreateForm<TIpStaticRouteEditForm>(this);
    Table.Attempt([this] {
        const MibTableRow* table =
            ModelTable(IpStaticRouteBackupStateTable, Facts().SysObjectId, SysObjectIdMatch::IgnoreCase);
        if (!table) {
            Table.MarkUnsupported({btnDefaultRoute, AddButton, DeleteButton});
            return;
        }
        DialogRequest& request = Table.CreateRequest(this, table, MVT_UMV, kKeyCount);
        IpStaticRouteEditForm->BindTo(request);
        Table.StatusColumn = ColumnOf(Columns::IpStaticRouteBackupStateTable, "Status");
        Table.StatusCombo = IpStaticRouteEditForm->cbxStatus;
        Table.Read();
    });
    UpdateButtons(false);
}

void TIpStaticRouteForm::UpdateButtons(bool rowChosen) {
    btnDefaultRoute->SetEnabled(Table.Supported);
    AddButton->SetEnabled(Table.Supported);
    DeleteButton->SetEnabled(Table.Supported && rowChosen);
}

void TIpStaticRouteForm::ListView1SelectItem(TObject*, TListItem*, bool) {
    UpdateButtons(ListView1->Selected() != nullptr);
}

void TIpStaticRouteForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.UpdateCount();
}

void TIpStaticRouteForm::GetButtonClick(TObject*) {
    if (Table.MayRefresh()) {
        Table.Read();
    }
    UpdateButtons(false);
}

void TIpStaticRouteForm::ShowEditDialog(int mode, const char* suffix) {
    Table.Report([&] {
        IpStaticRouteEditForm->Mode = mode;
        IpStaticRouteEditForm->SetCaption(Caption() + suffix);
        IpStaticRouteEditForm->ShowModal();
    });
    ListView1->SetSelected(nullptr);
    UpdateButtons(false);
}

void TIpStaticRouteForm::AddButtonClick(TObject*) {
    if (Table.MayAct()) {
        ShowEditDialog(TIpStaticRouteEditForm::kAddMode, " (Add)");
    }
}

void TIpStaticRouteForm::btnDefaultRouteClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    ShowEditDialog(TIpStaticRouteEditForm::kDefaultRouteMode, " (Add Default Route)");
    // Read whatever the edit dialog did: a read of its own write still running gives way to this one.
    Table.Read();
}

void TIpStaticRouteForm::DeleteButtonClick(TObject*) {
    if (ListView1->Selected()) {
        if (!Table.MayAct()) {
            return;
        }
        Table.DeleteRow(); // the status invalid alone, no question
    } else {
        ShowMessage(DialogText::kChooseTheItemFirst);
    }
    ListView1->SetSelected(nullptr);
    UpdateButtons(false);
    Table.UpdateCount();
}

void TIpStaticRouteForm::CloseButtonClick(TObject*) {
    Close();
}

void TIpStaticRouteForm::FormCloseQuery(TObject*, bool& canClose) {
    canClose = Table.MayClose();
}

void TIpStaticRouteForm::FormClose(TObject*, TCloseAction& action) {
    Table.Close();
    action = caFree;
}

#include "IPStaticRouteUnit.h"

#include "CatalogueColumns.h"
#include "DeviceFacts.h"
#include "DialogFrame.h"
#include "DialogTexts.h"
#include "IpStaticRouteEditUnit.h"
#include "ModelTables.h"
#include "Oid_l3.h"
#include "TButton.h"
#include "TComboBox.h"

TIpStaticRouteForm* IpStaticRouteForm = nullptr;

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

constexpr DialogFrame<T> kFrame = {.Width = 552,
                                   .Height = 391,
                                   .Caption = "IP Static Route",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ButtonWidth = 92,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Label1,
                                   .ListPanel = &T::Panel2,
                                   .List = &T::ListView1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListSelectItem = &T::ListView1SelectItem,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnCloseQuery = &T::FormCloseQuery,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TIpStaticRouteForm::TIpStaticRouteForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::Flag(DialogText::kGetDataNotComplete)) {
    BuildFrame(this, kFrame, Table);
    // The status list of this table: valid creates a route, invalid removes it.
    Table.StatusItems = {.Active = "active", .CreateAndGo = "valid", .Destroy = "invalid"};
    // Refresh and Delete (the status invalid alone, no question) leave no route chosen.
    Table.Refreshing = {.Leaves = RefreshLeaves::NoRowAlways};
    Table.Deleting = {.NoRowText = DialogText::kChooseTheItemFirst,
                      .Write = {.Leaves = AfterWrite::NoRowKept, .LeavesFailed = AfterWrite::NoRowKept}};
}

void TIpStaticRouteForm::FormCreate(TObject*) {
    if (Facts().FirmwareMode == kKaEdition) {
        // Routes are then made through "Add Default Route" only.
        HideButtonAndCloseUp(AddButton, {DeleteButton, CloseButton});
    }
    CreateSubDialog(this, Table, IpStaticRouteEditForm);
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
    Table.SelectionChanged();
}

void TIpStaticRouteForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TIpStaticRouteForm::GetButtonClick(TObject*) {
    Table.Refresh();
}

void TIpStaticRouteForm::ShowEditDialog(int mode, const char* suffix) {
    Table.Report([&] { IpStaticRouteEditForm->ShowFor(mode, suffix); });
    Table.Unselect();
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
    Table.Delete();
}

void TIpStaticRouteForm::CloseButtonClick(TObject*) {
    Close();
}

void TIpStaticRouteForm::FormCloseQuery(TObject*, bool& canClose) {
    canClose = Table.MayClose();
}

void TIpStaticRouteForm::FormClose(TObject*, TCloseAction& action) {
    Table.Closing();
    action = caFree;
}

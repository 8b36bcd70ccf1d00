#include "IpCtrlFormUnit.h"

#include "DeviceFacts.h"
#include "DialogFrame.h"
#include "DialogTexts.h"
#include "IPCtrlEdtFormUnit.h"
#include "ModelTables.h"
#include "Oid_l3.h"
#include "TButton.h"
#include "TComboBox.h"
#include "UserDialogs.h"

TIpCtrlForm* IpCtrlForm = nullptr;

namespace {

using T = TIpCtrlForm;

constexpr const char* kKcEdition = "KC";
constexpr const char* kSystemInterface = "System";
constexpr const char* kSystemInterfaceUndeletable = "The system IP interface can't be deleted.";

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnRefresh, "Refresh", &T::btnRefreshClick},
    {&T::btnEdit, "Edit", &T::btnEditClick},
    {&T::btnAdd, "Add", &T::btnAddClick},
    {&T::btnDel, "Delete", &T::btnDelClick},
    {&T::btnStop, "Stop", &T::btnStopClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 671,
                                   .Height = 475,
                                   .Caption = "IP Control Form",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ButtonSplitter = true,
                                   .ButtonPanel = &T::pnlBtn,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Label1,
                                   .ButtonSplitterMember = &T::Splitter1,
                                   .ListPanel = &T::pnlData,
                                   .List = &T::ListView1,
                                   .StatusBar = &T::stbResult,
                                   .OnListDblClick = &T::ListView1DblClick,
                                   .OnListSelectItem = &T::ListView1SelectItem,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnCloseQuery = &T::FormCloseQuery,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

bool IsSystemInterface(const TListItem* row) {
    return row && row->Caption() == kSystemInterface;
}

} // namespace

TIpCtrlForm::TIpCtrlForm(TComponent* owner)
    : TBasicForm(owner, kFrame.Width, kFrame.Height),
      Table(DialogGuard::Flag(DialogText::kGetDataNotComplete)) {
    BuildFrame(this, kFrame, Table);
    // A delete leaves "Delete" off, whatever happened (the re-read empties the list).
    Table.Deleting = {
        .Write = {.Blocking = true, .Leaves = AfterWrite::State, .LeavesFailed = AfterWrite::State}};
    UpdateButtons(false);
}

void TIpCtrlForm::FormCreate(TObject*) {
    CreateSubDialog(this, Table, IPCtrlEdtForm);
    Table.Attempt([this] {
        const bool kc = Facts().FirmwareMode == kKcEdition;
        const MibTableRow* table = ModelTable(kc ? IpCtrlIndexTable2 : IpCtrlIndexTable, Facts().SysObjectId,
                                              SysObjectIdMatch::IgnoreCase);
        if (!table) {
            Table.MarkUnsupported({btnEdit, btnAdd, btnDel});
            return;
        }
        DialogRequest& request = Table.CreateRequest(this, table, MVT_FMV, 1);
        RowCount = request.Request.VarList.GetCount();
        KeyCount = request.Request.VarList.KeyCount;
        IPCtrlEdtForm->BindTo(request);
        Table.StatusColumn = RowCount - 1;
        Table.StatusCombo = IPCtrlEdtForm->cbxState;
        Table.Read();
    });
}

void TIpCtrlForm::UpdateButtons(bool rowChosen) {
    btnEdit->SetEnabled(rowChosen);
    btnAdd->SetEnabled(!rowChosen && Table.Supported);
    btnDel->SetEnabled(rowChosen && !IsSystemInterface(ListView1->Selected()));
}

void TIpCtrlForm::ListView1SelectItem(TObject*, TListItem*, bool) {
    Table.SelectionChanged();
}

void TIpCtrlForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TIpCtrlForm::ListView1DblClick(TObject*) {
    OpenEditDialog();
}

void TIpCtrlForm::btnRefreshClick(TObject*) {
    Table.Refresh();
}

void TIpCtrlForm::btnAddClick(TObject*) {
    if (Table.MayAct()) {
        IPCtrlEdtForm->ShowFor(TIPCtrlEdtForm::kAddMode, " (Add)");
    }
}

void TIpCtrlForm::btnEditClick(TObject*) {
    OpenEditDialog();
}

void TIpCtrlForm::OpenEditDialog() {
    // A missing selection is refused only once the table is read.
    if (Table.DataComplete && !ListView1->Selected()) {
        return;
    }
    if (!Table.MayAct()) {
        return;
    }
    IPCtrlEdtForm->ShowFor(TIPCtrlEdtForm::kEditMode, " (Edit)");
    Table.Unselect();
    Table.UpdateState();
}

void TIpCtrlForm::btnDelClick(TObject*) {
    if (IsSystemInterface(ListView1->Selected())) {
        if (Table.MayAct()) {
            ShowMessage(kSystemInterfaceUndeletable);
        }
        return;
    }
    Table.Delete();
}

void TIpCtrlForm::btnStopClick(TObject*) {
    Table.Stop();
}

void TIpCtrlForm::btnCloseClick(TObject*) {
    Close();
}

void TIpCtrlForm::FormCloseQuery(TObject*, bool& canClose) {
    canClose = Table.MayClose();
}

void TIpCtrlForm::FormClose(TObject*, TCloseAction& action) {
    Table.Closing();
    action = caFree;
}

#include "IpCtrlFormUnit.h"

#include "DeviceFacts.h"
#include "DialogLayout.h"
#include "DialogTexts.h"
#include "EditSubDialog.h"
#include "IPCtrlEdtFormUnit.h"
#include "ModelTables.h"
#include "Oid_l3.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TPanel.h"
#include "TSplitter.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "UserDialogs.h"

#include <vector>

TIpCtrlForm* IpCtrlForm = nullptr;

IpCtrlListTable IpCtrlList() {
    if (!IpCtrlForm) {
        return {nullptr, nullptr};
    }
    return {&IpCtrlForm->Table, IpCtrlForm};
}

namespace {

using T = TIpCtrlForm;

constexpr const char* kTitle = "IP Control Table";
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

constexpr int kDesignWidth = 671;
constexpr int kDesignHeight = 475;

} // namespace

TIpCtrlForm::TIpCtrlForm(TComponent* owner)
    : TBasicForm(owner, kDesignWidth, kDesignHeight),
      Table(DialogGuard::Flag(DialogText::kGetDataNotComplete)) {
    SetCaption("IP Control Form");
    ButtonColumn buttons(this, "Samples");
    pnlBtn = buttons.Panel;
    StaticText1 = buttons.Count;
    Label1 = buttons.Samples;
    AddButtons(buttons, this, kButtons);
    Splitter1 = new TSplitter(this);
    Splitter1->SetParent(this);
    Splitter1->SetWidth(3);
    Splitter1->SetAlign(alRight);
    stbResult = AddStatusBar(this);
    const ListArea area = AddListArea(this, 0);
    pnlData = area.Panel;
    ListView1 = area.List;
    ListView1->OnSelectItem = Bind(this, &T::ListView1SelectItem);
    ListView1->OnChange = Bind(this, &T::ListView1Change);
    ListView1->OnDblClick = Bind(this, &T::ListView1DblClick);

    Table.List = ListView1;
    Table.CountLabel = StaticText1;
    Table.StatusPanel = StatusPanelOf(stbResult);
    Table.AfterRead = [this] { UpdateButtons(); };
    UpdateButtons();

    OnCreate = Bind(this, &T::FormCreate);
    OnCloseQuery = Bind(this, &T::FormCloseQuery);
    OnClose = Bind(this, &T::FormClose);
}

void TIpCtrlForm::FormCreate(TObject*) {
    IPCtrlEdtForm = CreateForm<TIPCtrlEdtForm>(this);
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
        ExcludedRow = -1;
        RowCheckBoxes.clear();
        RowControls.clear();
        IPCtrlEdtForm->BindTo(this, request, kc);
        Table.StatusColumn = RowCount - 1;
        Table.StatusCombo = IPCtrlEdtForm->cbxState;
        Table.Read();
    });
}

void TIpCtrlForm::UpdateButtons(bool deletable) {
    const TListItem* row = ListView1->Selected();
    btnEdit->SetEnabled(row != nullptr);
    btnAdd->SetEnabled(!row && Table.Supported);
    btnDel->SetEnabled(deletable && row && row->Caption() != kSystemInterface);
}

void TIpCtrlForm::ListView1SelectItem(TObject*, TListItem*, bool) {
    UpdateButtons();
}

void TIpCtrlForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.UpdateCount();
}

void TIpCtrlForm::ListView1DblClick(TObject*) {
    OpenEditDialog();
}

void TIpCtrlForm::btnRefreshClick(TObject*) {
    if (Table.MayRefresh()) {
        Table.Read();
    }
}

void TIpCtrlForm::btnAddClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    IPCtrlEdtForm->SetCaption(SubDialogCaption(kTitle, " (Add)"));
    IPCtrlEdtForm->Mode = 0;
    IPCtrlEdtForm->ShowModal();
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
    IPCtrlEdtForm->SetCaption(SubDialogCaption(kTitle, " (Edit)"));
    IPCtrlEdtForm->Mode = 1;
    IPCtrlEdtForm->ShowModal();
    ListView1->SetSelected(nullptr);
    UpdateButtons();
}

void TIpCtrlForm::btnDelClick(TObject*) {
    const TListItem* row = ListView1->Selected();
    if (!row) {
        UpdateButtons();
        return;
    }
    if (!Table.MayAct()) {
        return;
    }
    if (row->Caption() == kSystemInterface) {
        ShowMessage(kSystemInterfaceUndeletable);
        return;
    }
    Table.DeleteRow({.Blocking = true});
    UpdateButtons(false); // "Delete" off after a delete, whatever happened
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
    Table.Close();
    action = caFree;
}

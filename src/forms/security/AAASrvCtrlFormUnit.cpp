#include "AAASrvCtrlFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "InputValidators.h"
#include "Oid_aac.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"

TAAASrvCtrlForm* AAASrvCtrlForm = nullptr;

namespace {

using T = TAAASrvCtrlForm;

// The group control table: the group name, the server's address and its protocol are the
// instance; the row state (add, delete) is the operation.
constexpr auto& kTable = Columns::AAASrvCtrlTable;
constexpr int kGroupName = ColumnOf(kTable, "Group Name");
constexpr int kAddress = ColumnOf(kTable, "IP Address");
constexpr int kProtocol = ColumnOf(kTable, "Authentication Protocol");
constexpr int kRowState = ColumnOf(kTable, "Row State");
constexpr int kKeyCount = 3;

constexpr const char* kInputGroupName = "Please input Server Group Name.";
constexpr const char* kInputAddress = "Please input Server IP Address.";
constexpr const char* kChooseProtocol = "Please choose Server Authentication Protocol.";
constexpr const char* kChooseOperate = "Please choose Operate.";

// The four lines (96 DPI); both combo boxes show no item until the user picks one.
constexpr Field<T> kFields[] = {
    {.Column = kGroupName,
     .Caption = "Server Group Name",
     .Constraint = "%s{l15}",
     .Control = &T::edtSrvGrpName,
     .Label = &T::lblSrvGrpName,
     .Place = {8, 11, 168, 8, 121}},
    {.Column = kAddress,
     .Caption = "Server IP Address",
     .Constraint = "%s{l16}",
     .Control = &T::edtSrvIP,
     .Label = &T::lblSrvHostIP,
     .Place = {8, 37, 168, 34, 121}},
    {.Column = kProtocol,
     .Caption = "Server Authentication Protocol",
     .Control = &T::cbxAuthPtcl,
     .Label = &T::lblAuthPtcl,
     .Place = {8, 63, 168, 60, 121}},
    {.Column = kRowState,
     .Caption = "Operate",
     .Control = &T::cbxOper,
     .Label = &T::lblSrvRowState,
     .Place = {8, 89, 168, 86, 121}},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnSet, "Set", &T::btnSetClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 414,
                                   .Height = 173,
                                   .Caption = "Server Control Form",
                                   .Buttons = kButtons,
                                   .ButtonSplitter = true,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .ButtonPanel = &T::pnlBtn,
                                   .FieldPanel = &T::pnlCtrl,
                                   .StatusBar = &T::stbResult,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

} // namespace

TAAASrvCtrlForm::TAAASrvCtrlForm(TComponent* owner) : TForm(owner), Table(DialogGuard::None()) {
    Fields = BuildFields<T>(this, BuildFrame(this, kFrame, Table), kFields, kTable);
    // The walk's rows go into a list nobody sees; nothing is ever selected in it.
    lvOper = AddReportList(this, pnlCtrl);
    lvOper->SetBounds(300, 8, 41, 17);
    lvOper->SetVisible(false);
    Table.List = lvOper;
}

void TAAASrvCtrlForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, AAASrvCtrlTable, MVT_UMV, kKeyCount);
        BindFields<T>(this, nullptr, request, kFields);
        Table.Read();
    });
}

void TAAASrvCtrlForm::btnSetClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    if (edtSrvGrpName->Text().empty()) {
        RefuseInput(edtSrvGrpName, kInputGroupName);
        return;
    }
    if (edtSrvIP->Text().empty()) {
        RefuseInput(edtSrvIP, kInputAddress);
        return;
    }
    // The address is part of the instance: it must be one, not only fit the edit's length.
    if (!CheckIPv4Text(edtSrvIP)) {
        FocusField(edtSrvIP);
        return;
    }
    if (cbxAuthPtcl->ItemIndex() < 0) {
        RefuseInput(cbxAuthPtcl, kChooseProtocol);
        return;
    }
    if (cbxOper->ItemIndex() < 0) {
        RefuseInput(cbxOper, kChooseOperate);
        return;
    }
    // The operation alone, at group.address.protocol; the switch's answer is the status line (or
    // the framework's box), and the entries stay for the next operation. No read follows, so the
    // write leaves the data-complete flag as it is.
    Table.Write(WriteCarry::Only({kRowState}), {.After = ReRead::None, .Locks = false});
}

void TAAASrvCtrlForm::btnCloseClick(TObject*) {
    Close();
}

void TAAASrvCtrlForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}

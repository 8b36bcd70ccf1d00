#include "SafeguardCtrlFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "Oid_safeguard.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "UserDialogs.h"

#include <cstdlib>

TSafeguardCtrlForm* SafeguardCtrlForm = nullptr;

namespace {

using T = TSafeguardCtrlForm;

constexpr auto& kTable = Columns::SafeguardCtrlSettings;
constexpr int kRising = ColumnOf(kTable, "Rising Threshold");
constexpr int kFalling = ColumnOf(kTable, "Falling Threshold");
constexpr int kMode = ColumnOf(kTable, "Mode");
constexpr int kAlarm = ColumnOf(kTable, "Alarm Administration State");
constexpr int kLowest = 20;
constexpr int kHighest = 100;

// This dialog's own texts.
constexpr const char* kRisingRange = "Rising Threshold should between 20-100";
constexpr const char* kFallingRange = "Falling Threshold should between 20-100";

// Line i (96 DPI): the check box, the label, then the value.
constexpr FieldPlace Line(int i) {
    const int top = 14 + 28 * i;
    return {26, top + 3, 140, top, 130};
}

constexpr Field<T> kFields[] = {
    {.Column = kRising,
     .Caption = "Rising Threshold",
     .Constraint = "%i{n20x100l3}",
     .Control = &T::edtRising,
     .Check = &T::ckRising,
     .Label = &T::Label1,
     .Place = Line(0)},
    {.Column = kFalling,
     .Caption = "Falling Threshold",
     .Constraint = "%i{n20x100l3}",
     .Control = &T::edtFalling,
     .Check = &T::ckFalling,
     .Label = &T::Label2,
     .Place = Line(1)},
    {.Column = kAlarm,
     .Caption = "Alarm State",
     .Control = &T::cbxAlarm,
     .Check = &T::ckAlarm,
     .Label = &T::Label3,
     .Place = Line(2)},
    {.Column = kMode,
     .Caption = "Mode",
     .Control = &T::cbxMode,
     .Check = &T::ckMode,
     .Label = &T::Label4,
     .Place = Line(3)},
    {.Column = ColumnOf(kTable, "Current Status"),
     .Caption = "Current State",
     .Combo = &T::cbxCurrentState,
     .Label = &T::Label5,
     .Place = Line(4),
     .Flags = kFieldDisabled},
};

// Five buttons closer together than the kit's column, so that all fit the designed height.
constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnGet, "Refresh", &T::btnGetClick, 8},
    {&T::btnSet, "Set", &T::btnSetClick, 38},
    {&T::btnClose, "Close", &T::btnCloseClick, 68},
    {&T::btnCheckAll, "Check All", &T::btnCheckAllClick, 98},
    {&T::btnClearCheck, "Clear Checks", &T::btnClearCheckClick, 128},
};

constexpr DialogFrame<T> kFrame = {.Width = 398,
                                   .Height = 215,
                                   .Caption = "Safeguard Control",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .ButtonPanel = &T::Panel1,
                                   .StatusBar = &T::stbStatus,
                                   .OnCreate = &T::FormCreate,
                                   .OnCloseQuery = &T::FormCloseQuery,
                                   .State = &T::UpdateButtons};

// A threshold's text as a number; -1 for a text that is none.
int ThresholdOf(const TEdit* edit) {
    const std::string& text = edit->Text();
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 9) {
        return -1;
    }
    return std::atoi(text.c_str());
}

} // namespace

TSafeguardCtrlForm::TSafeguardCtrlForm(TComponent* owner) : TForm(owner), Table(DialogGuard::Busy(nullptr)) {
    TPanel* fields = BuildFrame(this, kFrame, Table);
    Fields = BuildFields<T>(this, fields, kFields, kTable);
    lbFalling = new TLabel(this);
    lbFalling->SetParent(fields);
    lbFalling->SetVisible(false);
    for (TCheckBox* box : {ckRising, ckFalling, ckAlarm, ckMode}) {
        box->OnClick = Bind(this, &T::ChangeSetState);
    }
    Table.Refreshing = {.Leaves = RefreshLeaves::Unchanged};
    // Every read keeps the falling threshold it brought, for the order of the next Set.
    Table.AfterRead = [this] {
        lbFalling->SetCaption(edtFalling->Text());
        Table.UpdateState();
    };
    UpdateButtons(false);
}

void TSafeguardCtrlForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request =
            Table.CreateRequest(this, SafeguardCtrlSettings, SVT_SV, 0, {.Blocking = true});
        BindFields<T>(this, nullptr, request, kFields);
        Table.Read();
    });
}

void TSafeguardCtrlForm::UpdateButtons(bool) {
    btnSet->SetEnabled(ckRising->Checked() || ckFalling->Checked() || ckAlarm->Checked() ||
                       ckMode->Checked());
}

void TSafeguardCtrlForm::ChangeSetState(TObject*) {
    UpdateButtons(false);
}

void TSafeguardCtrlForm::btnCheckAllClick(TObject*) {
    for (TCheckBox* box : {ckRising, ckFalling, ckAlarm, ckMode}) {
        box->SetChecked(true);
    }
}

void TSafeguardCtrlForm::btnClearCheckClick(TObject*) {
    for (TCheckBox* box : {ckRising, ckFalling, ckAlarm, ckMode}) {
        box->SetChecked(false);
    }
}

void TSafeguardCtrlForm::btnGetClick(TObject*) {
    Table.Refresh();
}

bool TSafeguardCtrlForm::CheckThresholds() {
    const auto inRange = [](const TEdit* edit) {
        const int value = ThresholdOf(edit);
        return value >= kLowest && value <= kHighest;
    };
    if (ckRising->Checked() && !inRange(edtRising)) {
        ShowMessage(kRisingRange);
        return false;
    }
    if (ckFalling->Checked() && !inRange(edtFalling)) {
        ShowMessage(kFallingRange);
        return false;
    }
    return true;
}

std::vector<int> TSafeguardCtrlForm::CheckedValuesInOrder() const {
    // Lowering both thresholds: the falling one first, so the rising one is never set below it.
    const bool fallingFirst = ckRising->Checked() && ckFalling->Checked() &&
                              ThresholdOf(edtFalling) < std::atoi(lbFalling->Caption().c_str());
    std::vector<int> order;
    for (int column :
         fallingFirst ? std::vector<int>{kFalling, kRising} : std::vector<int>{kRising, kFalling}) {
        if ((column == kRising ? ckRising : ckFalling)->Checked()) {
            order.push_back(column);
        }
    }
    if (ckMode->Checked()) {
        order.push_back(kMode);
    }
    if (ckAlarm->Checked()) {
        order.push_back(kAlarm);
    }
    return order;
}

void TSafeguardCtrlForm::btnSetClick(TObject*) {
    if (!CheckThresholds() || !Table.MayAct()) {
        return;
    }
    // One SET per value; a refused one is reported by the framework and the next still goes.
    Table.Write(WriteCarry::EachAlone(CheckedValuesInOrder()));
}

void TSafeguardCtrlForm::btnCloseClick(TObject*) {
    Close();
}

void TSafeguardCtrlForm::FormCloseQuery(TObject*, bool& canClose) {
    Table.Closing();
    canClose = true;
}

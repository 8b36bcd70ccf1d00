#include "COSBrandctrltable.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "DialogLayout.h"
#include "DialogTexts.h"
#include "FieldTable.h"
#include "Oid_qos.h"
#include "StrictNumbers.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "UserDialogs.h"

TCoSBrandwidthctrlForm* CoSBrandwidthctrlForm = nullptr;

namespace {

using T = TCoSBrandwidthctrlForm;

// The queue bandwidth table, indexed by port and queue.
constexpr auto& kTable = Columns::CoSBrandwidthctrlTable;
constexpr int kPort = ColumnOf(kTable, "Port");
constexpr int kQueue = ColumnOf(kTable, "Queue ID");
constexpr int kMinRate = ColumnOf(kTable, "Minimum Rate");
constexpr int kMaxRate = ColumnOf(kTable, "Maximum Rate");
constexpr int kIndexColumns = 2;

constexpr const char* kNoLimitValue = "0";
constexpr const char* kNoLimit = "No Limit";
constexpr const char* kBlank = " ";
constexpr const char* kRateNeeded = "Please input a rate number.";
constexpr const char* kRateOutOfRange = "Please input a number between 8 and 10240000.";
constexpr int kLowestRate = 8;
constexpr int kHighestRate = 10240000;

// A rate edit is open on a chosen row while its "No Limit" box is not ticked.
bool MinRateOpen(const T& form, bool rowChosen) {
    return rowChosen && !form.CheckBox1->Checked();
}
bool MaxRateOpen(const T& form, bool rowChosen) {
    return rowChosen && !form.CheckBox2->Checked();
}

// The edit panel under the list (96 DPI); the "No Limit" boxes and units beside the rates.
constexpr Field<T> kFields[] = {
    {.Column = kPort,
     .Caption = "Port Number",
     .Text = &T::PortText,
     .Label = &T::Label1,
     .Place = {8, 12, 92, 10, 60},
     .Default = FieldDefault::Option(kBlank)},
    {.Column = kQueue,
     .Caption = "Queue",
     .Text = &T::ClassIDText,
     .Label = &T::Label2,
     .Place = {190, 12, 240, 10, 60},
     .Default = FieldDefault::Option(kBlank)},
    {.Column = kMinRate,
     .Caption = "Minimum Rate",
     .Constraint = "%s",
     .Edit = &T::MinEdit,
     .Label = &T::Label3,
     .Place = {8, 44, 92, 40, 90},
     .Default = FieldDefault::Keep(),
     .EnabledWhen = {.If = MinRateOpen, .How = FieldEnabling::KeepValue}},
    {.Column = kMaxRate,
     .Caption = "Maximum Rate",
     .Constraint = "%s",
     .Edit = &T::MaxEdit,
     .Label = &T::Label4,
     .Place = {8, 74, 92, 70, 90},
     .Default = FieldDefault::Keep(),
     .EnabledWhen = {.If = MaxRateOpen, .How = FieldEnabling::KeepValue}},
};
constexpr int kUnitLeft = 188;
constexpr int kNoLimitLeft = 250;

constexpr ButtonSpec<T> kButtons[] = {
    {&T::GetButton, "Refresh", &T::GetButtonClick},
    {&T::EditButton, "Edit", &T::EditButtonClick},
    {&T::StopButton, "Stop", &T::StopButtonClick},
    {&T::CloseButton, "Close", &T::CloseButtonClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 509,
                                   .Height = 405,
                                   .Caption = "CoS Bandwidth Control Form",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 190,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Label7,
                                   .List = &T::ListView1,
                                   .Splitter = &T::Splitter1,
                                   .FieldPanel = &T::Panel2,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

// Acting waits for the read and the request; Refresh says so while a read runs and does not start
// one while the request is busy; closing always works.
constexpr DialogGuard kGuard = {.Text = DialogText::kGetDataNotComplete,
                                .Act = RefuseWhen::IncompleteOrBusy,
                                .Refresh = RefuseWhen::Incomplete,
                                .RefreshText = DialogText::kGetDataNotComplete,
                                .Close = RefuseWhen::Never};

// A rate passes when its "No Limit" box is ticked or it is a number from 8 to 10240000.
bool RateAccepted(const TCheckBox* noLimit, const TEdit* rate) {
    if (noLimit->Checked()) {
        return true;
    }
    const std::optional<int> number = StrictStrToInt(rate->Text());
    return number && *number >= kLowestRate && *number <= kHighestRate;
}

} // namespace

void CoSBrandWidthNewRequest2Edits::RenderRates() {
    for (int column : {kMinRate, kMaxRate}) {
        std::string& text = Request.VarList.GetVariable(column).ValueText;
        if (text == kNoLimitValue) {
            text = kNoLimit;
        }
    }
}

void CoSBrandWidthNewRequest2Edits::RowReceived() {
    if (!ListView) {
        return;
    }
    RenderRates();
    AddListViewRow();
}

TCoSBrandwidthctrlForm::TCoSBrandwidthctrlForm(TComponent* owner) : TForm(owner), Table(kGuard) {
    TPanel* rows = BuildFrame(this, kFrame, Table);
    Fields = BuildFields<T>(this, rows, kFields);
    Label5 = AddLabel(this, rows, kUnitLeft, 44, "Kbit/sec");
    Label6 = AddLabel(this, rows, kUnitLeft, 74, "Kbit/sec");
    CheckBox1 = AddCheckBox(this, rows, kNoLimitLeft, 42, 80, kNoLimit, {});
    CheckBox2 = AddCheckBox(this, rows, kNoLimitLeft, 72, 80, kNoLimit, {});
    MinLimit.Attach(CheckBox1, MinEdit, kNoLimitValue, kNoLimit);
    MaxLimit.Attach(CheckBox2, MaxEdit, kNoLimitValue, kNoLimit);
    // Unticked first (its click opens and empties the edit), then the edit blank and closed.
    Table.AfterClear = [this] {
        for (NoLimitBox* limit : {&MinLimit, &MaxLimit}) {
            limit->Box->SetChecked(false);
            limit->Edit->SetText(kBlank);
        }
    };
    Table.Refreshing = {.Leaves = RefreshLeaves::NoRowKept, .SkipBusy = true};
}

void TCoSBrandwidthctrlForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(std::make_unique<CoSBrandWidthNewRequest2Edits>(this),
                                                     CoSBrandwidthctrlTable, MVT_UMV, kIndexColumns);
        BindFields<T>(this, nullptr, request, kFields);
        Table.Read();
    });
    Table.Clear();
    UpdateButtons(false);
}

void TCoSBrandwidthctrlForm::ClearEditControls() {
    Table.Clear();
}

void TCoSBrandwidthctrlForm::UpdateButtons(bool rowChosen) {
    EditButton->SetEnabled(rowChosen);
    if (rowChosen) {
        // Each box from the chosen row, then its edit: a row with a rate unticks a box an
        // earlier row ticked, so the rate is range-checked.
        TListItem* chosen = ListView1->Selected();
        MinLimit.SetFromText(Table.Request->CellText(chosen, kMinRate));
        MaxLimit.SetFromText(Table.Request->CellText(chosen, kMaxRate));
    }
}

void TCoSBrandwidthctrlForm::GetButtonClick(TObject*) {
    Table.Refresh();
}

void TCoSBrandwidthctrlForm::EditButtonClick(TObject*) {
    if (!Table.RowChosen() || !Table.MayAct()) {
        return;
    }
    if (MinEdit->Text().empty() || MaxEdit->Text().empty()) {
        ShowMessage(kRateNeeded);
        return;
    }
    // The minimum first; a rate that is no number is not one from 8 to 10240000 either.
    if (!RateAccepted(CheckBox1, MinEdit) || !RateAccepted(CheckBox2, MaxEdit)) {
        ShowMessage(kRateOutOfRange);
        return;
    }
    Table.Write(
        WriteCarry::Only({kMinRate, kMaxRate}),
        {.After = ReRead::Always, .Leaves = AfterWrite::NoRowKept, .LeavesFailed = AfterWrite::NoRowKept});
}

void TCoSBrandwidthctrlForm::StopButtonClick(TObject*) {
    Table.Stop();
}

void TCoSBrandwidthctrlForm::CloseButtonClick(TObject*) {
    Table.Stop();
    Close();
}

void TCoSBrandwidthctrlForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TCoSBrandwidthctrlForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}

#include "TimeRangeFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "DialogTexts.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "Oid_timerange.h"
#include "StrToInt.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TLabel.h"

#include <array>

TTimeRangeForm* TimeRangeForm = nullptr;

namespace {

using T = TTimeRangeForm;

constexpr const char* kInputName = "Please input the time range name.";
constexpr const char* kInputWeekdays = "Please input the weekdays.";
// Add and Edit word their time messages differently.
constexpr const char* kAddStartTime = "Please input the valid start time.";
constexpr const char* kAddEndTime = "Please input the valid end time.";
constexpr const char* kEditStartTime = "Please input the vaild start time.";
constexpr const char* kEditEndTime = "Please input the vaild end time.";
constexpr const char* kTimeFormat = "(Time hh:mm:ss )";

constexpr auto& kTable = Columns::TimeRangeTable;
constexpr int kName = ColumnOf(kTable, "Name");
constexpr int kWeekDays = ColumnOf(kTable, "Week Days");
constexpr int kStartTime = ColumnOf(kTable, "Start Time");
constexpr int kEndTime = ColumnOf(kTable, "End Time");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kKeyCount = 1; // the name

// The days in the order of the weekday text, with their boxes' captions.
struct Day {
    TCheckBox* T::*Box;
    const char* Caption;
    const char* Abbreviation;
};
constexpr std::array<Day, 7> kDays = {{
    {&T::CheckBox1, "Monday", "Mon"},
    {&T::CheckBox2, "Tuesday", "Tue"},
    {&T::CheckBox3, "Wednesday", "Wed"},
    {&T::CheckBox4, "Thursday", "Thu"},
    {&T::CheckBox5, "Friday", "Fri"},
    {&T::CheckBox6, "Saturday", "Sat"},
    {&T::CheckBox7, "Sunday", "Sun"},
}};

constexpr int kHours = 24;
constexpr int kMinutes = 60;
constexpr size_t kTimeLength = 8; // hh:mm:ss

// The name and the hidden status are fixed while a range is chosen.
constexpr FieldEnabledWhen<T> kNoRowOnly = {.Mode = RowMode::NoRow, .How = FieldEnabling::EnabledOnly};

constexpr Field<T> kFields[] = {
    {.Column = kName,
     .Caption = "Name",
     .Constraint = "%s",
     .Edit = &T::edtName,
     .Label = &T::Label1,
     .Place = {16, 15, 80, 12, 150},
     .EnabledWhen = kNoRowOnly},
    {.Column = kRowStatus,
     .Caption = "Status",
     .Combo = &T::cbxStatus,
     .Label = &T::Label2,
     .Place = {250, 15, 290, 12, 80},
     .Flags = kFieldHidden,
     .EnabledWhen = kNoRowOnly},
    {.Column = kWeekDays,
     .Constraint = "%s",
     .Edit = &T::edtweekdays,
     .Place = {0, 0, 250, 40, 80},
     .Flags = kFieldHidden},
    {.Column = kStartTime,
     .Caption = "Start Time",
     .Constraint = "%s",
     .Edit = &T::edtStart,
     .Label = &T::Label3,
     .Group = &T::GroupBox2,
     .Place = {12, 23, 80, 20, 100}},
    {.Column = kEndTime,
     .Caption = "End Time",
     .Constraint = "%s",
     .Edit = &T::edtEnd,
     .Label = &T::Label4,
     .Group = &T::GroupBox2,
     .Place = {12, 51, 80, 48, 100}},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnGet, "Refresh", &T::btnGetClick},      {&T::btnAdd, "Add", &T::btnAddClick},
    {&T::btnSet, "Edit", &T::btnSetClick},         {&T::btnStop, "Stop", &T::btnStopClick},
    {&T::btnDelete, "Delete", &T::btnDeleteClick}, {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 486,
                                   .Height = 441,
                                   .Caption = "Time Range Form",
                                   .Buttons = kButtons,
                                   .Samples = "Samples",
                                   .ListHeight = 150,
                                   .ClearOnNoRow = true,
                                   .ButtonPanel = &T::Panel1,
                                   .Count = &T::StaticText1,
                                   .SamplesLabel = &T::Label6,
                                   .ListPanel = &T::Panel2,
                                   .List = &T::ListView1,
                                   .FieldPanel = &T::Panel3,
                                   .StatusBar = &T::StatusBar1,
                                   .OnListChange = &T::ListView1Change,
                                   .OnCreate = &T::FormCreate,
                                   .OnCloseQuery = &T::FormCloseQuery,
                                   .OnClose = &T::FormClose,
                                   .State = &T::UpdateButtons};

} // namespace

TTimeRangeForm::TTimeRangeForm(TComponent* owner)
    : TForm(owner), Table(DialogGuard::Flag(DialogText::kGetDataNotCompleteDot)) {
    TPanel* panel = BuildFrame(this, kFrame, Table);
    GroupBox1 = AddGroupBox(this, panel, 8, 44, 360, 72, "Weekdays");
    for (size_t i = 0; i < kDays.size(); ++i) {
        const int column = static_cast<int>(i % 4);
        const int row = static_cast<int>(i / 4);
        this->*kDays[i].Box =
            AddCheckBox(this, GroupBox1, 12 + 86 * column, 20 + 24 * row, 84, kDays[i].Caption, {});
    }
    CheckBox8 = AddCheckBox(this, GroupBox1, 12 + 86 * 3, 44, 84, "None", {});
    CheckBox8->SetVisible(false);
    GroupBox2 = AddGroupBox(this, panel, 8, 124, 360, 80, "Daily");
    Label5 = AddLabel(this, GroupBox2, 190, 23, kTimeFormat);
    Label7 = AddLabel(this, GroupBox2, 190, 51, kTimeFormat);
    Fields = BuildFields<T>(this, panel, kFields, kTable);
    Table.AfterClear = [this] {
        for (const Day& day : kDays) {
            (this->*day.Box)->SetChecked(false);
        }
    };
    // Edit and Delete leave no range chosen and the fields cleared, whatever happened.
    Table.Deleting = {.Destroy = WriteCarry::Only({kWeekDays, kStartTime, kEndTime, kRowStatus}),
                      .Write = {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow}};
}

void TTimeRangeForm::FormCreate(TObject*) {
    UpdateButtons(false);
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, TimeRangeTable, MVT_UMV, kKeyCount);
        BindFields<T>(this, nullptr, request, kFields);
        Table.StatusColumn = kRowStatus;
        Table.StatusCombo = cbxStatus;
        Table.Read();
    });
}

void TTimeRangeForm::UpdateButtons(bool rowChosen) {
    btnSet->SetEnabled(rowChosen);
    btnDelete->SetEnabled(rowChosen);
    if (rowChosen) {
        WeekdaysToBoxes(); // the chosen range's weekdays, just filled in
    }
}

TCheckBox* TTimeRangeForm::DayBox(int day) const {
    return this->*kDays[static_cast<size_t>(day)].Box;
}

void TTimeRangeForm::WeekdaysToBoxes() {
    const std::string text = edtweekdays->Text();
    for (size_t i = 0; i < kDays.size(); ++i) {
        DayBox(static_cast<int>(i))->SetChecked(text.find(kDays[i].Abbreviation) != std::string::npos);
    }
}

void TTimeRangeForm::BoxesToWeekdays() {
    std::string text;
    for (size_t i = 0; i < kDays.size(); ++i) {
        if (DayBox(static_cast<int>(i))->Checked()) {
            text += (text.empty() ? "" : ",") + std::string(kDays[i].Abbreviation);
        }
    }
    edtweekdays->SetText(text);
}

bool TTimeRangeForm::IsTimeText(const std::string& text) {
    if (text.size() != kTimeLength) {
        return false;
    }
    const int hours = StrToInt(text.substr(0, 2));
    const int minutes = StrToInt(text.substr(3, 2));
    const int seconds = StrToInt(text.substr(6, 2));
    // A pair may be a negative number ("-1"): no time of day either.
    return hours >= 0 && hours < kHours && minutes >= 0 && minutes < kMinutes && seconds >= 0 &&
           seconds < kMinutes;
}

bool TTimeRangeForm::CheckTimes(const char* startText, const char* endText) {
    if (!IsTimeText(edtStart->Text())) {
        return RefuseInput(edtStart, startText);
    }
    if (!IsTimeText(edtEnd->Text())) {
        return RefuseInput(edtEnd, endText);
    }
    return true;
}

void TTimeRangeForm::btnGetClick(TObject*) {
    Table.Refresh();
}

void TTimeRangeForm::btnAddClick(TObject*) {
    if (!Table.MayAct()) {
        return;
    }
    BoxesToWeekdays();
    if (edtName->Text().empty()) {
        RefuseInput(edtName, kInputName);
        return;
    }
    if (edtweekdays->Text().empty()) {
        RefuseInput(edtweekdays, kInputWeekdays);
        return;
    }
    if (!CheckTimes(kAddStartTime, kAddEndTime)) {
        return;
    }
    Table.Write([this] { Table.CreateRow(Fields.Carry()); });
}

void TTimeRangeForm::btnSetClick(TObject*) {
    if (!ListView1->Selected() || !Table.MayAct()) {
        return;
    }
    BoxesToWeekdays();
    if (edtweekdays->Text().empty()) {
        RefuseInput(edtweekdays, kInputWeekdays);
        return;
    }
    if (!CheckTimes(kEditStartTime, kEditEndTime)) {
        return;
    }
    // Every column, the row status as read.
    Table.Write(Fields.Carry(), {.Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow});
}

void TTimeRangeForm::btnDeleteClick(TObject*) {
    if (ListView1->Selected()) {
        Table.Delete();
    }
}

void TTimeRangeForm::btnStopClick(TObject*) {
    Table.Stop();
}

void TTimeRangeForm::btnCloseClick(TObject*) {
    Close();
}

void TTimeRangeForm::ListView1Change(TObject*, TListItem*, TItemChange) {
    Table.ListChanged();
}

void TTimeRangeForm::FormCloseQuery(TObject*, bool& canClose) {
    canClose = Table.MayClose();
}

void TTimeRangeForm::FormClose(TObject*, TCloseAction& action) {
    Table.Closing();
    action = caFree;
}

#include "SummerTime.h"

#include "DialogLayout.h"
#include "MibTableRow.h"
#include "Oid_time.h"
#include "OptionItems.h"
#include "SkipFlagScope.h"
#include "StrToInt.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TEditsPanel.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TSNMPEditorPanel.h"
#include "UserDialogs.h"
#include "VqOptionList.h"
#include "VqSNMPRequest2Edits.h"

#include <exception>
#include <string>
#include <utility>

namespace {

using T = TSummerTimeForm;

constexpr const char* kChooseStatus = "Please choose Summer Time Status.";
constexpr const char* kOffsetChoices = "Summer Time Offset must choose from {30, 60, 90, 120}.";
constexpr const char* kSameMonth = "From month and To month should not be the same.";
constexpr const char* kTimeError = "Time error.";
// The editor panel's own refusal of a checked row left empty.
constexpr const char* kSomeItemsEmpty = "Some items are empty!";

constexpr const char* kRepeating = "repeating";
constexpr const char* kAnnual = "annual";

// The designed size; the editor panel then sizes the client area.
constexpr int kDesignWidth = 172;
constexpr int kDesignHeight = 111;
constexpr int kEditWidth = 240;
constexpr uint8_t kBlocking = 0;

// The offsets the switch takes: 30 to 120 minutes in steps of 30.
constexpr int kOffsetStep = 30;
constexpr int kFirstOffset = 30;
constexpr int kLastOffset = 120;
constexpr int kLastHour = 23;
constexpr int kMinutes = 60;

// The byte fields' values, as the switch numbers them.
constexpr OptionSourceRow kWeekRows[] = {{1, nullptr, "1st"}, {2, nullptr, "2nd"},    {3, nullptr, "3rd"},
                                         {4, nullptr, "4th"}, {255, nullptr, "last"}, {}};
constexpr OptionSourceRow kWeekdayRows[] = {
    {1, nullptr, "Sun"}, {2, nullptr, "Mon"}, {3, nullptr, "Tue"}, {4, nullptr, "Wed"},
    {5, nullptr, "Thu"}, {6, nullptr, "Fri"}, {7, nullptr, "Sat"}, {}};
constexpr OptionSourceRow kMonthRows[] = {{1, nullptr, "Jan"},
                                          {2, nullptr, "Feb"},
                                          {3, nullptr, "Mar"},
                                          {4, nullptr, "Apr"},
                                          {5, nullptr, "May"},
                                          {6, nullptr, "Jun"},
                                          {7, nullptr, "Jul"},
                                          {8, nullptr, "Aug"},
                                          {9, nullptr, "Sep"},
                                          {10, nullptr, "Oct"},
                                          {11, nullptr, "Nov"},
                                          {12, nullptr, "Dec"},
                                          {}};
constinit const VqOptionList SummerTimeWeekOptions("SummerTimeWeekOptions", kWeekRows);
constinit const VqOptionList SummerTimeWeekdayOptions("SummerTimeWeekdayOptions", kWeekdayRows);
constinit const VqOptionList SummerTimeMonthOptions("SummerTimeMonthOptions", kMonthRows);

// An edit's number, -1 for a text that is none.
int NumberOf(const TEdit* edit) {
    try {
        return StrToInt(edit->Text());
    } catch (const EConvertError&) {
        return -1;
    }
}

int ListOf(int row) {
    return row - T::kRepeatStart;
}

} // namespace

TSummerTimeForm::TSummerTimeForm(TComponent* owner) : TForm(owner) {
    DesignDialog(this, kDesignWidth, kDesignHeight, DesignScale::None);
    SetCaption("Summer Time");
    OnActivate = Bind(this, &T::FormActivate);
    OnClose = Bind(this, &T::FormClose);

    Request = std::make_unique<VqSNMPRequest2Edits>(this);
    Request->Request.VarList = VqSNMPVarList(SummerTimeSettings, SVT_SV, 0);
    Blocking.emplace(*Request, kBlocking);

    Editor = new TSNMPEditorPanel(this, Request.get());
    Editor->FitForm(this);
    Editor->SetEditWidth(kEditWidth);
    Editor->SetVarFormat(kOffset, "%i{n30x120l3}");
    TEditsPanel* rows = Editor->Rows;
    for (int row = kRepeatStart; row <= kAnnualEnd; ++row) {
        CtrlsLists[static_cast<size_t>(ListOf(row))].push_back(rows->ReplaceRowControl(row, this));
    }
    BuildRepeatRow(kRepeatStart);
    BuildRepeatRow(kRepeatEnd);
    BuildAnnualRow(kAnnualStart);
    BuildAnnualRow(kAnnualEnd);

    Editor->Buttons->RefreshButton->OnClick = Bind(this, &T::GetSummerTime);
    SavedSetClick = std::exchange(Editor->Buttons->SetButton->OnClick, Bind(this, &T::SetSummerTime));
    StateBox()->OnChange = Bind(this, &T::StateChange);

    SetClientWidth(Editor->Width());
    SetClientHeight(Editor->Height());
    rows->SetRowText(kState, kRepeating);
    ShowStateRows();
    rows->LayoutRows(2, true);
    Editor->SetEditor(rows);
    SetClientWidth(Editor->Width());
    SetClientHeight(Editor->Height());
    Editor->SetAlign(alClient);
}

TSummerTimeForm::~TSummerTimeForm() = default;

void TSummerTimeForm::BuildRepeatRow(int row) {
    std::vector<TControl*>& list = CtrlsLists[static_cast<size_t>(ListOf(row))];
    auto* panel = static_cast<TPanel*>(list.front());
    const int width = panel->Width();
    const int height = panel->Height();
    for (int left : {0, width / 5, 2 * width / 5}) { // month, week, weekday
        auto* box = new TComboBox(panel);
        box->SetParent(panel);
        box->SetStyle(csDropDownList);
        box->SetBounds(left, 0, width / 5, height);
        list.push_back(box);
    }
    for (const char* hint : {"Hour", "Minute"}) {
        auto* edit = new TEdit(panel);
        edit->SetParent(panel);
        const int left = (hint[0] == 'H' ? 3 : 4) * width / 5 + 4;
        edit->SetBounds(left, 0, width / 5 - 4, height);
        edit->SetHint(hint);
        edit->SetShowHint(true);
        list.push_back(edit);
    }
    // Week in octet 0, weekday in octets 1-2, month in octet 3, hour and minute in 4 and 5.
    Request->BindComboBoxPart(row, 0, itUInt8, &SummerTimeWeekOptions, PartBox(row, kRepeatWeek));
    Request->BindComboBoxPart(row, 1, itUInt16, &SummerTimeWeekdayOptions, PartBox(row, kRepeatWeekday));
    Request->BindComboBoxPart(row, 3, itUInt8, &SummerTimeMonthOptions, PartBox(row, kRepeatMonth));
    Request->BindEditsPart(row, 4, itUInt8, nullptr, "%i", {PartEdit(row, kRepeatHour)});
    Request->BindEditsPart(row, 5, itUInt8, nullptr, "%i", {PartEdit(row, kRepeatMinute)});
    TEdit* hour = PartEdit(row, kRepeatHour);
    TLabel* colon = AddLabel(this, panel, hour->Left() + hour->Width(), 2, ":");
    colon->Font()->SetBold(true);
}

void TSummerTimeForm::BuildAnnualRow(int row) {
    std::vector<TControl*>& list = CtrlsLists[static_cast<size_t>(ListOf(row))];
    auto* panel = static_cast<TPanel*>(list.front());
    const int width = panel->Width();
    const int height = panel->Height();
    const int partWidth = width / 4 - 4;
    const struct {
        int Left;
        const char* Hint; // null: the month's combo box
    } parts[] = {
        {0, "Day"}, {width / 4, nullptr}, {2 * width / 4 + 4, "Hour"}, {3 * width / 4 + 4, "Minute"}};
    for (const auto& part : parts) {
        TControl* control = nullptr;
        if (part.Hint) {
            auto* edit = new TEdit(panel);
            edit->SetHint(part.Hint);
            edit->SetShowHint(true);
            control = edit;
        } else {
            auto* box = new TComboBox(panel);
            box->SetStyle(csDropDownList);
            control = box;
        }
        control->SetParent(panel);
        control->SetBounds(part.Left, 0, partWidth, height);
        list.push_back(control);
    }
    // Day, month, hour and minute, one octet each.
    Request->BindEditsPart(row, 0, itUInt8, nullptr, "%i", {PartEdit(row, kAnnualDay)});
    Request->BindComboBoxPart(row, 1, itUInt8, &SummerTimeMonthOptions, PartBox(row, kAnnualMonth));
    Request->BindEditsPart(row, 2, itUInt8, nullptr, "%i", {PartEdit(row, kAnnualHour)});
    Request->BindEditsPart(row, 3, itUInt8, nullptr, "%i", {PartEdit(row, kAnnualMinute)});
    TEdit* hour = PartEdit(row, kAnnualHour);
    TLabel* colon = AddLabel(this, panel, hour->Left() + hour->Width(), 2, ":");
    colon->Font()->SetBold(true);
}

TComboBox* TSummerTimeForm::StateBox() const {
    return static_cast<TComboBox*>(Editor->Rows->Rows[kState].Control);
}

bool TSummerTimeForm::RowChecked(int row) const {
    return Editor->Rows->Rows[static_cast<size_t>(row)].CheckBox->Checked();
}

TComboBox* TSummerTimeForm::PartBox(int row, int part) const {
    return static_cast<TComboBox*>(CtrlsLists[static_cast<size_t>(ListOf(row))][static_cast<size_t>(part)]);
}

TEdit* TSummerTimeForm::PartEdit(int row, int part) const {
    return static_cast<TEdit*>(CtrlsLists[static_cast<size_t>(ListOf(row))][static_cast<size_t>(part)]);
}

void TSummerTimeForm::FormActivate(TObject* sender) {
    GetSummerTime(sender);
}

void TSummerTimeForm::FormClose(TObject*, TCloseAction&) {
    Request->Request.Active = false;
}

void TSummerTimeForm::StateChange(TObject*) {
    ShowStateRows();
}

void TSummerTimeForm::ShowStateRows() {
    TEditsPanel* rows = Editor->Rows;
    const bool repeating = OptionSelected(StateBox(), kRepeating);
    const bool annual = OptionSelected(StateBox(), kAnnual);
    const struct {
        int Row;
        bool Shown;
    } pairs[] = {
        {kRepeatStart, repeating}, {kRepeatEnd, repeating}, {kAnnualStart, annual}, {kAnnualEnd, annual}};
    for (const auto& pair : pairs) {
        if (pair.Shown) {
            rows->ShowRow(pair.Row);
        } else {
            rows->HideRow(pair.Row);
            rows->UncheckRow(pair.Row);
        }
    }
    rows->LayoutRows(2, false);
}

std::vector<int> TSummerTimeForm::PairNotShown() const {
    if (OptionSelected(StateBox(), kRepeating)) {
        return {kAnnualStart, kAnnualEnd};
    }
    if (OptionSelected(StateBox(), kAnnual)) {
        return {kRepeatStart, kRepeatEnd};
    }
    return {kRepeatStart, kRepeatEnd, kAnnualStart, kAnnualEnd};
}

void TSummerTimeForm::GetSummerTime(TObject*) {
    // The state first: it decides which start and end the second step reads.
    try {
        SkipFlagScope stateOnly(Request->Request);
        for (int row = kOffset; row <= kAnnualEnd; ++row) {
            stateOnly.Skip(row);
        }
        Request->Get();
    } catch (const std::exception& e) {
        Request->ShowStatus(e.what());
    }
    ShowStateRows();
    try {
        SkipFlagScope shown(Request->Request);
        for (int row : PairNotShown()) {
            shown.Skip(row);
        }
        Request->Get();
    } catch (const std::exception& e) {
        Request->ShowStatus(e.what());
    }
}

bool TSummerTimeForm::CheckOffset() {
    const auto* offset = static_cast<TEdit*>(Editor->Rows->Rows[kOffset].Control);
    if (!RowChecked(kOffset) || offset->Text().empty()) {
        return true; // the empty check of the write covers an empty checked row
    }
    const int value = NumberOf(offset);
    if (value % kOffsetStep == 0 && value >= kFirstOffset && value <= kLastOffset) {
        return true;
    }
    ShowMessage(kOffsetChoices);
    return false;
}

int TSummerTimeForm::CheckRepeatRows() const {
    if (!RowChecked(kRepeatStart) && !RowChecked(kRepeatEnd)) {
        return 0;
    }
    for (int row : {kRepeatStart, kRepeatEnd}) {
        if (!RowChecked(row)) {
            continue;
        }
        const int hour = NumberOf(PartEdit(row, kRepeatHour));
        const int minute = NumberOf(PartEdit(row, kRepeatMinute));
        if (PartBox(row, kRepeatMonth)->ItemIndex() < 0 || PartBox(row, kRepeatWeek)->ItemIndex() < 0 ||
            PartBox(row, kRepeatWeekday)->ItemIndex() < 0 || hour < 0 || minute < 0) {
            return -1;
        }
        if (hour > kLastHour || minute >= kMinutes) {
            return -2;
        }
    }
    if (RowChecked(kRepeatStart) && RowChecked(kRepeatEnd) &&
        PartBox(kRepeatStart, kRepeatMonth)->ItemIndex() == PartBox(kRepeatEnd, kRepeatMonth)->ItemIndex()) {
        return kRepeatSameMonth;
    }
    return 0;
}

int TSummerTimeForm::CheckAnnualRows() const {
    if (!RowChecked(kAnnualStart) && !RowChecked(kAnnualEnd)) {
        return 0;
    }
    for (int row : {kAnnualStart, kAnnualEnd}) {
        if (!RowChecked(row)) {
            continue;
        }
        const int day = NumberOf(PartEdit(row, kAnnualDay));
        const int month = PartBox(row, kAnnualMonth)->ItemIndex();
        const int hour = NumberOf(PartEdit(row, kAnnualHour));
        const int minute = NumberOf(PartEdit(row, kAnnualMinute));
        if (day < 0 || month < 0 || hour < 0 || minute < 0) {
            return -1;
        }
        if (!DayFitsMonth(day, month)) {
            return -2;
        }
        if (hour > kLastHour || minute >= kMinutes) {
            return -3;
        }
    }
    if (RowChecked(kAnnualStart) && RowChecked(kAnnualEnd) &&
        PartBox(kAnnualStart, kAnnualMonth)->ItemIndex() == PartBox(kAnnualEnd, kAnnualMonth)->ItemIndex()) {
        return kAnnualSameMonth;
    }
    return 0;
}

bool TSummerTimeForm::DayFitsMonth(int day, int monthIndex) {
    constexpr int kFebruary = 1;
    int limit = 0;
    if (monthIndex == kFebruary) {
        limit = 29; // a leap year's
    } else if (monthIndex == 3 || monthIndex == 5 || monthIndex == 8 || monthIndex == 10) {
        limit = 30; // April, June, September, November
    } else if (monthIndex >= 0 && monthIndex <= 11) {
        limit = 31;
    }
    return day <= limit;
}

bool TSummerTimeForm::CheckInput() {
    TComboBox* state = StateBox();
    if (RowChecked(kState) && state->ItemIndex() < 0) {
        ShowMessage(kChooseStatus);
        return false;
    }
    if (!CheckOffset()) {
        return false;
    }
    int code = 0;
    int sameMonth = 0;
    if (OptionSelected(state, kRepeating)) {
        code = CheckRepeatRows();
        sameMonth = kRepeatSameMonth;
    } else if (OptionSelected(state, kAnnual)) {
        code = CheckAnnualRows();
        sameMonth = kAnnualSameMonth;
    } else if (state->ItemIndex() < 0) {
        return false; // no state chosen and its row unchecked: nothing to write, nothing to say
    }
    if (code == 0) {
        return true;
    }
    ShowMessage(code == sameMonth ? kSameMonth : kTimeError);
    return false;
}

void TSummerTimeForm::MarkCompositeRow(const std::vector<TControl*>& list) {
    auto* panel = static_cast<TPanel*>(list.front());
    for (size_t i = 1; i < list.size(); ++i) {
        const auto* box = dynamic_cast<const TComboBox*>(list[i]);
        const auto* edit = dynamic_cast<const TEdit*>(list[i]);
        if ((box && box->Text().empty()) || (edit && edit->Text().empty())) {
            panel->SetCaption("");
            return;
        }
    }
    panel->SetCaption("-");
}

bool TSummerTimeForm::AnyCheckedRowEmpty(const std::vector<int>& rows) const {
    for (int row : rows) {
        if (RowChecked(row) && Editor->Rows->RowIsEmpty(row)) {
            return true;
        }
    }
    return false;
}

void TSummerTimeForm::SetPass(TObject* sender, const std::vector<int>& leftOut) {
    SkipFlagScope scope(Request->Request);
    for (int row : leftOut) {
        scope.Skip(row);
    }
    SavedSetClick(sender);
}

void TSummerTimeForm::SetSummerTime(TObject* sender) {
    if (!CheckInput()) {
        return;
    }
    for (const std::vector<TControl*>& list : CtrlsLists) {
        MarkCompositeRow(list);
    }
    // Both SETs' rows are checked for empty values before the first goes out, so that a refusal
    // of the second never leaves the switch with a new state and its old dates.
    std::vector<int> second = {kOffset};
    for (int row = kRepeatStart; row <= kAnnualEnd; ++row) {
        second.push_back(row);
    }
    std::vector<int> written = second;
    written.push_back(kState);
    if (AnyCheckedRowEmpty(written)) {
        MessageDlg(kSomeItemsEmpty, mtWarning, mbOK);
        return;
    }
    // The state in a SET of its own, then the offset and the state's start and end.
    SetPass(sender, second);
    std::vector<int> leftOut = PairNotShown();
    leftOut.push_back(kState);
    SetPass(sender, leftOut);
}

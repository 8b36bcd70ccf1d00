// The summer time (daylight saving) dialog: its state (disabled, repeating, annual), offset and
// start and end, built at run time on the generic editor panel, one checked row per value. The
// start and end rows are the dialog's own panels, one control per byte field of the switch's
// octet string (a repeating rule: week, weekday, month, hour, minute; an annual date: day, month,
// hour, minute). The rows shown follow the state. A read runs in two steps (the state, then the
// offset and the state's start and end), a write in two SETs (the state, then the others), both
// on one blocking request. Not scaled for the screen's resolution.
#pragma once

#include "Events.h"
#include "RequestModeScope.h"
#include "TForm.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

class TComboBox;
class TControl;
class TEdit;
class TSNMPEditorPanel;
class VqSNMPRequest2Edits;

class TSummerTimeForm : public TForm {
public:
    explicit TSummerTimeForm(TComponent* owner);
    ~TSummerTimeForm() override;

    // The rows of the editor panel, as the table orders the values.
    enum Row { kState, kOffset, kRepeatStart, kRepeatEnd, kAnnualStart, kAnnualEnd };
    // The codes of the start/end checks: 0 passes; -3 (repeating) and -4 (annual) name the same
    // month in both rows; any other is a time error.
    static constexpr int kRepeatSameMonth = -3;
    static constexpr int kAnnualSameMonth = -4;
    // The part controls of a start/end row's list (item 0 is the row's panel), in creation order.
    enum RepeatPart { kRepeatMonth = 1, kRepeatWeek, kRepeatWeekday, kRepeatHour, kRepeatMinute };
    enum AnnualPart { kAnnualDay = 1, kAnnualMonth, kAnnualHour, kAnnualMinute };

    std::unique_ptr<VqSNMPRequest2Edits> Request;
    TSNMPEditorPanel* Editor = nullptr;
    // Per start/end row (Repeat Start, Repeat End, Annual Start, Annual End): item 0 the row's
    // panel, then its part controls in the order they were made.
    std::array<std::vector<TControl*>, 4> CtrlsLists;
    // The panel's own "Set Checked" handler, which each pass of the write calls.
    TNotifyEvent SavedSetClick;

    void FormActivate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    // Refresh: the state, then the offset and the state's start and end.
    void GetSummerTime(TObject* sender);
    // "Set Checked": the checks, then the state in a SET of its own and the rest in a second.
    void SetSummerTime(TObject* sender);
    void StateChange(TObject* sender);

    // The start and end rows of the state shown; the others hidden and unchecked.
    void ShowStateRows();
    bool CheckInput();
    bool CheckOffset();
    int CheckRepeatRows() const;
    int CheckAnnualRows() const;
    static bool DayFitsMonth(int day, int monthIndex);
    // The row's panel says whether a part is empty: "" then, "-" otherwise.
    void MarkCompositeRow(const std::vector<TControl*>& list);

    TComboBox* StateBox() const;
    bool RowChecked(int row) const;
    // A part control of a start/end row (its list without the panel), in creation order.
    TComboBox* PartBox(int row, int part) const;
    TEdit* PartEdit(int row, int part) const;

private:
    void BuildRepeatRow(int row);
    void BuildAnnualRow(int row);
    // The rows left out of a request's step by state, and the one SET of the panel's handler with
    // all but `written` left out.
    std::vector<int> PairNotShown() const;
    bool AnyCheckedRowEmpty(const std::vector<int>& rows) const;
    void SetPass(TObject* sender, const std::vector<int>& leftOut);
    // The request waits for every read and write.
    std::optional<RequestModeScope> Blocking;
};

// The table request of a dedicated dialog and the steps of the dialog pattern around it: the
// data-complete flag and the guard against acting while a read or write is under way, reading
// (the first read, Refresh, the re-read after a write), Stop, the close clean-up, the count
// label, the row-status item picked before a SET, and the one exception frame through which
// every failure reaches status panel 0 and unlocks the dialog.
//
// A dialog holds one controller per table or scalar group (the parts it does not need stay unset).
// BuildFrame (DialogFrame.h) builds the dialog's frame and wires the table to it: the list, the
// count, the status target, list changes to the count, selection and the end of every read to the
// dialog's one state function, and the dialog's fields (FieldSet) and port pickers (PortPickerSet)
// to the clear routine. The routine handlers are the table's, each one line in the dialog's
// handler of the design's name:
//   FormCreate:    Table.Attempt([&] { DialogRequest& r = Table.CreateRequest(this, table, kind, keys);
//                                      BindFields<T>(this, nullptr, r, kFields); Table.Read(); });
//   Refresh:       Table.Refresh();             Delete: Table.Delete();
//   Set/Add:       if (!Table.MayAct()) return; ...the dialog's own checks...;
//                  Table.Write(Fields.Carry(), {.Leaves = AfterWrite::NoRow});
//   Stop:          Table.Stop();                FormCloseQuery: canClose = Table.MayClose();
//   FormClose:     Table.Closing();             list events and the clear routine: the frame's.
#pragma once

#include "ColumnWrites.h"
#include "DialogRequest.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct MibTableRow;
class FieldSet;
class PortPickerSet;
class TComboBox;
class TControl;
class TForm;
class TListItem;
class TListView;
class TStatusBar;
class TStatusPanel;

// When an action of a dialog refuses.
enum class RefuseWhen {
    Never,
    Incomplete,       // while the data-complete flag is clear
    IncompleteOrBusy, // while the flag is clear or the request is busy
    Busy,             // while the request is busy, whatever the flag
};

// The guard of a dialog: which of its actions refuse while a read or write runs, with which text,
// and what Stop does to the data-complete flag. Each handler has its refusal text; a null text
// refuses silently. The flag itself is the controller's alone: clear from construction until the
// first read ends and from the start of every read or write until it ends (or fails); each family
// gives it the meaning of its own design through the guard.
struct DialogGuard {
    const char* Text = "";                  // the refusal of acting and of closing
    RefuseWhen Act = RefuseWhen::Never;     // Set, Add, Edit, Delete: refused with Text
    RefuseWhen Refresh = RefuseWhen::Never; // refused with RefreshText
    const char* RefreshText = nullptr;
    RefuseWhen Close = RefuseWhen::Never; // refused with Text
    bool StopCompletes = false;           // Stop sets the flag at once; otherwise the read's end does

    // The dedicated-dialog pattern: acting and Refresh wait for the flag and the request, Refresh
    // silently; the dialog cannot close before the first read ends unless the user stops it.
    static constexpr DialogGuard Flag(const char* text) {
        return {text,    RefuseWhen::IncompleteOrBusy, RefuseWhen::IncompleteOrBusy,
                nullptr, RefuseWhen::Incomplete,       false};
    }
    // Refuse, with the text, while the request is busy; closing is always allowed.
    static constexpr DialogGuard Busy(const char* text) {
        return {text, RefuseWhen::Busy, RefuseWhen::Busy, text, RefuseWhen::Never, false};
    }
    // A dialog that writes the chosen row and waits for the answer (WriteAndAwait): acting waits
    // for the flag and the request, Refresh for the flag, each refusing with its text; Stop unlocks
    // at once (a write waiting for its answer too); closing is always allowed.
    static constexpr DialogGuard Awaiting(const char* text, const char* refreshText) {
        return {text, RefuseWhen::IncompleteOrBusy, RefuseWhen::Incomplete, refreshText, RefuseWhen::Never,
                true};
    }
    // Act whatever the request's state.
    static constexpr DialogGuard None() { return {}; }
    // The rule editors' `DataComplete`: Refresh and Edit refuse with the text while it is clear,
    // Stop sets it, closing is always allowed.
    static constexpr DialogGuard Family(const char* text) {
        return {text, RefuseWhen::Incomplete, RefuseWhen::Incomplete, text, RefuseWhen::Never, true};
    }
};

// How a write is followed by a read of the table.
enum class WriteStyle {
    DialogReRead,    // Set(refresh 0); the dialog reads the table itself after its last SET
    FrameworkReRead, // Set(refresh 1); the framework reads the table once the SET succeeded
};

// How a caught exception is shown in status panel 0.
enum class FailureReport {
    Plain,    // the message itself
    Template, // inside the Get or Set template of the request's last operation
};

// How one write runs, besides what it carries.
enum class ReRead {
    Style,  // as the dialog's write style: its own re-read after a write that was sent, or the framework's
    Always, // the dialog reads the table again whatever happened; a failure is shown after that read
    None,   // no read here: the dialog runs its own read flow next, with that flow's guard
};
// What the dialog shows once a write has run (its re-read, if any, started).
enum class AfterWrite {
    Unchanged,    // the dialog's own steps decide
    NoRow,        // list mode: no row selected, the clear routine run, the state of no row
    NoRowKept,    // no row selected and the state of no row, the clear routine not run (a dialog that
                  // clears on no row still clears)
    State,        // the state update for the row mode as it is
    StateOfNoRow, // the state of no row, the selection as it is (a re-read empties the list)
};
struct WritePlan {
    bool Blocking = false; // the SETs wait for their replies (the request's mode for the write)
    ReRead After = ReRead::Style;
    bool Locks = true; // the flag is cleared for the write; false: it stays as it is
    FailureReport Report = FailureReport::Plain;
    // The SETs are sent and the write waits (events running) until the switch has answered, the
    // user stopped it, or at once when nothing was sent, bounded by the request's reply bound; the
    // outcome, a refusal too, goes where the table reports; no re-read after a stopped wait.
    bool AwaitReply = false;
    AfterWrite Leaves = AfterWrite::Unchanged;       // after a write that succeeded
    AfterWrite LeavesFailed = AfterWrite::Unchanged; // after one that failed
};

// How a request is made.
struct RequestOptions {
    bool AutoSelect = true; // selecting a row enables every bound control
    bool Blocking = false;  // every read and write waits for its end (the request's mode 0)
};

// What Refresh leaves besides its read.
enum class RefreshLeaves {
    Unchanged,   // the read alone
    NoRow,       // the clear routine and the state of no row, once the read is started
    NoRowAlways, // the state of no row also when the guard refused the read
    NoRowKept,   // the state of no row, the fields as they are
};
struct RefreshPlan {
    RefreshLeaves Leaves = RefreshLeaves::NoRow;
    bool SkipBusy = false; // a read still under way is not started again (each table's own)
};

// How Delete removes the selected row.
enum class DeleteStyle {
    RowStatus, // the row status's destroy (or invalid) alone, no question
    Confirmed, // "Are you sure to delete it?", then the destroy alone, blocking
};
struct DeletePlan {
    DeleteStyle Style = DeleteStyle::RowStatus;
    // What the destroy carries besides the row status (null: the row status alone), and whether
    // the bound controls take the selected row again first (an edit sub-dialog may have emptied
    // them while the row stayed chosen).
    std::optional<WriteCarry> Destroy = std::nullopt;
    bool RefillRow = false;
    // With no row selected: this text (DialogText::kChooseTheItemFirst), or nothing when null.
    const char* NoRowText = nullptr;
    WritePlan Write = {.Leaves = AfterWrite::NoRow};
};

// A cell a row is looked for by: its column and text, compared by `Same` when the column's texts
// can be written in more than one way (an address), else as texts.
struct CellMatch {
    int Column;
    std::string Text;
    bool (*Same)(std::string_view listed, std::string_view typed) = nullptr;
};

// The items of a hidden row-status combo box by their text (the RowStatus list: active,
// notInService, notReady, createAndGo, createAndWait, destroy). Tables with another status list
// give their own.
struct RowStatusItems {
    const char* Active = "active";
    const char* CreateAndGo = "createAndGo";
    const char* Destroy = "destroy";
};

class TableDialogController {
public:
    explicit TableDialogController(DialogGuard guard, WriteStyle write = WriteStyle::DialogReRead);
    TableDialogController(const TableDialogController&) = delete;
    TableDialogController& operator=(const TableDialogController&) = delete;

    // The dialog's controls, set once they exist.
    TListView* List = nullptr;           // the report list view of the table, when it has one
    TControl* CountLabel = nullptr;      // shows the list's item count
    TStatusPanel* StatusPanel = nullptr; // panel 0: every status line and failure
    // A bar used as one simple text line: when set, the status target in place of panel 0 (the
    // request's reports and every failure are its simple text).
    TStatusBar* StatusBar = nullptr;
    FailureReport Failures = FailureReport::Plain;
    // The row-status column and its hidden combo box (bound by the dialog).
    int StatusColumn = -1;
    TComboBox* StatusCombo = nullptr;
    RowStatusItems StatusItems;
    // The dialog's own steps at the end of every read, after the flag is set (BuildFrame: the state).
    std::function<void()> AfterRead;
    // The dialog's one state function: every button and field state for a chosen row or none.
    std::function<void(bool rowChosen)> State;
    // The dialog's fields and port pickers, which the clear routine resets and unticks and the
    // state update switches.
    FieldSet* Fields = nullptr;
    PortPickerSet* Pickers = nullptr;
    // The clear routine's own steps of a dialog, after the fields and pickers.
    std::function<void()> AfterClear;
    // A selection event that leaves no row selected runs the clear routine.
    bool ClearOnNoRow = false;
    // Scalar groups shown beside the table: Refresh reads them first (each when it is not busy),
    // Closing ends them after the table.
    std::vector<TableDialogController*> Companions;
    RefreshPlan Refreshing;
    DeletePlan Deleting;

    const DialogGuard Guard;
    const WriteStyle Style;
    bool DataComplete = false; // the one data-complete flag of the table (see DialogGuard)
    // How the last read ended (Code 0 after a good one), set before AfterRead runs.
    VqSNMPError LastReadError;
    bool Supported = true;
    std::unique_ptr<DialogRequest> Request;

    // Builds the table request (owner the dialog) over the table: its variable list, the list
    // view bound (auto-select as given), the status target and the end-of-read hook. The dialog
    // then binds its columns.
    DialogRequest& CreateRequest(TForm* owner, const MibTableRow* table, int kind, int keyCount,
                                 RequestOptions options = {});
    // The same over the dialog's own request, a DialogRequest subclass it has made (its
    // RowReceived and PrepareSet its own; a PrepareSet calls DialogRequest::PrepareSet).
    DialogRequest& CreateRequest(std::unique_ptr<DialogRequest> request, const MibTableRow* table, int kind,
                                 int keyCount, RequestOptions options = {});
    // The uniform path of a dialog that has no table for the switch (an unknown model): no request,
    // nothing bound, the write buttons disabled, "Unsupported model" in status panel 0, and the
    // dialog closable. Refresh then does nothing.
    void MarkUnsupported(std::initializer_list<TControl*> writeButtons);

    // The guards of the handlers, as the dialog's guard says.
    bool MayAct();
    bool MayRefresh();
    bool MayClose();

    // Runs the body in the dialog's exception frame: a framework failure unlocks the dialog (the
    // flag set again) and goes to status panel 0; false then. Skip-flag and mode scopes inside the
    // body are restored before the report.
    bool Attempt(const std::function<void()>& body);
    // Runs the body (no read or write: filling controls from a row, say); a failure goes to status
    // panel 0 and the flag is left as it is; false then.
    bool Report(const std::function<void()>& body);
    // Reads the table: flag cleared, request active again, Get, count; false after a failure (a
    // blocking read that failed too).
    bool Read();
    // A write: flag cleared (unless the plan leaves it), request active, the body (its SETs) in the
    // frame, blocking when the plan says so; then the table is read again as the plan says. False
    // after a failure.
    bool Write(const std::function<void()>& body, const WritePlan& plan = {});
    // A write that carries what `carry` declares.
    bool Write(const WriteCarry& carry, const WritePlan& plan = {});
    // The chosen row's write of a dialog that waits for the answer: the SETs `carry` declares, the
    // clear routine and the state of no row at once (while the switch answers), the bounded wait
    // (WritePlan::AwaitReply), the re-read after a write that went through, and no row chosen
    // afterwards whatever happened. False when the write failed or Stop ended the wait.
    bool WriteAndAwait(const WriteCarry& carry);
    // The Set refresh argument of this dialog's write style: false where the table reads after the
    // SET itself (a blocking request's write under the framework re-read).
    bool RefreshAfterSet() const { return Style == WriteStyle::FrameworkReRead && !ReadsAfterBlockingSet; }

    // The carried SETs inside a write's body, with this dialog's refresh argument.
    void Send(const WriteCarry& carry);
    // SETs of the row through the hidden row-status combo box: createAndGo or active with what
    // `carry` declares; destroy with the row status alone, or with what `carry` declares (a table
    // that wants other columns beside it).
    void CreateRow(const WriteCarry& carry);
    void ChangeRow(const WriteCarry& carry);
    void DestroyRow();
    void DestroyRow(const WriteCarry& carry);
    // The row-status delete: the destroy SET as a write of its own.
    bool DeleteRow(const WritePlan& plan = {});
    // The confirmed delete: "Are you sure to delete it?", then the destroy of the selected row
    // alone (ConfirmDeleteRow); a failure goes where this table reports.
    bool ConfirmDeleteSelectedRow();

    // Stop: the running walk ends at its next reply (its rows so far stay); the flag is set at once
    // when the guard says so, otherwise by the walk's end.
    void Stop();
    // The close clean-up: the selected row unselected, the read stopped and waited for (bounded),
    // the request destroyed.
    void Close();

    // The routine handlers. The row chosen: the selected row, unless the port pickers' selection
    // guard refused to show it.
    bool RowChosen() const;
    // The fields switched by their rules and the dialog's state function run, for the row mode as
    // it is.
    void UpdateState();
    // The clear routine: the fields to their defaults, the pickers unticked, the dialog's own steps.
    void Clear();
    // The list changed: the count follows it.
    void ListChanged();
    // A row selected or none: with none the clear routine (when ClearOnNoRow); then the state update.
    void SelectionChanged();
    // Refresh as `Refreshing` says: the guard, the companions, the read, what it leaves. False when
    // the guard refused it.
    bool Refresh();
    // Delete as `Deleting` says (or `plan`): with no row selected its text (or nothing) and what a
    // failed write leaves; else the guard, the style's write and what it leaves. False when nothing
    // was deleted.
    bool Delete();
    bool Delete(const DeletePlan& plan);
    // The close clean-up of the dialog: the table's (Close), its companions' and the pickers freed.
    void Closing();
    // The first listed row whose cells match, or null.
    TListItem* FindRow(std::initializer_list<CellMatch> cells) const;
    TListItem* FindRow(std::span<const CellMatch> cells) const;
    // No row selected in the list.
    void Unselect();
    // The fields switched and the state function run for no row, whatever the list shows (a read
    // just started empties it).
    void StateOfNoRow();

    void UpdateCount();
    // A text in status panel 0 (or the bar), as the failure report says.
    void ShowFailure(const std::string& text);
    // A text in status panel 0 (or the bar) as it is, whatever the failure report says.
    void ShowText(const std::string& text);

    // The pickers' selection guard: whether the selected row shows in them.
    void SelectionShown(bool shown);

private:
    bool Refuses(RefuseWhen when) const;
    bool Attempt(const std::function<void()>& body, FailureReport report);
    void Leave(AfterWrite after);
    bool SelectionRefused = false; // the pickers' guard could not show the selected row
    bool WriteAndRead(const std::function<void()>& body, const WritePlan& plan);
    // The body's SETs and the wait for their end; false when Stop ended the wait.
    bool AwaitWrite(const std::function<void()>& body);
    void ReadEnded(const VqSNMPError& error);
    void EndRead(const VqSNMPError& error);
    bool Stopped = false;
    // A blocking request's framework re-read would run inside its SET, where no hook ends it: the
    // table reads after the body instead (the same reads on the wire), so its end sets the flag and
    // runs AfterRead as every read's end does.
    bool ReadsAfterBlockingSet = false;
    void Unlock();
};

// Stops a request, waits (bounded by its time-out) until it is idle and destroys it.
void EndRequest(std::unique_ptr<DialogRequest>& request);

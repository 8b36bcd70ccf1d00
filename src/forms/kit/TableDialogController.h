// The table request of a dedicated dialog and the steps of the dialog pattern around it: the
// data-complete flag and the guard against acting while a read or write is under way, reading
// (the first read, Refresh, the re-read after a write), Stop, the close clean-up, the count
// label, the row-status item picked before a SET, and the one exception frame through which
// every failure reaches status panel 0 and unlocks the dialog.
//
// A dialog holds one controller per table (the parts it does not need stay unset) and calls it
// from its own handlers, which keep the design's names and their dialog's own checks and button
// states:
//   constructor:   Table.List = ...; Table.CountLabel = ...; Table.StatusPanel = ...;
//   FormCreate:    Table.Attempt([&] { DialogRequest& r = Table.CreateRequest(this, table, kind, keys);
//                                      ...bind the columns...; Table.Read(); });
//   Set/Add/Delete: if (!Table.MayAct()) return; ...checks...; Table.Write([&] { ...SETs... });
//   Refresh:       if (Table.MayRefresh()) Table.Read();
//   Stop:          Table.Stop();          FormCloseQuery: canClose = Table.MayClose();
//   FormClose:     Table.Close();
#pragma once

#include "DialogRequest.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

struct MibTableRow;
class TComboBox;
class TControl;
class TForm;
class TListView;
class TStatusPanel;

enum class GuardStyle {
    // The data-complete flag: clear from construction until the first read ends and from the
    // start of every read or write until it ends. Set, Add, Edit and Delete refuse with the
    // dialog's text while it is clear or the request is busy, Refresh refuses silently, and the
    // dialog cannot be closed while it is clear (unless the user stops the read).
    Flag,
    // Refuse, with the dialog's text, while the request is busy; closing is always allowed.
    Busy,
    // Act whatever the request's state.
    None,
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

// Positions of the items of a hidden row-status combo box (the RowStatus list: active,
// notInService, notReady, createAndGo, createAndWait, destroy). Tables with another status list
// give their own.
struct RowStatusItems {
    int Active = 0;
    int CreateAndGo = 3;
    int Destroy = 5;
};

class TableDialogController {
public:
    TableDialogController(GuardStyle guard, const char* refusal, WriteStyle write = WriteStyle::DialogReRead);
    TableDialogController(const TableDialogController&) = delete;
    TableDialogController& operator=(const TableDialogController&) = delete;

    // The dialog's controls, set once they exist.
    TListView* List = nullptr;           // the report list view of the table, when it has one
    TControl* CountLabel = nullptr;      // shows the list's item count
    TStatusPanel* StatusPanel = nullptr; // panel 0: every status line and failure
    FailureReport Report = FailureReport::Plain;
    // The row-status column and its hidden combo box (bound by the dialog).
    int StatusColumn = -1;
    TComboBox* StatusCombo = nullptr;
    RowStatusItems StatusItems;
    // The dialog's own steps at the end of every read (its button states), after the flag is set.
    std::function<void()> AfterRead;

    const GuardStyle Guard;
    const WriteStyle Style;
    const char* const Refusal;
    bool DataComplete = false;
    bool Supported = true;
    std::unique_ptr<DialogRequest> Request;

    // Builds the table request (owner the dialog) over the table: its variable list, the list
    // view bound (auto-select as given), the status target and the end-of-read hook. The dialog
    // then binds its columns.
    DialogRequest& CreateRequest(TForm* owner, const MibTableRow* table, int kind, int keyCount,
                                 bool autoSelect = true);
    // The uniform path of a dialog that has no table for the switch (an unknown model): no request,
    // nothing bound, the write buttons disabled, "Unsupported model" in status panel 0, and the
    // dialog closable. Refresh then does nothing.
    void MarkUnsupported(std::initializer_list<TControl*> writeButtons);

    // The guards of the handlers. MayAct and MayClose show the refusal text when they refuse;
    // MayRefresh refuses silently under the flag guard and with the text under the busy guard.
    bool MayAct();
    bool MayRefresh();
    bool MayClose();

    // Runs the body in the dialog's exception frame: a framework failure unlocks the dialog (the
    // flag set again) and goes to status panel 0; false then. Skip-flag and mode scopes inside the
    // body are restored before the report.
    bool Attempt(const std::function<void()>& body);
    // Reads the table: flag cleared, request active again, Get, count; false after a failure.
    bool Read();
    // A write: flag cleared, request active, the body (its SETs) in the frame; then, with the
    // dialog re-read, the table is read again. False after a failure.
    bool Write(const std::function<void()>& body);
    // The Set refresh argument of this dialog's write style.
    bool RefreshAfterSet() const { return Style == WriteStyle::FrameworkReRead; }

    // SETs of the row through the hidden row-status combo box: createAndGo with the given columns
    // left out; active with the given columns left out; destroy with the row status alone.
    bool CreateRow(const std::vector<int>& skipped);
    bool ChangeRow(const std::vector<int>& skipped);
    bool DestroyRow();

    // Stop: the running walk ends at its next reply (its rows so far stay, the flag is set again).
    void Stop();
    // The close clean-up: the selected row unselected, the read stopped and waited for (bounded),
    // the request destroyed.
    void Close();

    void UpdateCount();
    // A text in status panel 0, as the failure report says.
    void ShowFailure(const std::string& text);

private:
    void ReadEnded(const VqSNMPError& error);
    void Unlock();
};

// Stops a request, waits (bounded by its time-out) until it is idle and destroys it.
void EndRequest(std::unique_ptr<DialogRequest>& request);

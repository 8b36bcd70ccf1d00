// The request that windows drive: Get reads the variable list and Set writes it, blocking or
// asynchronously, with a busy flag, a count of the rows read, one status line per outcome on a
// status panel, status bar or memo, message boxes where no status target is set or a write
// fails, completion hooks, and the operations through which subclasses put rows into controls
// and take values out of them.
#pragma once

#include "VqSNMPRequest.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TControl;
class TMemo;
class TStatusBar;
class TStatusPanel;
class VqSNMPRequest2Controls;

// OnGetDone and OnSetDone: the request and the outcome of its read or write.
using VqRequestDoneEvent = std::function<void(VqSNMPRequest2Controls* request, const VqSNMPError& error)>;

class VqSNMPRequest2Controls {
public:
    // The line a stopped read leaves on its status target.
    static constexpr const char* kStopText = "Stop, SNMP Request is not active.";

    // `owner`: the form whose window parents the message boxes (may be null).
    explicit VqSNMPRequest2Controls(TControl* owner);
    virtual ~VqSNMPRequest2Controls();
    VqSNMPRequest2Controls(const VqSNMPRequest2Controls&) = delete;
    VqSNMPRequest2Controls& operator=(const VqSNMPRequest2Controls&) = delete;

    VqSNMPRequest Request;
    VqRequestDoneEvent OnGetDone; // the end of an asynchronous read
    VqRequestDoneEvent OnSetDone; // the end of an asynchronous write
    uint8_t Mode = 1;             // 0 blocking, 1 asynchronous; anything else sends nothing
    bool Busy = false;            // a Get or Set is under way
    TControl* const Owner;
    int RowCount = 0;  // rows handed to RowReceived by the current or last Get
    int Operation = 0; // 0 after a read started, 1 after a write: the status template
    bool RefreshAfterSet = true;
    VqSNMPRequest* FilterSource = nullptr; // fills the "#" placeholders of FilterText
    std::string FilterText;

    // Reads the variable list. Blocking: whether the read succeeded; a failed one leaves its
    // error in Request.LastError() and on the status target. Asynchronous: whether the first
    // step could be sent (true when Request.Active is cleared and nothing was sent).
    bool Get();
    // Writes the variable list. A non-empty column list ("2,3") names the variables of this SET,
    // the value list their value texts. Blocking: success; asynchronous: whether it was sent.
    bool Set(bool refreshAfterSet, bool collectFromControls, const std::string& columns = "",
             const std::vector<std::string>* values = nullptr);

    // Where status lines go: a panel of a status bar, or a memo or status bar (any other control
    // leaves the request without a status target).
    void SetStatusPanel(TStatusPanel* panel);
    void SetStatusControl(TControl* control);
    bool HasStatusTarget() const;
    // One line of the status template of Operation with the text in it, on the status target.
    void ShowStatus(const std::string& text);

    // The continuations of the asynchronous sends.
    void GetReplyReceived(VqSNMPError& error);
    void SetReplyReceived(VqSNMPError& error);
    // The report of a blocking write.
    void ReportSetResult(const VqSNMPError& error);
    std::string RowFilterCondition();

protected:
    virtual void BeforeGet() {}
    virtual void BeforeSet() {}
    // Once for every row (or set of scalar values) read that passes the filters; the values are
    // the ValueText of the variables.
    virtual void RowReceived() {}
    // Collects the bound controls into the value texts before a write.
    virtual void PrepareSet() {}
    virtual void GetFailed(const VqSNMPError& error);
    virtual void SetDone(const VqSNMPError& error);
    virtual void GetDone() {}
    virtual void AfterSet() {}

private:
    bool IsWalk() const;
    bool SendRead(bool firstStep);
    // The row just read, to RowReceived when it passes the filters; false when the request was
    // destroyed meanwhile.
    bool DeliverRow(const std::string& condition);
    // The start of both continuations: true when the reply ends there (the request is being
    // destroyed, or the reply failed and went to its hook or report).
    bool EndedAtOnce(const VqSNMPError& error, int operation);
    void FinishRead(const VqSNMPError& error);
    // The stop text on the status target, through Request.ErrorHandler when one is set.
    void ShowStopped();
    void ReadFailed(const VqSNMPError& error);
    void WriteEnded(const VqSNMPError& error);
    void ReportWrite(const VqSNMPError& error, bool failed);
    void ReportException(const std::exception& e);
    void ShowMessageBox(const std::string& text);

    // The status target: at most one of the three is set.
    TMemo* MemoTarget = nullptr;
    TStatusBar* BarTarget = nullptr;
    TStatusPanel* PanelTarget = nullptr;
    std::weak_ptr<const bool> TargetAlive; // the memo's or the status bar's
    std::weak_ptr<const bool> OwnerAlive;
    bool Destroying = false;
};

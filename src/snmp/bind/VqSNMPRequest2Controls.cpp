#include "VqSNMPRequest2Controls.h"

#include "Clock.h"
#include "Expressions.h"
#include "MessageWait.h"
#include "TApplication.h"
#include "TMemo.h"
#include "TStatusBar.h"
#include "UserDialogs.h"
#include "VqMessageTable.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

constexpr std::string_view kErrorField = "[ERROR]";
constexpr std::string_view kVarListField = "[VARLIST]";
constexpr std::string_view kTimeField = "[TIME]";

// The requests' waits for replies (the destructor's) run the widget layer's bounded wait, so
// that they follow its clock seam.
void InstallWidgetWait() {
    static const bool installed = [] {
        SetMessageWait([](const std::function<bool()>& done, uint64_t boundMs) {
            return Application->WaitUntil(done, boundMs);
        });
        return true;
    }();
    (void)installed;
}

std::string LocalTimeText(std::chrono::system_clock::time_point now) {
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

} // namespace

VqSNMPRequest2Controls::VqSNMPRequest2Controls(TControl* owner) : Owner(owner) {
    InstallWidgetWait();
    if (owner)
        OwnerAlive = owner->AliveToken();
}

VqSNMPRequest2Controls::~VqSNMPRequest2Controls() {
    // Replies handled during the engine's wait below reach this class only: its hooks, status
    // target and message boxes belong to a window that is going away.
    Busy = false;
    Destroying = true;
    OnGetDone = nullptr;
    OnSetDone = nullptr;
    SetStatusControl(nullptr);
    Request.Close();
}

bool VqSNMPRequest2Controls::IsWalk() const {
    return Request.VarList.Kind == MVT_FMV || Request.VarList.Kind == MVT_UMV;
}

// ---- reading

bool VqSNMPRequest2Controls::Get() {
    bool result = true;
    Operation = 0;
    try {
        BeforeGet();
        const std::string condition = RowFilterCondition();
        RowCount = 0;
        if (Mode == 0) {
            Busy = true;
            const uint64_t serial = Request.GetErrorSerial();
            const bool wasActive = Request.Active;
            auto life = Request.LifeToken();
            bool ok = false;
            if (!IsWalk()) {
                Request.ReadSync(ok, true);
                if (ok && !DeliverRow(condition))
                    return ok;
            } else {
                for (bool more = Request.ReadSync(ok, true); more; more = Request.ReadSync(ok, false))
                    if (ok && !DeliverRow(condition))
                        return ok;
            }
            GetDone();
            if (!*life)
                return ok;
            Busy = false;
            result = ok;
            if (ok)
                ShowStatus(MessageOfCode(0));
            else if (Request.GetErrorSerial() != serial)
                ShowStatus(Request.LastError().Message); // a dead switch is noticed, not hidden
            else if (wasActive && !Request.Active)
                ShowStopped(); // Stop, pressed while a row was handled, refused the next step
        } else if (Mode == 1) {
            Busy = true;
            if (Request.Active)
                result = SendRead(true);
            else
                Busy = false;
        }
    } catch (...) {
        Busy = false;
        throw;
    }
    return result;
}

bool VqSNMPRequest2Controls::SendRead(bool firstStep) {
    bool ok = false;
    Request.ReadAsync(
        ok, [this](VqSNMPError& error, VqSNMPVarList&) { GetReplyReceived(error); }, firstStep);
    if (!ok) {
        // A refused send ends the read like a failed reply: its hook or report still comes, so
        // that no window waits for a read that never runs.
        Busy = false;
        Operation = 0;
        ReadFailed(Request.LastError());
    }
    return ok;
}

bool VqSNMPRequest2Controls::DeliverRow(const std::string& condition) {
    if (!Request.MatchesFilter(condition) || !Request.CheckCondition())
        return true;
    auto life = Request.LifeToken();
    RowReceived();
    if (!*life)
        return false;
    ++RowCount;
    return true;
}

bool VqSNMPRequest2Controls::EndedAtOnce(const VqSNMPError& error, int operation) {
    if (!Destroying && error.Code == 0)
        return false;
    Busy = false;
    if (!Destroying) {
        Operation = operation;
        if (operation == 0)
            ReadFailed(error);
        else
            WriteEnded(error);
    }
    return true;
}

void VqSNMPRequest2Controls::GetReplyReceived(VqSNMPError& error) {
    if (EndedAtOnce(error, 0))
        return;
    auto life = Request.LifeToken();
    try {
        const std::string condition = RowFilterCondition();
        if (!IsWalk() || error.Finished) {
            if (!IsWalk() && !DeliverRow(condition))
                return;
            FinishRead(error);
            return;
        }
        if (!DeliverRow(condition))
            return;
        if (Request.Active) {
            SendRead(false);
            return;
        }
        // Stopped: the walk ends at this reply.
        GetDone();
        if (!*life)
            return;
        Busy = false;
        Operation = 0;
        ShowStopped();
        if (OnGetDone)
            OnGetDone(this, error);
    } catch (const std::exception& e) {
        if (*life) {
            Operation = 0;
            ReportException(e);
        }
    }
}

void VqSNMPRequest2Controls::ShowStopped() {
    if (!HasStatusTarget())
        return;
    if (Request.ErrorHandler) {
        VqSNMPError stop;
        stop.Code = 0;
        stop.Serial = ~uint64_t{0};
        stop.Message = kStopText;
        Request.ErrorHandler(stop);
    } else {
        ShowStatus(kStopText);
    }
}

void VqSNMPRequest2Controls::FinishRead(const VqSNMPError& error) {
    auto life = Request.LifeToken();
    GetDone();
    if (!*life)
        return;
    Busy = false;
    Operation = 0;
    ShowStatus(MessageOfCode(0));
    if (OnGetDone)
        OnGetDone(this, error);
}

void VqSNMPRequest2Controls::ReadFailed(const VqSNMPError& error) {
    if (OnGetDone)
        OnGetDone(this, error);
    else
        GetFailed(error);
}

void VqSNMPRequest2Controls::GetFailed(const VqSNMPError& error) {
    Operation = 0;
    if (HasStatusTarget())
        ShowStatus(error.Message);
    else
        ShowMessageBox(error.Message);
}

std::string VqSNMPRequest2Controls::RowFilterCondition() {
    if (!FilterSource || FilterText.empty())
        return {};
    return FilterSource->SubstituteVariables(FilterText, true, "#");
}

// ---- writing

bool VqSNMPRequest2Controls::Set(bool refreshAfterSet, bool collectFromControls, const std::string& columns,
                                 const std::vector<std::string>* values) {
    bool result = true;
    Operation = 1;
    RefreshAfterSet = refreshAfterSet;
    try {
        BeforeSet();
        if (collectFromControls)
            PrepareSet();
        if (Mode == 0) {
            Busy = true;
            auto life = Request.LifeToken();
            bool ok = false;
            VqSNMPError error;
            Request.WriteSync(ok, error, columns, values);
            AfterSet();
            if (!*life)
                return ok;
            Busy = false;
            result = ok;
            if (ok) {
                ShowStatus(MessageOfCode(0));
            } else if (error.Code == 0) {
                // Refused before anything was sent (the request is not active): a failure all the
                // same, never an "Ok!".
                error.Message = kStopText;
                ReportWrite(error, true);
            } else {
                ReportSetResult(error);
            }
            if (*life && IsWalk() && RefreshAfterSet)
                Get();
        } else if (Mode == 1) {
            Busy = true;
            if (Request.Active) {
                Request.WriteAsync(
                    result, [this](VqSNMPError& error, VqSNMPVarList&) { SetReplyReceived(error); }, columns,
                    values);
                if (!result) {
                    Busy = false;
                    WriteEnded(Request.LastError());
                }
            } else {
                Busy = false;
            }
        }
    } catch (...) {
        Busy = false;
        throw;
    }
    return result;
}

void VqSNMPRequest2Controls::SetReplyReceived(VqSNMPError& error) {
    if (EndedAtOnce(error, 1))
        return;
    auto life = Request.LifeToken();
    try {
        AfterSet();
        if (!*life)
            return;
        Busy = false;
        Operation = 1;
        WriteEnded(error);
        if (*life && IsWalk() && RefreshAfterSet)
            Get();
    } catch (const std::exception& e) {
        if (*life)
            ReportException(e);
    }
}

void VqSNMPRequest2Controls::WriteEnded(const VqSNMPError& error) {
    if (OnSetDone)
        OnSetDone(this, error);
    else
        SetDone(error);
}

void VqSNMPRequest2Controls::SetDone(const VqSNMPError& error) {
    ReportWrite(error, error.Code != 0);
}

void VqSNMPRequest2Controls::ReportSetResult(const VqSNMPError& error) {
    ReportWrite(error, error.Code != 0);
}

void VqSNMPRequest2Controls::ReportWrite(const VqSNMPError& error, bool failed) {
    Operation = 1;
    if (failed || !HasStatusTarget())
        ShowMessageBox(error.Message);
    else
        ShowStatus(error.Message);
}

// ---- reports

void VqSNMPRequest2Controls::ReportException(const std::exception& e) {
    Busy = false;
    if (HasStatusTarget())
        ShowStatus(e.what());
    else
        ShowMessageBox(e.what());
}

void VqSNMPRequest2Controls::ShowMessageBox(const std::string& text) {
    TControl* parent = IsAlive(OwnerAlive) ? Owner : nullptr;
    ::MessageBox(parent, text, Application->Title(), MB_OK);
}

void VqSNMPRequest2Controls::SetStatusPanel(TStatusPanel* panel) {
    SetStatusControl(nullptr);
    PanelTarget = panel;
}

void VqSNMPRequest2Controls::SetStatusControl(TControl* control) {
    MemoTarget = dynamic_cast<TMemo*>(control);
    BarTarget = MemoTarget ? nullptr : dynamic_cast<TStatusBar*>(control);
    PanelTarget = nullptr;
    TargetAlive = MemoTarget || BarTarget ? control->AliveToken() : std::weak_ptr<const bool>();
}

bool VqSNMPRequest2Controls::HasStatusTarget() const {
    return PanelTarget || ((MemoTarget || BarTarget) && IsAlive(TargetAlive));
}

void VqSNMPRequest2Controls::ShowStatus(const std::string& text) {
    if (!HasStatusTarget())
        return;
    std::string line = StatusTemplates.Entry(Operation == 1 ? kStatusTemplateSet : kStatusTemplateGet);
    const std::string& display = Request.VarList.DisplayText;
    const size_t error = line.find(kErrorField);
    const size_t varList = error == std::string::npos ? std::string::npos : line.find(kVarListField, error);
    if (display.empty() && varList != std::string::npos) {
        // Without a list name the words around it go too: "Get: Ok! Receive at 14:05:09."
        const size_t from = error + kErrorField.size();
        const size_t through = std::min(line.size(), varList + kVarListField.size() + 1);
        line.erase(from, through - from);
    } else {
        line = ReplaceAll(line, kVarListField, display);
    }
    line = ReplaceAll(line, kErrorField, text);
    line = ReplaceAll(line, kTimeField, LocalTimeText(ClockNow()));
    if (MemoTarget)
        MemoTarget->Lines().Add(line);
    else if (BarTarget)
        BarTarget->SetSimpleText(line);
    else if (PanelTarget)
        PanelTarget->SetText(line);
}

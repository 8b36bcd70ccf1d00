#include "TableDialogController.h"

#include "ColumnWrites.h"
#include "DialogTexts.h"
#include "OptionItems.h"
#include "RequestModeScope.h"
#include "TApplication.h"
#include "TComboBox.h"
#include "TListView.h"
#include "TStatusBar.h"
#include "TableRowHelpers.h"
#include "UserDialogs.h"

#include <algorithm>
#include <exception>
#include <optional>

WriteCarry& WriteCarry::Without(int column) {
    if (How == Kind::RowWithout && std::find(List.begin(), List.end(), column) == List.end()) {
        List.push_back(column);
    }
    return *this;
}

void WriteCarry::Send(DialogRequest& request, bool refresh) const {
    switch (How) {
    case Kind::RowWithout:
        SetSkipping(request, List, refresh);
        break;
    case Kind::Only:
        SetOnly(request, List, refresh);
        break;
    case Kind::EachAlone:
        SetEachAlone(request, List, refresh);
        break;
    }
}

TableDialogController::TableDialogController(DialogGuard guard, WriteStyle write)
    : Guard(guard), Style(write) {}

DialogRequest& TableDialogController::CreateRequest(TForm* owner, const MibTableRow* table, int kind,
                                                    int keyCount, bool autoSelect) {
    Request = std::make_unique<DialogRequest>(owner);
    Request->Request.VarList = VqSNMPVarList(table, kind, keyCount);
    if (List) {
        Request->BindListView(List, autoSelect);
    }
    if (StatusBar) {
        Request->SetStatusControl(StatusBar);
    } else if (StatusPanel) {
        Request->SetStatusPanel(StatusPanel);
    }
    // Every end of a read comes here, a failed one included: the framework then leaves the
    // status line alone, so the reason is written here, and the dialog is never left locked.
    Request->OnGetDone = [this](VqSNMPRequest2Controls*, const VqSNMPError& error) { ReadEnded(error); };
    // A failed SET starts no framework re-read, whose end would unlock the dialog.
    Request->OnWriteFailed = [this](const VqSNMPError&) {
        if (Style == WriteStyle::FrameworkReRead) {
            Unlock();
        }
    };
    return *Request;
}

void TableDialogController::MarkUnsupported(std::initializer_list<TControl*> writeButtons) {
    Request.reset();
    Supported = false;
    DataComplete = true;
    for (TControl* button : writeButtons) {
        button->SetEnabled(false);
    }
    ShowText(DialogText::kUnsupportedModel);
}

namespace {

// A guard's refusal: its text, or nothing for a silent one.
void Say(const char* refusal) {
    if (refusal) {
        ShowMessage(refusal);
    }
}

} // namespace

bool TableDialogController::Refuses(RefuseWhen when) const {
    const bool busy = Request && Request->Busy;
    switch (when) {
    case RefuseWhen::Never:
        return false;
    case RefuseWhen::Incomplete:
        return !DataComplete;
    case RefuseWhen::IncompleteOrBusy:
        return !DataComplete || busy;
    case RefuseWhen::Busy:
        return busy;
    }
    return false;
}

bool TableDialogController::MayAct() {
    if (!Supported || !Request) {
        return false;
    }
    if (Refuses(Guard.Act)) {
        Say(Guard.Text);
        return false;
    }
    return true;
}

bool TableDialogController::MayRefresh() {
    if (!Supported || !Request) {
        return false;
    }
    if (Refuses(Guard.Refresh)) {
        Say(Guard.RefreshText);
        return false;
    }
    return true;
}

bool TableDialogController::MayClose() {
    if (Refuses(Guard.Close)) {
        Say(Guard.Text);
        return false;
    }
    return true;
}

bool TableDialogController::Attempt(const std::function<void()>& body) {
    return Attempt(body, Failures);
}

bool TableDialogController::Report(const std::function<void()>& body) {
    try {
        body();
        return true;
    } catch (const std::exception& e) {
        ShowFailure(e.what());
        return false;
    }
}

bool TableDialogController::Attempt(const std::function<void()>& body, FailureReport report) {
    try {
        body();
        return true;
    } catch (const std::exception& e) {
        Unlock();
        if (report == FailureReport::Template && Request) {
            Request->ShowStatus(e.what());
        } else {
            ShowFailure(e.what());
        }
        return false;
    }
}

bool TableDialogController::Read() {
    if (!Request) {
        return false;
    }
    return Attempt([this] {
        DataComplete = false;
        Request->Request.Active = true;
        Request->Get();
        UpdateCount();
        if (Request->Mode == 0) {
            ReadEnded(VqSNMPError{}); // a blocking read calls no hook and reports its own failure
        }
    });
}

bool TableDialogController::Write(const std::function<void()>& body, const WritePlan& plan) {
    if (!Request) {
        return false;
    }
    // A failure is shown after an Always re-read, so that the read's own status line does not hide it.
    std::optional<std::string> failure;
    const bool written = Attempt(
        [&] {
            if (plan.Locks) {
                DataComplete = false;
            }
            Request->Request.Active = true;
            std::optional<RequestModeScope> blocking;
            if (plan.Blocking) {
                blocking.emplace(*Request, 0);
            }
            try {
                body();
            } catch (const std::exception& e) {
                if (plan.After != ReRead::Always) {
                    throw;
                }
                failure = e.what();
            }
        },
        plan.Report);
    if (!written) {
        return false;
    }
    if (failure) {
        Unlock();
        Read();
        if (plan.Report == FailureReport::Template && Request) {
            Request->ShowStatus(*failure);
        } else {
            ShowFailure(*failure);
        }
        return false;
    }
    if (plan.After == ReRead::None) {
        return true;
    }
    if (plan.After == ReRead::Always || Style == WriteStyle::DialogReRead) {
        return plan.Locks ? Read() : Attempt([this] {
            Request->Get(); // the flag stays as it is; the read's end sets it all the same
            UpdateCount();
        });
    }
    return true;
}

bool TableDialogController::Write(const WriteCarry& carry, const WritePlan& plan) {
    return Write([&] { Send(carry); }, plan);
}

void TableDialogController::Send(const WriteCarry& carry) {
    carry.Send(*Request, RefreshAfterSet());
}

void TableDialogController::CreateRow(const WriteCarry& carry) {
    SelectOption(StatusCombo, StatusItems.CreateAndGo);
    Send(carry);
}

void TableDialogController::ChangeRow(const WriteCarry& carry) {
    SelectOption(StatusCombo, StatusItems.Active);
    Send(carry);
}

void TableDialogController::DestroyRow() {
    DestroyRow(WriteCarry::Only({StatusColumn}));
}

void TableDialogController::DestroyRow(const WriteCarry& carry) {
    SelectOption(StatusCombo, StatusItems.Destroy);
    Send(carry);
}

bool TableDialogController::DeleteRow(const WritePlan& plan) {
    return Write([this] { DestroyRow(); }, plan);
}

bool TableDialogController::ConfirmDeleteSelectedRow() {
    return Attempt([this] { ConfirmDeleteRow(Request.get(), StatusColumn, StatusItems.Destroy); });
}

void TableDialogController::Stop() {
    if (Request) {
        Request->Request.Active = false;
    }
    if (Guard.StopCompletes) {
        DataComplete = true;
    }
}

void TableDialogController::Close() {
    if (List && List->Selected()) {
        List->SetSelected(nullptr);
    }
    EndRequest(Request);
}

void TableDialogController::UpdateCount() {
    if (CountLabel && List) {
        CountLabel->SetCaption(std::to_string(List->Items().Count()));
    }
}

void TableDialogController::ShowFailure(const std::string& text) {
    if (Failures == FailureReport::Template && Request) {
        Request->ShowStatus(text);
    } else {
        ShowText(text);
    }
}

void TableDialogController::ShowText(const std::string& text) {
    if (StatusBar) {
        StatusBar->SetSimpleText(text);
    } else if (StatusPanel) {
        StatusPanel->SetText(text);
    }
}

void TableDialogController::ReadEnded(const VqSNMPError& error) {
    Unlock();
    UpdateCount();
    if (error.Code != 0 && Request) {
        Request->ShowStatus(error.Message);
    }
    if (AfterRead) {
        AfterRead();
    }
}

void TableDialogController::Unlock() {
    DataComplete = true;
}

void EndRequest(std::unique_ptr<DialogRequest>& request) {
    if (!request) {
        return;
    }
    request->Request.Active = false;
    DialogRequest* waited = request.get();
    Application->WaitUntil([waited] { return !waited->Busy; },
                           ReplyWaitBoundMs(waited->Request.Timeout, waited->Request.Retries));
    request.reset();
}

#include "TableDialogController.h"

#include "ColumnWrites.h"
#include "DialogTexts.h"
#include "TApplication.h"
#include "TComboBox.h"
#include "TListView.h"
#include "TStatusBar.h"
#include "UserDialogs.h"

#include <exception>

TableDialogController::TableDialogController(GuardStyle guard, const char* refusal, WriteStyle write)
    : Guard(guard), Style(write), Refusal(refusal) {}

DialogRequest& TableDialogController::CreateRequest(TForm* owner, const MibTableRow* table, int kind,
                                                    int keyCount, bool autoSelect) {
    Request = std::make_unique<DialogRequest>(owner);
    Request->Request.VarList = VqSNMPVarList(table, kind, keyCount);
    if (List) {
        Request->BindListView(List, autoSelect);
    }
    if (StatusPanel) {
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
    if (StatusPanel) {
        StatusPanel->SetText(DialogText::kUnsupportedModel);
    }
}

bool TableDialogController::MayAct() {
    if (!Supported || !Request) {
        return false;
    }
    const bool refused = (Guard == GuardStyle::Flag && (!DataComplete || Request->Busy)) ||
                         (Guard == GuardStyle::Busy && Request->Busy);
    if (refused) {
        ShowMessage(Refusal);
    }
    return !refused;
}

bool TableDialogController::MayRefresh() {
    if (!Supported || !Request) {
        return false;
    }
    switch (Guard) {
    case GuardStyle::Flag:
        return DataComplete && !Request->Busy;
    case GuardStyle::Busy:
        if (Request->Busy) {
            ShowMessage(Refusal);
            return false;
        }
        return true;
    case GuardStyle::None:
        break;
    }
    return true;
}

bool TableDialogController::MayClose() {
    if (Guard == GuardStyle::Flag && !DataComplete) {
        ShowMessage(Refusal);
        return false;
    }
    return true;
}

bool TableDialogController::Attempt(const std::function<void()>& body) {
    try {
        body();
        return true;
    } catch (const std::exception& e) {
        Unlock();
        ShowFailure(e.what());
        return false;
    }
}

bool TableDialogController::Read() {
    if (!Request) {
        return false;
    }
    return Attempt([this] {
        if (Guard == GuardStyle::Flag) {
            DataComplete = false;
        }
        Request->Request.Active = true;
        Request->Get();
        UpdateCount();
        if (Request->Mode == 0) {
            ReadEnded(VqSNMPError{}); // a blocking read calls no hook and reports its own failure
        }
    });
}

bool TableDialogController::Write(const std::function<void()>& body) {
    if (!Request) {
        return false;
    }
    const bool written = Attempt([&] {
        if (Guard == GuardStyle::Flag) {
            DataComplete = false;
        }
        Request->Request.Active = true;
        body();
    });
    if (!written) {
        return false;
    }
    return Style == WriteStyle::FrameworkReRead || Read();
}

bool TableDialogController::CreateRow(const std::vector<int>& skipped) {
    StatusCombo->SetItemIndex(StatusItems.CreateAndGo);
    return SetSkipping(*Request, skipped, RefreshAfterSet());
}

bool TableDialogController::ChangeRow(const std::vector<int>& skipped) {
    StatusCombo->SetItemIndex(StatusItems.Active);
    return SetSkipping(*Request, skipped, RefreshAfterSet());
}

bool TableDialogController::DestroyRow() {
    StatusCombo->SetItemIndex(StatusItems.Destroy);
    return SetOnly(*Request, {StatusColumn}, RefreshAfterSet());
}

void TableDialogController::Stop() {
    if (Request) {
        Request->Request.Active = false;
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
    if (Report == FailureReport::Template && Request) {
        Request->ShowStatus(text);
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
    if (Guard == GuardStyle::Flag) {
        DataComplete = true;
    }
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

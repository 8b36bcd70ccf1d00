#include "TableDialogController.h"

#include "ColumnWrites.h"
#include "DialogTexts.h"
#include "FieldSet.h"
#include "OptionItems.h"
#include "PortPickerSet.h"
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
#include <stdexcept>

TableDialogController::TableDialogController(DialogGuard guard, WriteStyle write)
    : Guard(guard), Style(write) {}

DialogRequest& TableDialogController::CreateRequest(TForm* owner, const MibTableRow* table, int kind,
                                                    int keyCount, RequestOptions options) {
    return CreateRequest(std::make_unique<DialogRequest>(owner), table, kind, keyCount, options);
}

DialogRequest& TableDialogController::CreateRequest(std::unique_ptr<DialogRequest> request,
                                                    const MibTableRow* table, int kind, int keyCount,
                                                    RequestOptions options) {
    Request = std::move(request);
    Request->Request.VarList = VqSNMPVarList(table, kind, keyCount);
    if (options.Blocking) {
        Request->Mode = 0;
    }
    if (List) {
        Request->BindListView(List, options.AutoSelect);
        // The request's own hook runs the dialog's handler and then fills the bound controls and
        // enables them (auto-select): the field rules and the state come after it, so that a key
        // fixed on a chosen row stays fixed.
        TLVSelectItemEvent filled = List->OnSelectItem;
        List->OnSelectItem = [this, filled](TObject* sender, TListItem* item, bool selected) {
            filled(sender, item, selected);
            UpdateState();
        };
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
    bool good = true;
    const bool attempted = Attempt([this, &good] {
        DataComplete = false;
        Request->Request.Active = true;
        const bool got = Request->Get();
        UpdateCount();
        if (Request->Mode == 0) {
            // A blocking read calls no hook; its failure is on the status target already.
            good = got;
            EndRead(got ? VqSNMPError{} : Request->Request.LastError());
        }
    });
    return attempted && good;
}

bool TableDialogController::Write(const std::function<void()>& body, const WritePlan& plan) {
    const bool written = WriteAndRead(body, plan);
    Leave(written ? plan.Leaves : plan.LeavesFailed);
    return written;
}

bool TableDialogController::WriteAndRead(const std::function<void()>& body, const WritePlan& plan) {
    if (!Request) {
        return false;
    }
    // A failure is shown after an Always re-read, so that the read's own status line does not hide it.
    std::optional<std::string> failure;
    bool stopped = false;
    // A blocking request re-reads after a SET that failed as after one that went through.
    const bool readsAfterBlockingSet =
        Style == WriteStyle::FrameworkReRead && plan.After == ReRead::Style && Request->Mode == 0;
    const bool written = Attempt(
        [&] {
            ReadsAfterBlockingSet = readsAfterBlockingSet;
            struct Reset {
                bool& Flag;
                ~Reset() { Flag = false; }
            } reset{ReadsAfterBlockingSet};
            if (plan.Locks) {
                DataComplete = false;
            }
            Request->Request.Active = true;
            std::optional<RequestModeScope> blocking;
            if (plan.Blocking) {
                blocking.emplace(*Request, 0);
            }
            try {
                if (plan.AwaitReply) {
                    stopped = !AwaitWrite(body);
                } else {
                    body();
                }
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
    if (stopped) {
        Unlock(); // no re-read after a wait the user stopped
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
    if (plan.After == ReRead::Always || Style == WriteStyle::DialogReRead || readsAfterBlockingSet) {
        return plan.Locks ? Read() : Attempt([this] {
            Request->Get(); // the flag stays as it is; the read's end sets it all the same
            UpdateCount();
        });
    }
    return true;
}

bool TableDialogController::AwaitWrite(const std::function<void()>& body) {
    // The write's end comes through the set-done hook, here in place of the framework's report:
    // the outcome goes where this table reports, a refusal too.
    std::optional<VqSNMPError> outcome;
    VqRequestDoneEvent saved = Request->OnSetDone;
    Request->OnSetDone = [&outcome](VqSNMPRequest2Controls*, const VqSNMPError& error) { outcome = error; };
    struct Restore {
        TableDialogController* Table;
        VqRequestDoneEvent Saved;
        std::weak_ptr<const bool> Life;
        ~Restore() {
            if (!Life.expired() && Table->Request) {
                Table->Request->OnSetDone = std::move(Saved);
            }
        }
    } restore{this, std::move(saved), Request->Request.LifeToken()};
    Stopped = false;
    body();
    if (Request->Busy) { // nothing sent: no wait
        DialogRequest* request = Request.get();
        Application->WaitUntil([&] { return outcome || Stopped || !request->Busy; },
                               ReplyWaitBoundMs(request->Request.Timeout, request->Request.Retries));
    }
    if (Stopped) {
        return false;
    }
    if (outcome && outcome->Code != 0) {
        ShowFailure(outcome->Message);
        throw std::runtime_error(outcome->Message);
    }
    if (outcome) {
        Request->Operation = 1;
        Request->ShowStatus(outcome->Message);
    }
    return true;
}

bool TableDialogController::Write(const WriteCarry& carry, const WritePlan& plan) {
    return Write([&] { Send(carry); }, plan);
}

bool TableDialogController::WriteAndAwait(const WriteCarry& carry) {
    return Write(
        [&] {
            Send(carry);
            Clear();
            StateOfNoRow();
        },
        {.AwaitReply = true, .Leaves = AfterWrite::NoRow, .LeavesFailed = AfterWrite::NoRow});
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

bool TableDialogController::RowChosen() const {
    return List && List->Selected() && !SelectionRefused;
}

void TableDialogController::UpdateState() {
    const bool row = RowChosen();
    if (Fields) {
        Fields->Update(row);
    }
    if (State) {
        State(row);
    }
}

void TableDialogController::Clear() {
    if (Fields) {
        Fields->Reset();
    }
    if (Pickers) {
        Pickers->UncheckAll();
    }
    if (AfterClear) {
        AfterClear();
    }
}

void TableDialogController::ListChanged() {
    UpdateCount();
}

void TableDialogController::SelectionChanged() {
    if (ClearOnNoRow && (!List || !List->Selected())) {
        Clear();
    }
    UpdateState();
}

void TableDialogController::SelectionShown(bool shown) {
    SelectionRefused = List && List->Selected() && !shown;
}

void TableDialogController::Unselect() {
    if (List && List->Selected()) {
        List->SetSelected(nullptr);
    }
}

void TableDialogController::Leave(AfterWrite after) {
    switch (after) {
    case AfterWrite::Unchanged:
        return;
    case AfterWrite::NoRow:
        Unselect();
        Clear();
        break;
    case AfterWrite::NoRowKept:
        Unselect();
        break;
    case AfterWrite::State:
        break;
    case AfterWrite::StateOfNoRow:
        StateOfNoRow();
        return;
    }
    UpdateState();
}

void TableDialogController::StateOfNoRow() {
    if (Fields) {
        Fields->Update(false);
    }
    if (State) {
        State(false);
    }
}

bool TableDialogController::Refresh() {
    if (!MayRefresh()) {
        if (Refreshing.Leaves == RefreshLeaves::NoRowAlways) {
            StateOfNoRow();
        }
        return false;
    }
    for (TableDialogController* companion : Companions) {
        if (companion->Request && !companion->Request->Busy) {
            companion->Read();
        }
    }
    if (!(Refreshing.SkipBusy && Request->Busy)) {
        Read();
    }
    switch (Refreshing.Leaves) {
    case RefreshLeaves::Unchanged:
        break;
    case RefreshLeaves::NoRow:
        UpdateCount();
        Clear();
        StateOfNoRow();
        break;
    case RefreshLeaves::NoRowAlways:
    case RefreshLeaves::NoRowKept:
        StateOfNoRow();
        break;
    }
    return true;
}

bool TableDialogController::Delete() {
    return Delete(Deleting);
}

bool TableDialogController::Delete(const DeletePlan& plan) {
    if (!List || !List->Selected()) {
        if (plan.NoRowText) {
            ShowMessage(plan.NoRowText);
        }
        Leave(plan.Write.LeavesFailed);
        UpdateCount();
        return false;
    }
    if (!MayAct()) {
        return false;
    }
    bool deleted = false;
    if (plan.Style == DeleteStyle::Confirmed) {
        deleted = ConfirmDeleteSelectedRow();
        Leave(deleted ? plan.Write.Leaves : plan.Write.LeavesFailed);
    } else {
        deleted = Write(
            [&] {
                if (plan.RefillRow) {
                    Request->ReadSelectedRow();
                    Request->FillControls(-1);
                }
                if (plan.Destroy) {
                    DestroyRow(*plan.Destroy);
                } else {
                    DestroyRow();
                }
            },
            plan.Write);
    }
    UpdateCount();
    return deleted;
}

void TableDialogController::Closing() {
    Close();
    for (TableDialogController* companion : Companions) {
        companion->Close();
    }
    if (Pickers) {
        Pickers->Free();
    }
}

TListItem* TableDialogController::FindRow(std::initializer_list<CellMatch> cells) const {
    return FindRow(std::span<const CellMatch>(cells.begin(), cells.size()));
}

TListItem* TableDialogController::FindRow(std::span<const CellMatch> cells) const {
    if (!List || !Request) {
        return nullptr;
    }
    TListItems& rows = List->Items();
    for (int i = 0; i < rows.Count(); ++i) {
        bool all = true;
        for (const CellMatch& cell : cells) {
            const std::string listed = Request->CellText(rows[i], cell.Column);
            if (!(cell.Same ? cell.Same(listed, cell.Text) : listed == cell.Text)) {
                all = false;
                break;
            }
        }
        if (all) {
            return rows[i];
        }
    }
    return nullptr;
}

void TableDialogController::Stop() {
    Stopped = true;
    if (Request) {
        Request->Request.Active = false;
    }
    if (Guard.StopCompletes) {
        DataComplete = true;
    }
}

void TableDialogController::Close() {
    Unselect();
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
    if (error.Code != 0 && Request) {
        Request->ShowStatus(error.Message);
    }
    EndRead(error);
}

void TableDialogController::EndRead(const VqSNMPError& error) {
    LastReadError = error;
    Unlock();
    UpdateCount();
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

#include "EditSubDialog.h"

#include "DeviceFacts.h"
#include "Events.h"
#include "TForm.h"
#include "TableDialogController.h"

bool WriteThroughList(TForm* subDialog, TableDialogController* list,
                      const std::function<void(DialogRequest&)>& write, ListLock lock,
                      SubDialogFailure failure) {
    return WriteThroughList(subDialog, list, write, WritePlan{.Locks = lock == ListLock::Lock}, failure);
}

bool WriteThroughList(TForm* subDialog, TableDialogController* list,
                      const std::function<void(DialogRequest&)>& write, const WritePlan& plan,
                      SubDialogFailure failure) {
    if (!list || !list->Request) {
        subDialog->Close();
        return false;
    }
    DialogRequest& request = *list->Request;
    const bool written = list->Write([&] { write(request); }, plan);
    if (written || failure == SubDialogFailure::Close) {
        subDialog->Close();
    }
    return written;
}

bool CreateRowThroughList(TForm* subDialog, TableDialogController* list, const WriteCarry& carry,
                          ListLock lock, SubDialogFailure failure) {
    return CreateRowThroughList(subDialog, list, carry, WritePlan{.Locks = lock == ListLock::Lock}, failure);
}

bool CreateRowThroughList(TForm* subDialog, TableDialogController* list, const WriteCarry& carry,
                          const WritePlan& plan, SubDialogFailure failure) {
    return WriteThroughList(
        subDialog, list, [&](DialogRequest&) { list->CreateRow(carry); }, plan, failure);
}

std::string SubDialogCaption(const std::string& title, const std::string& suffix) {
    return title + ": " + Facts().DeviceAddress + suffix;
}

TEditSubDialog::TEditSubDialog(TComponent* owner, int designWidth, int designHeight, DesignScale scale)
    : TBasicForm(owner, designWidth, designHeight, scale) {
    OnActivate = Bind(this, &TEditSubDialog::Shown);
}

TEditSubDialog::~TEditSubDialog() {
    if (ForgetInstance) {
        ForgetInstance();
    }
}

void TEditSubDialog::ShowFor(int mode, const std::string& suffix) {
    Mode = mode;
    SetCaption(Owner() ? static_cast<TForm*>(Owner())->Caption() + suffix : suffix);
    ShowModal();
}

void TEditSubDialog::Shown(TObject*) {
    ModeDefaults();
}

bool TEditSubDialog::WriteThroughList(const std::function<void(DialogRequest&)>& write, const WritePlan& plan,
                                      SubDialogFailure failure) {
    return ::WriteThroughList(this, List, write, plan, failure);
}

bool TEditSubDialog::CreateRowThroughList(const WriteCarry& carry, const WritePlan& plan,
                                          SubDialogFailure failure) {
    return ::CreateRowThroughList(this, List, carry, plan, failure);
}

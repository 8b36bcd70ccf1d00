#include "EditSubDialog.h"

#include "DeviceFacts.h"
#include "TForm.h"
#include "TableDialogController.h"

bool WriteThroughList(TForm* subDialog, TableDialogController* list,
                      const std::function<void(DialogRequest&)>& write, ListLock lock,
                      SubDialogFailure failure) {
    if (!list || !list->Request) {
        subDialog->Close();
        return false;
    }
    DialogRequest& request = *list->Request;
    const bool written = list->Write([&] { write(request); }, {.Locks = lock == ListLock::Lock});
    if (written || failure == SubDialogFailure::Close) {
        subDialog->Close();
    }
    return written;
}

bool CreateRowThroughList(TForm* subDialog, TableDialogController* list, const WriteCarry& carry,
                          ListLock lock, SubDialogFailure failure) {
    return WriteThroughList(
        subDialog, list, [&](DialogRequest&) { list->CreateRow(carry); }, lock, failure);
}

std::string SubDialogCaption(const std::string& title, const std::string& suffix) {
    return title + ": " + Facts().DeviceAddress + suffix;
}

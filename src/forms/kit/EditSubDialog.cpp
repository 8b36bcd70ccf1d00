#include "EditSubDialog.h"

#include "DeviceFacts.h"
#include "TForm.h"
#include "TableDialogController.h"

bool WriteThroughList(TForm* subDialog, TableDialogController* list,
                      const std::function<void(DialogRequest&)>& write, ListLock lock) {
    if (!list || !list->Request) {
        subDialog->Close();
        return false;
    }
    DialogRequest& request = *list->Request;
    bool written = false;
    if (lock == ListLock::Lock) {
        written = list->Write([&] { write(request); });
    } else {
        written = list->Attempt([&] {
            request.Request.Active = true;
            write(request);
            request.Get();
        });
    }
    if (written) {
        subDialog->Close();
    }
    return written;
}

std::string SubDialogCaption(const std::string& title, const std::string& suffix) {
    return title + ": " + Facts().DeviceAddress + suffix;
}

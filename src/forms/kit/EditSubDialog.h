// An edit sub-dialog: a second modal form that holds a row's controls for its list dialog. It has
// no request of its own: the list dialog creates it once (owner the list dialog), binds its
// controls to the list's table request so that selecting a row fills them, and writes its mode
// and caption before showing it. Its Set checks its own fields, then writes through the list:
#pragma once

#include <functional>
#include <string>

class DialogRequest;
class TForm;
class TableDialogController;
class WriteCarry;

enum class ListLock {
    Lock,  // the list's data-complete flag is cleared for the write and its re-read
    Leave, // the flag stays as it is; the re-read's end sets it all the same
};

// What the sub-dialog does after a write that failed.
enum class SubDialogFailure {
    StayOpen, // with what the user typed, to be mended and sent again
    Close,    // as after a write that succeeded
};

// No list or no table request (an unsupported model): the sub-dialog just closes. Otherwise the
// list's request is made active and `write` (its SETs) runs in the list's exception frame, then the
// list is read again and the sub-dialog closes; true. A failure goes to the list's status panel 0,
// the list is usable again and the sub-dialog stays open with what the user typed, or closes as
// `failure` says; false.
bool WriteThroughList(TForm* subDialog, TableDialogController* list,
                      const std::function<void(DialogRequest&)>& write, ListLock lock,
                      SubDialogFailure failure = SubDialogFailure::StayOpen);

// The write of a sub-dialog that adds a row: the row status createAndGo (the list's CreateRow)
// with what `carry` declares, through the list as WriteThroughList says.
bool CreateRowThroughList(TForm* subDialog, TableDialogController* list, const WriteCarry& carry,
                          ListLock lock, SubDialogFailure failure = SubDialogFailure::StayOpen);

// A sub-dialog's caption: the list's title, ": ", the device address and the suffix (" (Add)").
std::string SubDialogCaption(const std::string& title, const std::string& suffix);

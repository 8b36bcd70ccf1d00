// An edit sub-dialog: a second modal form that holds a row's controls for its list dialog. It has
// no request of its own: the list dialog creates it once (owner the list dialog), binds its
// controls to the list's table request so that selecting a row fills them, and writes its mode
// and caption before showing it. Its Set checks its own fields, then writes through the list:
//
// TEditSubDialog is the base of such a sub-dialog, with the one way to reach its list: the list
// dialog makes it with CreateSubDialog (owner the list, its instance pointer set and cleared when it
// goes, linked to the list's table), binds its fields through BindTo and shows it with ShowFor (its
// mode and caption; the member's per-mode defaults run as it is shown). Its Set writes through
// `List` with WriteThroughList or CreateRowThroughList.
#pragma once

#include "FieldSet.h"
#include "FieldTable.h"
#include "TBasicFormUnit.h"
#include "TableDialogController.h"

#include <functional>
#include <span>
#include <string>

class DialogRequest;
class TForm;

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
// The same with the write's own plan (its re-read, ReRead::None for none, and what it leaves).
bool WriteThroughList(TForm* subDialog, TableDialogController* list,
                      const std::function<void(DialogRequest&)>& write, const WritePlan& plan,
                      SubDialogFailure failure = SubDialogFailure::StayOpen);

// The write of a sub-dialog that adds a row: the row status createAndGo (the list's CreateRow)
// with what `carry` declares, through the list as WriteThroughList says.
bool CreateRowThroughList(TForm* subDialog, TableDialogController* list, const WriteCarry& carry,
                          ListLock lock, SubDialogFailure failure = SubDialogFailure::StayOpen);
bool CreateRowThroughList(TForm* subDialog, TableDialogController* list, const WriteCarry& carry,
                          const WritePlan& plan, SubDialogFailure failure = SubDialogFailure::StayOpen);

// A sub-dialog's caption: the list's title, ": ", the device address and the suffix (" (Add)").
std::string SubDialogCaption(const std::string& title, const std::string& suffix);

// The base of an edit sub-dialog: its mode, its fields, the list it writes through.
class TEditSubDialog : public TBasicForm {
public:
    TEditSubDialog(TComponent* owner, int designWidth, int designHeight,
                   DesignScale scale = DesignScale::Once);
    ~TEditSubDialog() override;

    int Mode = 0; // written by ShowFor
    // The list dialog's table and the dialog its rows are recorded on (the list dialog); null
    // while no list dialog has linked it.
    TableDialogController* List = nullptr;
    TBasicForm* ListRows = nullptr;
    FieldSet Fields;

    // Shows the dialog modally in `mode` with the list's caption and the suffix (" (Add)").
    void ShowFor(int mode, const std::string& suffix);
    // Binds the member's fields to the list's request: the list dialog calls it once its request
    // is made, so that selecting a row there fills them.
    virtual void BindTo(DialogRequest& request) = 0;
    // The write through the list (WriteThroughList with this dialog's List); no list: it closes.
    bool WriteThroughList(const std::function<void(DialogRequest&)>& write, const WritePlan& plan,
                          SubDialogFailure failure = SubDialogFailure::StayOpen);
    bool CreateRowThroughList(const WriteCarry& carry, const WritePlan& plan,
                              SubDialogFailure failure = SubDialogFailure::StayOpen);

    // Clears the instance pointer the list dialog set (CreateSubDialog).
    std::function<void()> ForgetInstance;

protected:
    // The member's per-mode defaults and field states, run each time the dialog is shown.
    virtual void ModeDefaults() {}
    // BindTo's one line: the fields bound (rows recorded on ListRows when it is set).
    template <class Form>
    void BindListFields(Form* self, DialogRequest& request, std::span<const Field<Form>> fields,
                        bool edition = false, const std::function<int(const Field<Form>&)>& columnOf = {}) {
        BindFields<Form>(self, ListRows, request, fields, edition, columnOf);
    }

private:
    void Shown(TObject* sender);
};

// Makes the sub-dialog of a list dialog: owner the list, `instance` set (and cleared when the
// sub-dialog goes), linked to the list's table and, for a list that records rows, its rows.
template <class S> S* CreateSubDialog(TForm* list, TableDialogController& table, S*& instance) {
    S* sub = CreateForm<S>(list);
    instance = sub;
    sub->List = &table;
    sub->ListRows = dynamic_cast<TBasicForm*>(list);
    sub->ForgetInstance = [&instance, sub] {
        if (instance == sub) {
            instance = nullptr;
        }
    };
    return sub;
}

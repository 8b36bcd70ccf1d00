// What the NLB multicast and unicast forwarding dialogs share beside the shape of the MAC-keyed
// port tables: the same frame and the same flows. Busy guard on Add ("Get data not complete.")
// and Delete ("Get data not complete"), none on Set; the framework's re-read after Add, the
// dialog's own after Set and Delete (beside the framework's after Delete); the port boxes enabled
// only on a chosen entry, so a new entry is written without ports and Set gives the chosen entry
// its ports. Each dialog is its table, its key refusal and what its Add and Delete carry.
#pragma once

#include "MacPortEntryForm.h"
#include "TListView.h"

#include <vector>

// One NLB table: its shape, the dialog's design caption, the refusal of an incomplete key, and
// the columns Add and Delete leave out besides the key (Add: the status beside them; Delete: the
// destroy beside them).
struct NlbTable {
    MacPortEntryTable Entry;
    const char* FormCaption;
    const char* KeyRefusal;
    std::vector<int> AddWithout;
    std::vector<int> DeleteWith;
};

class TNLBFDBForm : public TMacPortEntryForm {
public:
    TButton* RefreshBtn;
    TButton* AddBtn;
    TButton* SetBtn;
    TButton* DeleteBtn;
    TButton* CloseButton;
    TListView* Entries; // the entries' list (its design name is each dialog's)
    TPageControl* pgc1;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void RefreshBtnClick(TObject* sender);
    void AddBtnClick(TObject* sender);
    void SetBtnClick(TObject* sender);
    void DeleteBtnClick(TObject* sender);
    void CloseButtonClick(TObject* sender);

    // "Set", "Delete" and the port boxes for a chosen entry, "Add" for none.
    void UpdateButtons(bool rowChosen);

protected:
    TNLBFDBForm(TComponent* owner, const NlbTable& table);

private:
    const NlbTable& Nlb;
};

// The static unicast filtering entries of the 802.1Q bridge: per FDB identifier (the VLAN) and MAC
// address, the ports a frame to that address may leave by. Busy guard, the framework's re-read,
// the confirmed delete (status "invalid"). A new entry is written with receive port 0 (all ports)
// and status "permanent".
#pragma once

#include "MacPortEntryForm.h"
#include "TListView.h"

class TUnicastFilterInformationForm : public TMacPortEntryForm {
public:
    explicit TUnicastFilterInformationForm(TComponent* owner);

    TButton* RefreshBtn;
    TButton* ADDBtn;
    TButton* DeleteBtn;
    TButton* btnClose;
    TListView* LV_dot1qStaticUnicastEntry;
    TPageControl* PageControl1;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void RefreshBtnClick(TObject* sender);
    void ADDBtnClick(TObject* sender);
    void DeleteBtnClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void LV_dot1qStaticUnicastEntryChange(TObject* sender, TListItem* item, TItemChange change);
    void LV_dot1qStaticUnicastEntryClick(TObject* sender);

    // "Delete" for a chosen entry, "Add" for none: run at the end of every read, on selection and
    // after Refresh, Add and Delete (which leave none chosen).
    void UpdateButtons(bool rowChosen);
};

// The dialog while its menu command shows it.
extern TUnicastFilterInformationForm* UnicastFilterInformationForm;

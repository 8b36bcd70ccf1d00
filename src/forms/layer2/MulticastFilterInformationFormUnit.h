// The static multicast filtering entries of the 802.1Q bridge: per FDB identifier (the VLAN) and
// group MAC address, the egress ports. The unicast dialog's twin; it also writes the egress ports
// of a chosen entry (Set), checks the busy request before the typed key, and reports every failure
// in the request's status templates.
#pragma once

#include "MacPortEntryForm.h"
#include "TListView.h"

class TMulticastFilterInformationForm : public TMacPortEntryForm {
public:
    explicit TMulticastFilterInformationForm(TComponent* owner);

    TButton* RefreshBtn;
    TButton* SetBtn;
    TButton* btnDelete;
    TButton* AddBtn;
    TButton* btnClose;
    TListView* LV_dot1qStaticMulticastEntry;
    TPageControl* PageControl1;
    // The design's names of the shared key and status controls.
    TEdit*& ED_MulticastVID = ED_UnicastVID;
    TEdit*& ED_MACAddress = UnicastAddress;
    TComboBox*& Status = UStatus;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void RefreshBtnClick(TObject* sender);
    void SetBtnClick(TObject* sender);
    void AddBtnClick(TObject* sender);
    void btnDeleteClick(TObject* sender);
    void btnCloseClick(TObject* sender);
    void LV_dot1qStaticMulticastEntryChange(TObject* sender, TListItem* item, TItemChange change);
    void LV_dot1qStaticMulticastEntryClick(TObject* sender);

    // "Set" and "Delete" for a chosen entry, "Add" for none.
    void UpdateButtons(bool rowChosen);
};

// The dialog while its menu command shows it.
extern TMulticastFilterInformationForm* MulticastFilterInformationForm;

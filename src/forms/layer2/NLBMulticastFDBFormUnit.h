// The NLB multicast forwarding entries: per VLAN and cluster MAC address, the egress ports (Add
// writes an entry without ports and createAndGo; Delete the entry's ports and destroy).
#pragma once

#include "NLBFDBForm.h"

class TNLBMulticastFDBForm : public TNLBFDBForm {
public:
    explicit TNLBMulticastFDBForm(TComponent* owner);

    TListView*& LV_NLBMulticastFDBEntry = Entries;
};

// The dialog while its menu command shows it.
extern TNLBMulticastFDBForm* NLBMulticastFDBForm;

// The NLB unicast forwarding entries: per cluster MAC address, the egress ports. Keyed by the MAC
// address alone (the VLAN edit is there, hidden); Add and Delete write the status alone.
#pragma once

#include "NLBFDBForm.h"

class TNLBUnicastFDBForm : public TNLBFDBForm {
public:
    explicit TNLBUnicastFDBForm(TComponent* owner);

    TListView*& LV_NLBUnicastFDBEntry = Entries;
};

// The dialog while its menu command shows it.
extern TNLBUnicastFDBForm* NLBUnicastFDBForm;

// The MLD snooping forwarding table: per VLAN, source and group (32 hexadecimal digits each), the
// member ports the traffic is forwarded to; read-only, no guard (a Refresh during a walk restarts
// it).
#pragma once

#include "SnoopingViewFormUnit.h"

class TMLDSnoopingForwardingTableForm : public TSnoopingViewForm {
public:
    explicit TMLDSnoopingForwardingTableForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TMLDSnoopingForwardingTableForm* MLDSnoopingForwardingTableForm;

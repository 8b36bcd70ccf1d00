// The IGMP snooping forwarding table: per VLAN, source and group, the member ports the traffic is
// forwarded to; read-only, no guard (a Refresh during a walk restarts it).
#pragma once

#include "SnoopingViewFormUnit.h"

class TIGMPSnoopingForwardingForm : public TSnoopingViewForm {
public:
    explicit TIGMPSnoopingForwardingForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TIGMPSnoopingForwardingForm* IGMPSnoopingForwardingForm;

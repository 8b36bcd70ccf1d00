// The IGMP snooping group table: per VLAN, source and group, the include and exclude member ports,
// the router ports and the up and expiry times; read-only. Refresh waits for the read under way
// (a second press starts nothing); the view closes at any time.
#pragma once

#include "SnoopingViewFormUnit.h"

class TIGMPSnoopingGroupForm : public TSnoopingViewForm {
public:
    explicit TIGMPSnoopingGroupForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TIGMPSnoopingGroupForm* IGMPSnoopingGroupForm;

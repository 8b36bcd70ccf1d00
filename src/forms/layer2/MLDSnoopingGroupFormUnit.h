// The MLD snooping group table: per VLAN, source and group (32 hexadecimal digits each), the
// include and exclude member ports, the router ports and the up and expiry times; read-only.
// Refresh waits silently for the read under way; the view closes at any time.
#pragma once

#include "SnoopingViewFormUnit.h"

class TMLDSnoopingGroupForm : public TSnoopingViewForm {
public:
    explicit TMLDSnoopingGroupForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TMLDSnoopingGroupForm* MLDSnoopingGroupForm;

// The MLD snooping multicast VLANs: the multicast VLAN dialog over the MLD table. Its Replace Source
// IP is any address text the value core reads (32 hexadecimal digits for IPv6, a dotted text for
// four octets), unchecked; no port warning; an empty Profile ID List is left out by Set, written by
// Add.
#pragma once

#include "MulticastVlanFormUnit.h"

class TmldMulticastVlanForm : public TMulticastVlanForm {
public:
    explicit TmldMulticastVlanForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TmldMulticastVlanForm* mldMulticastVlanForm;

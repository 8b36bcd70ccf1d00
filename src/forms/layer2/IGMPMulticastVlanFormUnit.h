// The IGMP snooping multicast VLANs: the multicast VLAN dialog over the IGMP table. Its Replace
// Source IP is an IPv4 dotted quad, checked before a write and sent by its decimal value; Add warns
// of source and untagged source ports ticked together; an empty Profile ID List is written by Set,
// left out by Add.
#pragma once

#include "MulticastVlanFormUnit.h"

class TIGMPMulticastVlanForm : public TMulticastVlanForm {
public:
    explicit TIGMPMulticastVlanForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TIGMPMulticastVlanForm* IGMPMulticastVlanForm;

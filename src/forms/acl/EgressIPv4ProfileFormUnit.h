// The egress ACL IPv4 profile editor: the IPv4 profile editor (its fields, rules and flows) over
// the egress IPv4 profile table, whose profile IDs run from 1 to 4, which has no owner and no
// source MAC mask, whose VLAN starts enabled, and which sends an enabled mask left empty.
#pragma once

#include "IPProfileFormUnit.h"

class TEgressIPv4ProfileForm : public TIPProfileForm {
public:
    explicit TEgressIPv4ProfileForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TEgressIPv4ProfileForm* EgressIPv4ProfileForm;

// The egress ACL Ethernet profile editor: the ingress Ethernet profile editor (its fields, rules,
// checks and messages) over the egress Ethernet profile table, whose profile IDs run from 1 to 4
// and which has no owner.
#pragma once

#include "EthernetProfileFormUnit.h"

class TEgressEthetnetProfileForm : public TEthernetProfileForm {
public:
    explicit TEgressEthetnetProfileForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TEgressEthetnetProfileForm* EgressEthetnetProfileForm;

// The egress ACL IPv6 profile editor: the IPv6 profile editor (its protocol and mask-state rules,
// its inline Add and Delete) over the egress IPv6 profile table, whose profile IDs run from 1 to
// 4, which has no flow label and no owner, and whose masks rely on their edits' constraints.
#pragma once

#include "IPv6ProfileFormUnit.h"

class TEgressIPv6ProfileForm : public TIPv6ProfileForm {
public:
    explicit TEgressIPv6ProfileForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TEgressIPv6ProfileForm* EgressIPv6ProfileForm;

// The egress ACL counter dialog: the egress ACL rules' counter state and packet counters, a member
// of the counter dialogs (TAclCounterTableForm).
#pragma once

#include "AclCounterTableForm.h"

class TEgressACLCounterForm : public TAclCounterTableForm {
public:
    explicit TEgressACLCounterForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TEgressACLCounterForm* EgressACLCounterForm;

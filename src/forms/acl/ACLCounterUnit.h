// The ACL counter dialog: the ingress ACL rules' counter state and packet counters, a member of the
// counter dialogs (TAclCounterTableForm).
#pragma once

#include "AclCounterTableForm.h"

class TACLCounterForm : public TAclCounterTableForm {
public:
    explicit TACLCounterForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TACLCounterForm* ACLCounterForm;

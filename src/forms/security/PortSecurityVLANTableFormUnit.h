// The port security learning limit per VLAN, with the control that clears the addresses learned
// on a VLAN: rows changed only (PortSecurityLimitForm.h).
#pragma once

#include "PortSecurityLimitForm.h"

class TPortSecurityVLANTableForm : public TPortSecurityLimitForm {
public:
    explicit TPortSecurityVLANTableForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TPortSecurityVLANTableForm* PortSecurityVLANTableForm;

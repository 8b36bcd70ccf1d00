// The port security learning limit per port and VLAN: rows added by port number and VLAN ID (Add
// Control "add" creates the row) and their limits changed afterwards (PortSecurityLimitForm.h).
#pragma once

#include "PortSecurityLimitForm.h"

class TPortSecurityVLANOnPortForm : public TPortSecurityLimitForm {
public:
    explicit TPortSecurityVLANOnPortForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TPortSecurityVLANOnPortForm* PortSecurityVLANOnPortForm;

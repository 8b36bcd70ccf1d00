// The DHCPv6 server screening permit table: the DHCP offer permit dialog over the DHCPv6 permit
// table (a row per server IPv6 address, 32 hexadecimal digits; units present by their module
// name; no Edit button).
#pragma once

#include "FilterDHCPPermitFormUnit.h"

class TFilterDHCPv6PermitForm : public TFilterDHCPPermitForm {
public:
    explicit TFilterDHCPv6PermitForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TFilterDHCPv6PermitForm* FilterDHCPv6PermitForm;

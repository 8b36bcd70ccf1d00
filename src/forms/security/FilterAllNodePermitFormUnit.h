// The ICMPv6 RA all-node permit table: the DHCP offer permit dialog over the router advertisement
// permit table (a row per router IPv6 address, 32 hexadecimal digits; units present by their
// module name; no Edit button).
#pragma once

#include "FilterDHCPPermitFormUnit.h"

class TFilterAllNodePermitForm : public TFilterDHCPPermitForm {
public:
    explicit TFilterAllNodePermitForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TFilterAllNodePermitForm* FilterAllNodePermitForm;

// The IPv6 IP-MAC-port binding dialog: the IPv4 binding dialog over the IPv6 binding table (the
// address as 32 hexadecimal digits, checked as such; the picker on the tab "Ports"; Delete with
// the MAC address and the port list beside the row status; failures in the request's template).
#pragma once

#include "IPMACBindingFormUnit.h"

class TIPMACBindingIPv6Form : public TIPMACBindingForm {
public:
    explicit TIPMACBindingIPv6Form(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TIPMACBindingIPv6Form* IPMACBindingIPv6Form;

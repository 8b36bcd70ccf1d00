// The IGMP proxy's upstream interface: the upstream interface dialog over the IGMP table, the source
// address an IPv4 address; Set is followed by a read of the table.
#pragma once

#include "ProxyUpstreamInterfaceFormUnit.h"

class TIGMPSnoopingProxyUpstreamInterfaceForm : public TProxyUpstreamInterfaceForm {
public:
    explicit TIGMPSnoopingProxyUpstreamInterfaceForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TIGMPSnoopingProxyUpstreamInterfaceForm* IGMPSnoopingProxyUpstreamInterfaceForm;

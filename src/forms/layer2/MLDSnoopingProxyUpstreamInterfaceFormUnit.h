// The MLD proxy's upstream interface: the upstream interface dialog over the MLD table, the source
// address 32 hexadecimal digits; the edits shut until an interface is chosen; no read after Set.
#pragma once

#include "ProxyUpstreamInterfaceFormUnit.h"

class TMLDSnoopingProxyUpstreamInterfaceForm : public TProxyUpstreamInterfaceForm {
public:
    explicit TMLDSnoopingProxyUpstreamInterfaceForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TMLDSnoopingProxyUpstreamInterfaceForm* MLDSnoopingProxyUpstreamInterfaceForm;

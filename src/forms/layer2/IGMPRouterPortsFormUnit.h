// The IGMP snooping router ports: the router ports dialog over the IGMP table, read as a kind-2
// list, its tabs static, forbidden, dynamic.
#pragma once

#include "SnoopingRouterPortsFormUnit.h"

class TIGMPRouterPortsForm : public TSnoopingRouterPortsForm {
public:
    explicit TIGMPRouterPortsForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TIGMPRouterPortsForm* IGMPRouterPortsForm;

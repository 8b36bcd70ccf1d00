// The MLD snooping router ports: the router ports dialog over the MLD table, read as a kind-3 list,
// its tabs in the table's order (static, dynamic, forbidden).
#pragma once

#include "SnoopingRouterPortsFormUnit.h"

class TMLDRouterProtsForm : public TSnoopingRouterPortsForm {
public:
    explicit TMLDRouterProtsForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TMLDRouterProtsForm* MLDRouterProtsForm;

// The add and edit dialog of the ERPS sub-rings: the ring's and the sub-ring's R-APS VLAN IDs (the
// row's keys, 1 to 4094) and whether topology changes propagate, written by Add only while its box
// is ticked and always by Edit (RowStatusEditForm).
#pragma once

#include "RowStatusEditFormUnit.h"

class TERPSubRingEditForm : public TRowStatusEditForm {
public:
    explicit TERPSubRingEditForm(TComponent* owner);
};

// Set by the sub-ring list when it creates this one.
extern TERPSubRingEditForm* ERPSubRingEditForm;

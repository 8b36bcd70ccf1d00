// The ERPS sub-rings of the switch: per ring's and sub-ring's R-APS VLAN, whether topology changes
// propagate. Added and changed in TERPSubRingEditForm, deleted here (RowStatusListForm).
#pragma once

#include "RowStatusListFormUnit.h"

class TERPSSubRingForm : public TRowStatusListForm {
public:
    explicit TERPSSubRingForm(TComponent* owner);

protected:
    TEditSubDialog* MakeEditDialog() override;
    TComboBox* RowStatusCombo() const override;
};

// The dialog while its menu command shows it; its edit dialog reaches it through this.
extern TERPSSubRingForm* ERPSSubRingForm;

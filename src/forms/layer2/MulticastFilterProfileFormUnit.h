// The multicast filter profiles: per index, a description; the IPv4 (IGMP) table or, by the opening
// command's IP version, the IPv6 (MLD) one. Added and changed in TMulticastFilterProfileEditForm,
// deleted here (RowStatusListForm).
#pragma once

#include "RowStatusListFormUnit.h"

class TMulticastFilterProfileForm : public TRowStatusListForm {
public:
    explicit TMulticastFilterProfileForm(TComponent* owner);

protected:
    TEditSubDialog* MakeEditDialog() override;
    TComboBox* RowStatusCombo() const override;
};

// The dialog while its menu commands show it; its edit dialog reaches it through this.
extern TMulticastFilterProfileForm* MulticastFilterProfileForm;

// The add and edit dialog of the multicast filter profiles: the profile's index (1 to 24, the row's
// key) and its description (RowStatusEditForm), for either IP version's table.
#pragma once

#include "RowStatusEditFormUnit.h"

class TMulticastFilterProfileEditForm : public TRowStatusEditForm {
public:
    explicit TMulticastFilterProfileEditForm(TComponent* owner);
};

// Set by the profile list when it creates this one.
extern TMulticastFilterProfileEditForm* MulticastFilterProfileEditForm;

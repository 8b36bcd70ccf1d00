// The login and enable method-list dialog: the login lists (kind 1) or the enable lists (kind 0),
// in the same class. Its menu commands keep it in no instance pointer.
#pragma once

#include "MethodListForm.h"

class TLoginMethodListForm : public TMethodListForm {
public:
    TLoginMethodListForm(TComponent* owner, int kind);

    const int ListKind; // 1 login lists, 0 enable lists
};

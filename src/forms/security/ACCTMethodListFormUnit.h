// The accounting method-list dialog. Its menu command passes 0 as the further argument, which the
// dialog keeps and never reads.
#pragma once

#include "MethodListForm.h"

class TACCTMethodListForm : public TMethodListForm {
public:
    TACCTMethodListForm(TComponent* owner, int value);

    const int Value;
};

// The dialog while its menu command shows it.
extern TACCTMethodListForm* ACCTMethodListForm;

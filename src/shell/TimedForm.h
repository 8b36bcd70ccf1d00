// The base of the busy forms: a modal form that only its own time ends. It has no close button,
// and a close request from the window system is refused until the form calls TimeIsUp.
#pragma once

#include "TForm.h"

class TTimedForm : public TForm {
public:
    explicit TTimedForm(TComponent* owner) : TForm(owner) {
        SetBorderIcons(0);
        OnCloseQuery = [this](TObject*, bool& canClose) { canClose = Over; };
    }

protected:
    // Ends the wait: the form closes.
    void TimeIsUp() {
        Over = true;
        Close();
    }

private:
    bool Over = false;
};

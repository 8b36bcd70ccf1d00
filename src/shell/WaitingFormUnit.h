// The small modal form in which the main window builds its front panels: at the first activation
// (captioned "Initializing Panel") and at every Refresh ("Refreshing panel"). Its activation reads
// the unit information again and builds the panels, then it closes itself by a posted WM_CLOSE;
// its bar only shows that something is going on.
#pragma once

#include "TForm.h"

class TProgressBar;
class TTimer;

class TWaitingForm : public TForm {
public:
    explicit TWaitingForm(TComponent* owner);

    TProgressBar* ProgressBar1;
    TTimer* Timer1;
    bool RunOnce = false;

    void FormCreate(TObject* sender);
    void FormActivate(TObject* sender);
    void Timer1Timer(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
};

// The waiting form while it is shown.
extern TWaitingForm* WaitingForm;

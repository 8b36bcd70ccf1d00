// A modal form that makes the user wait while the switch carries out a slow write (enabling STP,
// sending a test mail, activating a configuration): a prompt and a bar that fills by 2 every second.
// It closes when the bar is full, whatever the switch does; the caller reads the result afterwards.
#pragma once

#include "TimedForm.h"

class TLabel;
class TProgressBar;
class TTimer;

class TProgressForm2 : public TTimedForm {
public:
    // The form stands over callingForm (centred on it); owner is usually the application.
    TProgressForm2(TComponent* owner, TForm* callingForm);

    TLabel* LB_Prompt;
    TProgressBar* ProgressBar; // Min 0, Max 80: closes at the 41st tick
    TTimer* ProgressTimer;     // 1000 ms

    void FormCreate(TObject* sender);
    void ProgressTimerTimer(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
};

// The form while a caller shows it.
extern TProgressForm2* ProgressForm2;

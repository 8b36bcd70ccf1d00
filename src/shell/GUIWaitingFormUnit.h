// A modal "Please Wait..." form that stays for WaitTime milliseconds while its bar cycles; its
// creator sets WaitTime and shows it modally. It closes when its own time is up.
#pragma once

#include "TimedForm.h"

class TProgressBar;
class TTimer;

class TGUIWaitingForm : public TTimedForm {
public:
    explicit TGUIWaitingForm(TComponent* owner);

    TProgressBar* ProgressBar1;
    TTimer* Timer1;
    int WaitTime = 2000;   // ms
    int RemainingTime = 0; // ms

    void FormCreate(TObject* sender);
    void FormActivate(TObject* sender);
    void Timer1Timer(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
};

// Declared for the dialogs that name it; no one assigns it.
extern TGUIWaitingForm* GUIWaitingForm;

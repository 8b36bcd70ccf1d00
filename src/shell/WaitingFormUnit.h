// The small modal form in which the main window builds its front panels: at the first activation
// (captioned "Initializing Panel") and at every Refresh ("Refreshing panel"). Its first activation
// runs what the window hands it (the unit information read again and the panels built), then it
// closes itself by a posted WM_CLOSE; its bar only shows that something is going on.
#pragma once

#include "TForm.h"

#include <functional>
#include <string>

class TProgressBar;
class TTimer;

class TWaitingForm : public TForm {
public:
    // `build` is what the first activation runs (the main window's unit read and panel build);
    // what escapes it goes to `reportFailure` (the main window's status panel 0).
    TWaitingForm(TComponent* owner, std::function<void()> build,
                 std::function<void(const std::string&)> reportFailure);

    TProgressBar* ProgressBar1;
    TTimer* Timer1;
    bool RunOnce = false;

    void FormCreate(TObject* sender);
    void FormActivate(TObject* sender);
    void Timer1Timer(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

private:
    std::function<void()> Build;
    std::function<void(const std::string&)> ReportFailure;
};

// The waiting form while it is shown.
extern TWaitingForm* WaitingForm;

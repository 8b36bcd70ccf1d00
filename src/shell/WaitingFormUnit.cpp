#include "WaitingFormUnit.h"

#include "BusyBar.h"
#include "TProgressBar.h"
#include "TTimer.h"

#include <exception>
#include <utility>

TWaitingForm* WaitingForm = nullptr;

TWaitingForm::TWaitingForm(TComponent* owner, std::function<void()> build,
                           std::function<void(const std::string&)> reportFailure)
    : TForm(owner), Build(std::move(build)), ReportFailure(std::move(reportFailure)) {
    SetCaption("Refreshing panel");
    SetBorderStyle(bsSingle);
    SetBorderIcons(0);
    SetClientWidth(396);
    SetClientHeight(24);
    SetPosition(poMainFormCenter);

    ProgressBar1 = CreateBusyBar(this);

    Timer1 = new TTimer(this);
    Timer1->SetName("Timer1");
    Timer1->SetEnabled(false);
    Timer1->SetInterval(1000);
    Timer1->OnTimer = Bind(this, &TWaitingForm::Timer1Timer);

    OnCreate = Bind(this, &TWaitingForm::FormCreate);
    OnActivate = Bind(this, &TWaitingForm::FormActivate);
    OnClose = Bind(this, &TWaitingForm::FormClose);
}

void TWaitingForm::FormCreate(TObject*) {
    RunOnce = false;
    Timer1->SetEnabled(false);
}

void TWaitingForm::FormActivate(TObject*) {
    Timer1->SetEnabled(true);
    if (RunOnce) {
        return;
    }
    RunOnce = true;
    try {
        Build();
    } catch (const std::exception& e) {
        // The form closes all the same; the failure is not kept from the user.
        ReportFailure(e.what());
    }
    PostMessage(this, WM_CLOSE);
}

void TWaitingForm::Timer1Timer(TObject*) {
    if (ProgressBar1->Position() >= ProgressBar1->Max()) {
        Close();
        return;
    }
    ProgressBar1->StepIt();
    if (ProgressBar1->Position() == ProgressBar1->Max()) {
        ProgressBar1->SetPosition(ProgressBar1->Min());
    }
}

void TWaitingForm::FormClose(TObject*, TCloseAction&) {
    Timer1->SetEnabled(false);
}

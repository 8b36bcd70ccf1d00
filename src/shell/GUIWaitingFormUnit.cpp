#include "GUIWaitingFormUnit.h"

#include "TProgressBar.h"
#include "TTimer.h"

#include <algorithm>

TGUIWaitingForm* GUIWaitingForm = nullptr;

namespace {
// The bar's Max is WaitTime / 10, stepped by 20 and filled in 10 ticks; below a WaitTime of 400 ms
// that tick would be 0 ms, a timer that never fires, so the tick is at least this long.
constexpr int kShortestTickMs = 10;
} // namespace

TGUIWaitingForm::TGUIWaitingForm(TComponent* owner) : TTimedForm(owner) {
    SetCaption("Please Wait...");
    SetBorderStyle(bsSingle);
    SetClientWidth(396);
    SetClientHeight(24);
    SetPosition(poMainFormCenter);

    ProgressBar1 = new TProgressBar(this);
    ProgressBar1->SetParent(this);
    ProgressBar1->SetAlign(alClient);
    ProgressBar1->SetMin(0);
    ProgressBar1->SetMax(600);
    ProgressBar1->SetStep(20);

    Timer1 = new TTimer(this);
    Timer1->SetEnabled(false);
    Timer1->OnTimer = Bind(this, &TGUIWaitingForm::Timer1Timer);

    OnCreate = Bind(this, &TGUIWaitingForm::FormCreate);
    OnActivate = Bind(this, &TGUIWaitingForm::FormActivate);
    OnClose = Bind(this, &TGUIWaitingForm::FormClose);
}

void TGUIWaitingForm::FormCreate(TObject*) {
    Timer1->SetEnabled(false);
}

void TGUIWaitingForm::FormActivate(TObject*) {
    Timer1->SetEnabled(true);
    ProgressBar1->SetMax(WaitTime / 10);
    Timer1->SetInterval(std::max(ProgressBar1->Max() / 40 * 10, kShortestTickMs));
}

void TGUIWaitingForm::Timer1Timer(TObject*) {
    if (RemainingTime == 0) {
        RemainingTime = WaitTime;
    }
    RemainingTime -= Timer1->Interval();
    if (RemainingTime <= 0) {
        TimeIsUp();
    } else if (ProgressBar1->Position() < ProgressBar1->Max()) {
        ProgressBar1->StepIt();
        if (ProgressBar1->Position() == ProgressBar1->Max()) {
            ProgressBar1->SetPosition(ProgressBar1->Min());
        }
    }
}

void TGUIWaitingForm::FormClose(TObject*, TCloseAction&) {
    Timer1->SetEnabled(false);
}

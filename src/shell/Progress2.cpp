#include "Progress2.h"

#include "TLabel.h"
#include "TProgressBar.h"
#include "TTimer.h"

TProgressForm2* ProgressForm2 = nullptr;

TProgressForm2::TProgressForm2(TComponent* owner, TForm* callingForm) : TTimedForm(owner) {
    SetCaption("Progress");
    SetBorderStyle(bsDialog);
    SetClientWidth(358);
    SetClientHeight(66);
    SetPosition(poMainFormCenter);
    if (callingForm) {
        SetPosition(poDesigned);
        SetLeft(callingForm->Left() + (callingForm->Width() - Width()) / 2);
        SetTop(callingForm->Top() + (callingForm->Height() - Height()) / 2);
    }

    LB_Prompt = new TLabel(this);
    LB_Prompt->SetParent(this);
    LB_Prompt->SetBounds(16, 7, 4, 13);
    LB_Prompt->Font()->SetBold(true);

    ProgressBar = new TProgressBar(this);
    ProgressBar->SetParent(this);
    ProgressBar->SetBounds(16, 32, 329, 16);
    ProgressBar->SetMin(0);
    ProgressBar->SetMax(80);

    ProgressTimer = new TTimer(this);
    ProgressTimer->SetEnabled(false);
    ProgressTimer->SetInterval(1000);
    ProgressTimer->OnTimer = Bind(this, &TProgressForm2::ProgressTimerTimer);

    OnCreate = Bind(this, &TProgressForm2::FormCreate);
    OnClose = Bind(this, &TProgressForm2::FormClose);
}

void TProgressForm2::FormCreate(TObject*) {
    ProgressTimer->SetEnabled(true);
}

void TProgressForm2::ProgressTimerTimer(TObject*) {
    if (ProgressBar->Position() >= ProgressBar->Max()) {
        TimeIsUp();
    } else {
        ProgressBar->SetPosition(ProgressBar->Position() + 2);
    }
}

void TProgressForm2::FormClose(TObject*, TCloseAction&) {
    ProgressTimer->SetEnabled(false);
}

#include "WaitingFormUnit.h"

#include "BusyBar.h"
#include "MainUnit.h"
#include "TProgressBar.h"
#include "TTimer.h"

#include <exception>

TWaitingForm* WaitingForm = nullptr;

TWaitingForm::TWaitingForm(TComponent* owner) : TForm(owner) {
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
        if (MainForm->LoadUnitInformation()) {
            // A refresh frees the old panels only once the units could be read again: otherwise
            // they stay.
            if (!MainForm->FirstBuild) {
                MainForm->FreeUnitPanels();
            }
            MainForm->BuildUnitPanels();
            MainForm->ApplyStackModeMenus();
        }
    } catch (const std::exception& e) {
        // The form closes all the same; the failure is not kept from the user.
        MainForm->SetStatusText(e.what());
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

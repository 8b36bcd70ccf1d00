// The bar of the busy forms: aligned to the whole form, 0 to 600 in steps of 20, so that it cycles
// while the form waits for something it cannot measure.
#pragma once

#include "TForm.h"
#include "TProgressBar.h"

inline TProgressBar* CreateBusyBar(TForm* form) {
    auto* bar = new TProgressBar(form);
    bar->SetName("ProgressBar1");
    bar->SetParent(form);
    bar->SetAlign(alClient);
    bar->SetMin(0);
    bar->SetMax(600);
    bar->SetStep(20);
    return bar;
}

// The six front-panel forms as the main window makes them: registered with the shell's panel
// registry by model index (0 24RA, 1 24DA, 2 24ZO, 3 48DA, 4 48RO, 5 24ZO-DC).
#pragma once

#include "FrontPanelHost.h"

// Registers the six classes and puts the host source in force (the main window's facts and
// controls, as the program gives them).
void RegisterFrontPanelForms(FrontPanelHostSource host);

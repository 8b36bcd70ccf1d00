// The six front-panel forms as the main window makes them: registered with the shell's panel
// registry by model index (0 24RA, 1 24DA, 2 24ZO, 3 48DA, 4 48RO, 5 24ZO-DC).
#pragma once

#include "FrontPanelHost.h"

// The main window as the panels' host: its unit digits (loaded into ImageList1 the first time a
// panel asks for them), status panel 0, SysObjectId and StackMode.
FrontPanelHost MainWindowPanelHost();

// Registers the six classes and puts the host source in force; the program calls it once before
// the main window is created.
void RegisterFrontPanelForms(FrontPanelHostSource host = MainWindowPanelHost);

// The program's dedicated dialogs and DDM builders, registered once for the menu commands that open
// them. A dialog unit that is built adds its class here; the menu disables what is not registered.
#pragma once

class DedicatedDialogRegistry;

// Registers every dialog class and DDM builder the program has.
void RegisterDedicatedDialogs(DedicatedDialogRegistry& registry);

// The registry the main menu uses: filled by RegisterDedicatedDialogs on first use.
DedicatedDialogRegistry& ProgramDialogs();

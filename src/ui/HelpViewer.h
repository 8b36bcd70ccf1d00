// Seam: the help viewer. The program's own viewer is a modeless window with
// a text browser: it shows our HTML help from its contents page, follows the links inside it, and
// says in its own window when the file cannot be read. It needs no desktop launcher. Tests install
// a recording service.
#pragma once

#include <string>

class QWidget;

class HelpService {
public:
    virtual ~HelpService() = default;
    // Shows the file at path (a full path, existing or not) at its contents; true when a viewer
    // shows it (or shows why it cannot).
    virtual bool Open(const std::string& path) = 0;
    // Closes the viewer (HELP_QUIT).
    virtual void Quit() {}
};

void SetHelpService(HelpService* service); // null restores the program's viewer; caller keeps ownership
HelpService* CurrentHelpService();

// The program's own viewer (the service when none is installed), and its window while it is open
// (null before the first Open and after the window was closed).
HelpService& ProgramHelpViewer();
QWidget* ProgramHelpWindow();

constexpr unsigned HELP_CONTEXT = 0x1, HELP_QUIT = 0x2, HELP_CONTENTS = 0x3, HELP_FINDER = 0xB;

// Hands the help file at path to the viewer at its contents page, as the Help command does: the
// file is not looked at here, the viewer reports one it cannot read. HELP_QUIT closes the viewer.
// True when the viewer took the call.
bool ShowHelp(const std::string& path, unsigned command = HELP_CONTENTS);

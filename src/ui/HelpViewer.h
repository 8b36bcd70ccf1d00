// Seam: the help file (the WinHelpA stand-in). Our help is HTML beside the executable, opened with
// the desktop's viewer. Tests install a recording service.
#pragma once

#include <string>

class HelpService {
public:
    virtual ~HelpService() = default;
    // Opens the file (a full path that exists); true when the viewer was started.
    virtual bool Open(const std::string& path) = 0;
};

void SetHelpService(HelpService* service); // null restores the desktop viewer; caller keeps ownership
HelpService* CurrentHelpService();

constexpr unsigned HELP_CONTEXT = 0x1, HELP_QUIT = 0x2, HELP_CONTENTS = 0x3, HELP_FINDER = 0xB;

// Opens helpFile (a name beside the executable) at its contents. HELP_QUIT does nothing and
// succeeds. False when the file is not there or the viewer cannot be started.
bool WinHelp(const std::string& helpFile, unsigned command, unsigned long data = 0);

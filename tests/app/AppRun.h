// Runs the program as a subprocess, offscreen, with the test hook (src/app/TestHook.h): message
// boxes answered from a script, what the main window shows read back from the hook's report.
#pragma once

#include <string>
#include <vector>

struct MenuState {
    std::string Name;
    std::string Path;
    bool Visible = false;
    bool Enabled = false;
};

struct BoxShown {
    std::string Kind;
    std::string Title;
    std::string Text;
    std::string Answer;
    bool Expected = false;
};

struct AppRun {
    bool Finished = false; // ended by itself within the bound
    int ExitCode = -1;
    double Seconds = 0;
    std::string Stderr;
    std::vector<std::vector<std::string>> Lines; // the report, split at tabs

    // The first field after the key of the first line with that key; "" when there is none.
    std::string Value(const std::string& key) const;
    bool Has(const std::string& key) const;
    std::vector<std::vector<std::string>> All(const std::string& key) const;
    std::vector<BoxShown> Boxes() const;
    std::vector<MenuState> Menus() const;
    // The menu item of that component name; fails the test when the report has none.
    MenuState Menu(const std::string& name) const;
};

// A file of the program's current directory: a path relative to it, and the content.
struct FileInRunFolder {
    std::string Path;
    std::string Content;
};

// Runs the program with the arguments in a fresh current directory holding the files; once start-up
// is over the hook takes a snapshot and closes the main window. boxes: "ANSWER<TAB>TEXT" per
// expected message box. The program is killed when it runs longer than 30 s.
AppRun RunApp(const std::vector<std::string>& arguments, const std::vector<std::string>& boxes = {},
              const std::vector<FileInRunFolder>& files = {});

// The program's SNMPv3 options for the simulated switch's user without authentication.
std::vector<std::string> V3Arguments(const std::string& address, int port);

// The program: the application titled "ZQS-4410-Series", its one main window and the message loop.
#include "CommandLine.h"
#include "FrontPanelForms.h"
#include "MainUnit.h"
#include "MenuCommands.h"
#include "TApplication.h"
#include "TestHook.h"

#include <QApplication>
#include <exception>

int main(int argc, char** argv) {
    // Qt lives on main's stack and goes before static destruction, where its own globals may be gone.
    QApplication qtApplication(argc, argv);
    Application->Initialize(argc, argv);
    // Qt has taken its own options (-platform, ...) out of argv by now.
    ProgramArguments().assign(argv + 1, argv + argc);
    InstallTestHookFromEnvironment();
    int exitCode = 0;
    try {
        Application->SetTitle("ZQS-4410-Series");
        RegisterFrontPanelForms();
        InstallMainMenu();
        Application->CreateForm(MainForm);
        Application->Run();
    } catch (const std::exception& e) {
        // A start that cannot go on (a bad number on the command line, a session that cannot be
        // created) is shown and ends the program as a failure, so the starting suite can tell.
        Application->ShowException(e);
        exitCode = 1;
    }
    Application->DestroyForms();
    FinishTestHook(exitCode);
    return exitCode;
}

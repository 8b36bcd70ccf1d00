// What the screenshot programs of the dedicated dialogs share: the application, the simulated
// switch loaded with their scenario, the session aimed at it, the device facts of a stand-alone
// 24RA and the unit table the port pickers read. Build it first thing in main. Beside it, the
// wait for a table's read and the one way to picture a dialog over a table.
#pragma once

#include "DeviceFacts.h"
#include "SimScreenshots.h"
#include "TApplication.h"
#include "TForm.h"
#include "TableDialogController.h"

#include <QApplication>
#include <QDir>
#include <functional>
#include <memory>
#include <string>

class DedicatedScreenshotStage {
    QApplication QtApp; // first made, last gone

public:
    DedicatedScreenshotStage(int& argc, char** argv, const char* scenario) : QtApp(argc, argv) {
        Application->Initialize(argc, argv);
        Application->SetTitle("ZQS-4410-Series");
        Dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
        MakePictureFolder(Dir);
        Agent = std::make_unique<SimAgent>();
        Agent->LoadScenario(scenario);
        Session = std::make_unique<ScreenshotSession>(*Agent);
        WritableFacts() = {.DeviceAddress = Agent->Address(),
                           .SysObjectId = "1.3.6.1.4.1.746.10.117.2.1",
                           .StackMode = "disabled",
                           .FirmwareMode = "KC",
                           .UnitList = {{"1", "1", "master", "ZQS-4410-24RA", "exist"}}};
    }
    DedicatedScreenshotStage(const DedicatedScreenshotStage&) = delete;
    DedicatedScreenshotStage& operator=(const DedicatedScreenshotStage&) = delete;
    ~DedicatedScreenshotStage() {
        SetModalHook(nullptr);
        WritableFacts() = {};
        Application->DestroyForms();
    }

    QString Dir;                     // where the pictures go (made here)
    std::unique_ptr<SimAgent> Agent; // the simulated switch

private:
    std::unique_ptr<ScreenshotSession> Session;
};

// Waits, at most 10 s, until the table's read has ended.
inline bool WaitRead(const TableDialogController& table) {
    return Application->WaitUntil([&] { return table.DataComplete && table.Request && !table.Request->Busy; },
                                  10000);
}

// Opens the dialog as its menu command does (its instance pointer set, `title` and the switch's
// address as its caption), waits for its table's first read, prepares what the picture shows,
// writes the picture to `file`, then closes and deletes the dialog.
template <class T>
void ShootDialog(T*& instance, const std::string& title, const QString& file,
                 const std::function<void(T*)>& prepare) {
    instance = CreateForm<T>(Application);
    instance->SetCaption(title + Facts().DeviceAddress);
    SetModalHook([&](TForm* form) {
        WaitRead(instance->Table);
        prepare(instance);
        GrabForm(form, file);
        form->Close();
    });
    instance->ShowModal();
    delete instance;
    instance = nullptr;
}

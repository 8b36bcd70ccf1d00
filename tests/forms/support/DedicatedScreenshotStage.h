// What the screenshot programs of the dedicated dialogs share: the application, the simulated
// switch loaded with their scenario, the session aimed at it, the device facts of a stand-alone
// 24RA and the unit table the port pickers read. Build it first thing in main.
#pragma once

#include "DeviceFacts.h"
#include "SimScreenshots.h"
#include "TApplication.h"
#include "TForm.h"

#include <QApplication>
#include <QDir>
#include <memory>

class DedicatedScreenshotStage {
    QApplication QtApp; // first made, last gone

public:
    DedicatedScreenshotStage(int& argc, char** argv, const char* scenario) : QtApp(argc, argv) {
        Application->Initialize(argc, argv);
        Application->SetTitle("ZQS-4410-Series");
        Dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
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

    QString Dir;                     // where the pictures go
    std::unique_ptr<SimAgent> Agent; // the simulated switch

private:
    std::unique_ptr<ScreenshotSession> Session;
};

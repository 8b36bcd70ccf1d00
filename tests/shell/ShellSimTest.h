// Base fixture of shell tests that talk to the simulated switch: the global SNMP session aimed at
// the shared agent (SNMPv2c), and the application title the message boxes carry.
#pragma once

#include "SimTest.h"
#include "TApplication.h"
#include "VqSNMPSession.h"

#include <QTemporaryDir>

constexpr const char* kAppTitle = "ZQS-4410-Series";

// The session's time-out a try against the simulated switch, in units of 10 ms.
constexpr int kSimTimeout = 400;

class ShellSimTest : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        CreateGlobalSession(SessionDir.path().toStdString());
        SessionParameters.Device = {Agent().Address(), static_cast<uint16_t>(Agent().Port())};
        SessionParameters.Security.Version = 1;
        // The program's 1 s a try, on a machine busy with other test programs, can run out before
        // the agent answers: the request is then sent again, and a SET applied and logged twice.
        // A test that wants a time-out sets its own.
        SessionParameters.Timeout = kSimTimeout;
        Application->SetTitle(kAppTitle);
    }

    QTemporaryDir SessionDir; // the boot-counter file of the session
};

// Base fixture of shell tests that talk to the simulated switch: the global SNMP session aimed at
// the shared agent (SNMPv2c), and the application title the message boxes carry.
#pragma once

#include "SimTest.h"
#include "TApplication.h"
#include "VqSNMPSession.h"

#include <QTemporaryDir>

constexpr const char* kAppTitle = "ZQS-4410-Series";

class ShellSimTest : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        CreateGlobalSession(SessionDir.path().toStdString());
        SessionParameters.Device = {Agent().Address(), static_cast<uint16_t>(Agent().Port())};
        SessionParameters.Security.Version = 1;
        Application->SetTitle(kAppTitle);
    }

    QTemporaryDir SessionDir; // the boot-counter file of the session
};

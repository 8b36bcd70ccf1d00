// A main window started against the simulated switch (SNMPv3 on the agent's port), deleted after the
// test.
#pragma once

#include "CommandLine.h"
#include "DeviceFacts.h"
#include "MainUnit.h"
#include "SimTest.h"
#include "TApplication.h"

#include <string>
#include <vector>

// The command line of a main window that talks SNMPv3 (no authentication) to the agent.
inline std::vector<std::string> MainWindowArguments(const SimAgent& agent) {
    return {"/I" + agent.Address(), "/v3", "/t" + std::to_string(agent.Port()), "/m3", "/l1", "/nzqs-noauth"};
}

class MainFormTest : public SimTest {
protected:
    TMainForm* Open(const std::string& scenario) {
        Agent().LoadScenario(scenario);
        ProgramArguments() = MainWindowArguments(Agent());
        Form = CreateForm<TMainForm>(Application);
        return Form;
    }
    void TearDown() override {
        delete Form;
        Form = nullptr;
        ProgramArguments().clear();
        WritableFacts() = {}; // what the window read goes with it
        SimTest::TearDown();
    }

    TMainForm* Form = nullptr;
};

// A main window started against the simulated switch (SNMPv3 on the agent's port), deleted after the
// test.
#pragma once

#include "CommandLine.h"
#include "MainUnit.h"
#include "SimTest.h"
#include "TApplication.h"

#include <string>
#include <vector>

class MainFormTest : public SimTest {
protected:
    TMainForm* Open(const std::string& scenario) {
        Agent().LoadScenario(scenario);
        ProgramArguments() = {"/I" + Agent().Address(),
                              "/v3",
                              "/t" + std::to_string(Agent().Port()),
                              "/m3",
                              "/l1",
                              "/nzqs-noauth"};
        Form = CreateForm<TMainForm>(Application);
        return Form;
    }
    void TearDown() override {
        delete Form;
        Form = nullptr;
        ProgramArguments().clear();
        SimTest::TearDown();
    }

    TMainForm* Form = nullptr;
};

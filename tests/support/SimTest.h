// Base fixture of tests against the simulated switch: every test starts from the default
// scenario with no delays or injected errors and an empty SET log, and fails when the agent
// reported a fault of its own during the test.
#pragma once

#include "SimAgent.h"

#include <gtest/gtest.h>

class SimTest : public ::testing::Test {
protected:
    void SetUp() override { Agent().Reset(); }
    void TearDown() override {
        EXPECT_EQ(Agent().TakeErrors(), "") << "the simulated switch reported faults";
    }

    static SimAgent& Agent() { return SimAgent::Shared(); }
};

#pragma once

#include "simulator/AnalyzerSimulator.h"
#include "tests/simulator/support/ScpiTestClient.h"

#include <gtest/gtest.h>

// An in-process simulator on an ephemeral port with one connected client.
class SimulatorFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(simulator.listen());
        ASSERT_TRUE(client.connectTo(simulator.port()));
    }

    Simulator::AnalyzerSimulator simulator;
    ScpiTestClient client;
};

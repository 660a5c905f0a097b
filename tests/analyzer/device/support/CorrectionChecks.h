#pragma once

#include "simulator/model/AnalyzerModel.h"

#include <gtest/gtest.h>

// An analyzer left on the bus trigger without sweeping still holds the correction it
// held when `applied` was read: simulator, de-embedding, port files and impedances.
inline void expectBusTriggeredWithCorrection(const Simulator::AnalyzerModel& after,
                                             const Simulator::AnalyzerModel& applied)
{
    EXPECT_EQ(after.triggerSource, "BUS");
    EXPECT_FALSE(after.findChannel(1)->continuous);
    EXPECT_TRUE(after.findChannel(1)->fixtureSimulator);
    EXPECT_TRUE(after.findChannel(1)->deembedding);
    EXPECT_EQ(after.findChannel(1)->deembeddingPorts, applied.findChannel(1)->deembeddingPorts);
    EXPECT_EQ(after.portImpedances, applied.portImpedances);
}

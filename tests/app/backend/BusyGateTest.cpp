#include "app/backend/BusyGate.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <optional>

TEST(BusyGate, ChangesWaitForEveryHoldAndRunInArrivalOrderUntilShutdown)
{
    BusyGate gate;
    QStringList ran;
    EXPECT_TRUE(gate.whenIdle([&ran] { ran << "at once"; }));
    {
        std::optional<BusyGate::Hold> measurement(gate.hold());
        BusyGate::Hold operation = gate.hold();
        EXPECT_TRUE(gate.whenIdle([&ran] { ran << "preset"; }));
        EXPECT_TRUE(gate.whenIdle([&ran, &gate] {
            ran << "recall";
            // A change that arrives while another one runs queues behind it.
            gate.whenIdle([&ran] { ran << "nested"; });
            ran << "recall done";
        }));
        measurement.reset();
        EXPECT_EQ(ran, QStringList{"at once"});
    }
    EXPECT_EQ(ran, QStringList({"at once", "preset", "recall", "recall done", "nested"}));

    BusyGate::Hold hold = gate.hold();
    EXPECT_TRUE(gate.whenIdle([&ran] { ran << "dropped"; }));
    gate.shutDown();
    EXPECT_FALSE(gate.whenIdle([&ran] { ran << "refused"; }));
    EXPECT_EQ(ran.size(), 5);
}

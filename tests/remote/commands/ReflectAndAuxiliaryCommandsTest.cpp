#include "simulator/physics/ExampleFixtures.h"
#include "tests/remote/commands/RemoteCommandSession.h"

#include <cmath>

using Simulator::FixtureWorld;
using namespace Simulator::Physics;

namespace {

// The session's sweep is harmonic (start = step), so the impedance queries apply.
class ReflectAndAuxiliaryCommandsTest : public RemoteCommandSession
{
protected:
    RemoteOutcome measure(FixtureWorld::Arrangement standard, const QByteArray& line)
    {
        simulator.setWorld(standard);
        return run(line);
    }
};

// The last section of a half, the one that ends at its DUT side.
double junctionImpedance(const LineCascade& half)
{
    return half.sections().back().impedance;
}

} // namespace

TEST_F(ReflectAndAuxiliaryCommandsTest, AReflectStepMeasuresOpenShortOrBothAndTakesItsOffset)
{
    startWithAnalyzer();
    ASSERT_EQ(run("NOLT:SYSTem:FIXTure:RIGHT OFF"), done());
    ASSERT_EQ(run("NOLT:SYSTem:STEP1:TYPE?"), reply("REFLECT"));
    const double half = exampleLeftHalf().totalDelay();
    const QByteArray port = "NOLT:SYSTem:FIXTure:LEFT:PORT1:";

    // A new reflect step measures the open only, and nothing is measured yet.
    EXPECT_EQ(run("NOLT:CALCulate:STEP1:REFlect:SHORt"), failed(266));
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:REFlect:OFFSet ON"), failed(263));
    EXPECT_EQ(run("NOLT:CALCulate:STEP1:REFlect:OFFSet 10"), failed(263));
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:THRU:REFOFFSet ON"), failed(262));

    ASSERT_EQ(measure(FixtureWorld::Arrangement::Open, "NOLT:CALCulate:STEP1:REFlect:OPEN"), done())
        << errors.join("; ").toStdString();
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:MEASured?"), reply("1"));
    EXPECT_NEAR(realReply(port + "LENgth?"), half, 2e-12) << "open alone";
    // Read a little before the open, where the band-limited edge already rises.
    EXPECT_NEAR(realReply(port + "IMPedance?"), junctionImpedance(exampleLeftHalf()), 5.0);
    const std::vector<double> profile = curveReply(port + "IMPedance:TRACe?");
    ASSERT_GT(profile.size(), 10u);
    // The profile starts on the 50 ohm launch.
    EXPECT_NEAR(profile.front(), 50.0, 3.0);

    EXPECT_EQ(run("NOLT:SYSTem:STEP1:REFlect:OPEN OFF"), done());
    EXPECT_EQ(run("NOLT:CALCulate:STEP1:REFlect:OPEN"), failed(265));
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:REFlect:SHORt ON"), done());
    ASSERT_EQ(measure(FixtureWorld::Arrangement::Short, "NOLT:CALCulate:STEP1:REFlect:SHORt"), done());
    EXPECT_NEAR(realReply(port + "LENgth?"), half, 2e-12) << "short alone";

    EXPECT_EQ(run("NOLT:SYSTem:STEP1:REFlect:OPEN ON"), done());
    ASSERT_EQ(measure(FixtureWorld::Arrangement::Open, "NOLT:CALCulate:STEP1:REFlect:OPEN"), done());
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:MEASured?"), reply("1"));
    const double both = realReply(port + "LENgth?");
    EXPECT_NEAR(both, half, 2e-12) << "open and short";

    // Offsets in picoseconds, only while switched on.
    EXPECT_EQ(run("NOLT:CALCulate:STEP1:REFlect:OFFSet 10"), failed(264));
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:REFlect:OFFSet ON"), done());
    EXPECT_EQ(run("NOLT:CALCulate:STEP1:REFlect:OFFSet 10"), done());
    EXPECT_NEAR(realReply(port + "LENgth?"), both + 10e-12, 1e-13);
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:REFlect:OFFSet OFF"), done());
    EXPECT_NEAR(realReply(port + "LENgth?"), both, 1e-13);
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:REFlect:APPRoximation OFF"), done());
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:REFlect:APPRoximation MAYBE"), failed(104));
}

// Cancelled as the busy page's Cancel does while the analyzer sweeps for the open or
// the DUT again: each command fails, and what was measured before stays.
TEST_F(ReflectAndAuxiliaryCommandsTest, ReflectAndDutMeasurementsCancelledDuringTheSweepFailAndKeepTheEarlierOnes)
{
    startWithAnalyzer();
    for (const char* line : {"NOLT:SYSTem:CALCulation:METHod TIME", "NOLT:SYSTem:FIXTure:RIGHT OFF",
                             "NOLT:SYSTem:FIXTure:CONNECTion:DUT:DIFFerent ON"})
        ASSERT_EQ(run(line), done()) << line;
    ASSERT_EQ(run("NOLT:SYSTem:STEP2:TYPE?"), reply("DUT"));
    ASSERT_EQ(measure(FixtureWorld::Arrangement::Open, "NOLT:CALCulate:STEP1:REFlect:OPEN"), done())
        << errors.join("; ").toStdString();
    ASSERT_EQ(measure(FixtureWorld::Arrangement::Dut, "NOLT:CALCulate:STEP2:DUT"), done())
        << errors.join("; ").toStdString();
    const QByteArray length = "NOLT:SYSTem:FIXTure:LEFT:PORT1:LENgth?";
    const double measured = realReply(length);

    cancelDuringTheNextSweep();
    EXPECT_EQ(measure(FixtureWorld::Arrangement::Dut, "NOLT:CALCulate:STEP2:DUT"), failed(200));
    cancelDuringTheNextSweep();
    EXPECT_EQ(measure(FixtureWorld::Arrangement::Open, "NOLT:CALCulate:STEP1:REFlect:OPEN"), failed(200));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    EXPECT_EQ(messages, (QStringList{"Measurement cancelled", "Measurement cancelled"}));
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:MEASured?"), reply("1"));
    EXPECT_EQ(run("NOLT:SYSTem:STEP2:MEASured?"), reply("1"));
    EXPECT_EQ(realReply(length), measured);
}

TEST_F(ReflectAndAuxiliaryCommandsTest, AnAuxiliaryThruGivesBothItsFixturesAndTheOtherSideReflects)
{
    startWithAnalyzer();
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT:PORT1:AUX?"), failed(270));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT:PORT1:AUX:LENgth?"), failed(270));
    ASSERT_EQ(run("NOLT:SYSTem:FIXTure:CONNECTion:LEFT:THRU ON"), done());
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:CONNECTion:DIRect?"), reply("0"));
    ASSERT_EQ(run("NOLT:SYSTem:STEP:COUNt?"), reply("2"));
    ASSERT_EQ(run("NOLT:SYSTem:STEP1:TYPE?"), reply("TRANSMISSION"));
    ASSERT_EQ(run("NOLT:SYSTem:STEP2:TYPE?"), reply("REFLECT"));

    // The auxiliary fixture takes the analyzer port that its own fixture leaves free.
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT:PORT1:AUX?"), reply("2"));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT:PORT2:AUX?"), failed(221));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT:PORT1:AUX 3"), failed(221));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT:PORT1:AUX 2"), done());
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:RIGHT:PORT1:AUX?"), failed(270));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:RIGHT:PORT1:AUX 1"), failed(270));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT:PORT1:AUX:LENgth?"), failed(263));

    // Analyzer ports 1 and 2 see the example halves joined: the thru measured from
    // the left fixture to its auxiliary one.
    ASSERT_EQ(measure(FixtureWorld::Arrangement::Thru, "NOLT:CALCulate:STEP1:THRU"), done())
        << errors.join("; ").toStdString();
    const QByteArray aux = "NOLT:SYSTem:FIXTure:LEFT:PORT1:AUX:";
    const double total = exampleLeftHalf().totalDelay() + exampleRightHalf().totalDelay();
    EXPECT_NEAR(realReply("NOLT:SYSTem:FIXTure:LEFT:PORT1:LENgth?") + realReply(aux + "LENgth?"), total, 5e-12);
    EXPECT_TRUE(std::isfinite(realReply(aux + "GATing?")));
    EXPECT_GT(curveReply(aux + "GATing:TRACe?").size(), 10u);
    EXPECT_GT(curveReply(aux + "LENgth:TRACe?").size(), 10u);
    // Both halves meet at a junction between their last sections.
    const double junction = realReply(aux + "IMPedance?");
    EXPECT_GT(junction, std::min(junctionImpedance(exampleLeftHalf()), junctionImpedance(exampleRightHalf())) - 2.0);
    EXPECT_LT(junction, std::max(junctionImpedance(exampleLeftHalf()), junctionImpedance(exampleRightHalf())) + 2.0);
    EXPECT_NEAR(curveReply(aux + "IMPedance:TRACe?").front(), 50.0, 3.0);

    // The right fixture, on its own, reflects its open.
    ASSERT_EQ(measure(FixtureWorld::Arrangement::Open, "NOLT:CALCulate:STEP2:REFlect:OPEN"), done())
        << errors.join("; ").toStdString();
    EXPECT_NEAR(realReply("NOLT:SYSTem:FIXTure:RIGHT:PORT1:LENgth?"), exampleRightHalf().totalDelay(), 2e-12);
    EXPECT_NEAR(realReply("NOLT:SYSTem:FIXTure:RIGHT:PORT1:IMPedance?"), junctionImpedance(exampleRightHalf()), 5.0);
    // A reflect step has no reflect offsets of a thru.
    EXPECT_EQ(run("NOLT:CALCulate:STEP2:THRU:REFOFFSet:OPEN"), failed(262));
}

TEST_F(ReflectAndAuxiliaryCommandsTest, ThruReflectSwitchesFollowTheirOrderAndNoConversionHasNoImpedance)
{
    startWithAnalyzer();
    ASSERT_EQ(run("NOLT:CALCulate:STEP1:THRU"), done());
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:THRU:REFOFFSet:OPEN ON"), failed(267));
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:THRU:REFOFFSet:SHORt ON"), failed(267));
    EXPECT_EQ(run("NOLT:CALCulate:STEP1:THRU:REFOFFSet:OPEN"), failed(267));
    EXPECT_EQ(run("NOLT:CALCulate:STEP1:THRU:REFOFFSet:SHORt"), failed(267));
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:THRU:REFOFFSet ON"), done());
    // A thru measures neither reflect standard until it is switched on.
    EXPECT_EQ(run("NOLT:CALCulate:STEP1:THRU:REFOFFSet:OPEN"), failed(265));
    EXPECT_EQ(run("NOLT:CALCulate:STEP1:THRU:REFOFFSet:SHORt"), failed(266));

    // Without an impedance conversion (chosen in the window) the halves have no
    // fixture impedance to show.
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT:PORT1:IMPedance?").code, 0);
    setups()->setZ0ConversionType(MeasureEnums::Z0Conversion::None);
    ASSERT_EQ(run("NOLT:CALCulate:STEP1:THRU"), done());
    ASSERT_EQ(run("NOLT:SYSTem:STEP1:MEASured?"), reply("1"));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT:PORT1:IMPedance?"), failed(284));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:RIGHT:PORT1:IMPedance?"), failed(284));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:RIGHT:PORT1:IMPedance:TRACe?"), failed(284));
}

TEST_F(ReflectAndAuxiliaryCommandsTest, ReadyPresetAndTheDefaultAnalyzerAddress)
{
    startWithAnalyzer();
    EXPECT_EQ(run("NOLT:SYSTem:READy?"), reply("1"));
    for (const char* line : {"NOLT:SYSTem:CALCulation:METHod FILTER", "NOLT:SYSTem:FIXTure:CONNECTion:LEFT:THRU ON",
                             "NOLT:SYSTem:FIXTure:RIGHT OFF", "NOLT:SYSTem:ZCONversion:TYPE FIXT"})
        ASSERT_EQ(run(line), done()) << line;
    setups()->addSetup();

    EXPECT_EQ(run("NOLT:SYSTem:PRESet"), done());
    EXPECT_EQ(messages.last(), "Plug-in preset was performed");
    EXPECT_EQ(setups()->getCount(), 1);
    EXPECT_EQ(run("NOLT:SYSTem:CALCulation:METHod?"), reply("TIME"));
    EXPECT_EQ(run("NOLT:SYSTem:ZCONversion:TYPE?"), reply("SYST"));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:RIGHT?"), reply("1"));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:CONNECTion:LEFT:THRU?"), reply("0"));
    EXPECT_EQ(run("NOLT:SYSTem:STEP:COUNt?"), reply("1"));
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:TYPE?"), reply("TRANSMISSION"));

    EXPECT_EQ(run("NOLT:SYSTem:VNA:IP '192.0.2.7'"), done());
    EXPECT_EQ(run("NOLT:SYSTem:VNA:PORT 6000"), done());
    EXPECT_EQ(run("NOLT:SYSTem:VNA:IP?"), reply("192.0.2.7"));
    EXPECT_EQ(run("NOLT:SYSTem:VNA:DEFault"), done());
    EXPECT_EQ(run("NOLT:SYSTem:VNA:IP?"), reply("127.0.0.1"));
    EXPECT_EQ(run("NOLT:SYSTem:VNA:PORT?"), reply("5025"));
    EXPECT_EQ(backend->getVnaDevice()->address(), "127.0.0.1");
}

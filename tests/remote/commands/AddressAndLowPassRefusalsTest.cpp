#include "tests/remote/commands/RemoteCommandSession.h"

namespace {

class AddressAndLowPassRefusalsTest : public RemoteCommandSession
{
};

} // namespace

TEST_F(AddressAndLowPassRefusalsTest, AnEmptyAnalyzerAddressIsRefusedAndTheLinkStays)
{
    startWithAnalyzer();
    EXPECT_EQ(run("NOLT:SYSTem:VNA:IP ''"), failed(224));
    EXPECT_EQ(run("NOLT:SYSTem:VNA:IP \"  \""), failed(224));
    EXPECT_EQ(run("NOLT:SYSTem:VNA:IP?"), reply("127.0.0.1"));
    EXPECT_EQ(run("NOLT:SYSTem:READy?"), reply("1"));
}

TEST_F(AddressAndLowPassRefusalsTest, LowPassGridsCannotBeSetWhileTheAnalyzerGridIsUnknown)
{
    // An analyzer that answers but is not ready: its sweep is never read.
    simulator.setReady(false);
    startRemote();
    ASSERT_TRUE(waitFor([this] { return backend->getVnaDevice()->isReady().has_value(); }));
    simulator.clearLog();
    EXPECT_EQ(run("NOLT:CALC:LP"), failed(200));
    EXPECT_EQ(run("NOLT:CALC:LP:10Mhz"), failed(200));
    const QRegularExpression gridSetters("^SENSe\\d*:(FREQuency:STARt|FREQuency:STOP|SWEep:POINts) ");
    EXPECT_TRUE(allLines().filter(gridSetters).isEmpty()) << allLines().join("; ").toStdString();
}

TEST_F(AddressAndLowPassRefusalsTest, AMaximumFrequencyBeyondAnyPointCountIsRefused)
{
    simulator.changeModel([](Simulator::AnalyzerModel& model) { model.maxFrequency = 1e17; });
    startWithAnalyzer();
    ASSERT_EQ(backend->getVnaDevice()->maxFreq(), 1e17);
    simulator.clearLog();
    EXPECT_EQ(run("NOLT:CALC:LP:10Mhz"), failed(200));
    const QRegularExpression pointsSetter("^SENSe\\d*:SWEep:POINts ");
    EXPECT_TRUE(allLines().filter(pointsSetter).isEmpty()) << allLines().join("; ").toStdString();
    EXPECT_EQ(run("NOLT:SENSe:SWEep:POINts?"), reply("200"));
}

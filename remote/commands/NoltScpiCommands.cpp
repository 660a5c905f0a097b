#include "remote/commands/NoltScpiCommands.h"

#include "analyzer/threading/QuitNotice.h"
#include "remote/commands/FixtureCommands.h"
#include "remote/commands/GuiThreadBridge.h"
#include "remote/commands/MeasureEnumKeywords.h"
#include "remote/commands/ResultQueries.h"
#include "remote/commands/SenseCommands.h"
#include "remote/commands/StepCommands.h"
#include "remote/commands/SystemCommands.h"
#include "remote/handlers/ScpiHandlerCreator.h"
#include "remote/parser/DeviceFunctions.h"
#include "remote/parser/ErrorMessages.h"

#include <type_traits>

namespace Orlix::Automation {

namespace {

// The handler's type lists follow from its function: after the backend, an
// optional DeviceFunctions* (queries), an optional NumericIndex (the "#"
// suffix), then the arguments.
template<typename Objects, typename Suffixes, typename... Arguments>
struct HandlerLists
{
    using ObjectList = Objects;
    using SuffixList = Suffixes;
    using ArgumentList = Types<Arguments...>;
};

template<typename Objects, typename... P>
struct SplitSuffixes : HandlerLists<Objects, Types<>, P...>
{
};

template<typename Objects, typename... P>
struct SplitSuffixes<Objects, NumericIndex, P...> : HandlerLists<Objects, Types<NumericIndex>, P...>
{
};

template<typename... P>
struct SplitObjects : SplitSuffixes<Types<>, P...>
{
};

template<typename... P>
struct SplitObjects<DeviceFunctions*, P...> : SplitSuffixes<Types<DeviceFunctions*>, P...>
{
};

template<typename F>
struct ListsOf;

template<typename... P>
struct ListsOf<void (*)(MainQmlBackend*, P...)> : SplitObjects<std::decay_t<P>...>
{
};

template<typename F>
void add(MainQmlBackend* backend, const char* pattern, F function)
{
    using Lists = ListsOf<F>;
    DeviceFunctions::registerCommand(
        pattern, ScpiHandlerCreator::create<typename Lists::ObjectList, typename Lists::SuffixList,
                                            typename Lists::ArgumentList>(backend, function));
}

constexpr FixtureSide Left = FixtureSide::Left;
constexpr FixtureSide Right = FixtureSide::Right;

// The 12 result queries of one side's fixture (aux false) or auxiliary fixture.
template<FixtureSide side, bool aux>
void addResultQueries(MainQmlBackend* backend, const QByteArray& prefix)
{
    const auto pattern = [&prefix](const char* rest) { return QByteArray(prefix + rest); };
    add(backend, pattern(":GATing?").constData(), &portResultQuery<side, aux, PortResult::Gating, false>);
    add(backend, pattern(":GATing:TRACe?").constData(), &portResultQuery<side, aux, PortResult::Gating, true>);
    add(backend, pattern(":IMPedance?").constData(), &portResultQuery<side, aux, PortResult::Impedance, false>);
    add(backend, pattern(":IMPedance:TRACe?").constData(),
        &portResultQuery<side, aux, PortResult::Impedance, true>);
    add(backend, pattern(":LENgth?").constData(), &portResultQuery<side, aux, PortResult::Length, false>);
    add(backend, pattern(":LENgth:TRACe?").constData(), &portResultQuery<side, aux, PortResult::Length, true>);
}

// One side's fixture patterns, in registry order.
template<FixtureSide side>
void addSide(MainQmlBackend* backend, const QByteArray& root)
{
    add(backend, root.constData(), &fixtureEnabled<side>);
    add(backend, QByteArray(root + "?").constData(), &fixtureEnabledQuery<side>);
    add(backend, QByteArray(root + ":PORT#").constData(), &attachedPort<side, false>);
    add(backend, QByteArray(root + ":PORT#?").constData(), &attachedPortQuery<side, false>);
    add(backend, QByteArray(root + ":PORT:COUNt").constData(), &portsCount<side>);
    add(backend, QByteArray(root + ":PORT:COUNt?").constData(), &portsCountQuery<side>);
    addResultQueries<side, false>(backend, root + ":PORT#");
    add(backend, QByteArray(root + ":PORT#:AUX").constData(), &attachedPort<side, true>);
    add(backend, QByteArray(root + ":PORT#:AUX?").constData(), &attachedPortQuery<side, true>);
    addResultQueries<side, true>(backend, root + ":PORT#:AUX");
}

} // namespace

void registerNoltScpiCommands(MainQmlBackend* backend)
{
    initErrorMessages();
    startAcceptingRemoteWork();
    // Whoever learns first that the application was told to quit (a wait of the GUI
    // thread, the closed window, the main loop's end) tells it before any further event is served: from
    // then on no remote work starts, not even work queued before.
    static const QuitNotice::Observation quitObservation = QuitNotice::observe(&stopAcceptingRemoteWork);

    add(backend, "*OPC?", &opcQuery);
    add(backend, "NOLT:SYSTem:READy?", &readyQuery);
    add(backend, "NOLT:CALC:LP", &lowPassMode);
    add(backend, "NOLT:CALC:LP:10Mhz", &lowPassMode10Mhz);
    add(backend, "NOLT:CALCulate:STEP#:DUT", &measureDut);
    add(backend, "NOLT:CALCulate:STEP#:REFlect:OFFSet", &applyReflectOffset);
    add(backend, "NOLT:CALCulate:STEP#:REFlect:OPEN", &measureReflectOpen);
    add(backend, "NOLT:CALCulate:STEP#:REFlect:SHORt", &measureReflectShort);
    add(backend, "NOLT:CALCulate:STEP#:THRU", &measureThru);
    add(backend, "NOLT:CALCulate:STEP#:THRU:OFFSet", &applyThruOffset);
    add(backend, "NOLT:CALCulate:STEP#:THRU:REFOFFSet:OPEN", &measureThruReflectOpen);
    add(backend, "NOLT:CALCulate:STEP#:THRU:REFOFFSet:SHORt", &measureThruReflectShort);
    add(backend, "NOLT:CALCulate:ZCONversion", &userZ0);
    add(backend, "NOLT:SENSe:BANDwidth", &bandwidth);
    add(backend, "NOLT:SENSe:BANDwidth?", &bandwidthQuery);
    add(backend, "NOLT:SENSe:CALIBration:TYPE?", &calibrationTypeQuery);
    add(backend, "NOLT:SENSe:FREQeuncy:STARt", &startFrequency);
    add(backend, "NOLT:SENSe:FREQeuncy:STARt?", &startFrequencyQuery);
    add(backend, "NOLT:SENSe:FREQeuncy:STEP?", &stepFrequencyQuery);
    add(backend, "NOLT:SENSe:FREQeuncy:STOP", &stopFrequency);
    add(backend, "NOLT:SENSe:FREQeuncy:STOP?", &stopFrequencyQuery);
    add(backend, "NOLT:SENSe:POWer", &outputPower);
    add(backend, "NOLT:SENSe:POWer?", &outputPowerQuery);
    add(backend, "NOLT:SENSe:PRESet", &presetAnalyzer);
    add(backend, "NOLT:SENSe:SWEep:POINts", &sweepPoints);
    add(backend, "NOLT:SENSe:SWEep:POINts?", &sweepPointsQuery);
    add(backend, "NOLT:SENSe:SWEep:TYPE?", &sweepTypeQuery);
    add(backend, "NOLT:SYSTem:CALCulation:METHod", &calculationMethod);
    add(backend, "NOLT:SYSTem:CALCulation:METHod?", &calculationMethodQuery);
    add(backend, "NOLT:SYSTem:CORRECTion:APPLy", &applyCorrection);
    add(backend, "NOLT:SYSTem:CORRECTion:SAVE", &saveCorrection);
    add(backend, "NOLT:SYSTem:DATA:SAVE", &saveRawData);
    add(backend, "NOLT:SYSTem:ERRor?", &errorQuery);
    add(backend, "NOLT:SYSTem:FIXTure:CONNECTion:DIRect", &directThru);
    add(backend, "NOLT:SYSTem:FIXTure:CONNECTion:DIRect?", &directThruQuery);
    add(backend, "NOLT:SYSTem:FIXTure:CONNECTion:DUT:DIFFerent", &dutDifferent);
    add(backend, "NOLT:SYSTem:FIXTure:CONNECTion:DUT:DIFFerent?", &dutDifferentQuery);
    add(backend, "NOLT:SYSTem:FIXTure:CONNECTion:LEFT:THRU", &auxThru<Left>);
    add(backend, "NOLT:SYSTem:FIXTure:CONNECTion:LEFT:THRU?", &auxThruQuery<Left>);
    add(backend, "NOLT:SYSTem:FIXTure:CONNECTion:RIGHT:THRU", &auxThru<Right>);
    add(backend, "NOLT:SYSTem:FIXTure:CONNECTion:RIGHT:THRU?", &auxThruQuery<Right>);
    addSide<Left>(backend, "NOLT:SYSTem:FIXTure:LEFT");
    addSide<Right>(backend, "NOLT:SYSTem:FIXTure:RIGHT");
    add(backend, "NOLT:SYSTem:LPass:IGNore", &lowPassIgnore);
    add(backend, "NOLT:SYSTem:LPass:IGNore?", &lowPassIgnoreQuery);
    add(backend, "NOLT:SYSTem:PRESet", &presetApplication);
    add(backend, "NOLT:SYSTem:SETup:SAVE", &saveSetup);
    add(backend, "NOLT:SYSTem:STATe:LOAD", &loadState);
    add(backend, "NOLT:SYSTem:STEP:COUNt?", &stepCountQuery);
    add(backend, "NOLT:SYSTem:STEP#:DATA:DELete", &deleteStepData);
    add(backend, "NOLT:SYSTem:STEP#:MEASured?", &stepMeasuredQuery);
    add(backend, "NOLT:SYSTem:STEP#:REFlect:APPRoximation", &reflectApproximation);
    add(backend, "NOLT:SYSTem:STEP#:REFlect:OFFSet", &reflectOffsetSwitch);
    add(backend, "NOLT:SYSTem:STEP#:REFlect:OPEN", &reflectOpenEnable);
    add(backend, "NOLT:SYSTem:STEP#:REFlect:SHORt", &reflectShortEnable);
    add(backend, "NOLT:SYSTem:STEP#:THRU:OFFSet", &thruOffsetSwitch);
    add(backend, "NOLT:SYSTem:STEP#:THRU:REFOFFSet", &thruReflectOffsetSwitch);
    add(backend, "NOLT:SYSTem:STEP#:THRU:REFOFFSet:OPEN", &thruReflectOpenEnable);
    add(backend, "NOLT:SYSTem:STEP#:THRU:REFOFFSet:SHORt", &thruReflectShortEnable);
    add(backend, "NOLT:SYSTem:STEP#:TYPE?", &stepTypeQuery);
    add(backend, "NOLT:SYSTem:VNA:DEFault", &analyzerDefaultAddress);
    add(backend, "NOLT:SYSTem:VNA:IP", &analyzerAddress);
    add(backend, "NOLT:SYSTem:VNA:IP?", &analyzerAddressQuery);
    add(backend, "NOLT:SYSTem:VNA:PORT", &analyzerPort);
    add(backend, "NOLT:SYSTem:VNA:PORT?", &analyzerPortQuery);
    add(backend, "NOLT:SYSTem:ZCONversion:TYPE", &z0ConversionType);
    add(backend, "NOLT:SYSTem:ZCONversion:TYPE?", &z0ConversionTypeQuery);
}

} // namespace Orlix::Automation

#include "remote/commands/ResultQueries.h"

#include "app/backend/MainQmlBackend.h"
#include "app/checks/SetupVnaTableModel.h"
#include "measurement/fixtures/MeasuredFixturePort.h"
#include "measurement/fixtures/VNAFixtureConnection.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"
#include "remote/commands/CommandErrorCodes.h"
#include "remote/commands/CommandPreamble.h"
#include "remote/commands/ReplyFormatting.h"
#include "remote/commands/StepLookup.h"
#include "remote/parser/AutomationException.h"
#include "remote/parser/DeviceFunctions.h"

namespace Orlix::Automation {

namespace {

struct ResultSource
{
    int missingCode;
    QVariant (QmlFixturePort::*scalar)() const;
    QVector<QPointF>* (QmlFixturePort::*curve)();
};

ResultSource sourceOf(PortResult result)
{
    switch (result) {
    case PortResult::Gating:
        return {kInvalidGating, &QmlFixturePort::gatingValue, &QmlFixturePort::gatingCurve};
    case PortResult::Impedance:
        return {kInvalidImpedance, &QmlFixturePort::fixtureImpedance, &QmlFixturePort::stepResponseCurve};
    case PortResult::Length:
        break;
    }
    return {kInvalidLength, &QmlFixturePort::length, &QmlFixturePort::impulseResponseCurve};
}

// The GUI-side copy of the port's results, once they are complete.
QmlFixturePort& calculatedPort(MainQmlBackend* backend, FixtureSide side, bool aux, PortResult result,
                               unsigned row)
{
    NoltAlgorithmsSetup& setup = *firstSetup(backend);
    requireSide(setup, side, aux);
    const VNAFixtureConnection& connection = *sideConnection(setup, side, aux);
    requireFixturePort(connection, row);
    if (result == PortResult::Impedance) {
        if (!setup.isLowPassMode())
            throw AutomationException(kLowPassNotEnabled);
        if (!backend->getSetupVnaTable()->lowPassCheck())
            throw AutomationException(kLowPassIgnored);
    }
    const MeasuredFixturePort* port = connection.getFixturePort(int(row));
    if (!port || !port->measureData()->isMeasured())
        throw AutomationException(kStepNotMeasured);
    return *port->measureData();
}

} // namespace

template<FixtureSide side, bool aux, PortResult result, bool trace>
void portResultQuery(MainQmlBackend* backend, DeviceFunctions* functions, const NumericIndex& fixturePort)
{
    functions->sendAnswer(bridgedQuery(backend, [backend, row = fixturePort.value] {
        QmlFixturePort& port = calculatedPort(backend, side, aux, result, row);
        const ResultSource source = sourceOf(result);
        if constexpr (!trace) {
            const QVariant value = (port.*source.scalar)();
            return realOrRaise(value.isValid() ? std::optional<double>(value.toDouble()) : std::nullopt,
                               source.missingCode);
        } else {
            // An empty curve would send no line at all and leave the client waiting.
            const QVector<QPointF>& curve = *(port.*source.curve)();
            if (curve.isEmpty())
                throw AutomationException(source.missingCode);
            return formatTraceValues(curve);
        }
    }));
}

#define NOLT_RESULT_QUERY(SIDE, AUX, RESULT)                                                                   \
    template void portResultQuery<SIDE, AUX, RESULT, false>(MainQmlBackend*, DeviceFunctions*, const NumericIndex&); \
    template void portResultQuery<SIDE, AUX, RESULT, true>(MainQmlBackend*, DeviceFunctions*, const NumericIndex&);
#define NOLT_RESULT_QUERIES(SIDE, AUX)                                                                         \
    NOLT_RESULT_QUERY(SIDE, AUX, PortResult::Gating)                                                           \
    NOLT_RESULT_QUERY(SIDE, AUX, PortResult::Impedance)                                                        \
    NOLT_RESULT_QUERY(SIDE, AUX, PortResult::Length)

NOLT_RESULT_QUERIES(FixtureSide::Left, false)
NOLT_RESULT_QUERIES(FixtureSide::Left, true)
NOLT_RESULT_QUERIES(FixtureSide::Right, false)
NOLT_RESULT_QUERIES(FixtureSide::Right, true)

#undef NOLT_RESULT_QUERIES
#undef NOLT_RESULT_QUERY

} // namespace Orlix::Automation

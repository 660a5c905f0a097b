#include "simulator/dialect/ControlCommands.h"

#include "simulator/instrument/SimulatedAnalyzer.h"
#include "simulator/scpi/ScpiCommandTable.h"
#include "simulator/scpi/ScpiValues.h"

#include <cmath>

namespace Simulator {

namespace {

const ScpiResult badArgument = ScpiResult::rejected("Invalid argument");

const QStringList& worldKeywords()
{
    static const QStringList keywords{"THRU", "OPEN", "SHORt", "DUT"};
    return keywords;
}

const QStringList& faultKeywords()
{
    static const QStringList keywords{"NOReply", "LATE", "SPLit", "DOUBle", "DROP", "REFuse"};
    return keywords;
}

// "<kind>[,<header>[,<count>[,<milliseconds or segments>]]]"
std::optional<Fault> parseFault(const QStringList& arguments)
{
    if (arguments.isEmpty() || arguments.size() > 4)
        return std::nullopt;
    const auto kind = parseKeyword(arguments[0], faultKeywords());
    if (!kind)
        return std::nullopt;
    Fault fault;
    fault.kind = static_cast<Fault::Kind>(*kind);
    if (arguments.size() > 1)
        fault.command = arguments[1];
    if (arguments.size() > 2) {
        const auto count = parseInteger(arguments[2]);
        if (!count)
            return std::nullopt;
        fault.count = *count;
    }
    if (arguments.size() > 3) {
        const auto value = parseInteger(arguments[3]);
        if (!value || *value < 0)
            return std::nullopt;
        if (fault.kind == Fault::Kind::SplitReply)
            fault.segments = *value;
        else
            fault.delayMs = *value;
    }
    return fault;
}

} // namespace

void addControlCommands(ScpiCommandTable& table, SimulatedAnalyzer& analyzer, ControlTargets targets)
{
    auto shared = std::make_shared<ControlTargets>(std::move(targets));
    table.keepAlive(shared);

    table.add("SIMulator:WORLd?", [&analyzer](const ScpiRequest&) { return ScpiResult::reply(analyzer.world().name()); });
    table.add("SIMulator:WORLd", [shared](const ScpiRequest& request) {
        const auto world = parseKeyword(request.line.arguments, worldKeywords());
        if (!world)
            return badArgument;
        shared->selectFixtureWorld(static_cast<FixtureWorld::Arrangement>(*world));
        return ScpiResult::done();
    });
    table.add("SIMulator:WORLd:FILE", [shared](const ScpiRequest& request) {
        const QString path = request.line.argumentText();
        if (!shared->selectFileWorld(path))
            return ScpiResult::rejected("Not a readable Touchstone file: " + path);
        return ScpiResult::done();
    });
    table.add("SIMulator:SWEep:TIME?", [&analyzer](const ScpiRequest&) {
        return ScpiResult::reply(formatNumber(analyzer.sweepTimeMs() / 1000.0));
    });
    table.add("SIMulator:SWEep:TIME", [&analyzer](const ScpiRequest& request) {
        const auto seconds = parseNumber(request.line.arguments);
        if (!seconds || *seconds < 0.0 || *seconds > 3600.0)
            return badArgument;
        analyzer.setSweepTimeMs(static_cast<int>(std::lround(*seconds * 1000.0)));
        return ScpiResult::done();
    });
    table.add("SIMulator:READy", [&analyzer](const ScpiRequest& request) {
        const auto ready = parseBoolean(request.line.arguments);
        if (!ready)
            return badArgument;
        analyzer.model().ready = *ready;
        return ScpiResult::done();
    });
    table.add("SIMulator:PORT:COUNt", [&analyzer](const ScpiRequest& request) {
        const auto count = parseInteger(request.line.arguments);
        if (!count || *count < 1 || *count > AnalyzerModel::maxPorts)
            return badArgument;
        analyzer.model().setPortCount(*count);
        return ScpiResult::done();
    });
    table.add("SIMulator:CHANnel:ACTive", [&analyzer](const ScpiRequest& request) {
        const auto channel = parseInteger(request.line.arguments);
        if (!channel || *channel < 1 || *channel > AnalyzerModel::maxChannels)
            return badArgument;
        analyzer.model().activeChannel = *channel;
        analyzer.model().channel(*channel);
        return ScpiResult::done();
    });
    table.add("SIMulator:CALibrate", [&analyzer](const ScpiRequest&) {
        analyzer.model().calibrateAllPorts(analyzer.model().activeChannel);
        return ScpiResult::done();
    });
    table.add("SIMulator:FAULt", [shared](const ScpiRequest& request) {
        const auto fault = parseFault(request.line.argumentList());
        if (!fault || !shared->injectFault(*fault))
            return badArgument;
        return ScpiResult::done();
    });
    table.add("SIMulator:FAULt:CLEar", [shared](const ScpiRequest&) {
        shared->clearFaults();
        return ScpiResult::done();
    });
}

QString controlCommandHelp()
{
    return QStringLiteral(
        "Control commands (SCPI, on any connection; the application never sends them):\n"
        "  SIMulator:WORLd THRU|OPEN|SHORt|DUT   what ports 1 and 2 (and 3 and 4) see: the 2x-thru of\n"
        "                                        the fixture halves, each half open or shorted, or the\n"
        "                                        DUT in the fixture\n"
        "  SIMulator:WORLd:FILE <path>           serve an N-port Touchstone file as the world\n"
        "  SIMulator:WORLd?                      the current world\n"
        "  SIMulator:SWEep:TIME <s>              duration of one triggered sweep (query with ?)\n"
        "  SIMulator:READy 0|1                   answer \"SYST:READy?\" with 0 (not ready) or 1\n"
        "  SIMulator:PORT:COUNt <n>              change the number of ports (1 to 9)\n"
        "  SIMulator:CHANnel:ACTive <n>          make channel n (1 to 16) the active channel\n"
        "  SIMulator:CALibrate                   full calibration of the active channel's sweep\n"
        "  SIMulator:FAULt <kind>[,<header>[,<count>[,<n>]]]\n"
        "                                        misbehave on the next <count> lines of <header>\n"
        "                                        (any query when empty; negative count: always);\n"
        "                                        kinds NOReply, LATE (n = delay in ms), SPLit (n =\n"
        "                                        segments), DOUBle, DROP (close the connection),\n"
        "                                        REFuse (not carried out, as a state load of a\n"
        "                                        missing file)\n"
        "  SIMulator:FAULt:CLEar                 forget every pending fault\n");
}

} // namespace Simulator

#include "simulator/dialect/AnalyzerCommands.h"

#include "simulator/files/CalibrationFile.h"
#include "simulator/instrument/SimulatedAnalyzer.h"
#include "simulator/model/TraceParameter.h"
#include "simulator/scpi/ScpiCommandTable.h"
#include "simulator/scpi/ScpiValues.h"

#include <QFile>

#include <algorithm>

namespace Simulator {

namespace {

// Shared checks of the handlers: each gives the value or a rejection.
class Handlers
{
public:
    Handlers(SimulatedAnalyzer& analyzer, NetworkLoader loadNetwork)
        : m_analyzer(analyzer)
        , m_loadNetwork(std::move(loadNetwork))
    {
    }

    AnalyzerModel& model() { return m_analyzer.model(); }
    SimulatedAnalyzer& analyzer() { return m_analyzer; }
    const NetworkLoader& loadNetwork() const { return m_loadNetwork; }

    ChannelSettings* channel(int number)
    {
        if (number < 1 || number > AnalyzerModel::maxChannels)
            return nullptr;
        return &model().channel(number);
    }

    bool isPort(int port) const { return port >= 1 && port <= m_analyzer.model().portCount; }

private:
    SimulatedAnalyzer& m_analyzer;
    NetworkLoader m_loadNetwork;
};

const ScpiResult noChannel = ScpiResult::rejected("Channel out of range");
const ScpiResult noPort = ScpiResult::rejected("Port out of range");
const ScpiResult badArgument = ScpiResult::rejected("Invalid argument");

// A setting of a channel: a query that formats it and a command that parses and stores it.
using ChannelGetter = std::function<QString(const ChannelSettings&)>;
using ChannelSetter = std::function<ScpiResult(int channel, const ScpiLine& line)>;

void addChannelSetting(ScpiCommandTable& table, Handlers& handlers, const QString& pattern, ChannelGetter get,
                       ChannelSetter set)
{
    table.add(pattern + "?", [&handlers, get](const ScpiRequest& request) {
        const ChannelSettings* channel = handlers.channel(request.suffixes[0]);
        return channel ? ScpiResult::reply(get(*channel)) : noChannel;
    });
    table.add(pattern, [&handlers, set](const ScpiRequest& request) {
        if (!handlers.channel(request.suffixes[0]))
            return noChannel;
        return set(request.suffixes[0], request.line);
    });
}

// A setter that parses its argument and hands the value to `store`.
template <typename Value>
ChannelSetter setterOf(std::optional<Value> (*parse)(const QString&), std::function<void(int channel, Value)> store)
{
    return [parse, store = std::move(store)](int channel, const ScpiLine& line) {
        const auto value = parse(line.arguments);
        if (!value)
            return badArgument;
        store(channel, *value);
        return ScpiResult::done();
    };
}

// Commands that name a file: the whole argument text is the path.
std::optional<QString> pathArgument(const ScpiLine& line)
{
    const QString path = line.argumentText();
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

void addSystemCommands(ScpiCommandTable& table, Handlers& handlers)
{
    table.add("*IDN?", [&handlers](const ScpiRequest&) {
        const Identification& id = handlers.model().identification;
        return ScpiResult::reply(QStringList{id.manufacturer, id.model, id.serialNumber, id.version}.join(','));
    });
    table.add("*OPC?", [](const ScpiRequest&) { return ScpiResult::replyWhenIdle("1"); });
    table.add("SYSTem:READy?",
              [&handlers](const ScpiRequest&) { return ScpiResult::reply(formatBoolean(handlers.model().ready)); });
    table.add("SYSTem:PRESet", [&handlers](const ScpiRequest&) {
        handlers.analyzer().abort();
        handlers.model().preset();
        return ScpiResult::done();
    });
    table.add("ABORt", [&handlers](const ScpiRequest&) {
        handlers.analyzer().abort();
        return ScpiResult::done();
    });
    table.add("SERVice:CHANnel[:ACTive]?", [&handlers](const ScpiRequest&) {
        return ScpiResult::reply(QString::number(handlers.model().activeChannel));
    });
    table.add("SERVice:PORT:COUNt?", [&handlers](const ScpiRequest&) {
        return ScpiResult::reply(QString::number(handlers.model().portCount));
    });
    table.add("SERVice:SWEep:FREQuency:MAXimum?", [&handlers](const ScpiRequest&) {
        return ScpiResult::reply(formatNumber(handlers.model().maxFrequency));
    });
    table.add("OUTPut[:STATe]?",
              [&handlers](const ScpiRequest&) { return ScpiResult::reply(formatBoolean(handlers.model().outputEnabled)); });
    table.add("OUTPut[:STATe]", [&handlers](const ScpiRequest& request) {
        const auto state = parseBoolean(request.line.arguments);
        if (!state)
            return badArgument;
        handlers.model().outputEnabled = *state;
        return ScpiResult::done();
    });
    table.add("DISPlay:SHOW", [&handlers](const ScpiRequest&) {
        handlers.model().windowShown = true;
        return ScpiResult::done();
    });
    table.add("DISPlay:HIDE", [&handlers](const ScpiRequest&) {
        handlers.model().windowShown = false;
        return ScpiResult::done();
    });
}

void addSweepCommands(ScpiCommandTable& table, Handlers& handlers)
{
    AnalyzerModel& model = handlers.model();
    addChannelSetting(table, handlers, "SENSe#:SWEep:TYPE",
                      [](const ChannelSettings& c) { return sweepTypeToken(c.sweepType); },
                      [&model](int channel, const ScpiLine& line) {
                          const auto type = parseKeyword(line.arguments, sweepTypeKeywords());
                          if (!type)
                              return badArgument;
                          model.channel(channel).sweepType = static_cast<SweepType>(*type);
                          return ScpiResult::done();
                      });
    addChannelSetting(
        table, handlers, "SENSe#:FREQuency:STARt", [](const ChannelSettings& c) { return formatNumber(c.startFrequency); },
        setterOf<double>(parseNumber, [&model](int channel, double f) { model.setStartFrequency(channel, f); }));
    addChannelSetting(
        table, handlers, "SENSe#:FREQuency:STOP", [](const ChannelSettings& c) { return formatNumber(c.stopFrequency); },
        setterOf<double>(parseNumber, [&model](int channel, double f) { model.setStopFrequency(channel, f); }));
    addChannelSetting(table, handlers, "SENSe#:SWEep:POINts",
                      [](const ChannelSettings& c) { return QString::number(c.points); },
                      setterOf<int>(parseInteger, [&model](int channel, int points) {
                          model.channel(channel).points = std::clamp(points, 1, AnalyzerModel::maxPoints);
                      }));
    addChannelSetting(table, handlers, "SENSe#:BWIDth[:RESolution]",
                      [](const ChannelSettings& c) { return formatNumber(c.ifBandwidth); },
                      setterOf<double>(parseNumber, [&model](int channel, double bandwidth) {
                          model.channel(channel).ifBandwidth = std::clamp(bandwidth, 1.0, 1e6);
                      }));
    addChannelSetting(table, handlers, "SOURce#:POWer[:LEVel][:IMMediate][:AMPLitude]",
                      [](const ChannelSettings& c) { return formatNumber(c.power); },
                      setterOf<double>(parseNumber, [&model](int channel, double power) {
                          model.channel(channel).power = std::clamp(power, -60.0, 20.0);
                      }));
    table.add("SENSe#:FREQuency:DATA?", [&handlers](const ScpiRequest& request) {
        if (!handlers.channel(request.suffixes[0]))
            return noChannel;
        return ScpiResult::reply(formatNumbers(handlers.model().frequencies(request.suffixes[0])));
    });

    // The port impedance is one setting of the analyzer, whatever channel the header names.
    table.add("SENSe#:CORRection:PORT#:IMPedance?", [&handlers](const ScpiRequest& request) {
        const int port = request.suffixes[1];
        if (!handlers.isPort(port))
            return noPort;
        return ScpiResult::reply(formatNumber(handlers.model().portImpedances[static_cast<std::size_t>(port - 1)]));
    });
    table.add("SENSe#:CORRection:PORT#:IMPedance", [&handlers](const ScpiRequest& request) {
        const int port = request.suffixes[1];
        const auto impedance = parseNumber(request.line.arguments);
        if (!handlers.isPort(port))
            return noPort;
        if (!impedance || *impedance < 0.001 || *impedance > 1000.0)
            return badArgument;
        handlers.model().portImpedances[static_cast<std::size_t>(port - 1)] = *impedance;
        return ScpiResult::done();
    });
}

void addCalibrationCommands(ScpiCommandTable& table, Handlers& handlers)
{
    table.add("CALCulate#:CORRection:STATus?", [&handlers](const ScpiRequest& request) {
        if (!handlers.channel(request.suffixes[0]))
            return noChannel;
        return ScpiResult::reply(handlers.model().correctionStatus(request.suffixes[0]));
    });
    table.add("SENSe#:CORRection:TYPE?", [&handlers](const ScpiRequest& request) {
        const ChannelSettings* channel = handlers.channel(request.suffixes[0]);
        if (!channel)
            return noChannel;
        QStringList items{channel->calibration.type};
        if (channel->calibration.isActive()) {
            for (int port : channel->calibration.ports)
                items.append(QString::number(port));
        }
        return ScpiResult::reply(items.join(','));
    });
}

void addTraceCommands(ScpiCommandTable& table, Handlers& handlers)
{
    addChannelSetting(
        table, handlers, "CALCulate#:PARameter:COUNt",
        [](const ChannelSettings& c) { return QString::number(c.traces.size()); },
        [&handlers](int channel, const ScpiLine& line) {
            const auto count = parseInteger(line.arguments);
            if (!count || *count < 1 || *count > AnalyzerModel::maxTraces)
                return badArgument;
            // New traces cycle through the two-port parameters, as after a preset.
            static const QStringList defaults{"S11", "S21", "S12", "S22"};
            auto& traces = handlers.model().channel(channel).traces;
            while (static_cast<int>(traces.size()) < *count)
                traces.push_back({defaults[static_cast<int>(traces.size()) % defaults.size()], 1, "MLOGarithmic"});
            traces.resize(static_cast<std::size_t>(*count));
            return ScpiResult::done();
        });

    // The trace of a request ("PARameter<n>" / "TRACe<n>" is the second suffix), or null.
    auto trace = [&handlers](const ScpiRequest& request) -> TraceDefinition* {
        ChannelSettings* channel = handlers.channel(request.suffixes[0]);
        const int number = request.suffixes[1];
        if (!channel || number < 1 || number > static_cast<int>(channel->traces.size()))
            return nullptr;
        return &channel->traces[static_cast<std::size_t>(number - 1)];
    };
    const ScpiResult noTrace = ScpiResult::rejected("Trace out of range");

    table.add("CALCulate#:PARameter#:DEFine?", [trace, noTrace](const ScpiRequest& request) {
        const TraceDefinition* definition = trace(request);
        return definition ? ScpiResult::reply(definition->parameter) : noTrace;
    });
    table.add("CALCulate#:PARameter#:DEFine", [&handlers, trace, noTrace](const ScpiRequest& request) {
        TraceDefinition* definition = trace(request);
        if (!definition)
            return noTrace;
        const auto parameter = TraceParameter::parse(request.line.arguments);
        if (!parameter || !handlers.isPort(parameter->toPort)
            || (parameter->isSParameter() && !handlers.isPort(parameter->fromPort)))
            return badArgument;
        definition->parameter = parameter->text();
        return ScpiResult::done();
    });
    table.add("CALCulate#:PARameter#:SPORt?", [trace, noTrace](const ScpiRequest& request) {
        const TraceDefinition* definition = trace(request);
        return definition ? ScpiResult::reply(QString::number(definition->sourcePort)) : noTrace;
    });
    table.add("CALCulate#:PARameter#:SPORt", [&handlers, trace, noTrace](const ScpiRequest& request) {
        TraceDefinition* definition = trace(request);
        if (!definition)
            return noTrace;
        const auto port = parseInteger(request.line.arguments);
        if (!port || !handlers.isPort(*port))
            return badArgument;
        definition->sourcePort = *port;
        return ScpiResult::done();
    });
    table.add("CALCulate#:TRACe#:FORMat?", [trace, noTrace](const ScpiRequest& request) {
        const TraceDefinition* definition = trace(request);
        return definition ? ScpiResult::reply(definition->format) : noTrace;
    });
    table.add("CALCulate#:TRACe#:FORMat", [trace, noTrace](const ScpiRequest& request) {
        TraceDefinition* definition = trace(request);
        if (!definition)
            return noTrace;
        const auto format = parseKeyword(request.line.arguments, traceFormatKeywords());
        if (!format)
            return badArgument;
        definition->format = traceFormatKeywords().at(*format);
        return ScpiResult::done();
    });
    table.add("CALCulate#:TRACe#:DATA:SDATa?", [&handlers](const ScpiRequest& request) {
        if (!handlers.channel(request.suffixes[0]))
            return noChannel;
        const auto values = handlers.analyzer().traceData(request.suffixes[0], request.suffixes[1]);
        return values ? ScpiResult::reply(formatComplexNumbers(*values))
                      : ScpiResult::rejected("No such trace, or it names a port the analyzer lacks");
    });

    addChannelSetting(
        table, handlers, "DISPlay:WINDow#:SPLit", [](const ChannelSettings& c) { return QString::number(c.layout); },
        [&handlers](int channel, const ScpiLine& line) {
            const auto layout = parseInteger(line.arguments);
            if (!layout || *layout < 1)
                return badArgument;
            handlers.model().channel(channel).layout = *layout;
            return ScpiResult::done();
        });
    // Autoscaling changes only what the analyzer's window shows.
    table.add("DISPlay:WINDow#:TRACe#:Y[:SCALe]:AUTO", [trace, noTrace](const ScpiRequest& request) {
        return trace(request) ? ScpiResult::done() : noTrace;
    });
}

void addFixtureSimulatorCommands(ScpiCommandTable& table, Handlers& handlers)
{
    auto addSwitch = [&](const QString& pattern, bool ChannelSettings::*member) {
        addChannelSetting(table, handlers, pattern,
                          [member](const ChannelSettings& c) { return formatBoolean(c.*member); },
                          setterOf<bool>(parseBoolean, [&handlers, member](int channel, bool state) {
                              handlers.model().channel(channel).*member = state;
                          }));
    };
    addSwitch("CALCulate#:FSIMulator:STATe", &ChannelSettings::fixtureSimulator);
    addSwitch("CALCulate#:FSIMulator:SENDed:DEEMbed:STATe", &ChannelSettings::deembedding);

    // The port's entry of the channel (second suffix: the port), checked first.
    using PortBody = std::function<ScpiResult(ChannelSettings&, int port, const ScpiLine&)>;
    auto forPort = [&handlers](PortBody body) {
        return [&handlers, body = std::move(body)](const ScpiRequest& request) {
            ChannelSettings* channel = handlers.channel(request.suffixes[0]);
            if (!channel)
                return noChannel;
            if (!handlers.isPort(request.suffixes[1]))
                return noPort;
            return body(*channel, request.suffixes[1], request.line);
        };
    };

    const QString portPattern = "CALCulate#:FSIMulator:SENDed:DEEMbed:PORT#";
    table.add(portPattern + ":STATe?", forPort([](ChannelSettings& channel, int port, const ScpiLine&) {
                  const auto entry = channel.deembeddingPorts.find(port);
                  return ScpiResult::reply(
                      formatBoolean(entry != channel.deembeddingPorts.end() && entry->second.enabled));
              }));
    table.add(portPattern + ":STATe", forPort([](ChannelSettings& channel, int port, const ScpiLine& line) {
                  const auto state = parseBoolean(line.arguments);
                  if (!state)
                      return badArgument;
                  channel.deembeddingPorts[port].enabled = *state;
                  return ScpiResult::done();
              }));
    table.add(portPattern + ":USER:FILename?", forPort([](ChannelSettings& channel, int port, const ScpiLine&) {
                  const auto entry = channel.deembeddingPorts.find(port);
                  return ScpiResult::reply(entry == channel.deembeddingPorts.end() ? QString()
                                                                                  : entry->second.fileName);
              }));
    // Choosing a user file selects it as the port's de-embedding network and
    // switches the port's de-embedding on: the file is read at once.
    table.add(portPattern + ":USER:FILename",
              forPort([&handlers](ChannelSettings& channel, int port, const ScpiLine& line) {
                  const auto path = pathArgument(line);
                  if (!path)
                      return badArgument;
                  auto network = handlers.loadNetwork()(*path);
                  if (!network)
                      return ScpiResult::rejected("Not a readable two-port file: " + *path);
                  PortDeembedding& entry = channel.deembeddingPorts[port];
                  entry.fileName = *path;
                  entry.network = std::move(network);
                  entry.enabled = true;
                  return ScpiResult::done();
              }));
}

void addFileCommands(ScpiCommandTable& table, Handlers& handlers)
{
    table.add("MMEMory:STORe:STYPe?",
              [&handlers](const ScpiRequest&) { return ScpiResult::reply(saveTypeToken(handlers.model().saveType)); });
    table.add("MMEMory:STORe:STYPe", [&handlers](const ScpiRequest& request) {
        const auto type = parseKeyword(request.line.arguments, saveTypeKeywords());
        if (!type)
            return badArgument;
        handlers.model().saveType = static_cast<SaveType>(*type);
        return ScpiResult::done();
    });
    table.add("MMEMory:STORe[:STATe]", [&handlers](const ScpiRequest& request) {
        const auto path = pathArgument(request.line);
        if (!path)
            return badArgument;
        const QString failure = saveStateFile(handlers.model(), *path);
        return failure.isEmpty() ? ScpiResult::done() : ScpiResult::rejected(failure);
    });
    table.add("MMEMory:LOAD[:STATe]", [&handlers](const ScpiRequest& request) {
        const auto path = pathArgument(request.line);
        if (!path)
            return badArgument;
        handlers.analyzer().abort();
        const QString failure = loadStateFile(handlers.model(), *path, handlers.loadNetwork());
        return failure.isEmpty() ? ScpiResult::done() : ScpiResult::rejected(failure);
    });
    table.add("MMEMory:STORe:CHANnel#:CALibration", [&handlers](const ScpiRequest& request) {
        const ChannelSettings* channel = handlers.channel(request.suffixes[0]);
        const auto path = pathArgument(request.line);
        if (!channel)
            return noChannel;
        if (!path)
            return badArgument;
        const QString failure = saveCalibrationFile(channel->calibration, *path);
        return failure.isEmpty() ? ScpiResult::done() : ScpiResult::rejected(failure);
    });
    table.add("MMEMory:LOAD:CHANnel#:CALibration", [&handlers](const ScpiRequest& request) {
        ChannelSettings* channel = handlers.channel(request.suffixes[0]);
        const auto path = pathArgument(request.line);
        if (!channel)
            return noChannel;
        if (!path)
            return badArgument;
        const auto calibration = loadCalibrationFile(*path);
        if (!calibration)
            return ScpiResult::rejected("Not a calibration file: " + *path);
        channel->calibration = *calibration;
        return ScpiResult::done();
    });
    table.add("MMEMory:DELete", [](const ScpiRequest& request) {
        const auto path = pathArgument(request.line);
        if (!path)
            return badArgument;
        return QFile::remove(*path) ? ScpiResult::done() : ScpiResult::rejected("Cannot delete " + *path);
    });
}

void addTriggerCommands(ScpiCommandTable& table, Handlers& handlers)
{
    addChannelSetting(
        table, handlers, "INITiate#:CONTinuous", [](const ChannelSettings& c) { return formatBoolean(c.continuous); },
        setterOf<bool>(parseBoolean, [&handlers](int channel, bool state) {
            handlers.model().channel(channel).continuous = state;
        }));
    table.add("INITiate#[:IMMediate]", [&handlers](const ScpiRequest& request) {
        if (!handlers.channel(request.suffixes[0]))
            return noChannel;
        handlers.analyzer().initiate(request.suffixes[0]);
        return ScpiResult::done();
    });
    table.add("TRIGger[:SEQuence]:SOURce?",
              [&handlers](const ScpiRequest&) { return ScpiResult::reply(handlers.model().triggerSource); });
    table.add("TRIGger[:SEQuence]:SOURce", [&handlers](const ScpiRequest& request) {
        const auto source = parseKeyword(request.line.arguments, triggerSourceKeywords());
        if (!source)
            return badArgument;
        handlers.model().triggerSource = shortForm(triggerSourceKeywords().at(*source));
        return ScpiResult::done();
    });
    table.add("TRIGger[:SEQuence]:SINGle", [&handlers](const ScpiRequest&) {
        handlers.analyzer().trigger();
        return ScpiResult::done();
    });
}

} // namespace

void addAnalyzerCommands(ScpiCommandTable& table, SimulatedAnalyzer& analyzer, NetworkLoader loadNetwork)
{
    // The handlers live as long as the table's entries that refer to them.
    auto handlers = std::make_shared<Handlers>(analyzer, std::move(loadNetwork));
    table.keepAlive(handlers);
    addSystemCommands(table, *handlers);
    addSweepCommands(table, *handlers);
    addCalibrationCommands(table, *handlers);
    addTraceCommands(table, *handlers);
    addFixtureSimulatorCommands(table, *handlers);
    addFileCommands(table, *handlers);
    addTriggerCommands(table, *handlers);
}

} // namespace Simulator

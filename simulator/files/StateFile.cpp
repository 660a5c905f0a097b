#include "simulator/files/StateFile.h"

#include "simulator/files/CalibrationFile.h"
#include "simulator/files/FileValues.h"
#include "simulator/files/SectionFile.h"
#include "simulator/scpi/ScpiValues.h"

#include <algorithm>

namespace Simulator {

namespace {

const QString signature = "# NOLT VNA simulator state";
const QString stateSection = "VNA\\State";

QString channelSection(int channel)
{
    return QString("VNA\\Channel%1").arg(channel);
}

QString calibrationSection(int channel)
{
    return channelSection(channel) + "\\Calibration";
}

void writeChannel(SectionFile& file, int number, const ChannelSettings& channel, bool withCalibration)
{
    const QString section = channelSection(number);
    file.setValue(section, "SweepType", sweepTypeToken(channel.sweepType));
    file.setValue(section, "StartFrequency", exactNumber(channel.startFrequency));
    file.setValue(section, "StopFrequency", exactNumber(channel.stopFrequency));
    file.setValue(section, "Points", QString::number(channel.points));
    file.setValue(section, "IFBandwidth", exactNumber(channel.ifBandwidth));
    file.setValue(section, "Power", exactNumber(channel.power));
    file.setValue(section, "Continuous", formatBoolean(channel.continuous));
    file.setValue(section, "Layout", QString::number(channel.layout));
    file.setValue(section, "Traces", QString::number(channel.traces.size()));
    for (std::size_t i = 0; i < channel.traces.size(); ++i) {
        const TraceDefinition& trace = channel.traces[i];
        file.setValue(section, QString("Trace%1").arg(i + 1),
                      QString("%1,%2,%3").arg(trace.parameter).arg(trace.sourcePort).arg(trace.format));
    }
    file.setValue(section, "FixtureSimulator", formatBoolean(channel.fixtureSimulator));
    file.setValue(section, "Deembedding", formatBoolean(channel.deembedding));
    std::vector<int> ports;
    for (const auto& entry : channel.deembeddingPorts)
        ports.push_back(entry.first);
    file.setValue(section, "DeembeddingPorts", portList(ports));
    for (const auto& [port, entry] : channel.deembeddingPorts) {
        file.setValue(section, QString("DeembeddingPort%1State").arg(port), formatBoolean(entry.enabled));
        file.setValue(section, QString("DeembeddingPort%1File").arg(port), entry.fileName);
    }
    if (withCalibration)
        writeCalibration(file, calibrationSection(number), channel.calibration);
}

std::optional<ChannelSettings> readChannel(const SectionFile& file, int number, const NetworkLoader& loadNetwork)
{
    const QString section = channelSection(number);
    auto text = [&](const QString& key) { return file.value(section, key).value_or(QString()); };

    ChannelSettings channel;
    const auto sweepType = parseKeyword(text("SweepType"), sweepTypeKeywords());
    const auto start = parseNumber(text("StartFrequency"));
    const auto stop = parseNumber(text("StopFrequency"));
    const auto points = parseInteger(text("Points"));
    const auto bandwidth = parseNumber(text("IFBandwidth"));
    const auto power = parseNumber(text("Power"));
    const auto continuous = parseBoolean(text("Continuous"));
    const auto layout = parseInteger(text("Layout"));
    const auto traceCount = parseInteger(text("Traces"));
    const auto simulator = parseBoolean(text("FixtureSimulator"));
    const auto deembedding = parseBoolean(text("Deembedding"));
    const auto ports = parsePortList(text("DeembeddingPorts"));
    if (!sweepType || !start || !stop || !points || *points < 1 || *points > AnalyzerModel::maxPoints || !bandwidth
        || !power || !continuous || !layout || !traceCount || *traceCount < 1 || *traceCount > AnalyzerModel::maxTraces
        || !simulator || !deembedding || !ports)
        return std::nullopt;

    channel.sweepType = static_cast<SweepType>(*sweepType);
    channel.startFrequency = *start;
    channel.stopFrequency = *stop;
    channel.points = *points;
    channel.ifBandwidth = *bandwidth;
    channel.power = *power;
    channel.continuous = *continuous;
    channel.layout = *layout;
    channel.fixtureSimulator = *simulator;
    channel.deembedding = *deembedding;

    channel.traces.clear();
    for (int i = 1; i <= *traceCount; ++i) {
        const QStringList fields = text(QString("Trace%1").arg(i)).split(',');
        const auto sourcePort = fields.size() == 3 ? parseInteger(fields[1]) : std::nullopt;
        if (!sourcePort)
            return std::nullopt;
        channel.traces.push_back({fields[0], *sourcePort, fields[2]});
    }

    for (int port : *ports) {
        PortDeembedding entry;
        const auto enabled = parseBoolean(text(QString("DeembeddingPort%1State").arg(port)));
        if (!enabled)
            return std::nullopt;
        entry.enabled = *enabled;
        entry.fileName = text(QString("DeembeddingPort%1File").arg(port));
        if (!entry.fileName.isEmpty())
            entry.network = loadNetwork(entry.fileName);
        channel.deembeddingPorts.emplace(port, entry);
    }

    if (file.hasSection(calibrationSection(number))) {
        const auto calibration = readCalibration(file, calibrationSection(number));
        if (!calibration)
            return std::nullopt;
        channel.calibration = *calibration;
    }
    return channel;
}

} // namespace

QString saveStateFile(const AnalyzerModel& model, const QString& path)
{
    SectionFile file(signature);
    std::vector<int> channels;
    for (const auto& entry : model.channels)
        channels.push_back(entry.first);
    file.setValue(stateSection, "ActiveChannel", QString::number(model.activeChannel));
    file.setValue(stateSection, "TriggerSource", model.triggerSource);
    file.setValue(stateSection, "Output", formatBoolean(model.outputEnabled));
    file.setValue(stateSection, "PortImpedances", numberList(model.portImpedances));
    file.setValue(stateSection, "Channels", portList(channels));
    const bool withCalibration = saveTypeIncludesCalibration(model.saveType);
    for (const auto& [number, channel] : model.channels)
        writeChannel(file, number, channel, withCalibration);
    return file.write(path);
}

QString loadStateFile(AnalyzerModel& model, const QString& path, const NetworkLoader& loadNetwork)
{
    const auto file = SectionFile::read(path, signature);
    if (!file)
        return "Not a state file: " + path;

    auto text = [&](const QString& key) { return file->value(stateSection, key).value_or(QString()); };
    const auto activeChannel = parseInteger(text("ActiveChannel"));
    const auto triggerSource = parseKeyword(text("TriggerSource"), triggerSourceKeywords());
    const auto output = parseBoolean(text("Output"));
    const auto impedances = parseNumberList(text("PortImpedances"));
    const auto channels = parsePortList(text("Channels"));
    auto isChannel = [](int number) { return number >= 1 && number <= AnalyzerModel::maxChannels; };
    if (!activeChannel || !isChannel(*activeChannel) || !triggerSource || !output || !impedances || !channels
        || !std::all_of(channels->begin(), channels->end(), isChannel))
        return "Damaged state file: " + path;

    AnalyzerModel loaded = model;
    loaded.activeChannel = *activeChannel;
    loaded.triggerSource = shortForm(triggerSourceKeywords().at(*triggerSource));
    loaded.outputEnabled = *output;
    for (std::size_t port = 0; port < loaded.portImpedances.size(); ++port)
        loaded.portImpedances[port] = port < impedances->size() ? (*impedances)[port] : 50.0;
    loaded.channels.clear();
    for (int number : *channels) {
        const auto channel = readChannel(*file, number, loadNetwork);
        if (!channel)
            return "Damaged state file: " + path;
        loaded.channels.emplace(number, *channel);
    }
    model = loaded;
    return {};
}

} // namespace Simulator

#include "measurement/measurers/SourceReader.h"

#include "analyzer/facade/SyncedVnaDevice.h"
#include "analyzer/files/TouchstoneIO.h"

#include <QDebug>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

// The fewest frequency points the engine's processes work with.
constexpr std::size_t minimumPoints = 3;

QString issueText(const TouchstoneReadIssue& issue, const QString& name, uint portCount)
{
    switch (issue.kind) {
    case TouchstoneReadIssue::NoPortCount:
        return SourceReader::tr("The file %1 is not a Touchstone file: its name does not end in .s1p to .s9p")
            .arg(name);
    case TouchstoneReadIssue::CannotOpen:
    case TouchstoneReadIssue::CannotRead:
        return SourceReader::tr("Cannot read the file %1").arg(name);
    case TouchstoneReadIssue::NotANumber:
        return SourceReader::tr("The file %1 is damaged: line %2: \"%3\" is not a number")
            .arg(name, QString::number(issue.line), issue.token);
    case TouchstoneReadIssue::TooManyValues:
        return SourceReader::tr("The file %1 is damaged: line %2: more values than a %3-port record holds")
            .arg(name, QString::number(issue.line), QString::number(portCount));
    case TouchstoneReadIssue::FrequencyStepsBack:
        return SourceReader::tr("The file %1 is damaged: line %2: the frequency does not rise")
            .arg(name, QString::number(issue.line));
    case TouchstoneReadIssue::IncompleteRecord:
        return SourceReader::tr("The file %1 is cut short: the record from line %2 is incomplete")
            .arg(name, QString::number(issue.line));
    case TouchstoneReadIssue::None:
        break;
    }
    return {};
}

} // namespace

SourceReader::SourceReader(SyncedVnaDevice* device, std::shared_ptr<const std::atomic<bool>> cancelled)
    : m_device(device)
    , m_cancelled(std::move(cancelled))
    , m_source(device)
{
}

SourceReader::SourceReader(QString filePath)
    : m_source(filePath)
    , m_filePath(std::move(filePath))
{
}

std::optional<uint> SourceReader::portCount() const
{
    if (!m_device)
        return TouchstoneIO::portCountFromSuffix(QFileInfo(m_filePath));
    const std::optional<int> count = m_device->portsCount();
    return count && *count > 0 ? std::optional<uint>(static_cast<uint>(*count)) : std::nullopt;
}

std::optional<QString> SourceReader::fileProblem(const std::vector<uint>& analyzerPorts)
{
    if (m_device)
        return std::nullopt;
    const QString name = QFileInfo(m_filePath).fileName();
    const TouchstoneData* data = file();
    const uint ports = portCount().value_or(0);
    if (!data || m_fileIssue.kind != TouchstoneReadIssue::None)
        return issueText(m_fileIssue, name, ports);
    const auto highest = std::max_element(analyzerPorts.begin(), analyzerPorts.end());
    if (highest != analyzerPorts.end() && *highest >= ports)
        return tr("The file %1 holds %2-port data, but the step measures analyzer port %3")
            .arg(name, QString::number(ports), QString::number(*highest + 1));
    if (data->records.size() < minimumPoints)
        return tr("The file %1 holds %2 frequency points; a measurement needs at least %3")
            .arg(name, QString::number(data->records.size()), QString::number(minimumPoints));
    if (!portImpedance(0))
        return tr("The file %1 names no usable reference impedance (R from 0.001 to 1000 ohm)").arg(name);
    return std::nullopt;
}

const TouchstoneData* SourceReader::file()
{
    if (!m_fileRead) {
        m_fileRead = true;
        m_file = TouchstoneIO().read(m_filePath, &m_fileIssue);
        qDebug() << "readFile" << m_file.has_value();
    }
    return m_file ? &*m_file : nullptr;
}

std::optional<std::vector<double>> SourceReader::frequencies()
{
    if (m_device)
        return m_source.frequencies();
    const TouchstoneData* data = file();
    if (!data)
        return std::nullopt;
    return frequenciesOf(*data);
}

std::optional<double> SourceReader::portImpedance(uint port)
{
    std::optional<double> impedance;
    if (m_device) {
        impedance = m_source.portImpedance(port);
    } else if (const TouchstoneData* data = file()) {
        impedance = data->R;
    }
    // The file reader gives 0 for an R it cannot use; no port is referenced to 0 ohm.
    if (impedance && !(std::isfinite(*impedance) && *impedance > 0.0))
        return std::nullopt;
    return impedance;
}

std::optional<std::vector<SourceReader::Values>> SourceReader::sParameters(const std::vector<PortPair>& pairs)
{
    if (m_device) {
        if (isCancelled())
            return std::nullopt;
        std::optional<std::vector<Values>> columns = m_source.sParameters(pairs);
        // A cancel during the sweep that the abort came too late for still ends the reading.
        return isCancelled() ? std::nullopt : columns;
    }
    const std::optional<uint> ports = portCount();
    for (const auto& [i, j] : pairs) {
        if (!ports || i >= *ports || j >= *ports)
            return std::nullopt;
    }
    const TouchstoneData* data = pairs.empty() ? nullptr : file();
    if (!data)
        return pairs.empty() ? std::optional<std::vector<Values>>(std::vector<Values>{}) : std::nullopt;
    std::vector<Values> columns(pairs.size());
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        const auto [i, j] = pairs[k];
        columns[k].reserve(data->records.size());
        for (const TouchstoneRecord& record : data->records) {
            const std::size_t index = i * record.N + j;
            if (i >= record.N || j >= record.N || index >= record.values.size())
                return std::nullopt;
            columns[k].push_back(record.values[index]);
        }
    }
    return columns;
}

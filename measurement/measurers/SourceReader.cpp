#include "measurement/measurers/SourceReader.h"

#include "analyzer/facade/SyncedVnaDevice.h"
#include "analyzer/files/TouchstoneIO.h"

#include <QDebug>
#include <QFileInfo>

#include <cmath>

SourceReader::SourceReader(SyncedVnaDevice* device)
    : m_device(device)
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

const TouchstoneData* SourceReader::file()
{
    if (!m_fileRead) {
        m_fileRead = true;
        m_file = TouchstoneIO().read(m_filePath);
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
    if (m_device)
        return m_source.sParameters(pairs);
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

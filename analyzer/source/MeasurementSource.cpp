#include "analyzer/source/MeasurementSource.h"

#include "analyzer/facade/SyncedVnaDevice.h"
#include "analyzer/files/TouchstoneIO.h"
#include "analyzer/threading/WaitForResult.h"

#include <QDebug>
#include <QFileInfo>

namespace {

std::optional<TouchstoneData> readFile(const QString& filePath)
{
    std::optional<TouchstoneData> data = TouchstoneIO().read(filePath);
    qDebug() << "readFile" << data.has_value();
    return data;
}

bool fileHasPorts(const QString& filePath, uint i, uint j)
{
    const std::optional<uint> count = TouchstoneIO::portCountFromSuffix(QFileInfo(filePath));
    return count && i < *count && j < *count;
}

std::optional<MeasurementSource::Values> column(const TouchstoneData& data, uint i, uint j)
{
    MeasurementSource::Values values;
    values.reserve(data.records.size());
    for (const TouchstoneRecord& record : data.records) {
        const std::size_t index = i * record.N + j;
        if (i >= record.N || j >= record.N || index >= record.values.size())
            return std::nullopt;
        values.push_back(record.values[index]);
    }
    return values;
}

// Reads the file again for one S-parameter; the file name must cover both ports.
std::optional<MeasurementSource::Values> readColumn(const QString& filePath, uint i, uint j, const char* sizeMessage)
{
    if (!fileHasPorts(filePath, i, j))
        return std::nullopt;
    const std::optional<TouchstoneData> data = readFile(filePath);
    if (!data)
        return std::nullopt;
    qDebug() << sizeMessage << data->records.size();
    return column(*data, i, j);
}

} // namespace

MeasurementSource::MeasurementSource(QString filePath)
    : m_source(std::move(filePath))
{
}

MeasurementSource::MeasurementSource(SyncedVnaDevice* device)
    : m_source(device)
{
}

std::optional<std::vector<double>> MeasurementSource::frequencies() const
{
    if (const QString* filePath = std::get_if<QString>(&m_source)) {
        const std::optional<TouchstoneData> data = readFile(*filePath);
        if (!data)
            return std::nullopt;
        return frequenciesOf(*data);
    }
    SyncedVnaDevice* device = std::get<SyncedVnaDevice*>(m_source);
    return waitForResult<std::optional<std::vector<double>>>(
        [device](auto callback) { device->readFrequencies(std::move(callback)); });
}

std::optional<double> MeasurementSource::portImpedance(uint port) const
{
    if (const QString* filePath = std::get_if<QString>(&m_source)) {
        const std::optional<TouchstoneData> data = readFile(*filePath);
        if (!data)
            return std::nullopt;
        return data->R;
    }
    return std::get<SyncedVnaDevice*>(m_source)->impedance(port);
}

std::optional<MeasurementSource::Values> MeasurementSource::sParameter(uint i, uint j) const
{
    if (const QString* filePath = std::get_if<QString>(&m_source))
        return readColumn(*filePath, i, j, "Sdata size");
    SyncedVnaDevice* device = std::get<SyncedVnaDevice*>(m_source);
    return waitForResult<std::optional<Values>>(
        [device, i, j](auto callback) { device->measureColumn(i, j, std::move(callback)); });
}

std::optional<std::vector<MeasurementSource::Values>>
MeasurementSource::sParameters(const std::vector<PortPair>& pairs) const
{
    if (pairs.empty())
        return std::vector<Values>{};
    if (const QString* filePath = std::get_if<QString>(&m_source)) {
        std::vector<Values> result;
        for (const auto& [i, j] : pairs) {
            std::optional<Values> values = readColumn(*filePath, i, j, "Sparams size");
            if (!values)
                return std::nullopt;
            result.push_back(std::move(*values));
        }
        return result;
    }
    SyncedVnaDevice* device = std::get<SyncedVnaDevice*>(m_source);
    return waitForResult<std::optional<std::vector<Values>>>(
        [device, &pairs](auto callback) { device->measure(pairs, std::move(callback)); });
}

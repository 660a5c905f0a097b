#include "measurement/measurers/SDataMeasurer.h"

#include "engine/sparameters/SParametersOnePort.h"
#include "measurement/measurers/SourceReader.h"

Algorithms::SParametersOnePort SDataMeasurer::oneport(std::size_t row) const
{
    std::lock_guard<std::mutex> lock(m_dataMutex);
    return oneportOf(m_data, row);
}

Algorithms::SParametersOnePort SDataMeasurer::oneportOf(const Data& data, std::size_t row)
{
    Algorithms::SParametersOnePort set;
    if (row < data.columns.size()) {
        set.setFrequencies(data.frequencies);
        set.setS11(data.columns[row]);
    }
    return set;
}

SDataMeasurer::Data SDataMeasurer::data() const
{
    std::lock_guard<std::mutex> lock(m_dataMutex);
    return m_data;
}

void SDataMeasurer::setStatus(BaseMeasurer::Status status)
{
    if (m_status.exchange(status) != status)
        emit statusChanged(status);
}

void SDataMeasurer::clear()
{
    {
        std::lock_guard<std::mutex> lock(m_dataMutex);
        m_data = {};
    }
    setStatus(BaseMeasurer::NotMeasured);
}

std::optional<SDataMeasurer::Data> SDataMeasurer::read(SourceReader& source, const FixtureRows& rows)
{
    std::vector<SourceReader::PortPair> pairs;
    for (const FixtureRow& row : rows)
        pairs.emplace_back(row.analyzerPort, row.analyzerPort);
    std::optional<std::vector<double>> frequencies = source.frequencies();
    if (!frequencies) {
        emit error(tr("Cannot read the frequency grid"));
        return std::nullopt;
    }
    std::optional<std::vector<Column>> columns = source.sParameters(pairs);
    if (!columns) {
        emit error(tr("Cannot read S-parameters data"));
        return std::nullopt;
    }
    return Data{std::move(*frequencies), std::move(*columns)};
}

void SDataMeasurer::adopt(Data data)
{
    {
        std::lock_guard<std::mutex> lock(m_dataMutex);
        m_data = std::move(data);
    }
    setStatus(BaseMeasurer::Measured);
}

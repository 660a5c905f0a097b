#pragma once

#include "measurement/measurers/BaseMeasurer.h"
#include "measurement/measurers/FixtureRows.h"

#include <QObject>

#include <atomic>
#include <complex>
#include <mutex>
#include <optional>
#include <vector>

class SourceReader;

namespace Algorithms {
class SParametersOnePort;
}

// The reflections of one standard at every port of a fixture, with the grid they
// were measured on (a later standard may come from another grid or file).
class SDataMeasurer : public QObject
{
    Q_OBJECT

public:
    using Column = std::vector<std::complex<double>>;

    struct Data
    {
        std::vector<double> frequencies;
        std::vector<Column> columns;
    };

    using QObject::QObject;

    BaseMeasurer::Status status() const { return static_cast<BaseMeasurer::Status>(m_status.load()); }
    // Row i's reflection on its own grid; an invalid set for a row not read.
    Algorithms::SParametersOnePort oneport(std::size_t row) const;
    static Algorithms::SParametersOnePort oneportOf(const Data& data, std::size_t row);
    // What was adopted last.
    Data data() const;

    // On the worker: the grid and the reflection S(p, p) of every row's analyzer port,
    // not yet the measurement: the caller adopts them once all it reads is there. A
    // failed reading emits its reason: the caller knows whether it failed or was cancelled.
    std::optional<Data> read(SourceReader& source, const FixtureRows& rows);
    // The data read become the measurement, status "measured".
    void adopt(Data data);
    // Data emptied, status "not measured".
    void clear();
    void setStatus(BaseMeasurer::Status status);

signals:
    void statusChanged(BaseMeasurer::Status st);
    void error(QString err);

private:
    std::atomic<int> m_status{BaseMeasurer::NotMeasured};
    mutable std::mutex m_dataMutex;
    Data m_data;
};

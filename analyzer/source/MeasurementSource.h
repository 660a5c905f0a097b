#pragma once

#include <QString>

#include <complex>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

class SyncedVnaDevice;

// Where a measurer reads its input: a Touchstone file or a fresh measurement
// on the analyzer, through the same calls. Ports are 0-based; S(i, j) is the
// wave received at port i when port j is driven. The analyzer calls block in a
// nested event loop until the device worker has carried them out, so they must
// not be made on the device worker itself.
class MeasurementSource
{
public:
    using PortPair = std::pair<uint, uint>;
    using Values = std::vector<std::complex<double>>;

    explicit MeasurementSource(QString filePath);
    explicit MeasurementSource(SyncedVnaDevice* device);

    // Hz.
    std::optional<std::vector<double>> frequencies() const;
    // Ohm: the file's reference impedance for every port, or the analyzer's cached value.
    std::optional<double> portImpedance(uint port) const;
    std::optional<Values> sParameter(uint i, uint j) const;
    // One vector per pair, in pair order; on the analyzer one sweep measures them all.
    std::optional<std::vector<Values>> sParameters(const std::vector<PortPair>& pairs) const;

private:
    std::variant<QString, SyncedVnaDevice*> m_source;
};

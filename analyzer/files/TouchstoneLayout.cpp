#include "analyzer/files/TouchstoneLayout.h"

#include "analyzer/files/TouchstoneData.h"

#include <cmath>

namespace TouchstoneLayout {

std::size_t matrixIndex(std::size_t k, int portCount, std::size_t N)
{
    if (portCount == 2 && N == 2)
        return (k % 2) * 2 + k / 2;
    return k;
}

double frequencyFactor(int unit)
{
    switch (unit) {
    case TouchstoneData::HZ:
        return 1.0;
    case TouchstoneData::KHZ:
        return 1e3;
    case TouchstoneData::MHZ:
        return 1e6;
    default:
        return 1e9;
    }
}

std::optional<double> parseFinite(const QString& token)
{
    bool ok = false;
    const double value = token.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace TouchstoneLayout

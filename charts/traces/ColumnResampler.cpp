#include "charts/traces/ColumnResampler.h"

#include "charts/traces/SaturatingFloat.h"

#include <algorithm>
#include <cmath>

namespace Orlix::Frontend {

void ColumnResampler::resample(const double* source, size_t count, size_t sourceStride, float* destination,
                               size_t slotCount, size_t destinationStride)
{
    if (count == 0 || slotCount == 0)
        return;
    if (count == 1) {
        // A single point has no neighbour to interpolate towards: every slot holds it.
        const float value = saturatingFloat(source[0]);
        for (size_t c = 0; c < slotCount; ++c)
            destination[c * destinationStride] = value;
    } else if (count <= slotCount) {
        interpolate(source, count, sourceStride, destination, slotCount, destinationStride);
    } else {
        envelope(source, count, sourceStride, destination, slotCount, destinationStride);
    }
}

void ColumnResampler::interpolate(const double* source, size_t count, size_t sourceStride, float* destination,
                                  size_t slotCount, size_t destinationStride)
{
    const double ratio = double(slotCount - 1) / double(count - 1);
    const size_t lastIndex = count - 1;
    for (size_t c = 0; c < slotCount; ++c) {
        const double position = double(c) / ratio;
        const bool isEnd = c == 0 || c == slotCount - 1;
        const size_t index = std::min(size_t(isEnd ? std::round(position) : std::floor(position)), lastIndex);
        const size_t next = c == slotCount - 1 ? index : std::min(index + 1, lastIndex);
        const double low = source[index * sourceStride];
        const double high = source[next * sourceStride];
        destination[c * destinationStride] = saturatingFloat(low + (high - low) * (position - double(index)));
    }
}

void ColumnResampler::envelope(const double* source, size_t count, size_t sourceStride, float* destination,
                               size_t slotCount, size_t destinationStride)
{
    const double ratio = double(slotCount) / double(count);
    const size_t lastColumn = slotCount / 2 - 1;
    auto columnOf = [&](size_t k) { return std::min(size_t(double(k) * ratio / 2.0), lastColumn); };

    size_t column = columnOf(0);
    double minimum = source[0];
    double maximum = source[0];
    size_t minimumAt = 0;
    size_t maximumAt = 0;
    float* first = destination + 2 * column * destinationStride;
    first[0] = first[destinationStride] = saturatingFloat(source[0]);

    auto writeColumn = [&] {
        float* columnSlots = destination + 2 * column * destinationStride;
        const bool minimumFirst = minimumAt <= maximumAt;
        columnSlots[0] = saturatingFloat(minimumFirst ? minimum : maximum);
        columnSlots[destinationStride] = saturatingFloat(minimumFirst ? maximum : minimum);
    };

    for (size_t k = 1; k < count; ++k) {
        const double value = source[k * sourceStride];
        const size_t nextColumn = columnOf(k);
        if (nextColumn != column) {
            writeColumn();
            column = nextColumn;
            minimum = maximum = value;
            minimumAt = maximumAt = k;
            continue;
        }
        if (value > maximum) {
            maximum = value;
            maximumAt = k;
        } else if (value < minimum) {
            minimum = value;
            minimumAt = k;
        }
    }
    writeColumn();
}

} // namespace Orlix::Frontend

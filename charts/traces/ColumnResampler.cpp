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
    // One past the last sample of `column`, found once per column rather than
    // per sample: estimated, then settled with columnOf itself, so that every
    // sample lands where the per-sample formula puts it. With more samples
    // than slots no column is empty.
    auto columnEnd = [&](size_t column) {
        if (column == lastColumn)
            return count;
        size_t k = std::min(size_t(double(column + 1) * 2.0 / ratio), count);
        while (k > 0 && columnOf(k - 1) > column)
            --k;
        while (k < count && columnOf(k) <= column)
            ++k;
        return k;
    };

    size_t begin = 0;
    for (size_t column = columnOf(0); begin < count; ++column) {
        const size_t end = columnEnd(column);
        double minimum = source[begin * sourceStride];
        double maximum = minimum;
        size_t minimumAt = begin;
        size_t maximumAt = begin;
        for (size_t k = begin + 1; k < end; ++k) {
            const double value = source[k * sourceStride];
            if (value > maximum) {
                maximum = value;
                maximumAt = k;
            }
            if (value < minimum) {
                minimum = value;
                minimumAt = k;
            }
        }
        float* columnSlots = destination + 2 * column * destinationStride;
        const bool minimumFirst = minimumAt <= maximumAt;
        columnSlots[0] = saturatingFloat(minimumFirst ? minimum : maximum);
        columnSlots[destinationStride] = saturatingFloat(minimumFirst ? maximum : minimum);
        begin = end;
    }
}

} // namespace Orlix::Frontend

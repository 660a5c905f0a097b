#include "charts/traces/ColumnResampler.h"

#include "charts/traces/SaturatingFloat.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace Orlix::Frontend {
namespace {

// The smallest and the largest value of one column of samples and where each
// was first reached.
struct Extremes
{
    Extremes() = default;
    Extremes(double first, size_t at) : minimum(first), maximum(first), minimumAt(at), maximumAt(at) {}

    void take(double value, size_t at)
    {
        if (value > maximum) {
            maximum = value;
            maximumAt = at;
        }
        if (value < minimum) {
            minimum = value;
            minimumAt = at;
        }
    }

    // The earlier extreme into the first slot, the minimum first on a tie.
    void write(float* first, size_t stride) const
    {
        const bool minimumFirst = minimumAt <= maximumAt;
        first[0] = saturatingFloat(minimumFirst ? minimum : maximum);
        first[stride] = saturatingFloat(minimumFirst ? maximum : minimum);
    }

    double minimum = 0.0;
    double maximum = 0.0;
    size_t minimumAt = 0;
    size_t maximumAt = 0;
};

} // namespace

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
        envelope<1>(source, count, sourceStride, destination, slotCount, destinationStride);
    }
}

void ColumnResampler::resamplePoints(const double* points, size_t count, float* slots, size_t slotCount)
{
    if (count <= slotCount) {
        resample(points, count, 2, slots, slotCount, 2);
        resample(points + 1, count, 2, slots + 1, slotCount, 2);
    } else if (slotCount != 0) {
        envelope<2>(points, count, 2, slots, slotCount, 2);
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

template <size_t Columns>
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
        std::array<Extremes, Columns> extremes;
        for (size_t j = 0; j < Columns; ++j)
            extremes[j] = Extremes(source[begin * sourceStride + j], begin);
        for (size_t k = begin + 1; k < end; ++k)
            for (size_t j = 0; j < Columns; ++j)
                extremes[j].take(source[k * sourceStride + j], k);
        for (size_t j = 0; j < Columns; ++j)
            extremes[j].write(destination + 2 * column * destinationStride + j, destinationStride);
        begin = end;
    }
}

} // namespace Orlix::Frontend

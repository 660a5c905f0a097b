#pragma once

#include <cstddef>

namespace Orlix::Frontend {

// Maps one column of a point list (every x, or every y) onto a fixed number of
// vertex slots. Short lists are interpolated linearly; long ones are reduced
// to a min/max envelope of two slots a column, so single-sample peaks of
// either sign survive.
class ColumnResampler
{
public:
    // Reads count doubles starting at source, sourceStride doubles apart, and
    // writes slotCount floats starting at destination, destinationStride
    // floats apart. slotCount is even; count is at least 1.
    static void resample(const double* source, size_t count, size_t sourceStride, float* destination,
                         size_t slotCount, size_t destinationStride);

    // Both columns of count interleaved (x, y) points into slotCount
    // interleaved (x, y) slots: the same as resampling each column alone, in
    // one pass over the points.
    static void resamplePoints(const double* points, size_t count, float* slots, size_t slotCount);

private:
    static void interpolate(const double* source, size_t count, size_t sourceStride, float* destination,
                            size_t slotCount, size_t destinationStride);
    // Columns interleaved columns at once, the source's column j at offset j
    // of each stride and likewise in the destination.
    template <size_t Columns>
    static void envelope(const double* source, size_t count, size_t sourceStride, float* destination,
                         size_t slotCount, size_t destinationStride);
};

} // namespace Orlix::Frontend

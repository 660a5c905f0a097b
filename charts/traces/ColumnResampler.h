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

private:
    static void interpolate(const double* source, size_t count, size_t sourceStride, float* destination,
                            size_t slotCount, size_t destinationStride);
    static void envelope(const double* source, size_t count, size_t sourceStride, float* destination,
                         size_t slotCount, size_t destinationStride);
};

} // namespace Orlix::Frontend

#pragma once

#include <optional>
#include <vector>

namespace Algorithms {

// Empty for an invalid grid or one of fewer than 3 points; otherwise true unless the
// grid is harmonic (|f[1] - 2 f[0]| <= 1 Hz and evenly spaced), which makes it a low-pass
// grid. A harmonic grid after a 0 Hz point (hasZeroFrequencyPoint) is a low-pass grid too.
std::optional<bool> isBandPassGrid(const std::vector<double>& f);

// Whether a grid of at least 3 points starts with a point at 0 Hz (within 1 Hz), as EM
// simulators write one in front of the harmonic grid: a low-pass grid whose 0 Hz value is
// known instead of estimated.
bool hasZeroFrequencyPoint(const std::vector<double>& f);

// Whether the points of a finite grid are evenly spaced in ascending order, as a linear
// sweep gives them; logarithmic and segmented sweeps are not.
bool isEvenlySpaced(const std::vector<double>& f);

// Whether a frequency-to-time transform of grid kind `kind` (0 low pass, otherwise band
// pass) is meaningful on f: the points must be evenly spaced, and a low-pass grid must
// also be harmonic (f_k = k * f_1, after a 0 Hz point or not) to be mirrored through 0 Hz. A grid from a logarithmic
// or segmented sweep is refused with a debug message instead of giving a wrong response.
bool isTransformableGrid(const std::vector<double>& f, int kind);

} // namespace Algorithms

#pragma once

#include "engine/transforms/GateDescription.h"

#include <complex>
#include <optional>
#include <vector>

namespace Algorithms {

class FourierBuffer;
class FourierPlans;

// A spectrum laid out for an inverse transform, with the window index of every point
// (so that a symmetric window centres on 0 Hz) and the time axis of the transform (s).
struct PreparedSpectrum
{
    std::vector<double> windowIndex;
    std::vector<std::complex<double>> spectrum;
    std::vector<double> times;
};

// kind 0 (low pass): the two-sided spectrum [dc, S_1 ... S_N, conj(S_N) ... conj(S_1)] of
// 2N + 1 points in transform order, dc being the real part of the grid's own 0 Hz point
// where it has one (hasZeroFrequencyPoint); any other kind: S as it stands. All three vectors are
// empty when |S| != |f|, the grid cannot be transformed (isTransformableGrid) or the time
// step is not finite.
PreparedSpectrum prepareSpectrum(const std::vector<double>& f, const std::vector<std::complex<double>>& S,
                                 std::complex<double> dc, int kind);

// The time axis of prepareSpectrum on the grid f of kind `kind`, alone; empty where that
// gives empty vectors.
std::vector<double> transformTimes(const std::vector<double>& f, int kind);

// The number of points of that axis and its natural step t[1] - t[0], without forming it,
// and whether all of its values are finite; empty where it would be empty. The transforms
// that put their samples on other times need no more of it.
struct NaturalTimeStep
{
    std::size_t points = 0;
    double step = 0.0;
    bool finite = false;
};
std::optional<NaturalTimeStep> naturalTimeStep(const std::vector<double>& f, int kind);

// The time-domain weighting of the gate (a rectangle of the gate's width at its centre,
// seen through a Kaiser-windowed band of the grid's spacing), one value per point of the
// transform grid in transform order: 2N + 1 points for kind 0 (N harmonic points, after a
// 0 Hz point or not), N otherwise. Empty when the grid cannot be transformed.
std::vector<double> kaiserWindowedTransform(const std::vector<double>& f, int kind, const GateDescription& gate);
std::vector<double> kaiserWindowedTransform(const std::vector<double>& f, int kind, const GateDescription& gate,
                                            FourierPlans& plans);

// The gate's spectrum that kaiserWindowedTransform transforms (a rectangle of the gate's width
// at its centre, under the Kaiser window of kaiserBetaX), one value per point of the transform
// grid in transform order, written to `spectrum`, which holds 2N + 1 values for kind 0 and N
// otherwise. Conjugate-symmetric for kind 0. The grid must pass isTransformableGrid and hold
// no 0 Hz point.
void fillGateSpectrum(const std::vector<double>& f, int kind, const GateDescription& gate, FourierBuffer& spectrum);

} // namespace Algorithms

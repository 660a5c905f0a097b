#include "engine/timedomain/StepResponse.h"

#include "engine/timedomain/LowPassSamples.h"
#include "engine/timedomain/TimeAxis.h"
#include "engine/transforms/ChirpZTransform.h"
#include "engine/transforms/ComplexArithmetic.h"
#include "engine/transforms/FourierTransform.h"
#include "engine/transforms/FrequencyGrid.h"
#include "engine/transforms/KaiserWindow.h"
#include "engine/transforms/SpectrumPreparation.h"

#include <QDebug>

#include <algorithm>
#include <cmath>
#include <utility>

namespace Algorithms {

namespace {

constexpr double pi = 3.14159265358979323846;

// What the transforms of the step response share. The integrated spectrum is conjugate-
// symmetric, so the transforms take only its upper half: 0 Hz, f_1 ... f_N.
struct StepResponseWork
{
    std::vector<std::complex<double>> integrated; // the upper half of the spectrum over j 2 pi k
    std::vector<double> windowed;                 // its Kaiser weights, 0 at 0 Hz
    std::vector<double> flat;                     // unit weights, 0 at 0 Hz
    double dc = 0.0;
    double naturalStep = 0.0;
    std::size_t points = 0;
};

// The level s(t) = Re(transform) + dc * u / L of the integrated spectrum at the given times.
std::vector<double> level(const StepResponseWork& work, const std::vector<double>& times,
                          const std::vector<double>& weights, FourierPlans& plans)
{
    const TimeContour contour = timeContour(times, work.naturalStep, work.points);
    std::vector<double> result = symmetricChirpZTransform(contour.a, contour.w, work.integrated.data(),
                                                          weights.data(), work.integrated.size(), plans);
    const double length = static_cast<double>(work.points);
    for (std::size_t k = 0; k < work.points; ++k)
        result[k] += work.dc * (times[k] / work.naturalStep) / length;
    return result;
}

// The mean of that level over the given times, from the sums over the transform in closed
// form: the reference level is needed as its mean only.
double meanLevel(const StepResponseWork& work, const std::vector<double>& times, const std::vector<double>& weights)
{
    const TimeContour contour = timeContour(times, work.naturalStep, work.points);
    const double length = static_cast<double>(work.points);
    double ramp = 0.0;
    for (double t : times)
        ramp += t / work.naturalStep;
    const double sum =
        symmetricChirpZSums(contour.a, contour.w, work.integrated.data(), weights.data(), work.integrated.size())
            .values;
    return (sum + work.dc * ramp / length) / length;
}

} // namespace

StepResponseResult computeStepResponse(const std::vector<std::complex<double>>& measured,
                                       const std::vector<double>& grid, double tStart, double tStop, double beta,
                                       double refStart, double refStop, double Z0)
{
    if (measured.size() != grid.size() || !isTransformableGrid(grid, 0))
        return {};
    // Without a reference window there is no level to subtract; a step response levelled on
    // a single instant would be shifted by whatever the response does there.
    if (!(refStart < refStop)) {
        qDebug() << "Step response refused: the reference window is empty";
        return {};
    }
    FourierPlans plans;
    const LowPassSamples samples(grid, measured, 0);
    const std::vector<std::complex<double>>& S = samples.values();
    const std::size_t n = S.size();
    StepResponseWork work;
    work.dc = samples.zeroFrequencyValue();
    // The natural time axis of the two-sided spectrum gives the time unit of the transforms.
    const std::optional<NaturalTimeStep> natural = naturalTimeStep(samples.frequencies(), 0);
    if (!natural || natural->points < 2)
        return {};
    work.points = natural->points;
    work.naturalStep = natural->step;

    StepResponseResult result;
    result.times = tStart < tStop ? spreadTimes(tStart, tStop, work.points) : transformTimes(samples.frequencies(), 0);

    work.integrated.resize(n + 1);
    work.integrated[0] = work.dc;
    for (std::size_t i = 0; i < n; ++i)
        work.integrated[1 + i] = divideByImaginary(S[i], 2.0 * pi * static_cast<double>(i + 1));

    // The Kaiser window over 0 Hz and the grid (the first N + 1 points of the transform
    // order), with the 0 Hz sample left out of the transform: the 0 Hz value enters only as
    // the ramp dc * u / L.
    work.windowed = kaiserHalfWindow(work.points, beta);
    work.windowed[0] = 0.0;
    work.flat.assign(n + 1, 1.0);
    work.flat[0] = 0.0;

    std::vector<double> response = level(work, result.times, work.windowed, plans);
    const double mean = meanLevel(work, spreadTimes(refStart, refStop, work.points), work.flat);

    // The level less its mean is the step response, in place.
    result.stepResponse = std::move(response);
    result.impedanceProfile.reserve(work.points);
    for (double& rho : result.stepResponse) {
        rho -= mean;
        result.impedanceProfile.push_back(Z0 * (rho + 1.0) / (1.0 - rho));
    }
    return result;
}

} // namespace Algorithms

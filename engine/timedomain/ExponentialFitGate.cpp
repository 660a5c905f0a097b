#include "engine/timedomain/ExponentialFitGate.h"

#include "engine/fits/FitModel.h"
#include "engine/fits/NormalEquations.h"
#include "engine/timedomain/LowPassSamples.h"
#include "engine/transforms/FrequencyGrid.h"
#include "engine/vectors/Ranges.h"

#include <Eigen/Dense>
#include <QDebug>

#include <algorithm>
#include <cmath>

namespace Algorithms {

namespace {

constexpr double pi = 3.14159265358979323846;

// Phase unwrapped by a running correction of 2 pi at every jump of more than pi.
void unwrapRunning(std::vector<double>& phase)
{
    double correction = 0.0;
    double previousRaw = phase.empty() ? 0.0 : phase[0];
    for (std::size_t i = 1; i < phase.size(); ++i) {
        const double raw = phase[i];
        const double jump = previousRaw - raw;
        if (jump > pi)
            correction += 2.0 * pi;
        else if (jump < -pi)
            correction -= 2.0 * pi;
        phase[i] = raw + correction;
        previousRaw = raw;
    }
}

// The least-squares projection of the values onto the model's columns.
class Projection
{
public:
    explicit Projection(const FitModelMatrix& model)
        : m_model(model)
        , m_lu(Eigen::MatrixXd(model.transpose() * model))
    {
    }

    bool isSingular() const { return isSingularNormalMatrix(m_lu); }

    Eigen::VectorXd operator()(const Eigen::VectorXd& values) const
    {
        return m_model * m_lu.solve(m_model.transpose() * values);
    }

private:
    const FitModelMatrix& m_model;
    Eigen::PartialPivLU<Eigen::MatrixXd> m_lu;
};

} // namespace

void gateByExponentialFit(const std::vector<double>& frequencies, const std::vector<std::complex<double>>& values,
                          int fitMode, int kind, double tSpan, std::vector<double>& magnitude,
                          std::vector<double>& phase)
{
    magnitude.clear();
    phase.clear();
    if ((fitMode != 0 && fitMode != 1) || values.size() != frequencies.size() || frequencies.size() < 2)
        return;
    if (kind == 0 && !isTransformableGrid(frequencies, 0))
        return;
    const LowPassSamples samples(frequencies, values, kind);
    const std::vector<double>& f = samples.frequencies();
    const std::vector<std::complex<double>>& S = samples.values();
    const std::size_t n = f.size();
    const auto [low, high] = std::minmax_element(f.begin(), f.end());
    const double nodeCount = std::max(4.0, std::floor(tSpan / (1.0 / (*high - *low + (f[1] - f[0])))));

    std::vector<double> grid;
    std::vector<double> magnitudes;
    std::vector<double> phases(n);
    for (std::size_t i = 0; i < n; ++i)
        phases[i] = std::atan2(S[i].imag(), S[i].real());
    unwrapRunning(phases);
    if (kind == 0) {
        // The 0 Hz point in front: magnitude |dc|, phase 0 or pi by its sign.
        const double dc = samples.zeroFrequencyValue();
        grid.push_back(0.0);
        magnitudes.push_back(std::abs(dc));
        phases.insert(phases.begin(), std::atan2(0.0, dc));
    }
    grid.insert(grid.end(), f.begin(), f.end());
    for (const auto& value : S)
        magnitudes.push_back(std::hypot(value.real(), value.imag()));

    const std::size_t points = grid.size();
    if (nodeCount > static_cast<double>(points)) {
        qDebug() << "Smoothing fit refused: more nodes than the grid can determine";
        return;
    }
    const double first = kind == 0 ? 0.0 : *low;
    std::vector<double> nodes;
    stepRange(first, *high, (*high - first) / (nodeCount - 1.0), nodes);
    FitModelMatrix B;
    buildAlternativeFitModel(grid, points, nodes, B);

    Eigen::VectorXd fittedMagnitude;
    Eigen::VectorXd fittedPhase;
    const Eigen::Map<const Eigen::VectorXd> a(magnitudes.data(), static_cast<Eigen::Index>(points));
    const Eigen::Map<const Eigen::VectorXd> psi(phases.data(), static_cast<Eigen::Index>(points));
    if (fitMode == 0) {
        const Projection project(B);
        if (project.isSingular()) {
            qDebug() << "Smoothing fit refused: more nodes than the grid can determine";
            return;
        }
        fittedMagnitude = project(a);
        fittedPhase = project(psi);
    } else {
        // The first basis function is 1 at the first point and all others are 0 there, so
        // pinning its coefficient to the first sample keeps that sample exactly.
        const FitModelMatrix rest = B.rightCols(B.cols() - 1);
        const Eigen::VectorXd firstColumn = Eigen::MatrixXd(B.leftCols(1)).col(0);
        const Projection project(rest);
        if (project.isSingular()) {
            qDebug() << "Smoothing fit refused: more nodes than the grid can determine";
            return;
        }
        const Eigen::VectorXd pinnedMagnitude = a[0] * firstColumn;
        const Eigen::VectorXd pinnedPhase = psi[0] * firstColumn;
        fittedMagnitude = pinnedMagnitude + project(a - pinnedMagnitude);
        fittedPhase = pinnedPhase + project(psi - pinnedPhase);
    }

    // The 0 Hz point is dropped again unless the caller's grid has one.
    const std::size_t skip = kind == 0 ? 1 - samples.leadingPoints() : 0;
    magnitude.assign(fittedMagnitude.data() + skip, fittedMagnitude.data() + points);
    phase.assign(fittedPhase.data() + skip, fittedPhase.data() + points);
}

} // namespace Algorithms

#include "engine/transforms/ChirpZTransform.h"

#include "engine/transforms/ComplexArithmetic.h"
#include "engine/transforms/FourierTransform.h"
#include "engine/transforms/RecentValueCache.h"

#include <algorithm>
#include <cmath>

namespace Algorithms {

namespace {

std::complex<double> exponential(double magnitude, double phase)
{
    return std::polar(std::exp(magnitude), phase);
}

// values[m] = w^(m^2 / 2) for m = 0 ... n-1, and their reciprocals; the kernel is symmetric
// in m, so each value serves both m and -m. Block by block, with m = m0 + r:
// w^(m^2/2) = w^(m0^2/2) * (w^m0)^r * w^(r^2/2). Only the block heads and the first block
// are evaluated by exp, sin and cos; the running power (w^m0)^r spans one block, so the
// rounding stays at a few ulps.
void fillChirp(std::complex<double> w, std::size_t n, std::complex<double>* values, std::complex<double>* reciprocals)
{
    constexpr std::size_t block = 32;
    const std::complex<double> logW = std::log(w);
    auto exact = [&](double exponent, double sign) {
        return exponential(sign * exponent * logW.real(), sign * exponent * logW.imag());
    };
    const std::size_t first = std::min(n, block);
    for (std::size_t r = 0; r < first; ++r) {
        const double exponent = 0.5 * static_cast<double>(r) * static_cast<double>(r);
        values[r] = exact(exponent, 1.0);
        reciprocals[r] = exact(exponent, -1.0);
    }
    for (std::size_t head = block; head < n; head += block) {
        const double m0 = static_cast<double>(head);
        const std::complex<double> base = exact(0.5 * m0 * m0, 1.0);
        const std::complex<double> baseReciprocal = exact(0.5 * m0 * m0, -1.0);
        const std::complex<double> step = exact(m0, 1.0);
        const std::complex<double> stepReciprocal = exact(m0, -1.0);
        std::complex<double> power = 1.0;
        std::complex<double> powerReciprocal = 1.0;
        const std::size_t end = std::min(n, head + block);
        for (std::size_t m = head; m < end; ++m) {
            const std::size_t r = m - head;
            values[m] = plainProduct(plainProduct(base, power), values[r]);
            reciprocals[m] = plainProduct(plainProduct(baseReciprocal, powerReciprocal), reciprocals[r]);
            power = plainProduct(power, step);
            powerReciprocal = plainProduct(powerReciprocal, stepReciprocal);
        }
    }
}

// What a transform takes from its length and w alone.
struct ChirpContour
{
    std::vector<std::complex<double>> chirp;  // w^(m^2 / 2), m = 0 ... N-1
    std::vector<std::complex<double>> kernel; // backward transform of 1/chirp over the lags -(N-1) ... N-1
    std::vector<std::complex<double>> shift;  // w^(-h k), k = 0 ... N-1, of shiftMode 0
    std::size_t bytes() const { return (chirp.size() + kernel.size() + shift.size()) * sizeof(std::complex<double>); }
};

struct ContourKey
{
    std::size_t points;
    std::complex<double> w;
    bool operator==(const ContourKey& other) const { return points == other.points && w == other.w; }
};

ChirpContour makeContour(std::complex<double> w, std::size_t n, std::size_t length, FourierPlans& plans)
{
    ChirpContour contour;
    contour.chirp.resize(n);
    // The kernel 1/chirp over lags -(N-1) ... N-1, the negative lags wrapped to the end.
    FourierBuffer v(length);
    fillChirp(w, n, contour.chirp.data(), v.data());
    for (std::size_t m = 1; m < n; ++m)
        v[length - m] = v[m];
    plans.transform(v, FourierDirection::Backward);
    contour.kernel.assign(v.data(), v.data() + length);
    contour.shift.resize(n);
    fillPowers(w, -static_cast<double>((n - 1) / 2), contour.shift.data(), n);
    return contour;
}

// A calculation evaluates the same contours again and again (the two reflections of a thru
// on one time window, every 0 Hz estimate on one grid, every run on the same data); their
// chirp and kernel transform cost as much as the transform itself.
std::shared_ptr<const ChirpContour> chirpContour(std::complex<double> w, std::size_t n, std::size_t length,
                                                 FourierPlans& plans)
{
    thread_local RecentValueCache<ContourKey, ChirpContour> cache(std::size_t(32) << 20);
    return cache.obtain({n, w}, [&] { return makeContour(w, n, length, plans); });
}

} // namespace

std::vector<std::complex<double>> chirpZTransform(std::complex<double> a, std::complex<double> w,
                                                  const std::vector<std::complex<double>>& x,
                                                  const std::vector<double>& weights, int shiftMode)
{
    FourierPlans plans;
    return chirpZTransform(a, w, x, weights, shiftMode, plans);
}

std::vector<std::complex<double>> chirpZTransform(std::complex<double> a, std::complex<double> w,
                                                  const std::vector<std::complex<double>>& x,
                                                  const std::vector<double>& weights, int shiftMode,
                                                  FourierPlans& plans)
{
    const std::size_t n = x.size();
    if (n == 0 || weights.size() < n)
        return {};
    // Any length >= 2N - 1 gives the same sum.
    const std::size_t length = smoothLengthAtLeast(2 * n - 1);
    const std::shared_ptr<const ChirpContour> contour = chirpContour(w, n, length, plans);
    const std::vector<std::complex<double>>& chirp = contour->chirp;

    // y[k] = weights[k] x[k] a^k chirp[k], the powers of a written in place first.
    FourierBuffer y(length);
    fillPowers(a, 1.0, y.data(), n);
    for (std::size_t k = 0; k < n; ++k)
        y[k] = weights[k] * plainProduct(plainProduct(x[k], y[k]), chirp[k]);

    // The circular convolution: the forward transform of the product is taken as the
    // conjugate of the backward transform of its conjugate, so that one plan serves both.
    plans.transform(y, FourierDirection::Backward);
    for (std::size_t k = 0; k < length; ++k)
        y[k] = std::conj(plainProduct(y[k], contour->kernel[k]));
    plans.transform(y, FourierDirection::Backward);

    // The transforms are unnormalised: the convolution carries the length once.
    const double scale = 1.0 / static_cast<double>(length);
    std::vector<std::complex<double>> result(n);
    for (std::size_t k = 0; k < n; ++k)
        result[k] = scale * plainProduct(std::conj(y[k]), chirp[k]);

    if (shiftMode == 0) {
        const std::complex<double> origin = complexPower(a, -static_cast<double>((n - 1) / 2));
        for (std::size_t k = 0; k < n; ++k)
            result[k] = plainProduct(result[k], plainProduct(origin, contour->shift[k]));
    }
    return result;
}

} // namespace Algorithms

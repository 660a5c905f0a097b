#include "engine/transforms/ChirpZTransform.h"

#include "engine/transforms/ComplexArithmetic.h"
#include "engine/transforms/FourierTransform.h"
#include "engine/transforms/RecentValueCache.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

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

// What a transform of `inputs` samples to `outputs` values (inputs <= outputs) takes from its
// sizes and w alone.
struct ChirpContour
{
    std::size_t length = 0;                   // of the convolution, >= inputs + outputs - 1
    std::vector<std::complex<double>> chirp;  // w^(m^2 / 2), m = 0 ... outputs-1
    std::vector<std::complex<double>> kernel; // backward transform of 1/chirp over the lags -(inputs-1) ... outputs-1
    std::vector<std::complex<double>> shift;  // square transforms: w^(-h k), k = 0 ... N-1, of shiftMode 0
    std::size_t bytes() const { return (chirp.size() + kernel.size() + shift.size()) * sizeof(std::complex<double>); }
};

struct ContourKey
{
    std::size_t inputs;
    std::size_t outputs;
    std::complex<double> w;
    bool operator==(const ContourKey& other) const
    {
        return inputs == other.inputs && outputs == other.outputs && w == other.w;
    }
};

ChirpContour makeContour(std::complex<double> w, std::size_t inputs, std::size_t outputs, FourierPlans& plans)
{
    ChirpContour contour;
    // Any length >= inputs + outputs - 1 gives the same sum.
    contour.length = smoothLengthAtLeast(inputs + outputs - 1);
    contour.chirp.resize(outputs);
    // The kernel 1/chirp over the lags, the negative ones wrapped to the end.
    FourierBuffer v(contour.length);
    fillChirp(w, outputs, contour.chirp.data(), v.data());
    for (std::size_t m = 1; m < inputs; ++m)
        v[contour.length - m] = v[m];
    plans.transform(v, FourierDirection::Backward);
    contour.kernel.assign(v.data(), v.data() + contour.length);
    if (inputs == outputs) {
        contour.shift.resize(outputs);
        fillPowers(w, -static_cast<double>((outputs - 1) / 2), contour.shift.data(), outputs);
    }
    return contour;
}

// A calculation evaluates the same contours again and again (the two reflections of a thru
// on one time window, every 0 Hz estimate on one grid, every run on the same data); their
// chirp and kernel transform cost as much as the transform itself.
std::shared_ptr<const ChirpContour> chirpContour(std::complex<double> w, std::size_t inputs, std::size_t outputs,
                                                 FourierPlans& plans)
{
    thread_local RecentValueCache<ContourKey, ChirpContour> cache(std::size_t(16) << 20);
    return cache.obtain({inputs, outputs, w}, [&] { return makeContour(w, inputs, outputs, plans); });
}

// Element k (k = 0 ... outputs-1) of the sum over n < inputs of x[n] * weights[n] * a^n * w^(nk)
// by Bluestein's method, left in y[k] of the work buffer y (contour.length values, of any
// contents).
void bluesteinSum(std::complex<double> a, const std::complex<double>* x, const double* weights, std::size_t inputs,
                  const ChirpContour& contour, FourierPlans& plans, FourierBuffer& y)
{
    const std::vector<std::complex<double>>& chirp = contour.chirp;
    const std::size_t outputs = chirp.size();

    // y[k] = weights[k] x[k] a^k chirp[k], the powers of a written in place first.
    fillPowers(a, 1.0, y.data(), inputs);
    for (std::size_t k = 0; k < inputs; ++k)
        y[k] = weights[k] * plainProduct(plainProduct(x[k], y[k]), chirp[k]);
    std::fill(y.data() + inputs, y.data() + contour.length, std::complex<double>(0.0));

    // The circular convolution: the forward transform of the product is taken as the
    // conjugate of the backward transform of its conjugate, so that one plan serves both.
    plans.transform(y, FourierDirection::Backward);
    for (std::size_t k = 0; k < contour.length; ++k)
        y[k] = std::conj(plainProduct(y[k], contour.kernel[k]));
    plans.transform(y, FourierDirection::Backward);

    // The transforms are unnormalised: the convolution carries the length once.
    const double scale = 1.0 / static_cast<double>(contour.length);
    for (std::size_t k = 0; k < outputs; ++k)
        y[k] = scale * plainProduct(std::conj(y[k]), chirp[k]);
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
    const std::shared_ptr<const ChirpContour> contour = chirpContour(w, n, n, plans);
    FourierBuffer y(contour->length, false);
    bluesteinSum(a, x.data(), weights.data(), n, *contour, plans, y);
    std::vector<std::complex<double>> result(y.data(), y.data() + n);
    if (shiftMode == 0) {
        const std::complex<double> origin = complexPower(a, -static_cast<double>((n - 1) / 2));
        for (std::size_t k = 0; k < n; ++k)
            result[k] = plainProduct(result[k], plainProduct(origin, contour->shift[k]));
    }
    return result;
}

std::vector<double> symmetricChirpZTransform(std::complex<double> a, std::complex<double> w,
                                             const std::vector<std::complex<double>>& x,
                                             const std::vector<double>& weights, FourierPlans& plans)
{
    const std::size_t points = x.size();
    if (points % 2 == 0 || weights.size() < points)
        return {};
    const std::size_t n = points / 2;
    return symmetricChirpZTransform(a, w, x.data() + n, weights.data() + n, n + 1, plans);
}

std::vector<double> symmetricChirpZTransform(std::complex<double> a, std::complex<double> w,
                                             const std::complex<double>* upper, const double* upperWeights,
                                             std::size_t halfCount, FourierPlans& plans)
{
    if (halfCount == 0)
        return {};
    // With c[m] = x[N + m] weights[N + m] and z = a w^k, the sum over m = -N ... N of c[m] z^m
    // is 2 Re of the sum over m = 0 ... N with c[0] halved: N + 1 inputs to 2N + 1 outputs.
    const std::size_t n = halfCount - 1;
    const std::size_t points = 2 * n + 1;
    std::vector<double> halfWeights(upperWeights, upperWeights + halfCount);
    halfWeights[0] *= 0.5;
    const std::shared_ptr<const ChirpContour> contour = chirpContour(w, n + 1, points, plans);
    FourierBuffer y(contour->length, false);
    bluesteinSum(a, upper, halfWeights.data(), n + 1, *contour, plans, y);
    std::vector<double> result(points);
    for (std::size_t k = 0; k < points; ++k)
        result[k] = 2.0 * y[k].real();
    return result;
}

ChirpZSums symmetricChirpZSums(std::complex<double> a, std::complex<double> w,
                               const std::vector<std::complex<double>>& x, const std::vector<double>& weights)
{
    const std::size_t points = x.size();
    if (points % 2 == 0 || weights.size() < points) {
        const double notANumber = std::numeric_limits<double>::quiet_NaN();
        return {notANumber, notANumber};
    }
    const std::size_t n = points / 2;
    return symmetricChirpZSums(a, w, x.data() + n, weights.data() + n, n + 1);
}

ChirpZSums symmetricChirpZSums(std::complex<double> a, std::complex<double> w, const std::complex<double>* upper,
                               const double* upperWeights, std::size_t halfCount)
{
    if (halfCount == 0)
        return {};
    const std::size_t n = halfCount - 1;
    const double count = static_cast<double>(2 * n + 1);
    const double centre = static_cast<double>(n);
    const double theta = std::arg(w);

    // Per m: c_m (a w^N)^m times R(m theta) = sin(M m theta / 2) / sin(m theta / 2) and its
    // derivative, the sums over k of (k - N) w^(m (k - N)) being -j R'.
    // The powers are formed block by block on the stack.
    constexpr std::size_t block = 256;
    std::array<std::complex<double>, block> rotation;
    std::array<std::complex<double>, block> half;
    std::array<std::complex<double>, block> whole;
    const PowerSeries rotationPowers(plainProduct(a, std::polar(1.0, centre * theta)), 1.0);
    const PowerSeries halfPowers(std::polar(1.0, 0.5 * theta), 1.0);
    const PowerSeries wholePowers(std::polar(1.0, 0.5 * count * theta), 1.0);

    const double middle = upper[0].real() * upperWeights[0];
    double values = count * middle;
    double centred = 0.0;
    for (std::size_t first = 0; first <= n; first += block) {
        const std::size_t length = std::min(block, n + 1 - first);
        rotationPowers.fill(rotation.data(), length, first);
        halfPowers.fill(half.data(), length, first);
        wholePowers.fill(whole.data(), length, first);
        for (std::size_t r = first == 0 ? 1 : 0; r < length; ++r) {
            const std::size_t m = first + r;
            const std::complex<double> c = upperWeights[m] * plainProduct(upper[m], rotation[r]);
            const double sinHalf = half[r].imag();
            const double cosHalf = half[r].real();
            const double sinWhole = whole[r].imag();
            const double cosWhole = whole[r].real();
            double kernel = count;
            double slope = 0.0;
            if (sinHalf != 0.0) {
                kernel = sinWhole / sinHalf;
                slope = (0.5 * count * cosWhole * sinHalf - 0.5 * sinWhole * cosHalf) / (sinHalf * sinHalf);
            }
            // 2 Re(c R) and 2 Re(c (-j R')) = 2 Im(c) R'.
            values += 2.0 * c.real() * kernel;
            centred += 2.0 * c.imag() * slope;
        }
    }
    return {values, centre * values + centred};
}

} // namespace Algorithms

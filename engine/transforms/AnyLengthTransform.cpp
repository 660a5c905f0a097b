#include "engine/transforms/AnyLengthTransform.h"

#include "engine/transforms/ComplexArithmetic.h"
#include "engine/transforms/FourierTransform.h"
#include "engine/transforms/RecentValueCache.h"

#include <cmath>
#include <complex>
#include <cstdint>
#include <vector>

namespace Algorithms {

namespace {

constexpr double pi = 3.14159265358979323846;

// Prime factors up to this size have FFTW codelets of their own.
constexpr std::size_t largestFastPrime = 13;

// The backward transform of length M as a convolution: with c[m] = e^(j pi m^2 / M),
// X[k] = c[k] * sum_n (x[n] c[n]) conj(c[k - n]), because nk = (n^2 + k^2 - (k - n)^2) / 2.
struct BluesteinKernel
{
    std::vector<std::complex<double>> chirp;     // c[m], m = 0 ... M-1
    std::vector<std::complex<double>> transform; // backward transform of conj(c) over lags -(M-1) ... M-1
    std::size_t bytes() const { return (chirp.size() + transform.size()) * sizeof(std::complex<double>); }
};

BluesteinKernel makeKernel(std::size_t points, std::size_t length, FourierPlans& plans)
{
    BluesteinKernel kernel;
    kernel.chirp.resize(points);
    // m^2 is reduced modulo 2M in integers first: the phase then stays below 2 pi and is as
    // exact as the one FFTW uses, whatever the length.
    const auto period = static_cast<std::uint64_t>(2 * points);
    for (std::size_t m = 0; m < points; ++m) {
        const std::uint64_t square = (static_cast<std::uint64_t>(m) * m) % period;
        kernel.chirp[m] = std::polar(1.0, pi * static_cast<double>(square) / static_cast<double>(points));
    }
    FourierBuffer lags(length);
    lags[0] = 1.0;
    for (std::size_t m = 1; m < points; ++m) {
        lags[m] = std::conj(kernel.chirp[m]);
        lags[length - m] = lags[m];
    }
    plans.transform(lags, FourierDirection::Backward);
    kernel.transform.assign(lags.data(), lags.data() + length);
    return kernel;
}

std::shared_ptr<const BluesteinKernel> bluesteinKernel(std::size_t points, std::size_t length, FourierPlans& plans)
{
    thread_local RecentValueCache<std::size_t, BluesteinKernel> cache(std::size_t(16) << 20);
    return cache.obtain(points, [&] { return makeKernel(points, length, plans); });
}

// The backward transform by Bluestein's method.
void bluesteinBackward(FourierBuffer& buffer, FourierPlans& plans)
{
    const std::size_t points = buffer.size();
    const std::size_t length = smoothLengthAtLeast(2 * points - 1);
    const std::shared_ptr<const BluesteinKernel> kernel = bluesteinKernel(points, length, plans);

    FourierBuffer y(length);
    for (std::size_t n = 0; n < points; ++n)
        y[n] = plainProduct(buffer[n], kernel->chirp[n]);
    // The convolution with backward transforms only: conj(B(conj(Y K))) is the forward
    // transform of Y K, which is length times the circular convolution.
    plans.transform(y, FourierDirection::Backward);
    for (std::size_t k = 0; k < length; ++k)
        y[k] = std::conj(plainProduct(y[k], kernel->transform[k]));
    plans.transform(y, FourierDirection::Backward);
    const double scale = 1.0 / static_cast<double>(length);
    for (std::size_t k = 0; k < points; ++k)
        buffer[k] = scale * plainProduct(std::conj(y[k]), kernel->chirp[k]);
}

} // namespace

void transformAnyLength(FourierBuffer& buffer, FourierDirection direction, FourierPlans& plans)
{
    if (largestPrimeFactor(buffer.size()) <= largestFastPrime) {
        plans.transform(buffer, direction);
        return;
    }
    // The forward transform is the conjugate of the backward transform of the conjugate.
    const bool forward = direction == FourierDirection::Forward;
    if (forward) {
        for (std::size_t k = 0; k < buffer.size(); ++k)
            buffer[k] = std::conj(buffer[k]);
    }
    bluesteinBackward(buffer, plans);
    if (forward) {
        for (std::size_t k = 0; k < buffer.size(); ++k)
            buffer[k] = std::conj(buffer[k]);
    }
}

} // namespace Algorithms

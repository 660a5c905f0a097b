#pragma once

#include <complex>
#include <cstddef>
#include <map>
#include <memory>
#include <utility>

struct fftw_plan_s;

namespace Algorithms {

// Exponent sign of an unnormalised FFTW transform: Forward is -1, Backward is +1.
enum class FourierDirection { Forward = -1, Backward = +1 };

// The shortest length >= target made of the factors 2, 3, 5 and 7, which FFTW transforms
// fastest; a power of two can be almost twice as long (and, past the cache sizes, more than
// twice as slow).
std::size_t smoothLengthAtLeast(std::size_t target);

// The largest prime factor of n (1 for n <= 1).
std::size_t largestPrimeFactor(std::size_t n);

// A complex work buffer allocated by FFTW, so that every buffer has the alignment its SIMD
// code paths expect and a plan made on one can run on another; zero-filled unless asked not
// to be (for a buffer that is written whole before it is read).
class FourierBuffer
{
public:
    explicit FourierBuffer(std::size_t size, bool zeroFilled = true);
    ~FourierBuffer();
    FourierBuffer(const FourierBuffer&) = delete;
    FourierBuffer& operator=(const FourierBuffer&) = delete;

    std::size_t size() const { return m_size; }
    std::complex<double>* data() { return m_data; }
    const std::complex<double>* data() const { return m_data; }
    std::complex<double>& operator[](std::size_t k) { return m_data[k]; }
    const std::complex<double>& operator[](std::size_t k) const { return m_data[k]; }
    // Exchanges the contents of two buffers of one size.
    void swap(FourierBuffer& other);

private:
    std::complex<double>* m_data;
    std::size_t m_size;
};

// One out-of-place FFTW plan (FFTW_ESTIMATE) for buffers of one length: FFTW's in-place
// plans of the long composite lengths used here run through a work buffer it allocates on
// every execution. FFTW's planner is not thread-safe, so making and destroying plans is
// serialised; executing is not.
class FourierPlan
{
public:
    FourierPlan(FourierBuffer& input, FourierBuffer& output, FourierDirection direction);
    ~FourierPlan();
    FourierPlan(const FourierPlan&) = delete;
    FourierPlan& operator=(const FourierPlan&) = delete;

    // Transforms any input buffer of the planned length into an output buffer of that
    // length; the input may be overwritten.
    void execute(FourierBuffer& input, FourierBuffer& output) const;

private:
    fftw_plan_s* m_plan;
    std::size_t m_size;
};

// The plans of one calculation. Plans are kept process-wide per length and direction for
// the lengths used recently, so that a calculation on a known grid makes none (making one
// sets up FFTW's twiddle tables, which costs as much as several transforms); a calculation
// holds on to the plans it has used, so dropping one from the store never ends it mid-way.
class FourierPlans
{
public:
    // The transform of the buffer in place of its contents.
    void transform(FourierBuffer& buffer, FourierDirection direction);

private:
    std::map<std::pair<std::size_t, int>, std::shared_ptr<const FourierPlan>> m_plans;
};

} // namespace Algorithms

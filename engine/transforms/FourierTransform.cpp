#include "engine/transforms/FourierTransform.h"

#include <fftw3.h>

#include <algorithm>
#include <iterator>
#include <list>
#include <map>
#include <mutex>
#include <new>

namespace Algorithms {

namespace {

std::mutex& plannerMutex()
{
    static std::mutex mutex;
    return mutex;
}

fftw_complex* asFftw(std::complex<double>* data)
{
    return reinterpret_cast<fftw_complex*>(data);
}

// Work buffers released by a calculation stay with its thread for the next one: freshly
// mapped pages cost more than a transform's arithmetic (every page faults in on first use).
class BufferPool
{
public:
    ~BufferPool()
    {
        for (const auto& [size, data] : m_free)
            fftw_free(data);
    }

    fftw_complex* take(std::size_t size)
    {
        const auto found = m_free.find(size);
        if (found == m_free.end())
            return fftw_alloc_complex(size);
        fftw_complex* data = found->second;
        m_bytes -= bytes(size);
        m_free.erase(found);
        return data;
    }

    void give(fftw_complex* data, std::size_t size)
    {
        m_free.emplace(size, data);
        m_bytes += bytes(size);
        // Keep the largest buffers, which are the expensive ones to map again.
        while (m_bytes > maximumBytes || m_free.size() > maximumBuffers) {
            const auto smallest = m_free.begin();
            m_bytes -= bytes(smallest->first);
            fftw_free(smallest->second);
            m_free.erase(smallest);
        }
    }

private:
    static constexpr std::size_t maximumBytes = std::size_t(64) << 20;
    static constexpr std::size_t maximumBuffers = 16;

    static std::size_t bytes(std::size_t size) { return size * sizeof(fftw_complex); }

    std::multimap<std::size_t, fftw_complex*> m_free;
    std::size_t m_bytes = 0;
};

BufferPool& bufferPool()
{
    thread_local BufferPool pool;
    return pool;
}

// The plans of the lengths used most recently, shared by all threads: FFTW executes one
// plan on several arrays at once (all FourierBuffers share fftw_malloc's alignment).
class PlanStore
{
public:
    PlanStore() { plannerMutex(); } // made first, so it outlives the plans destroyed here

    std::shared_ptr<const FourierPlan> obtain(std::size_t size, FourierDirection direction)
    {
        const Key key{size, static_cast<int>(direction)};
        std::list<Entry> dropped;
        std::shared_ptr<const FourierPlan> plan;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            for (auto entry = m_entries.begin(); entry != m_entries.end(); ++entry) {
                if (entry->first == key) {
                    m_entries.splice(m_entries.begin(), m_entries, entry);
                    return entry->second;
                }
            }
            FourierBuffer input(size, false);
            FourierBuffer output(size, false);
            plan = std::make_shared<const FourierPlan>(input, output, direction);
            m_entries.emplace_front(key, plan);
            while (m_entries.size() > maximumPlans)
                dropped.splice(dropped.begin(), m_entries, std::prev(m_entries.end()));
        }
        // Plans no calculation holds any more are destroyed here, outside the lock.
        return plan;
    }

private:
    using Key = std::pair<std::size_t, int>;
    using Entry = std::pair<Key, std::shared_ptr<const FourierPlan>>;
    static constexpr std::size_t maximumPlans = 32;

    std::mutex m_mutex;
    std::list<Entry> m_entries;
};

PlanStore& planStore()
{
    static PlanStore store;
    return store;
}

} // namespace

std::size_t smoothLengthAtLeast(std::size_t target)
{
    std::size_t best = 1;
    while (best < target)
        best <<= 1;
    for (std::size_t p7 = 1; p7 < best; p7 *= 7)
        for (std::size_t p5 = p7; p5 < best; p5 *= 5)
            for (std::size_t p3 = p5; p3 < best; p3 *= 3) {
                std::size_t length = p3;
                while (length < target)
                    length <<= 1;
                best = std::min(best, length);
            }
    return best;
}

std::size_t largestPrimeFactor(std::size_t n)
{
    std::size_t largest = 1;
    for (std::size_t p = 2; p * p <= n; ++p) {
        while (n % p == 0) {
            largest = p;
            n /= p;
        }
    }
    return n > 1 ? n : largest;
}

FourierBuffer::FourierBuffer(std::size_t size, bool zeroFilled)
    : m_data(reinterpret_cast<std::complex<double>*>(bufferPool().take(size == 0 ? 1 : size)))
    , m_size(size)
{
    if (!m_data)
        throw std::bad_alloc();
    if (zeroFilled)
        std::fill(m_data, m_data + m_size, std::complex<double>(0.0));
}

void FourierBuffer::swap(FourierBuffer& other)
{
    std::swap(m_data, other.m_data);
    std::swap(m_size, other.m_size);
}

FourierBuffer::~FourierBuffer()
{
    bufferPool().give(reinterpret_cast<fftw_complex*>(m_data), m_size == 0 ? 1 : m_size);
}

FourierPlan::FourierPlan(FourierBuffer& input, FourierBuffer& output, FourierDirection direction)
    : m_size(input.size())
{
    std::lock_guard<std::mutex> lock(plannerMutex());
    m_plan = fftw_plan_dft_1d(static_cast<int>(m_size), asFftw(input.data()), asFftw(output.data()),
                              static_cast<int>(direction), FFTW_ESTIMATE);
}

FourierPlan::~FourierPlan()
{
    if (!m_plan)
        return;
    std::lock_guard<std::mutex> lock(plannerMutex());
    fftw_destroy_plan(m_plan);
}

void FourierPlan::execute(FourierBuffer& input, FourierBuffer& output) const
{
    if (m_plan && input.size() == m_size && output.size() == m_size && input.data() != output.data())
        fftw_execute_dft(m_plan, asFftw(input.data()), asFftw(output.data()));
}

void FourierPlans::transform(FourierBuffer& buffer, FourierDirection direction)
{
    auto& plan = m_plans[{buffer.size(), static_cast<int>(direction)}];
    if (!plan)
        plan = planStore().obtain(buffer.size(), direction);
    FourierBuffer result(buffer.size(), false);
    plan->execute(buffer, result);
    buffer.swap(result);
}

} // namespace Algorithms

#include "engine/vectors/VectorBuilding.h"

#include <algorithm>

namespace Algorithms {

std::vector<std::vector<double>> splitComplex(const std::vector<std::complex<double>>& v)
{
    std::vector<std::vector<double>> parts(2);
    parts[0].reserve(v.size());
    parts[1].reserve(v.size());
    for (const auto& z : v) {
        parts[0].push_back(z.real());
        parts[1].push_back(z.imag());
    }
    return parts;
}

std::vector<std::complex<double>> makeComplex(const std::vector<double>& re, const std::vector<double>& im)
{
    const std::size_t n = std::min(re.size(), im.size());
    std::vector<std::complex<double>> result(n);
    for (std::size_t k = 0; k < n; ++k)
        result[k] = {re[k], im[k]};
    return result;
}

std::vector<std::complex<double>> concatenateComplexValue(const std::vector<std::complex<double>>& a,
                                                          std::complex<double> z,
                                                          const std::vector<std::complex<double>>& b)
{
    std::vector<std::complex<double>> result;
    result.reserve(a.size() + 1 + b.size());
    result.insert(result.end(), a.begin(), a.end());
    result.push_back(z);
    result.insert(result.end(), b.begin(), b.end());
    return result;
}

namespace {

template <typename T>
std::vector<T> select(const std::vector<T>& v, const std::vector<int>& idx)
{
    std::vector<T> result;
    result.reserve(idx.size());
    for (int i : idx) {
        // Out-of-range indices are a caller's fault; give a neutral value instead of reading outside.
        if (i >= 1 && static_cast<std::size_t>(i) <= v.size())
            result.push_back(v[static_cast<std::size_t>(i - 1)]);
        else
            result.push_back(T{});
    }
    return result;
}

} // namespace

std::vector<double> selectByIndex(const std::vector<double>& v, const std::vector<int>& idx)
{
    return select(v, idx);
}

std::vector<std::complex<double>> selectByIndexComplex(const std::vector<std::complex<double>>& v,
                                                       const std::vector<int>& idx)
{
    return select(v, idx);
}

} // namespace Algorithms

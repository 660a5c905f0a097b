#include "engine/processes/filtering/Concatenation.h"

namespace Algorithms {

std::vector<std::complex<double>> concatenateComplex(const std::vector<std::complex<double>>& a, double value,
                                                     const std::vector<std::complex<double>>& b)
{
    std::vector<std::complex<double>> result;
    result.reserve(a.size() + 1 + b.size());
    result.insert(result.end(), a.begin(), a.end());
    result.emplace_back(value, 0.0);
    result.insert(result.end(), b.begin(), b.end());
    return result;
}

std::vector<double> concatenate(const std::vector<double>& a, int n, const std::vector<double>& b)
{
    std::vector<double> result;
    result.reserve(a.size() + 1 + b.size());
    result.insert(result.end(), a.begin(), a.end());
    result.push_back(static_cast<double>(n));
    result.insert(result.end(), b.begin(), b.end());
    return result;
}

} // namespace Algorithms

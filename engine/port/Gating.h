#pragma once

#include <complex>
#include <vector>

namespace Algorithms {

// A reflection's time-domain response over the gate.
struct Gating
{
    std::vector<std::complex<double>> values;
    std::vector<double> times; // s
    double value = 0.0;        // the response's magnitude at the junction

    // Finite, equally long, non-empty vectors (no minimum count); logs when not.
    bool isValid() const;
};

} // namespace Algorithms

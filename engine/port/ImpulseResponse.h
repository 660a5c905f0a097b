#pragma once

#include <complex>
#include <vector>

namespace Algorithms {

// Time-domain response of a fixture standard around its peak.
struct ImpulseResponse
{
    std::vector<std::complex<double>> values;
    std::vector<double> times;  // s, one per value
    double delay = 0.0;         // s, peak time of the fine pass; the delay that offsets scale
    double coarseDelay = 0.0;   // s, peak time of the coarse pass
    bool resolved = false;      // the rise time fits into the delay (pulse mode 0 only)
    bool doublePass = false;    // the delay spans a half twice (2x-thru, or a reflection there and back)

    // Finite, equally long vectors of at least 3 points and finite delays; logs when not.
    bool isValid() const;
};

} // namespace Algorithms

#pragma once

namespace Algorithms {

// The reference impedance a fixture half's S-parameters are converted to.
enum class Z0ConversionType {
    System = 0,  // the analyzer port's impedance
    Fixture = 1, // the fixture impedance read from the step response
    User = 2,    // a user-entered impedance
    None = 3     // no conversion
};

} // namespace Algorithms

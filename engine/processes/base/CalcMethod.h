#pragma once

namespace Algorithms {

// The engine's numbering of the correction methods.
enum class CalcMethod {
    TimeGating = 0,
    Filtering = 1,
    Bisect = 2
};

} // namespace Algorithms

#pragma once

#include <vector>

namespace Algorithms {

// Ranges in the manner of a colon operator; the last element is always exactly b.
// An empty result when b < a or the step is not positive.
std::vector<int> colonRangeInt(int a, int b, int step);
std::vector<double> colonRange(double a, double b, double step);

// Fills out with a, a + step, ... (repeated addition, never beyond b) and ends it with b.
void stepRange(double a, double b, double step, std::vector<double>& out);

} // namespace Algorithms

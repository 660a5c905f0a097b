#pragma once

#include "analyzer/files/TouchstoneData.h"
#include "engine/sparameters/SParametersOnePortVNA.h"
#include "engine/sparameters/SParametersTwoPortVNA.h"

#include <optional>
#include <vector>

// A two-port set as a Touchstone file's data (RI, Hz, 2 ports) at reference impedance R.
TouchstoneData twoPortTouchstone(const Algorithms::SParametersTwoPort& set, double R);

// Raw data on analyzer port indices: file port i is analyzer port i, and entries of
// ports that no set used stay 0. No value unless every set is valid, carries its
// port indices, has the first set's points on the first set's grid, and (two-port)
// joins two different ports. A later set overwrites an earlier one's entries.
std::optional<std::vector<TouchstoneRecord>> twoPortRawData(const std::vector<Algorithms::SParametersTwoPortVNA>& sets);
std::optional<std::vector<TouchstoneRecord>> onePortRawData(const std::vector<Algorithms::SParametersOnePortVNA>& sets);

#pragma once

#include "simulator/model/AnalyzerModel.h"
#include "simulator/world/World.h"

#include <Eigen/Core>

#include <complex>
#include <optional>
#include <vector>

namespace Simulator {

// What a channel measures on its grid: the world's S-matrix of all ports,
// referred to the port impedances, with the fixture simulator's de-embedding
// removed where the channel has it switched on (simulator, channel switch and
// the port's own switch, with a file loaded).
std::vector<Eigen::MatrixXcd> measureChannel(const AnalyzerModel& model, int channelNumber, const World& world);

// The values of one trace: an S-parameter, or an absolute receiver as a wave
// amplitude in sqrt(W) for the channel's source power (zero with the output off).
// No value when the trace names a port the measurement does not have.
std::optional<std::vector<std::complex<double>>> traceValues(const std::vector<Eigen::MatrixXcd>& measured,
                                                             const TraceDefinition& trace, double powerDbm,
                                                             bool outputEnabled);

} // namespace Simulator

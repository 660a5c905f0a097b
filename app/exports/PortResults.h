#pragma once

#include "engine/port/Gating.h"
#include "engine/port/ImpulseResponse.h"
#include "engine/port/StepResponse.h"
#include "engine/sparameters/SParametersTwoPort.h"
#include "measurement/fixtures/VNAFixtureConnection.h"

#include <optional>
#include <vector>

class WorkerThread;

// What the exports read from one fixture port. The engine writes the port on the
// backend worker, so the copy is taken there, between two work items, and never
// sees a calculation half done.
struct PortResult
{
    uint analyzerPort = 0;
    std::optional<Algorithms::SParametersTwoPort> sParameters;
    std::optional<double> z0;
    bool mirrored = false;
    std::optional<Algorithms::ImpulseResponse> impulseResponse;
    std::optional<Algorithms::ReflectData::StepResponse> stepResponse;
    std::optional<Algorithms::Gating> gating;
};

// One result per port, in row order; no value when the worker dropped the read
// (stopped or cleared meanwhile). Waits in a nested event loop.
std::optional<std::vector<PortResult>> readPortResults(WorkerThread* worker,
                                                       const VNAFixtureConnection::MeasuredPorts& ports);

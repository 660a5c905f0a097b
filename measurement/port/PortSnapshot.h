#pragma once

#include "engine/port/FixturePort.h"

#include <optional>

// What the chart-ready port serves, copied from the engine port on the thread that
// wrote it. The records travel only with the signal that announced them.
struct PortScalars
{
    bool isMeasured = false;
    bool isLowPass = false;
    // Kind of the current set; 0 when there is none.
    int kind = 0;
    std::optional<double> length;
    std::optional<double> lengthWithoutOffset;
    std::optional<double> impRespLength;
    std::optional<double> impedance;
    std::optional<double> impedanceReferenceLength;
    std::optional<double> z0Transform;
    std::optional<double> gatingValue;
};

struct PortSnapshot
{
    enum Section {
        SParameters = 1 << 0,
        Impulse = 1 << 1,
        Gating = 1 << 2,
        Step = 1 << 3,
        Length = 1 << 4,
        Transform = 1 << 5
    };

    PortScalars scalars;
    std::optional<Algorithms::SParametersTwoPort> sParameters;
    std::optional<Algorithms::ImpulseResponse> impulse;
    std::optional<Algorithms::Gating> gating;
    std::optional<Algorithms::ReflectData::StepResponse> step;
    int sections = 0;
};

// Call on the thread that writes the port. A port without a current set has no
// length and no kind, whatever the previous run left in those fields.
PortScalars readScalars(const Algorithms::FixturePort& port);

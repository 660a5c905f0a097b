#pragma once

#include "engine/port/ImpulseResponse.h"
#include "engine/port/StepResponse.h"

// Small valid records for filling a port by hand.
inline Algorithms::ImpulseResponse impulseRecord(double delay, bool doublePass)
{
    Algorithms::ImpulseResponse r;
    r.values = {{0.1, 0.0}, {1.0, 0.0}, {0.1, 0.0}};
    r.times = {delay - 1e-12, delay, delay + 1e-12};
    r.delay = delay;
    r.coarseDelay = delay;
    r.doublePass = doublePass;
    return r;
}

// A step response that read `impedance` ohm at 100 ps.
inline Algorithms::ReflectData::StepResponse stepRecord(double impedance)
{
    return {{50.0, impedance, impedance}, {0.0, 1e-10, 2e-10}, 1e-10, impedance};
}

#pragma once

namespace Algorithms {

// A time gate as the processes describe it; times in seconds.
struct GateDescription
{
    double timeStart = 0.0;   // start of the time window
    double timeStop = 0.0;    // stop of the time window
    double kaiserBeta = 0.0;  // window parameter of the time-domain views
    double kaiserBetaX = 0.0; // window parameter of the gate's frequency kernel
    double center = 0.0;      // gate centre
    double halfWidth = 0.0;   // half the gate width
    double inversion = 0.0;   // non-zero for an inverted (notch) gate
};

} // namespace Algorithms

#pragma once

namespace Orlix::Frontend {

// Sine and cosine from a 256-entry table over one turn, interpolated linearly
// between entries: ample for placing grid arcs to the pixel.
double tableSin(double angle);
double tableCos(double angle);

} // namespace Orlix::Frontend

#pragma once

namespace Algorithms {

class FourierBuffer;
class FourierPlans;
enum class FourierDirection;

// The unnormalised discrete Fourier transform of the whole buffer, in place, of its own
// length M. FFTW is fast on lengths made of small primes but several times slower on a length
// with a large prime factor, which the time-domain grids produce all the time (2N + 1 points
// of a 10,001-point sweep are 83 x 241; 1,601 and 2,003 are prime). Such a length is
// evaluated by Bluestein's method: the same M-point transform, written as a convolution
// that runs over a smooth length >= 2M - 1. Its chirp and kernel transform are kept per
// thread for the lengths used recently.
void transformAnyLength(FourierBuffer& buffer, FourierDirection direction, FourierPlans& plans);

} // namespace Algorithms

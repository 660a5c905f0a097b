"""Worlds for the simulator in numbers: cascades of lossy lines (impedance in
ohm, one-way delay in s, loss in dB per GHz) as the simulator models them,
written as Touchstone files it serves, and the truths the analyzer's corrected
measurements are held to. The halves are equal: a 2x-thru alone cannot tell
how unequal halves share its delay."""

import cmath
import math

HALF = [(50.0, 30e-12, 0.05), (42.0, 120e-12, 0.05), (58.0, 100e-12, 0.05), (50.0, 150e-12, 0.05)]
# Leads long enough that the DUT's own steps lie well beyond the halves' gate.
DUT = [(50.0, 300e-12, 0.02), (30.0, 40e-12, 0.05), (70.0, 40e-12, 0.05), (50.0, 300e-12, 0.02)]


def delay(cascade):
    return sum(section[1] for section in cascade)


def _chain(cascade, frequency):
    a, b, c, d = 1, 0, 0, 1
    for impedance, section_delay, loss in cascade:
        nepers = loss * frequency / 1e9 / (20.0 / math.log(10.0))
        gl = complex(nepers, 2.0 * math.pi * frequency * section_delay)
        ch, sh = cmath.cosh(gl), cmath.sinh(gl)
        a, b, c, d = (a * ch + b * sh / impedance, a * impedance * sh + b * ch,
                      c * ch + d * sh / impedance, c * impedance * sh + d * ch)
    return a, b, c, d


def s_parameters(cascade, frequency, z0=50.0):
    """(S11, S21, S12, S22) of the cascade between z0 ports."""
    a, b, c, d = _chain(cascade, frequency)
    denominator = a + b / z0 + c * z0 + d
    return ((a + b / z0 - c * z0 - d) / denominator, 2.0 / denominator, 2.0 * (a * d - b * c) / denominator,
            (-a + b / z0 - c * z0 + d) / denominator)


def in_fixture(inner=()):
    """The cascade the analyzer's ports 1 and 2 see: the half, the inner part, the half reversed."""
    return HALF + list(inner) + HALF[::-1]


def write_world(path, cascade, frequencies):
    with open(path, "w") as world:
        world.write("# Hz S RI R 50\n")
        for frequency in frequencies:
            s11, s21, s12, s22 = s_parameters(cascade, frequency)
            values = " ".join("%.12g %.12g" % (v.real, v.imag) for v in (s11, s21, s12, s22))
            world.write("%.12g %s\n" % (frequency, values))

"""Reads the Touchstone files the application writes, enough to check them."""

import cmath
import math
import re


class Touchstone:
    def __init__(self, ports, reference, records):
        self.ports = ports
        self.reference = reference
        self.records = records  # (frequency, [S row by row]) per frequency

    def finite(self):
        return all(math.isfinite(f) and all(cmath.isfinite(s) for s in values) for f, values in self.records)

    def largest(self, row, column):
        return max(abs(values[row * self.ports + column]) for _, values in self.records)


def _pair(kind, first, second):
    if kind == "RI":
        return complex(first, second)
    magnitude = 10.0 ** (first / 20.0) if kind == "DB" else first
    return cmath.rect(magnitude, math.radians(second))


def read(path):
    """The file's content, or None when it is no Touchstone v1 file."""
    match = re.search(r"\.s(\d+)p$", path, re.IGNORECASE)
    if not match:
        return None
    ports = int(match.group(1))
    option = None
    numbers = []
    with open(path) as text:
        for line in text:
            line = line.split("!")[0].strip()
            if line.startswith("#"):
                option = line[1:].upper().split()
            elif line:
                numbers.extend(float(v) for v in line.split())
    if not option or "R" not in option:
        return None
    kind = next((k for k in ("RI", "MA", "DB") if k in option), "MA")
    reference = float(option[option.index("R") + 1])
    width = 1 + 2 * ports * ports
    if len(numbers) % width:
        return None
    records = []
    for start in range(0, len(numbers), width):
        row = numbers[start:start + width]
        values = [_pair(kind, row[1 + 2 * i], row[2 + 2 * i]) for i in range(ports * ports)]
        if ports == 2:
            values = [values[0], values[2], values[1], values[3]]  # files list S11 S21 S12 S22
        records.append((row[0], values))
    return Touchstone(ports, reference, records)

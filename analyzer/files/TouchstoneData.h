#pragma once

#include <complex>
#include <cstddef>
#include <vector>

// One frequency point of a Touchstone file.
struct TouchstoneRecord
{
    double frequency = 0.0; // Hz
    // N x N S-parameters, row-major: element i * N + j is S(i, j), the wave received
    // at port i when port j is driven (0-based).
    std::vector<std::complex<double>> values;
    std::size_t N = 0;
};

// The content of a Touchstone file. The defaults are those of the Touchstone format
// itself (GHz, S, MA, 50 ohm), which apply to whatever an option line leaves out.
struct TouchstoneData
{
    enum Unit { GHZ = 0, MHZ = 1, KHZ = 2, HZ = 3 };
    enum Parameter { S = 0, Y = 1, Z = 2, H = 3, G = 4 };
    enum Format { RI = 0, MA = 1, DB = 2 };

    std::vector<TouchstoneRecord> records;
    int unit = GHZ;         // unit of the frequencies in the file; records always hold Hz
    int parameter = S;      // read, never used
    int format = MA;
    int portCount = 0;      // used by the writer; the reader leaves it 0
    // Reference impedance in ohm; the reader gives 0 when the file names an R outside
    // 0.001 .. 1000 ohm or one that is not a number, so that it is never taken for 50.
    double R = 50.0;
};

// The frequencies of the records, in file order (Hz).
inline std::vector<double> frequenciesOf(const TouchstoneData& data)
{
    std::vector<double> frequencies;
    frequencies.reserve(data.records.size());
    for (const TouchstoneRecord& record : data.records)
        frequencies.push_back(record.frequency);
    return frequencies;
}

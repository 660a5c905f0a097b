#include "app/exports/TouchstoneRecords.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// The Touchstone writer names files up to s9p.
constexpr std::uint64_t MaxFilePorts = 9;

bool fuzzyEqual(double a, double b)
{
    return std::min(std::abs(a), std::abs(b)) >= std::abs(a - b) * 1e12;
}

// A value written into an N x N matrix at (row, column) for every point.
struct Entry
{
    std::uint64_t row;
    std::uint64_t column;
    const std::vector<std::complex<double>>* values;
};

// Sets given as their grids and entries; no value unless all grids agree point by point.
std::optional<std::vector<TouchstoneRecord>> recordsOf(const std::vector<const std::vector<double>*>& grids,
                                                       const std::vector<Entry>& entries, std::uint64_t portCount)
{
    if (portCount == 0 || portCount > MaxFilePorts)
        return std::nullopt;
    const std::vector<double>& first = *grids.front();
    const std::size_t n = static_cast<std::size_t>(portCount);
    std::vector<TouchstoneRecord> records;
    records.reserve(first.size());
    for (std::size_t j = 0; j < first.size(); ++j) {
        for (const std::vector<double>* grid : grids) {
            if (!fuzzyEqual((*grid)[j], first[j]))
                return std::nullopt;
        }
        TouchstoneRecord record{first[j], std::vector<std::complex<double>>(n * n), n};
        for (const Entry& entry : entries)
            record.values[entry.row * n + entry.column] = (*entry.values)[j];
        records.push_back(std::move(record));
    }
    return records;
}

} // namespace

TouchstoneData twoPortTouchstone(const Algorithms::SParametersTwoPort& set, double R)
{
    TouchstoneData data;
    data.unit = TouchstoneData::HZ;
    data.format = TouchstoneData::RI;
    data.portCount = 2;
    data.R = R;
    const std::vector<double>& frequencies = set.frequencies();
    for (std::size_t i = 0; i < frequencies.size(); ++i)
        data.records.push_back({frequencies[i], {set.s11()[i], set.s12()[i], set.s21()[i], set.s22()[i]}, 2});
    return data;
}

std::optional<std::vector<TouchstoneRecord>> twoPortRawData(const std::vector<Algorithms::SParametersTwoPortVNA>& sets)
{
    if (sets.empty() || !sets.front().isValid())
        return std::nullopt;
    const std::size_t points = sets.front().frequencies().size();
    std::vector<Algorithms::SParametersTwoPortVNA> ordered;
    for (Algorithms::SParametersTwoPortVNA set : sets) {
        if (!set.firstPort() || !set.secondPort() || !set.isValid() || set.frequencies().size() != points
            || *set.firstPort() == *set.secondPort())
            return std::nullopt;
        if (*set.firstPort() > *set.secondPort()) {
            set.mirror();
            set.swapPortIndices();
        }
        ordered.push_back(std::move(set));
    }

    std::uint64_t portCount = 0;
    std::vector<const std::vector<double>*> grids;
    std::vector<Entry> entries;
    for (const auto& set : ordered) {
        const std::uint64_t p = *set.firstPort();
        const std::uint64_t q = *set.secondPort();
        portCount = std::max(portCount, q + 1);
        grids.push_back(&set.frequencies());
        entries.insert(entries.end(), {{p, p, &set.s11()}, {p, q, &set.s12()}, {q, p, &set.s21()}, {q, q, &set.s22()}});
    }
    return recordsOf(grids, entries, portCount);
}

std::optional<std::vector<TouchstoneRecord>> onePortRawData(const std::vector<Algorithms::SParametersOnePortVNA>& sets)
{
    if (sets.empty() || !sets.front().isValid())
        return std::nullopt;
    const std::size_t points = sets.front().frequencies().size();
    std::uint64_t portCount = 0;
    std::vector<const std::vector<double>*> grids;
    std::vector<Entry> entries;
    for (const auto& set : sets) {
        if (!set.port() || !set.isValid() || set.frequencies().size() != points)
            return std::nullopt;
        portCount = std::max(portCount, *set.port() + 1);
        grids.push_back(&set.frequencies());
        entries.push_back({*set.port(), *set.port(), &set.s11()});
    }
    return recordsOf(grids, entries, portCount);
}

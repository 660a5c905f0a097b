#pragma once

#include <QString>

#include <optional>

namespace Simulator {

// A trace's measured quantity as the analyzer's parameter definition names it:
// "S21" (received at port 2, driven at port 1), or the absolute receivers "T2"
// (test), "R1" (reference) and "V2" (voltage, reported like the test receiver).
struct TraceParameter
{
    enum class Kind
    {
        S,
        Test,
        Reference,
        Voltage
    };

    Kind kind = Kind::S;
    int toPort = 1;
    int fromPort = 1; // S-parameters only

    bool isSParameter() const { return kind == Kind::S; }
    // Ports are single digits; any letter case; no value for anything else.
    static std::optional<TraceParameter> parse(const QString& text);
    // "S21", "T2", ...
    QString text() const;
};

} // namespace Simulator

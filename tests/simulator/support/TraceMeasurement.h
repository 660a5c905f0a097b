#pragma once

#include "tests/simulator/support/ScpiTestClient.h"

#include <complex>
#include <vector>

// Measures the given parameters ("S21", ...) on channel 1 the way the
// application does: traces defined, one triggered sweep, "*OPC?", then the data.
// An empty result when any step fails.
inline std::vector<std::vector<std::complex<double>>> measureTraces(ScpiTestClient& client,
                                                                    const QStringList& parameters)
{
    client.send(QString("CALCulate1:PARameter:COUNt %1").arg(parameters.size()));
    for (int i = 0; i < parameters.size(); ++i)
        client.send(QString("CALCulate1:PARameter%1:DEFine %2").arg(i + 1).arg(parameters[i]));
    for (const char* line : {"INITiate1:CONTinuous OFF", ":TRIG:SOUR BUS", "INITiate1:IMMediate", ":TRIG:SING"})
        client.send(line);
    if (client.query("*OPC?") != "1")
        return {};

    std::vector<std::vector<std::complex<double>>> traces;
    for (int i = 0; i < parameters.size(); ++i) {
        const auto reply = client.query(QString("CALCulate1:TRACe%1:DATA:SDATa?").arg(i + 1));
        if (!reply)
            return {};
        const QStringList items = reply->split(',');
        std::vector<std::complex<double>> values;
        for (int k = 0; k + 1 < items.size(); k += 2)
            values.emplace_back(items[k].toDouble(), items[k + 1].toDouble());
        traces.push_back(values);
    }
    return traces;
}

inline std::vector<double> readFrequencies(ScpiTestClient& client)
{
    std::vector<double> frequencies;
    for (const QString& item : client.query("SENSe1:FREQuency:DATA?").value_or("").split(','))
        frequencies.push_back(item.toDouble());
    return frequencies;
}

#include "simulator/model/TraceParameter.h"

namespace Simulator {

std::optional<TraceParameter> TraceParameter::parse(const QString& text)
{
    const QString word = text.trimmed().toUpper();
    auto digit = [&](int index) { return word[index].isDigit() && word[index] != '0' ? word[index].digitValue() : 0; };
    TraceParameter parameter;
    if (word.size() == 3 && word[0] == 'S') {
        parameter.toPort = digit(1);
        parameter.fromPort = digit(2);
        if (parameter.toPort == 0 || parameter.fromPort == 0)
            return std::nullopt;
        return parameter;
    }
    if (word.size() != 2)
        return std::nullopt;
    if (word[0] == 'T')
        parameter.kind = Kind::Test;
    else if (word[0] == 'R')
        parameter.kind = Kind::Reference;
    else if (word[0] == 'V')
        parameter.kind = Kind::Voltage;
    else
        return std::nullopt;
    parameter.toPort = digit(1);
    if (parameter.toPort == 0)
        return std::nullopt;
    return parameter;
}

QString TraceParameter::text() const
{
    switch (kind) {
    case Kind::S:
        return QString("S%1%2").arg(toPort).arg(fromPort);
    case Kind::Test:
        return QString("T%1").arg(toPort);
    case Kind::Reference:
        return QString("R%1").arg(toPort);
    case Kind::Voltage:
        return QString("V%1").arg(toPort);
    }
    return {};
}

} // namespace Simulator

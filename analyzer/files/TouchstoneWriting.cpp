#include "analyzer/files/TouchstoneWriting.h"

#include "analyzer/files/TouchstoneLayout.h"

#include <QDateTime>

#include <cmath>

namespace TouchstoneWriting {

namespace {

QString number(double x)
{
    return QString::number(x, 'E', 11);
}

bool isWritable(const TouchstoneRecord& record, int portCount)
{
    if (record.N != static_cast<std::size_t>(portCount) || record.values.size() != record.N * record.N
        || !std::isfinite(record.frequency))
        return false;
    for (const auto& value : record.values) {
        if (!std::isfinite(value.real()) || !std::isfinite(value.imag()))
            return false;
    }
    return true;
}

} // namespace

bool isWritable(const TouchstoneData& data, int portCount)
{
    // The reader takes the port count from the name alone: data of another count would
    // read back as nothing or not at all.
    if (portCount < 1 || (data.portCount != 0 && data.portCount != portCount) || !std::isfinite(data.R))
        return false;
    for (const auto& record : data.records) {
        if (!isWritable(record, portCount))
            return false;
    }
    return true;
}

QString head(double R)
{
    return QStringLiteral("! VARNEL\n")
        + "! Date: " + QDateTime::currentDateTime().toString("MM/dd/yyyy hh:mm t") + "\n"
        + QStringLiteral("# Hz S %0 R  %1\n").arg("RI").arg(R);
}

QString formatRecord(const TouchstoneRecord& record, int portCount)
{
    QString text = number(record.frequency) + "\t";
    const std::size_t count = record.values.size();
    for (std::size_t k = 0; k < count; ++k) {
        const auto& value = record.values[TouchstoneLayout::matrixIndex(k, portCount, record.N)];
        text += number(value.real()) + "\t" + number(value.imag());
        if (k + 1 == count)
            text += "\n";
        else if (portCount > 2 && (k + 1) % record.N == 0)
            text += "\n\t\t";
        else
            text += "\t";
    }
    return text;
}

} // namespace TouchstoneWriting

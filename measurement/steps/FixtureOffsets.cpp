#include "measurement/steps/FixtureOffsets.h"

#include "engine/vectors/VectorChecks.h"
#include "measurement/models/Zip.h"

#include <QCoreApplication>
#include <QDebug>

#include <exception>

namespace FixtureOffsets {

namespace {

constexpr double PicosecondsPerSecond = 1e12;

QString tr(const char* text)
{
    return QCoreApplication::translate("FixtureOffsets", text);
}

std::optional<double> averageLength(const FixtureRows& rows, const char* label, const QString& emptyText,
                                    QString& errorText)
{
    if (rows.empty()) {
        errorText = emptyText;
        return std::nullopt;
    }
    double sum = 0.0;
    for (const FixtureRow& row : rows) {
        qDebug() << label << row.analyzerPort;
        const std::optional<double> length = row.port->measureData()->fixtureLength();
        if (!length) {
            errorText = tr("Calculation error. There is no length data");
            return std::nullopt;
        }
        sum += *length;
    }
    return sum / static_cast<double>(rows.size());
}

} // namespace

bool applyToThru(const FixtureRows& left, const FixtureRows& right, double leftPs, double rightPs, QString& errorText)
{
    qDebug() << "leftOffset" << leftPs / PicosecondsPerSecond;
    qDebug() << "Rightoffset" << rightPs / PicosecondsPerSecond;
    try {
        for (const auto& [l, r] : Helpers::Ranges::zip(left, right)) {
            if (!l.port->measureData()->applyOffset(leftPs / PicosecondsPerSecond)
                || !r.port->measureData()->applyOffset(rightPs / PicosecondsPerSecond))
                return false;
        }
    } catch (const std::exception& e) {
        errorText = QString::fromLocal8Bit(e.what());
        return false;
    }
    return true;
}

bool applyToReflect(const FixtureRows& rows, double offsetPs, QString& errorText)
{
    const double seconds = offsetPs / PicosecondsPerSecond;
    for (const FixtureRow& row : rows) {
        Algorithms::FixturePort* port = row.port->measureData();
        // A port that refuses tells the user why through its fixture; a text here
        // would be a second row for the same refusal.
        bool explained = false;
        const QMetaObject::Connection reason =
            QObject::connect(port, &Algorithms::FixturePort::error, [&explained] { explained = true; });
        const bool applied = port->applyOffset(seconds);
        QObject::disconnect(reason);
        if (!applied) {
            if (!explained)
                errorText = tr("Cannot apply the offset of %1 ps").arg(offsetPs);
            return false;
        }
    }
    return true;
}

std::optional<std::pair<double, double>> reflectOffsets(const FixtureRows& leftReflect, const FixtureRows& rightReflect,
                                                        const FixtureRows& thru, QString& errorText)
{
    const auto left = averageLength(leftReflect, "LEFT PORT", tr("Calculation error. Left side fixture data is empty"),
                                    errorText);
    if (!left)
        return std::nullopt;
    const auto right = averageLength(rightReflect, "RIGHT PORT",
                                     tr("Calculation error. Right side fixture data is empty"), errorText);
    if (!right)
        return std::nullopt;
    const auto thruAverage = averageLength(thru, "THRU PORT", tr("Calculation error. Fixture data is empty"), errorText);
    if (!thruAverage)
        return std::nullopt;
    const auto differences = Algorithms::differencesFrom(*thruAverage, *left, *right);
    if (!differences) {
        errorText = tr("Calculation error. Check fixture configuration and measured data for validity.");
        return std::nullopt;
    }
    const double leftOffset = differences->second * PicosecondsPerSecond;
    const double rightOffset = differences->first * PicosecondsPerSecond;
    qDebug() << "LEFT average" << *left << leftOffset;
    qDebug() << "right average" << *right << rightOffset;
    qDebug() << "thru average" << *thruAverage;
    return std::make_pair(leftOffset, rightOffset);
}

} // namespace FixtureOffsets

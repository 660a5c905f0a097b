#include "measurement/steps/FixtureOffsets.h"

#include "engine/vectors/VectorChecks.h"
#include "measurement/models/Zip.h"

#include <QCoreApplication>
#include <QDebug>

#include <algorithm>
#include <exception>
#include <vector>

namespace FixtureOffsets {

namespace {

constexpr double PicosecondsPerSecond = 1e12;

QString tr(const char* text)
{
    return QCoreApplication::translate("FixtureOffsets", text);
}

std::optional<double> averageLength(const PortLengths& rows, const char* label, const QString& emptyText,
                                    QString& errorText)
{
    if (rows.empty()) {
        errorText = emptyText;
        return std::nullopt;
    }
    double sum = 0.0;
    for (const PortLength& row : rows) {
        qDebug() << label << row.analyzerPort;
        const std::optional<double> length = row.port->fixtureLength();
        if (!length) {
            errorText = tr("Calculation error. There is no length data");
            return std::nullopt;
        }
        sum += *length;
    }
    return sum / static_cast<double>(rows.size());
}

struct PortOffset
{
    Algorithms::FixturePort* port;
    double picoseconds;
};

// Every port works its offset out before any port takes one, so a refusal leaves all
// of them as they were and there is nothing to put back. False at the first port that
// refuses; `explained` tells whether it gave its reason.
bool applyTogether(const std::vector<PortOffset>& offsets, bool& explained)
{
    std::vector<Algorithms::FixturePort::PreparedOffset> prepared;
    prepared.reserve(offsets.size());
    for (const PortOffset& offset : offsets) {
        const QMetaObject::Connection reason = QObject::connect(
            offset.port, &Algorithms::FixturePort::error, [&explained] { explained = true; });
        std::optional<Algorithms::FixturePort::PreparedOffset> portOffset =
            offset.port->prepareOffset(offset.picoseconds / PicosecondsPerSecond);
        QObject::disconnect(reason);
        if (!portOffset)
            return false;
        prepared.push_back(std::move(*portOffset));
    }
    for (std::size_t i = 0; i < offsets.size(); ++i)
        offsets[i].port->takeOffset(prepared[i]);
    return true;
}

} // namespace

bool applyToThru(const FixtureRows& left, const FixtureRows& right, double leftPs, double rightPs, QString& errorText)
{
    qDebug() << "leftOffset" << leftPs / PicosecondsPerSecond;
    qDebug() << "Rightoffset" << rightPs / PicosecondsPerSecond;
    std::vector<PortOffset> offsets;
    try {
        for (const auto& [l, r] : Helpers::Ranges::zip(left, right)) {
            offsets.push_back({l.port->measureData(), leftPs});
            offsets.push_back({r.port->measureData(), rightPs});
        }
    } catch (const std::exception& e) {
        errorText = QString::fromLocal8Bit(e.what());
        return false;
    }
    bool explained = false;
    return applyTogether(offsets, explained);
}

bool applyToReflect(const FixtureRows& rows, double offsetPs, QString& errorText)
{
    std::vector<PortOffset> offsets;
    for (const FixtureRow& row : rows)
        offsets.push_back({row.port->measureData(), offsetPs});
    bool explained = false;
    if (applyTogether(offsets, explained))
        return true;
    // A port that refuses tells the user why itself; a text here would be a second
    // notification of the same refusal.
    if (!explained)
        errorText = tr("Cannot apply the offset of %1 ps").arg(offsetPs);
    return false;
}

bool anyOffsetInForce(const FixtureRows& rows)
{
    return std::any_of(rows.begin(), rows.end(), [](const FixtureRow& row) {
        const std::optional<int> kind = row.port->measureData()->currentSParametersKind();
        return kind && QmlFixturePort::calibrationStateOf(*kind).testFlag(QmlFixturePort::OffsetApplied);
    });
}

PortLengths lengthsOf(const FixtureRows& rows)
{
    PortLengths lengths;
    for (const FixtureRow& row : rows)
        lengths.push_back({row.analyzerPort, row.port->measureData()});
    return lengths;
}

std::optional<std::pair<double, double>> reflectOffsets(const PortLengths& leftReflect, const PortLengths& rightReflect,
                                                        const PortLengths& thru, QString& errorText)
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

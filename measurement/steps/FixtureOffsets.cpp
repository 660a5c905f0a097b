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
        if (!row.length) {
            errorText = tr("Calculation error. There is no length data");
            return std::nullopt;
        }
        sum += *row.length;
    }
    return sum / static_cast<double>(rows.size());
}

struct PortOffset
{
    Algorithms::FixturePort* port;
    double picoseconds;
};

// Every port works its offset out before any port takes one, so a refusal leaves all
// of them as they were and there is nothing to put back. No value at the first port
// that refuses; `explained` tells whether it gave its reason.
std::optional<PreparedOffsets> prepareTogether(const std::vector<PortOffset>& offsets, bool& explained)
{
    PreparedOffsets prepared;
    for (const PortOffset& offset : offsets) {
        const QMetaObject::Connection reason = QObject::connect(
            offset.port, &Algorithms::FixturePort::error, [&explained] { explained = true; });
        std::optional<Algorithms::FixturePort::PreparedOffset> portOffset =
            offset.port->prepareOffset(offset.picoseconds / PicosecondsPerSecond);
        QObject::disconnect(reason);
        if (!portOffset)
            return std::nullopt;
        prepared.add(offset.port, std::move(*portOffset));
    }
    return prepared;
}

} // namespace

void PreparedOffsets::add(Algorithms::FixturePort* port, Algorithms::FixturePort::PreparedOffset offset)
{
    m_ports.emplace_back(port, std::move(offset));
}

void PreparedOffsets::take() const
{
    for (const auto& [port, offset] : m_ports)
        port->takeOffset(offset);
}

std::optional<PreparedOffsets> prepareForThru(const FixtureRows& left, const FixtureRows& right, double leftPs,
                                              double rightPs, QString& errorText)
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
        return std::nullopt;
    }
    bool explained = false;
    return prepareTogether(offsets, explained);
}

bool applyToThru(const FixtureRows& left, const FixtureRows& right, double leftPs, double rightPs, QString& errorText)
{
    const std::optional<PreparedOffsets> prepared = prepareForThru(left, right, leftPs, rightPs, errorText);
    if (!prepared)
        return false;
    prepared->take();
    return true;
}

bool applyToReflect(const FixtureRows& rows, double offsetPs, QString& errorText)
{
    std::vector<PortOffset> offsets;
    for (const FixtureRow& row : rows)
        offsets.push_back({row.port->measureData(), offsetPs});
    bool explained = false;
    if (const std::optional<PreparedOffsets> prepared = prepareTogether(offsets, explained)) {
        prepared->take();
        return true;
    }
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

PortLengths ownPlaneLengthsOf(const FixtureRows& rows)
{
    PortLengths lengths;
    // An offset's length is the default one plus the offset; back on their own plane
    // the halves have the default length again.
    for (const FixtureRow& row : rows)
        lengths.push_back({row.analyzerPort, row.port->measureData()->defaultLength()});
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

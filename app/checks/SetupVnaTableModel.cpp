#include "app/checks/SetupVnaTableModel.h"

#include "analyzer/facade/CacheComparison.h"
#include "analyzer/facade/SyncedVnaDevice.h"
#include "app/checks/EditedSweepValues.h"
#include "app/formatting/MetricText.h"
#include "app/formatting/UnitPrefixTable.h"
#include "app/tables/TableRegistration.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>
#include <cmath>
#include <utility>

using CoreMeasureEnums::RecommendedResult;

namespace {

constexpr uint FewestPoints = 10;
constexpr uint RecommendedPoints = 100;
constexpr double HighestIfBandwidth = 10000.0; // Hz
constexpr double LowestPower = -30.0;          // dBm
constexpr double HighestPower = 0.0;           // dBm
constexpr double StepTolerance = 1.0;          // Hz

int key(RecommendedResult result)
{
    return static_cast<int>(result);
}

// The number of points that makes the step equal to the start frequency on
// this span; no value where no grid has it.
std::optional<double> lowPassPoints(double start, double stop)
{
    if (!(start > 0.0))
        return std::nullopt;
    const double points = std::round((stop - start) / start + 1.0);
    return std::isfinite(points) ? std::optional<double>(points) : std::nullopt;
}

RecommendedResult alwaysError()
{
    return RecommendedResult::Error;
}

// What the analyzer reads back of a written value: its own number formatting may
// round the last digits.
bool readBackAs(const std::optional<double>& readBack, double written)
{
    return readBack && std::abs(*readBack - written) <= 1e-9 * std::max(std::abs(*readBack), std::abs(written));
}

} // namespace

SetupVnaTableModel::SetupVnaTableModel(SyncedVnaDevice* device, QObject* parent)
    : BaseDeviceVnaTableModel(device, parent)
{
    registerTableType<SetupVnaTableModel>("SetupVnaTable", "sv_table_model");
    addSweepTypeRow();
    addFrequencyRows();
    addPointsAndStepRows();
    addIfBandwidthRow();
    addOutputPowerRow();

    refreshOn(m_device, &SyncedVnaDevice::sweepTypeChanged, {SweepTypeRow});
    refreshOn(m_device, &SyncedVnaDevice::startFreqChanged, {StartFrequencyRow, StopFrequencyRow});
    refreshOn(m_device, &SyncedVnaDevice::stopFreqChanged, {StartFrequencyRow, StopFrequencyRow});
    refreshOn(m_device, &SyncedVnaDevice::ifBandwidthChanged, {IfBandwidthRow});
    refreshOn(m_device, &SyncedVnaDevice::outputPowerChanged, {OutputPowerRow});
    for (auto signal : {&SyncedVnaDevice::startFreqChanged, &SyncedVnaDevice::stopFreqChanged,
                        &SyncedVnaDevice::pointsCountChanged, &SyncedVnaDevice::stepFreqChanged})
        connect(m_device, signal, this, &SetupVnaTableModel::updateLowPassRows);
    connect(this, &SetupVnaTableModel::lowPassCheckChanged, this, &SetupVnaTableModel::updateLowPassRows);
    // Every change of a row's value refreshes the row. The change of an edit's own
    // write arrives before its reading back is judged.
    connect(this, &QAbstractItemModel::dataChanged, this, &SetupVnaTableModel::dropOutdatedRefusals);
}

void SetupVnaTableModel::setLowPassCheck(bool lowPassCheck)
{
    if (m_lowPassCheck == lowPassCheck)
        return;
    m_lowPassCheck = lowPassCheck;
    emit lowPassCheckChanged();
}

TableModelRow SetupVnaTableModel::frequencyRow(const QString& name,
                                               std::optional<double> (SyncedVnaDevice::*value)() const)
{
    TableModelRow row(name,
                      [device = m_device, value]() -> QVariant { return prefixedOrUnknown((device->*value)()); });
    row.setUnits(tr("Hz"));
    return row;
}

QString SetupVnaTableModel::inHertz(const std::optional<double>& frequency)
{
    return prefixedOrUnknown(frequency) + tr("Hz");
}

TableModelRow::Setter SetupVnaTableModel::frequencySetter(int modelRow, void (SyncedVnaDevice::*set)(double),
                                                         std::optional<double> (SyncedVnaDevice::*value)() const)
{
    return [this, modelRow, set, value](const QVariant& edit) {
        beginEdit(modelRow);
        const std::optional<double> frequency = EditedSweepValues::frequency(edit);
        if (!frequency) {
            setRefusal(modelRow, tr("%1 is not a frequency").arg(edit.toString()));
            return;
        }
        if (const QString reason = frequencyRefusal(modelRow, *frequency); !reason.isEmpty()) {
            setRefusal(modelRow, reason);
            return;
        }
        writeAndCheck(modelRow, {[device = m_device, set, frequency] { (device->*set)(*frequency); },
                                 [device = m_device, value] { return (device->*value)(); },
                                 [](double frequency) { return inHertz(frequency); }, *frequency});
    };
}

QString SetupVnaTableModel::frequencyRefusal(int modelRow, double frequency) const
{
    if (modelRow == IfBandwidthRow)
        return {};
    const std::optional<double> highest = m_device->maxFreq();
    if (highest && frequency > *highest && !CacheComparison::fuzzyEqual(frequency, *highest))
        return tr("%1 is above the analyzer's highest frequency, %2")
            .arg(inHertz(frequency), inHertz(highest));
    const std::optional<double> start = m_device->startFreq();
    if (modelRow == StopFrequencyRow && start && frequency < *start)
        return tr("The stop frequency cannot be below the start frequency, %1")
            .arg(inHertz(start));
    return {};
}

void SetupVnaTableModel::beginEdit(int modelRow)
{
    ++m_edits[modelRow].latest;
    setRefusal(modelRow, QString());
}

void SetupVnaTableModel::writeAndCheck(int modelRow, SettingWrite setting)
{
    RowEdits& edits = m_edits[modelRow];
    if (edits.checking) {
        // Only the last of the writes typed meanwhile still matters.
        edits.waiting = std::make_pair(edits.latest, std::move(setting));
        return;
    }
    sendAndCheck(modelRow, edits.latest, setting);
}

void SetupVnaTableModel::sendAndCheck(int modelRow, unsigned edit, const SettingWrite& setting)
{
    m_edits[modelRow].checking = true;
    const std::optional<double> before = setting.read();
    setting.write();
    // The refresh runs after the write on the analyzer's worker; what it read is
    // taken there, before any later write can change it.
    m_device->refresh([guarded = QPointer<SetupVnaTableModel>(this), modelRow, edit, setting, before](bool refreshed) {
        const std::optional<double> after = refreshed ? setting.read() : std::nullopt;
        QMetaObject::invokeMethod(QCoreApplication::instance(), [guarded, modelRow, edit, setting, before, after] {
            if (guarded)
                guarded->judgeReadBack(modelRow, edit, setting, before, after);
        });
    });
}

void SetupVnaTableModel::judgeReadBack(int modelRow, unsigned edit, const SettingWrite& setting,
                                       const std::optional<double>& before, const std::optional<double>& after)
{
    RowEdits& edits = m_edits[modelRow];
    edits.checking = false;
    if (edit == edits.latest && after && !readBackAs(after, setting.value)) {
        const QString written = setting.text(setting.value);
        const QString held = setting.text(*after);
        setRefusal(modelRow, readBackAs(before, *after)
                                 ? tr("The analyzer did not take %1 and keeps %2").arg(written, held)
                                 : tr("The analyzer took %1 instead of %2").arg(held, written));
    }
    if (const auto waiting = std::exchange(edits.waiting, std::nullopt))
        sendAndCheck(modelRow, waiting->first, waiting->second);
}

void SetupVnaTableModel::setRefusal(int modelRow, const QString& reason)
{
    if (m_refusals.value(modelRow).reason == reason)
        return;
    if (reason.isEmpty())
        m_refusals.remove(modelRow);
    else
        m_refusals.insert(modelRow, {reason, shownRow(modelRow)});
    emit dataChanged(index(modelRow, VALUE_COLUMN), index(modelRow, VALUE_COLUMN), {RefusalRole});
    emit refusalsChanged();
}

QVariantList SetupVnaTableModel::shownRow(int modelRow) const
{
    const QModelIndex value = index(modelRow, VALUE_COLUMN);
    return {data(value), data(index(modelRow, RECOMMENDED_COLUMN)), data(value, RecommendedRole)};
}

void SetupVnaTableModel::dropOutdatedRefusals(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                              const QVector<int>& roles)
{
    if (roles.contains(RefusalRole))
        return;
    for (int modelRow = topLeft.row(); modelRow <= bottomRight.row(); ++modelRow) {
        const auto refusal = m_refusals.constFind(modelRow);
        if (refusal != m_refusals.constEnd() && refusal->shown != shownRow(modelRow))
            setRefusal(modelRow, QString());
    }
}

QVariant SetupVnaTableModel::data(const QModelIndex& index, int role) const
{
    if (role == RefusalRole)
        return index.isValid() ? refusal(index.row()) : QString();
    return BaseDeviceVnaTableModel::data(index, role);
}

QHash<int, QByteArray> SetupVnaTableModel::roleNames() const
{
    QHash<int, QByteArray> names = BaseDeviceVnaTableModel::roleNames();
    names.insert(RefusalRole, "refusal");
    return names;
}

void SetupVnaTableModel::addSweepTypeRow()
{
    TableModelRow sweepType(tr("Sweep type"), [this]() -> QVariant {
        const std::optional<SweepType> type = m_device->sweepType();
        if (!type)
            return QStringLiteral("---");
        switch (*type) {
        case SweepType::Linear:
            return tr("Linear freq");
        case SweepType::Logarithmic:
            return tr("Log freq");
        case SweepType::Segment:
            return tr("Segment freq");
        default:
            return tr("Power freq");
        }
    });
    sweepType.setRecommended(
        tr("Linear freq"),
        [this] {
            return m_device->sweepType() == SweepType::Linear ? RecommendedResult::Correct : RecommendedResult::Error;
        },
        {{key(RecommendedResult::Error), tr("The plug-in does not support this sweep type, change it to linear.")}});
    m_rows.push_back(sweepType);
}

void SetupVnaTableModel::addFrequencyRows()
{
    const auto differentEnds = [this] {
        const std::optional<double> start = m_device->startFreq();
        const std::optional<double> stop = m_device->stopFreq();
        return start && stop && !CacheComparison::fuzzyEqual(*start, *stop) ? RecommendedResult::Correct
                                                                            : RecommendedResult::Error;
    };
    const QMap<int, QString> messages{
        {key(RecommendedResult::Error),
         tr("The plug-in is not able to calculate the fixture parameters at a single frequency.  "
            "Set the start and stop frequencies to differ.")}};
    const QString recommended = tr("Start %1 Stop").arg(QStringLiteral("≠"));

    TableModelRow start = frequencyRow(tr("Start frequency"), &SyncedVnaDevice::startFreq);
    start.setRecommended(recommended, differentEnds, messages);
    start.setSetter(frequencySetter(StartFrequencyRow, &SyncedVnaDevice::setStartFreq, &SyncedVnaDevice::startFreq));
    m_rows.push_back(start);

    TableModelRow stop = frequencyRow(tr("Stop frequency"), &SyncedVnaDevice::stopFreq);
    stop.setRecommended(recommended, differentEnds, messages);
    stop.setSetter(frequencySetter(StopFrequencyRow, &SyncedVnaDevice::setStopFreq, &SyncedVnaDevice::stopFreq));
    m_rows.push_back(stop);
}

void SetupVnaTableModel::addPointsAndStepRows()
{
    TableModelRow points(tr("Sweep points"), [this]() -> QVariant {
        const std::optional<uint> count = m_device->pointsCount();
        return count ? QVariant(QString::number(*count)) : QVariant(QStringLiteral("---"));
    });
    points.setSetter([this](const QVariant& edit) {
        beginEdit(SweepPointsRow);
        const std::optional<uint> count = EditedSweepValues::pointsCount(edit);
        if (!count) {
            setRefusal(SweepPointsRow, tr("%1 is not a whole positive number of points").arg(edit.toString()));
            return;
        }
        writeAndCheck(SweepPointsRow,
                      {[device = m_device, count] { device->setPointsCount(*count); },
                       [device = m_device]() -> std::optional<double> {
                           const std::optional<uint> count = device->pointsCount();
                           return count ? std::optional<double>(*count) : std::nullopt;
                       },
                       [](double count) { return QString::number(count, 'f', 0); }, static_cast<double>(*count)});
    });
    m_rows.push_back(points);
    recommendAtLeast100Points();

    m_rows.push_back(frequencyRow(tr("Step frequency"), &SyncedVnaDevice::stepFreq));
}

void SetupVnaTableModel::addIfBandwidthRow()
{
    TableModelRow bandwidth = frequencyRow(tr("IF bandwidth"), &SyncedVnaDevice::ifBandwidth);
    bandwidth.setRecommended(
        QStringLiteral("%1 %2 %3%4")
            .arg(QStringLiteral("≤"), QString::number(10), UnitPrefixTable::current()->textOf(1e3), tr("Hz")),
        [this] {
            const std::optional<double> bandwidth = m_device->ifBandwidth();
            if (!bandwidth)
                return RecommendedResult::Error;
            return *bandwidth > HighestIfBandwidth ? RecommendedResult::Warning : RecommendedResult::Correct;
        },
        {{key(RecommendedResult::Warning), tr("It is recommended to use an IF bandwidth value below 10 kHz to reduce "
                                               "the impact of VNA trace noise.")}});
    bandwidth.setSetter(
        frequencySetter(IfBandwidthRow, &SyncedVnaDevice::setIfBandwidth, &SyncedVnaDevice::ifBandwidth));
    m_rows.push_back(bandwidth);
}

void SetupVnaTableModel::addOutputPowerRow()
{
    TableModelRow power(tr("Output power"), [this]() -> QVariant {
        const std::optional<double> power = m_device->outputPower();
        return power ? QVariant(*power) : QVariant(QStringLiteral("---"));
    });
    power.setUnits(tr("dBm"));
    power.setRecommended(
        tr("-30 to 0 dBm"),
        [this] {
            const std::optional<double> power = m_device->outputPower();
            if (!power)
                return RecommendedResult::Error;
            return *power < LowestPower || *power > HighestPower ? RecommendedResult::Warning
                                                                 : RecommendedResult::Correct;
        },
        {{key(RecommendedResult::Warning), tr("It is recommended to stay within -30 to 0 dBm of the output power "
                                               "range to achieve stable results.")}});
    power.setSetter([this](const QVariant& edit) {
        beginEdit(OutputPowerRow);
        const std::optional<double> power = EditedSweepValues::power(edit);
        if (!power) {
            setRefusal(OutputPowerRow, tr("%1 is not a power in dBm").arg(edit.toString()));
            return;
        }
        writeAndCheck(OutputPowerRow,
                      {[device = m_device, power] { device->setOutputPower(*power); },
                       [device = m_device] { return device->outputPower(); },
                       [](double power) { return QString::number(power) + QLatin1Char(' ') + tr("dBm"); }, *power});
    });
    m_rows.push_back(power);
}

void SetupVnaTableModel::updateLowPassRows()
{
    recommendPoints();
    recommendStep();
    refreshRow(SweepPointsRow);
    refreshRow(StepFrequencyRow);
}

QString SetupVnaTableModel::tooFewPointsMessage()
{
    return tr("The plug-in cannot correctly calculate the fixture parameters for the number of points below 10.");
}

void SetupVnaTableModel::recommendAtLeast100Points()
{
    row(SweepPointsRow)
        .setRecommended(
            QStringLiteral("≥ 100"),
            [this] {
                const std::optional<uint> points = m_device->pointsCount();
                if (!points || *points < FewestPoints)
                    return RecommendedResult::Error;
                return *points < RecommendedPoints ? RecommendedResult::Warning : RecommendedResult::Correct;
            },
            {{key(RecommendedResult::Error), tooFewPointsMessage()},
             {key(RecommendedResult::Warning),
              tr("It is recommended to use 100 or more sweep points to achieve stable results.")}});
}

void SetupVnaTableModel::recommendPoints()
{
    if (!m_lowPassCheck) {
        recommendAtLeast100Points();
        return;
    }
    const std::optional<double> start = m_device->startFreq();
    const std::optional<double> stop = m_device->stopFreq();
    const std::optional<double> required =
        start && stop && m_device->pointsCount() && m_device->stepFreq() ? lowPassPoints(*start, *stop) : std::nullopt;
    if (!required) {
        row(SweepPointsRow).setRecommended(tr("Error"), alwaysError);
        return;
    }
    row(SweepPointsRow)
        .setRecommended(
            QString::number(*required, 'f', 0),
            [this] {
                const std::optional<uint> points = m_device->pointsCount();
                const std::optional<double> start = m_device->startFreq();
                const std::optional<double> stop = m_device->stopFreq();
                if (!points || *points < FewestPoints || !start || !stop || !m_device->stepFreq())
                    return RecommendedResult::Error;
                const std::optional<double> required = lowPassPoints(*start, *stop);
                if (!required)
                    return RecommendedResult::Error;
                return static_cast<double>(*points) != *required ? RecommendedResult::Warning
                                                                  : RecommendedResult::Correct;
            },
            {{key(RecommendedResult::Error), tooFewPointsMessage()},
             {key(RecommendedResult::Warning), tr("The low pass mode requires that the start frequency is equal to the "
                                                   "step frequency. Set sweep points to the recommended value.")}});
}

void SetupVnaTableModel::recommendStep()
{
    TableModelRow& step = row(StepFrequencyRow);
    const std::optional<double> start = m_device->startFreq();
    if (!m_lowPassCheck) {
        step.clearRecommended();
        return;
    }
    if (!start) {
        step.setRecommended(tr("Error"), alwaysError);
        return;
    }
    step.setRecommended(
        prefixedOrUnknown(start) + row(StartFrequencyRow).units(),
        [this] {
            const std::optional<double> start = m_device->startFreq();
            const std::optional<double> step = m_device->stepFreq();
            if (!start || !step)
                return RecommendedResult::Error;
            return std::abs(*start - *step) < StepTolerance ? RecommendedResult::Correct : RecommendedResult::Warning;
        },
        {{key(RecommendedResult::Warning), tr("The low pass mode requires that the start frequency is equal to the "
                                               "step frequency. Disable the low pass check to ignore it.")}});
}

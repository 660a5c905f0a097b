#include "app/testmode/TestModeTableModel.h"

#include "app/formatting/MetricText.h"
#include "app/tables/TableRegistration.h"
#include "app/testmode/SetupFixturePorts.h"
#include "engine/parameters/ProcessInputParameters.h"
#include "measurement/fixtures/VNAFixtureConnection.h"
#include "measurement/setups/FixtureSetups.h"

#include <cmath>
#include <limits>

using Algorithms::ProcessInputParameters;
using CoreMeasureEnums::RecommendedResult;

namespace {

constexpr int ShownPrecision = 2;

RecommendedResult alwaysCorrect()
{
    return RecommendedResult::Correct;
}

// An edit that hands `store` the typed number when it is one and `accepted`
// holds for it; anything else changes nothing.
TableModelRow::Setter numberSetter(std::function<bool(double)> accepted, std::function<void(double)> store)
{
    return [accepted, store](const QVariant& edit) {
        bool converted = false;
        const double number = edit.toDouble(&converted);
        if (!edit.isNull() && converted && std::isfinite(number) && accepted(number))
            store(number);
    };
}

} // namespace

TestModeTableModel::TestModeTableModel(ProcessInputParameters* parameters, FixtureSetups* setups, QObject* parent)
    : BaseTableModel(parent)
    , m_parameters(parameters)
    , m_setups(setups)
{
    m_parameters->resetToDefaults();
    registerTableType<TestModeTableModel>("TestModeTable", "tm_table_model");
    addParameterRows();
    connectRefreshes();
    connect(m_setups, &FixtureSetups::countChanged, this, &TestModeTableModel::watchFixturePorts);
    watchFixturePorts();
}

bool TestModeTableModel::isTestMode() const
{
    return m_parameters->isTestMode();
}

void TestModeTableModel::setTestMode(bool flagIsTestMode)
{
    if (m_parameters->isTestMode() == flagIsTestMode)
        return;
    m_parameters->setTestMode(flagIsTestMode);
    // These rows now show the other parameter set, and announce no change of their own.
    for (const int modelRow : {CoefficientNrtRow, MinGateTimeRow, LowSignalCenterModeRow, HighSignalCenterModeRow,
                               KaiserBetaXRow, KaiserBetaRow})
        refreshRow(modelRow);
}

void TestModeTableModel::setDefault()
{
    m_parameters->resetToDefaults();
}

QVariant TestModeTableModel::headerRowData(const QModelIndex& index) const
{
    switch (index.column()) {
    case ERROR_COLUMN:
        return QString();
    case NAME_COLUMN:
        return tr("Parameter");
    case VALUE_COLUMN:
        return tr("Value");
    default:
        return tr("Description");
    }
}

TableModelRow& TestModeTableModel::addRow(const QString& name, std::function<QVariant()> value,
                                          const QString& description)
{
    m_rows.emplace_back(name, std::move(value));
    m_rows.back().setRecommended(description, alwaysCorrect);
    return m_rows.back();
}

void TestModeTableModel::addEditableRow(const QString& name, std::function<QVariant()> value,
                                        const QString& description, TableModelRow::Input input,
                                        TableModelRow::Setter setter)
{
    TableModelRow& editable = addRow(name, std::move(value), description);
    editable.setInput(input);
    editable.setSetter(std::move(setter));
}

void TestModeTableModel::addParameterRows()
{
    ProcessInputParameters* p = m_parameters;
    const auto nonNegative = [](double beta) { return beta >= 0.0; };
    // The row names are the keys of the exported parameter file, which read the
    // same in every language: this one has no translation of its own.
    addRow(
        QStringLiteral("Mode"), [p]() -> QVariant { return p->pulseMode() != 0 ? tr("BAND") : tr("LOW"); },
        tr("Low pass: Fstart = Fstep Band pass: Fstart ≠ Fstep"));
    addRow(tr("Length"), [this] { return fixtureDelayText(); }, tr("Calculated fixture delay"));
    addRow(
        tr("4 x Rise time"), [p]() -> QVariant { return toNormalized(4 * p->riseTime(), ShownPrecision); },
        tr("4 * Nrt / max (F)"));
    addRow(
        tr("Rise time"), [p]() -> QVariant { return toNormalized(p->riseTime(), ShownPrecision); },
        tr("Nrt / max (F)"));

    addEditableRow(
        tr("Coefficient N"), [p]() -> QVariant { return p->nRiseTime(); }, tr("For gating window width calculation"),
        TableModelRow::Input::Number,
        numberSetter(
            [](double n) { return n >= 1.0 && n < static_cast<double>(std::numeric_limits<int>::max()) + 1.0; },
            [p](double n) { p->setNRiseTime(static_cast<int>(n)); }));

    // The rise time is this coefficient over the highest frequency: it must stay positive.
    addEditableRow(
        tr("Coefficient Nrt"), [p]() -> QVariant { return p->normalizingValue(); }, tr("For rise time calculation"),
        TableModelRow::Input::Number,
        numberSetter([](double nrt) { return nrt > 0.0; }, [p](double nrt) { p->setNormalizingValue(nrt); }));

    addEditableRow(
        tr("Min gate time"), [p]() -> QVariant { return toNormalized(p->timeMin(), ShownPrecision) + "s"; },
        tr("Minus Calculated Fixture Delay "), TableModelRow::Input::PrefixedNumber, [p](const QVariant& edit) {
            if (const std::optional<double> time = readMetric(edit.toString().remove('s')))
                p->setTimeMin(*time);
        });

    addCenterModeRows();

    addEditableRow(
        tr("Kaiser Beta X"), [p]() -> QVariant { return p->kaiserBetaX(); },
        tr("Windowing to reduce effects of truncation"), TableModelRow::Input::Number,
        numberSetter(nonNegative, [p](double beta) { p->setKaiserBetaX(beta); }));
    addEditableRow(
        tr("Kaiser Beta"), [p]() -> QVariant { return p->kaiserBeta(); }, tr("Gating window"),
        TableModelRow::Input::Number, numberSetter(nonNegative, [p](double beta) { p->setKaiserBeta(beta); }));

    addRow(
        tr("Step response start"),
        [p]() -> QVariant {
            return p->pulseMode() != 0 ? QStringLiteral("---") : toNormalized(p->startZero(), ShownPrecision);
        },
        tr("-0.5 /(F(2)-F(1))"));
}

void TestModeTableModel::addCenterModeRows()
{
    ProcessInputParameters* p = m_parameters;
    const auto modeText = [](int mode) -> QVariant { return mode != 0 ? tr("BASE") : tr("MEAS"); };
    const auto modeOf = [](const QVariant& edit) { return edit.toString() == tr("MEAS") ? 0 : 1; };

    TableModelRow& low = addRow(
        tr("Low signal center mode"), [p, modeText] { return modeText(p->lowSignalCenterMode()); },
        tr("To reduce edge effects"));
    low.setEnumerationValues({tr("MEAS"), tr("BASE")});
    low.setSetter([p, modeOf](const QVariant& edit) { p->setLowSignalCenterMode(modeOf(edit)); });

    TableModelRow& high = addRow(
        tr("High signal center mode"), [p, modeText] { return modeText(p->highSignalCenterMode()); },
        tr("To reduce edge effects"));
    high.setEnumerationValues({tr("MEAS"), tr("BASE")});
    high.setSetter([p, modeOf](const QVariant& edit) { p->setHighSignalCenterMode(modeOf(edit)); });
}

void TestModeTableModel::connectRefreshes()
{
    refreshOn(m_parameters, &ProcessInputParameters::sigPulseModeChanged, {ModeRow});
    refreshOn(m_parameters, &ProcessInputParameters::sigRiseTimeChanged, {FourRiseTimesRow, RiseTimeRow});
    refreshOn(m_parameters, &ProcessInputParameters::sigNRiseTimeChanged, {CoefficientNRow});
    refreshOn(m_parameters, &ProcessInputParameters::sigNormalizingValueChanged, {CoefficientNrtRow});
    refreshOn(m_parameters, &ProcessInputParameters::sigTimeMinChanged, {MinGateTimeRow});
    refreshOn(m_parameters, &ProcessInputParameters::sigLowSignalCenterModeChanged, {LowSignalCenterModeRow});
    refreshOn(m_parameters, &ProcessInputParameters::sigHighSignalCenterModeChanged, {HighSignalCenterModeRow});
    refreshOn(m_parameters, &ProcessInputParameters::sigKaiserBetaXChanged, {KaiserBetaXRow});
    refreshOn(m_parameters, &ProcessInputParameters::sigKaiserBetaChanged, {KaiserBetaRow});
    refreshOn(m_parameters, &ProcessInputParameters::sigStartZeroChanged, {StepResponseStartRow});
}

QVariant TestModeTableModel::fixtureDelayText() const
{
    if (!m_setups)
        return QStringLiteral("---");
    for (const QmlFixturePort* port : setupFixturePorts(setupFixtures(*m_setups))) {
        const QVariant delay = port->impRespLength();
        if (delay.isValid())
            return toNormalized(delay.toDouble(), ShownPrecision) + "s";
    }
    return QStringLiteral("---");
}

void TestModeTableModel::watchFixturePorts()
{
    for (const QMetaObject::Connection& watch : qAsConst(m_portWatches))
        disconnect(watch);
    m_portWatches.clear();
    if (!m_setups)
        return;
    for (int i = 0; i < m_setups->getCount(); ++i)
        m_portWatches << connect(m_setups->setup(i), &NoltAlgorithmsSetup::stepsChanged, this,
                                 &TestModeTableModel::watchFixturePorts);
    const std::vector<VNAFixtureConnection*> fixtures = setupFixtures(*m_setups);
    for (VNAFixtureConnection* fixture : fixtures)
        for (auto rowsChanged : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
            m_portWatches << connect(fixture->measureDataModel(), rowsChanged, this,
                                     &TestModeTableModel::watchFixturePorts);
    for (QmlFixturePort* port : setupFixturePorts(fixtures))
        m_portWatches << connect(port, &QmlFixturePort::impulseResponseChangedQml, this,
                                 [this] { refreshRow(LengthRow); });
    refreshRow(LengthRow);
}

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

TableModelRow& TestModeTableModel::addRow(const char* name, Value value, const QString& description)
{
    m_rows.emplace_back(tr(name), [value] { return value(Language::Shown); });
    TableModelRow& added = m_rows.back();
    added.setExported(QString::fromLatin1(name), [value] { return value(Language::English); });
    added.setRecommended(description, alwaysCorrect);
    return added;
}

void TestModeTableModel::addEditableRow(const char* name, Value value, const QString& description,
                                        TableModelRow::Input input, TableModelRow::Setter setter)
{
    TableModelRow& editable = addRow(name, std::move(value), description);
    editable.setInput(input);
    editable.setSetter(std::move(setter));
}

QString TestModeTableModel::word(const char* english, Language language)
{
    return language == Language::Shown ? tr(english) : QString::fromLatin1(english);
}

QString TestModeTableModel::prefixed(double value, Language language)
{
    return toNormalized(value, ShownPrecision,
                        language == Language::Shown ? PrefixLanguage::Interface : PrefixLanguage::English);
}

QString TestModeTableModel::seconds(double value, Language language)
{
    return prefixed(value, language) + word(QT_TR_NOOP("s"), language);
}

void TestModeTableModel::addParameterRows()
{
    ProcessInputParameters* p = m_parameters;
    const auto nonNegative = [](double beta) { return beta >= 0.0; };
    addRow(
        QT_TR_NOOP("Mode"),
        [p](Language language) -> QVariant {
            return p->pulseMode() != 0 ? word(QT_TR_NOOP("BAND"), language) : word(QT_TR_NOOP("LOW"), language);
        },
        tr("Low pass: Fstart = Fstep Band pass: Fstart ≠ Fstep"));
    addRow(
        QT_TR_NOOP("Length"), [this](Language language) { return fixtureDelayText(language); },
        tr("Calculated fixture delay"));
    addRow(
        QT_TR_NOOP("4 x Rise time"),
        [p](Language language) -> QVariant { return prefixed(4 * p->riseTime(), language); },
        tr("4 * Nrt / max (F)"));
    addRow(
        QT_TR_NOOP("Rise time"), [p](Language language) -> QVariant { return prefixed(p->riseTime(), language); },
        tr("Nrt / max (F)"));

    addEditableRow(
        QT_TR_NOOP("Coefficient N"), [p](Language) -> QVariant { return p->nRiseTime(); },
        tr("For gating window width calculation"), TableModelRow::Input::Number,
        numberSetter(
            [](double n) { return n >= 1.0 && n < static_cast<double>(std::numeric_limits<int>::max()) + 1.0; },
            [p](double n) { p->setNRiseTime(static_cast<int>(n)); }));

    // The rise time is this coefficient over the highest frequency: it must stay positive.
    addEditableRow(
        QT_TR_NOOP("Coefficient Nrt"), [p](Language) -> QVariant { return p->normalizingValue(); },
        tr("For rise time calculation"), TableModelRow::Input::Number,
        numberSetter([](double nrt) { return nrt > 0.0; }, [p](double nrt) { p->setNormalizingValue(nrt); }));

    addEditableRow(
        QT_TR_NOOP("Min gate time"), [p](Language language) -> QVariant { return seconds(p->timeMin(), language); },
        tr("Minus Calculated Fixture Delay "), TableModelRow::Input::PrefixedNumber, [p](const QVariant& edit) {
            // The unit in either language; no prefix text holds its letters.
            const QString typed = edit.toString().remove(word("s", Language::Shown)).remove('s');
            if (const std::optional<double> time = readMetric(typed))
                p->setTimeMin(*time);
        });

    addCenterModeRows();

    addEditableRow(
        QT_TR_NOOP("Kaiser Beta X"), [p](Language) -> QVariant { return p->kaiserBetaX(); },
        tr("Windowing to reduce effects of truncation"), TableModelRow::Input::Number,
        numberSetter(nonNegative, [p](double beta) { p->setKaiserBetaX(beta); }));
    addEditableRow(
        QT_TR_NOOP("Kaiser Beta"), [p](Language) -> QVariant { return p->kaiserBeta(); }, tr("Gating window"),
        TableModelRow::Input::Number, numberSetter(nonNegative, [p](double beta) { p->setKaiserBeta(beta); }));

    addRow(
        QT_TR_NOOP("Step response start"),
        [p](Language language) -> QVariant {
            return p->pulseMode() != 0 ? QStringLiteral("---") : prefixed(p->startZero(), language);
        },
        tr("-0.5 /(F(2)-F(1))"));
}

void TestModeTableModel::addCenterModeRows()
{
    ProcessInputParameters* p = m_parameters;
    const auto modeText = [](int mode, Language language) -> QVariant {
        return mode != 0 ? word(QT_TR_NOOP("BASE"), language) : word(QT_TR_NOOP("MEAS"), language);
    };
    // The choice writes back the text it shows; the English one reads alike.
    const auto modeOf = [](const QVariant& edit) {
        const QString chosen = edit.toString();
        return chosen == QLatin1String("MEAS") || chosen == tr("MEAS") ? 0 : 1;
    };
    const QStringList choices{tr("MEAS"), tr("BASE")};

    TableModelRow& low = addRow(
        QT_TR_NOOP("Low signal center mode"),
        [p, modeText](Language language) { return modeText(p->lowSignalCenterMode(), language); },
        tr("To reduce edge effects"));
    low.setEnumerationValues(choices);
    low.setSetter([p, modeOf](const QVariant& edit) { p->setLowSignalCenterMode(modeOf(edit)); });

    TableModelRow& high = addRow(
        QT_TR_NOOP("High signal center mode"),
        [p, modeText](Language language) { return modeText(p->highSignalCenterMode(), language); },
        tr("To reduce edge effects"));
    high.setEnumerationValues(choices);
    high.setSetter([p, modeOf](const QVariant& edit) { p->setHighSignalCenterMode(modeOf(edit)); });
}

void TestModeTableModel::connectRefreshes()
{
    // The step response has no start on a band-pass grid: that row follows the mode too.
    refreshOn(m_parameters, &ProcessInputParameters::sigPulseModeChanged, {ModeRow, StepResponseStartRow});
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

QVariant TestModeTableModel::fixtureDelayText(Language language) const
{
    if (!m_setups)
        return QStringLiteral("---");
    for (const QmlFixturePort* port : setupFixturePorts(setupFixtures(*m_setups))) {
        const QVariant delay = port->impRespLength();
        if (delay.isValid())
            return seconds(delay.toDouble(), language);
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

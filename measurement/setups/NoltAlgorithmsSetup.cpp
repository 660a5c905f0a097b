#include "measurement/setups/NoltAlgorithmsSetup.h"

#include "analyzer/facade/CacheComparison.h"
#include "analyzer/facade/SyncedVnaDevice.h"
#include "measurement/connections/ConnectionReflect.h"
#include "measurement/connections/ConnectionTransmisson.h"
#include "measurement/enums/EnumConversions.h"
#include "measurement/enums/EnumRegistration.h"
#include "measurement/fixtures/VNAFixtureConnection.h"
#include "measurement/measurers/BaseMeasurer.h"
#include "measurement/measurers/FixtureRows.h"
#include "measurement/steps/DutStep.h"
#include "measurement/steps/ReflectionStep.h"
#include "measurement/steps/TransmissionStep.h"

#include <QDebug>
#include <QPointF>
#include <QPointer>
#include <QQmlEngine>
#include <QVector>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <tuple>
#include <utility>

namespace {

constexpr double LowPassStep = 1e7;

void registerTypes()
{
    qmlRegisterUncreatableType<NoltAlgorithmsSetup>("NoltAlgorithmsSetup", 1, 0, "NoltAlgorithmsSetup",
                                                    QStringLiteral("Created by the setup list"));
    qRegisterMetaType<NoltAlgorithmsSetup*>("noltalgorithmssetup");
    // Registering a sequential container also registers its iterable converter.
    qRegisterMetaType<QVector<QPointF>>("qvectorpointf");
    qRegisterMetaType<Step*>("StepP");
    qRegisterMetaType<ConnectionBase*>("ConnectionBP");
    qRegisterMetaType<VNAFixtureConnection*>();
    qRegisterMetaType<uint>("Uint");
    qRegisterMetaType<BaseMeasurer::Status>("Status");
    registerMeasureEnums();
}

std::set<uint> attachedPorts(const VNAFixtureConnection& connection)
{
    const auto& rows = connection.attachedPorts().rows();
    return {rows.begin(), rows.end()};
}

// The fixtures a step measures, as its connection names them: two for a thru, one for a reflect.
std::vector<VNAFixtureConnection*> measuredFixtures(const Step& step)
{
    if (auto* thru = qobject_cast<ConnectionTransmisson*>(step.connection()))
        return {thru->left(), thru->right()};
    if (auto* reflect = qobject_cast<ConnectionReflect*>(step.connection()))
        return {reflect->fixt()};
    return {};
}

// The connections that characterised each fixture of a DUT step, in its fixtures' order.
std::vector<ConnectionBase*> characterisingConnections(const DutStep& dut)
{
    std::vector<ConnectionBase*> connections;
    for (const DutMeasurer* measurer : dut.measurers())
        connections.push_back(measurer->fixtureConnection());
    return connections;
}

} // namespace

NoltAlgorithmsSetup::NoltAlgorithmsSetup(SyncedVnaDevice* device, WorkerThread* worker, ProgressManager* progress,
                                         Algorithms::ProcessInputParameters* params, QObject* parent)
    : QObject(parent)
    , m_device(device)
    , m_worker(worker)
    , m_progress(progress)
    , m_params(params)
    , m_leftConn(makeFixture(tr("A")))
    , m_leftAuxConn(makeFixture(tr("A Aux")))
    , m_rightConn(makeFixture(tr("B")))
    , m_rightAuxConn(makeFixture(tr("B Aux")))
{
    static const bool registered = (registerTypes(), true);
    Q_UNUSED(registered)
    for (VNAFixtureConnection* connection : {m_leftConn.get(), m_leftAuxConn.get(), m_rightConn.get(),
                                             m_rightAuxConn.get()})
        forwardPortErrors(connection);
    connectRules();
    emit abThruConnectionChanged();
    emit selectedPortsCountChanged();
    rebuildUsedPorts();
    assignPorts();
}

NoltAlgorithmsSetup::~NoltAlgorithmsSetup()
{
    m_steps.reset();
}

std::shared_ptr<VNAFixtureConnection> NoltAlgorithmsSetup::makeFixture(const QString& name)
{
    // The fixture lives as long as its connection, which steps and work in flight may hold.
    auto* fixture = new Fixture;
    fixture->setName(name);
    auto connection = makeLaterDeleted<VNAFixtureConnection>(fixture, m_device);
    fixture->setParent(connection.get());
    connection->setWorker(m_worker);
    return connection;
}

void NoltAlgorithmsSetup::forwardPortErrors(VNAFixtureConnection* connection)
{
    connection->watchPorts(this, [this](MeasuredFixturePort* port) {
        connect(port, &MeasuredFixturePort::error, this, &NoltAlgorithmsSetup::error, Qt::UniqueConnection);
    });
}

void NoltAlgorithmsSetup::connectRules()
{
    connect(this, &NoltAlgorithmsSetup::leftFixtureEnabledChanged, this, &NoltAlgorithmsSetup::onFixtureEnabledChanged);
    connect(this, &NoltAlgorithmsSetup::rightFixtureEnabledChanged, this,
            &NoltAlgorithmsSetup::onFixtureEnabledChanged);
    for (auto [main, aux] : {std::pair{m_leftConn.get(), m_leftAuxConn.get()},
                             std::pair{m_rightConn.get(), m_rightAuxConn.get()}}) {
        connect(main->fixture(), &Fixture::portsCountChanged, this, [this, main = main, aux = aux] {
            aux->fixture()->setPortsCount(main->fixture()->portsCount());
            updateAbThru();
        });
    }
    connect(this, &NoltAlgorithmsSetup::abThruConnectionChanged, this, [this] {
        if (m_abThruConnectionEnabled) {
            m_aaConnectionEnabled = false;
            m_bbConnectionEnabled = false;
            emit aaConnectionChanged();
            emit bbConnectionChanged();
        }
        rebuildSteps();
        rebuildUsedPorts();
    });
    auto auxChanged = [this] {
        if ((m_aaConnectionEnabled || m_bbConnectionEnabled) && m_abThruConnectionEnabled)
            setAbThruConnectionEnabled(false);
        rebuildSteps();
        rebuildUsedPorts();
    };
    connect(this, &NoltAlgorithmsSetup::aaConnectionChanged, this, auxChanged);
    connect(this, &NoltAlgorithmsSetup::bbConnectionChanged, this, auxChanged);
    connect(this, &NoltAlgorithmsSetup::abDutConnectionChanged, this, [this] {
        rebuildSteps();
        rebuildUsedPorts();
    });
    connect(this, &NoltAlgorithmsSetup::correctionMethodChanged, this, [this] {
        // The steps learn the method before the DUT rule may replace them, so that
        // the results it takes away are announced too.
        for (const auto& step : m_steps.rows())
            step->setCalcMethod(toCalcMethod(m_correctionMethod));
        clearResultsOfOtherConditions();
        if (m_correctionMethod != MeasureEnums::CorrectionMethod::TIME_GATING)
            setAbDutConnectionEnabled(false);
    });
    connect(this, &NoltAlgorithmsSetup::z0ConversionTypeChanged, this, [this] {
        for (const auto& step : m_steps.rows())
            step->setConversionT(toZ0ConversionType(m_z0ConversionType));
    });
    connect(this, &NoltAlgorithmsSetup::userZ0Changed, this, [this] {
        for (const auto& step : m_steps.rows())
            step->setUserDefZ0(m_userZ0);
    });
    // A port-count change adds or removes cabled ports without a change of any row.
    for (VNAFixtureConnection* connection : {m_leftConn.get(), m_leftAuxConn.get(), m_rightConn.get(),
                                             m_rightAuxConn.get()}) {
        QAbstractItemModel* ports = connection->attachedPortsModel();
        connect(ports, &QAbstractItemModel::dataChanged, this, &NoltAlgorithmsSetup::rebuildUsedPorts);
        connect(ports, &QAbstractItemModel::rowsInserted, this, &NoltAlgorithmsSetup::rebuildUsedPorts);
        connect(ports, &QAbstractItemModel::rowsRemoved, this, &NoltAlgorithmsSetup::rebuildUsedPorts);
        connect(ports, &QAbstractItemModel::modelReset, this, &NoltAlgorithmsSetup::rebuildUsedPorts);
        // Results are another cabling's once a measured step's ports differ from those it measured on.
        connect(ports, &QAbstractItemModel::dataChanged, this, &NoltAlgorithmsSetup::clearResultsOfOtherConditions);
        connect(ports, &QAbstractItemModel::rowsInserted, this, &NoltAlgorithmsSetup::clearResultsOfOtherConditions);
        connect(ports, &QAbstractItemModel::rowsRemoved, this, &NoltAlgorithmsSetup::clearResultsOfOtherConditions);
        connect(ports, &QAbstractItemModel::modelReset, this, &NoltAlgorithmsSetup::clearResultsOfOtherConditions);
    }
    if (m_device) {
        connect(m_device, &SyncedVnaDevice::startFreqChanged, this, &NoltAlgorithmsSetup::lowPassModeChanged);
        connect(m_device, &SyncedVnaDevice::stepFreqChanged, this, &NoltAlgorithmsSetup::lowPassModeChanged);
        connect(m_device, &SyncedVnaDevice::portsCountChanged, this, &NoltAlgorithmsSetup::followAnalyzerPortsCount);
    }
}

void NoltAlgorithmsSetup::setLeftFixtureEnabled(bool enabled)
{
    if (m_leftFixtureEnabled == enabled)
        return;
    m_leftFixtureEnabled = enabled;
    emit leftFixtureEnabledChanged();
}

void NoltAlgorithmsSetup::setRightFixtureEnabled(bool enabled)
{
    if (m_rightFixtureEnabled == enabled)
        return;
    m_rightFixtureEnabled = enabled;
    emit rightFixtureEnabledChanged();
}

void NoltAlgorithmsSetup::setAbThruConnectionEnabled(bool enabled)
{
    if (m_abThruConnectionEnabled == enabled)
        return;
    m_abThruConnectionEnabled = enabled;
    emit abThruConnectionChanged();
}

void NoltAlgorithmsSetup::setAaConnectionEnabled(bool enabled)
{
    if (m_aaConnectionEnabled == enabled)
        return;
    m_aaConnectionEnabled = enabled;
    emit aaConnectionChanged();
}

void NoltAlgorithmsSetup::setBbConnectionEnabled(bool enabled)
{
    if (m_bbConnectionEnabled == enabled)
        return;
    m_bbConnectionEnabled = enabled;
    emit bbConnectionChanged();
}

void NoltAlgorithmsSetup::setAbDutConnectionEnabled(bool enabled)
{
    if (m_abDutConnectionEnabled == enabled)
        return;
    m_abDutConnectionEnabled = enabled;
    emit abDutConnectionChanged();
}

void NoltAlgorithmsSetup::setCorrectionMethod(MeasureEnums::CorrectionMethod method)
{
    if (m_correctionMethod == method)
        return;
    m_correctionMethod = method;
    emit correctionMethodChanged();
}

void NoltAlgorithmsSetup::setZ0ConversionType(MeasureEnums::Z0Conversion type)
{
    if (m_z0ConversionType == type)
        return;
    m_z0ConversionType = type;
    emit z0ConversionTypeChanged();
}

void NoltAlgorithmsSetup::setUserZ0(double z0)
{
    if (CacheComparison::fuzzyEqual(m_userZ0, z0))
        return;
    m_userZ0 = z0;
    emit userZ0Changed();
}

void NoltAlgorithmsSetup::onFixtureEnabledChanged()
{
    updateAbThru();
    rebuildUsedPorts();
    if (!m_leftFixtureEnabled && !m_rightFixtureEnabled)
        setAbDutConnectionEnabled(false);
    rebuildSteps();
}

void NoltAlgorithmsSetup::updateAbThru()
{
    setAbThruConnectionEnabled(m_leftFixtureEnabled && m_rightFixtureEnabled
                               && m_leftConn->fixture()->portsCount() == m_rightConn->fixture()->portsCount());
    emit selectedPortsCountChanged();
}

uint NoltAlgorithmsSetup::selectedPortsCount() const
{
    return (m_leftFixtureEnabled ? m_leftConn->fixture()->portsCount() : 0)
        + (m_rightFixtureEnabled ? m_rightConn->fixture()->portsCount() : 0);
}

void NoltAlgorithmsSetup::rebuildUsedPorts()
{
    std::vector<uint> ports;
    auto add = [&ports](bool enabled, const VNAFixtureConnection& connection) {
        if (enabled)
            ports.insert(ports.end(), connection.attachedPorts().rows().begin(), connection.attachedPorts().rows().end());
    };
    add(m_leftFixtureEnabled, *m_leftConn);
    add(m_rightFixtureEnabled, *m_rightConn);
    add(m_aaConnectionEnabled, *m_leftAuxConn);
    add(m_bbConnectionEnabled, *m_rightAuxConn);
    m_usedPorts.reset();
    m_usedPorts.append(std::move(ports));
}

std::shared_ptr<ConnectionBase> NoltAlgorithmsSetup::thru(const std::shared_ptr<VNAFixtureConnection>& left,
                                                          const std::shared_ptr<VNAFixtureConnection>& right) const
{
    return makeLaterDeleted<ConnectionTransmisson>(left.get(), right.get(), m_params);
}

std::shared_ptr<Step> NoltAlgorithmsSetup::sideStep(const std::shared_ptr<VNAFixtureConnection>& main,
                                                    const std::shared_ptr<VNAFixtureConnection>& aux,
                                                    bool withAux) const
{
    if (withAux)
        return makeLaterDeleted<TransmissionStep>(std::static_pointer_cast<ConnectionTransmisson>(thru(main, aux)),
                                                  main, aux, m_device, m_worker, m_progress);
    return makeLaterDeleted<ReflectionStep>(makeLaterDeleted<ConnectionReflect>(main.get(), m_params), main, m_device,
                                            m_worker, m_progress);
}

void NoltAlgorithmsSetup::rebuildSteps()
{
    // A DUT step exists only with time gating; clearing the flag rebuilds once more.
    if (m_abDutConnectionEnabled && m_correctionMethod != MeasureEnums::CorrectionMethod::TIME_GATING) {
        setAbDutConnectionEnabled(false);
        return;
    }
    const std::vector<std::shared_ptr<Step>> earlier(m_steps.rows().begin(), m_steps.rows().end());
    m_steps.reset();
    std::vector<std::shared_ptr<Step>> steps;
    if (m_leftFixtureEnabled || m_rightFixtureEnabled)
        steps = derivedSteps(earlier);
    m_steps.reset(steps);
    emit stepsChanged();
    for (const auto& step : steps) {
        step->setConversionT(toZ0ConversionType(m_z0ConversionType));
        step->setUserDefZ0(m_userZ0);
        step->setCalcMethod(toCalcMethod(m_correctionMethod));
    }
    dropSteps(earlier, steps);
}

std::vector<std::shared_ptr<Step>> NoltAlgorithmsSetup::derivedSteps(const std::vector<std::shared_ptr<Step>>& earlier)
{
    std::vector<std::shared_ptr<Step>> steps;
    std::vector<std::shared_ptr<ConnectionBase>> connections;
    // A step that measures the same fixtures as one before keeps that one, with its results.
    auto add = [&](const std::vector<VNAFixtureConnection*>& fixtures, auto make) {
        auto kept = std::find_if(earlier.begin(), earlier.end(), [&](const std::shared_ptr<Step>& step) {
            return !qobject_cast<DutStep*>(step.get()) && measuredFixtures(*step) == fixtures;
        });
        std::shared_ptr<Step> step = kept != earlier.end() ? *kept : make();
        if (kept == earlier.end())
            registerStep(step);
        // The DUT step keeps the characterising steps, with their connections and kept processes.
        connections.push_back(std::shared_ptr<ConnectionBase>(step, step->connection()));
        steps.push_back(std::move(step));
    };
    if (m_abThruConnectionEnabled) {
        add({m_leftConn.get(), m_rightConn.get()}, [this] {
            return makeLaterDeleted<TransmissionStep>(
                std::static_pointer_cast<ConnectionTransmisson>(thru(m_leftConn, m_rightConn)), m_leftConn,
                m_rightConn, m_device, m_worker, m_progress);
        });
    } else {
        for (auto [enabled, withAux, main, aux] :
             {std::tuple{m_leftFixtureEnabled, m_aaConnectionEnabled, &m_leftConn, &m_leftAuxConn},
              std::tuple{m_rightFixtureEnabled, m_bbConnectionEnabled, &m_rightConn, &m_rightAuxConn}}) {
            if (!enabled)
                continue;
            const auto fixtures = withAux ? std::vector{main->get(), aux->get()} : std::vector{main->get()};
            add(fixtures, [this, main = main, aux = aux, withAux = withAux] {
                return sideStep(*main, *aux, withAux);
            });
        }
    }
    if (!m_abDutConnectionEnabled) {
        for (const auto& step : steps) {
            step->setOffsetFollowUp(nullptr);
            step->setRemeasuredFollowUp(nullptr);
        }
        return steps;
    }
    std::shared_ptr<DutStep> dut = dutStep(earlier, connections);
    // The DUT measured on the halves follows their offsets, and ends on every half when any of them is
    // measured again or cleared.
    for (const auto& step : steps) {
        step->setOffsetFollowUp([dut = std::weak_ptr<DutStep>(dut)]() -> Step::FollowUp {
            const std::shared_ptr<DutStep> held = dut.lock();
            return held ? held->recalculation() : Step::FollowUp{};
        });
        step->setRemeasuredFollowUp(
            [dut = std::weak_ptr<DutStep>(dut), connection = step->connection()]() -> Step::Ending {
                const std::shared_ptr<DutStep> held = dut.lock();
                return held ? held->ending(connection) : Step::Ending{};
            });
    }
    steps.push_back(std::move(dut));
    return steps;
}

std::shared_ptr<DutStep> NoltAlgorithmsSetup::dutStep(const std::vector<std::shared_ptr<Step>>& earlier,
                                                      std::vector<std::shared_ptr<ConnectionBase>> connections)
{
    const bool both = m_leftFixtureEnabled && m_rightFixtureEnabled;
    const auto& single = m_leftFixtureEnabled ? m_leftConn : m_rightConn;
    const std::vector<VNAFixtureConnection*> fixtures =
        both ? std::vector{m_leftConn.get(), m_rightConn.get()} : std::vector{single.get()};
    const std::vector<ConnectionBase*> characterising = both
        ? std::vector{connections.front().get(), connections.back().get()}
        : std::vector{connections.front().get()};
    // The DUT measured before stays while it is measured on the same fixtures and calculated
    // with the same characterising connections.
    for (const auto& step : earlier) {
        auto* dut = qobject_cast<DutStep*>(step.get());
        if (dut && measuredFixtures(*dut) == fixtures && characterisingConnections(*dut) == characterising)
            return std::static_pointer_cast<DutStep>(step);
    }
    auto connection = both ? thru(m_leftConn, m_rightConn)
                           : std::shared_ptr<ConnectionBase>(makeLaterDeleted<ConnectionReflect>(single.get(), m_params));
    auto dut = makeLaterDeleted<DutStep>(std::move(connection), std::move(connections),
                                         both ? std::vector{m_leftConn, m_rightConn} : std::vector{single}, m_device,
                                         m_worker, m_progress);
    registerStep(dut);
    return dut;
}

void NoltAlgorithmsSetup::dropSteps(const std::vector<std::shared_ptr<Step>>& earlier,
                                    const std::vector<std::shared_ptr<Step>>& kept)
{
    bool cleared = false;
    for (const auto& step : earlier) {
        if (std::find(kept.begin(), kept.end(), step) != kept.end())
            continue;
        cleared = cleared || step->holdsResults() || step->measureStatus() != MeasureEnums::MeasureStatus::NONE;
        // The DUT's reflections leave the halves of the steps that stay.
        if (auto* dut = qobject_cast<DutStep*>(step.get()))
            withdrawDut(*dut);
    }
    if (cleared)
        emit resultsCleared(Step::Condition::Connection);
}

void NoltAlgorithmsSetup::withdrawDut(const DutStep& dut)
{
    if (m_worker)
        m_worker->post([fixtures = dut.fixtureRows()] { DutMeasurer::withdrawFrom(fixtures); });
}

void NoltAlgorithmsSetup::clearResultsOfOtherConditions()
{
    Step::Conditions changed;
    for (const auto& step : m_steps.rows())
        changed |= step->clearResultsOfOtherConditions();
    if (changed)
        emit resultsCleared(changed);
}

void NoltAlgorithmsSetup::registerStep(const std::shared_ptr<Step>& step)
{
    connect(step.get(), &Step::error, this, &NoltAlgorithmsSetup::error);
    connect(step.get(), &Step::cancelled, this, [this] { emit message(tr("Measurement cancelled")); });
    connect(this, &NoltAlgorithmsSetup::interrupted, step.get(), &Step::interrupt);
    step->setKeepAlive([setup = QPointer<NoltAlgorithmsSetup>(this)]() -> std::shared_ptr<QObject> {
        return setup ? setup->weak_from_this().lock() : nullptr;
    });
}

std::optional<int> NoltAlgorithmsSetup::analyzerPortsCount() const
{
    const std::optional<int> count = m_device ? m_device->portsCount() : std::nullopt;
    return count && *count > 0 ? count : std::nullopt;
}

void NoltAlgorithmsSetup::followAnalyzerPortsCount()
{
    const std::optional<int> count = analyzerPortsCount();
    if (count && count != m_assignedPortsCount)
        assignPorts();
}

void NoltAlgorithmsSetup::assignPorts()
{
    m_assignedPortsCount = analyzerPortsCount();
    const uint ports = static_cast<uint>(m_assignedPortsCount.value_or(1));
    std::set<uint> all;
    for (uint port = 0; port < ports; ++port)
        all.insert(port);
    const bool everyRow = VNAFixtureConnection::assignFreePorts({m_leftConn.get(), m_rightConn.get()}, all);
    for (auto [main, aux] : {std::pair{m_leftConn.get(), m_leftAuxConn.get()},
                             std::pair{m_rightConn.get(), m_rightAuxConn.get()}}) {
        std::set<uint> free;
        if (everyRow) {
            free = all;
            for (uint port : attachedPorts(*main))
                free.erase(port);
        }
        VNAFixtureConnection::assignFreePorts({aux}, free);
    }
}

bool NoltAlgorithmsSetup::isLowPassMode() const
{
    if (!m_device)
        return false;
    const auto start = m_device->startFreq();
    const auto step = m_device->stepFreq();
    const auto stop = m_device->stopFreq();
    return start && step && stop && std::abs(*start - *step) < 1.0;
}

bool NoltAlgorithmsSetup::setLowPassMode()
{
    const auto stop = m_device ? m_device->stopFreq() : std::nullopt;
    const auto points = m_device ? m_device->pointsCount() : std::nullopt;
    if (!stop || !points || *points == 0)
        return false;
    m_device->setStartFreq(*stop / *points);
    return true;
}

bool NoltAlgorithmsSetup::set10MhzLowPassMode()
{
    const auto maximum = m_device ? m_device->maxFreq() : std::nullopt;
    if (!maximum)
        return false;
    const double points = std::trunc(*maximum / LowPassStep);
    if (!(points >= 2.0)) {
        emit error(tr("The analyzer's maximum frequency is too low for a 10 MHz low-pass sweep"));
        return false;
    }
    // More points than a point count can hold cannot be sent.
    if (!(points <= static_cast<double>(std::numeric_limits<uint>::max()))) {
        emit error(tr("The analyzer's maximum frequency is too high for a 10 MHz low-pass sweep"));
        return false;
    }
    // The stop lies on the 10 MHz grid, within the maximum, so that every point is a harmonic.
    m_device->setPointsCount(static_cast<uint>(points));
    m_device->setStartFreq(LowPassStep);
    m_device->setStopFreq(points * LowPassStep);
    return true;
}

void NoltAlgorithmsSetup::interrupt()
{
    qDebug() << "Setup interrupted";
    emit interrupted();
}

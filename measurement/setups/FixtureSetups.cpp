#include "measurement/setups/FixtureSetups.h"

#include "analyzer/threading/WorkerThread.h"

#include <QQmlEngine>

#include <cmath>
#include <utility>

FixtureSetups::FixtureSetups(Algorithms::ProcessInputParameters* params, SyncedVnaDevice* device,
                             WorkerThread* worker, ProgressManager* progress, QObject* parent)
    : QObject(parent)
    , m_device(device)
    , m_worker(worker)
    , m_progress(progress)
    , m_params(params)
{
    qmlRegisterUncreatableType<FixtureSetups>("FixtureSetups", 1, 0, "FixtureSetups",
                                              QStringLiteral("Created by the backend"));
    qRegisterMetaType<FixtureSetups*>();
    restoreDefaults();
    connect(&m_setups, &QAbstractItemModel::rowsInserted, this, &FixtureSetups::countChanged);
    connect(&m_setups, &QAbstractItemModel::rowsRemoved, this, &FixtureSetups::countChanged);
}

NoltAlgorithmsSetup* FixtureSetups::setup(int row) const
{
    return row >= 0 && row < m_setups.size() ? m_setups.at(row).get() : nullptr;
}

void FixtureSetups::setSelected(int i)
{
    m_selected = i;
    emit selectedChanged();
}

void FixtureSetups::addSetup()
{
    auto setup = makeLaterDeleted<NoltAlgorithmsSetup>(m_device, m_worker, m_progress, m_params);
    NoltAlgorithmsSetup* raw = setup.get();
    raw->setZ0ConversionType(m_z0ConversionType);
    raw->setUserZ0(m_userZ0);
    raw->setCorrectionMethod(m_correctionMethod);
    // The setup is the context of every connection, so that none outlives it.
    auto pushImpedance = [this, raw] {
        raw->setZ0ConversionType(m_z0ConversionType);
        raw->setUserZ0(m_userZ0);
    };
    connect(this, &FixtureSetups::z0ConversionTypeChanged, raw, pushImpedance);
    connect(this, &FixtureSetups::userZ0Changed, raw, pushImpedance);
    connect(this, &FixtureSetups::correctionMethodChanged, raw, &NoltAlgorithmsSetup::setCorrectionMethod);
    connect(raw, &NoltAlgorithmsSetup::error, this, &FixtureSetups::error);
    connect(raw, &NoltAlgorithmsSetup::message, this, &FixtureSetups::message);
    connect(raw, &NoltAlgorithmsSetup::resultsCleared, this, &FixtureSetups::noteClearedResults);
    connect(raw, &NoltAlgorithmsSetup::selectedPortsCountChanged, this, &FixtureSetups::selectedPortsCountChanged);
    connect(raw->usedPorts(), &details::Base::changed, this, &FixtureSetups::usedVnaPortsChanged);
    connect(this, &FixtureSetups::interrupted, raw, &NoltAlgorithmsSetup::interrupt);
    m_setups.append(std::move(setup));
}

void FixtureSetups::removeSetup(int i)
{
    if (!m_setups.remove(i, 1))
        return;
    // The selection follows the setup it showed; a removed selection moves to the one before.
    if (m_selected >= i) {
        m_selected = m_selected == i ? i - 1 : m_selected - 1;
        emit selectedChanged();
    }
}

void FixtureSetups::setZ0ConversionType(MeasureEnums::Z0Conversion type)
{
    if (m_z0ConversionType == type)
        return;
    m_z0ConversionType = type;
    emit z0ConversionTypeChanged();
}

void FixtureSetups::setCorrectionMethod(MeasureEnums::CorrectionMethod method)
{
    if (m_correctionMethod == method)
        return;
    m_correctionMethod = method;
    emit correctionMethodChanged(method);
}

void FixtureSetups::setUserZ0(double value)
{
    if (!std::isfinite(value) || value <= 0.0) {
        emit error(tr("The impedance must be a positive number of ohms"));
        return;
    }
    if (m_userZ0 == value)
        return;
    m_userZ0 = value;
    emit userZ0Changed();
}

void FixtureSetups::interrupt()
{
    emit interrupted();
}

uint FixtureSetups::selectedPortsCount() const
{
    uint count = 0;
    for (const auto& setup : m_setups.rows())
        count += setup->selectedPortsCount();
    return count;
}

QSet<uint32_t> FixtureSetups::getUsedVnaPorts() const
{
    QSet<uint32_t> ports;
    for (const auto& setup : m_setups.rows()) {
        for (uint port : setup->usedPorts()->rows())
            ports.insert(port);
    }
    return ports;
}

void FixtureSetups::restoreDefaults()
{
    setCorrectionMethod(MeasureEnums::CorrectionMethod::TIME_GATING);
    setZ0ConversionType(MeasureEnums::Z0Conversion::System);
    if (m_userZ0 != 50.0) {
        m_userZ0 = 50.0;
        emit userZ0Changed();
    }
    addSetup();
    m_selected = 0;
    emit selectedChanged();
}

void FixtureSetups::noteClearedResults(Step::Conditions changed)
{
    // A change reaches every setup, and a recall changes several in a row: the notice
    // waits for the action to end.
    if (!m_clearedFor)
        QMetaObject::invokeMethod(this, &FixtureSetups::announceClearedResults, Qt::QueuedConnection);
    m_clearedFor |= changed;
    emit resultsCleared();
}

void FixtureSetups::announceClearedResults()
{
    const Step::Conditions changed = std::exchange(m_clearedFor, {});
    // A change clears a step once: what changed first is why its results went.
    if (changed.testFlag(Step::Condition::Method))
        emit message(tr("Results measured with another correction method were cleared: measure the fixtures again"));
    else if (changed.testFlag(Step::Condition::Cabling))
        emit message(tr("Results measured on other analyzer ports were cleared: measure the fixtures again"));
    else if (changed.testFlag(Step::Condition::Connection))
        emit message(tr("Results of the steps that the new connections leave out were cleared"));
}

void FixtureSetups::preset()
{
    // The model lets go of the setups; work in flight still holds those it uses.
    m_setups.reset();
    if (m_worker)
        m_worker->clear();
    restoreDefaults();
}

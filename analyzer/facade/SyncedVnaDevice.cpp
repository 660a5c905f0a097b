#include "analyzer/facade/SyncedVnaDevice.h"

#include "analyzer/facade/CacheComparison.h"
#include "analyzer/threading/WaitForResult.h"
#include "analyzer/threading/WorkerThread.h"

#include <QDebug>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

using namespace CacheComparison;

SyncedVnaDevice::SyncedVnaDevice(QObject* parent, std::chrono::milliseconds connectTimeLimit)
    : QObject(parent)
    , m_worker(new WorkerThread(this))
    , m_device(new VNADevice(nullptr, connectTimeLimit))
{
    qRegisterMetaType<std::optional<int>>("optint");
    qRegisterMetaType<VnaInfo>("VnaInfo");
    qRegisterMetaType<QAbstractSocket::SocketState>("QAbstractSocket::SocketState");

    m_device->moveToThread(m_worker->workerThread());
    // Deleted on its own thread once the worker's loop has ended.
    connect(m_worker->workerThread(), &QThread::finished, m_device, &QObject::deleteLater);

    connect(m_device, &VNADevice::stateChanged, this, [this](QAbstractSocket::SocketState state) {
        emit stateChanged(state);
        emit isConnectedChanged();
    });
    connect(m_device, &VNADevice::error, this, &SyncedVnaDevice::error);
}

SyncedVnaDevice::~SyncedVnaDevice()
{
    m_worker->clear();
    VNADevice* device = m_device;
    QMetaObject::invokeMethod(
        device, [device] { device->disconnectFromDevice(); }, Qt::BlockingQueuedConnection);
    m_worker->stop();
}

QString SyncedVnaDevice::address() const { return m_address.get(); }
ushort SyncedVnaDevice::port() const { return m_port.get(); }
std::optional<bool> SyncedVnaDevice::isReady() const { return m_isReady.get(); }
std::optional<SweepType> SyncedVnaDevice::sweepType() const { return m_sweepType.get(); }
std::optional<double> SyncedVnaDevice::startFreq() const { return m_startFreq.get(); }
std::optional<double> SyncedVnaDevice::stopFreq() const { return m_stopFreq.get(); }
std::optional<double> SyncedVnaDevice::maxFreq() const { return m_maxFreq.get(); }
std::optional<uint> SyncedVnaDevice::pointsCount() const { return m_pointsCount.get(); }
std::optional<double> SyncedVnaDevice::stepFreq() const { return m_stepFreq.get(); }
std::optional<double> SyncedVnaDevice::ifBandwidth() const { return m_ifBandwidth.get(); }
std::optional<double> SyncedVnaDevice::outputPower() const { return m_outputPower.get(); }
std::optional<VnaInfo> SyncedVnaDevice::vnaInfo() const { return m_vnaInfo.get(); }
std::optional<VNADevice::CalibrationType> SyncedVnaDevice::calibrationType() const { return m_calibrationType.get(); }
std::optional<bool> SyncedVnaDevice::isExtrapolated() const { return m_isExtrapolated.get(); }
std::optional<bool> SyncedVnaDevice::isInterpolated() const { return m_isInterpolated.get(); }
std::vector<double> SyncedVnaDevice::calibratedPorts() const
{
    return m_calibratedPorts.get().value_or(std::vector<double>{});
}
std::optional<int> SyncedVnaDevice::portsCount() const { return m_portsCount.get(); }
std::optional<bool> SyncedVnaDevice::enablePowerSourceState() const { return m_powerSourceState.get(); }

std::optional<double> SyncedVnaDevice::impedance(uint port) const
{
    const std::vector<std::optional<double>> impedances = m_impedances.get();
    return port < impedances.size() ? impedances[port] : std::nullopt;
}

bool SyncedVnaDevice::isConnected() const
{
    return m_device->isConnected();
}

QVariant SyncedVnaDevice::portsCountVariant() const
{
    const std::optional<int> count = portsCount();
    return count ? QVariant(*count) : QVariant();
}

QVariant SyncedVnaDevice::vnaInfoVariant() const
{
    const std::optional<VnaInfo> info = vnaInfo();
    return info ? QVariant::fromValue(*info) : QVariant();
}

QVariant SyncedVnaDevice::isReadyVariant() const
{
    const std::optional<bool> ready = isReady();
    return ready ? QVariant(*ready) : QVariant();
}

QVariant SyncedVnaDevice::calibratedPortsVariant() const
{
    const std::optional<std::vector<double>> ports = m_calibratedPorts.get();
    if (!ports)
        return QVariant();
    QVariantList list;
    for (const double port : *ports)
        list.append(port);
    return list;
}

void SyncedVnaDevice::setAddress(const QString& address)
{
    if (m_address.replaceIf(address, [](const QString& old, const QString& fresh) { return old != fresh; }))
        emit addressChanged();
}

void SyncedVnaDevice::setPort(ushort port)
{
    if (m_port.replaceIf(port, [](ushort old, ushort fresh) { return old != fresh; }))
        emit portChanged();
}

// --- posting -------------------------------------------------------------

void SyncedVnaDevice::postTask(std::function<void()> work, std::function<void()> dropped)
{
    m_worker->post(
        [device = m_device, work = std::move(work)] {
            device->beginTask();
            work();
        },
        std::move(dropped));
}

template <typename Result>
void SyncedVnaDevice::postWithCallback(std::function<Result()> work, std::function<void(Result)> callback)
{
    auto deliver = std::make_shared<std::function<void(Result)>>(std::move(callback));
    postTask(
        [work = std::move(work), deliver] {
            Result result{};
            try {
                result = work();
            } catch (...) {
                (*deliver)(Result{});
                throw;
            }
            (*deliver)(std::move(result));
        },
        [deliver] { (*deliver)(Result{}); });
}

void SyncedVnaDevice::postDeviceWork(std::function<bool(VNADevice&, std::optional<uint>)> work,
                                     std::function<void(bool)> callback)
{
    postWithCallback<bool>([this, work = std::move(work)] { return work(*m_device, m_activeChannel); },
                           std::move(callback));
}

void SyncedVnaDevice::postWithChannel(std::function<void(VNADevice&, uint)> work)
{
    postTask([this, work = std::move(work)] {
        if (m_activeChannel)
            work(*m_device, *m_activeChannel);
    });
}

void SyncedVnaDevice::postToDevice(std::function<void(VNADevice&)> work)
{
    postTask([this, work = std::move(work)] { work(*m_device); });
}

// --- asynchronous operations --------------------------------------------

void SyncedVnaDevice::refresh(std::function<void(bool)> callback)
{
    postWithCallback<bool>([this] { return runRefresh(); }, std::move(callback));
}

void SyncedVnaDevice::startAutoRefresh()
{
    if (m_autoRefreshStarted.exchange(true))
        return;
    postPeriodicRefresh();
}

void SyncedVnaDevice::postPeriodicRefresh()
{
    postTask([this] {
        runRefresh();
        QMetaObject::invokeMethod(
            this, [this] { QTimer::singleShot(RefreshPauseMs, this, &SyncedVnaDevice::postPeriodicRefresh); },
            Qt::QueuedConnection);
    });
}

void SyncedVnaDevice::measure(std::vector<PortPair> pairs,
                              std::function<void(std::optional<std::vector<Trace>>)> callback)
{
    postWithCallback<std::optional<std::vector<Trace>>>(
        [this, pairs = std::move(pairs)] { return runMeasurement(pairs); }, std::move(callback));
}

void SyncedVnaDevice::measureColumn(uint toPort, uint fromPort, std::function<void(std::optional<Trace>)> callback)
{
    qDebug() << "Push s param func";
    measure({{toPort, fromPort}}, [callback = std::move(callback)](std::optional<std::vector<Trace>> traces) {
        if (traces && traces->size() == 1)
            callback(std::move(traces->front()));
        else
            callback(std::nullopt);
    });
}

void SyncedVnaDevice::readFrequencies(std::function<void(std::optional<std::vector<double>>)> callback)
{
    postWithCallback<std::optional<std::vector<double>>>(
        [this]() -> std::optional<std::vector<double>> {
            if (!m_activeChannel)
                return std::nullopt;
            return m_device->frequencies(*m_activeChannel);
        },
        std::move(callback));
}

void SyncedVnaDevice::readStateFileSaveType(std::function<void(std::optional<VNADevice::SaveType>)> callback)
{
    postWithCallback<std::optional<VNADevice::SaveType>>([this] { return m_device->stateFileSaveType(); },
                                                         std::move(callback));
}

bool SyncedVnaDevice::callAndWait(void (SyncedVnaDevice::*operation)(std::function<void(bool)>))
{
    return waitForResult<bool>([this, operation](std::function<void(bool)> callback) {
        (this->*operation)(std::move(callback));
    });
}

void SyncedVnaDevice::interrupt()
{
    QMetaObject::invokeMethod(m_device, &VNADevice::interrupt, Qt::AutoConnection);
}

void SyncedVnaDevice::giveUp()
{
    m_givenUp = true;
    QMetaObject::invokeMethod(
        m_device,
        [device = m_device] {
            device->giveUpAfter(QuitBudget);
            device->interrupt();
        },
        Qt::AutoConnection);
}

// --- cached setters -------------------------------------------------------

void SyncedVnaDevice::setSweepType(SweepType type)
{
    if (sweepType() == type)
        return;
    applySweepType(type);
}

void SyncedVnaDevice::setStartFreq(double freq)
{
    if (!std::isfinite(freq) || knownAndEqual(startFreq(), freq))
        return;
    applyStartFreq(freq);
}

void SyncedVnaDevice::setStopFreq(double tmpFreq)
{
    const std::optional<double> start = startFreq();
    if (!std::isfinite(tmpFreq) || (start && *start > tmpFreq))
        return;
    applyStopFreq(tmpFreq);
}

void SyncedVnaDevice::setPointsCount(uint count)
{
    if (pointsCount() == count)
        return;
    applyPointsCount(count);
}

void SyncedVnaDevice::setIfBandwidth(double value)
{
    if (!std::isfinite(value) || knownAndEqual(ifBandwidth(), value))
        return;
    applyIfBandwidth(value);
}

void SyncedVnaDevice::setOutputPower(double value)
{
    if (!std::isfinite(value) || knownAndEqual(outputPower(), value))
        return;
    applyOutputPower(value);
}

template <typename T>
void SyncedVnaDevice::applySetting(LockedValue<std::optional<T>>& cache, void (SyncedVnaDevice::*changed)(),
                                   bool (VNADevice::*send)(T, uint), T value)
{
    postWithChannel([this, &cache, changed, send, value](VNADevice& device, uint channel) {
        cache.set(value);
        emit(this->*changed)();
        (device.*send)(value, channel);
    });
}

void SyncedVnaDevice::applySweepType(SweepType type)
{
    applySetting(m_sweepType, &SyncedVnaDevice::sweepTypeChanged, &VNADevice::setSweepType, type);
}

void SyncedVnaDevice::applyStartFreq(double freq)
{
    applySetting(m_startFreq, &SyncedVnaDevice::startFreqChanged, &VNADevice::setStartFreq, freq);
}

void SyncedVnaDevice::applyStopFreq(double freq)
{
    applySetting(m_stopFreq, &SyncedVnaDevice::stopFreqChanged, &VNADevice::setStopFreq, freq);
}

void SyncedVnaDevice::applyPointsCount(uint count)
{
    applySetting(m_pointsCount, &SyncedVnaDevice::pointsCountChanged, &VNADevice::setPointsCount, count);
}

void SyncedVnaDevice::applyIfBandwidth(double value)
{
    applySetting(m_ifBandwidth, &SyncedVnaDevice::ifBandwidthChanged, &VNADevice::setIfBandwidth, value);
}

void SyncedVnaDevice::applyOutputPower(double value)
{
    applySetting(m_outputPower, &SyncedVnaDevice::outputPowerChanged, &VNADevice::setOutputPower, value);
}

// --- command slots --------------------------------------------------------

void SyncedVnaDevice::saveCalibrationFile(const QString& filePath)
{
    postWithChannel([filePath](VNADevice& device, uint channel) { device.saveCalibrationFile(channel, filePath); });
}

void SyncedVnaDevice::loadCalibrationFile(const QString& filePath)
{
    postWithChannel([filePath](VNADevice& device, uint channel) { device.loadCalibrationFile(channel, filePath); });
}

void SyncedVnaDevice::setGraphicsLayout(uint type)
{
    postWithChannel([type](VNADevice& device, uint channel) { device.setGraphicsLayout(type, channel); });
}

void SyncedVnaDevice::setNumberOfTraces(uint count)
{
    postWithChannel([count](VNADevice& device, uint channel) { device.setNumberOfTraces(count, channel); });
}

void SyncedVnaDevice::setGraphicFormat(uint graphIndex, VNADevice::GraphicFormat format)
{
    postWithChannel([graphIndex, format](VNADevice& device, uint channel) {
        device.setGraphicFormat(graphIndex, format, channel);
    });
}

void SyncedVnaDevice::setGraphicDefine(uint graphIndex, VNADevice::TypeOfParameter type, uint receiver, uint source)
{
    postWithChannel([=](VNADevice& device, uint channel) {
        device.setGraphicDefine(graphIndex, type, receiver, source, channel);
    });
}

void SyncedVnaDevice::setGraphicSport(uint graphIndex, uint source)
{
    postWithChannel(
        [=](VNADevice& device, uint channel) { device.setGraphicSport(graphIndex, source, channel); });
}

void SyncedVnaDevice::setMeasuredParametr(uint parametrIndex, uint toPort, uint fromPort)
{
    postWithChannel([=](VNADevice& device, uint channel) {
        device.setMeasuredParametr(parametrIndex, toPort, fromPort, channel);
    });
}

void SyncedVnaDevice::setFixtureSimulationState(bool state)
{
    postWithChannel([state](VNADevice& device, uint channel) { device.setFixtureSimulationState(channel, state); });
}

void SyncedVnaDevice::setDeembeddingState(bool state)
{
    postWithChannel([state](VNADevice& device, uint channel) { device.setDeembeddingState(channel, state); });
}

void SyncedVnaDevice::setDeembeddingState(uint port, bool state)
{
    postWithChannel(
        [port, state](VNADevice& device, uint channel) { device.setDeembeddingState(channel, port, state); });
}

void SyncedVnaDevice::setDeembeddingFile(uint port, const QString& fileName)
{
    postWithChannel(
        [port, fileName](VNADevice& device, uint channel) { device.setDeembeddingFile(channel, port, fileName); });
}

void SyncedVnaDevice::memoryDeleteState(const QString& stateFileName)
{
    postToDevice([stateFileName](VNADevice& device) { device.memoryDeleteState(stateFileName); });
}

void SyncedVnaDevice::setStateFileSaveType(VNADevice::SaveType type)
{
    postToDevice([type](VNADevice& device) { device.setStateFileSaveType(type); });
}

void SyncedVnaDevice::loadStateFile(const QString& filePath)
{
    postToDevice([filePath](VNADevice& device) { device.loadStateFile(filePath); });
}

void SyncedVnaDevice::saveStateFile(const QString& filePath)
{
    postToDevice([filePath](VNADevice& device) { device.saveStateFile(filePath); });
}

void SyncedVnaDevice::preset()
{
    postToDevice([](VNADevice& device) { device.preset(); });
}

void SyncedVnaDevice::showWindow(bool show)
{
    postToDevice([show](VNADevice& device) { device.showWindow(show); });
}

void SyncedVnaDevice::setYTraceAutoslace(uint graphIndex)
{
    postToDevice([graphIndex](VNADevice& device) { device.setYTraceAutoscale(graphIndex); });
}

void SyncedVnaDevice::setImpedance(double port, double value)
{
    // A negative, non-finite or too large port number names no port (and would not
    // convert to an unsigned number); no analyzer takes "nan" or "inf" for an impedance.
    constexpr double portLimit = static_cast<double>(std::numeric_limits<uint>::max()) + 1.0;
    if (!std::isfinite(port) || port < 0 || port >= portLimit || !std::isfinite(value))
        return;
    const uint portIndex = static_cast<uint>(port);
    postToDevice([portIndex, value](VNADevice& device) { device.setImpedance(portIndex, value); });
}

void SyncedVnaDevice::setEnablePowerSource(bool enable)
{
    postToDevice([this, enable](VNADevice& device) {
        m_powerSourceState.set(enable);
        emit enablePowerSourceStateChanged();
        device.setEnablePowerSource(enable);
    });
}

// --- worker side ------------------------------------------------------------

template <typename T, typename Rule>
void SyncedVnaDevice::store(LockedValue<T>& value, T fresh, Rule shouldReplace, void (SyncedVnaDevice::*changed)())
{
    // A reading cut short by an interrupt says nothing of the analyzer: a cancel is
    // not a lost or unready analyzer.
    if (m_device->isTaskInterrupted())
        return;
    if (value.replaceIf(std::move(fresh), shouldReplace))
        emit(this->*changed)();
}

template <typename T>
void SyncedVnaDevice::clear(LockedValue<T>& value, void (SyncedVnaDevice::*changed)())
{
    value.set(T{});
    emit(this->*changed)();
}

bool SyncedVnaDevice::runRefresh()
{
    // Nobody reads the cache once the program quits; on a slow analyzer a refresh
    // queued behind an interrupted sweep would use up the budget before the sweep's
    // settings were put back.
    if (m_givenUp)
        return false;
    if (!m_device->connectToDevice(address(), port())) {
        resetCache();
        return false;
    }

    const std::optional<bool> ready = m_device->isReady();
    store(m_isReady, ready, notBothKnownAndEqual<bool>, &SyncedVnaDevice::isReadyChanged);
    if (!ready || !*ready)
        return false;

    const std::optional<uint> channel = m_device->activeChannel();
    if (m_device->isTaskInterrupted())
        return false;
    m_activeChannel = channel;
    if (m_activeChannel) {
        store(m_sweepType, m_device->sweepType(*m_activeChannel), differs<SweepType>,
              &SyncedVnaDevice::sweepTypeChanged);
        store(m_startFreq, m_device->startFreq(*m_activeChannel), notBothKnownAndFuzzyEqual,
              &SyncedVnaDevice::startFreqChanged);
        store(m_stopFreq, m_device->stopFreq(*m_activeChannel), notBothKnownAndFuzzyEqual,
              &SyncedVnaDevice::stopFreqChanged);
    }
    store(m_maxFreq, m_device->maxFrequency(), notBothKnownAndFuzzyEqual, &SyncedVnaDevice::maxFreqChanged);
    if (m_activeChannel)
        store(m_pointsCount, m_device->pointsCount(*m_activeChannel), differs<uint>,
              &SyncedVnaDevice::pointsCountChanged);

    std::optional<double> step;
    const std::optional<double> start = startFreq();
    const std::optional<double> stop = stopFreq();
    const std::optional<uint> points = pointsCount();
    // A one-point sweep has no step.
    if (start && stop && points && *points > 1)
        step = (*stop - *start) / (*points - 1);
    store(m_stepFreq, step, notBothKnownAndFuzzyEqual, &SyncedVnaDevice::stepFreqChanged);

    if (m_activeChannel) {
        store(m_ifBandwidth, m_device->ifBandwidth(*m_activeChannel), notBothKnownAndFuzzyEqual,
              &SyncedVnaDevice::ifBandwidthChanged);
        store(m_outputPower, m_device->outputPower(*m_activeChannel), notBothKnownAndFuzzyEqual,
              &SyncedVnaDevice::outputPowerChanged);
    }
    store(m_vnaInfo, m_device->identification(), notBothKnownAndEqual<VnaInfo>, &SyncedVnaDevice::vnaInfoChanged);
    if (m_activeChannel)
        refreshCalibration(*m_activeChannel);

    // The count goes out before the impedances are read: an analyzer that lost ports
    // is shown at once, and the ports it no longer has are not asked (each such
    // query would wait for its time limit).
    const int previousCount = portsCount().value_or(0);
    const std::optional<uint> count = m_device->portCount();
    store(m_portsCount, count ? std::optional<int>(static_cast<int>(*count)) : std::nullopt,
          notBothKnownAndEqual<int>, &SyncedVnaDevice::portsCountChanged);
    refreshImpedances(count ? std::min(previousCount, static_cast<int>(*count)) : previousCount);
    return !m_device->isTaskInterrupted();
}

void SyncedVnaDevice::refreshCalibration(uint channel)
{
    store(m_calibrationType, m_device->calibrationType(channel), differs<VNADevice::CalibrationType>,
          &SyncedVnaDevice::calibrationTypeChanged);
    store(m_isExtrapolated, m_device->isExtrapolated(channel), differs<bool>,
          &SyncedVnaDevice::isExtrapolatedChanged);
    store(m_isInterpolated, m_device->isInterpolated(channel), differs<bool>,
          &SyncedVnaDevice::isInterpolatedChanged);
    if (std::optional<std::vector<double>> ports = m_device->correctionType(channel))
        store(m_calibratedPorts, std::move(ports), differs<std::vector<double>>,
              &SyncedVnaDevice::calibratedPortsChanged);
}

void SyncedVnaDevice::refreshImpedances(int count)
{
    std::vector<std::optional<double>> impedances;
    for (int port = 0; port < count; ++port)
        impedances.push_back(m_device->impedance(static_cast<uint>(port)));
    store(m_impedances, std::move(impedances),
          [](const auto& old, const auto& fresh) { return old != fresh; }, &SyncedVnaDevice::impedancesChanged);
}

void SyncedVnaDevice::resetCache()
{
    m_activeChannel.reset();
    clear(m_isReady, &SyncedVnaDevice::isReadyChanged);
    clear(m_startFreq, &SyncedVnaDevice::startFreqChanged);
    clear(m_sweepType, &SyncedVnaDevice::sweepTypeChanged);
    clear(m_stopFreq, &SyncedVnaDevice::stopFreqChanged);
    clear(m_maxFreq, &SyncedVnaDevice::maxFreqChanged);
    clear(m_pointsCount, &SyncedVnaDevice::pointsCountChanged);
    clear(m_stepFreq, &SyncedVnaDevice::stepFreqChanged);
    clear(m_ifBandwidth, &SyncedVnaDevice::ifBandwidthChanged);
    clear(m_outputPower, &SyncedVnaDevice::outputPowerChanged);
    clear(m_vnaInfo, &SyncedVnaDevice::vnaInfoChanged);
    clear(m_calibrationType, &SyncedVnaDevice::calibrationTypeChanged);
    clear(m_isExtrapolated, &SyncedVnaDevice::isExtrapolatedChanged);
    clear(m_isInterpolated, &SyncedVnaDevice::isInterpolatedChanged);
    clear(m_calibratedPorts, &SyncedVnaDevice::calibratedPortsChanged);
    clear(m_impedances, &SyncedVnaDevice::impedancesChanged);
    // Announced only when it was known, so a lost analyzer is reported once.
    store(m_portsCount, std::optional<int>(),
          [](const std::optional<int>& old, const std::optional<int>&) { return old.has_value(); },
          &SyncedVnaDevice::portsCountChanged);
}

std::optional<std::vector<SyncedVnaDevice::Trace>> SyncedVnaDevice::runMeasurement(const std::vector<PortPair>& pairs)
{
    if (!m_activeChannel || m_givenUp)
        return std::nullopt;
    const uint channel = *m_activeChannel;
    const uint count = static_cast<uint>(pairs.size());
    m_device->setNumberOfTraces(count, channel);
    for (uint k = 0; k < count; ++k)
        m_device->setMeasuredParametr(k, pairs[k].first, pairs[k].second, channel);
    if (!m_device->triggerSingle(channel)) {
        qDebug() << "Start measure failed";
        return std::nullopt;
    }
    if (!m_device->waitOperationComplete()) {
        qDebug() << "Wait measure failed";
        return std::nullopt;
    }
    std::vector<Trace> traces;
    traces.reserve(count);
    for (uint k = 0; k < count; ++k) {
        std::optional<Trace> trace = m_device->traceSData(k, channel);
        if (!trace) {
            qDebug().noquote() << QStringLiteral("Measure %0 failed").arg(k + 1);
            return std::nullopt;
        }
        traces.push_back(std::move(*trace));
    }
    return traces;
}

#pragma once

#include "analyzer/device/SweepType.h"
#include "analyzer/device/VNADevice.h"
#include "analyzer/device/VnaInfo.h"
#include "analyzer/facade/LockedValue.h"
#include "analyzer/scpi/ScpiDevice.h"

#include <QObject>
#include <QString>
#include <QVariant>

#include <atomic>
#include <chrono>
#include <complex>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class WorkerThread;

// The one analyzer handle of the system. It owns the device worker and the
// VNADevice living on it, posts every analyzer operation there in calling
// order, and keeps a cache of the analyzer's settings that any thread reads
// without waiting. Each cached value has its own lock and change signal.
class SyncedVnaDevice : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isConnected READ isConnected NOTIFY isConnectedChanged)
    Q_PROPERTY(QString address READ address WRITE setAddress NOTIFY addressChanged)
    Q_PROPERTY(ushort port READ port WRITE setPort NOTIFY portChanged)
    Q_PROPERTY(QVariant portsCount READ portsCountVariant NOTIFY portsCountChanged)
    Q_PROPERTY(QVariant vnaInfo READ vnaInfoVariant NOTIFY vnaInfoChanged)
    Q_PROPERTY(QVariant isReady READ isReadyVariant NOTIFY isReadyChanged)
    Q_PROPERTY(QVariant calibratedPorts READ calibratedPortsVariant NOTIFY calibratedPortsChanged)

public:
    // (receiving port, driven port), 0-based.
    using PortPair = std::pair<uint, uint>;
    using Trace = std::vector<std::complex<double>>;

    static constexpr int RefreshPauseMs = 1000;
    // What the analyzer is given, once the program quits, for what is still to be
    // asked; the first query it leaves unanswered meanwhile ends it.
    static constexpr std::chrono::milliseconds QuitBudget{10000};

    explicit SyncedVnaDevice(QObject* parent = nullptr,
                             std::chrono::milliseconds connectTimeLimit = ScpiDevice::DefaultConnectTimeLimit);
    ~SyncedVnaDevice() override;

    // Any thread; no analyzer traffic.
    QString address() const;
    ushort port() const;
    std::optional<bool> isReady() const;
    std::optional<SweepType> sweepType() const;
    std::optional<double> startFreq() const;
    std::optional<double> stopFreq() const;
    std::optional<double> maxFreq() const;
    std::optional<uint> pointsCount() const;
    std::optional<double> stepFreq() const;
    std::optional<double> ifBandwidth() const;
    std::optional<double> outputPower() const;
    std::optional<VnaInfo> vnaInfo() const;
    std::optional<VNADevice::CalibrationType> calibrationType() const;
    std::optional<bool> isExtrapolated() const;
    std::optional<bool> isInterpolated() const;
    std::vector<double> calibratedPorts() const;
    std::optional<int> portsCount() const;
    std::optional<double> impedance(uint port) const;
    std::optional<bool> enablePowerSourceState() const;
    bool isConnected() const;

    QVariant portsCountVariant() const;
    QVariant vnaInfoVariant() const;
    QVariant isReadyVariant() const;
    QVariant calibratedPortsVariant() const;

    // Store and announce a different value only; the next refreshes move the link.
    void setAddress(const QString& address);
    void setPort(ushort port);

    // Asynchronous: each callback runs exactly once, on the worker, or with no
    // value on the thread that drops the task when the worker stops first.
    void refresh(std::function<void(bool)> callback);
    // Starts the periodic refresh; further calls change nothing.
    void startAutoRefresh();
    void measure(std::vector<PortPair> pairs, std::function<void(std::optional<std::vector<Trace>>)> callback);
    void measureColumn(uint toPort, uint fromPort, std::function<void(std::optional<Trace>)> callback);
    void readFrequencies(std::function<void(std::optional<std::vector<double>>)> callback);
    void readStateFileSaveType(std::function<void(std::optional<VNADevice::SaveType>)> callback);

    // Runs an asynchronous operation and waits for its result in a nested event loop.
    bool callAndWait(void (SyncedVnaDevice::*operation)(std::function<void(bool)>));

public slots:
    // A value that changes nothing, or that is not finite (no analyzer takes
    // "nan" or "inf"), is not posted.
    void setSweepType(SweepType type);
    void setStartFreq(double freq);
    void setStopFreq(double tmpFreq);
    void setPointsCount(uint count);
    void setIfBandwidth(double value);
    void setOutputPower(double value);

    void saveCalibrationFile(const QString& filePath);
    void loadCalibrationFile(const QString& filePath);
    void setGraphicsLayout(uint type);
    void setNumberOfTraces(uint count);
    void setGraphicFormat(uint graphIndex, VNADevice::GraphicFormat format);
    void setGraphicDefine(uint graphIndex, VNADevice::TypeOfParameter type, uint receiver, uint source);
    void setGraphicSport(uint graphIndex, uint source);
    void setMeasuredParametr(uint parametrIndex, uint toPort, uint fromPort);
    void setFixtureSimulationState(bool state);
    void setDeembeddingState(bool state);
    void setDeembeddingState(uint port, bool state);
    void setDeembeddingFile(uint port, const QString& fileName);

    void memoryDeleteState(const QString& stateFileName);
    void setStateFileSaveType(VNADevice::SaveType type);
    void loadStateFile(const QString& filePath);
    void saveStateFile(const QString& filePath);
    void preset();
    void showWindow(bool show);
    void setYTraceAutoslace(uint graphIndex);
    void setImpedance(double port, double value);
    void setEnablePowerSource(bool enable);

    // Served by the worker's event processing, not its task queue: it cuts a
    // waiting query short and sends the abort on the second link.
    void interrupt();
    // For the quit, served as interrupt() is: aborts the sweep and ends the waiting
    // query, and gives the analyzer QuitBudget from then on for whatever is still
    // to be asked (restoring its state, the temporary setup); later exchanges fail
    // at once. An analyzer that does not answer then cannot hold the program. No
    // refresh asks and no sweep starts from then on, queued ones included: the
    // budget goes to what puts the analyzer back.
    void giveUp();

signals:
    void addressChanged();
    void portChanged();
    void isReadyChanged();
    void sweepTypeChanged();
    void startFreqChanged();
    void stopFreqChanged();
    void maxFreqChanged();
    void pointsCountChanged();
    void stepFreqChanged();
    void ifBandwidthChanged();
    void outputPowerChanged();
    void vnaInfoChanged();
    void calibrationTypeChanged();
    void isExtrapolatedChanged();
    void isInterpolatedChanged();
    void calibratedPortsChanged();
    void impedancesChanged();
    void portsCountChanged();
    void enablePowerSourceStateChanged();
    void error(QString message);
    void stateChanged(QAbstractSocket::SocketState state);
    void isConnectedChanged();

private:
    friend class DeviceStateKeeper;

    // Worker-side halves of the cached setters: store, announce and send when
    // the active channel is known, without the caller-side skip test.
    void applySweepType(SweepType type);
    void applyStartFreq(double freq);
    void applyStopFreq(double freq);
    void applyPointsCount(uint count);
    void applyIfBandwidth(double value);
    void applyOutputPower(double value);

    // Every task of the device worker goes through here: an interrupt of an earlier task
    // does not reach it.
    void postTask(std::function<void()> work, std::function<void()> dropped = {});
    // Runs `work` on the worker; its result is false when the task was dropped.
    void postDeviceWork(std::function<bool(VNADevice&, std::optional<uint> activeChannel)> work,
                        std::function<void(bool)> callback);
    void postWithChannel(std::function<void(VNADevice&, uint channel)> work);
    void postToDevice(std::function<void(VNADevice&)> work);
    template <typename Result>
    void postWithCallback(std::function<Result()> work, std::function<void(Result)> callback);

    void postPeriodicRefresh();
    bool runRefresh();
    void refreshChannelSettings(uint channel);
    void refreshCalibration(uint channel);
    // Ports 0 .. count - 1: the first refresh, which knows no count yet, reads none.
    void refreshImpedances(int count);
    void resetCache();
    std::optional<std::vector<Trace>> runMeasurement(const std::vector<PortPair>& pairs);

    template <typename T, typename Rule>
    void store(LockedValue<T>& value, T fresh, Rule shouldReplace, void (SyncedVnaDevice::*changed)());
    template <typename T>
    void clear(LockedValue<T>& value, void (SyncedVnaDevice::*changed)());
    // Caches and announces a sweep setting on the worker, then sends it to the active channel.
    template <typename T>
    void applySetting(LockedValue<std::optional<T>>& cache, void (SyncedVnaDevice::*changed)(),
                      bool (VNADevice::*send)(T, uint), T value);

    WorkerThread* m_worker;
    VNADevice* m_device;

    LockedValue<QString> m_address{QStringLiteral("127.0.0.1")};
    LockedValue<ushort> m_port{5025};
    LockedValue<std::optional<bool>> m_isReady;
    LockedValue<std::optional<SweepType>> m_sweepType;
    LockedValue<std::optional<double>> m_startFreq;
    LockedValue<std::optional<double>> m_stopFreq;
    LockedValue<std::optional<double>> m_maxFreq;
    LockedValue<std::optional<uint>> m_pointsCount;
    LockedValue<std::optional<double>> m_stepFreq;
    LockedValue<std::optional<double>> m_ifBandwidth;
    LockedValue<std::optional<double>> m_outputPower;
    LockedValue<std::optional<VnaInfo>> m_vnaInfo;
    LockedValue<std::optional<VNADevice::CalibrationType>> m_calibrationType;
    LockedValue<std::optional<bool>> m_isExtrapolated;
    LockedValue<std::optional<bool>> m_isInterpolated;
    // Unknown until the analyzer has named its calibrated ports, perhaps none.
    LockedValue<std::optional<std::vector<double>>> m_calibratedPorts;
    LockedValue<std::vector<std::optional<double>>> m_impedances;
    LockedValue<std::optional<int>> m_portsCount;
    LockedValue<std::optional<bool>> m_powerSourceState;

    // Worker only.
    std::optional<uint> m_activeChannel;
    // Set by the first startAutoRefresh(): one chain of periodic refreshes at most.
    std::atomic<bool> m_autoRefreshStarted{false};
    // Set by giveUp(): from then on the analyzer's time goes to putting it back.
    std::atomic<bool> m_givenUp{false};
};

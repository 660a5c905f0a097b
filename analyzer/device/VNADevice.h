#pragma once

#include "analyzer/device/SweepType.h"
#include "analyzer/device/VnaInfo.h"
#include "analyzer/scpi/ScpiDevice.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <chrono>
#include <complex>
#include <optional>
#include <vector>

// The analyzer on the wire: each operation is one SCPI command line, or one
// query and its reply, on the main link; the abort link only ever sends the
// abort command. Channel, trace and port arguments are 0-based here and
// 1-based on the wire. Lives on the device worker and is used only there,
// except isConnected() and the queued interrupt().
class VNADevice : public QObject
{
    Q_OBJECT
public:
    // A fixed underlying type keeps any number that arrives as an int a valid value:
    // the token tables then answer "unknown" instead of the cast being undefined.
    enum GraphicFormat : int {
        MLogarithmic = 0,
        Phase = 1,
        GroupDelay = 2,
        SmithLinear = 3,
        SmithLogarithmic = 4,
        SmithComplex = 5,
        Smith = 6,
        SmithAdmittance = 7,
        PolarLinear = 8,
        PolarLogarithmic = 9,
        Polar = 10,
        MLinear = 11,
        Swr = 12,
        Real = 13,
        Imaginary = 14,
        UnwrappedPhase = 15,
    };
    Q_ENUM(GraphicFormat)

    enum SaveType : int {
        State = 0,
        ChannelState = 1,
        DataState = 2,
        ChannelDataState = 3,
        ChannelMemoryState = 4,
    };
    Q_ENUM(SaveType)

    // 0 is an S-parameter; the others measure one receiver.
    enum TypeOfParameter : int {
        SParameter = 0,
        TestReceiver = 1,
        ReferenceReceiver = 2,
        RatioReceiver = 3,
    };
    Q_ENUM(TypeOfParameter)

    enum CalibrationType : int {
        NoCorrection = 1,
        NoCalibrationType = 2,
        ResponseOpen = 3,
        ResponseShort = 4,
        ResponseThru = 5,
        Solt1 = 6,
        Solt2 = 7,
        Solt3 = 8,
        Solt4 = 9,
        OnePath = 10,
    };
    Q_ENUM(CalibrationType)

    static constexpr int QueryTimeoutMs = 3000;

    explicit VNADevice(QObject* parent = nullptr,
                       std::chrono::milliseconds connectTimeLimit = ScpiDevice::DefaultConnectTimeLimit);

    // Connects the main link and then the abort link; true when both are connected.
    bool connectToDevice(const QString& address, quint16 port);
    void disconnectFromDevice();
    // Any thread: whether the main link is connected.
    bool isConnected() const;

    std::optional<bool> isReady();
    std::optional<VnaInfo> identification();
    std::optional<uint> activeChannel();
    std::optional<uint> portCount();
    std::optional<double> maxFrequency();
    std::optional<SweepType> sweepType(uint channel);
    std::optional<double> startFreq(uint channel);
    std::optional<double> stopFreq(uint channel);
    std::optional<uint> pointsCount(uint channel);
    std::optional<double> ifBandwidth(uint channel);
    std::optional<double> outputPower(uint channel);
    std::optional<double> impedance(uint port);
    std::optional<std::vector<double>> frequencies(uint channel);
    std::optional<std::vector<std::complex<double>>> traceSData(uint trace, uint channel);
    // A reply missing from the save-type table reads as "STATe"; no reply is no value.
    std::optional<SaveType> stateFileSaveType();
    std::optional<bool> isExtrapolated(uint channel);
    std::optional<bool> isInterpolated(uint channel);
    std::optional<CalibrationType> calibrationType(uint channel);
    std::optional<std::vector<double>> correctionType(uint channel);
    // The trigger source's token as the analyzer gives it ("INT", "BUS", ...).
    std::optional<QString> triggerSource();
    std::optional<bool> continuousSweep(uint channel);
    std::optional<uint> traceCount(uint channel);
    // The measured parameter of a trace ("S21", ...).
    std::optional<QString> traceDefinition(uint trace, uint channel);
    std::optional<bool> fixtureSimulationState(uint channel);
    std::optional<bool> deembeddingState(uint channel);
    std::optional<bool> deembeddingState(uint channel, uint port);
    // The user de-embedding file of a port as the analyzer gives it; empty when it has none.
    std::optional<QString> deembeddingFile(uint channel, uint port);
    // Waits without a time limit (until given up on); true only for the reply "1".
    bool waitOperationComplete();
    // Single sweep on bus trigger; false at the first line that could not be written.
    bool triggerSingle(uint channel);

    // Both links end every exchange by `budget` from now at the latest (the quit).
    void giveUpAfter(std::chrono::milliseconds budget);

    // An interrupt holds from its arrival until the device worker's next task begins:
    // every later query of the task it came in fails at once, so that a task of several
    // queries (a refresh) ends there instead of going on as if nothing had come.
    void beginTask() { m_taskInterrupted = false; }
    bool isTaskInterrupted() const { return m_taskInterrupted; }

public slots:
    // Ends the main link's pending query, then sends the abort on the abort link.
    void interrupt();

    // Commands: true when the line was written. Commands that carry a file path
    // refuse a path with a control character or ";" (it would end the command
    // on the wire) and report it through error().
    bool setEnablePowerSource(bool enable);
    bool setSweepType(SweepType type, uint channel);
    bool setStartFreq(double freq, uint channel);
    bool setStopFreq(double freq, uint channel);
    bool setPointsCount(uint count, uint channel);
    bool setIfBandwidth(double value, uint channel);
    bool setOutputPower(double value, uint channel);
    bool setYTraceAutoscale(uint graphIndex);
    // A token the analyzer gave for its trigger source.
    bool setTriggerSource(const QString& source);
    bool setContinuousSweep(bool on, uint channel);
    bool setImpedance(uint port, double value);
    bool memoryDeleteState(const QString& stateFileName);
    bool setStateFileSaveType(SaveType type);
    bool loadStateFile(const QString& filePath);
    bool saveStateFile(const QString& filePath);
    bool saveCalibrationFile(uint channel, const QString& filePath);
    bool loadCalibrationFile(uint channel, const QString& filePath);
    bool setGraphicsLayout(uint type, uint channel);
    bool setNumberOfTraces(uint count, uint channel);
    bool setGraphicFormat(uint graphIndex, GraphicFormat format, uint channel);
    bool setGraphicDefine(uint graphIndex, TypeOfParameter type, uint receiver, uint source, uint channel);
    bool setGraphicSport(uint graphIndex, uint source, uint channel);
    bool setMeasuredParametr(uint parametrIndex, uint toPort, uint fromPort, uint channel);
    bool setFixtureSimulationState(uint channel, bool state);
    bool setDeembeddingState(uint channel, bool state);
    bool setDeembeddingState(uint channel, uint port, bool state);
    bool setDeembeddingFile(uint channel, uint port, const QString& fileName);
    bool preset();
    bool showWindow(bool flag);

signals:
    void error(QString message);
    void interrupted();
    void stateChanged(QAbstractSocket::SocketState state);
    void disconnected();

private:
    std::optional<QString> ask(const QString& line);
    std::optional<double> askDouble(const QString& line);
    std::optional<bool> askBool(const QString& line);
    std::optional<uint> askUInt(const QString& line);
    bool send(const QString& line);
    bool sendWithPath(const QString& line, const QString& path);

    ScpiDevice* m_mainLink;
    ScpiDevice* m_abortLink;
    std::atomic<bool> m_mainConnected{false};
    bool m_taskInterrupted = false;
};

#include "analyzer/device/VNADevice.h"

#include "analyzer/device/ReplyParsing.h"
#include "analyzer/device/WireTokens.h"

#include <QDebug>

using WireTokens::boolean;
using WireTokens::number;

namespace {

QString wireIndex(uint zeroBased)
{
    return QString::number(zeroBased + 1);
}

// A path travels unquoted inside one command line: a line break would end the
// command there and ";" would start another one.
bool isSafeOnWire(const QString& path)
{
    for (const QChar c : path) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator
            || c == QLatin1Char(';'))
            return false;
    }
    return true;
}

QString printable(QString path)
{
    for (QChar& c : path) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char('?');
    }
    return path;
}

} // namespace

VNADevice::VNADevice(QObject* parent, std::chrono::milliseconds connectTimeLimit)
    : QObject(parent)
    , m_mainLink(new ScpiDevice(this, connectTimeLimit))
    , m_abortLink(new ScpiDevice(this, connectTimeLimit))
{
    // Kept apart from the socket so that other threads can ask without touching it.
    connect(m_mainLink, &ScpiDevice::stateChanged, this, [this](QAbstractSocket::SocketState state) {
        m_mainConnected.store(state == QAbstractSocket::ConnectedState);
    });
    for (ScpiDevice* link : {m_mainLink, m_abortLink}) {
        connect(link, &ScpiDevice::error, this, &VNADevice::error);
        connect(link, &ScpiDevice::stateChanged, this, &VNADevice::stateChanged);
        connect(link, &ScpiDevice::disconnected, this, &VNADevice::disconnected);
    }
}

bool VNADevice::connectToDevice(const QString& address, quint16 port)
{
    if (!m_mainLink->connectToHost(address, port))
        return false;
    return m_abortLink->connectToHost(address, port) && m_mainLink->isConnected();
}

void VNADevice::disconnectFromDevice()
{
    m_mainLink->disconnectFromHost();
    m_abortLink->disconnectFromHost();
}

bool VNADevice::isConnected() const
{
    return m_mainConnected.load();
}

void VNADevice::giveUpAfter(std::chrono::milliseconds budget)
{
    m_mainLink->giveUpAfter(budget);
    m_abortLink->giveUpAfter(budget);
}

void VNADevice::interrupt()
{
    m_taskInterrupted = true;
    m_mainLink->interrupt();
    m_abortLink->write(QStringLiteral("ABORt\n"));
    emit interrupted();
}

std::optional<QString> VNADevice::ask(const QString& line)
{
    if (m_taskInterrupted)
        return std::nullopt;
    return m_mainLink->query(line, QueryTimeoutMs);
}

std::optional<double> VNADevice::askDouble(const QString& line)
{
    const std::optional<QString> reply = ask(line);
    return reply ? ReplyParsing::toDouble(*reply) : std::nullopt;
}

std::optional<bool> VNADevice::askBool(const QString& line)
{
    const std::optional<QString> reply = ask(line);
    return reply ? ReplyParsing::toBool(*reply) : std::nullopt;
}

std::optional<uint> VNADevice::askUInt(const QString& line)
{
    const std::optional<QString> reply = ask(line);
    return reply ? ReplyParsing::toUInt(*reply) : std::nullopt;
}

bool VNADevice::send(const QString& line)
{
    return m_mainLink->write(line);
}

bool VNADevice::sendWithPath(const QString& line, const QString& path)
{
    if (!isSafeOnWire(path)) {
        const QString text =
            tr("The file path contains a line break, a control character or \";\" and was not sent to VNA:") + " "
            + printable(path);
        qDebug().noquote() << text;
        emit error(text);
        return false;
    }
    return send(line);
}

std::optional<bool> VNADevice::isReady()
{
    return askBool(QStringLiteral("SYST:READy?\n"));
}

std::optional<VnaInfo> VNADevice::identification()
{
    const std::optional<QString> reply = ask(QStringLiteral("*IDN?\n"));
    return reply ? ReplyParsing::toIdentification(*reply) : std::nullopt;
}

std::optional<uint> VNADevice::activeChannel()
{
    const std::optional<QString> reply = ask(QStringLiteral("SERVice:CHANnel:ACTive?\n"));
    return reply ? ReplyParsing::toActiveChannel(*reply) : std::nullopt;
}

std::optional<uint> VNADevice::portCount()
{
    const std::optional<QString> reply = ask(QStringLiteral("SERVice:PORT:COUNt?\n"));
    return reply ? ReplyParsing::toPortCount(*reply) : std::nullopt;
}

std::optional<double> VNADevice::maxFrequency()
{
    return askDouble(QStringLiteral("SERVice:SWEep:FREQuency:MAXimum?\n"));
}

std::optional<SweepType> VNADevice::sweepType(uint channel)
{
    const std::optional<QString> reply = ask(QStringLiteral("SENSe%0:SWEep:TYPE?\n").arg(wireIndex(channel)));
    return reply ? WireTokens::sweepTypeFromToken(*reply) : std::nullopt;
}

std::optional<double> VNADevice::startFreq(uint channel)
{
    return askDouble(QStringLiteral("SENSe%0:FREQuency:STARt?\n").arg(wireIndex(channel)));
}

std::optional<double> VNADevice::stopFreq(uint channel)
{
    return askDouble(QStringLiteral("SENSe%0:FREQuency:STOP?\n").arg(wireIndex(channel)));
}

std::optional<uint> VNADevice::pointsCount(uint channel)
{
    return askUInt(QStringLiteral("SENSe%0:SWEep:POINts?\n").arg(wireIndex(channel)));
}

std::optional<double> VNADevice::ifBandwidth(uint channel)
{
    return askDouble(QStringLiteral("SENSe%0:BWIDth:RESolution?\n").arg(wireIndex(channel)));
}

std::optional<double> VNADevice::outputPower(uint channel)
{
    return askDouble(QStringLiteral("SOURce%0:POWer:LEVel:IMMediate:AMPLitude?\n").arg(wireIndex(channel)));
}

std::optional<double> VNADevice::impedance(uint port)
{
    return askDouble(QStringLiteral("SENSe:CORRection:PORT%0:IMPedance?\n").arg(wireIndex(port)));
}

std::optional<std::vector<double>> VNADevice::frequencies(uint channel)
{
    const std::optional<QString> reply = ask(QStringLiteral("SENSe%0:FREQuency:DATA?\n").arg(wireIndex(channel)));
    return reply ? ReplyParsing::toDoubles(*reply) : std::nullopt;
}

std::optional<std::vector<std::complex<double>>> VNADevice::traceSData(uint trace, uint channel)
{
    const std::optional<QString> reply =
        ask(QStringLiteral("CALCulate%0:TRACe%1:DATA:SDATa?\n").arg(wireIndex(channel), wireIndex(trace)));
    return reply ? ReplyParsing::toComplexValues(*reply) : std::nullopt;
}

std::optional<VNADevice::SaveType> VNADevice::stateFileSaveType()
{
    const std::optional<QString> reply = ask(QStringLiteral("MMEMory:STORe:STYPe?\n"));
    return reply ? std::optional<SaveType>(WireTokens::saveTypeFromToken(*reply)) : std::nullopt;
}

std::optional<bool> VNADevice::isExtrapolated(uint channel)
{
    const std::optional<QString> reply =
        ask(QStringLiteral("CALCulate%0:CORRection:STATus?\n").arg(wireIndex(channel)));
    if (!reply)
        return std::nullopt;
    return *reply == QLatin1String("C!") || *reply == QLatin1String("RC!");
}

std::optional<bool> VNADevice::isInterpolated(uint channel)
{
    const std::optional<QString> reply =
        ask(QStringLiteral("CALCulate%0:CORRection:STATus?\n").arg(wireIndex(channel)));
    if (!reply)
        return std::nullopt;
    return *reply == QLatin1String("C?") || *reply == QLatin1String("RC?");
}

std::optional<VNADevice::CalibrationType> VNADevice::calibrationType(uint channel)
{
    const std::optional<QString> status =
        ask(QStringLiteral("CALCulate%0:CORRection:STATus?\n").arg(wireIndex(channel)));
    if (!status)
        return std::nullopt;
    if (*status == QLatin1String("NONE"))
        return NoCorrection;
    const std::optional<QString> type = ask(QStringLiteral("SENSe%0:CORRection:TYPE?\n").arg(wireIndex(channel)));
    if (!type)
        return std::nullopt;
    const QStringList items = ReplyParsing::splitList(*type);
    if (items.isEmpty())
        return std::nullopt;
    return WireTokens::calibrationTypeFromToken(items.first());
}

std::optional<std::vector<double>> VNADevice::correctionType(uint channel)
{
    const std::optional<QString> reply = ask(QStringLiteral("SENSe%0:CORRection:TYPE?\n").arg(wireIndex(channel)));
    return reply ? ReplyParsing::toCalibratedPorts(*reply) : std::nullopt;
}

std::optional<QString> VNADevice::triggerSource()
{
    return ask(QStringLiteral(":TRIG:SOUR?\n"));
}

std::optional<bool> VNADevice::continuousSweep(uint channel)
{
    return askBool(QStringLiteral("INITiate%0:CONTinuous?\n").arg(wireIndex(channel)));
}

std::optional<uint> VNADevice::traceCount(uint channel)
{
    return askUInt(QStringLiteral("CALCulate%0:PARameter:COUNt?\n").arg(wireIndex(channel)));
}

std::optional<QString> VNADevice::traceDefinition(uint trace, uint channel)
{
    return ask(QStringLiteral("CALCulate%0:PARameter%1:DEFine?\n").arg(wireIndex(channel), wireIndex(trace)));
}

std::optional<bool> VNADevice::fixtureSimulationState(uint channel)
{
    return askBool(QStringLiteral("CALCulate%0:FSIMulator:STATe?\n").arg(wireIndex(channel)));
}

std::optional<bool> VNADevice::deembeddingState(uint channel)
{
    return askBool(QStringLiteral("CALCulate%0:FSIMulator:SENDed:DEEMbed:STATe?\n").arg(wireIndex(channel)));
}

std::optional<bool> VNADevice::deembeddingState(uint channel, uint port)
{
    return askBool(QStringLiteral("CALCulate%0:FSIMulator:SENDed:DEEMbed:PORT%1:STATe?\n")
                   .arg(wireIndex(channel), wireIndex(port)));
}

std::optional<QString> VNADevice::deembeddingFile(uint channel, uint port)
{
    return ask(QStringLiteral("CALCulate%0:FSIMulator:SENDed:DEEMbed:PORT%1:USER:FILename?\n")
                   .arg(wireIndex(channel), wireIndex(port)));
}

bool VNADevice::waitOperationComplete()
{
    return !m_taskInterrupted && m_mainLink->query(QStringLiteral("*OPC?\n")) == QStringLiteral("1");
}

bool VNADevice::triggerSingle(uint channel)
{
    const QString wireChannel = wireIndex(channel);
    return send(QStringLiteral("INITiate%0:CONTinuous OFF\n").arg(wireChannel))
        && send(QStringLiteral(":TRIG:SOUR BUS\n")) && send(QStringLiteral("INITiate%0:IMMediate\n").arg(wireChannel))
        && send(QStringLiteral(":TRIG:SING\n"));
}

bool VNADevice::setEnablePowerSource(bool enable)
{
    return send(QStringLiteral("OUTPut %1\n").arg(boolean(enable)));
}

bool VNADevice::setSweepType(SweepType type, uint channel)
{
    return send(QStringLiteral("SENSe%0:SWEep:TYPE %1\n").arg(wireIndex(channel), WireTokens::sweepType(type)));
}

bool VNADevice::setStartFreq(double freq, uint channel)
{
    return send(QStringLiteral("SENSe%0:FREQuency:STARt %1\n").arg(wireIndex(channel), number(freq)));
}

bool VNADevice::setStopFreq(double freq, uint channel)
{
    return send(QStringLiteral("SENSe%0:FREQuency:STOP %1\n").arg(wireIndex(channel), number(freq)));
}

bool VNADevice::setPointsCount(uint count, uint channel)
{
    return send(QStringLiteral("SENSe%0:SWEep:POINts %1\n").arg(wireIndex(channel), QString::number(count)));
}

bool VNADevice::setIfBandwidth(double value, uint channel)
{
    return send(QStringLiteral("SENSe%0:BWIDth:RESolution %1\n").arg(wireIndex(channel), number(value)));
}

bool VNADevice::setOutputPower(double value, uint channel)
{
    return send(QStringLiteral("SOURce%0:POWer:LEVel:IMMediate:AMPLitude %1\n").arg(wireIndex(channel), number(value)));
}

bool VNADevice::setYTraceAutoscale(uint graphIndex)
{
    return send(QStringLiteral("DISPlay:WINDow:TRACe%0:Y:AUTO\n").arg(wireIndex(graphIndex)));
}

bool VNADevice::setTriggerSource(const QString& source)
{
    return send(QStringLiteral(":TRIG:SOUR %0\n").arg(source));
}

bool VNADevice::setContinuousSweep(bool on, uint channel)
{
    return send(QStringLiteral("INITiate%0:CONTinuous %1\n")
                    .arg(wireIndex(channel), on ? QStringLiteral("ON") : QStringLiteral("OFF")));
}

bool VNADevice::setImpedance(uint port, double value)
{
    return send(QStringLiteral("SENSe:CORRection:PORT%0:IMPedance %1\n").arg(wireIndex(port), number(value)));
}

bool VNADevice::memoryDeleteState(const QString& stateFileName)
{
    return sendWithPath(QStringLiteral("MMEMory:DELete %0\n").arg(stateFileName), stateFileName);
}

bool VNADevice::setStateFileSaveType(SaveType type)
{
    return send(QStringLiteral("MMEMory:STORe:STYPe %0\n").arg(WireTokens::saveType(type)));
}

bool VNADevice::loadStateFile(const QString& filePath)
{
    return sendWithPath(QStringLiteral("MMEMory:LOAD %0\n").arg(filePath), filePath);
}

bool VNADevice::saveStateFile(const QString& filePath)
{
    return sendWithPath(QStringLiteral("MMEMory:STORe:STATe %0\n").arg(filePath), filePath);
}

bool VNADevice::saveCalibrationFile(uint channel, const QString& filePath)
{
    return sendWithPath(
        QStringLiteral("MMEMory:STORe:CHANnel%0:CALibration %1\n").arg(wireIndex(channel), filePath), filePath);
}

bool VNADevice::loadCalibrationFile(uint channel, const QString& filePath)
{
    return sendWithPath(
        QStringLiteral("MMEMory:LOAD:CHANnel%0:CALibration %1\n").arg(wireIndex(channel), filePath), filePath);
}

bool VNADevice::setGraphicsLayout(uint type, uint channel)
{
    return send(QStringLiteral("DISPlay:WINDow%0:SPLit %1\n").arg(wireIndex(channel), QString::number(type)));
}

bool VNADevice::setNumberOfTraces(uint count, uint channel)
{
    return send(QStringLiteral("CALCulate%0:PARameter:COUNt %1\n").arg(wireIndex(channel), QString::number(count)));
}

bool VNADevice::setGraphicFormat(uint graphIndex, GraphicFormat format, uint channel)
{
    return send(QStringLiteral("CALCulate%0:TRACe%1:FORMat %2\n")
                    .arg(wireIndex(channel), wireIndex(graphIndex), WireTokens::graphicFormat(format)));
}

bool VNADevice::setGraphicDefine(uint graphIndex, TypeOfParameter type, uint receiver, uint source, uint channel)
{
    if (type == SParameter)
        return setMeasuredParametr(graphIndex, receiver, source, channel);
    return send(QStringLiteral("CALCulate%0:PARameter%1:DEFine %2\n")
                    .arg(wireIndex(channel), wireIndex(graphIndex), WireTokens::parameterType(type, receiver)));
}

bool VNADevice::setGraphicSport(uint graphIndex, uint source, uint channel)
{
    return send(QStringLiteral("CALCulate%0:PARameter%1:SPORt %2\n")
                    .arg(wireIndex(channel), wireIndex(graphIndex), wireIndex(source)));
}

bool VNADevice::setMeasuredParametr(uint parametrIndex, uint toPort, uint fromPort, uint channel)
{
    return send(QStringLiteral("CALCulate%0:PARameter%1:DEFine S%2%3\n")
                    .arg(wireIndex(channel), wireIndex(parametrIndex), wireIndex(toPort), wireIndex(fromPort)));
}

bool VNADevice::setFixtureSimulationState(uint channel, bool state)
{
    return send(QStringLiteral("CALCulate%0:FSIMulator:STATe %1\n").arg(wireIndex(channel), boolean(state)));
}

bool VNADevice::setDeembeddingState(uint channel, bool state)
{
    return send(
        QStringLiteral("CALCulate%0:FSIMulator:SENDed:DEEMbed:STATe %1\n").arg(wireIndex(channel), boolean(state)));
}

bool VNADevice::setDeembeddingState(uint channel, uint port, bool state)
{
    return send(QStringLiteral("CALCulate%0:FSIMulator:SENDed:DEEMbed:PORT%1:STATe %2\n")
                    .arg(wireIndex(channel), wireIndex(port), boolean(state)));
}

bool VNADevice::setDeembeddingFile(uint channel, uint port, const QString& fileName)
{
    return sendWithPath(QStringLiteral("CALCulate%0:FSIMulator:SENDed:DEEMbed:PORT%1:USER:FILename %2\n")
                            .arg(wireIndex(channel), wireIndex(port), fileName),
                        fileName);
}

bool VNADevice::preset()
{
    return send(QStringLiteral("SYSTem:PRESet\n"));
}

bool VNADevice::showWindow(bool flag)
{
    return send(flag ? QStringLiteral("DISPlay:SHOW\n") : QStringLiteral("DISPlay:HIDE\n"));
}

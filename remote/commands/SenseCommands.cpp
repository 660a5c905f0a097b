#include "remote/commands/SenseCommands.h"

#include "analyzer/facade/SyncedVnaDevice.h"
#include "app/backend/MainQmlBackend.h"
#include "remote/commands/CommandErrorCodes.h"
#include "remote/commands/CommandPreamble.h"
#include "remote/commands/ReplyFormatting.h"
#include "remote/commands/VnaRefreshWait.h"
#include "remote/parser/AutomationException.h"
#include "remote/parser/DeviceFunctions.h"

#include <array>

namespace Orlix::Automation {

namespace {

// Calibration tokens by type value, 1 to 10.
const std::array<const char*, 10> calibrationTokens{"OFF",   "NONE",  "RESPO", "RESPS", "RESPT",
                                                     "SOLT1", "SOLT2", "SOLT3", "SOLT4", "1PATH"};
const std::array<const char*, 4> sweepTokens{"LIN", "LOG", "SEGM", "POW"};

using Setter = void (SyncedVnaDevice::*)(double);
using Getter = std::optional<double> (SyncedVnaDevice::*)() const;

void setAndRefresh(MainQmlBackend* backend, Setter setter, double value)
{
    bridgedCommand(backend, [backend, setter, value] {
        (backend->getVnaDevice()->*setter)(value);
        waitForVnaRefresh(backend);
    });
}

void answerReal(MainQmlBackend* backend, DeviceFunctions* functions, Getter getter, int missingCode)
{
    functions->sendAnswer(bridgedQuery(backend, [backend, getter, missingCode] {
        return realOrRaise((backend->getVnaDevice()->*getter)(), missingCode);
    }));
}

} // namespace

void bandwidth(MainQmlBackend* backend, const double& hertz)
{
    setAndRefresh(backend, &SyncedVnaDevice::setIfBandwidth, hertz);
}

void bandwidthQuery(MainQmlBackend* backend, DeviceFunctions* functions)
{
    answerReal(backend, functions, &SyncedVnaDevice::ifBandwidth, kInvalidBandwidth);
}

void calibrationTypeQuery(MainQmlBackend* backend, DeviceFunctions* functions)
{
    functions->sendAnswer(bridgedQuery(backend, [backend] {
        const auto type = backend->getVnaDevice()->calibrationType();
        const int index = type ? int(*type) - 1 : -1;
        if (unsigned(index) >= calibrationTokens.size())
            throw AutomationException(kInvalidCalibrationType);
        return QString::fromLatin1(calibrationTokens[std::size_t(index)]);
    }));
}

void startFrequency(MainQmlBackend* backend, const double& hertz)
{
    setAndRefresh(backend, &SyncedVnaDevice::setStartFreq, hertz);
}

void startFrequencyQuery(MainQmlBackend* backend, DeviceFunctions* functions)
{
    answerReal(backend, functions, &SyncedVnaDevice::startFreq, kInvalidFrequency);
}

void stepFrequencyQuery(MainQmlBackend* backend, DeviceFunctions* functions)
{
    answerReal(backend, functions, &SyncedVnaDevice::stepFreq, kInvalidFrequency);
}

void stopFrequency(MainQmlBackend* backend, const double& hertz)
{
    setAndRefresh(backend, &SyncedVnaDevice::setStopFreq, hertz);
}

void stopFrequencyQuery(MainQmlBackend* backend, DeviceFunctions* functions)
{
    answerReal(backend, functions, &SyncedVnaDevice::stopFreq, kInvalidFrequency);
}

void outputPower(MainQmlBackend* backend, const double& dbm)
{
    setAndRefresh(backend, &SyncedVnaDevice::setOutputPower, dbm);
}

void outputPowerQuery(MainQmlBackend* backend, DeviceFunctions* functions)
{
    answerReal(backend, functions, &SyncedVnaDevice::outputPower, kInvalidPower);
}

void presetAnalyzer(MainQmlBackend* backend)
{
    bridgedCommand(backend, [backend] {
        backend->getVnaDevice()->preset();
        waitForVnaRefresh(backend);
    });
}

void sweepPoints(MainQmlBackend* backend, const int& points)
{
    runPreamble(backend, Preamble::Full);
    // A negative count would reach the analyzer as a huge unsigned one.
    if (points < 0)
        throw AutomationException(kDataOutOfRange);
    bridgedCommand(backend, [backend, points] {
        backend->getVnaDevice()->setPointsCount(uint(points));
        waitForVnaRefresh(backend);
    });
}

void sweepPointsQuery(MainQmlBackend* backend, DeviceFunctions* functions)
{
    functions->sendAnswer(bridgedQuery(backend, [backend] {
        const auto points = backend->getVnaDevice()->pointsCount();
        if (!points)
            throw AutomationException(kInvalidPointsNumber);
        return QString::number(*points);
    }));
}

void sweepTypeQuery(MainQmlBackend* backend, DeviceFunctions* functions)
{
    functions->sendAnswer(bridgedQuery(backend, [backend] {
        const auto type = backend->getVnaDevice()->sweepType();
        const int index = type ? int(*type) : -1;
        if (unsigned(index) >= sweepTokens.size())
            throw AutomationException(kInvalidSweepType);
        return QString::fromLatin1(sweepTokens[std::size_t(index)]);
    }));
}

} // namespace Orlix::Automation

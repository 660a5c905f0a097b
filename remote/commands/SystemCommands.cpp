#include "remote/commands/SystemCommands.h"

#include "analyzer/facade/SyncedVnaDevice.h"
#include "app/backend/MainQmlBackend.h"
#include "app/checks/SetupVnaTableModel.h"
#include "measurement/setups/FixtureSetups.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"
#include "remote/commands/CommandErrorCodes.h"
#include "remote/commands/CommandPreamble.h"
#include "remote/commands/ReplyFormatting.h"
#include "remote/commands/StepLookup.h"
#include "remote/commands/StepTaskWait.h"
#include "remote/commands/VnaRefreshWait.h"
#include "remote/parser/AutomationException.h"
#include "remote/parser/DeviceFunctions.h"
#include "remote/parser/ErrorMessages.h"
#include "remote/server/RemoteClientBase.h"

namespace Orlix::Automation {

namespace {

constexpr int kMaximumUserZ0 = 1000;
constexpr int kDefaultAnalyzerPort = 5025;
constexpr int kMaximumAnalyzerPort = 65535;

// The impedance conversion needs a low-pass grid that the user has not chosen to ignore.
void requireLowPassConversion(MainQmlBackend* backend)
{
    if (!firstSetup(backend)->isLowPassMode())
        throw AutomationException(kLowPassNotEnabled);
    if (!backend->getSetupVnaTable()->lowPassCheck())
        throw AutomationException(kLowPassIgnored);
}

void raiseOnFailure(bool succeeded)
{
    if (!succeeded)
        throw AutomationException(kExecutionError);
}

// The file commands do nothing for an empty path; the operation's own failure
// (also reported to the notification panel) becomes an execution error.
void fileOperation(MainQmlBackend* backend, const std::string& path,
                   bool (MainQmlBackend::*operation)(const QString&))
{
    if (path.empty())
        return;
    const QString filePath = QString::fromStdString(path);
    bridgedCommand(backend, [backend, filePath, operation] { raiseOnFailure((backend->*operation)(filePath)); });
}

void lowPassCommand(MainQmlBackend* backend, bool (NoltAlgorithmsSetup::*mode)())
{
    // Returns once the analyzer's new grid is cached, like the sweep setters. A grid
    // that was not set (the analyzer's sweep or maximum unknown, or beyond what it
    // can sweep) reaches no panel from the standalone setup, so the client hears it.
    bridgedCommand(backend, [backend, mode] {
        raiseOnFailure((backend->getAlgorithmsSetup()->*mode)());
        waitForVnaRefresh(backend);
    });
}

} // namespace

void opcQuery(MainQmlBackend* backend, DeviceFunctions* functions)
{
    requireBackend(backend);
    functions->sendAnswer(QStringLiteral("1"));
}

void readyQuery(MainQmlBackend* backend, DeviceFunctions* functions)
{
    functions->sendAnswer(bridgedQuery(
        backend, [backend] { return formatBool(backend->getVnaDevice()->isReady().value_or(false)); },
        Preamble::BackendOnly));
}

void errorQuery(MainQmlBackend*, DeviceFunctions* functions)
{
    functions->sendAnswer(errorQueueReply(functions->client()->takeError()).toLatin1());
}

void lowPassMode(MainQmlBackend* backend)
{
    lowPassCommand(backend, &NoltAlgorithmsSetup::setLowPassMode);
}

void lowPassMode10Mhz(MainQmlBackend* backend)
{
    lowPassCommand(backend, &NoltAlgorithmsSetup::set10MhzLowPassMode);
}

void userZ0(MainQmlBackend* backend, const int& ohms)
{
    bridgedCommand(backend, [backend, ohms] {
        requireLowPassConversion(backend);
        if (unsigned(ohms - 1) > unsigned(kMaximumUserZ0 - 1))
            throw AutomationException(kInvalidZ0);
        backend->getFixtureSetups()->setUserZ0(double(ohms));
    });
}

void z0ConversionType(MainQmlBackend* backend, const MeasureEnums::Z0Conversion& type)
{
    bridgedCommand(backend, [backend, type] {
        requireLowPassConversion(backend);
        backend->getFixtureSetups()->setZ0ConversionType(type);
    });
}

void z0ConversionTypeQuery(MainQmlBackend* backend, DeviceFunctions* functions)
{
    functions->sendAnswer(bridgedQuery(backend, [backend] {
        requireLowPassConversion(backend);
        switch (firstSetup(backend)->z0ConversionType()) {
        case MeasureEnums::Z0Conversion::System:
            return QStringLiteral("SYST");
        case MeasureEnums::Z0Conversion::Fixture:
            return QStringLiteral("FIXT");
        case MeasureEnums::Z0Conversion::User:
            return QStringLiteral("US");
        case MeasureEnums::Z0Conversion::None:
            break;
        }
        return QStringLiteral("NONE");
    }));
}

void lowPassIgnore(MainQmlBackend* backend, const bool& ignore)
{
    bridgedCommand(backend, [backend, ignore] { backend->getSetupVnaTable()->setLowPassCheck(!ignore); });
}

void lowPassIgnoreQuery(MainQmlBackend* backend, DeviceFunctions* functions)
{
    functions->sendAnswer(
        bridgedQuery(backend, [backend] { return formatBool(!backend->getSetupVnaTable()->lowPassCheck()); }));
}

void calculationMethod(MainQmlBackend* backend, const MeasureEnums::CorrectionMethod& method)
{
    bridgedCommand(backend, [backend, method] {
        FixtureSetups* setups = backend->getFixtureSetups();
        changeMeasuredConditions(*setups, *backend->getBackendWorker(),
                                 [setups, method] { setups->setCorrectionMethod(method); });
    });
}

void calculationMethodQuery(MainQmlBackend* backend, DeviceFunctions* functions)
{
    functions->sendAnswer(bridgedQuery(backend, [backend] {
        switch (backend->getFixtureSetups()->getCorrectionMethod()) {
        case MeasureEnums::CorrectionMethod::TIME_GATING:
            return QStringLiteral("TIME");
        case MeasureEnums::CorrectionMethod::BISECT:
            return QStringLiteral("BI");
        case MeasureEnums::CorrectionMethod::FILTERING:
            return QStringLiteral("FILTER");
        }
        throw AutomationException(kInvalidMethod);
    }));
}

void applyCorrection(MainQmlBackend* backend)
{
    bridgedCommand(backend, [backend] { raiseOnFailure(backend->applyCorrectionNow()); });
}

void saveCorrection(MainQmlBackend* backend, const std::string& path)
{
    fileOperation(backend, path, &MainQmlBackend::saveCorrectionFilesNow);
}

void saveRawData(MainQmlBackend* backend, const std::string& path)
{
    fileOperation(backend, path, &MainQmlBackend::saveRawDataFilesNow);
}

void saveSetup(MainQmlBackend* backend, const std::string& path)
{
    fileOperation(backend, path, &MainQmlBackend::saveStateNow);
}

void loadState(MainQmlBackend* backend, const std::string& path)
{
    fileOperation(backend, path, &MainQmlBackend::loadStateNow);
}

void presetApplication(MainQmlBackend* backend)
{
    bridgedCommand(backend, [backend] { raiseOnFailure(backend->presetNow()); });
}

void analyzerDefaultAddress(MainQmlBackend* backend)
{
    bridgedCommand(
        backend,
        [backend] {
            backend->getVnaDevice()->setAddress(QStringLiteral("127.0.0.1"));
            backend->getVnaDevice()->setPort(kDefaultAnalyzerPort);
        },
        Preamble::BackendOnly);
}

void analyzerAddress(MainQmlBackend* backend, const std::string& address)
{
    requireBackend(backend);
    const QString text = QString::fromStdString(address);
    // Without an address the analyzer link would break without a word.
    if (text.trimmed().isEmpty())
        throw AutomationException(kIllegalParameterValue);
    bridgedCommand(backend, [backend, text] { backend->getVnaDevice()->setAddress(text); }, Preamble::BackendOnly);
}

void analyzerAddressQuery(MainQmlBackend* backend, DeviceFunctions* functions)
{
    functions->sendAnswer(
        bridgedQuery(backend, [backend] { return backend->getVnaDevice()->address(); }, Preamble::BackendOnly));
}

void analyzerPort(MainQmlBackend* backend, const int& port)
{
    requireBackend(backend);
    // A port that does not fit a TCP port would otherwise be cut to another one.
    if (port < 1 || port > kMaximumAnalyzerPort)
        throw AutomationException(kDataOutOfRange);
    bridgedCommand(backend, [backend, port] { backend->getVnaDevice()->setPort(ushort(port)); },
                   Preamble::BackendOnly);
}

void analyzerPortQuery(MainQmlBackend* backend, DeviceFunctions* functions)
{
    functions->sendAnswer(bridgedQuery(
        backend, [backend] { return QString::number(backend->getVnaDevice()->port()); }, Preamble::BackendOnly));
}

} // namespace Orlix::Automation

#include "app/backend/MainQmlBackend.h"

#include "analyzer/facade/SyncedVnaDevice.h"
#include "analyzer/threading/WorkerThread.h"
#include "app/backend/AnalyzerEndpoint.h"
#include "app/backend/TemporarySetupRecall.h"
#include "app/checks/CalibrateVnaTableModel.h"
#include "app/checks/SetupVnaTableModel.h"
#include "app/correction/CorrectionApplier.h"
#include "app/exports/CorrectionFileWriter.h"
#include "app/exports/RawDataExport.h"
#include "app/exports/TestModeExport.h"
#include "app/formatting/NumberReader.h"
#include "app/formatting/TextInputDoubleValidator.h"
#include "app/settings/Settings.h"
#include "app/setupfiles/SetupFileRecaller.h"
#include "app/setupfiles/SetupFileSaver.h"
#include "app/testmode/TestModeTableModel.h"
#include "charts/scale/ChartScaleManager.h"
#include "engine/parameters/ProcessInputParameters.h"
#include "measurement/progress/TaskProgress.h"
#include "measurement/setups/FixtureSetups.h"
#include "remote/server/SocketRemoteControl.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QQmlEngine>
#include <QThread>
#include <QTimer>

const QString MainQmlBackend::projectVersion = QStringLiteral("1.4.1");

namespace {

void sleepFor(std::chrono::milliseconds duration)
{
    QThread::msleep(static_cast<unsigned long>(duration.count()));
}

std::vector<FixtureHalves> fixtureHalvesOf(FixtureSetups* fixtureSetups)
{
    std::vector<FixtureHalves> setups;
    for (int i = 0; i < fixtureSetups->getCount(); ++i) {
        NoltAlgorithmsSetup* setup = fixtureSetups->setup(i);
        setups.push_back({setup->leftFixtureEnabled(), setup->leftFixtureConn(), setup->rightFixtureEnabled(),
                          setup->rightFixtureConn()});
    }
    return setups;
}

} // namespace

MainQmlBackend::MainQmlBackend(Settings* settings, QObject* parent, BackendOptions options)
    : QObject(parent)
    , m_settings(settings)
    , m_serverControl(new Orlix::Automation::SocketRemoteControl(this, options.remotePort))
    , m_backendWorker(new WorkerThread(this))
    , m_vnaDevice(options.connectTimeLimit ? new SyncedVnaDevice(this, *options.connectTimeLimit)
                                           : new SyncedVnaDevice(this))
    , m_setupVnaTable(new SetupVnaTableModel(m_vnaDevice, this))
    , m_calibrateVnaTable(new CalibrateVnaTableModel(m_vnaDevice, this))
    , m_processInputParameters(new Algorithms::ProcessInputParameters(this))
    , m_fixtureSetups(new FixtureSetups(m_processInputParameters, m_vnaDevice, m_backendWorker, &m_progressManager, this))
    , m_algorithmsSetup(
          new NoltAlgorithmsSetup(m_vnaDevice, m_backendWorker, &m_progressManager, m_processInputParameters, this))
    , m_testModeTable(new TestModeTableModel(m_processInputParameters, m_fixtureSetups, this))
    , m_options(std::move(options))
{
    if (!m_options.recallPause)
        m_options.recallPause = sleepFor;
    watchRemoteServer();
    registerTypes();
    applyStoredAnalyzerAddress();
    m_vnaDevice->startAutoRefresh();
    QDir(QCoreApplication::applicationDirPath()).mkpath(QStringLiteral("tmp"));
    m_fixtureSetups->setProcessInputParameters(m_processInputParameters);
    connectSetups();

    m_temporaryRecall = std::make_unique<TemporarySetupRecall>([this] { requestTemporaryRecall(); });
    connect(m_vnaDevice, &SyncedVnaDevice::portsCountChanged, this,
            [this] { m_temporaryRecall->portsCountChanged(m_vnaDevice->portsCount()); });
    m_temporaryRecall->portsCountChanged(m_vnaDevice->portsCount());
    m_quitObservation = QuitNotice::observe([this] { stopForQuit(); });
}

MainQmlBackend::~MainQmlBackend()
{
    m_quitObservation.reset();
    // No remote work, deferred change or recall may start from here on.
    m_gate.shutDown();
    m_serverControl->setEnabled(false);

    if (const std::optional<QString> path = temporarySetupPath()) {
        QDir(QCoreApplication::applicationDirPath()).mkpath(QStringLiteral("tmp"));
        saveStateNow(*path);
    }

    // Work still queued is dropped (its waiters released); the running item ends
    // on objects it holds. Only then do the setups go.
    m_fixtureSetups->interrupt();
    m_algorithmsSetup->interrupt();
    m_backendWorker->stop();
    // The test-mode table follows the setups' steps and ports: it goes before them.
    delete m_testModeTable;
    delete m_fixtureSetups;
    delete m_algorithmsSetup;
    delete m_setupVnaTable;
    delete m_calibrateVnaTable;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::optional<QString> MainQmlBackend::temporarySetupPath() const
{
    const std::optional<QString> name = m_settings->validLoadedStateFile();
    if (!name)
        return std::nullopt;
    return QDir(temporaryDirectory()).filePath(QStringLiteral("tmp-") + *name + QStringLiteral(".sta"));
}

QString MainQmlBackend::temporaryDirectory() const
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tmp"));
}

ProgressManager* MainQmlBackend::getProgressManager()
{
    QQmlEngine::setObjectOwnership(&m_progressManager, QQmlEngine::CppOwnership);
    return &m_progressManager;
}

void MainQmlBackend::registerTypes()
{
    qmlRegisterType<TextInputDoubleValidator>("TextDoubleValidator", 1, 0, "TextDoubleValidator");
    qmlRegisterType<NumberReader>("NumberReader", 1, 0, "NumberReader");
    qmlRegisterType<ChartScaleManager>("ChartScaleManager", 1, 0, "ChartScaleManager");
    qRegisterMetaType<SyncedVnaDevice*>("SyncedVnaDevice pointer");
    qRegisterMetaType<ProgressManager*>("ProgressManager pointer");
    qRegisterMetaType<Orlix::Automation::SocketRemoteControl*>("Orlix::Automation::SocketRemoteControl*");
}

void MainQmlBackend::applyStoredAnalyzerAddress()
{
    const AnalyzerEndpoint endpoint = analyzerEndpoint(m_settings->ipAddress, m_settings->validPort());
    m_vnaDevice->setAddress(endpoint.address);
    m_vnaDevice->setPort(endpoint.port);
}

void MainQmlBackend::connectSetups()
{
    connect(m_fixtureSetups, &FixtureSetups::error, this, &MainQmlBackend::error);
    connect(m_fixtureSetups, &FixtureSetups::message, this, &MainQmlBackend::message);
    auto portsCount = [this] {
        m_calibrateVnaTable->changeRecommendedPortsCount(m_fixtureSetups->selectedPortsCount());
    };
    auto usedPorts = [this] { m_calibrateVnaTable->changeRecommendedPorts(m_fixtureSetups->getUsedVnaPorts()); };
    connect(m_fixtureSetups, &FixtureSetups::selectedPortsCountChanged, this, portsCount);
    connect(m_fixtureSetups, &FixtureSetups::usedVnaPortsChanged, this, usedPorts);
    portsCount();
    usedPorts();

    QAbstractItemModel* setups = m_fixtureSetups->setups();
    connect(setups, &QAbstractItemModel::rowsInserted, this, &MainQmlBackend::trackSteps);
    connect(setups, &QAbstractItemModel::modelReset, this, &MainQmlBackend::trackSteps);
    trackSteps();
}

void MainQmlBackend::trackSteps()
{
    std::vector<NoltAlgorithmsSetup*> setups{m_algorithmsSetup};
    for (int i = 0; i < m_fixtureSetups->getCount(); ++i)
        setups.push_back(m_fixtureSetups->setup(i));
    for (NoltAlgorithmsSetup* setup : setups) {
        connect(setup, &NoltAlgorithmsSetup::stepsChanged, this, &MainQmlBackend::trackSteps, Qt::UniqueConnection);
        for (const std::shared_ptr<Step>& step : setup->steps().rows())
            m_gate.trackStep(step.get());
    }
}

void MainQmlBackend::watchRemoteServer()
{
    // The server's first listen reports inside its constructor, before anyone could
    // hear it. Only a server that failed listens once more, with the backend
    // listening, to tell the user once the event loop runs: closing a listening one
    // would reset the clients that connected meanwhile.
    if (m_serverControl->isListening())
        return;
    auto failure = std::make_shared<QString>();
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(m_serverControl, &Orlix::Automation::RemoteControl::error, this,
                          [failure](const QString& text) { *failure = text; });
    m_serverControl->setEnabled(false);
    m_serverControl->setEnabled(true);
    disconnect(*connection);
    if (!failure->isEmpty())
        QTimer::singleShot(0, this, [this, failure] { emit error(tr("Remote control is not available: ") + *failure); });
}

void MainQmlBackend::stopForQuit()
{
    if (m_quitting)
        return;
    m_quitting = true;
    m_gate.shutDown();
    // First the analyzer: the sweep is aborted and nothing it is asked from now on
    // can wait for longer than its budget, the restores of the items below included.
    m_vnaDevice->giveUp();
    m_fixtureSetups->interrupt();
    m_algorithmsSetup->interrupt();
    // Dropped items restore the analyzer and release their waiters; an item posted
    // by a measurement that was still preparing counts as dropped too.
    m_backendWorker->clear();
}

void MainQmlBackend::requestTemporaryRecall()
{
    if (!temporarySetupPath() || m_temporaryRecallQueued)
        return;
    // One recall waiting is enough: it reads the file as it is when it runs.
    m_temporaryRecallQueued = true;
    m_gate.whenIdle([this] {
        m_temporaryRecallQueued = false;
        // The name may have been switched off while the recall waited.
        if (const std::optional<QString> path = temporarySetupPath())
            loadStateNow(*path);
    });
}

bool MainQmlBackend::runOperation(const QString& title, const std::function<bool(TaskProgress&)>& operation,
                                  bool partOfRunning)
{
    BusyGate::Hold hold = m_gate.hold();
    auto* task = new TaskProgress();
    m_progressManager.add(task, title);
    task->reportStarted();
    QStringList failures;
    QStringList* const outer = m_operationErrors;
    const bool ownNotification = !partOfRunning || !outer;
    if (ownNotification)
        m_operationErrors = &failures;
    const bool done = operation(*task);
    if (done)
        task->finish();
    else
        task->cancel();
    task->deleteLater();
    if (ownNotification) {
        m_operationErrors = outer;
        if (!failures.isEmpty())
            emit error(failures.join(QLatin1Char('\n')));
    }
    return done;
}

void MainQmlBackend::reportError(const QString& text)
{
    if (!m_operationErrors) {
        emit error(text);
        return;
    }
    // Every file of a save into one folder fails for the same reason.
    if (!m_operationErrors->contains(text))
        m_operationErrors->append(text);
}

bool MainQmlBackend::applyCorrectionNow()
{
    return runOperation(tr("Correction"), [this](TaskProgress& task) {
        const std::vector<FixtureHalves> setups = fixtureHalvesOf(m_fixtureSetups);
        QDir(QCoreApplication::applicationDirPath()).mkpath(QStringLiteral("tmp"));
        CorrectionApplier applier(m_vnaDevice, m_backendWorker, [this](const QString& text) { reportError(text); });
        const bool applied = applier.apply(setups, QDir(temporaryDirectory()).filePath("deembed-"), task);
        if (applied)
            emit message(tr("Correction was applied"));
        QCoreApplication::processEvents();
        return applied;
    });
}

bool MainQmlBackend::saveCorrectionFilesNow(const QString& filename)
{
    return runOperation(tr("Save correction"), [this, &filename](TaskProgress& task) {
        const std::vector<FixtureHalves> setups = fixtureHalvesOf(m_fixtureSetups);
        CorrectionFileWriter writer(m_vnaDevice, m_backendWorker, [this](const QString& text) { reportError(text); });
        if (!writer.write(filename, setups, task))
            return false;
        emit message(tr("Save correction files was performed: ") + filename);
        return true;
    });
}

bool MainQmlBackend::writeRawDataFiles(const QString& filename, bool partOfRunning)
{
    return runOperation(
        tr("Save the raw data"),
        [this, &filename](TaskProgress&) {
            std::vector<RawDataExport::SetupSteps> setups;
            for (int i = 0; i < m_fixtureSetups->getCount(); ++i)
                setups.push_back(m_fixtureSetups->setup(i)->steps().rows());
            return RawDataExport([this](const QString& text) { reportError(text); }).run(filename, setups);
        },
        partOfRunning);
}

bool MainQmlBackend::saveRawDataFilesNow(const QString& filename)
{
    if (!writeRawDataFiles(filename))
        return false;
    emit message(tr("Save the raw data files was performed:") + " " + filename);
    return true;
}

bool MainQmlBackend::saveTestModeFilesNow(const QString& fileName)
{
    return runOperation(tr("Save test mode parameters"), [this, &fileName](TaskProgress& task) {
        TestModeExport testMode(m_backendWorker, [this](const QString& text) { reportError(text); });
        const NoltAlgorithmsSetup* first = m_fixtureSetups->getCount() > 0 ? m_fixtureSetups->setup(0) : nullptr;
        bool rawDataWritten = true;
        const auto writeRawData = [this, &rawDataWritten](const QString& prefix) {
            rawDataWritten = writeRawDataFiles(prefix, true);
        };
        const bool written = testMode.run(fileName, m_testModeTable->rows(), first, task, writeRawData);
        // One save, one outcome: the raw data are part of it, and a part that
        // failed has been reported without any success following.
        if (!written || !rawDataWritten)
            return false;
        emit message(tr("Save test mode parameters was performed:") + " " + fileName);
        return true;
    });
}

bool MainQmlBackend::saveStateNow(const QString& filePath)
{
    return runOperation(tr("Save setup"), [this, &filePath](TaskProgress& task) {
        SetupFileSaver saver(m_vnaDevice, m_fixtureSetups, m_setupVnaTable,
                             [this](const QString& text) { reportError(text); });
        const std::optional<QString> stored = saver.save(filePath, task);
        if (stored)
            emit message(tr("Save setup was performed: ") + *stored);
        return stored.has_value();
    });
}

bool MainQmlBackend::loadStateNow(const QString& filePath)
{
    return runOperation(tr("Recall setup"), [this, &filePath](TaskProgress& task) {
        SetupFileRecaller recaller(m_vnaDevice, m_fixtureSetups, m_setupVnaTable, m_options.recallPause,
                                   [this](const QString& text) { reportError(text); });
        const bool recalled = recaller.recall(filePath, task);
        if (recalled)
            emit message(tr("Recall setup was performed: ") + filePath);
        return recalled;
    });
}

bool MainQmlBackend::presetNow()
{
    return runOperation(tr("Plug-in preset"), [this](TaskProgress&) {
        m_fixtureSetups->preset();
        emit presetGui();
        emit message(tr("Plug-in preset was performed"));
        return true;
    });
}

void MainQmlBackend::applyCorrection()
{
    applyCorrectionNow();
}

void MainQmlBackend::saveCorrectionFiles(QString filename)
{
    saveCorrectionFilesNow(filename);
}

void MainQmlBackend::saveRawDataFiles(QString filename)
{
    saveRawDataFilesNow(filename);
}

void MainQmlBackend::saveTestModeFiles(QString fileName)
{
    saveTestModeFilesNow(fileName);
}

void MainQmlBackend::saveState(QString filePath)
{
    saveStateNow(filePath);
}

void MainQmlBackend::loadState(QString filePath)
{
    m_gate.whenIdle([this, filePath] { loadStateNow(filePath); });
}

void MainQmlBackend::preset()
{
    m_gate.whenIdle([this] { presetNow(); });
}

void MainQmlBackend::setScaling(QString scaleFactor)
{
    m_settings->scalingFactor = scaleFactor;
}

void MainQmlBackend::restart()
{
    qApp->setProperty("restart", true);
    QuitNotice::notify();
    QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    QEventLoop loop;
    loop.exec();
}

#pragma once

#include "analyzer/threading/QuitNotice.h"
#include "app/backend/BusyGate.h"
#include "measurement/progress/ProgressManager.h"

#include <QDir>
#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class CalibrateVnaTableModel;
class FixtureSetups;
class NoltAlgorithmsSetup;
class Settings;
class SetupVnaTableModel;
class SyncedVnaDevice;
class TaskProgress;
class TemporarySetupRecall;
class TestModeTableModel;
class WorkerThread;

namespace Algorithms {
class ProcessInputParameters;
}
namespace Orlix::Automation {
class SocketRemoteControl;
}

// What a test or a second instance changes about the backend's surroundings.
struct BackendOptions
{
    static constexpr int DefaultRemotePort = 5026;

    // 0 picks a free port.
    int remotePort = DefaultRemotePort;
    // How long the analyzer may take to accept a connection.
    std::optional<std::chrono::milliseconds> connectTimeLimit;
    // The pause between two recalled setups, while the analyzer loads its state.
    std::function<void(std::chrono::milliseconds)> recallPause;
};

// The one object the user interface and the remote-control handlers talk to. It
// owns the analyzer facade, the setups, the check tables, the progress list and
// the remote-control server. Its long operations (save, recall, export, apply,
// preset) are progress tasks that end in error() or message(); each also has a
// ...Now() form that reports its outcome as a bool for the remote command set.
// Anything that changes setups waits behind measurements and operations in
// progress (busyGate()).
class MainQmlBackend : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Orlix::Automation::SocketRemoteControl* serverControl READ getServerControl CONSTANT)

public:
    static const QString projectVersion;

    MainQmlBackend(Settings* settings, QObject* parent, BackendOptions options = {});
    ~MainQmlBackend() override;

    BusyGate* busyGate() { return &m_gate; }
    // The temporary setup file, while the settings name one.
    std::optional<QString> temporarySetupPath() const;

    bool applyCorrectionNow();
    bool saveCorrectionFilesNow(const QString& filename);
    bool saveRawDataFilesNow(const QString& filename);
    bool saveTestModeFilesNow(const QString& fileName);
    // Run at once: callers that change setups go through busyGate() first.
    bool loadStateNow(const QString& filePath);
    bool saveStateNow(const QString& filePath);
    bool presetNow();

signals:
    void error(QString error);
    void message(QString message);
    void presetGui();

public slots:
    QString getProjectVersion() const { return projectVersion; }
    SyncedVnaDevice* getVnaDevice() const { return m_vnaDevice; }
    FixtureSetups* getFixtureSetups() const { return m_fixtureSetups; }
    WorkerThread* getBackendWorker() const { return m_backendWorker; }
    SetupVnaTableModel* getSetupVnaTable() const { return m_setupVnaTable; }
    CalibrateVnaTableModel* getCalibrateVnaTable() const { return m_calibrateVnaTable; }
    TestModeTableModel* getTestModeTable() const { return m_testModeTable; }
    NoltAlgorithmsSetup* getAlgorithmsSetup() const { return m_algorithmsSetup; }
    ProgressManager* getProgressManager();
    Orlix::Automation::SocketRemoteControl* getServerControl() const { return m_serverControl; }
    void applyCorrection();
    void saveCorrectionFiles(QString filename);
    void saveRawDataFiles(QString filename);
    void saveTestModeFiles(QString fileName);
    void loadState(QString filePath);
    void saveState(QString filePath);
    void setScaling(QString scaleFactor);
    void restart();
    void preset();

private slots:
    void trackSteps();

private:
    void registerTypes();
    void applyStoredAnalyzerAddress();
    void connectSetups();
    void watchRemoteServer();
    void requestTemporaryRecall();
    // Once the application is told to quit: nothing new starts, queued work is
    // dropped (its waiters released), the running work is interrupted and the
    // analyzer is given up on after a bounded time, so the main loop can end.
    void stopForQuit();
    // A progress task under the title for the operation's life, holding the gate;
    // finished on success, cancelled on failure. What went wrong is one notification
    // when it ends; an operation that is part of the running one adds to that one's.
    bool runOperation(const QString& title, const std::function<bool(TaskProgress&)>& operation,
                      bool partOfRunning = false);
    // Into the running operation's notification, or at once outside operations.
    void reportError(const QString& text);
    // The raw-data files as a task of their own, failures reported, success left to the caller.
    bool writeRawDataFiles(const QString& filename, bool partOfRunning = false);
    QString temporaryDirectory() const;

    Settings* m_settings;
    Orlix::Automation::SocketRemoteControl* m_serverControl;
    WorkerThread* m_backendWorker;
    SyncedVnaDevice* m_vnaDevice;
    SetupVnaTableModel* m_setupVnaTable;
    CalibrateVnaTableModel* m_calibrateVnaTable;
    ProgressManager m_progressManager;
    Algorithms::ProcessInputParameters* m_processInputParameters;
    FixtureSetups* m_fixtureSetups;
    NoltAlgorithmsSetup* m_algorithmsSetup;
    TestModeTableModel* m_testModeTable;
    BusyGate m_gate;
    BackendOptions m_options;
    std::unique_ptr<TemporarySetupRecall> m_temporaryRecall;
    bool m_temporaryRecallQueued = false;
    // The failures of the operation running now, distinct texts in order.
    QStringList* m_operationErrors = nullptr;
    bool m_quitting = false;
    QuitNotice::Observation m_quitObservation;
};

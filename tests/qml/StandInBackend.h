#pragma once

#include "analyzer/facade/SyncedVnaDevice.h"
#include "analyzer/threading/WorkerThread.h"
#include "app/checks/CalibrateVnaTableModel.h"
#include "app/checks/SetupVnaTableModel.h"
#include "app/testmode/TestModeTableModel.h"
#include "engine/parameters/ProcessInputParameters.h"
#include "measurement/progress/ProgressManager.h"
#include "measurement/setups/FixtureSetups.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"
#include "remote/server/SocketRemoteControl.h"

#include <QObject>
#include <QStringList>

// What the pages ask of the backend, over the real objects: an analyzer facade
// pointed at the given port, the setups, the check tables, the progress list,
// the test-mode table and a remote-control server on a free port. The
// operations only record their calls.
class StandInBackend : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Orlix::Automation::SocketRemoteControl* serverControl READ getServerControl CONSTANT)

public:
    StandInBackend(quint16 analyzerPort, int serverPort);

    QStringList calls;

signals:
    void error(QString error);
    void message(QString message);
    void presetGui();

public slots:
    QString getProjectVersion() const { return QStringLiteral("1.4.1"); }
    SyncedVnaDevice* getVnaDevice() { return &m_device; }
    FixtureSetups* getFixtureSetups() { return &m_setups; }
    SetupVnaTableModel* getSetupVnaTable() { return &m_setupTable; }
    CalibrateVnaTableModel* getCalibrateVnaTable() { return &m_calibrateTable; }
    TestModeTableModel* getTestModeTable() { return &m_testModeTable; }
    NoltAlgorithmsSetup* getAlgorithmsSetup() { return &m_algorithmsSetup; }
    ProgressManager* getProgressManager() { return &m_progress; }
    Orlix::Automation::SocketRemoteControl* getServerControl() { return &m_server; }
    void setScaling(QString scaleFactor) { calls << QStringLiteral("setScaling ") + scaleFactor; }
    void restart() { calls << QStringLiteral("restart"); }
    void saveTestModeFiles(QString fileName) { calls << QStringLiteral("saveTestModeFiles ") + fileName; }

private:
    Orlix::Automation::SocketRemoteControl m_server;
    WorkerThread m_worker;
    SyncedVnaDevice m_device;
    SetupVnaTableModel m_setupTable;
    CalibrateVnaTableModel m_calibrateTable;
    ProgressManager m_progress;
    Algorithms::ProcessInputParameters m_parameters;
    FixtureSetups m_setups;
    NoltAlgorithmsSetup m_algorithmsSetup;
    TestModeTableModel m_testModeTable;
};

#pragma once

#include "measurement/enums/MeasureEnums.h"
#include "measurement/models/UniquePtrModel.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"

#include <QAbstractListModel>
#include <QObject>
#include <QSet>

class ProgressManager;
class SyncedVnaDevice;
class WorkerThread;

namespace Algorithms {
class ProcessInputParameters;
}

// The setups the user works with and the settings they all share: the
// correction method, the reference-impedance conversion and the user impedance.
// Setups are shared: work in flight on one of their steps keeps a removed setup
// alive until that work has ended.
class FixtureSetups : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int count READ getCount NOTIFY countChanged)
    Q_PROPERTY(int selected READ getSelected WRITE setSelected NOTIFY selectedChanged)
    Q_PROPERTY(MeasureEnums::Z0Conversion z0ConversionType READ getZ0ConversionType WRITE setZ0ConversionType NOTIFY
                   z0ConversionTypeChanged)
    Q_PROPERTY(double userZ0 READ getUserZ0 WRITE setUserZ0 NOTIFY userZ0Changed)
    Q_PROPERTY(MeasureEnums::CorrectionMethod correctionMethod READ getCorrectionMethod WRITE setCorrectionMethod NOTIFY
                   correctionMethodChanged)
    Q_PROPERTY(QAbstractListModel* setups READ setups CONSTANT)

public:
    FixtureSetups(Algorithms::ProcessInputParameters* params, SyncedVnaDevice* device, WorkerThread* worker,
                  ProgressManager* progress, QObject* parent = nullptr);

    void setProcessInputParameters(Algorithms::ProcessInputParameters* params) { m_params = params; }
    NoltAlgorithmsSetup* setup(int row) const;

public slots:
    int getCount() const { return m_setups.size(); }
    int getSelected() const { return m_selected; }
    void setSelected(int i);
    void addSetup();
    void removeSetup(int i);
    void setZ0ConversionType(MeasureEnums::Z0Conversion type);
    void setCorrectionMethod(MeasureEnums::CorrectionMethod method);
    // A value that is not finite and positive is refused.
    void setUserZ0(double value);
    MeasureEnums::Z0Conversion getZ0ConversionType() const { return m_z0ConversionType; }
    double getUserZ0() const { return m_userZ0; }
    MeasureEnums::CorrectionMethod getCorrectionMethod() const { return m_correctionMethod; }
    void interrupt();
    uint selectedPortsCount() const;
    QSet<uint32_t> getUsedVnaPorts() const;
    // One fresh setup with the default settings; queued work is dropped (its waiters
    // released, the analyzer restored). Setups whose steps still run stay alive until
    // their work ends.
    void preset();
    QAbstractListModel* setups() { return &m_setups; }

signals:
    void interrupted();
    void error(QString err);
    void message(QString text);
    void countChanged();
    void selectedChanged();
    void z0ConversionTypeChanged();
    void userZ0Changed();
    void correctionMethodChanged(MeasureEnums::CorrectionMethod correctionMethod);
    void selectedPortsCountChanged();
    void usedVnaPortsChanged();
    // Results made under other conditions, or of steps that the connections no longer ask
    // for, were cleared (their clear is posted to the worker); the notice for the user
    // follows once the action has ended.
    void resultsCleared();

private:
    void restoreDefaults();
    // One notice per user action, however many setups and steps it cleared.
    void noteClearedResults(Step::Conditions changed);
    void announceClearedResults();

    SyncedVnaDevice* m_device;
    WorkerThread* m_worker;
    ProgressManager* m_progress;
    Algorithms::ProcessInputParameters* m_params;
    MeasureEnums::CorrectionMethod m_correctionMethod = MeasureEnums::CorrectionMethod::TIME_GATING;
    MeasureEnums::Z0Conversion m_z0ConversionType = MeasureEnums::Z0Conversion::System;
    double m_userZ0 = 50.0;
    UniquePtr_Model<NoltAlgorithmsSetup> m_setups;
    int m_selected = 0;
    // Why results were cleared since the last notice.
    Step::Conditions m_clearedFor;
};

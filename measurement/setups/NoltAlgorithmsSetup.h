#pragma once

#include "measurement/enums/MeasureEnums.h"
#include "measurement/models/UniquePtrModel.h"
#include "measurement/models/ValueModel.h"
#include "measurement/steps/Step.h"

#include <QAbstractListModel>
#include <QObject>

#include <memory>
#include <optional>
#include <vector>

class ConnectionBase;
class DutStep;
class ProgressManager;
class SyncedVnaDevice;
class VNAFixtureConnection;
class WorkerThread;

namespace Algorithms {
class ProcessInputParameters;
}

// One de-embedding set-up: fixtures "A" and "B", each optionally paired with an
// auxiliary fixture, the flags saying which standards are measured, and the
// steps derived from them, rebuilt on every change of a flag. Steps hold their
// connection objects; work in flight holds the steps and, when the setup is
// shared, the setup itself, so a rebuild or a removal meanwhile drops references only.
class NoltAlgorithmsSetup : public QObject, public std::enable_shared_from_this<NoltAlgorithmsSetup>
{
    Q_OBJECT
    Q_PROPERTY(bool isLowPassMode READ isLowPassMode NOTIFY lowPassModeChanged)
    Q_PROPERTY(bool leftFixtureEnabled READ leftFixtureEnabled WRITE setLeftFixtureEnabled NOTIFY
                   leftFixtureEnabledChanged)
    Q_PROPERTY(bool rightFixtureEnabled READ rightFixtureEnabled WRITE setRightFixtureEnabled NOTIFY
                   rightFixtureEnabledChanged)
    Q_PROPERTY(bool abThruConnectionEnabled READ abThruConnectionEnabled WRITE setAbThruConnectionEnabled NOTIFY
                   abThruConnectionChanged)
    Q_PROPERTY(bool aaConnectionEnabled READ aaConnectionEnabled WRITE setAaConnectionEnabled NOTIFY
                   aaConnectionChanged)
    Q_PROPERTY(bool bbConnectionEnabled READ bbConnectionEnabled WRITE setBbConnectionEnabled NOTIFY
                   bbConnectionChanged)
    Q_PROPERTY(bool abDutConnectionEnabled READ abDutConnectionEnabled WRITE setAbDutConnectionEnabled NOTIFY
                   abDutConnectionChanged)
    Q_PROPERTY(VNAFixtureConnection* leftFixtureConn READ leftFixtureConn CONSTANT)
    Q_PROPERTY(VNAFixtureConnection* leftFixtureAuxConn READ leftFixtureAuxConn CONSTANT)
    Q_PROPERTY(VNAFixtureConnection* rightFixtureConn READ rightFixtureConn CONSTANT)
    Q_PROPERTY(VNAFixtureConnection* rightFixtureAuxConn READ rightFixtureAuxConn CONSTANT)
    Q_PROPERTY(QAbstractListModel* stepModel READ stepModel CONSTANT)

public:
    NoltAlgorithmsSetup(SyncedVnaDevice* device, WorkerThread* worker, ProgressManager* progress,
                        Algorithms::ProcessInputParameters* params, QObject* parent = nullptr);
    ~NoltAlgorithmsSetup() override;

    bool isLowPassMode() const;
    bool leftFixtureEnabled() const { return m_leftFixtureEnabled; }
    void setLeftFixtureEnabled(bool enabled);
    bool rightFixtureEnabled() const { return m_rightFixtureEnabled; }
    void setRightFixtureEnabled(bool enabled);
    bool abThruConnectionEnabled() const { return m_abThruConnectionEnabled; }
    void setAbThruConnectionEnabled(bool enabled);
    bool aaConnectionEnabled() const { return m_aaConnectionEnabled; }
    void setAaConnectionEnabled(bool enabled);
    bool bbConnectionEnabled() const { return m_bbConnectionEnabled; }
    void setBbConnectionEnabled(bool enabled);
    bool abDutConnectionEnabled() const { return m_abDutConnectionEnabled; }
    void setAbDutConnectionEnabled(bool enabled);

    MeasureEnums::CorrectionMethod correctionMethod() const { return m_correctionMethod; }
    void setCorrectionMethod(MeasureEnums::CorrectionMethod method);
    MeasureEnums::Z0Conversion z0ConversionType() const { return m_z0ConversionType; }
    void setZ0ConversionType(MeasureEnums::Z0Conversion type);
    double userZ0() const { return m_userZ0; }
    void setUserZ0(double z0);

    VNAFixtureConnection* leftFixtureConn() const { return m_leftConn.get(); }
    VNAFixtureConnection* leftFixtureAuxConn() const { return m_leftAuxConn.get(); }
    VNAFixtureConnection* rightFixtureConn() const { return m_rightConn.get(); }
    VNAFixtureConnection* rightFixtureAuxConn() const { return m_rightAuxConn.get(); }
    QAbstractListModel* stepModel() { return &m_steps; }
    const UniquePtr_Model<Step>& steps() const { return m_steps; }
    ValueModel<uint>* usedPorts() { return &m_usedPorts; }

public slots:
    // True when the analyzer was sent the new grid; false when its sweep (or its
    // maximum frequency) is unknown or the grid does not fit it.
    bool setLowPassMode();
    bool set10MhzLowPassMode();
    void interrupt();
    uint selectedPortsCount() const;

signals:
    void interrupted();
    void error(QString err);
    void message(QString text);
    void lowPassModeChanged();
    void leftFixtureEnabledChanged();
    void rightFixtureEnabledChanged();
    void abThruConnectionChanged();
    void aaConnectionChanged();
    void bbConnectionChanged();
    void abDutConnectionChanged();
    void z0ConversionTypeChanged();
    void userZ0Changed();
    void correctionMethodChanged();
    void selectedPortsCountChanged();
    void stepsChanged();
    // Results made with another method or on other analyzer ports than now, or of steps
    // that the connections no longer ask for, were cleared.
    void resultsCleared(Step::Conditions changed);

private:
    std::shared_ptr<VNAFixtureConnection> makeFixture(const QString& name);
    // A fixture port tells its refusals itself (no process repeats them): they reach the user from here.
    void forwardPortErrors(VNAFixtureConnection* connection);
    void connectRules();
    void onFixtureEnabledChanged();
    void updateAbThru();
    void rebuildUsedPorts();
    void rebuildSteps();
    // The steps the flags ask for; each that measures what one of `earlier` measured is that one.
    std::vector<std::shared_ptr<Step>> derivedSteps(const std::vector<std::shared_ptr<Step>>& earlier);
    // The DUT step on the characterising steps' connections, the earlier one where it still fits.
    std::shared_ptr<DutStep> dutStep(const std::vector<std::shared_ptr<Step>>& earlier,
                                     std::vector<std::shared_ptr<ConnectionBase>> connections);
    // Steps of `earlier` left out of `kept` take their results with them; the user is told.
    void dropSteps(const std::vector<std::shared_ptr<Step>>& earlier, const std::vector<std::shared_ptr<Step>>& kept);
    // The halves of a dropped DUT step's fixtures go back to those without the DUT, on the worker.
    void withdrawDut(const DutStep& dut);
    // Steps whose results were made under other conditions go back to not measured.
    void clearResultsOfOtherConditions();
    void registerStep(const std::shared_ptr<Step>& step);
    // The analyzer's port count, when known.
    std::optional<int> analyzerPortsCount() const;
    void assignPorts();
    // A dropped link, or the same analyzer back, leaves the user's cabling as it is.
    void followAnalyzerPortsCount();
    std::shared_ptr<ConnectionBase> thru(const std::shared_ptr<VNAFixtureConnection>& left,
                                         const std::shared_ptr<VNAFixtureConnection>& right) const;
    std::shared_ptr<Step> sideStep(const std::shared_ptr<VNAFixtureConnection>& main,
                                   const std::shared_ptr<VNAFixtureConnection>& aux, bool withAux) const;

    SyncedVnaDevice* m_device;
    WorkerThread* m_worker;
    ProgressManager* m_progress;
    Algorithms::ProcessInputParameters* m_params;
    MeasureEnums::CorrectionMethod m_correctionMethod = MeasureEnums::CorrectionMethod::TIME_GATING;
    MeasureEnums::Z0Conversion m_z0ConversionType = MeasureEnums::Z0Conversion::System;
    double m_userZ0 = 50.0;
    bool m_leftFixtureEnabled = true;
    bool m_rightFixtureEnabled = true;
    std::shared_ptr<VNAFixtureConnection> m_leftConn;
    std::shared_ptr<VNAFixtureConnection> m_leftAuxConn;
    std::shared_ptr<VNAFixtureConnection> m_rightConn;
    std::shared_ptr<VNAFixtureConnection> m_rightAuxConn;
    bool m_abThruConnectionEnabled = true;
    bool m_aaConnectionEnabled = false;
    bool m_bbConnectionEnabled = false;
    bool m_abDutConnectionEnabled = false;
    UniquePtr_Model<Step> m_steps;
    ValueModel<uint> m_usedPorts;
    // The port count the cabling was last assigned for; none while it was unknown.
    std::optional<int> m_assignedPortsCount;
};

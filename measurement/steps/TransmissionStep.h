#pragma once

#include "measurement/measurers/ReflectionMeasurer.h"
#include "measurement/measurers/TransmissionMeasurer.h"
#include "measurement/steps/FixtureOffsets.h"
#include "measurement/steps/Step.h"

#include <atomic>
#include <memory>
#include <utility>

class ConnectionReflect;
class ConnectionTransmisson;
class VNAFixtureConnection;

// The 2x-thru between two fixtures, and open or short standards measured on copies
// of both fixtures to move the thru's reference plane onto the standards'.
class TransmissionStep : public Step
{
    Q_OBJECT
    Q_PROPERTY(double leftOffset READ leftOffset WRITE setLeftOffset NOTIFY leftOffsetChanged)
    Q_PROPERTY(double rightOffset READ rightOffset WRITE setRightOffset NOTIFY rightOffsetChanged)
    Q_PROPERTY(double leftReflectOffset READ leftReflectOffset NOTIFY leftReflectOffsetChanged)
    Q_PROPERTY(double rightReflectOffset READ rightReflectOffset NOTIFY rightReflectOffsetChanged)
    Q_PROPERTY(bool appliedReflectsOffset READ appliedReflectsOffset WRITE setAppliedReflectsOffset NOTIFY
                   appliedReflectsOffsetChanged)
    Q_PROPERTY(bool openMeasurementEnable READ openMeasurementEnable WRITE setOpenMeasurementEnable NOTIFY
                   openMeasurementEnableChanged)
    Q_PROPERTY(bool shortMeasurementEnable READ shortMeasurementEnable WRITE setShortMeasurementEnable NOTIFY
                   shortMeasurementEnableChanged)
    Q_PROPERTY(MeasureEnums::MeasureStatus thruMeasured READ thruMeasured NOTIFY thruMeasuredChanged)
    Q_PROPERTY(MeasureEnums::MeasureStatus openMeasured READ openMeasured NOTIFY openMeasuredChanged)
    Q_PROPERTY(MeasureEnums::MeasureStatus shortMeasured READ shortMeasured NOTIFY shortMeasuredChanged)
    Q_PROPERTY(MeasureEnums::MeasureStatus reflectCalculated READ reflectCalculated NOTIFY reflectCalculatedChanged)
    Q_PROPERTY(MeasureEnums::FixturePossibleState reflectState READ reflectState WRITE setReflectState NOTIFY
                   reflectStateChanged)

public:
    // The fixture connections are those of the thru, shared with their owner.
    TransmissionStep(std::shared_ptr<ConnectionTransmisson> connection, std::shared_ptr<VNAFixtureConnection> left,
                     std::shared_ptr<VNAFixtureConnection> right, SyncedVnaDevice* device, WorkerThread* worker,
                     ProgressManager* progress, QObject* parent = nullptr);
    ~TransmissionStep() override;

    ConnectionBase* connection() const override;
    MeasureEnums::MeasureStatus measureStatus() const override { return thruMeasured(); }
    int kind() const override { return 0; }

    double leftOffset() const { return m_leftOffset; }
    void setLeftOffset(double offset);
    double rightOffset() const { return m_rightOffset; }
    void setRightOffset(double offset);
    double leftReflectOffset() const { return m_leftReflectOffset; }
    double rightReflectOffset() const { return m_rightReflectOffset; }
    bool appliedReflectsOffset() const { return m_appliedReflectsOffset; }
    void setAppliedReflectsOffset(bool applied);
    bool openMeasurementEnable() const { return m_openMeasurementEnable; }
    void setOpenMeasurementEnable(bool enable);
    bool shortMeasurementEnable() const { return m_shortMeasurementEnable; }
    void setShortMeasurementEnable(bool enable);
    MeasureEnums::FixturePossibleState reflectState() const { return m_reflectState; }
    void setReflectState(MeasureEnums::FixturePossibleState state);

    MeasureEnums::MeasureStatus thruMeasured() const;
    MeasureEnums::MeasureStatus openMeasured() const;
    MeasureEnums::MeasureStatus shortMeasured() const;
    MeasureEnums::MeasureStatus reflectCalculated() const;

    TransmissionMeasurer* thruMeasurer() const { return m_thru; }
    ReflectionMeasurer* leftReflectMeasurer() const { return m_leftReflect; }
    ReflectionMeasurer* rightReflectMeasurer() const { return m_rightReflect; }

public slots:
    bool measureFromVna();
    void measureFromTouchstoneFile(const QString& filePath);
    bool measureOpenFromVna();
    bool measureShortFromVna();
    void measureOpenFromTouchstoneFile(const QString& filePath);
    void measureShortFromTouchstoneFile(const QString& filePath);
    void applyThruOffset(bool val);
    void applyReflectOffset(bool val);
    void deleteData() override;

signals:
    void leftOffsetChanged();
    void rightOffsetChanged();
    void leftReflectOffsetChanged();
    void rightReflectOffsetChanged();
    void appliedReflectsOffsetChanged();
    void openMeasurementEnableChanged();
    void shortMeasurementEnableChanged();
    void thruMeasuredChanged();
    void openMeasuredChanged();
    void shortMeasuredChanged();
    void reflectCalculatedChanged();
    void reflectStateChanged(MeasureEnums::FixturePossibleState state);
    void clearMeasureData();

protected:
    bool hasResults() const override;
    std::vector<std::vector<uint>> cabling() const override;

private:
    struct ReflectRun;

    std::optional<TransmissionMeasurer::Rows> thruRows() const;
    // The analyzer ports of both fixtures, left first.
    std::vector<uint> thruAnalyzerPorts() const;
    Work thruWork();
    // The copies' ports belong to no setup: their refusals are told as the step's.
    void forwardPortErrors(VNAFixtureConnection& clone);
    // Clones both fixtures anew and gives the work that measures the standard on them.
    Work reflectWork(ReflectionMeasurer::Standard standard);
    void measureReflect(const ReflectRun& run, ReflectionMeasurer::Standard standard, SourceReader& source,
                        TaskProgress& task);
    void setReflectOffsets(double left, double right);
    // The thru's halves moved by (left, right) picoseconds from their own plane, worked out
    // without changing them; nothing to take when they stay where they are. No value when
    // a port refuses (the port tells why).
    std::optional<FixtureOffsets::PreparedOffsets> prepareThruPlane(const ReflectRun& run,
                                                                    std::pair<double, double> offsets);
    // Puts the prepared plane in force on the thru's halves, with the step's offset flags.
    void moveThru(const ReflectRun& run, const FixtureOffsets::PreparedOffsets& plane, bool reflectsApplied,
                  TaskProgress& task);
    // Applies (left, right) picoseconds to the thru's ports on the worker, to every
    // port or to none; then the reflect offsets are in force or not as `reflectsApplied`
    // says, and `applied` runs on the GUI thread. Refused, the entered offsets go back to
    // the last applied ones.
    void runThruOffset(const std::shared_ptr<TaskProgress>& task, double left, double right, bool reflectsApplied,
                       std::function<void()> applied);
    // The switch as QML and the remote control read it, following the worker.
    void showAppliedReflectsOffset(bool applied);
    void followEnables();

    std::shared_ptr<ConnectionTransmisson> m_connection;
    std::shared_ptr<VNAFixtureConnection> m_left;
    std::shared_ptr<VNAFixtureConnection> m_right;
    bool m_appliedReflectsOffset = false;
    // The switch as the work on the worker has left it, ahead of the GUI thread's copy:
    // a standard measured right after an offset keeps what that offset put in force.
    std::atomic<bool> m_reflectsSwitchedOn{false};
    double m_leftOffset = 0.0;
    double m_rightOffset = 0.0;
    // The entered offsets as last applied.
    double m_appliedLeftOffset = 0.0;
    double m_appliedRightOffset = 0.0;
    bool m_openMeasurementEnable = false;
    bool m_shortMeasurementEnable = false;
    double m_leftReflectOffset = 0.0;
    double m_rightReflectOffset = 0.0;
    MeasureEnums::FixturePossibleState m_reflectState = MeasureEnums::FixturePossibleState::NONE;
    TransmissionMeasurer* m_thru;
    std::shared_ptr<VNAFixtureConnection> m_leftClone;
    std::shared_ptr<VNAFixtureConnection> m_rightClone;
    std::shared_ptr<ConnectionReflect> m_leftReflectConnection;
    std::shared_ptr<ConnectionReflect> m_rightReflectConnection;
    ReflectionMeasurer* m_leftReflect;
    ReflectionMeasurer* m_rightReflect;
};

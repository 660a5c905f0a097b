#pragma once

#include "measurement/measurers/ReflectionMeasurer.h"
#include "measurement/steps/Step.h"

#include <memory>

class ConnectionReflect;
class VNAFixtureConnection;

// One fixture characterised by open and/or short standards at its far end.
class ReflectionStep : public Step
{
    Q_OBJECT
    Q_PROPERTY(MeasureEnums::FixturePossibleState state READ state WRITE setState NOTIFY stateChanged)
    Q_PROPERTY(bool openMeasurementEnable READ openMeasurementEnable WRITE setOpenMeasurementEnable NOTIFY
                   openMeasurementEnableChanged)
    Q_PROPERTY(bool shortMeasurementEnable READ shortMeasurementEnable WRITE setShortMeasurementEnable NOTIFY
                   shortMeasurementEnableChanged)
    Q_PROPERTY(double offset READ offset WRITE setOffset NOTIFY offsetChanged)
    Q_PROPERTY(bool useCompensation READ useCompensation WRITE setUseCompensation NOTIFY useCompensationChanged)
    Q_PROPERTY(MeasureEnums::MeasureStatus openMeasured READ openMeasured NOTIFY openMeasuredChanged)
    Q_PROPERTY(MeasureEnums::MeasureStatus shortMeasured READ shortMeasured NOTIFY shortMeasuredChanged)
    Q_PROPERTY(MeasureEnums::MeasureStatus calculated READ calculated NOTIFY calculatedChanged)

public:
    ReflectionStep(std::shared_ptr<ConnectionReflect> connection, std::shared_ptr<VNAFixtureConnection> fixture,
                   SyncedVnaDevice* device, WorkerThread* worker, ProgressManager* progress,
                   QObject* parent = nullptr);
    ~ReflectionStep() override;

    ConnectionBase* connection() const override;
    MeasureEnums::MeasureStatus measureStatus() const override { return calculated(); }
    int kind() const override { return 1; }

    MeasureEnums::FixturePossibleState state() const { return m_measurer->state(); }
    void setState(MeasureEnums::FixturePossibleState state) { m_measurer->setState(state); }
    bool openMeasurementEnable() const { return m_openMeasurementEnable; }
    void setOpenMeasurementEnable(bool enable);
    bool shortMeasurementEnable() const { return m_shortMeasurementEnable; }
    void setShortMeasurementEnable(bool enable);
    double offset() const { return m_offset; }
    void setOffset(double offset);
    bool useCompensation() const { return m_useCompensation; }
    void setUseCompensation(bool use);

    MeasureEnums::MeasureStatus openMeasured() const;
    MeasureEnums::MeasureStatus shortMeasured() const;
    MeasureEnums::MeasureStatus calculated() const;
    ReflectionMeasurer* measurer() const { return m_measurer; }

public slots:
    bool measureOpenFromVna();
    bool measureShortFromVna();
    void measureOpenFromTouchstone(const QString& file);
    void measureShortFromTouchstone(const QString& file);
    void applyOffset(bool val);
    void deleteData() override;

signals:
    void stateChanged();
    void openMeasurementEnableChanged();
    void shortMeasurementEnableChanged();
    void offsetChanged(double offset);
    void useCompensationChanged(bool useCompensation);
    void openMeasuredChanged();
    void shortMeasuredChanged();
    void calculatedChanged();
    void stepStatusChanged();

protected:
    bool hasResults() const override;
    std::vector<std::vector<uint>> cabling() const override;

private:
    Work standardWork(ReflectionMeasurer::Standard standard);
    void followEnables();

    std::shared_ptr<ConnectionReflect> m_connection;
    std::shared_ptr<VNAFixtureConnection> m_fixture;
    ReflectionMeasurer* m_measurer;
    bool m_openMeasurementEnable = true;
    bool m_shortMeasurementEnable = false;
    bool m_useCompensation = true;
    double m_offset = 0.0;
    // The entered offset as last applied.
    double m_appliedOffset = 0.0;
};

#pragma once

#include "app/checks/BaseDeviceVnaTableModel.h"

// Wizard step 3: judges the analyzer's sweep settings and lets the user edit
// most of them. With the low-pass check on, the grid must also be harmonic:
// the start frequency equal to the step.
class SetupVnaTableModel : public BaseDeviceVnaTableModel
{
    Q_OBJECT
    Q_PROPERTY(bool lowPassCheck READ lowPassCheck WRITE setLowPassCheck NOTIFY lowPassCheckChanged)

public:
    enum Row {
        SweepTypeRow = 1,
        StartFrequencyRow,
        StopFrequencyRow,
        SweepPointsRow,
        StepFrequencyRow,
        IfBandwidthRow,
        OutputPowerRow,
    };

    explicit SetupVnaTableModel(SyncedVnaDevice* device, QObject* parent = nullptr);

    bool lowPassCheck() const { return m_lowPassCheck; }

public slots:
    void setLowPassCheck(bool lowPassCheck);

signals:
    void lowPassCheckChanged();

private:
    // A row showing a frequency of the analyzer with SI prefix and "Hz".
    TableModelRow frequencyRow(const QString& name, std::optional<double> (SyncedVnaDevice::*value)() const);
    // Writes a typed frequency through the facade's setter; unreadable text writes nothing.
    TableModelRow::Setter frequencySetter(void (SyncedVnaDevice::*set)(double));
    void addSweepTypeRow();
    void addFrequencyRows();
    void addPointsAndStepRows();
    void addIfBandwidthRow();
    void addOutputPowerRow();

    // Both low-pass rows are judged from the analyzer's values of the moment:
    // their recommendations are rebuilt, and the rows refreshed, on every
    // change of start, stop, points, step or the low-pass check.
    void updateLowPassRows();
    void recommendPoints();
    void recommendStep();
    void recommendAtLeast100Points();
    static QString tooFewPointsMessage();

    bool m_lowPassCheck = true;
};

#pragma once

#include "app/checks/BaseDeviceVnaTableModel.h"

#include <QMap>

#include <functional>

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

    // Why the last edit of a row was not taken; empty when it was, or when there was none.
    enum { RefusalRole = InputRole + 1 };

    explicit SetupVnaTableModel(SyncedVnaDevice* device, QObject* parent = nullptr);

    bool lowPassCheck() const { return m_lowPassCheck; }

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;
    // The reason shown beside the value field of a model row, for the view's row heights.
    Q_INVOKABLE QString refusal(int modelRow) const { return m_refusals.value(modelRow); }

public slots:
    void setLowPassCheck(bool lowPassCheck);

signals:
    void lowPassCheckChanged();
    void refusalsChanged();

private:
    // A row showing a frequency of the analyzer with SI prefix and "Hz".
    TableModelRow frequencyRow(const QString& name, std::optional<double> (SyncedVnaDevice::*value)() const);
    // A frequency as the messages give it, with SI prefix and "Hz".
    static QString inHertz(const std::optional<double>& frequency);
    // Writes a typed frequency through the facade's setter; unreadable text, a
    // frequency above the analyzer's highest and a stop below the start are refused.
    TableModelRow::Setter frequencySetter(int modelRow, void (SyncedVnaDevice::*set)(double),
                                          std::optional<double> (SyncedVnaDevice::*value)() const);
    // The reason why the analyzer cannot sweep to that frequency, empty when it can.
    QString frequencyRefusal(int modelRow, double frequency) const;
    // Writes through `write`, then reads the analyzer back: a value it did not take
    // (`taken` false) is refused with what it keeps.
    void writeAndCheck(int modelRow, const std::function<void()>& write, std::function<bool()> taken,
                       const QString& written);
    void setRefusal(int modelRow, const QString& reason);
    // The row's value as the view shows it, with its units.
    QString shownValue(int modelRow);
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
    QMap<int, QString> m_refusals;
};

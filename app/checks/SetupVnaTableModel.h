#pragma once

#include "app/checks/BaseDeviceVnaTableModel.h"

#include <QMap>
#include <QVariant>

#include <functional>
#include <optional>
#include <utility>

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
    Q_INVOKABLE QString refusal(int modelRow) const { return m_refusals.value(modelRow).reason; }
    // A new edit of the row, from its first keystroke: the reason of the one before
    // goes, and a check still running for an earlier edit will tell nothing.
    Q_INVOKABLE void beginEdit(int modelRow);

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
    // An edit of a row reaching the analyzer: how to write it, how to read the
    // analyzer's value back (any thread) and how messages give a value.
    struct SettingWrite
    {
        std::function<void()> write;
        std::function<std::optional<double>()> read;
        std::function<QString(double)> text;
        double value;
    };
    // What each row's edits have come to: the number of the latest edit, whose
    // reason alone is shown, and the write held back until the analyzer was read
    // after the one before, so that each reading answers one write only.
    struct RowEdits
    {
        unsigned latest = 0;
        bool checking = false;
        std::optional<std::pair<unsigned, SettingWrite>> waiting;
    };

    // Writes, then reads the analyzer back: a value it did not take is refused with
    // what it holds, told as kept only when that is what it held before.
    void writeAndCheck(int modelRow, SettingWrite setting);
    void sendAndCheck(int modelRow, unsigned edit, const SettingWrite& setting);
    void judgeReadBack(int modelRow, unsigned edit, const SettingWrite& setting, const std::optional<double>& before,
                       const std::optional<double>& after);
    void setRefusal(int modelRow, const QString& reason);
    // What the user reads of a row beside its reason: its value, recommendation and verdict.
    QVariantList shownRow(int modelRow) const;
    // A reason holds for the row it was given against: once the row shows another value,
    // recommendation or verdict, as when the analyzer is lost and read again or the
    // low-pass mode moves the grid, it goes.
    void dropOutdatedRefusals(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QVector<int>& roles);
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

    struct Refusal
    {
        QString reason;
        QVariantList shown;
    };

    bool m_lowPassCheck = true;
    QMap<int, Refusal> m_refusals;
    QMap<int, RowEdits> m_edits;
};

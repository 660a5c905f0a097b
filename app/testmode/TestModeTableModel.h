#pragma once

#include "app/tables/BaseTableModel.h"

#include <QList>
#include <QMetaObject>
#include <QPointer>

class FixtureSetups;

namespace Algorithms {
class ProcessInputParameters;
}

// The test-mode page's table: the time-domain parameters of the de-embedding
// methods, seven of them editable, each with its description; never judged
// other than Correct. Creating it resets the parameters to their defaults.
class TestModeTableModel : public BaseTableModel
{
    Q_OBJECT

public:
    enum Row {
        ModeRow = 1,
        LengthRow,
        FourRiseTimesRow,
        RiseTimeRow,
        CoefficientNRow,
        CoefficientNrtRow,
        MinGateTimeRow,
        LowSignalCenterModeRow,
        HighSignalCenterModeRow,
        KaiserBetaXRow,
        KaiserBetaRow,
        StepResponseStartRow,
    };

    TestModeTableModel(Algorithms::ProcessInputParameters* parameters, FixtureSetups* setups,
                       QObject* parent = nullptr);

    Q_INVOKABLE bool isTestMode() const;
    Q_INVOKABLE void setTestMode(bool flagIsTestMode);
    Q_INVOKABLE void setDefault();

    QVariant headerRowData(const QModelIndex& index) const override;

private:
    // A row judged Correct whatever its value, with its description as the recommendation.
    TableModelRow& addRow(const QString& name, std::function<QVariant()> value, const QString& description);
    // Such a row that the user edits by typing text of that input.
    void addEditableRow(const QString& name, std::function<QVariant()> value, const QString& description,
                        TableModelRow::Input input, TableModelRow::Setter setter);
    void addParameterRows();
    void addCenterModeRows();
    void connectRefreshes();
    // The fixture delay of the first fixture port that has an impulse response, "---" when none has.
    QVariant fixtureDelayText() const;
    // Follows the setups, their steps and their fixtures' ports, so that a new
    // impulse response on any of them refreshes the "Length" row.
    void watchFixturePorts();

    Algorithms::ProcessInputParameters* m_parameters;
    // The backend deletes the setups before this table.
    QPointer<FixtureSetups> m_setups;
    QList<QMetaObject::Connection> m_portWatches;
};

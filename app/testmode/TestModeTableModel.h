#pragma once

#include "app/tables/BaseTableModel.h"

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

    explicit TestModeTableModel(Algorithms::ProcessInputParameters* parameters, QObject* parent = nullptr);

    Q_INVOKABLE bool isTestMode() const;
    Q_INVOKABLE void setTestMode(bool flagIsTestMode);
    Q_INVOKABLE void setDefault();

    QVariant headerRowData(const QModelIndex& index) const override;

private:
    // A row judged Correct whatever its value, with its description as the recommendation.
    TableModelRow& addRow(const QString& name, std::function<QVariant()> value, const QString& description);
    void addParameterRows();
    void addCenterModeRows();
    void connectRefreshes();

    Algorithms::ProcessInputParameters* m_parameters;
};

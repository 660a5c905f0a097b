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
// Names, words and prefixes show in the interface's language; the exported
// form of each row, which the test-mode files keep, is the English one.
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
    enum class Language { Shown, English };
    // A row's value in either language.
    using Value = std::function<QVariant(Language)>;

    // A row judged Correct whatever its value, with its description as the
    // recommendation; `name` is the English text, shown translated.
    TableModelRow& addRow(const char* name, Value value, const QString& description);
    // Such a row that the user edits by typing text of that input.
    void addEditableRow(const char* name, Value value, const QString& description, TableModelRow::Input input,
                        TableModelRow::Setter setter);
    // The English text, translated where shown.
    static QString word(const char* english, Language language);
    // The value with its SI prefix in that language ("49 p").
    static QString prefixed(double value, Language language);
    // A time with its prefix and unit in that language ("-200 ps").
    static QString seconds(double value, Language language);
    void addParameterRows();
    void addCenterModeRows();
    void connectRefreshes();
    // The fixture delay of the first fixture port that has an impulse response, "---" when none has.
    QVariant fixtureDelayText(Language language) const;
    // Follows the setups, their steps and their fixtures' ports, so that a new
    // impulse response on any of them refreshes the "Length" row.
    void watchFixturePorts();

    Algorithms::ProcessInputParameters* m_parameters;
    // The backend deletes the setups before this table.
    QPointer<FixtureSetups> m_setups;
    QList<QMetaObject::Connection> m_portWatches;
};

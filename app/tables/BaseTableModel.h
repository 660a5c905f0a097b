#pragma once

#include "app/tables/TableModelRow.h"

#include <QAbstractTableModel>
#include <QVariant>

#include <initializer_list>
#include <vector>

// The table behind the check pages and the test-mode page: model row 0 is the
// header row, model row r >= 1 shows the setting rows()[r - 1]. Values and
// verdicts are evaluated at every read, so a refresh is only a dataChanged.
class BaseTableModel : public QAbstractTableModel
{
    Q_OBJECT
    Q_PROPERTY(QVariant hasError READ getError NOTIFY hasErrorChanged)

public:
    enum Columns {
        ERROR_COLUMN = 0,
        NAME_COLUMN = 1,
        VALUE_COLUMN = 2,
        RECOMMENDED_COLUMN = 3,
    };
    Q_ENUM(Columns)

    enum Roles {
        ValidatorRole = 256,
        UnitsRole = 257,
        RecommendedRole = 258,
        EnumerationValuesRole = 259,
        InputRole = 260,
    };

    explicit BaseTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Calls the row's setter for a display write to the value column of a
    // setting row that has one; emits nothing itself.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QHash<int, QByteArray> roleNames() const override;
    // The header row's cell texts.
    virtual QVariant headerRowData(const QModelIndex& index) const;

    std::vector<TableModelRow> rows() const;

public slots:
    // 2 at the first row judged Error (later rows are not judged), else 1 when
    // some row gave Warning, else an invalid value.
    QVariant getError() const;

signals:
    void hasErrorChanged();

protected:
    // Announces a new value and verdict of the setting shown at model row `modelRow`.
    void refreshRow(int modelRow);

    // Refreshes the model rows whenever `sender` emits `signal` (queued when
    // it is emitted on another thread).
    template <typename Sender, typename Signal>
    void refreshOn(const Sender* sender, Signal signal, std::initializer_list<int> modelRows)
    {
        const std::vector<int> rowsToRefresh(modelRows);
        connect(sender, signal, this, [this, rowsToRefresh] {
            for (const int modelRow : rowsToRefresh)
                refreshRow(modelRow);
        });
    }

    TableModelRow& row(int modelRow) { return m_rows[static_cast<std::size_t>(modelRow - 1)]; }

    std::vector<TableModelRow> m_rows;

private:
    QVariant settingData(const TableModelRow& row, int column, int role) const;
};

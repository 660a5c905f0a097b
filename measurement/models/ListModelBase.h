#pragma once

#include <QAbstractListModel>
#include <QVector>

namespace details {

// The QML face of every list of the measurement model: one role, "value", plus
// get(i), size and the whole list as a variant vector.
class Base : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int size READ size NOTIFY sizeChanged)
    Q_PROPERTY(QVector<QVariant> toVector READ toVectorVariant NOTIFY changed)

public:
    static constexpr int ValueRole = Qt::UserRole + 1;

    explicit Base(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void sizeChanged();
    void changed();

public slots:
    virtual int size() const = 0;
    // An invalid value for a row outside 0..size()-1: QML and remote commands pass
    // user indices, -1 included once a selection's row was removed.
    virtual QVariant get(int index) const = 0;
    virtual QVector<QVariant> toVectorVariant() const;

protected:
    bool isRow(int row) const { return row >= 0 && row < size(); }
    bool isValueIndex(const QModelIndex& index, int role) const;
    // Emitted by the row operations after the item-model notifications, so every
    // observer sees rowsInserted / rowsRemoved / modelReset, then sizeChanged, then changed.
    void announceSizeChange();
    void announceContentChange();
};

} // namespace details

#include "measurement/models/ListModelBase.h"

namespace details {

Base::Base(QObject* parent)
    : QAbstractListModel(parent)
{
}

int Base::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : size();
}

Qt::ItemFlags Base::flags(const QModelIndex& index) const
{
    // The root is no item: views and the model tester expect no flags there.
    const Qt::ItemFlags base = QAbstractListModel::flags(index);
    return index.isValid() ? base | Qt::ItemIsEditable : base;
}

QHash<int, QByteArray> Base::roleNames() const
{
    return {{ValueRole, QByteArrayLiteral("value")}};
}

QVector<QVariant> Base::toVectorVariant() const
{
    QVector<QVariant> values;
    const int count = size();
    values.reserve(count);
    for (int i = 0; i < count; ++i)
        values.append(get(i));
    return values;
}

bool Base::isValueIndex(const QModelIndex& index, int role) const
{
    return index.isValid() && !index.parent().isValid() && index.column() == 0 && isRow(index.row())
        && role == ValueRole;
}

void Base::announceSizeChange()
{
    emit sizeChanged();
    emit changed();
}

void Base::announceContentChange()
{
    emit changed();
}

} // namespace details

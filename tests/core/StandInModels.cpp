#include "tests/core/StandInModels.h"

namespace {
const QStringList headerTexts = {QString(), QStringLiteral("Settings"), QStringLiteral("Current value"),
                                 QStringLiteral("Recommended")};
}

QHash<int, QByteArray> StandInCheckTable::roleNames() const
{
    QHash<int, QByteArray> roles = QAbstractTableModel::roleNames();
    roles.insert(256, "validator");
    roles.insert(257, "units");
    roles.insert(258, "recommended");
    roles.insert(259, "enumerationValues");
    return roles;
}

QVariant StandInCheckTable::data(const QModelIndex& index, int role) const
{
    if (index.row() == 0)
        return headerTexts.value(index.column());
    const Setting& setting = m_settings.at(std::size_t(index.row() - 1));
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == 1 ? setting.name : index.column() == 2 ? setting.value : QStringLiteral("---");
    case Qt::EditRole:
        return index.column() == 2 && setting.editable;
    case 257:
        return setting.units;
    case 259:
        return setting.choices;
    default:
        return setting.verdict;
    }
}

bool StandInCheckTable::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::DisplayRole || index.row() == 0 || index.column() != 2)
        return false;
    writes.emplace_back(index.row(), value);
    return true;
}

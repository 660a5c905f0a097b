#include "app/tables/BaseTableModel.h"

#include "app/tables/TableRegistration.h"

#include <QMetaEnum>

using CoreMeasureEnums::RecommendedResult;

namespace {

// Qt's presentation roles with a type of their own (size, font, alignment,
// colours, check state): a header text there would be misread by a view.
bool isTypedPresentationRole(int role)
{
    switch (role) {
    case Qt::DecorationRole:
    case Qt::SizeHintRole:
    case Qt::FontRole:
    case Qt::TextAlignmentRole:
    case Qt::BackgroundRole:
    case Qt::ForegroundRole:
    case Qt::CheckStateRole:
        return true;
    default:
        return false;
    }
}

// The name by which the interface picks the field for a row's input.
QString inputName(TableModelRow::Input input)
{
    switch (input) {
    case TableModelRow::Input::Number:
        return QStringLiteral("number");
    case TableModelRow::Input::PrefixedNumber:
        return QStringLiteral("prefixedNumber");
    case TableModelRow::Input::WholeNumber:
        break;
    }
    return QStringLiteral("wholeNumber");
}

} // namespace

BaseTableModel::BaseTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{
    registerTableType<BaseTableModel>("BaseVnaTable", "bv_table_model");
    connect(this, &QAbstractItemModel::dataChanged, this, &BaseTableModel::hasErrorChanged);
}

int BaseTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size()) + 1;
}

int BaseTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : QMetaEnum::fromType<Columns>().keyCount();
}

QVariant BaseTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return false;
    if (index.row() == 0)
        return isTypedPresentationRole(role) ? QVariant() : headerRowData(index);
    const std::size_t record = static_cast<std::size_t>(index.row() - 1);
    if (record >= m_rows.size())
        return false;
    return settingData(m_rows[record], index.column(), role);
}

QVariant BaseTableModel::settingData(const TableModelRow& row, int column, int role) const
{
    const auto& recommendation = row.recommendation();
    switch (role) {
    case Qt::DisplayRole:
        switch (column) {
        case NAME_COLUMN:
            return row.name();
        case VALUE_COLUMN:
            return row.value();
        case RECOMMENDED_COLUMN:
            return recommendation ? recommendation->recommendedText : QStringLiteral("---");
        case ERROR_COLUMN:
            return recommendation ? recommendation->messages.value(static_cast<int>(recommendation->check()))
                                  : QString();
        default:
            return QVariant();
        }
    case Qt::EditRole:
        return column == VALUE_COLUMN && row.valueSetter().has_value();
    case UnitsRole:
        return row.units();
    case EnumerationValuesRole:
        return row.enumerationValues().value_or(QStringList());
    case InputRole:
        return inputName(row.input());
    default:
        return recommendation ? QVariant(static_cast<int>(recommendation->check())) : QVariant();
    }
}

bool BaseTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.row() == 0 || role != Qt::DisplayRole || index.column() != VALUE_COLUMN)
        return false;
    const std::size_t record = static_cast<std::size_t>(index.row() - 1);
    if (record >= m_rows.size() || !m_rows[record].valueSetter())
        return false;
    (*m_rows[record].valueSetter())(value);
    return true;
}

QHash<int, QByteArray> BaseTableModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractTableModel::roleNames();
    names.insert(ValidatorRole, "validator");
    names.insert(UnitsRole, "units");
    names.insert(RecommendedRole, "recommended");
    names.insert(EnumerationValuesRole, "enumerationValues");
    names.insert(InputRole, "input");
    return names;
}

QVariant BaseTableModel::headerRowData(const QModelIndex& index) const
{
    switch (index.column()) {
    case ERROR_COLUMN:
        return QString();
    case NAME_COLUMN:
        return tr("Settings");
    case VALUE_COLUMN:
        return tr("Current value");
    default:
        return tr("Recommended");
    }
}

std::vector<TableModelRow> BaseTableModel::rows() const
{
    return m_rows;
}

QVariant BaseTableModel::getError() const
{
    bool warning = false;
    for (const TableModelRow& row : m_rows) {
        if (!row.recommendation())
            continue;
        const RecommendedResult result = row.recommendation()->check();
        if (result == RecommendedResult::Error)
            return static_cast<int>(RecommendedResult::Error);
        warning = warning || result == RecommendedResult::Warning;
    }
    return warning ? QVariant(static_cast<int>(RecommendedResult::Warning)) : QVariant();
}

void BaseTableModel::refreshRow(int modelRow)
{
    emit dataChanged(index(modelRow, ERROR_COLUMN), index(modelRow, RECOMMENDED_COLUMN),
                     {Qt::DisplayRole, Qt::BackgroundRole, Qt::ForegroundRole, RecommendedRole});
}

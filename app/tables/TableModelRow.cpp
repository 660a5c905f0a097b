#include "app/tables/TableModelRow.h"

#include <utility>

TableModelRow::TableModelRow(QString name, std::function<QVariant()> valueGetter)
    : m_name(std::move(name))
    , m_valueGetter(std::move(valueGetter))
{
}

void TableModelRow::setRecommended(QString recommendedText, Check check, QMap<int, QString> messages)
{
    m_recommendation = Recommendation{std::move(recommendedText), std::move(messages), std::move(check)};
}

void TableModelRow::clearRecommended()
{
    m_recommendation.reset();
}

void TableModelRow::setSetter(Setter setter)
{
    m_valueSetter = std::move(setter);
}

void TableModelRow::setEnumerationValues(QStringList list)
{
    m_enumerationValues = std::move(list);
}

void TableModelRow::setUnits(QString units)
{
    m_units = std::move(units);
}

void TableModelRow::setInput(Input input)
{
    m_input = input;
}

void TableModelRow::setExported(QString key, std::function<QVariant()> valueGetter)
{
    m_exportedKey = std::move(key);
    m_exportedValueGetter = std::move(valueGetter);
}

QString TableModelRow::exportedKey() const
{
    return m_exportedKey.isEmpty() ? m_name : m_exportedKey;
}

QVariant TableModelRow::exportedValue() const
{
    return m_exportedValueGetter ? m_exportedValueGetter() : value();
}

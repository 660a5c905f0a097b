#pragma once

#include "measurement/enums/MeasureEnums.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <optional>

// One named setting of a settings table: how to show its value, optionally how
// to change it, the choices it offers, its units, and the recommendation that
// judges it.
class TableModelRow
{
public:
    using Check = std::function<CoreMeasureEnums::RecommendedResult()>;
    using Setter = std::function<void(QVariant)>;

    struct Recommendation
    {
        QString recommendedText;
        QMap<int, QString> messages; // by RecommendedResult value
        Check check;
    };

    TableModelRow(QString name, std::function<QVariant()> valueGetter);

    void setRecommended(QString recommendedText, Check check, QMap<int, QString> messages = {});
    void clearRecommended();
    void setSetter(Setter setter);
    void setEnumerationValues(QStringList list);
    void setUnits(QString units);

    const QString& name() const { return m_name; }
    const QString& units() const { return m_units; }
    const std::optional<Recommendation>& recommendation() const { return m_recommendation; }
    const std::optional<Setter>& valueSetter() const { return m_valueSetter; }
    const std::optional<QStringList>& enumerationValues() const { return m_enumerationValues; }
    // The value as shown, evaluated now.
    QVariant value() const { return m_valueGetter(); }

private:
    QString m_name;
    std::optional<Recommendation> m_recommendation;
    std::function<QVariant()> m_valueGetter;
    std::optional<Setter> m_valueSetter;
    std::optional<QStringList> m_enumerationValues;
    QString m_units;
};

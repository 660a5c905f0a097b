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

    // The text that the setter of a row without units reads.
    enum class Input {
        WholeNumber,    // digits with an optional sign
        Number,         // a decimal number, optionally with an exponent
        PrefixedNumber, // a decimal number, optionally followed by an SI prefix and the unit
    };

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
    void setInput(Input input);
    // How files name and write the row, alike in every language; by default the
    // shown name and value.
    void setExported(QString key, std::function<QVariant()> valueGetter);

    const QString& name() const { return m_name; }
    const QString& units() const { return m_units; }
    Input input() const { return m_input; }
    const std::optional<Recommendation>& recommendation() const { return m_recommendation; }
    const std::optional<Setter>& valueSetter() const { return m_valueSetter; }
    const std::optional<QStringList>& enumerationValues() const { return m_enumerationValues; }
    // The value as shown, evaluated now.
    QVariant value() const { return m_valueGetter(); }
    QString exportedKey() const;
    QVariant exportedValue() const;

private:
    QString m_name;
    std::optional<Recommendation> m_recommendation;
    std::function<QVariant()> m_valueGetter;
    QString m_exportedKey;
    std::function<QVariant()> m_exportedValueGetter;
    std::optional<Setter> m_valueSetter;
    std::optional<QStringList> m_enumerationValues;
    QString m_units;
    Input m_input = Input::WholeNumber;
};

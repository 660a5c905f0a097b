#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

// Reads what was typed into a number field (interface type "NumberReader"):
// a number as the sweep fields take it (a prefix or an exponent allowed), in
// the field's range and to its decimals, or the reason why not. A number with
// a prefix or a unit counts in that unit ("20p" or "20 ps" where `units` name
// seconds), a bare one in the unit the field shows, `unitFactor` times the
// unit ("20" in a field of picoseconds).
class NumberReader : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double bottom MEMBER m_bottom)
    Q_PROPERTY(double top MEMBER m_top)
    Q_PROPERTY(int decimals MEMBER m_decimals)
    // The unit's texts that may end a typed number, the shown one first (then,
    // say, the English one).
    Q_PROPERTY(QStringList units MEMBER m_units)
    Q_PROPERTY(double unitFactor MEMBER m_unitFactor)

public:
    struct Reading
    {
        // The number in the field's unit, rounded to its decimals.
        std::optional<double> value;
        // Why there is none; empty also when nothing was typed.
        QString refusal;
    };

    explicit NumberReader(QObject* parent = nullptr);

    Reading read(const QString& text) const;
    // read() for the interface: "value" or "refusal", neither for an empty text.
    Q_INVOKABLE QVariantMap readText(const QString& text) const;

private:
    // A number in the field's unit, with that unit.
    QString shown(double value) const;

    double m_bottom = 0.0;
    double m_top = 0.0;
    int m_decimals = 0;
    QStringList m_units;
    double m_unitFactor = 1.0;
};

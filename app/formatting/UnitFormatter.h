#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

// The interface's singleton "UnitFormatter": numbers with SI prefixes both
// ways, and rounding to a number of decimals.
class UnitFormatter : public QObject
{
    Q_OBJECT

public:
    explicit UnitFormatter(QObject* parent = nullptr);

public slots:
    QString toNormalized(double value, int precision) const;
    QString toNormalized(double value) const;
    // The values with one prefix for all of them, as an axis labels them.
    QStringList toNormalizedOnOneScale(const QVariantList& values, int precision) const;
    double toMetric(const QString& string) const;
    double toPrecision(double value, int precision) const;
    double toPrecision(double value) const;
};

#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Values read side by side, as the labels of an axis: all with the one prefix
// that the largest of them in magnitude takes (toNormalized's choice), so that
// "0.6" never stands above "500 m". Each keeps `precision` decimals of that
// prefix, more where neighbours would otherwise read alike, in the form
// "<number> <prefix>". A value that is not finite gives the plain number.
QStringList toNormalizedOnOneScale(const QVector<double>& values, int precision);

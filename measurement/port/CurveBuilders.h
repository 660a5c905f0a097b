#pragma once

#include <QPointF>
#include <QVector>

#include <complex>
#include <vector>

// Point curves for the charts. Unequal axis and value lengths throw
// Helpers::Ranges::details::zip_ranges_not_equal before any point is built.

// An exact zero (an ideal matched half) has no logarithm; it is drawn at this floor.
constexpr double MagnitudeFloorDb = -400.0;

// (frequency, 20 log10 |S|); a non-finite frequency or value throws
// std::runtime_error "SParam is inf or nan".
QVector<QPointF> decibelCurve(const std::vector<double>& frequencies,
                              const std::vector<std::complex<double>>& values);
// (time, |value|), linear.
QVector<QPointF> magnitudeCurve(const std::vector<double>& times, const std::vector<std::complex<double>>& values);
// (time, value).
QVector<QPointF> valueCurve(const std::vector<double>& times, const std::vector<double>& values);

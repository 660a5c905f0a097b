#pragma once

#include <QDoubleValidator>

// The validator of numeric text fields (interface type "TextDoubleValidator"):
// bottom, top and decimals as the base class holds them. Numbers are read in
// the C locale whatever the user's one, so that a text it accepts is one that
// the rest of the application reads as the same number.
class TextInputDoubleValidator : public QDoubleValidator
{
    Q_OBJECT

public:
    explicit TextInputDoubleValidator(QObject* parent = nullptr);

    // Empty or a lone minus sign (where negatives are allowed) is Intermediate;
    // more decimals than allowed, unreadable text or a number out of range is
    // Invalid; a number in range that is not yet in plain form ("5.", "1e3")
    // is Intermediate.
    State validate(QString& input, int& position) const override;
};

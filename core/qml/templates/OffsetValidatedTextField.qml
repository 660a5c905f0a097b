import QtQuick 2.15
import QtQuick.Controls 2.15

// A field for an offset in picoseconds: up to four integer digits and two
// decimals, or 10000, with an optional sign.
TextField {
    validator: RegularExpressionValidator {
        regularExpression: /^[+-]?((([0-9]{0,4}[.])?[0-9]{0,2})|([0-9]{0,4})|10000)/
    }
}

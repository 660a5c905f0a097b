import QtQuick 2.15
import "qrc:/core/qml/controls"

// An offset in picoseconds, shown from and entered into a step.
OffsetValidatedTextField {
    id: field

    property real value
    property int decimals: 2

    signal valueEntered(real value)

    selectByMouse: true

    EnteredNumber {
        target: field
        value: field.value
        decimals: field.decimals
        onEntered: number => field.valueEntered(number)
    }
}

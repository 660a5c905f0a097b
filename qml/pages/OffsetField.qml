import QtQuick 2.15
import QtQuick.Controls 2.15

// An offset in picoseconds, shown from and entered into a step: up to 10000
// either way, to two decimals. `refusal` says why the last entry was not taken.
TextField {
    id: field

    property real value
    property int decimals: 2
    readonly property alias refusal: entry.refusal

    signal valueEntered(real value)

    selectByMouse: true

    EnteredNumber {
        id: entry
        target: field
        value: field.value
        decimals: field.decimals
        bottom: -10000
        top: 10000
        units: [qsTr("s"), "s"]
        unitFactor: 1e-12
        onEntered: number => field.valueEntered(number)
    }
}

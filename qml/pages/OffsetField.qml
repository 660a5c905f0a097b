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

    // As wide as the widest offset typed with its unit, so that a 2x-thru's two
    // fields and their unit fit beside their switch in the smallest window.
    implicitWidth: Math.ceil(widest.advanceWidth) + leftPadding + rightPadding
    selectByMouse: true

    TextMetrics {
        id: widest
        font: field.font
        text: "-10000.00p"
    }

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

import QtQuick 2.15
import "../controls"

// A thin line between groups of controls.
Rectangle {
    property int orientation: Qt.Vertical

    implicitWidth: orientation === Qt.Vertical ? 1 : 24
    implicitHeight: orientation === Qt.Vertical ? 24 : 1
    color: Color.enabledLine
}

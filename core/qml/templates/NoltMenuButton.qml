import QtQuick 2.15
import QtQuick.Controls 2.15
import "../controls"

// A footer button with an icon, marked while what it opens is open.
ToolButton {
    id: button

    property color markColor: Color.primary

    display: AbstractButton.IconOnly

    Rectangle {
        anchors.bottom: parent.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 12
        height: 2
        color: button.markColor
        visible: button.checked || button.highlighted
    }
}

import QtQuick 2.15
import QtQuick.Controls 2.15
import "../controls"

// The tabs of the setups, over a line.
TabBar {
    id: bar

    background: Rectangle {
        color: "transparent"

        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: Color.enabledLine
        }
    }
}

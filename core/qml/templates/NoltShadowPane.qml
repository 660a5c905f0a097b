import QtQuick 2.15
import QtQuick.Controls 2.15
import "../controls"

// A pane lifted off the page by a soft shadow.
Pane {
    id: pane

    property color paneColor: Color.isDark ? "#1E1E1E" : "#FFFFFF"
    property int shadowSize: 3

    background: Item {
        Repeater {
            model: pane.shadowSize

            Rectangle {
                x: -index
                y: -index + 1
                width: parent.width + 2 * index
                height: parent.height + 2 * index
                radius: 4 + index
                color: "transparent"
                border.color: Qt.rgba(0, 0, 0, 0.08)
            }
        }

        Rectangle {
            anchors.fill: parent
            radius: 4
            color: pane.paneColor
        }
    }
}

import QtQuick 2.15
import QtQuick.Controls 2.15
import "../controls"

// The window's footer bar, set off from the page by a line.
ToolBar {
    id: bar

    property color barColor: Color.isDark ? "#1E1E1E" : "#F5F5F5"

    background: Rectangle {
        implicitHeight: 48
        color: bar.barColor

        Rectangle {
            width: parent.width
            height: 1
            color: Color.enabledLine
        }
    }
}

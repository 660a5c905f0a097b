import QtQuick 2.15
import QtQuick.Controls 2.15
import "../controls"

// The window's main menu.
Menu {
    id: menu

    property color menuColor: Color.isDark ? "#2A2A2A" : "#FFFFFF"

    background: Rectangle {
        implicitWidth: 200
        radius: 3
        color: menu.menuColor
        border.color: Color.enabledLine
    }
}

import QtQuick 2.15
import "qrc:/core/qml/templates" as T
import "qrc:/core/qml/controls"

// Errors keep their own colours, whatever the theme.
T.NotificationSwipeDelegate {
    rowColor: Color.errorBackground
    textColor: Color.errorForeground
    Rectangle {
        anchors.left: parent.left
        width: 4
        height: parent.height
        color: Qt.darker(Color.errorBackground, 1.4)
    }
}

import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import IconShortcuts 1.0
import "../controls"

// A frameless window with a header of its own: the title, a close button,
// double-click to maximise or restore, drag to move.
ApplicationWindow {
    id: window

    readonly property int headerHeight: 30
    property color headerColor: Color.isDark ? "#1E1E1E" : "#F0F0F0"
    property color textColor: Color.textHighEmphasis

    flags: Qt.Window | Qt.FramelessWindowHint

    header: Rectangle {
        implicitHeight: window.headerHeight
        color: window.headerColor

        MouseArea {
            anchors.fill: parent
            onPressed: window.startSystemMove()
            onDoubleClicked: window.visibility === Window.Maximized ? window.showNormal() : window.showMaximized()
        }

        RowLayout {
            anchors.fill: parent
            spacing: 0

            Label {
                Layout.fillWidth: true
                Layout.leftMargin: 10
                text: window.title
                color: window.textColor
                elide: Text.ElideRight
            }

            WindowButton {
                objectName: "closeButton"
                icon.source: Icons.cross
                color: window.textColor
                hoverColor: Color.errorBackground
                onClicked: window.close()
            }
        }
    }
}

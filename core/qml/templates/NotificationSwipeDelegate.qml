import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import IconShortcuts 1.0
import "../controls"

// A notification row: its text and a close button; swiped aside, it asks to
// be removed as well.
SwipeDelegate {
    id: row

    property color rowColor: "transparent"
    property color textColor: Color.textHighEmphasis

    signal removeMe()

    width: ListView.view ? ListView.view.width : implicitWidth

    contentItem: RowLayout {
        spacing: 8

        Label {
            Layout.fillWidth: true
            text: row.text
            // Messages quote file names and what files hold, which are no markup.
            textFormat: Text.PlainText
            color: row.textColor
            // File paths in the messages have no blanks to break at.
            wrapMode: Text.WrapAtWordBoundaryOrAnywhere
        }

        ToolButton {
            objectName: "closeButton"
            icon.source: Icons.cross
            icon.color: row.textColor
            onClicked: row.removeMe()
        }
    }

    background: Rectangle {
        color: row.rowColor
        border.color: Color.enabledLine
    }

    swipe.left: Rectangle {
        width: row.width
        height: row.height
        color: Color.enabledLine
    }
    swipe.right: Rectangle {
        width: row.width
        height: row.height
        color: Color.enabledLine
    }
    swipe.onCompleted: removeMe()
}

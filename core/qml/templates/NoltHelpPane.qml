import QtQuick 2.15
import QtQuick.Controls 2.15
import "../controls"

// Scrollable help text (HTML).
Pane {
    id: pane

    property string text
    property color textColor: Color.textHighEmphasis

    padding: 12

    Flickable {
        anchors.fill: parent
        clip: true
        contentHeight: help.implicitHeight
        boundsBehavior: Flickable.StopAtBounds

        ScrollBar.vertical: ScrollBar { }

        Text {
            id: help
            width: parent.width
            text: pane.text
            textFormat: Text.RichText
            wrapMode: Text.WordWrap
            color: pane.textColor
            font: pane.font
            onLinkActivated: link => Qt.openUrlExternally(link)
        }
    }
}

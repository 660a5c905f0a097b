import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import IconShortcuts 1.0
import "../controls"

// The frame of a wizard page: its description above the content and a help
// button that opens the page's full help.
Page {
    id: page

    property string name
    property string description
    property url icon: Icons.questionMark
    property string full_description
    property bool active: false
    property bool done: false
    // CoreMeasureEnums.RecommendedResult.Error, or undefined.
    property var hasError

    property color textColor: Color.textHighEmphasis

    background: null

    // A press on the page's empty space ends the edit of the page's field.
    EditEndingTapHandler {
        scope: page
    }

    header: RowLayout {
        spacing: 8

        Label {
            Layout.fillWidth: true
            Layout.leftMargin: 12
            text: page.description
            color: page.textColor
            font.pixelSize: 15
            wrapMode: Text.WordWrap
        }

        ToolButton {
            objectName: "helpButton"
            icon.source: page.icon
            visible: page.full_description !== ""
            onClicked: help.open()
        }
    }

    Popup {
        id: help
        anchors.centerIn: Overlay.overlay
        width: Math.min(page.width, 640)
        height: Math.min(page.height, 480)
        padding: 0

        contentItem: NoltHelpPane {
            text: page.full_description
        }
    }
}

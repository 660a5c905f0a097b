import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import IconShortcuts 1.0
import "../controls"

// A page opened over the wizard, left by its back button.
Page {
    id: page

    property string returnAdditionalText
    property color textColor: Color.textHighEmphasis

    signal returnMe()

    background: null

    // A press on the page's empty space ends the edit of the page's field.
    EditEndingTapHandler {
        scope: page
    }

    header: RowLayout {
        spacing: 12

        ToolButton {
            objectName: "returnButton"
            icon.source: Icons.back
            text: page.returnAdditionalText !== "" ? qsTr("Return to %1").arg(page.returnAdditionalText)
                                                   : qsTr("Return")
            display: AbstractButton.TextBesideIcon
            onClicked: page.returnMe()
        }

        Label {
            Layout.fillWidth: true
            text: page.title
            color: page.textColor
            font.pixelSize: 15
            font.bold: true
            horizontalAlignment: Text.AlignHCenter
            rightPadding: 120
        }
    }
}

import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import IconShortcuts 1.0
import "../controls"

// A tab with a close button.
TabButton {
    id: tab

    property color textColor: checked ? Color.textHighEmphasis : Color.textMedEmphasis

    signal closeClicked()

    contentItem: RowLayout {
        spacing: 4

        Label {
            Layout.fillWidth: true
            text: tab.text
            color: tab.textColor
            elide: Text.ElideRight
            horizontalAlignment: Text.AlignHCenter
        }

        ToolButton {
            objectName: "closeButton"
            implicitWidth: 24
            implicitHeight: 24
            padding: 4
            icon.source: Icons.cross
            icon.width: 12
            icon.height: 12
            onClicked: tab.closeClicked()
        }
    }
}

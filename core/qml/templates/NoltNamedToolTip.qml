import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// A tool tip with a bold title over a (rich) description.
ToolTip {
    id: tip

    property string title
    property string description
    property color textColor: palette.toolTipText

    text: title
    width: Math.min(implicitWidth, 360)

    contentItem: ColumnLayout {
        spacing: 4

        Text {
            Layout.fillWidth: true
            text: tip.title
            font.bold: true
            color: tip.textColor
            visible: text !== ""
            wrapMode: Text.WordWrap
        }

        Text {
            Layout.fillWidth: true
            text: tip.description
            textFormat: Text.RichText
            color: tip.textColor
            visible: text !== ""
            wrapMode: Text.WordWrap
        }
    }
}

import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../controls"

// A text field with its title above it.
ColumnLayout {
    property alias title: caption.text
    property alias text_field: field
    property alias text: field.text

    spacing: 2

    Label {
        id: caption
        color: Color.textMedEmphasis
        font.pixelSize: 11
    }

    TextField {
        id: field
        Layout.fillWidth: true
        selectByMouse: true
    }
}

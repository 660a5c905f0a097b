import QtQuick 2.15
import QtQuick.Controls 2.15
import "../controls"

// A button of a window's own title bar.
AbstractButton {
    id: button

    property color color: Color.textHighEmphasis
    property color hoverColor: Color.enabledLine

    implicitWidth: 40
    implicitHeight: 30
    hoverEnabled: true
    icon.width: 14
    icon.height: 14

    contentItem: ColorImage {
        width: button.icon.width
        height: button.icon.height
        source: button.icon.source
        color: button.color
    }

    background: Rectangle {
        color: button.hovered ? button.hoverColor : "transparent"
    }
}

import QtQuick 2.15
import "../controls"

// One fixture port: a connector pointing to the side the analyzer cable comes from.
Item {
    id: port

    enum Direction { Left, Right }

    property int direction: Port.Direction.Left
    property color color: Color.noltFixture
    property color lineColor: Color.textMedEmphasis

    implicitWidth: 24
    implicitHeight: 26

    Rectangle {
        x: port.direction === Port.Direction.Left ? 0 : parent.width - width
        anchors.verticalCenter: parent.verticalCenter
        width: parent.width / 2
        height: 2
        color: port.lineColor
    }

    Rectangle {
        x: port.direction === Port.Direction.Left ? parent.width / 2 - 2 : parent.width / 2 - width + 2
        anchors.verticalCenter: parent.verticalCenter
        width: parent.width / 2
        height: parent.height * 0.5
        radius: 2
        color: port.color
    }
}

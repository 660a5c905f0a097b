import QtQuick 2.15
import QtQuick.Controls 2.15
import "../controls"

// A fixture half: a block with its name and one port per fixture port on the
// side that faces the analyzer.
Item {
    id: drawing

    // A fixture: name and portsCount.
    property var fixture
    property int direction: Port.Direction.Left
    property int portSpacing: 8
    readonly property int portHeight: 26
    readonly property int portsCount: fixture ? fixture.portsCount : 1
    property color color: Color.noltFixture
    property color textColor: "#212121"

    implicitWidth: 120
    implicitHeight: portsCount * portHeight + (portsCount + 1) * portSpacing

    Rectangle {
        id: body
        x: drawing.direction === Port.Direction.Left ? ports.width : 0
        width: parent.width - ports.width
        height: parent.height
        radius: 4
        color: drawing.color

        Label {
            anchors.fill: parent
            anchors.margins: 4
            text: drawing.fixture ? drawing.fixture.name : ""
            color: drawing.textColor
            font.bold: true
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
    }

    Column {
        id: ports
        x: drawing.direction === Port.Direction.Left ? 0 : body.width
        topPadding: drawing.portSpacing
        spacing: drawing.portSpacing

        Repeater {
            model: drawing.portsCount

            Port {
                height: drawing.portHeight
                direction: drawing.direction
                color: Qt.darker(drawing.color, 1.3)
            }
        }
    }
}

import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/core/qml/controls"
import "ConnectionChecks.js" as ConnectionChecks

// How one measurement step is cabled: its title, a "VNA port" choice per
// fixture port, and the analyzer ports in use.
ColumnLayout {
    id: stepConnection

    property var step
    property int number: 1
    property int vnaPortsCount: 0

    readonly property var connections: ConnectionChecks.fixtureConnections(step)
    readonly property string title: {
        if (!step)
            return "";
        if (step.isDut === true)
            return qsTr("Connection %1. DUT in-fixture measurement setup").arg(number);
        return qsTr("Connection ") + number + ". " + (connections.length === 2
                ? qsTr("Transmission measurement<br>2xThrough method")
                : qsTr("Reflection measurement<br>1xReflect method"));
    }

    spacing: 8

    Label {
        text: stepConnection.title
        textFormat: Text.RichText
        font.bold: true
    }

    RowLayout {
        spacing: 0

        Repeater {
            model: stepConnection.connections

            NoltVNAFixtureConnection {
                fixtureConnection: modelData
                checkedConnections: stepConnection.connections.filter(other => other !== modelData)
                vnaPortsCount: stepConnection.vnaPortsCount
                direction: index === 0 ? Port.Direction.Left : Port.Direction.Right
            }
        }
    }

    Label {
        text: {
            let ports = [];
            for (let i = 0; i < stepConnection.connections.length; ++i)
                ports = ports.concat(stepConnection.connections[i].attachedPorts.toVector.map(port => port + 1));
            return qsTr("Ports: ") + ports.join(", ");
        }
    }
}

import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import CoreMeasureEnums 1.0
import "../controls"

// A fixture with one "VNA port" choice per fixture port. A choice is in error
// when the analyzer port is also cabled to another fixture of the same
// measurement, or twice to this one.
RowLayout {
    id: connection

    // A fixture connection: fixture and attachedPorts (0-based analyzer ports, role "value").
    property var fixtureConnection
    // The other fixture connections of the same measurement.
    property var checkedConnections: []
    property int vnaPortsCount: 0
    property int direction: Port.Direction.Left

    readonly property var attachedPorts: fixtureConnection ? fixtureConnection.attachedPorts.toVector : []
    readonly property var otherPorts: {
        let ports = [];
        for (let i = 0; i < checkedConnections.length; ++i) {
            if (checkedConnections[i])
                ports = ports.concat(checkedConnections[i].attachedPorts.toVector);
        }
        return ports;
    }
    readonly property var portChoices: {
        let choices = [];
        for (let port = 1; port <= vnaPortsCount; ++port)
            choices.push(String(port));
        return choices;
    }
    readonly property bool hasError: {
        for (let i = 0; i < attachedPorts.length; ++i) {
            if (isConflict(i))
                return true;
        }
        return false;
    }

    function isConflict(index) {
        const port = attachedPorts[index];
        return attachedPorts.filter(p => p === port).length > 1 || otherPorts.indexOf(port) >= 0;
    }

    spacing: 12
    layoutDirection: direction === Port.Direction.Left ? Qt.LeftToRight : Qt.RightToLeft

    ColumnLayout {
        spacing: 2

        Repeater {
            model: connection.fixtureConnection ? connection.fixtureConnection.attachedPorts : 0

            delegate: RowLayout {
                id: choiceRow

                readonly property var portModel: model

                layoutDirection: Qt.LeftToRight
                Layout.preferredHeight: 26 + 8

                Label {
                    text: qsTr("VNA port")
                }

                ComboBox {
                    objectName: "vnaPort" + index
                    model: connection.portChoices
                    currentIndex: choiceRow.portModel.value < connection.vnaPortsCount ? choiceRow.portModel.value : -1
                    onActivated: choiceRow.portModel.value = index
                }

                NoltWarning {
                    type: CoreMeasureEnums.RecommendedResult.Error
                    opacity: connection.isConflict(index) ? 1 : 0
                    toolTip.description: qsTr("<p align=justify>It is necessary to reassign the ports. This fixture cannot be connected to the VNA.</p>")
                }
            }
        }
    }

    NoltFixture {
        Layout.alignment: Qt.AlignTop
        fixture: connection.fixtureConnection ? connection.fixtureConnection.fixture : null
        direction: connection.direction
    }
}

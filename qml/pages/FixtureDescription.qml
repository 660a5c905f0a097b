import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/core/qml/controls"

// One fixture of a setup: whether it takes part, and how many ports it has.
// The port-count choices follow the analyzer, so they empty and refill while
// the analyzer's port count is unknown; only the user's choice is written.
ColumnLayout {
    id: description

    // The fixture's VNAFixtureConnection.
    property var connection
    property bool fixtureEnabled
    property int vnaPortsCount: 0
    property string side
    property int direction: Port.Direction.Left

    readonly property var fixture: connection ? connection.fixture : null

    signal enabledToggled(bool enabled)

    spacing: 8

    CheckBox {
        objectName: "fixtureEnabled" + description.side
        text: qsTr("Fixture ") + (description.fixture ? description.fixture.name : "")
        checked: description.fixtureEnabled
        onToggled: description.enabledToggled(checked)
    }

    RowLayout {
        Label {
            text: qsTr("Num of ports")
        }
        ComboBox {
            objectName: "portsCount" + description.side
            // A port count is a number or two: narrower than the style's box, so that both fixtures fit a small window.
            Layout.preferredWidth: 80
            model: {
                let counts = [];
                for (let count = 1; count <= description.vnaPortsCount; ++count)
                    counts.push(String(count));
                return counts;
            }
            currentIndex: description.fixture && description.fixture.portsCount <= description.vnaPortsCount
                          ? description.fixture.portsCount - 1 : -1
            onActivated: description.fixture.portsCount = index + 1
        }
    }

    Label {
        text: qsTr("FIXTURE ") + (description.direction === Port.Direction.Left ? qsTr("IN") : qsTr("OUT"))
    }
    NoltFixture {
        fixture: description.fixture
        direction: description.direction
        opacity: description.fixtureEnabled ? 1 : 0.4
    }
}

import QtQuick 2.15
import "qrc:/core/qml/controls"

// Placeholder until the wizard's page is built.
NoltPage {
    name: qsTr("Fixture connection")
    description: qsTr("Point out the required fixture connections and assign the VNA ports. This is a preparation step for performing the fixture measurements")
}

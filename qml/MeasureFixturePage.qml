import QtQuick 2.15
import "qrc:/core/qml/controls"

// Placeholder until the wizard's page is built.
NoltPage {
    name: qsTr("Fixture measurement")
    description: qsTr("Measure or recall the fixture according to the selected connections")

    // Asks the window to open the fixture characterization page.
    signal openCharacterization()
}

import QtQuick 2.15
import "qrc:/core/qml/controls"

// Placeholder until the wizard's page is built.
NoltPage {
    name: qsTr("VNA setup")
    description: qsTr("Review the current VNA settings")
}

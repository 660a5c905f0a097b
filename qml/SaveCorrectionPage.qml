import QtQuick 2.15
import "qrc:/core/qml/controls"

// Placeholder until the wizard's page is built.
NoltPage {
    name: qsTr("Results")
    description: qsTr("Apply and save measurement and calculation results")
}

import QtQuick 2.15
import "qrc:/core/qml/controls"

// Placeholder until the characterization page is built.
PageWithReturn {
    property string name: qsTr("Fixture characterization")
    property string description: qsTr("Edit fixture characterization")
    property string full_description
    property bool active: false

    title: name
}

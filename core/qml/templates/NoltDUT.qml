import QtQuick 2.15
import QtQuick.Controls 2.15
import "../controls"

// The device under test, drawn between the two fixtures.
Rectangle {
    implicitWidth: 80
    implicitHeight: 60
    radius: 4
    color: Color.noltDUT

    Label {
        anchors.centerIn: parent
        text: qsTr("DUT")
        color: Color.noltDUTText
        font.bold: true
    }
}

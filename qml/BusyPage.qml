import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/core/qml/controls"

// Shown while a step measures; Cancel aborts the analyzer and the calculation.
Page {
    background: null

    ColumnLayout {
        anchors.centerIn: parent
        spacing: 16

        Label {
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Measurements are executing")
            font.pixelSize: 22
            font.bold: true
        }

        BusyIndicator {
            Layout.alignment: Qt.AlignHCenter
            running: visible
        }

        Button {
            objectName: "cancelMeasurement"
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Cancel")
            flat: true
            enabled: !!backend
            // The steps learn of the cancel first, so that the analyzer's reading
            // it cuts short counts as cancelled, not as failed.
            onClicked: {
                backend.getFixtureSetups().interrupt();
                backend.getVnaDevice().interrupt();
            }
        }
    }
}

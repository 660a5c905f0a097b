import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/core/qml/controls"

// The analyzer's calibration against the ports the setups use.
NoltPage {
    id: page

    readonly property var table: backend ? backend.getCalibrateVnaTable() : null

    name: qsTr("VNA calibration")
    description: qsTr("Calibrate VNA")
    hasError: done && table ? table.hasError : undefined
    full_description: qsTr("<h3>VNA calibration</h3><p align=justify>The table compares the calibration of the "
                           + "active channel with the ports the fixtures are cabled to. Calibrate the analyzer "
                           + "at the plane where the fixtures will be connected.</p>")

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 12
        spacing: 12

        NoltVnaTable {
            objectName: "calibrationTable"
            Layout.fillWidth: true
            // The calibration's name ("Full 2-port") is read whole in its field at the smallest width.
            columnShares: [0, 0.34, 0.36, 0.3]
            model: page.table
        }
        Label {
            text: qsTr("Calibrate VNA")
            font.bold: true
            font.pixelSize: 15
        }
        Label {
            Layout.fillWidth: true
            text: qsTr("<p align=justify>Perform an N-port VNA calibration at the plane where the fixture needs "
                       + "to be connected.<br><br> No fixture connection is required.<br><br> Calibration is "
                       + "applied on the active VNA channel only.</p>")
            textFormat: Text.RichText
            wrapMode: Text.WordWrap
        }
        Item {
            Layout.fillHeight: true
        }
    }
}

import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// The device under test measured in its fixtures.
ColumnLayout {
    id: view

    property var step

    spacing: 10

    Label {
        text: qsTr("Fixture with DUT")
        font.bold: true
    }
    StandardRow {
        standard: "dut"
        text: qsTr("DUT")
        status: view.step.dutMeasured
        onMeasure: view.step.measureFromVna()
        onRecall: path => view.step.measureFromTouchstoneFile(path)
    }
}

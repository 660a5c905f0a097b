import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import MeasureEnums 1.0
import UnitFormatter 1.0
import "../controls"

// The results of one measured fixture port: its analyzer port and reference
// impedance, the fixture length and impedance, and the impedance the results
// are converted to.
ColumnLayout {
    id: pane

    // A measured fixture port: measuredPort, z0Port and the result object measureData.
    property var fixturePort
    // The MeasureEnums.MeasureStatus of the measurement that filled it.
    property var status
    property color textColor: Color.textHighEmphasis

    readonly property var results: fixturePort ? fixturePort.measureData : null
    readonly property int portNumber: fixturePort ? fixturePort.measuredPort + 1 : 0
    readonly property bool failed: status === MeasureEnums.MeasureStatus.Error

    function isValue(value) {
        return value !== undefined && value !== null;
    }

    spacing: 2

    Label {
        objectName: "portLine"
        text: qsTr("Port %1 | %2 Ohm").arg(pane.portNumber)
                                     .arg(pane.fixturePort ? UnitFormatter.toPrecision(pane.fixturePort.z0Port, 2) : "---")
        color: pane.textColor
        font.bold: true
    }

    Label {
        objectName: "errorLine"
        text: qsTr("Error while measure")
        color: Color.errorBackground
        visible: pane.failed
    }

    Label {
        objectName: "lengthLine"
        text: pane.results && pane.isValue(pane.results.length)
              ? qsTr("L%1 = %2s").arg(pane.portNumber).arg(UnitFormatter.toNormalized(pane.results.length, 2)) : ""
        color: pane.textColor
        visible: !pane.failed && text !== ""
    }

    Label {
        objectName: "impedanceLine"
        text: pane.results && pane.isValue(pane.results.impedance)
              ? qsTr("Z%1 = %2Ohm").arg(pane.portNumber).arg(UnitFormatter.toNormalized(pane.results.impedance, 2)) : ""
        color: pane.textColor
        visible: !pane.failed && text !== ""
    }

    Label {
        objectName: "conversionLine"
        text: pane.results && pane.isValue(pane.results.z0Transform)
              ? qsTr("Z%1 → %2Ohm").arg(pane.portNumber).arg(UnitFormatter.toNormalized(pane.results.z0Transform, 2)) : ""
        color: pane.textColor
        visible: !pane.failed && text !== ""
    }
}

import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import MeasureEnums 1.0
import UnitFormatter 1.0
import "../controls"

// The results of one measured fixture port: its analyzer port and reference
// impedance, the fixture length and impedance, and the impedance the results
// are converted to. Before a measurement it names the port the fixture port is
// cabled to and shows no values.
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
    readonly property bool measured: results ? results.isMeasured === true : false
    // Stands for a value not measured yet, before its unit.
    readonly property string noValue: "--- "

    function isValue(value) {
        return value !== undefined && value !== null;
    }

    // A value in its line; a missing one shows as not measured yet, or not at all once measured.
    function shown(line, value) {
        if (isValue(value))
            return line.arg(UnitFormatter.toNormalized(value, 2));
        return measured ? "" : line.arg(noValue);
    }

    spacing: 2

    Label {
        objectName: "portLine"
        text: qsTr("Port %1 | %2 Ohm").arg(pane.portNumber)
                                     .arg(pane.measured ? UnitFormatter.toPrecision(pane.fixturePort.z0Port, 2) : "---")
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
        text: pane.results ? pane.shown(qsTr("L%1 = %2s").arg(pane.portNumber), pane.results.length) : ""
        color: pane.textColor
        visible: !pane.failed && text !== ""
    }

    Label {
        objectName: "impedanceLine"
        text: pane.results ? pane.shown(qsTr("Z%1 = %2Ohm").arg(pane.portNumber), pane.results.impedance) : ""
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

import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/core/qml/controls"

// A fixture characterised by open and/or short standards at its far end.
ColumnLayout {
    id: view

    property var step

    readonly property var fixtureConnection: step.connection.fixt

    signal openCharacterization()

    spacing: 10

    Label {
        text: qsTr("1xReflect setup")
        font.bold: true
    }

    RowLayout {
        CheckBox {
            objectName: "openEnabled"
            checked: view.step.openMeasurementEnable
            onToggled: view.step.openMeasurementEnable = checked
        }
        StandardRow {
            standard: "open"
            enabled: view.step.openMeasurementEnable
            text: qsTr("Open")
            status: view.step.openMeasured
            onMeasure: view.step.measureOpenFromVna()
            onRecall: path => view.step.measureOpenFromTouchstone(path)
        }
    }
    RowLayout {
        CheckBox {
            objectName: "shortEnabled"
            checked: view.step.shortMeasurementEnable
            onToggled: view.step.shortMeasurementEnable = checked
        }
        StandardRow {
            standard: "short"
            enabled: view.step.shortMeasurementEnable
            text: qsTr("Short")
            status: view.step.shortMeasured
            onMeasure: view.step.measureShortFromVna()
            onRecall: path => view.step.measureShortFromTouchstone(path)
        }
    }

    // The step's actions share a row, so that the whole step fits above the running
    // tasks' rows at the window's usual size.
    RowLayout {
        spacing: 12
        Button {
            text: qsTr("Delete data")
            flat: true
            onClicked: view.step.deleteData()
        }
        Button {
            objectName: "editCharacterization"
            text: qsTr("Edit characterization")
            onClicked: view.openCharacterization()
        }
    }

    Switch {
        text: qsTr("Use compensation of") + "\n" + qsTr("the max signal by") + "\n" + qsTr("the spline approximation")
        checked: view.step.useCompensation
        onToggled: view.step.useCompensation = checked
    }

    PortResults {
        connection: view.fixtureConnection
        status: view.step.calculated
    }

    // The field's reason for a refused entry shows below it and its unit.
    GridLayout {
        columns: 3
        columnSpacing: 12
        rowSpacing: 0
        Switch {
            objectName: "offsetApplied"
            text: qsTr("Apply fixture\ncalibration plane offset")
            checked: view.step.appliedFixtureOffset
            onToggled: {
                view.step.applyOffset(checked);
                // The switch shows what the step holds: refused, it goes back; applied, the step turns it on.
                checked = Qt.binding(() => view.step.appliedFixtureOffset);
            }
        }
        OffsetField {
            id: offsetField
            objectName: "offset"
            value: view.step.offset
            onValueEntered: offset => {
                view.step.offset = offset;
                view.step.applyOffset(true);
            }
        }
        Label {
            id: offsetUnit
            text: qsTr("ps")
        }
        FieldRefusal {
            objectName: "offsetRefusal"
            Layout.column: 1
            Layout.row: 1
            Layout.columnSpan: 2
            Layout.maximumWidth: offsetField.implicitWidth + offsetUnit.implicitWidth + parent.columnSpacing
            text: offsetField.refusal
        }
    }
}

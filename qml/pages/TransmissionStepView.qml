import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import UnitFormatter 1.0
import "qrc:/core/qml/controls"

// A 2x-thru step: the thru, and open and short standards that move its
// reference plane; the results of both fixtures and their offsets.
ColumnLayout {
    id: view

    property var step

    readonly property var leftConnection: step.connection.left
    readonly property var rightConnection: step.connection.right
    readonly property string fixtures: leftConnection.fixture.name + " - " + rightConnection.fixture.name

    signal openCharacterization()

    spacing: 10

    Label {
        text: qsTr("2xThrough method")
        font.bold: true
    }

    RowLayout {
        // Where the standards have their check boxes, so that every row's buttons line up.
        Item {
            implicitWidth: openCheck.implicitWidth
        }
        StandardRow {
            standard: "thru"
            text: qsTr("Thru")
            status: view.step.thruMeasured
            onMeasure: view.step.measureFromVna()
            onRecall: path => view.step.measureFromTouchstoneFile(path)
        }
    }
    // The checked standards are those the reflect offsets are calculated from.
    RowLayout {
        CheckBox {
            id: openCheck
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
            onRecall: path => view.step.measureOpenFromTouchstoneFile(path)
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
            onRecall: path => view.step.measureShortFromTouchstoneFile(path)
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

    RowLayout {
        spacing: 24
        PortResults {
            Layout.alignment: Qt.AlignTop
            connection: view.leftConnection
            status: view.step.thruMeasured
        }
        PortResults {
            Layout.alignment: Qt.AlignTop
            connection: view.rightConnection
            status: view.step.thruMeasured
        }
    }

    // A field's reason for a refused entry shows below the fields, across them and their
    // unit, so that it reads in a few lines: the right field's below the left field's when
    // both refused. The reason quotes what was typed, so it names its field.
    GridLayout {
        id: thruOffsets

        readonly property real fieldsWidth: leftOffset.implicitWidth + rightOffset.implicitWidth
                                            + thruOffsetUnit.implicitWidth + 2 * columnSpacing

        columns: 4
        columnSpacing: 12
        rowSpacing: 0
        Switch {
            objectName: "thruOffsetApplied"
            text: qsTr("Apply fixture \n%1\ncalibration plane offset").arg(view.fixtures)
            checked: view.step.appliedFixtureOffset
            onToggled: {
                view.step.applyThruOffset(checked);
                checked = Qt.binding(() => view.step.appliedFixtureOffset);
            }
        }
        OffsetField {
            id: leftOffset
            objectName: "leftOffset"
            value: view.step.leftOffset
            onValueEntered: offset => {
                view.step.leftOffset = offset;
                view.step.applyThruOffset(true);
            }
        }
        OffsetField {
            id: rightOffset
            objectName: "rightOffset"
            value: view.step.rightOffset
            onValueEntered: offset => {
                view.step.rightOffset = offset;
                view.step.applyThruOffset(true);
            }
        }
        Label {
            id: thruOffsetUnit
            objectName: "thruOffsetUnit"
            text: qsTr("ps")
        }
        FieldRefusal {
            objectName: "leftOffsetRefusal"
            Layout.column: 1
            Layout.row: 1
            Layout.columnSpan: 3
            Layout.maximumWidth: thruOffsets.fieldsWidth
            text: leftOffset.refusal
        }
        FieldRefusal {
            objectName: "rightOffsetRefusal"
            Layout.column: 1
            Layout.row: 2
            Layout.columnSpan: 3
            Layout.maximumWidth: thruOffsets.fieldsWidth
            text: rightOffset.refusal
        }
    }

    RowLayout {
        spacing: 12
        Switch {
            objectName: "reflectsOffsetApplied"
            text: qsTr("Apply fixture \n%1\ncalibration plane offset\nusing reflects, ps").arg(view.fixtures)
            checked: view.step.appliedReflectsOffset
            onToggled: {
                view.step.applyReflectOffset(checked);
                // The switch shows what the step holds: refused, it goes back; applied, the step turns it on.
                checked = Qt.binding(() => view.step.appliedReflectsOffset);
            }
        }
        // The reflects' offsets are calculated from the standards, not entered.
        Label {
            objectName: "leftReflectOffset"
            text: UnitFormatter.toPrecision(view.step.leftReflectOffset, 3)
        }
        Label {
            objectName: "rightReflectOffset"
            text: UnitFormatter.toPrecision(view.step.rightReflectOffset, 3)
        }
    }
}

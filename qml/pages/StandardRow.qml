import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/core/qml/controls"

// One measured standard: its status, and measuring it on the analyzer or
// recalling it from a Touchstone file.
RowLayout {
    id: row

    property string text
    // The standard's MeasureEnums.MeasureStatus.
    property var status
    // Prefixes the buttons' object names ("thru" gives "thruMeasure", "thruRecall").
    property string standard

    signal measure()
    signal recall(string path)

    spacing: 8

    Label {
        text: row.text
        Layout.preferredWidth: 80
    }
    // Keeps its place while hidden, so the buttons of measured and unmeasured rows line up.
    Item {
        implicitWidth: checkmark.implicitWidth
        implicitHeight: checkmark.implicitHeight

        NoltMeasureCheckmark {
            id: checkmark
            anchors.centerIn: parent
            status: row.status
        }
    }
    Button {
        objectName: row.standard + "Measure"
        text: qsTr("Measure")
        onClicked: row.measure()
    }
    Button {
        objectName: row.standard + "Recall"
        text: qsTr("Recall")
        flat: true
        onClicked: dialog.open()
    }

    TouchstoneDialog {
        id: dialog
        onPathChosen: path => row.recall(path)
    }
}

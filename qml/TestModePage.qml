import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Dialogs 1.3
import QtQuick.Layouts 1.15
import "qrc:/core/qml/controls"
import "qrc:/core/qml/controls/FilePath.js" as FilePath
import "pages"

// The algorithms' time-domain parameters: switched between the edited and the
// default set by the test mode, and saved as test-mode files.
PageWithReturn {
    id: page

    property string name: qsTr("Test Mode")
    property string description: qsTr("Test Mode")
    property string full_description: "<p align=justify>"
        + qsTr("The test mode uses the edited time-domain parameters of the table in every calculation. "
               + "Switched off, the calculations use the default parameters. "
               + "Save writes the parameters and the measured fixture data as test-mode files.") + "</p>"
    property bool active: false

    readonly property var table: backend ? backend.getTestModeTable() : null

    title: name

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 12
        spacing: 12

        RowLayout {
            spacing: 12

            Switch {
                id: testMode
                objectName: "testModeSwitch"
                text: qsTr("Test mode")
                checked: false
                enabled: page.table !== null
                onToggled: page.table.setTestMode(checked)
            }

            Button {
                objectName: "setDefault"
                text: qsTr("Set default")
                enabled: testMode.checked
                onClicked: page.table.setDefault()
            }

            Button {
                objectName: "saveTestMode"
                text: qsTr("Save")
                enabled: testMode.checked
                onClicked: saveDialog.open()
            }
        }

        // The table shows every row and a short window scrolls it, since it does not scroll itself.
        PageScrollView {
            id: tableScroll
            Layout.fillWidth: true
            Layout.fillHeight: true
            contentWidth: tableArea.width
            contentHeight: tableArea.height

            Item {
                id: tableArea
                // Never narrower than the table's own width, which its column widths need.
                width: Math.max(tableScroll.availableWidth, testModeTable.implicitWidth)
                height: testModeTable.implicitHeight

                NoltVnaTable {
                    id: testModeTable
                    objectName: "testModeTable"
                    anchors.fill: parent
                    // The descriptions are the longest texts here.
                    columnShares: [0, 0.3, 0.25, 0.45]
                    model: page.table
                }
            }
        }
    }

    FileDialog {
        id: saveDialog
        title: qsTr("Dir for save the test mode files")
        // The names the test-mode save gives its files, its raw data included.
        nameFilters: [qsTr("Test mode files") + " (*_ParametersTestMode.ini *_ImpulseResponse.txt *_StepResponse.txt"
                      + " *_Gating.txt *_SParameters*.s2p *_Step*.s*p)", qsTr("All files") + " (*)"]
        selectExisting: false
        onAccepted: backend.saveTestModeFiles(FilePath.fromUrl(fileUrl, Qt.platform.os === "windows"))
    }
}

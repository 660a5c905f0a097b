import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Dialogs 1.3
import QtQuick.Layouts 1.15
import "qrc:/core/qml/controls"
import "qrc:/core/qml/controls/FilePath.js" as FilePath
import "FileNames.js" as FileNames

// Applying the calculated fixtures on the analyzer, and saving them, the setup
// and the raw measurements.
NoltPage {
    id: page

    // The chosen file's path; the exports name their files from it without ".s2p".
    function exportName(url) {
        return FileNames.withoutTouchstoneSuffix(FilePath.fromUrl(url, Qt.platform.os === "windows"));
    }

    function saveCorrection(url) {
        backend.saveCorrectionFiles(exportName(url));
    }

    function saveRawData(url) {
        backend.saveRawDataFiles(exportName(url));
    }

    function saveSetup(url) {
        backend.saveState(FilePath.fromUrl(url, Qt.platform.os === "windows"));
    }

    name: qsTr("Results")
    description: qsTr("Apply and save measurement and calculation results")
    full_description: qsTr("<h3>Results</h3><p align=justify>Apply sends the calculated fixtures to the VNA "
                           + "software, which de-embeds them from the measurements. The correction files hold "
                           + "one Touchstone file per fixture port, named by the chosen name and the VNA port. "
                           + "The setup file restores the plug-in and the VNA later; the raw data are the "
                           + "measured standards.</p>")

    // A short window scrolls the page rather than cutting its last rows.
    PageScrollView {
        id: scroll
        anchors.fill: parent
        anchors.margins: 12
        ScrollBar.horizontal.policy: ScrollBar.AlwaysOff

        GridLayout {
            width: scroll.availableWidth
            columns: 2
            columnSpacing: 24
            rowSpacing: 16

            ResultCaption {
                title: qsTr("Apply results")
                text: qsTr("To transmit the calculated") + qsTr(" data to the VNA software\n")
                      + qsTr("and apply them for de-embedding")
            }
            Button {
                objectName: "applyCorrection"
                text: qsTr("Apply")
                highlighted: true
                onClicked: backend.applyCorrection()
            }

            ResultCaption {
                title: qsTr("Save correction files (.sNp)")
                text: qsTr("For future use if desired")
            }
            Button {
                objectName: "saveCorrection"
                text: qsTr("Save correction files...")
                onClicked: correctionDialog.open()
            }

            ResultCaption {
                title: qsTr("Save setup")
                text: qsTr("To save the current Noltworks") + qsTr(" settings\nNOLT & VNA configuration files")
            }
            Button {
                objectName: "saveSetup"
                text: qsTr("Save setup...")
                onClicked: setupDialog.open()
            }

            ResultCaption {
                title: qsTr("Save raw data")
                text: qsTr("To save the raw data")
            }
            Button {
                objectName: "saveRawData"
                text: qsTr("Save raw data")
                onClicked: rawDataDialog.open()
            }
        }
    }

    FileDialog {
        id: correctionDialog
        title: qsTr("Save Files")
        nameFilters: [qsTr("Touchstone files (*.s2p)")]
        selectExisting: false
        onAccepted: page.saveCorrection(fileUrl)
    }

    FileDialog {
        id: setupDialog
        title: qsTr("Save State File")
        nameFilters: [qsTr("State files (*.sta)")]
        selectExisting: false
        onAccepted: page.saveSetup(fileUrl)
    }

    FileDialog {
        id: rawDataDialog
        title: qsTr("Save Files")
        // Every raw-data name ends in "_Step" and the step number, then "(1)", "(2)", ... when
        // taken, and the Touchstone extension of its port count.
        nameFilters: [qsTr("Raw data files") + " (*_Step*.s*p)", qsTr("All files") + " (*)"]
        selectExisting: false
        onAccepted: page.saveRawData(fileUrl)
    }
}

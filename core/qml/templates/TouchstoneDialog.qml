import QtQuick 2.15
import QtQuick.Dialogs 1.3
import "../controls/FilePath.js" as FilePath

// The dialog that picks a Touchstone file to take a measurement from.
FileDialog {
    id: dialog

    signal pathChosen(string path)

    title: qsTr("Open Touchstone File")
    nameFilters: [qsTr("Touchstone files (*.s1p *.s2p *.s3p *.s4p)")]
    selectExisting: true
    selectMultiple: false
    onAccepted: pathChosen(FilePath.fromUrl(fileUrl, Qt.platform.os === "windows"))
}

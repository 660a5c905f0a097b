import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/core/qml/controls"

// Shown while no analyzer is connected and ready: what to check on the analyzer.
Page {
    background: null

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 24
        spacing: 16

        Label {
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Waiting for VNA")
            font.pixelSize: 22
            font.bold: true
        }

        BusyIndicator {
            Layout.alignment: Qt.AlignHCenter
            running: visible
        }

        Label {
            Layout.fillWidth: true
            Layout.maximumWidth: 760
            Layout.alignment: Qt.AlignHCenter
            textFormat: Text.RichText
            wrapMode: Text.WordWrap
            text: "<p align=justify>" + qsTr("1. Make sure that VNA sofware is launched.") + "<br><br>"
                  + qsTr("2. Make sure that the Socket Server of VNA software is On:") + "<br>"
                  + qsTr("System -> Misc Setup -> Network Remote Control Settings -> Socket Server ON") + "<br><br>"
                  + qsTr("3. During measurement with the sweep time exceeding 30 seconds per sweep:")
                  + "<ul><li>" + qsTr("Make sure that VNA software is still running at the given settings.") + "</li>"
                  + "<li>" + qsTr("Wait for VNA software to collect all the required data and update traces.")
                  + "</li></ul>"
                  + qsTr("Note that the Sweep Progress Field of VNA software, located in the Channel Status Bar,") + " "
                  + qsTr("displays a progress bar when the channel data is being updated.") + " "
                  + qsTr("If the Sweep Progress Field freezes, wait for a minute and re-start VNA software.")
                  + "<br><br>" + qsTr("To display Sweep Time in the instrument status bar:") + "<br>"
                  + qsTr("Display -> Properties -> Cycle Time ON") + "</p>"
        }

        Item { Layout.fillHeight: true }
    }
}

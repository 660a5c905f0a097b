import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Dialogs 1.3
import QtQuick.Layouts 1.15
import CoreMeasureEnums 1.0
import MeasureEnums 1.0
import "qrc:/core/qml/controls"
import "qrc:/core/qml/controls/FilePath.js" as FilePath

// Which fixtures each setup has and how many ports, the correction method,
// recalling a saved setup and the plug-in preset.
NoltPage {
    id: page

    readonly property var fixtureSetups: backend ? backend.getFixtureSetups() : null
    readonly property var device: backend ? backend.getVnaDevice() : null
    readonly property int vnaPortsCount: device && device.portsCount !== undefined ? device.portsCount : 0
    readonly property var methods: [MeasureEnums.CorrectionMethod.TIME_GATING, MeasureEnums.CorrectionMethod.FILTERING,
                                  MeasureEnums.CorrectionMethod.BISECT]
    readonly property var selectedSetup: {
        if (!fixtureSetups)
            return null;
        const setups = fixtureSetups.setups.toVector;
        return setups[fixtureSetups.selected] || null;
    }
    readonly property bool tooManyPorts: selectedSetup !== null && vnaPortsCount > 0
                                         && fixturePortsCount(selectedSetup) > vnaPortsCount

    function fixturePortsCount(setup) {
        return (setup.leftFixtureEnabled ? setup.leftFixtureConn.fixture.portsCount : 0)
                + (setup.rightFixtureEnabled ? setup.rightFixtureConn.fixture.portsCount : 0);
    }

    name: qsTr("Description")
    description: qsTr("Configure fixtures")
    hasError: done && tooManyPorts ? CoreMeasureEnums.RecommendedResult.Error : undefined
    full_description: qsTr("<h3>Description</h3><p align=justify>Enable the fixtures of each configuration "
                           + "and set how many ports each one has. Choose the method that calculates the fixture "
                           + "parameters, or recall a configuration saved earlier. The plug-in preset deletes all "
                           + "measured data and returns the plug-in to its initial state.</p>")

    // A short window scrolls the page rather than laying its rows over each other.
    PageScrollView {
        id: scroll
        anchors.fill: parent
        anchors.margins: 12

        ColumnLayout {
            width: scroll.availableWidth
            height: Math.max(implicitHeight, scroll.availableHeight)
            spacing: 12

            SetupTabs {
                Layout.fillWidth: true
                Layout.fillHeight: true
                fixtureSetups: page.fixtureSetups
                content: Item {
                    readonly property var setup: model.value

                    Layout.minimumHeight: descriptions.implicitHeight + descriptions.anchors.topMargin

                    RowLayout {
                        id: descriptions
                        anchors.fill: parent
                        anchors.topMargin: 12
                        spacing: 24

                        FixtureDescription {
                            Layout.alignment: Qt.AlignTop
                            side: "A"
                            connection: setup.leftFixtureConn
                            fixtureEnabled: setup.leftFixtureEnabled
                            vnaPortsCount: page.vnaPortsCount
                            direction: Port.Direction.Left
                            onEnabledToggled: enabled => setup.leftFixtureEnabled = enabled
                        }
                        FixtureDescription {
                            Layout.alignment: Qt.AlignTop
                            side: "B"
                            connection: setup.rightFixtureConn
                            fixtureEnabled: setup.rightFixtureEnabled
                            vnaPortsCount: page.vnaPortsCount
                            direction: Port.Direction.Right
                            onEnabledToggled: enabled => setup.rightFixtureEnabled = enabled
                        }
                        Item {
                            Layout.fillWidth: true
                        }
                    }
                }
            }

            RowLayout {
                spacing: 12

                Label {
                    objectName: "vnaPorts"
                    text: qsTr("Available VNA ports: ") + page.vnaPortsCount
                }
                Label {
                    objectName: "fixturePorts"
                    text: qsTr("Fixture ports: ") + (page.selectedSetup ? page.fixturePortsCount(page.selectedSetup) : 0)
                }
                NoltWarning {
                    objectName: "tooManyPorts"
                    type: CoreMeasureEnums.RecommendedResult.Error
                    visible: page.tooManyPorts
                    toolTip.description: qsTr("<p align=justify>VNA ports are not enough for the fixture connection. "
                                              + "Further measurements will lead to incorrect results.</p>")
                }
            }

            Label {
                text: qsTr("Select the method for fixture parameters calculation")
            }
            RowLayout {
                Label {
                    text: qsTr("Method")
                }
                ComboBox {
                    id: method
                    objectName: "method"
                    // Wide enough for the longest name, which a translation may lengthen.
                    Layout.preferredWidth: Math.max(implicitWidth, longestMethod.advanceWidth + leftPadding + rightPadding + 12)
                    model: [qsTr("Time Gating"), qsTr("Filtering"), qsTr("Bisection")]
                    currentIndex: page.fixtureSetups ? page.methods.indexOf(page.fixtureSetups.correctionMethod) : -1
                    onActivated: page.fixtureSetups.correctionMethod = page.methods[index]

                    TextMetrics {
                        id: longestMethod
                        font: method.font
                        text: method.model.reduce((longest, name) => name.length > longest.length ? name : longest)
                    }
                }
            }

            Label {
                text: qsTr("Recall the saved configuration setup where applicable")
            }
            RowLayout {
                spacing: 12

                Button {
                    objectName: "recallSetup"
                    text: qsTr("Recall setup")
                    onClicked: recallDialog.open()
                }
                Button {
                    objectName: "pluginPreset"
                    text: qsTr("Plug-in preset")
                    onClicked: presetDialog.open()
                }
            }
        }
    }

    FileDialog {
        id: recallDialog
        title: qsTr("Open State File")
        nameFilters: [qsTr("State files (*.sta)")]
        selectExisting: true
        onAccepted: backend.loadState(FilePath.fromUrl(fileUrl, Qt.platform.os === "windows"))
    }

    NoltMessageDialog {
        id: presetDialog
        width: 420
        title: qsTr("Plug-in preset")
        informativeText: qsTr("The preset deletes all measured data without saving it and returns the plug-in to "
                              + "its initial state. Perform the plug-in preset?")
        acceptText: qsTr("Perform")
        discardText: qsTr("Cancel")
        onAccepted: backend.preset()
        onDiscarded: close()
    }
}

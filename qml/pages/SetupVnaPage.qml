import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import MeasureEnums 1.0
import "qrc:/core/qml/controls"

// The analyzer's sweep settings against what the calculation needs, the low-pass
// grid and the reference impedance the results are converted to.
NoltPage {
    id: page

    readonly property var fixtureSetups: backend ? backend.getFixtureSetups() : null
    readonly property var algorithmsSetup: backend ? backend.getAlgorithmsSetup() : null
    readonly property var table: backend ? backend.getSetupVnaTable() : null
    readonly property var device: backend ? backend.getVnaDevice() : null
    readonly property bool lowPass: algorithmsSetup ? algorithmsSetup.isLowPassMode : false
    readonly property var conversion: fixtureSetups ? fixtureSetups.z0ConversionType : undefined
    readonly property var conversionChoices: [MeasureEnums.Z0Conversion.System, MeasureEnums.Z0Conversion.Fixture,
                                              MeasureEnums.Z0Conversion.User]
    // The conversion "Ignore low pass" returns to when switched off.
    property var lastConversion: MeasureEnums.Z0Conversion.System

    name: qsTr("VNA setup")
    description: qsTr("Review the current VNA settings")
    hasError: done && table ? table.hasError : undefined
    full_description: qsTr("<h3>VNA setup</h3><p align=justify>The table compares the sweep settings of the "
                           + "active channel with the ones the calculation needs; values can be edited here. "
                           + "The low pass mode (start frequency equal to the frequency step) gives the step "
                           + "response and the fixture impedance, and allows converting the results to another "
                           + "reference impedance.</p>")

    Component.onCompleted: {
        if (conversion !== undefined && conversion !== MeasureEnums.Z0Conversion.None)
            lastConversion = conversion;
        if (table)
            ignoreLowPass.checked = !table.lowPassCheck && conversion === MeasureEnums.Z0Conversion.None;
    }

    Connections {
        target: page.table
        function onLowPassCheckChanged() {
            ignoreLowPass.checked = !page.table.lowPassCheck;
        }
    }
    Connections {
        target: page.fixtureSetups
        function onZ0ConversionTypeChanged() {
            ignoreLowPass.checked = page.conversion === MeasureEnums.Z0Conversion.None;
            if (!ignoreLowPass.checked)
                page.lastConversion = page.conversion;
        }
    }

    PageScrollView {
        id: scroll
        anchors.fill: parent
        anchors.margins: 12
        // The rows are laid out to the page's width, though the table would take more.
        ScrollBar.horizontal.policy: ScrollBar.AlwaysOff

        ColumnLayout {
            width: scroll.availableWidth
            spacing: 12

            NoltVnaTable {
                objectName: "setupTable"
                Layout.fillWidth: true
                model: page.table
            }

            RowLayout {
                spacing: 8
                Label {
                    text: qsTr("Current mode:")
                }
                Label {
                    objectName: "currentMode"
                    text: page.lowPass ? qsTr("Low pass (Fstart=Fstep)") : qsTr("Band pass (Fstart≠Fstep)")
                    font.bold: true
                }
            }

            Switch {
                id: ignoreLowPass
                objectName: "ignoreLowPass"
                text: qsTr("Ignore low pass")
                onToggled: {
                    page.table.lowPassCheck = !checked;
                    page.fixtureSetups.z0ConversionType = checked ? MeasureEnums.Z0Conversion.None
                                                                  : page.lastConversion;
                }
            }

            // Rows of buttons wrap on a narrow window instead of running off the page.
            Flow {
                Layout.fillWidth: true
                spacing: 8
                Label {
                    height: lowPassMode.height
                    verticalAlignment: Text.AlignVCenter
                    text: qsTr("Click to set low pass mode:")
                }
                Button {
                    id: lowPassMode
                    objectName: "lowPassMode"
                    text: qsTr("Low pass mode")
                    onClicked: page.algorithmsSetup.setLowPassMode()
                }
                Button {
                    objectName: "lowPass10MhzMode"
                    text: qsTr("10 MHz low pass mode")
                    onClicked: page.algorithmsSetup.set10MhzLowPassMode()
                }
            }

            Flow {
                Layout.fillWidth: true
                spacing: 8
                enabled: page.lowPass && page.conversion !== MeasureEnums.Z0Conversion.None

                Label {
                    height: Math.max(implicitHeight, lowPassMode.height)
                    verticalAlignment: Text.AlignVCenter
                    text: qsTr("After removal set\nVNA cal reference Zo to:")
                }
                Repeater {
                    model: [qsTr("System"), qsTr("Fixture"), qsTr("Custom")]

                    RadioButton {
                        text: modelData
                        checked: page.lastConversion === page.conversionChoices[index]
                        onToggled: {
                            page.lastConversion = page.conversionChoices[index];
                            page.fixtureSetups.z0ConversionType = page.lastConversion;
                        }
                    }
                }
            }

            NoltNamedTextField {
                id: customZ0
                title: qsTr("Custom Zo")
                enabled: page.lowPass && page.lastConversion === MeasureEnums.Z0Conversion.User
                text_field.objectName: "customZ0"

                EnteredNumber {
                    id: customZ0Entry
                    target: customZ0.text_field
                    value: page.fixtureSetups ? page.fixtureSetups.userZ0 : 0
                    bottom: 1
                    top: 1000
                    units: [qsTr("\u2126"), "\u2126", "Ohm"]
                    onEntered: number => page.fixtureSetups.userZ0 = number
                }
            }
            FieldRefusal {
                objectName: "customZ0Refusal"
                Layout.maximumWidth: customZ0.width
                text: customZ0Entry.refusal
            }

            Button {
                text: qsTr("VNA preset")
                onClicked: page.device.preset()
            }
        }
    }
}

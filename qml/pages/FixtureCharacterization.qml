import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Units 1.0
import "qrc:/core/qml/controls"
import "CharacterizedPorts.js" as CharacterizedPorts

// The charts of the measured fixture ports of each setup: impulse responses
// with the fixture lengths, gated responses, step responses with the fixture
// impedances, and S-parameters.
PageWithReturn {
    id: page

    property string name: qsTr("Fixture characterization")
    property string description: qsTr("Edit fixture characterization")
    property string full_description: qsTr("<h3>Fixture characterization</h3><p align=justify>The impulse "
                                           + "response gives the length of each fixture port, the gated response "
                                           + "what the time gate keeps, the step response the impedance along the "
                                           + "fixture, and the S-parameters the calculated fixture halves.</p>")
    property bool active: false
    property bool done: false
    property var hasError

    readonly property var fixtureSetups: backend ? backend.getFixtureSetups() : null

    title: name

    SetupTabs {
        anchors.fill: parent
        anchors.margins: 12
        fixtureSetups: page.fixtureSetups
        content: ColumnLayout {
            id: tab

            readonly property var setup: model.value
            readonly property var ports: CharacterizedPorts.entries(setup, false)
            readonly property var thruPairs: CharacterizedPorts.entries(setup, true)

            ChartTabBar {
                id: charts
                objectName: "chartTabs"
                Layout.fillWidth: true
                titles: [qsTr("Length"), qsTr("Gating"), qsTr("Impedance"), qsTr("S-parameters"), qsTr("Log")]
            }

            StackLayout {
                Layout.fillWidth: true
                Layout.fillHeight: true
                currentIndex: charts.currentIndex

                NoltChartTab {
                    objectName: "lengthChart"
                    quantity: "L"
                    curve: "impulseResponse"
                    ports: tab.thruPairs
                    referenceProperty: "impRespLength"
                    referenceUnit: Units.secondsUnit
                    referencePlace: "impRespLength"
                    xUnit: Units.secondsUnit
                    xAxisTitle: qsTr("Time (s)")
                    yAxisTitle: qsTr("Magnitude (linear)")
                    onSetDefaultOffset: CharacterizedPorts.setDefaultOffsets(ports)
                    onCalibrationPlaneMoved: (entry, shift) => CharacterizedPorts.shiftCalibrationPlane(entry, shift)
                }
                NoltChartTab {
                    quantity: "G"
                    curve: "gating"
                    ports: tab.ports
                    xUnit: Units.secondsUnit
                    xAxisTitle: qsTr("Time (s)")
                    yAxisTitle: qsTr("Magnitude (linear)")
                }
                NoltChartTab {
                    objectName: "impedanceChart"
                    quantity: "Z"
                    curve: "stepResponse"
                    ports: tab.ports
                    referenceProperty: "impedance"
                    referenceUnit: Units.resistanceUnit
                    referencePlace: "impedanceReferenceLength"
                    xUnit: Units.secondsUnit
                    yUnit: Units.resistanceUnit
                    xAxisTitle: qsTr("Time (s)")
                    yAxisTitle: qsTr("Impedance (Ω)")
                    onSetDefaultOffset: CharacterizedPorts.setDefaultOffsets(ports)
                    onCalibrationPlaneMoved: (entry, shift) => CharacterizedPorts.shiftCalibrationPlane(entry, shift)
                }
                GridLayout {
                    columns: 2
                    Repeater {
                        model: ["S11", "S12", "S21", "S22"]
                        NoltChartTab {
                            Layout.fillWidth: true
                            Layout.fillHeight: true
                            quantity: modelData
                            curve: modelData
                            ports: tab.ports
                            xUnit: Units.frequencyUnit
                            yUnit: Units.decibelUnit
                            xAxisTitle: qsTr("Frequency (Hz)")
                            yAxisTitle: qsTr("Magnitude (dB)")
                        }
                    }
                }
                TextArea {
                    objectName: "log"
                    readOnly: true
                    wrapMode: Text.WordWrap
                    text: qsTr("Length: the impulse response of each fixture port; the marker stands at the "
                               + "fixture length.\nGating: the response the time gate keeps.\nImpedance: the step "
                               + "response; the marker stands at the reference length of the fixture impedance."
                               + "\nS-parameters: the calculated fixture halves.")
                }
            }
        }
    }
}

import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import CoreMeasureEnums 1.0
import IconShortcuts 1.0
import MeasureEnums 1.0
import "qrc:/core/qml/controls"

// The measurement steps of each setup, one at a time: measuring or recalling
// their standards, their results and offsets.
NoltPage {
    id: page

    readonly property var fixtureSetups: backend ? backend.getFixtureSetups() : null
    readonly property var allSteps: {
        if (!fixtureSetups)
            return [];
        let steps = [];
        const setups = fixtureSetups.setups.toVector;
        for (let i = 0; i < setups.length; ++i)
            steps = steps.concat(setups[i].stepModel.toVector);
        return steps;
    }
    // From a step's start to its end.
    property bool isMeasuring: false

    signal openCharacterization()

    name: qsTr("Fixture measurement")
    description: qsTr("Measure or recall the fixture according to the selected connections")
    done: allSteps.length > 0 && allSteps.every(step => step.measureStatus === MeasureEnums.MeasureStatus.MEASURED)
    hasError: allSteps.some(step => step.measureStatus === MeasureEnums.MeasureStatus.Error)
              ? CoreMeasureEnums.RecommendedResult.Error : undefined
    full_description: qsTr("<h3>Fixture measurement</h3><p align=justify>Connect the fixtures as each step "
                           + "shows and measure its standards on the analyzer, or recall them from Touchstone "
                           + "files. The results give the length and impedance of every fixture port; offsets "
                           + "move the calibration plane of a fixture.</p>")

    SetupTabs {
        anchors.fill: parent
        anchors.margins: 12
        fixtureSetups: page.fixtureSetups
        content: ColumnLayout {
            id: tab

            readonly property var setup: model.value
            readonly property int count: steps.count
            property int current: 0
            readonly property int shown: Math.max(0, Math.min(current, count - 1))

            spacing: 12

            RowLayout {
                spacing: 8

                ToolButton {
                    objectName: "previousStep"
                    icon.source: Icons.left
                    enabled: tab.shown > 0
                    onClicked: tab.current = tab.shown - 1
                }
                Label {
                    objectName: "stepNumber"
                    text: qsTr("Step %1 of %2").arg(tab.shown + 1).arg(tab.count)
                }
                ToolButton {
                    objectName: "nextStep"
                    icon.source: Icons.right
                    enabled: tab.shown < tab.count - 1
                    onClicked: tab.current = tab.shown + 1
                }
                Label {
                    objectName: "stepStatus"
                    Layout.leftMargin: 24
                    text: stepViews.currentStep && stepViews.currentStep.measureStatus
                          === MeasureEnums.MeasureStatus.MEASURED ? qsTr("Step is complete")
                                                                  : qsTr("Step is not complete")
                }
            }

            StackLayout {
                id: stepViews

                readonly property var currentStep: tab.count > 0 ? tab.setup.stepModel.toVector[tab.shown] : null

                Layout.fillWidth: true
                Layout.fillHeight: true
                currentIndex: tab.shown

                Repeater {
                    id: steps
                    model: tab.setup.stepModel

                    // A step taller than the room left to it, as when the running tasks' rows take
                    // the bottom, shows that the rest lies below; one wider than a small window that
                    // the rest lies to the right. Neither bar lies over the step.
                    PageScrollView {
                        id: stepView

                        readonly property var step: model.value

                        // Off rather than as needed when the step fits, for the reason the vertical bar is.
                        ScrollBar.horizontal.policy: contentWidth > availableWidth ? ScrollBar.AlwaysOn
                                                                                   : ScrollBar.AlwaysOff

                        Connections {
                            target: stepView.step
                            function onStarted() {
                                page.isMeasuring = true;
                            }
                            function onFinished() {
                                page.isMeasuring = false;
                            }
                        }

                        Loader {
                            sourceComponent: stepView.step.isDut === true ? dutView
                                           : stepView.step.measureType === MeasureEnums.MeasureType.TRANSMISSION
                                             ? transmissionView : reflectionView
                        }

                        Component {
                            id: transmissionView
                            TransmissionStepView {
                                step: stepView.step
                                onOpenCharacterization: page.openCharacterization()
                            }
                        }
                        Component {
                            id: reflectionView
                            ReflectionStepView {
                                step: stepView.step
                                onOpenCharacterization: page.openCharacterization()
                            }
                        }
                        Component {
                            id: dutView
                            DutStepView {
                                step: stepView.step
                            }
                        }
                    }
                }
            }
        }
    }
}

import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/core/qml/controls"
import "pages"

// The six-step wizard, with the fixture characterization and the test mode
// opened over it. The done flags of the steps follow what the user has seen.
Item {
    id: stepsPage

    readonly property bool wizardShown: outer.currentIndex === 0
    readonly property bool hasPrev: wizardShown && stepper.currentIndex > 0 && stepper.currentIndex < pages.count
    readonly property bool hasNext: wizardShown && stepper.currentIndex >= 0 && stepper.currentIndex < pages.count - 1
    readonly property bool isMeasuring: tracker.isMeasuring
    readonly property alias currentStep: stepper.currentIndex
    readonly property bool testModeShown: outer.currentIndex === 2

    function prev() {
        if (hasPrev)
            stepper.currentIndex -= 1;
    }

    function next() {
        if (hasNext)
            stepper.currentIndex += 1;
    }

    function toggleTestMode() {
        outer.currentIndex = testModeShown ? 0 : 2;
    }

    function markShown(index) {
        switch (index) {
        case 0: fixturePage.done = true; break;
        case 1: connectionPage.done = true; break;
        case 2: setupVnaPage.done = true; break;
        case 3: calibrateVnaPage.done = true; break;
        case 5: if (measureFixturePage.done) saveCorrectionPage.done = true; break;
        }
    }

    MeasuringStepsTracker {
        id: tracker
        setups: backend ? backend.getFixtureSetups().setups : null
    }

    Connections {
        target: backend
        ignoreUnknownSignals: true
        function onPresetGui() {
            connectionPage.done = false;
            setupVnaPage.done = false;
            calibrateVnaPage.done = false;
            saveCorrectionPage.done = false;
        }
    }

    Connections {
        target: measureFixturePage
        function onDoneChanged() {
            if (!measureFixturePage.done)
                saveCorrectionPage.done = false;
        }
        function onOpenCharacterization() { outer.currentIndex = 1 }
    }

    StackLayout {
        id: outer
        objectName: "stepsLayout"
        anchors.fill: parent

        // The stepper spans the help pane too, so that every step's name has room.
        ColumnLayout {
            spacing: 8

            Stepper {
                id: stepper
                objectName: "stepper"
                Layout.fillWidth: true
                Layout.margins: 12

                onCurrentIndexChanged: stepsPage.markShown(currentIndex)

                StepperElement {
                    text: fixturePage.name
                    done: fixturePage.done
                    hasError: fixturePage.hasError
                }
                StepperElement {
                    text: connectionPage.name
                    done: connectionPage.done
                    hasError: connectionPage.hasError
                }
                StepperElement {
                    text: setupVnaPage.name
                    done: setupVnaPage.done
                    hasError: setupVnaPage.hasError
                }
                StepperElement {
                    text: calibrateVnaPage.name
                    done: calibrateVnaPage.done
                    hasError: calibrateVnaPage.hasError
                }
                StepperElement {
                    text: measureFixturePage.name
                    done: measureFixturePage.done
                    hasError: measureFixturePage.hasError
                }
                StepperElement {
                    text: saveCorrectionPage.name
                    done: saveCorrectionPage.done
                    hasError: saveCorrectionPage.hasError
                }
            }

            RowLayout {
                Layout.fillWidth: true
                Layout.fillHeight: true
                spacing: 0

                StackLayout {
                    id: pages
                    objectName: "wizardPages"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    currentIndex: stepper.currentIndex

                    FixturePage {
                        id: fixturePage
                        done: true
                        active: stepsPage.wizardShown && pages.currentIndex === 0
                    }
                    ConnectionPage {
                        id: connectionPage
                        active: stepsPage.wizardShown && pages.currentIndex === 1
                    }
                    SetupVnaPage {
                        id: setupVnaPage
                        active: stepsPage.wizardShown && pages.currentIndex === 2
                    }
                    CalibrateVnaPage {
                        id: calibrateVnaPage
                        active: stepsPage.wizardShown && pages.currentIndex === 3
                    }
                    MeasureFixturePage {
                        id: measureFixturePage
                        active: stepsPage.wizardShown && pages.currentIndex === 4
                    }
                    SaveCorrectionPage {
                        id: saveCorrectionPage
                        active: stepsPage.wizardShown && pages.currentIndex === 5
                    }
                }

                NoltHelpPageGroup {
                    Layout.fillHeight: true
                    // On a small window the pages keep the room their controls need.
                    Layout.maximumWidth: Math.max(200, outer.width - 560)
                    pages: [fixturePage, connectionPage, setupVnaPage, calibrateVnaPage, measureFixturePage,
                        saveCorrectionPage, characterizationPage, testModePage]
                }
            }
        }

        FixtureCharacterization {
            id: characterizationPage
            returnAdditionalText: qsTr("fixture measurements")
            active: outer.currentIndex === 1
            onReturnMe: outer.currentIndex = 0
        }

        TestModePage {
            id: testModePage
            objectName: "testModePage"
            returnAdditionalText: qsTr("main application")
            active: stepsPage.testModeShown
            onReturnMe: outer.currentIndex = 0
        }
    }
}

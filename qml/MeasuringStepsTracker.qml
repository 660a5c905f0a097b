import QtQml 2.15
import QtQml.Models 2.15

// Counts the steps of every setup that are measuring (from started() to
// finished()), so that several steps at once keep the count right and a step
// that goes away while measuring no longer counts.
QtObject {
    id: tracker

    property var setups: null
    property int count: 0
    readonly property bool isMeasuring: count > 0

    property Instantiator perSetup: Instantiator {
        model: tracker.setups

        delegate: QtObject {
            id: setupWatch

            readonly property var setup: model.value

            property Instantiator perStep: Instantiator {
                model: setupWatch.setup ? setupWatch.setup.stepModel : null

                delegate: QtObject {
                    id: stepWatch

                    readonly property var step: model.value
                    property bool measuring: false

                    function setMeasuring(on) {
                        if (measuring === on)
                            return;
                        measuring = on;
                        tracker.count += on ? 1 : -1;
                    }

                    property Connections watch: Connections {
                        target: stepWatch.step
                        function onStarted() { stepWatch.setMeasuring(true) }
                        function onFinished() { stepWatch.setMeasuring(false) }
                    }

                    Component.onDestruction: setMeasuring(false)
                }
            }
        }
    }
}

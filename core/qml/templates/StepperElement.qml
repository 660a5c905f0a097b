import QtQml 2.15

// One step of a Stepper.
QtObject {
    property string text
    property bool done: false
    // CoreMeasureEnums.RecommendedResult.Error marks the step in error.
    property var hasError
    property bool optional: false
    property string alertMessage
    property string supportingText
}

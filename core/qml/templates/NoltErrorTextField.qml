import QtQuick 2.15
import QtQuick.Controls 2.15
import CoreMeasureEnums 1.0
import "../controls"

// A text field whose frame shows the verdict of its value.
TextField {
    // A CoreMeasureEnums.RecommendedResult, or undefined for no verdict.
    property var result

    readonly property bool judged: result === CoreMeasureEnums.RecommendedResult.Correct
                                   || result === CoreMeasureEnums.RecommendedResult.Warning
                                   || result === CoreMeasureEnums.RecommendedResult.Error
    readonly property color resultColor: result === CoreMeasureEnums.RecommendedResult.Correct ? Color.successBackground
                                         : result === CoreMeasureEnums.RecommendedResult.Warning ? Color.alertBackground
                                                                                                 : Color.errorBackground

    selectByMouse: true
}

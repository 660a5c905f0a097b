import QtQuick 2.15
import CoreMeasureEnums 1.0
import IconShortcuts 1.0
import "../controls"

// Marker of a check verdict: the verdict's icon on its colour, with a tool tip
// shown on hover.
Rectangle {
    id: marker

    // A CoreMeasureEnums.RecommendedResult, or undefined for no verdict.
    property var type: CoreMeasureEnums.RecommendedResult.Warning
    property bool enableHover: true
    property alias toolTip: tip
    // The colour under a marker without a verdict.
    property color neutralColor: "transparent"

    readonly property bool isCorrect: type === CoreMeasureEnums.RecommendedResult.Correct
    readonly property bool isWarning: type === CoreMeasureEnums.RecommendedResult.Warning
    readonly property bool isError: type === CoreMeasureEnums.RecommendedResult.Error

    readonly property url icon: isCorrect ? Icons.checkMark : isWarning ? Icons.warning : isError ? Icons.error : ""
    readonly property color foregroundColor: isCorrect ? Color.successForeground
                                                       : isWarning ? Color.alertForeground : Color.errorForeground

    implicitWidth: 22
    implicitHeight: 22
    radius: width / 2
    color: isCorrect ? Color.successBackground
                     : isWarning ? Color.alertBackground : isError ? Color.errorBackground : neutralColor

    ColorImage {
        anchors.centerIn: parent
        width: parent.width * 0.7
        height: width
        source: marker.icon
        color: marker.foregroundColor
        visible: marker.icon.toString() !== ""
    }

    HoverHandler {
        id: hover
        enabled: marker.enableHover
    }

    NoltNamedToolTip {
        id: tip
        title: marker.isCorrect ? qsTr("Correct") : marker.isWarning ? qsTr("Warning") : marker.isError ? qsTr("Error") : ""
        visible: marker.enableHover && hover.hovered && (title !== "" || description !== "")
    }
}

import QtQuick 2.15
import com.orlix.chart 1.0
import UnitFormatter 1.0

// The y axis left of a plot area: the nice labels of its range from the
// largest at the top to the smallest at the bottom, so that they meet the
// grid's horizontal lines, and the title running upward.
Item {
    id: axis

    property string title: "yAxis"
    property point yRange
    readonly property var labels: NiceLabels.looseLabels(yRange.x, yRange.y)
    // All with one prefix: the axis reads on one scale.
    readonly property var texts: UnitFormatter.toNormalizedOnOneScale(labels, 2)
    // Pixels between neighbouring labels.
    readonly property real division: labels.length > 1 ? height / (labels.length - 1) : 0

    Repeater {
        model: axis.labels

        Text {
            objectName: "yLabel"
            x: titleText.height + (axis.width - titleText.height - width) / 2
            y: index * axis.division - height / 2
            text: axis.texts[index] || ""
            color: "grey"
            font.pixelSize: 12
            horizontalAlignment: Text.AlignHCenter
        }
    }

    Text {
        id: titleText
        objectName: "yTitle"
        // Turned about its centre, it runs upward along the left edge.
        x: (height - width) / 2
        y: (axis.height - height) / 2
        rotation: -90
        text: axis.title
        color: "grey"
        font.pixelSize: 12
    }
}

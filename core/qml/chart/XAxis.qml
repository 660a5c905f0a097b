import QtQuick 2.15
import UnitFormatter 1.0

// The x axis under a plot area: the values of the grid's vertical lines at
// their places, as many as fit side by side, the middle one first, and the
// axis title below them.
Item {
    id: axis

    property string title: "xAxis"
    // Values relative to the middle label, which keeps its own.
    property bool deltaMode: false
    // Values are decade exponents.
    property bool isLog: false
    // Data x to pixels from the left edge of the axis.
    property var domainToGeometryX: function (x) { return NaN; }
    property var labels: []
    // The least room between two labels shown, so that neighbours never read as one.
    readonly property real labelGap: 8

    readonly property int middleIndex: Math.round((labels.length - 1) / 2)

    // The value a label shows: relative to the middle one in deltaMode, and
    // undone from its decade exponent on a logarithmic axis.
    function shownValue(index) {
        const relative = deltaMode && index !== middleIndex;
        const value = relative ? labels[index] - labels[middleIndex] : labels[index];
        return isLog ? Math.pow(10, value) : value;
    }

    // The labels' texts, on one scale: one prefix for the whole axis, unless it
    // is logarithmic, where each decade takes its own.
    readonly property var texts: {
        const values = labels.map((label, index) => shownValue(index));
        const normalized = isLog ? values.map((value) => UnitFormatter.toNormalized(value, 11))
                                 : UnitFormatter.toNormalizedOnOneScale(values, 11);
        return values.map((value, index) => {
            if (!isFinite(value))
                return "";
            const sign = deltaMode && index !== middleIndex && labels[index] > labels[middleIndex] ? "+" : "";
            return sign + normalized[index].replace(/\s/g, "");
        });
    }

    // Centres each label at its value's place, shown only when it lies wholly
    // on the axis and keeps a gap to every label shown before it. Whether a
    // label is shown is decided here, never read back from the label: a label
    // of a hidden page reads as not visible whatever it was given.
    function layout() {
        const count = Math.min(repeater.count, labels.length);
        if (count === 0)
            return;
        const place = (index) => {
            const label = repeater.itemAt(index);
            const centre = axis.domainToGeometryX(labels[index]);
            const fits = isFinite(centre) && centre - label.width / 2 >= 0 && centre + label.width / 2 <= axis.width;
            label.x = fits ? centre - label.width / 2 : 0;
            return { label: label, shown: fits && label.text !== "" };
        };
        const middle = place(middleIndex);
        middle.label.visible = middle.shown;
        let previousRight = -Infinity;
        for (let i = 0; i < count; ++i) {
            if (i === middleIndex)
                continue;
            const { label, shown } = place(i);
            const right = label.x + label.width;
            const clearOfMiddle = !middle.shown || right + labelGap <= middle.label.x
                                  || label.x >= middle.label.x + middle.label.width + labelGap;
            const kept = shown && label.x >= previousRight + labelGap && clearOfMiddle;
            label.visible = kept;
            if (kept)
                previousRight = right;
        }
    }

    onWidthChanged: layout()

    Repeater {
        id: repeater
        model: axis.labels

        Text {
            objectName: "xLabel"
            y: 4
            visible: false
            text: axis.texts[index] || ""
            color: "grey"
            font.pixelSize: 12
        }
    }

    Text {
        objectName: "xTitle"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        text: axis.title
        color: "grey"
        font.pixelSize: 12
    }
}

import QtQuick 2.15
import QtQuick.Controls 2.15
import com.orlix.chart 1.0
import "../controls"
import "PlotterRanges.js" as PlotterRanges

// A complete XY chart: a legend of its traces, the grid, both axes, the
// markers of each trace and the decoration while zoomed. Its x range follows
// the scale manager's, its y range is the manager's widened to nice labels;
// every trace shows the plotter's ranges and gets the colour of its place.
Item {
    id: plotter

    property alias xAxisTitle: xAxis.title
    property alias yAxisTitle: yAxis.title
    property alias chart: chart
    property var scaleManager: null
    property point xRange
    property point yRawRange
    property point yRange
    property var traces: []
    property var activeTrace
    property bool fVisibleUserMarkers: false
    // Optional limits of the y range; undefined leaves that end to the data.
    property var minY
    property var maxY
    // The markers of a trace: an object with any of markers (a list),
    // referenceMarker and movingReferenceMarker.
    property var markersOf: function (trace) { return ({}); }

    readonly property int xAxisHeight: 40
    readonly property int yAxisWidth: 80
    readonly property int margin: 15

    readonly property var scaledY: PlotterRanges.yRanges(scaleManager ? scaleManager.minMaxY : Qt.point(0, 1),
                                                         minY, maxY, NiceLabels)
    readonly property var traceColors: Color.traceColors

    function addTrace(trace) {
        activeTrace = traces[0];
        traces = traces.concat([trace]);
        if (activeTrace === undefined)
            activeTrace = traces[0];
        chart.addTrace(trace);
        trace.z = Qt.binding(() => plotter.activeTrace === trace ? 1 : 0);
        trace.clicked.connect(() => { plotter.activeTrace = trace; });
        showRangesOn(trace);
    }

    // Binding the ranges also sets them at once: a trace's domain may hold a
    // window of its own, such as the one a zoom reset restores.
    function showRangesOn(trace) {
        trace.domain.xRange = Qt.binding(() => plotter.xRange);
        trace.domain.yRange = Qt.binding(() => plotter.yRange);
    }

    function removeTrace(trace) {
        traces = traces.filter((other) => other !== trace);
        chart.removeTrace(trace);
        // The axis converts through the active trace, which must stay one of the plotter's.
        if (activeTrace === trace)
            activeTrace = traces[0];
        if (traces.length === 0)
            rebindingRanges();
    }

    function rebindingRanges() {
        xRange = Qt.binding(() => PlotterRanges.xRange(plotter.scaleManager ? plotter.scaleManager.minMaxX
                                                                            : Qt.point(0, 1)));
        yRawRange = Qt.binding(() => plotter.scaledY.raw);
        yRange = Qt.binding(() => plotter.scaledY.labelled);
    }

    function updateMarkersPositions() {
        for (let i = 0; i < markerViews.count; ++i)
            markerViews.itemAt(i).updateMarkerBinding();
    }

    function recolour() {
        for (let i = 0; i < traces.length; ++i)
            traces[i].color = traceColors[i % traceColors.length];
    }

    function layoutXAxis() {
        Qt.callLater(xAxis.layout);
    }

    // Places the marker names inside the plot area, clear of every marker's
    // triangle and foot, of the names placed before them (the reference markers'
    // first) and of the zoom-out button: on the name's own triangle where
    // there is room, else lifted by as many name heights as it takes, else
    // under the triangle and lowered likewise. A name with no clear place
    // stays on its triangle, moved inside the area.
    function arrangeMarkerLabels() {
        let pins = [];
        for (let i = 0; i < markerViews.count; ++i) {
            const view = markerViews.itemAt(i);
            if (view && view.visible)
                pins = pins.concat(view.shownPins());
        }
        const isReference = (pin) => pin.objectName === "referenceMarker";
        const ordered = pins.filter(isReference).concat(pins.filter((pin) => !isReference(pin)));
        // Rectangles in the plot area's coordinates, which the marker views share.
        const areaHeight = plotArea.height;
        let taken = [];
        for (const pin of pins) {
            taken.push({ left: pin.x, right: pin.x + pin.width, top: pin.y, bottom: pin.y + pin.height });
            // Its foot on the bottom edge.
            taken.push({ left: pin.x, right: pin.x + pin.width, top: areaHeight - pin.height, bottom: areaHeight });
        }
        // The button where the bar stops sliding in.
        if (chart.isZoomed)
            taken.push({ left: zoomOut.x, right: zoomOut.x + zoomOut.width,
                         top: zoomOut.y, bottom: zoomOut.y + zoomOut.height });
        for (const pin of ordered) {
            const label = pin.labelItem;
            const left = pin.x + label.x;
            const height = label.height;
            const clearAt = (top) => taken.every((other) => left + label.width <= other.left || left >= other.right
                                                            || top + height <= other.top || top >= other.bottom);
            let places = [];
            for (let top = pin.y - height; top >= 0; top -= height)
                places.push(top);
            for (let top = pin.y + pin.height; top + height <= areaHeight; top += height)
                places.push(top);
            const clearPlace = places.find(clearAt);
            const top = clearPlace !== undefined ? clearPlace
                                                 : Math.max(0, Math.min(pin.y - height, areaHeight - height));
            pin.labelY = top - pin.y;
            taken.push({ left: left, right: left + label.width, top: top, bottom: top + height });
        }
    }

    clip: true

    onTracesChanged: recolour()
    onTraceColorsChanged: recolour()
    onActiveTraceChanged: layoutXAxis()
    Component.onCompleted: rebindingRanges()

    Connections {
        target: plotter.scaleManager
        function onMinMaxYChanged() {
            plotter.rebindingRanges();
            plotter.updateMarkersPositions();
        }
    }

    // The x labels move with the active trace's window and size, which may
    // change after the grid has published its labels.
    Connections {
        target: plotter.activeTrace ? plotter.activeTrace.domain : null
        function onXRangeChanged() { plotter.layoutXAxis(); }
        function onSizeChanged() { plotter.layoutXAxis(); }
    }

    Flow {
        id: legend
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: plotter.margin
        spacing: 10

        Repeater {
            model: plotter.traces

            Rectangle {
                readonly property var trace: modelData
                readonly property bool active: plotter.activeTrace === trace

                objectName: "legendEntry"
                width: legendText.implicitWidth + 8
                height: legendText.implicitHeight + 4
                color: active ? Qt.rgba(trace.color.r, trace.color.g, trace.color.b, 0.2) : "transparent"
                border.color: active ? trace.color : "transparent"

                Text {
                    id: legendText
                    anchors.centerIn: parent
                    text: trace.name
                    color: trace.visible ? trace.color : Color.hiddenTraceText
                }

                MouseArea {
                    anchors.fill: parent
                    onClicked: plotter.activeTrace = trace
                    onDoubleClicked: trace.visible = !trace.visible
                }
            }
        }
    }

    Item {
        id: plotArea
        anchors.top: legend.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: plotter.margin
        anchors.leftMargin: plotter.yAxisWidth
        anchors.bottomMargin: plotter.xAxisHeight
    }

    Grid {
        id: grid
        anchors.fill: plotArea
        xLayout: GridLayoutMode.NiceLabelsLinGrid
        xRange: plotter.xRange
        yCount: yAxis.labels.length - 1
        innerGridLinesColor: Color.chartInnerGridLine
        outerGridLinesColor: Color.chartOuterGridLine
        onXLabelsChanged: plotter.layoutXAxis()
    }

    YAxis {
        id: yAxis
        anchors.top: plotArea.top
        anchors.bottom: plotArea.bottom
        anchors.right: plotArea.left
        width: plotter.yAxisWidth
        yRange: plotter.yRawRange
    }

    XAxis {
        id: xAxis
        anchors.top: plotArea.bottom
        anchors.left: plotArea.left
        anchors.right: plotArea.right
        height: plotter.xAxisHeight
        labels: grid.xLabels
        domainToGeometryX: (x) => plotter.activeTrace ? plotter.activeTrace.domain.domainToGeometryX(x) : NaN
    }

    Chart {
        id: chart
        anchors.fill: plotArea
        rubberBand: band

        onIsZoomedChanged: {
            Qt.callLater(plotter.arrangeMarkerLabels);
            if (isZoomed)
                return;
            zoomReset();
            plotter.rebindingRanges();
            // The domains went back to their windows from before the zoom,
            // which new data may have made stale meanwhile.
            plotter.traces.forEach(plotter.showRangesOn);
            plotter.updateMarkersPositions();
        }
        onFinishedZoomInOperation: {
            if (!plotter.activeTrace)
                return;
            const domain = plotter.activeTrace.domain;
            plotter.xRange = domain.xRange;
            plotter.yRawRange = domain.yRange;
            plotter.yRange = PlotterRanges.labelledRange(domain.yRange, NiceLabels);
            // The domains hold the band's own window, which the labels widen:
            // bound anew, they take the labelled range also when it has not changed.
            plotter.traces.forEach(plotter.showRangesOn);
            plotter.updateMarkersPositions();
        }

        Rectangle {
            id: band
            color: "grey"
            opacity: 0.5
            visible: false
        }
    }

    Repeater {
        id: markerViews
        model: plotter.traces

        MarkerView {
            readonly property var supplied: plotter.markersOf(modelData) || ({})

            x: plotArea.x
            y: plotArea.y
            width: plotArea.width
            height: plotArea.height
            z: active ? 1 : 0
            trace: modelData
            visible: modelData.visible
            active: plotter.activeTrace === modelData
            userMarkersVisible: plotter.fVisibleUserMarkers
            markers: supplied.markers || []
            referenceMarker: supplied.referenceMarker || null
            movingReferenceMarker: supplied.movingReferenceMarker || null

            onPinsMoved: Qt.callLater(plotter.arrangeMarkerLabels)
        }
    }

    // While zoomed: a frame around the plot area and the x axis, a bar that
    // slides in from above with the way out, and a bar over the x axis.
    Rectangle {
        x: plotArea.x - border.width
        y: plotArea.y - border.width
        width: plotArea.width + 2 * border.width
        height: plotArea.height + plotter.xAxisHeight + 2 * border.width
        visible: chart.isZoomed
        color: "transparent"
        border.color: "#2239FF"
        border.width: 3
    }

    Rectangle {
        id: zoomBar
        property real slide: chart.isZoomed ? 0 : -height

        x: plotArea.x
        y: plotArea.y + slide
        width: plotArea.width
        height: 35
        visible: chart.isZoomed
        color: "#552239FF"

        Behavior on slide {
            NumberAnimation { duration: 600; easing.type: Easing.OutCubic }
        }

        // As wide as its text, which the marker names keep clear of.
        Button {
            id: zoomOut
            objectName: "zoomOut"
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            width: Math.min(implicitWidth, parent.width)
            height: 30
            leftPadding: 8
            rightPadding: 8
            text: qsTr("zoom out")
            onClicked: chart.zoomReset()
            onWidthChanged: Qt.callLater(plotter.arrangeMarkerLabels)
        }
    }

    Rectangle {
        x: plotArea.x
        y: plotArea.y + plotArea.height
        width: plotArea.width
        height: plotter.xAxisHeight
        visible: chart.isZoomed
        color: "#552239FF"
    }
}

import QtQml 2.15
import QtQml.Models 2.15
import com.orlix.chart 1.0

// One trace per measured fixture port, fed with one of the port's curves and
// added to a plotter and its scale manager. A graph is named by the quantity,
// the fixture and its port; a 2x-thru's impulse response names both halves.
// Each trace carries its markers (`markerSet`, as the plotter takes them): the
// reference marker at the graph's reference place, the moving reference marker
// where the applied fixture offset puts the calibration plane (dragged, it
// asks for the plane to move), and one user marker, first in the middle of the
// trace's data. A port without results draws no curve and no marker.
Instantiator {
    id: graphs

    // The plotter and the ChartScaleManager of the tab.
    property var plotter
    property var scaleManager
    // "L", "G", "Z", "S11", ...
    property string quantity
    // The result object's curve: "impulseResponse", "gating", "stepResponse", "S11", ...
    property string curve
    // Entries { fixtureName, port, results, step, side } with, for a 2x-thru,
    // { pairedFixtureName, pairedPort, pairedResults }; `step` offers
    // `appliedFixtureOffset`.
    property var ports: []
    // The result property that places the reference marker on the time axis
    // ("impRespLength", "impedanceReferenceLength"); empty when the graph has none.
    property string referencePlace

    // A moving reference marker was dragged `shift` seconds along the time
    // axis of the entry's graph.
    signal calibrationPlaneMoved(var entry, real shift)

    // A marker on a trace: it stands at the data x `x` (the trace's argument,
    // `arg`, on an XY chart) and reads its y from the trace there. It shows
    // while it `applies`, its trace has points and it has a place on them.
    // The trace's data change unseen by bindings, hence `dataRevision`.
    component Marker: QtObject {
        property var trace: null
        property int dataRevision: 0
        property real x: NaN
        readonly property real arg: x
        readonly property bool placed: !!trace && trace.hasData && isFinite(x)
        readonly property real y: dataRevision >= 0 && placed ? trace.domainY(x) : NaN
        property bool applies: true
        readonly property bool visible: applies && placed
        property bool movable: true
    }

    function graphName(entry) {
        let name = quantity + entry.fixtureName + (entry.port + 1);
        if (entry.pairedFixtureName !== undefined)
            name += entry.pairedFixtureName + (entry.pairedPort + 1);
        return name;
    }

    // A result value, NaN when the result has none.
    function resultValue(results, property) {
        const value = results ? results[property] : undefined;
        return value === undefined || value === null ? NaN : value;
    }

    // How far the applied offsets move the calibration plane along the graph's
    // time axis: a 2x-thru's response runs once through each of its halves,
    // a port's own response through its half and back.
    function planeShift(entry) {
        const passes = entry.pairedResults ? [entry.results, entry.pairedResults] : [entry.results, entry.results];
        let shift = 0;
        for (const results of passes) {
            const offset = resultValue(results, "length") - resultValue(results, "lengthWithoutOffset");
            if (isFinite(offset))
                shift += offset;
        }
        return shift;
    }

    function middleOf(range) {
        return (range.x + range.y) / 2;
    }

    // Whether a graph other than `except` has points.
    function anyDataBut(except) {
        for (let i = 0; i < count; ++i) {
            const other = objectAt(i);
            if (other && other !== except && other.hasData)
                return true;
        }
        return false;
    }

    // Takes a graph's curve out of the scale manager. The manager announces
    // nothing when its last curve goes, so the tab's no-data ranges are
    // announced here: the axes show them, labelled, as before any data.
    function forgetData(trace) {
        if (!scaleManager)
            return;
        scaleManager.removeData(trace.name);
        if (!anyDataBut(trace)) {
            scaleManager.setMinMaxX(Qt.point(0, 1));
            scaleManager.setMinMaxY(Qt.point(0, 1));
        }
    }

    model: ports

    delegate: Trace {
        id: trace

        readonly property var entry: modelData
        readonly property var results: modelData.results
        // Kept for the disconnection: the row's data is gone once the trace is destroyed.
        property var followed: null
        property string followedSignal
        property int dataRevision: 0
        property bool hasData: false
        // The smallest and largest x of the points, NaN without points.
        property point dataXRange: Qt.point(NaN, NaN)

        readonly property QtObject markerSet: QtObject {
            readonly property QtObject referenceMarker: Marker {
                id: reference
                trace: trace
                dataRevision: trace.dataRevision
                x: graphs.referencePlace !== "" ? graphs.resultValue(trace.results, graphs.referencePlace) : NaN
                movable: false
            }
            // Dragged, it moves the calibration plane through the step's offsets.
            readonly property QtObject movingReferenceMarker: Marker {
                trace: trace
                dataRevision: trace.dataRevision
                x: reference.x + graphs.planeShift(trace.entry)
                applies: graphs.referencePlace !== "" && !!trace.entry.step
                         && trace.entry.step.appliedFixtureOffset === true

                function moveTo(place) {
                    graphs.calibrationPlaneMoved(trace.entry, place - x);
                }
            }
            // First in the middle of the trace's data; dragging ends that until
            // the data no longer reach the marker.
            readonly property QtObject userMarker: Marker {
                id: user
                trace: trace
                dataRevision: trace.dataRevision
                x: graphs.middleOf(trace.dataXRange)
            }
            readonly property var markers: [userMarker]
        }

        function refresh() {
            const points = results[graphs.curve];
            hasData = replaceOnPtrData(points);
            // An emptied curve shows as no curve: the trace keeps its points otherwise.
            if (!hasData)
                clear();
            dataXRange = pointsXRange();
            if (!(user.x >= dataXRange.x && user.x <= dataXRange.y))
                user.x = Qt.binding(() => graphs.middleOf(trace.dataXRange));
            dataRevision += 1;
            if (!graphs.scaleManager)
                return;
            if (!graphs.scaleManager.addDataPtr(name, points))
                graphs.forgetData(trace);
        }

        name: graphs.graphName(modelData)
        Component.onCompleted: {
            followed = results;
            followedSignal = graphs.curve + "ChangedQml";
            followed[followedSignal].connect(trace.refresh);
            refresh();
        }
        Component.onDestruction: {
            if (followed)
                followed[followedSignal].disconnect(trace.refresh);
        }
    }

    onObjectAdded: (index, object) => {
        if (plotter)
            plotter.addTrace(object);
    }
    onObjectRemoved: (index, object) => {
        if (plotter)
            plotter.removeTrace(object);
        forgetData(object);
    }
}

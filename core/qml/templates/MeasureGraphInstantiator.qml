import QtQml 2.15
import QtQml.Models 2.15
import com.orlix.chart 1.0

// One trace per measured fixture port, fed with one of the port's curves and
// added to a plotter and its scale manager. A graph is named by the quantity,
// the fixture and its port; a 2x-thru's impulse response names both halves.
Instantiator {
    id: graphs

    // The plotter and the ChartScaleManager of the tab.
    property var plotter
    property var scaleManager
    // "L", "G", "Z", "S11", ...
    property string quantity
    // The result object's curve: "impulseResponse", "gating", "stepResponse", "S11", ...
    property string curve
    // Entries { fixtureName, port, results } with, for a 2x-thru, { pairedFixtureName, pairedPort }.
    property var ports: []

    function graphName(entry) {
        let name = quantity + entry.fixtureName + (entry.port + 1);
        if (entry.pairedFixtureName !== undefined)
            name += entry.pairedFixtureName + (entry.pairedPort + 1);
        return name;
    }

    model: ports

    delegate: Trace {
        id: trace

        readonly property var results: modelData.results
        // Kept for the disconnection: the row's data is gone once the trace is destroyed.
        property var followed: null
        property string followedSignal

        function refresh() {
            const points = results[graphs.curve];
            replaceOnPtrData(points);
            if (!graphs.scaleManager)
                return;
            if (!graphs.scaleManager.addDataPtr(name, points))
                graphs.scaleManager.removeData(name);
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
        if (scaleManager)
            scaleManager.removeData(object.name);
    }
}

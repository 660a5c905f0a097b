import QtQuick 2.15
import IconShortcuts 1.0
import "../controls"

// The markers of one trace over its plot area, placed through the trace's
// domain: user markers named after the trace, a reference marker "Ref" and a
// moving reference line with a faint band to its left. A marker is an object
// with x, y, arg and visible whose x and y notify their changes; dragging one
// sideways moves its x along the data unless its `movable` is false.
Item {
    id: view

    property var trace: null
    property var markers: []
    property var referenceMarker: null
    property var movingReferenceMarker: null
    property bool userMarkersVisible: true
    // The active trace's markers are drawn full, the others hollow.
    property bool active: true

    readonly property var domain: trace ? trace.domain : null
    readonly property color color: trace ? trace.color : "grey"
    // Raised to place the markers anew: bindings cannot follow the domain's
    // conversions, which are functions.
    property int revision: 0

    function updateMarkerBinding() {
        revision += 1;
    }

    function clamp(value, low, high) {
        return Math.min(Math.max(value, low), high);
    }

    // Pixels of a data x or y within the area, NaN when there is no domain or
    // the range has no width: such a range has no place for any value, not
    // even at an edge.
    function geometryX(x) {
        if (revision < 0 || !domain)
            return NaN;
        const pixel = domain.domainToGeometryX(x);
        return isFinite(pixel) ? clamp(pixel, 0, width) : NaN;
    }

    function geometryY(y) {
        if (revision < 0 || !domain)
            return NaN;
        const pixel = domain.domainToGeometryY(y);
        return isFinite(pixel) ? clamp(height - pixel, 0, height) : NaN;
    }

    function isMovable(marker) {
        return !!marker && marker.movable !== false;
    }

    // Moves a marker's x to the data x under a pixel of the area.
    function dragTo(marker, pixelX) {
        if (domain)
            marker.x = domain.geometryToDomainX(clamp(pixelX, 0, width));
    }

    component Pin: Item {
        id: pin

        property var marker
        property string label

        readonly property real pointX: view.geometryX(marker.x)
        readonly property real pointY: view.geometryY(marker.y)

        x: pointX - width / 2
        y: pointY - height
        width: 18
        height: 18
        visible: marker.visible !== false && isFinite(pointX) && isFinite(pointY)

        ColorImage {
            anchors.fill: parent
            source: view.active ? Icons.marker : Icons.inactive_marker
            color: view.color
        }

        Text {
            anchors.bottom: parent.top
            anchors.horizontalCenter: parent.horizontalCenter
            text: pin.label
            color: view.color
            font.pixelSize: 12
        }

        ColorImage {
            x: 0
            y: view.height - pin.y - height / 2
            width: 18
            height: 18
            source: Icons.mark
            color: view.color
        }

        MouseArea {
            anchors.fill: parent
            enabled: view.isMovable(pin.marker)
            preventStealing: true
            onPositionChanged: view.dragTo(pin.marker, mapToItem(view, mouse.x, 0).x)
        }
    }

    Item {
        id: movingReference

        readonly property var marker: view.movingReferenceMarker
        readonly property real lineX: marker ? view.geometryX(marker.x) : NaN

        anchors.fill: parent
        visible: marker !== null && marker.visible !== false && isFinite(lineX)

        Rectangle {
            width: isFinite(movingReference.lineX) ? movingReference.lineX : 0
            height: parent.height
            color: view.color
            opacity: 0.02
        }

        Rectangle {
            objectName: "movingReferenceLine"
            x: movingReference.lineX - 1
            width: 2
            height: parent.height
            color: view.color

            MouseArea {
                anchors.fill: parent
                anchors.margins: -4
                enabled: view.isMovable(movingReference.marker)
                preventStealing: true
                onPositionChanged: view.dragTo(movingReference.marker, mapToItem(view, mouse.x, 0).x)
            }
        }
    }

    Repeater {
        model: view.markers

        Pin {
            objectName: "userMarker"
            marker: modelData
            label: view.trace ? view.trace.name : ""
            visible: view.userMarkersVisible && marker.visible !== false && isFinite(pointX) && isFinite(pointY)
        }
    }

    Loader {
        active: view.referenceMarker !== null && view.referenceMarker !== undefined
        sourceComponent: Pin {
            objectName: "referenceMarker"
            marker: view.referenceMarker
            label: qsTr("Ref")
        }
    }

    Connections {
        target: view.domain
        function onSizeChanged() { view.updateMarkerBinding(); }
        function onXRangeChanged() { view.updateMarkerBinding(); }
        function onYRangeChanged() { view.updateMarkerBinding(); }
    }
}

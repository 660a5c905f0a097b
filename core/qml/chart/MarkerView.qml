import QtQuick 2.15
import IconShortcuts 1.0
import "../controls"

// The markers of one trace over its plot area, placed through the trace's
// domain: user markers named after the trace, a reference marker "Ref" and a
// moving reference line with a faint band to its left. A marker is an object
// with x, y, arg and visible whose x and y notify their changes; dragging one
// sideways moves its x along the data unless its `movable` is false. A marker
// with a function moveTo(x) is handed the new x instead, and the moving
// reference line only where it is let go: it decides itself where it goes.
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
        if (!domain)
            return;
        const x = domain.geometryToDomainX(clamp(pixelX, 0, width));
        if (typeof marker.moveTo === "function")
            marker.moveTo(x);
        else
            marker.x = x;
    }

    // The pins shown, whose names the plotter keeps apart.
    function shownPins() {
        let pins = [];
        for (let i = 0; i < userPins.count; ++i) {
            const pin = userPins.itemAt(i);
            if (pin && pin.visible)
                pins.push(pin);
        }
        if (referencePin.item && referencePin.item.visible)
            pins.push(referencePin.item);
        return pins;
    }

    // A pin was shown, hidden or moved.
    signal pinsMoved()

    onVisibleChanged: pinsMoved()

    component Pin: Item {
        id: pin

        property var marker
        property string label
        // Where the name stands, from the pin's top: on the pin until the
        // plotter places it clear of other names.
        property real labelY: -labelText.height
        readonly property alias labelItem: labelText

        readonly property real pointX: view.geometryX(marker.x)
        readonly property real pointY: view.geometryY(marker.y)

        x: pointX - width / 2
        y: pointY - height
        width: 18
        height: 18
        visible: marker.visible !== false && isFinite(pointX) && isFinite(pointY)

        onXChanged: view.pinsMoved()
        onYChanged: view.pinsMoved()
        onVisibleChanged: view.pinsMoved()

        // Sized as the pin, not anchored to it: an icon that takes its size from
        // its parent's sizes it anew while its image loads, a binding loop.
        ColorImage {
            width: 18
            height: 18
            source: view.active ? Icons.marker : Icons.inactive_marker
            color: view.color
        }

        // Centred above the pin, moved sideways only as far as it takes to stay
        // inside the area: the axis labels beside it stay clear.
        Text {
            id: labelText
            objectName: "markerLabel"
            x: view.clamp(pin.pointX - width / 2, 0, view.width - width) - pin.x
            y: pin.labelY
            text: pin.label
            color: view.color
            font.pixelSize: 12
        }

        // The foot on the bottom of the plot area, under the marker's point also at
        // either end of the range.
        ColorImage {
            objectName: "markerFoot"
            x: (pin.width - width) / 2
            y: view.height - pin.y - height
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
        // The line's pixel while it is dragged, NaN otherwise.
        property real draggedX: NaN
        readonly property real lineX: isFinite(draggedX) ? draggedX : marker ? view.geometryX(marker.x) : NaN

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

            // The line follows the pointer; the marker moves once where it is let go.
            MouseArea {
                anchors.fill: parent
                anchors.margins: -4
                enabled: view.isMovable(movingReference.marker)
                preventStealing: true
                onPositionChanged: movingReference.draggedX = view.clamp(mapToItem(view, mouse.x, 0).x, 0, view.width)
                onReleased: {
                    const place = movingReference.draggedX;
                    movingReference.draggedX = NaN;
                    if (isFinite(place))
                        view.dragTo(movingReference.marker, place);
                }
                onCanceled: movingReference.draggedX = NaN
            }
        }
    }

    Repeater {
        id: userPins
        model: view.markers

        Pin {
            objectName: "userMarker"
            marker: modelData
            label: view.trace ? view.trace.name : ""
            visible: view.userMarkersVisible && marker.visible !== false && isFinite(pointX) && isFinite(pointY)
        }
    }

    Loader {
        id: referencePin
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

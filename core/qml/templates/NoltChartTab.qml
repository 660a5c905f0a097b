import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import ChartScaleManager 1.0
import UnitFormatter 1.0
import "../chart"
import "../controls"

// A chart tab of the fixture characterization: the graphs of one quantity of
// the chosen fixture ports, and beside them their reference values, the
// movable references while the fixture offset is applied, and the user markers.
Item {
    id: tab

    property alias xAxisTitle: plot.xAxisTitle
    property alias yAxisTitle: plot.yAxisTitle
    property alias quantity: graphs.quantity
    property alias curve: graphs.curve
    property alias ports: graphs.ports
    // The result property that gives a graph's reference value ("impRespLength",
    // "impedance"), empty when the quantity has none, and the value's unit.
    property string referenceProperty
    property string referenceUnit
    // The result property that places the reference marker, see MeasureGraphInstantiator.
    property alias referencePlace: graphs.referencePlace
    // The units of the chart's x and y, for the marker values.
    property string xUnit
    property string yUnit
    // Whether a shown graph's moving reference marker has a place: the fixture
    // offset of its step is applied. The way back to the default offset shows then.
    readonly property bool offsetApplied: plot.traces.some(
                                              (trace) => trace.visible && trace.markerSet.movingReferenceMarker.visible)
    readonly property alias plotter: plot
    property color textColor: Color.textHighEmphasis

    // The offsets of the graphs' steps are to go back to their defaults.
    signal setDefaultOffset()
    // A moving reference marker was dragged `shift` seconds along the time
    // axis of the entry's graph.
    signal calibrationPlaneMoved(var entry, real shift)

    function valueText(value, unit) {
        return value === undefined || value === null || !isFinite(value)
               ? "---" : UnitFormatter.toNormalized(value, 2) + unit;
    }

    function referenceText(entry, property) {
        return valueText(entry.results[property], tab.referenceUnit);
    }

    // A user marker's place, "---" while its trace has no points.
    function userMarkerText(marker) {
        return marker.visible ? valueText(marker.x, tab.xUnit) + ", " + valueText(marker.y, tab.yUnit) : "---";
    }

    ChartScaleManager {
        id: scale
    }

    MeasureGraphInstantiator {
        id: graphs
        plotter: plot
        scaleManager: scale
        onCalibrationPlaneMoved: (entry, shift) => tab.calibrationPlaneMoved(entry, shift)
    }

    RowLayout {
        anchors.fill: parent
        spacing: 12

        Plotter {
            id: plot
            Layout.fillWidth: true
            Layout.fillHeight: true
            scaleManager: scale
            fVisibleUserMarkers: showUserMarkers.checked
            markersOf: (trace) => trace.markerSet
        }

        // The marker panel gives way to the chart on a narrow tab: its headings,
        // the switch and the values wrap onto further lines; a value is read
        // whole, never cut short. Lines beyond the tab's height scroll inside the
        // panel, never over the chart below, and a bar shows that they are there.
        // The bar asks a strip of its own beside the lines. The lines it narrows
        // only grow taller, so the bar, once needed, stays.
        Flickable {
            id: panel

            readonly property real barWidth: panelBar.policy === ScrollBar.AlwaysOn ? panelBar.width : 0

            Layout.fillWidth: false
            // Wide enough for the way back to the default offset, whose text does not wrap.
            Layout.preferredWidth: Math.max(Math.min(220, Math.max(140, tab.width / 3)),
                                            setDefaultOffset.visible ? Math.ceil(setDefaultOffset.implicitWidth) : 0) + barWidth
            Layout.fillHeight: true
            clip: true
            contentWidth: width - barWidth
            contentHeight: lines.height
            flickableDirection: Flickable.VerticalFlick
            boundsBehavior: Flickable.StopAtBounds

            ScrollBar.vertical: ScrollBar {
                id: panelBar
            }
            // On from the start while lines are hidden, off otherwise: a bar shown
            // only while scrolling would not tell that there is more. Decided once
            // the lines have taken the width the bar leaves them.
            Binding {
                target: panelBar
                property: "policy"
                value: panel.contentHeight > panel.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
                delayed: true
            }

            ColumnLayout {
                id: lines
                width: panel.contentWidth
                spacing: 6

                Label {
                    Layout.fillWidth: true
                    wrapMode: Text.WordWrap
                    maximumLineCount: 3
                    elide: Text.ElideRight
                    text: qsTr("Reference markers")
                    color: tab.textColor
                    font.bold: true
                    visible: tab.referenceProperty !== ""
                }
                Repeater {
                    model: tab.referenceProperty !== "" ? plot.traces : []
                    Label {
                        objectName: "referenceValue"
                        Layout.fillWidth: true
                        visible: modelData.visible
                        wrapMode: Text.Wrap
                        text: modelData.name + ": " + tab.referenceText(modelData.entry, tab.referenceProperty)
                        color: tab.textColor
                    }
                }

                Label {
                    Layout.fillWidth: true
                    wrapMode: Text.WordWrap
                    maximumLineCount: 3
                    elide: Text.ElideRight
                    text: qsTr("Movable reference markers")
                    color: tab.textColor
                    font.bold: true
                    visible: tab.offsetApplied
                }
                Repeater {
                    model: plot.traces
                    Label {
                        readonly property var marker: modelData.markerSet.movingReferenceMarker

                        objectName: "movingReferenceValue"
                        Layout.fillWidth: true
                        visible: marker.visible && modelData.visible
                        wrapMode: Text.Wrap
                        text: modelData.name + ": " + tab.valueText(marker.x, tab.xUnit)
                        color: tab.textColor
                    }
                }
                Button {
                    id: setDefaultOffset
                    objectName: "setDefaultOffset"
                    text: qsTr("Set default offset")
                    visible: tab.offsetApplied
                    onClicked: tab.setDefaultOffset()
                }

                Label {
                    Layout.fillWidth: true
                    wrapMode: Text.WordWrap
                    maximumLineCount: 3
                    elide: Text.ElideRight
                    text: qsTr("User markers")
                    color: tab.textColor
                    font.bold: true
                }
                // Its text wraps onto further lines, only between words: a word wider
                // than the line makes the text smaller.
                Switch {
                    id: showUserMarkers

                    readonly property real widestWord: text.split(/\s+/).reduce(
                        (widest, word) => Math.max(widest, switchFont.advanceWidth(word)), 0)

                    objectName: "showUserMarkers"
                    Layout.fillWidth: true
                    // Room for the widest word, whatever size the text is drawn at: the
                    // size follows the width given.
                    implicitWidth: leftPadding + indicator.width + spacing + Math.ceil(widestWord) + rightPadding
                    text: qsTr("Show user markers")
                    contentItem: Text {
                        // How much the widest word must shrink to fit the line.
                        readonly property real shrink: Math.min(1, (showUserMarkers.availableWidth - leftPadding)
                                                              / showUserMarkers.widestWord)

                        leftPadding: showUserMarkers.indicator.width + showUserMarkers.spacing
                        text: showUserMarkers.text
                        font.family: switchFont.font.family
                        font.pixelSize: Math.max(9, Math.floor(switchFont.font.pixelSize * shrink))
                        color: tab.textColor
                        wrapMode: Text.WordWrap
                        maximumLineCount: 3
                        elide: Text.ElideRight
                        verticalAlignment: Text.AlignVCenter
                    }

                    FontMetrics {
                        id: switchFont
                        font: showUserMarkers.font
                    }
                }
                Repeater {
                    model: plot.traces
                    Label {
                        readonly property var marker: modelData.markerSet.userMarker

                        objectName: "userMarkerValue"
                        Layout.fillWidth: true
                        visible: showUserMarkers.checked && modelData.visible
                        wrapMode: Text.Wrap
                        text: modelData.name + ": " + tab.userMarkerText(marker)
                        color: tab.textColor
                    }
                }
            }
        }
    }
}

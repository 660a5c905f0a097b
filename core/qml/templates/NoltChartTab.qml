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
    // Whether the step's fixture offset is applied.
    property bool offsetApplied: false
    readonly property alias plotter: plot
    property color textColor: Color.textHighEmphasis

    signal setDefaultOffset()

    function referenceText(entry, property) {
        const value = entry.results[property];
        return value === undefined || value === null
               ? "---" : UnitFormatter.toNormalized(value, 2) + tab.referenceUnit;
    }

    ChartScaleManager {
        id: scale
    }

    MeasureGraphInstantiator {
        id: graphs
        plotter: plot
        scaleManager: scale
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
        }

        // The marker panel gives way to the chart on a narrow tab: its texts are elided.
        ColumnLayout {
            Layout.fillWidth: false
            Layout.preferredWidth: Math.min(220, Math.max(140, tab.width / 3))
            Layout.fillHeight: true
            spacing: 6

            Label {
                Layout.fillWidth: true
                elide: Text.ElideRight
                text: qsTr("Reference markers")
                color: tab.textColor
                font.bold: true
                visible: tab.referenceProperty !== ""
            }
            Repeater {
                model: tab.referenceProperty !== "" ? tab.ports : []
                Label {
                    Layout.fillWidth: true
                    elide: Text.ElideRight
                    text: graphs.graphName(modelData) + ": " + tab.referenceText(modelData, tab.referenceProperty)
                    color: tab.textColor
                }
            }

            Label {
                Layout.fillWidth: true
                elide: Text.ElideRight
                text: qsTr("Movable reference markers")
                color: tab.textColor
                font.bold: true
                visible: tab.offsetApplied
            }
            Repeater {
                model: tab.offsetApplied ? tab.ports : []
                Label {
                    Layout.fillWidth: true
                    elide: Text.ElideRight
                    text: graphs.graphName(modelData) + ": " + tab.referenceText(modelData, "length")
                    color: tab.textColor
                }
            }
            Button {
                text: qsTr("Set default offset")
                visible: tab.offsetApplied
                onClicked: tab.setDefaultOffset()
            }

            Label {
                Layout.fillWidth: true
                elide: Text.ElideRight
                text: qsTr("User markers")
                color: tab.textColor
                font.bold: true
            }
            Switch {
                id: showUserMarkers
                Layout.fillWidth: true
                text: qsTr("Show user markers")
            }

            Item {
                Layout.fillHeight: true
            }
        }
    }
}

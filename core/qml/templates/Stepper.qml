import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import CoreMeasureEnums 1.0
import IconShortcuts 1.0
import "../controls"

// A row of numbered step indicators joined by separators. While clickable,
// clicking a step makes it the current one, so any step can be reached directly.
// Every name shows whole: beside its indicator while the row has room for all of
// them there, otherwise below it, wrapped between words.
Item {
    id: stepper

    default property list<QtObject> elements
    property int currentIndex: 0
    property bool clickable: true
    readonly property int count: elements.length

    property color textColor: Color.textHighEmphasis
    property color secondaryTextColor: Color.textMedEmphasis
    property color currentColor: Color.primary
    property color plainColor: Color.disabledText
    property color lineColor: Color.enabledLine

    readonly property int indicatorSize: 24
    readonly property int gap: 8
    readonly property int shortestLine: 12
    // Measured in bold, as the current name is drawn, so that choosing another step never moves the names.
    readonly property real besideWidth: {
        let total = Math.max(0, count - 1) * (shortestLine + 2 * gap);
        for (let i = 0; i < steps.count; ++i) {
            const step = steps.itemAt(i);
            if (step)
                total += step.besideWidth;
        }
        return total;
    }
    readonly property bool namesBelow: width < besideWidth
    // The row's height as of the end of the last layout pass.
    property real settledHeight: 0

    // The width that holds every name beside its indicator: not the row's, which changes with
    // where the names go, so that the room the stepper is given never follows that choice.
    implicitWidth: besideWidth
    // The row's height follows where the names go, which follows the width a layout pass hands
    // out: taken up once that pass is over, so that the pass is not upset while it runs.
    implicitHeight: settledHeight

    function settleHeight() {
        settledHeight = row.implicitHeight;
    }

    RowLayout {
        id: row
        anchors.fill: parent
        onImplicitHeightChanged: Qt.callLater(stepper.settleHeight)
        Component.onCompleted: stepper.settleHeight()
        // Below their indicators the steps meet, so that their half lines join.
        spacing: stepper.namesBelow ? 0 : stepper.gap

        Repeater {
            id: steps
            model: stepper.elements.length

            delegate: RowLayout {
                id: step

                readonly property var element: stepper.elements[index]
                readonly property bool current: index === stepper.currentIndex
                readonly property bool inError: element.hasError === CoreMeasureEnums.RecommendedResult.Error
                readonly property real besideWidth: stepper.indicatorSize + stepper.gap
                                                    + Math.ceil(Math.max(boldName.implicitWidth, supporting.implicitWidth))
                // Below the indicator the name needs its longest word, with a gap to its neighbours.
                readonly property real belowMinimumWidth: Math.max(stepper.indicatorSize,
                                                                   Math.ceil(boldWord.contentWidth)) + stepper.gap
                readonly property real belowPreferredWidth: Math.max(stepper.indicatorSize,
                                                                     Math.ceil(boldName.implicitWidth)) + stepper.gap

                spacing: stepper.gap
                Layout.fillWidth: true
                Layout.alignment: Qt.AlignTop

                Text {
                    id: boldName
                    visible: false
                    text: step.element.text
                    font.bold: true
                }

                Text {
                    id: boldWord
                    visible: false
                    width: 1
                    wrapMode: Text.WordWrap
                    text: step.element.text
                    font.bold: true
                }

                Rectangle {
                    Layout.fillWidth: true
                    Layout.minimumWidth: stepper.shortestLine
                    Layout.alignment: Qt.AlignTop
                    Layout.topMargin: stepper.indicatorSize / 2
                    implicitHeight: 1
                    color: stepper.lineColor
                    visible: index > 0 && !stepper.namesBelow
                }

                AbstractButton {
                    id: indicator
                    objectName: "stepperElement" + index

                    hoverEnabled: true
                    enabled: stepper.clickable
                    implicitWidth: content.implicitWidth
                    implicitHeight: content.implicitHeight
                    Layout.fillWidth: true
                    Layout.alignment: Qt.AlignTop
                    // Whole pixels, as the layout gives them: a fraction short would cut the name.
                    Layout.minimumWidth: stepper.namesBelow ? step.belowMinimumWidth : Math.ceil(implicitWidth)
                    Layout.preferredWidth: stepper.namesBelow ? step.belowPreferredWidth : Math.ceil(implicitWidth)
                    Layout.maximumWidth: stepper.namesBelow ? Number.POSITIVE_INFINITY : Math.ceil(implicitWidth)
                    onClicked: stepper.currentIndex = index

                    // Below the indicators the lines run from one indicator to the next.
                    background: Item {
                        visible: stepper.namesBelow

                        Rectangle {
                            x: 0
                            y: stepper.indicatorSize / 2
                            width: Math.max(0, (indicator.width - stepper.indicatorSize) / 2 - stepper.gap)
                            height: 1
                            color: stepper.lineColor
                            visible: index > 0
                        }

                        Rectangle {
                            x: indicator.width - width
                            y: stepper.indicatorSize / 2
                            width: Math.max(0, (indicator.width - stepper.indicatorSize) / 2 - stepper.gap)
                            height: 1
                            color: stepper.lineColor
                            visible: index < stepper.count - 1
                        }
                    }

                    contentItem: GridLayout {
                        id: content
                        columns: stepper.namesBelow ? 1 : 2
                        columnSpacing: stepper.gap
                        rowSpacing: 4

                        Rectangle {
                            Layout.alignment: stepper.namesBelow ? Qt.AlignHCenter | Qt.AlignTop : Qt.AlignVCenter
                            implicitWidth: stepper.indicatorSize
                            implicitHeight: stepper.indicatorSize
                            radius: stepper.indicatorSize / 2
                            color: step.inError ? Color.errorBackground
                                                : step.current || step.element.done ? stepper.currentColor : stepper.plainColor

                            Text {
                                anchors.centerIn: parent
                                text: index + 1
                                color: "white"
                                font.bold: true
                                visible: !step.inError && !step.element.done
                            }

                            ColorImage {
                                anchors.centerIn: parent
                                width: 16
                                height: 16
                                source: step.inError ? Icons.error : Icons.checkMark
                                color: step.inError ? Color.errorForeground : "white"
                                visible: step.inError || step.element.done
                            }
                        }

                        ColumnLayout {
                            Layout.fillWidth: true
                            Layout.leftMargin: stepper.namesBelow ? stepper.gap / 2 : 0
                            Layout.rightMargin: stepper.namesBelow ? stepper.gap / 2 : 0
                            spacing: 0

                            Text {
                                objectName: "stepName"
                                Layout.fillWidth: true
                                wrapMode: Text.WordWrap
                                horizontalAlignment: stepper.namesBelow ? Text.AlignHCenter : Text.AlignLeft
                                text: step.element.text
                                color: stepper.textColor
                                font.bold: step.current
                                font.underline: indicator.hovered && stepper.clickable
                            }

                            Text {
                                id: supporting
                                Layout.fillWidth: true
                                wrapMode: Text.WordWrap
                                horizontalAlignment: stepper.namesBelow ? Text.AlignHCenter : Text.AlignLeft
                                text: step.element.supportingText !== "" ? step.element.supportingText
                                                                         : step.element.optional ? qsTr("Optional") : ""
                                color: stepper.secondaryTextColor
                                font.pixelSize: 11
                                visible: text !== ""
                            }
                        }
                    }

                    NoltNamedToolTip {
                        title: step.element.text
                        description: step.element.alertMessage
                        visible: indicator.hovered && step.inError && description !== ""
                    }
                }
            }
        }
    }
}

import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import CoreMeasureEnums 1.0
import IconShortcuts 1.0
import "../controls"

// A row of numbered step indicators joined by separators. While clickable,
// clicking a step makes it the current one, so any step can be reached directly.
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

    implicitWidth: row.implicitWidth
    implicitHeight: row.implicitHeight

    RowLayout {
        id: row
        anchors.fill: parent
        spacing: 8

        Repeater {
            model: stepper.elements.length

            delegate: RowLayout {
                id: step

                readonly property var element: stepper.elements[index]
                readonly property bool current: index === stepper.currentIndex
                readonly property bool inError: element.hasError === CoreMeasureEnums.RecommendedResult.Error

                spacing: 8
                // When the row is short the other steps' names give way (elided)
                // and the current one stays whole, so that all steps stay in view.
                Layout.fillWidth: true

                Rectangle {
                    Layout.fillWidth: true
                    Layout.minimumWidth: 12
                    implicitHeight: 1
                    color: stepper.lineColor
                    visible: index > 0
                }

                AbstractButton {
                    id: indicator
                    objectName: "stepperElement" + index

                    hoverEnabled: true
                    enabled: stepper.clickable
                    implicitWidth: content.implicitWidth
                    implicitHeight: content.implicitHeight
                    Layout.fillWidth: true
                    // Whole pixels, as the layout gives them: a fraction short would cut the name.
                    Layout.maximumWidth: Math.ceil(implicitWidth)
                    Layout.minimumWidth: step.current ? Layout.maximumWidth : 24
                    onClicked: stepper.currentIndex = index

                    contentItem: RowLayout {
                        id: content
                        spacing: 8

                        Rectangle {
                            implicitWidth: 24
                            implicitHeight: 24
                            radius: 12
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
                            spacing: 0

                            Text {
                                objectName: "stepName"
                                Layout.fillWidth: true
                                elide: Text.ElideRight
                                // No lone ellipsis where the name has no room at all.
                                opacity: width < 16 ? 0 : 1
                                text: step.element.text
                                color: stepper.textColor
                                font.bold: step.current
                                font.underline: indicator.hovered && stepper.clickable
                            }

                            Text {
                                Layout.fillWidth: true
                                elide: Text.ElideRight
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

import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../controls"

// The running and recently ended long operations: one row per progress
// watcher (the role "value" of the progress manager's model), its title and a
// bar that stays pale while the task runs. A task that ended unfinished turns
// red at once and says whether it failed or the user cancelled it.
ListView {
    id: view

    property color textColor: Color.textHighEmphasis

    implicitHeight: contentHeight
    interactive: false
    spacing: 4

    delegate: ColumnLayout {
        id: row

        readonly property var watcher: model.value
        readonly property bool cancelled: watcher ? watcher.isCanceled : false
        // A cancelled task is never reported finished: it has ended all the same.
        readonly property bool finished: watcher ? watcher.isFinished || cancelled : false
        readonly property string stateText: !cancelled ? (watcher ? watcher.progressText : "")
                                                       : watcher.isFailed ? qsTr("Failed") : qsTr("Cancelled")
        readonly property color stateColor: cancelled ? Color.errorBackground : Color.successBackground
        readonly property color stateTextColor: cancelled ? Color.errorForeground : Color.successForeground

        width: ListView.view.width
        spacing: 2

        Label {
            objectName: "progressTitle"
            Layout.fillWidth: true
            text: row.watcher ? row.watcher.name : ""
            color: view.textColor
            elide: Text.ElideRight
        }

        ProgressBar {
            id: bar
            objectName: "progressBar"

            readonly property color barColor: row.finished ? row.stateColor : Qt.lighter(row.stateColor, 2)
            // The groove behind the bar, see-through onto the page.
            readonly property color grooveColor: Color.enabledLine

            Layout.fillWidth: true
            implicitHeight: 18
            from: row.watcher ? row.watcher.progressMinimum : 0
            to: row.watcher ? row.watcher.progressMaximum : 1
            value: row.watcher ? row.watcher.progressValue : 0

            background: Rectangle {
                radius: 2
                color: bar.grooveColor
            }

            // The text is written twice, each copy shown only where its colour reads:
            // dark on the bar's colour, the page's text colour on the groove.
            contentItem: Item {
                id: groove

                Rectangle {
                    id: fill
                    width: bar.visualPosition * parent.width
                    height: parent.height
                    radius: 2
                    color: bar.barColor
                    clip: true

                    // A light band runs over the bar while the task is at work.
                    Rectangle {
                        id: runner
                        objectName: "progressRunner"
                        width: 40
                        height: parent.height
                        color: Qt.lighter(bar.barColor, 1.3)
                        visible: !row.finished

                        NumberAnimation on x {
                            from: -runner.width
                            to: bar.width
                            duration: 1200
                            loops: Animation.Infinite
                            running: !row.finished
                        }
                    }
                }

                Item {
                    width: fill.width
                    height: parent.height
                    clip: true

                    Text {
                        objectName: "progressText"
                        x: (groove.width - width) / 2
                        anchors.verticalCenter: parent.verticalCenter
                        text: row.stateText
                        color: row.stateTextColor
                        font.pixelSize: 11
                    }
                }

                Item {
                    x: fill.width
                    width: groove.width - fill.width
                    height: parent.height
                    clip: true

                    Text {
                        objectName: "progressGrooveText"
                        x: (groove.width - width) / 2 - parent.x
                        anchors.verticalCenter: parent.verticalCenter
                        text: row.stateText
                        color: view.textColor
                        font.pixelSize: 11
                    }
                }
            }
        }
    }
}

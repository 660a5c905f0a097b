import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Color 1.0
import IconShortcuts 1.0
import "qrc:/core/qml/controls"

// The window: a footer with the notifications, settings, analyzer status and
// BACK/NEXT, the running tasks above it, a notification drawer, and the pages:
// waiting for the analyzer, busy measuring, or the wizard.
NoltApplicationWindow {
    id: window

    readonly property var device: backend ? backend.getVnaDevice() : null
    readonly property bool deviceConnected: device ? device.isConnected : false
    readonly property var deviceReady: device ? device.isReady : undefined
    readonly property var navigationPage: stack.currentItem

    title: qsTr("Varnel Noltworks")
    minimumWidth: 700
    minimumHeight: 650
    width: 1100
    height: 800
    visible: true
    theme: settings.darkTheme === undefined || settings.darkTheme ? NoltApplicationWindow.UiTheme.Dark
                                                                  : NoltApplicationWindow.UiTheme.Light

    onThemeChanged: Color.theme = theme
    Component.onCompleted: Color.theme = theme

    function statusText() {
        if (!backend)
            return "---";
        if (!deviceConnected || deviceReady === undefined)
            return qsTr("VNA NOT CONNECTED");
        const info = device.vnaInfo;
        if (!deviceReady || info === undefined)
            return qsTr("VNA CONNECTED NOT READY");
        return info.model + " SN:" + info.serialNumber + " SV:" + info.version
                + " Plug-in v" + backend.getProjectVersion();
    }

    function notify(text, type) {
        notificatiom_model.insert(0, { text: Qt.formatDateTime(new Date(), "h:mm") + ": " + text, type: type });
    }

    // F9 reaches the test mode wherever the keyboard focus is, but not behind the busy page.
    Shortcut {
        sequence: "F9"
        context: Qt.WindowShortcut
        enabled: !stepsPage.isMeasuring
        onActivated: {
            if (stack.depth > 1)
                stack.pop(null);
            stepsPage.toggleTestMode();
        }
    }

    Connections {
        target: backend
        ignoreUnknownSignals: true
        function onMessage(message) { window.notify(message, "message") }
        function onError(error) { window.notify(error, "error") }
    }

    ListModel {
        id: notificatiom_model
        objectName: "notificationModel"
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        StackView {
            id: stack
            objectName: "pageStack"
            Layout.fillWidth: true
            Layout.fillHeight: true
            initialItem: mainLayout
            // A pushed page longer than the stack scrolls inside it, not under the running tasks.
            clip: true

            pushEnter: Transition { NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 350 } }
            pushExit: Transition { NumberAnimation { property: "opacity"; from: 1; to: 0; duration: 350 } }
            popEnter: Transition { NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 350 } }
            popExit: Transition { NumberAnimation { property: "opacity"; from: 1; to: 0; duration: 350 } }
        }

        ProgressView {
            objectName: "progressView"
            Layout.fillWidth: true
            Layout.margins: 8
            model: backend ? backend.getProgressManager().model : null
            visible: model !== null && model.size !== 0
        }
    }

    StackLayout {
        id: mainLayout
        objectName: "mainLayout"

        // The wizard's navigation, only while it is the page shown.
        readonly property bool hasPrev: currentIndex === 0 && stepsPage.hasPrev
        readonly property bool hasNext: currentIndex === 0 && stepsPage.hasNext

        function prev() { stepsPage.prev() }
        function next() { stepsPage.next() }

        currentIndex: pageManager.page
        focus: true

        NoltStepsPage {
            id: stepsPage
            objectName: "stepsPage"
            // A hidden page keeps the keyboard focus it had: typing would still reach
            // its fields behind the busy page. Disabled, it gives the focus up.
            enabled: mainLayout.currentIndex === 0
        }

        WaitingPage {
            objectName: "waitingPage"
        }

        BusyPage {
            objectName: "busyPage"
        }

        Item {
            id: pageManager

            readonly property bool showConnect: !backend || !window.deviceConnected || window.deviceReady !== true
            readonly property int page: showConnect ? 1 : stepsPage.isMeasuring ? 2 : 0
        }
    }

    Component {
        id: settingsPage

        SettingsPage {
            objectName: "settingsPage"
            readonly property bool isSettings: true
            onReturnMe: stack.pop()
        }
    }

    Drawer {
        id: drawer
        objectName: "notificationDrawer"
        width: Math.min(420, window.width * 0.8)
        height: window.height - window.footer.height
        edge: Qt.LeftEdge

        ColumnLayout {
            anchors.fill: parent
            anchors.margins: 8
            spacing: 8

            Label {
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                text: qsTr("No new notifications")
                visible: notificatiom_model.count === 0
            }

            ListView {
                id: notifications
                objectName: "notifications"
                Layout.fillWidth: true
                Layout.fillHeight: true
                clip: true
                spacing: 4
                model: notificatiom_model

                remove: Transition {
                    NumberAnimation { property: "x"; to: notifications.width; duration: 200 }
                }

                delegate: Loader {
                    width: ListView.view.width
                    sourceComponent: model.type === "error" ? errorRow : messageRow

                    readonly property string rowText: model.text
                    readonly property int row: index

                    Component {
                        id: messageRow
                        MessageSwipeDelegate {
                            objectName: "messageRow"
                            width: notifications.width
                            text: rowText
                            onRemoveMe: notificatiom_model.remove(row)
                        }
                    }

                    Component {
                        id: errorRow
                        ErrorSwipeDelegate {
                            objectName: "errorRow"
                            width: notifications.width
                            text: rowText
                            onRemoveMe: notificatiom_model.remove(row)
                        }
                    }
                }
            }

            Button {
                objectName: "clearNotifications"
                Layout.alignment: Qt.AlignHCenter
                text: qsTr("Clear all notifications")
                flat: true
                onClicked: notificatiom_model.clear()
            }
        }
    }

    footer: NoltBottomBar {
        RowLayout {
            anchors.fill: parent
            anchors.leftMargin: 4
            anchors.rightMargin: 8
            spacing: 4

            ToolButton {
                objectName: "notificationsButton"
                icon.source: Icons.list
                highlighted: drawer.opened
                // A press outside the open drawer starts closing it before this
                // click arrives; while it slides away the click must not reopen it.
                onClicked: drawer.visible ? drawer.close() : drawer.open()
            }

            ToolButton {
                objectName: "settingsButton"
                icon.source: Icons.settings
                checkable: true
                checked: stack.currentItem !== null && stack.currentItem.isSettings === true
                onToggled: checked ? stack.push(settingsPage) : stack.pop()
            }

            NoltSeparator { }

            NoltErrorLabel {
                objectName: "statusLabel"
                // Whole while the footer has room, elided only when it has not. The
                // layout gives whole pixels: a fraction short would cut the text.
                Layout.fillWidth: true
                Layout.maximumWidth: Math.ceil(implicitWidth)
                elide: Text.ElideRight
                text: window.statusText()
                hasError: !!backend && (!window.deviceConnected || window.deviceReady !== true)
            }

            Item { Layout.fillWidth: true }

            ToolButton {
                objectName: "backButton"
                text: qsTr("BACK")
                visible: window.navigationPage !== null && window.navigationPage.hasPrev !== undefined
                enabled: visible && window.navigationPage.hasPrev === true
                onClicked: window.navigationPage.prev()
            }

            Button {
                objectName: "nextButton"
                text: qsTr("NEXT")
                highlighted: true
                visible: window.navigationPage !== null && window.navigationPage.hasNext !== undefined
                enabled: visible && window.navigationPage.hasNext === true
                onClicked: window.navigationPage.next()
            }
        }
    }
}

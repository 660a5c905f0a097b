import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/core/qml/controls"
import "pages"

// The user's settings, the analyzer's address, the remote-control server and
// the display scaling. The fields show the live values, so changes made
// elsewhere (a remote command) appear at once.
PageWithReturn {
    id: page

    readonly property var device: backend ? backend.getVnaDevice() : null
    readonly property var server: backend ? backend.serverControl : null

    readonly property string defaultAddress: "127.0.0.1"
    readonly property int defaultAnalyzerPort: 5025
    readonly property int defaultServerPort: 5026

    signal changeTheme(int theme)

    title: qsTr("SETTINGS")
    returnAdditionalText: qsTr("plug-in")

    // What the server reported while it last tried to listen; empty when it did not complain.
    property string serverFailure: ""

    function applyAddress(address) {
        settings.ipAddress = address;
        if (page.device)
            page.device.address = address;
    }

    function applyAnalyzerPort(port) {
        settings.port = port;
        if (page.device)
            page.device.port = port;
    }

    // A port the server cannot listen on is refused: the server goes back to the
    // port it had.
    function applyServerPort(port) {
        if (!page.server)
            return;
        const previous = page.server.port;
        page.serverFailure = "";
        page.server.port = port;
        if (page.serverFailure === "")
            return;
        const failure = page.serverFailure;
        page.server.port = previous;
        serverPortField.refuse(qsTr("Port %1 cannot be used (%2); port %3 stays in use.")
                               .arg(port).arg(failure).arg(previous));
    }

    Connections {
        target: page.server
        function onError(message) {
            page.serverFailure = message;
        }
    }

    PageScrollView {
        anchors.fill: parent
        contentWidth: availableWidth

        ColumnLayout {
            width: parent.width
            spacing: 16

            GroupBox {
                Layout.fillWidth: true
                Layout.margins: 12
                title: qsTr("General")

                ColumnLayout {
                    anchors.fill: parent

                    Switch {
                        objectName: "darkTheme"
                        text: qsTr("Dark theme")
                        checked: settings.darkTheme === undefined || settings.darkTheme
                        onToggled: {
                            settings.darkTheme = checked;
                            page.changeTheme(checked ? NoltApplicationWindow.UiTheme.Dark
                                                     : NoltApplicationWindow.UiTheme.Light);
                        }
                    }

                    Switch {
                        text: qsTr("Show hover help")
                        visible: false
                        checked: settings.showHover !== undefined && settings.showHover
                        onToggled: settings.showHover = checked
                    }

                    Switch {
                        objectName: "saveUserSetup"
                        text: qsTr("Save user setup")
                        checked: settings.loadedStateFile !== undefined
                        onToggled: settings.loadedStateFile = checked ? "loadedStateFile" : undefined
                    }
                }
            }

            GroupBox {
                Layout.fillWidth: true
                Layout.leftMargin: 12
                Layout.rightMargin: 12
                title: qsTr("VNA Network")

                GridLayout {
                    anchors.fill: parent
                    columns: 2

                    Label { text: qsTr("IP") }
                    TextField {
                        id: addressField
                        objectName: "analyzerAddress"
                        Layout.fillWidth: true
                        text: page.device ? page.device.address : "---"
                        validator: RegularExpressionValidator {
                            regularExpression: /^((?:[0-1]?[0-9]?[0-9]|2[0-4][0-9]|25[0-5])\.){0,3}(?:[0-1]?[0-9]?[0-9]|2[0-4][0-9]|25[0-5])$/
                        }
                        onTextEdited: {
                            if (acceptableInput)
                                page.applyAddress(text);
                        }
                    }

                    Label {
                        Layout.alignment: Qt.AlignTop
                        Layout.preferredHeight: analyzerPortField.fieldHeight
                        verticalAlignment: Text.AlignVCenter
                        text: qsTr("Port")
                    }
                    PortField {
                        id: analyzerPortField
                        name: "analyzerPort"
                        Layout.fillWidth: true
                        portInUse: page.device ? page.device.port : undefined
                        onPortEntered: port => page.applyAnalyzerPort(port)
                    }

                    Button {
                        Layout.columnSpan: 2
                        Layout.alignment: Qt.AlignRight
                        text: qsTr("Default")
                        onClicked: {
                            analyzerPortField.reset();
                            page.applyAddress(page.defaultAddress);
                            page.applyAnalyzerPort(page.defaultAnalyzerPort);
                        }
                    }
                }
            }

            GroupBox {
                Layout.fillWidth: true
                Layout.leftMargin: 12
                Layout.rightMargin: 12
                title: qsTr("Network remote control settings")

                GridLayout {
                    anchors.fill: parent
                    columns: 2

                    Switch {
                        objectName: "socketServer"
                        Layout.columnSpan: 2
                        text: qsTr("Socket server")
                        enabled: page.server !== null
                        checked: page.server ? page.server.enabled : false
                        onToggled: page.server.enabled = checked
                    }

                    Label {
                        Layout.alignment: Qt.AlignTop
                        Layout.preferredHeight: serverPortField.fieldHeight
                        verticalAlignment: Text.AlignVCenter
                        text: qsTr("Port")
                    }
                    PortField {
                        id: serverPortField
                        name: "serverPort"
                        Layout.fillWidth: true
                        portInUse: page.server ? page.server.port : undefined
                        onPortEntered: port => page.applyServerPort(port)
                    }

                    Button {
                        Layout.columnSpan: 2
                        Layout.alignment: Qt.AlignRight
                        text: qsTr("Default")
                        onClicked: {
                            serverPortField.reset();
                            page.applyServerPort(page.defaultServerPort);
                        }
                    }
                }
            }

            GroupBox {
                Layout.fillWidth: true
                Layout.leftMargin: 12
                Layout.rightMargin: 12
                Layout.bottomMargin: 12
                title: qsTr("Display propeties")

                ButtonGroup { id: scaling }

                RowLayout {
                    anchors.fill: parent

                    Repeater {
                        model: [
                            { value: "1.0", text: qsTr("Small") },
                            { value: "1.25", text: qsTr("Medium") },
                            { value: "1.5", text: qsTr("Large") }
                        ]

                        RadioButton {
                            objectName: "scaling" + modelData.value
                            text: modelData.text
                            ButtonGroup.group: scaling
                            checked: settings.scalingFactor === modelData.value
                                     || (settings.scalingFactor === undefined && modelData.value === "1.0")
                            onClicked: {
                                if (backend)
                                    backend.setScaling(modelData.value);
                                restartDialog.open();
                            }
                        }
                    }
                }
            }
        }
    }

    NoltMessageDialog {
        id: restartDialog
        objectName: "restartDialog"
        width: Math.min(page.width, 480)
        title: qsTr("Restart required")
        informativeText: qsTr("The display scaling change will take effect after restart.")
        acceptText: qsTr("Restart now")
        discardText: qsTr("Later")
        onAccepted: backend.restart()
        onDiscarded: close()
    }
}

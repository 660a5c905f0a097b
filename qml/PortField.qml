import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/core/qml/controls"

// A TCP port entry that shows the port in use. A finished entry (Enter, or
// leaving the field) that is a whole number from 1 to 65535 is offered through
// portEntered(); anything else returns the field to the port in use and says why.
ColumnLayout {
    id: portField

    // The object names of the text field and of the line with the reason for a refusal.
    property string name
    // The port in use; undefined while there is none to show.
    property var portInUse
    // Why the last entry was refused; empty when nothing was.
    property string refusal: ""
    // For a label beside the field, which the reason below must not move.
    readonly property real fieldHeight: input.height

    signal portEntered(int port)

    // Returns the field to the port in use, with the reason shown below it.
    function refuse(reason) {
        refusal = reason;
        showPortInUse();
    }

    // Drops an unfinished entry and the reason for a refusal.
    function reset() {
        refusal = "";
        showPortInUse();
    }

    function showPortInUse() {
        input.text = Qt.binding(() => portField.portInUse !== undefined ? String(portField.portInUse) : "---");
    }

    // The port a text names, when it is a whole number from 1 to 65535.
    function portFrom(text) {
        const value = /^[0-9]+$/.test(text) ? Number(text) : NaN;
        return value >= 1 && value <= 65535 ? value : undefined;
    }

    spacing: 2

    TextField {
        id: input
        objectName: portField.name
        Layout.fillWidth: true
        text: portField.portInUse !== undefined ? String(portField.portInUse) : "---"
        inputMethodHints: Qt.ImhDigitsOnly
        // Digits only; the range is judged when the entry is finished.
        validator: RegularExpressionValidator { regularExpression: /[0-9]*/ }
        onTextEdited: portField.refusal = ""
        onEditingFinished: {
            const port = portField.portFrom(text);
            if (port === undefined) {
                portField.refuse(qsTr("A port is a whole number from 1 to 65535; port %1 stays in use.")
                                 .arg(portField.portInUse !== undefined ? portField.portInUse : "---"));
                return;
            }
            portField.showPortInUse();
            portField.portEntered(port);
        }
    }

    Label {
        objectName: portField.name + "Refusal"
        Layout.fillWidth: true
        visible: portField.refusal !== ""
        text: portField.refusal
        textFormat: Text.PlainText
        color: Color.errorBackground
        wrapMode: Text.Wrap
    }
}

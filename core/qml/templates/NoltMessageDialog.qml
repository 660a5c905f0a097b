import QtQuick 2.15
import QtQuick.Controls 2.15
import "../controls"

// A modal question with an accept and a discard button.
Dialog {
    id: dialog

    property string informativeText
    property string acceptText: qsTr("Accept")
    property string discardText: qsTr("Discard")
    property color textColor: Color.textHighEmphasis

    modal: true
    anchors.centerIn: parent ? Overlay.overlay : undefined

    contentItem: Label {
        text: dialog.informativeText
        color: dialog.textColor
        wrapMode: Text.WordWrap
    }

    footer: DialogButtonBox {
        Button {
            objectName: "acceptButton"
            text: dialog.acceptText
            highlighted: true
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
        }
        Button {
            objectName: "discardButton"
            text: dialog.discardText
            flat: true
            DialogButtonBox.buttonRole: DialogButtonBox.DestructiveRole
        }
    }
}

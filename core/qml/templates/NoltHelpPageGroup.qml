import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import IconShortcuts 1.0
import "../controls"

// The help of the active page: shown in a pane beside the pages, or detached
// into a window of its own.
Item {
    id: group

    // The pages whose help is offered; the active one is shown.
    property var pages: []
    property bool detached: false

    readonly property var activePage: {
        for (let i = 0; i < pages.length; ++i) {
            if (pages[i] && pages[i].active)
                return pages[i];
        }
        return null;
    }
    readonly property string text: activePage ? activePage.full_description : ""

    implicitWidth: detached ? toggle.implicitWidth : 320
    implicitHeight: 200

    function attachHelp() {
        detached = false;
    }

    ToolButton {
        id: toggle
        objectName: "detachButton"
        z: 1
        anchors.right: parent.right
        icon.source: group.detached ? Icons.attach : Icons.detach
        onClicked: group.detached = !group.detached
    }

    NoltHelpPane {
        anchors.fill: parent
        anchors.topMargin: toggle.height
        text: group.text
        visible: !group.detached
    }

    DecoratedWindow {
        title: qsTr("Noltworks")
        width: 480
        height: 600
        visible: group.detached
        onClosing: group.attachHelp()

        NoltHelpPane {
            anchors.fill: parent
            text: group.text
        }
    }
}

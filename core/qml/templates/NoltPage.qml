import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import IconShortcuts 1.0
import "../controls"

// The frame of a wizard page: its description above the content and a help
// button that opens the page's full help.
Page {
    id: page

    property string name
    property string description
    property url icon: Icons.questionMark
    property string full_description
    property bool active: false
    property bool done: false
    // CoreMeasureEnums.RecommendedResult.Error, or undefined.
    property var hasError

    property color textColor: Color.textHighEmphasis

    background: null

    // A press on the page's empty space ends the edit of a field, as a press on any
    // other control does: the field reads what it shows (applies or refuses it) rather
    // than keeping it unapplied. Pressing a control that takes the focus itself
    // (another field, a button) is left to that control.
    TapHandler {
        onPressedChanged: {
            if (!pressed)
                return;
            const focused = page.Window.activeFocusItem;
            if (!focused || focused === page || !page.holds(focused))
                return;
            // Focusing the page instead would hand the focus straight back to the field,
            // the focus child it keeps.
            if (!focused.contains(focused.mapFromItem(page, point.pressPosition)))
                focused.focus = false;
        }
    }

    function holds(item) {
        for (let above = item.parent; above; above = above.parent) {
            if (above === page)
                return true;
        }
        return false;
    }

    header: RowLayout {
        spacing: 8

        Label {
            Layout.fillWidth: true
            Layout.leftMargin: 12
            text: page.description
            color: page.textColor
            font.pixelSize: 15
            wrapMode: Text.WordWrap
        }

        ToolButton {
            objectName: "helpButton"
            icon.source: page.icon
            visible: page.full_description !== ""
            onClicked: help.open()
        }
    }

    Popup {
        id: help
        anchors.centerIn: Overlay.overlay
        width: Math.min(page.width, 640)
        height: Math.min(page.height, 480)
        padding: 0

        contentItem: NoltHelpPane {
            text: page.full_description
        }
    }
}

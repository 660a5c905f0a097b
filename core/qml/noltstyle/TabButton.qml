import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import QtQuick.Controls.impl 2.15 as Impl
import QtQuick.Controls.Material 2.15
import QtQuick.Controls.Material.impl 2.15
import Color 1.0

// Tab with an accent line under the checked one.
T.TabButton {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    padding: 12
    spacing: 6

    readonly property color textColor: !enabled ? Color.disabledText
                                                : checked ? Material.accentColor : Color.textMedEmphasis

    icon.width: 20
    icon.height: 20
    icon.color: textColor

    contentItem: Impl.IconLabel {
        spacing: control.spacing
        mirrored: control.mirrored
        display: control.display
        icon: control.icon
        text: control.text
        font: control.font
        color: control.textColor
    }

    background: Item {
        implicitHeight: 44

        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 2
            color: control.Material.accentColor
            visible: control.checked
        }

        Ripple {
            width: parent.width
            height: parent.height
            clip: visible
            pressed: control.pressed
            anchor: control
            active: control.down || control.visualFocus || control.hovered
            color: control.Material.rippleColor
        }
    }
}

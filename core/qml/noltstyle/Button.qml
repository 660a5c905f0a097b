import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import QtQuick.Controls.impl 2.15 as Impl
import QtQuick.Controls.Material 2.15
import QtQuick.Controls.Material.impl 2.15
import Color 1.0

// Flat, lightly rounded button; highlighted and checked buttons are filled
// with the accent colour.
T.Button {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    topInset: 4
    bottomInset: 4
    horizontalPadding: 14
    verticalPadding: 10
    spacing: 6

    readonly property bool filled: (highlighted || checked) && !flat
    readonly property color textColor: !enabled ? Color.disabledText
                                                : filled ? Material.primaryHighlightedTextColor
                                                         : highlighted ? Material.accentColor : Color.textHighEmphasis

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

    background: Rectangle {
        implicitWidth: 64
        implicitHeight: 36
        radius: 3
        color: !control.enabled && control.filled ? Color.disabledLine
                                                   : control.filled ? control.Material.accentColor : "transparent"
        border.width: control.flat || control.filled ? 0 : 1
        border.color: !control.enabled ? Color.disabledLine
                                       : control.hovered || control.visualFocus ? Color.hoveredLine : Color.enabledLine

        Ripple {
            width: parent.width
            height: parent.height
            clipRadius: parent.radius
            pressed: control.pressed
            anchor: control
            active: control.down || control.visualFocus || control.hovered
            color: control.Material.rippleColor
        }
    }
}

import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import QtQuick.Controls.impl 2.15 as Impl
import QtQuick.Controls.Material 2.15
import QtQuick.Controls.Material.impl 2.15
import Color 1.0

// Borderless button for bars and panes; checked buttons show the accent colour.
T.ToolButton {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    padding: 8
    spacing: 6

    readonly property color textColor: !enabled ? Color.disabledText
                                                : checked || highlighted ? Material.accentColor : Color.textHighEmphasis

    icon.width: 22
    icon.height: 22
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

    background: Ripple {
        implicitWidth: 40
        implicitHeight: 40
        clip: true
        clipRadius: 3
        pressed: control.pressed
        anchor: control
        active: control.enabled && (control.down || control.visualFocus || control.hovered)
        color: control.Material.rippleColor
    }
}

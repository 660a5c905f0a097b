import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import QtQuick.Controls.impl 2.15 as Impl
import QtQuick.Controls.Material 2.15
import QtQuick.Controls.Material.impl 2.15
import Color 1.0

T.Label {
    color: enabled ? Color.textHighEmphasis : Color.disabledText
    linkColor: Material.accentColor
}

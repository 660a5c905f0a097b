import QtQuick 2.15
import QtQuick.Controls.Material 2.15
import "qrc:/core/qml/templates" as T
import "qrc:/core/qml/controls"

T.NoltLabel {
    color: enabled ? Material.foreground : Color.disabledText
}

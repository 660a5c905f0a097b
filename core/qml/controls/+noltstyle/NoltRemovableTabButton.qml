import QtQuick 2.15
import QtQuick.Controls.Material 2.15
import "qrc:/core/qml/templates" as T
import "qrc:/core/qml/controls"

T.NoltRemovableTabButton {
    textColor: checked ? Material.accentColor : Color.textMedEmphasis
}

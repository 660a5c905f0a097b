import QtQuick 2.15
import QtQuick.Controls.Material 2.15
import "qrc:/core/qml/templates" as T
import "qrc:/core/qml/controls"

T.NoltNamedToolTip {
    textColor: Color.isDark ? "#212121" : "#F5F5F5"
}

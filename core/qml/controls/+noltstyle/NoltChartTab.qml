import QtQuick 2.15
import QtQuick.Controls.Material 2.15
import "qrc:/core/qml/templates" as T

T.NoltChartTab {
    textColor: Material.foreground
}

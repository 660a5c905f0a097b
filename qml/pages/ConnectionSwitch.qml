import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import CoreMeasureEnums 1.0
import "qrc:/core/qml/controls"

// A connection choice of a setup: a caption, a switch that shows the setup's
// flag and writes the user's toggles to it, and an optional error marker.
RowLayout {
    id: choice

    property string caption
    property alias text: toggle.text
    property bool checked
    property bool inError: false
    property string errorText
    property alias switchName: toggle.objectName

    signal toggled(bool checked)

    spacing: 8

    Label {
        text: choice.caption
        Layout.preferredWidth: 220
        wrapMode: Text.WordWrap
    }
    Switch {
        id: toggle
        checked: choice.checked
        onToggled: choice.toggled(checked)
    }
    NoltWarning {
        type: CoreMeasureEnums.RecommendedResult.Error
        visible: choice.inError
        toolTip.description: choice.errorText
    }
}

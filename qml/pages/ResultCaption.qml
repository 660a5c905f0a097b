import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// The title and explanation beside an action of the results page; it wraps
// rather than pushing the action's button off a narrow page.
ColumnLayout {
    property alias title: titleLabel.text
    property alias text: textLabel.text

    Layout.fillWidth: true

    Label {
        id: titleLabel
        Layout.fillWidth: true
        font.bold: true
        wrapMode: Text.WordWrap
    }
    Label {
        id: textLabel
        Layout.fillWidth: true
        wrapMode: Text.WordWrap
    }
}

import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "qrc:/core/qml/controls"

// One tab per setup, "Configuration 1", "Configuration 2", ...: the selected
// setup's tab is the current one and choosing a tab selects its setup. Each
// tab shows `content`, a component that reads its setup as model.value.
ColumnLayout {
    id: tabs

    property var fixtureSetups
    property Component content
    readonly property int selected: fixtureSetups ? fixtureSetups.selected : 0

    spacing: 0

    NoltFixtureTabBar {
        Layout.fillWidth: true
        currentIndex: tabs.selected

        Repeater {
            model: tabs.fixtureSetups ? tabs.fixtureSetups.setups : 0

            TabButton {
                text: qsTr("Configuration ") + (index + 1)
                width: implicitWidth
                onClicked: tabs.fixtureSetups.selected = index
            }
        }
    }

    StackLayout {
        Layout.fillWidth: true
        Layout.fillHeight: true
        currentIndex: tabs.selected

        Repeater {
            model: tabs.fixtureSetups ? tabs.fixtureSetups.setups : 0
            delegate: tabs.content
        }
    }
}

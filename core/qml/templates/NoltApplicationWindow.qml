import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls.Material 2.15

// The main window: its theme drives the Material attributes of everything in it.
ApplicationWindow {
    id: window

    enum UiTheme { Dark, Light }

    property int theme: NoltApplicationWindow.UiTheme.Dark

    function applyTheme() {
        const light = theme === NoltApplicationWindow.UiTheme.Light;
        Material.theme = light ? Material.Light : Material.Dark;
        Material.primary = "#6CA7EB";
        Material.accent = "#EEA260";
        Material.background = light ? "#FFFFFF" : "#121212";
        Material.foreground = light ? "#212121" : "#E0E0E0";
    }

    onThemeChanged: applyTheme()
    Component.onCompleted: applyTheme()
}

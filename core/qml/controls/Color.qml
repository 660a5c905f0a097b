pragma Singleton
import QtQuick 2.15

// The colours of the interface. The window copies its theme here, so every
// control follows a theme change.
QtObject {
    // NoltApplicationWindow.UiTheme: Dark is 0, Light is 1.
    property int theme: 0
    readonly property bool isDark: theme === 0

    readonly property color errorBackground: "#FF453A"
    readonly property color errorForeground: "#212121"
    readonly property color alertBackground: "#FFD60A"
    readonly property color alertForeground: "#212121"
    readonly property color successBackground: "#32D74B"
    readonly property color successForeground: "#212121"

    readonly property color noltFixture: "#6CC264"
    readonly property color noltDUT: "#2D5B3A"
    readonly property color noltDUTText: isDark ? "white" : "#b1b2b2"
    readonly property color primary: "#B87333"

    // Line and text emphasis of the Material guidelines.
    readonly property color disabledText: isDark ? "#60FFFFFF" : "#60000000"
    readonly property color enabledLine: isDark ? "#1FFFFFFF" : "#1F000000"
    readonly property color textHighEmphasis: isDark ? "#DEFFFFFF" : "#DE000000"
    readonly property color textMedEmphasis: isDark ? "#9AFFFFFF" : "#99000000"
    readonly property color focusedLine: isDark ? Qt.lighter(primary, 1.62) : primary
    readonly property color hoveredLine: focusedLine
    readonly property color disabledLine: disabledText
}

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

    // Chart curves take these in turn, the seventeenth the first again.
    readonly property var traceColors: isDark
        ? ["#FFFF00", "#00FFFF", "#FF33FF", "#00FF00", "#99CC99", "#FF6633", "#FF9999", "#CCCCFF",
           "#CC66CC", "#3366FF", "#FF3333", "#FFCC33", "#3399FF", "#00FF99", "#FF9900", "#9933FF"]
        : ["#302BFF", "#ED000A", "#4ECC00", "#F027FF", "#623269", "#459CCF", "#276766", "#2F2F00",
           "#49991F", "#C59900", "#57CECD", "#293BD2", "#C16500", "#ED006A", "#3D6EFF", "#79CC00"]
    // A hidden curve's name in a chart legend.
    readonly property color hiddenTraceText: isDark ? "#d6d7d7" : "#787878"
    readonly property color chartInnerGridLine: isDark ? "#30FFFFFF" : "#30000000"
    readonly property color chartOuterGridLine: isDark ? "#99FFFFFF" : "#99000000"
}

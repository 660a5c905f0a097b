import QtQuick 2.15
import "qrc:/core/qml/templates" as T
import "qrc:/core/qml/controls"

// The style's bottom line, in the verdict's colour when the value is judged.
T.NoltErrorTextField {
    id: field

    background: Rectangle {
        y: field.height - height - field.bottomPadding + 8
        implicitWidth: 120
        width: field.width
        height: field.judged || field.activeFocus ? 2 : 1
        color: field.judged ? field.resultColor
                            : field.activeFocus ? Color.focusedLine
                                                : field.hovered ? Color.hoveredLine : Color.enabledLine
    }
}

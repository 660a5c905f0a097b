import QtQuick 2.15
import "../templates" as T

T.NoltErrorTextField {
    id: field

    background: Rectangle {
        implicitWidth: 120
        implicitHeight: 36
        radius: 3
        color: "transparent"
        border.width: field.judged ? 2 : 1
        border.color: field.judged ? field.resultColor : Color.enabledLine
    }
}

pragma Singleton
import QtQuick 2.15

// Resource paths of the icons.
QtObject {
    readonly property url back: "qrc:/core/icons/back.svg"
    readonly property url attach: "qrc:/core/icons/attach.svg"
    readonly property url detach: "qrc:/core/icons/detach.svg"
    readonly property url questionMark: "qrc:/core/icons/questionMark.svg"
    readonly property url settings: "qrc:/core/icons/settings.svg"
    readonly property url list: "qrc:/core/icons/list.svg"
    readonly property url plus: "qrc:/core/icons/plus.svg"
    readonly property url cross: "qrc:/core/icons/cross.svg"
    readonly property url checkMark: "qrc:/core/icons/checkMark.svg"
    readonly property url left: "qrc:/core/icons/left.svg"
    readonly property url right: "qrc:/core/icons/right.svg"
    readonly property url error: "qrc:/core/icons/error.svg"
    readonly property url warning: "qrc:/core/icons/warning.svg"
    readonly property url marker: "qrc:/core/icons/marker.svg"
    readonly property url inactive_marker: "qrc:/core/icons/inactive_marker.svg"
    readonly property url mark: "qrc:/core/icons/mark.svg"
}

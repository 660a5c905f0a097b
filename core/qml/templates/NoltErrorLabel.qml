import QtQuick 2.15
import QtQuick.Controls 2.15
import "../controls"

// A label that turns into an error badge while hasError is set.
Label {
    id: label

    property bool hasError: false
    property color textColor: Color.textHighEmphasis

    leftPadding: 6
    rightPadding: 6
    topPadding: 2
    bottomPadding: 2
    color: hasError ? Color.errorForeground : textColor

    background: Rectangle {
        radius: 3
        color: label.hasError ? Color.errorBackground : "transparent"
    }
}

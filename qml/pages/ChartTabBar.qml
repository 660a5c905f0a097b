import QtQuick 2.15
import QtQuick.Controls 2.15

// Tabs whose titles read whole: each tab takes the width of its title and the
// tabs share what is left. A bar too narrow for every title gives each tab its
// part of the room and draws its title smaller.
TabBar {
    id: bar

    property var titles: []

    readonly property real room: availableWidth - Math.max(0, count - 1) * spacing
    readonly property real titlesWidth: Array.prototype.reduce.call(contentChildren,
                                                                    (sum, tab) => sum + tab.implicitWidth, 0)

    // What the titles need, not what the tabs are given: the bar's own width
    // must not follow the widths it hands out.
    contentWidth: titlesWidth + Math.max(0, count - 1) * spacing

    Repeater {
        model: bar.titles

        TabButton {
            id: tab

            text: modelData
            width: bar.titlesWidth <= bar.room ? implicitWidth + (bar.room - bar.titlesWidth) / bar.count
                                               : implicitWidth * bar.room / bar.titlesWidth

            contentItem: Text {
                text: tab.text
                font: tab.font
                color: tab.textColor
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 9
                elide: Text.ElideRight
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
            }
        }
    }
}

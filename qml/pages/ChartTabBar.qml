import QtQuick 2.15
import QtQuick.Controls 2.15

// Tabs whose titles read whole: each tab takes the width of its title and the
// tabs share what is left. A bar too narrow for every title gives each tab its
// part of the room and draws its title smaller. `currentIndex` is the chosen tab.
//
// Widths and places follow from the titles, the tab font and the room alone.
// They are measured here rather than read from the tabs, whose own sizes change
// while they are made and laid out, and the tabs stand where these widths put
// them rather than where a tab bar's list view last placed them: either way a
// frame drawn just after the bar was resized could show tabs beyond its end.
Item {
    id: bar

    property var titles: []
    property int currentIndex: 0
    readonly property real spacing: 1
    // Beside each title, on either side.
    readonly property real titlePadding: 12
    // The tabs' font and height as the style gives them.
    readonly property TabButton styled: TabButton {}

    readonly property var titleWidths: {
        // Read here so that another font measures the titles anew.
        metrics.font;
        return titles.map(title => Math.ceil(metrics.advanceWidth(title)) + 2 * titlePadding);
    }
    readonly property real titlesWidth: titleWidths.reduce((sum, width) => sum + width, 0)
    readonly property real gaps: Math.max(0, titles.length - 1) * spacing
    readonly property real room: Math.max(0, width - gaps)
    readonly property var tabWidths: titlesWidth <= room
                                     ? titleWidths.map(width => width + (room - titlesWidth) / titles.length)
                                     : titleWidths.map(width => width * room / titlesWidth)
    readonly property var tabPlaces: tabWidths.map((width, index) => tabWidths.slice(0, index).reduce(
                                                       (sum, before) => sum + before + spacing, 0))

    // What the titles need, not what the tabs are given: the bar's own width
    // must not follow the widths it hands out.
    implicitWidth: titlesWidth + gaps
    implicitHeight: styled.implicitHeight

    FontMetrics {
        id: metrics
        font: bar.styled.font
    }

    Repeater {
        model: bar.titles

        TabButton {
            id: tab

            text: modelData
            font: bar.styled.font
            leftPadding: bar.titlePadding
            rightPadding: bar.titlePadding
            x: bar.tabPlaces[index]
            width: bar.tabWidths[index]
            height: bar.height
            // Chosen through the bar, so that the bar and the tabs never disagree.
            checkable: false
            checked: index === bar.currentIndex
            onClicked: bar.currentIndex = index

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

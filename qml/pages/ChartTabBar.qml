import QtQuick 2.15
import QtQuick.Controls 2.15

// Tabs whose titles read whole: each tab takes the width of its title and the
// tabs share what is left. A bar too narrow for every title gives each tab its
// part of the room and draws its title smaller.
//
// The widths follow from the titles, the font and the room alone, measured
// here rather than read from the tabs: the tabs' own sizes change while they
// are created and laid out, and widths taken from them then depended on the
// order that happened in, leaving tabs beyond the bar's end.
TabBar {
    id: bar

    property var titles: []
    // Beside each title, on either side.
    readonly property real titlePadding: 12

    readonly property var titleWidths: {
        // Read here so that another font measures the titles anew.
        metrics.font;
        return titles.map(title => Math.ceil(metrics.advanceWidth(title)) + 2 * titlePadding);
    }
    readonly property real titlesWidth: titleWidths.reduce((sum, width) => sum + width, 0)
    readonly property real gaps: Math.max(0, titles.length - 1) * spacing
    readonly property real room: Math.max(0, availableWidth - gaps)

    // What the titles need, not what the tabs are given: the bar's own width
    // must not follow the widths it hands out.
    contentWidth: titlesWidth + gaps

    FontMetrics {
        id: metrics
        font: bar.font
    }

    Repeater {
        model: bar.titles

        TabButton {
            id: tab

            readonly property real titleWidth: bar.titleWidths[index]

            text: modelData
            font: bar.font
            leftPadding: bar.titlePadding
            rightPadding: bar.titlePadding
            width: bar.titlesWidth <= bar.room ? titleWidth + (bar.room - bar.titlesWidth) / bar.titles.length
                                               : titleWidth * bar.room / bar.titlesWidth

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

import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/core/qml/controls"

// A scrolled area whose bars never lie over what it shows: each bar has a strip
// of its own beside (or below) the content, and the content is cut where the
// area ends, not where the strips end. The vertical bar's strip stays reserved,
// since a width that followed the bar would tie the content's width to its height.
ScrollView {
    id: view

    clip: true
    // Content taller than the area shows its bar from the start, not only once scrolled.
    // Otherwise it is off, not as needed: the style fades out a bar that was on, as while
    // the page is first laid out, only seconds later.
    ScrollBar.vertical.policy: contentHeight > availableHeight ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
    // The area asks for no room of its own: the room a page is given must not follow the
    // content it lays out to that room, or the two go round in circles.
    implicitWidth: 0
    rightPadding: ScrollBar.vertical.width
    bottomPadding: ScrollBar.horizontal.policy !== ScrollBar.AlwaysOff && contentWidth > availableWidth
                   ? ScrollBar.horizontal.height : 0

    // The area takes a press on its empty space to start a flick, and so keeps it from
    // the page's own handler behind it. Its content may be narrower or shorter than the
    // area: the handler spans the whole area, below the content.
    Item {
        parent: view.contentItem
        anchors.fill: parent
        z: -1

        EditEndingTapHandler {
            scope: view
        }
    }

    Binding {
        target: view.contentItem
        property: "clip"
        value: true
    }
}

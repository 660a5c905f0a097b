import QtQuick 2.15
import QtQuick.Controls 2.15

// A scrolled area whose bars never lie over what it shows: while the content is
// taller (or wider) than the area, its bar has a strip of its own beside (or below)
// it, and the content is cut where the area ends, not where the strips end.
ScrollView {
    id: view

    clip: true
    rightPadding: ScrollBar.vertical.policy !== ScrollBar.AlwaysOff && contentHeight > availableHeight
                  ? ScrollBar.vertical.width : 0
    bottomPadding: ScrollBar.horizontal.policy !== ScrollBar.AlwaysOff && contentWidth > availableWidth
                   ? ScrollBar.horizontal.height : 0

    Binding {
        target: view.contentItem
        property: "clip"
        value: true
    }
}

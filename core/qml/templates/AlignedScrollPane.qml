import QtQuick 2.15
import QtQuick.Controls 2.15

// A scrollable area that centres its content horizontally while the content is
// narrower than the area.
Flickable {
    id: pane

    default property alias content: holder.data
    property int contentImplicitWidth: holder.childrenRect.width

    clip: true
    contentWidth: Math.max(width, contentImplicitWidth)
    contentHeight: holder.childrenRect.height
    boundsBehavior: Flickable.StopAtBounds

    ScrollBar.vertical: ScrollBar { }
    ScrollBar.horizontal: ScrollBar { }

    Item {
        id: holder
        x: Math.max(0, (pane.width - pane.contentImplicitWidth) / 2)
        width: pane.contentImplicitWidth
        height: childrenRect.height
    }
}

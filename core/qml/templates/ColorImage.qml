import QtQuick 2.15
import "../controls"

// An image (an icon) painted in one colour.
Item {
    id: image

    property alias source: picture.source
    property color color: Color.textHighEmphasis
    property alias sourceSize: picture.sourceSize
    property alias fillMode: picture.fillMode

    implicitWidth: picture.implicitWidth
    implicitHeight: picture.implicitHeight

    Image {
        id: picture
        anchors.fill: parent
        sourceSize.width: image.width > 0 ? image.width : undefined
        sourceSize.height: image.height > 0 ? image.height : undefined
        fillMode: Image.PreserveAspectFit
        visible: false
    }

    Effect {
        anchors.fill: parent
        source: picture
        color: image.color
        visible: picture.status === Image.Ready
    }
}

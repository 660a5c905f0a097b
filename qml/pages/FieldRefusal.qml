import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/core/qml/controls"

// Why a field did not take what was typed, below the field, as the check tables give it.
Label {
    visible: text !== ""
    // The reason quotes what was typed, which is no markup.
    textFormat: Text.PlainText
    color: Color.errorBackground
    font.pixelSize: 11
    wrapMode: Text.Wrap
}

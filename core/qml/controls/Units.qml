pragma Singleton
import QtQuick 2.15

QtObject {
    readonly property string secondsUnit: qsTr("s")
    readonly property string resistanceUnit: qsTr("\u2126")
    readonly property string decibelUnit: qsTr("dB")
    readonly property string frequencyUnit: qsTr("Hz")
}

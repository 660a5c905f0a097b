import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../controls"

// A button beside the status of what it does (a MeasureEnums.MeasureStatus).
RowLayout {
    id: row

    property alias text: button.text
    property alias button: button
    property var status

    signal clicked()

    spacing: 6

    Button {
        id: button
        onClicked: row.clicked()
    }

    NoltMeasureCheckmark {
        status: row.status
    }
}

import QtQuick 2.15
import QtQuick.Layouts 1.15
import "qrc:/core/qml/controls"

// The results of every port of one fixture connection.
ColumnLayout {
    id: results

    // A VNAFixtureConnection.
    property var connection
    // The MeasureEnums.MeasureStatus of the measurement that filled them.
    property var status

    spacing: 8

    Repeater {
        model: results.connection ? results.connection.measureData : 0

        PortMeasureDataPane {
            objectName: "portPane"
            fixturePort: model.value
            status: results.status
        }
    }
}

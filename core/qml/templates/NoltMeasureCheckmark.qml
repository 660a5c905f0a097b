import QtQuick 2.15
import CoreMeasureEnums 1.0
import MeasureEnums 1.0
import "../controls"

// The verdict marker of a measured standard or step: nothing until measured,
// a check mark when measured, an error mark (with a hint) when it failed.
NoltWarning {
    // A MeasureEnums.MeasureStatus, or undefined.
    property var status

    visible: status !== undefined && status !== null && status !== MeasureEnums.MeasureStatus.NONE
    type: status === MeasureEnums.MeasureStatus.MEASURED ? CoreMeasureEnums.RecommendedResult.Correct
                                                        : CoreMeasureEnums.RecommendedResult.Error
    enableHover: isError
    toolTip.description: qsTr("Refer to the notification panel for details")
}

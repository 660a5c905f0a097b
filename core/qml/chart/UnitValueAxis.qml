import QtCharts 2.3

// A chart value axis that knows the unit of its values.
ValueAxis {
    property string unit: ""
}

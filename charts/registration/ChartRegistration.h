#pragma once

// Makes the chart library available to the declarative interface as the module
// "com.orlix.chart" 1.0: the trace, the chart item, the three grids, the
// enumerations of the grid layout and the trace format, and the NiceLabels
// singleton. Called at start-up before the engine loads the interface; later
// calls change nothing.
void registerChartQmlTypes();

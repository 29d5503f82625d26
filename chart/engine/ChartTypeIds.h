// The type ids of chart components: every component carries one, the chart finds the n-th component of
// a type with it (the views ask for displays), and CreateComponent makes a component from it. The ids
// are also string-resource ids: the names the editing dialogs show for each kind.
#pragma once

enum ChartTypeId : int {
    chartTypeComponent = 53526,        // DEDizedComponent, a plain component
    chartTypeBackground = 53527,       // DEDizedBackground
    chartTypeDisplay = 53528,          // SRGDisplayBase, DEDizedDisplay
    chartTypeTitle = 53529,            // DEDizedTitle, DEDizedTitleResizeable
    chartTypeLegend = 53530,           // DEDizedLegend
    chartTypeLabel = 53531,            // DEDizedLabel
    chartTypeLabelBlock = 53532,       // DEDizedLabelBlock
    chartTypeTextPanel = 53533,        // SRGTextPanel
    chartTypeDataWatcher = 53534,      // SRGDataWatcher
    chartTypeCompound = 53535,         // SRGCompoundComponent
    chartTypeCompoundDisplay = 53537,  // SRGCompoundDisplay
    chartTypeAxisManager = 53538,      // SRGAxisManager
    chartTypeGridLines = 53539,        // SRGGridLines
    chartTypeTickMarks = 53540,        // SRGTickMarks
    chartTypeDecimalScale = 53541,     // SRGDecimalScale, SRGLogScale
    chartTypeIndexScale = 53543,       // SRGIndexScale
    chartTypeGroupScale = 53544,       // SRGGroupScale
    chartTypeDateScale = 53545,        // SRGDateScale
};

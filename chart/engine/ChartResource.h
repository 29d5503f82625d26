// Resource ids of the chart engine: the messages of its exceptions and of its own failures, and its
// bitmaps.
// The resources are in chart.rc, which the program (and every test program of the chart) links. Plain
// #defines, so that the resource compiler reads this file too.
#pragma once

// Messages of the chart exception codes (DEDizedException.h maps codes to these).
#define IDS_CHART_ERR_TEXT_IMPORT_DYNAMIC 53512
#define IDS_CHART_ERR_NO_SERIES_STORAGE 53513
#define IDS_CHART_ERR_SERIES_TYPE 53514
#define IDS_CHART_ERR_CODE_16 53515
#define IDS_CHART_ERR_LABEL_PLACEMENT 53516
#define IDS_CHART_ERR_UNKNOWN 53517
#define IDS_CHART_ERR_CODE_20 53518
#define IDS_CHART_ERR_PRECONDITION 53519
#define IDS_CHART_ERR_POLYGON 53520
#define IDS_CHART_ERR_DRAW 53521
#define IDS_CHART_ERR_SCALE_LABELS 53522
#define IDS_CHART_ERR_ODD_COUNT 53523
#define IDS_CHART_ERR_RANGE_SCAN 53524
#define IDS_CHART_ERR_NOT_DYNAMIC 53560
#define IDS_CHART_ERR_NO_GROUP 53561
#define IDS_CHART_ERR_NO_ITEM 53562
#define IDS_CHART_ERR_CODE_4 53563
#define IDS_CHART_ERR_VALUE_TYPE 53564
#define IDS_CHART_ERR_TEMPLATE_COMMON 53565
#define IDS_CHART_ERR_TEMPLATE_FILL 53566
#define IDS_CHART_ERR_TEMPLATE_TEXT 53567
#define IDS_CHART_ERR_TEMPLATE_LEGEND 53511
#define IDS_CHART_ERR_TEMPLATE_DISPLAY 53568
#define IDS_CHART_ERR_TEMPLATE_KEYWORD 53569
#define IDS_CHART_ERR_CODE_14 53570

// The pattern that darkens the shadow of a component: an 8 by 8 bitmap, ANDed onto what lies below.
#define IDB_CHART_SHADOW 21561
// Drawn centred in the plot of a display that has nothing to draw (when its style asks for it).
#define IDB_CHART_PLACEHOLDER 21560
// Shown by an image fill whose file cannot be read.
#define IDB_CHART_MISSING_IMAGE 21609

// The patterns that shade the top face (ORed on) and the side face (ANDed on) of three-dimensional
// bars: 8 by 8 bitmaps.
#define IDB_CHART_BAR_TOP 21558
#define IDB_CHART_BAR_SIDE 21559

// The names of the eight stock widgets of data points, for palette indexes 0 to 7: stock shapes or
// polygons of the resource type "WIGETS".
#define IDS_CHART_WIDGET_FIRST 53546

// The names of the component kinds: the string of a component's type id (ChartTypeIds.h), 53526 to
// 53545, which the editing dialogs show.
#define IDS_CHART_TYPE_NAME_FIRST 53526
// The edit dialog's tree: the components folder, a group, an item, a value ("%s [%g]"). They stand
// here, in the engine's script, because their ids share its string blocks.
#define IDS_CHART_TREE_COMPONENTS 53554
#define IDS_CHART_TREE_GROUP 53555
#define IDS_CHART_TREE_ITEM 53556
#define IDS_CHART_TREE_VALUE 53557
// The caption of the chart wizard (SRGWizSheet), which the chart views give it; here for the same
// reason.
#define IDS_CHART_WIZARD_CAPTION 53559

// The chart's own messages.
#define IDS_CHART_TEMPLATE_LINE_ERROR 21601
#define IDS_CHART_TEMPLATE_UNREADABLE 21602
#define IDS_CHART_TEMPLATE_LOCK 21603
#define IDS_CHART_SERIES_NO_MEMORY 21604
#define IDS_CHART_SERIES_NO_MEMORY_GROW 21605
#define IDS_CHART_SERIES_NO_MEMORY_RANGES 21606
#define IDS_CHART_UNNAMED_ITEM 21608

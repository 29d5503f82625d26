// Resource ids of the chart views: their commands, the page set-up dialog and the zoom question, and
// their messages. The resources are in views.rc, which the program (and every test program of the
// views) links. Plain #defines, so that the resource compiler reads this file too.
#pragma once

// Commands of the chart view (DEDizedView). Copy, Print and Print Preview use the framework's ids.
#define ID_CHART_UNDO_ZOOM_ALL 53500
#define ID_CHART_EDIT 53505
#define ID_CHART_UNDO_ZOOM 53506
#define ID_CHART_PAGE_SETUP 53507
#define ID_CHART_WIZARD 53508
#define ID_CHART_EXPORT_BMP 53509
#define ID_CHART_EXPORT_JPEG 53510

// The page set-up dialog (PageSetup): the vertical placement's three radio buttons, the horizontal
// placement's three, the use-page-size check box and the paper combo box.
#define IDD_CHART_PAGE_SETUP 21563
#define IDC_CHART_VERTICAL_FIRST 21502
#define IDC_CHART_HORIZONTAL_FIRST 21505
#define IDC_CHART_USE_PAGE_SIZE 21508
#define IDC_CHART_PAPER 21509

// The zoom question (CSelectQuery): what a zoom narrows, three radio buttons.
#define IDD_CHART_SELECT_QUERY 21564
#define IDC_CHART_QUERY_FIRST 21520

// The names of the ten paper sizes of the page set-up, in the order of the paper index.
#define IDS_CHART_PAPER_FIRST 21700
// Export failures.
#define IDS_CHART_BMP_FAILED 21710
#define IDS_CHART_JPEG_FAILED 21711
#define IDS_CHART_EXPORT_WRITE_FAILED 21712

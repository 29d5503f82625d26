// DEDizedView: the view of a chart document (CGraphDoc). It draws the document's chart in its client
// area and lets the user work with it as every chart view does (ChartViewCore.h: tips, value drag,
// zoom, Copy, printing, page set-up, the edit dialog, the wizard, the exports).
//
// Printing: with the use-page-size flag set the chart prints into a fixed rectangle of the paper's
// size; OnEndPrinting drops the fixed rectangle again (its flag and placement cleared) and repaints.
#pragma once

#include "chart/views/ChartViewCore.h"

class DEDizedView : public ChartViewCore<CView> {
    DECLARE_DYNCREATE(DEDizedView)
    DECLARE_MESSAGE_MAP()
public:
    DEDizedView();
    ~DEDizedView() override;

protected:
    // With the use-page-size flag: the chart's fixed rectangle becomes the paper's size on pDC, placed
    // by the placement choices.
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    // The chart's fixed rectangle is dropped (its flag and placement cleared), every component marked
    // for redraw, and the window repainted.
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
};

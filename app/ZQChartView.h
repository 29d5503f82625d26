// CZQChartView: the view of a marginal value chart, the chart view with zoom off and the drag tip on.
// A breakpoint is changed by dragging its point up or down; while it is held, its allowed range shows
// as a bar under it (CZQDEDizedDisplay).
//
// Drag end (the release of the left button after a point was dragged): the chart's values go into the
// Solver's record of the criterion (gain criteria in chart order, the others reversed). When the
// dragged point is the function's top point (its last breakpoint) and there are n > 1 criteria, every
// other criterion's top value moves by (old - new) / (n - 1) the other way, so that the top values
// keep their sum. The Solver then tests the functions (its admissibility test, with the application's
// preserve-Kendall flag). Admissible functions are accepted: copied into the project's value
// functions. Otherwise the records go back to the project's value functions and 50 halvings between
// the last admissible value and the dragged one find the admissible value nearest to the dragged one;
// each admissible trial is accepted. The records then hold the accepted functions; the comparison
// matrix, the preference-graph page and the ranking chart are refreshed through the project, in this
// order, without solving again; the Solver's best Kendall value takes its current one when that is
// greater, and the current one ("%.3f") goes to the status text; the project's bounds table is filled
// anew from the accepted functions (the range of every breakpoint, searched as the drag was); every
// chart shows the accepted functions with their ranges. The functions-edited flag is then set (as it is by a release that held no point).
//
// A drag end that finds no Solver with results (after a refused or inconsistent re-solve), no record
// of the chart's criterion, value functions that do not match the Solver's records, or a chart whose
// item count is not its record's breakpoint count writes nothing: the chart shows the project's value
// functions again and only the chart view's own button-up handling runs (the functions-edited flag
// stays as it was).
//
// A point counts as held only once a value drag is under way: the chart view's pick (made at the
// button press) is taken when a drag resolves the mouse point, never by a tip's hit test.
//
// The view keeps the application's charts-open flag: set when it is first shown, cleared when its
// window goes unless another chart document is left.
#pragma once

#include <windows.h>

#include "chart/views/DEDizedView.h"

class CZQApp;
class CZQChartDoc;

class CZQChartView : public DEDizedView {
    DECLARE_DYNCREATE(CZQChartView)
    DECLARE_MESSAGE_MAP()
public:
    // The number of halvings that pull an inadmissible value back.
    static constexpr int kHalvings = 50;

    // Zoom off, drag tip on, no point held.
    CZQChartView();
    ~CZQChartView() override;

    // The base's initial update; then the charts-open flag.
    void OnInitialUpdate() override;
    // While a point is held, its range is taken from the bounds table first; then the chart is drawn.
    void OnDraw(CDC* pDC) override;
    // The base's hit test; during a value drag the held point becomes the base's pick.
    DEDizedPosition* HitTest(DEDized* pChart, int x, int y) override;

    // The chart document; null when the view has another.
    CZQChartDoc* GetChartDocument() const;
    // The held point's chart item; -1 while none is held.
    int GetHeldIndex() const { return m_nHeldIndex; }

protected:
    // The drag end (see the top of this file).
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    // Clears the charts-open flag unless another chart document is left, then the base's handling.
    afx_msg void OnDestroy();

    // Writes the chart's values into the Solver and accepts the nearest admissible functions (see the
    // top of this file) for the held item nItem. FALSE, writing nothing, when the Solver, its records,
    // the project's value functions or the chart do not go together.
    BOOL AcceptDraggedValue(CZQApp& app, CZQChartDoc& document, int nItem);

    int m_nHeldIndex; // the picked item index: the chart item of the held point, -1 when none
};

// CZQRankingChartView: the view of the ranking chart window. It shows the project's final ranking
// (CZQInterfaceData::RankingRows, [name, utility text] sorted by ascending utility) as horizontal bars
// on a scale from 0 to 1 cut into ten boxes, the best alternative (the last row) at the top. The
// chart shows the ranking it took from the project at its first update and at each Redraw (the
// project's refresh after a solve or a change of the value functions): the rows and, from the
// project's Solver then, which of them belong to the reference ranking; a project without a Solver
// with results has no ranking to show. So it goes on showing the last whole ranking while a solve
// works on another Solver, while the solve's messages show, after a solve that found no results and
// while a refresh rebuilds the rows.
//
// Drawing, in pixels of the text mapping mode (on a printer in units of a screen pixel's size on paper,
// see ScaleForPrinting), with N the width of the names' column: 9m, m the length of the longest name,
// but at least the widest name's width and 5, so that no name touches its bar:
// - the names start at x = 10 and the bars at x0 = N + 10; the drawing is x0 + 200 wide and
//   20 * rows + 50 high (the scroll sizes follow it at every paint; a scroll arrow moves one row, or
//   across a character of the names, a page click the whole rows the window shows, or its width);
// - the drawing width W is the client area's right edge, or on a printer the right edge of the page
//   kept by OnPrepareDC; the box width is u = (max(W, x0 + 200) - x0) / 11 in integers;
// - the labels "0.0" to "1.0" stand at y = 5 and x = N + 2uk (k = 0..5);
// - the rows go from y = 30 downwards, 20 pixels apart: the name at (10, y), ten boxes from
//   (x0 + ui, y - 5) to (x0 + ui + u + 1, y + 16), and the bar filled from (x0, y) to
//   (x0 + L + 1, y + 11), L = utility * 10u truncated;
// - the bar is red (0x0000FF) for an alternative of the reference ranking, else blue (0xFF0000): the
//   first record of that name in the Solver the ranking was taken with decides, and a name without a
//   record is blue.
// Nothing is drawn without rows. On the screen the names are in 11-point "Courier"; on a printer in
// "Arial" of 120780 / (width of the kept page) tenths of a point (PrintFontSize).
//
// The view keeps the application's ranking-chart-open flag: set by its first update, cleared when its
// window goes.
//
// Print and Print Preview (57607, 57608, 57609) go through the class library's print loop: one page,
// drawn as the screen shows it, the bars across the page's width.
#pragma once

#include <windows.h>

#include "win/Win.h"

#include <vector>

class CZQRankingChartView : public CScrollView {
    DECLARE_DYNCREATE(CZQRankingChartView)
    DECLARE_MESSAGE_MAP()
public:
    CZQRankingChartView();
    ~CZQRankingChartView() override;

    // The base's initial update; scroll sizes 100 by 100 in the text mapping mode; the project's
    // ranking taken; the ranking-chart-open flag set.
    void OnInitialUpdate() override;
    // Draws the chart (see the top of this file).
    void OnDraw(CDC* pDC) override;
    // The base's preparation; with print information, keeps its drawing rectangle (m_rectPrint): on a
    // printer, after ScaleForPrinting, in the units drawn in.
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    // Gives a printer's DC the units the chart is drawn in: a printer's pixels are far smaller than
    // the screen's, and the rows, 20 units apart, would make a strip along the top of the sheet. One
    // unit is a screen pixel's size on paper; when the chart, nChartHeight units high, would not fit
    // the page's height of nPageHeight device pixels, the units shrink (as much across as down) until
    // it does. Nothing changes for a device or a page without size.
    static void ScaleForPrinting(CDC* pDC, int nPageHeight, int nChartHeight);

    // Takes the project's ranking (see the top of this file) and redraws the window at once
    // (invalidated, erased and updated).
    void Redraw();

    // The printed names' size in tenths of a point for a kept page nPrintWidth units wide:
    // 120780 / nPrintWidth, or the screen's 110 when the width is 0 or less.
    static int PrintFontSize(int nPrintWidth);

    CFont m_font;      // the names' and labels' font of the last paint
    CRect m_rectPrint; // the drawing rectangle of the last printing preparation (empty before one)

    // One row of the ranking shown: the alternative's name, its utility's text and whether it belongs
    // to the reference ranking.
    struct Bar {
        CString name;
        CString utility;
        bool reference;
    };

protected:
    // The class library's standard preparation (the print dialog).
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    // Nothing.
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

    // Clears the ranking-chart-open flag, then the base's handling.
    afx_msg void OnDestroy();

private:
    // Replaces m_bars with the project's ranking (none without a Solver with results).
    void TakeRanking();

    std::vector<Bar> m_bars; // the ranking shown, in the project's order (the best last)
};

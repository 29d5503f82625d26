// SRGScrollView: a chart view that scrolls: its scroll area is the chart's fixed drawing rectangle, so a
// chart larger than the window can be viewed and worked with. It does all a chart view does
// (ChartViewCore.h), with the mouse positions moved by the scroll position into the chart's
// coordinates, and these differences:
// - OnInitialUpdate: a chart with a fixed rectangle scrolls over its size; a chart without one gets the
//   fixed rectangle (0, 0, 1024, 768), and the view scrolls over that.
// - A zoom band starts only where the press lies in a display of the chart.
// - Copy puts the whole scroll area on the clipboard, not only what the window shows.
// - Printing keeps the chart's fixed rectangle and its alignment and puts them back at the end of the
//   job (OnEndPrinting), whatever the page size made of them; a chart that had none has none again.
// - The palette messages invalidate the whole window after the palette is realised.
//
// SREScrollView: a scrolling chart view that shows a chart it is given (SetChart) rather than its
// document's, finds the component under a point, prints through the page set-up once
// (PrintWithPageSetup), and names its print job after its parent window ("No name document" without
// one). A mouse click activates it at once, without the frame's handling of views. Its window is made
// without a palette (its chart comes later). With the own-deletion flag set the object deletes itself
// when its window is destroyed; by default its owner deletes it.
#pragma once

#include "chart/views/ChartViewCore.h"

class DEDizedComponent;

class SRGScrollView : public ChartViewCore<CScrollView> {
    DECLARE_DYNCREATE(SRGScrollView)
    DECLARE_MESSAGE_MAP()
public:
    // The drawing rectangle a chart without a fixed one gets.
    static constexpr int kDefaultWidth = 1024;
    static constexpr int kDefaultHeight = 768;

    SRGScrollView();
    ~SRGScrollView() override;

    // The base's update, then the scroll sizes from the chart's fixed rectangle (see the top of this
    // file).
    void OnInitialUpdate() override;

protected:
    // Keeps the chart's fixed rectangle and alignment, then applies the page size.
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    // Puts back what OnBeginPrinting kept (or clears the fixed rectangle), marks every component for
    // redraw and repaints.
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    // Only on a display of the chart.
    BOOL BandStartsAt(DEDized* pChart, CPoint point) override;
    // The whole scroll area.
    CSize GetCopySize() override;

    afx_msg BOOL OnQueryNewPalette();
    afx_msg void OnPaletteChanged(CWnd* pFocusWnd);

    CRect m_rcSavedFixed;     // the chart's fixed rectangle while printing
    int m_bSavedFixed;        // it had one
    int m_nSavedAlignment;    // and its alignment
};

class SREScrollView : public SRGScrollView {
    DECLARE_DYNCREATE(SREScrollView)
    DECLARE_MESSAGE_MAP()
public:
    // The print job's name without a parent window.
    static const char kNoNameDocument[];

    // No chart, not deleting itself.
    SREScrollView();
    ~SREScrollView() override;

    // The chart shown (not owned; may be null: nothing is drawn).
    DEDized* GetGraph() override;
    void SetChart(DEDized* pChart);
    // The last component of the chart, in drawing order, whose rectangle (as the component gives it for
    // a DC of this window) holds the chart point (x, y); null when none does or there is no chart.
    virtual DEDizedComponent* HitComponent(int x, int y);
    // The page set-up dialog filled from the view; on OK the view prints with the dialog's four values,
    // and its own come back afterwards.
    virtual void PrintWithPageSetup();

    // The own-deletion flag (see the top of this file).
    void SetAutoDelete(int bAutoDelete) { m_bAutoDelete = bAutoDelete; }
    int GetAutoDelete() const { return m_bAutoDelete; }

protected:
    // The parent window's title, or kNoNameDocument.
    CString GetPrintJobName() override;
    // Deletes the object only with the own-deletion flag.
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);

    DEDized* m_pChart;
    int m_bAutoDelete;
};

// CScrollView: a view whose drawing is larger than its window and scrolls.
//
// SetScrollSizes gives the mapping mode (MM_TEXT, MM_LOMETRIC, MM_HIMETRIC, MM_LOENGLISH,
// MM_HIENGLISH or MM_TWIPS) and, in its logical units, the total size of the drawing, the page
// (scroll-bar page clicks; sizeDefault: a tenth of the total) and the line (arrow clicks;
// sizeDefault: a tenth of the page). Sizes are kept in device pixels too (their absolute values: the
// metric and English modes count y upwards). A scroll bar shows only while the window is smaller than
// the drawing in that direction; the scroll position stays within the drawing.
//
// OnPrepareDC sets the mapping mode and, on the screen, moves the viewport origin to minus the scroll
// position, so OnDraw draws in the drawing's own coordinates; a printing DC keeps the origin at 0, 0.
// GetScrollPosition answers in logical units (in the metric and English modes a scrolled-down view
// has a negative y); GetDeviceScrollPosition in pixels.
//
// The mouse wheel scrolls down and up by the lines (or pages) a notch scrolls as the system is set
// (CWheelTurns), in lines of the view's line size; a view whose drawing is only wider than its window
// scrolls across instead. A view with nothing to scroll passes the wheel on to its parent.
//
// Not done yet: centring a drawing smaller than the window, scale-to-fit.
#pragma once

#include "win/CView.h"
#include "win/CWheelTurns.h"

class CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)
    DECLARE_MESSAGE_MAP()
public:
    ~CScrollView() override;

    // The "use the default" page and line size (0, 0).
    static const CSize sizeDefault;

    // See the top of this file. An unsupported mapping mode or a negative size is refused with
    // CInvalidArgException.
    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    // The mapping mode and the sizes in pixels (total, page, line).
    void GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const;
    // The total size in logical units (as given to SetScrollSizes).
    CSize GetTotalSize() const;
    // The scroll position (top-left corner shown) in logical units / in pixels.
    CPoint GetScrollPosition() const;
    CPoint GetDeviceScrollPosition() const;
    // Scrolls so that the logical point pt is at the top left (within the drawing's limits).
    void ScrollToPosition(POINT pt);

    // Sets the mapping mode and the viewport origin (see the top of this file); pDC not null.
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;

protected:
    CScrollView();

    // Shows, hides and sets the scroll bars for the window's present size.
    void UpdateBars();
    // Scrolls to the device point (within limits), moving the window's content.
    void ScrollToDevicePosition(POINT ptDev);
    // The logical size given in device pixels for the view's mapping mode (absolute values).
    CSize ToDevice(SIZE sizeLogical) const;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    // Scrolls for the wheel's turn (see the top of this file); TRUE when the view scrolled.
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    // Scrolls one bar (SB_HORZ or SB_VERT) for the scroll code.
    void OnScroll(int nBar, UINT nSBCode);

    struct CScrollViewState {
        int nMapMode = 0;       // 0 until SetScrollSizes
        CSize totalLog;         // total size, logical units
        CSize totalDev;         // total, page and line sizes in pixels
        CSize pageDev;
        CSize lineDev;
        BOOL bInUpdateBars = FALSE;
        CWheelTurns wheel;
    } m_scrollState;
};

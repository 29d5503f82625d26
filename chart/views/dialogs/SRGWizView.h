// SRGWizView: the chart wizard's preview (SRGWizSheet). It draws the sheet's working chart into a white
// picture of the preview's size, lets the user pick a component and move or size it with a rectangle
// tracker on a snapping grid, and offers a context menu (IDR_WIZ_PREVIEW_MENU): undo zoom, copy to the
// clipboard, save the layout, end tracking, print through the page set-up, export as BMP or JPEG.
//
// Tracking. Once the four pages are shown, a press with Shift held, or any press while a component is
// tracked, picks the last component (in drawing order) whose rectangle holds the point, selects it in
// the active page's component combo, and tracks it (hatched border, resize handles). Each step of the
// drag is snapped to the grid when snapping is on (SRGRectTracker's kAdjustMessage); each change is
// stored into the component in its own measurement kind and the active page reloaded, and with live
// redraw on the chart is drawn at once (kChangedMessage). A release, or the menu's end tracking, ends
// it. Other presses work as in any scrolling chart view (zoom bands, value drags).
//
// Grid. With the sheet's grid on, every point at a multiple of the grid step inside the preview's size
// is inverted. Snapping rounds a coordinate down to a multiple of the step, or up when the rest is more
// than half a step.
//
// Save layout (ID_WIZ_SAVE_LAYOUT). The file chosen gets, appended at its end, "\n\n" and then for each
// background, display, title and legend in drawing order its kind's name and " 3 border shadow fill
// left top right bottom ", the rectangle in whole per cent of the preview's size (a coordinate below
// zero as -1). A file that cannot be opened shows kFileError.
#pragma once

#include "chart/views/SRGRectTracker.h"
#include "chart/views/SRGScrollView.h"

class DEDizedComponent;
class SRGWizSheet;

class SRGWizView : public SREScrollView {
    DECLARE_DYNAMIC(SRGWizView)
    DECLARE_MESSAGE_MAP()
public:
    static const char kLayoutFilter[];
    static const char kFileError[];

    // The preview of pSheet (not null) showing its working chart.
    explicit SRGWizView(SRGWizSheet* pSheet);
    ~SRGWizView() override;

    // See the top of this file.
    void OnDraw(CDC* pDC) override;

    // The component tracked (null: none).
    DEDizedComponent* GetTracked() const { return m_pTracked; }
    BOOL IsTracking() const { return m_bTracking; }
    SRGRectTracker& GetTracker() { return m_tracker; }
    // Ends tracking and repaints.
    void EndTracking();
    // The coordinate moved to the grid (see the top of this file).
    static int Snap(int nValue, int nStep);
    // The layout line of the chart's main components (see the top of this file), without the leading
    // line ends, for a preview of size and a DC of nDpiX by nDpiY.
    static CString LayoutLine(DEDized& rChart, CSize size, int nDpiX, int nDpiY);
    // Appends the layout to the file at the host path lpszPath; FALSE (after kFileError) when it cannot
    // be opened or written.
    BOOL SaveLayout(LPCSTR lpszPath);
    // The chart on white (Copy, the exports and the painting draw this picture).
    void RenderToBitmap(CDC* pDC, CBitmap* pBitmap) override;

protected:
    // Inverts the grid's points on pDC (chart coordinates).
    void DrawGrid(CDC* pDC);
    // The chart drawn at once, with the tracker and the grid.
    void RedrawNow();
    // The tracker's rectangle (client coordinates) from the tracked component's.
    void PlaceTracker();
    // The tracked component's rectangle from the tracker's, snapped to the grid when bSnap, in the
    // component's measurement kind.
    void StoreTrackerRect(BOOL bSnap);

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnSaveLayout();
    afx_msg void OnEndTracking();
    afx_msg LRESULT OnComponentMoved(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSnapRect(WPARAM wParam, LPARAM lParam);

    SRGWizSheet* m_pSheet;
    DEDizedComponent* m_pTracked;
    SRGRectTracker m_tracker;
    BOOL m_bTracking;
};

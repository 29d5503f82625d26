// CRectTracker: a rectangle the user moves and resizes with the mouse, or draws as a rubber band.
//
// m_rect is in the client coordinates of the window the tracker works in. The style (m_nStyle, any
// combination) says how Draw shows it: solidLine or dottedLine a one-pixel frame on its edge,
// hatchedBorder a hatched band m_nHandleSize - 1 pixels wide outside it, hatchInside its inside hatched,
// resizeInside or resizeOutside square resize handles m_nHandleSize wide (default 6) inside or outside
// its corners and the middles of its sides. A side's middle handle is left out while the side is shorter
// than three handles (GetHandleMask). GetTrueRect is the rectangle with everything Draw puts outside it.
//
// HitTest names what lies under a point: a handle (hitTopLeft 0, hitTopRight 1, hitBottomRight 2,
// hitBottomLeft 3, hitTop 4, hitRight 5, hitBottom 6, hitLeft 7; handles first), hitMiddle (8) inside
// the rectangle, hitNothing (-1) elsewhere. SetCursor shows the matching sizing cursor over a handle
// and the moving cursor inside (the cursor position comes through the services object).
//
// Track starts at the point where the user pressed the button: on a handle the sides of that handle
// follow the mouse, inside the rectangle all of it moves; TrackRubberBand starts an empty rectangle at
// the point and drags its bottom-right corner. Both run the library's modal mouse loop (MouseLoop.h),
// so they also run from messages posted before they start. On each mouse move the sides follow the
// mouse's offset from where the press was; then AdjustRect(handle, &m_rect) may change the proposal
// (snap it to a grid), and when the rectangle changed the feedback frame is redrawn (DrawTrackerRect)
// and OnChangedRect(the rectangle before) is called. Releasing the left button accepts: TRUE, with
// m_rect normalised (left <= right, top <= bottom). Escape, the right button or a lost capture give up:
// FALSE, with m_rect back as it was before the track (OnChangedRect tells when it had moved). With
// bAllowInvert FALSE a moving side stops at the opposite side; with TRUE it may pass it during the drag.
// Tracking normalises m_rect first.
//
// The feedback frame is drawn with CDC::DrawDragRect on a DC of pWndClipTo (when given; else of the
// tracking window): each DrawTrackerRect erases the frame m_rectLast / m_sizeLast it drew last and draws
// the new one; the last call of a track has m_bFinalErase set and only erases. A derived tracker that
// draws its own frame keeps these members the same way.
//
// Not done yet: a minimum size for resizing.
#pragma once

#include "win/CRect.h"

#include <windows.h>

class CDC;
class CWnd;

class CRectTracker {
public:
    enum StyleFlags {
        solidLine = 1,
        dottedLine = 2,
        hatchedBorder = 4,
        resizeInside = 8,
        resizeOutside = 16,
        hatchInside = 32
    };
    enum TrackerHit {
        hitNothing = -1,
        hitTopLeft = 0,
        hitTopRight = 1,
        hitBottomRight = 2,
        hitBottomLeft = 3,
        hitTop = 4,
        hitRight = 5,
        hitBottom = 6,
        hitLeft = 7,
        hitMiddle = 8
    };

    CRectTracker();
    CRectTracker(LPCRECT lpSrcRect, UINT nStyle);
    virtual ~CRectTracker();

    UINT m_nStyle;      // StyleFlags
    CRect m_rect;       // the rectangle, in the tracking window's client coordinates
    int m_nHandleSize;  // the side of a resize handle in pixels

    // Draws the rectangle as its style says (see the top of this file).
    void Draw(CDC* pDC) const;
    // The rectangle with what Draw puts outside it (hatched border, outside handles).
    void GetTrueRect(LPRECT lpTrueRect) const;
    // The handle, hitMiddle or hitNothing under point (client coordinates).
    int HitTest(CPoint point) const;
    // For WM_SETCURSOR: over the rectangle (nHitTest HTCLIENT) shows the cursor of what lies under the
    // mouse and answers TRUE; elsewhere FALSE.
    BOOL SetCursor(CWnd* pWnd, UINT nHitTest) const;
    // Moves or resizes the rectangle from point (see the top of this file). FALSE at once when point
    // hits nothing. pWndClipTo: the window to draw the feedback in (null: pWnd).
    BOOL Track(CWnd* pWnd, CPoint point, BOOL bAllowInvert = FALSE, CWnd* pWndClipTo = nullptr);
    // Draws a new rectangle from point (see the top of this file).
    BOOL TrackRubberBand(CWnd* pWnd, CPoint point, BOOL bAllowInvert = TRUE);

    // Draws the feedback frame of lpRect (pWnd's client coordinates) on pDC, a DC of pWndClipTo (or of
    // pWnd when null), erasing the last one. Base: a one-pixel drag frame.
    virtual void DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd);
    // The mouse moved: lpRect is the proposed rectangle for nHandle; change it as needed. Base: nothing.
    virtual void AdjustRect(int nHandle, LPRECT lpRect);
    // m_rect changed during a track; rectOld is what it was. Base: nothing.
    virtual void OnChangedRect(const CRect& rectOld);
    // The handles Draw and HitTest use: bit n for handle n (see the top of this file).
    virtual UINT GetHandleMask() const;

protected:
    // Tracks handle nHandle (hitMiddle: the whole rectangle) from point: the modal loop of Track and
    // TrackRubberBand.
    BOOL TrackHandle(int nHandle, CWnd* pWnd, CPoint point, CWnd* pWndClipTo);
    // The square of handle nHandle around the normalised rectangle.
    CRect GetHandleRect(int nHandle) const;

    BOOL m_bAllowInvert; // sides may pass each other during the track
    CRect m_rectLast;    // the feedback frame drawn last
    CSize m_sizeLast;    // and its thickness (0: none drawn)
    BOOL m_bFinalErase;  // the last DrawTrackerRect of a track: erase only
};

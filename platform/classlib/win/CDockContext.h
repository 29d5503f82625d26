// CDockContext: the object each docking bar owns (CControlBar::EnableDocking makes it) that runs the
// drag by which the user moves the bar, docking it where it is dropped or floating it, and that toggles
// the bar between docked and floating.
//
// Drag (StartDrag, from a press in the bar or on its floating frame's caption; nothing happens while
// any window holds the mouse capture). The context keeps four rectangles (screen) that follow the mouse:
// where the bar would lie docked horizontally (m_rectDragHorz) and vertically (m_rectDragVert), and
// where its floating frame would go for each orientation (m_rectFrameDrag*). They start at the bar's
// window's top-left corner: a CBRS_SIZE_DYNAMIC bar's with the sizes it calculates for length 0 docked
// horizontally, docked vertically, and floating at its most recently used width; a CBRS_SIZE_FIXED
// bar's with its fixed sizes for each orientation, floating alike; another bar's with its window
// rectangle for its present orientation and its fixed size for the other one, centred across the bar
// on the mouse with the mouse half the bar's thickness into it, floating alike. The floating ones grow
// by the borders of a floating frame with caption and sizing border and shrink by m_sizeDragBorder on
// every side; each rectangle then moves to hold the mouse (its far side m_sizeDragBorder beyond it when
// the mouse lay past it).
//
// Candidate (CanDock, m_dwOverDockStyle: the alignment of the dock bar the bar would dock at, 0 for
// floating): none while Ctrl is held (m_bForceFrame, from the services' key state at the start, then
// from the key messages); otherwise, for the horizontal alignments the bar allows, the top or bottom
// dock bar that both the horizontal and the vertical rectangle meet (CFrameWnd::CanDock), then the
// same for the vertical ones. Shift (m_bFlip) turns the orientation the bar floats in.
//
// Feedback: the focus rectangle is drawn on the desktop with CDC::DrawDragRect, erasing the one drawn
// before: a candidate's docking rectangle as a one-pixel frame of the white stock brush (CalcFocusRect),
// else the floating rectangle of the bar's (flipped) orientation as a halftone frame as thick as a
// sizing border less one. The window updates are locked on the desktop meanwhile (Wine does this only
// in part). When the drag ends the rectangle is erased.
//
// The loop (Track) is the library's modal mouse loop with TrackStep as step: Ctrl and Shift presses and
// releases change the state; otherwise it follows the mouse (AfxFollowMouseStep): a mouse move moves
// the rectangles (Move; Stretch while resizing), releasing the left button ends the drag there, Escape
// or the right button cancel.
//
// Ending a drag (EndDrag) with a candidate docks the bar at that dock bar through the frame
// (CFrameWnd::DockControlBar with the rectangle of the candidate's orientation), noting an edge dock
// bar's id and the rectangle in its client coordinates as the most recently used docking place, and
// lays the frame out; without one the bar floats through the frame at the top-left of the floating
// rectangle less m_sizeDragBorder, with the top alignment (a CBRS_SIZE_DYNAMIC bar, or one whose flipped
// orientation is horizontal; else the left alignment) and the CBRS_FLOAT_MULTI the bar allows, noted as
// the most recently used floating position and style. A cancelled drag changes nothing.
//
// ToggleDocking (double click): a floating bar that may dock somewhere is docked back (the frame's
// ReDockControlBar) into the most recently used dock bar (by id; else the dock bar keeping its place)
// at the most recently used docking rectangle; a docked bar floats at the most recently used floating
// position, or at the top-left of its docking rectangle when it never floated (of its window when it
// has none), with the most recently used floating style.
//
// The context works with the frame the bar was made in (its dock site). Resizing floating bars is left
// to derived contexts (the toolkit's): the loop calls Stretch and EndResize while m_bDragging is FALSE,
// which do nothing here.
#pragma once

#include "win/MouseLoop.h"

#include <memory>

class CControlBar;
class CDockBar;
class CFrameWnd;

class CDockContext {
public:
    // The context of pBar (not null), which owns it.
    explicit CDockContext(CControlBar* pBar);
    virtual ~CDockContext();
    CDockContext(const CDockContext&) = delete;
    CDockContext& operator=(const CDockContext&) = delete;

    // ---- state of a drag (see the top of this file) ---------------------------------------------------

    CPoint m_ptLast;           // the mouse's last position (screen)
    CRect m_rectLast;          // the focus rectangle drawn last and its frame's thickness
    CSize m_sizeLast;
    BOOL m_bDitherLast;        // it was the halftone (floating) frame
    CRect m_rectDragHorz;      // the bar docked horizontally / vertically (screen)
    CRect m_rectDragVert;
    CRect m_rectFrameDragHorz; // its floating frame, horizontally / vertically (screen)
    CRect m_rectFrameDragVert;
    CControlBar* m_pBar;       // the bar
    CFrameWnd* m_pDockSite;    // its frame (set when a drag starts)
    DWORD m_dwDockStyle;       // the alignments the bar allows (at the start)
    DWORD m_dwOverDockStyle;   // the candidate's alignment, 0 for floating
    DWORD m_dwStyle;           // the bar's style at the start
    BOOL m_bFlip;              // Shift: the other orientation
    BOOL m_bForceFrame;        // Ctrl: no docking
    CDC* m_pDC;                // the desktop's DC while a loop runs
    BOOL m_bDragging;          // a move runs (not a resize)
    int m_nHitTest;            // the border a resize moves (HTLEFT ... HTBOTTOMRIGHT)

    // ---- most recently used places -------------------------------------------------------------------

    UINT m_uMRUDockID;         // the dock bar it last docked at (0: not known)
    CRect m_rectMRUDockPos;    // its rectangle there, in that dock bar's client coordinates
    DWORD m_dwMRUFloatStyle;   // the style it last floated with (CBRS_ALIGN_TOP at start)
    CPoint m_ptMRUFloatPos;    // and where ((-1, -1): never)

    // ---- operations ---------------------------------------------------------------------------------

    // Runs the drag from point pt (screen) to its end (see the top of this file).
    virtual void StartDrag(CPoint pt);
    // Docks a floating bar back or floats a docked one (see the top of this file).
    virtual void ToggleDocking();
    // One message of the loop; answers what the loop does with it (win/MouseLoop.h).
    AfxLoopStep TrackStep(const MSG& msg);

protected:
    // FALSE while a window holds the mouse capture (no loop starts then), or while the bar has no
    // window or no frame.
    BOOL CanStartLoop() const;
    // Starts a drag (bDragging) or a resize when a loop can start: the frame, the bar's styles, the key
    // state (Ctrl and Shift through the services, for a drag), no candidate, InitLoop. FALSE otherwise.
    BOOL BeginLoop(BOOL bDragging);
    // Locks window updates on the desktop and takes its DC.
    virtual void InitLoop();
    // Erases the focus rectangle, releases the capture, the DC and the lock.
    virtual void CancelLoop();
    // Runs the loop until the drag or resize ends; TRUE when it ended with the left button.
    BOOL Track();
    // Sets the four rectangles for a drag from pt (see the top of this file).
    void CalcDragRects(CPoint pt);
    // Grows rect (a bar's) by the borders of a floating frame with caption and sizing border.
    static void AddFloatingFrameBorders(CRect& rect);
    // The mouse moved to pt while dragging / resizing.
    virtual void Move(CPoint pt);
    virtual void Stretch(CPoint pt);
    // The drag / resize ended with the left button.
    virtual void EndDrag();
    virtual void EndResize();
    // The candidate's alignment (0: floating), with the dock bar in m_pOverDockBar.
    virtual DWORD CanDock();
    // The rectangle to show now, its frame's thickness and whether it is the halftone frame.
    virtual void CalcFocusRect(CRect& rect, CSize& size, BOOL& bDither);
    // Draws the focus rectangle for the state now (bRemoveRect: only erases the last one).
    void DrawFocusRect(BOOL bRemoveRect = FALSE);
    // A key changed *pFlag: the candidate and the focus rectangle follow.
    void UpdateState(BOOL* pFlag, BOOL bNewValue);
    // The orientation the bar has, turned while Shift is held: TRUE horizontal.
    BOOL IsHorzNow() const;
    // The dock bar of the most recently used docking place: by id, else the dock bar keeping the bar's
    // place, else the bar's own (null when none of them is a docked dock bar of the frame).
    CDockBar* GetMRUDockBar() const;
    // The most recently used docking rectangle in screen coordinates (through pDockBar, when given).
    CRect GetMRUDockRect(CDockBar* pDockBar) const;

    CDockBar* m_pOverDockBar;  // the candidate dock bar
    CSize m_sizeDragBorder;    // see the top of this file (0 here)

private:
    std::unique_ptr<CAfxDesktopDC> m_pDesktopDC; // while a loop runs
};

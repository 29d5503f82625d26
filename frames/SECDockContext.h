// SECDockContext: the dock context of the toolkit's bars (SECControlBar::EnableDocking makes it). On top
// of the class library's drag (win/CDockContext.h) it shows the drag's status text, refines the
// docking feedback through the SECDockBar under the mouse, resizes floating bars from their frame's
// border, keeps a bar's row fraction across floating and docking, and floats bars in the main window.
//
// Drag. The status line shows "Press the Ctrl key to prevent docking." (IDS_SEC_PRESSCTRL, through the
// dock site's WM_SETMESSAGESTRING) from the start and the idle prompt (AFX_IDS_IDLEMESSAGE) once the
// loop ends, whatever ended it. The floating rectangles shrink, and lie beyond the mouse, by the
// toolkit border. Candidate: with the bar's orientation (turned by Shift) horizontal and a horizontal
// alignment allowed, the top or bottom dock bar the horizontal rectangle meets; otherwise, with a
// vertical alignment allowed, the left or right dock bar the vertical rectangle meets, counting only
// while the mouse lies inside that dock bar; without an answer and without Shift, the class library's
// cross-check. A bar that floated at the start must move more than 4 pixels (|dx| + |dy|) from where
// the drag began before a candidate counts, both for the feedback and for docking; until then the
// feedback is the floating frame and a release floats the bar there. The docking feedback is the
// SECDockBar's drag rectangle (SECDockBar::CalcDragRect, with the insertion hint and the last
// rectangle and point kept here), one pixel smaller on every side on version 4 and later. A floating
// bar dropped on a dock bar becomes that dock bar's tracked bar. A bar floats at its floating
// rectangle's top-left less the toolkit border (a tool bar, SECCustomToolBar, at the top-left itself).
//
// Resize (StartResize, a press on a floating frame's sizing border, hit codes HTLEFT to
// HTBOTTOMRIGHT): the bar's rectangle starts at its window with its floating size, the frame's around
// it (caption and sizing border, then a pixel or the toolkit border off as the press lies past the
// bar's corner); the frame's extra size is kept. A tool-bar-like bar (not a sizable SECControlBar)
// commits a width for a left or right border, else a height, and its frame rectangle takes the size
// it answers against the fixed side. A sizable bar's left (HTLEFT, HTTOPLEFT, HTBOTTOMLEFT) or right
// border moves with the mouse unless the width would leave [minimum, maximum floating width], in which
// case the edge and the mouse x stay; then the bar commits the floating width; the top or bottom
// border likewise with the height. The minimum floating size is SM_CXMENUSIZE + 2 * (SM_CXFRAME +
// SM_CXBORDER) by SM_CYSMCAPTION + 2 * (SM_CYFRAME + SM_CYBORDER), the maximum SM_CXFULLSCREEN by
// SM_CYFULLSCREEN, read when the context is made. The release commits the size and floats the bar at
// the frame rectangle's top-left less the toolkit border (a tool bar: at the top-left) with
// CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC and the CBRS_FLOAT_MULTI the bar allows; a cancel puts the
// committed sizes back.
//
// ToggleDocking: a docked sizable bar keeps its row fraction as saved fraction before it floats; a
// floating one that may dock gets it back and is docked again (the docking rectangle one pixel wider
// when the bar has CBRS_BORDER_TOP), so that it returns to its row with its share.
//
// ToggleFloatingInMainWindow ("Float In Main Window"): only with a dock site that offers it
// (SECMainWindowDocking), which is marked as switching meanwhile. A bar not in the main window saves
// its fraction, notes whether it floated and floats in the main window at its most recently used
// floating position and style; a bar in the main window that had floated floats again in a floating
// frame there; one that was docked (and may dock) gets its fraction back and docks again at its most
// recently used docking place, and the frame lays out.
#pragma once

#include "win/CDockContext.h"

class CControlBar;

// What the dock context needs of a frame that floats bars as windows of its main window (the docking
// MDI frame offers it).
class SECMainWindowDocking {
public:
    virtual ~SECMainWindowDocking();
    // Floats pBar in the main window at (x, y) (negative: the next cascade position) with dwStyle.
    virtual void FloatControlBarInMainWindow(CControlBar* pBar, int x, int y, DWORD dwStyle) = 0;
    // TRUE while pBar floats in the main window.
    virtual BOOL IsFloatingInMainWindow(const CControlBar* pBar) const = 0;
    // Marks the frame as moving a bar into or out of the main window.
    virtual void SetSwitching(BOOL bSwitching) = 0;
};

class SECDockContext : public CDockContext {
public:
    // The context of pBar (not null), which owns it.
    explicit SECDockContext(CControlBar* pBar);
    ~SECDockContext() override;

    // ---- state (see the top of this file) -------------------------------------------------------------

    CRect m_rectDockCalc;   // the last answer of the dock bar's drag rectangle, and the mouse then
    CPoint m_ptDockCalc;
    CPoint m_ptDragStart;   // where the drag began (screen)
    int m_nInsertHint;      // the dock bar's row of the last answer (-1: none)
    BOOL m_bPrevFloating;   // the bar floated before it went into the main window
    CSize m_sizeMinFloat;   // the floating size limits
    CSize m_sizeMaxFloat;

    // ---- operations ---------------------------------------------------------------------------------

    void StartDrag(CPoint pt) override;
    // Resizes the floating bar from its frame's border nHitTest (HTLEFT ... HTBOTTOMRIGHT), pressed at
    // pt (screen).
    virtual void StartResize(int nHitTest, CPoint pt);
    void ToggleDocking() override;
    virtual void ToggleFloatingInMainWindow();

protected:
    void CancelLoop() override;
    DWORD CanDock() override;
    void CalcFocusRect(CRect& rect, CSize& size, BOOL& bDither) override;
    void EndDrag() override;
    void Stretch(CPoint pt) override;
    void EndResize() override;

    // TRUE when a candidate may count: the bar was docked at the start or moved far enough.
    BOOL MovedEnough() const;
    // What a floating position is moved back by: the toolkit border, nothing for a tool bar.
    CSize FloatCorrection() const;
    // Gives a sizable bar its saved fraction back and docks it again at its most recently used place.
    void ReDockAtMRU();

private:
    CSize m_sizeFrameExtra;   // the frame's size beyond the bar's, while resizing
    CSize m_sizeFloatSaved;   // the committed floating size and width at the resize's start
    int m_nMRUWidthSaved;
};

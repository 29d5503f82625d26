// The auto-scroll plug-in: scrolls the grid while the mouse is held beyond its edge or a key is held
// (CGXGridCore::StartAutoScroll starts it). Its constructor turns the grid's auto-scroll switch on.
//
// It sees the grid window's timer, button-up, key and focus messages before the grid. Every tick of
// timer 992 (10 ms) it reads the tick count and the pointer (the services seam) and scrolls one step
// when the step interval has passed: by the pointer's side of the free area (the grid rectangle
// below and right of the frozen lines), by a held key (keyboard mode, the grid's auto-scroll key) or
// in the grid's fixed direction. Steps come faster the farther the pointer is: the interval falls
// from 80 ms by half of the distance over a divisor each step and, once at 0, the lines per step
// (speed / 10, at least 1) grow up to 8. The pointer moving back towards the grid starts over at the
// slowest rate. Between steps a moved pointer sends the grid a mouse move, so that a drag follows.
#pragma once

#include <windows.h>

#include "grid/engine/GXPlugin.h"
#include "win/CRect.h"

class CGXGridCore;

class CGXAutoScrollPlugin : public CGXPluginComponent {
    DECLARE_DYNAMIC(CGXAutoScrollPlugin)
    DECLARE_MESSAGE_MAP()
public:
    // The plug-in of pGrid (not null, else CInvalidArgException*); sets the grid's auto-scroll switch.
    explicit CGXAutoScrollPlugin(CGXGridCore* pGrid);

    // Kills the timer, gives the fixed direction and keyboard mode up and tells the grid it stopped.
    void StopAutoScroll();

    // The rates a step starts from, and the fastest speed.
    enum { gxInitialInterval = 80, gxMaxSpeed = 80 };

    CGXGridCore* m_pGrid;
    BOOL m_bVertical = FALSE;       // scrolling up and down allowed (copied at the first tick)
    BOOL m_bHorizontal = FALSE;     // left and right
    UINT_PTR m_nTimer = 0;          // the grid's timer while active
    CRect m_rectFree;               // the free area: no scrolling while the pointer is inside
    DWORD m_dwStartTick = 0;        // the tick of the first tick
    DWORD m_dwLastStepTick = 0;     // the tick of the last step
    int m_nInterval = 0;            // milliseconds required between two steps
    int m_nMoveInterval = 0;        // milliseconds between the mouse moves sent between steps
    int m_nSpeed = 0;               // 1..80: lines per step are speed / 10, at least 1
    int m_nLastDistance = 0;        // the pointer's distance from the free area at the last step
    int m_nFixedDirection = -1;     // the direction repeated, or -1: the pointer decides
    UINT m_nKey = 0;                // keyboard mode's key (0: no keyboard mode) and its key data
    UINT m_nKeyData = 0;
    CPoint m_point;                 // the pointer at the last look, in grid client coordinates

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnCancelMode();
    afx_msg void OnKillFocus(CWnd* pNewWnd);

private:
    // The first tick after a start: the grid's settings copied, the rates reset.
    void BeginRun();
    // The pointer in grid client coordinates.
    CPoint PointerPos();
    // A mouse move at the pointer sent to the grid (pointer-driven mode only).
    void SendMouseMove();
    // One due step; the distance and its divisor feed the acceleration.
    void Step();
    // Scrolls nDirection by the lines of the current speed. TRUE when the grid scrolled.
    BOOL ScrollStep(int nDirection);
};

// The plug-in for pGrid (the grid owns it), or null.
CGXPluginComponent* GXCreateAutoScrollPlugin(CGXGridCore* pGrid);

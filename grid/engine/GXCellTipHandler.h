// CGXCellTipHandler: the grid's cell-tip support. The grid makes it when its tips are switched on
// (CGXGridCore::EnableCellTips), owns it and hands it the mouse moves that arrive while the grid window
// does not hold the capture, and every message of the grid window.
//
// A move over a cell asks the cell's control whether its content is cut off (NeedShowCellTip; the
// active current cell is never asked, its control shows the text). When it is, the tip waits for the
// control's delay (GetCellTipDelay), timed by the tick count of the services seam and polled by a timer
// of its own, so the window forms need not pass WM_TIMER on. Then the control fills and places the
// handler's tip window of its kind (ShowCellTip, through GetTipWnd) and the handler shows it. The tip
// goes (pending or shown) when the mouse moves to another cell or leaves the cell (the same timer
// reads the cursor position through the seam), on a mouse button, a key, a scroll, a size change, a
// loss of focus, and when the grid changes its rows or columns or scrolls (HideTip).
//
// The two tip windows (GXTipWnd.h) are made hidden on the handler's initialisation (Initialize, from
// the grid's), or on first use when the tips are switched on later.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"
#include "grid/engine/GXTipWnd.h"
#include "win/CRect.h"

class CGXGridCore;

class CGXCellTipHandler : public CObject {
public:
    // The poll period of the handler's timer, in milliseconds.
    enum { gxPollPeriod = 50 };

    // The handler of pGrid (not null, else CInvalidArgException*); nothing shown.
    explicit CGXCellTipHandler(CGXGridCore* pGrid);
    // Stops the timer; the tip windows go with the handler.
    ~CGXCellTipHandler() override;
    CGXCellTipHandler(const CGXCellTipHandler&) = delete;
    CGXCellTipHandler& operator=(const CGXCellTipHandler&) = delete;

    // Makes the two tip windows (when the grid has its window and they are not made yet).
    virtual void Initialize();
    // A mouse move over the grid window (client coordinates) while it does not hold the capture.
    virtual void OnMouseMove(UINT nFlags, CPoint point);
    // A message of the grid window: mouse buttons, keys, scrolling, sizing and the loss of the focus
    // hide the tip.
    virtual void OnGridMessage(UINT nMessage, WPARAM wParam, LPARAM lParam);
    // Hides the tip shown, forgets the one waiting and stops the timer.
    virtual void HideTip();
    // One period of the timer: the tip goes when the cursor left its cell; a waiting tip shows once
    // its delay has passed.
    virtual void OnTimerTick();

    // The tip window of nKind (gxTextTip or gxBitmapTip; made when missing) with the grid's zoom: the
    // one a control fills while the handler shows a tip, which the handler then shows.
    CGXTipWnd* GetTipWnd(int nKind);
    CGXTextTipWnd& GetTextTip() { return m_textTip; }
    CGXBitmapTipWnd& GetBitmapTip() { return m_bitmapTip; }
    // The cell of the tip shown or waiting.
    BOOL IsTipPending() const { return m_bPending; }
    BOOL IsTipShown() const { return m_pShown != nullptr; }
    ROWCOL GetTipRow() const { return m_nRow; }
    ROWCOL GetTipCol() const { return m_nCol; }

protected:
    // The cell under point (the top-left cell of its covered span); FALSE over no cell.
    BOOL CellFromPoint(CPoint point, ROWCOL& nRow, ROWCOL& nCol);
    // The cursor (screen, through the seam) lies in the visible part of the tip's cell.
    BOOL CursorInCell();
    // Shows the waiting tip when the cell still needs it.
    void ShowPendingTip();
    void StartTimer();
    void StopTimer();

    CGXGridCore* m_pGrid;
    CGXTextTipWnd m_textTip;
    CGXBitmapTipWnd m_bitmapTip;
    ROWCOL m_nRow;
    ROWCOL m_nCol;
    BOOL m_bPending;       // a tip waits for its delay
    DWORD m_dwStart;       // the tick count when it started waiting
    DWORD m_dwDelay;
    CGXTipWnd* m_pOffered;  // the window last handed to a control
    CGXTipWnd* m_pShown;    // the window shown, null when none
    UINT_PTR m_nTimer;      // the thread timer, 0 when none

private:
    static void CALLBACK TimerProc(HWND hWnd, UINT nMessage, UINT_PTR nIDEvent, DWORD dwTime);
};

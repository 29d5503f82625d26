// CGXGridWnd: the grid as a plain child window, made by the program or from a dialog template by its
// registered window class "CGXGridWnd" (the control factory registers it at start-up). The window is
// the grid core's window: it hands its messages to the core (GXGridWindowForm.h) as CGXGridView does,
// except that a button press and the move message 0x7A3 give it the focus first, it answers
// WM_GETDLGCODE with the arrows, Tab and characters added, and it has no commands. The program
// initialises the grid (Initialize) once the window exists.
//
// A window made from a dialog template deletes its object when it is destroyed; an object the program
// made stays the program's.
//
// Non-client area: with m_bDisplay3dFrame set, or the WS_EX_CLIENTEDGE style, a sunken frame two
// pixels wide is drawn on the parent around the window.
//
// Painting a window whose grid is not initialised raises CNotSupportedException* (the window's
// exception barrier validates it, so it is not asked again).
#pragma once

#include "grid/engine/GXCore.h"
#include "win/CWnd.h"

class CGXGridWnd : public CWnd, public CGXGridCore {
    DECLARE_DYNCREATE(CGXGridWnd)
public:
    CGXGridWnd();
    ~CGXGridWnd() override;

    // The grid's scroll-bar operations act on this window.
    void ShowScrollBar(int nBar, BOOL bShow = TRUE) override;
    using CGXGridCore::GetScrollPos;
    using CGXGridCore::GetScrollRange;
    using CGXGridCore::SetScrollPos;
    using CGXGridCore::SetScrollRange;

    CScrollBar* GetScrollBarCtrl(int nBar) const override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Printing of the grid: the core's steps.
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);

    // Draws a sunken frame around the window (off).
    BOOL m_bDisplay3dFrame;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT nMessage, WPARAM wParam, LPARAM lParam) override;
    // Deletes an object made for a dialog template's window.
    void PostNcDestroy() override;

private:
    void DrawFrame();
};

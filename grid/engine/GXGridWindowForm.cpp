// The messages both grid window forms hand to the core (see GXGridWindowForm.h).
#include "grid/engine/GXGridWindowForm.h"

#include "grid/engine/GXCore.h"
#include "win/CDC.h"
#include "win/Win.h"

namespace {

const UINT s_nFindReplaceMessage = ::RegisterWindowMessageA("commdlg_FindReplace");

// The focus goes to the grid window unless it is already there or in one of its children.
void TakeFocus(CWnd& wnd)
{
    const HWND hFocus = ::GetFocus();
    if (hFocus != wnd.m_hWnd && !::IsChild(wnd.m_hWnd, hFocus))
        wnd.SetFocus();
}

}  // namespace

BOOL GXDispatchGridMessage(CGXGridCore& grid, CWnd& wnd, BOOL bWindowForm, UINT nMessage, WPARAM wParam,
                           LPARAM lParam, LRESULT& rResult, const std::function<LRESULT()>& callDefault)
{
    if (grid.OnGridWindowProc(nMessage, wParam, lParam, rResult))
        return TRUE;
    const CPoint point(short(LOWORD(lParam)), short(HIWORD(lParam)));
    const UINT nFlags = UINT(wParam);
    // a handler's answer: 0 when it took the message, else the default processing's
    auto orDefault = [&](BOOL bHandled) {
        rResult = bHandled ? 0 : callDefault();
        return TRUE;
    };
    // the default processing first, then the core
    auto afterDefault = [&](const std::function<void()>& handler) {
        rResult = callDefault();
        handler();
        return TRUE;
    };
    switch (nMessage) {
    case WM_DESTROY:
        grid.CloseFindReplaceDialog();
        rResult = callDefault();
        return TRUE;
    case WM_SETCURSOR:
        if (!grid.OnGridSetCursorMessage(CWnd::FromHandle(HWND(wParam)), LOWORD(lParam), HIWORD(lParam)))
            return orDefault(FALSE);
        rResult = TRUE;
        return TRUE;
    case WM_VSCROLL:
        return orDefault(grid.OnGridVScroll(LOWORD(wParam), HIWORD(wParam)));
    case WM_HSCROLL:
        return orDefault(grid.OnGridHScroll(LOWORD(wParam), HIWORD(wParam)));
    case WM_MOUSEWHEEL:
        return orDefault(grid.OnGridMouseWheel(LOWORD(wParam), short(HIWORD(wParam)), point));
    case WM_SIZE:
        return orDefault(grid.OnGridSize(UINT(wParam), short(LOWORD(lParam)), short(HIWORD(lParam))));
    case WM_MOUSEMOVE:
        return orDefault(grid.OnGridMouseMove(nFlags, point));
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (bWindowForm)
            TakeFocus(wnd);
        return orDefault(nMessage == WM_LBUTTONDOWN   ? grid.OnGridLButtonDown(nFlags, point)
                         : nMessage == WM_RBUTTONDOWN ? grid.OnGridRButtonDown(nFlags, point)
                                                      : grid.OnGridMButtonDown(nFlags, point));
    case WM_LBUTTONUP:
        return orDefault(grid.OnGridLButtonUp(nFlags, point));
    case WM_LBUTTONDBLCLK:
        return orDefault(grid.OnGridLButtonDblClk(nFlags, point));
    case WM_RBUTTONUP:
        return orDefault(grid.OnGridRButtonUp(nFlags, point));
    case WM_RBUTTONDBLCLK:
        return orDefault(grid.OnGridRButtonDblClk(nFlags, point));
    case WM_MBUTTONUP:
        return orDefault(grid.OnGridMButtonUp(nFlags, point));
    case WM_MBUTTONDBLCLK:
        return orDefault(grid.OnGridMButtonDblClk(nFlags, point));
    case WM_ERASEBKGND:
        // the grid paints every pixel itself
        rResult = TRUE;
        return TRUE;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        CDC* pDC = CDC::FromHandle(HDC(wParam));
        const HBRUSH hbr = grid.OnGridCtlColor(pDC, CWnd::FromHandle(HWND(lParam)), nMessage - WM_CTLCOLORMSGBOX);
        rResult = hbr != nullptr ? LRESULT(hbr) : callDefault();
        return TRUE;
    }
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
        return orDefault(grid.ProcessKeys(&wnd, nMessage, UINT(wParam), LOWORD(lParam), HIWORD(lParam)));
    case WM_SETFOCUS:
        return afterDefault([&] { grid.OnGridSetFocus(CWnd::FromHandle(HWND(wParam))); });
    case WM_KILLFOCUS:
        return afterDefault([&] { grid.OnGridKillFocus(CWnd::FromHandle(HWND(wParam))); });
    case WM_SHOWWINDOW:
        return afterDefault([&] { grid.OnGridShowWindow(BOOL(wParam), UINT(lParam)); });
    case WM_MOUSEACTIVATE: {
        const int nAnswer = grid.OnGridMouseActivate(CWnd::FromHandle(HWND(wParam)), LOWORD(lParam), HIWORD(lParam));
        rResult = nAnswer != 0 ? nAnswer : callDefault();
        return TRUE;
    }
    case WM_CANCELMODE:
        grid.OnGridCancelMode();
        rResult = 0;
        return TRUE;
    case WM_SYSCOLORCHANGE:
        grid.OnGridSysColorChange();
        rResult = callDefault();
        return TRUE;
    case WM_WININICHANGE:
        grid.OnGridWinIniChange(reinterpret_cast<LPCSTR>(lParam));
        rResult = callDefault();
        return TRUE;
    case WM_TIMER:
        grid.OnGridTimer(UINT_PTR(wParam));
        rResult = callDefault();
        return TRUE;
    case WM_GETDLGCODE:
        if (!bWindowForm)
            return FALSE;
        rResult = grid.OnGridGetDlgCode(UINT(callDefault()));
        return TRUE;
    case GX_WM_CANRENAME:
        rResult = grid.CanRenameGrid();
        return TRUE;
    case GX_WM_RENAMED:
        rResult = grid.OnGridRenamed(wParam);
        return TRUE;
    case GX_WM_VALIDATE:
        rResult = !grid.ValidateCurrentCell();
        return TRUE;
    case GX_WM_MOVECELL:
        if (bWindowForm)
            wnd.SetFocus();
        rResult = grid.OnMoveCurrentCellMessage(int(wParam), ROWCOL(lParam));
        return TRUE;
    case GX_WM_SUSPENDRESIZE:
        grid.m_bSuspendResize = BOOL(wParam);
        if (wParam == 0)
            wnd.Invalidate();
        rResult = 0;
        return TRUE;
    default:
        if (s_nFindReplaceMessage != 0 && nMessage == s_nFindReplaceMessage) {
            rResult = grid.OnFindReplace(reinterpret_cast<FINDREPLACEA*>(lParam));
            return TRUE;
        }
        return FALSE;
    }
}

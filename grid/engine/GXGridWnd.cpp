// CGXGridWnd: the grid as a plain child window (see GXGridWnd.h).
#include "grid/engine/GXGridWnd.h"

#include "grid/engine/GXControlFactory.h"
#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXGridWindowForm.h"
#include "grid/engine/GXState.h"
#include "win/CWindowDC.h"
#include "win/Win.h"

IMPLEMENT_DYNCREATE(CGXGridWnd, CWnd)

CGXGridWnd::CGXGridWnd() : CGXGridCore(nullptr, nullptr, FALSE), m_bDisplay3dFrame(FALSE)
{
    SetGridWnd(this);
}

CGXGridWnd::~CGXGridWnd() = default;

void CGXGridWnd::ShowScrollBar(int nBar, BOOL bShow)
{
    if (m_hWnd != nullptr)
        CWnd::ShowScrollBar(UINT(nBar), bShow);
}

CScrollBar* CGXGridWnd::GetScrollBarCtrl(int nBar) const
{
    if (CScrollBar* pBar = const_cast<CGXGridWnd*>(this)->GetGridScrollBarCtrl(nBar))
        return pBar;
    return CWnd::GetScrollBarCtrl(nBar);
}

BOOL CGXGridWnd::PreTranslateMessage(MSG* pMsg)
{
    return OnGridPreTranslateMessage(pMsg) || CWnd::PreTranslateMessage(pMsg);
}

BOOL CGXGridWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    return OnGridCommand(wParam, lParam) || CWnd::OnCommand(wParam, lParam);
}

void CGXGridWnd::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    OnGridBeginPrinting(pDC, pInfo);
}

void CGXGridWnd::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    OnGridEndPrinting(pDC, pInfo);
}

void CGXGridWnd::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    OnGridPrint(pDC, pInfo);
}

LRESULT CGXGridWnd::WindowProc(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    switch (nMessage) {
    case WM_PAINT: {
        if (!IsInitialized())
            AfxThrowNotSupportedException();
        CPaintDC dc(this);
        PrepareGridDC(&dc, FALSE);
        OnGridDraw(&dc);
        return 0;
    }
    case WM_NCPAINT: {
        const LRESULT lResult = CWnd::WindowProc(nMessage, wParam, lParam);
        DrawFrame();
        return lResult;
    }
    default:
        break;
    }
    LRESULT lResult = 0;
    if (GXDispatchGridMessage(*this, *this, TRUE, nMessage, wParam, lParam, lResult,
                              [&] { return CWnd::WindowProc(nMessage, wParam, lParam); }))
        return lResult;
    return CWnd::WindowProc(nMessage, wParam, lParam);
}

void CGXGridWnd::DrawFrame()
{
    CWnd* pParent = GetParent();
    if (pParent == nullptr || (!m_bDisplay3dFrame && !(GetExStyle() & WS_EX_CLIENTEDGE)))
        return;
    CRect rect;
    GetWindowRect(&rect);
    pParent->ScreenToClient(&rect);
    rect.left -= 2;
    rect.top -= 2;
    rect.right += 3;
    rect.bottom += 3;
    CClientDC dc(pParent);
    const GridSysColors* pColors = GXGetSysColors();
    GetDrawingAndFormatting()->Draw3dRect(&dc, rect.left, rect.top, rect.right - 1, rect.bottom - 1, 2,
                                          pColors->m_clrBtnShadow, pColors->m_clrBtnHilite);
}

void CGXGridWnd::PostNcDestroy()
{
    if (GXTakeAutoCreatedWindow(this))
        delete this;
}

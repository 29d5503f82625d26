// The grid's tip windows (see GXTipWnd.h).
#include "grid/engine/GXTipWnd.h"

#include "grid/engine/GXCellTip.h"
#include "grid/engine/GXDIB.h"
#include "grid/engine/GXState.h"

IMPLEMENT_DYNAMIC(CGXTipWnd, CWnd)
IMPLEMENT_DYNAMIC(CGXTextTipWnd, CGXTipWnd)
IMPLEMENT_DYNAMIC(CGXBitmapTipWnd, CGXTipWnd)

BEGIN_MESSAGE_MAP(CGXTipWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_NCHITTEST()
    ON_WM_MOUSEACTIVATE()
END_MESSAGE_MAP()

CGXTipWnd::CGXTipWnd(int nKind) : m_nKind(nKind), m_nZoom(100) {}

CGXTipWnd::~CGXTipWnd() = default;

BOOL CGXTipWnd::CreateTip(CWnd* pOwner)
{
    if (pOwner == nullptr)
        AfxThrowInvalidArgException("CGXTipWnd::CreateTip: null owner");
    // the library's pop-up class, or one like it when the library was not started
    CString strClass = GXGetLibraryState()->m_astrTexts[GridLibraryState::gxSaveBitsClass];
    if (strClass.IsEmpty())
        strClass = AfxRegisterWndClass(CS_SAVEBITS);
    return CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, strClass, "", WS_POPUP, 0, 0, 0, 0, pOwner->m_hWnd, nullptr);
}

void CGXTipWnd::PlaceTip(const CRect& rect)
{
    PlaceTip(rect.left, rect.top, rect.right, rect.bottom);
}

void CGXTipWnd::PlaceTip(int nLeft, int nTop, int nRight, int nBottom)
{
    if (m_hWnd != nullptr)
        SetWindowPos(nullptr, nLeft, nTop, nRight - nLeft, nBottom - nTop,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOZORDER);
}

void CGXTipWnd::ShowTip()
{
    if (m_hWnd == nullptr)
        return;
    SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    Invalidate(FALSE);
    UpdateWindow();
}

void CGXTipWnd::HideTip()
{
    if (m_hWnd != nullptr && IsWindowVisible())
        ShowWindow(SW_HIDE);
}

void CGXTipWnd::FillTipBackground(CDC* pDC, const CRect& rect)
{
    CBrush brush;
    brush.CreateSysColorBrush(COLOR_INFOBK);
    pDC->FillRect(&rect, &brush);
}

void CGXTipWnd::FrameTip(CDC* pDC, const CRect& rect)
{
    CBrush black;
    black.CreateSolidBrush(RGB(0, 0, 0));
    pDC->FrameRect(&rect, &black);
}

void CGXTipWnd::OnPaint()
{
    CPaintDC dc(this);
    DrawTip(&dc);
}

BOOL CGXTipWnd::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

LRESULT CGXTipWnd::OnNcHitTest(CPoint)
{
    return HTTRANSPARENT;
}

int CGXTipWnd::OnMouseActivate(CWnd*, UINT, UINT)
{
    return MA_NOACTIVATE;
}

// ---- text tip ---------------------------------------------------------------------------------------

CGXTextTipWnd::CGXTextTipWnd() : CGXTipWnd(gxTextTip), m_rectText(0, 0, 0, 0) {}

void CGXTextTipWnd::SetTipText(const char* pszText)
{
    m_strText = pszText != nullptr ? pszText : "";
    if (m_hWnd != nullptr)
        SetWindowText(m_strText);
}

void CGXTextTipWnd::DrawTip(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    FillTipBackground(pDC, rect);
    LOGFONTA lf;
    m_font.GetZoomedLogFont(lf, 100);
    CFont font;
    font.CreateFontIndirect(&lf);
    CFont* pOldFont = pDC->SelectObject(&font);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld = pDC->SetTextColor(::GetSysColor(COLOR_INFOTEXT));
    CRect rectText = m_rectText;
    pDC->DrawText(m_strText, m_strText.GetLength(), &rectText, DT_NOPREFIX | DT_NOCLIP);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
    FrameTip(pDC, rect);
    pDC->SelectObject(pOldFont);
}

// ---- bitmap tip -------------------------------------------------------------------------------------

CGXBitmapTipWnd::CGXBitmapTipWnd() : CGXTipWnd(gxBitmapTip), m_hDIB(nullptr), m_rectBitmap(0, 0, 0, 0) {}

void CGXBitmapTipWnd::DrawTip(CDC* pDC)
{
    if (m_hDIB == nullptr)
        return;
    CRect rect;
    GetClientRect(&rect);
    FillTipBackground(pDC, rect);
    DrawDIBInRect(pDC, m_hDIB, m_rectBitmap, 0, 0);
    FrameTip(pDC, rect);
}

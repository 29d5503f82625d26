#include "frames/SECTBMenuBtn.h"

#include "frames/SECBtnDrawContext.h"
#include "frames/SECToolkit.h"
#include "win/CWindowDC.h"

IMPLEMENT_DYNCREATE(SECTBMenuBtn, SECStdBtn)
IMPLEMENT_DYNCREATE(SECCapMenuBtn, SECTBMenuBtn)

// ---- SECTBMenuBtn ----------------------------------------------------------------------------------------

SECTBMenuBtn::SECTBMenuBtn() : m_nMenuID(0), m_nPopupPos(0), m_cMnemonic(0), m_nMenuBit(0)
{
    m_nType = BtnMenu;
}

void SECTBMenuBtn::Init(SECBtnHost* pToolBar, const UINT_PTR* lpData)
{
    if (lpData != nullptr) {
        m_nMenuID = UINT(lpData[DataMenuID]);
        m_nPopupPos = int(INT_PTR(lpData[DataPopupPos]));
        m_strTitle = reinterpret_cast<LPCSTR>(lpData[DataTitle]);
        m_nMenuBit = UINT(lpData[DataMenuBit]);
    }
    ComputeMnemonic();
    SECStdBtn::Init(pToolBar, lpData);
}

void SECTBMenuBtn::ComputeMnemonic()
{
    m_cMnemonic = SECMnemonicOf(m_strTitle);
}

void SECTBMenuBtn::ComputeSize()
{
    CClientDC dc(nullptr);
    HGDIOBJ hOldFont = ::SelectObject(dc.m_hDC, GetTextFont());
    CRect rect(0, 0, 0, 0);
    dc.DrawText(m_strTitle, rect, DT_SINGLELINE | DT_CALCRECT);
    ::SelectObject(dc.m_hDC, hOldFont);
    m_cx = rect.Width() + 10;
    m_cy = rect.Height() + 6;
    m_pToolBar->RaiseMaxBtnWidth(m_cx);
}

BOOL SECTBMenuBtn::PressDown(CPoint)
{
    if (m_nStyle & TBBS_DISABLED)
        return FALSE;
    m_nStyle |= TBBS_PRESSED;
    Invalidate();
    DropDown();
    return FALSE;
}

void SECTBMenuBtn::DropDown()
{
    m_pToolBar->BeginDropDownTracking(this, m_nMenuID, m_nPopupPos);
}

void SECTBMenuBtn::DrawFace(SECBtnDrawContext& ctx, BOOL bCustomize, int x, int y, int cx, int cy, int)
{
    CDC& dc = ctx.m_dcColor;
    dc.FillSolidRect(x, y, cx, cy, SECGetDrawValues().clrBtnFace);
    const BOOL bPressed = !bCustomize && (m_nStyle & TBBS_PRESSED) != 0;
    const BOOL bDown = !bCustomize && (m_nStyle & (TBBS_PRESSED | TBBS_CHECKED)) != 0;
    CRect rect(x, y, x + cx, y + cy);
    if (bDown)
        rect.DeflateRect(1, 1);
    DrawFrame(dc, rect, bDown);

    CRect rcText(x + 4, y + 3, x + cx, y + cy);
    if (bPressed)
        rcText.OffsetRect(1, 1);
    HGDIOBJ hOldFont = ::SelectObject(dc.m_hDC, GetTextFont());
    const COLORREF clrOldText = dc.SetTextColor(::GetSysColor(COLOR_MENUTEXT));
    const int nOldBkMode = dc.SetBkMode(TRANSPARENT);
    dc.DrawText(m_strTitle, rcText, DT_SINGLELINE);
    dc.SetBkMode(nOldBkMode);
    dc.SetTextColor(clrOldText);
    ::SelectObject(dc.m_hDC, hOldFont);
}

// ---- SECCapMenuBtn ---------------------------------------------------------------------------------------

SECCapMenuBtn::SECCapMenuBtn() : m_hIcon(nullptr)
{
    m_nType = BtnIconMenu;
}

void SECCapMenuBtn::ComputeSize()
{
    m_cx = 16;
    m_cy = 16;
    m_pToolBar->RaiseMaxBtnWidth(m_cx);
}

void SECCapMenuBtn::DropDown()
{
    HWND hChild = GetActiveMDIChild();
    HMENU hSysMenu = hChild != nullptr ? ::GetSystemMenu(hChild, FALSE) : nullptr;
    if (hSysMenu == nullptr)
        return;
    if (::GetMenuDefaultItem(hSysMenu, FALSE, 0) == UINT(-1))
        ::SetMenuDefaultItem(hSysMenu, SC_CLOSE, FALSE);
    m_pToolBar->BeginDropDownTracking(this, reinterpret_cast<UINT_PTR>(hSysMenu), -1);
}

void SECCapMenuBtn::DrawFace(SECBtnDrawContext& ctx, BOOL, int x, int y, int cx, int cy, int)
{
    CDC& dc = ctx.m_dcColor;
    dc.FillSolidRect(x, y, cx, cy, SECGetDrawValues().clrBtnFace);
    if (m_hIcon != nullptr)
        ::DrawIconEx(dc.m_hDC, x, y, m_hIcon, 16, 16, 0, nullptr, DI_NORMAL);
}

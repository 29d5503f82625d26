// SECFrameCaption: placing and drawing a frame's own caption.
#include <algorithm>

#include "frames/SECFrameCaption.h"

#include "frames/SECToolkit.h"
#include "win/ArgCheck.h"
#include "win/CDC.h"
#include "win/CWnd.h"

namespace {

// The most bands of the active caption's gradient.
const int kMaxBands = 60;
// Where the text starts in the band, and the room it needs beside the title's first part.
const int kTextIndent = 3;
const int kSecondPartGap = 6;

// The caption buttons' width from which the large icon is drawn.
const int kLargeIconButtonWidth = 30;

} // namespace

SECFrameCaption::SECFrameCaption() : m_bOn(FALSE), m_bActive(FALSE), m_nAlign(0) {}

SECFrameCaption::~SECFrameCaption() = default;

void SECFrameCaption::Enable(BOOL bOn, int nAlign)
{
    if (nAlign < 0 || nAlign > 2)
        AfxThrowInvalidArgFormat("SECFrameCaption::Enable: alignment %d is not 0, 1 or 2", nAlign);
    m_nAlign = nAlign;
    m_bOn = bOn && SECGetDrawValues().bWin4;
}

void SECFrameCaption::MakeFonts()
{
    if (m_fontPlain.m_hObject != nullptr)
        return;
    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = sizeof(ncm);
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    m_fontPlain.CreateFontIndirect(&ncm.lfCaptionFont);
    ncm.lfCaptionFont.lfItalic = TRUE;
    m_fontEmphasis.CreateFontIndirect(&ncm.lfCaptionFont);
}

CFont* SECFrameCaption::GetEmphasisFont()
{
    MakeFonts();
    return &m_fontEmphasis;
}

CFont* SECFrameCaption::GetPlainFont()
{
    MakeFonts();
    return &m_fontPlain;
}

CRect SECFrameCaption::CalcCaptionRect(const CWnd* pWnd) const
{
    AfxRequirePointer(pWnd, "SECFrameCaption::CalcCaptionRect", "pWnd");
    CRect rectWindow;
    pWnd->GetWindowRect(rectWindow);
    const DWORD dwStyle = pWnd->GetStyle();
    const BOOL bSizing = (dwStyle & WS_THICKFRAME) != 0;
    const int cxFrame = ::GetSystemMetrics(bSizing ? SM_CXSIZEFRAME : SM_CXFIXEDFRAME);
    const int cyFrame = ::GetSystemMetrics(bSizing ? SM_CYSIZEFRAME : SM_CYFIXEDFRAME);
    const int cxButton = ::GetSystemMetrics(SM_CXSIZE);
    CRect rect(cxFrame, cyFrame, rectWindow.Width() - cxFrame, cyFrame + ::GetSystemMetrics(SM_CYSIZE));
    HMENU hSysMenu = (dwStyle & WS_SYSMENU) ? ::GetSystemMenu(pWnd->m_hWnd, FALSE) : nullptr;
    if (hSysMenu != nullptr && (::GetMenuState(hSysMenu, SC_CLOSE, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0)
        rect.right -= cxButton;
    if (dwStyle & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))
        rect.right -= 2 * cxButton;
    rect.right = (std::max)(rect.left, rect.right);
    return rect;
}

void SECFrameCaption::DrawCaptionTo(CDC* pDC, const CRect& rect, HICON hIcon, LPCSTR lpszTitle, BOOL bActive)
{
    AfxRequirePointer(pDC, "SECFrameCaption::DrawCaptionTo", "pDC");
    // the system-menu icon in a square at the left
    const int cyIcon = rect.Height();
    const CRect rectIcon(rect.left, rect.top, rect.left + cyIcon, rect.bottom);
    pDC->FillSolidRect(rectIcon, bActive ? RGB(0, 0, 0) : ::GetSysColor(COLOR_INACTIVECAPTION));
    if (hIcon != nullptr) {
        const int cxSmall = ::GetSystemMetrics(SM_CXSMICON);
        const int cySmall = ::GetSystemMetrics(SM_CYSMICON);
        ::DrawIconEx(pDC->m_hDC, rectIcon.left + (cyIcon - cxSmall) / 2, rectIcon.top + (cyIcon - cySmall) / 2, hIcon,
                     cxSmall, cySmall, 0, nullptr, DI_NORMAL);
    }

    // the band: a gradient from black to the active caption colour, or the inactive colour
    CRect rectBand(rectIcon.right, rect.top, rect.right, rect.bottom);
    if (bActive) {
        const COLORREF clrTo = ::GetSysColor(COLOR_ACTIVECAPTION);
        const int nWidth = rectBand.Width();
        const int nBands = (std::min)(kMaxBands, nWidth);
        if (nBands > 0) {
            const int target[3] = {GetRValue(clrTo) << 8, GetGValue(clrTo) << 8, GetBValue(clrTo) << 8};
            int step[3];
            for (int c = 0; c < 3; c++)
                step[c] = target[c] / nBands;
            int value[3] = {0, 0, 0};
            const int nBandWidth = nWidth / nBands;
            for (int i = 0; i < nBands; i++) {
                const int nLeft = rectBand.left + i * nBandWidth;
                const int nRight = i == nBands - 1 ? rectBand.right : nLeft + nBandWidth;
                pDC->FillSolidRect(CRect(nLeft, rectBand.top, nRight, rectBand.bottom),
                                   RGB(value[0] >> 8, value[1] >> 8, value[2] >> 8));
                for (int c = 0; c < 3; c++)
                    value[c] = (std::min)(value[c] + step[c], target[c]);
            }
        }
    } else {
        pDC->FillSolidRect(rectBand, ::GetSysColor(COLOR_INACTIVECAPTION));
    }

    // the title: before its first '-' in italic, the rest plain
    CString strTitle = lpszTitle != nullptr ? lpszTitle : "";
    CString strFirst = strTitle;
    CString strRest;
    const int nDash = strTitle.Find('-');
    if (nDash >= 0) {
        strFirst = strTitle.Left(nDash);
        strRest = strTitle.Mid(nDash);
    }
    CFont* pOldFont = pDC->SelectObject(GetEmphasisFont());
    const CSize sizeFirst = pDC->GetTextExtent(strFirst);
    pDC->SelectObject(GetPlainFont());
    const CSize sizeMore = pDC->GetTextExtent("W...");
    const CSize sizeRest = pDC->GetTextExtent(strRest);
    rectBand.left += kTextIndent;
    if (rectBand.Width() < sizeFirst.cx + kSecondPartGap + sizeMore.cx)
        strRest.Empty();
    const int nTextWidth = sizeFirst.cx + (strRest.IsEmpty() ? 0 : sizeRest.cx);
    int x = rectBand.left;
    if (m_nAlign == 1)
        x = (std::max)(rectBand.left, rectBand.left + (rectBand.Width() - nTextWidth) / 2);
    else if (m_nAlign == 2)
        x = (std::max)(rectBand.left, rectBand.right - 1 - nTextWidth);

    const UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(RGB(255, 255, 255));
    pDC->SelectObject(GetEmphasisFont());
    CRect rectText(x, rectBand.top, rectBand.right, rectBand.bottom);
    pDC->DrawText(strFirst, -1, rectText, nFormat);
    if (!strRest.IsEmpty()) {
        pDC->SelectObject(GetPlainFont());
        pDC->SetTextColor(bActive ? RGB(255, 255, 255) : ::GetSysColor(COLOR_INACTIVECAPTIONTEXT));
        rectText.left = x + sizeFirst.cx;
        pDC->DrawText(strRest, -1, rectText, nFormat);
    }
    pDC->SelectObject(pOldFont);
}

BOOL SECFrameCaption::DrawCaption(CWnd* pWnd)
{
    AfxRequirePointer(pWnd, "SECFrameCaption::DrawCaption", "pWnd");
    const CRect rect = CalcCaptionRect(pWnd);
    if (rect.IsRectEmpty())
        return TRUE;
    CDC* pWindowDC = pWnd->GetWindowDC();
    if (pWindowDC == nullptr)
        return FALSE;
    CDC dcMem;
    CBitmap bitmap;
    if (!dcMem.CreateCompatibleDC(pWindowDC) || !bitmap.CreateCompatibleBitmap(pWindowDC, rect.Width(), rect.Height())) {
        pWnd->ReleaseDC(pWindowDC);
        m_bOn = FALSE; // drawn by the system from now on
        return FALSE;
    }
    CBitmap* pOldBitmap = dcMem.SelectObject(&bitmap);
    const BOOL bLargeIcon = ::GetSystemMetrics(SM_CXSIZE) >= kLargeIconButtonWidth;
    HICON hIcon = reinterpret_cast<HICON>(::GetClassLongPtrA(pWnd->m_hWnd, bLargeIcon ? GCLP_HICON : GCLP_HICONSM));
    if (hIcon == nullptr)
        hIcon = reinterpret_cast<HICON>(::GetClassLongPtrA(pWnd->m_hWnd, GCLP_HICON));
    CString strTitle;
    pWnd->GetWindowText(strTitle);
    DrawCaptionTo(&dcMem, CRect(0, 0, rect.Width(), rect.Height()), hIcon, strTitle, m_bActive);
    pWindowDC->BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), &dcMem, 0, 0, SRCCOPY);
    dcMem.SelectObject(pOldBitmap);
    pWnd->ReleaseDC(pWindowDC);
    return TRUE;
}

SECFrameCaption::HiddenScope::HiddenScope(CWnd* pWnd) : m_hWnd(nullptr), m_dwStyle(0)
{
    AfxRequirePointer(pWnd, "SECFrameCaption::HiddenScope", "pWnd");
    m_dwStyle = pWnd->GetStyle();
    if (m_dwStyle & WS_VISIBLE) {
        m_hWnd = pWnd->m_hWnd;
        ::SetWindowLongA(m_hWnd, GWL_STYLE, LONG(m_dwStyle & ~WS_VISIBLE));
    }
}

SECFrameCaption::HiddenScope::~HiddenScope()
{
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd))
        ::SetWindowLongA(m_hWnd, GWL_STYLE, LONG(::GetWindowLongA(m_hWnd, GWL_STYLE) | WS_VISIBLE));
}

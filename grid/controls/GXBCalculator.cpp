// CGXBCalculator, CGXBPopupCalculator and their keys (see GXBCalculator.h).
#include "grid/controls/GXBCalculator.h"

#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXState.h"
#include "win/CWindowDC.h"
#include "win/Win.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

COLORREF SysColor(int nIndex)
{
    return GXGetSysColors()->GetSysColor(nIndex);
}

const COLORREF kNavy = RGB(0, 0, 128);
const COLORREF kMaroon = RGB(128, 0, 0);
const char kRuntimePoint = '.';

// A key of the table: its label (null: the decimal separator; for the Enter key the string
// resource), code, keyboard characters (null: the separator), virtual key, width, colour and whether
// it starts a row.
struct KeyDef {
    const char* pszLabel;
    int nCode;
    const char* pszKeys;
    int nVirtKey;
    int nWidth;
    COLORREF crText;
    BOOL bNewRow;
};

const KeyDef kKeys[] = {
    {"C", CGXBCalculator::gxClear, "c", 0, 1, kNavy, TRUE},
    {"CE", CGXBCalculator::gxClearEntry, "e", 0, 1, kNavy, FALSE},
    {"<-", CGXBCalculator::gxBackspace, "\b", VK_DELETE, 1, kNavy, FALSE},
    {"%", CGXBCalculator::gxPercent, "%", 0, 1, kNavy, FALSE},
    {"7", 16, "7", 0, 1, kMaroon, TRUE},
    {"8", 17, "8", 0, 1, kMaroon, FALSE},
    {"9", 18, "9", 0, 1, kMaroon, FALSE},
    {"/", CGXBCalculator::gxDivide, "/", 0, 1, kNavy, FALSE},
    {"4", 13, "4", 0, 1, kMaroon, TRUE},
    {"5", 14, "5", 0, 1, kMaroon, FALSE},
    {"6", 15, "6", 0, 1, kMaroon, FALSE},
    {"*", CGXBCalculator::gxMultiply, "*", 0, 1, kNavy, FALSE},
    {"1", 10, "1", 0, 1, kMaroon, TRUE},
    {"2", 11, "2", 0, 1, kMaroon, FALSE},
    {"3", 12, "3", 0, 1, kMaroon, FALSE},
    {"-", CGXBCalculator::gxSubtract, "-", 0, 1, kNavy, FALSE},
    {"0", CGXBCalculator::gxDigit0, "0", 0, 2, kMaroon, TRUE},
    {nullptr, CGXBCalculator::gxDecimal, nullptr, 0, 1, kMaroon, FALSE},
    {"+", CGXBCalculator::gxAdd, "+", 0, 1, kNavy, FALSE},
    {"", CGXBCalculator::gxEquals, "=", VK_RETURN, 4, RGB(0, 0, 0), TRUE},
};

}  // namespace

// ---- a key -----------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXBCalcBtn, CObject)

CGXBCalcBtn::CGXBCalcBtn(const char* pszLabel, int nCode, const char* pszKeys, int nVirtKey, int nWidth,
                         COLORREF crText, HFONT hFont, BOOL bNewRow, HBITMAP* phBitmap)
    : m_hFont(hFont),
      m_phBitmap(phBitmap),
      m_crText(crText),
      m_strLabel(pszLabel),
      m_strKeys(pszKeys),
      m_nVirtKey(nVirtKey),
      m_nWidth(nWidth),
      m_nState(bNewRow ? gxNewRow : 0),
      m_nCode(nCode)
{
    m_strKeys.MakeLower();
}

void CGXBCalcBtn::SetPressed(BOOL bPressed)
{
    m_nState = bPressed ? m_nState | gxPressed : m_nState & ~gxPressed;
}

void CGXBCalcBtn::Draw(CDC* pDC)
{
    CRect rect(m_rect);
    pDC->Draw3dRect(&rect, SysColor(COLOR_BTNSHADOW), SysColor(COLOR_BTNHIGHLIGHT));
    rect.DeflateRect(1, 1);
    pDC->Draw3dRect(&rect, SysColor(COLOR_WINDOWFRAME), SysColor(COLOR_WINDOWFRAME));
    rect.DeflateRect(1, 1);
    if (IsPressed()) {
        pDC->Draw3dRect(&rect, SysColor(COLOR_BTNSHADOW), SysColor(COLOR_BTNSHADOW));
        rect.DeflateRect(1, 1);
        pDC->FillSolidRect(&rect, SysColor(COLOR_BTNFACE));
        rect.OffsetRect(2, 2);
    } else {
        pDC->Draw3dRect(&rect, SysColor(COLOR_BTNHIGHLIGHT), SysColor(COLOR_BTNSHADOW));
        rect.DeflateRect(1, 1);
        pDC->Draw3dRect(&rect, SysColor(COLOR_3DLIGHT), SysColor(COLOR_BTNSHADOW));
        rect.DeflateRect(1, 1);
        pDC->FillSolidRect(&rect, SysColor(COLOR_BTNFACE));
    }
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&m_rect);
    if (m_phBitmap != nullptr && *m_phBitmap != nullptr) {
        BITMAP bm;
        ::GetObjectA(*m_phBitmap, sizeof(bm), &bm);
        CDC dcBitmap;
        if (dcBitmap.CreateCompatibleDC(pDC)) {
            const HGDIOBJ hOld = dcBitmap.SelectObject(HGDIOBJ(*m_phBitmap));
            const int x = m_strLabel.IsEmpty() ? rect.left + (rect.Width() - bm.bmWidth) / 2 : rect.left + 5;
            pDC->BitBlt(x, rect.top + (rect.Height() - bm.bmHeight) / 2, bm.bmWidth, bm.bmHeight, &dcBitmap, 0, 0,
                        SRCCOPY);
            dcBitmap.SelectObject(hOld);
        }
    }
    if (!m_strLabel.IsEmpty()) {
        const HGDIOBJ hOldFont = pDC->SelectObject(HGDIOBJ(m_hFont));
        pDC->SetTextColor(m_crText);
        pDC->SetBkColor(SysColor(COLOR_BTNFACE));
        pDC->SetBkMode(TRANSPARENT);
        pDC->DrawText(m_strLabel, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        pDC->SelectObject(hOldFont);
    }
    pDC->RestoreDC(nSaved);
}

// ---- the calculator ----------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXBCalculator, CWnd)

BEGIN_MESSAGE_MAP(CGXBCalculator, CWnd)
    ON_WM_PAINT()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CANCELMODE()
    ON_WM_GETDLGCODE()
    ON_WM_CHAR()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CGXBCalculator::CGXBCalculator() = default;

CGXBCalculator::~CGXBCalculator()
{
    DeleteButtons();
    if (m_hEnterBitmap != nullptr)
        ::DeleteObject(m_hEnterBitmap);
}

void CGXBCalculator::DeleteButtons()
{
    for (INT_PTR i = 0; i < m_arrButtons.GetSize(); ++i)
        delete m_arrButtons[i];
    m_arrButtons.RemoveAll();
}

CString CGXBCalculator::GetDecimalSeparator()
{
    if (m_strDecimal.IsEmpty()) {
        char szBuffer[8];
        if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, szBuffer, int(sizeof(szBuffer))) > 0 &&
            szBuffer[0] != 0)
            m_strDecimal = CString(szBuffer[0]);
        else
            m_strDecimal = ".";
    }
    return m_strDecimal;
}

UINT CGXBCalculator::GetClassStyle()
{
    return 0;
}

// ---- keys and layout ---------------------------------------------------------------------------------

BOOL CGXBCalculator::InitButtons(CWnd* pOwner)
{
    HFONT hFont = pOwner != nullptr ? HFONT(pOwner->SendMessage(WM_GETFONT)) : nullptr;
    if (hFont == nullptr)
        hFont = HFONT(::GetStockObject(SYSTEM_FONT));
    LOGFONTA lf;
    ::GetObjectA(hFont, sizeof(lf), &lf);
    lf.lfWeight = FW_BOLD;
    const BOOL bFont = m_fontButtons.CreateFontIndirect(&lf);
    // a unit key is 16 by 14 dialog units of the key font
    if (bFont) {
        CClientDC dc(nullptr);
        CFont* pOld = dc.SelectObject(&m_fontButtons);
        const char* const pszAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        const CSize size = dc.GetTextExtent(pszAlphabet, 52);
        TEXTMETRICA tm;
        dc.GetTextMetrics(&tm);
        dc.SelectObject(pOld);
        m_sizeUnit = CSize(::MulDiv(16, (size.cx + 26) / 52, 4), ::MulDiv(14, tm.tmHeight + tm.tmExternalLeading, 8));
    } else {
        const LONG lUnits = ::GetDialogBaseUnits();
        m_sizeUnit = CSize(::MulDiv(16, LOWORD(lUnits), 4), ::MulDiv(14, HIWORD(lUnits), 8));
    }
    if (m_hEnterBitmap == nullptr) {
        CBitmap bitmap;
        if (LoadSysColorBitmap(bitmap, MAKEINTRESOURCEA(GX_IDB_CALCENTER)))
            m_hEnterBitmap = HBITMAP(bitmap.Detach());
    }
    CString strEnter;
    AfxLoadString(GX_IDS_CALC_ENTER, strEnter);
    const CString strDecimal = GetDecimalSeparator();
    DeleteButtons();
    for (const KeyDef& key : kKeys) {
        const BOOL bEnter = key.nCode == gxEquals;
        const char* pszLabel = key.pszLabel != nullptr ? key.pszLabel : strDecimal.GetString();
        m_arrButtons.Add(new CGXBCalcBtn(bEnter ? strEnter.GetString() : pszLabel, key.nCode,
                                         key.pszKeys != nullptr ? key.pszKeys : strDecimal.GetString(), key.nVirtKey,
                                         key.nWidth, key.crText, HFONT(m_fontButtons.m_hObject), key.bNewRow,
                                         bEnter ? &m_hEnterBitmap : nullptr));
    }
    return bFont;
}

BOOL CGXBCalculator::InitDisplay(CWnd* pOwner)
{
    HFONT hFont = pOwner != nullptr ? HFONT(pOwner->SendMessage(WM_GETFONT)) : nullptr;
    if (hFont == nullptr)
        hFont = HFONT(::GetStockObject(SYSTEM_FONT));
    LOGFONTA lf;
    ::GetObjectA(hFont, sizeof(lf), &lf);
    lf.lfWeight = FW_NORMAL;
    if (!m_fontDisplay.CreateFontIndirect(&lf))
        return FALSE;
    CClientDC dc(nullptr);
    CFont* pOld = dc.SelectObject(&m_fontDisplay);
    const int nHeight = dc.GetTextExtent("T", 1).cy + 4;
    dc.SelectObject(pOld);
    m_rcDisplay.SetRect(0, 0, 0, nHeight);
    return TRUE;
}

CSize CGXBCalculator::PrepareLayout(CWnd* pOwner, DWORD dwStyle)
{
    GetDecimalSeparator();
    if (m_arrButtons.GetSize() == 0)
        InitButtons(pOwner);
    if (m_fontDisplay.m_hObject == nullptr)
        InitDisplay(pOwner);
    return LayoutButtons(dwStyle);
}

CSize CGXBCalculator::LayoutButtons(DWORD dwStyle)
{
    const int nTop = (dwStyle & gxStyleTopLine) ? 2 * m_nTopMargin + 6 : m_nTopMargin;
    m_rcDisplay = CRect(m_nLeftMargin, nTop, m_nLeftMargin, nTop + m_rcDisplay.Height());
    int x = m_nLeftMargin, y = m_rcDisplay.bottom + m_nRowGap;
    int nRight = m_nLeftMargin, nBottom = y;
    for (INT_PTR i = 0; i < m_arrButtons.GetSize(); ++i) {
        auto* pKey = static_cast<CGXBCalcBtn*>(m_arrButtons[i]);
        if ((pKey->m_nState & CGXBCalcBtn::gxNewRow) && i > 0) {
            x = m_nLeftMargin;
            y += m_nRowGap + m_sizeUnit.cy;
        }
        pKey->m_rect = CRect(x, y, x + pKey->m_nWidth * m_sizeUnit.cx, y + m_sizeUnit.cy);
        x = pKey->m_rect.right + m_nColumnGap;
        nRight = std::max(nRight, int(pKey->m_rect.right));
        nBottom = std::max(nBottom, int(pKey->m_rect.bottom));
    }
    m_rcDisplay.right = nRight;
    // how many characters of the key font fit in the display
    CClientDC dc(nullptr);
    CFont* pOld = m_fontButtons.m_hObject != nullptr ? dc.SelectObject(&m_fontButtons) : nullptr;
    const int nSeparator = dc.GetTextExtent(m_strDecimal).cx;
    const int nZero = std::max(1, int(dc.GetTextExtent("0", 1).cx));
    if (pOld != nullptr)
        dc.SelectObject(pOld);
    m_nCapacity = (m_rcDisplay.Width() - nSeparator - 4) / nZero - 1;
    m_nPrecision = std::min(m_nCapacity, m_nPrecision);
    return CSize(nRight + m_nLeftMargin, nBottom + m_nTopMargin);
}

CSize CGXBCalculator::CalcWindowSize(CWnd* pOwner, DWORD& dwStyle, DWORD& dwExStyle)
{
    // the own border replaces the system's
    if (dwStyle & gxStyle3dBorder) {
        dwStyle &= ~DWORD(WS_BORDER);
        dwExStyle &= ~DWORD(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME);
    }
    const CSize sizeClient = PrepareLayout(pOwner, dwStyle);
    CRect rect(0, 0, sizeClient.cx, sizeClient.cy);
    ::AdjustWindowRectEx(&rect, dwStyle, FALSE, dwExStyle);
    if (dwStyle & gxStyle3dBorder)
        rect.InflateRect(0, 0, 4, 4);
    return rect.Size();
}

BOOL CGXBCalculator::Create(DWORD dwExStyle, DWORD dwStyle, int x, int y, CWnd* pOwner, UINT nID,
                            CCreateContext* pContext)
{
    GetDecimalSeparator();
    GXGetSysColors()->Refresh();
    Reset();
    const CSize size = CalcWindowSize(pOwner, dwStyle, dwExStyle);
    LPCSTR lpszClass = AfxRegisterWndClass(GetClassStyle(), GXGetSysColors()->m_hcurArrow);
    const HMENU hId = (dwStyle & WS_CHILD) ? reinterpret_cast<HMENU>(UINT_PTR(nID)) : nullptr;
    if (!CreateEx(dwExStyle, lpszClass, "", dwStyle, x, y, size.cx, size.cy,
                  pOwner != nullptr ? pOwner->m_hWnd : nullptr, hId, pContext))
        return FALSE;
    m_nFlags &= ~gxPreset;
    return TRUE;
}

// ---- state -------------------------------------------------------------------------------------------

void CGXBCalculator::Reset()
{
    if (!(m_nFlags & gxPreset) || m_hWnd != nullptr) {
        m_dTotal = 0;
        m_strEntry.Empty();
    }
    m_nFlags &= ~gxError;
    m_nPendingOp = 0;
    m_bNewEntry = TRUE;
    InvalidateDisplay();
}

void CGXBCalculator::SetValue(double dAmount)
{
    Reset();
    m_dTotal = dAmount;
    if (m_hWnd == nullptr)
        m_nFlags |= gxPreset;
    EntryFromTotal();
}

CString CGXBCalculator::GetDisplayText() const
{
    if (m_nFlags & gxError) {
        CString strError;
        AfxLoadString(GX_IDS_CALC_ERROR, strError);
        return strError;
    }
    const char chDecimal = m_strDecimal.IsEmpty() ? kRuntimePoint : m_strDecimal[0];
    if (m_strEntry.IsEmpty())
        return CString("0") + chDecimal;
    return m_strEntry.Find(chDecimal) >= 0 ? m_strEntry : m_strEntry + chDecimal;
}

void CGXBCalculator::EntryFromTotal()
{
    const char chDecimal = GetDecimalSeparator()[0];
    const int nLimit = std::min(m_nCapacity, (m_dTotal > -1 && m_dTotal < 1) ? 16 : 15);
    for (int nPlaces = std::max(0, m_nPrecision);;) {
        CString strText;
        strText.Format("%.*f", nPlaces, m_dTotal);
        const int nPoint = strText.Find(kRuntimePoint);
        if (nPoint >= 0) {
            strText.SetAt(nPoint, chDecimal);
            strText.TrimRight('0');
        }
        const int nInteger = nPoint >= 0 ? nPoint : strText.GetLength();
        const int nFraction = strText.GetLength() - nInteger - (nPoint >= 0 ? 1 : 0);
        if (nInteger > nLimit || nInteger > 13) {
            m_nFlags |= gxError;
            InvalidateDisplay();
            return;
        }
        if (nInteger + nFraction > nLimit && nPlaces > nLimit - nInteger) {
            nPlaces = nLimit - nInteger;
            continue;
        }
        m_strEntry = strText;
        return;
    }
}

void CGXBCalculator::Beep()
{
    AfxGetServices()->MessageBeep(UINT(-1));
}

BOOL CGXBCalculator::RefusedInError() const
{
    if (!(m_nFlags & gxError))
        return FALSE;
    Beep();
    return TRUE;
}

void CGXBCalculator::StartEntry()
{
    if (m_bNewEntry) {
        m_strEntry.Empty();
        m_bNewEntry = FALSE;
    }
}

void CGXBCalculator::InvalidateDisplay()
{
    if (m_hWnd != nullptr)
        InvalidateRect(&m_rcDisplay, FALSE);
}

// ---- key codes ---------------------------------------------------------------------------------------

BOOL CGXBCalculator::HandleCode(int nCode)
{
    using Handler = BOOL (CGXBCalculator::*)(int);
    // the handlers by code, filled once for the process
    static const std::array<Handler, gxBackspace + 1> s_handlers = [] {
        std::array<Handler, gxBackspace + 1> handlers{};
        handlers[gxMultiply] = handlers[gxAdd] = handlers[gxSubtract] = handlers[gxDivide] = handlers[gxPercent] =
            handlers[gxEquals] = &CGXBCalculator::OnOperator;
        handlers[gxClear] = &CGXBCalculator::OnClear;
        handlers[gxClearEntry] = &CGXBCalculator::OnClearEntry;
        for (int nDigit = gxDigit0; nDigit <= gxDigit9; ++nDigit)
            handlers[size_t(nDigit)] = &CGXBCalculator::OnDigit;
        handlers[gxDecimal] = &CGXBCalculator::OnDecimal;
        handlers[gxBackspace] = &CGXBCalculator::OnBackspace;
        return handlers;
    }();
    if (nCode < 0 || nCode > gxBackspace || s_handlers[size_t(nCode)] == nullptr)
        return FALSE;
    return (this->*s_handlers[size_t(nCode)])(nCode);
}

BOOL CGXBCalculator::OnDigit(int nCode)
{
    if (RefusedInError())
        return FALSE;
    StartEntry();
    const char chDigit = char(nCode + 39);
    if (chDigit != '0' || !m_strEntry.IsEmpty()) {
        const CString strDigits = m_strEntry.Left(1) == "-" ? m_strEntry.Mid(1) : m_strEntry;
        const int nPoint = strDigits.Find(GetDecimalSeparator()[0]);
        const int nFraction = nPoint >= 0 ? strDigits.GetLength() - nPoint - 1 : 0;
        const int nInteger = nPoint >= 0 ? nPoint : strDigits.GetLength();
        const int nLimit = std::min(m_nCapacity, strDigits.Left(1) == "0" ? 16 : 15);
        if (nFraction >= m_nPrecision || (nPoint < 0 && nInteger > 12) || nFraction + nInteger >= nLimit)
            Beep();
        else
            m_strEntry += chDigit;
    }
    InvalidateDisplay();
    return TRUE;
}

BOOL CGXBCalculator::OnDecimal(int)
{
    if (RefusedInError())
        return FALSE;
    StartEntry();
    const CString strDecimal = GetDecimalSeparator();
    if (m_strEntry.Find(strDecimal[0]) < 0) {
        if (m_strEntry.IsEmpty())
            m_strEntry = "0";
        m_strEntry += strDecimal[0];
    }
    InvalidateDisplay();
    return TRUE;
}

BOOL CGXBCalculator::OnBackspace(int)
{
    if (RefusedInError())
        return FALSE;
    if (!m_bNewEntry && !m_strEntry.IsEmpty()) {
        m_strEntry.Delete(m_strEntry.GetLength() - 1);
        InvalidateDisplay();
    }
    return TRUE;
}

BOOL CGXBCalculator::OnOperator(int nCode)
{
    if (RefusedInError())
        return FALSE;
    double x = 0;
    if (!m_strEntry.IsEmpty()) {
        const char chDecimal = GetDecimalSeparator()[0];
        if (chDecimal != kRuntimePoint)
            m_strEntry.Replace(chDecimal, kRuntimePoint);
        if (std::sscanf(m_strEntry, "%lf", &x) != 1)
            return FALSE;
    }
    int nPending = m_nPendingOp;
    if (nCode == gxPercent) {
        x = (nPending == gxMultiply || nPending == gxDivide) ? x * m_dTotal * 0.01 : 0;
        nPending = 0;
    }
    switch (nPending) {
    case gxMultiply:
        x *= m_dTotal;
        break;
    case gxAdd:
        x += m_dTotal;
        break;
    case gxSubtract:
        x = m_dTotal - x;
        break;
    case gxDivide:
        if (x == 0)
            m_nFlags |= gxError;
        else
            x = m_dTotal / x;
        break;
    default:
        break;
    }
    if (!(m_nFlags & gxError)) {
        m_dTotal = x;
        m_bNewEntry = TRUE;
        m_nPendingOp = (nCode == gxEquals || nCode == gxPercent) ? 0 : nCode;
        EntryFromTotal();
    }
    InvalidateDisplay();
    return TRUE;
}

BOOL CGXBCalculator::OnClear(int)
{
    Reset();
    return TRUE;
}

BOOL CGXBCalculator::OnClearEntry(int)
{
    if (m_nFlags & gxError) {
        Reset();
        return TRUE;
    }
    m_strEntry.Empty();
    m_bNewEntry = TRUE;
    InvalidateDisplay();
    return TRUE;
}

// ---- drawing -----------------------------------------------------------------------------------------

void CGXBCalculator::Draw(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(&rectClient);
    pDC->FillSolidRect(&rectClient, SysColor(COLOR_BTNFACE));
    if (CWnd::GetStyle() & gxStyleTopLine)
        pDC->Draw3dRect(1, m_nTopMargin + 2, rectClient.Width() - 2, 2, SysColor(COLOR_BTNSHADOW),
                        SysColor(COLOR_BTNHIGHLIGHT));
    CRect rectDisplay(m_rcDisplay);
    pDC->Draw3dRect(&rectDisplay, SysColor(COLOR_BTNSHADOW), SysColor(COLOR_BTNHIGHLIGHT));
    rectDisplay.DeflateRect(1, 1);
    pDC->Draw3dRect(&rectDisplay, SysColor(COLOR_WINDOWFRAME), SysColor(COLOR_BTNFACE));
    rectDisplay.DeflateRect(2, 1);
    CFont* pOldFont = pDC->SelectObject(&m_fontDisplay);
    pDC->SetTextColor(SysColor(COLOR_WINDOWTEXT));
    pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(GetDisplayText(), &rectDisplay, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    pDC->SelectObject(pOldFont);
    for (INT_PTR i = 0; i < m_arrButtons.GetSize(); ++i)
        static_cast<CGXBCalcBtn*>(m_arrButtons[i])->Draw(pDC);
}

void CGXBCalculator::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClip;
    dc.GetClipBox(&rectClip);
    CDC dcMem;
    CBitmap bitmap;
    if (!rectClip.IsRectEmpty() && dcMem.CreateCompatibleDC(&dc) &&
        bitmap.CreateCompatibleBitmap(&dc, rectClip.Width(), rectClip.Height())) {
        CBitmap* pOld = dcMem.SelectObject(&bitmap);
        dcMem.SetViewportOrg(-rectClip.left, -rectClip.top);
        Draw(&dcMem);
        dcMem.SetViewportOrg(0, 0);
        dc.BitBlt(rectClip.left, rectClip.top, rectClip.Width(), rectClip.Height(), &dcMem, 0, 0, SRCCOPY);
        dcMem.SelectObject(pOld);
    } else {
        Draw(&dc);
    }
}

void CGXBCalculator::OnSysColorChange()
{
    GXGetSysColors()->Refresh();
    if (m_hEnterBitmap != nullptr) {
        ::DeleteObject(m_hEnterBitmap);
        m_hEnterBitmap = nullptr;
        CBitmap bitmap;
        if (LoadSysColorBitmap(bitmap, MAKEINTRESOURCEA(GX_IDB_CALCENTER)))
            m_hEnterBitmap = HBITMAP(bitmap.Detach());
    }
    Default();
}

void CGXBCalculator::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    if (!(CWnd::GetStyle() & gxStyle3dBorder)) {
        Default();
        return;
    }
    ::InflateRect(&lpncsp->rgrc[0], -2, -2);
}

void CGXBCalculator::OnNcPaint()
{
    if (!(CWnd::GetStyle() & gxStyle3dBorder)) {
        Default();
        return;
    }
    CWindowDC dc(this);
    CRect rect;
    GetWindowRect(&rect);
    rect.OffsetRect(-rect.left, -rect.top);
    dc.Draw3dRect(&rect, SysColor(COLOR_3DLIGHT), SysColor(COLOR_3DDKSHADOW));
    rect.DeflateRect(1, 1);
    dc.Draw3dRect(&rect, SysColor(COLOR_BTNHIGHLIGHT), SysColor(COLOR_BTNSHADOW));
}

// ---- mouse and keys ----------------------------------------------------------------------------------

int CGXBCalculator::KeyFromPoint(CPoint point) const
{
    for (INT_PTR i = 0; i < m_arrButtons.GetSize(); ++i)
        if (static_cast<CGXBCalcBtn*>(m_arrButtons[i])->m_rect.PtInRect(point))
            return int(i);
    return -1;
}

void CGXBCalculator::ShowKeyPressed(int nIndex, BOOL bPressed)
{
    auto* pKey = static_cast<CGXBCalcBtn*>(m_arrButtons[nIndex]);
    pKey->SetPressed(bPressed);
    if (m_hWnd != nullptr) {
        InvalidateRect(&pKey->m_rect, FALSE);
        UpdateWindow();
    }
}

void CGXBCalculator::PressKey(int nIndex)
{
    ShowKeyPressed(nIndex, TRUE);
    HandleCode(static_cast<CGXBCalcBtn*>(m_arrButtons[nIndex])->m_nCode);
    ShowKeyPressed(nIndex, FALSE);
}

void CGXBCalculator::OnLButtonDown(UINT, CPoint point)
{
    SetFocus();
    CRect rectClient;
    GetClientRect(&rectClient);
    if (!rectClient.PtInRect(point))
        return;
    const int nKey = KeyFromPoint(point);
    if (nKey < 0) {
        Default();
        return;
    }
    m_nFlags |= gxTracking;
    m_nTrackedKey = nKey;
    SetCapture();
    ShowKeyPressed(nKey, TRUE);
}

void CGXBCalculator::OnMouseMove(UINT, CPoint point)
{
    if (!(m_nFlags & gxTracking))
        return;
    const BOOL bOver = KeyFromPoint(point) == m_nTrackedKey;
    if (bool(bOver) != bool(static_cast<CGXBCalcBtn*>(m_arrButtons[m_nTrackedKey])->IsPressed()))
        ShowKeyPressed(m_nTrackedKey, bOver);
}

void CGXBCalculator::OnLButtonUp(UINT, CPoint point)
{
    if (!(m_nFlags & gxTracking))
        return;
    m_nFlags &= ~gxTracking;
    ::ReleaseCapture();
    ShowKeyPressed(m_nTrackedKey, FALSE);
    if (KeyFromPoint(point) == m_nTrackedKey)
        HandleCode(static_cast<CGXBCalcBtn*>(m_arrButtons[m_nTrackedKey])->m_nCode);
}

void CGXBCalculator::OnCancelMode()
{
    if (m_nFlags & gxTracking) {
        m_nFlags &= ~gxTracking;
        ::ReleaseCapture();
        ShowKeyPressed(m_nTrackedKey, FALSE);
    }
    Default();
}

UINT CGXBCalculator::OnGetDlgCode()
{
    return DLGC_WANTCHARS | DLGC_WANTALLKEYS;
}

void CGXBCalculator::OnChar(UINT nChar, UINT, UINT)
{
    BOOL bPending = (m_nFlags & gxLeadByte) != 0;
    BYTE chLead = BYTE(m_chLeadByte);
    CString strText;
    ComposeMultiByteChar(nChar, strText, bPending, chLead);
    m_nFlags = bPending ? m_nFlags | gxLeadByte : m_nFlags & ~gxLeadByte;
    m_chLeadByte = char(chLead);
    if (strText.IsEmpty())
        return;  // a lead byte waits for its trail byte
    strText.MakeLower();
    for (INT_PTR i = 0; i < m_arrButtons.GetSize(); ++i) {
        const CString& strKeys = static_cast<CGXBCalcBtn*>(m_arrButtons[i])->m_strKeys;
        if (!strKeys.IsEmpty() && strKeys.Find(strText) >= 0) {
            PressKey(int(i));
            return;
        }
    }
    Default();
}

void CGXBCalculator::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_TAB && !(CWnd::GetStyle() & WS_POPUP)) {
        if (CWnd* pParent = GetParent())
            pParent->PostMessage(WM_NEXTDLGCTL, (AfxGetServices()->GetKeyState(VK_SHIFT) & 0x8000) ? 1 : 0, 0);
        return;
    }
    for (INT_PTR i = 0; i < m_arrButtons.GetSize(); ++i) {
        if (static_cast<CGXBCalcBtn*>(m_arrButtons[i])->m_nVirtKey == int(nChar)) {
            PressKey(int(i));
            return;
        }
    }
    Default();
}

// ---- the pop-up --------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXBPopupCalculator, CGXBCalculator)

BEGIN_MESSAGE_MAP(CGXBPopupCalculator, CGXBCalculator)
    ON_WM_KILLFOCUS()
    ON_WM_KEYDOWN()
    ON_WM_SYSKEYDOWN()
END_MESSAGE_MAP()

CGXBPopupCalculator::CGXBPopupCalculator() = default;

UINT CGXBPopupCalculator::GetClassStyle()
{
    return CS_SAVEBITS;
}

BOOL CGXBPopupCalculator::CreatePopup(DWORD dwStyle, const CRect& rectOwner, CWnd* pOwner, CCreateContext* pContext)
{
    dwStyle |= WS_POPUP;
    DWORD dwCreated = dwStyle, dwExStyle = 0;
    const CSize size = CalcWindowSize(pOwner, dwCreated, dwExStyle);
    CRect rectWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rectWork, 0);
    int y = rectOwner.bottom;
    if (y + size.cy >= rectWork.bottom)
        y = rectOwner.top - size.cy;
    int x = rectOwner.left;
    if (x + size.cx >= rectWork.right)
        x = rectOwner.right - size.cx;
    m_hWndOwner = pOwner != nullptr ? pOwner->m_hWnd : nullptr;
    if (!Create(0, dwStyle, x, y, pOwner, 0, pContext))
        return FALSE;
    SetFocus();
    return TRUE;
}

BOOL CGXBPopupCalculator::HandleCode(int nCode)
{
    const BOOL bResult = CGXBCalculator::HandleCode(nCode);
    if (nCode == gxEquals && m_hWnd != nullptr && (CWnd::GetStyle() & gxStyleEnterCloses)) {
        SendResult();
        PostMessage(WM_CLOSE);
    }
    return bResult;
}

void CGXBPopupCalculator::SendResult()
{
    if (m_hWndOwner != nullptr && ::IsWindow(m_hWndOwner) && !IsError())
        ::SendMessageA(m_hWndOwner, GX_WM_CALCULATOR_RESULT, 0, LPARAM(m_strEntry.GetString()));
}

void CGXBPopupCalculator::Accept()
{
    CGXBCalculator::HandleCode(gxEquals);
    SendResult();
    DestroyWindow();
}

void CGXBPopupCalculator::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

void CGXBPopupCalculator::OnKillFocus(CWnd* pNewWnd)
{
    Default();
    if (pNewWnd == nullptr || pNewWnd->m_hWnd != m_hWnd)
        DestroyWindow();
}

void CGXBPopupCalculator::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_ESCAPE)
        DestroyWindow();
    else if (nChar == VK_RETURN)
        Accept();
    else
        CGXBCalculator::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CGXBPopupCalculator::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_DOWN)
        Accept();
    else
        CGXBCalculator::OnKeyDown(nChar, nRepCnt, nFlags);
}

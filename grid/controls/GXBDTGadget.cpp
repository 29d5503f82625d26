// The date/time window's gadgets and their timer service (see GXBDTGadget.h).
#include "grid/controls/GXBDTGadget.h"

#include "grid/controls/GXBDateTimeCtrl.h"
#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXState.h"
#include "core/Maps.h"
#include "win/CDC.h"
#include "win/Win.h"

namespace {

COLORREF SysColor(int nIndex)
{
    return GXGetSysColors()->GetSysColor(nIndex);
}

// A one-pixel frame: top and left in crTopLeft, bottom and right in crBottomRight.
void Frame(CDC* pDC, CRect& rect, COLORREF crTopLeft, COLORREF crBottomRight)
{
    pDC->Draw3dRect(&rect, crTopLeft, crBottomRight);
    rect.DeflateRect(1, 1);
}

// Draws strText in rect on one line, centred, in the highlight colours (opaque) when bFocus.
void DrawFieldText(CDC* pDC, const CString& strText, const CRect& rect, BOOL bFocus, UINT nFormat)
{
    if (!bFocus) {
        CRect rectText = rect;
        pDC->DrawText(strText, &rectText, nFormat);
        return;
    }
    const COLORREF crOldText = pDC->SetTextColor(SysColor(COLOR_HIGHLIGHTTEXT));
    const COLORREF crOldBk = pDC->SetBkColor(SysColor(COLOR_HIGHLIGHT));
    const int nOldMode = pDC->SetBkMode(OPAQUE);
    pDC->FillSolidRect(&rect, SysColor(COLOR_HIGHLIGHT));
    CRect rectText = rect;
    pDC->DrawText(strText, &rectText, nFormat);
    pDC->SetBkMode(nOldMode);
    pDC->SetBkColor(crOldBk);
    pDC->SetTextColor(crOldText);
}

BOOL IsDigitKey(UINT nChar)
{
    return (nChar >= '0' && nChar <= '9') || (nChar >= VK_NUMPAD0 && nChar <= VK_NUMPAD9);
}

}  // namespace

// ---- the base ----------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXBDTGadget, CObject)

CGXBDTGadget::CGXBDTGadget() = default;

CGXBDTGadget::~CGXBDTGadget()
{
    StopTimer();
}

CMapWordToOb& CGXBDTGadget::GetTimerMap()
{
    static CMapWordToOb s_map;
    static const bool s_bSized = (s_map.InitHashTable(10), true);
    (void)s_bSized;
    return s_map;
}

void CALLBACK CGXBDTGadget::TimerProc(HWND, UINT, UINT_PTR nIdEvent, DWORD)
{
    AfxCallProtected(0, [nIdEvent] {
        CObject* pObject = nullptr;
        if (nIdEvent <= 0xFFFF && GetTimerMap().Lookup(uint16_t(nIdEvent), pObject) && pObject != nullptr)
            static_cast<CGXBDTGadget*>(pObject)->OnTimer();
        return 0;
    });
}

UINT_PTR CGXBDTGadget::GetTimerId() const
{
    CMapWordToOb& map = GetTimerMap();
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        uint16_t nId;
        CObject* pObject;
        map.GetNextAssoc(pos, nId, pObject);
        if (pObject == this)
            return nId;
    }
    return 0;
}

void CGXBDTGadget::StartTimer(UINT nMilliseconds)
{
    StopTimer();
    const UINT_PTR nId = ::SetTimer(nullptr, 0, nMilliseconds, TimerProc);
    // the map holds 16-bit ids; the system's ids for window-less timers are below 0x10000
    if (nId != 0 && nId <= 0xFFFF)
        GetTimerMap().SetAt(uint16_t(nId), this);
}

void CGXBDTGadget::StopTimer()
{
    const UINT_PTR nId = GetTimerId();
    if (nId == 0)
        return;
    ::KillTimer(nullptr, nId);
    GetTimerMap().RemoveKey(uint16_t(nId));
}

BOOL CGXBDTGadget::Initialise(CGXBDateTimeCtrl* pOwner, int nId)
{
    m_pOwner = pOwner;
    m_nId = nId;
    return TRUE;
}

BOOL CGXBDTGadget::SetFocus(BOOL bFocus)
{
    if (!(m_nStyle & gxFocusable))
        return FALSE;
    if (bool(m_bFocus) != bool(bFocus)) {
        m_bFocus = bFocus;
        Invalidate();
    }
    return TRUE;
}

BOOL CGXBDTGadget::OnKeyDown(UINT)
{
    return FALSE;
}

BOOL CGXBDTGadget::OnChar(UINT)
{
    return FALSE;
}

void CGXBDTGadget::OnLButtonDown(UINT, CPoint) {}
void CGXBDTGadget::OnLButtonUp(UINT, CPoint) {}
void CGXBDTGadget::OnMouseMove(UINT, CPoint) {}
void CGXBDTGadget::OnCancelMode() {}
void CGXBDTGadget::OnTimer() {}
void CGXBDTGadget::OnSysColorChange() {}

BOOL CGXBDTGadget::Notify(int nCode, int nId, int nValue)
{
    return m_pOwner != nullptr && m_pOwner->OnGadgetNotify(nCode, nId, nValue);
}

void CGXBDTGadget::Invalidate(BOOL bUpdateNow)
{
    if (m_pOwner != nullptr)
        m_pOwner->InvalidateGadget(this, bUpdateNow);
}

void CGXBDTGadget::CaptureMouse(BOOL bCapture)
{
    if (m_pOwner != nullptr)
        m_pOwner->CaptureGadget(this, bCapture);
}

COLORREF CGXBDTGadget::GetBkColor() const
{
    return m_pOwner != nullptr ? m_pOwner->GetBackgroundColor() : SysColor(COLOR_WINDOW);
}

void CGXBDTGadget::Beep()
{
    AfxGetServices()->MessageBeep(UINT(-1));
}

// ---- numbers -----------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXBDTNumericGadget, CGXBDTGadget)

BOOL CGXBDTNumericGadget::Initialise(CGXBDateTimeCtrl* pOwner, int nMin, int nMax, int nValue, BOOL bLeadingZeros,
                                     int nId)
{
    CGXBDTGadget::Initialise(pOwner, nId);
    m_nMin = nMin;
    m_nMax = nMax;
    m_nValue = nValue;
    m_bLeadingZeros = bLeadingZeros;
    m_nWidth = nMax <= 9 ? 1 : nMax < 100 ? 2 : nMax < 1000 ? 3 : 4;
    return TRUE;
}

CString CGXBDTNumericGadget::FormatValue(int nValue) const
{
    CString strFormat, strText;
    if (m_bLeadingZeros)
        strFormat.Format("%%0%dd", m_nWidth);
    else
        strFormat = "%d";
    strText.Format(strFormat, nValue);
    return strText;
}

void CGXBDTNumericGadget::CalcSize(CDC* pDC)
{
    CRect rect(0, 0, 0, 0);
    pDC->DrawText("00000", m_nWidth, &rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    m_rect.SetRect(0, 0, rect.Width(), rect.Height());
}

void CGXBDTNumericGadget::Draw(CDC* pDC)
{
    const CString strText = FormatValue(IsTyping() ? m_nTyped : m_nValue);
    if (!m_bFocus) {
        const COLORREF crOldText =
            pDC->SetTextColor(m_pOwner != nullptr ? m_pOwner->GetTextColor() : SysColor(COLOR_WINDOWTEXT));
        const COLORREF crOldBk = pDC->SetBkColor(GetBkColor());
        DrawFieldText(pDC, strText, m_rect, FALSE, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
        pDC->SetBkColor(crOldBk);
        pDC->SetTextColor(crOldText);
        return;
    }
    DrawFieldText(pDC, strText, m_rect, TRUE, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

BOOL CGXBDTNumericGadget::CommitInput()
{
    const int nTyped = m_nTyped;
    m_nTypedCount = 0;
    BOOL bSet = FALSE;
    if (Notify(gxTestValue, m_nId, nTyped)) {
        m_nValue = nTyped;
        Notify(gxSetValue, m_nId, nTyped);
        bSet = TRUE;
    } else {
        Beep();
        Invalidate(TRUE);
    }
    Notify(gxTyping, m_nId, 0);
    return bSet;
}

BOOL CGXBDTNumericGadget::SetFocus(BOOL bFocus)
{
    if (IsTyping())
        CommitInput();
    return CGXBDTGadget::SetFocus(bFocus);
}

BOOL CGXBDTNumericGadget::OnKeyDown(UINT nChar)
{
    if (IsTyping() && !IsDigitKey(nChar) && !CommitInput())
        return FALSE;
    switch (nChar) {
    case VK_END:
        return Notify(gxEnd, m_nId, 0);
    case VK_HOME:
        return Notify(gxHome, m_nId, 0);
    case VK_UP:
    case VK_ADD:
        return Notify(gxStepUp, m_nId, 0);
    case VK_DOWN:
    case VK_SUBTRACT:
        return Notify(gxStepDown, m_nId, 0);
    default:
        return FALSE;
    }
}

BOOL CGXBDTNumericGadget::OnChar(UINT nChar)
{
    if (nChar >= '0' && nChar <= '9') {
        const int nDigit = int(nChar - '0');
        if (!IsTyping()) {
            Notify(gxTyping, m_nId, 1);
            m_nTyped = nDigit;
            m_nTypedCount = 1;
        } else if (nDigit == 0 && m_nTyped == 0) {
            // no run of leading zeros
            return TRUE;
        } else {
            m_nTyped = m_nTyped * 10 + nDigit;
            ++m_nTypedCount;
        }
        Invalidate(TRUE);
        if (m_nTypedCount >= m_nWidth && CommitInput())
            Notify(gxComplete, m_nId, 0);
        return TRUE;
    }
    if (!IsTyping())
        return FALSE;
    Beep();
    m_nTypedCount = 0;
    Invalidate(TRUE);
    Notify(gxTyping, m_nId, 0);
    return TRUE;
}

void CGXBDTNumericGadget::OnCancelMode()
{
    if (IsTyping())
        CommitInput();
}

// ---- names -------------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXBDTListGadget, CGXBDTGadget)

BOOL CGXBDTListGadget::Initialise(CGXBDateTimeCtrl* pOwner, const CStringArray& strings, int nValue, int nId)
{
    CGXBDTGadget::Initialise(pOwner, nId);
    m_strings.RemoveAll();
    for (INT_PTR i = 0; i < strings.GetSize(); ++i)
        m_strings.Add(strings[i]);
    m_nValue = nValue;
    return TRUE;
}

CString CGXBDTListGadget::GetString(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_strings.GetSize() ? m_strings[nIndex] : CString();
}

void CGXBDTListGadget::CalcSize(CDC* pDC)
{
    int cx = 0, cy = 0;
    for (INT_PTR i = 0; i < m_strings.GetSize(); ++i) {
        CRect rect(0, 0, 0, 0);
        pDC->DrawText(m_strings[i], &rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        cx = rect.Width() > cx ? rect.Width() : cx;
        cy = rect.Height() > cy ? rect.Height() : cy;
    }
    m_rect.SetRect(0, 0, cx, cy);
}

void CGXBDTListGadget::Draw(CDC* pDC)
{
    DrawFieldText(pDC, GetString(m_nValue), m_rect, m_bFocus, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

void CGXBDTListGadget::StopTypeAhead()
{
    if (m_bTimer) {
        StopTimer();
        m_bTimer = FALSE;
    }
}

BOOL CGXBDTListGadget::SetFocus(BOOL bFocus)
{
    StopTypeAhead();
    return CGXBDTGadget::SetFocus(bFocus);
}

BOOL CGXBDTListGadget::OnKeyDown(UINT nChar)
{
    int nCode;
    switch (nChar) {
    case VK_END:
        nCode = gxEnd;
        break;
    case VK_HOME:
        nCode = gxHome;
        break;
    case VK_UP:
    case VK_ADD:
        nCode = gxStepUp;
        break;
    case VK_DOWN:
    case VK_SUBTRACT:
        nCode = gxStepDown;
        break;
    default:
        return FALSE;
    }
    StopTypeAhead();
    return Notify(nCode, m_nId, 0);
}

int CGXBDTListGadget::FindMatch(const CString& strPrefix, int nStart)
{
    const int nCount = int(m_strings.GetSize());
    if (nCount == 0)
        return -1;
    if (nStart < 0 || nStart >= nCount)
        nStart = 0;
    const int nLength = strPrefix.GetLength();
    for (int i = 0; i < nCount; ++i) {
        const int nIndex = (nStart + i) % nCount;
        const CString& strName = m_strings[nIndex];
        if (strName.GetLength() < nLength ||
            ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, strName, nLength, strPrefix, nLength) != CSTR_EQUAL)
            continue;
        if (!Notify(gxTestValue, m_nId, nIndex))
            continue;
        Notify(gxSetValue, m_nId, nIndex);
        return nIndex;
    }
    return -1;
}

BOOL CGXBDTListGadget::OnChar(UINT nChar)
{
    // a double-byte character comes as its lead and trail byte, one message each
    if (m_achChar[0] == 0 && ::IsDBCSLeadByte(BYTE(nChar))) {
        m_achChar[0] = char(nChar);
        return TRUE;
    }
    CString strChar;
    if (m_achChar[0] != 0) {
        m_achChar[1] = char(nChar);
        strChar = CString(m_achChar, 2);
        m_achChar[0] = m_achChar[1] = 0;
    } else {
        const char ch = char(nChar);
        strChar = CString(&ch, 1);
    }

    if (m_strTyped.IsEmpty()) {
        if (FindMatch(strChar, m_nValue + 1) < 0) {
            Beep();
            return TRUE;
        }
        Invalidate(TRUE);
        m_strTyped = strChar;
        StartTimer(2000);
        m_bTimer = TRUE;
        return TRUE;
    }
    if (m_strTyped.GetLength() == strChar.GetLength() &&
        ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, m_strTyped, m_strTyped.GetLength(), strChar,
                         strChar.GetLength()) == CSTR_EQUAL) {
        // the same key again goes on among the names that begin with it
        if (FindMatch(strChar, m_nValue + 1) < 0)
            Beep();
        Invalidate(TRUE);
        StartTimer(2000);
        m_bTimer = TRUE;
        return TRUE;
    }
    m_strTyped += strChar;
    if (FindMatch(m_strTyped, m_nValue) < 0) {
        StopTypeAhead();
        Beep();
        m_strTyped.Empty();
        return TRUE;
    }
    StartTimer(2000);
    m_bTimer = TRUE;
    Invalidate(TRUE);
    return TRUE;
}

void CGXBDTListGadget::OnTimer()
{
    StopTypeAhead();
    m_strTyped.Empty();
}

// ---- spin arrows -------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXBDTSpinGadget, CGXBDTGadget)

CGXBDTSpinGadget::CGXBDTSpinGadget()
{
    m_nStyle = gxMouse;
}

void CGXBDTSpinGadget::CalcSize(CDC*)
{
    m_rect.SetRect(0, 0, 16, -1);
}

void GXBDrawSpinArrowButton(CDC* pDC, const CRect& rectButton, BOOL bUp, BOOL bPressed)
{
    CRect rect = rectButton;
    if (bPressed) {
        Frame(pDC, rect, SysColor(COLOR_BTNSHADOW), SysColor(COLOR_BTNHIGHLIGHT));
        Frame(pDC, rect, SysColor(COLOR_WINDOWFRAME), SysColor(COLOR_BTNFACE));
    } else {
        Frame(pDC, rect, SysColor(COLOR_BTNFACE), SysColor(COLOR_WINDOWFRAME));
        Frame(pDC, rect, SysColor(COLOR_BTNHIGHLIGHT), SysColor(COLOR_BTNSHADOW));
    }
    if (rect.IsRectEmpty())
        return;
    const int nInner = rect.Height();
    const int d = nInner / 4 + 1 < 4 ? nInner / 4 + 1 : 4;
    const int nShift = bPressed ? 1 : 0;
    const int xCentre = rect.left + rect.Width() / 2 + nShift;
    const int yTop = rect.top + (nInner - d) / 2 + nShift;
    const COLORREF crArrow = RGB(0, 0, 0);
    if (d < 2) {
        pDC->SetPixel(xCentre, yTop, crArrow);
        return;
    }
    // a filled triangle of height d and base 2d - 1, row by row
    for (int i = 0; i < d; ++i) {
        const int nHalf = bUp ? i : d - 1 - i;
        pDC->FillSolidRect(xCentre - nHalf, yTop + i, 2 * nHalf + 1, 1, crArrow);
    }
}

void CGXBDTSpinGadget::Draw(CDC* pDC)
{
    pDC->FillSolidRect(&m_rect, SysColor(COLOR_BTNFACE));
    const int nHalf = m_rect.Height() / 2;
    GXBDrawSpinArrowButton(pDC, CRect(m_rect.left, m_rect.top, m_rect.right, m_rect.top + nHalf), TRUE,
                           (m_nState & gxUpPressed) != 0);
    GXBDrawSpinArrowButton(pDC, CRect(m_rect.left, m_rect.bottom - nHalf, m_rect.right, m_rect.bottom), FALSE,
                           (m_nState & gxDownPressed) != 0);
}

int CGXBDTSpinGadget::HitTest(CPoint point) const
{
    if (!m_rect.PtInRect(point))
        return -1;
    return point.y < m_rect.top + m_rect.Height() / 2 ? 0 : 1;
}

void CGXBDTSpinGadget::OnLButtonDown(UINT, CPoint point)
{
    const int nHit = HitTest(point);
    if (nHit < 0)
        return;
    if (nHit == 0) {
        m_nState |= gxUpPressed | gxTrackUp;
        Notify(gxSpinUp, m_nId, 1);
    } else {
        m_nState |= gxDownPressed | gxTrackDown;
        Notify(gxSpinDown, m_nId, 1);
    }
    Invalidate(TRUE);
    CaptureMouse(TRUE);
    StartTimer(500);
    m_nState |= gxTimerRunning | gxInitialDelay;
    m_nTicks = 0;
}

void CGXBDTSpinGadget::OnMouseMove(UINT, CPoint point)
{
    if (!(m_nState & (gxTrackUp | gxTrackDown)))
        return;
    const BOOL bUp = (m_nState & gxTrackUp) != 0;
    const UINT nPressedBit = bUp ? gxUpPressed : gxDownPressed;
    const BOOL bOver = HitTest(point) == (bUp ? 0 : 1);
    if (bool(bOver) != bool(m_nState & nPressedBit)) {
        m_nState ^= nPressedBit;
        Invalidate(TRUE);
    }
    if ((m_nState & nPressedBit) && !(m_nState & gxTimerRunning)) {
        // back over the arrow: the repeat goes on at once at its fast pace
        StartTimer(100);
        m_nState = (m_nState | gxTimerRunning) & ~gxInitialDelay;
        m_nTicks = 0;
    } else if (!(m_nState & nPressedBit) && (m_nState & gxTimerRunning)) {
        StopTimer();
        m_nState &= ~(gxTimerRunning | gxInitialDelay);
    }
}

void CGXBDTSpinGadget::OnTimer()
{
    if (!(m_nState & gxTimerRunning))
        return;
    if (m_nState & gxInitialDelay) {
        m_nState &= ~gxInitialDelay;
        StartTimer(100);
    }
    ++m_nTicks;
    const int nStep = m_nTicks <= 20 ? 1 : m_nTicks <= 50 ? 2 : 5;
    if (m_nState & gxUpPressed)
        Notify(gxSpinUp, m_nId, nStep);
    else if (m_nState & gxDownPressed)
        Notify(gxSpinDown, m_nId, nStep);
}

void CGXBDTSpinGadget::EndTracking()
{
    if (!(m_nState & (gxTrackUp | gxTrackDown)))
        return;
    CaptureMouse(FALSE);
    const BOOL bPressed = (m_nState & (gxUpPressed | gxDownPressed)) != 0;
    m_nState &= ~(gxUpPressed | gxDownPressed | gxTrackUp | gxTrackDown);
    if (bPressed)
        Invalidate(TRUE);
    if (m_nState & gxTimerRunning) {
        StopTimer();
        m_nState &= ~(gxTimerRunning | gxInitialDelay);
    }
}

void CGXBDTSpinGadget::OnLButtonUp(UINT, CPoint)
{
    EndTracking();
}

void CGXBDTSpinGadget::OnCancelMode()
{
    EndTracking();
}

// ---- the drop-down button ----------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXBDTButtonGadget, CGXBDTGadget)

CGXBDTButtonGadget::CGXBDTButtonGadget()
{
    m_nStyle = gxMouse;
}

BOOL CGXBDTButtonGadget::Initialise(CGXBDateTimeCtrl* pOwner, UINT nBitmapId, int nId)
{
    CGXBDTGadget::Initialise(pOwner, nId);
    m_nBitmapId = nBitmapId;
    m_bitmap.DeleteObject();
    return LoadSysColorBitmap(m_bitmap, MAKEINTRESOURCEA(nBitmapId));
}

void CGXBDTButtonGadget::OnSysColorChange()
{
    m_bitmap.DeleteObject();
    LoadSysColorBitmap(m_bitmap, MAKEINTRESOURCEA(m_nBitmapId));
}

void CGXBDTButtonGadget::CalcSize(CDC*)
{
    m_rect.SetRect(0, 0, 16, -1);
}

void CGXBDTButtonGadget::Draw(CDC* pDC)
{
    const BOOL bPressed = (m_nState & 2) != 0;
    CRect rect = m_rect;
    if (bPressed) {
        Frame(pDC, rect, SysColor(COLOR_BTNSHADOW), SysColor(COLOR_BTNSHADOW));
        Frame(pDC, rect, SysColor(COLOR_BTNFACE), SysColor(COLOR_BTNFACE));
    } else {
        Frame(pDC, rect, SysColor(COLOR_BTNFACE), SysColor(COLOR_WINDOWFRAME));
        Frame(pDC, rect, SysColor(COLOR_BTNHIGHLIGHT), SysColor(COLOR_BTNSHADOW));
    }
    pDC->FillSolidRect(&rect, SysColor(COLOR_BTNFACE));
    BITMAP bm;
    if (m_bitmap.m_hObject == nullptr || m_bitmap.GetObject(sizeof bm, &bm) == 0)
        return;
    CDC dcBitmap;
    if (!dcBitmap.CreateCompatibleDC(pDC))
        return;
    CBitmap* pOld = dcBitmap.SelectObject(&m_bitmap);
    const int nShift = bPressed ? 1 : 0;
    pDC->BitBlt(m_rect.left + (m_rect.Width() - bm.bmWidth) / 2 + nShift,
                m_rect.top + (m_rect.Height() - bm.bmHeight) / 2 + nShift, bm.bmWidth, bm.bmHeight, &dcBitmap, 0, 0,
                SRCCOPY);
    dcBitmap.SelectObject(pOld);
}

void CGXBDTButtonGadget::OnLButtonDown(UINT, CPoint)
{
    m_nState = 3;
    Invalidate(TRUE);
    CaptureMouse(TRUE);
}

void CGXBDTButtonGadget::OnMouseMove(UINT, CPoint point)
{
    if (!(m_nState & 1))
        return;
    const UINT nState = m_rect.PtInRect(point) ? 3 : 1;
    if (nState != m_nState) {
        m_nState = nState;
        Invalidate(TRUE);
    }
}

void CGXBDTButtonGadget::OnLButtonUp(UINT, CPoint point)
{
    if (!(m_nState & 1))
        return;
    CaptureMouse(FALSE);
    m_nState = 0;
    Invalidate(TRUE);
    if (m_rect.PtInRect(point))
        Notify(gxButtonClicked, m_nId, 0);
}

void CGXBDTButtonGadget::OnCancelMode()
{
    if (!(m_nState & 1))
        return;
    CaptureMouse(FALSE);
    m_nState = 0;
    Invalidate(TRUE);
}

// ---- literal text ------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGXBDTStaticGadget, CGXBDTGadget)

CGXBDTStaticGadget::CGXBDTStaticGadget()
{
    m_nStyle = 0;
}

BOOL CGXBDTStaticGadget::Initialise(CGXBDateTimeCtrl* pOwner, const CString& strText, int nId)
{
    CGXBDTGadget::Initialise(pOwner, nId);
    m_strText = strText;
    return TRUE;
}

void CGXBDTStaticGadget::CalcSize(CDC* pDC)
{
    CRect rect(0, 0, 0, 0);
    pDC->DrawText(m_strText, &rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    m_rect.SetRect(0, 0, rect.Width(), rect.Height());
}

void CGXBDTStaticGadget::Draw(CDC* pDC)
{
    CRect rect = m_rect;
    pDC->DrawText(m_strText, &rect, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

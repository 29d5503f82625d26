#include <algorithm>
#include <cstring>

#include "frames/SECStatusBar.h"

#include "frames/SECToolkit.h"
#include "win/AfxResource.h"
#include "win/ArgCheck.h"
#include "win/CWindowDC.h"
#include "win/CFrameWnd.h"
#include "win/WndInternal.h"

IMPLEMENT_DYNAMIC(SECStatusBar, SECControlBar)

BEGIN_MESSAGE_MAP(SECStatusBar, SECControlBar)
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCHITTEST()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_GETTEXT, OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
    ON_MESSAGE(SB_SETMINHEIGHT, OnSetMinHeight)
END_MESSAGE_MAP()

namespace {

// The control's part of the window style: what the bar style leaves of the high bits, less the
// gripper bit, which is the bar's.
const DWORD kCtrlStyleMask = 0xFFFF0000 & ~DWORD(CBRS_GRIPPER);
// The control neither places nor sizes itself: the frame's layout does.
const DWORD kCtrlLayoutStyle = CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NORESIZE | CCS_NODIVIDER;

// Each pane is this much wider than its text.
const int kPaneExtra = 6;

// The control's horizontal border, vertical border and spacing between panes.
struct StatusBorders {
    int cx = 0;
    int cy = 0;
    int nSpacing = 0;
};

StatusBorders GetStatusBorders(HWND hWnd)
{
    int borders[3] = {};
    ::SendMessageA(hWnd, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    StatusBorders result;
    result.cx = borders[0];
    result.cy = borders[1];
    result.nSpacing = borders[2];
    return result;
}

} // namespace

SECStatusBar::SECStatusBar() : m_nMinHeight(0)
{
    if (SECGetDrawValues().bWin4)
        SetBorders(0, 2, 0, 0);
    else
        SetBorders(2, 2, 2, 1);
}

SECStatusBar::~SECStatusBar() = default;

BOOL SECStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, nID);
}

BOOL SECStatusBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    AfxRequirePointer(pParentWnd, "SECStatusBar::CreateEx", "pParentWnd");
    DWORD dwBarStyle = dwStyle & CBRS_ALL;
    // the system draws the edge above a bottom bar itself
    if (SECGetDrawValues().bWin4 &&
        (dwBarStyle & (CBRS_ALIGN_ANY | CBRS_BORDER_ANY)) == (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP))
        dwBarStyle &= ~DWORD(CBRS_BORDER_ANY | CBRS_BORDER_3D);
    SetBarStyle(dwBarStyle);

    DWORD dwCtrl = (dwStyle & kCtrlStyleMask) | kCtrlLayoutStyle | dwCtrlStyle | WS_CHILD;
    if (pParentWnd->GetStyle() & WS_THICKFRAME)
        dwCtrl |= SBARS_SIZEGRIP;
    AfxInitCommonControls();
    return CWnd::CreateEx(0, STATUSCLASSNAMEA, nullptr, dwCtrl, CRect(0, 0, 0, 0), pParentWnd, nID);
}

// ---- panes -------------------------------------------------------------------------------------------

SECStatusBar::Pane& SECStatusBar::GetPane(int nIndex, const char* lpszWhere)
{
    return const_cast<Pane&>(static_cast<const SECStatusBar*>(this)->GetPane(nIndex, lpszWhere));
}

const SECStatusBar::Pane& SECStatusBar::GetPane(int nIndex, const char* lpszWhere) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        AfxThrowInvalidArgFormat("SECStatusBar::%s: pane %d of %d", lpszWhere, nIndex, GetCount());
    return static_cast<const Pane*>(const_cast<SECStatusBar*>(this)->GetElementData())[nIndex];
}

HFONT SECStatusBar::GetPaneFont() const
{
    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    return hFont != nullptr ? hFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

BOOL SECStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    if (nIDCount < 0 || (nIDCount > 0 && lpIDArray == nullptr))
        AfxThrowInvalidArgFormat("SECStatusBar::SetIndicators: %d ids at %p", nIDCount, lpIDArray);
    if (m_hWnd == nullptr)
        AfxThrowInvalidArgFormat("SECStatusBar::SetIndicators: the bar has no window");
    try {
        m_paneTexts.clear();
        AllocElements(nIDCount, sizeof(Pane));
        AfxAllocating([&] { m_paneTexts.resize(size_t(nIDCount)); });
    } catch (CMemoryException* e) {
        e->Delete();
        AllocElements(0, sizeof(Pane));
        m_paneTexts.clear();
        return FALSE;
    }

    CClientDC dc(nullptr);
    HGDIOBJ hOldFont = ::SelectObject(dc.m_hDC, GetPaneFont());
    BOOL bResult = TRUE;
    for (int i = 0; i < nIDCount; i++) {
        Pane& pane = GetPane(i, "SetIndicators");
        pane.nID = lpIDArray[i];
        pane.nFlags = PaneWaiting;
        if (pane.nID != 0) {
            CString strText;
            if (!AfxLoadString(pane.nID, strText))
                strText = "  ";
            pane.cxText = dc.GetTextExtent(strText).cx;
            try {
                m_paneTexts[size_t(i)] = strText;
            } catch (CMemoryException* e) {
                e->Delete();
                bResult = FALSE;
            }
        } else {
            pane.cxText = ::GetSystemMetrics(SM_CXSCREEN) / 4;
            if (i == 0)
                pane.nStyle |= SBPS_STRETCH | SBPS_NOBORDERS;
        }
    }
    ::SelectObject(dc.m_hDC, hOldFont);
    UpdateAllPanes(TRUE, TRUE);
    return bResult;
}

int SECStatusBar::CommandToIndex(UINT nID) const
{
    for (int i = 0; i < GetCount(); i++)
        if (GetPane(i, "CommandToIndex").nID == nID)
            return i;
    return -1;
}

void SECStatusBar::SendPaneText(int nIndex)
{
    const Pane& pane = GetPane(nIndex, "SendPaneText");
    const LPCSTR lpszText = (pane.nStyle & SBPS_DISABLED) ? nullptr : m_paneTexts[size_t(nIndex)].GetString();
    SendMessage(SB_SETTEXTA, WPARAM(UINT(nIndex) | (pane.nStyle & 0xFFFF)), reinterpret_cast<LPARAM>(lpszText));
}

BOOL SECStatusBar::SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate)
{
    Pane& pane = GetPane(nIndex, "SetPaneText");
    CString& strText = m_paneTexts[size_t(nIndex)];
    const LPCSTR lpszText = lpszNewText != nullptr ? lpszNewText : "";
    if ((pane.nFlags & PaneWaiting) == 0 && strText == lpszText)
        return TRUE;
    try {
        strText = lpszText;
    } catch (CMemoryException* e) {
        e->Delete();
        return FALSE;
    }
    if (bUpdate) {
        pane.nFlags &= ~UINT(PaneWaiting);
        SendPaneText(nIndex);
    } else {
        pane.nFlags |= PaneWaiting;
    }
    return TRUE;
}

void SECStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    Pane& pane = GetPane(nIndex, "SetPaneStyle");
    if (pane.nStyle == nStyle)
        return;
    const BOOL bStretchChanged = ((pane.nStyle ^ nStyle) & SBPS_STRETCH) != 0;
    pane.nStyle = nStyle;
    if (bStretchChanged)
        UpdateAllPanes(TRUE, FALSE);
    pane.nFlags &= ~UINT(PaneWaiting);
    SendPaneText(nIndex);
}

UINT SECStatusBar::GetPaneStyle(int nIndex) const
{
    return GetPane(nIndex, "GetPaneStyle").nStyle;
}

void SECStatusBar::UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText)
{
    if (m_hWnd == nullptr)
        return;
    const int nCount = GetCount();
    if (bUpdateRects && nCount > 0) {
        CRect rect;
        GetWindowRect(rect);
        rect.OffsetRect(-rect.left, -rect.top);
        CalcInsideRect(rect, TRUE);
        const StatusBorders borders = GetStatusBorders(m_hWnd);
        CWnd* pParent = GetParent();
        if ((GetStyle() & SBARS_SIZEGRIP) && !(pParent != nullptr && pParent->IsZoomed()))
            rect.right -= 2 * ::GetSystemMetrics(SM_CXBORDER) + borders.cx + ::GetSystemMetrics(SM_CXVSCROLL);

        int nExtra = rect.Width() + borders.nSpacing;
        int nStretching = 0;
        for (int i = 0; i < nCount; i++) {
            const Pane& pane = GetPane(i, "UpdateAllPanes");
            nExtra -= pane.cxText + borders.nSpacing + kPaneExtra;
            if (pane.nStyle & SBPS_STRETCH)
                nStretching++;
        }
        std::vector<int> rights(static_cast<size_t>(nCount));
        int x = borders.cx;
        for (int i = 0; i < nCount; i++) {
            const Pane& pane = GetPane(i, "UpdateAllPanes");
            x += pane.cxText + kPaneExtra;
            if ((pane.nStyle & SBPS_STRETCH) && nExtra > 0) {
                // the last stretching pane takes what the division leaves
                const int nShare = nExtra / nStretching;
                x += nShare;
                nExtra -= nShare;
                nStretching--;
            }
            rights[size_t(i)] = x;
            x += borders.nSpacing;
        }
        SendMessage(SB_SETPARTS, WPARAM(nCount), reinterpret_cast<LPARAM>(rights.data()));
    }
    if (bUpdateText) {
        for (int i = 0; i < nCount; i++) {
            Pane& pane = GetPane(i, "UpdateAllPanes");
            if (pane.nFlags & PaneWaiting) {
                pane.nFlags &= ~UINT(PaneWaiting);
                SendPaneText(i);
            }
        }
    }
}

// ---- size and layout -------------------------------------------------------------------------------

CSize SECStatusBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    (void)bStretch;
    if (!bHorz || m_hWnd == nullptr)
        return CSize(0, 0);
    CClientDC dc(nullptr);
    HGDIOBJ hOldFont = ::SelectObject(dc.m_hDC, GetPaneFont());
    TEXTMETRICA tm = {};
    dc.GetTextMetrics(&tm);
    ::SelectObject(dc.m_hDC, hOldFont);
    CRect rectInside(0, 0, 0, 0);
    CalcInsideRect(rectInside, TRUE);
    const int cy = tm.tmHeight - tm.tmInternalLeading - 1 +
                   2 * (::GetSystemMetrics(SM_CYBORDER) + GetStatusBorders(m_hWnd).cy) +
                   (rectInside.top - rectInside.bottom);
    return CSize(32767, (std::max)(cy, m_nMinHeight));
}

void SECStatusBar::OnSize(UINT nType, int cx, int cy)
{
    SECControlBar::OnSize(nType, cx, cy);
    UpdateAllPanes(TRUE, FALSE);
}

void SECStatusBar::OnPaint()
{
    UpdateAllPanes(FALSE, TRUE);
    Default();
}

void SECStatusBar::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    (void)bCalcValidRects;
    // the bar's borders, but the top one 2 pixels thinner: the control keeps a line above its panes
    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect, TRUE);
    RECT& rc = lpncsp->rgrc[0];
    rc.left += rect.left;
    rc.top += (std::max)(0, rect.top - 2);
    rc.right = (std::max)(rc.left, rc.right + rect.right);
    rc.bottom = (std::max)(rc.top, rc.bottom + rect.bottom);
}

LRESULT SECStatusBar::OnNcHitTest(CPoint point)
{
    (void)point;
    return Default() == HTBOTTOMRIGHT ? HTBOTTOMRIGHT : HTCLIENT;
}

void SECStatusBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    if (((dwOldStyle ^ dwNewStyle) & CBRS_BORDER_ANY) && m_hWnd != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

LRESULT SECStatusBar::OnSetMinHeight(WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    m_nMinHeight = int(wParam);
    return Default();
}

// ---- the window text is the text of pane 0 ------------------------------------------------------------

LRESULT SECStatusBar::OnSetText(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    const int nIndex = CommandToIndex(0);
    if (nIndex < 0)
        return -1;
    return SetPaneText(nIndex, reinterpret_cast<LPCSTR>(lParam)) ? TRUE : FALSE;
}

LRESULT SECStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    LPSTR lpszBuffer = reinterpret_cast<LPSTR>(lParam);
    const size_t nMax = size_t(wParam);
    if (lpszBuffer == nullptr || nMax == 0)
        return 0;
    const int nIndex = CommandToIndex(0);
    const CString strText = nIndex >= 0 ? m_paneTexts[size_t(nIndex)] : CString();
    const size_t nCopy = (std::min)(size_t(strText.GetLength()), nMax - 1);
    std::memcpy(lpszBuffer, strText.GetString(), nCopy);
    lpszBuffer[nCopy] = '\0';
    return LRESULT(nCopy);
}

LRESULT SECStatusBar::OnGetTextLength(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    const int nIndex = CommandToIndex(0);
    return nIndex >= 0 ? m_paneTexts[size_t(nIndex)].GetLength() : 0;
}

// ---- command update and owner-drawn panes --------------------------------------------------------------

void SECStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    SECStatusCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = UINT(GetCount());
    for (int i = 0; i < GetCount(); i++) {
        state.m_nID = GetPane(i, "OnUpdateCmdUI").nID;
        state.m_nIndex = UINT(i);
        // the bar's own handler first; a pane without any handler keeps its state
        if (!OnCmdMsg(state.m_nID, int(CN_UPDATE_COMMAND_UI), &state, nullptr))
            state.DoUpdate(pTarget, FALSE);
    }
    SECControlBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
}

void SECStatusBar::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    (void)lpDrawItemStruct;
}

BOOL SECStatusBar::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return SECControlBar::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (pResult != nullptr)
        *pResult = TRUE;
    return TRUE;
}

void SECStatusCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    SECStatusBar* pBar = static_cast<SECStatusBar*>(m_pOther);
    const UINT nStyle = pBar->GetPaneStyle(int(m_nIndex)) & ~UINT(SBPS_DISABLED);
    pBar->SetPaneStyle(int(m_nIndex), bOn ? nStyle : nStyle | SBPS_DISABLED);
}

void SECStatusCmdUI::SetCheck(int nCheck)
{
    SECStatusBar* pBar = static_cast<SECStatusBar*>(m_pOther);
    const UINT nStyle = pBar->GetPaneStyle(int(m_nIndex)) & ~UINT(SBPS_POPOUT);
    pBar->SetPaneStyle(int(m_nIndex), nCheck != 0 ? nStyle | SBPS_POPOUT : nStyle);
}

void SECStatusCmdUI::SetText(LPCSTR lpszText)
{
    static_cast<SECStatusBar*>(m_pOther)->SetPaneText(int(m_nIndex), lpszText);
}

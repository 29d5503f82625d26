// SECControlBar: the sizable bar's geometry, drawing, sizes, gripper buttons, context menu and
// proportional layout of its children.
#include <algorithm>
#include <numeric>
#include <set>

#include "frames/SECControlBar.h"

#include "frames/SECDockBar.h"
#include "frames/SECDockContext.h"
#include "frames/SECToolkit.h"
#include "win/AfxResource.h"
#include "win/ArgCheck.h"
#include "win/CDC.h"
#include "win/CFrameWnd.h"
#include "win/CMenu.h"
#include "win/CMiniFrameWnd.h"

#include <commctrl.h>

IMPLEMENT_DYNAMIC(SECGripperInfo, CObject)
IMPLEMENT_DYNCREATE(SECControlBar, CControlBar)

BEGIN_MESSAGE_MAP(SECControlBar, CControlBar)
    ON_WM_NCCALCSIZE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_CONTEXTMENU()
    ON_WM_DESTROY()
    ON_WM_SYSCOLORCHANGE()
    ON_COMMAND(ID_SEC_HIDE, OnHide)
    ON_COMMAND(ID_SEC_ALLOWDOCKING, OnAllowDocking)
    ON_COMMAND(ID_SEC_FLOATINMAINWINDOW, OnFloatInMainWindow)
END_MESSAGE_MAP()

namespace {

// Tool ids of the gripper's buttons.
const UINT kHideToolID = 1024;
const UINT kExpandToolID = 2048;

// The gripper's buttons sit this far inside its edge, and leave this much beside them.
const int kButtonGap = 2;

} // namespace

// ---- gripper info -----------------------------------------------------------------------------------

SECGripperInfo::SECGripperInfo() : m_cxVert{4, 3, 1, 3, 6}, m_cyHorz{4, 3, 1, 3, 6}, m_nInset(3)
{
    AfxLoadString(IDS_SEC_GRIPPER_HIDE, m_strHideTip);
    AfxLoadString(IDS_SEC_GRIPPER_EXPAND, m_strExpandTip);
    AfxLoadString(IDS_SEC_GRIPPER_CONTRACT, m_strContractTip);
}

int SECGripperInfo::GetVertGripperWidth() const
{
    return std::accumulate(std::begin(m_cxVert), std::end(m_cxVert), 0);
}

int SECGripperInfo::GetHorzGripperHeight() const
{
    return std::accumulate(std::begin(m_cyHorz), std::end(m_cyHorz), 0);
}

// ---- creation -----------------------------------------------------------------------------------------

SECControlBar::SECControlBar()
    : m_pTypeIDProvider(nullptr), m_dwMRUDockingState(0), m_fPctWidth(1.0f), m_fSavedPctWidth(1.0f), m_rcMargins(10, 10, 10, 10),
      m_bCanExpand(TRUE), m_bExpandable(TRUE), m_bRowHorz(TRUE), m_pWndRepaintAfterBorders(nullptr), m_dwExStyle(0),
      m_bHidePressed(FALSE), m_bExpandPressed(FALSE)
{
}

SECControlBar::~SECControlBar() = default;

BOOL SECControlBar::Create(CWnd* pParentWnd, LPCSTR lpszWindowName, DWORD dwStyle, DWORD dwExStyle, UINT nID,
                           CCreateContext* pContext)
{
    return CreateEx(nullptr, lpszWindowName, dwStyle, dwExStyle, nID, CRect(0, 0, 0, 0), pParentWnd, pContext);
}

BOOL SECControlBar::CreateEx(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, DWORD dwExStyle, UINT nID,
                             const RECT& rect, CWnd* pParentWnd, CCreateContext* pContext)
{
    // before the window exists, so that a derived bar's WM_CREATE sees them
    m_dwExStyle = dwExStyle;
    const SECDrawValues& v = SECGetDrawValues();
    m_szDockHorz = m_szDockVert = m_szFloat = CSize(v.cxDefaultBar, v.cyDefaultBar);
    if (!CControlBar::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext))
        return FALSE;
    if (m_dwExStyle & SEC_CBRS_EX_PROPLAYOUT)
        RecordLayout();
    EnableToolTips();
    return TRUE;
}

CDockContext* SECControlBar::CreateDockContext()
{
    return new SECDockContext(this);
}

// ---- toolkit bar style ---------------------------------------------------------------------------------

void SECControlBar::SetExBarStyle(DWORD dwExStyle, BOOL bRedraw)
{
    const DWORD dwOld = m_dwExStyle;
    m_dwExStyle = dwExStyle;
    const DWORD dwChanged = dwOld ^ dwExStyle;
    if (dwChanged & SEC_CBRS_EX_PROPLAYOUT) {
        if (dwExStyle & SEC_CBRS_EX_PROPLAYOUT)
            RecordLayout();
        else
            m_layout.clear();
    }
    if (dwChanged != 0 && bRedraw && m_hWnd != nullptr) {
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        // the borders and the gripper are drawn in the client area
        Invalidate();
    }
    UpdateFloatingFrameBorder();
}

void SECControlBar::UpdateFloatingFrameBorder()
{
    if (m_hWnd == nullptr || !IsFloating())
        return;
    CMiniDockFrameWnd* pFrame = dynamic_cast<CMiniDockFrameWnd*>(GetParentFrame());
    if (pFrame == nullptr || pFrame->GetDockBar()->GetDockedCount() != 1)
        return;
    if (m_dwExStyle & SEC_CBRS_EX_FIXEDSIZE)
        pFrame->ModifyStyle(WS_THICKFRAME | MFS_THICKFRAME, MFS_4THICKFRAME, SWP_FRAMECHANGED);
    else
        pFrame->ModifyStyle(MFS_4THICKFRAME, WS_THICKFRAME | MFS_THICKFRAME, SWP_FRAMECHANGED);
}

void SECControlBar::ModifyExBarStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw)
{
    SetExBarStyle((m_dwExStyle & ~dwRemove) | dwAdd, bRedraw);
}

// ---- geometry -------------------------------------------------------------------------------------------

BOOL SECControlBar::IsDocked() const
{
    return (GetBarStyle() & CBRS_ALIGN_ANY) != 0 && !IsFloating();
}

namespace {

// TRUE when the gripper shows: the bit is set and the bar does not float.
BOOL GripperShows(DWORD dwExStyle, BOOL bFloating)
{
    return (dwExStyle & SEC_CBRS_EX_GRIPPER) != 0 && !bFloating;
}

// TRUE for a bar aligned top or bottom, whose gripper runs down its left side.
BOOL GripperOnLeft(DWORD dwBarStyle)
{
    return (dwBarStyle & CBRS_ORIENT_HORZ) != 0;
}

} // namespace

CRect SECControlBar::InsideOf(const CRect& rectClient) const
{
    if (GripperShows(m_dwExStyle, IsFloating())) {
        // beside the gripper, as long as it is
        const CRect rectGripper = CalcGripperRect(rectClient);
        if (GripperOnLeft(GetBarStyle()))
            return CRect(rectGripper.right, rectGripper.top, rectClient.right, rectGripper.bottom);
        return CRect(rectGripper.left, rectGripper.bottom, rectGripper.right, rectClient.bottom);
    }
    CRect rect = rectClient;
    if (m_dwExStyle & SEC_CBRS_EX_MARGINS)
        rect.DeflateRect(m_rcMargins.left, m_rcMargins.top, m_rcMargins.right, m_rcMargins.bottom);
    return rect;
}

void SECControlBar::GetInsideRect(CRect& rect) const
{
    GetClientRect(rect);
    rect = InsideOf(rect);
}

void SECControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    if ((m_dwExStyle & SEC_CBRS_EX_OWNBORDERS) == 0) {
        CControlBar::CalcInsideRect(rect, bHorz);
        return;
    }
    const DWORD dwStyle = GetBarStyle();
    if (dwStyle & CBRS_BORDER_LEFT)
        rect.left++;
    if (dwStyle & CBRS_BORDER_TOP)
        rect.top++;
    if (dwStyle & CBRS_BORDER_RIGHT)
        rect.right--;
    if (dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom--;
    const CRect borders = GetBorders();
    const BOOL bGripper = GripperShows(m_dwExStyle, IsFloating());
    if (bHorz) {
        rect.left += bGripper ? m_gripperInfo.GetVertGripperWidth() : borders.left;
        rect.top += borders.top;
        rect.right -= borders.right;
        rect.bottom -= borders.bottom;
    } else {
        // the class library's widths turn with a vertical bar
        rect.left += borders.top;
        rect.top += bGripper ? m_gripperInfo.GetHorzGripperHeight() : borders.left;
        rect.right -= borders.bottom;
        rect.bottom -= borders.right;
    }
}

const int* SECControlBar::GripperAcross() const
{
    return GripperOnLeft(GetBarStyle()) ? m_gripperInfo.m_cxVert : m_gripperInfo.m_cyHorz;
}

int SECControlBar::GripperThickness() const
{
    return GripperOnLeft(GetBarStyle()) ? m_gripperInfo.GetVertGripperWidth() : m_gripperInfo.GetHorzGripperHeight();
}

CRect SECControlBar::CalcGripperRect(const CRect& rect) const
{
    const int nInset = m_gripperInfo.m_nInset;
    if (GripperOnLeft(GetBarStyle()))
        return CRect(rect.left, rect.top + nInset, rect.left + GripperThickness(), rect.bottom - nInset);
    return CRect(rect.left + nInset, rect.top, rect.right - nInset, rect.top + GripperThickness());
}

namespace {

// Places a square button of nSize at the end of rectGripper that holds the buttons (the top of a
// gripper down the left side, else the right end) and takes its part off the gripper.
CRect PlaceGripperButton(CRect& rectGripper, BOOL bOnLeft, int nSize)
{
    if (bOnLeft) {
        const CRect rect(rectGripper.left + kButtonGap, rectGripper.top + kButtonGap, rectGripper.left + kButtonGap + nSize,
                         rectGripper.top + kButtonGap + nSize);
        rectGripper.top += nSize + kButtonGap;
        return rect;
    }
    const CRect rect(rectGripper.right - kButtonGap - nSize, rectGripper.top + kButtonGap,
                     rectGripper.right - kButtonGap, rectGripper.top + kButtonGap + nSize);
    rectGripper.right -= nSize + kButtonGap;
    return rect;
}

} // namespace

int SECControlBar::GetGripperButtonSize() const
{
    // the gripper less its two outer gaps, plus 4
    const int* pnAcross = GripperAcross();
    return GripperThickness() - pnAcross[0] - pnAcross[4] + 4;
}

CRect SECControlBar::PlaceHideButton(CRect& rectGripper) const
{
    return PlaceGripperButton(rectGripper, GripperOnLeft(GetBarStyle()), GetGripperButtonSize());
}

CRect SECControlBar::PlaceExpandButton(CRect& rectGripper) const
{
    return PlaceGripperButton(rectGripper, GripperOnLeft(GetBarStyle()), GetGripperButtonSize());
}

CRect SECControlBar::CalcGripperButtons(const CRect& rectClient, CRect& rectHide, CRect& rectExpand) const
{
    rectHide.SetRectEmpty();
    rectExpand.SetRectEmpty();
    if (!GripperShows(m_dwExStyle, IsFloating()))
        return CRect(0, 0, 0, 0);
    CRect rectGripper = CalcGripperRect(rectClient);
    if (m_dwExStyle & SEC_CBRS_EX_HIDEBUTTON)
        rectHide = PlaceHideButton(rectGripper);
    if (m_dwExStyle & SEC_CBRS_EX_EXPANDBUTTON)
        rectExpand = PlaceExpandButton(rectGripper);
    return rectGripper;
}

CRect SECControlBar::LayoutGripper(const CRect& rectClient)
{
    const CRect rectLines = CalcGripperButtons(rectClient, m_rectHideBtn, m_rectExpandBtn);
    if (!m_rectExpandBtn.IsRectEmpty())
        UpdateExpandState();
    return rectLines;
}

CRect SECControlBar::LayoutGripper()
{
    CRect rectClient;
    GetClientRect(rectClient);
    return LayoutGripper(rectClient);
}

void SECControlBar::UpdateExpandState()
{
    m_bRowHorz = (GetBarStyle() & CBRS_ORIENT_HORZ) != 0;
    if (const SECDockBar* pDockBar = dynamic_cast<const SECDockBar*>(GetDockBar())) {
        m_bExpandable = !pDockBar->IsExpanded(this);
        m_bCanExpand = !pDockBar->IsAloneInRow(this);
    }
}

BOOL SECControlBar::MayHide() const
{
    return TRUE;
}

BOOL SECControlBar::MayExpand() const
{
    return TRUE;
}

// ---- layout -----------------------------------------------------------------------------------------------

CSize SECControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    (void)bStretch;
    return bHorz ? m_szDockHorz : m_szDockVert;
}

CSize SECControlBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (dwMode & SEC_LM_MINSIZE)
        return CalcMinSize();
    if (dwMode & LM_COMMIT) {
        // to the nearest pixel, so that a fraction taken from a length gives that length back
        const int nValue = (dwMode & LM_STRETCH) ? int(float(nLength) * m_fPctWidth + 0.5f) : nLength;
        CSize& size = (dwMode & LM_HORZDOCK) ? m_szDockHorz : (dwMode & LM_VERTDOCK) ? m_szDockVert : m_szFloat;
        if (dwMode & LM_LENGTHY) {
            size.cy = nValue;
        } else {
            size.cx = nValue;
            if (&size == &m_szFloat)
                SetMRUWidth(nValue);
        }
    }
    if (dwMode & (LM_HORZDOCK | LM_VERTDOCK))
        return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZ) != 0);
    return m_szFloat;
}

namespace {

// The height at which hWnd, a list view, tree view or list box, shows its first line: its frame
// without scroll bars, a report list's header, one line, and the horizontal scroll bar it shows at
// that height. -1 for any other window.
int OneLineHeight(HWND hWnd)
{
    char szClass[32] = {};
    ::GetClassNameA(hWnd, szClass, int(sizeof szClass));
    const DWORD dwStyle = DWORD(::GetWindowLongA(hWnd, GWL_STYLE));
    int nLine = 0;
    int nHeader = 0;
    int nCount = 0;
    int nContent = -1; // the lines' width, -1 when the window does not tell
    if (::lstrcmpiA(szClass, WC_LISTVIEWA) == 0) {
        nCount = int(::SendMessageA(hWnd, LVM_GETITEMCOUNT, 0, 0));
        if ((dwStyle & LVS_TYPEMASK) == LVS_REPORT) {
            const HWND hWndHeader = HWND(::SendMessageA(hWnd, LVM_GETHEADER, 0, 0));
            if (hWndHeader != nullptr && (::GetWindowLongA(hWndHeader, GWL_STYLE) & WS_VISIBLE)) {
                CRect rectHeader;
                ::GetWindowRect(hWndHeader, rectHeader);
                nHeader = rectHeader.Height();
            }
            const int nColumns = hWndHeader != nullptr ? int(::SendMessageA(hWndHeader, HDM_GETITEMCOUNT, 0, 0)) : 0;
            nContent = 0;
            for (int i = 0; i < nColumns; i++)
                nContent += int(::SendMessageA(hWnd, LVM_GETCOLUMNWIDTH, WPARAM(i), 0));
        }
        CRect rectItem(LVIR_BOUNDS, 0, 0, 0);
        if (nCount > 0 && ::SendMessageA(hWnd, LVM_GETITEMRECT, 0, LPARAM(&rectItem)))
            nLine = rectItem.Height();
        else
            nLine = HIWORD(::SendMessageA(hWnd, LVM_GETITEMSPACING, TRUE, 0));
        if (dwStyle & LVS_NOSCROLL)
            nContent = 0;
    } else if (::lstrcmpiA(szClass, WC_TREEVIEWA) == 0) {
        nLine = int(::SendMessageA(hWnd, TVM_GETITEMHEIGHT, 0, 0));
    } else if (::lstrcmpiA(szClass, "ListBox") == 0) {
        nLine = int(::SendMessageA(hWnd, LB_GETITEMHEIGHT, 0, 0));
    } else {
        return -1;
    }
    CRect rectFrame(0, 0, 0, 0);
    ::AdjustWindowRectEx(rectFrame, dwStyle & ~DWORD(WS_HSCROLL | WS_VSCROLL), FALSE,
                         DWORD(::GetWindowLongA(hWnd, GWL_EXSTYLE)));
    BOOL bHScroll = (dwStyle & WS_HSCROLL) != 0;
    if (nContent >= 0) {
        // with one line in view every further line brings a vertical scroll bar
        CRect rectWindow;
        ::GetWindowRect(hWnd, rectWindow);
        const int cxShown =
            rectWindow.Width() - rectFrame.Width() - (nCount > 1 ? ::GetSystemMetrics(SM_CXVSCROLL) : 0);
        bHScroll = nContent > cxShown;
    }
    return rectFrame.Height() + nHeader + nLine + (bHScroll ? ::GetSystemMetrics(SM_CYHSCROLL) : 0);
}

} // namespace

CSize SECControlBar::CalcMinSize() const
{
    // the frame, from an inside rectangle that nothing clamps
    const CRect rectRoom(0, 0, 0x4000, 0x4000);
    const CRect rectInsideRoom = InsideOf(rectRoom);
    CSize size(rectRoom.Width() - rectInsideRoom.Width(), rectRoom.Height() - rectInsideRoom.Height());
    if (m_hWnd == nullptr || (m_dwExStyle & SEC_CBRS_EX_PROPLAYOUT))
        return size;
    CRect rectInside;
    GetInsideRect(rectInside);
    const HWND hWndFirst = ::GetWindow(m_hWnd, GW_CHILD);
    int nTop = rectInside.top;
    int nBottom = rectInside.top;
    for (HWND hWndChild = hWndFirst; hWndChild != nullptr; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        if ((::GetWindowLongA(hWndChild, GWL_STYLE) & WS_VISIBLE) == 0)
            continue;
        CRect rect;
        ::GetWindowRect(hWndChild, rect);
        ScreenToClient(rect);
        const int nLine = OneLineHeight(hWndChild);
        const BOOL bStretched = hWndChild == hWndFirst && (m_dwExStyle & SEC_CBRS_EX_STRETCHCHILD);
        nTop = (std::min)(nTop, int(rect.top));
        nBottom = (std::max)(nBottom, nLine >= 0 ? int(rect.top) + nLine : bStretched ? int(rect.top) : int(rect.bottom));
    }
    size.cy += nBottom - nTop;
    return size;
}

CRect SECControlBar::CalcChildArea(int cx, int cy) const
{
    // the inside rectangle, and the inset at the far side of the gripper too
    CRect rect = InsideOf(CRect(0, 0, cx, cy));
    if (GripperShows(m_dwExStyle, IsFloating())) {
        if (GripperOnLeft(GetBarStyle()))
            rect.right -= m_gripperInfo.m_nInset;
        else
            rect.bottom -= m_gripperInfo.m_nInset;
    }
    rect.right = (std::max)(rect.left, rect.right);
    rect.bottom = (std::max)(rect.top, rect.bottom);
    return rect;
}

void SECControlBar::RecordLayout()
{
    m_layout.clear();
    if (m_hWnd == nullptr)
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    m_layout.push_back({nullptr, rectClient});
    for (HWND hWndChild = ::GetWindow(m_hWnd, GW_CHILD); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        CRect rect;
        ::GetWindowRect(hWndChild, rect);
        ScreenToClient(rect);
        m_layout.push_back({hWndChild, rect});
    }
}

void SECControlBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    if (nType == SIZE_MINIMIZED || cx <= 0 || cy <= 0)
        return;
    const CRect rectArea = CalcChildArea(cx, cy);
    if ((m_dwExStyle & SEC_CBRS_EX_PROPLAYOUT) && !m_layout.empty()) {
        const CRect rectRecorded = m_layout.front().rect;
        if (rectRecorded.Width() <= 0 || rectRecorded.Height() <= 0) {
            // recorded before the bar had a size: there is nothing to scale by yet
            RecordLayout();
            return;
        }
        HDWP hDWP = ::BeginDeferWindowPos(int(m_layout.size() - 1));
        for (size_t i = 1; i < m_layout.size() && hDWP != nullptr; i++) {
            const LayoutEntry& entry = m_layout[i];
            if (!::IsWindow(entry.hWnd))
                continue;
            auto scaleX = [&](int x) { return int(LONGLONG(x) * rectArea.Width() / rectRecorded.Width()) + rectArea.left; };
            auto scaleY = [&](int y) { return int(LONGLONG(y) * rectArea.Height() / rectRecorded.Height()) + rectArea.top; };
            const CRect rect(scaleX(entry.rect.left), scaleY(entry.rect.top), scaleX(entry.rect.right),
                             scaleY(entry.rect.bottom));
            hDWP = ::DeferWindowPos(hDWP, entry.hWnd, nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                                    SWP_NOZORDER | SWP_NOACTIVATE | (g_bSECNoRedraw ? SWP_NOREDRAW : 0));
        }
        if (hDWP != nullptr)
            ::EndDeferWindowPos(hDWP);
        if (IsFloating())
            Invalidate();
    } else if (m_dwExStyle & SEC_CBRS_EX_STRETCHCHILD) {
        if (HWND hWndFirst = ::GetWindow(m_hWnd, GW_CHILD))
            ::SetWindowPos(hWndFirst, nullptr, rectArea.left, rectArea.top, rectArea.Width(), rectArea.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE | (g_bSECNoRedraw ? SWP_NOREDRAW : 0));
    }
}

// ---- drawing ----------------------------------------------------------------------------------------------

void SECControlBar::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    // the whole window is the client area: the bar draws its borders and gripper itself
    (void)bCalcValidRects;
    (void)lpncsp;
}

void SECControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    AfxRequirePointer(pDC, "SECControlBar::DrawBorders", "pDC");
    const DWORD dwStyle = GetBarStyle();
    if ((dwStyle & CBRS_BORDER_ANY) == 0)
        return;
    const int nLeft = (dwStyle & CBRS_BORDER_LEFT) ? 1 : 0;
    const int nTop = (dwStyle & CBRS_BORDER_TOP) ? 1 : 0;
    const int nRight = (dwStyle & CBRS_BORDER_RIGHT) ? 1 : 0;
    const int nBottom = (dwStyle & CBRS_BORDER_BOTTOM) ? 1 : 0;
    if (m_dwExStyle & SEC_CBRS_EX_OWNBORDERS) {
        rect.DeflateRect(nLeft, nTop, nRight, nBottom);
        return;
    }

    const SECDrawValues& v = SECGetDrawValues();
    const BOOL bInFixedRow = (m_dwExStyle & SEC_CBRS_EX_INFIXEDROW) != 0;
    const COLORREF clrOuter = bInFixedRow ? (v.bWin4 ? v.clrBtnShadow : v.clrWindowFrame) : v.clrBtnFace;
    const COLORREF clrInner = bInFixedRow ? v.clrBtnHilite : v.clrBtnFace;
    // lines along a bar docked at the top or bottom run its full length, others stop short of the ends
    const BOOL bFullLength = (dwStyle & CBRS_ORIENT_HORZ) != 0;
    const int nStart = bFullLength ? 0 : 2;
    const int nEnd = bFullLength ? 0 : 3;
    CRect rectLines = rect;
    for (int nLine = 0; nLine < ((dwStyle & CBRS_BORDER_3D) ? 2 : 1); nLine++) {
        const COLORREF clr = nLine == 0 ? clrOuter : clrInner;
        const int cyLine = rectLines.Height() - nStart - nEnd;
        const int cxLine = rectLines.Width() - nStart - nEnd;
        if (nLeft)
            pDC->FillSolidRect(rectLines.left, rectLines.top + nStart, 1, cyLine, clr);
        if (nTop)
            pDC->FillSolidRect(rectLines.left + nStart, rectLines.top, cxLine, 1, clr);
        if (nRight)
            pDC->FillSolidRect(rectLines.right - 1, rectLines.top + nStart, 1, cyLine, clr);
        if (nBottom)
            pDC->FillSolidRect(rectLines.left + nStart, rectLines.bottom - 1, cxLine, 1, clr);
        rectLines.DeflateRect(nLeft, nTop, nRight, nBottom);
    }
    rect.DeflateRect(nLeft * v.cxBorder2, nTop * v.cyBorder2, nRight * v.cxBorder2, nBottom * v.cyBorder2);
}

void SECControlBar::DrawGripper(CDC* pDC, const CRect& rect)
{
    AfxRequirePointer(pDC, "SECControlBar::DrawGripper", "pDC");
    if ((m_dwExStyle & SEC_CBRS_EX_GRIPPER) == 0) {
        CControlBar::DrawGripper(pDC, rect);
        return;
    }
    const CRect rectLines = LayoutGripper(rect);
    if (rectLines.Width() > 0 && rectLines.Height() > 0) {
        const SECDrawValues& v = SECGetDrawValues();
        // gap, line, space, line, gap across the gripper
        const int* pnAcross = GripperAcross();
        const int nOffsets[2] = {pnAcross[0], pnAcross[0] + pnAcross[1] + pnAcross[2]};
        const int nThickness[2] = {pnAcross[1], pnAcross[3]};
        for (int i = 0; i < 2; i++) {
            if (GripperOnLeft(GetBarStyle()))
                pDC->Draw3dRect(rectLines.left + nOffsets[i], rectLines.top, nThickness[i], rectLines.Height(),
                                v.clrBtnHilite, v.clrBtnShadow);
            else
                pDC->Draw3dRect(rectLines.left, rectLines.top + nOffsets[i], rectLines.Width(), nThickness[i],
                                v.clrBtnHilite, v.clrBtnShadow);
        }
    }
    if (!m_rectHideBtn.IsRectEmpty())
        DrawHideButton(pDC);
    if (!m_rectExpandBtn.IsRectEmpty())
        DrawExpandButton(pDC);
}

void SECControlBar::DrawHideButton(CDC* pDC)
{
    CRect rect = m_rectHideBtn;
    pDC->DrawFrameControl(rect, DFC_CAPTION, DFCS_CAPTIONCLOSE | (m_bHidePressed ? DFCS_PUSHED : 0));
}

void SECControlBar::DrawExpandButton(CDC* pDC)
{
    UINT nState = m_bRowHorz ? (m_bExpandable ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT)
                             : (m_bExpandable ? DFCS_SCROLLUP : DFCS_SCROLLDOWN);
    if (!m_bCanExpand)
        nState |= DFCS_INACTIVE;
    if (m_bExpandPressed)
        nState |= DFCS_PUSHED;
    CRect rect = m_rectExpandBtn;
    rect.left--;
    rect.top--;
    pDC->DrawFrameControl(rect, DFC_SCROLL, nState);
}

void SECControlBar::DoPaint(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(rectClient);
    CRect rect = rectClient;
    DrawBorders(pDC, rect);
    DrawGripper(pDC, rectClient);
    if (m_pWndRepaintAfterBorders != nullptr) {
        const HWND hWndAfter = m_pWndRepaintAfterBorders->m_hWnd;
        if (::IsWindow(hWndAfter) && hWndAfter != m_hWnd && !::IsChild(hWndAfter, m_hWnd))
            ::RedrawWindow(hWndAfter, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}

BOOL SECControlBar::OnEraseBkgnd(CDC* pDC)
{
    if (m_dwExStyle & SEC_CBRS_EX_MARGINS) {
        CRect rectClient;
        GetClientRect(rectClient);
        CRect rectInside;
        GetInsideRect(rectInside);
        const COLORREF clrFace = SECGetDrawValues().clrBtnFace;
        const CRect strips[4] = {
            CRect(rectClient.left, rectClient.top, rectClient.right, rectInside.top),
            CRect(rectClient.left, rectInside.bottom, rectClient.right, rectClient.bottom),
            CRect(rectClient.left, rectInside.top, rectInside.left, rectInside.bottom),
            CRect(rectInside.right, rectInside.top, rectClient.right, rectInside.bottom),
        };
        for (const CRect& strip : strips)
            if (strip.Width() > 0 && strip.Height() > 0)
                pDC->FillSolidRect(strip, clrFace);
    }
    return CControlBar::OnEraseBkgnd(pDC);
}

void SECControlBar::OnSysColorChange()
{
    SECRefreshSysColors();
    CControlBar::OnSysColorChange();
}

// ---- mouse and tooltips ------------------------------------------------------------------------------

void SECControlBar::RedrawButton(const CRect& rect)
{
    // the arrow is drawn one pixel larger to the left and top
    CRect rectDraw = rect;
    rectDraw.InflateRect(1, 1, 0, 0);
    InvalidateRect(rectDraw, FALSE);
    UpdateWindow();
}

void SECControlBar::ReleasePressedButtons()
{
    if (m_bHidePressed) {
        m_bHidePressed = FALSE;
        RedrawButton(m_rectHideBtn);
    }
    if (m_bExpandPressed) {
        m_bExpandPressed = FALSE;
        RedrawButton(m_rectExpandBtn);
    }
}

void SECControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    LayoutGripper();
    if (IsDocked()) {
        if (m_rectHideBtn.PtInRect(point) && MayHide()) {
            m_bHidePressed = TRUE;
            RedrawButton(m_rectHideBtn);
            SetCapture();
            return;
        }
        if (m_rectExpandBtn.PtInRect(point) && m_bCanExpand && MayExpand()) {
            m_bExpandPressed = TRUE;
            RedrawButton(m_rectExpandBtn);
            SetCapture();
            return;
        }
    }
    ReleasePressedButtons();
    if (IsDraggable())
        CControlBar::OnLButtonDown(nFlags, point); // the dock context's drag
    else
        CWnd::OnLButtonDown(nFlags, point);
}

BOOL SECControlBar::IsDraggable() const
{
    if (IsDocked())
        return TRUE;
    CFrameWnd* pFrame = GetParentFrame();
    return pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd));
}

void SECControlBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (GetCapture() == this)
        ::ReleaseCapture();
    LayoutGripper();
    if (m_bHidePressed && m_rectHideBtn.PtInRect(point)) {
        m_bHidePressed = FALSE;
        RedrawButton(m_rectHideBtn);
        SendMessage(WM_COMMAND, ID_SEC_HIDE);
        return;
    }
    if (m_bExpandPressed && m_rectExpandBtn.PtInRect(point)) {
        m_bExpandPressed = FALSE;
        RedrawButton(m_rectExpandBtn);
        if (SECDockBar* pDockBar = dynamic_cast<SECDockBar*>(GetDockBar()))
            pDockBar->ExpandContract(this, m_bExpandable ? 1 : 0);
        return;
    }
    ReleasePressedButtons();
    CControlBar::OnLButtonUp(nFlags, point);
}

void SECControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    LayoutGripper();
    if (m_rectHideBtn.PtInRect(point) || m_rectExpandBtn.PtInRect(point))
        return;
    if (IsDraggable())
        CControlBar::OnLButtonDblClk(nFlags, point); // toggles docking
    else
        CWnd::OnLButtonDblClk(nFlags, point);
}

INT_PTR SECControlBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    if ((GetBarStyle() & CBRS_TOOLTIPS) == 0)
        return -1;
    const INT_PTR nHit = CControlBar::OnToolHitTest(point, pTI);
    if (nHit != -1 || !IsDocked())
        return nHit;
    CRect rectClient;
    GetClientRect(rectClient);
    CRect rectHide;
    CRect rectExpand;
    CalcGripperButtons(rectClient, rectHide, rectExpand);
    UINT nTool = 0;
    const CString* pText = nullptr;
    CRect rectTool;
    if (rectHide.PtInRect(point)) {
        nTool = kHideToolID;
        pText = &m_gripperInfo.m_strHideTip;
        rectTool = rectHide;
    } else if (rectExpand.PtInRect(point)) {
        nTool = kExpandToolID;
        pText = m_bExpandable ? &m_gripperInfo.m_strExpandTip : &m_gripperInfo.m_strContractTip;
        rectTool = rectExpand;
    } else {
        return -1;
    }
    if (pTI != nullptr) {
        pTI->hwnd = m_hWnd;
        pTI->uId = nTool;
        pTI->rect = rectTool;
        // the tooltip control copies the text
        pTI->lpszText = const_cast<LPSTR>(pText->GetString());
    }
    return INT_PTR(nTool);
}

// ---- notification hooks ----------------------------------------------------------------------------

void SECControlBar::OnBarBeginDock()
{
    OnBarDock();
}

void SECControlBar::OnBarDock() {}

void SECControlBar::OnBarEndDock() {}

void SECControlBar::OnBarBeginFloat()
{
    OnBarFloat();
}

void SECControlBar::OnBarFloat() {}

void SECControlBar::OnBarEndFloat() {}

void SECControlBar::OnBarBeginMDIFloat()
{
    OnBarMDIFloat();
}

void SECControlBar::OnBarMDIFloat() {}

void SECControlBar::OnBarEndMDIFloat() {}

// ---- context menu and commands ----------------------------------------------------------------------

void SECControlBar::OnExtendContextMenu(CMenu* pMenu)
{
    (void)pMenu;
}

void SECControlBar::OnContextMenu(CWnd* pWnd, CPoint pos)
{
    if ((m_dwExStyle & SEC_CBRS_EX_CONTEXTMENU) == 0) {
        CControlBar::OnContextMenu(pWnd, pos);
        return;
    }
    CMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    CString strText;
    AfxLoadString(ID_SEC_ALLOWDOCKING, strText);
    menu.AppendMenu(MF_STRING | ((GetEnabledAlignment() & CBRS_ALIGN_ANY) ? MF_CHECKED : MF_UNCHECKED),
                    ID_SEC_ALLOWDOCKING, strText);
    AfxLoadString(ID_SEC_HIDE, strText);
    menu.AppendMenu(MF_STRING, ID_SEC_HIDE, strText);
    OnExtendContextMenu(&menu);
    if (CFrameWnd* pDockSite = GetDockSite())
        pDockSite->SendMessage(SEC_WM_BARCONTEXTMENU, reinterpret_cast<WPARAM>(this), reinterpret_cast<LPARAM>(&menu));
    if (pos.x == -1 && pos.y == -1) {
        // opened from the keyboard
        CRect rectClient;
        GetClientRect(rectClient);
        pos = CPoint(rectClient.Width() / 4, 10);
        ClientToScreen(&pos);
    }
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pos.x, pos.y, this);
}

CFrameWnd* SECControlBar::GetBarFrame() const
{
    CFrameWnd* pFrame = GetDockSite();
    return pFrame != nullptr ? pFrame : GetParentFrame();
}

void SECControlBar::InvalidateIfResized(const WINDOWPOS* lpWndPos)
{
    if ((lpWndPos->flags & SWP_NOSIZE) || (GetBarStyle() & CBRS_SIZE_DYNAMIC) == 0)
        return;
    CRect rect;
    GetWindowRect(rect);
    if (rect.Width() != lpWndPos->cx || rect.Height() != lpWndPos->cy)
        Invalidate();
}

void SECControlBar::OnHide()
{
    CFrameWnd* pFrame = GetBarFrame();
    if (pFrame == nullptr)
        return;
    pFrame->ShowControlBar(this, FALSE, FALSE);
    CFrameWnd* pActive = pFrame->GetActiveFrame();
    (pActive != nullptr ? pActive : pFrame)->SetFocus();
}

void SECControlBar::OnAllowDocking()
{
    const DWORD dwDockStyle = GetEnabledAlignment();
    if (dwDockStyle & CBRS_ALIGN_ANY) {
        m_dwMRUDockingState = dwDockStyle & CBRS_ALIGN_ANY;
        if (IsDocked() && GetDockContext() != nullptr)
            GetDockContext()->ToggleDocking();
        EnableDocking(dwDockStyle & ~DWORD(CBRS_ALIGN_ANY));
    } else {
        EnableDocking(dwDockStyle | m_dwMRUDockingState);
    }
}

void SECControlBar::OnFloatInMainWindow()
{
    if (SECDockContext* pContext = dynamic_cast<SECDockContext*>(GetDockContext()))
        pContext->ToggleFloatingInMainWindow();
}

void SECControlBar::OnDestroy()
{
    CFrameWnd* pFrame = GetDockingFrame();
    m_layout.clear();
    CControlBar::OnDestroy();
    if (pFrame != nullptr)
        pFrame->DelayRecalcLayout();
}

// ---- bar ids -------------------------------------------------------------------------------------------

UINT NextFreeBarId(CFrameWnd* pFrame, UINT nStart)
{
    AfxRequirePointer(pFrame, "NextFreeBarId", "pFrame");
    std::set<UINT> used;
    const CPtrList& bars = pFrame->GetControlBarList();
    for (POSITION pos = bars.GetHeadPosition(); pos != nullptr;) {
        const CControlBar* pBar = static_cast<const CControlBar*>(bars.GetNext(pos));
        if (pBar->m_hWnd != nullptr)
            used.insert(UINT(::GetDlgCtrlID(pBar->m_hWnd)));
    }
    for (UINT nTry = 0; nTry < 1000; nTry++)
        if (used.count(nStart + nTry) == 0)
            return nStart + nTry;
    return 0;
}

// SECCustomToolBar: the tool-bar manager's side of a bar, the customise selection, dragging buttons
// between bars, the delayed hide while customising and the saved button lists.
#include <algorithm>
#include <cstdlib>
#include <functional>

#include "frames/SECCustomToolBar.h"

#include "frames/SECBmpMgr.h"
#include "frames/SECCustomToolBarInfoEx.h"
#include "frames/SECToolBarManager.h"
#include "frames/SECToolBarRectTracker.h"
#include "frames/SECToolkit.h"
#include "win/ArgCheck.h"
#include "win/CFrameWnd.h"
#include "win/CMiniFrameWnd.h"
#include "win/WinServices.h"

namespace {

// A drop that moves a button less than this sideways leaves its groups as they are.
const int kRegroupShift = 2;

// The tool bar pWnd is or lies in (a floating frame's first tool bar); null when none.
SECCustomToolBar* ToolBarAt(CWnd* pWnd)
{
    for (CWnd* p = pWnd; p != nullptr; p = CWnd::FromHandlePermanent(::GetParent(p->m_hWnd))) {
        if (SECCustomToolBar* pBar = dynamic_cast<SECCustomToolBar*>(p))
            return pBar;
        if (dynamic_cast<CMiniDockFrameWnd*>(p) != nullptr) {
            // the floating frame's caption or border: the bar it holds
            for (HWND hWnd = ::GetWindow(p->m_hWnd, GW_CHILD); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
                for (HWND hBar = ::GetWindow(hWnd, GW_CHILD); hBar != nullptr; hBar = ::GetWindow(hBar, GW_HWNDNEXT))
                    if (SECCustomToolBar* pBar = dynamic_cast<SECCustomToolBar*>(CWnd::FromHandlePermanent(hBar)))
                        return pBar;
            return nullptr;
        }
        if (p->GetStyle() & WS_POPUP)
            return nullptr;
    }
    return nullptr;
}

// The tool bar under one of rect's corners (screen); null when none.
SECCustomToolBar* ToolBarAtCorners(const CRect& rect)
{
    const POINT corners[4] = {{rect.left, rect.top}, {rect.right - 1, rect.top}, {rect.left, rect.bottom - 1},
                              {rect.right - 1, rect.bottom - 1}};
    for (const POINT& pt : corners)
        if (SECCustomToolBar* pBar = ToolBarAt(CWnd::FromHandlePermanent(::WindowFromPoint(pt))))
            return pBar;
    return nullptr;
}

} // namespace

// ---- the tool-bar manager ---------------------------------------------------------------------------------

void SECCustomToolBar::SetManager(SECToolBarManager* pManager)
{
    if (pManager == m_pManager)
        return;
    if (m_pManager != nullptr)
        m_pManager->RemoveBar(this);
    m_pManager = pManager;
    m_pTypeIDProvider = pManager;
    if (pManager != nullptr) {
        pManager->AddBar(this);
        SetBmpMgr(pManager->GetBmpMgr());
        SetCustomizeMode(pManager->GetCustomizeWnd());
    }
    ResizeButtons();
}

void SECCustomToolBar::NotifyManager(int nCode)
{
    if (m_pManager != nullptr && m_hWnd != nullptr)
        m_pManager->NotifyBarChange(UINT(GetDlgCtrlID()), nCode);
}

void SECCustomToolBar::InformBtns(UINT nID, UINT nBits, UINT nMask)
{
    if (m_pManager != nullptr)
        m_pManager->InformBtns(nID, nBits, nMask);
}

void SECCustomToolBar::ResizeButtons()
{
    m_nMaxBtnWidth = 0;
    for (SECStdBtn* pBtn : m_btns) {
        pBtn->ComputeSize();
        // the bar's separators are its separator width wide, whatever a button makes of itself
        if (pBtn->HasStyle(TBBS_SEPARATOR))
            pBtn->m_cx = m_nSepWidth;
    }
    SetLayoutsDirty();
    if (m_hWnd != nullptr)
        Invalidate();
}

void SECCustomToolBar::SelectCustomizeButton(int nIndex)
{
    if (GetBtn(nIndex) == nullptr)
        nIndex = -1;
    if (nIndex >= 0 && m_pManager != nullptr)
        m_pManager->SetSelectedBar(this); // the bar that held the selection lets it go
    if (nIndex == m_nCustomizeSel)
        return;
    if (SECStdBtn* pOld = GetBtn(m_nCustomizeSel)) {
        pOld->SetStyle(pOld->GetStyle() & ~SEC_TBBS_CUSTOMIZING);
        if (m_hWnd != nullptr)
            pOld->Invalidate();
    }
    m_nCustomizeSel = nIndex;
    if (SECStdBtn* pNew = GetBtn(nIndex)) {
        pNew->SetStyle(pNew->GetStyle() | SEC_TBBS_CUSTOMIZING);
        if (m_hWnd != nullptr)
            pNew->Invalidate();
    } else if (m_pManager != nullptr && m_pManager->GetSelectedBar() == this) {
        m_pManager->SetSelectedBar(nullptr);
    }
    NotifyManager(SEC_BARNOTIFY_SELECTION);
}

BOOL SECCustomToolBar::IsCtrlDown() const
{
    return AfxGetServices()->GetKeyState(VK_CONTROL) < 0;
}

// ---- dragging ---------------------------------------------------------------------------------------------

CRuntimeClass* SECCustomToolBar::ButtonClassOf(UINT nID) const
{
    const SECBtnClassEntry* pEntry = FindClassEntry(nID);
    return pEntry != nullptr ? pEntry->pClass : RUNTIME_CLASS(SECStdBtn);
}

BOOL SECCustomToolBar::AcceptsDrop(const SECCustomToolBar* pSrcBar, const SECStdBtn* pBtn) const
{
    if (!AcceptsDrops())
        return FALSE;
    if (pSrcBar == this)
        return TRUE;
    // a button of a kind the bar would not make (a menu title dropped on an image bar) would come
    // out as another button
    return (m_dwExStyle & SEC_TBSTYLE_OWNBUTTONS) == 0 && pSrcBar->ButtonClassOf(pBtn->m_nID) == ButtonClassOf(pBtn->m_nID);
}

void SECCustomToolBar::DragButton(int nIndex, CPoint point)
{
    SECStdBtn* pBtn = GetBtn(nIndex);
    SECToolBarManager* pManager = m_pManager;
    if (pBtn == nullptr || pManager == nullptr || !pBtn->CanDrag())
        return;
    if (InCustomizeMode())
        SelectCustomizeButton(nIndex);

    SECToolBarRectTracker tracker(pBtn->GetRect());
    if (!tracker.TrackOverDesktop(this, point))
        return; // given up: nothing changes
    CRect rect = tracker.m_rect;
    ClientToScreen(rect);
    const BOOL bCopy = IsCtrlDown();

    // the drop may destroy this bar (a user tool bar left empty): nothing of it is touched after it
    SECCustomToolBar* pTarget = pManager->FindBarUnder(rect);
    if (pTarget == nullptr)
        pTarget = ToolBarAtCorners(rect);
    if (pTarget != nullptr) {
        if (pTarget->AcceptsDrop(this, pBtn)) {
            CRect rectTarget = rect;
            pTarget->ScreenToClient(rectTarget);
            pTarget->DropButton(rectTarget, pBtn, bCopy);
        }
        return;
    }
    CFrameWnd* pFrame = pManager->GetFrame();
    CRect rectFrame;
    pFrame->GetWindowRect(rectFrame);
    if (CRect().IntersectRect(rectFrame, rect))
        return; // over the main frame, not over a bar: nothing to do
    if (!bCopy) {
        RemoveButton(nIndex);
        return;
    }
    // a copy in a new bar floating where the button was dropped
    std::vector<BYTE> data;
    pBtn->GetBtnData(data);
    const UINT nID = pBtn->m_nID;
    SECCustomToolBar* pNewBar = pManager->CreateUserToolBar();
    if (pNewBar == nullptr || !pNewBar->InsertButton(0, nID, FALSE, TRUE))
        return;
    pNewBar->GetBtn(0)->SetBtnData(data);
    // the floating frame around it: a tool window's frame (WS_POPUP | WS_CAPTION | WS_SYSMENU,
    // WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE), the bar's border and the toolkit border
    CRect rectTool(0, 0, 0, 0);
    ::AdjustWindowRectEx(rectTool, WS_POPUP | WS_CAPTION | WS_SYSMENU, FALSE, WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE);
    const SECDrawValues& v = SECGetDrawValues();
    const CRect borders = pNewBar->GetBorders();
    const CPoint ptFloat(rect.left + rectTool.left - (borders.left + v.cxBorder2),
                         rect.top + rectTool.top - (borders.top + v.cyBorder2));
    pFrame->FloatControlBar(pNewBar, ptFloat, CBRS_ALIGN_TOP);
    pNewBar->OnButtonsDropped(pNewBar->GetBtn(0));
}

std::vector<int> SECCustomToolBar::RemoveEntries(int nIndex)
{
    const int nCount = GetBtnCount();
    auto isSep = [this](int i) { return m_btns[size_t(i)]->HasStyle(TBBS_SEPARATOR); };

    // the entries that go: the button, and a separator it would leave first, last or next to another
    std::vector<int> removed{nIndex};
    if (nIndex == 0 && nCount > 1 && isSep(1))
        removed.push_back(1);
    else if (nIndex == nCount - 1 && nCount > 1 && isSep(nIndex - 1))
        removed.push_back(nIndex - 1);
    else if (nIndex > 0 && nIndex < nCount - 1 && isSep(nIndex - 1) && isSep(nIndex + 1))
        removed.push_back(nIndex + 1);

    // a button's row keeps the height of its tallest remaining button
    if (!isSep(nIndex)) {
        int nFirst = 0;
        int nLast = 0;
        GetRowRange(nIndex, nFirst, nLast);
        int cy = 0;
        for (int i = nFirst; i <= nLast; i++)
            if (i != nIndex && !isSep(i))
                cy = (std::max)(cy, m_btns[size_t(i)]->m_cy);
        SetSeparatorHeights(nFirst, nLast, cy > 0 ? cy : m_nSepWidth * 2 / 3);
    }

    std::sort(removed.begin(), removed.end(), std::greater<int>());
    if (std::find(removed.begin(), removed.end(), m_nHotBtn) != removed.end())
        SetHotButton(-1);
    if (std::find(removed.begin(), removed.end(), m_nCustomizeSel) != removed.end())
        SelectCustomizeButton(-1);
    for (int i : removed) {
        delete m_btns[size_t(i)];
        m_btns.erase(m_btns.begin() + i);
    }
    // indices of other buttons move down past what went; those of a removed button are cleared
    for (int* pnIndex : {&m_nCustomizeSel, &m_nHotBtn, &m_nTrackedBtn, &m_nPressedBtn}) {
        if (*pnIndex < 0)
            continue;
        if (std::find(removed.begin(), removed.end(), *pnIndex) != removed.end())
            *pnIndex = -1;
        else
            *pnIndex -= int(std::count_if(removed.begin(), removed.end(), [pnIndex](int i) { return i < *pnIndex; }));
    }
    if (m_nPressedBtn < 0 && m_hWnd != nullptr && GetCapture() == this)
        ::ReleaseCapture();
    SetLayoutsDirty();
    return removed;
}

int SECCustomToolBar::DropIndex(const CRect& rect) const
{
    // the first row whose bottom reaches the frame's middle, else the last
    const std::vector<RowSpan> rows = GetRowSpans();
    if (rows.empty())
        return 0;
    const int nMiddle = (rect.top + rect.bottom) / 2;
    auto it = std::find_if(rows.begin(), rows.end(), [nMiddle](const RowSpan& row) { return row.nBottom >= nMiddle; });
    const RowSpan& row = it != rows.end() ? *it : rows.back();
    // after the last button of the row starting at or left of the frame's left edge
    int nIndex = row.nFirst;
    for (int i = row.nFirst; i <= row.nLast; i++)
        if (!m_btns[size_t(i)]->HasStyle(TBBS_HIDDEN) && m_btns[size_t(i)]->m_x <= rect.left)
            nIndex = i + 1;
    return nIndex;
}

BOOL SECCustomToolBar::RegroupButton(int nIndex, int nShift)
{
    if (std::abs(nShift) < kRegroupShift)
        return FALSE;
    auto isSep = [this](int i) { return i >= 0 && i < GetBtnCount() && m_btns[size_t(i)]->HasStyle(TBBS_SEPARATOR); };
    const BOOL bBeginsGroup = nIndex == 0 || isSep(nIndex - 1);
    const BOOL bEndsGroup = nIndex == GetBtnCount() - 1 || isSep(nIndex + 1);
    if (nShift > 0) {
        // to the right: away from the buttons on its left, or, alone in its group, into the next one
        if (!bBeginsGroup)
            return InsertButton(nIndex, 0, TRUE, TRUE);
        if (!isSep(nIndex + 1))
            return FALSE;
        RemoveEntries(nIndex + 1);
        return TRUE;
    }
    if (isSep(nIndex - 1)) {
        RemoveEntries(nIndex - 1);
        return TRUE;
    }
    return !bEndsGroup && InsertButton(nIndex + 1, 0, TRUE, TRUE);
}

BOOL SECCustomToolBar::DropButton(const CRect& rect, SECStdBtn* pBtn, BOOL bCopy)
{
    AfxRequirePointer(pBtn, "SECCustomToolBar::DropButton", "pBtn");
    SECCustomToolBar* pSrcBar = dynamic_cast<SECCustomToolBar*>(pBtn->m_pToolBar);
    const int nSrc = pSrcBar != nullptr ? pSrcBar->GetBtnIndex(pBtn) : -1;
    if (nSrc < 0)
        return FALSE;
    const BOOL bMoveHere = pSrcBar == this && !bCopy;
    if (bMoveHere && GetBtnCount() == 1)
        return FALSE;
    const UINT nID = pBtn->m_nID;
    std::vector<BYTE> data;
    pBtn->GetBtnData(data);

    // the rectangle the buttons are laid out in
    CRect rectInside;
    GetClientRect(rectInside);
    CalcInsideRect(rectInside, (GetBarStyle() & CBRS_ORIENT_HORZ) != 0 || IsFloating());
    const BOOL bAbove = rect.bottom <= rectInside.top;
    const BOOL bBelow = !bAbove && rect.top >= rectInside.bottom;
    int nInsert = 0;
    if (bAbove || bBelow) {
        // a group of its own at the start or the end
        if (bMoveHere)
            RemoveEntries(nSrc);
        nInsert = bAbove ? 0 : GetBtnCount();
        if (GetBtnCount() > 0)
            InsertButton(nInsert, 0, TRUE, TRUE);
        if (bBelow)
            nInsert = GetBtnCount();
    } else {
        if (bMoveHere && CRect().IntersectRect(rect, pBtn->GetRect())) {
            // still over its own place: only its grouping changes
            if (!RegroupButton(nSrc, rect.left - pBtn->m_x))
                return FALSE;
            OnButtonsDropped(pBtn);
            return TRUE;
        }
        nInsert = DropIndex(rect);
        if (bMoveHere) {
            if (nInsert == nSrc || nInsert == nSrc + 1)
                return FALSE;
            const std::vector<int> removed = RemoveEntries(nSrc);
            nInsert -= int(std::count_if(removed.begin(), removed.end(), [nInsert](int i) { return i < nInsert; }));
        }
        // a separator the frame covers is replaced by the button
        SECStdBtn* pAt = GetBtn(nInsert);
        CRect rectCovered;
        if (pAt != nullptr && pAt->HasStyle(TBBS_SEPARATOR) && !pAt->HasStyle(TBBS_HIDDEN) &&
            rectCovered.IntersectRect(rect, pAt->GetRect()) && rectCovered == pAt->GetRect()) {
            const std::vector<int> removed = RemoveEntries(nInsert);
            nInsert -= int(std::count_if(removed.begin(), removed.end(), [nInsert](int i) { return i < nInsert; }));
        }
    }
    if (!InsertButton(nInsert, nID, FALSE, TRUE))
        return FALSE;
    SECStdBtn* pNew = GetBtn(nInsert);
    pNew->SetBtnData(data);
    // a move from another bar takes the button out of it last: that bar may go with it
    if (pSrcBar != this && !bCopy)
        pSrcBar->RemoveButton(nSrc);
    OnButtonsDropped(pNew);
    return TRUE;
}

void SECCustomToolBar::OnButtonsDropped(SECStdBtn* pBtn)
{
    SetLayoutsDirty();
    const int nIndex = GetBtnIndex(pBtn);
    if (InCustomizeMode() && nIndex >= 0)
        SelectCustomizeButton(nIndex);
    Relayout();
}

// ---- delayed hiding while customising -------------------------------------------------------------------

void SECCustomToolBar::DelayShow(BOOL bShow)
{
    SECControlBar::DelayShow(bShow);
    if (!bShow && m_pManager != nullptr && m_pManager->InCustomizeMode() && IsFloating() && m_hWnd != nullptr)
        PostMessage(g_nMsgNoDelayHide);
}

LRESULT SECCustomToolBar::OnNoDelayHide(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    if ((m_barState.nStateFlags & delayHide) && InCustomizeMode() && IsFloating()) {
        m_barState.nStateFlags &= ~UINT(delayHide);
        if (CFrameWnd* pFrame = GetDockSite())
            pFrame->ShowControlBar(this, FALSE, FALSE);
    }
    return 0;
}

// ---- saved button lists -----------------------------------------------------------------------------------

void SECCustomToolBar::GetBarInfoEx(SECControlBarInfo* pInfo)
{
    AfxRequirePointer(pInfo, "SECCustomToolBar::GetBarInfoEx", "pInfo");
    // only a record whose type id makes an extension record again when it is read carries one
    if (pInfo->m_nTypeID == 0)
        return;
    SECCustomToolBarInfoEx* pInfoEx = new SECCustomToolBarInfoEx;
    delete pInfo->m_pInfoEx;
    pInfo->m_pInfoEx = pInfoEx;
    if (m_hWnd != nullptr)
        GetWindowText(pInfoEx->m_strTitle);
    for (const SECStdBtn* pBtn : m_btns) {
        std::unique_ptr<SECBtnInfo> pBtnInfo(new SECBtnInfo);
        if (!pBtn->HasStyle(TBBS_SEPARATOR)) {
            pBtnInfo->m_nID = pBtn->m_nID;
            pBtn->GetBtnData(pBtnInfo->m_data);
        }
        pInfoEx->m_btnInfo.push_back(std::move(pBtnInfo));
    }
}

void SECCustomToolBar::SetBarInfoEx(SECControlBarInfo* pInfo, CFrameWnd* pFrame)
{
    (void)pFrame;
    AfxRequirePointer(pInfo, "SECCustomToolBar::SetBarInfoEx", "pInfo");
    const SECCustomToolBarInfoEx* pInfoEx = dynamic_cast<const SECCustomToolBarInfoEx*>(pInfo->m_pInfoEx);
    if (pInfoEx == nullptr)
        return;
    RemoveAllButtons();
    SelectCustomizeButton(-1);
    if (!pInfoEx->m_strTitle.IsEmpty() && m_hWnd != nullptr)
        SetWindowText(pInfoEx->m_strTitle);
    for (const std::unique_ptr<SECBtnInfo>& pBtnInfo : pInfoEx->m_btnInfo) {
        const BOOL bSeparator = pBtnInfo->m_nID == 0 && FindClassEntry(0) == nullptr;
        SECStdBtn* pBtn = bSeparator ? CreateSeparator() : CreateButton(pBtnInfo->m_nID);
        if (pBtn == nullptr)
            continue;
        pBtn->SetBtnData(pBtnInfo->m_data);
        m_btns.push_back(pBtn);
    }
    SetLayoutsDirty();
    if (m_hWnd != nullptr)
        Invalidate();
}

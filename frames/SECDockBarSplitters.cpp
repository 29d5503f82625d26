// SECDockBar: drawing splitters and client edges, the splitter cursors, tracking a splitter and applying
// its move, the drag rectangle shown while a bar is dragged over the dock bar, and the bar-list menu.
#include <algorithm>

#include "frames/SECDockBar.h"

#include "frames/SECStatusBar.h"
#include "frames/SECToolkit.h"
#include "win/AfxResource.h"
#include "win/ArgCheck.h"
#include "win/CFrameWnd.h"
#include "win/CMenu.h"

BEGIN_MESSAGE_MAP(SECDockBar, CDockBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_CONTEXTMENU()
    ON_COMMAND_RANGE(ID_SEC_BARLIST_FIRST, ID_SEC_BARLIST_LAST, OnBarListCommand)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

namespace {

const int kSplitter = SECDockBar::splitterSize;
// Tracking keeps this much of each bar of a row on either side of an in-row splitter ...
const int kInRowMargin = 24;
// ... and this much of a row, and of the frame's free area, around a row splitter.
const int kRowMargin = 19;
// The bar-list menu's entry for the menu bar, which the menu leaves out.
const UINT kMenuBarID = 0xE8FF;

// The splitter cursors, loaded once.
HCURSOR g_hcurHSplit = nullptr;
HCURSOR g_hcurVSplit = nullptr;

HCURSOR LoadToolkitCursor(UINT nID)
{
    const LPCSTR lpszName = MAKEINTRESOURCEA(nID);
    const HINSTANCE hInst = AfxFindResourceHandle(lpszName, MAKEINTRESOURCEA(12) /* RT_GROUP_CURSOR */);
    return hInst != nullptr ? ::LoadCursorA(hInst, lpszName) : nullptr;
}

} // namespace

// ---- drawing ------------------------------------------------------------------------------------------

void SECDockBar::Splitter::Draw(CDC* pDC) const
{
    AfxRequirePointer(pDC, "SECDockBar::Splitter::Draw", "pDC");
    const SECDrawValues& v = SECGetDrawValues();
    const CRect& r = m_rect;
    pDC->FillSolidRect(r, v.clrBtnFace);
    if (m_bVertical) {
        pDC->FillSolidRect(r.left, r.top, 1, r.Height(), v.clrBtnHilite);
        pDC->FillSolidRect(r.right - 2, r.top, 1, r.Height(), v.clrBtnShadow);
        pDC->FillSolidRect(r.right - 1, r.top, 1, r.Height(), v.clrWindowFrame);
    } else {
        pDC->FillSolidRect(r.left, r.top, r.Width(), 1, v.clrBtnHilite);
        pDC->FillSolidRect(r.left, r.bottom - 2, r.Width(), 1, v.clrBtnShadow);
        pDC->FillSolidRect(r.left, r.bottom - 1, r.Width(), 1, v.clrWindowFrame);
    }
}

void SECDockBar::ClientEdge::Draw(CDC* pDC) const
{
    AfxRequirePointer(pDC, "SECDockBar::ClientEdge::Draw", "pDC");
    const SECDrawValues& v = SECGetDrawValues();
    const CRect& r = m_rect;
    if (m_bVertical) {
        pDC->FillSolidRect(r.left, r.top, 1, r.Height(), v.clrBtnShadow);
        pDC->FillSolidRect(r.left + 1, r.top, 1, r.Height(), v.clrBtnHilite);
    } else {
        pDC->FillSolidRect(r.left, r.top, r.Width(), 1, v.clrBtnShadow);
        pDC->FillSolidRect(r.left, r.top + 1, r.Width(), 1, v.clrBtnHilite);
    }
}

void SECDockBar::DoPaint(CDC* pDC)
{
    for (const auto& pEdge : m_edges)
        pEdge->Draw(pDC);
    for (const auto& pSplitter : m_splitters)
        pSplitter->Draw(pDC);
    if (m_bRedrawPending)
        RedrawPending();
}

// ---- creation and cursors --------------------------------------------------------------------------------

int SECDockBar::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CDockBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (g_hcurHSplit == nullptr)
        g_hcurHSplit = LoadToolkitCursor(SEC_IDC_HSPLITBAR);
    if (g_hcurVSplit == nullptr)
        g_hcurVSplit = LoadToolkitCursor(SEC_IDC_VSPLITBAR);
    return 0;
}

void SECDockBar::OnDestroy()
{
    m_splitters.clear();
    m_edges.clear();
    m_arrRedraw.clear();
    m_mapBarList.clear();
    CDockBar::OnDestroy();
}

SECDockBar::Splitter* SECDockBar::SplitterAt(CPoint point) const
{
    for (const auto& pSplitter : m_splitters)
        if (pSplitter->m_rect.PtInRect(point))
            return pSplitter.get();
    return nullptr;
}

BOOL SECDockBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    // the mouse moves set the cursor over the dock bar's own area
    if (pWnd == this && nHitTest == HTCLIENT)
        return TRUE;
    return CDockBar::OnSetCursor(pWnd, nHitTest, message);
}

void SECDockBar::OnMouseMove(UINT nFlags, CPoint point)
{
    const Splitter* pSplitter = SplitterAt(point);
    HCURSOR hCursor = SECGetDrawValues().hcurArrow;
    if (pSplitter != nullptr)
        hCursor = pSplitter->m_bVertical ? g_hcurHSplit : g_hcurVSplit;
    ::SetCursor(hCursor);
    CDockBar::OnMouseMove(nFlags, point);
}

void SECDockBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (Splitter* pSplitter = SplitterAt(point)) {
        TrackSplitter(pSplitter, point);
        return;
    }
    CDockBar::OnLButtonDown(nFlags, point);
}

// ---- splitter tracking -----------------------------------------------------------------------------------

void SECDockBar::CalcSplitterLimits(Splitter* pSplitter)
{
    AfxRequirePointer(pSplitter, "SECDockBar::CalcSplitterLimits", "pSplitter");
    const BOOL bAlongX = pSplitter->m_bVertical;
    const int nNear = bAlongX ? pSplitter->m_rect.left : pSplitter->m_rect.top;
    const int nFar = bAlongX ? pSplitter->m_rect.right : pSplitter->m_rect.bottom;
    const int nStart = RowStartOf(pSplitter->m_nIndex);
    const int nEnd = RowEndOf(nStart);
    if (pSplitter->m_bInRow) {
        int nBefore = 0;
        int nAfter = 0;
        int nLeastBefore = 0; // the least lengths of the sizable bars on each side
        int nLeastAfter = 0;
        for (int i = nStart; i < nEnd; i++) {
            if (!m_arrBars[i].IsBar() || !m_arrBars[i].pBar->IsVisible())
                continue;
            const int nLeast = IsSizable(m_arrBars[i].pBar) ? LeastLength(m_arrBars[i].pBar) : 0;
            (i <= pSplitter->m_nIndex ? nBefore : nAfter)++;
            (i <= pSplitter->m_nIndex ? nLeastBefore : nLeastAfter) += nLeast;
        }
        // 24 pixels a bar, or more where the bars' least lengths and the splitters between them need
        // it; a row too short for them all keeps only the 24 pixels
        const int nLength = GetClientLength();
        const int nMin = (std::max)(kInRowMargin * nBefore, nLeastBefore + kSplitter * (nBefore - 1));
        const int nMax = nLength - (std::max)(kInRowMargin * nAfter, nLeastAfter + kSplitter * (nAfter - 1));
        const BOOL bRoom = nMax - nMin >= kSplitter;
        pSplitter->m_nTrackMin = bRoom ? nMin : kInRowMargin * nBefore;
        pSplitter->m_nTrackMax = bRoom ? nMax : nLength - kInRowMargin * nAfter;
        return;
    }
    // the thickest bar of the row, and the frame's free area mapped into the dock bar
    int nThickest = 0;
    for (int i = nStart; i < nEnd; i++) {
        if (!m_arrBars[i].IsBar() || !m_arrBars[i].pBar->IsVisible())
            continue;
        const CRect rect = GetBarRect(m_arrBars[i].pBar);
        nThickest = (std::max)(nThickest, int(bAlongX ? rect.Width() : rect.Height()));
    }
    CRect rectFree(0, 0, 0, 0);
    if (CFrameWnd* pFrame = GetParentFrame()) {
        pFrame->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposQuery, rectFree);
        pFrame->MapWindowPoints(this, rectFree);
    }
    const int nFreeNear = bAlongX ? rectFree.left : rectFree.top;
    const int nFreeFar = bAlongX ? rectFree.right : rectFree.bottom;
    if (GetBarStyle() & (CBRS_ALIGN_TOP | CBRS_ALIGN_LEFT)) {
        pSplitter->m_nTrackMin = nNear - nThickest + kRowMargin;
        pSplitter->m_nTrackMax = (std::max)(nFreeFar - kRowMargin, nFar);
    } else {
        pSplitter->m_nTrackMin = (std::min)(nFreeNear + kRowMargin, nNear);
        pSplitter->m_nTrackMax = nNear + nThickest - kRowMargin;
    }
}

SECDockBar::SplitterTracker::SplitterTracker(SECDockBar* pDockBar, const Splitter* pSplitter, CPoint ptGrab, CDC* pDC)
    : m_pDockBar(pDockBar), m_pSplitter(pSplitter), m_pDC(pDC), m_rectLast(0, 0, 0, 0), m_sizeLast(0, 0)
{
    AfxRequirePointer(pDockBar, "SECDockBar::SplitterTracker", "pDockBar");
    AfxRequirePointer(pSplitter, "SECDockBar::SplitterTracker", "pSplitter");
    m_nStart = pSplitter->m_bVertical ? pSplitter->m_rect.left : pSplitter->m_rect.top;
    m_nGrab = (pSplitter->m_bVertical ? ptGrab.x : ptGrab.y) - m_nStart;
    m_nPos = m_nStart;
    Draw();
}

void SECDockBar::SplitterTracker::MoveTo(CPoint ptClient)
{
    const int nWanted = (m_pSplitter->m_bVertical ? ptClient.x : ptClient.y) - m_nGrab;
    // the whole splitter within its limits
    m_nPos = (std::max)(m_pSplitter->m_nTrackMin, (std::min)(nWanted, m_pSplitter->m_nTrackMax - kSplitter));
    Draw();
}

void SECDockBar::SplitterTracker::Draw()
{
    if (m_pDC == nullptr)
        return;
    // the splitter one pixel thinner, where it is now, in screen coordinates
    CRect rect = m_pSplitter->m_rect;
    if (m_pSplitter->m_bVertical)
        rect.SetRect(m_nPos + 1, rect.top, m_nPos + kSplitter, rect.bottom);
    else
        rect.SetRect(rect.left, m_nPos + 1, rect.right, m_nPos + kSplitter);
    m_pDockBar->ClientToScreen(rect);
    const CSize size = rect.Size();
    m_pDC->DrawDragRect(rect, size, m_rectLast, m_sizeLast);
    m_rectLast = rect;
    m_sizeLast = size;
}

void SECDockBar::SplitterTracker::End()
{
    if (m_pDC != nullptr)
        m_pDC->DrawDragRect(CRect(0, 0, 0, 0), CSize(0, 0), m_rectLast, m_sizeLast);
    m_rectLast.SetRectEmpty();
    m_sizeLast = CSize(0, 0);
}

AfxLoopStep SECDockBar::SplitterTracker::Step(const MSG& msg)
{
    return AfxFollowMouseStep(msg, [this](CPoint pt) {
        m_pDockBar->ScreenToClient(&pt);
        MoveTo(pt);
    });
}

BOOL SECDockBar::TrackSplitter(Splitter* pSplitter, CPoint ptGrab)
{
    AfxRequirePointer(pSplitter, "SECDockBar::TrackSplitter", "pSplitter");
    if (::GetCapture() != nullptr)
        return FALSE;
    CalcSplitterLimits(pSplitter);
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->UpdateWindow();
    UpdateWindow();
    CAfxDesktopDC dc;
    SplitterTracker tracker(this, pSplitter, ptGrab, &dc);
    const BOOL bDone = AfxRunMouseLoop(this, [&tracker](const MSG& msg) { return tracker.Step(msg); });
    tracker.End();
    const int nDelta = bDone ? tracker.GetDelta() : 0;
    if (nDelta == 0)
        return FALSE;
    ApplySplitterMove(pSplitter, nDelta);
    return TRUE;
}

void SECDockBar::ApplySplitterMove(Splitter* pSplitter, int nDelta)
{
    AfxRequirePointer(pSplitter, "SECDockBar::ApplySplitterMove", "pSplitter");
    m_bRelayout = TRUE;
    const int nStart = RowStartOf(pSplitter->m_nIndex);
    const int nEnd = RowEndOf(nStart);
    AddRowToolBarsToRedraw(nStart);
    const BOOL bHorz = IsHorzDockBar();

    if (!pSplitter->m_bInRow) {
        // the row grows when its splitter moves away from the frame's edge
        const int nChange = (GetBarStyle() & (CBRS_ALIGN_TOP | CBRS_ALIGN_LEFT)) ? nDelta : -nDelta;
        for (int i = nStart; i < nEnd; i++) {
            if (!m_arrBars[i].IsBar() || !m_arrBars[i].pBar->IsVisible())
                continue;
            CControlBar* pBar = m_arrBars[i].pBar;
            const CRect rect = GetBarRect(pBar);
            pBar->CalcDynamicLayout((bHorz ? rect.Height() : rect.Width()) + nChange,
                                    LM_COMMIT | (bHorz ? (LM_HORZ | LM_HORZDOCK | LM_LENGTHY) : LM_VERTDOCK));
        }
    } else {
        std::vector<SECControlBar*> bars;
        int nBefore = -1; // the bar before the splitter among them
        int nVisible = 0;
        for (int i = nStart; i < nEnd; i++) {
            if (!m_arrBars[i].IsBar() || !m_arrBars[i].pBar->IsVisible())
                continue;
            nVisible++;
            if (!IsSizable(m_arrBars[i].pBar))
                continue;
            if (i <= pSplitter->m_nIndex)
                nBefore = int(bars.size());
            bars.push_back(static_cast<SECControlBar*>(m_arrBars[i].pBar));
        }
        if (nBefore < 0 || nBefore + 1 >= int(bars.size()))
            return;
        const float fRowLength = float(GetClientLength() - kSplitter * (nVisible - 1));
        if (fRowLength <= 0.0f)
            return;
        RecalcMinFraction();
        auto lengthOf = [this, bHorz](const SECControlBar* pBar) {
            const CRect rect = GetBarRect(pBar);
            return bHorz ? rect.Width() : rect.Height();
        };
        // the bar on the side the splitter moves away from grows, the others give the length up
        const BOOL bBack = nDelta < 0;
        int nRest = bBack ? -nDelta : nDelta;
        SECControlBar* pGrower = bars[bBack ? nBefore + 1 : nBefore];
        pGrower->m_fPctWidth = (std::max)(float(lengthOf(pGrower) + nRest) / fRowLength, m_fMinFraction);
        const int nStep = bBack ? -1 : 1;
        for (int k = bBack ? nBefore : nBefore + 1; nRest > 0 && k >= 0 && k < int(bars.size()); k += nStep) {
            const int nLength = lengthOf(bars[k]);
            const int nNew = (std::max)(nLength - nRest, int(minBarLength));
            bars[k]->m_fPctWidth = (std::max)(float(nNew) / fRowLength, m_fMinFraction);
            nRest -= nLength - int(bars[k]->m_fPctWidth * fRowLength + 0.5f);
        }
    }
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->DelayRecalcLayout();
}

// ---- the drag rectangle ----------------------------------------------------------------------------------

CRect SECDockBar::CalcDragRect(CControlBar* pBar, CRect rect, CPoint pt, int& nHint, CRect& rectLast, CPoint& ptLast)
{
    AfxRequirePointer(pBar, "SECDockBar::CalcDragRect", "pBar");
    const BOOL bHorz = IsHorzDockBar();
    CRect rectClient = rect;
    ScreenToClient(rectClient);
    const int nCentre = bHorz ? rectClient.CenterPoint().y : rectClient.CenterPoint().x;
    const int nBorder = bHorz ? SECGetDrawValues().cyBorder2 : SECGetDrawValues().cxBorder2;

    // the row whose band holds the centre (-1: past the last row)
    int nRow = -1;
    int nThickness = 0;
    int nBand = 0;
    for (int nStart = 1; nStart < int(m_arrBars.size()); nStart = RowEndOf(nStart) + 1) {
        int nThick = 0;
        for (int i = nStart; i < RowEndOf(nStart); i++) {
            if (!m_arrBars[i].IsBar() || !m_arrBars[i].pBar->IsVisible())
                continue;
            const CRect rectBar = GetBarRect(m_arrBars[i].pBar);
            nThick = (std::max)(nThick, int(bHorz ? rectBar.Height() : rectBar.Width()));
        }
        if (nThick == 0)
            continue;
        nBand += nThick - nBorder;
        if (nCentre < nBand) {
            nRow = nStart;
            nThickness = nThick;
            break;
        }
    }

    BOOL bOthers = FALSE;
    BOOL bHere = FALSE;
    BOOL bSizableRow = FALSE;
    float fSum = 0.0f;
    if (nRow > 0) {
        for (int i = nRow; i < RowEndOf(nRow); i++) {
            if (!m_arrBars[i].IsBar())
                continue;
            if (m_arrBars[i].pBar == pBar) {
                bHere = TRUE;
                continue;
            }
            if (!m_arrBars[i].pBar->IsVisible())
                continue;
            bOthers = TRUE;
            if (IsSizable(m_arrBars[i].pBar)) {
                bSizableRow = TRUE;
                fSum += static_cast<SECControlBar*>(m_arrBars[i].pBar)->m_fPctWidth;
            }
        }
    }
    CRect rectResult = rect;
    if (bOthers && nRow == nHint) {
        rectResult = rectLast;
        rectResult.OffsetRect(pt - ptLast);
    } else if (IsSizable(pBar) && !bHere) {
        CRect rectWindow;
        GetWindowRect(rectWindow);
        const int nDockLength = bHorz ? rectWindow.Width() : rectWindow.Height();
        // keeps the mouse at the same share of the rectangle
        auto around = [](int nMouse, int nFrom, int nOldLength, int nNewLength) {
            return nOldLength > 0 ? nMouse - int(LONGLONG(nMouse - nFrom) * nNewLength / nOldLength) : nFrom;
        };
        if (!bOthers) {
            if (bHorz)
                rectResult.SetRect(rectWindow.left, rect.top, rectWindow.right, rect.bottom);
            else
                rectResult.SetRect(rect.left, rectWindow.top, rect.right, rectWindow.bottom);
        } else if (bSizableRow) {
            const float fOwn = static_cast<SECControlBar*>(pBar)->m_fPctWidth;
            const int nLength = int(fOwn / (fSum + fOwn) * float(nDockLength));
            if (bHorz) {
                const int x = around(pt.x, rect.left, rect.Width(), nLength);
                const int y = around(pt.y, rect.top, rect.Height(), nThickness);
                rectResult.SetRect(x, y, x + nLength, y + nThickness);
            } else {
                const int x = around(pt.x, rect.left, rect.Width(), nThickness);
                const int y = around(pt.y, rect.top, rect.Height(), nLength);
                rectResult.SetRect(x, y, x + nThickness, y + nLength);
            }
        }
    }
    nHint = nRow;
    rectLast = rectResult;
    ptLast = pt;
    return rectResult;
}

// ---- bar-list menu and keys ------------------------------------------------------------------------------

void SECDockBar::OnContextMenu(CWnd* pWnd, CPoint pos)
{
    CFrameWnd* pFrame = GetDockSite();
    if (!g_bSECBarListMenu || pFrame == nullptr) {
        CDockBar::OnContextMenu(pWnd, pos);
        return;
    }
    // the frame's bars with a title, sizable ones first, tool bars after a separator
    std::vector<CControlBar*> sizable;
    std::vector<CControlBar*> toolBars;
    const CPtrList& list = pFrame->GetControlBarList();
    for (POSITION p = list.GetHeadPosition(); p != nullptr;) {
        CControlBar* pBar = static_cast<CControlBar*>(list.GetNext(p));
        if (pBar->m_hWnd == nullptr || pBar->GetWindowTextLength() == 0 || pBar->IsKindOf(RUNTIME_CLASS(CDockBar)) ||
            pBar->IsKindOf(RUNTIME_CLASS(SECStatusBar)) || UINT(pBar->GetDlgCtrlID()) == kMenuBarID)
            continue;
        (IsSizable(pBar) ? sizable : toolBars).push_back(pBar);
    }
    CMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    m_mapBarList.clear();
    UINT nID = ID_SEC_BARLIST_FIRST;
    auto append = [&](const std::vector<CControlBar*>& bars) {
        for (CControlBar* pBar : bars) {
            if (nID > ID_SEC_BARLIST_LAST)
                return;
            CString strTitle;
            pBar->GetWindowText(strTitle);
            menu.AppendMenu(MF_STRING | (pBar->IsVisible() ? MF_CHECKED : MF_UNCHECKED), nID, strTitle);
            m_mapBarList[nID++] = pBar;
        }
    };
    append(sizable);
    // a separator only between the two groups
    if (!sizable.empty() && !toolBars.empty())
        menu.AppendMenu(MF_SEPARATOR);
    append(toolBars);
    if (menu.GetMenuItemCount() == 0)
        return;
    if (pos.x == -1 && pos.y == -1) {
        CRect rect;
        GetWindowRect(rect);
        pos = rect.TopLeft();
    }
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pos.x, pos.y, this);
}

void SECDockBar::OnBarListCommand(UINT nID)
{
    const auto it = m_mapBarList.find(nID);
    CControlBar* pBar = it != m_mapBarList.end() ? it->second : nullptr;
    m_mapBarList.clear();
    CFrameWnd* pFrame = GetDockSite();
    if (pBar != nullptr && pFrame != nullptr)
        pFrame->ShowControlBar(pBar, !pBar->IsVisible(), FALSE);
}

BOOL SECDockBar::PreTranslateMessage(MSG* pMsg)
{
    AfxRequirePointer(pMsg, "SECDockBar::PreTranslateMessage", "pMsg");
    if (pMsg->message == WM_SYSCHAR) {
        // Alt with a key in a floating bar opens the menu of the frame that owns the floating frame
        const HWND hWndOwner = ::GetWindow(::GetAncestor(m_hWnd, GA_ROOT), GW_OWNER);
        if (hWndOwner != nullptr)
            ::PostMessageA(hWndOwner, WM_SYSCOMMAND, SC_KEYMENU, LPARAM(pMsg->wParam));
    }
    return CDockBar::PreTranslateMessage(pMsg);
}

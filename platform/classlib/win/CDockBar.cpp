// CDockBar: the entries of a dock bar, docking, re-docking and removing bars, and the layout of rows
// of fixed-size bars.
#include <algorithm>

#include "win/CDockBar.h"

#include "win/ArgCheck.h"
#include "win/CFrameWnd.h"

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_WM_NCCALCSIZE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

// The most of a bar's window text a dock bar takes as its own.
const int kMaxTitle = 260;

} // namespace

CDockBar::Entry CDockBar::Entry::Bar(CControlBar* pBar)
{
    Entry entry;
    entry.kind = bar;
    entry.pBar = pBar;
    return entry;
}

CDockBar::Entry CDockBar::Entry::Placeholder(UINT nID)
{
    Entry entry;
    entry.kind = placeholder;
    entry.nID = nID;
    return entry;
}

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating), m_arrBars(1, Entry::RowEnd()), m_pLayout(nullptr)
{
    SetBorders(0, 0, 0, 0);
}

CDockBar::~CDockBar() = default;

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CControlBar::Create(nullptr, nullptr, dwStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

BOOL CDockBar::IsFloating() const
{
    return m_bFloating;
}

// ---- entries ------------------------------------------------------------------------------------------

int CDockBar::GetDockedCount() const
{
    return int(std::count_if(m_arrBars.begin(), m_arrBars.end(), [](const Entry& e) { return e.IsBar(); }));
}

int CDockBar::GetDockedVisibleCount() const
{
    return int(std::count_if(m_arrBars.begin(), m_arrBars.end(),
                             [](const Entry& e) { return e.IsBar() && e.pBar->IsVisible(); }));
}

int CDockBar::FindBar(const CControlBar* pBar, int nPosExclude) const
{
    for (int i = 0; i < int(m_arrBars.size()); i++)
        if (i != nPosExclude && m_arrBars[i].IsBar() && m_arrBars[i].pBar == pBar)
            return i;
    return -1;
}

int CDockBar::FindPlaceholder(UINT nID, int nPosExclude) const
{
    for (int i = 0; i < int(m_arrBars.size()); i++)
        if (i != nPosExclude && m_arrBars[i].IsPlaceholder() && m_arrBars[i].nID == nID)
            return i;
    return -1;
}

int CDockBar::RowStartOf(int nIndex) const
{
    int i = nIndex;
    while (i > 0 && !m_arrBars[i - 1].IsRowEnd())
        i--;
    return (std::max)(i, 1);
}

int CDockBar::RowEndOf(int nIndex) const
{
    int i = (std::max)(nIndex, 1);
    while (i < int(m_arrBars.size()) && !m_arrBars[i].IsRowEnd())
        i++;
    return i;
}

void CDockBar::GetBarIDs(std::vector<UINT>& ids) const
{
    const UINT kHidden = 0x10000;
    ids.clear();
    for (size_t i = 1; i < m_arrBars.size(); i++) {
        const Entry& e = m_arrBars[i];
        if (e.IsBar())
            ids.push_back(UINT(e.pBar->GetDlgCtrlID()) + (e.pBar->IsVisible() ? 0 : kHidden));
        else if (e.IsPlaceholder())
            ids.push_back(e.nID + kHidden);
        else
            ids.push_back(0);
    }
}

void CDockBar::RemovePlaceholders(UINT nID)
{
    for (int nPos; (nPos = FindPlaceholder(nID)) >= 0;) {
        m_arrBars.erase(m_arrBars.begin() + nPos);
        // a row left without entries goes too
        if (m_arrBars[nPos - 1].IsRowEnd() && nPos < int(m_arrBars.size()) && m_arrBars[nPos].IsRowEnd())
            m_arrBars.erase(m_arrBars.begin() + nPos);
    }
}

// ---- inserting ----------------------------------------------------------------------------------------

int CDockBar::FindInsertPlace(CPoint ptMid, BOOL& bNewRow) const
{
    const BOOL bHorz = (GetBarStyle() & CBRS_ORIENT_HORZ) != 0;
    bNewRow = FALSE;
    for (int i = 1; i < int(m_arrBars.size()); i++) {
        const Entry& e = m_arrBars[i];
        if (!e.IsBar())
            continue;
        const CRect rect = GetBarRect(e.pBar);
        const BOOL bVisible = e.pBar->IsVisible();
        if (bVisible) {
            const int nFarSide = bHorz ? rect.bottom : rect.right;
            const int nAcross = bHorz ? ptMid.y : ptMid.x;
            if (nFarSide < nAcross)
                continue; // a row before the point
            if (nAcross < (bHorz ? rect.top : rect.left)) {
                bNewRow = TRUE; // between rows, or before the first: a row of its own here
                return RowStartOf(i);
            }
        }
        const int nCentre = bHorz ? rect.CenterPoint().x : rect.CenterPoint().y;
        if (!bVisible || (bHorz ? ptMid.x : ptMid.y) < nCentre)
            return i;
        if (m_arrBars[i + 1].IsRowEnd())
            return i + 1;
    }
    bNewRow = TRUE;
    return int(m_arrBars.size());
}

int CDockBar::InsertEntry(int nIndex, CControlBar* pBar, BOOL bNewRow)
{
    if (bNewRow)
        m_arrBars.insert(m_arrBars.begin() + nIndex, Entry::RowEnd());
    m_arrBars.insert(m_arrBars.begin() + nIndex, Entry::Bar(pBar));
    return nIndex;
}

int CDockBar::Insert(CControlBar* pBar, CPoint ptMid)
{
    BOOL bNewRow = FALSE;
    const int nIndex = FindInsertPlace(ptMid, bNewRow);
    return InsertEntry(nIndex, pBar, bNewRow);
}

// ---- docking --------------------------------------------------------------------------------------------

CPoint CDockBar::GetNewBarPos() const
{
    return CPoint(0, 0);
}

void CDockBar::TakeBarStyle(CControlBar* pBar)
{
    DWORD dwBarStyle = pBar->GetBarStyle() & ~DWORD(CBRS_ALIGN_ANY | CBRS_FLOATING);
    dwBarStyle |= GetBarStyle() & CBRS_ALIGN_ANY;
    if (m_bFloating)
        dwBarStyle |= CBRS_FLOATING;
    pBar->SetBarStyle(dwBarStyle);

    DWORD dwStyle = GetBarStyle() & ~DWORD(CBRS_SIZE_FIXED | CBRS_SIZE_DYNAMIC);
    dwStyle |= dwBarStyle & (CBRS_SIZE_FIXED | CBRS_SIZE_DYNAMIC);
    if (m_bFloating && (pBar->GetEnabledAlignment() & CBRS_FLOAT_MULTI))
        dwStyle |= CBRS_FLOAT_MULTI;
    SetBarStyle(dwStyle);
    if ((dwStyle & CBRS_FLOAT_MULTI) == 0) {
        CString strTitle;
        pBar->GetWindowText(strTitle);
        SetWindowText(strTitle.Left(kMaxTitle));
    }
}

void CDockBar::AdoptBar(CControlBar* pBar, int nPos)
{
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    CDockBar* pOldDockBar = pBar->GetDockBar();
    if (pOldDockBar == this)
        RemoveControlBar(pBar, nPos, FALSE);
    else if (pOldDockBar != nullptr)
        pOldDockBar->RemoveControlBar(pBar, -1, m_bFloating && !pOldDockBar->m_bFloating);
    pBar->SetDockBar(this);
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->DelayRecalcLayout();
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    AfxRequirePointer(pBar, "CDockBar::DockControlBar", "pBar");
    if (pBar->m_hWnd == nullptr)
        AfxThrowInvalidArgFormat("CDockBar::DockControlBar: the bar %p has no window", pBar);
    if (pBar->GetDockBar() == this && FindBar(pBar) >= 0) {
        CRect rectBar;
        pBar->GetWindowRect(rectBar);
        if (lpRect == nullptr || rectBar == *lpRect)
            return;
    }
    TakeBarStyle(pBar);
    RemovePlaceholders(UINT(pBar->GetDlgCtrlID()));

    int nPos;
    CPoint ptBar;
    if (lpRect != nullptr) {
        CRect rect(*lpRect);
        ScreenToClient(rect);
        nPos = Insert(pBar, rect.CenterPoint());
        ptBar = rect.TopLeft();
    } else {
        nPos = InsertEntry(int(m_arrBars.size()), pBar, TRUE);
        ptBar = GetNewBarPos();
    }
    // a bar from elsewhere moves with its new parent
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    pBar->SetWindowPos(nullptr, ptBar.x, ptBar.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    AdoptBar(pBar, nPos);
}

void CDockBar::ReDockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    AfxRequirePointer(pBar, "CDockBar::ReDockControlBar", "pBar");
    if (pBar->m_hWnd == nullptr)
        AfxThrowInvalidArgFormat("CDockBar::ReDockControlBar: the bar %p has no window", pBar);
    const int nPos = FindPlaceholder(UINT(pBar->GetDlgCtrlID()));
    if (nPos < 0) {
        DockControlBar(pBar, lpRect);
        return;
    }
    TakeBarStyle(pBar);
    m_arrBars[nPos] = Entry::Bar(pBar);
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    CPoint ptBar = GetNewBarPos();
    if (lpRect != nullptr) {
        CRect rect(*lpRect);
        ScreenToClient(rect);
        ptBar = rect.TopLeft();
    }
    pBar->SetWindowPos(nullptr, ptBar.x, ptBar.y, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | (pBar->IsVisible() ? SWP_SHOWWINDOW : 0));
    AdoptBar(pBar, nPos);
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar, int nPosExclude, BOOL bAddPlaceholder)
{
    const int nPos = FindBar(pBar, nPosExclude);
    if (nPos < 0)
        return FALSE;
    const UINT nID = pBar->m_hWnd != nullptr ? UINT(pBar->GetDlgCtrlID()) : 0;
    if (bAddPlaceholder && nID != 0 && FindPlaceholder(nID) < 0) {
        m_arrBars[nPos] = Entry::Placeholder(nID);
    } else {
        m_arrBars.erase(m_arrBars.begin() + nPos);
        if (m_arrBars[nPos - 1].IsRowEnd() && nPos < int(m_arrBars.size()) && m_arrBars[nPos].IsRowEnd())
            m_arrBars.erase(m_arrBars.begin() + nPos);
    }
    if (pBar->GetDockBar() == this)
        pBar->SetDockBar(nullptr);
    if (m_bFloating)
        UpdateFloatingFrame(pBar);
    else if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->DelayRecalcLayout();
    return TRUE;
}

void CDockBar::UpdateFloatingFrame(CControlBar* pLeaving)
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame == nullptr || m_hWnd == nullptr)
        return;
    if (GetDockedCount() == 0) {
        // a bar going away inside the frame must finish first: the frame closes itself afterwards
        if (pLeaving != nullptr && pLeaving->m_hWnd != nullptr && ::GetParent(pLeaving->m_hWnd) == m_hWnd) {
            pFrame->ShowWindow(SW_HIDE);
            pFrame->PostMessage(WM_CLOSE);
        } else {
            pFrame->DestroyWindow();
        }
    } else if (GetDockedVisibleCount() == 0) {
        pFrame->ShowWindow(SW_HIDE);
    } else {
        pFrame->RecalcLayout();
    }
}

// ---- layout -----------------------------------------------------------------------------------------------

CRect CDockBar::GetLayoutRect() const
{
    if (m_pLayout != nullptr)
        return CRect(m_pLayout->rect);
    CRect rect(0, 0, 0, 0);
    if (CWnd* pParent = GetParent())
        pParent->GetClientRect(rect);
    return rect;
}

BOOL CDockBar::IsRealLayout() const
{
    return m_pLayout == nullptr || m_pLayout->hDWP != nullptr;
}

CRect CDockBar::GetBarRect(const CControlBar* pBar) const
{
    CRect rect;
    pBar->GetWindowRect(rect);
    ScreenToClient(rect);
    return rect;
}

CSize CDockBar::FixedBarSize(CControlBar* pBar, BOOL bHorz, BOOL bFloating)
{
    if (bFloating)
        return (pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC) ? pBar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH)
                                                         : pBar->CalcFixedLayout(FALSE, bHorz);
    return pBar->CalcDynamicLayout(-1, bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK);
}

std::vector<CDockBar::RowBar> CDockBar::TakeRowBars(int nStart, int nEnd, std::vector<BarMove>& moves)
{
    std::vector<RowBar> bars;
    const BOOL bReal = IsRealLayout();
    for (int i = nStart; i < nEnd; i++) {
        if (!m_arrBars[i].IsBar())
            continue;
        CControlBar* pBar = m_arrBars[i].pBar;
        const BOOL bVisible = pBar->IsVisible();
        const UINT nShowFlag = bReal ? pBar->TakeDelayedShow() : 0;
        if (bVisible)
            bars.push_back({pBar, nShowFlag});
        else if (nShowFlag != 0)
            moves.push_back({pBar, CRect(), nShowFlag});
    }
    return bars;
}

int CDockBar::LayoutFixedRow(int nStart, int nEnd, int nAcross, int nLength, BOOL bHorz, std::vector<BarMove>& moves)
{
    struct Placed {
        CControlBar* pBar;
        int nPos;
        CSize size;
        UINT nShowFlag;
    };
    std::vector<Placed> row;
    int nThickness = 0;
    int nNext = 0;
    for (const RowBar& rowBar : TakeRowBars(nStart, nEnd, moves)) {
        CControlBar* pBar = rowBar.pBar;
        const CSize size = FixedBarSize(pBar, bHorz, m_bFloating);
        const CRect rectNow = GetBarRect(pBar);
        // a docked bar stays where it stands when that is past the bar before it
        const int nPos = m_bFloating ? nNext : (std::max)(nNext, int(bHorz ? rectNow.left : rectNow.top));
        row.push_back({pBar, nPos, size, rowBar.nShowFlag});
        nNext = nPos + (bHorz ? size.cx : size.cy);
        nThickness = (std::max)(nThickness, int(bHorz ? size.cy : size.cx));
    }
    if (nLength > 0 && nNext > nLength) {
        // pushed back inside from the row's end, then no bar before the one ahead of it
        int nLimit = nLength;
        for (auto it = row.rbegin(); it != row.rend(); ++it) {
            it->nPos = (std::min)(it->nPos, nLimit - int(bHorz ? it->size.cx : it->size.cy));
            nLimit = it->nPos;
        }
        int nFirstFree = 0;
        for (Placed& p : row) {
            p.nPos = (std::max)(p.nPos, nFirstFree);
            nFirstFree = p.nPos + (bHorz ? p.size.cx : p.size.cy);
        }
    }
    for (const Placed& p : row) {
        const CRect rect = bHorz ? CRect(CPoint(p.nPos, nAcross), p.size) : CRect(CPoint(nAcross, p.nPos), p.size);
        moves.push_back({p.pBar, rect, p.nShowFlag});
    }
    return nThickness;
}

void CDockBar::MoveBars(const std::vector<BarMove>& moves)
{
    if (moves.empty())
        return;
    HDWP hDWP = ::BeginDeferWindowPos(int(moves.size()));
    for (const BarMove& move : moves) {
        UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE | move.nShowFlag;
        if (move.rect.IsRectNull() || GetBarRect(move.pBar) == move.rect)
            nFlags |= SWP_NOMOVE | SWP_NOSIZE;
        if ((nFlags & (SWP_NOMOVE | SWP_NOSIZE)) == (SWP_NOMOVE | SWP_NOSIZE) && move.nShowFlag == 0)
            continue;
        if (hDWP != nullptr)
            hDWP = ::DeferWindowPos(hDWP, move.pBar->m_hWnd, nullptr, move.rect.left, move.rect.top,
                                    move.rect.Width(), move.rect.Height(), nFlags);
    }
    if (hDWP != nullptr)
        ::EndDeferWindowPos(hDWP);
}

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    const CRect rectRoom = GetLayoutRect();
    const int nLength = m_bFloating ? 0 : (bHorz ? rectRoom.Width() : rectRoom.Height());
    std::vector<BarMove> moves;
    int nAcross = 0;
    int nLongest = 0;
    for (int nStart = 1; nStart < int(m_arrBars.size());) {
        const int nEnd = RowEndOf(nStart);
        const size_t nFirstMove = moves.size();
        nAcross += LayoutFixedRow(nStart, nEnd, nAcross, nLength, bHorz, moves);
        for (size_t i = nFirstMove; i < moves.size(); i++)
            nLongest = (std::max)(nLongest, int(bHorz ? moves[i].rect.right : moves[i].rect.bottom));
        nStart = nEnd + 1;
    }
    if (IsRealLayout())
        MoveBars(moves);
    // an empty docked dock bar is the line along its edge
    const int nAlong = (bStretch && !m_bFloating) ? nLength : nLongest;
    return bHorz ? CSize(nAlong, nAcross) : CSize(nAcross, nAlong);
}

LRESULT CDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* pPrevious = m_pLayout;
    m_pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    const LRESULT lResult = CControlBar::OnSizeParent(wParam, lParam);
    m_pLayout = pPrevious;
    return lResult;
}

void CDockBar::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    // no borders: the whole window is the client area
    (void)bCalcValidRects;
    (void)lpncsp;
}

void CDockBar::OnDestroy()
{
    for (const Entry& e : m_arrBars)
        if (e.IsBar() && e.pBar->GetDockBar() == this)
            e.pBar->SetDockBar(nullptr);
    m_arrBars.assign(1, Entry::RowEnd());
    CControlBar::OnDestroy();
}

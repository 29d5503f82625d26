// SECDockBar: docking into fraction rows, removing and re-docking bars, fractions, expanding and
// contracting, and the layout of rows with their splitters and client edges.
#include <algorithm>
#include <cmath>

#include "frames/SECDockBar.h"

#include "frames/SECToolkit.h"
#include "win/ArgCheck.h"
#include "win/CDockContext.h"
#include "win/CFrameWnd.h"

IMPLEMENT_DYNCREATE(SECDockBar, CDockBar)

namespace {

const int kSplitter = SECDockBar::splitterSize;
const int kClientEdge = SECDockBar::clientEdgeSize;
// Fractions above this are never a just-placed bar's request.
const float kMaxPlacedFraction = 0.95f;
// The minimum fraction while the dock bar has no length.
const float kDefaultMinFraction = 0.05f;

} // namespace

SECDockBar::SECDockBar(BOOL bFloating, BOOL bMDIChild)
    : CDockBar(bFloating), m_bMDIChild(bMDIChild), m_dwExtra(0), m_pTrackedBar(nullptr), m_bRedrawPending(FALSE),
      m_bRelayout(FALSE), m_fMinFraction(kDefaultMinFraction), m_pJustPlaced(nullptr)
{
}

SECDockBar::~SECDockBar() = default;

BOOL SECDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExtra, UINT nID)
{
    m_dwExtra = dwExtra;
    return CDockBar::Create(pParentWnd, dwStyle, nID);
}

BOOL SECDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return Create(pParentWnd, dwStyle, 0, nID);
}

// ---- helpers --------------------------------------------------------------------------------------------

BOOL SECDockBar::IsSizable(const CControlBar* pBar)
{
    const SECControlBar* pSEC = dynamic_cast<const SECControlBar*>(pBar);
    return pSEC != nullptr && (pSEC->GetExBarStyle() & SEC_CBRS_EX_FIXEDSIZE) == 0;
}

BOOL SECDockBar::IsHorzDockBar() const
{
    return (GetBarStyle() & CBRS_ORIENT_HORZ) != 0;
}

int SECDockBar::GetClientLength() const
{
    CRect rect;
    GetClientRect(rect);
    return IsHorzDockBar() ? rect.Width() : rect.Height();
}

void SECDockBar::AddToRedraw(int nIndex)
{
    for (int i = (std::max)(nIndex, 0); i < int(m_arrBars.size()); i++) {
        if (m_arrBars[i].IsBar())
            AddBarToRedraw(m_arrBars[i].pBar);
    }
}

void SECDockBar::AddBarToRedraw(CControlBar* pBar)
{
    if (std::find(m_arrRedraw.begin(), m_arrRedraw.end(), pBar) == m_arrRedraw.end())
        m_arrRedraw.push_back(pBar);
}

void SECDockBar::AddRowToolBarsToRedraw(int nRowStart)
{
    for (int i = nRowStart; i < RowEndOf(nRowStart); i++) {
        if (m_arrBars[i].IsBar() && !IsSizable(m_arrBars[i].pBar))
            AddBarToRedraw(m_arrBars[i].pBar);
    }
}

void SECDockBar::InvalidateOldPlace(CControlBar* pBar)
{
    CWnd* pParent = pBar->GetParent();
    if (pParent == nullptr || !pBar->IsWindowVisible())
        return;
    CRect rect;
    pBar->GetWindowRect(rect);
    pParent->ScreenToClient(rect);
    pParent->InvalidateRect(rect);
}

// ---- fractions ------------------------------------------------------------------------------------------

void SECDockBar::RecalcMinFraction()
{
    const int nLength = m_hWnd != nullptr ? GetClientLength() : 0;
    m_fMinFraction = nLength > 0 ? (std::min)(float(minBarLength) / float(nLength), 1.0f) : kDefaultMinFraction;
}

void SECDockBar::NormalizeRow(int nRowStart, SECControlBar* pJustPlaced)
{
    NormalizeRowWithout(nRowStart, pJustPlaced, nullptr);
}

void SECDockBar::NormalizeRowWithout(int nRowStart, SECControlBar* pJustPlaced, const CControlBar* pLeaving)
{
    RecalcMinFraction();
    if (pJustPlaced != nullptr && pJustPlaced->m_fPctWidth > kMaxPlacedFraction)
        pJustPlaced = nullptr; // the whole row asked for: the row is only normalised
    std::vector<SECControlBar*> bars;
    std::vector<SECControlBar*> hidden;
    float fPlaced = 0.0f;
    float fOthers = 0.0f;
    for (int i = nRowStart; i < RowEndOf(nRowStart); i++) {
        if (!m_arrBars[i].IsBar() || m_arrBars[i].pBar == pLeaving || !IsSizable(m_arrBars[i].pBar))
            continue;
        SECControlBar* pBar = static_cast<SECControlBar*>(m_arrBars[i].pBar);
        if (!pBar->IsVisible()) {
            hidden.push_back(pBar);
            continue;
        }
        bars.push_back(pBar);
        if (pBar == pJustPlaced) {
            pBar->m_fPctWidth = (std::max)(m_fMinFraction, (std::min)(pBar->m_fPctWidth, kMaxPlacedFraction));
            fPlaced += pBar->m_fPctWidth;
        } else {
            fOthers += pBar->m_fPctWidth;
        }
    }
    if (fPlaced > 0.0f) {
        float fFactor = 1.0f / fPlaced;
        if (fOthers > 0.0f)
            fFactor = fOthers != fPlaced ? fOthers / (fOthers - fPlaced) : 1.0f;
        pJustPlaced->m_fPctWidth = (std::max)(fFactor * fPlaced, m_fMinFraction);
        fOthers += pJustPlaced->m_fPctWidth;
    }
    if (fOthers <= 0.0f)
        return;
    for (SECControlBar* pBar : bars)
        pBar->m_fPctWidth = (std::max)(pBar->m_fPctWidth / fOthers, m_fMinFraction);
    // a hidden bar keeps its share in proportion to the others, so that shown again it has it back
    for (SECControlBar* pBar : hidden)
        pBar->m_fPctWidth /= fOthers;
}

BOOL SECDockBar::IsExpanded(const CControlBar* pBar) const
{
    const int nPos = FindBar(pBar);
    if (nPos < 0 || !IsSizable(pBar))
        return FALSE;
    // a tiny margin keeps float noise in fractions set to the minimum from counting as more
    const float fAbove = m_fMinFraction + 1e-6f;
    if (static_cast<const SECControlBar*>(pBar)->m_fPctWidth <= fAbove)
        return FALSE;
    const int nStart = RowStartOf(nPos);
    for (int i = nStart; i < RowEndOf(nStart); i++) {
        const CControlBar* pOther = m_arrBars[i].pBar;
        if (i != nPos && m_arrBars[i].IsBar() && pOther->IsVisible() && IsSizable(pOther) &&
            static_cast<const SECControlBar*>(pOther)->m_fPctWidth > fAbove)
            return FALSE;
    }
    return TRUE;
}

BOOL SECDockBar::IsAloneInRow(const CControlBar* pBar) const
{
    const int nPos = FindBar(pBar);
    if (nPos < 0)
        return FALSE;
    const int nStart = RowStartOf(nPos);
    for (int i = nStart; i < RowEndOf(nStart); i++)
        if (i != nPos && m_arrBars[i].IsBar() && m_arrBars[i].pBar->IsVisible())
            return FALSE;
    return TRUE;
}

void SECDockBar::GetRowBars(const CControlBar* pBar, std::vector<CControlBar*>& bars) const
{
    bars.clear();
    const int nPos = FindBar(pBar);
    if (nPos < 0)
        return;
    const int nStart = RowStartOf(nPos);
    for (int i = nStart; i < RowEndOf(nStart); i++)
        if (m_arrBars[i].IsBar())
            bars.push_back(m_arrBars[i].pBar);
}

void SECDockBar::ExpandContract(SECControlBar* pBar, int nMode)
{
    AfxRequirePointer(pBar, "SECDockBar::ExpandContract", "pBar");
    const int nPos = FindBar(pBar);
    if (nPos < 0)
        return;
    const int nStart = RowStartOf(nPos);
    std::vector<CControlBar*> bars;
    GetRowBars(pBar, bars);
    for (CControlBar* pRowBar : bars) {
        if (!IsSizable(pRowBar))
            continue;
        SECControlBar* pSEC = static_cast<SECControlBar*>(pRowBar);
        pSEC->m_fPctWidth = nMode == 1 ? (pSEC == pBar ? 1.0f : 0.0f) : 0.1f;
    }
    NormalizeRow(nStart, pBar);
    AddToRedraw(nStart);
    m_bRelayout = TRUE;
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->DelayRecalcLayout();
}

void SECDockBar::SetJustPlaced(SECControlBar* pBar)
{
    m_pJustPlaced = pBar;
}

// ---- inserting and docking ------------------------------------------------------------------------------

int SECDockBar::InsertEntry(int nIndex, CControlBar* pBar, BOOL bNewRow)
{
    nIndex = CDockBar::InsertEntry(nIndex, pBar, bNewRow);
    auto isFullRow = [this](int i) {
        const SECControlBar* pSEC =
            m_arrBars[i].IsBar() ? dynamic_cast<const SECControlBar*>(m_arrBars[i].pBar) : nullptr;
        return pSEC != nullptr && (pSEC->GetExBarStyle() & SEC_CBRS_EX_FULLROW) != 0;
    };
    const BOOL bFullRow = isFullRow(nIndex);
    // a row end before the bar when it or the bar before it wants a row of its own
    if (!m_arrBars[nIndex - 1].IsRowEnd() && (bFullRow || isFullRow(nIndex - 1))) {
        m_arrBars.insert(m_arrBars.begin() + nIndex, CDockBar::Entry::RowEnd());
        nIndex++;
    }
    if (!m_arrBars[nIndex + 1].IsRowEnd() && (bFullRow || isFullRow(nIndex + 1)))
        m_arrBars.insert(m_arrBars.begin() + nIndex + 1, CDockBar::Entry::RowEnd());
    AddToRedraw(nIndex);
    m_bRelayout = TRUE;
    return nIndex;
}

int SECDockBar::InsertNewFirstRow(CControlBar* pBar)
{
    return InsertEntry(1, pBar, TRUE);
}

int SECDockBar::InsertAtRowPos(CControlBar* pBar, const SECDockPos& pos)
{
    AfxRequirePointer(pBar, "SECDockBar::InsertAtRowPos", "pBar");
    int nIndex;
    std::vector<int> rowStarts;
    for (int nStart = 1; nStart < int(m_arrBars.size()); nStart = RowEndOf(nStart) + 1)
        rowStarts.push_back(nStart);
    const int nRows = int(rowStarts.size());
    if (nRows == 0) {
        nIndex = InsertEntry(1, pBar, TRUE);
    } else if (pos.nDockRow < 0) {
        // first, with that many row ends after it
        nIndex = InsertEntry(1, pBar, FALSE);
        for (int i = 0; i < -pos.nDockRow - 1; i++)
            m_arrBars.insert(m_arrBars.begin() + nIndex + 1, CDockBar::Entry::RowEnd());
    } else {
        int nRow = (pos.dwFlags & SEC_DOCKPOS_ROWFROMEND) ? (std::max)(nRows - 1 - pos.nDockRow, 0) : pos.nDockRow;
        if (nRow >= nRows) {
            for (int i = nRows; i < nRow; i++)
                m_arrBars.push_back(CDockBar::Entry::RowEnd());
            nIndex = InsertEntry(int(m_arrBars.size()), pBar, TRUE);
        } else {
            const int nStart = rowStarts[nRow];
            const int nEnd = RowEndOf(nStart);
            std::vector<int> visible;
            for (int i = nStart; i < nEnd; i++)
                if (m_arrBars[i].IsBar() && m_arrBars[i].pBar->IsVisible())
                    visible.push_back(i);
            if (pos.dwFlags & SEC_DOCKPOS_NEWROW) {
                nIndex = InsertEntry(nStart, pBar, TRUE);
            } else if (pos.nPos <= 0 || nStart == nEnd) {
                nIndex = InsertEntry(nStart, pBar, FALSE);
            } else {
                const int nCount = int(visible.size());
                const int nBefore = (pos.dwFlags & SEC_DOCKPOS_POSFROMEND) ? nCount - pos.nPos : pos.nPos;
                const int nAt = nBefore >= nCount ? nEnd : visible[(std::max)(nBefore, 0)];
                nIndex = InsertEntry(nAt, pBar, FALSE);
            }
        }
    }
    NormalizeRow(RowStartOf(nIndex), IsSizable(pBar) ? static_cast<SECControlBar*>(pBar) : nullptr);
    return nIndex;
}

CPoint SECDockBar::GetNewBarPos() const
{
    const SECDrawValues& v = SECGetDrawValues();
    return CPoint(-v.cxBorder2, -v.cyBorder2);
}

void SECDockBar::TakeBarStyle(CControlBar* pBar)
{
    CDockBar::TakeBarStyle(pBar);
    pBar->SetBarStyle(pBar->GetBarStyle() | CBRS_BORDER_ANY);
}

void SECDockBar::DockControlBarWithLayout(CControlBar* pBar, const SECDockPos& pos)
{
    AfxRequirePointer(pBar, "SECDockBar::DockControlBarWithLayout", "pBar");
    if (pBar->m_hWnd == nullptr)
        AfxThrowInvalidArgFormat("SECDockBar::DockControlBarWithLayout: the bar %p has no window", pBar);
    InvalidateOldPlace(pBar);
    TakeBarStyle(pBar);
    RemovePlaceholders(UINT(pBar->GetDlgCtrlID()));
    const int nIndex = InsertAtRowPos(pBar, pos);
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    const CPoint pt = GetNewBarPos();
    pBar->SetWindowPos(nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    AdoptBar(pBar, nIndex);
}

void SECDockBar::DockControlBarAt(CControlBar* pBar, int nDockRow, int nPos, DWORD dwFlags)
{
    SECDockPos pos;
    pos.nDockRow = nDockRow;
    pos.nPos = nPos;
    pos.dwFlags = dwFlags;
    DockControlBarWithLayout(pBar, pos);
}

void SECDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    AfxRequirePointer(pBar, "SECDockBar::DockControlBar", "pBar");
    const int nHere = FindBar(pBar);
    if (nHere >= 0 && lpRect != nullptr) {
        CRect rectBar;
        pBar->GetWindowRect(rectBar);
        if (!IsSizable(pBar) && rectBar == *lpRect)
            return;
        // dropped where it already is: before itself or right after
        CRect rect(*lpRect);
        ScreenToClient(rect);
        BOOL bNewRow = FALSE;
        const int nPlace = FindInsertPlace(rect.CenterPoint(), bNewRow);
        if (!bNewRow && (nPlace == nHere || nPlace == nHere + 1))
            return;
    }
    InvalidateOldPlace(pBar);
    // A bar moved within the dock bar takes its share with it, as one dragged off and docked again:
    // the row it leaves shares the whole row without it, so that where it lands (its own row too) the
    // others leave it just its share.
    if (nHere >= 0)
        NormalizeRowWithout(RowStartOf(nHere), nullptr, pBar);
    SetJustPlaced(IsSizable(pBar) ? static_cast<SECControlBar*>(pBar) : nullptr);
    CDockBar::DockControlBar(pBar, lpRect);
}

void SECDockBar::ReDockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    AfxRequirePointer(pBar, "SECDockBar::ReDockControlBar", "pBar");
    InvalidateOldPlace(pBar);
    SetJustPlaced(IsSizable(pBar) ? static_cast<SECControlBar*>(pBar) : nullptr);
    CDockBar::ReDockControlBar(pBar, lpRect);
    AddToRedraw(FindBar(pBar));
    m_bRelayout = TRUE;
}

BOOL SECDockBar::RemoveControlBar(CControlBar* pBar, int nPosExclude, BOOL bAddPlaceholder)
{
    const int nPos = FindBar(pBar, nPosExclude);
    if (nPos < 0)
        return FALSE;
    if (IsAloneInRow(pBar)) {
        AddToRedraw(nPos);
        m_bRelayout = TRUE;
    }
    m_arrRedraw.erase(std::remove(m_arrRedraw.begin(), m_arrRedraw.end(), pBar), m_arrRedraw.end());
    if (m_pTrackedBar == pBar)
        m_pTrackedBar = nullptr;
    if (m_pJustPlaced == pBar && nPosExclude < 0)
        m_pJustPlaced = nullptr;
    const BOOL bLayout = pBar->GetDockContext() != nullptr && !m_bFloating;
    CDockBar::RemoveControlBar(pBar, nPosExclude, bAddPlaceholder);
    if (bLayout)
        if (CFrameWnd* pFrame = GetParentFrame())
            pFrame->RecalcLayout();
    return TRUE;
}

// ---- layout ---------------------------------------------------------------------------------------------

template <class T, class TSame>
T* SECDockBar::Reuse(std::vector<std::unique_ptr<T>>& items, TSame isSame)
{
    for (const auto& pItem : items) {
        if (!pItem->m_bInUse && isSame(*pItem)) {
            pItem->m_bInUse = TRUE;
            return pItem.get();
        }
    }
    items.emplace_back(new T);
    items.back()->m_bInUse = TRUE;
    return items.back().get();
}

SECDockBar::Splitter* SECDockBar::AddSplitter(const CRect& rect, BOOL bInRow, BOOL bVertical, int nIndex)
{
    Splitter* pSplitter = Reuse(m_splitters, [&](const Splitter& s) {
        return s.m_rect == rect && s.m_bInRow == bInRow && s.m_bVertical == bVertical;
    });
    pSplitter->m_rect = rect;
    pSplitter->m_bInRow = bInRow;
    pSplitter->m_bVertical = bVertical;
    pSplitter->m_nIndex = nIndex;
    return pSplitter;
}

SECDockBar::ClientEdge* SECDockBar::AddClientEdge(const CRect& rect, BOOL bVertical)
{
    ClientEdge* pEdge =
        Reuse(m_edges, [&](const ClientEdge& e) { return e.m_rect == rect && e.m_bVertical == bVertical; });
    pEdge->m_rect = rect;
    pEdge->m_bVertical = bVertical;
    return pEdge;
}

int SECDockBar::LeastLength(CControlBar* pBar) const
{
    const BOOL bHorz = IsHorzDockBar();
    const CSize size = pBar->CalcDynamicLayout(0, SEC_LM_MINSIZE | (bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK));
    return bHorz ? size.cx : size.cy;
}

void SECDockBar::FitLeastLengths(std::vector<int>& lengths, const std::vector<int>& least)
{
    if (lengths.size() != least.size())
        AfxThrowInvalidArgFormat("SECDockBar::FitLeastLengths: %d lengths for %d least lengths", int(lengths.size()),
                                 int(least.size()));
    LONGLONG nNeed = 0;
    LONGLONG nSpare = 0;
    LONGLONG nSum = 0;
    LONGLONG nLeastSum = 0;
    for (size_t k = 0; k < lengths.size(); k++) {
        nSum += lengths[k];
        nLeastSum += least[k];
        if (lengths[k] < least[k])
            nNeed += least[k] - lengths[k];
        else
            nSpare += lengths[k] - least[k];
    }
    if (nNeed == 0)
        return;
    if (nSpare >= nNeed) {
        // the short ones get their least, the others give in proportion to their room, and what that
        // rounding leaves one pixel each from the first with room on
        LONGLONG nGiven = 0;
        for (size_t k = 0; k < lengths.size(); k++) {
            if (lengths[k] < least[k]) {
                lengths[k] = least[k];
            } else {
                const int nGive = int(nNeed * (lengths[k] - least[k]) / nSpare);
                lengths[k] -= nGive;
                nGiven += nGive;
            }
        }
        for (size_t k = 0; k < lengths.size() && nGiven < nNeed; k++) {
            if (lengths[k] > least[k]) {
                lengths[k]--;
                nGiven++;
            }
        }
        return;
    }
    // no room anywhere: each its least length's part of the whole, the rounding's rest from the first on
    LONGLONG nShared = 0;
    for (size_t k = 0; k < lengths.size(); k++) {
        lengths[k] = nLeastSum > 0 ? int(nSum * least[k] / nLeastSum) : 0;
        nShared += lengths[k];
    }
    for (size_t k = 0; k < lengths.size() && nShared < nSum; k++, nShared++)
        lengths[k]++;
}

int SECDockBar::LayoutSizableRow(int nStart, int nEnd, int nAcross, int nLength, BOOL bHorz,
                                 std::vector<BarMove>& moves)
{
    const std::vector<RowBar> rowBars = TakeRowBars(nStart, nEnd, moves);
    std::vector<CControlBar*> bars;
    for (const RowBar& rowBar : rowBars)
        bars.push_back(rowBar.pBar);
    const int nBars = int(bars.size());
    const DWORD dwDock = bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK;

    // lengths by fraction of what the splitters leave, thickness of the thickest
    const int nRowLength = nLength - kSplitter * (nBars - 1);
    std::vector<CSize> sizes;
    int nThickness = 0;
    for (CControlBar* pBar : bars) {
        if (SECControlBar* pSEC = dynamic_cast<SECControlBar*>(pBar))
            pSEC->ModifyExBarStyle(SEC_CBRS_EX_INFIXEDROW, 0, FALSE);
        const CSize size =
            pBar->CalcDynamicLayout(nRowLength, LM_STRETCH | LM_COMMIT | dwDock | (bHorz ? 0 : LM_LENGTHY));
        sizes.push_back(size);
        nThickness = (std::max)(nThickness, int(bHorz ? size.cy : size.cx));
    }
    for (int k = 0; k < nBars; k++) {
        bars[k]->CalcDynamicLayout(nThickness, LM_COMMIT | dwDock | (bHorz ? LM_LENGTHY : 0));
        (bHorz ? sizes[k].cy : sizes[k].cx) = nThickness;
    }

    // the last bar ends at the row's end; no bar below its least length while another has room
    std::vector<int> lengths;
    std::vector<int> sizable; // the sizable bars among them: the lengths that fit their least lengths
    std::vector<int> sizableLengths;
    std::vector<int> least;
    int nTaken = 0;
    for (int k = 0; k < nBars; k++) {
        int nBarLength = bHorz ? sizes[k].cx : sizes[k].cy;
        if (k == nBars - 1 && IsSizable(bars[k]))
            nBarLength = nRowLength - nTaken;
        nTaken += nBarLength;
        lengths.push_back(nBarLength);
        if (IsSizable(bars[k])) {
            sizable.push_back(k);
            sizableLengths.push_back(nBarLength);
            least.push_back(LeastLength(bars[k]));
        }
    }
    FitLeastLengths(sizableLengths, least);
    for (size_t j = 0; j < sizable.size(); j++) {
        const int k = sizable[j];
        if (sizableLengths[j] != lengths[k] && k < nBars - 1)
            bars[k]->CalcDynamicLayout(sizableLengths[j], LM_COMMIT | dwDock | (bHorz ? 0 : LM_LENGTHY));
        lengths[k] = sizableLengths[j];
    }

    // a frame's dock bar: an edge on the side of the frame's border, a row splitter on the other
    const BOOL bEdgeFirst = (GetBarStyle() & (CBRS_ALIGN_TOP | CBRS_ALIGN_LEFT)) != 0;
    const BOOL bFramed = !m_bFloating;
    auto across = [bHorz, nLength](int nFrom, int nThick) {
        return bHorz ? CRect(0, nFrom, nLength, nFrom + nThick) : CRect(nFrom, 0, nFrom + nThick, nLength);
    };
    int nPos = nAcross;
    if (bFramed) {
        if (bEdgeFirst)
            AddClientEdge(across(nPos, kClientEdge), !bHorz);
        else
            AddSplitter(across(nPos, kSplitter), FALSE, !bHorz, nStart);
        nPos += bEdgeFirst ? kClientEdge : kSplitter;
    }
    const int nRowTop = nPos;
    int nAlong = 0;
    for (int k = 0; k < nBars; k++) {
        const int nBarLength = lengths[k];
        const CRect rect = bHorz ? CRect(nAlong, nRowTop, nAlong + nBarLength, nRowTop + nThickness)
                                 : CRect(nRowTop, nAlong, nRowTop + nThickness, nAlong + nBarLength);
        moves.push_back({bars[k], rect, rowBars[k].nShowFlag});
        nAlong += nBarLength;
        if (k < nBars - 1) {
            const CRect rectSplitter = bHorz ? CRect(nAlong, nRowTop, nAlong + kSplitter, nRowTop + nThickness)
                                             : CRect(nRowTop, nAlong, nRowTop + nThickness, nAlong + kSplitter);
            AddSplitter(rectSplitter, TRUE, bHorz, FindBar(bars[k]));
            nAlong += kSplitter;
        }
    }
    nPos = nRowTop + nThickness;
    if (bFramed) {
        if (bEdgeFirst)
            AddSplitter(across(nPos, kSplitter), FALSE, !bHorz, nStart);
        else
            AddClientEdge(across(nPos, kClientEdge), !bHorz);
        nPos += bEdgeFirst ? kSplitter : kClientEdge;
    }
    return nPos - nAcross;
}

CSize SECDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (m_bFloating)
        return CDockBar::CalcFixedLayout(bStretch, bHorz);
    const CRect rectRoom = GetLayoutRect();
    const int nLength = bHorz ? rectRoom.Width() : rectRoom.Height();
    for (const auto& pSplitter : m_splitters)
        pSplitter->m_bInUse = FALSE;
    for (const auto& pEdge : m_edges)
        pEdge->m_bInUse = FALSE;

    std::vector<BarMove> moves;
    int nAcross = 0;
    for (int nStart = 1; nStart < int(m_arrBars.size());) {
        const int nEnd = RowEndOf(nStart);
        NormalizeRow(nStart, m_pJustPlaced);
        BOOL bSizable = FALSE;
        for (int i = nStart; i < nEnd; i++) {
            if (m_arrBars[i].IsBar() && m_pJustPlaced == m_arrBars[i].pBar)
                m_pJustPlaced = nullptr;
            if (m_arrBars[i].IsBar() && m_arrBars[i].pBar->IsVisible() && IsSizable(m_arrBars[i].pBar))
                bSizable = TRUE;
        }
        if (bSizable) {
            nAcross += LayoutSizableRow(nStart, nEnd, nAcross, nLength, bHorz, moves);
        } else {
            nAcross += LayoutFixedRow(nStart, nEnd, nAcross, nLength, bHorz, moves);
            for (int i = nStart; i < nEnd; i++) {
                SECControlBar* pSEC = m_arrBars[i].IsBar() ? dynamic_cast<SECControlBar*>(m_arrBars[i].pBar) : nullptr;
                if (pSEC != nullptr)
                    pSEC->ModifyExBarStyle(0, SEC_CBRS_EX_INFIXEDROW, FALSE);
            }
        }
        nStart = nEnd + 1;
    }
    m_pJustPlaced = nullptr;
    m_splitters.erase(
        std::remove_if(m_splitters.begin(), m_splitters.end(), [](const auto& p) { return !p->m_bInUse; }),
        m_splitters.end());
    m_edges.erase(std::remove_if(m_edges.begin(), m_edges.end(), [](const auto& p) { return !p->m_bInUse; }),
                  m_edges.end());
    if (IsRealLayout())
        MoveBars(moves);

    if (g_bSECWorkbookTabs) {
        const SECDrawValues& v = SECGetDrawValues();
        if (GetBarStyle() & CBRS_ALIGN_TOP)
            nAcross += v.cyBorder2;
        else if (GetBarStyle() & CBRS_ALIGN_LEFT)
            nAcross += v.cxBorder2;
    }
    (void)bStretch;
    return bHorz ? CSize(nLength, nAcross) : CSize(nAcross, nLength);
}

void SECDockBar::MoveBars(const std::vector<BarMove>& moves)
{
    if (moves.empty())
        return;
    const UINT nID = UINT(GetDlgCtrlID());
    const BOOL bEdgeDockBar = !m_bFloating && nID >= AFX_IDW_DOCKBAR_TOP && nID <= AFX_IDW_DOCKBAR_BOTTOM;
    BOOL bMoved = FALSE;
    HDWP hDWP = ::BeginDeferWindowPos(int(moves.size()));
    for (const BarMove& move : moves) {
        UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE | move.nShowFlag | (g_bSECNoRedraw ? SWP_NOREDRAW : 0);
        if (move.rect.IsRectNull()) {
            nFlags |= SWP_NOMOVE | SWP_NOSIZE;
        } else {
            if (IsSizable(move.pBar) && move.pBar->GetDockContext() != nullptr) {
                CDockContext* pContext = move.pBar->GetDockContext();
                pContext->m_rectMRUDockPos = move.rect;
                if (bEdgeDockBar)
                    pContext->m_uMRUDockID = nID;
            }
            const CRect rectOld = GetBarRect(move.pBar);
            if (rectOld == move.rect) {
                nFlags |= SWP_NOMOVE | SWP_NOSIZE;
            } else if (rectOld.Size() == move.rect.Size()) {
                nFlags |= SWP_NOSIZE;
                // moved without redrawing, it shows what it showed before only where the move copied
                // it: bars that trade places in a row would keep each other's pictures
                if (g_bSECNoRedraw)
                    AddBarToRedraw(move.pBar);
            } else {
                const BOOL bHorz = IsHorzDockBar();
                const BOOL bThicker =
                    bHorz ? rectOld.Height() != move.rect.Height() : rectOld.Width() != move.rect.Width();
                const int nPos = FindBar(move.pBar);
                if (bThicker)
                    AddToRedraw(nPos);
                else
                    AddBarToRedraw(move.pBar);
            }
        }
        if ((nFlags & (SWP_NOMOVE | SWP_NOSIZE)) == (SWP_NOMOVE | SWP_NOSIZE) && move.nShowFlag == 0)
            continue;
        bMoved = TRUE;
        if (hDWP != nullptr)
            hDWP = ::DeferWindowPos(hDWP, move.pBar->m_hWnd, nullptr, move.rect.left, move.rect.top, move.rect.Width(),
                                    move.rect.Height(), nFlags);
    }
    if (hDWP != nullptr)
        ::EndDeferWindowPos(hDWP);
    if (!m_arrRedraw.empty())
        m_bRedrawPending = TRUE; // the dock bar's paint redraws them
    // moves without redrawing leave the dock bar's own area to repaint (its splitters and edges too)
    if (m_bRedrawPending || (g_bSECNoRedraw && bMoved))
        Invalidate();
}

void SECDockBar::RedrawPending()
{
    const std::vector<CControlBar*> bars = m_arrRedraw;
    m_arrRedraw.clear();
    for (CControlBar* pBar : bars)
        if (pBar->m_hWnd != nullptr)
            pBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
    m_bRedrawPending = FALSE;
    m_bRelayout = FALSE;
}

void SECDockBar::RepositionInLayout(AFX_SIZEPARENTPARAMS* lpLayout, const CRect& rect)
{
    if (!g_bSECNoRedraw) {
        CDockBar::RepositionInLayout(lpLayout, rect);
        return;
    }
    CRect rectOld;
    GetWindowRect(rectOld);
    if (CWnd* pParent = GetParent())
        pParent->ScreenToClient(rectOld);
    if (rectOld == rect || lpLayout->hDWP == nullptr)
        return;
    UINT nFlags = SWP_NOACTIVATE | SWP_NOZORDER;
    const BOOL bSameLength = IsHorzDockBar() ? rectOld.Width() == rect.Width() : rectOld.Height() == rect.Height();
    // A dock bar of unchanged size is also of unchanged length: it only loses the copied bits, for a
    // move without redrawing would leave it unpainted where it went.
    if (rectOld.Size() == rect.Size())
        nFlags |= SWP_NOCOPYBITS;
    else if (bSameLength)
        nFlags |= SWP_NOREDRAW;
    if (rectOld.Size() != rect.Size()) {
        // Every bar in it is redrawn by its next paint, which this asks for: bars that kept their
        // places inside a dock bar whose rows changed still lose what was drawn over them while the
        // rows moved (the menu bar and the tool bar showed only their first items after a dock at
        // the top).
        AddToRedraw(0);
        m_bRedrawPending = TRUE;
        Invalidate();
    }
    lpLayout->hDWP =
        ::DeferWindowPos(lpLayout->hDWP, m_hWnd, nullptr, rect.left, rect.top, rect.Width(), rect.Height(), nFlags);
}

LRESULT SECDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
    // a layout that changes no row redraws as it goes
    const BOOL bSaved = g_bSECNoRedraw;
    g_bSECNoRedraw = m_bRelayout;
    const LRESULT lResult = CDockBar::OnSizeParent(wParam, lParam);
    g_bSECNoRedraw = bSaved;
    return lResult;
}

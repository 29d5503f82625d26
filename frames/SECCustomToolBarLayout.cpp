// SECCustomToolBar: rows, the fit-to-height search, balancing, the sizes kept per kind of layout, and
// the hit test.
#include <algorithm>
#include <climits>

#include "frames/SECCustomToolBar.h"

#include "frames/SECToolBarManager.h"

#include "win/CDockContext.h"
#include "win/CFrameWnd.h"

namespace {

BOOL IsSeparator(const SECStdBtn* pBtn)
{
    return pBtn->HasStyle(TBBS_SEPARATOR);
}

// The row of btns[nFirst .. nLast]: it ends at a separator (not counted in its width) when that is its
// last entry and it is not the last row.
SECCustomToolBar::Row MakeRow(const SECCustomToolBar::SECBtnArray& btns, int nFirst, int nLast, BOOL bLastRow)
{
    SECCustomToolBar::Row row{nLast, !bLastRow && IsSeparator(btns[size_t(nLast)]), 0, 0};
    for (int i = nFirst; i <= nLast; i++) {
        const SECStdBtn* pBtn = btns[size_t(i)];
        if (i == nLast && row.bSepWrap)
            break;
        row.cx += pBtn->m_cx;
        if (!IsSeparator(pBtn))
            row.cy = (std::max)(row.cy, pBtn->m_cy);
    }
    return row;
}

int RowStart(const SECCustomToolBar::RowArray& rows, size_t nRow)
{
    return nRow == 0 ? 0 : rows[nRow - 1].nLast + 1;
}

// Rebuilds rows nRow and nRow + 1 after the boundary between them moved.
void RemakeRows(const SECCustomToolBar::SECBtnArray& btns, SECCustomToolBar::RowArray& rows, size_t nRow)
{
    for (size_t r = nRow; r <= nRow + 1 && r < rows.size(); r++)
        rows[r] = MakeRow(btns, RowStart(rows, r), rows[r].nLast, r + 1 == rows.size());
}

// Moves the last group of row nRow (the buttons after its last inner separator, else its last button,
// with the separator that ends the row) to the start of the next row. FALSE when the row would be left
// without a button.
BOOL MoveLastGroup(const SECCustomToolBar::SECBtnArray& btns, SECCustomToolBar::RowArray& rows, size_t nRow)
{
    const int nFirst = RowStart(rows, nRow);
    int nLastBtn = rows[nRow].nLast;
    if (IsSeparator(btns[size_t(nLastBtn)]) && nLastBtn > nFirst)
        nLastBtn--;
    int nNewLast = nLastBtn - 1;
    for (int k = nLastBtn - 1; k > nFirst; k--) {
        if (IsSeparator(btns[size_t(k)])) {
            nNewLast = k;
            break;
        }
    }
    BOOL bButtonLeft = FALSE;
    for (int i = nFirst; i <= nNewLast; i++)
        bButtonLeft = bButtonLeft || !IsSeparator(btns[size_t(i)]);
    if (!bButtonLeft)
        return FALSE;
    rows[nRow].nLast = nNewLast;
    RemakeRows(btns, rows, nRow);
    return TRUE;
}

// Makes row nRow narrower than nLimit by passing its last groups on, each next row doing the same in
// turn. FALSE when the last row would have to pass something on or a row would be left empty.
BOOL FitRow(const SECCustomToolBar::SECBtnArray& btns, SECCustomToolBar::RowArray& rows, size_t nRow, int nLimit)
{
    while (rows[nRow].cx >= nLimit) {
        if (nRow + 1 == rows.size() || !MoveLastGroup(btns, rows, nRow) || !FitRow(btns, rows, nRow + 1, nLimit))
            return FALSE;
    }
    return TRUE;
}

} // namespace

// ---- rows ------------------------------------------------------------------------------------------------

void SECCustomToolBar::WrapButtons(const SECBtnArray& btns, int nWidth, RowArray& rows) const
{
    rows.clear();
    const int nCount = int(btns.size());
    int nStart = 0;
    int x = 0;
    for (int i = 0; i < nCount; i++) {
        const int cx = btns[size_t(i)]->m_cx;
        if (i > nStart && x + cx > nWidth + 2) {
            // end at the last separator of the row (the one that overflows counts), else before this one
            int nSep = IsSeparator(btns[size_t(i)]) ? i : -1;
            for (int j = i - 1; nSep < 0 && j > nStart; j--)
                if (IsSeparator(btns[size_t(j)]))
                    nSep = j;
            const int nLast = nSep >= 0 ? nSep : i - 1;
            rows.push_back(MakeRow(btns, nStart, nLast, FALSE));
            nStart = nLast + 1;
            i = nLast; // the walk goes on after the row's end
            x = 0;
            continue;
        }
        x += cx;
    }
    if (nStart < nCount)
        rows.push_back(MakeRow(btns, nStart, nCount - 1, TRUE));
}

CSize SECCustomToolBar::SizeOfRows(const RowArray& rows) const
{
    CSize size(0, 0);
    for (const Row& row : rows) {
        size.cx = (std::max)(size.cx, LONG(row.cx));
        size.cy += row.cy + (row.bSepWrap ? m_nSepWidth * 2 / 3 : 0);
    }
    return size;
}

int SECCustomToolBar::CalcLayout(const SECBtnArray& btns, int nLength, BOOL bVert, RowArray& rows) const
{
    rows.clear();
    if (btns.empty())
        return 0;
    int nNarrowest = INT_MAX;
    int nWidest = 0;
    for (const SECStdBtn* pBtn : btns) {
        if (IsSeparator(pBtn))
            continue;
        nNarrowest = (std::min)(nNarrowest, pBtn->m_cx);
        nWidest = (std::max)(nWidest, pBtn->m_cx);
    }
    if (nWidest == 0)
        nNarrowest = nWidest = m_nSepWidth; // separators only

    int nWidth = 0;
    if (!bVert) {
        nWidth = (std::max)(nLength, nWidest);
        WrapButtons(btns, nWidth, rows);
    } else {
        // fit to height: from an estimate of the rows the length holds (one row below one button's
        // height), narrower while the rows still fit, wider until they do or make one row
        const int nStep = GetBtnWidth();
        const int nRowsFitting = (std::max)(1, nLength / GetBtnHeight());
        nWidth = (std::max)(nNarrowest, int(btns.size()) * nStep / nRowsFitting);
        WrapButtons(btns, nWidth, rows);
        int cy = SizeOfRows(rows).cy;
        if (cy < nLength) {
            while (nWidth > nNarrowest) {
                const int nTry = (std::max)(nNarrowest, nWidth - nStep);
                RowArray tryRows;
                WrapButtons(btns, nTry, tryRows);
                const int cyTry = SizeOfRows(tryRows).cy;
                if (cyTry > nLength)
                    break;
                nWidth = nTry;
                rows.swap(tryRows);
                if (cyTry == nLength)
                    break;
            }
        } else {
            while (cy > nLength && rows.size() > 1) {
                nWidth += nStep;
                WrapButtons(btns, nWidth, rows);
                cy = SizeOfRows(rows).cy;
            }
        }
    }
    if (rows.size() > 1)
        BalanceRows(btns, rows);
    return nWidth;
}

void SECCustomToolBar::BalanceRows(const SECBtnArray& btns, RowArray& rows) const
{
    for (;;) {
        size_t nWidest = 0;
        for (size_t r = 1; r < rows.size(); r++)
            if (rows[r].cx > rows[nWidest].cx)
                nWidest = r;
        if (nWidest + 1 >= rows.size())
            return;
        // every later row must end narrower than the widest was
        RowArray trial = rows;
        if (!MoveLastGroup(btns, trial, nWidest) || !FitRow(btns, trial, nWidest + 1, rows[nWidest].cx))
            return;
        rows.swap(trial);
    }
}

// ---- layouts -------------------------------------------------------------------------------------------

SECCustomToolBar::LayoutKind SECCustomToolBar::KindOf(DWORD dwMode)
{
    if (dwMode & LM_HORZDOCK)
        return kindHorz;
    return (dwMode & LM_VERTDOCK) ? kindVert : kindFloat;
}

SECCustomToolBar::LayoutKind SECCustomToolBar::GetPresentKind() const
{
    if (IsFloating())
        return kindFloat;
    return (GetBarStyle() & CBRS_ORIENT_VERT) ? kindVert : kindHorz;
}

void SECCustomToolBar::SetLayoutsDirty()
{
    std::fill(std::begin(m_bDirty), std::end(m_bDirty), TRUE);
}

void SECCustomToolBar::StretchToParent()
{
    if ((m_dwExStyle & SEC_TBSTYLE_FULLROW) == 0)
        return;
    const CDockContext* pContext = GetDockContext();
    if (pContext != nullptr && pContext->m_pDC != nullptr)
        return; // a drag runs: the bar keeps its size meanwhile
    m_bDirty[kindHorz] = m_bDirty[kindVert] = TRUE;
}

int SECCustomToolBar::GetFullRowLength(BOOL bHorz) const
{
    CRect rect(0, 0, 0, 0);
    if (bHorz) {
        if (CWnd* pOwner = GetOwner())
            pOwner->GetClientRect(rect);
        // a re-bar's band keeps room for its own gripper and edges
        return IsOwnerReBar() ? rect.Width() - 12 : rect.Width();
    }
    CFrameWnd* pFrame = GetDockSite();
    const UINT nDockBarID = (GetBarStyle() & CBRS_ALIGN_RIGHT) ? AFX_IDW_DOCKBAR_RIGHT : AFX_IDW_DOCKBAR_LEFT;
    if (CControlBar* pDockBar = pFrame != nullptr ? pFrame->GetControlBar(nDockBarID) : nullptr)
        pDockBar->GetClientRect(rect);
    return rect.Height();
}

SECCustomToolBar::Layout SECCustomToolBar::ComputeLayout(int nLength, DWORD dwMode) const
{
    Layout layout;
    for (SECStdBtn* pBtn : m_btns)
        if (!pBtn->HasStyle(TBBS_HIDDEN))
            layout.btns.push_back(pBtn);
    const BOOL bHorz = (dwMode & LM_HORZ) != 0;
    // the borders: rectInside's left and top are what goes before the buttons, its negative size what
    // goes around them
    CRect rectInside(0, 0, 0, 0);
    CalcInsideRect(rectInside, bHorz);
    if (layout.btns.empty()) {
        layout.size = CSize(GetBtnWidth() - rectInside.Width(), GetBtnHeight() - rectInside.Height());
        return layout;
    }

    const DWORD dwStyle = GetBarStyle();
    const BOOL bFullRow = (m_dwExStyle & SEC_TBSTYLE_FULLROW) != 0;
    if (nLength != -1 && (dwMode & LM_STRETCH))
        nLength = int(float(nLength) * m_fPctWidth + 0.5f);
    if (dwStyle & CBRS_SIZE_FIXED)
        nLength = 0x7FFF;
    int nWrap = bHorz ? 0x7FFF : 0;
    BOOL bFitHeight = FALSE;
    if (bFullRow && bHorz) {
        nWrap = GetFullRowLength(TRUE) + rectInside.Width();
    } else if (dwStyle & CBRS_SIZE_DYNAMIC) {
        if ((dwMode & LM_MRUWIDTH) || (nLength == -1 && IsFloating())) {
            nWrap = GetMRUWidth();
        } else if (nLength != -1 && (dwMode & LM_LENGTHY)) {
            nWrap = nLength + rectInside.Height();
            bFitHeight = TRUE;
        } else if (nLength != -1) {
            nWrap = nLength + rectInside.Width();
        }
    }
    layout.nWrapWidth = CalcLayout(layout.btns, nWrap, bFitHeight, layout.rows);

    // the buttons row by row from the inside rectangle's top-left
    layout.positions.resize(layout.btns.size());
    int y = rectInside.top;
    size_t i = 0;
    for (const Row& row : layout.rows) {
        int x = rectInside.left;
        for (; i <= size_t(row.nLast); i++) {
            const SECStdBtn* pBtn = layout.btns[i];
            const int dy = pBtn->HasStyle(SEC_TBBS_VCENTER) ? (row.cy - pBtn->m_cy) / 2 : 0;
            layout.positions[i] = CPoint(x, y + dy);
            x += pBtn->m_cx;
        }
        y += row.cy + (row.bSepWrap ? m_nSepWidth * 2 / 3 : 0);
    }
    layout.size = SizeOfRows(layout.rows) - rectInside.Size();

    if (bFullRow) {
        // the whole row, with a caption group at its far end
        LONG& nAlong = bHorz ? layout.size.cx : layout.size.cy;
        nAlong = GetFullRowLength(bHorz);
        const SECStdBtn* pLast = layout.btns.back();
        CPoint& ptLast = layout.positions.back();
        if (pLast->m_nType == SECStdBtn::BtnCaption) {
            if (bHorz)
                ptLast.x = nAlong - 2 - pLast->m_cx;
            else
                ptLast.y = nAlong - 2 - pLast->m_cy;
        }
    }
    return layout;
}

void SECCustomToolBar::ApplyLayout(const Layout& layout)
{
    BOOL bMoved = FALSE;
    for (SECStdBtn* pBtn : m_btns)
        pBtn->SetStyle(pBtn->GetStyle() & ~TBBS_WRAPPED);
    for (size_t i = 0; i < layout.btns.size(); i++) {
        SECStdBtn* pBtn = layout.btns[i];
        bMoved = bMoved || pBtn->m_x != layout.positions[i].x || pBtn->m_y != layout.positions[i].y;
        pBtn->SetPos(layout.positions[i].x, layout.positions[i].y);
    }
    for (size_t r = 0; r + 1 < layout.rows.size(); r++) {
        SECStdBtn* pBtn = layout.btns[size_t(layout.rows[r].nLast)];
        pBtn->SetStyle(pBtn->GetStyle() | TBBS_WRAPPED);
    }
    if (bMoved && m_hWnd != nullptr)
        Invalidate();
}

CSize SECCustomToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    const LayoutKind kind = KindOf(dwMode);
    const BOOL bCommit = (dwMode & LM_COMMIT) != 0;
    if (kind != kindFloat)
        StretchToParent();
    const BOOL bReBar = IsOwnerReBar();
    if (bCommit || m_bDirty[kind] || bReBar) {
        // a size asked for without committing is that kind's own choice
        const Layout layout = ComputeLayout(bCommit ? nLength : -1, dwMode);
        m_sizeLayout[kind] = layout.size;
        m_bDirty[kind] = FALSE;
        if (kind == kindFloat && (dwMode & LM_LENGTHY) == 0)
            SetMRUWidth(layout.nWrapWidth);
        if (bCommit || kind == GetPresentKind())
            ApplyLayout(layout);
    }
    CSize size = m_sizeLayout[kind];
    if (kind == kindFloat)
        size -= CSize(2, 2);
    if (bReBar)
        UpdateReBarBand(size);
    return size;
}

BOOL SECCustomToolBar::IsOwnerReBar() const
{
    const CWnd* pOwner = m_hWnd != nullptr ? GetOwner() : nullptr;
    char szClass[32] = {};
    return pOwner != nullptr && pOwner->m_hWnd != nullptr &&
           ::GetClassNameA(pOwner->m_hWnd, szClass, sizeof(szClass)) > 0 && lstrcmpiA(szClass, REBARCLASSNAMEA) == 0;
}

void SECCustomToolBar::UpdateReBarBand(CSize size)
{
    if (!IsOwnerReBar())
        return;
    CWnd* pReBar = GetOwner();
    const int nBands = int(pReBar->SendMessage(RB_GETBANDCOUNT));
    for (int i = 0; i < nBands; i++) {
        REBARBANDINFOA info = {};
        info.cbSize = sizeof(info);
        info.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE;
        if (!pReBar->SendMessage(RB_GETBANDINFOA, WPARAM(i), reinterpret_cast<LPARAM>(&info)) ||
            info.hwndChild != m_hWnd)
            continue;
        info.fMask = RBBIM_CHILDSIZE;
        info.cyMinChild = UINT(size.cy);
        if (m_dwExStyle & SEC_TBSTYLE_FULLROW)
            info.cxMinChild = UINT(size.cx);
        pReBar->SendMessage(RB_SETBANDINFOA, WPARAM(i), reinterpret_cast<LPARAM>(&info));
        return;
    }
}

CSize SECCustomToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CalcDynamicLayout(-1, (bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK));
}

LRESULT SECCustomToolBar::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
    StretchToParent();
    return CControlBar::OnSizeParent(wParam, lParam);
}

void SECCustomToolBar::OnWindowPosChanging(WINDOWPOS* lpWndPos)
{
    SECControlBar::OnWindowPosChanging(lpWndPos);
    if (lpWndPos->flags & SWP_HIDEWINDOW)
        NotifyManager(SEC_BARNOTIFY_HIDDEN);
    else if (lpWndPos->flags & SWP_SHOWWINDOW)
        NotifyManager(SEC_BARNOTIFY_SHOWN);
    // the buttons wrap anew: everything moves
    InvalidateIfResized(lpWndPos);
}

// ---- hit test ------------------------------------------------------------------------------------------

std::vector<SECCustomToolBar::RowSpan> SECCustomToolBar::GetRowSpans() const
{
    std::vector<RowSpan> rows;
    const int nCount = GetBtnCount();
    for (int nStart = 0; nStart < nCount;) {
        // the row: up to its wrapped button
        RowSpan row = {nStart, nStart, INT_MIN};
        while (row.nLast + 1 < nCount && !m_btns[size_t(row.nLast)]->HasStyle(TBBS_WRAPPED))
            row.nLast++;
        for (int i = row.nFirst; i <= row.nLast; i++)
            if (!m_btns[size_t(i)]->HasStyle(TBBS_HIDDEN))
                row.nBottom = (std::max)(row.nBottom, int(m_btns[size_t(i)]->GetRect().bottom));
        rows.push_back(row);
        nStart = row.nLast + 1;
    }
    return rows;
}

int SECCustomToolBar::HitTest(CPoint point, CRect* pRect) const
{
    for (const RowSpan& row : GetRowSpans()) {
        if (row.nBottom <= point.y)
            continue;
        for (int i = row.nFirst; i <= row.nLast; i++) {
            const SECStdBtn* pBtn = m_btns[size_t(i)];
            const CRect rect = pBtn->GetRect();
            if (pBtn->HasStyle(TBBS_HIDDEN) || !rect.PtInRect(point))
                continue;
            if (IsSeparator(pBtn))
                return -1;
            if (pRect != nullptr)
                *pRect = rect;
            return i;
        }
        return -1;
    }
    return -1;
}

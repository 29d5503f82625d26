// The grid's cell-tip support (see GXCellTipHandler.h).
#include "grid/engine/GXCellTipHandler.h"

#include "grid/engine/GXCellTip.h"
#include "grid/engine/GXControl.h"
#include "grid/engine/GXCore.h"
#include "win/Win.h"

#include <map>

namespace {

// The handlers whose thread timer runs, by timer id.
std::map<UINT_PTR, CGXCellTipHandler*>& RunningTimers()
{
    static std::map<UINT_PTR, CGXCellTipHandler*> timers;
    return timers;
}

const ROWCOL kNoCell = ROWCOL(-1);

}  // namespace

CGXCellTipHandler::CGXCellTipHandler(CGXGridCore* pGrid)
    : m_pGrid(pGrid), m_nRow(kNoCell), m_nCol(kNoCell), m_bPending(FALSE), m_dwStart(0), m_dwDelay(0),
      m_pOffered(nullptr), m_pShown(nullptr), m_nTimer(0)
{
    if (pGrid == nullptr)
        AfxThrowInvalidArgException("CGXCellTipHandler: null grid");
}

CGXCellTipHandler::~CGXCellTipHandler()
{
    StopTimer();
}

void CGXCellTipHandler::Initialize()
{
    CWnd* pGridWnd = m_pGrid->GridWnd();
    if (pGridWnd == nullptr || pGridWnd->m_hWnd == nullptr)
        return;
    if (m_textTip.m_hWnd == nullptr)
        m_textTip.CreateTip(pGridWnd);
    if (m_bitmapTip.m_hWnd == nullptr)
        m_bitmapTip.CreateTip(pGridWnd);
}

CGXTipWnd* CGXCellTipHandler::GetTipWnd(int nKind)
{
    Initialize();
    m_pOffered = nKind == gxBitmapTip ? static_cast<CGXTipWnd*>(&m_bitmapTip) : &m_textTip;
    m_pOffered->SetZoom(m_pGrid->GetZoom());
    return m_pOffered;
}

void CGXCellTipHandler::OnMouseMove(UINT, CPoint point)
{
    ROWCOL nRow, nCol;
    if (!CellFromPoint(point, nRow, nCol)) {
        HideTip();
        return;
    }
    if (nRow == m_nRow && nCol == m_nCol)
        return;
    HideTip();
    m_nRow = nRow;
    m_nCol = nCol;
    // an edited cell shows its whole text in its control
    if (m_pGrid->IsCurrentCell(nRow, nCol) && m_pGrid->IsActiveCurrentCell())
        return;
    CGXControl* pControl = m_pGrid->GetControl(nRow, nCol);
    if (pControl == nullptr)
        return;
    const CGXComposedStyle style(m_pGrid, nRow, nCol);
    if (!pControl->NeedShowCellTip(nRow, nCol, style.Get()))
        return;
    m_dwDelay = pControl->GetCellTipDelay();
    m_dwStart = AfxGetServices()->GetTickCount();
    m_bPending = TRUE;
    StartTimer();
}

void CGXCellTipHandler::OnGridMessage(UINT nMessage, WPARAM, LPARAM)
{
    switch (nMessage) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KILLFOCUS:
    case WM_CANCELMODE: {
        // the mouse has to leave the cell before its tip shows again
        const ROWCOL nRow = m_nRow, nCol = m_nCol;
        HideTip();
        m_nRow = nRow;
        m_nCol = nCol;
        break;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    case WM_SIZE:
    case WM_DESTROY:
        HideTip();
        break;
    default:
        break;
    }
}

void CGXCellTipHandler::HideTip()
{
    StopTimer();
    m_bPending = FALSE;
    if (m_pShown != nullptr)
        m_pShown->HideTip();
    m_pShown = nullptr;
    m_nRow = m_nCol = kNoCell;
}

void CGXCellTipHandler::OnTimerTick()
{
    if (!CursorInCell()) {
        HideTip();
        return;
    }
    if (m_bPending && AfxGetServices()->GetTickCount() - m_dwStart >= m_dwDelay)
        ShowPendingTip();
}

void CGXCellTipHandler::ShowPendingTip()
{
    m_bPending = FALSE;
    CGXControl* pControl = m_pGrid->GetControl(m_nRow, m_nCol);
    if (pControl == nullptr)
        return;
    const CGXComposedStyle style(m_pGrid, m_nRow, m_nCol);
    // the cell may have changed while the tip waited
    if (!pControl->NeedShowCellTip(m_nRow, m_nCol, style.Get())) {
        StopTimer();
        return;
    }
    m_pOffered = nullptr;
    pControl->ShowCellTip(m_nRow, m_nCol, style.Get());
    if (m_pOffered != nullptr) {
        m_pOffered->ShowTip();
        m_pShown = m_pOffered;
    } else {
        StopTimer();
    }
}

BOOL CGXCellTipHandler::CellFromPoint(CPoint point, ROWCOL& nRow, ROWCOL& nCol)
{
    if (m_pGrid->GetParam() == nullptr || !m_pGrid->GetGridRect().PtInRect(point))
        return FALSE;
    const int nRowIndex = m_pGrid->CalcClientRowFromY(point.y);
    const int nColIndex = m_pGrid->CalcClientColFromX(point.x);
    if (nRowIndex < 0 || nColIndex < 0)
        return FALSE;
    nRow = m_pGrid->DisplayIndexToRow(nRowIndex);
    nCol = m_pGrid->DisplayIndexToCol(nColIndex);
    if (nRow > m_pGrid->GetRowCount() || nCol > m_pGrid->GetColCount())
        return FALSE;
    CGXCellRange covered;
    if (m_pGrid->GetCoveredCellsRowCol(nRow, nCol, covered)) {
        nRow = covered.top;
        nCol = covered.left;
    }
    return TRUE;
}

BOOL CGXCellTipHandler::CursorInCell()
{
    CWnd* pGridWnd = m_pGrid->GridWnd();
    if (m_nRow == kNoCell || pGridWnd == nullptr || pGridWnd->m_hWnd == nullptr)
        return FALSE;
    CRect rect;
    const CRect rectCell = m_pGrid->CalcCellRect(m_nRow, m_nCol);
    const CRect rectGrid = m_pGrid->GetGridRect();
    if (!rect.IntersectRect(&rectCell, &rectGrid))
        return FALSE;
    pGridWnd->ClientToScreen(&rect);
    POINT point;
    return AfxGetServices()->GetCursorPos(&point) && rect.PtInRect(point);
}

void CGXCellTipHandler::StartTimer()
{
    if (m_nTimer != 0)
        return;
    m_nTimer = ::SetTimer(nullptr, 0, gxPollPeriod, &CGXCellTipHandler::TimerProc);
    if (m_nTimer != 0)
        RunningTimers()[m_nTimer] = this;
}

void CGXCellTipHandler::StopTimer()
{
    if (m_nTimer == 0)
        return;
    ::KillTimer(nullptr, m_nTimer);
    RunningTimers().erase(m_nTimer);
    m_nTimer = 0;
}

void CALLBACK CGXCellTipHandler::TimerProc(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    AfxCallProtected(0, [nIDEvent] {
        auto it = RunningTimers().find(nIDEvent);
        if (it != RunningTimers().end())
            it->second->OnTimerTick();
        return 0;
    });
}

// ---- the grid's switch ---------------------------------------------------------------------------------

void CGXGridCore::EnableCellTips(BOOL bEnable)
{
    if (bEnable && m_pCellTipHandler == nullptr) {
        AfxAllocating([&] { m_pCellTipHandler = new CGXCellTipHandler(this); });
        if (m_bInitDone)
            m_pCellTipHandler->Initialize();
    }
    if (!bEnable)
        HideCellTip();
    m_bCellTips = bEnable;
}

void CGXGridCore::HideCellTip()
{
    if (m_pCellTipHandler != nullptr)
        m_pCellTipHandler->HideTip();
}

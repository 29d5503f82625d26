// CGXGridCore: the handlers of the grid window's messages that the window forms (CGXGridView,
// CGXGridWnd) hand to the core: scroll bars, size, colours and settings, dialog codes, translation,
// child commands, the private messages of the grid's controls and tab windows, find and replace, and
// the preparation of a DC (see GXCore.h).
#include "grid/engine/GXLineAxis.h"

#include "grid/engine/GXCellTipHandler.h"
#include "grid/engine/GXColor.h"
#include "grid/engine/GXControl.h"
#include "grid/engine/GXFindReplace.h"
#include "grid/engine/GXFontState.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXPrintDevice.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXView.h"
#include "win/CSplitterWnd.h"
#include "win/Win.h"

#include <algorithm>
#include <cstdlib>

// ---- GXLineAxis: a scroll bar's message -----------------------------------------------------------------

BOOL GXLineAxis::ScrollByMessage(UINT nSBCode, UINT nPos) const
{
    if (!g.m_bInitDone || g.m_nLockUpdate > 0)
        return FALSE;
    if (CGXControl* pControl = g.GetCurrentCellControl())
        pControl->OnGridScroll(m_bRow ? WM_VSCROLL : WM_HSCROLL);
    const ROWCOL nCount = Count(), nFirst = Frozen() + 1, nTop = FirstScrolled();
    if (nCount == 0 || nFirst >= nCount)
        return TRUE;
    const int nBack = BackDirection(), nForward = ForwardDirection();
    // a bar unit stands for several lines of a large grid
    const ROWCOL nMapped = nFirst + ROWCOL(std::max<LONG>(0, LONG(nPos) - LONG(nFirst))) * ROWCOL(ScrollScale());
    switch (nSBCode) {
    case SB_LINEUP:
        g.DoScroll(nBack, 1);
        break;
    case SB_LINEDOWN:
        g.DoScroll(nForward, 1);
        break;
    case SB_PAGEUP: {
        // the lines above the first scrolled one that fill the area below the frozen lines
        const int nArea = Extent(g.GetGridRect()) - Sum(0, Frozen(), 0);
        ROWCOL nLines = 0;
        int nSum = 0;
        for (ROWCOL n = nTop; n > nFirst; --n) {
            nSum += Size(n - 1);
            if (nSum > nArea)
                break;
            ++nLines;
        }
        g.DoScroll(nBack, std::max<ROWCOL>(nLines, 1));
        break;
    }
    case SB_PAGEDOWN: {
        if (nTop >= nCount)
            break;
        const ROWCOL nLast = LastVisible();
        g.DoScroll(nForward, nLast > nTop ? nLast - nTop : 1);
        break;
    }
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        if (nSBCode == SB_THUMBTRACK && !g.m_pParam->GetDisplayOptions().bThumbTrack)
            break;
        // lines without a height in between are not worth a scroll
        if (nMapped < nTop && Sum(nMapped, nTop - 1, 0) > 0)
            g.DoScroll(nBack, nTop - nMapped);
        else if (nMapped > nTop && Sum(nTop, nMapped - 1, 0) > 0)
            g.DoScroll(nForward, nMapped - nTop);
        break;
    case SB_TOP:
        if (nTop > 1)
            g.DoScroll(nBack, nTop - 1);
        break;
    case SB_BOTTOM:
        if (nCount > nTop)
            g.DoScroll(nForward, nCount - nTop);
        break;
    case SB_ENDSCROLL:
        if (g.IsAutoScrolling())
            g.m_bAutoScrollStop = TRUE;
        break;
    default:
        break;
    }
    return TRUE;
}

// ---- the core's handlers ---------------------------------------------------------------------------------

BOOL CGXGridCore::OnGridVScroll(UINT nSBCode, UINT nPos)
{
    return GXLineAxis(*this, TRUE).ScrollByMessage(nSBCode, nPos);
}

BOOL CGXGridCore::OnGridHScroll(UINT nSBCode, UINT nPos)
{
    return GXLineAxis(*this, FALSE).ScrollByMessage(nSBCode, nPos);
}

BOOL CGXGridCore::OnGridMouseWheel(UINT, short zDelta, CPoint)
{
    CWnd* pWnd = GridHwndWnd();
    if (!m_bInitDone || m_nLockUpdate > 0 || pWnd == nullptr)
        return FALSE;
    const DWORD dwStyle = pWnd->GetStyle();
    if (!(dwStyle & (WS_VSCROLL | WS_HSCROLL)))
        return FALSE;
    BOOL bPages = FALSE;
    const int nSteps = m_wheelTurns.Add(zDelta, bPages);
    const UINT nCode = bPages ? (nSteps > 0 ? SB_PAGEDOWN : SB_PAGEUP) : (nSteps > 0 ? SB_LINEDOWN : SB_LINEUP);
    const GXLineAxis axis(*this, (dwStyle & WS_VSCROLL) != 0);
    for (int i = 0; i < std::abs(nSteps); ++i)
        axis.ScrollByMessage(nCode, 0);
    return TRUE;
}

BOOL CGXGridCore::OnGridSize(UINT nType, int cx, int cy)
{
    ResetLastVisible();
    CWnd* pWnd = GridHwndWnd();
    CWnd* pFrame = pWnd != nullptr ? pWnd->GetParentFrame() : nullptr;
    const BOOL bMaximized = pFrame != nullptr && pFrame->IsZoomed();
    if (nType == SIZE_MAXIMIZED && m_bInitDone)
        UpdateScrollbars();
    if (nType != SIZE_RESTORED) {
        m_bParentMaximized = bMaximized;
        return FALSE;
    }
    if (pWnd == nullptr)
        return TRUE;
    const BOOL bMaximizeChanged = bMaximized != m_bParentMaximized;
    CRect rectWnd;
    pWnd->GetWindowRect(&rectWnd);
    if (m_bSuspendResize) {
        // the tab window resizes its views in steps: only the last step draws
        if (!bMaximizeChanged)
            pWnd->ValidateRect(nullptr);
    } else {
        if (m_pSplitterWnd != nullptr) {
            int nRow = 0, nCol = 0;
            if (CSplitterWnd* pSplitter = dynamic_cast<CSplitterWnd*>(m_pSplitterWnd);
                pSplitter != nullptr && pSplitter->IsChildPane(pWnd, &nRow, &nCol))
                SetSplitterPane(m_pSplitterWnd, nRow, nCol, nRow == 0, nCol == 0);
        }
        const BOOL bSmart = m_pParam != nullptr && m_pParam->GetDisplayOptions().bSmartResize && !m_bGridRectSet &&
                            pFrame != nullptr && m_sizeLast.cx > 0 && m_sizeLast.cy > 0 &&
                            rectWnd.TopLeft() == m_rectWndLast.TopLeft() && !bMaximizeChanged;
        if (bSmart && m_bInitDone) {
            // only the strips beyond the old last column and row edges are new
            pWnd->ValidateRect(nullptr);
            CRect rectClient;
            pWnd->GetClientRect(&rectClient);
            const int nRight = CalcRangeRect(1, 1, 1, GetLastVisibleCol()).right;
            const int nBottom = CalcRangeRect(1, 1, GetLastVisibleRow(), 1).bottom;
            CRect strip = rectClient;
            strip.left = std::max(rectClient.left, LONG(std::min(nRight, int(m_sizeLast.cx))) - 1);
            pWnd->InvalidateRect(&strip);
            pWnd->UpdateWindow();
            strip = rectClient;
            strip.top = std::max(rectClient.top, LONG(std::min(nBottom, int(m_sizeLast.cy))) - 1);
            pWnd->InvalidateRect(&strip);
            pWnd->UpdateWindow();
        } else if (bMaximizeChanged) {
            pWnd->Invalidate();
        }
        if (m_bInitDone) {
            // a tip placed for the old size would stand in the wrong place
            if (m_pCellTipHandler != nullptr)
                m_pCellTipHandler->OnGridMessage(WM_SIZE, nType, MAKELPARAM(cx, cy));
            ComputeCharSize(nullptr, m_dxChar, m_dyChar);
            UpdateScrollbars();
        }
    }
    m_bParentMaximized = bMaximized;
    if (pWnd->IsWindowVisible()) {
        m_sizeLast = CSize(cx - ::GetSystemMetrics(SM_CXVSCROLL), cy - ::GetSystemMetrics(SM_CYHSCROLL));
        m_rectWndLast = rectWnd;
    } else {
        ForgetLastSize();
    }
    return TRUE;
}

void CGXGridCore::OnGridShowWindow(BOOL bShow, UINT)
{
    if (bShow)
        return;
    ResetLastVisible();
    ForgetLastSize();
}

void CGXGridCore::ForgetLastSize()
{
    m_sizeLast = CSize(0, 0);
    m_rectWndLast = CRect(0, 0, 0, 0);
}

HBRUSH CGXGridCore::OnGridCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    ROWCOL nRow, nCol;
    if (!GetCurrentCell(nRow, nCol))
        return nullptr;
    CGXControl* pControl = GetCurrentCellControl();
    HBRUSH hbr = nullptr;
    if (pControl != nullptr && pControl->OnGridCtlColor(pDC, pWnd, nCtlColor, hbr))
        return nullptr;
    const CGXStyle* pStyle = LookupStyleRowCol(nRow, nCol);
    if (pStyle == nullptr)
        return nullptr;
    const CGXCellBrush& interior = pStyle->GetInterior();
    pDC->SetTextColor(GXResolveColor(pStyle->GetTextColor()));
    pDC->SetBkColor(GXResolveColor(interior.GetStyle() == 0 ? interior.GetColor() : interior.GetBkColor()));
    CBrush* pBrush = LookupBrush(interior);
    return pBrush != nullptr ? HBRUSH(pBrush->m_hObject) : nullptr;
}

void CGXGridCore::OnGridWinIniChange(LPCSTR lpszSection)
{
    GXGetSysColors()->Refresh();
    for (const auto& entry : m_controls)
        entry.second->OnGridWinIniChange(lpszSection);
    if (CWnd* pWnd = GridHwndWnd())
        pWnd->Invalidate();
}

void CGXGridCore::OnGridSysColorChange()
{
    GXGetSysColors()->Refresh();
    for (const auto& entry : m_controls)
        entry.second->OnGridSysColorChange();
}

UINT CGXGridCore::OnGridGetDlgCode(UINT nDefault)
{
    return nDefault | DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
}

BOOL CGXGridCore::OnGridPreTranslateMessage(MSG* pMsg)
{
    CWnd* pWnd = GridHwndWnd();
    if (!m_bInitDone || pWnd == nullptr || !pWnd->IsWindowVisible())
        return FALSE;
    CGXControl* pControl = GetCurrentCellControl();
    return pControl != nullptr && pControl->PreTranslateMessage(pMsg);
}

BOOL CGXGridCore::OnGridCommand(WPARAM wParam, LPARAM lParam)
{
    ROWCOL nRow, nCol;
    if (!GetCurrentCell(nRow, nCol))
        return FALSE;
    CGXControl* pControl = GetCurrentCellControl();
    return pControl != nullptr && pControl->OnCommand(wParam, lParam);
}

int CGXGridCore::OnGridMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT nMessage)
{
    CWnd* pWnd = GridHwndWnd();
    if (m_bIsViewContext && pWnd != nullptr && nHitTest == HTCLIENT && m_pParam != nullptr &&
        m_pParam->GetDisplayOptions().bEatActivatingClick) {
        // a click that brings the focus from outside the view (or from another frame) only activates
        CWnd* pFocus = CWnd::GetFocus();
        CWnd* pRemembered = m_hWndPrevFocus != nullptr && ::IsWindow(m_hWndPrevFocus) ? CWnd::FromHandle(m_hWndPrevFocus)
                                                                                      : nullptr;
        const BOOL bOutside = m_hWndPrevFocus != pWnd->m_hWnd && !::IsChild(pWnd->m_hWnd, m_hWndPrevFocus);
        const BOOL bOtherFrame = pFocus == nullptr || pRemembered == nullptr ||
                                 pRemembered->GetParentFrame() != pFocus->GetParentFrame();
        if (bOutside || bOtherFrame) {
            pWnd->SetFocus();
            m_hWndPrevFocus = pWnd->m_hWnd;
            return MA_ACTIVATEANDEAT;
        }
    }
    // the current cell's control may answer for its own windows (a pop-up that closes, say)
    ROWCOL nRow, nCol;
    CGXControl* pControl = GetCurrentCell(nRow, nCol) ? GetCurrentCellControl() : nullptr;
    int nResult = 0;
    if (pControl != nullptr && pControl->OnGridMouseActivate(pDesktopWnd, nHitTest, nMessage, nResult))
        return nResult;
    return 0;
}

void CGXGridCore::OnGridTimer(UINT_PTR) {}

BOOL CGXGridCore::OnGridSetCursorMessage(CWnd* pWnd, UINT nHitTest, UINT)
{
    return m_bInitDone && pWnd != nullptr && pWnd == GridHwndWnd() && nHitTest == HTCLIENT;
}

CScrollBar* CGXGridCore::GetGridScrollBarCtrl(int nBar)
{
    CWnd* pWnd = GridHwndWnd();
    return pWnd != nullptr ? GXGetSharedScrollBar(pWnd, nBar) : nullptr;
}

LRESULT CGXGridCore::CloseFindReplaceDialog()
{
    GridFindReplaceState& state = GXGetFindReplaceState();
    // a dialog that stays open for another grid window must not report to this grid any more
    if (state.m_pGrid == this)
        state.m_pGrid = nullptr;
    if (state.m_pFindReplaceDlg != nullptr && state.m_pActiveWnd == m_pGridWnd) {
        state.m_pFindReplaceDlg->SendMessage(WM_CLOSE);
        state.m_pFindReplaceDlg = nullptr;
    }
    return 0;
}

void CGXGridCore::OnShowFindReplaceDialog(BOOL bFind)
{
    ShowFindReplaceDialog(bFind);
}

LRESULT CGXGridCore::OnFindReplace(FINDREPLACEA* pFindReplace)
{
    OnFindReplaceMessage(pFindReplace);
    return 0;
}

void CGXGridCore::OnTextNotFound(LPCSTR)
{
    AfxGetServices()->MessageBeep(0);
}

LRESULT CGXGridCore::OnMoveCurrentCellMessage(int nType, ROWCOL nCount)
{
    static const int anDirections[] = {gxFirstRow, gxUp, gxDown, gxLastRow};
    if (nType >= 0 && nType < 4) {
        MoveCurrentCellEx(anDirections[nType], 1);
    } else if (nType == 4) {
        const ROWCOL nRows = GetRowCount(), nCols = GetColCount();
        const ROWCOL nRow = std::min(nCount + GetHeaderRows(), nRows);
        const ROWCOL nCol = GetHeaderCols() + 1 <= nCols ? GetHeaderCols() + 1 : nCols;
        SetCurrentCell(nRow, nCol, gxUpdateNow | gxScrollInView);
        if (CWnd* pWnd = GridHwndWnd())
            pWnd->SetFocus();
    }
    return 0;
}

BOOL CGXGridCore::ValidateCurrentCell()
{
    ROWCOL nRow, nCol;
    if (!GetCurrentCell(nRow, nCol))
        return TRUE;
    return CanSelectCurrentCell(FALSE, nRow, nCol, nRow, nCol);
}

BOOL CGXGridCore::CanRenameGrid()
{
    return m_pParam != nullptr && m_pParam->GetDisplayOptions().bAllowRename;
}

LRESULT CGXGridCore::OnGridRenamed(WPARAM nIndex)
{
    if (m_pParam == nullptr)
        return 0;
    if (CGXGridNamingCallback* pNaming = m_pAppData->m_pNamingCallback) {
        CString strTitle = m_pParam->GetTitle();
        pNaming->GetTitle(m_pGridWnd, strTitle, nIndex);
        m_pParam->SetTitle(strTitle);
    }
    if (CGXAbstractGridUpdateHintImp* pHint = HintModule(TRUE))
        pHint->UpdateNameText(this);
    return 0;
}

void CGXGridCore::SetSplitterPane(CWnd* pSplitter, int nRow, int nCol, BOOL bFirstRow, BOOL bFirstCol)
{
    m_pSplitterWnd = pSplitter;
    m_nSplitterRow = nRow;
    m_nSplitterCol = nCol;
    m_bFirstRowPane = bFirstRow;
    m_bFirstColPane = bFirstCol;
}

void CGXGridCore::PrepareGridDC(CDC* pDC, BOOL bPrinting)
{
    if (pDC == nullptr)
        return;
    BOOL bScale = bPrinting;
    if (!bPrinting && m_pParam != nullptr && m_pParam->GetDisplayOptions().bPrintedLook) {
        // the printed look: the printer measures, the screen shows its layout
        CGXPrintDevice* pDevice = m_pParam->GetPrintDevice();
        CDC* pPrinter = pDevice != nullptr ? pDevice->GetPrinterDC() : nullptr;
        if (pPrinter != nullptr && pPrinter->GetSafeHdc() != nullptr) {
            pDC->SetAttribDC(pPrinter->GetSafeHdc());
            bScale = TRUE;
        }
    }
    if (bScale) {
        // screen pixels scale to the printer's
        GXFontState& fonts = m_pAppData->m_fontState;
        pDC->SetMapMode(MM_ANISOTROPIC);
        pDC->SetWindowExt(fonts.GetDpiX(), fonts.GetDpiY());
        pDC->SetViewportExt(pDC->GetDeviceCaps(LOGPIXELSX), pDC->GetDeviceCaps(LOGPIXELSY));
    }
    OnGridPrepareDC(pDC);
}

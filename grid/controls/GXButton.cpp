// The in-cell buttons (see GXButton.h).
#include "grid/controls/GXButton.h"

#include "grid/controls/GXComboBoxWnd.h"

#include "grid/engine/GXControl.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXUserAttribute.h"
#include "win/Win.h"

#include <algorithm>
#include <cstdlib>

namespace {

COLORREF SysColor(int nIndex)
{
    return GXGetSysColors()->GetSysColor(nIndex);
}

// One black row of nWidth pixels at (x, y), drawn only above nBottom.
void BlackRow(CDC* pDC, int x, int y, int nWidth, int nBottom)
{
    if (y < nBottom)
        FillAreaWithColor(pDC, x, y, nWidth, 1, RGB(0, 0, 0));
}

}  // namespace

// ---- the push button ---------------------------------------------------------------------------------

CGXButton::CGXButton(CGXControl* pControl) : CGXChild(pControl) {}

int CGXButton::FaceState(BOOL bFocusCell) const
{
    if (!bFocusCell || !HasFocus())
        return 0;
    return m_bPressed ? 5 : 1;
}

void CGXButton::DrawFace(CDC* pDC, BOOL bFocusCell, COLORREF clrFace, BOOL bGreyCaption)
{
    const int nState = FaceState(bFocusCell);
    CRect rect = m_rect;
    FillRectWithColor(pDC, rect, clrFace);
    DrawRectEdge(pDC, rect, nState == 5 ? EDGE_SUNKEN : EDGE_RAISED, FALSE);
    CRect rectCaption(rect.left + 1, rect.top + 1, rect.right - 2, rect.bottom - 2);
    if (nState == 5)
        rectCaption.OffsetRect(1, 1);
    // the caption takes the colour the cell chose for its text, grey only for a disabled cell
    const COLORREF clrOldText = bGreyCaption ? pDC->SetTextColor(SysColor(COLOR_GRAYTEXT)) : CLR_INVALID;
    GetDrawingAndFormatting()->DrawCaptionText(pDC, rectCaption, nState != 0, m_strText, DT_WORDBREAK);
    if (bGreyCaption)
        pDC->SetTextColor(clrOldText);
}

BOOL CGXButton::DrawPlainFace(CDC* pDC, BOOL bFocusCell)
{
    const BOOL bSunken = FaceState(bFocusCell) == 5;
    CRect rect = m_rect;
    FillRectWithColor(pDC, rect, SysColor(COLOR_BTNFACE));
    DrawRectEdge(pDC, rect, bSunken ? EDGE_SUNKEN : EDGE_RAISED, FALSE);
    return bSunken;
}

void CGXButton::Draw(CDC* pDC, BOOL bFocusCell, const CGXStyle& style)
{
    if (!style.HasUserAttribute(GX_IDS_UA_PUSHBUTTONFACECOLOR)) {
        DrawButton(pDC, bFocusCell);
        return;
    }
    const CString strColor = style.GetUserAttribute(GX_IDS_UA_PUSHBUTTONFACECOLOR).GetValue();
    const COLORREF clrFace = COLORREF(std::strtoul(strColor, nullptr, 10));
    DrawFace(pDC, bFocusCell, clrFace, style.GetIncludeEnabled() && !style.GetEnabled());
}

void CGXButton::DrawButton(CDC* pDC, BOOL bFocusCell)
{
    DrawFace(pDC, bFocusCell, SysColor(COLOR_BTNFACE), FALSE);
}

void CGXButton::RedrawOnChange()
{
    if (m_bRedrawOnChange)
        Refresh();
}

void CGXButton::ReportClick()
{
    if (m_pControl != nullptr)
        m_pControl->OnClickedButton(this);
}

BOOL CGXButton::OnLButtonDown(UINT, CPoint)
{
    m_bPressed = TRUE;
    m_bTracking = TRUE;
    RedrawOnChange();
    // an active control shows the pressed face before its window reacts
    if (m_pControl != nullptr && m_pControl->IsActive())
        if (CWnd* pGridWnd = m_pControl->GridWnd())
            pGridWnd->UpdateWindow();
    return TRUE;
}

BOOL CGXButton::OnMouseMove(UINT, CPoint point)
{
    if (m_bTracking && bool(PtInRect(point)) != bool(m_bPressed)) {
        m_bPressed = !m_bPressed;
        RedrawOnChange();
    }
    return TRUE;
}

BOOL CGXButton::OnLButtonUp(UINT, CPoint point)
{
    if (m_bPressed && GetRect().PtInRect(point))
        ReportClick();
    m_bPressed = FALSE;
    m_bTracking = FALSE;
    RedrawOnChange();
    return TRUE;
}

BOOL CGXButton::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar != VK_SPACE)
        return FALSE;
    m_bPressed = TRUE;
    RedrawOnChange();
    return TRUE;
}

BOOL CGXButton::OnKeyUp(UINT nChar, UINT, UINT)
{
    if (nChar != VK_SPACE || !m_bPressed)
        return FALSE;
    ReportClick();
    m_bPressed = FALSE;
    RedrawOnChange();
    return TRUE;
}

void CGXButton::OnGridCancelMode()
{
    if (!m_bPressed && !m_bTracking)
        return;
    m_bPressed = FALSE;
    m_bTracking = FALSE;
    Refresh();
}

// ---- the drop-down button -----------------------------------------------------------------------------

void GXDrawDropDownFace(CDC* pDC, const CRect& rectFace, BOOL bSunken, BOOL bGreyed)
{
    CRect rect = rectFace;
    FillRectWithColor(pDC, rect, SysColor(COLOR_BTNFACE));
    DrawRectEdge(pDC, rect, bSunken ? EDGE_SUNKEN : EDGE_RAISED, FALSE);
    GridSysColors* pColors = GXGetSysColors();
    CBitmap& bitmap = bGreyed ? pColors->m_bmpDropArrowDisabled : pColors->m_bmpDropArrow;
    BITMAP bm;
    if (bitmap.m_hObject == nullptr || bitmap.GetBitmap(&bm) == 0)
        return;
    const int nWidth = rect.Width();
    const int nHeight = rect.Height() - 4;  // two pixels off the top and the bottom
    int x = rect.left + std::max(0, (nWidth - int(bm.bmWidth)) / 2);
    int y = rect.top + 2 + std::max(0, (nHeight - int(bm.bmHeight)) / 2);
    if (bSunken) {
        ++x;
        ++y;
    }
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(pDC))
        return;
    CBitmap* pOldBitmap = dcMem.SelectObject(&bitmap);
    pDC->BitBlt(x, y, std::min(int(bm.bmWidth), nWidth - 1), std::min(int(bm.bmHeight), nHeight - 1), &dcMem, 0, 0,
                SRCCOPY);
    dcMem.SelectObject(pOldBitmap);
}

CGXComboBoxWndButton::CGXComboBoxWndButton(CGXControl* pControl) : CGXButton(pControl) {}

void CGXComboBoxWndButton::Draw(CDC* pDC, BOOL bFocusCell, const CGXStyle& style)
{
    // the active combo shows its own button; other cells show one only when the combo asks for it
    if (bFocusCell ? m_pControl->IsActive() : !m_pControl->IsKindOf(&CGXComboBoxWnd::classRecord) ||
                                                  !static_cast<CGXComboBoxWnd*>(m_pControl)->m_bButtonInEveryCell)
        return;
    GXDrawDropDownFace(pDC, m_rect, FaceState(bFocusCell) == 5, style.GetIncludeEnabled() && !style.GetEnabled());
}

void CGXComboBoxWndButton::DrawButton(CDC* pDC, BOOL bFocusCell)
{
    Draw(pDC, bFocusCell, CGXStyle());
}

// ---- the hot-spot button --------------------------------------------------------------------------------

CGXHotSpotButton::CGXHotSpotButton(CGXControl* pControl) : CGXButton(pControl) {}

void CGXHotSpotButton::DrawButton(CDC* pDC, BOOL bFocusCell)
{
    if (!bFocusCell)
        return;
    const int nShift = DrawPlainFace(pDC, bFocusCell) ? 1 : 0;
    const int x = m_rect.left + nShift, y = m_rect.top + nShift;
    if (m_rect.bottom - y < 12)
        return;
    const COLORREF clrBlack = RGB(0, 0, 0);
    FillAreaWithColor(pDC, x + 3, y + 3, 6, 2, clrBlack);
    FillAreaWithColor(pDC, x + 6, y + 4, 3, 3, clrBlack);
    for (int i = 0; i < 4; ++i)
        FillAreaWithColor(pDC, x + 4 + i, y + 7 + i, 7 - 2 * i, 1, clrBlack);
}

// ---- the arrow buttons ----------------------------------------------------------------------------------

CGXArrowButton::CGXArrowButton(CGXControl* pControl) : CGXButton(pControl) {}

BOOL CGXArrowButton::OnLButtonDown(UINT nFlags, CPoint point)
{
    CGXButton::OnLButtonDown(nFlags, point);
    m_dwLastReport = AfxGetServices()->GetTickCount();
    m_dwRepeatDelay = 500;
    ReportClick();
    return TRUE;
}

BOOL CGXArrowButton::OnMouseMove(UINT nFlags, CPoint point)
{
    CGXButton::OnMouseMove(nFlags, point);
    if (!m_bPressed || !PtInRect(point))
        return TRUE;
    const DWORD dwNow = AfxGetServices()->GetTickCount();
    if (dwNow - m_dwLastReport < m_dwRepeatDelay)
        return TRUE;
    // after the first wait the repeats come faster, down to 50 ms
    if (m_dwRepeatDelay > 150)
        m_dwRepeatDelay = 150;
    else if (m_dwRepeatDelay > 50)
        m_dwRepeatDelay -= 5;
    m_dwLastReport = dwNow;
    ReportClick();
    return TRUE;
}

BOOL CGXArrowButton::OnLButtonUp(UINT, CPoint)
{
    m_bPressed = FALSE;
    Refresh();
    return TRUE;
}

void CGXArrowButton::DrawArrowFace(CDC* pDC, BOOL bFocusCell, BOOL bUp)
{
    if (!bFocusCell)
        return;
    const int nShift = DrawPlainFace(pDC, bFocusCell) ? 1 : 0;
    const int h = m_rect.Height(), w = m_rect.Width();
    if (h < 5)
        return;
    const int nBottom = m_rect.bottom;
    if (h >= 8) {
        // four rows, the widest (7) centred in the face and the others centred on it
        const int x7 = m_rect.left + std::max(0, (w - 7) / 2) + nShift;
        const int y0 = m_rect.top + (bUp ? (h - 5) / 2 : (h - 4) / 2) + nShift;
        for (int i = 0; i < 4; ++i) {
            const int nWidth = bUp ? 1 + 2 * i : 7 - 2 * i;
            BlackRow(pDC, x7 + (7 - nWidth) / 2, y0 + i, nWidth, nBottom);
        }
        return;
    }
    // three rows; the down arrow leaves its tip out
    const int x0 = m_rect.left + std::max(0, (w - 5) / 2) + nShift;
    const int y0 = m_rect.top + (bUp ? (h - 3) / 2 : (h - 2) / 2) + nShift;
    for (int i = 0; i < 3; ++i) {
        if (bUp)
            BlackRow(pDC, x0 + 3 - i, y0 + i, 1 + 2 * i, nBottom);
        else
            BlackRow(pDC, x0 + i, y0 + i, 7 - 2 * i, nBottom);
    }
}

CGXUpArrowButton::CGXUpArrowButton(CGXControl* pControl) : CGXArrowButton(pControl) {}

void CGXUpArrowButton::DrawButton(CDC* pDC, BOOL bFocusCell)
{
    DrawArrowFace(pDC, bFocusCell, TRUE);
}

CGXDownArrowButton::CGXDownArrowButton(CGXControl* pControl) : CGXArrowButton(pControl) {}

void CGXDownArrowButton::DrawButton(CDC* pDC, BOOL bFocusCell)
{
    DrawArrowFace(pDC, bFocusCell, FALSE);
}

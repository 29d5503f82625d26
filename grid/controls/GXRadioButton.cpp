// The radio button cells (see GXRadioButton.h).
#include "grid/controls/GXRadioButton.h"

#include "grid/controls/GXCellNumbers.h"
#include "grid/controls/GXControls.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXDIB.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStylesMap.h"
#include "win/CWindowDC.h"
#include "win/Win.h"

#include <algorithm>
#include <cstdio>

namespace {

// A button's width with its gap, the flat circle's size.
const int kButtonWidth = 18;
const int kCircle = 12;

CString IndexText(int nIndex)
{
    char sz[16];
    std::snprintf(sz, sizeof(sz), "%d", nIndex);
    return sz;
}

// The measured width of a label.
int LabelWidth(CDC* pDC, const CString& strLabel)
{
    CRect rect(0, 0, 0, 0);
    pDC->DrawText(strLabel, strLabel.GetLength(), &rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return rect.Width();
}

}  // namespace

GX_IMPLEMENT_CONTROL(CGXRadioButton, CGXControl)

CGXRadioButton::CGXRadioButton(CGXGridCore* pGrid, BOOL b3d) : CGXControl(pGrid), m_b3d(b3d) {}

std::vector<CString> CGXRadioButton::SplitChoices(const CString& strChoices)
{
    std::vector<CString> items;
    const char* p = strChoices.GetString();
    while (*p != 0) {
        const char* pEnd = p;
        while (*pEnd != 0 && *pEnd != '\r' && *pEnd != '\n')
            ++pEnd;
        if (pEnd > p)
            items.emplace_back(p, int(pEnd - p));
        p = *pEnd != 0 ? pEnd + 1 : pEnd;
    }
    return items;
}

int CGXRadioButton::ChosenIndex(const CGXStyle& style)
{
    if (!style.GetIncludeValue() || style.GetValueRef().IsEmpty())
        return -1;
    return int(GXReadClampedLong(style.GetValueRef()));
}

int CGXRadioButton::LineHeight(CDC* pDC)
{
    TEXTMETRICA tm = {};
    pDC->GetTextMetrics(&tm);
    return std::max(int(tm.tmHeight + tm.tmExternalLeading), kCircle);
}

std::vector<CGXRadioButton::Item> CGXRadioButton::Layout(CDC* pDC, const CRect& rect, const CGXStyle& style)
{
    std::vector<Item> items;
    const int nLine = LineHeight(pDC);
    int nTop = rect.top;
    for (const CString& strLabel : SplitChoices(style.GetChoiceListRef())) {
        Item item;
        item.strLabel = strLabel;
        item.rectButton = CRect(rect.left, nTop, rect.left + kButtonWidth, nTop + nLine);
        CRect rectLabel(rect.left + kButtonWidth, nTop, rect.right, nTop + nLine);
        pDC->DrawText(strLabel, strLabel.GetLength(), &rectLabel, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        rectLabel.bottom = nTop + nLine;
        item.rectLabel = rectLabel;
        item.ptButton = CPoint(rect.left, nTop + (nLine - kCircle) / 2);
        items.push_back(item);
        nTop += nLine;
    }
    return items;
}

void CGXRadioButton::DrawRadioButton(CDC* pDC, CPoint pt, BOOL bSelected)
{
    if (m_b3d) {
        CGXDIBPool* pPool = GetDIBPool();
        CString strKey;
        pPool->FormatBitmapText(GX_IDB_RADIOBUTTON, strKey);
        if (HGLOBAL hImages = pPool->LookupDIB(strKey)) {
            const CRect rectSource(bSelected ? 14 : 0, 13, bSelected ? 28 : 14, 26);
            DrawDIBInRect(pDC, hImages, CRect(pt.x + 3, pt.y, pt.x + 17, pt.y + 13), 0, 0, &rectSource);
            return;
        }
    }
    CGdiObject* pOldPen = pDC->SelectStockObject(BLACK_PEN);
    CGdiObject* pOldBrush = pDC->SelectStockObject(WHITE_BRUSH);
    pDC->Ellipse(pt.x + 3, pt.y, pt.x + 15, pt.y + 12);
    if (bSelected) {
        pDC->SelectStockObject(BLACK_BRUSH);
        pDC->Ellipse(pt.x + 5, pt.y + 2, pt.x + 13, pt.y + 10);
    }
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
}

void CGXRadioButton::DrawButtons(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    const BOOL bBlackWhite = m_pGrid->IsPrintingBlackWhite();
    pDC->SetTextColor(bBlackWhite ? RGB(0, 0, 0) : style.GetTextColor());
    pDC->SetBkColor(bBlackWhite ? RGB(255, 255, 255) : style.GetInterior().GetColor());
    DrawBackground(pDC, rect, style, FALSE);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const CRect rectCell = GetCellRect(nRow, nCol, &rect, &style);
    const int nChosen = ChosenIndex(style);
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&rectCell);
    const std::vector<Item> items = Layout(pDC, rectCell, style);
    for (size_t i = 0; i < items.size(); ++i) {
        DrawRadioButton(pDC, items[i].ptButton, int(i) == nChosen);
        CRect rectLabel = items[i].rectLabel;
        pDC->DrawText(items[i].strLabel, items[i].strLabel.GetLength(), &rectLabel,
                      DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
    }
    m_nCount = int(items.size());
    pDC->RestoreDC(nSaved);
    pDC->SetBkMode(nOldMode);
}

void CGXRadioButton::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandardStyle)
{
    CFont* pOldFont = SelectStyleFont(pDC, style);
    DrawButtons(pDC, rect, nRow, nCol, style);
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

int CGXRadioButton::HitIndex(CPoint point)
{
    if (!m_bInit || !m_pGrid->CalcCellRect(m_nRow, m_nCol).PtInRect(point))
        return -1;
    const CGXStyle& style = GetStyle();
    CWindowDC dc(GridWnd());
    CFont* pOldFont = SelectStyleFont(&dc, style);
    const std::vector<Item> items = Layout(&dc, GetCellRect(m_nRow, m_nCol, nullptr, &style), style);
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].rectButton.PtInRect(point) || items[i].rectLabel.PtInRect(point))
            return int(i);
    return -1;
}

int CGXRadioButton::NextIndex()
{
    const CGXStyle& style = GetStyle();
    const int nNext = ChosenIndex(style) + 1;
    return nNext >= 0 && nNext < int(SplitChoices(style.GetChoiceListRef()).size()) ? nNext : 0;
}

BOOL CGXRadioButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    const int nHit = HitIndex(point);
    if (nHit >= 0 && !IsReadOnlyCell()) {
        if (nHit != ChosenIndex(GetStyle()) && OnStartEditing())
            m_pGrid->ApplyValueToRange(CGXCellRange(m_nRow, m_nCol, m_nRow, m_nCol), IndexText(nHit));
        OnClickedButton(nullptr);
    }
    return CGXControl::OnLButtonUp(nFlags, point);
}

BOOL CGXRadioButton::ProcessKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (CGXControl::ProcessKeyMessage(nMessage, nChar, nRepCnt, nFlags))
        return TRUE;
    if (nMessage != WM_CHAR || nChar != ' ' || !m_bInit)
        return FALSE;
    if (!IsReadOnlyCell() && OnStartEditing())
        m_pGrid->ApplyValueToRange(CGXCellRange(m_nRow, m_nCol, m_nRow, m_nCol), IndexText(NextIndex()));
    return TRUE;
}

CSize CGXRadioButton::CalcSize(CDC* pDC, ROWCOL, ROWCOL, const CGXStyle& style, const CGXStyle*, BOOL)
{
    CFont* pOldFont = SelectStyleFont(pDC, style);
    const int nLine = LineHeight(pDC);
    int nWidest = 0, nHeight = 0;
    for (const CString& strLabel : SplitChoices(style.GetChoiceListRef())) {
        nWidest = std::max(nWidest, LabelWidth(pDC, strLabel));
        nHeight += nLine;
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    return AddBorders(CSize(nWidest + 22, nHeight + 4), style);
}

// ---- with active state -----------------------------------------------------------------------------

GX_IMPLEMENT_CONTROL(CGXRadioButtonEx, CGXControl)

CGXRadioButtonEx::CGXRadioButtonEx(CGXGridCore* pGrid, BOOL b3d) : GXModifyState<CGXRadioButton>(pGrid, b3d) {}

namespace {

BOOL IsHorizontal(const CGXStyle& style)
{
    return style.GetUserAttribute(GX_IDS_UA_RADIOBUTTON_ALIGN).GetValueText() == "1";
}

BOOL IsLabelRight(const CGXStyle& style)
{
    return style.GetUserAttribute(GX_IDS_UA_RADIOBUTTONTEXTALIGN).GetValueText() == "1";
}

}  // namespace

std::vector<CGXRadioButton::Item> CGXRadioButtonEx::Layout(CDC* pDC, const CRect& rect, const CGXStyle& style)
{
    const BOOL bHorizontal = IsHorizontal(style), bLabelRight = IsLabelRight(style);
    if (!bHorizontal && bLabelRight)
        return CGXRadioButton::Layout(pDC, rect, style);
    std::vector<Item> items;
    const int nLine = LineHeight(pDC);
    TEXTMETRICA tm = {};
    pDC->GetTextMetrics(&tm);
    const int nGap = std::max(int(tm.tmMaxCharWidth), kCircle);
    int x = rect.left, nTop = rect.top;
    for (const CString& strLabel : SplitChoices(style.GetChoiceListRef())) {
        const int nWidth = LabelWidth(pDC, strLabel);
        Item item;
        item.strLabel = strLabel;
        if (bLabelRight) {
            item.rectButton = CRect(x, nTop, x + kButtonWidth, nTop + nLine);
            item.rectLabel = CRect(x + kButtonWidth, nTop, x + kButtonWidth + nWidth, nTop + nLine);
        } else {
            item.rectLabel = CRect(x + 3, nTop, x + 3 + nWidth, nTop + nLine);
            item.rectButton = CRect(item.rectLabel.right, nTop, item.rectLabel.right + kButtonWidth, nTop + nLine);
        }
        item.ptButton = CPoint(item.rectButton.left, nTop + (nLine - kCircle) / 2);
        items.push_back(item);
        if (!bHorizontal)
            nTop += nLine;
        else
            x = (bLabelRight ? item.rectLabel.right + 2 : item.rectButton.right) + nGap;
    }
    return items;
}

CSize CGXRadioButtonEx::CalcSize(CDC* pDC, ROWCOL, ROWCOL, const CGXStyle& style, const CGXStyle*, BOOL)
{
    CFont* pOldFont = SelectStyleFont(pDC, style);
    const int nLine = LineHeight(pDC);
    const BOOL bHorizontal = IsHorizontal(style);
    const int nExtra = kButtonWidth + (IsLabelRight(style) ? 2 : 3);
    CSize size(0, 0);
    for (const CString& strLabel : SplitChoices(style.GetChoiceListRef())) {
        const int nItem = LabelWidth(pDC, strLabel) + nExtra;
        if (bHorizontal) {
            size.cx += nItem;
            size.cy = nLine;
        } else {
            size.cx = std::max(int(size.cx), nItem);
            size.cy += nLine;
        }
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    return AddBorders(CSize(size.cx + 4, size.cy + 4), style);
}

void CGXRadioButtonEx::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                            const CGXStyle* pStandardStyle)
{
    CGXRadioButton::Draw(pDC, rect, nRow, nCol, DrawingStyle(nRow, nCol, style), pStandardStyle);
}

void CGXRadioButtonEx::ChoosePending(int nIndex)
{
    if (IsReadOnlyCell() || !ActivateForChoice())
        return;
    if (nIndex != ChosenIndex(GetStyle()))
        SetPendingValue(nIndex >= 0 ? IndexText(nIndex) : CString());
}

BOOL CGXRadioButtonEx::OnLButtonUp(UINT nFlags, CPoint point)
{
    const int nHit = HitIndex(point);
    if (nHit >= 0) {
        ChoosePending(nHit);
        OnClickedButton(nullptr);
    }
    return CGXControl::OnLButtonUp(nFlags, point);
}

BOOL CGXRadioButtonEx::ProcessKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (CGXControl::ProcessKeyMessage(nMessage, nChar, nRepCnt, nFlags))
        return TRUE;
    if (!m_bInit)
        return FALSE;
    if (nMessage == WM_CHAR && nChar == ' ') {
        ChoosePending(NextIndex());
        return TRUE;
    }
    if (nMessage == WM_KEYDOWN && nChar == VK_DELETE && m_bActive) {
        if (!IsReadOnlyCell())
            SetPendingValue("");
        return TRUE;
    }
    return FALSE;
}

BOOL CGXRadioButtonEx::IsCoveredCellUnit()
{
    return TRUE;
}

// ---- makers ----------------------------------------------------------------------------------------------

CGXControl* GXCreateRadioButton(CGXGridCore* pGrid, const GXControlEntry& entry)
{
    return new CGXRadioButton(pGrid, entry.adwArgs[0]);
}

CGXControl* GXCreateRadioButtonEx(CGXGridCore* pGrid, const GXControlEntry& entry)
{
    return new CGXRadioButtonEx(pGrid, entry.adwArgs[0]);
}

void GXRegisterRadioButtonExAttributes(CGXStylesMap& stylesMap)
{
    CGXStyle choice;
    choice.SetControl(GX_IDS_CTRL_ZEROBASED_EX).SetChoiceList("Vertical\nHorizontal");
    stylesMap.AddUserAttribute(GX_IDS_UA_RADIOBUTTON_ALIGN, &choice);
    choice.SetChoiceList("Left\nRight");
    stylesMap.AddUserAttribute(GX_IDS_UA_RADIOBUTTONTEXTALIGN, &choice);
}

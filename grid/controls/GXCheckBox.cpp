// The check box cells (see GXCheckBox.h).
#include "grid/controls/GXCheckBox.h"

#include "grid/controls/GXControls.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXDIB.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStylesMap.h"
#include "win/CWindowDC.h"
#include "win/Win.h"

#include <algorithm>
#include <cstring>

namespace {

// The images of a strip: unchecked, checked, +2 grey, indeterminate.
enum { kImageChecked = 1, kImageGrey = 2, kImageIndeterminate = 4 };
// The space a caption takes after its box: one and a half boxes.
const int kCaptionOffset = CGXCheckBox::gxBoxSize * 3 / 2;

// The text margin of the preferred size: half the frame metric when that is 4 or more, else 3.
int SizeMargin()
{
    const int nHalf = ::GetSystemMetrics(SM_CXFRAME) / 2;
    return nHalf >= 4 ? nHalf : 3;
}

COLORREF Swap(const RGBQUAD& q)
{
    return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
}

// Recolours every colour-table entry of the packed DIB hDIB through map.
template <class F>
void RecolourDIB(HGLOBAL hDIB, F map)
{
    auto* pInfo = static_cast<BITMAPINFOHEADER*>(::GlobalLock(hDIB));
    if (pInfo == nullptr)
        return;
    int nColors = int(pInfo->biClrUsed);
    if (nColors == 0 && pInfo->biBitCount <= 8)
        nColors = 1 << pInfo->biBitCount;
    auto* pTable = reinterpret_cast<RGBQUAD*>(reinterpret_cast<BYTE*>(pInfo) + pInfo->biSize);
    for (int i = 0; i < nColors; ++i) {
        const COLORREF color = map(Swap(pTable[i]));
        pTable[i].rgbRed = GetRValue(color);
        pTable[i].rgbGreen = GetGValue(color);
        pTable[i].rgbBlue = GetBValue(color);
    }
    ::GlobalUnlock(hDIB);
}

}  // namespace

GX_IMPLEMENT_CONTROL(CGXCheckBox, CGXControl)

CGXCheckBox::CGXCheckBox(CGXGridCore* pGrid, BOOL b3d, UINT nScreenBitmapId, UINT nPrintBitmapId)
    : CGXControl(pGrid), m_b3d(b3d)
{
    if (nScreenBitmapId != 0)
        m_nScreenBitmapId = nScreenBitmapId;
    else if (!b3d)
        m_nScreenBitmapId = GX_IDB_CHECKBOX;
    else
        m_nScreenBitmapId = GXGetLibraryState()->m_bThinCheckBoxLook ? GX_IDB_CHECKBOX3D_THIN : GX_IDB_CHECKBOX3D;
    m_nPrintBitmapId = nPrintBitmapId != 0 ? nPrintBitmapId : GX_IDB_CHECKBOX;
}

CGXCheckBox::~CGXCheckBox()
{
    FreeImages();
}

void CGXCheckBox::FreeImages()
{
    if (m_hScreenImages != nullptr)
        ::GlobalFree(m_hScreenImages);
    if (m_hPrintImages != nullptr)
        ::GlobalFree(m_hPrintImages);
    m_hScreenImages = m_hPrintImages = nullptr;
}

// ---- texts and state ---------------------------------------------------------------------------------

CString CGXCheckBox::CheckedText(const CGXStyle& style)
{
    const CString strText = style.GetUserAttribute(GX_IDS_UA_CHECKBOX_CHECKED).GetValueText();
    return strText.IsEmpty() ? CString("1") : strText;
}

CString CGXCheckBox::UncheckedText(const CGXStyle& style)
{
    const CString strText = style.GetUserAttribute(GX_IDS_UA_CHECKBOX_UNCHECKED).GetValueText();
    return strText.IsEmpty() ? CString("0") : strText;
}

CString CGXCheckBox::ToggledValue(const CString& strValue, const CGXStyle& style)
{
    const CString strChecked = CheckedText(style), strUnchecked = UncheckedText(style);
    if (strValue == strChecked)
        return strUnchecked;
    if (style.GetIncludeTriState() && style.GetTriState() && strValue == strUnchecked)
        return CString();
    return strChecked;
}

UINT CGXCheckBox::GetState(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    UINT nState = 0;
    const BOOL bCurrent = m_pGrid->IsCurrentCell(nRow, nCol);
    if (bCurrent)
        nState |= gxFocus;
    if ((style.GetIncludeEnabled() && !style.GetEnabled()) || (m_bPressed && bCurrent))
        nState |= gxGrey;
    const CString& strValue = style.GetValueRef();
    const BOOL bTriState = style.GetIncludeTriState() && style.GetTriState();
    if (strValue == CheckedText(style))
        nState |= gxChecked;
    else if (!bTriState || strValue == UncheckedText(style))
        nState |= gxUnchecked;
    return nState;
}

BOOL CGXCheckBox::ConvertTextToValue(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle)
{
    std::unique_ptr<CGXComposedStyle> pBorrowed;
    const CGXStyle& style = pStyle != nullptr ? *pStyle : CellStyle(nRow, nCol, pBorrowed);
    if (style.GetIncludeTriState() && style.GetTriState() && strText.CompareNoCase(CheckedText(style)) != 0 &&
        strText.CompareNoCase(UncheckedText(style)) != 0)
        strText.Empty();
    return TRUE;
}

// ---- images ------------------------------------------------------------------------------------------

COLORREF CGXCheckBox::MapImageColor(COLORREF color, BOOL bPrinting)
{
    GridSysColors* pColors = GXGetSysColors();
    switch (color) {
    case RGB(0, 0, 0):
        return bPrinting ? RGB(0, 0, 0) : pColors->GetSysColor(COLOR_WINDOWTEXT);
    case RGB(255, 0, 0):
        return bPrinting ? RGB(255, 255, 255) : pColors->GetSysColor(COLOR_WINDOW);
    case RGB(0, 255, 0):
        return pColors->GetSysColor(COLOR_WINDOWFRAME);
    case RGB(192, 192, 192):
        return pColors->GetSysColor(COLOR_BTNFACE);
    default:
        return color;
    }
}

BOOL CGXCheckBox::LoadImages()
{
    FreeImages();
    CGXDIBPool* pPool = GetDIBPool();
    m_hScreenImages = pPool->LoadBitmapResource(MAKEINTRESOURCEA(m_nScreenBitmapId));
    m_hPrintImages = pPool->LoadBitmapResource(MAKEINTRESOURCEA(m_nPrintBitmapId));
    if (m_hScreenImages != nullptr)
        RecolourDIB(m_hScreenImages, [this](COLORREF c) { return MapImageColor(c, FALSE); });
    if (m_hPrintImages != nullptr)
        RecolourDIB(m_hPrintImages, [this](COLORREF c) { return MapImageColor(c, TRUE); });
    return m_hScreenImages != nullptr;
}

void CGXCheckBox::OnGridSysColorChange()
{
    LoadImages();
    CGXControl::OnGridSysColorChange();
}

// ---- layout and drawing ------------------------------------------------------------------------------

UINT CGXCheckBox::AlignmentFlags(const CGXStyle& style)
{
    UINT nAlign = 0;
    if (style.GetIncludeHorizontalAlignment())
        nAlign |= style.GetHorizontalAlignment() & (DT_CENTER | DT_RIGHT);
    if (style.GetIncludeVerticalAlignment())
        nAlign |= style.GetVerticalAlignment() & (DT_VCENTER | DT_BOTTOM);
    return nAlign;
}

CRect CGXCheckBox::CalcBoxRect(CDC* pDC, const CRect& rect, const char* pszCaption, UINT nAlign)
{
    const int nSize = m_nCheckBoxSize;
    int nTotal = nSize;
    if (pszCaption != nullptr && *pszCaption != 0)
        nTotal = kCaptionOffset + pDC->GetTextExtent(pszCaption, int(std::strlen(pszCaption))).cx;
    TEXTMETRICA tm = {};
    pDC->GetTextMetrics(&tm);
    const int nCaptionHeight = std::min(int(tm.tmHeight + tm.tmInternalLeading), nSize);
    int x = rect.left + 3;
    if ((nAlign & DT_CENTER) && rect.Width() - nTotal > 0)
        x = rect.left + (rect.Width() - nTotal) / 2;
    else if ((nAlign & DT_RIGHT) && rect.Width() - nTotal > 0)
        x = rect.left + rect.Width() - nTotal;
    int y = rect.top + 3;
    if ((nAlign & DT_VCENTER) && rect.Height() - nCaptionHeight > 0)
        y = rect.top + (rect.Height() - nCaptionHeight) / 2;
    else if ((nAlign & DT_BOTTOM) && rect.bottom - nCaptionHeight >= rect.top)
        y = rect.bottom - nCaptionHeight;
    CRect rectBox(x, y, x + nSize, y + nSize);
    rectBox.IntersectRect(rectBox, rect);
    return rectBox;
}

void CGXCheckBox::DrawCheckBox(CDC* pDC, const CRect& rect, UINT nState, UINT nAlign, const char* pszCaption)
{
    if (m_hScreenImages == nullptr && !LoadImages())
        return;
    const HGLOBAL hImages = m_pGrid->IsPrinting() && m_hPrintImages != nullptr ? m_hPrintImages : m_hScreenImages;
    int nImage = (nState & gxChecked) ? kImageChecked : 0;
    if (nState & gxGrey)
        nImage += kImageGrey;
    if (!(nState & (gxChecked | gxUnchecked)))
        nImage = kImageIndeterminate;
    const CRect rectBox = CalcBoxRect(pDC, rect, pszCaption, nAlign);
    if (rectBox.IsRectEmpty())
        return;
    // a box with less room than its size is squeezed into what is left
    const CRect rectSource(nImage * m_nCheckBoxSize, 0, (nImage + 1) * m_nCheckBoxSize, m_nCheckBoxSize);
    DrawDIBInRect(pDC, hImages, rectBox, rectBox.Width() == m_nCheckBoxSize && rectBox.Height() == m_nCheckBoxSize ? 0 : 1,
                  0, &rectSource);
}

void CGXCheckBox::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                       const CGXStyle* pStandardStyle)
{
    const UINT nState = GetState(nRow, nCol, style);
    const UINT nAlign = AlignmentFlags(style);
    CFont* pOldFont = SelectStyleFont(pDC, style);
    DrawBackground(pDC, rect, style, FALSE);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    pDC->SetBkColor(style.GetInterior().GetColor());
    pDC->SetTextColor(style.GetTextColor());
    const CRect rectCell = GetCellRect(nRow, nCol, &rect, &style);
    const CString strCaption = style.GetIncludeChoiceList() ? style.GetChoiceListRef() : CString();
    DrawCheckBox(pDC, rectCell, nState, nAlign, strCaption);
    if (!strCaption.IsEmpty() && rectCell.left + kCaptionOffset < rectCell.right) {
        CRect rectText = rectCell;
        rectText.left += kCaptionOffset;
        const UINT nWrap = style.GetWrapText() ? DT_WORDBREAK : DT_SINGLELINE;
        pDC->DrawText(strCaption, strCaption.GetLength(), &rectText, nAlign | nWrap | DT_NOPREFIX);
    }
    pDC->SetBkMode(nOldMode);
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

CSize CGXCheckBox::CalcSize(CDC* pDC, ROWCOL, ROWCOL nCol, const CGXStyle& style, const CGXStyle*, BOOL)
{
    const int nMargin = SizeMargin();
    CFont* pOldFont = SelectStyleFont(pDC, style);
    TEXTMETRICA tm = {};
    pDC->GetTextMetrics(&tm);
    CSize sizeText(tm.tmMaxCharWidth + 2 * nMargin, tm.tmHeight + tm.tmExternalLeading + 1);
    const CString strCaption = style.GetIncludeChoiceList() ? style.GetChoiceListRef() : CString();
    if (!strCaption.IsEmpty()) {
        if (style.GetIncludeWrapText() && style.GetWrapText()) {
            CRect rectText(0, 0, std::max(1, m_pGrid->GetColWidth(nCol) - 2 * nMargin), 0);
            const int nHeight = pDC->DrawText(strCaption, strCaption.GetLength(), &rectText,
                                              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
            sizeText = CSize(rectText.Width() + 2 * nMargin, nHeight);
        } else {
            const int nLineHeight = tm.tmHeight + tm.tmExternalLeading;
            int nWidest = 0, nLines = 0;
            for (int nStart = 0; nStart <= strCaption.GetLength();) {
                int nEnd = strCaption.Find('\n', nStart);
                if (nEnd < 0)
                    nEnd = strCaption.GetLength();
                nWidest = std::max(nWidest, int(pDC->GetTextExtent(strCaption.Mid(nStart, nEnd - nStart)).cx));
                ++nLines;
                nStart = nEnd + 1;
            }
            sizeText = CSize(nWidest + 2 * nMargin, nLines * nLineHeight);
        }
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    return AddBorders(CSize(m_nCheckBoxSize + sizeText.cx + 6, std::max(17, int(sizeText.cy))), style);
}

// ---- mouse and keys ----------------------------------------------------------------------------------

CRect CGXCheckBox::AttachedBoxRect()
{
    const CGXStyle& style = GetStyle();
    CWindowDC dc(GridWnd());
    CFont* pOldFont = SelectStyleFont(&dc, style);
    const CRect rectCell = GetCellRect(m_nRow, m_nCol, nullptr, &style);
    const CString strCaption = style.GetIncludeChoiceList() ? style.GetChoiceListRef() : CString();
    const CRect rectBox = CalcBoxRect(&dc, rectCell, strCaption, AlignmentFlags(style));
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    return rectBox;
}

BOOL CGXCheckBox::PressBox(CPoint point)
{
    if (!m_bInit || IsReadOnlyCell())
        return FALSE;
    // the box follows the mouse only after a press on it
    m_rectBox = AttachedBoxRect();
    if (m_rectBox.PtInRect(point)) {
        m_bPressed = TRUE;
        Refresh();
    } else {
        m_rectBox.SetRectEmpty();
    }
    return TRUE;
}

BOOL CGXCheckBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!PressBox(point))
        return FALSE;
    CGXControl::OnLButtonDown(nFlags, point);
    return TRUE;
}

BOOL CGXCheckBox::OnMouseMove(UINT nFlags, CPoint point)
{
    const BOOL bTaken = CGXControl::OnMouseMove(nFlags, point);
    if (!m_bInit || !(nFlags & MK_LBUTTON) || m_rectBox.IsRectEmpty())
        return bTaken;
    const BOOL bOver = m_pGrid->CalcCellRect(m_nRow, m_nCol).PtInRect(point) && m_rectBox.PtInRect(point);
    if (bool(bOver) != bool(m_bPressed)) {
        m_bPressed = bOver;
        Refresh();
    }
    return bTaken;
}

BOOL CGXCheckBox::OnLButtonUp(UINT nFlags, CPoint point)
{
    const BOOL bWasPressed = m_bPressed;
    m_bPressed = FALSE;
    if (bWasPressed)
        Refresh();
    const BOOL bTaken = CGXControl::OnLButtonUp(nFlags, point);
    // the click counts only when the press went down on the box too
    if (!bTaken && bWasPressed && m_pGrid->CalcCellRect(m_nRow, m_nCol).PtInRect(point) && m_rectBox.PtInRect(point))
        OnClickedButton(nullptr);
    m_rectBox.SetRectEmpty();
    return TRUE;
}

BOOL CGXCheckBox::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    m_bPressed = FALSE;
    if (!m_bInit)
        return FALSE;
    if (!CGXControl::OnLButtonDblClk(nFlags, point) && AttachedBoxRect().PtInRect(point))
        OnClickedButton(nullptr);
    return TRUE;
}

BOOL CGXCheckBox::ProcessKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (CGXControl::ProcessKeyMessage(nMessage, nChar, nRepCnt, nFlags))
        return TRUE;
    if (nMessage == WM_CHAR && nChar == ' ') {
        OnClickedButton(nullptr);
        return TRUE;
    }
    return FALSE;
}

void CGXCheckBox::OnClickedButton(CGXChild* pChild)
{
    if (!OnStartEditing() || IsReadOnlyCell())
        return;
    const CGXStyle& style = GetStyle();
    const CString strValue = ToggledValue(style.GetValueRef(), style);
    const ROWCOL nRow = m_nRow, nCol = m_nCol;
    m_pGrid->ApplyValueToRange(CGXCellRange(nRow, nCol, nRow, nCol), strValue, CGXStyle::gxOverride);
    CGXControl::OnClickedButton(pChild);
}

void CGXCheckBox::OnGridCancelMode()
{
    if (m_bPressed) {
        m_bPressed = FALSE;
        Refresh();
    }
    CGXControl::OnGridCancelMode();
}

// ---- with modify state ---------------------------------------------------------------------------------

GX_IMPLEMENT_CONTROL(CGXCheckBoxEx, CGXControl)

CGXCheckBoxEx::CGXCheckBoxEx(CGXGridCore* pGrid, BOOL b3d, UINT nScreenBitmapId, UINT nPrintBitmapId)
    : GXModifyState<CGXCheckBox>(pGrid, b3d, nScreenBitmapId, nPrintBitmapId)
{
}

void CGXCheckBoxEx::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                         const CGXStyle* pStandardStyle)
{
    CGXCheckBox::Draw(pDC, rect, nRow, nCol, DrawingStyle(nRow, nCol, style), pStandardStyle);
}

BOOL CGXCheckBoxEx::ProcessKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (CGXCheckBox::ProcessKeyMessage(nMessage, nChar, nRepCnt, nFlags))
        return TRUE;
    if (nMessage == WM_KEYDOWN && nChar == VK_DELETE && m_bActive && !IsReadOnlyCell()) {
        SetPendingValue("");
        return TRUE;
    }
    return FALSE;
}

void CGXCheckBoxEx::OnClickedButton(CGXChild* pChild)
{
    if (IsReadOnlyCell() || !ActivateForChoice())
        return;
    const CGXStyle& style = GetStyle();
    SetPendingValue(ToggledValue(style.GetValueRef(), style));
    CGXControl::OnClickedButton(pChild);
}

// ---- makers ----------------------------------------------------------------------------------------------

CGXControl* GXCreateCheckBox(CGXGridCore* pGrid, const GXControlEntry& entry)
{
    return new CGXCheckBox(pGrid, entry.adwArgs[0], entry.adwArgs[1], entry.adwArgs[2]);
}

CGXControl* GXCreateCheckBoxEx(CGXGridCore* pGrid, const GXControlEntry& entry)
{
    return new CGXCheckBoxEx(pGrid, entry.adwArgs[0], entry.adwArgs[1], entry.adwArgs[2]);
}

void GXRegisterCheckBoxAttributes(CGXStylesMap& stylesMap)
{
    stylesMap.AddUserAttribute(GX_IDS_UA_CHECKBOX_CHECKED, nullptr);
    stylesMap.AddUserAttribute(GX_IDS_UA_CHECKBOX_UNCHECKED, nullptr);
}

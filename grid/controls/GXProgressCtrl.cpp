// The progress bar cell (see GXProgressCtrl.h).
#include "grid/controls/GXProgressCtrl.h"

#include "grid/controls/GXCellNumbers.h"
#include "grid/controls/GXControls.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStylesMap.h"
#include "win/CDC.h"
#include "win/CPreviewDC.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

LONG Attribute(const CGXStyle& style, WORD nId)
{
    return GXReadClampedLong(style.GetUserAttribute(nId).GetValueText());
}

// The bounds of a store: the style's own, else the cell's.
void StoreBounds(const CGXStyle& style, const CGXStyle* pCurrent, LONG& nLower, LONG& nUpper)
{
    auto bound = [&](WORD nId) {
        if (style.HasUserAttribute(nId) || pCurrent == nullptr)
            return Attribute(style, nId);
        return Attribute(*pCurrent, nId);
    };
    nLower = bound(GX_IDS_UA_PROGRESS_LOW);
    nUpper = bound(GX_IDS_UA_PROGRESS_HIGH);
}

}  // namespace

GX_IMPLEMENT_CONTROL(CGXProgressCtrl, CGXControl)

CGXProgressCtrl::CGXProgressCtrl(CGXGridCore* pGrid) : CGXControl(pGrid) {}

CString CGXProgressCtrl::FormatCaption(const char* pszFormat, LONG nValue)
{
    if (pszFormat == nullptr)
        return CString();
    // the format without its "l", checked piece by piece
    std::string strFormat;
    int nConversions = 0;
    for (const char* p = pszFormat; *p != 0; ++p) {
        strFormat += *p;
        if (*p != '%')
            continue;
        if (p[1] == '%') {
            strFormat += *++p;
            continue;
        }
        ++p;
        while (*p != 0 && std::strchr("-+ 0#", *p) != nullptr)
            strFormat += *p++;
        int nWidth = 0;
        while (std::isdigit(static_cast<unsigned char>(*p)) && nWidth < 1000) {
            nWidth = nWidth * 10 + (*p - '0');
            strFormat += *p++;
        }
        if (*p == 'l')
            ++p;
        if (nWidth >= 1000 || *p == 0 || std::strchr("diu", *p) == nullptr || ++nConversions > 1)
            return pszFormat;
        strFormat += *p;
    }
    const int nLength = std::snprintf(nullptr, 0, strFormat.c_str(), int(nValue));
    if (nLength < 0)
        return pszFormat;
    std::vector<char> buffer(size_t(nLength) + 1);
    std::snprintf(buffer.data(), buffer.size(), strFormat.c_str(), int(nValue));
    return CString(buffer.data());
}

int CGXProgressCtrl::BarWidth(LONG nValue, LONG nLower, LONG nUpper, int nWidth)
{
    if (nWidth <= 0)
        return 0;
    if (nUpper == nLower)
        return nValue > nUpper ? nWidth : 0;
    const double dScale = (double(nUpper) - double(nLower)) / nWidth;
    const double dBar = (double(std::max(nValue, nLower)) - double(nLower)) / dScale;
    // an upper bound below the lower one makes the scale negative: no bar
    return int(std::max(0.0, std::min(dBar, double(nWidth))));
}

void CGXProgressCtrl::GetCaptionText(CString& strResult, ROWCOL, ROWCOL, const CGXStyle& style)
{
    const CString strFormat = style.GetUserAttribute(GX_IDS_UA_PROGRESS_CAPTIONMASK).GetValueText();
    strResult = strFormat.IsEmpty() ? CString() : FormatCaption(strFormat, GXReadClampedLong(style.GetValueRef()));
}

COLORREF CGXProgressCtrl::GetBarColor(BOOL bBar, const CGXStyle& style)
{
    if (m_pGrid->IsPrintingBlackWhite())
        return bBar ? kBlack : kWhite;
    return bBar ? style.GetTextColor() : style.GetInterior().GetColor();
}

COLORREF CGXProgressCtrl::GetCaptionColor(BOOL bOverBar, const CGXStyle& style)
{
    if (m_pGrid->IsPrintingBlackWhite())
        return bOverBar ? kWhite : kBlack;
    return bOverBar ? style.GetInterior().GetColor() : style.GetTextColor();
}

BOOL CGXProgressCtrl::DrawsCaptionOnce(CDC* pDC) const
{
    if (dynamic_cast<CPreviewDC*>(pDC) != nullptr && !pDC->IsPrinting())
        return TRUE;
    return m_pGrid->IsPrinting() && GXGetLibraryState()->m_bPrintCaptionOnce;
}

void CGXProgressCtrl::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                           const CGXStyle* pStandardStyle)
{
    const CRect rectCell = GetCellRect(nRow, nCol, &rect, &style);
    const LONG nLower = Attribute(style, GX_IDS_UA_PROGRESS_LOW), nUpper = Attribute(style, GX_IDS_UA_PROGRESS_HIGH);
    m_dScale = rectCell.Width() > 0 ? (double(nUpper) - double(nLower)) / rectCell.Width() : 1.0;
    const LONG nValue = GXReadClampedLong(style.GetValueRef());
    CRect rectBar = rectCell;
    rectBar.right = rectCell.left + BarWidth(nValue, nLower, nUpper, rectCell.Width());
    pDC->FillSolidRect(rectCell, GetBarColor(FALSE, style));
    if (rectBar.Width() > 0)
        pDC->FillSolidRect(rectBar, GetBarColor(TRUE, style));
    if (rectBar.Width() > 1 && style.GetIncludeDraw3dFrame()) {
        if (style.GetDraw3dFrame() == 1)
            pDC->DrawEdge(&rectBar, BDR_RAISEDINNER, BF_RECT);
        else if (style.GetDraw3dFrame() == 2)
            pDC->DrawEdge(&rectBar, BDR_SUNKENOUTER, BF_RECT);
    }

    CString strCaption;
    GetCaptionText(strCaption, nRow, nCol, style);
    if (!strCaption.IsEmpty()) {
        CFont* pOldFont = SelectStyleFont(pDC, style);
        const CSize sizeText = pDC->GetTextExtent(strCaption, strCaption.GetLength());
        if (sizeText.cx < rectCell.Width()) {
            const int x = rectCell.left + (rectCell.Width() - sizeText.cx) / 2;
            const int y = rectCell.top + (rectCell.Height() - sizeText.cy) / 2;
            const int nOldMode = pDC->SetBkMode(TRANSPARENT);
            const COLORREF clrOldText = pDC->SetTextColor(GetCaptionColor(FALSE, style));
            pDC->ExtTextOut(x, y, ETO_CLIPPED, &rectCell, strCaption, strCaption.GetLength(), nullptr);
            if (x < rectBar.right && !DrawsCaptionOnce(pDC)) {
                pDC->SetTextColor(GetCaptionColor(TRUE, style));
                pDC->ExtTextOut(x, y, ETO_CLIPPED, &rectBar, strCaption, strCaption.GetLength(), nullptr);
            }
            pDC->SetTextColor(clrOldText);
            pDC->SetBkMode(nOldMode);
        }
        if (pOldFont != nullptr)
            pDC->SelectObject(pOldFont);
    }
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

BOOL CGXProgressCtrl::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int nMode, int nKind,
                                       const CGXStyle* pCurrentStyle)
{
    if (pStyle == nullptr || nMode == 4 || !pStyle->GetIncludeValue())
        return CGXControl::StoreStyleRowCol(nRow, nCol, pStyle, nMode, nKind, pCurrentStyle);
    std::unique_ptr<CGXComposedStyle> pBorrowed;
    const CGXStyle* pCurrent = pCurrentStyle != nullptr ? pCurrentStyle : &CellStyle(nRow, nCol, pBorrowed);
    LONG nLower, nUpper;
    StoreBounds(*pStyle, pCurrent, nLower, nUpper);
    const LONG nValue = GXReadClampedLong(pStyle->GetValueRef());
    if (nValue >= nLower && nValue <= nUpper)
        return CGXControl::StoreStyleRowCol(nRow, nCol, pStyle, nMode, nKind, pCurrentStyle);
    char szValue[16];
    std::snprintf(szValue, sizeof(szValue), "%d", int(std::max(nLower, std::min(nUpper, nValue))));
    CGXStyle* pClamped = m_pGrid->CreateStyle();
    BOOL bResult = FALSE;
    try {
        *pClamped = *pStyle;
        pClamped->SetValue(szValue);
        bResult = CGXControl::StoreStyleRowCol(nRow, nCol, pClamped, nMode, nKind, pCurrentStyle);
    } catch (...) {
        m_pGrid->RecycleStyle(pClamped);
        throw;
    }
    m_pGrid->RecycleStyle(pClamped);
    return bResult;
}

CGXControl* GXCreateProgressCtrl(CGXGridCore* pGrid, const GXControlEntry&)
{
    return new CGXProgressCtrl(pGrid);
}

void GXRegisterProgressCtrlAttributes(CGXStylesMap& stylesMap)
{
    stylesMap.AddUserAttribute(GX_IDS_UA_PROGRESS_HIGH, nullptr);
    stylesMap.AddUserAttribute(GX_IDS_UA_PROGRESS_LOW, nullptr);
    stylesMap.AddUserAttribute(GX_IDS_UA_PROGRESS_CAPTIONMASK, nullptr);
}

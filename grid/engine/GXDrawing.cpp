// CGXDrawingAndFormatting and the drawing helpers of the grid (see GXDrawing.h).
#include "grid/engine/GXDrawing.h"

#include "grid/engine/GXColor.h"
#include "grid/engine/GXControl.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXDIB.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "win/CEdit.h"
#include "win/Win.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// The pattern bitmaps: one byte per row, top row first, bit 7 the left pixel.
const BYTE kPatterns[GX_PATTERN_COUNT][8] = {
    {0x44, 0x11, 0x44, 0x11, 0x44, 0x11, 0x44, 0x11}, {0x55, 0xaa, 0x55, 0xaa, 0x55, 0xaa, 0x55, 0xaa},
    {0xbb, 0xee, 0xbb, 0xee, 0xbb, 0xee, 0xbb, 0xee}, {0xee, 0xff, 0xbb, 0xff, 0xee, 0xff, 0xbb, 0xff},
    {0xff, 0xff, 0xee, 0xff, 0xff, 0xff, 0xbb, 0xff}, {0xfb, 0xff, 0xbf, 0xff, 0xfa, 0xff, 0xaf, 0xff},
    {0xff, 0xff, 0x00, 0x00, 0xff, 0xff, 0x00, 0x00}, {0xcc, 0xcc, 0xcc, 0xcc, 0xcc, 0xcc, 0xcc, 0xcc},
    {0x55, 0xcc, 0x99, 0x44, 0x55, 0xcc, 0x99, 0x44}, {0x44, 0x99, 0xcc, 0x55, 0x44, 0x99, 0xcc, 0x55},
    {0x55, 0x55, 0x99, 0x99, 0x55, 0x55, 0x99, 0x99}, {0x55, 0x00, 0x99, 0x00, 0x55, 0x00, 0x99, 0x00},
    {0xff, 0x00, 0xff, 0xff, 0xff, 0x00, 0xff, 0xff}, {0xdd, 0xdd, 0xdd, 0xdd, 0xdd, 0xdd, 0xdd, 0xdd},
    {0xee, 0xdd, 0xbb, 0x77, 0xee, 0xdd, 0xbb, 0x77}, {0x77, 0xbb, 0xdd, 0xee, 0x77, 0xbb, 0xdd, 0xee},
    {0xee, 0x00, 0xee, 0xee, 0xee, 0x00, 0xee, 0xee}, {0xee, 0x55, 0xbb, 0x55, 0xee, 0xbb, 0x55, 0xee},
    {0x88, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff}, {0xfe, 0xff, 0xfe, 0xff, 0xfe, 0xff, 0xfe, 0xff},
    {0xfe, 0xff, 0xfb, 0xff, 0xef, 0xff, 0xbf, 0xff}, {0xf7, 0xff, 0xfd, 0xff, 0x7f, 0xff, 0xdf, 0xff},
    {0x88, 0xff, 0xfe, 0xff, 0xfe, 0xff, 0xfe, 0xff}, {0x00, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff},
    {0xfe, 0xfe, 0xfe, 0xfe, 0xfe, 0xfe, 0xfe, 0xfe}, {0xfe, 0xfd, 0xfb, 0xf7, 0xef, 0xdf, 0xbf, 0x7f},
    {0xf7, 0xfb, 0xfd, 0xfe, 0x7f, 0xbf, 0xdf, 0xef}, {0x00, 0xfe, 0xfe, 0xfe, 0xfe, 0xfe, 0xfe, 0xfe},
    {0x00, 0x00, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff}, {0xf3, 0xf3, 0xf3, 0xf3, 0xf3, 0xf3, 0xf3, 0xf3},
    {0xf3, 0xf9, 0xfc, 0x7e, 0x3f, 0x9f, 0xcf, 0xe7}, {0xe7, 0xcf, 0x9f, 0x3f, 0x7e, 0xfc, 0xf9, 0xf3},
    {0x00, 0x00, 0xf3, 0xf3, 0xf3, 0xf3, 0xf3, 0xf3}, {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11},
    {0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55}, {0xb1, 0xb1, 0xb1, 0xb1, 0xb1, 0xb1, 0xb1, 0xb1},
    {0x51, 0x51, 0x51, 0x51, 0x51, 0x51, 0x51, 0x51}, {0x00, 0x00, 0x00, 0xff, 0x00, 0x00, 0x00, 0xff},
    {0x00, 0xff, 0x00, 0xff, 0x00, 0xff, 0x00, 0xff}, {0x00, 0x00, 0x00, 0xff, 0xff, 0x00, 0xff, 0xff},
    {0x00, 0x00, 0x00, 0xff, 0x00, 0xff, 0x00, 0xff}};

int TextLength(const char* pszText, int nLength)
{
    if (pszText == nullptr)
        return 0;
    return nLength < 0 ? int(std::strlen(pszText)) : nLength;
}

int TextWidth(CDC* pDC, const char* p, int n)
{
    return n > 0 ? pDC->GetTextExtent(p, n).cx : 0;
}

// The bytes of the character at p (2 for a double-byte pair that is complete).
int CharBytes(const char* p, const char* pEnd)
{
    return ::IsDBCSLeadByte(BYTE(*p)) && p + 1 < pEnd ? 2 : 1;
}

// The line's length without its trailing spaces.
int TrimmedLength(const char* p, int n)
{
    while (n > 0 && p[n - 1] == ' ')
        --n;
    return n;
}

// A line's left edge in rect for the horizontal alignment of nFormat, never left of the rectangle.
int LineLeft(const CRect& rect, UINT nFormat, int nWidth)
{
    int x = rect.left;
    if (nFormat & DT_RIGHT)
        x = rect.right - nWidth;
    else if (nFormat & DT_CENTER)
        x = rect.left + (rect.Width() - nWidth) / 2;
    return std::max(x, int(rect.left));
}

// The distance between two drawn lines.
int DrawnLineHeight(const TEXTMETRICA& tm)
{
    const int nLineHeight = tm.tmHeight + tm.tmExternalLeading;
    return nLineHeight > 19 ? nLineHeight - 1 : nLineHeight;
}

COLORREF ResolvePacked(COLORREF color)
{
    return GXIsSysColor(color) ? GXGetSysColors()->GetSysColor(GXGetSysColorIndex(color)) : color;
}

}  // namespace

// ---- the service ----------------------------------------------------------------------------------

CGXDrawingAndFormatting::Layout::Layout(CGXDrawingAndFormatting& drawing, CDC* pDC, const char* pszText, int nLength,
                                        const CRect& rectText, UINT nFormat)
    : rect(rectText), tm()
{
    nLines = drawing.BreakTextLines(pDC, pszText, nLength, rect, nFormat, anStarts, anLengths, gxMaxLines);
    pDC->GetTextMetrics(&tm);
}

CGXDrawingAndFormatting::CGXDrawingAndFormatting() : m_apPatterns() {}

CGXDrawingAndFormatting::~CGXDrawingAndFormatting()
{
    for (CBitmap*& pBitmap : m_apPatterns) {
        delete pBitmap;
        pBitmap = nullptr;
    }
}

CBitmap* CGXDrawingAndFormatting::GetPatternBitmap(int nIndex)
{
    if (nIndex < 0 || nIndex >= GX_PATTERN_COUNT)
        return nullptr;
    if (m_apPatterns[nIndex] == nullptr) {
        // monochrome rows are padded to 16 bits
        WORD awRows[8];
        for (int i = 0; i < 8; ++i)
            awRows[i] = kPatterns[nIndex][i];
        auto pBitmap = std::make_unique<CBitmap>();
        if (!pBitmap->CreateBitmap(8, 8, 1, 1, awRows))
            AfxThrowResourceException();
        m_apPatterns[nIndex] = pBitmap.release();
    }
    return m_apPatterns[nIndex];
}

int CGXDrawingAndFormatting::BreakTextLines(CDC* pDC, const char* pszText, int nLength, CRect& rect, UINT nFormat,
                                            int* anStarts, int* anLengths, int nMaxLines)
{
    nLength = TextLength(pszText, nLength);
    TEXTMETRICA tm = {};
    pDC->GetTextMetrics(&tm);
    const int nLineHeight = tm.tmHeight + tm.tmExternalLeading;
    const int nWidth = rect.Width() + 1;
    const int nHeight = rect.Height();
    const BOOL bWordBreak = (nFormat & DT_WORDBREAK) != 0 && (nFormat & DT_SINGLELINE) == 0;
    int nAllowed = 0;
    if (nLineHeight > 0 && nHeight - nLineHeight / 3 > nLineHeight)
        nAllowed = nHeight / nLineHeight;
    const int nMost = std::min(bWordBreak ? std::max(nAllowed, 1) : 1, nMaxLines);
    const char* const pEnd = pszText + nLength;

    int nLines = 0;
    int nTextBottom = rect.top;
    int nPos = 0;
    while (nLines < nMost && (nLines == 0 || nPos < nLength)) {
        const int nLineStart = nPos;
        int nLineEnd = nPos;
        int nNext = nPos;
        while (nNext < nLength) {
            const char c = pszText[nNext];
            if (c == '\r' || c == '\n') {
                nLineEnd = nNext;
                ++nNext;
                if (c == '\r' && nNext < nLength && pszText[nNext] == '\n')
                    ++nNext;
                break;
            }
            // the next word and the spaces after it
            int nWordEnd = nNext;
            while (nWordEnd < nLength && pszText[nWordEnd] != ' ' && pszText[nWordEnd] != '\r' &&
                   pszText[nWordEnd] != '\n')
                nWordEnd += CharBytes(pszText + nWordEnd, pEnd);
            int nAfterSpaces = nWordEnd;
            while (nAfterSpaces < nLength && pszText[nAfterSpaces] == ' ')
                ++nAfterSpaces;
            if (TextWidth(pDC, pszText + nLineStart, nWordEnd - nLineStart) <= nWidth) {
                nNext = nLineEnd = nAfterSpaces;
                continue;
            }
            // the word does not fit: the next line takes it, or it is cut
            if (nNext > nLineStart && bWordBreak && nLines + 1 < nMost)
                break;
            int nFit = nNext;
            while (nFit < nWordEnd) {
                const int nStep = CharBytes(pszText + nFit, pEnd);
                if (TextWidth(pDC, pszText + nLineStart, nFit + nStep - nLineStart) > nWidth)
                    break;
                nFit += nStep;
            }
            if (nFit == nLineStart)  // not even one character fits: take it anyway, so the layout moves on
                nFit += CharBytes(pszText + nFit, pEnd);
            nNext = nLineEnd = nFit;
            break;
        }
        if (anStarts != nullptr)
            anStarts[nLines] = nLineStart;
        if (anLengths != nullptr)
            anLengths[nLines] = nLineEnd - nLineStart;
        const int nExtent = nLineEnd > nLineStart ? pDC->GetTextExtent(pszText + nLineStart, nLineEnd - nLineStart).cy
                                                   : int(tm.tmHeight);
        nTextBottom += nExtent + 1;
        ++nLines;
        nPos = nNext;
    }
    if (nTextBottom < rect.bottom) {
        const int nFree = rect.bottom - nTextBottom;
        if (nFormat & DT_VCENTER)
            rect.top += (nFree + tm.tmExternalLeading) / 2;
        else if (nFormat & DT_BOTTOM)
            rect.top += nFree;
    }
    return nLines;
}

int CGXDrawingAndFormatting::CountTextLines(CDC* pDC, const char* pszText, int nLength, const CRect& rect,
                                            UINT nFormat)
{
    CRect r = rect;
    std::vector<int> starts(gxMaxLines), lengths(gxMaxLines);
    return BreakTextLines(pDC, pszText, nLength, r, nFormat, starts.data(), lengths.data(), gxMaxLines);
}

void CGXDrawingAndFormatting::DrawTextWrapped(CDC* pDC, const char* pszText, int nLength, const CRect& rect,
                                              UINT nFormat, const CRect* pClipRect)
{
    nLength = TextLength(pszText, nLength);
    const Layout layout(*this, pDC, pszText, nLength, rect, nFormat);
    const int nLineHeight = DrawnLineHeight(layout.tm);
    const CRect rectClip = pClipRect != nullptr ? *pClipRect : rect;
    int y = layout.rect.top;
    for (int i = 0; i < layout.nLines; ++i, y += nLineHeight) {
        const char* p = pszText + layout.anStarts[i];
        const int n = TrimmedLength(p, layout.anLengths[i]);
        const int cx = TextWidth(pDC, p, n);
        int x = LineLeft(rect, nFormat, cx);
        if (n > 0 && n == CharBytes(p, p + n)) {
            // a line of one character: wider than the clip area it starts there; wider than the text
            // area it ends at the clip area's right, but not left of the text area
            if (cx > rectClip.Width())
                x = rectClip.left;
            else if (cx > rect.Width())
                x = std::max(int(rectClip.right) - cx, int(rect.left));
        }
        pDC->ExtTextOut(x, y, ETO_CLIPPED, &rectClip, p, UINT(n), nullptr);
    }
}

void CGXDrawingAndFormatting::DrawTextEllipsis(CDC* pDC, const char* pszText, int nLength, const CRect& rect,
                                               UINT nFormat, const CRect* pClipRect, int nEllipsis)
{
    nLength = TextLength(pszText, nLength);
    const CRect rectClip = pClipRect != nullptr ? *pClipRect : rect;
    if (nEllipsis == gxPoundEllipsis) {
        if ((nFormat & DT_SINGLELINE) == 0 || TextWidth(pDC, pszText, nLength) <= rect.Width()) {
            DrawTextWrapped(pDC, pszText, nLength, rect, nFormat, pClipRect);
            return;
        }
        const int cxPound = TextWidth(pDC, "#", 1);
        const int nPounds = cxPound > 0 ? rect.Width() / cxPound : 0;
        if (nPounds < 1) {
            pDC->ExtTextOut(rect.left, rect.top, ETO_CLIPPED, &rect, "#", 1, nullptr);
            return;
        }
        const CString strPounds('#', nPounds);
        DrawTextWrapped(pDC, strPounds, nPounds, rect, nFormat, pClipRect);
        return;
    }
    if (nEllipsis != gxDotEllipsis) {
        DrawTextWrapped(pDC, pszText, nLength, rect, nFormat, pClipRect);
        return;
    }

    const Layout layout(*this, pDC, pszText, nLength, rect, nFormat);
    const int nLineHeight = DrawnLineHeight(layout.tm);
    int y = layout.rect.top;
    for (int i = 0; i < layout.nLines; ++i, y += nLineHeight) {
        const char* p = pszText + layout.anStarts[i];
        const int n = TrimmedLength(p, layout.anLengths[i]);
        // the text's last line stays as it is: nothing but line breaks and spaces follow it
        const char* pAfter = p + layout.anLengths[i];
        const bool bLastOfText = std::strspn(pAfter, "\r\n ") >= size_t(pszText + nLength - pAfter);
        const int nRoomBelow = rect.bottom - (y + nLineHeight);
        CString strLine(p, n);
        const bool bDots = !bLastOfText && nRoomBelow < layout.tm.tmAscent * 3 / 4 + nLineHeight;
        if (bDots && n >= 2) {
            CString strBody = strLine;
            strLine = strBody + "...";
            while (TextWidth(pDC, strLine, strLine.GetLength()) > rect.Width() && strBody.GetLength() > 1) {
                strBody = strBody.Left(strBody.GetLength() - 1);
                strLine = strBody + "...";
            }
            for (const char* pszDots : {"..", ".", ""}) {
                if (TextWidth(pDC, strLine, strLine.GetLength()) <= rect.Width())
                    break;
                strLine = strBody + pszDots;
            }
        }
        const int x = LineLeft(rect, nFormat, TextWidth(pDC, strLine, strLine.GetLength()));
        pDC->ExtTextOut(x, y, ETO_CLIPPED, &rectClip, strLine, UINT(strLine.GetLength()), nullptr);
        // the text after the dots is not shown
        if (bDots)
            break;
    }
}

void CGXDrawingAndFormatting::DrawRotatedText(CDC* pDC, const char* pszText, int nLength, const CRect& rect,
                                              UINT nFormat, LONG nOrientation, const CRect* pClipRect)
{
    if (CGXAbstractDrawRotatedTextImp* pImp = GXGetLibraryState()->m_pDrawRotatedTextImp)
        pImp->DrawRotatedText(pDC, pszText, nLength, rect, nFormat, nOrientation, pClipRect);
}

int CGXDrawingAndFormatting::HitTestText(CDC* pDC, const char* pszText, int nLength, const CRect& rect,
                                         UINT nFormat, CPoint point)
{
    nLength = TextLength(pszText, nLength);
    const Layout layout(*this, pDC, pszText, nLength, rect, nFormat);
    const int nLineHeight = layout.tm.tmHeight + layout.tm.tmExternalLeading;
    if (point.y < layout.rect.top || nLineHeight <= 0)
        return -1;
    const int nLine = (point.y - layout.rect.top) / nLineHeight;
    if (nLine >= layout.nLines)
        return -1;
    // right-to-left reading mirrors the line in the rectangle
    int x = point.x;
    UINT nAlign = nFormat;
    if (pDC->GetTextAlign() & TA_RTLREADING) {
        x = rect.left + rect.right - point.x;
        if (nFormat & DT_RIGHT)
            nAlign &= ~UINT(DT_RIGHT);
        else if ((nFormat & DT_CENTER) == 0)
            nAlign |= DT_RIGHT;
    }
    const char* p = pszText + layout.anStarts[nLine];
    const int n = TrimmedLength(p, layout.anLengths[nLine]);
    const int nStart = LineLeft(rect, nAlign, TextWidth(pDC, p, n));
    if (x < nStart - layout.tm.tmMaxCharWidth / 3)
        return -1;
    for (int k = 0; k < n; k += CharBytes(p + k, p + n)) {
        if (nStart + TextWidth(pDC, p, k + CharBytes(p + k, p + n)) > x)
            return layout.anStarts[nLine] + k;
    }
    return -1;
}

void CGXDrawingAndFormatting::FormatValue(CString& strResult, const CGXStyle& style, const char* pszValue,
                                          UINT nValueType)
{
    if (CGXAbstractNumberFormattingImp* pImp = GXGetLibraryState()->m_pNumberFormattingImp) {
        strResult = pImp->FormatValue(style, pszValue, nValueType);
        return;
    }
    if (pszValue != nullptr)
        strResult = pszValue;
    else if (style.GetIncludeValue())
        strResult = style.GetValueRef();
    else
        strResult.Empty();
}

BOOL CGXDrawingAndFormatting::ParseValue(const char* pszText, double& dValue, UINT& nFormat, UINT& nPlaces)
{
    CGXAbstractNumberFormattingImp* pImp = GXGetLibraryState()->m_pNumberFormattingImp;
    return pImp != nullptr ? pImp->ParseNumber(pszText, dValue, &nFormat, &nPlaces) : FALSE;
}

void CGXDrawingAndFormatting::Draw3dRect(CDC* pDC, int nLeft, int nTop, int nRight, int nBottom, int nWidth,
                                         COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    const COLORREF clrOld = pDC->GetBkColor();
    for (int i = 0; i < nWidth; ++i) {
        const int l = nLeft + i, t = nTop + i, r = nRight - i, b = nBottom - i;
        if (r < l || b < t)
            break;
        pDC->FillSolidRect(l, t, r - l, 1, clrTopLeft);
        pDC->FillSolidRect(l, t, 1, b - t, clrTopLeft);
        pDC->FillSolidRect(r, t, 1, b - t + 1, clrBottomRight);
        pDC->FillSolidRect(l, b, r - l + 1, 1, clrBottomRight);
    }
    pDC->SetBkColor(clrOld);
}

void CGXDrawingAndFormatting::DrawButtonEdge(CDC* pDC, CRect rect, BOOL bPressedOrFlat, BOOL bHighlighted)
{
    if (!bPressedOrFlat)
        return;
    if (bHighlighted) {
        pDC->DrawEdge(&rect, BDR_RAISEDINNER | BDR_SUNKENINNER, BF_RECT | BF_ADJUST | BF_FLAT);
        pDC->DrawEdge(&rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    } else {
        pDC->DrawEdge(&rect, BDR_RAISEDOUTER | BDR_SUNKENOUTER, BF_RECT | BF_ADJUST | BF_MONO);
    }
}

void CGXDrawingAndFormatting::DrawCaptionText(CDC* pDC, const CRect& rect, BOOL bFocus, const char* pszText,
                                              UINT nFormat)
{
    const char* pszShown = pszText != nullptr && *pszText != '\0' ? pszText : "--";
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CRect rectCalc(0, 0, rect.Width(), rect.Height());
    pDC->DrawText(pszShown, -1, &rectCalc, nFormat | DT_CALCRECT);
    const int cx = rectCalc.Width() + 6;
    const int cy = rectCalc.Height();
    CRect rectText(rect.left + (rect.Width() - cx) / 2, rect.top + (rect.Height() - cy) / 2, 0, 0);
    rectText.right = rectText.left + cx;
    rectText.bottom = rectText.top + cy;
    rectText.IntersectRect(rectText, rect);
    DrawTextWrapped(pDC, pszShown, -1, rectText, nFormat | DT_CENTER, &rectText);
    if (bFocus) {
        const COLORREF clrShadow = GXGetSysColors()->GetSysColor(COLOR_BTNSHADOW);
        const COLORREF clrOld = pDC->GetBkColor();
        const int w = rectText.Width(), h = rectText.Height();
        pDC->FillSolidRect(rectText.left + 2, rectText.top, w - 4, 1, clrShadow);
        pDC->FillSolidRect(rectText.left + 2, rectText.bottom - 1, w - 4, 1, clrShadow);
        pDC->FillSolidRect(rectText.left, rectText.top + 2, 1, h - 4, clrShadow);
        pDC->FillSolidRect(rectText.right - 1, rectText.top + 2, 1, h - 4, clrShadow);
        pDC->SetBkColor(clrOld);
    }
    pDC->SetBkMode(nOldMode);
}

void CGXDrawingAndFormatting::DrawCellText(CGXControl* pControl, CDC* pDC, const CRect& rect, ROWCOL nRow,
                                           ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandardStyle)
{
    pControl->DrawBackground(pDC, rect, style);
    DrawCellContent(pControl, pDC, rect, nRow, nCol, style, pStandardStyle, CSize(0, 0));
}

void CGXDrawingAndFormatting::DrawCellContent(CGXControl* pControl, CDC* pDC, const CRect& rect, ROWCOL nRow,
                                              ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandardStyle,
                                              CSize sizeShift)
{
    CGXGridCore* pGrid = pControl->Grid();
    const CGXGridParam* pParam = pGrid->GetParam();
    CString strText;
    if (pParam != nullptr && pParam->GetControlOptions().bShowStoredValues)
        strText = pGrid->GetStoredValueRowCol(nRow, nCol);
    else
        pControl->GetControlText(strText, nRow, nCol, nullptr, style);
    if (strText.IsEmpty()) {
        pControl->CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    // a text in a cell too small to show it: the background only, not even the children
    if (rect.Width() <= 1 || rect.Height() <= 1)
        return;
    // a value that names a bitmap of the pool shows the bitmap, placed as the text would be; an edit
    // window shows the name itself, so its cells do too
    if (std::strncmp(strText, GX_BITMAP_PREFIX, sizeof(GX_BITMAP_PREFIX) - 1) == 0 &&
        !pControl->IsWndKindOf(RUNTIME_CLASS(CEdit))) {
        if (HGLOBAL hDIB = GetDIBPool()->LookupDIB(strText)) {
            DrawDIBInRect(pDC, hDIB, pControl->CGXControl::GetCellRect(nRow, nCol, &rect), 0,
                          style.GetHorizontalAlignment() | style.GetVerticalAlignment());
            pControl->CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
            return;
        }
    }
    CFont* pOldFont = pControl->SelectStyleFont(pDC, style, pStandardStyle);
    const BOOL bBlackWhite = pGrid->IsPrintingBlackWhite();
    const COLORREF clrOldText =
        pDC->SetTextColor(bBlackWhite ? RGB(0, 0, 0) : ResolvePacked(style.GetIncludeTextColor() ? style.GetTextColor()
                                                                                                  : RGB(0, 0, 0)));
    const COLORREF clrOldBk =
        pDC->SetBkColor(bBlackWhite || !style.GetIncludeInterior() ? RGB(255, 255, 255)
                                                                   : ResolvePacked(style.GetInterior().GetColor()));
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    UINT nFormat = DT_NOPREFIX | style.GetHorizontalAlignment() | style.GetVerticalAlignment();
    nFormat |= style.GetWrapText() ? UINT(DT_WORDBREAK) : UINT(DT_SINGLELINE);
    const UINT nOldAlign = pDC->GetTextAlign();
    if (style.HasUserAttribute(GX_IDS_UA_RTLREADING) && style.GetUserAttribute(GX_IDS_UA_RTLREADING).GetLongValue() != 0)
        pDC->SetTextAlign(nOldAlign | TA_RTLREADING);
    // the cell's own style decides the text's margins
    CRect rectText = pControl->GetCellRect(nRow, nCol, &rect);
    rectText.OffsetRect(sizeShift);
    const CGXFont& font = style.GetFontRef();
    if (style.GetIncludeFont() && font.GetIncludeOrientation() && font.GetOrientation() != 0)
        DrawRotatedText(pDC, strText, strText.GetLength(), rectText, nFormat, font.OrientationToTenths(), &rect);
    else if (style.HasUserAttribute(GX_IDS_UA_ELLIPSISTYPE))
        DrawTextEllipsis(pDC, strText, strText.GetLength(), rectText, nFormat, &rect,
                         int(style.GetUserAttribute(GX_IDS_UA_ELLIPSISTYPE).GetLongValue()));
    else
        DrawTextWrapped(pDC, strText, strText.GetLength(), rectText, nFormat, &rect);
    pDC->SetTextAlign(nOldAlign);
    pDC->SetBkMode(nOldMode);
    pDC->SetBkColor(clrOldBk);
    pDC->SetTextColor(clrOldText);
    pControl->CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

// ---- free functions ---------------------------------------------------------------------------------

CGXDrawingAndFormatting* GetDrawingAndFormatting()
{
    GridLibraryState* pState = GXGetLibraryState();
    if (pState->m_pDrawingAndFormatting == nullptr)
        pState->m_pDrawingAndFormatting = new CGXDrawingAndFormatting;
    return pState->m_pDrawingAndFormatting;
}

void FormatValueText(CString& strResult, const CGXStyle& style, const char* pszValue, UINT nValueType)
{
    GetDrawingAndFormatting()->FormatValue(strResult, style, pszValue, nValueType);
}

HGLOBAL LoadResourceDIB(HINSTANCE hModule, LPCSTR lpszName)
{
    HRSRC hResource = ::FindResourceA(hModule, lpszName, reinterpret_cast<LPCSTR>(RT_BITMAP));
    if (hResource == nullptr)
        return nullptr;
    const DWORD nSize = ::SizeofResource(hModule, hResource);
    HGLOBAL hData = ::LoadResource(hModule, hResource);
    const void* pData = hData != nullptr ? ::LockResource(hData) : nullptr;
    if (pData == nullptr)
        return nullptr;
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nSize);
    if (hCopy == nullptr)
        return nullptr;
    std::memcpy(::GlobalLock(hCopy), pData, nSize);
    ::GlobalUnlock(hCopy);
    return hCopy;
}

int GetDIBNumColors(const BITMAPINFOHEADER* pHeader)
{
    if (pHeader->biClrUsed != 0)
        return int(pHeader->biClrUsed);
    switch (pHeader->biBitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

BOOL LoadSysColorBitmap(CBitmap& bitmap, LPCSTR lpszName)
{
    const LPCSTR lpszType = reinterpret_cast<LPCSTR>(RT_BITMAP);
    HINSTANCE hModule = AfxFindResourceHandle(lpszName, lpszType);
    HRSRC hResource = hModule != nullptr ? ::FindResourceA(hModule, lpszName, lpszType) : nullptr;
    HGLOBAL hData = hResource != nullptr ? ::LoadResource(hModule, hResource) : nullptr;
    const auto* pData = static_cast<const BYTE*>(hData != nullptr ? ::LockResource(hData) : nullptr);
    if (pData == nullptr)
        return FALSE;
    const size_t nSize = ::SizeofResource(hModule, hResource);
    const auto* pHeader = reinterpret_cast<const BITMAPINFOHEADER*>(pData);
    if (nSize < sizeof(BITMAPINFOHEADER) || pHeader->biSize < sizeof(BITMAPINFOHEADER) || pHeader->biSize > nSize)
        return FALSE;
    // the colour table holds one entry per colour of the bit depth; the bits follow the resource's own
    // table (and the three masks of a bit-field bitmap)
    const int nStored = GetDIBNumColors(pHeader);
    const int nEntries = pHeader->biBitCount <= 8 ? 1 << pHeader->biBitCount : 0;
    const size_t nMasks = pHeader->biCompression == BI_BITFIELDS && pHeader->biSize == sizeof(BITMAPINFOHEADER) ? 12 : 0;
    const size_t nBitsOffset = pHeader->biSize + nMasks + size_t(nStored) * sizeof(RGBQUAD);
    if (nStored > 256 || nBitsOffset > nSize)
        return FALSE;
    std::vector<BYTE> info(sizeof(BITMAPINFOHEADER) + size_t(std::max(nEntries, 1)) * sizeof(RGBQUAD) + 12);
    auto* pInfo = reinterpret_cast<BITMAPINFO*>(info.data());
    pInfo->bmiHeader = *pHeader;
    pInfo->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    pInfo->bmiHeader.biClrUsed = 0;
    std::memcpy(pInfo->bmiColors, pData + pHeader->biSize, nMasks + size_t(std::min(nStored, nEntries)) * sizeof(RGBQUAD));
    const struct {
        COLORREF clrFrom;
        int nSysColor;
    } kMap[] = {{RGB(0, 0, 0), COLOR_BTNTEXT},
                {RGB(128, 128, 128), COLOR_BTNSHADOW},
                {RGB(192, 192, 192), COLOR_BTNFACE},
                {RGB(255, 255, 255), COLOR_BTNHIGHLIGHT}};
    for (int i = 0; i < nEntries; ++i) {
        RGBQUAD& q = pInfo->bmiColors[i];
        const COLORREF clr = RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
        for (const auto& m : kMap) {
            if (clr != m.clrFrom)
                continue;
            const COLORREF clrTo = GXGetSysColors()->GetSysColor(m.nSysColor);
            q.rgbRed = GetRValue(clrTo);
            q.rgbGreen = GetGValue(clrTo);
            q.rgbBlue = GetBValue(clrTo);
            break;
        }
    }
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hBitmap = ::CreateDIBitmap(hScreen, &pInfo->bmiHeader, CBM_INIT, pData + nBitsOffset, pInfo, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hScreen);
    if (hBitmap == nullptr)
        return FALSE;
    bitmap.DeleteObject();
    bitmap.Attach(hBitmap);
    return TRUE;
}

void InvertRectClipped(CDC* pDC, const CRect& rect, const CRect& rectClip)
{
    CRect r = rect;
    if (!rectClip.IsRectEmpty() && !r.IntersectRect(rect, rectClip))
        return;
    pDC->InvertRect(&r);
}

void FillAreaWithColor(CDC* pDC, int x, int y, int nWidth, int nHeight, COLORREF color)
{
    const COLORREF clrOld = pDC->SetBkColor(ResolvePacked(color));
    const CRect rect(x, y, x + nWidth, y + nHeight);
    pDC->ExtTextOut(0, 0, ETO_OPAQUE, &rect, "", 0, nullptr);
    pDC->SetBkColor(clrOld);
}

void FillRectWithColor(CDC* pDC, const CRect& rect, COLORREF color)
{
    FillAreaWithColor(pDC, rect.left, rect.top, rect.Width(), rect.Height(), color);
}

void DrawRectEdge(CDC* pDC, CRect& rect, UINT nEdge, BOOL bAdjust)
{
    pDC->DrawEdge(&rect, nEdge, BF_RECT | (bAdjust ? BF_ADJUST : 0));
}

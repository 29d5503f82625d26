// CGXGridPrintImp: the grid's pages, the printing of one page through the print loop, and the header
// and footer blocks of the properties (see GXPrintImp.h).
#include "grid/ops/GXPrintImp.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXData.h"
#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStylesMap.h"
#include "grid/ops/GXSpanCellPool.h"
#include "grid/ops/GXSpanCellPoolImp.h"
#include "win/CDC.h"
#include "win/CDocument.h"
#include "win/CPrintInfo.h"
#include "win/CTime.h"
#include "win/CWinApp.h"
#include "win/CWnd.h"

#include <algorithm>

namespace {

enum { kTokenDate = 4, kHeaderFooterRows = 10, kHeaderFooterInset = 8 };

// The device's whole page in the DC's logical units.
CRect LogicalPage(CDC* pDC)
{
    CRect rect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    pDC->DPtoLP(&rect);
    rect.NormalizeRect();
    return rect;
}

// rect reduced by the properties' margins.
void ApplyPrintMargins(const CGXProperties* pProp, CRect& rect)
{
    if (pProp == nullptr)
        return;
    int nTop, nLeft, nBottom, nRight;
    pProp->GetMargins(nTop, nLeft, nBottom, nRight);
    rect.top += nTop;
    rect.left += nLeft;
    rect.bottom -= nBottom;
    rect.right -= nRight;
}

// The style of a header or footer cell completed from the base style it names (the standard style
// when it names none).
CGXStyle CompletedStyle(const CGXStyle& cell, const CGXStylesMap* pStylesMap)
{
    CGXStyle style(cell);
    if (pStylesMap != nullptr) {
        const WORD nBase = cell.GetIncludeBaseStyle() ? cell.GetBaseStyle() : pStylesMap->GetStandardStyle();
        const CGXStyle* pBase = nullptr;
        if (pStylesMap->LookupStyle(nBase, pBase) && pBase != nullptr)
            style.ChangeStyle(*pBase, CGXStyle::gxApplyNew);
    }
    return style;
}

// A header or footer cell's text, or false when the cell has none.
bool BlockCell(const CGXData& block, ROWCOL nRow, ROWCOL nCol, CGXStyle& style)
{
    return block.GetCellStyle(nRow, nCol, style, CGXStyle::gxCopy, CGXData::gxCellStyle) && style.GetIncludeValue() &&
           !style.GetValueRef().IsEmpty();
}

// The font of a header or footer cell selected into a DC for the life of the object; the height of
// "X" in it.
class CellFont {
public:
    CellFont(CDC* pDC, const CGXStyle& style) : m_pDC(pDC)
    {
        if (style.GetIncludeFont()) {
            LOGFONTA lf;
            style.GetFontRef().GetZoomedLogFont(lf, 100);
            if (m_font.CreateFontIndirect(&lf))
                m_pOld = pDC->SelectObject(&m_font);
        }
    }
    ~CellFont()
    {
        if (m_pOld != nullptr)
            m_pDC->SelectObject(m_pOld);
    }
    CellFont(const CellFont&) = delete;
    CellFont& operator=(const CellFont&) = delete;
    int LineHeight() const { return m_pDC->GetTextExtent("X", 1).cy; }

private:
    CDC* m_pDC;
    CFont m_font;
    CFont* m_pOld = nullptr;
};

}  // namespace

class CGXGridPrintImp : public CGXAbstractGridPrintImp {
public:
    void OnBeginPrinting(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrintPage(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) override;
    void PrintHeaderAndFooter(CGXProperties& properties, CDC* pDC, CPrintInfo* pInfo, CDocument* pDoc,
                              CGXGridParam* pParam) override;
    int CalcHeaderFooterHeight(CGXProperties& properties, CDC* pDC, CGXData& block,
                               CGXStylesMap* pStylesMap) override;
    void DrawHeaderFooter(CGXProperties& properties, CDC* pDC, CPrintInfo* pInfo, const CRect& rect, CGXData& block,
                          CGXStylesMap* pStylesMap) override;
    CString SubstituteTokens(CGXProperties& properties, const char* pszText) override;
    CString GetTokenValue(CGXProperties& properties, int nIndex, CString& strRest) override;
    CString GetTokenArgument(CGXProperties& properties, CString& strRest) override;

private:
    // The pages found are remembered in the properties.
    static void RememberPageBreaks(CGXGridCore* pGrid)
    {
        if (CGXProperties* pProp = pGrid->GetParam()->GetProperties()) {
            pProp->GetColPageBreaks().Copy(pGrid->m_awPrintColStarts);
            pProp->GetRowPageBreaks().Copy(pGrid->m_awPrintRowStarts);
        }
    }

    // The grid's printing state belongs to the grid; this module is the grid's friend.
    // The grid in printing mode on a DC with the standard style's font selected, for the life of the
    // object; leaving (also by an exception) deselects the font and ends printing mode.
    class PrintingScope {
    public:
        PrintingScope(CGXGridCore* pGrid, CDC* pDC) : m_pGrid(pGrid), m_pDC(pDC)
        {
            pGrid->SetPrinting(pDC, FALSE);
            pGrid->LookupBaseStyles();
            pGrid->FreeObjectCache();
            if (pGrid->m_pStyleStandard != nullptr)
                m_pOldFont = pGrid->SelectStyleFont(pDC, *pGrid->m_pStyleStandard);
            CGXGridCore::CalcFontMetrics(pDC, pGrid->m_dxCharPrint, pGrid->m_dyCharPrint);
        }
        ~PrintingScope()
        {
            if (m_pOldFont != nullptr)
                m_pDC->SelectObject(m_pOldFont);
            m_pGrid->SetPrinting(nullptr, FALSE);
        }
        PrintingScope(const PrintingScope&) = delete;
        PrintingScope& operator=(const PrintingScope&) = delete;

    private:
        CGXGridCore* m_pGrid;
        CDC* m_pDC;
        CFont* m_pOldFont = nullptr;
    };

    // One direction of the pagination: rows (bRow) or columns.
    struct PageAxis {
        CGXGridCore* g;
        BOOL bRow;

        ROWCOL Count() const { return bRow ? g->GetRowCount() : g->GetColCount(); }
        ROWCOL Frozen() const { return bRow ? g->GetFrozenRows() : g->GetFrozenCols(); }
        int Size(ROWCOL n) const { return bRow ? g->GetRowHeight(n) : g->GetColWidth(n); }
        int Room() const { return bRow ? g->m_rectPrint.Height() : g->m_rectPrint.Width(); }
        CDWordArray& Starts() const { return bRow ? g->m_awPrintRowStarts : g->m_awPrintColStarts; }
        ROWCOL& PrintFirst() const { return bRow ? g->m_nPrintTopRow : g->m_nPrintLeftCol; }
        ROWCOL ScreenFirst() const { return bRow ? g->m_nTopRow : g->m_nLeftCol; }
        UINT& ScreenPage() const { return bRow ? g->m_nPrintTopRowPage : g->m_nPrintLeftColPage; }
        CDWordArray& Breaks(CGXProperties& prop) const { return bRow ? prop.GetRowPageBreaks() : prop.GetColPageBreaks(); }

        // The first line that does not fit the print rectangle when the page starts at nFirst (the headers
        // and frozen lines come first on every page): at least nFirst + 1, the count + 1 when all fit.
        ROWCOL FirstNotFitting(ROWCOL nFirst) const
        {
            const ROWCOL nCount = Count();
            const int nRoom = Room();
            int nUsed = 0;
            for (ROWCOL n = 0; n <= Frozen() && n <= nCount; ++n)
                nUsed += Size(n);
            for (ROWCOL n = nFirst; n <= nCount; ++n) {
                nUsed += Size(n);
                if (nUsed > nRoom)
                    return std::max(n, nFirst + 1);
            }
            return nCount + 1;
        }

        // Pages from nFirst to nLast: the starts from the entry at nKeep on are measured again (nKeep 0:
        // all of them), the last one closed at nLast + 1.
        void Paginate(int nKeep, ROWCOL nFirst, ROWCOL nLast) const
        {
            CDWordArray& starts = Starts();
            starts.SetSize(nKeep);
            starts.Add(nFirst);
            const ROWCOL nScreen = ScreenFirst();
            for (ROWCOL n = nFirst;;) {
                const ROWCOL nNext = FirstNotFitting(n);
                if (nScreen >= n && nScreen < nNext)
                    ScreenPage() = UINT(starts.GetSize() - 1);
                starts.Add(nNext);
                if (nNext > nLast)
                    break;
                n = nNext;
            }
            starts[starts.GetSize() - 1] = nLast + 1;
        }

        // The screen's page: its first line and the first that does not fit after it.
        void PaginateScreen() const
        {
            CDWordArray& starts = Starts();
            starts.RemoveAll();
            const ROWCOL nFirst = std::max(ScreenFirst(), Frozen() + 1);
            starts.Add(nFirst);
            starts.Add(FirstNotFitting(nFirst));
            ScreenPage() = 0;
        }

        UINT Pages() const { return UINT(std::max<int32_t>(Starts().GetSize() - 1, 0)); }

        // The last line printed on page nPage.
        ROWCOL LastOnPage(UINT nPage) const
        {
            const CDWordArray& starts = Starts();
            return std::min<ROWCOL>(starts[int32_t(nPage) + 1] - 1, Count());
        }
    };
};

void CGXGridPrintImp::OnBeginPrinting(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo)
{
    CWaitCursor wait;
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return;
    pGrid->PrepareGridDC(pDC, TRUE);
    pGrid->m_awPrintRowStarts.RemoveAll();
    pGrid->m_awPrintColStarts.RemoveAll();
    pGrid->m_nPrintTopRowPage = pGrid->m_nPrintLeftColPage = 0;
    pGrid->m_bPrintPaintRequested = FALSE;

    // floats are measured again on the printer, in pools of their own
    GridLibraryState* pState = GXGetLibraryState();
    if (pParam->GetSpanPool(CGXGridParam::gxPrintFloatPool) == nullptr && pState->m_pSpanCellPoolImp != nullptr)
        pParam->SetSpanPool(CGXGridParam::gxPrintFloatPool, pState->m_pSpanCellPoolImp->CreatePool());
    if (pParam->GetDelayedRangePool(CGXGridParam::gxPrintFloatDelayed) == nullptr &&
        pState->m_pDelayedRangePoolImp != nullptr)
        pParam->SetDelayedRangePool(CGXGridParam::gxPrintFloatDelayed, pState->m_pDelayedRangePoolImp->CreatePool());

    const PrintingScope printing(pGrid, pDC);
    pGrid->DelayFloatCells(CGXCellRange().SetTable(), ROWCOL(-1));
    CGXProperties* pProp = pParam->GetProperties();
    CRect rect = LogicalPage(pDC);
    ApplyPrintMargins(pProp, rect);
    pInfo->m_rectDraw = rect;
    pGrid->m_rectPrint = rect;

    const PageAxis rows{pGrid, TRUE}, cols{pGrid, FALSE};
    const CGXRangeList& selection = pParam->GetRangeList1();
    pGrid->m_bPrintSelection = pInfo->m_pPD->PrintSelection();
    if (pGrid->m_bPrintSelection && selection.IsEmpty()) {
        // the selection option without a selection prints what the screen shows
        rows.PaginateScreen();
        cols.PaginateScreen();
    } else {
        CGXCellRange area;
        if (pGrid->m_bPrintSelection)
            area = *selection.GetRangeAt(selection.GetTailPosition());
        else
            area.SetTable();
        area.ExpandToCells(pGrid->GetFrozenRows() + 1, pGrid->GetFrozenCols() + 1, pGrid->GetRowCount(),
                           pGrid->GetColCount());
        cols.Paginate(0, std::max(area.left, pGrid->GetFrozenCols() + 1), area.right);
        rows.Paginate(0, std::max(area.top, pGrid->GetFrozenRows() + 1), area.bottom);
    }
    RememberPageBreaks(pGrid);

    const UINT nRowPages = rows.Pages(), nColPages = cols.Pages();
    const UINT nPages = nRowPages * nColPages;
    pInfo->SetMaxPage(nPages);
    CString strCount;
    strCount.Format(" / %u", nPages);
    pInfo->m_strPageDesc += strCount;
    if (pInfo->m_bPreview && nPages > 0) {
        const UINT nRowPage = pGrid->m_nPrintTopRowPage, nColPage = pGrid->m_nPrintLeftColPage;
        pInfo->m_nCurPage = pProp != nullptr && pProp->GetPageOrder() == 1 ? nColPage * nRowPages + nRowPage + 1
                                                                           : nRowPage * nColPages + nColPage + 1;
    }
}

void CGXGridPrintImp::OnPrintPage(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return;
    pGrid->m_bPrintPaintRequested = FALSE;
    {
        const PrintingScope printing(pGrid, pDC);
        CGXProperties* pProp = pParam->GetProperties();
        ApplyPrintMargins(pProp, pInfo->m_rectDraw);
        CRect rect = pInfo->m_rectDraw;
        pGrid->m_rectPrint = rect;

        const PageAxis rows{pGrid, TRUE}, cols{pGrid, FALSE};
        UINT nRowPages = rows.Pages(), nColPages = cols.Pages();
        if (nRowPages == 0 || nColPages == 0 || pInfo->m_nCurPage < 1)
            return;
        const BOOL bDownFirst = pProp != nullptr && pProp->GetPageOrder() == 1;
        const UINT nIndex = pInfo->m_nCurPage - 1;
        UINT nRowPage = bDownFirst ? nIndex % nRowPages : nIndex / nColPages;
        UINT nColPage = bDownFirst ? nIndex / nRowPages : nIndex % nColPages;

        // a grid that grew since the pages were counted gets its last pages measured again
        if (!pGrid->m_bPrintSelection) {
            BOOL bGrown = FALSE;
            for (const PageAxis* pAxis : {&rows, &cols}) {
                CDWordArray& starts = pAxis->Starts();
                const int32_t nLast = starts.GetSize() - 1;
                if (pAxis->Count() >= starts[nLast]) {
                    const int32_t nKeep = std::max<int32_t>(nLast - 1, 0);
                    pAxis->Paginate(nKeep, starts[nKeep], pAxis->Count());
                    bGrown = TRUE;
                }
            }
            if (bGrown) {
                RememberPageBreaks(pGrid);
                nRowPages = rows.Pages();
                nColPages = cols.Pages();
                pInfo->SetMaxPage(nRowPages * nColPages);
                nRowPage = bDownFirst ? nIndex % nRowPages : nIndex / nColPages;
                nColPage = bDownFirst ? nIndex / nRowPages : nIndex % nColPages;
            }
        }
        if (nRowPage >= nRowPages || nColPage >= nColPages)
            return;
        pGrid->m_nPrintTopRow = pGrid->m_awPrintRowStarts[int32_t(nRowPage)];
        pGrid->m_nPrintLeftCol = pGrid->m_awPrintColStarts[int32_t(nColPage)];

        // the page's size: headers and frozen lines, then the page's own lines
        const int nLastRow = pGrid->RowToDisplayIndex(rows.LastOnPage(nRowPage));
        const int nLastCol = pGrid->ColToDisplayIndex(cols.LastOnPage(nColPage));
        int nWidth = pGrid->SumDisplayColWidths(0, nLastCol);
        int nHeight = pGrid->SumDisplayRowHeights(0, nLastRow);
        if (pProp != nullptr && pProp->GetCenterHorizontal())
            rect.left += std::max(rect.Width() - nWidth, 0) / 2;
        if (pProp != nullptr && pProp->GetCenterVertical())
            rect.top += std::max(rect.Height() - nHeight, 0) / 2;
        rect.right = rect.left + nWidth;
        rect.bottom = rect.top + nHeight;
        pGrid->m_rectPrint = rect;

        if (pProp != nullptr) {
            pProp->PrintHeaderFooter(pDC, pInfo, pGrid->GetGridDoc(), pParam);
            if (pProp->GetPrintFrame()) {
                if (pParam->GetLineOffset()) {
                    --nWidth;
                    --nHeight;
                }
                const COLORREF black = RGB(0, 0, 0);
                pDC->FillSolidRect(rect.left - 2, rect.top - 2, nWidth + 4, 2, black);
                pDC->FillSolidRect(rect.left - 2, rect.top + nHeight, nWidth + 4, 2, black);
                pDC->FillSolidRect(rect.left - 2, rect.top, 2, nHeight, black);
                pDC->FillSolidRect(rect.left + nWidth, rect.top, 2, nHeight, black);
            }
        }

        const int nSaved = pDC->SaveDC();
        try {
            pDC->IntersectClipRect(&rect);
            pGrid->DrawCellMatrix(0, 0, nLastRow, nLastCol, pDC);
        } catch (...) {
            pDC->RestoreDC(nSaved);
            throw;
        }
        pDC->RestoreDC(nSaved);
        pInfo->m_bContinuePrinting = nRowPage + 1 < nRowPages || nColPage + 1 < nColPages;
    }
    if (pGrid->m_bPrintPaintRequested)
        pGrid->Redraw(2, FALSE);
}

void CGXGridPrintImp::OnEndPrinting(CGXGridCore* pGrid, CDC*, CPrintInfo*)
{
    if (CWnd* pWnd = pGrid->GridWnd(); pWnd != nullptr && pWnd->m_hWnd != nullptr)
        pWnd->Invalidate(TRUE);
    if (CGXGridParam* pParam = pGrid->GetParam()) {
        pParam->SetSpanPool(CGXGridParam::gxPrintFloatPool, nullptr);
        pParam->SetDelayedRangePool(CGXGridParam::gxPrintFloatDelayed, nullptr);
    }
}

// ---- header and footer ---------------------------------------------------------------------------

void CGXGridPrintImp::PrintHeaderAndFooter(CGXProperties& properties, CDC* pDC, CPrintInfo* pInfo, CDocument* pDoc,
                                           CGXGridParam* pParam)
{
    CStringArray& values = properties.GetTokenValues();
    if (values.GetSize() < properties.GetTokens().GetSize())
        values.SetSize(properties.GetTokens().GetSize());
    values[0] = pDoc != nullptr ? pDoc->GetTitle() : CString();
    values[1] = AfxGetAppName() != nullptr ? CString(AfxGetAppName()) : CString();
    values[3].Format("%u", pInfo->GetMaxPage());
    const int nFirst = properties.GetFirstPage();
    const int nPage = nFirst == -1 ? int(pInfo->m_nCurPage) : nFirst + int(pInfo->m_nCurPage) - int(pInfo->GetMinPage());
    values[2].Format("%d", nPage);
    values[5] = pParam != nullptr ? pParam->GetTitle() : CString();

    CGXStylesMap* pStylesMap = pParam != nullptr ? pParam->GetStylesMap() : nullptr;
    int nDistHeader, nDistFooter;
    properties.GetDistances(nDistHeader, nDistFooter);
    const CRect& rectDraw = pInfo->m_rectDraw;
    const CRect rectHeader(rectDraw.left, nDistHeader, rectDraw.right, rectDraw.top);
    DrawHeaderFooter(properties, pDC, pInfo, rectHeader, properties.GetDataHeader(), pStylesMap);

    CRect rectFooter(rectDraw.left, 0, rectDraw.right, LogicalPage(pDC).bottom - nDistFooter);
    rectFooter.top = std::max<LONG>(
        rectFooter.bottom - CalcHeaderFooterHeight(properties, pDC, properties.GetDataFooter(), pStylesMap),
        rectDraw.bottom);
    DrawHeaderFooter(properties, pDC, pInfo, rectFooter, properties.GetDataFooter(), pStylesMap);
}

int CGXGridPrintImp::CalcHeaderFooterHeight(CGXProperties&, CDC* pDC, CGXData& block, CGXStylesMap* pStylesMap)
{
    int nMax = 0;
    for (ROWCOL nCol = 1; nCol <= 3; ++nCol) {
        int nSum = 0;
        for (ROWCOL nRow = 1; nRow <= kHeaderFooterRows; ++nRow) {
            CGXStyle cell;
            if (!BlockCell(block, nRow, nCol, cell))
                continue;
            const CellFont font(pDC, CompletedStyle(cell, pStylesMap));
            nSum += font.LineHeight();
        }
        nMax = std::max(nMax, nSum);
    }
    return nMax;
}

void CGXGridPrintImp::DrawHeaderFooter(CGXProperties& properties, CDC* pDC, CPrintInfo*, const CRect& rect,
                                       CGXData& block, CGXStylesMap* pStylesMap)
{
    static const UINT kAlign[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    const CRect rectPage = LogicalPage(pDC);
    for (ROWCOL nCol = 1; nCol <= 3; ++nCol) {
        int y = rect.top;
        for (ROWCOL nRow = 1; nRow <= kHeaderFooterRows; ++nRow) {
            CGXStyle cell;
            if (!BlockCell(block, nRow, nCol, cell))
                continue;
            const CGXStyle style = CompletedStyle(cell, pStylesMap);
            const CellFont font(pDC, style);
            const int nHeight = font.LineHeight();
            const CString strText = SubstituteTokens(properties, style.GetValueRef());
            CRect rectLine(rect.left + kHeaderFooterInset, y, rect.right - kHeaderFooterInset, y + nHeight);
            const int nOldMode = pDC->SetBkMode(TRANSPARENT);
            // like every cell text; clipped to the page only
            GetDrawingAndFormatting()->DrawTextWrapped(pDC, strText, strText.GetLength(), rectLine,
                                                       DT_SINGLELINE | DT_NOPREFIX | kAlign[nCol - 1], &rectPage);
            pDC->SetBkMode(nOldMode);
            y += nHeight;
        }
    }
}

CString CGXGridPrintImp::SubstituteTokens(CGXProperties& properties, const char* pszText)
{
    const CStringArray& tokens = properties.GetTokens();
    CString strRest(pszText != nullptr ? pszText : "");
    CString strOut;
    while (!strRest.IsEmpty()) {
        BOOL bMatched = FALSE;
        for (int32_t i = 0; i < tokens.GetSize() && !bMatched; ++i) {
            const CString& strToken = tokens[i];
            if (strToken.IsEmpty() || strRest.GetLength() < strToken.GetLength() ||
                strRest.Left(strToken.GetLength()).CompareNoCase(strToken) != 0)
                continue;
            strRest = strRest.Mid(strToken.GetLength());
            strOut += GetTokenValue(properties, int(i), strRest);
            bMatched = TRUE;
        }
        if (!bMatched) {
            strOut += strRest[0];
            strRest = strRest.Mid(1);
        }
    }
    return strOut;
}

CString CGXGridPrintImp::GetTokenValue(CGXProperties& properties, int nIndex, CString& strRest)
{
    if (nIndex == kTokenDate) {
        CString strFormat = GetTokenArgument(properties, strRest);
        if (strFormat.IsEmpty())
            strFormat = "%c";
        return CTime::GetCurrentTime().Format(strFormat);
    }
    const CStringArray& values = properties.GetTokenValues();
    return nIndex >= 0 && nIndex < values.GetSize() ? values[nIndex] : CString();
}

CString CGXGridPrintImp::GetTokenArgument(CGXProperties&, CString& strRest)
{
    if (strRest.IsEmpty() || strRest[0] != '{')
        return CString();
    const int nClose = strRest.Find('}');
    if (nClose < 0)
        return CString();
    const CString strArgument = strRest.Mid(1, nClose - 1);
    strRest = strRest.Mid(nClose + 1);
    return strArgument;
}

CGXAbstractGridPrintImp* GXCreatePrintImp()
{
    return new CGXGridPrintImp;
}

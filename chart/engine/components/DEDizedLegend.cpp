// DEDizedLegend: the keys and texts of a display's entries in a grid.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cmath>

#include "chart/engine/components/DEDizedLegend.h"

#include "chart/engine/ChartResource.h"
#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedException.h"
#include "chart/engine/components/SRGCompoundComponent.h"
#include "chart/engine/display/ChartGraphTypes.h"
#include "chart/engine/display/SRGDisplayBase.h"
#include "chart/engine/template/ChartTemplateScanner.h"
#include "core/CStdioFile.h"
#include "win/AfxResource.h"
#include "win/ArgCheck.h"

IMPLEMENT_SERIAL(DEDizedLegend, DEDizedTitle, VERSIONABLE_SCHEMA | 1)

namespace {

// Pixels per inch per millimetre, exact.
const double kMillimetres = 0.03937007874015748;
// A symbol kind without a shape of its own: DrawSymbol fills the box.
const int kBoxSymbol = 1;
// Bounds of the columns and rows a style may ask for.
const int kMaxFixedGrid = 1000;

// The cell size of the last legend laid out.
CSize g_sharedCell(0, 0);

// Graph types drawn with lines (their keys are a line and a marker).
bool IsLineGraphType(int nType)
{
    switch (nType) {
    case 0x01: case 0x07: case 0x08: case 0x12: case 0x13: case 0x14: case 0x15: case 0x17: case 0x19:
    case 0x1A: case 0x1B: case 0x1D: case 0x1F: case 0x20: case 0x21: case 0x22: case 0x23: case 0x24:
    case 0x2B: case 0x2C: case 0x2D:
        return true;
    default:
        return false;
    }
}

int Ceil(double dValue)
{
    return int(std::ceil(dValue));
}

} // namespace

DEDizedLegend::DEDizedLegend()
    : m_pDisplay(nullptr),
      m_rcGrid(0, 0, 0, 0),
      m_bFitWidth(0),
      m_bFitHeight(0),
      m_bAnchorLeft(0),
      m_bAnchorTop(0),
      m_bResize(0),
      m_bFollowDisplay(1),
      m_dKeySize(20.0),
      m_nEntryCount(0),
      m_nTextWidth(10),
      m_nRowSpacing(1),
      m_nColumns(0),
      m_nRows(0),
      m_nRowHeight(0),
      m_nKeyPixels(0),
      m_nKeyCellWidth(0),
      m_nOffsetY(0)
{
    m_nTypeId = chartTypeLegend;
    SetSourceKind(entriesAutomatic);
    SetKeyKind(keyByGraphType);
    // the entries are laid out in the grid: they neither avoid each other nor fill their outlines
    m_entries.SetAvoidOverlap(0);
    m_entries.GetStyle()->m_nStyle &= ~(styleBorderMask | styleShadowMask | styleFillMask);
}

int DEDizedLegend::GetVersion() const
{
    return 4;
}

void DEDizedLegend::Serialize(CArchive& ar)
{
    DEDizedTitle::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_bFitWidth << m_bFitHeight << m_bAnchorLeft << m_bAnchorTop << m_dKeySize;
        ar << m_nTextWidth << m_nRowSpacing << m_bResize;
        return;
    }
    ar >> m_bFitWidth >> m_bFitHeight >> m_bAnchorLeft >> m_bAnchorTop >> m_dKeySize;
    const int nVersion = GetArchiveVersion();
    if (nVersion >= 3)
        ar >> m_nTextWidth >> m_nRowSpacing;
    if (nVersion >= 4)
        ar >> m_bResize;
}

void DEDizedLegend::SetDefaultMargins()
{
    DEDizedTitle::SetDefaultMargins();
    switch (m_rect.GetMeasurement()) {
    case DEDizedRect::measureMillimetres:
        m_dKeySize = 10.0;
        break;
    case DEDizedRect::measureInches:
        m_dKeySize = 0.4;
        break;
    case DEDizedRect::measurePerCent:
        m_dKeySize = 5.0;
        break;
    default:
        m_dKeySize = 20.0;
        break;
    }
}

void DEDizedLegend::SetLayoutFlags(int nFlags)
{
    m_bFitWidth = (nFlags & fitWidth) != 0;
    m_bFitHeight = (nFlags & fitHeight) != 0;
    m_bAnchorLeft = (nFlags & anchorLeft) != 0;
    m_bAnchorTop = (nFlags & anchorTop) != 0;
}

int DEDizedLegend::GetLayoutFlags() const
{
    return (m_bFitWidth ? fitWidth : 0) | (m_bFitHeight ? fitHeight : 0) | (m_bAnchorLeft ? anchorLeft : 0) |
           (m_bAnchorTop ? anchorTop : 0);
}

void DEDizedLegend::SetResize(int bResize)
{
    m_bResize = bResize;
}

int DEDizedLegend::GetResize() const
{
    return m_bResize;
}

CSize DEDizedLegend::GetSharedCellSize()
{
    return g_sharedCell;
}

void DEDizedLegend::ResetSharedCellSize()
{
    g_sharedCell = CSize(0, 0);
}

int DEDizedLegend::FitFontSize()
{
    return m_nFontSize;
}

// ---- entries -----------------------------------------------------------------------------------------

int DEDizedLegend::GetEntryKind()
{
    const int nSource = GetSourceKind();
    if (nSource != entriesAutomatic)
        return nSource;
    if (m_pDisplay == nullptr)
        return entriesGroups;
    switch (m_pDisplay->GetGraphType()) {
    case 0x04: case 0x0D:
        return entriesItems;
    case 0x14: case 0x21: case 0x27: case 0x28: case 0x31: case 0x32:
        return 2;
    default:
        return entriesGroups;
    }
}

void DEDizedLegend::FollowDisplay()
{
    m_pDisplay = nullptr;
    if (m_pChart == nullptr)
        return;
    CObList* pList = m_pChart->GetComponentList();
    POSITION pos = pList->Find(this);
    if (pos == nullptr)
        return;
    pList->GetPrev(pos);
    if (pos == nullptr)
        return;
    DEDizedComponent* pBefore = static_cast<DEDizedComponent*>(pList->GetAt(pos));
    if (pBefore->IsKindOf(RUNTIME_CLASS(SRGDisplayBase))) {
        m_pDisplay = static_cast<SRGDisplayBase*>(pBefore);
    } else if (pBefore->IsCompound()) {
        CObList* pChildren = static_cast<SRGCompoundComponent*>(pBefore)->GetChildren();
        for (POSITION child = pChildren->GetHeadPosition(); child != nullptr && m_pDisplay == nullptr;) {
            CObject* pChild = pChildren->GetNext(child);
            if (pChild->IsKindOf(RUNTIME_CLASS(SRGDisplayBase)))
                m_pDisplay = static_cast<SRGDisplayBase*>(pChild);
        }
    }
    if (m_pDisplay != nullptr) {
        int nFirstIndex = 0;
        int nFirstGroup = 0;
        int nLastIndex = 0;
        int nLastGroup = 0;
        m_pDisplay->GetDataWindow(nFirstIndex, nFirstGroup, nLastIndex, nLastGroup);
        SetDataWindow(nFirstIndex, nFirstGroup, nLastIndex, nLastGroup);
    }
}

void DEDizedLegend::LayoutHook()
{
    m_nEntryCount = 0;
    if (m_pChart == nullptr)
        return;
    int nFirstIndex = 0;
    int nFirstGroup = 0;
    int nLastIndex = 0;
    int nLastGroup = 0;
    GetDataWindow(nFirstIndex, nFirstGroup, nLastIndex, nLastGroup);
    nFirstIndex = (std::max)(nFirstIndex, 0);
    nFirstGroup = (std::max)(nFirstGroup, 0);
    if (nLastGroup == -1)
        nLastGroup = m_pChart->GetGroupCount() - 1;
    if (nLastIndex == -1)
        nLastIndex = m_pChart->GetMaxItemCount() - 1;
    // a step below 1 would never leave its first entry
    const int nIndexStep = (std::max)(GetIndexStep(), 1);
    const int nGroupStep = (std::max)(GetGroupStep(), 1);
    const int nMode = GetMode();
    m_entryItems.clear();
    auto add = [&](const CString& text, int nGroup, int nIndex) {
        m_entries.SetLabelText(text, m_nEntryCount++, nMode);
        AfxAllocating([&] { m_entryItems.push_back(CPoint(nIndex, nGroup)); });
    };

    switch (GetEntryKind()) {
    case entriesFirstGroupItems:
        for (int nIndex = nFirstIndex; nIndex <= nLastIndex; nIndex += nIndexStep)
            add(m_pChart->GetItemAnnotation(nFirstGroup, nIndex, nMode), nFirstGroup, nIndex);
        break;
    case entriesItems: {
        CString format;
        AfxLoadString(IDS_CHART_UNNAMED_ITEM, format);
        for (int nGroup = nFirstGroup; nGroup <= nLastGroup; nGroup += nGroupStep) {
            int nCount = 0;
            AbsorbMissingData([&] { nCount = m_pChart->GetItemCount(nGroup, 0); });
            for (int nIndex = nFirstIndex; nIndex < nCount && nIndex <= nLastIndex; nIndex += nIndexStep) {
                CString text = m_pChart->GetItemAnnotation(nGroup, nIndex, nMode);
                if (text.IsEmpty())
                    text.Format(format, nGroup, nIndex);
                add(text, nGroup, nIndex);
            }
        }
        break;
    }
    default:
        for (int nGroup = nFirstGroup; nGroup <= nLastGroup; nGroup += nGroupStep)
            add(m_pChart->GetGroupAnnotation(nGroup, 1), nGroup, nFirstIndex);
        break;
    }
    while (m_entries.GetLabelCount() > m_nEntryCount)
        m_entries.RemoveLastLabel();
}

// ---- layout ------------------------------------------------------------------------------------------

int DEDizedLegend::GetKeySizePixels()
{
    if (!IsDrawing() || m_pDC == nullptr)
        return 30;
    const int nDpiX = ChartDeviceDpi(m_pDC).cx;
    switch (m_rect.GetMeasurement()) {
    case DEDizedRect::measureMillimetres:
        return int(m_dKeySize * nDpiX * kMillimetres + 0.5);
    case DEDizedRect::measureInches:
        return int(m_dKeySize * nDpiX + 0.5);
    case DEDizedRect::measurePerCent: {
        const CRect area = m_pChart != nullptr ? m_pChart->GetDrawingRect() : CRect();
        const int nSize = int((std::max)(area.Width(), area.Height()) * m_dKeySize * 0.01 + 0.5);
        return (std::max)(nSize, int(10.0 * GetDeviceScaleX()));
    }
    default:
        return int(m_dKeySize);
    }
}

CSize DEDizedLegend::GetCharCell(HFONT hFont)
{
    if (m_pDC == nullptr)
        return CSize(0, 0);
    ChartFontScope font(m_pDC, hFont);
    TEXTMETRIC tm = {};
    m_pDC->GetTextMetrics(&tm);
    return CSize((tm.tmMaxCharWidth + 3 * tm.tmAveCharWidth) / 4, tm.tmHeight);
}

bool DEDizedLegend::LayOut(CRect& rFitted)
{
    if (m_pChart == nullptr || m_pDC == nullptr)
        return false;
    if (m_bFollowDisplay)
        FollowDisplay();
    m_entries.SetChart(m_pChart);
    m_nKeyPixels = GetKeySizePixels();
    CRect grid = GetInnerDeviceRect();
    grid.NormalizeRect();
    LayoutHook();
    m_rcGrid = grid;
    m_nColumns = 0;
    m_nRows = 0;
    if (m_nEntryCount == 0)
        return false;

    PrepareFont();
    const CSize cell = GetCharCell(m_hFont);
    const int nTextWidth = m_nTextWidth * cell.cx;
    m_nRowHeight = Ceil((m_nRowSpacing + 0.15) * cell.cy);
    m_nKeyCellWidth = Ceil(m_nKeyPixels * 1.2);
    const int nEntryWidth = (std::max)(m_nKeyCellWidth + nTextWidth, 1);
    int nColumns = (std::max)(grid.Width() / nEntryWidth, 1);
    int nRows = (m_nEntryCount + nColumns - 1) / nColumns;
    if (nRows == 1 && m_nEntryCount < nColumns)
        nColumns = m_nEntryCount;
    if (m_style.m_nOptions & optionFixedGrid) {
        auto bounded = [](double dValue) { return int((std::min)((std::max)(dValue, 1.0), double(kMaxFixedGrid))); };
        nColumns = bounded(m_style.GetSymbolWidth());
        nRows = bounded(m_style.GetSymbolHeight());
    }

    if (m_bFitWidth) {
        const int nWidth = nColumns * nEntryWidth;
        if (m_bAnchorLeft)
            grid.right = grid.left + nWidth;
        else
            grid.left = grid.right - nWidth;
    }
    if (m_bFitHeight) {
        const int nHeight = nRows * m_nRowHeight;
        if (m_bAnchorTop)
            grid.bottom = grid.top + nHeight;
        else
            grid.top = grid.bottom - nHeight;
    }
    if (m_bResize && !m_bFitWidth && !m_bFitHeight)
        grid.bottom = grid.top + nRows * m_nRowHeight;
    if (m_bResize) {
        const int nBorder = GetBorderWidth();
        rFitted = grid;
        rFitted.InflateRect(nBorder + int(GetHorizontalMarginPixels()), nBorder + int(GetVerticalMarginPixels()));
        rFitted = MoveIntoDrawingArea(rFitted);
    }

    g_sharedCell = CSize((std::max)(nEntryWidth, grid.Width() / nColumns),
                         (std::max)(m_nRowHeight, grid.Height() / nRows));
    m_nOffsetY = nRows == 1 ? (grid.Height() - m_nRowHeight) / 2 : 0;
    m_rcGrid = grid;
    m_nColumns = nColumns;
    m_nRows = nRows;

    // each text stands beside its key, centred on its row
    const int nGap = (std::min)({m_nKeyPixels / 10, int(3.0 * GetDeviceScaleX()), m_nKeyCellWidth - m_nKeyPixels});
    for (int i = 0; i < m_nEntryCount; ++i) {
        DEDizedLabel* pLabel = m_entries.GetLabel(i);
        pLabel->SetAnchorPosition(0);
        pLabel->PlaceAt(grid.left + (i % nColumns) * g_sharedCell.cx + m_nKeyPixels + nGap,
                        grid.top + (i / nColumns) * g_sharedCell.cy + m_nOffsetY + m_nRowHeight / 2);
    }
    return true;
}

// ---- drawing -----------------------------------------------------------------------------------------

void DEDizedLegend::Draw(CDC* pDC, CWnd* pWnd)
{
    AfxRequirePointer(pDC, "DEDizedLegend::Draw", "pDC");
    m_savedRect = m_rect;
    try {
        if (m_bResize && m_bVisible && GetSourceKind() != 0) {
            BeginDrawing(pDC, pWnd);
            CRect fitted;
            if (LayOut(fitted))
                m_rect.SetFromPixels(fitted, pDC);
            EndDrawing();
        }
        DEDizedTitle::Draw(pDC, pWnd);
    } catch (...) {
        EndDrawing();
        m_rect = m_savedRect;
        throw;
    }
    m_rect = m_savedRect;
}

void DEDizedLegend::DrawContent()
{
    if (!m_bVisible || GetSourceKind() == 0)
        return;
    CRect fitted;
    if (LayOut(fitted))
        DrawEntries();
}

void DEDizedLegend::DrawEntries()
{
    const double dScaleY = GetDeviceScaleY();
    const int nInset = int((std::min)(0.1 * m_nRowHeight, 2.0 * dScaleY));
    const CSize cell = g_sharedCell;
    const int nKind = GetEntryKind();
    const bool bItems = nKind == entriesItems || nKind == entriesFirstGroupItems;
    for (int i = 0; i < m_nEntryCount; ++i) {
        const int nLeft = m_rcGrid.left + (i % m_nColumns) * cell.cx;
        const int nTop = m_rcGrid.top + (i / m_nColumns) * cell.cy + m_nOffsetY;
        const CPoint& entry = m_entryItems[size_t(i)];
        DrawKey(nLeft, nTop + nInset, nLeft + m_nKeyPixels, nTop + m_nRowHeight - nInset, entry.y, entry.x,
                bItems ? entry.x : entry.y);
    }

    m_entries.SetFont(m_nFontSize, m_nFontFlags, m_strFace);
    m_entries.SetTextColour(GetTextColour());
    m_entries.BeginDrawing(m_pDC, m_pWnd);
    try {
        for (int i = 0; i < m_nEntryCount; ++i) {
            DEDizedLabel* pLabel = m_entries.GetLabel(i);
            if (pLabel->GetFontFlags() != m_entries.GetFontFlags())
                pLabel->SetFontFlags(m_entries.GetFontFlags());
            pLabel->Draw(m_pDC, m_pWnd);
        }
    } catch (...) {
        m_entries.EndDrawing();
        throw;
    }
    m_entries.EndDrawing();
}

void DEDizedLegend::DrawKey(int nLeft, int nTop, int nRight, int nBottom, int nGroup, int nIndex, int nPaletteIndex)
{
    if (m_pChart == nullptr || !IsDrawing())
        return;
    DEDizedStyle* pItemStyle = m_pChart->GetDataItem(nIndex, nGroup)->GetStyle();
    int nKind = GetKeyKind();
    if (nKind == keyItemStyle)
        nKind = (pItemStyle->m_nKind >> 12) & 0xF;
    m_nPaletteIndex = nPaletteIndex;
    const int nMiddle = (nTop + nBottom) / 2;
    const int nCentre = (nLeft + nRight) / 2;
    auto line = [&] { DrawLine(nLeft, nMiddle, nRight, nMiddle, pItemStyle, nPaletteIndex, 0); };
    auto marker = [&] { DrawWidget(nCentre, nMiddle, pItemStyle, nullptr); };
    auto box = [&] { DrawSymbol(nLeft, nTop, nRight, nBottom, nIndex, nGroup, pItemStyle, kBoxSymbol, nullptr); };
    switch (nKind) {
    case keyNone:
        break;
    case keyByGraphType: {
        const int nGraphType = m_pDisplay != nullptr ? m_pDisplay->GetGraphType() : -1;
        if (!IsLineGraphType(nGraphType)) {
            box();
            break;
        }
        if (!(m_style.m_nOptions & optionNoKeyLine))
            line();
        if (pItemStyle->GetMarkerKind() != 4 && nGraphType != 0x1F)
            marker();
        break;
    }
    case keyLine:
        line();
        break;
    case keyBox:
        box();
        break;
    case keyMarker:
        marker();
        break;
    default:
        DrawCustomKey(nLeft, nTop, nRight, nBottom, nGroup, nIndex, nPaletteIndex);
        break;
    }
}

void DEDizedLegend::DrawCustomKey(int /*nLeft*/, int /*nTop*/, int /*nRight*/, int /*nBottom*/, int /*nGroup*/,
                                  int /*nIndex*/, int /*nPaletteIndex*/)
{
}

// ---- template text -----------------------------------------------------------------------------------

const char* DEDizedLegend::ReadTemplateClassPart(const char* lpszText)
{
    const char* p = DEDizedTitle::ReadTemplateClassPart(lpszText);
    ChartTemplateLegend part;
    if (const int nCode = ChartTemplateScanLegend(p, part, &p))
        ThrowChartException(nCode);
    SetLayoutFlags(part.layoutFlags);
    m_dKeySize = part.keySize;
    SetSourceKind(part.sourceKind);
    if (part.showLine == 0)
        m_style.m_nOptions |= optionNoKeyLine;
    else
        m_style.m_nOptions &= ~optionNoKeyLine;
    SetKeyKind(keyByGraphType);
    return p;
}

void DEDizedLegend::WriteTemplateKeyword(CStdioFile& writer)
{
    writer.WriteString("legend ");
}

void DEDizedLegend::WriteTemplateExtra(CStdioFile& writer)
{
    CString text;
    text.Format(" %d %f %d %d %d ", GetLayoutFlags(), m_dKeySize, GetSourceKind(),
                (m_style.m_nOptions & optionNoKeyLine) ? 0 : 1, GetKeyKind());
    writer.WriteString(text);
}

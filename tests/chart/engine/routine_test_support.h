// Helpers of the tests of the graph-type routines: a display that records the symbols, polygons, lines
// and widgets it draws (and still draws them), and a scene around it. Include "wine_gtest.h" first.
#pragma once

// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <string>
#include <vector>

#include "chart/engine/DEDizedData.h"
#include "chart/engine/DEDizedFeedback.h"

#include "display_test_support.h"

class RecordingDisplay : public DEDizedDisplay {
public:
    struct Symbol {
        CRect box;  // normalised
        int nIndex;
        int nGroup;
        int nKind;
        int nSeries;
        DEDizedStyle style;
    };
    struct Polygon {
        std::vector<CPoint> points;
        int nSeries;
        DEDizedStyle style;
    };
    struct Line {
        CPoint from;
        CPoint to;
    };

    void DrawSymbol(int x1, int y1, int x2, int y2, int nIndex, int nGroup, DEDizedStyle* pStyle, int nKind,
                    DEDizedData* pItem) override
    {
        CRect box(x1, y1, x2, y2);
        box.NormalizeRect();
        symbols.push_back({box, nIndex, nGroup, nKind, m_nPaletteIndex, *pStyle});
        DEDizedDisplay::DrawSymbol(x1, y1, x2, y2, nIndex, nGroup, pStyle, nKind, pItem);
    }
    void FillPolygon(const POINT* pPoints, int nCount, DEDizedStyle* pStyle, int nCode) override
    {
        polygons.push_back({std::vector<CPoint>(pPoints, pPoints + nCount), m_nPaletteIndex, *pStyle});
        DEDizedDisplay::FillPolygon(pPoints, nCount, pStyle, nCode);
    }
    void DrawLine(int x1, int y1, int x2, int y2, DEDizedStyle* pStyle, int nPaletteCode, int nLineKind) override
    {
        lines.push_back({CPoint(x1, y1), CPoint(x2, y2)});
        DEDizedDisplay::DrawLine(x1, y1, x2, y2, pStyle, nPaletteCode, nLineKind);
    }
    void DrawWidget(int x, int y, DEDizedStyle* pStyle, DEDizedData* pItem) override
    {
        if (pStyle->GetMarkerKind() != 0)
            widgets.push_back(CPoint(x, y));
        DEDizedDisplay::DrawWidget(x, y, pStyle, pItem);
    }
    void DrawPlaceholder() override
    {
        ++nPlaceholders;
        DEDizedDisplay::DrawPlaceholder();
    }
    // Forgets what the last draw recorded.
    void Clear()
    {
        symbols.clear();
        polygons.clear();
        lines.clear();
        widgets.clear();
        nPlaceholders = 0;
    }

    std::vector<Symbol> symbols;
    std::vector<Polygon> polygons;
    std::vector<Line> lines;
    std::vector<CPoint> widgets;
    int nPlaceholders = 0;
};

// A recording display of the graph type given, drawing its data alone into the plot (10, 20)-(410, 220)
// on the fixed value range given.
struct RoutineScene : BasicDisplayScene<RecordingDisplay> {
    static CRect Plot() { return CRect(10, 20, 410, 220); }

    RoutineScene(int nGraphType, double dMinimum, double dMaximum, int nAxisType = AXIS_STANDARD)
    {
        pDisplay->SetGraphType(nGraphType);
        pDisplay->SetAxisType(nAxisType);
        FixRange(dMinimum, dMaximum);
        UsePlot(Plot());
    }
    // Draws again after forgetting what the last draw recorded.
    void Redraw()
    {
        pDisplay->Clear();
        Draw();
    }
    // The style of item nItem of group nGroup, made when missing.
    DEDizedStyle* ItemStyle(int nItem, int nGroup) { return chart.GetGroup(nGroup, 1)->GetItem(nItem, 1)->GetStyle(); }
    // The item and group of the hit region under (x, y); (-1, -1) for none.
    std::pair<int, int> HitAt(int x, int y)
    {
        DEDizedFeedback* pHit = chart.HitTest(x, y);
        return pHit == nullptr ? std::make_pair(-1, -1) : std::make_pair(pHit->GetFirstIndex(), pHit->GetSecondIndex());
    }
};

// The palette colour of series n, as a canvas reads it.
inline COLORREF Palette(int n)
{
    return DEDizedComponent::GetPaletteColour(n);
}

// The drawing of data points: what each marker kind is made of, lines by line kind, markers, widgets,
// line ends, bar symbols, value labels and where they go, point turning and the style changes of
// highlighted, marked and selected points.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "FakePrinterDC.h"
#include "chart/engine/DEDizedData.h"
#include "chart/engine/SRGCompiledPolygon.h"
#include "chart/engine/components/DEDizedLabelBlock.h"

#include "chart_draw_support.h"

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kGreen = RGB(0, 160, 0);
const COLORREF kRed = RGB(255, 0, 0);

// A component whose palette index and own style the tests set.
class PointComponent : public ProbeComponent {
public:
    using DEDizedComponent::m_nPaletteIndex;
    using DEDizedComponent::m_style;
};

// A chart of 200 by 150 pixels drawn straight into a DC, holding one unfilled component that draws
// what the test gives it.
struct PointScene {
    PointScene()
    {
        chart.SetBuffered(0);
        pComponent = new PointComponent;
        pComponent->SetRectFromRECT(CRect(0, 0, 200, 150));
        pComponent->GetStyle()->m_nStyle = 0;
        chart.AddComponent(pComponent);
    }
    void Draw(CDC& dc, const std::function<void(PointComponent&)>& draw)
    {
        pComponent->m_onDraw = [draw](ProbeComponent& component, CDC&) { draw(static_cast<PointComponent&>(component)); };
        chart.Draw(&dc, nullptr);
    }
    void Draw(const std::function<void(PointComponent&)>& draw) { Draw(canvas.dc, draw); }

    DibCanvas canvas{200, 150};
    DEDized chart;
    PointComponent* pComponent;
};

// A data style: marker kind, solid fill in green, the line kind; lines and edges black, one pixel.
DEDizedStyle PointStyle(int nMarker, int nLineKind = 2, int nFill = 2)
{
    DEDizedStyle style(DEDizedStyle::kindData);
    style.m_nLineKind = (nMarker << 8) | (nFill << 4) | nLineKind;
    style.m_crFill1 = kGreen;
    style.m_crColor = kBlack;
    return style;
}

// Whether each of the points has the colour; names the first that has not.
testing::AssertionResult PixelsAre(const DibCanvas& canvas, const std::vector<CPoint>& points, COLORREF crColour)
{
    for (const CPoint& p : points)
        if (canvas.At(p.x, p.y) != crColour)
            return testing::AssertionFailure() << "pixel " << p << " is " << std::hex << canvas.At(p.x, p.y);
    return testing::AssertionSuccess();
}

// A component that logs the drawing operations a data point is made of.
class PointLog : public DEDizedComponent {
public:
    void DrawLine(int, int, int, int, DEDizedStyle*, int, int) override { Log("line"); }
    void DrawWidget(int x, int y, DEDizedStyle*, DEDizedData* pItem) override { Log("widget", x, y, pItem); }
    void DrawMarker(int x, int y, DEDizedStyle*, DEDizedData* pItem) override { Log("marker", x, y, pItem); }
    void CustomMarker(int x, int y, DEDizedStyle*, DEDizedData* pItem) override { Log("custom", x, y, pItem); }
    void DrawValueLabel(int x, int y, DEDizedData* pItem) override { Log("label", x, y, pItem); }
    void DrawLineEnd(int x, int y, DEDizedStyle*, int nEnd, double dAngle) override
    {
        std::ostringstream text;
        text << "end" << nEnd << " " << x << "," << y << " " << dAngle;
        Log(text.str().c_str());
    }

    std::string log;

private:
    void Log(const char* lpszWhat, int x = -1, int y = -1, DEDizedData* pItem = nullptr)
    {
        if (!log.empty())
            log += "|";
        log += lpszWhat;
        if (x >= 0)
            log += " " + std::to_string(x) + "," + std::to_string(y);
        if (pItem != nullptr)
            log += " item";
    }
};

// An item of value 2.5 and text "Beta", whose value label is of nKind at the label position.
struct LabelledItem {
    explicit LabelledItem(int nKind, int nPosition = 2)
    {
        item.SetValue(2.5);
        item.SetAnnotation("Beta", 1, 1);
        item.GetStyle()->m_nKind = (item.GetStyle()->m_nKind & ~0xF000F0) | nKind | (nPosition << 20);
    }
    DEDizedData item;
};

} // namespace

TEST(ChartDataPoint, MarkerKindDecidesWhatAPointIsMadeOf)
{
    DEDizedData item;
    const struct {
        int nMarker;
        int nDrawMode;
        const char* lpszLog;
    } cases[] = {
        {0, 0, ""},
        {1, 0, "line|widget 10,20 item|end1 10,20 -45|end2 30,40 -45"},
        {1, 1, "line|widget 30,40 item|end1 10,20 -45|end2 30,40 -45"},
        {3, 2, "line|widget 10,20|widget 30,40 item|end1 10,20 -45|end2 30,40 -45"},
        {18, 1, "line|widget 30,40 item|end1 10,20 -45|end2 30,40 -45"},
        {2, 0, "widget 30,40 item"},
        {4, 0, "line|label 30,40 item"},
        {11, 0, "line|label 30,40 item"},
        {12, 0, "line|marker 30,40 item"},
        {13, 0, "line|marker 30,40 item"},
        {14, 0, "line|marker 30,40 item"},
        {15, 0, "line|custom 30,40 item"},
    };
    for (const auto& c : cases) {
        PointLog component;
        DEDizedStyle style = PointStyle(c.nMarker);
        component.DrawDataPoint(10, 20, 30, 40, &style, c.nDrawMode, &item);
        EXPECT_EQ(component.log, c.lpszLog) << "marker kind " << c.nMarker << ", draw mode " << c.nDrawMode;
    }
    // without an item no value label; line ends of a point of no length lie flat
    PointLog component;
    DEDizedStyle style = PointStyle(4);
    component.DrawDataPoint(10, 20, 30, 40, &style, 0, nullptr);
    EXPECT_EQ(component.log, "line");
    PointLog flat;
    style = PointStyle(1);
    flat.DrawDataPoint(5, 5, 5, 5, &style, 0, nullptr);
    EXPECT_EQ(flat.log, "line|widget 5,5|end1 5,5 0|end2 5,5 0");
}

TEST_F(ChartTest, LineKindsPickThePen)
{
    const COLORREF kLine = RGB(200, 0, 0);
    // the pen the line is expected in (none: nothing drawn)
    const struct {
        int nLineKind;
        int nWidth;
        std::function<bool(CPen&)> makePen;
    } cases[] = {
        {0, 1, [](CPen&) { return false; }},
        {1, 1, [](CPen& pen) { return pen.CreatePen(PS_SOLID, 1, DEDizedComponent::GetPaletteColour(3)); }},
        {2, 1, [&](CPen& pen) { return pen.CreatePen(PS_SOLID, 1, kLine); }},
        {4, 3, [&](CPen& pen) { return pen.CreatePen(PS_SOLID, 3, kLine); }},
        {5, 1, [&](CPen& pen) { return pen.CreatePen(PS_DASH, 1, kLine); }},
        {6, 1, [&](CPen& pen) { return pen.CreatePen(PS_DOT, 1, kLine); }},
        {7, 1, [&](CPen& pen) { return pen.CreatePen(PS_DASHDOT, 1, kLine); }},
        {8, 1, [&](CPen& pen) { return pen.CreatePen(PS_DASHDOTDOT, 1, kLine); }},
        {9, 3, [](CPen& pen) { return pen.CreatePen(PS_SOLID, 1, kBlack); }},
        {3, 4,
         [](CPen& pen) {
             static CBitmap tile;
             if (tile.m_hObject == nullptr)
                 tile.LoadBitmap("FILLTILE");
             LOGBRUSH brush = {BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(tile.m_hObject)};
             return pen.CreatePen(PS_GEOMETRIC, 4, &brush);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "line kind " << c.nLineKind);
        PointScene scene;
        DEDizedStyle style = PointStyle(1, c.nLineKind);
        style.m_crColor = kLine;
        style.m_nExtra = c.nWidth;
        style.m_strText2 = "FILLTILE";
        scene.Draw([&](PointComponent& component) { component.DrawLine(10, 50, 190, 50, &style, 3, 0); });

        DibCanvas expected(200, 150);
        CPen pen;
        if (c.makePen(pen)) {
            CPen* pOld = expected.dc.SelectObject(&pen);
            expected.dc.SetBkMode(TRANSPARENT);
            expected.dc.MoveTo(10, 50);
            expected.dc.LineTo(190, 50);
            expected.dc.SelectObject(pOld);
        }
        EXPECT_EQ(CountDifferentPixels(scene.canvas, expected, 0, 0, 200, 150), 0);
        int nPainted = 0;
        for (int x = 0; x < 200; ++x)
            nPainted += scene.canvas.At(x, 50) != kWhite;
        EXPECT_EQ(nPainted > 0, c.nLineKind != 0);
    }
}

TEST_F(ChartTest, MarkerKind11DrawsTheLineAsABand)
{
    const COLORREF kPalette5 = DEDizedComponent::GetPaletteColour(5);
    for (const int nDepth : {0, 20}) {
        SCOPED_TRACE(testing::Message() << "own depth " << nDepth);
        PointScene scene;
        if (nDepth != 0) {
            scene.pComponent->m_style.m_nFlags |= DEDizedStyle::flagOwnSizes;
            scene.pComponent->m_style.m_dLimit3 = nDepth;
        }
        DEDizedStyle style = PointStyle(11);
        scene.Draw([&](PointComponent& component) { component.DrawLine(50, 100, 150, 100, &style, 5, 0); });
        const int d = nDepth != 0 ? nDepth : 10;
        EXPECT_TRUE(PixelsAre(scene.canvas, {{100, 100 - d / 2}, {50 + d / 2, 99}, {149 + d / 2, 100 - d + 1}}, kPalette5));
        EXPECT_TRUE(PixelsAre(scene.canvas, {{100, 101}, {100, 100 - d - 1}, {48, 99}}, kWhite));
    }
}

TEST_F(ChartTest, MarkersAreSquaresDiamondsOrCircles)
{
    const COLORREF kPalette2 = DEDizedComponent::GetPaletteColour(2);
    const struct {
        const char* lpszWhat;
        int nMarker;
        int nFill;
        double dOwnSize;  // 0: none
        int g;            // the half size
        COLORREF crFill;
        std::vector<CPoint> inside;  // offsets from the centre
        std::vector<CPoint> outside;
    } cases[] = {
        {"square", 13, 2, 0, 5, kGreen, {{5, 5}, {-5, -5}, {5, -5}}, {{6, 0}, {0, -6}}},
        {"diamond", 14, 2, 0, 5, kGreen, {{5, 0}, {0, -5}, {2, 2}}, {{3, 3}, {-4, 4}}},
        {"circle", 12, 2, 0, 5, kGreen, {{5, 0}, {3, 3}, {-3, -3}}, {{5, 5}, {6, 0}}},
        {"palette fill", 13, 1, 0, 5, kPalette2, {{0, 0}, {4, 4}}, {{6, 6}}},
        {"own size, at least 2", 13, 2, 1.0, 2, kGreen, {{2, 2}}, {{3, 0}}},
        {"own size", 12, 2, 8.0, 8, kGreen, {{8, 0}, {0, 8}}, {{9, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lpszWhat);
        PointScene scene;
        scene.pComponent->m_nPaletteIndex = 2;
        DEDizedStyle style = PointStyle(c.nMarker, 2, c.nFill);
        if (c.dOwnSize != 0) {
            style.m_nFlags |= DEDizedStyle::flagOwnSizes;
            style.m_dLimit1 = c.dOwnSize;
        }
        scene.Draw([&](PointComponent& component) { component.DrawMarker(100, 70, &style, nullptr); });
        for (const CPoint& p : c.inside)
            EXPECT_EQ(scene.canvas.At(100 + p.x, 70 + p.y), c.crFill) << p;
        for (const CPoint& p : c.outside)
            EXPECT_EQ(scene.canvas.At(100 + p.x, 70 + p.y), kWhite) << p;
    }

    // a printer of twice the screen's resolution doubles the half size; kind 0 draws nothing
    PointScene scene;
    const CSize screen = ChartDeviceDpi(nullptr);
    CFakePrinterDC printer(200, 150, 2 * screen.cx, 2 * screen.cy);
    DEDizedStyle style = PointStyle(13);
    DEDizedStyle none = PointStyle(0);
    scene.Draw(printer, [&](PointComponent& component) {
        component.DrawMarker(100, 70, &style, nullptr);
        component.DrawMarker(20, 20, &none, nullptr);
    });
    EXPECT_EQ(printer.PixelAt(110, 80), kGreen);
    EXPECT_EQ(printer.PixelAt(111, 70), kWhite);
    EXPECT_EQ(printer.PixelAt(20, 20), kWhite);
}

TEST_F(ChartTest, WidgetsAreNamedPolygonsFittedAroundThePoint)
{
    const struct {
        const char* lpszWhat;
        int nMarker;
        int nPaletteIndex;
        const char* lpszName;
        std::vector<CPoint> painted;  // offsets from the point
        std::vector<CPoint> blank;
    } cases[] = {
        {"stock widget of palette index 0: the box", 1, 0, "", {{0, 0}, {-3, -3}, {3, 3}}, {{7, 0}}},
        {"stock widget of palette index 4: a star resource", 1, 4, "", {{0, 0}}, {{-4, -4}, {4, 4}}},
        {"the style's widget up to its bar", 2, 0, "WIDGET_CROSS|ARROWA", {{0, 0}, {0, -4}}, {{-4, -4}}},
        {"the stock widget for an empty name", 3, 0, "", {{-3, -3}}, {{7, 0}}},
        {"an unknown name draws nothing", 5, 0, "NO_SUCH_WIDGET", {}, {{0, 0}}},
        {"a marker for kinds 12 to 14", 13, 0, "WIDGET_CROSS", {{-5, -5}}, {{6, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lpszWhat);
        PointScene scene;
        scene.pComponent->m_nPaletteIndex = c.nPaletteIndex;
        const COLORREF crFill = DEDizedComponent::GetPaletteColour(c.nPaletteIndex);
        // widgets in the palette fill, markers in colour 1; no edges
        DEDizedStyle style = PointStyle(c.nMarker, 0, c.nMarker >= 12 ? 2 : 1);
        style.m_crFill1 = crFill;
        style.m_strText1 = c.lpszName;
        scene.Draw([&](PointComponent& component) { component.DrawWidget(100, 70, &style, nullptr); });
        for (const CPoint& p : c.painted)
            EXPECT_EQ(scene.canvas.At(100 + p.x, 70 + p.y), crFill) << p;
        for (const CPoint& p : c.blank)
            EXPECT_EQ(scene.canvas.At(100 + p.x, 70 + p.y), kWhite) << p;
    }

    // own symbol sizes: a box 30 wide and 10 high
    PointScene scene;
    DEDizedStyle style = PointStyle(1, 0, 1);
    style.m_nFlags |= DEDizedStyle::flagOwnSizes;
    style.m_dLimit1 = 3.0;
    style.m_dLimit2 = 1.0;
    scene.Draw([&](PointComponent& component) { component.DrawWidget(100, 70, &style, nullptr); });
    EXPECT_TRUE(PixelsAre(scene.canvas, {{87, 70}, {112, 70}}, DEDizedComponent::GetPaletteColour(0)));
    EXPECT_TRUE(PixelsAre(scene.canvas, {{100, 77}, {100, 63}}, kWhite));
}

TEST_F(ChartTest, LineEndsPointAlongTheLine)
{
    const struct {
        const char* lpszWhat;
        CRect line;                   // from the top-left to the bottom-right point
        std::vector<CPoint> painted;  // in the line ends' fill
        std::vector<CPoint> blank;
    } cases[] = {
        {"to the right", CRect(20, 50, 120, 50), {{114, 50}, {117, 50}, {26, 50}}, {{125, 50}, {14, 50}}},
        {"downwards", CRect(60, 20, 60, 120), {{60, 114}, {60, 116}, {60, 26}}, {{60, 125}, {60, 14}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lpszWhat);
        PointScene scene;
        DEDizedStyle style = PointStyle(18);
        style.m_strText1 = "TAILA|ARROWA";
        scene.Draw([&](PointComponent& component) {
            component.DrawDataPoint(c.line.left, c.line.top, c.line.right, c.line.bottom, &style, 0, nullptr);
        });
        EXPECT_TRUE(PixelsAre(scene.canvas, c.painted, kGreen));
        EXPECT_TRUE(PixelsAre(scene.canvas, c.blank, kWhite));
    }
    // no bar in the name, or end 0: no line ends
    PointScene scene;
    DEDizedStyle style = PointStyle(18, 0);
    style.m_strText1 = "ARROWA";
    scene.Draw([&](PointComponent& component) {
        component.DrawLineEnd(50, 50, &style, 1, 0.0);
        component.DrawLineEnd(50, 50, &style, 2, 0.0);
        style.m_strText1 = "TAILA|ARROWA";
        component.DrawLineEnd(50, 50, &style, 0, 0.0);
    });
    EXPECT_EQ(CountDifferentPixels(scene.canvas, DibCanvas(200, 150), 0, 0, 200, 150), 0);
}

TEST_F(ChartTest, SymbolsFillTheBoxOfAValue)
{
    const COLORREF kBlue = RGB(0, 0, 255);
    // the box (60, 60) to (120, 120), its corners given the wrong way round
    const struct {
        const char* lpszWhat;
        int nKind;
        std::function<void(PointScene&, DEDizedStyle&)> setUp;
        std::vector<CPoint> painted;
        std::vector<CPoint> blank;
        COLORREF crPainted;
    } cases[] = {
        {"6: a bar with top and side faces", 6, nullptr, {{90, 90}, {95, 55}, {125, 90}}, {{135, 90}, {90, 45}}, kGreen},
        {"6 with its own depth",
         6,
         [](PointScene&, DEDizedStyle& style) {
             style.m_nFlags |= DEDizedStyle::flagOwnSizes;
             style.m_dLimit3 = 20;
         },
         {{135, 90}, {100, 45}},
         {{145, 90}},
         kGreen},
        {"7: nothing", 7, nullptr, {}, {{90, 90}}, kGreen},
        {"10: a polygon resource", 10,
         [](PointScene&, DEDizedStyle& style) { style.m_strText1 = "POLYGON_ARROW_UP"; },
         {{90, 63}, {90, 117}},
         {{62, 62}, {62, 118}},
         kGreen},
        {"10: the component's own polygon first", 10,
         [](PointScene& scene, DEDizedStyle& style) {
             style.m_strText1 = "POLYGON_ARROW_UP";
             SRGCompiledPolygon* pBox = new SRGCompiledPolygon("_PV_STOCK_SHAPE_BOX");
             pBox->SetName("POLYGON_ARROW_UP");
             scene.pComponent->GetOwnPolygons().AddTail(pBox);
         },
         {{62, 62}},
         {},
         kGreen},
        {"17: a circle", 17, nullptr, {{90, 90}, {90, 62}}, {{62, 62}}, kGreen},
        {"19: a line up the middle", 19, nullptr, {{90, 61}, {90, 118}}, {{92, 90}, {90, 90 + 40}}, kBlue},
        {"20: a line across the middle", 20, nullptr, {{61, 90}, {118, 90}}, {{90, 92}}, kBlue},
        {"any other: the box", 5, nullptr, {{61, 61}, {118, 118}}, {{90, 125}}, kGreen},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lpszWhat);
        PointScene scene;
        DEDizedStyle style = PointStyle(c.nKind);
        style.m_crColor = kBlue;
        if (c.setUp)
            c.setUp(scene, style);
        scene.Draw([&](PointComponent& component) { component.DrawSymbol(120, 120, 60, 60, 0, 0, &style, 0, nullptr); });
        EXPECT_TRUE(PixelsAre(scene.canvas, c.painted, c.crPainted));
        EXPECT_TRUE(PixelsAre(scene.canvas, c.blank, kWhite));
    }

    // the component's shading bit lightens the top face and darkens the side; the front stays
    PointScene scene;
    scene.pComponent->m_style.m_nFlags |= DEDizedStyle::flagShadedFaces;
    DEDizedStyle style = PointStyle(6);
    scene.Draw([&](PointComponent& component) { component.DrawSymbol(60, 60, 120, 120, 0, 0, &style, 0, nullptr); });
    EXPECT_EQ(scene.canvas.At(90, 90), kGreen);
    for (const CPoint& p : {CPoint(95, 55), CPoint(96, 55)})
        EXPECT_GT(GetRValue(scene.canvas.At(p.x, p.y)), 0) << p;
    for (const CPoint& p : {CPoint(125, 90), CPoint(126, 90)})
        EXPECT_LT(GetGValue(scene.canvas.At(p.x, p.y)), GetGValue(kGreen)) << p;

    // the palette line kind frames symbols in black
    PointScene framed;
    style = PointStyle(5, 1);
    framed.Draw([&](PointComponent& component) { component.DrawSymbol(60, 60, 120, 120, 0, 0, &style, 0, nullptr); });
    EXPECT_TRUE(PixelsAre(framed.canvas, {{60, 90}, {90, 60}}, kBlack));

    // a marked value (its selection nibble set) is drawn selected: red and three pixels wide
    PointScene marked;
    style = PointStyle(19);
    style.m_crColor = kBlue;
    style.m_nKind |= 3 << 8;
    marked.Draw([&](PointComponent& component) { component.DrawSymbol(60, 60, 120, 120, 0, 0, &style, 0, nullptr); });
    EXPECT_TRUE(PixelsAre(marked.canvas, {{89, 90}, {90, 90}, {91, 90}}, kRed));
}

TEST_F(ChartTest, ValueLabelsShowValueTextOrBoth)
{
    const struct {
        int nKind;
        const char* lpszText;  // null: no label
    } cases[] = {{0x20, "2.5"}, {0x50, "Beta"}, {0x60, "Beta (2.5)"}, {0x00, nullptr}, {0x10, nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << std::hex << c.nKind);
        PointScene scene;
        LabelledItem labelled(c.nKind);
        TextRecorder dc(scene.canvas);
        scene.Draw(dc, [&](PointComponent& component) { component.DrawValueLabel(100, 70, &labelled.item); });
        ASSERT_EQ(dc.lines.size(), c.lpszText != nullptr ? 1u : 0u);
        if (c.lpszText != nullptr) {
            EXPECT_EQ(dc.lines[0].text, c.lpszText);
        }
    }

    // a text of any length is shown whole
    PointScene scene;
    LabelledItem labelled(0x60);
    const std::string longText(5000, 'x');
    labelled.item.SetAnnotation(longText.c_str(), 1, 1);
    TextRecorder dc(scene.canvas);
    scene.Draw(dc, [&](PointComponent& component) { component.DrawValueLabel(100, 70, &labelled.item); });
    ASSERT_EQ(dc.lines.size(), 1u);
    EXPECT_EQ(dc.lines[0].text, longText + " (2.5)");
}

TEST_F(ChartTest, ValueLabelsStandBesideTheirPoint)
{
    // placed for the chart (value-label mode 2), where they can be looked at
    const struct {
        int nPosition;
        CPoint anchor;
        int nAnchorPosition;
    } cases[] = {{2, {100, 60}, 6}, {4, {110, 70}, 0}, {5, {110, 80}, 1}, {8, {100, 70}, 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "label position " << c.nPosition);
        PointScene scene;
        scene.chart.GetChartStyle()->m_nKind |= 2 << 28;
        LabelledItem labelled(0x20, c.nPosition);
        DEDizedStyle style = PointStyle(13);
        scene.Draw([&](PointComponent& component) { component.DrawMarker(100, 70, &style, &labelled.item); });
        DEDizedLabel* pLabel =
            static_cast<DEDizedLabel*>(scene.chart.FindComponentByName(DEDized::kTemporaryTagName));
        ASSERT_NE(pLabel, nullptr);
        EXPECT_EQ(pLabel->GetPixelAnchor(), c.anchor);
        EXPECT_EQ(pLabel->GetAnchorPosition(), c.nAnchorPosition);
    }

    // a symbol's label stands at the box's point of its position
    const struct {
        int nPosition;
        CPoint anchor;
    } symbols[] = {{2, {90, 50}}, {4, {130, 90}}, {7, {50, 130}}, {8, {90, 90}}};
    for (const auto& c : symbols) {
        SCOPED_TRACE(testing::Message() << "symbol label position " << c.nPosition);
        PointScene scene;
        scene.chart.GetChartStyle()->m_nKind |= 2 << 28;
        LabelledItem labelled(0x20, c.nPosition);
        DEDizedStyle style = PointStyle(5);
        scene.Draw(
            [&](PointComponent& component) { component.DrawSymbol(60, 60, 120, 120, 0, 0, &style, 0, &labelled.item); });
        DEDizedLabel* pLabel =
            static_cast<DEDizedLabel*>(scene.chart.FindComponentByName(DEDized::kTemporaryTagName));
        ASSERT_NE(pLabel, nullptr);
        EXPECT_EQ(pLabel->GetPixelAnchor(), c.anchor);
    }
}

TEST_F(ChartTest, ValueLabelModesHandLabelsToTheChart)
{
    // mode 2: each label a component of the chart, drawn in the same pass and gone at the next one
    PointScene scene;
    scene.chart.GetChartStyle()->m_nKind |= 2 << 28;
    LabelledItem labelled(0x20);
    TextRecorder dc(scene.canvas);
    auto drawTwo = [&](PointComponent& component) {
        component.DrawValueLabel(50, 70, &labelled.item);
        component.DrawValueLabel(150, 70, &labelled.item);
    };
    auto countNamed = [](DEDized& chart, const char* lpszName) {
        int n = 0;
        for (POSITION pos = chart.GetComponentList()->GetHeadPosition(); pos != nullptr;)
            n += static_cast<DEDizedComponent*>(chart.GetComponentList()->GetNext(pos))->GetName() == lpszName;
        return n;
    };
    scene.Draw(dc, drawTwo);
    EXPECT_EQ(countNamed(scene.chart, DEDized::kTemporaryTagName), 2);
    EXPECT_EQ(dc.lines.size(), 2u);
    scene.Draw(dc, drawTwo);
    EXPECT_EQ(countNamed(scene.chart, DEDized::kTemporaryTagName), 2);
    EXPECT_EQ(scene.chart.GetComponentList()->GetCount(), 3);

    // mode 3: the labels gather in one block that keeps them apart, with the component's leader lines
    PointScene gathered;
    gathered.chart.GetChartStyle()->m_nKind |= 3 << 28;
    gathered.pComponent->m_style.m_nFlags |= DEDizedStyle::flagLeaderLines;
    gathered.Draw([&](PointComponent& component) {
        component.DrawValueLabel(100, 70, &labelled.item);
        component.DrawValueLabel(100, 70, &labelled.item);
    });
    EXPECT_EQ(countNamed(gathered.chart, DEDized::kTagBlockName), 1);
    DEDizedLabelBlock* pBlock =
        static_cast<DEDizedLabelBlock*>(gathered.chart.FindComponentByName(DEDized::kTagBlockName));
    ASSERT_NE(pBlock, nullptr);
    ASSERT_EQ(pBlock->GetLabelCount(), 2);
    EXPECT_EQ((pBlock->GetStyle()->m_nKind >> 4) & 0xF, DEDizedLabelBlock::avoidRepeated);
    EXPECT_EQ(pBlock->GetAutoResize(), 1);
    EXPECT_NE(pBlock->GetStyle()->m_nFlags & DEDizedStyle::flagLeaderLines, 0);
    EXPECT_EQ(pBlock->GetLabel(0)->HasOwnStyle(), 1);
    EXPECT_EQ(pBlock->GetLabel(0)->GetText(1), "2.5");
    // the block drew them apart: the second moved off the first
    EXPECT_NE(pBlock->GetLabel(1)->GetPixelAnchor(), pBlock->GetLabel(0)->GetPixelAnchor());
}

TEST(ChartDataPoint, TurnedPointsAndStyleChanges)
{
    DEDizedComponent component;
    const struct {
        int x;
        int y;
        double dAngle;
        int bRadians;
        CPoint expected;
    } turns[] = {
        {10, 0, 0, 0, {10, 0}}, {10, 0, 90, 0, {0, -9}}, {0, 10, 90, 0, {10, 0}}, {3, 4, 3.141592653589793, 1, {-2, -3}}};
    for (const auto& t : turns) {
        int x = t.x;
        int y = t.y;
        component.RotatePoint(x, y, t.dAngle, t.bRadians);
        EXPECT_EQ(CPoint(x, y), t.expected) << t.x << "," << t.y << " by " << t.dAngle;
    }

    DEDizedStyle style = PointStyle(1, 5);
    style.m_crColor = 0x123456;
    component.HighlightStyle(&style);
    EXPECT_EQ(style.m_crColor, COLORREF(0xEDCBA9));
    EXPECT_EQ(style.m_nExtra, 3);
    EXPECT_EQ(style.m_nLineKind, PointStyle(1, 2).m_nLineKind);
    component.MarkStyle(&style);
    EXPECT_TRUE(style.HasOwnSizes());
    EXPECT_EQ(style.GetSymbolWidth(), 3.0);
    EXPECT_EQ(style.GetSymbolHeight(), 3.0);
    style = PointStyle(1, 7);
    component.SelectStyle(&style);
    EXPECT_EQ(style.m_crColor, kRed);
    EXPECT_EQ(style.m_nExtra, 3);
    EXPECT_EQ(style.GetLineKind(), 2);
}

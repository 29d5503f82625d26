// Labels and label blocks: anchors in every measurement kind, the outline beside the anchor, turned
// text, value-label styles, labels taking their block's look, even placement, common angles, overlap
// avoidance with its leader lines, the label list and the stored form.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "ArchiveTestSupport.h"
#include "chart/engine/components/DEDizedLabelBlock.h"

#include "chart_draw_support.h"
#include "chart_test_support.h"

namespace {

const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kRed = RGB(255, 0, 0);

// A chart of 200 by 150 pixels drawn straight into a canvas.
struct LabelScene {
    LabelScene() { chart.SetBuffered(0); }
    // A label (pixel measurement) with lpszText for mode 1 at (x, y), added to the chart.
    DEDizedLabel* AddLabel(const char* lpszText, double x, double y)
    {
        DEDizedLabel* pLabel = new DEDizedLabel;
        pLabel->SetText(1, lpszText);
        pLabel->SetAnchor(x, y);
        chart.AddComponent(pLabel);
        return pLabel;
    }
    // A block added to the chart with nCount labels "L0", "L1" ... all at (x, y).
    DEDizedLabelBlock* AddBlock(int nCount, int x, int y)
    {
        DEDizedLabelBlock* pBlock = new DEDizedLabelBlock;
        chart.AddComponent(pBlock);
        for (int i = 0; i < nCount; ++i)
            pBlock->AddLabel(("L" + std::to_string(i)).c_str())->PlaceAt(x, y);
        return pBlock;
    }
    std::vector<TextRecorder::Line> Draw()
    {
        TextRecorder dc(canvas);
        chart.Draw(&dc, nullptr);
        return dc.lines;
    }
    CSize Extent(const char* lpszText) { return ChartTextExtent(chart, canvas.dc, "Arial", 10, 0, lpszText); }

    DibCanvas canvas{200, 150};
    DEDized chart;
};

CRect OutlineBox(const DEDizedLabel& label)
{
    const std::vector<POINT>& outline = label.GetOutline();
    CRect box(outline.at(0), outline.at(0));
    for (const POINT& p : outline) {
        box.left = (std::min)(box.left, p.x);
        box.top = (std::min)(box.top, p.y);
        box.right = (std::max)(box.right, p.x);
        box.bottom = (std::max)(box.bottom, p.y);
    }
    return box;
}

} // namespace

TEST_F(ChartTest, AnchorPositionPutsTheTextBesideTheAnchor)
{
    const struct {
        int nPosition;
        int dx;  // where the box's centre lies from the anchor, in half text widths and heights
        int dy;
    } cases[] = {{8, 0, 0}, {0, 1, 0}, {4, -1, 0}, {2, 0, 1}, {6, 0, -1}, {1, 1, 1}, {7, 1, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "anchor position " << c.nPosition);
        LabelScene scene;
        DEDizedLabel* pLabel = scene.AddLabel("Label", 100, 70);
        pLabel->SetAnchorPosition(c.nPosition);
        const std::vector<TextRecorder::Line> lines = scene.Draw();
        const CSize text = scene.Extent("Label");
        const CPoint shift(c.dx * (text.cx / 2), c.dy * (text.cy / 2));
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(CPoint(lines[0].x, lines[0].y), CPoint(100 + shift.x - text.cx / 2, 70 + shift.y - text.cy / 2));
        // the box is the text widened by a sixth of the line height on every side
        const CRect box = OutlineBox(*pLabel);
        EXPECT_EQ(pLabel->GetOutline().size(), 5u);
        EXPECT_NEAR(box.CenterPoint().x, 100 + shift.x, 1) << box;
        EXPECT_NEAR(box.CenterPoint().y, 70 + shift.y, 1) << box;
        EXPECT_NEAR(box.Width(), text.cx + 2 * text.cy / 6.0, 1.5);
        EXPECT_NEAR(box.Height(), text.cy + 2 * text.cy / 6.0, 1.5);
    }
}

TEST_F(ChartTest, LabelAnchorsInEveryMeasurementKind)
{
    LabelScene scene;
    const CSize dpi = ChartDeviceDpi(&scene.canvas.dc);
    const double kMillimetres = 0.03937007874015748;
    const struct {
        int nMeasurement;
        double x;
        double y;
        CPoint expected;
    } cases[] = {
        {DEDizedRect::measurePixels, 10.6, 20.9, CPoint(11, 20)},
        {DEDizedRect::measurePerCent, 50, 50, CPoint(100, 75)},
        {DEDizedRect::measureMillimetres, 10, 20,
         CPoint(int(dpi.cx * 10 * kMillimetres + 0.5), int(dpi.cy * 20 * kMillimetres + 0.5))},
        {DEDizedRect::measureInches, 0.5, 1, CPoint(int(dpi.cx * 0.5 + 0.5), dpi.cy)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "measurement " << c.nMeasurement);
        DEDizedLabel* pLabel = scene.AddLabel("x", c.x, c.y);
        pLabel->SetMeasurement(c.nMeasurement);
        scene.Draw();
        EXPECT_EQ(pLabel->GetPixelAnchor(), c.expected);
    }

    // outside pixel measurement the general margin holds the font size, and no margin is converted
    DEDizedLabel* pLabel = scene.AddLabel("x", 1, 1);
    pLabel->SetMeasurement(DEDizedRect::measureMillimetres);
    pLabel->SetFontSize(14.4);
    EXPECT_EQ(pLabel->GetMargin(), 14.4);
    EXPECT_EQ(pLabel->GetFontSizePixels(), 14);
    pLabel->BeginDrawing(&scene.canvas.dc, nullptr);
    EXPECT_EQ(pLabel->GetVerticalMarginPixels(), pLabel->GetVerticalMargin());
    pLabel->EndDrawing();
}

TEST_F(ChartTest, LabelTurnedBy90DegreesStandsItsLinesSideBySide)
{
    LabelScene scene;
    DEDizedLabel* pLabel = scene.AddLabel("One\nTwo", 100, 100);
    pLabel->SetAnglePreset(1);
    const std::vector<TextRecorder::Line> lines = scene.Draw();
    const int nLineHeight = scene.Extent("One\nTwo").cy;
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].font.lfEscapement, 900);
    EXPECT_EQ(lines[1].font.lfEscapement, 900);
    EXPECT_EQ(lines[1].x, lines[0].x + nLineHeight);
    EXPECT_EQ(lines[1].y, lines[0].y);
    // the box turned with the text: it is as tall as the text is wide, and above the anchor
    const CRect box = OutlineBox(*pLabel);
    const CSize text(scene.Extent("One").cx, 2 * nLineHeight);
    EXPECT_NEAR(box.Height(), text.cx + 2 * nLineHeight / 6.0, 2);
    EXPECT_NEAR(box.Width(), text.cy + 2 * nLineHeight / 6.0, 2);
    EXPECT_LE(box.bottom, 100 + nLineHeight / 6 + 1);
}

TEST_F(ChartTest, CircleAndFlashOutlinesAreLargerThanTheBox)
{
    const struct {
        int nShape;
        size_t nPoints;
    } cases[] = {{0, 5u}, {3, 19u}, {4, 17u}};
    CSize box;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "shape " << c.nShape);
        LabelScene scene;
        DEDizedLabel* pLabel = scene.AddLabel("Shape", 100, 70);
        pLabel->GetStyle()->m_nKind |= c.nShape << 16;
        scene.Draw();
        EXPECT_EQ(pLabel->GetOutline().size(), c.nPoints);
        const CSize extent = pLabel->GetOutlineExtent();
        const double dInflate = 2 * scene.Extent("Shape").cy / 6.0;
        if (c.nShape == 0) {
            box = extent;
            continue;
        }
        EXPECT_NEAR(extent.cx - dInflate, (box.cx - dInflate) * 1.41421356237, 2.5);
        EXPECT_NEAR(extent.cy - dInflate, (box.cy - dInflate) * 1.41421356237, 2.5);
    }
}

TEST(ChartLabel, ValueStyleSetsAngleAnchorShapeAndSize)
{
    const double kAngles[] = {0, 45, 90, 135, 180, 225, 270, 315, 0, 0};
    const int kPositions[] = {4, 5, 6, 7, 0, 1, 2, 3, 8, 8};
    for (int nCode = 0; nCode < 10; ++nCode) {
        DEDizedStyle style(DEDizedStyle::kindData);
        style.m_nKind |= (nCode << 24) | (nCode << 20);
        DEDizedLabel label;
        label.ApplyValueStyle(style);
        EXPECT_EQ(label.GetTextAngle(), kAngles[nCode]) << nCode;
        EXPECT_EQ(label.GetAnchorPosition(), kPositions[nCode]) << nCode;
    }
    const int kSizes[] = {10, 8, 12, 12};
    for (int nCode = 0; nCode < 4; ++nCode) {
        DEDizedStyle style(DEDizedStyle::kindData);
        style.m_nKind |= int(unsigned(nCode) << 30);
        DEDizedLabel label;
        label.ApplyValueStyle(style);
        EXPECT_EQ(label.GetFontSizePixels(), kSizes[nCode]) << nCode;
    }
    DEDizedStyle style(DEDizedStyle::kindData);
    style.m_nKind |= 0x30000;
    style.m_crFill1 = RGB(1, 2, 3);
    style.m_nStyle = 0x213;
    DEDizedLabel label;
    label.ApplyValueStyle(style);
    EXPECT_EQ(label.GetStyle()->GetLabelShape(), 3);
    EXPECT_EQ(label.GetStyle()->m_crFill1, RGB(1, 2, 3));
    EXPECT_EQ(label.GetStyle()->m_nStyle, 0x213);
    EXPECT_EQ(label.GetStyle()->m_nKind & 0xF, DEDizedStyle::kindComponent);
}

TEST_F(ChartTest, LabelsWithoutAStyleOfTheirOwnLookLikeTheirBlock)
{
    LabelScene scene;
    DEDizedLabelBlock* pBlock = scene.AddBlock(0, 0, 0);
    pBlock->SetFont(14, DEDizedTitle::fontBold | DEDizedTitle::fontAutoSize, "Times New Roman");
    EXPECT_EQ(pBlock->GetFontFlags(), DEDizedTitle::fontBold);  // a block never sizes automatically
    pBlock->SetTextColour(kRed);
    pBlock->GetStyle()->m_crFill1 = RGB(0, 200, 0);
    pBlock->AddLabel("Shared")->PlaceAt(20, 20);
    DEDizedLabel* pOwn = new DEDizedLabel;
    pOwn->SetText(1, "Own");
    pOwn->SetFont(9, 0, "Courier New");
    pOwn->SetTextColour(kBlue);
    pOwn->PlaceAt(20, 80);
    pBlock->AddExistingLabel(pOwn, 1);

    const std::vector<TextRecorder::Line> lines = scene.Draw();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, "Shared");
    EXPECT_EQ(lines[0].crColour, kRed);
    EXPECT_STREQ(lines[0].font.lfFaceName, "Times New Roman");
    EXPECT_EQ(lines[0].font.lfHeight, -::MulDiv(14, ChartDeviceDpi(&scene.canvas.dc).cy, 72));
    EXPECT_EQ(scene.canvas.At(19, 19), RGB(0, 200, 0));  // the block's fill, round the text
    EXPECT_EQ(pBlock->GetLabel(0)->GetStyle(), pBlock->GetStyle());
    // a label with its own style keeps its look, but takes the block's font flags
    EXPECT_EQ(lines[1].text, "Own");
    EXPECT_EQ(lines[1].crColour, kBlue);
    EXPECT_STREQ(lines[1].font.lfFaceName, "Courier New");
    EXPECT_EQ(lines[1].font.lfWeight, FW_BOLD);
    EXPECT_NE(pOwn->GetStyle(), pBlock->GetStyle());
    // a hidden block draws none of its labels
    pBlock->SetVisible(0);
    EXPECT_TRUE(scene.Draw().empty());
}

TEST_F(ChartTest, DistributedLabelsLieEvenlyAlongTheLine)
{
    const struct {
        int nLabels;
        CRect line;
        std::vector<CPoint> anchors;
    } cases[] = {
        {4, CRect(0, 0, 30, 0), {{0, 0}, {10, 0}, {20, 0}, {30, 0}}},
        {3, CRect(0, 0, 10, 7), {{0, 0}, {5, 3}, {10, 7}}},
        {1, CRect(5, 5, 40, 50), {{40, 50}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nLabels << " labels");
        LabelScene scene;
        DEDizedLabelBlock* pBlock = scene.AddBlock(c.nLabels, 0, 0);
        CPtrList ticks;
        pBlock->SetAnchorRecording(1);
        pBlock->SetRecordedAnchors(&ticks);
        pBlock->DistributeLabels(c.line.left, c.line.top, c.line.right, c.line.bottom);
        ASSERT_EQ(ticks.GetCount(), c.nLabels);
        POSITION pos = ticks.GetHeadPosition();
        for (int i = 0; i < c.nLabels; ++i) {
            DEDizedLabel* pLabel = pBlock->GetLabel(i);
            EXPECT_EQ(pLabel->GetPixelAnchor(), c.anchors[size_t(i)]);
            EXPECT_EQ(CPoint(int(pLabel->GetAnchorX()), int(pLabel->GetAnchorY())), c.anchors[size_t(i)]);
            std::unique_ptr<CPoint> pTick(static_cast<CPoint*>(ticks.GetNext(pos)));
            EXPECT_EQ(*pTick, c.anchors[size_t(i)]);
        }
    }
}

TEST(ChartLabelBlock, CommonAngleSnapsToQuarterTurns)
{
    const struct {
        double dAngle;
        double dExpected;
        int bPreset;
    } cases[] = {{359.9, 0, 1}, {91, 90, 1}, {45, 45, 0}, {181.5, 180, 1}, {629, 269, 0}, {720, 0, 1}, {88, 88, 0}};
    for (const auto& c : cases) {
        DEDizedLabelBlock block;
        block.AddLabel("a");
        DEDizedLabel* pOwn = block.AddExistingLabel(new DEDizedLabel, 1);
        block.SetAngle(c.dAngle);
        for (DEDizedLabel* pLabel : {block.GetLabel(0), pOwn}) {
            EXPECT_EQ(pLabel->GetTextAngle(), c.dExpected) << c.dAngle;
            EXPECT_EQ(pLabel->IsAnglePreset(), c.bPreset) << c.dAngle;
        }
    }
}

TEST_F(ChartTest, OverlappingLabelsMoveAlongTheirDirection)
{
    const struct {
        const char* lpszWhat;
        int nLabels;
        double dCosine;
        double dSine;
        bool bRepeated;
        int nLastSteps;  // outline sizes the last label ends up from the first
    } cases[] = {
        {"two, downwards", 2, 0, 1, false, 1},
        {"two, to the right", 2, 1, 0, false, 1},
        {"three, one move each", 3, 0, 1, false, 1},
        {"three, moved until clear", 3, 0, 1, true, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lpszWhat);
        LabelScene scene;
        DEDizedLabelBlock* pBlock = scene.AddBlock(c.nLabels, 40, 30);
        pBlock->SetDirection(c.dCosine, c.dSine);
        if (c.bRepeated)
            pBlock->GetStyle()->m_nKind = (pBlock->GetStyle()->m_nKind & ~0xF0) | 0xA0;
        scene.Draw();
        DEDizedLabel* pFirst = pBlock->GetLabel(-1);
        DEDizedLabel* pLast = pBlock->GetLabel(-2);
        const CSize size = pFirst->GetOutlineExtent();
        const CPoint expected(40 + int(c.dCosine) * size.cx * c.nLastSteps, 30 + int(c.dSine) * size.cy * c.nLastSteps);
        EXPECT_EQ(pFirst->GetPixelAnchor(), CPoint(40, 30));
        EXPECT_EQ(pLast->GetPixelAnchor(), expected);
        EXPECT_EQ(CPoint(int(pLast->GetAnchorX()), int(pLast->GetAnchorY())), expected);
        // one below the other: the outlines touch and do not overlap
        EXPECT_EQ(pBlock->GetBoundingRect(), CRect(OutlineBox(*pFirst).TopLeft(), OutlineBox(*pLast).BottomRight()));
    }
}

TEST_F(ChartTest, AvoidanceThatCannotMoveALabelRaisesCode17)
{
    const struct {
        const char* lpszWhat;
        double dCosine;
        bool bRepeated;
        int nCode;
    } cases[] = {
        {"ten times the overlap is still below a pixel", 0.001, false, 17},
        {"more than ten moves", 0.05, true, 17},
        {"one move suffices", 1.0, true, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lpszWhat);
        LabelScene scene;
        DEDizedLabelBlock* pBlock = scene.AddBlock(2, 40, 30);
        pBlock->SetDirection(c.dCosine, 0.0);
        if (c.bRepeated)
            pBlock->GetStyle()->m_nKind = (pBlock->GetStyle()->m_nKind & ~0xF0) | 0xA0;
        EXPECT_EQ(ChartCode([&] { pBlock->Draw(&scene.canvas.dc, nullptr); }), c.nCode);
        EXPECT_EQ(pBlock->IsDrawing(), 0);
    }
}

TEST_F(ChartTest, AMovedLabelGetsALeaderLine)
{
    for (const bool bLeader : {true, false}) {
        SCOPED_TRACE(bLeader ? "with leader lines" : "without");
        LabelScene scene;
        DEDizedLabelBlock* pBlock = scene.AddBlock(2, 60, 30);
        pBlock->SetDirection(0, 1);
        DEDizedStyle* pStyle = pBlock->GetStyle();
        pStyle->m_nStyle = 0;  // unfilled labels, so that the line shows
        pStyle->m_crColor = kBlue;
        if (bLeader)
            pStyle->m_nFlags |= DEDizedStyle::flagLeaderLines;
        scene.Draw();
        const CPoint end = pBlock->GetLabel(1)->GetPixelAnchor();
        ASSERT_GT(end.y, 30);
        const COLORREF crLine = bLeader ? kBlue : kWhite;
        // three pixels wide from the first anchor down to the moved one, a dot of radius 4 there
        for (const CPoint p : {CPoint(59, 32), CPoint(60, (30 + end.y) / 2), CPoint(61, end.y - 2), CPoint(57, end.y)})
            EXPECT_EQ(scene.canvas.At(p.x, p.y), crLine) << p;
        EXPECT_EQ(scene.canvas.At(53, end.y), kWhite);
    }
}

TEST(ChartLabelBlock, LabelListGrowsToTheIndexSet)
{
    DEDized chart;
    DEDizedLabelBlock* pBlock = new DEDizedLabelBlock;
    chart.AddComponent(pBlock);
    EXPECT_EQ(pBlock->GetLabel(-1), nullptr);
    pBlock->SetLabelText("C", 2, 3);
    ASSERT_EQ(pBlock->GetLabelCount(), 3);
    for (int i = 0; i < 3; ++i) {
        DEDizedLabel* pLabel = pBlock->GetLabel(i);
        EXPECT_EQ(pLabel->GetBlock(), pBlock);
        EXPECT_EQ(pLabel->HasOwnStyle(), 0);
        EXPECT_EQ(pLabel->IsInBlock(), 1);
        EXPECT_EQ(pLabel->GetChart(), &chart);
        EXPECT_EQ(pLabel->GetText(3), i == 2 ? "C" : "");
    }
    pBlock->SetLabelText("A", 0, 1);
    EXPECT_EQ(pBlock->GetLabelCount(), 3);
    EXPECT_EQ(pBlock->GetLabel(-1)->GetText(1), "A");
    EXPECT_EQ(pBlock->GetLabel(-2), pBlock->GetLabel(2));
    EXPECT_EQ(pBlock->GetLabel(3), nullptr);
    ExpectInvalidArg([&] { pBlock->SetLabelText("x", -1, 1); }, "-1");
    pBlock->RemoveLastLabel();
    EXPECT_EQ(pBlock->GetLabelCount(), 2);
    EXPECT_EQ(pBlock->GetLabel(-2), pBlock->GetLabel(1));
    pBlock->RemoveAllLabels();
    EXPECT_EQ(pBlock->GetLabelCount(), 0);
}

TEST(ChartLabelBlock, StoredBlockBringsItsLabelsBack)
{
    DEDizedLabelBlock block;
    block.AddLabel("first")->PlaceAt(3, 4);
    DEDizedLabel* pOwn = block.AddExistingLabel(new DEDizedLabel, 1);
    pOwn->SetText(2, "second");
    pOwn->SetAnchorPosition(6);
    pOwn->SetDirectionPreset(3);
    block.SetAvoidOverlap(0);
    block.SetAnchorRecording(1);
    const Bytes bytes = StoreBytes([&](CArchive& ar) { ar << &block; });
    std::unique_ptr<CObject> pObject;
    LoadBytes(bytes, [&](CArchive& ar) { pObject.reset(ar.ReadObject(RUNTIME_CLASS(DEDizedLabelBlock))); });
    DEDizedLabelBlock* pLoaded = static_cast<DEDizedLabelBlock*>(pObject.get());
    ASSERT_NE(pLoaded, nullptr);
    EXPECT_EQ(pLoaded->GetTypeId(), chartTypeLabelBlock);
    EXPECT_EQ(pLoaded->GetAvoidOverlap(), 0);
    ASSERT_EQ(pLoaded->GetLabelCount(), 2);
    DEDizedLabel* pFirst = pLoaded->GetLabel(0);
    DEDizedLabel* pSecond = pLoaded->GetLabel(1);
    for (DEDizedLabel* pLabel : {pFirst, pSecond})
        EXPECT_EQ(pLabel->GetBlock(), pLoaded);
    EXPECT_EQ(pFirst->GetText(1), "first");
    EXPECT_EQ(pFirst->GetPixelAnchor(), CPoint(3, 4));
    EXPECT_EQ(pFirst->GetAnchorX(), 3.0);
    EXPECT_EQ(pFirst->HasOwnStyle(), 0);
    EXPECT_EQ(pSecond->GetText(2), "second");
    EXPECT_EQ(pSecond->HasOwnStyle(), 1);
    EXPECT_EQ(pSecond->GetAnchorPosition(), 6);
    EXPECT_EQ(pSecond->GetDirectionSine(), 1.0);
    EXPECT_EQ(pSecond->GetDirectionCosine(), 0.0);
    EXPECT_EQ(pSecond->IsAxisDirection(), 1);
    EXPECT_EQ(StoreBytes([&](CArchive& ar) { ar << pLoaded; }), bytes);
}

TEST(ChartLabel, TemplatePartAddsAnchorDirectionAngleAndTexts)
{
    DEDizedLabel label;
    const char* const kLine = " 0 0 255 \"Arial\" 12 1 0 10.5 20 0 1 45 6 1 rest";
    EXPECT_STREQ(label.ReadTemplateClassPart(kLine), " rest");
    EXPECT_EQ(label.GetAnchorX(), 10.5);
    EXPECT_EQ(label.GetAnchorY(), 20.0);
    EXPECT_EQ(label.GetDirectionCosine(), 0.0);
    EXPECT_EQ(label.GetDirectionSine(), 1.0);
    EXPECT_EQ(label.GetTextAngle(), 45.0);
    EXPECT_EQ(label.GetAnchorPosition(), 6);
    EXPECT_EQ(label.IsInBlock(), 1);
    EXPECT_EQ(label.GetTextColour(), RGB(0, 0, 255));
    // a shorter part leaves those fields alone
    EXPECT_STREQ(label.ReadTemplateClassPart(" 0 0 0 \"Arial\" 10 0 0 1 2"), " 1 2");
    EXPECT_EQ(label.GetAnchorX(), 10.5);

    label.SetText(1, "Hello");
    EXPECT_EQ(WrittenText([&](CStdioFile& f) {
                  label.WriteTemplateKeyword(f);
                  label.WriteTemplateExtra(f);
              }),
              "label  10.5 20 0 1 45 6 1\r\nannotation 1 Hello\r\n");
}

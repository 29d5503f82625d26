// Rotated cell text: where the turned text starts for each quadrant and alignment, and that its
// pixels stay inside the clip rectangle.
#include "wine_gtest.h"

#include "TestSupport.h"

#include "grid/ops/GXDrawRotatedTextImp.h"
#include "win/CGdiObject.h"

#include <memory>

namespace {

struct StartCase {
    LONG nOrientation;
    UINT nFormat;
    POINT expected;
};

// A text 40 by 12 in the rectangle (10, 20, 110, 80). The factor the grid turns degrees into radians
// by is a little under pi / 180, so 90 degrees leave a tiny cosine that the truncation shows.
TEST(RotatedTextTest, StartPointsByQuadrantAndAlignment)
{
    const RECT rect = {10, 20, 110, 80};
    const SIZE size = {40, 12};
    const UINT nRightBottom = DT_RIGHT | DT_BOTTOM, nCentre = DT_CENTER | DT_VCENTER;
    const StartCase cases[] = {
        // level text: half a text height below the top, and the usual right and centre places
        {0, 0, {10, 26}},
        {0, nRightBottom, {58, 74}},
        {0, nCentre, {34, 50}},
        // first quadrant: the start sinks by the text's rise
        {450, 0, {10, 54}},
        {900, 0, {10, 66}},
        {900, nRightBottom, {97, 74}},
        {900, nCentre, {53, 70}},
        // second quadrant
        {1350, 0, {38, 60}},
        {1350, nCentre, {68, 70}},
        // third quadrant: the vertical middle without the half height
        {1800, 0, {62, 20}},
        {1800, nRightBottom, {110, 68}},
        {1800, nCentre, {86, 50}},
        {2700, 0, {22, 20}},
        {2700, nRightBottom, {109, 28}},
        {2700, nCentre, {66, 30}},
        // fourth quadrant
        {3150, 0, {18, 20}},
        {3150, nRightBottom, {78, 39}},
        // whole turns and negative angles
        {3600, 0, {10, 26}},
        {3600, nRightBottom, {58, 74}},
        {-900, 0, {22, 20}},
        {-900, nRightBottom, {109, 28}},
        {-900, nCentre, {66, 30}},
    };
    for (const StartCase& c : cases) {
        const POINT start = GXRotatedTextStart(size, rect, c.nFormat, c.nOrientation);
        EXPECT_EQ(start.x, c.expected.x) << "orientation " << c.nOrientation << " format " << c.nFormat;
        EXPECT_EQ(start.y, c.expected.y) << "orientation " << c.nOrientation << " format " << c.nFormat;
    }
}

TEST(RotatedTextTest, SecondQuadrantStartBeyondTheRightEdgeComesBackByTheTextHeight)
{
    // 135 degrees in a rectangle 20 wide: the start would lie 28 pixels right of the left edge
    const POINT start = GXRotatedTextStart(SIZE{40, 12}, RECT{10, 20, 30, 80}, 0, 1350);
    EXPECT_EQ(start.x, 30 - 12);
    EXPECT_EQ(start.y, 60);
}

// The pixels that differ from white, as a rectangle (empty when none).
CRect InkBounds(const DibCanvas& canvas)
{
    CRect bounds(0, 0, 0, 0);
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (canvas.At(x, y) != RGB(255, 255, 255))
                bounds.UnionRect(bounds, CRect(x, y, x + 1, y + 1));
    return bounds;
}

TEST(RotatedTextTest, DrawsTheTurnedTextInsideTheClipRectangleOnly)
{
    std::unique_ptr<CGXAbstractDrawRotatedTextImp> pImp(GXCreateDrawRotatedTextImp());
    for (LONG nOrientation : {0L, 450L, 900L, 2700L}) {
        DibCanvas canvas(160, 160);
        CFont font;
        font.CreateFont(-24, 0, nOrientation, nOrientation, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
        CFont* pOld = canvas.dc.SelectObject(&font);
        const RECT rect = {20, 20, 140, 140};
        // whole: the text lands in the rectangle
        EXPECT_EQ(pImp->DrawRotatedText(&canvas.dc, "WWWWWWWW", -1, rect, DT_CENTER | DT_VCENTER, nOrientation,
                                        nullptr),
                  0);
        const CRect whole = InkBounds(canvas);
        EXPECT_FALSE(whole.IsRectEmpty()) << nOrientation;
        EXPECT_TRUE(CRect(rect).PtInRect(whole.TopLeft())) << nOrientation;
        // clipped to a strip across the middle: nothing outside it, something inside
        DibCanvas clipped(160, 160);
        CFont* pOldClipped = clipped.dc.SelectObject(&font);
        const RECT clip = {60, 60, 100, 100};
        pImp->DrawRotatedText(&clipped.dc, "WWWWWWWW", 8, rect, DT_CENTER | DT_VCENTER, nOrientation, &clip);
        const CRect ink = InkBounds(clipped);
        EXPECT_FALSE(ink.IsRectEmpty()) << nOrientation;
        EXPECT_TRUE(CRect(clip).PtInRect(ink.TopLeft()) && ink.right <= clip.right && ink.bottom <= clip.bottom)
            << nOrientation << ": ink " << ink.left << "," << ink.top << "," << ink.right << "," << ink.bottom;
        clipped.dc.SelectObject(pOldClipped);
        canvas.dc.SelectObject(pOld);
    }
}

}  // namespace

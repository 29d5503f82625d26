// Packed colours and the brush and pen records that store them.
#include "wine_gtest.h"

#include "grid/engine/GXCellBrush.h"
#include "grid/engine/GXCellPen.h"
#include "grid/engine/GXColor.h"
#include "grid/engine/GXState.h"

#include "Throws.h"

namespace {

// The RGB of a system colour in the current colour scheme: what a packed system colour reads back as
// below its marker byte.
COLORREF SysRgb(int nIndex)
{
    return ::GetSysColor(nIndex) & 0xFFFFFF;
}

}  // namespace

TEST(PackedColor, SystemAndOrdinaryColours)
{
    GXGetSysColors()->Refresh();
    struct Case {
        COLORREF packed;
        BOOL system;
        int index;
    } cases[] = {
        {0xF9000000, TRUE, COLOR_WINDOW},
        {0xF6000000, TRUE, COLOR_WINDOWTEXT},
        {0xEF000000, TRUE, COLOR_BTNFACE},
        {0x41000000, TRUE, 189},
        {0xFE000000, TRUE, 0},
        {0x40FFFFFF, FALSE, 0},
        {0xFF000000, FALSE, 0},
        {0x00123456, FALSE, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.packed);
        EXPECT_EQ(GXIsSysColor(c.packed), c.system);
        if (c.system) {
            EXPECT_EQ(GXGetSysColorIndex(c.packed), c.index);
            EXPECT_EQ(GXSysColor(c.index), c.packed);
        }
    }
    EXPECT_EQ(GXResolveColor(0xF9000000), ::GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(GXResolveColor(0x00123456), 0x00123456u);
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { GXSysColor(190); }));
}

TEST(PackedColor, RecordsReadSystemColoursWithTheirMarker)
{
    struct Case {
        COLORREF stored;
        COLORREF read;
    } cases[] = {
        {0xF9000000, 0xF9000000 | SysRgb(COLOR_WINDOW)},
        {0xED000000, 0xED000000 | SysRgb(COLOR_GRAYTEXT)},
        {0x00123456, 0x00123456},
        {0x01000007, 0x01000007},  // palette index keeps its flag
        {0x02ABCDEF, 0x02ABCDEF},
        {0x40FFFFFF, 0x00FFFFFF},
        {0xFF123456, 0x00123456},  // both flag bits set: stored as plain RGB, never as a system colour
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.stored);
        EXPECT_EQ(CGXCellBrush().SetColor(c.stored).GetColor(), c.read);
        EXPECT_EQ(CGXCellBrush().SetBkColor(c.stored).GetBkColor(), c.read);
        EXPECT_EQ(CGXCellPen().SetColor(c.stored).GetColor(), c.read);
        // what is read back stores again unchanged
        EXPECT_EQ(CGXCellBrush().SetColor(c.read).GetColor(), c.read);
    }
}

TEST(CellBrush, LayoutAndSetters)
{
    const CGXCellBrush def;
    EXPECT_EQ(def.m_dwWord1, 0x3FFFFFFFu);
    EXPECT_EQ(def.GetStyle(), UINT(CGXCellBrush::gxSolid));
    EXPECT_EQ(def.GetPattern(), UINT(GX_NO_PATTERN));
    EXPECT_EQ(def.GetBkColor(), RGB(255, 255, 255));

    CGXCellBrush b;
    b.m_dwWord0 |= 8;  // the reserved bit survives every operation
    b.SetBkColor(0xF9000000).Set(CGXCellBrush::gxHatched, RGB(1, 2, 3), 5);
    EXPECT_EQ(b.GetStyle(), UINT(CGXCellBrush::gxHatched));
    EXPECT_EQ(b.GetHatch(), 5u);
    EXPECT_EQ(b.GetColor(), RGB(1, 2, 3));
    EXPECT_EQ(b.GetBkColor(), RGB(255, 255, 255));  // Set resets the background to plain white
    EXPECT_EQ(b.m_dwWord0 & 8, 8u);
    b.SetColor(0xF6000000);
    EXPECT_EQ(b.GetHatch(), 5u);
    EXPECT_EQ(b.GetBkColor(), RGB(255, 255, 255));
    b.SetPattern(40);
    EXPECT_EQ(b.GetStyle(), UINT(CGXCellBrush::gxPattern));
    b.SetPattern(GX_NO_PATTERN);
    EXPECT_EQ(b.GetStyle(), UINT(CGXCellBrush::gxSolid));
    EXPECT_EQ(b.m_dwWord0 & 8, 8u);
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { b.SetPattern(64); }));
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { b.Set(4, 0, 0); }));

    const LOGBRUSH lb = CGXCellBrush(CGXCellBrush::gxHatched, 0xF9000000, HS_CROSS).GetLogBrush();
    EXPECT_EQ(lb.lbStyle, UINT(BS_HATCHED));
    EXPECT_EQ(lb.lbColor, ::GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(lb.lbHatch, ULONG_PTR(HS_CROSS));
}

TEST(CellPen, InclusionAndConversions)
{
    CGXCellPen pen(CGXCellPen::gxDot, 3, RGB(9, 8, 7));
    EXPECT_EQ(pen.GetStyle(), UINT(CGXCellPen::gxDot));
    EXPECT_EQ(pen.GetWidth(), 3u);
    EXPECT_EQ(pen.m_dwWord0 >> 21, 0u);  // bits 21-31 stay zero
    pen.SetInclude(FALSE);
    EXPECT_FALSE(pen.GetInclude());
    EXPECT_EQ(pen.GetLogPen().lopnStyle, UINT(PS_NULL));
    pen.SetInclude(TRUE);
    EXPECT_EQ(pen.GetStyle(), UINT(CGXCellPen::gxSolid));
    pen.SetStyle(CGXCellPen::gxDashDot).SetInclude(TRUE);
    EXPECT_EQ(pen.GetStyle(), UINT(CGXCellPen::gxDashDot));
    pen.SetInclude(FALSE).SetColor(0xF6000000);  // setting a colour includes the side
    EXPECT_EQ(pen.GetStyle(), UINT(CGXCellPen::gxSolid));
    const LOGPEN lp = pen.GetLogPen();
    EXPECT_EQ(lp.lopnWidth.x, 3);
    EXPECT_EQ(lp.lopnColor, ::GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { pen.SetWidth(0x10000); }));
}

TEST(CellPen, DashBrushes)
{
    const CGXCellBrush interior = CGXCellBrush().SetBkColor(RGB(10, 20, 30));
    CGXCellBrush brush;
    EXPECT_TRUE(CGXCellPen(CGXCellPen::gxDash, 1, RGB(1, 1, 1)).CreateDashBrush(brush, interior, TRUE, FALSE));
    EXPECT_EQ(brush.GetStyle(), UINT(CGXCellBrush::gxPattern));
    EXPECT_EQ(brush.GetColor(), RGB(1, 1, 1));
    EXPECT_EQ(brush.GetBkColor(), RGB(10, 20, 30));
    CGXCellBrush vertical;
    CGXCellPen(CGXCellPen::gxDash, 1, RGB(1, 1, 1)).CreateDashBrush(vertical, interior, FALSE, FALSE);
    EXPECT_NE(vertical.GetPattern(), brush.GetPattern());
    EXPECT_TRUE(CGXCellPen(CGXCellPen::gxDot, 1, RGB(1, 1, 1)).CreateDashBrush(brush, interior, TRUE, TRUE));
    EXPECT_EQ(brush.GetColor(), RGB(0, 0, 0));
    EXPECT_EQ(brush.GetBkColor(), RGB(255, 255, 255));
    EXPECT_TRUE(CGXCellPen(CGXCellPen::gxNull, 1, 0).CreateDashBrush(brush, interior, TRUE, FALSE));
    EXPECT_EQ(brush, interior);
    EXPECT_FALSE(CGXCellPen(CGXCellPen::gxSolid, 1, 0).CreateDashBrush(brush, interior, TRUE, FALSE));
}

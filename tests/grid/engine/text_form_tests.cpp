// Text forms of pens, brushes, fonts and choice lists, and the style comparison (IsSubSet).
#include "wine_gtest.h"

#include "grid/engine/GXColor.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXTextForms.h"

#include "grid_test_support.h"

#include <functional>

TEST(TextForms, Pen)
{
    EXPECT_STREQ(GXPenToText(CGXCellPen(CGXCellPen::gxSolid, 1, RGB(255, 0, 0))), "0 1 255 0 0 0");

    CGXCellPen pen;
    GXPenFromText(pen, "  3 7 1 2 3");
    EXPECT_TRUE(pen.GetInclude());
    EXPECT_EQ(pen.GetStyle(), 3u);
    EXPECT_EQ(pen.GetWidth(), 7u);
    EXPECT_EQ(pen.GetColor(), RGB(1, 2, 3));

    // four numbers are not a pen: the side is left out
    GXPenFromText(pen, "0 1 255 0");
    EXPECT_FALSE(pen.GetInclude());
    EXPECT_EQ(pen.GetColor(), 0u);

    // a system colour comes back as the system colour (its marker byte is the sixth number)
    const CGXCellPen system(CGXCellPen::gxDash, 2, GXSysColor(COLOR_WINDOWTEXT));
    CGXCellPen back;
    GXPenFromText(back, GXPenToText(system));
    EXPECT_EQ(back, system);
}

TEST(TextForms, Brush)
{
    CGXCellBrush brush(CGXCellBrush::gxHatched, RGB(1, 2, 3), 4);
    brush.SetBkColor(RGB(4, 5, 6));
    EXPECT_STREQ(GXBrushToText(brush), "2 4 1 2 3 4 5 6 0");
    CGXCellBrush back;
    GXBrushFromText(back, GXBrushToText(brush));
    EXPECT_EQ(back, brush);

    const CGXCellBrush system(CGXCellBrush::gxSolid, GXSysColor(COLOR_BTNFACE));
    GXBrushFromText(back, GXBrushToText(system));
    EXPECT_EQ(back.GetColor(), system.GetColor());

    struct Case {
        const char* text;
        UINT style;
        COLORREF fore;
        COLORREF back;
    } cases[] = {
        {"0 0 10 20 30 40 50 60 1", 0, 0x01000000 | (20 << 8) | 10, RGB(40, 50, 60)},  // a palette index
        {"3 12 1 1 1", 3, RGB(1, 1, 1), 0},  // a pattern; no background given
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CGXCellBrush parsed;
        GXBrushFromText(parsed, c.text);
        EXPECT_EQ(parsed.GetStyle(), c.style);
        EXPECT_EQ(parsed.GetColor(), c.fore);
        EXPECT_EQ(parsed.GetBkColor(), c.back);
    }
    CGXCellBrush parsed;
    GXBrushFromText(parsed, "3 12 1 1 1");
    EXPECT_EQ(parsed.GetPattern(), 12u);
    GXBrushFromText(parsed, "1 2 3");  // fewer than five numbers: only the foreground, 0
    EXPECT_EQ(parsed.GetColor(), 0u);
}

TEST(TextForms, Font)
{
    CGXFont font;
    font.SetFaceName("Arial").SetSize(10).SetWeight(700).SetItalic(TRUE);
    const CString face = font.GetFaceName();
    EXPECT_STREQ(GXFontToText(font), face + ",10,700,1,,");
    font.SetOrientation(900);
    EXPECT_STREQ(GXFontToText(font), face + ",10,700,1,,,900");
    EXPECT_STREQ(GXFontToText(CGXFont()), ",,,,,");

    CGXFont back;
    back.SetUnderline(TRUE);  // reset by the parse
    GXFontFromText(back, GXFontToText(font));
    EXPECT_EQ(back.GetDescription() & ~uint64_t(1), font.GetDescription() & ~uint64_t(1));

    GXFontFromText(back, ",,5000,,0");  // a weight out of range stays unset
    EXPECT_FALSE(back.GetIncludeWeight());
    EXPECT_TRUE(back.GetIncludeUnderline());
    EXPECT_FALSE(back.GetUnderline());
    EXPECT_FALSE(back.GetIncludeFaceName());
}

TEST(TextForms, ChoiceList)
{
    EXPECT_STREQ(GXEscapeChoiceList("a\nb"), "a\\nb");
    EXPECT_STREQ(GXEscapeChoiceList("a\r\nb\\c"), "a\\nb\\\\c");
    EXPECT_STREQ(GXUnescapeChoiceList("a\\nb"), "a\r\nb");
    EXPECT_STREQ(GXUnescapeChoiceList("x\\\\n\\q"), "x\\n\\q");
}

TEST(StyleCompare, SubsetsAttributeByAttribute)
{
    InstallGridModules();
    CGXStyle empty;
    CGXStyle full;
    full.SetValue("v").SetReadOnly(TRUE).SetBorders(CGXStyle::gxBorderTop, CGXCellPen());
    full.ChangeFont(CGXFont().SetWeight(700).SetItalic(TRUE), CGXStyle::gxOverride);
    full.SetUserAttribute(GX_IDS_UA_VALID_MIN, "1").SetUserAttribute(GX_IDS_UA_VALID_MAX, "9");
    EXPECT_TRUE(full.IsSubSet(empty));
    EXPECT_TRUE(empty.IsSubSet(empty));
    EXPECT_FALSE(empty.IsSubSet(full));
    EXPECT_TRUE(full.IsSubSet(full));

    struct Case {
        const char* what;
        std::function<void(CGXStyle&)> set;
        bool subset;
    } cases[] = {
        {"same value", [](CGXStyle& s) { s.SetValue("v"); }, true},
        {"other value", [](CGXStyle& s) { s.SetValue("w"); }, false},
        {"same flag", [](CGXStyle& s) { s.SetReadOnly(TRUE); }, true},
        {"other flag", [](CGXStyle& s) { s.SetReadOnly(FALSE); }, false},
        {"attribute not here", [](CGXStyle& s) { s.SetMaxLength(3); }, false},
        {"a font part", [](CGXStyle& s) { s.ChangeFont(CGXFont().SetWeight(700), 0); }, true},
        {"other font part", [](CGXStyle& s) { s.ChangeFont(CGXFont().SetItalic(FALSE), 0); }, false},
        {"a side set here", [](CGXStyle& s) { s.SetBorders(CGXStyle::gxBorderTop, CGXCellPen()); }, true},
        {"a side not set here", [](CGXStyle& s) { s.SetBorders(CGXStyle::gxBorderLeft, CGXCellPen()); }, false},
        // the second of two attributes, looked up by its id
        {"one of the attributes", [](CGXStyle& s) { s.SetUserAttribute(GX_IDS_UA_VALID_MAX, "9"); }, true},
        {"attribute of other value", [](CGXStyle& s) { s.SetUserAttribute(GX_IDS_UA_VALID_MAX, "8"); }, false},
        {"user attribute not here", [](CGXStyle& s) { s.SetUserAttribute(GX_IDS_UA_TOOLTIPTEXT, "x"); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CGXStyle other;
        c.set(other);
        EXPECT_EQ(full.IsSubSet(other) != FALSE, c.subset);
    }

    // a system text colour equals its resolved colour
    CGXStyle system;
    system.SetTextColor(GXSysColor(COLOR_WINDOWTEXT));
    CGXStyle plain;
    plain.SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_TRUE(system.IsSubSet(plain));

    WithoutModule<CGXAbstractStyleCompareSubsetImp> none(GXGetLibraryState()->m_pStyleCompareSubsetImp);
    EXPECT_FALSE(full.IsSubSet(empty));
}

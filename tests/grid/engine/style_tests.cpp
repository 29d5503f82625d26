// CGXStyle: include-mask numbering, setters, copies, the merge modes of ChangeStyle, borders, user
// attributes, the library's standard style and the base-style chain.
#include "wine_gtest.h"

#include "grid/engine/GXColor.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"

#include "Throws.h"

#include <functional>
#include <map>

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

}  // namespace

TEST(Style, IncludeMaskNumbering)
{
    struct Case {
        int bit;
        std::function<void(CGXStyle&)> set;
    } cases[] = {
        {0, [](CGXStyle& s) { s.SetHorizontalAlignment(DT_RIGHT); }},
        {1, [](CGXStyle& s) { s.SetVerticalAlignment(DT_BOTTOM); }},
        {2, [](CGXStyle& s) { s.SetReadOnly(TRUE); }},
        {3, [](CGXStyle& s) { s.SetControl(52513); }},
        {4, [](CGXStyle& s) { s.SetBackgroundColor(kRed); }},
        {5, [](CGXStyle& s) { s.SetTextColor(kBlue); }},
        {6, [](CGXStyle& s) { s.SetWrapText(TRUE); }},
        {7, [](CGXStyle& s) { s.SetAllowEnter(TRUE); }},
        {8, [](CGXStyle& s) { s.SetBorders(CGXStyle::gxBorderTop, CGXCellPen()); }},
        {9, [](CGXStyle& s) { s.ChangeFont(CGXFont().SetWeight(700), CGXStyle::gxOverride); }},
        {10, [](CGXStyle& s) { s.SetValue("v"); }},
        {11, [](CGXStyle& s) { s.SetChoiceList("a\nb"); }},
        {12, [](CGXStyle& s) { s.SetVerticalScrollbar(TRUE); }},
        {13, [](CGXStyle& s) { s.SetMaxLength(5); }},
        {14, [](CGXStyle& s) { s.SetBaseStyle(3); }},
        {15, [](CGXStyle& s) { s.SetEnabled(FALSE); }},
        {16, [](CGXStyle& s) { s.SetTriState(TRUE); }},
        {17, [](CGXStyle& s) { s.SetDraw3dFrame(2); }},
        {18, [](CGXStyle& s) { s.SetUserAttribute(51022, "tip"); }},
        {19, [](CGXStyle& s) { s.SetAutoSize(TRUE); }},
        {20, [](CGXStyle& s) { s.SetItemDataPtr(&s); }},
        {21, [](CGXStyle& s) { s.SetFloatCell(TRUE); }},
        {22, [](CGXStyle& s) { s.SetFloodCell(TRUE); }},
        {23, [](CGXStyle& s) { s.SetMergeCell(5); }},
        {24, [](CGXStyle& s) { s.SetFormat(31); }},
        {25, [](CGXStyle& s) { s.SetPlaces(15); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "bit " << c.bit);
        CGXStyle s;
        c.set(s);
        EXPECT_EQ(s.GetIncludeMask(), 1u << c.bit);
        // merging it into an empty style and back out again leaves nothing
        CGXStyle t;
        t.ChangeStyle(s, CGXStyle::gxOverride);
        EXPECT_EQ(t.GetIncludeMask(), 1u << c.bit);
        t.ChangeStyle(s, CGXStyle::gxExclude);
        EXPECT_EQ(t.GetIncludeMask() & ~(CGXStyle::incFont | CGXStyle::incUserAttributes), 0u);
    }
    CGXStyle s;
    s.SetIncludeMask(0xFFFFFFFF);
    EXPECT_EQ(s.GetIncludeMask(), 0x03FFFFFFu);
    s.SetIncludeMask(0);
    EXPECT_TRUE(s.IsEmpty());
}

TEST(Style, SettersStoreWhatGettersRead)
{
    CGXStyle s;
    struct AlignCase {
        UINT given, horz, vert;
    } aligns[] = {{DT_LEFT, DT_LEFT, DT_TOP}, {DT_CENTER, DT_CENTER, DT_TOP}, {DT_RIGHT, DT_RIGHT, DT_TOP},
                  {DT_VCENTER, DT_LEFT, DT_VCENTER}, {DT_BOTTOM, DT_LEFT, DT_BOTTOM}, {77, DT_LEFT, DT_TOP}};
    for (const AlignCase& c : aligns) {
        SCOPED_TRACE(c.given);
        EXPECT_EQ(s.SetHorizontalAlignment(c.given).GetHorizontalAlignment(), c.horz);
        EXPECT_EQ(s.SetVerticalAlignment(c.given).GetVerticalAlignment(), c.vert);
    }
    s.SetTextColor(GXSysColor(COLOR_WINDOWTEXT)).SetBaseStyle(0x1234).SetMergeCell(7).SetFormat(31).SetPlaces(15);
    EXPECT_EQ(s.GetTextColor(), (::GetSysColor(COLOR_WINDOWTEXT) & 0xFFFFFF) | 0xF6000000u);
    EXPECT_EQ(s.GetBaseStyle(), 0x34);  // base style ids keep 8 bits
    EXPECT_EQ(s.GetMergeCell(), 7u);
    EXPECT_EQ(s.GetFormat(), 31u);
    EXPECT_EQ(s.GetPlaces(), 15u);
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { s.SetFormat(32); }));
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { s.SetPlaces(16); }));
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { s.SetDraw3dFrame(4); }));
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { s.SetBorders(4, CGXCellPen()); }));
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { s.ChangeStyle(CGXStyle(), 4); }));
}

TEST(Style, ValueAndItsType)
{
    CGXStyle s;
    s.SetValueNumber(4000000000u);
    EXPECT_STREQ(s.GetValueRef(), "4000000000");
    EXPECT_EQ(s.GetValueType(), UINT(CGXStyle::gxValueNumber));
    s.SetIncludeValue(FALSE);
    EXPECT_FALSE(s.GetIncludeValue());
    EXPECT_TRUE(s.GetValueRef().IsEmpty());
    EXPECT_EQ(s.GetValueType(), UINT(CGXStyle::gxValueNumber));
    s.SetValue("text");
    EXPECT_EQ(s.GetValueType(), UINT(CGXStyle::gxValueText));
    s.SetIncludeValue(TRUE);
    EXPECT_STREQ(s.GetValueRef(), "text");
}

TEST(Style, CopiesAreDeepAndDropWhatTheSourceLacks)
{
    CGXStyle a;
    a.SetValue("a").ChangeFont(CGXFont().SetWeight(700), CGXStyle::gxCopy);
    a.SetBorders(CGXStyle::gxBorderLeft, CGXCellPen(CGXCellPen::gxSolid, 1, kRed));
    a.SetUserAttribute(51022, "tip");
    CGXStyle b(a);
    b.ChangeFont(CGXFont().SetWeight(400), CGXStyle::gxOverride);
    b.SetUserAttribute(51022, "other");
    EXPECT_EQ(a.GetFontRef().WeightToFontWeight(), 700);
    EXPECT_STREQ(a.GetUserAttribute(51022).GetValue(), "tip");
    std::unique_ptr<CGXStyle> clone(a.Clone());
    EXPECT_EQ(clone->GetBorders(CGXStyle::gxBorderLeft).GetColor(), kRed);

    // assignment from a style without Value, font or user attributes leaves none behind to come back
    CGXStyle plain;
    plain.SetReadOnly(TRUE);
    b = plain;
    EXPECT_EQ(b.GetIncludeMask(), UINT(CGXStyle::incReadOnly));
    b.SetIncludeValue(TRUE);
    EXPECT_TRUE(b.GetValueRef().IsEmpty());
    b.SetUserAttribute(51011, "1");
    EXPECT_FALSE(b.HasUserAttribute(51022));
    b = CGXStyle();
    EXPECT_TRUE(b.IsEmpty());
}

TEST(Style, ChangeStyleWithEmptyStyles)
{
    CGXStyle full;
    full.SetValue("v").SetWrapText(TRUE).SetBackgroundColor(kRed);
    full.SetUserAttribute(51022, "tip");
    for (int mode : {CGXStyle::gxOverride, CGXStyle::gxApplyNew, CGXStyle::gxExclude}) {
        SCOPED_TRACE(mode);
        CGXStyle s(full);
        s.ChangeStyle(CGXStyle(), mode);
        EXPECT_EQ(s.GetIncludeMask(), full.GetIncludeMask());
        EXPECT_STREQ(s.GetValueRef(), "v");
        CGXStyle empty;
        empty.ChangeStyle(full, mode == CGXStyle::gxExclude ? CGXStyle::gxCopy : mode);
        EXPECT_EQ(empty.GetIncludeMask(), full.GetIncludeMask());
        EXPECT_STREQ(empty.GetValueRef(), "v");
        EXPECT_EQ(empty.GetInterior(), full.GetInterior());
        EXPECT_STREQ(empty.GetUserAttribute(51022).GetValue(), "tip");
    }
}

TEST(Style, OverrideAndApplyNew)
{
    CGXStyle mine;
    mine.SetValue("mine").SetBackgroundColor(kRed).SetReadOnly(FALSE);
    mine.ChangeFont(CGXFont().SetWeight(400), CGXStyle::gxCopy);
    mine.SetUserAttribute(51011, "mine");
    CGXStyle other;
    other.SetValueNumber(7).SetBackgroundColor(kBlue).SetWrapText(TRUE);
    other.ChangeFont(CGXFont().SetWeight(700).SetItalic(TRUE), CGXStyle::gxCopy);
    other.SetUserAttribute(51011, "other").SetUserAttribute(51012, "new");

    CGXStyle applied(mine);
    applied.ChangeStyle(other, CGXStyle::gxApplyNew);
    EXPECT_STREQ(applied.GetValueRef(), "mine");
    EXPECT_EQ(applied.GetValueType(), UINT(CGXStyle::gxValueText));
    EXPECT_EQ(applied.GetInterior().GetColor(), kRed);
    EXPECT_TRUE(applied.GetIncludeWrapText() && applied.GetWrapText());
    EXPECT_EQ(applied.GetFontRef().WeightToFontWeight(), 400);
    EXPECT_TRUE(applied.GetFontRef().GetItalic());
    EXPECT_STREQ(applied.GetUserAttribute(51011).GetValue(), "mine");
    EXPECT_STREQ(applied.GetUserAttribute(51012).GetValue(), "new");

    CGXStyle overridden(mine);
    overridden.ChangeStyle(other, CGXStyle::gxOverride);
    EXPECT_STREQ(overridden.GetValueRef(), "7");
    EXPECT_EQ(overridden.GetValueType(), UINT(CGXStyle::gxValueNumber));  // the value carries its type
    EXPECT_EQ(overridden.GetInterior().GetColor(), kBlue);
    EXPECT_EQ(overridden.GetFontRef().WeightToFontWeight(), 700);
    EXPECT_STREQ(overridden.GetUserAttribute(51011).GetValue(), "other");
    EXPECT_TRUE(overridden.GetIncludeReadOnly());
}

TEST(Style, BordersMergeSideBySide)
{
    CGXStyle mine;
    mine.SetBorders(CGXStyle::gxBorderTop, CGXCellPen(CGXCellPen::gxSolid, 1, kRed));
    mine.SetBorders(CGXStyle::gxBorderLeft, CGXCellPen(CGXCellPen::gxExcluded, 1, kRed));  // style 7: not set
    CGXStyle other;
    other.SetBorders(CGXStyle::gxBorderAll, CGXCellPen(CGXCellPen::gxDot, 2, kBlue));

    CGXStyle applied(mine);
    applied.ChangeStyle(other, CGXStyle::gxApplyNew);
    EXPECT_EQ(applied.GetBorders(CGXStyle::gxBorderTop).GetColor(), kRed);
    EXPECT_EQ(applied.GetBorders(CGXStyle::gxBorderLeft).GetColor(), kBlue);
    EXPECT_EQ(applied.GetBorders(CGXStyle::gxBorderRight).GetStyle(), UINT(CGXCellPen::gxDot));

    CGXStyle overridden(mine);
    overridden.ChangeStyle(other, CGXStyle::gxOverride);
    EXPECT_EQ(overridden.GetBorders(CGXStyle::gxBorderTop).GetColor(), kBlue);

    // excluding sides switches them off; Borders stays while a side is left, and goes with the last
    CGXStyle threeSides(other);
    threeSides.SetIncludeBorders(CGXStyle::gxBorderTop, FALSE);
    applied.ChangeStyle(threeSides, CGXStyle::gxExclude);
    EXPECT_TRUE(applied.GetIncludeBorders());
    EXPECT_TRUE(applied.GetIncludeBorders(CGXStyle::gxBorderTop));
    EXPECT_FALSE(applied.GetIncludeBorders(CGXStyle::gxBorderLeft));
    CGXStyle top;
    top.SetBorders(CGXStyle::gxBorderTop, CGXCellPen());
    applied.ChangeStyle(top, CGXStyle::gxExclude);
    EXPECT_FALSE(applied.GetIncludeBorders());
    CGXStyle one;
    one.SetBorders(CGXStyle::gxBorderRight, CGXCellPen());
    one.SetIncludeBorders(CGXStyle::gxBorderRight, FALSE);
    EXPECT_FALSE(one.GetIncludeBorders());
    EXPECT_EQ(one.GetIncludeMask(), 0u);
}

TEST(Style, ExcludeRemovesOnlyWhatTheOtherIncludes)
{
    CGXStyle s;
    s.SetValue("gone").SetWrapText(TRUE).SetReadOnly(TRUE);
    s.ChangeFont(CGXFont().SetWeight(700).SetSize(9), CGXStyle::gxCopy);
    s.SetUserAttribute(51011, "a").SetUserAttribute(51012, "b");
    CGXStyle other;
    other.SetValue("x").SetWrapText(FALSE);
    other.ChangeFont(CGXFont().SetWeight(400), CGXStyle::gxCopy);
    other.SetUserAttribute(51011, "z");
    s.ChangeStyle(other, CGXStyle::gxExclude);
    EXPECT_FALSE(s.GetIncludeValue());
    EXPECT_TRUE(s.GetValueRef().IsEmpty());
    EXPECT_FALSE(s.GetIncludeWrapText());
    EXPECT_TRUE(s.GetIncludeReadOnly());
    EXPECT_TRUE(s.GetIncludeFont());
    EXPECT_FALSE(s.GetFontRef().GetIncludeWeight());
    EXPECT_EQ(s.GetFontRef().GetSize(), 36u);
    EXPECT_FALSE(s.HasUserAttribute(51011));
    EXPECT_TRUE(s.HasUserAttribute(51012));
}

TEST(Style, UserAttributesNeverNull)
{
    CGXStyle s;
    EXPECT_FALSE(s.HasUserAttribute(51011));
    EXPECT_TRUE(s.GetUserAttribute(51011).IsEmpty());
    EXPECT_EQ(&s.GetUserAttribute(51011), &CGXStyle().GetUserAttribute(51012));  // one shared empty attribute
    s.SetUserAttribute(51011, CGXEllipseUserAttribute(CGXEllipseUserAttribute::gxPoundEllipse));
    EXPECT_EQ(s.GetUserAttribute(51011).GetLongValue(), 2);
}

TEST(Style, SetDefaultIsTheStandardStyle)
{
    CGXStyle s;
    s.SetValue("old").SetBaseStyle(2);
    s.SetDefault();
    EXPECT_EQ(s.GetControl(), 52512);
    EXPECT_EQ(s.GetInterior().GetStyle(), UINT(CGXCellBrush::gxSolid));
    EXPECT_EQ(s.GetInterior().GetColor(), (::GetSysColor(COLOR_WINDOW) & 0xFFFFFF) | 0xF9000000u);
    EXPECT_EQ(s.GetTextColor(), (::GetSysColor(COLOR_WINDOWTEXT) & 0xFFFFFF) | 0xF6000000u);
    EXPECT_TRUE(s.GetWrapText() && s.GetEnabled() && s.GetFloatCell() && s.GetFloodCell());
    EXPECT_FALSE(s.GetReadOnly() || s.GetAllowEnter() || s.GetTriState() || s.GetAutoSize() ||
                 s.GetVerticalScrollbar());
    EXPECT_EQ(s.GetPlaces(), 13u);
    EXPECT_EQ(s.GetFormat(), 0u);
    EXPECT_EQ(s.GetHorizontalAlignment(), UINT(DT_LEFT));
    EXPECT_EQ(s.GetVerticalAlignment(), UINT(DT_TOP));
    EXPECT_TRUE(s.GetIncludeValue() && s.GetValueRef().IsEmpty());
    EXPECT_TRUE(s.GetIncludeItemDataPtr());
    EXPECT_FALSE(s.GetIncludeBorders() || s.GetIncludeBaseStyle() || s.GetIncludeUserAttributes());
    const LOGFONTA& lf = s.GetFontRef().GetLogFontRef();
    const int dpi = GXGetLibraryState()->m_fontState.GetDpiY();
    EXPECT_EQ(lf.lfHeight, -MulDiv(MulDiv(11, 288, dpi), dpi, 288));
    EXPECT_EQ(lf.lfWeight, 400);
    EXPECT_STREQ(lf.lfFaceName, "Arial");
    EXPECT_EQ(s.GetIncludeMask(),
              CGXStyle::incAll & ~DWORD(CGXStyle::incBorders | CGXStyle::incBaseStyle | CGXStyle::incUserAttributes));
}

TEST(Style, BaseStyleChainsStopWhenAnIdRepeats)
{
    CGXStyle one, two, three;
    one.SetBaseStyle(2).SetValue("one").SetWrapText(TRUE);
    two.SetBaseStyle(3).SetValue("two").SetReadOnly(TRUE);
    three.SetBaseStyle(1).SetValue("three").SetMaxLength(9);  // back to 1: a loop
    std::map<WORD, const CGXStyle*> registered = {{1, &one}, {2, &two}, {3, &three}};
    int lookups = 0;
    auto lookup = [&](WORD id) -> const CGXStyle* {
        ++lookups;
        auto it = registered.find(id);
        return it != registered.end() ? it->second : nullptr;
    };

    CGXStyle cell;
    cell.SetBaseStyle(1);
    cell.MergeBaseStyles(lookup);
    EXPECT_EQ(lookups, 3);
    EXPECT_STREQ(cell.GetValueRef(), "one");  // the nearest base style wins
    EXPECT_TRUE(cell.GetWrapText() && cell.GetReadOnly());
    EXPECT_EQ(cell.GetMaxLength(), 9);
    EXPECT_EQ(cell.GetBaseStyle(), 1);

    // a style naming itself, and an id that is not registered
    CGXStyle self;
    self.SetBaseStyle(7).SetValue("self");
    registered[7] = &self;
    lookups = 0;
    self.MergeBaseStyles(lookup);
    EXPECT_EQ(lookups, 1);
    CGXStyle unknown;
    unknown.SetBaseStyle(99);
    unknown.MergeBaseStyles(lookup);
    EXPECT_EQ(unknown.GetIncludeMask(), UINT(CGXStyle::incBaseStyle));
}

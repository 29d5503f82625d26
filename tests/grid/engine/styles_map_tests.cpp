// The styles map: the standard styles, registering base styles by resource id and by name, names from
// the string table, user attributes and control names, iteration and base-style chains.
#include "wine_gtest.h"

#include "grid/engine/GXColor.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXStylesMap.h"

#include "Throws.h"
#include "grid_test_support.h"

#include <memory>
#include <string>

namespace {

// A resource id that the grid's string table does not hold.
const UINT kNoText = 60001;

}  // namespace

TEST(StylesMap, NewMapHoldsTheThreeStandardStyles)
{
    CGXStylesMap map;
    map.CreateStandardStyles();
    struct Case {
        WORD id;
        UINT resourceId;
        const char* name;
    } cases[] = {
        {0, 52768, "Standard"},
        {1, 52770, "Column Header"},
        {2, 52769, "Row Header"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UINT nResourceId = 0;
        EXPECT_STREQ(map.LookupBaseStyle(c.id, nResourceId), c.name);
        EXPECT_EQ(nResourceId, c.resourceId);
        EXPECT_EQ(map.GetBaseStyleId(c.resourceId), c.id);
        EXPECT_EQ(map.GetBaseStyleIdByName(c.name), c.id);
    }
    EXPECT_EQ(map.GetStandardStyle(), 0);
    EXPECT_EQ(map.GetColHeaderStyle(), 1);
    EXPECT_EQ(map.GetRowHeaderStyle(), 2);
    EXPECT_EQ(map.GetNextStyleId(), 3);

    const CGXStyle* pStandard = nullptr;
    ASSERT_TRUE(map.LookupStyle(0, pStandard));
    EXPECT_EQ(pStandard->GetControl(), GX_IDS_CTRL_EDIT);
    EXPECT_EQ(pStandard->GetFontRef().GetSize(), 32u);  // 8 points in quarter points
    const CGXStyle* pColumn = nullptr;
    ASSERT_TRUE(map.LookupStyle(1, pColumn));
    EXPECT_EQ(pColumn->GetControl(), GX_IDS_CTRL_HEADER);
    EXPECT_EQ(pColumn->GetFontRef().WeightToFontWeight(), 700);
    EXPECT_EQ(pColumn->GetHorizontalAlignment(), UINT(DT_CENTER));
    EXPECT_EQ(pColumn->GetInterior().GetColor() >> 24, GXSysColor(COLOR_BTNFACE) >> 24);
    EXPECT_FALSE(pColumn->GetIncludeBorders());
    const CGXStyle* pRow = nullptr;
    ASSERT_TRUE(map.LookupStyle(2, pRow));
    EXPECT_EQ(pRow->GetControl(), GX_IDS_CTRL_HEADER);
    EXPECT_FALSE(pRow->GetIncludeFont());
}

TEST(StylesMap, HeaderStylesGetNullBordersWhileBothSwitchesAreOn)
{
    GridLibraryState* pState = GXGetLibraryState();
    for (WORD second : {WORD(0), WORD(1)}) {
        pState->m_wNullHeaderBorders1 = 1;
        pState->m_wNullHeaderBorders2 = second;
        CGXStylesMap map;
        map.CreateStandardStyles();
        const CGXStyle* pColumn = nullptr;
        ASSERT_TRUE(map.LookupStyle(map.GetColHeaderStyle(), pColumn));
        EXPECT_EQ(pColumn->GetIncludeBorders(), second != 0);
        if (second != 0) {
            EXPECT_EQ(pColumn->GetBorders(CGXStyle::gxBorderBottom).GetStyle(), UINT(CGXCellPen::gxNull));
        }
    }
    pState->m_wNullHeaderBorders1 = 0;
    pState->m_wNullHeaderBorders2 = 0;
}

TEST(StylesMap, RegisteringAgainKeepsTheIdAndReplacesTheStyle)
{
    CGXStylesMap map;
    CGXStyle a;
    a.SetValue("a");
    CGXStyle b;
    b.SetValue("b");
    const WORD nById = map.RegisterStyle(GX_IDS_STYLE_STANDARD, a, TRUE);
    EXPECT_EQ(map.RegisterStyle(GX_IDS_STYLE_STANDARD, b, TRUE), nById);
    const WORD nByName = map.RegisterStyle("Totals", a, FALSE);
    EXPECT_EQ(map.RegisterStyle("Totals", b, FALSE), nByName);
    EXPECT_NE(nById, nByName);
    EXPECT_EQ(map.GetStyleCount(), 2);
    const CGXStyle* pStyle = nullptr;
    ASSERT_TRUE(map.LookupStyle(nById, pStyle));
    EXPECT_STREQ(pStyle->GetValueRef(), "b");
    a.SetValue("changed");  // the map keeps its own copy
    ASSERT_TRUE(map.LookupStyle(nByName, pStyle));
    EXPECT_STREQ(pStyle->GetValueRef(), "b");
    UINT nResourceId = 99;
    EXPECT_STREQ(map.LookupBaseStyle(nByName, nResourceId), "Totals");
    EXPECT_EQ(nResourceId, 0u);

    // a resource id without a text is named after its id
    const WORD nUnnamed = map.RegisterStyle(kNoText, a, FALSE);
    EXPECT_STREQ(map.LookupBaseStyle(nUnnamed, nResourceId), "UA60001");
    EXPECT_EQ(map.GetBaseStyleIdByName("UA60001"), nUnnamed);

    EXPECT_EQ(map.LookupBaseStyle(77, nResourceId), nullptr);
    EXPECT_EQ(nResourceId, 0u);
    EXPECT_FALSE(map.LookupStyle(77, pStyle));
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { map.RegisterStyle(0u, a, FALSE); }));
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { map.RegisterStyle("", a, FALSE); }));
}

TEST(StylesMap, UserAttributesAndControlsNeedTheirTexts)
{
    CGXStylesMap map;
    CGXStyle first;
    first.SetWrapText(TRUE);
    map.AddUserAttribute(GX_IDS_UA_TOOLTIPTEXT, &first);
    CGXStyle second;
    second.SetMaxLength(4);
    map.AddUserAttribute(GX_IDS_UA_TOOLTIPTEXT, &second);  // the first registration stays
    map.AddUserAttribute(GX_IDS_UA_VALID_MIN);
    ASSERT_EQ(map.GetUserAttributes().size(), 2u);
    const CGXStylesMap::UserAttributeEntry& tip = *map.GetUserAttributes().at(GX_IDS_UA_TOOLTIPTEXT);
    EXPECT_STREQ(tip.strName, "Tooltip-Text");
    EXPECT_TRUE(tip.pStyle->GetIncludeWrapText());
    EXPECT_FALSE(tip.pStyle->GetIncludeMaxLength());
    EXPECT_TRUE(map.GetUserAttributes().at(GX_IDS_UA_VALID_MIN)->pStyle->IsEmpty());

    map.AddControl(GX_IDS_CTRL_CBS_DROPDOWNLIST);
    EXPECT_STREQ(map.GetControlName(GX_IDS_CTRL_CBS_DROPDOWNLIST), "MFC DropDownList");
    EXPECT_EQ(map.GetControlName(GX_IDS_CTRL_EDIT), nullptr);

    EXPECT_TRUE(Throws<CResourceException>([&] { map.AddUserAttribute(WORD(kNoText)); }));
    EXPECT_TRUE(Throws<CResourceException>([&] { map.AddControl(WORD(kNoText)); }));
    EXPECT_EQ(map.GetUserAttributes().count(WORD(kNoText)), 0u);
}

TEST(StylesMap, IterationAndRemoveAll)
{
    CGXStylesMap map;
    map.CreateStandardStyles();
    map.RegisterStyle("Extra", CGXStyle(), FALSE);
    map.AddControl(GX_IDS_CTRL_EDIT);
    std::string seen;
    POSITION pos = map.GetStartPosition();
    while (pos != nullptr) {
        CString name;
        WORD id;
        UINT resourceId;
        BOOL bSystem;
        map.GetNextStyle(pos, name, id, resourceId, bSystem);
        seen += std::to_string(id) + ":" + name.GetString() + (bSystem ? "*" : "") + " ";
    }
    EXPECT_EQ(seen, "0:Standard* 1:Column Header* 2:Row Header* 3:Extra ");

    map.RemoveAll();
    EXPECT_EQ(map.GetStartPosition(), nullptr);
    EXPECT_EQ(map.GetNextStyleId(), 0);
    EXPECT_EQ(map.GetBaseStyleIdByName("Extra"), 0);
    EXPECT_STREQ(map.GetControlName(GX_IDS_CTRL_EDIT), "Edit Control");  // control names stay
}

TEST(StylesMap, BaseStylesMergeThroughTheMap)
{
    CGXStylesMap map;
    CGXStyle distant;
    distant.SetValue("distant").SetMaxLength(9).SetReadOnly(TRUE);
    const WORD nDistant = map.RegisterStyle("Distant", distant, FALSE);
    CGXStyle close;
    close.SetValue("close").SetBaseStyle(nDistant);
    const WORD nClose = map.RegisterStyle("Close", close, FALSE);

    CGXStyle cell;
    cell.SetReadOnly(FALSE).SetBaseStyle(nClose);
    cell.LoadBaseStyle(map);
    EXPECT_STREQ(cell.GetValueRef(), "close");  // the nearer base style wins
    EXPECT_EQ(cell.GetMaxLength(), 9);
    EXPECT_FALSE(cell.GetReadOnly());  // the cell's own attribute wins
}

TEST(StylesMap, StyleClassMustBeACreatableStyle)
{
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { CGXStylesMap map(RUNTIME_CLASS(CGXFont)); }));
    CGXStylesMap map(RUNTIME_CLASS(CGXStyle));
    std::unique_ptr<CGXStyle> pStyle(map.CreateStyle());
    EXPECT_TRUE(pStyle->IsEmpty());
}

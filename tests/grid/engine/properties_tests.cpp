// The properties: default colours, names from the string table, user properties, the default
// current-cell property and the header and footer texts.
#include "wine_gtest.h"

#include "grid/engine/GXColor.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXResource.h"

#include "Throws.h"
#include "grid_test_support.h"

TEST(Properties, DefaultColours)
{
    CGXProperties properties;
    struct Case {
        int index;
        const char* name;
        COLORREF color;
    } cases[] = {
        {0, "Grid Lines", GXSysColor(COLOR_GRAYTEXT)},
        {1, "Fixed Lines", GXSysColor(COLOR_ACTIVECAPTION)},
        {2, "Tracking Line", 255},
        {3, "Dragging Line", 255},
        {4, "Background", GXSysColor(COLOR_BTNFACE)},
    };
    ASSERT_EQ(properties.GetColorCount(), 5);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_STREQ(properties.GetColorName(c.index), c.name);
        EXPECT_EQ(properties.GetColor(c.index), c.color);
    }
    EXPECT_EQ(properties.GetColor(5), 0u);
    EXPECT_EQ(properties.GetColor(-1), 0u);

    // a known name keeps its index and colour; an id without a text is named after it
    EXPECT_EQ(properties.AddColorProperty(GX_IDS_COLOR_BACKGROUND, RGB(1, 2, 3)), 4);
    EXPECT_EQ(properties.GetColor(4), GXSysColor(COLOR_BTNFACE));
    EXPECT_EQ(properties.AddColorProperty(60002, RGB(1, 2, 3)), 5);
    EXPECT_STREQ(properties.GetColorName(5), "COLOR60002");
    EXPECT_EQ(properties.GetColor(5), RGB(1, 2, 3));
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { properties.SetColor(6, 0); }));
}

TEST(Properties, DefaultSettings)
{
    CGXProperties properties;
    EXPECT_TRUE(properties.GetDisplay3dHeader());
    EXPECT_TRUE(properties.GetDisplayVertLines());
    EXPECT_TRUE(properties.GetMarkColHeader());
    EXPECT_EQ(properties.GetLastZoom(), 100);
    EXPECT_TRUE(properties.GetCenterHorizontal());
    EXPECT_FALSE(properties.GetCenterVertical());
    EXPECT_EQ(properties.GetPageOrder(), 0);
    EXPECT_EQ(properties.GetFirstPage(), -1);
    EXPECT_STREQ(properties.GetSection(), "Grid");
    const int nDpi = GXGetLibraryState()->m_fontState.GetDpiX();
    int top, left, bottom, right;
    properties.GetMargins(top, left, bottom, right);
    EXPECT_EQ(top, nDpi * 3 / 2);
    EXPECT_EQ(left, nDpi);
    EXPECT_EQ(bottom, nDpi * 3 / 2);
    EXPECT_EQ(right, nDpi);
    int header, footer;
    properties.GetDistances(header, footer);
    EXPECT_EQ(header, nDpi * 2 / 5);
    EXPECT_EQ(footer, nDpi * 2 / 5);
    ASSERT_EQ(properties.GetTokens().GetSize(), 6);
    EXPECT_STREQ(properties.GetTokens()[0], "$F");
    EXPECT_STREQ(properties.GetTokens()[5], "$R");
}

TEST(Properties, CurrentCellPropertyListsTheMarkingNames)
{
    CGXProperties properties;
    EXPECT_TRUE(properties.GetUserProperties().empty());
    properties.AddDefaultUserProperties();
    ASSERT_EQ(properties.GetUserProperties().count(GX_IDS_UP_CURRENTCELL), 1u);
    EXPECT_STREQ(properties.GetUserProperties().at(GX_IDS_UP_CURRENTCELL)->strName, "Current Cell.");
    const CGXStyle& style = properties.GetUserProperty(GX_IDS_UP_CURRENTCELL);
    EXPECT_EQ(style.GetControl(), GX_IDS_CTRL_CBS_DROPDOWNLIST);
    EXPECT_STREQ(style.GetChoiceListRef(), "Invert Thin.\nInvert Thick.\nThin Border.\nThick Border.\nNo Border.");
    EXPECT_STREQ(style.GetValueRef(), "Invert Thin.");
}

TEST(Properties, UserPropertiesAreCopiesNamedFromTheStringTable)
{
    CGXProperties properties;
    CGXStyle style;
    style.SetValue("1");
    properties.AddUserProperty(60003, style);
    style.SetValue("2");
    EXPECT_STREQ(properties.GetUserProperty(60003).GetValueRef(), "1");
    EXPECT_STREQ(properties.GetUserProperties().at(60003)->strName, "USERPROP60003");
    properties.AddUserProperty(60003, style);  // replaces the style
    EXPECT_STREQ(properties.GetUserProperty(60003).GetValueRef(), "2");
    EXPECT_TRUE(properties.GetUserProperty(60004).IsEmpty());  // absent: the default style
    // 0 ends the stored list
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { properties.AddUserProperty(0, style); }));
}

TEST(Properties, HeaderAndFooterTexts)
{
    CGXProperties properties;
    const CGXData& header = properties.GetDataHeader();
    const CGXData& footer = properties.GetDataFooter();
    EXPECT_EQ(header.GetRowCount(), 10u);
    EXPECT_EQ(header.GetColCount(), 3u);
    EXPECT_EQ(footer.GetRowCount(), 10u);
    EXPECT_EQ(footer.GetColCount(), 3u);
    CGXStyle title;
    ASSERT_TRUE(header.GetCellStyle(1, 2, title, CGXStyle::gxCopy, CGXData::gxCellStyle));
    EXPECT_STREQ(title.GetValueRef(), "$R");
    EXPECT_EQ(title.GetFontRef().WeightToFontWeight(), 700);
    EXPECT_EQ(title.GetFontRef().SizeToPoints(), 16.0);
    EXPECT_EQ(StoredValue(header, 1, 1), "-");
    EXPECT_EQ(StoredValue(footer, 1, 1), "$D");
    EXPECT_EQ(StoredValue(footer, 1, 2), "-");
    EXPECT_EQ(StoredValue(footer, 1, 3), "$P/$N");
}

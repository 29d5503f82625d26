// The grid's profile readers under damaged settings (cut, out of range or not numbers at all, in the
// registry of the test prefix): a style's keys, the styles map's subkey names and the properties'
// lists read what they can and leave the rest as it was.
#include "wine_gtest.h"

#include "grid/engine/GXProperties.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXStylesMap.h"

#include "grid_test_support.h"

#include "win/CWinApp.h"

#include <string>

namespace {

const char* const kDamageKey = "OndrixGridDamageTests";  // HKCU\Software\OndrixGridDamageTests

void RemoveDamageKey()
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &hKey) == ERROR_SUCCESS) {
        CWinApp::DelRegTree(hKey, kDamageKey);
        ::RegCloseKey(hKey);
    }
}

class DamagedProfile : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallGridModules();
        RemoveDamageKey();
        app.SetRegistryKey(kDamageKey);
    }
    void TearDown() override { RemoveDamageKey(); }

    // The style read from section "Cell" once key holds value.
    CGXStyle ReadWith(const char* pszKey, const char* pszValue, const CGXStylesMap* pMap = nullptr)
    {
        RemoveDamageKey();
        app.WriteProfileString("Cell", pszKey, pszValue);
        app.WriteProfileString("Cell", "Borders", "1");  // so that the sides are read
        CGXStyle style;
        EXPECT_TRUE(style.ReadProfile("Cell", pMap));
        return style;
    }

    CWinApp app{"GridProfileDamage"};
};

}  // namespace

TEST_F(DamagedProfile, AStyleReadsWhatItsKeysHoldAndIgnoresTheRest)
{
    CGXStylesMap map;
    map.CreateStandardStyles();

    // cut lists: the attribute is left out (a pen needs five numbers); a brush of fewer than five is
    // its foreground 0
    EXPECT_FALSE(ReadWith("TextColor", "1 2").GetIncludeTextColor());
    EXPECT_FALSE(ReadWith("Top", "2 1").GetIncludeBorders(0));
    EXPECT_TRUE(ReadWith("Left", "1 2 3 4 5").GetIncludeBorders(1));
    const CGXStyle brush = ReadWith("Interior", "2");
    EXPECT_TRUE(brush.GetIncludeInterior());
    EXPECT_EQ(brush.GetInterior().GetColor(), COLORREF(0));

    // numbers out of range are held to their fields; words are 0
    EXPECT_EQ(ReadWith("TextColor", "300 -1 7").GetTextColor(), RGB(44, 255, 7));
    const CGXStyle longest = ReadWith("MaxLength", "99999999999999999999");
    EXPECT_TRUE(longest.GetIncludeMaxLength());
    EXPECT_EQ(longest.GetMaxLength(), 0xFFFF);
    EXPECT_EQ(ReadWith("MaxLength", "many").GetMaxLength(), 0);
    const CGXStyle font = ReadWith("Font", "Arial,-5,9999,x,,,,,,,");
    EXPECT_STREQ(font.GetFontRef().GetFaceName(), "Arial");
    EXPECT_FALSE(font.GetFontRef().GetIncludeSize());
    EXPECT_FALSE(font.GetFontRef().GetIncludeWeight());

    // a cut escape stands as it is; a long value is kept whole
    EXPECT_STREQ(ReadWith("ChoicesList", "a\\").GetChoiceListRef(), "a\\");
    const std::string text(10000, 'v');
    EXPECT_EQ(std::string(ReadWith("Value", text.c_str()).GetValueRef()), text);

    // a base style that names no style of the map, or no resource id at all, is not set
    for (const char* pszBase : {"#", "#-1", "#99999999999", "#abc", ""}) {
        SCOPED_TRACE(pszBase);
        EXPECT_FALSE(ReadWith("BaseStyle", pszBase, &map).GetIncludeBaseStyle());
    }
}

TEST_F(DamagedProfile, StyleSubkeysThatNameNoResourceAreSkipped)
{
    app.WriteProfileString("Styles\\#", "Value", "no id");
    app.WriteProfileString("Styles\\#abc", "Value", "no number");
    app.WriteProfileString("Styles\\Extra", "Value", "x");
    CGXStylesMap loaded;
    ASSERT_TRUE(loaded.ReadProfile());
    EXPECT_EQ(loaded.GetStyleCount(), 1);
    const CGXStyle* pExtra = nullptr;
    ASSERT_TRUE(loaded.LookupStyle(loaded.GetBaseStyleIdByName("Extra"), pExtra));
    EXPECT_STREQ(pExtra->GetValueRef(), "x");
}

TEST_F(DamagedProfile, PropertiesReadTheirListsAsFarAsTheyGo)
{
    app.WriteProfileString("Grid", "Margins", "1,2,3,4,5,6,7");
    app.WriteProfileString("Grid", "Distances", ",");
    app.WriteProfileString("Grid", "Tracking Line", "green");
    app.WriteProfileString("Grid", "Page Order", "99999999999999999999");
    CGXProperties properties;
    properties.SetDistances(5, 6);
    ASSERT_TRUE(properties.ReadProfile());
    int top, left, bottom, right;
    properties.GetMargins(top, left, bottom, right);
    EXPECT_EQ(top, 1);
    EXPECT_EQ(left, 2);
    EXPECT_EQ(bottom, 3);
    EXPECT_EQ(right, 4);
    int header, footer;
    properties.GetDistances(header, footer);
    EXPECT_EQ(header, 0);
    EXPECT_EQ(footer, 0);
    EXPECT_EQ(properties.GetColor(CGXProperties::gxTrackingLineColor), COLORREF(0));
    EXPECT_EQ(properties.GetPageOrder(), -1);
}

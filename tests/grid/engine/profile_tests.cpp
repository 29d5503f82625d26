// The grid's profile settings in the registry of the test prefix (under a key of the tests, removed
// before and after each test) and in an INI file: styles key by key, base styles of the styles map,
// properties.
#include "wine_gtest.h"

#include "grid/engine/GXColor.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXStylesMap.h"

#include "grid_test_support.h"

#include "win/CWinApp.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

const char* const kTestKey = "OndrixGridTests";  // HKCU\Software\OndrixGridTests
const char* const kTestApp = "GridProfile";

void RemoveTestKey()
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &hKey) == ERROR_SUCCESS) {
        CWinApp::DelRegTree(hKey, kTestKey);
        ::RegCloseKey(hKey);
    }
}

// The subkeys of HKCU\Software\OndrixGridTests\GridProfile\<section>, sorted.
std::vector<std::string> Subkeys(const char* pszSection)
{
    std::vector<std::string> names;
    const std::string path = std::string("Software\\") + kTestKey + "\\" + kTestApp + "\\" + pszSection;
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return names;
    char szName[256];
    for (DWORD i = 0;; ++i) {
        DWORD cch = sizeof szName;
        if (::RegEnumKeyExA(hKey, i, szName, &cch, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(szName);
    }
    ::RegCloseKey(hKey);
    std::sort(names.begin(), names.end());
    return names;
}

bool KeyExists(const char* pszSection)
{
    const std::string path = std::string("Software\\") + kTestKey + "\\" + kTestApp + "\\" + pszSection;
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(hKey);
    return true;
}

// Removes the test's INI file (after flushing the profile cache).
void RemoveIniFile(const char* pszFile)
{
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, pszFile);
    char szPath[MAX_PATH];
    ::GetWindowsDirectoryA(szPath, MAX_PATH);
    ::DeleteFileA((std::string(szPath) + "\\" + pszFile).c_str());
}

class RegistryProfile : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallGridModules();
        RemoveTestKey();
        app.SetRegistryKey(kTestKey);
    }
    void TearDown() override { RemoveTestKey(); }

    CString Raw(const char* pszSection, const char* pszKey) { return app.GetProfileString(pszSection, pszKey); }

    CWinApp app{kTestApp};
};

// A style with one attribute of each kind the profile stores.
CGXStyle ProfileStyle(const CGXStylesMap& map)
{
    CGXStyle style;
    style.SetHorizontalAlignment(DT_RIGHT)
        .SetVerticalAlignment(DT_BOTTOM)
        .SetReadOnly(TRUE)
        .SetFloatCell(FALSE)
        .SetFloodCell(TRUE)
        .SetMergeCell(3)
        .SetDraw3dFrame(1)
        .SetControl(GX_IDS_CTRL_SPINEDIT)
        .SetMaxLength(12)
        .SetVerticalScrollbar(TRUE)
        .SetBaseStyle(map.GetRowHeaderStyle())
        .SetTextColor(RGB(1, 2, 3))
        .SetWrapText(FALSE)
        .SetAutoSize(TRUE)
        .SetAllowEnter(TRUE)
        .SetEnabled(FALSE)
        .SetTriState(TRUE);
    style.SetValue("value")
        .SetInterior(CGXCellBrush(CGXCellBrush::gxHatched, RGB(9, 8, 7), 2).SetBkColor(RGB(1, 1, 1)))
        .SetFormat(4)
        .SetPlaces(2)
        .SetChoiceList("a\nb")
        .ChangeFont(CGXFont().SetFaceName("Arial").SetSize(12).SetWeight(700), CGXStyle::gxOverride);
    style.SetBorders(CGXStyle::gxBorderLeft, CGXCellPen(CGXCellPen::gxDot, 1, RGB(10, 0, 0)))
        .SetBorders(CGXStyle::gxBorderRight, CGXCellPen(CGXCellPen::gxDash, 2, RGB(20, 0, 0)))
        .SetBorders(CGXStyle::gxBorderTop, CGXCellPen(CGXCellPen::gxSolid, 3, RGB(30, 0, 0)))
        .SetBorders(CGXStyle::gxBorderBottom, CGXCellPen(CGXCellPen::gxSolid, 4, RGB(40, 0, 0)))
        .SetUserAttribute(GX_IDS_UA_TOOLTIPTEXT, "tip");
    return style;
}

}  // namespace

TEST_F(RegistryProfile, StyleKeysAndTheirReading)
{
    CGXStylesMap map;
    map.CreateStandardStyles();
    map.AddUserAttribute(GX_IDS_UA_TOOLTIPTEXT);
    const CGXStyle style = ProfileStyle(map);
    style.WriteProfile("Cell", &map);

    struct Case {
        const char* key;
        const char* value;
    } cases[] = {
        {"HorizontalAlignment", "2"}, {"VerticalAlignment", "8"}, {"ReadOnly", "1"}, {"MergeCell", "3"},
        {"ControlId", "52519"}, {"BaseStyle", "Row Header"}, {"TextColor", "1 2 3"}, {"Value", "value"},
        {"Interior", "2 2 9 8 7 1 1 1 0"}, {"Places", "2"}, {"ChoicesList", "a\\nb"}, {"Borders", "1"},
        // the sides left, right, top, bottom under "Top", "Left", "Bottom", "Right"
        {"Top", "2 1 10 0 0 0"}, {"Left", "1 2 20 0 0 0"}, {"Bottom", "0 3 30 0 0 0"}, {"Right", "0 4 40 0 0 0"},
        {"UA51022", "tip"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(Raw("Cell", c.key), c.value) << c.key;
    EXPECT_STREQ(Raw("Cell", "Font"), style.GetFontRef().GetFaceName() + ",12,700,,,");

    CGXStyle loaded;
    loaded.SetItemDataPtr(&loaded);  // the read frees the style first
    ASSERT_TRUE(loaded.ReadProfile("Cell", &map));
    EXPECT_STREQ(loaded.GetChoiceListRef(), "a\r\nb");  // the lines come back joined by CR LF
    CGXStyle expected = style;
    expected.SetChoiceList("a\r\nb");
    EXPECT_EQ(loaded.GetIncludeMask(), expected.GetIncludeMask());
    EXPECT_TRUE(loaded.IsSubSet(expected) && expected.IsSubSet(loaded));

    // a key whose attribute is no longer included is deleted, user attributes too
    CGXStyle smaller;
    smaller.SetValue("only");
    smaller.WriteProfile("Cell", &map);
    EXPECT_STREQ(Raw("Cell", "MaxLength"), "");
    EXPECT_STREQ(Raw("Cell", "Borders"), "");
    EXPECT_STREQ(Raw("Cell", "UA51022"), "");
    ASSERT_TRUE(loaded.ReadProfile("Cell", &map));
    EXPECT_EQ(loaded.GetIncludeMask(), DWORD(CGXStyle::incValue));
    EXPECT_STREQ(loaded.GetValueRef(), "only");

    EXPECT_FALSE(loaded.ReadProfile("", &map));
}

TEST_F(RegistryProfile, BaseStyleKeysNameResourceIdsOrNames)
{
    CGXStylesMap map;
    map.CreateStandardStyles();
    const WORD nExtra = map.RegisterStyle("Extra", CGXStyle(), FALSE);
    for (const char* pszValue : {"#52770", "Extra", "Nowhere", "#0"}) {
        SCOPED_TRACE(pszValue);
        app.WriteProfileString("Base", "BaseStyle", pszValue);
        CGXStyle style;
        style.ReadProfile("Base", &map);
        const bool bKnown = pszValue[0] == 'E' || pszValue[1] == '5';
        EXPECT_EQ(style.GetIncludeBaseStyle() != FALSE, bKnown);
        if (bKnown) {
            EXPECT_EQ(style.GetBaseStyle(), pszValue[0] == '#' ? map.GetColHeaderStyle() : nExtra);
        }
        style.ReadProfile("Base", nullptr);  // without a map: not resolved
        EXPECT_FALSE(style.GetIncludeBaseStyle());
    }
}

TEST_F(RegistryProfile, StylesMapInSubkeys)
{
    CGXStylesMap map;
    map.CreateStandardStyles();
    CGXStyle extra;
    extra.SetValue("x");
    map.RegisterStyle("Extra", extra, FALSE);
    app.WriteProfileString("Styles\\Stale", "Value", "old");  // cleared before writing
    map.WriteProfile();
    EXPECT_EQ(Subkeys("Styles"), std::vector<std::string>({"#52768", "#52769", "#52770", "Extra"}));
    EXPECT_STREQ(Raw("Styles\\Extra", "Value"), "x");

    CGXStylesMap loaded;
    ASSERT_TRUE(loaded.ReadProfile());
    EXPECT_EQ(loaded.GetStyleCount(), 4);
    const CGXStyle* pStandard = nullptr;
    ASSERT_TRUE(loaded.LookupStyle(loaded.GetStandardStyle(), pStandard));
    UINT nResourceId = 0;
    EXPECT_STREQ(loaded.LookupBaseStyle(loaded.GetStandardStyle(), nResourceId), "Standard");
    EXPECT_EQ(nResourceId, 52768u);
    EXPECT_EQ(pStandard->GetFontRef().GetSize(), 32u);    // 8 points from the profile
    EXPECT_TRUE(pStandard->GetIncludeItemDataPtr());      // not in the profile: from the library defaults
    const CGXStyle* pExtra = nullptr;
    ASSERT_TRUE(loaded.LookupStyle(loaded.GetBaseStyleIdByName("Extra"), pExtra));
    EXPECT_STREQ(pExtra->GetValueRef(), "x");

    CGXStylesMap empty;
    empty.SetSection("NoStyles");
    EXPECT_FALSE(empty.ReadProfile());
}

TEST_F(RegistryProfile, PropertiesNeedTheirSection)
{
    CGXProperties properties;
    properties.SetLastZoom(40);
    EXPECT_FALSE(properties.ReadProfile());  // no section yet: nothing changes
    EXPECT_EQ(properties.GetColor(0), GXSysColor(COLOR_GRAYTEXT));
    EXPECT_EQ(properties.GetFirstPage(), -1);
    EXPECT_FALSE(KeyExists("Grid"));  // and the attempt made none

    properties.AddDefaultUserProperties();
    properties.SetColor(CGXProperties::gxTrackingLineColor, RGB(0, 128, 0));
    properties.SetMargins(10, 20, 30, 40);
    properties.SetDistances(5, 6);
    properties.SetDisplay3dHeader(FALSE);
    properties.SetPageOrder(1);
    properties.SetFirstPage(3);
    properties.WriteProfile();
    EXPECT_STREQ(Raw("Grid", "Margins"), "10,20,30,40");
    EXPECT_STREQ(Raw("Grid", "Distances"), "5,6");
    EXPECT_STREQ(Raw("Grid", "Tracking Line"), "32768");
    EXPECT_STREQ(Raw("Grid", "UP51005"), "Invert Thin.");

    CGXProperties loaded;
    loaded.AddDefaultUserProperties();
    app.WriteProfileString("Grid", "UP51005", "Thick Border.");
    ASSERT_TRUE(loaded.ReadProfile());
    EXPECT_EQ(loaded.GetColor(CGXProperties::gxTrackingLineColor), RGB(0, 128, 0));
    EXPECT_EQ(loaded.GetColor(0), GXSysColor(COLOR_GRAYTEXT));
    int top, left, bottom, right;
    loaded.GetMargins(top, left, bottom, right);
    EXPECT_EQ(top, 10);
    EXPECT_EQ(left, 20);
    EXPECT_EQ(bottom, 30);
    EXPECT_EQ(right, 40);
    int header, footer;
    loaded.GetDistances(header, footer);
    EXPECT_EQ(header, 5);
    EXPECT_EQ(footer, 6);
    EXPECT_FALSE(loaded.GetDisplay3dHeader());
    EXPECT_EQ(loaded.GetPageOrder(), 1);
    EXPECT_EQ(loaded.GetFirstPage(), 3);
    EXPECT_STREQ(loaded.GetUserProperty(GX_IDS_UP_CURRENTCELL).GetValueRef(), "Thick Border.");

    // margins are read up to the first missing comma
    app.WriteProfileString("Grid", "Margins", " 7, 8;9,10");
    ASSERT_TRUE(loaded.ReadProfile());
    loaded.GetMargins(top, left, bottom, right);
    EXPECT_EQ(top, 7);
    EXPECT_EQ(left, 8);
    EXPECT_EQ(bottom, 30);
    EXPECT_EQ(right, 40);
}

TEST_F(RegistryProfile, FontsUnderAKey)
{
    CGXAbstractGridProfileImp* pProfile = GXGetLibraryState()->m_pProfileImp;
    CGXFont font;
    font.SetFaceName("Arial").SetSize(9).SetUnderline(TRUE);
    pProfile->WriteFont(font, "Fonts", "Cell");
    CGXFont loaded;
    ASSERT_TRUE(pProfile->ReadFont(loaded, "Fonts", "Cell"));
    EXPECT_EQ(loaded.GetDescription() & ~uint64_t(1), font.GetDescription() & ~uint64_t(1));
    EXPECT_FALSE(pProfile->ReadFont(loaded, "Fonts", "Missing"));
}

TEST(IniProfile, StylesMapAndPropertiesInTheIniFile)
{
    InstallGridModules();
    CWinApp app{"OndrixGridIniTest"};
    ASSERT_EQ(app.m_pszRegistryKey, nullptr);
    RemoveIniFile(app.m_pszProfileName);
    CGXStylesMap map;
    map.CreateStandardStyles();
    map.WriteProfile();
    EXPECT_STREQ(app.GetProfileString("Styles", "#52770"), "1");
    EXPECT_STREQ(app.GetProfileString("Styles.#52770", "ControlId"), "52520");

    CGXStylesMap loaded;
    ASSERT_TRUE(loaded.ReadProfile());
    EXPECT_EQ(loaded.GetStyleCount(), 3);
    EXPECT_EQ(loaded.GetBaseStyleId(GX_IDS_STYLE_COLHEADER), loaded.GetColHeaderStyle());

    CGXProperties properties;
    EXPECT_FALSE(properties.ReadProfile());
    properties.SetLastZoom(50);
    properties.SetPrintFrame(FALSE);
    properties.WriteProfile();
    CGXProperties again;
    ASSERT_TRUE(again.ReadProfile());
    EXPECT_FALSE(again.GetPrintFrame());

    RemoveIniFile(app.m_pszProfileName);
}

TEST(NoApplication, ProfileReadsFindNothing)
{
    InstallGridModules();
    ASSERT_EQ(AfxGetApp(), nullptr);
    CGXStyle style;
    EXPECT_TRUE(style.ReadProfile("Cell", nullptr) == FALSE);
    CGXProperties properties;
    EXPECT_FALSE(properties.ReadProfile());
    CGXStylesMap map;
    EXPECT_FALSE(map.ReadProfile());
    map.WriteProfile();  // nothing to write to
}

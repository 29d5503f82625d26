// The application's settings: defaults, the locale's CSV symbols, LoadSettings' acceptance rules and
// SaveSettings' values and order.
#include "AppTestSupport.h"

#include <algorithm>
#include <functional>

namespace {

// The application object is made inside each test, after the locale is set.
class Settings : public ::testing::Test {
protected:
    void SetUp() override { m_pApp = new CZQApp; RemoveAppSettings(); m_pApp->SetRegistryKey("Havrel"); }
    void TearDown() override
    {
        RemoveAppSettings();
        delete m_pApp;
    }
    CZQApp& App() { return *m_pApp; }

    CZQApp* m_pApp = nullptr;
};

TEST(SettingsDefaults, FieldsStartAtTheirDefaults)
{
    CZQApp app;
    EXPECT_EQ(app.m_nUtilityPrecision, 6);
    EXPECT_EQ(app.m_nEvaluationsPrecision, 3);
    EXPECT_EQ(app.m_nLanguage, 0);
    EXPECT_EQ(app.m_nPreserveKendall, 1);
    EXPECT_EQ(app.m_nModified, 0);
    EXPECT_EQ(app.m_crChartBackground, COLORREF(0xFFFFFF));
    EXPECT_EQ(app.m_crChartAxis, COLORREF(0x000000));
    EXPECT_EQ(app.m_crChartLine, COLORREF(0xFF0000));
    EXPECT_EQ(app.m_crChartPoints, COLORREF(0x0000FF));
    EXPECT_EQ(app.m_crChartBars, COLORREF(0x00C000));
    EXPECT_EQ(app.m_bRestoringConfirmation, 1);
    EXPECT_EQ(app.m_bAddSegmentsInfo, 1);
    EXPECT_EQ(app.m_bAddReferenceInfo, 1);
    EXPECT_STREQ(app.m_strInfoAttributeName, "INFO");
    EXPECT_STREQ(app.m_strInfoAttributeText, "Information about an alternative");
    EXPECT_EQ(app.m_nFileType, -1);
    EXPECT_STREQ(app.m_strFilePath, "untitled");
    EXPECT_STREQ(app.m_pszAppName, app.m_pszExeName) << "no name given: the executable's";
    EXPECT_EQ(app.m_Project.GetShell(), static_cast<CZQShellServices*>(&app));
}

TEST(SettingsDefaults, CsvSymbolsComeFromTheLocaleAndFallBackToDotAndComma)
{
    CZQApp app;
    EXPECT_EQ(app.m_cInputDecimalSymbol, ZQLocaleSymbol(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, '?'));
    EXPECT_EQ(app.m_cOutputDecimalSymbol, app.m_cInputDecimalSymbol);
    EXPECT_EQ(app.m_cInputListSeparator, ZQLocaleSymbol(LOCALE_USER_DEFAULT, LOCALE_SLIST, '?'));
    EXPECT_EQ(app.m_cOutputListSeparator, app.m_cInputListSeparator);

    // a comma locale
    const LCID polish = MAKELCID(MAKELANGID(LANG_POLISH, SUBLANG_DEFAULT), SORT_DEFAULT);
    EXPECT_EQ(ZQLocaleSymbol(polish, LOCALE_SDECIMAL, '.'), ',');
    EXPECT_EQ(ZQLocaleSymbol(polish, LOCALE_SLIST, ','), ';');
    // a locale that cannot be read leaves no NUL symbol, which the CSV and results writers refuse
    const LCID unknown = MAKELCID(0x3FF, SORT_DEFAULT);
    char buffer[16];
    ASSERT_EQ(::GetLocaleInfoA(unknown, LOCALE_SDECIMAL, buffer, sizeof buffer), 0) << "a locale that can be read";
    EXPECT_EQ(ZQLocaleSymbol(unknown, LOCALE_SDECIMAL, '.'), '.');
    EXPECT_EQ(ZQLocaleSymbol(unknown, LOCALE_SLIST, ','), ',');
}

TEST_F(Settings, StoredValuesAreTakenWhenAcceptedAndIgnoredOtherwise)
{
    struct Case {
        const char* name;
        bool bString;
        int nValue;
        const char* pszValue;
        std::function<int(CZQApp&)> field;
        int expected;
    };
    const Case cases[] = {
        {"results utility precision", false, 7, nullptr, [](CZQApp& a) { return a.m_nUtilityPrecision; }, 6},
        {"results utility precision", false, 0, nullptr, [](CZQApp& a) { return a.m_nUtilityPrecision; }, 6},
        {"results utility precision", false, 3, nullptr, [](CZQApp& a) { return a.m_nUtilityPrecision; }, 3},
        {"charts evaluations precision", false, 0, nullptr, [](CZQApp& a) { return a.m_nEvaluationsPrecision; }, 3},
        {"charts evaluations precision", false, 6, nullptr, [](CZQApp& a) { return a.m_nEvaluationsPrecision; }, 6},
        {"charts line color", false, -1, nullptr, [](CZQApp& a) { return int(a.m_crChartLine); }, 0xFF0000},
        {"charts line color", false, 0, nullptr, [](CZQApp& a) { return int(a.m_crChartLine); }, 0},
        {"charts bars color", false, 0x123456, nullptr, [](CZQApp& a) { return int(a.m_crChartBars); }, 0x123456},
        {"output csv list separator", true, 0, "\t", [](CZQApp& a) { return int(a.m_cOutputListSeparator); }, '\t'},
        {"add segments info to xml", false, 5, nullptr, [](CZQApp& a) { return a.m_bAddSegmentsInfo; }, 1},
        {"add reference info to xml", false, 0, nullptr, [](CZQApp& a) { return a.m_bAddReferenceInfo; }, 0},
        {"restoring confirmation", false, 0, nullptr, [](CZQApp& a) { return a.m_bRestoringConfirmation; }, 0},
        {"language", false, 2, nullptr, [](CZQApp& a) { return a.m_nLanguage; }, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.bString ? std::string(" = \"") + c.pszValue + "\"" : " = " + std::to_string(c.nValue)));
        delete m_pApp;
        m_pApp = new CZQApp;
        m_pApp->SetRegistryKey("Havrel");
        RemoveAppSettings();
        if (c.bString)
            WriteSettingString(c.name, c.pszValue);
        else
            WriteSettingInt(c.name, c.nValue);
        App().LoadSettings();
        EXPECT_EQ(c.field(App()), c.expected);
    }
}

TEST_F(Settings, EmptyOrAbsentSymbolsKeepTheLocalesOnes)
{
    const char cDecimal = App().m_cInputDecimalSymbol;
    const char cList = App().m_cInputListSeparator;
    WriteSettingString("input csv decimal symbol", "");
    App().LoadSettings();
    EXPECT_EQ(App().m_cInputDecimalSymbol, cDecimal);
    EXPECT_EQ(App().m_cInputListSeparator, cList);
    EXPECT_EQ(App().m_nLanguage, 0);
}

// A stored decimal symbol that numbers hold, or that the separator read beside it is, would give other
// numbers back from every CSV file: the locale's symbol stays.
TEST_F(Settings, DecimalSymbolsThatCollideWithNumbersKeepTheLocalesOne)
{
    const char cDefault = App().m_cInputDecimalSymbol;
    const char cOther = cDefault == ',' ? '.' : ',';
    const struct {
        const char* decimal;
        const char* separator;  // null: none stored
        char expected;
    } cases[] = {
        {"1", nullptr, cDefault},
        {"e", nullptr, cDefault},
        {"E", nullptr, cDefault},
        {"+", nullptr, cDefault},
        {"-", nullptr, cDefault},
        {"\"", nullptr, cDefault},
        {"|", "|", cDefault},
        {cOther == ',' ? "," : ".", ";", cOther},
        // the first character counts
        {",;", ";", ','},
        {"|", ";", '|'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.decimal) + " beside " + (c.separator != nullptr ? c.separator : "(none)"));
        for (const char* direction : {"input", "output"}) {
            delete m_pApp;
            m_pApp = new CZQApp;
            m_pApp->SetRegistryKey("Havrel");
            RemoveAppSettings();
            WriteSettingString((std::string(direction) + " csv decimal symbol").c_str(), c.decimal);
            if (c.separator != nullptr)
                WriteSettingString((std::string(direction) + " csv list separator").c_str(), c.separator);
            App().LoadSettings();
            const bool input = direction[0] == 'i';
            EXPECT_EQ(input ? App().m_cInputDecimalSymbol : App().m_cOutputDecimalSymbol, c.expected) << direction;
            EXPECT_EQ(input ? App().m_cOutputDecimalSymbol : App().m_cInputDecimalSymbol, cDefault) << direction;
        }
    }
}

TEST_F(Settings, SaveWritesEveryValueOfTheList)
{
    App().m_cInputDecimalSymbol = ',';
    App().m_cOutputDecimalSymbol = '.';
    App().m_cInputListSeparator = ';';
    App().m_cOutputListSeparator = '\t';
    App().m_bAddSegmentsInfo = 0;
    App().m_crChartLine = 0x000080;
    App().m_nEvaluationsPrecision = 2;
    App().m_nUtilityPrecision = 5;
    App().SaveSettings();

    // the registry lists values by name, so only the set of names can be seen here
    std::vector<std::string> expected = {
        "input csv decimal symbol", "output csv decimal symbol", "input csv list separator",
        "output csv list separator", "add segments info to xml", "add reference info to xml",
        "charts background color", "charts axis color", "charts line color", "charts points color",
        "charts bars color", "charts evaluations precision", "results utility precision",
        "restoring confirmation", "language"};
    std::vector<std::string> names = SettingNames();
    std::sort(names.begin(), names.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);
    EXPECT_EQ(SettingString("input csv decimal symbol"), ",");
    EXPECT_EQ(SettingString("output csv decimal symbol"), ".");
    EXPECT_EQ(SettingString("input csv list separator"), ";");
    EXPECT_EQ(SettingString("output csv list separator"), "\t");
    EXPECT_EQ(SettingInt("add segments info to xml"), 0);
    EXPECT_EQ(SettingInt("add reference info to xml"), 1);
    EXPECT_EQ(SettingInt("charts background color"), 0xFFFFFF);
    EXPECT_EQ(SettingInt("charts line color"), 0x000080);
    EXPECT_EQ(SettingInt("charts bars color"), 0x00C000);
    EXPECT_EQ(SettingInt("charts evaluations precision"), 2);
    EXPECT_EQ(SettingInt("results utility precision"), 5);
    EXPECT_EQ(SettingInt("restoring confirmation"), 1);
    EXPECT_EQ(SettingInt("language"), 0);
}

TEST_F(Settings, AnyNonZeroLanguageIsWrittenBackAsOne)
{
    WriteSettingInt("language", 2);
    WriteSettingInt("restoring confirmation", 9);
    App().LoadSettings();
    App().SaveSettings();
    EXPECT_EQ(SettingInt("language"), 1);
    EXPECT_EQ(SettingInt("restoring confirmation"), 1);
}

TEST_F(Settings, ExitInstanceSavesTheSettings)
{
    App().m_nUtilityPrecision = 4;
    App().ExitInstance();
    EXPECT_EQ(SettingInt("results utility precision"), 4);
}

} // namespace

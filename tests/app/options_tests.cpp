// The Options dialog of the Calculate menu on the project's thresholds, and the two option pages in
// a sheet the test builds: their lists and their "Defaults" buttons.
// the standard headers before windows.h, which defines min and max as macros
#include <string>
#include <vector>

#include "AppTestSupport.h"

#include "app/ZQOptionsPages.h"
#include "res/resource.h"

namespace {

std::string ItemText(CWnd& dialog, int nID)
{
    CString text;
    dialog.GetDlgItemText(nID, text);
    return std::string(text.GetString(), size_t(text.GetLength()));
}

// The texts of the dialog's static controls, in their order.
std::vector<std::string> StaticTexts(CWnd& dialog)
{
    std::vector<std::string> texts;
    for (HWND h = ::GetWindow(dialog.m_hWnd, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
        char name[32] = {};
        char text[128] = {};
        ::GetClassNameA(h, name, sizeof name);
        ::GetWindowTextA(h, text, sizeof text);
        if (lstrcmpiA(name, "Static") == 0)
            texts.push_back(text);
    }
    return texts;
}

// The entries of combo box nID, joined by '|', and its selection.
std::string ComboTexts(CWnd& dialog, int nID)
{
    std::string texts;
    const int count = int(dialog.SendDlgItemMessage(nID, CB_GETCOUNT));
    for (int i = 0; i < count; ++i) {
        char item[64] = {};
        dialog.SendDlgItemMessage(nID, CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(item));
        texts += (i > 0 ? "|" : "") + std::string(item);
    }
    return texts;
}

int Selection(CWnd& dialog, int nID)
{
    return int(dialog.SendDlgItemMessage(nID, CB_GETCURSEL));
}

class Options : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        app.m_lpCmdLine = commandLine;
        app.m_nCmdShow = SW_SHOWNOACTIVATE; // other test programs share the display: take no focus
        ASSERT_TRUE(app.InitInstance());
    }

    CFakeServices fake;
    char commandLine[1] = "";
};

TEST_F(Options, TheThresholdsAreShownCheckedAndStoredBackOnlyOnOk)
{
    fake.ExpectModal([](CDialog& dlg) {
        const std::vector<std::string> labels = StaticTexts(dlg);
        EXPECT_EQ(labels, (std::vector<std::string>{"delta (in LP problem)", "epsilon (in model exploatation)"}));
        EXPECT_EQ(ItemText(dlg, IDC_ZQ_DELTA), "0.02");
        EXPECT_EQ(ItemText(dlg, IDC_ZQ_EPSILON), "0.019");
        // out of [0, 0.5]: the range message, and the dialog stays
        for (const char* refused : {"0.6", "-0.01"}) {
            dlg.SetDlgItemText(IDC_ZQ_EPSILON, refused);
            ClickButton(dlg, IDOK);
            EXPECT_FALSE(dlg.IsModalEnded()) << refused;
        }
        dlg.SetDlgItemText(IDC_ZQ_DELTA, "0.5");
        dlg.SetDlgItemText(IDC_ZQ_EPSILON, "0");
        ClickButton(dlg, IDOK);
    });
    fake.ExpectMessageBox(IDOK, "Please enter a number between 0 and 0.5.");
    fake.ExpectMessageBox(IDOK, "Please enter a number between 0 and 0.5.");
    app.m_pMainWnd->SendMessage(WM_COMMAND, ID_ZQ_OPTIONS);
    EXPECT_EQ(app.m_Project.DeltaThreshold, 0.5);
    EXPECT_EQ(app.m_Project.EpsilonThreshold, 0.0);

    fake.ExpectModal([](CDialog& dlg) {
        EXPECT_EQ(ItemText(dlg, IDC_ZQ_DELTA), "0.5");
        dlg.SetDlgItemText(IDC_ZQ_DELTA, "0.1");
        dlg.SetDlgItemText(IDC_ZQ_EPSILON, "0.1");
        ClickButton(dlg, IDCANCEL);
    });
    app.m_pMainWnd->SendMessage(WM_COMMAND, ID_ZQ_OPTIONS);
    EXPECT_EQ(app.m_Project.DeltaThreshold, 0.5);
    EXPECT_EQ(app.m_Project.EpsilonThreshold, 0.0);
}

TEST_F(Options, TheOptionPagesDefaults)
{
    const LCID english = MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT);
    const LCID polish = MAKELCID(MAKELANGID(LANG_POLISH, SUBLANG_DEFAULT), SORT_DEFAULT);
    CZQOptionsPropSheet sheet("Options");
    CZQOptionsPropPage1& general = sheet.m_pageGeneral;
    CZQOptionsPropPage2& files = sheet.m_pageFiles;
    general.m_bRestoringConfirmation = 1;
    // the colours the page is given, in the order of its wells: background, axis, line, points, bars
    const std::vector<COLORREF> given = {0x102030, 0x405060, 0x708090, 0xA0B0C0, 0xD0E0F0};
    COLORREF* const members[] = {&general.m_crBackground, &general.m_crAxis, &general.m_crLine, &general.m_crPoints,
                                 &general.m_crBars};
    for (size_t i = 0; i < given.size(); ++i)
        *members[i] = given[i];
    ASSERT_EQ(sheet.GetPageCount(), 2);
    const auto memberColors = [&] {
        std::vector<COLORREF> colors;
        for (COLORREF* pColor : members)
            colors.push_back(*pColor);
        return colors;
    };

    fake.ExpectModalSheet([&](CPropertySheet& shown) {
        // each colour button is a well of its member's colour
        std::vector<COLORREF> shownColors;
        for (int nID : {IDC_ZQ_BACKGROUND_COLOR, IDC_ZQ_AXIS_COLOR, IDC_ZQ_LINE_COLOR, IDC_ZQ_POINTS_COLOR,
                        IDC_ZQ_BARS_COLOR}) {
            CWnd* pButton = CWnd::FromHandlePermanent(general.GetDlgItem(nID)->m_hWnd);
            SECWellButton* pWell = dynamic_cast<SECWellButton*>(pButton);
            ASSERT_NE(pWell, nullptr) << nID;
            shownColors.push_back(pWell->GetColor());
        }
        EXPECT_EQ(shownColors, given);
        EXPECT_EQ(ComboTexts(general, IDC_ZQ_UTILITY_PRECISION), "1|2|3|4|5|6");
        EXPECT_EQ(ComboTexts(general, IDC_ZQ_EVALUATIONS_PRECISION), "1|2|3|4|5|6");
        EXPECT_EQ(Selection(general, IDC_ZQ_UTILITY_PRECISION), -1);
        // the user clears the confirmation: "Defaults" leaves it so
        general.CheckDlgButton(IDC_ZQ_RESTORING_CONFIRMATION, BST_UNCHECKED);
        ClickButton(general, IDC_ZQ_GENERAL_DEFAULTS);
        EXPECT_EQ(Selection(general, IDC_ZQ_UTILITY_PRECISION), 5);
        EXPECT_EQ(Selection(general, IDC_ZQ_EVALUATIONS_PRECISION), 5);
        EXPECT_EQ(general.IsDlgButtonChecked(IDC_ZQ_RESTORING_CONFIRMATION), UINT(BST_UNCHECKED));
        const COLORREF wells[] = {general.m_wellBackground.GetColor(), general.m_wellAxis.GetColor(),
                                  general.m_wellLine.GetColor(), general.m_wellPoints.GetColor(),
                                  general.m_wellBars.GetColor()};
        EXPECT_EQ(std::vector<COLORREF>(wells, wells + 5),
                  (std::vector<COLORREF>{0xFFFFFF, 0x000000, 0xFF0000, 0x0000FF, 0x00C000}));
        // a colour the user picks reaches its member when the page is left
        general.m_wellPoints.SetColor(0x123456);

        ASSERT_TRUE(shown.SetActivePage(1));
        EXPECT_EQ(memberColors(), (std::vector<COLORREF>{0xFFFFFF, 0x000000, 0xFF0000, 0x123456, 0x00C000}));
        for (int nID : {IDC_ZQ_INPUT_DECIMAL, IDC_ZQ_OUTPUT_DECIMAL})
            EXPECT_EQ(ComboTexts(files, nID), ".  (dot)|,  (comma)");
        const struct {
            LCID locale;
            int entry;
            const char* separator;
        } locales[] = {{english, 0, ","}, {polish, 1, ";"}};
        for (const auto& c : locales) {
            files.m_locale = c.locale;
            ClickButton(files, IDC_ZQ_FILES_DEFAULTS);
            EXPECT_EQ(Selection(files, IDC_ZQ_INPUT_DECIMAL), c.entry) << c.separator;
            EXPECT_EQ(Selection(files, IDC_ZQ_OUTPUT_DECIMAL), c.entry) << c.separator;
            EXPECT_EQ(ItemText(files, IDC_ZQ_INPUT_LIST_SEPARATOR), c.separator);
            EXPECT_EQ(ItemText(files, IDC_ZQ_OUTPUT_LIST_SEPARATOR), c.separator);
            EXPECT_EQ(files.IsDlgButtonChecked(IDC_ZQ_ADD_SEGMENTS_INFO), UINT(BST_CHECKED));
            EXPECT_EQ(files.IsDlgButtonChecked(IDC_ZQ_ADD_REFERENCE_INFO), UINT(BST_CHECKED));
        }
        ClickButton(shown, IDOK);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(general.m_nUtilityPrecision, 5);
    EXPECT_EQ(general.m_bRestoringConfirmation, 0);
    EXPECT_EQ(files.m_nOutputDecimalSymbol, 1);
    EXPECT_STREQ(files.m_strInputListSeparator, ";");
    EXPECT_EQ(files.m_bAddSegmentsInfo, 1);
}

} // namespace

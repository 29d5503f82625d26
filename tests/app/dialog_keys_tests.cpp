// The keyboard through the program's dialogs and property sheets: in each (and on each page of a
// sheet), Tab and Shift+Tab go round the same controls in opposite orders, every button among them,
// and Space presses the button Tab reached; on the criterion sheet's "Values" page the keyboard alone
// adds, moves and removes scale values. The keys move the real focus, so this program runs alone.
// the standard headers before windows.h, which defines min and max as macros
#include <cctype>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "KeyboardTestSupport.h"
#include "PaneTestSupport.h"

#include "app/ZQAboutDlg.h"
#include "app/ZQCritPropSheet.h"
#include "app/ZQOptionsPages.h"
#include "res/resource.h"

namespace {

const int kAddValue = 234;

class DialogKeys : public PanesFixture {
protected:
    void SetUp() override
    {
        PanesFixture::SetUp();
        keys = std::make_unique<KeyPresser>(app, fake);
    }
    void TearDown() override
    {
        keys.reset();
        PanesFixture::TearDown();
    }

    // Shows the modal window (the test's services made it hidden) and gives it the activation.
    static void Show(CWnd& wnd)
    {
        wnd.ShowWindow(SW_SHOW);
        ::SetForegroundWindow(wnd.m_hWnd);
    }

    // From the first control of hWndRoot, Tab and Shift+Tab go round the same windows in opposite
    // orders, and every push button of hWndRoot is among them.
    void ExpectOneTabOrder(HWND hWndRoot, const std::string& what)
    {
        SCOPED_TRACE(what);
        const HWND hWndFirst = ::GetNextDlgTabItem(hWndRoot, nullptr, FALSE);
        ASSERT_NE(hWndFirst, nullptr);
        const TabWalk walk = WalkTabOrder(*keys, hWndFirst);
        EXPECT_TRUE(walk.WentRound()) << "Tab: " << DescribeWindows(walk.forward);
        EXPECT_EQ(walk.forward, walk.BackwardReversed())
            << "Tab: " << DescribeWindows(walk.forward) << "\nShift+Tab: " << DescribeWindows(walk.backward);
        for (HWND hWnd : PushButtonsIn(hWndRoot))
            EXPECT_NE(std::find(walk.forward.begin(), walk.forward.end(), hWnd), walk.forward.end())
                << DescribeWindow(hWnd) << " not reached by Tab: " << DescribeWindows(walk.forward);
    }

    // Tab from where the focus is until it is on the button nID of dialog, then Space.
    void PressWithSpace(CWnd& dialog, int nID)
    {
        const HWND hWndButton = ::GetDlgItem(dialog.m_hWnd, nID);
        ASSERT_NE(hWndButton, nullptr) << nID;
        for (int i = 0; i < 30 && ::GetFocus() != hWndButton; ++i)
            keys->Press(VK_TAB);
        ASSERT_EQ(::GetFocus(), hWndButton) << DescribeWindow(hWndButton);
        keys->Press(VK_SPACE);
    }

    // The script of a dialog: one tab order, then the button nEndID pressed with Space ends it.
    std::function<void(CDialog&)> DialogScript(const std::string& what, int nEndID)
    {
        return [this, what, nEndID](CDialog& dlg) {
            Show(dlg);
            ExpectOneTabOrder(dlg.m_hWnd, what);
            PressWithSpace(dlg, nEndID);
            EXPECT_TRUE(dlg.IsModalEnded()) << what;
        };
    }
    // The script of a sheet: prepare (may be empty) acts on it first; one tab order on each of its
    // pages; then Cancel pressed with Space ends it.
    std::function<void(CPropertySheet&)> SheetScript(const std::string& what,
                                                     std::function<void(CPropertySheet&)> prepare = {})
    {
        return [this, what, prepare](CPropertySheet& sheet) {
            Show(sheet);
            if (prepare)
                prepare(sheet);
            for (int nPage = 0; nPage < sheet.GetPageCount(); ++nPage) {
                if (sheet.GetActiveIndex() != nPage) {
                    ASSERT_TRUE(sheet.SetActivePage(nPage));
                }
                ExpectOneTabOrder(sheet.m_hWnd, what + ", page " + std::to_string(nPage));
            }
            PressWithSpace(sheet, IDCANCEL);
            EXPECT_TRUE(sheet.IsModalEnded()) << what;
        };
    }

    std::unique_ptr<KeyPresser> keys;
};

// A criterion sheet turned to an ordinal criterion with two values, the second selected, and a new
// value typed: every button of the "Values" page is enabled.
void MakeOrdinalWithValues(CPropertySheet& sheet)
{
    CZQCritPropPage1& general = *dynamic_cast<CZQCritPropPage1*>(sheet.GetPage(0));
    general.SetDlgItemText(IDC_ZQ_CRITERION_NAME, "Quality");
    general.CheckRadioButton(IDC_ZQ_GAIN, IDC_ZQ_ORDINAL, IDC_ZQ_ORDINAL);
    ClickButton(general, IDC_ZQ_ORDINAL);
    ASSERT_EQ(sheet.GetPageCount(), 2);
    ASSERT_TRUE(sheet.SetActivePage(1));
    CZQCritPropPage2& values = *dynamic_cast<CZQCritPropPage2*>(sheet.GetPage(1));
    for (const char* value : {"low", "high"}) {
        values.m_wndName.SetWindowText(value);
        ClickButton(values, kAddValue);
    }
    values.m_wndName.SetWindowText("mid");
}

TEST_F(DialogKeys, EveryDialogAndSheetHasOneTabOrderThroughAllItsButtons)
{
    OpenProject();
    const struct {
        const char* what;
        std::function<void()> open;
    } cases[] = {
        {"the alternative property sheet",
         [&] {
             SelectAlternatives({"x"});
             fake.ExpectModalSheet(SheetScript("the alternative property sheet"));
             Command(Alternatives(), ID_ZQ_ALTERNATIVE_PROPERTIES);
         }},
        {"the rank dialog",
         [&] {
             SelectAlternatives({"z"});
             fake.ExpectModal(DialogScript("the rank dialog", IDCANCEL));
             Command(Alternatives(), ID_ZQ_ADD_TO_OTHER_RANK);
         }},
        {"the criterion property sheet of a gain criterion",
         [&] {
             fake.ExpectModalSheet(SheetScript("the criterion property sheet of a gain criterion"));
             Command(Criteria(), ID_ZQ_ADD_CRITERION);
         }},
        {"the criterion property sheet of an ordinal criterion",
         [&] {
             fake.ExpectModalSheet(
                 SheetScript("the criterion property sheet of an ordinal criterion", MakeOrdinalWithValues));
             Command(Criteria(), ID_ZQ_ADD_CRITERION);
         }},
        {"the options dialog",
         [&] {
             fake.ExpectModal(DialogScript("the options dialog", IDCANCEL));
             app.m_pMainWnd->SendMessage(WM_COMMAND, ID_ZQ_OPTIONS);
         }},
        {"the credibility dialog",
         [&] {
             fake.ExpectModal(DialogScript("the credibility dialog", IDCANCEL));
             Command(Reference(), ID_ZQ_DEFINE_CREDIBILITY);
         }},
        {"the option pages",
         [&] {
             CZQOptionsPropSheet sheet("Options", app.m_pMainWnd);
             fake.ExpectModalSheet(SheetScript("the option pages"));
             sheet.DoModal();
         }},
        {"the about window",
         [&] {
             fake.ExpectModal(DialogScript("the about window", IDOK));
             app.OnAppAbout();
         }},
        {"the plain about window",
         [&] {
             fake.ExpectModal(DialogScript("the plain about window", IDOK));
             CZQAboutDlg::Run(app.m_pMainWnd);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.open();
    }
}

// Types text into the window with the focus, key by key (lower-case letters).
void TypeKeys(KeyPresser& keys, const char* text)
{
    for (const char* p = text; *p != '\0'; ++p)
        keys.Press(UINT(::toupper(static_cast<unsigned char>(*p))));
}

TEST_F(DialogKeys, OnTheValuesPageTheKeyboardAloneAddsMovesAndRemovesValues)
{
    fake.ExpectModalSheet([&](CPropertySheet& sheet) {
        Show(sheet);
        CZQCritPropPage1& general = *dynamic_cast<CZQCritPropPage1*>(sheet.GetPage(0));
        general.SetDlgItemText(IDC_ZQ_CRITERION_NAME, "Quality");
        general.CheckRadioButton(IDC_ZQ_GAIN, IDC_ZQ_ORDINAL, IDC_ZQ_ORDINAL);
        ClickButton(general, IDC_ZQ_ORDINAL);
        ASSERT_TRUE(sheet.SetActivePage(1));
        CZQCritPropPage2& values = *dynamic_cast<CZQCritPropPage2*>(sheet.GetPage(1));
        auto rows = [&] {
            std::string text;
            for (int i = 0; i < values.m_wndList.GetItemCount(); ++i)
                text += (i > 0 ? " " : "") + std::string(values.m_wndList.GetItemText(i, 0)) + ":" +
                        std::string(values.m_wndList.GetItemText(i, 1));
            return text;
        };

        // Enter adds what was typed; Tab goes on to the list
        ::SetFocus(values.m_wndName.m_hWnd);
        for (const char* value : {"low", "mid", "high"}) {
            TypeKeys(*keys, value);
            keys->Press(VK_RETURN);
        }
        EXPECT_EQ(rows(), "low:1 mid:2 high:3");
        keys->Press(VK_TAB);
        EXPECT_EQ(::GetFocus(), values.m_wndList.m_hWnd);
        keys->Press(VK_TAB, KeyPresser::Shift);
        EXPECT_EQ(::GetFocus(), values.m_wndName.m_hWnd);

        // on the list, Home chooses the first value; down moves it below the second
        keys->Press(VK_TAB);
        keys->Press(VK_HOME);
        ASSERT_EQ(values.m_wndList.GetSelectedCount(), 1u);
        PressWithSpace(values, 232);
        EXPECT_EQ(rows(), "mid:1 low:2 high:3");
        // up takes it back
        keys->Press(VK_TAB, KeyPresser::Shift);
        EXPECT_EQ(::GetFocus(), values.m_btnUp.m_hWnd);
        keys->Press(VK_SPACE);
        EXPECT_EQ(rows(), "low:1 mid:2 high:3");
        // remove asks, then the ranks are numbered again
        keys->Press(VK_TAB, KeyPresser::Shift);
        EXPECT_EQ(::GetFocus(), values.m_btnRemove.m_hWnd);
        fake.ExpectMessageBox(IDYES, "'low'");
        keys->Press(VK_SPACE);
        EXPECT_EQ(rows(), "mid:1 high:2");

        PressWithSpace(sheet, IDCANCEL);
    });
    Command(Criteria(), ID_ZQ_ADD_CRITERION);
}

} // namespace

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

// The program's dialogs and sheets, each as a user opens it on the opened project: the command that
// makes the program run it, for a sheet the steps a script takes on it first, and for a dialog the
// button that ends it (an about window has no Cancel).
struct DialogCase {
    std::string what;
    bool bSheet;
    std::function<void()> open;
    std::function<void(CPropertySheet&)> prepare;
    int nEndID;
};

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

    // The program's dialogs and sheets (below).
    std::vector<DialogCase> ProgramDialogs();
    template <class TModal>
    void PressOnControl(TModal& modal, const DialogCase& c, size_t nControl, size_t& nControls, UINT nKey,
                        int nModifiers, const char* pszKey);

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

std::vector<DialogCase> DialogKeys::ProgramDialogs()
{
    return {
        {"the alternative property sheet", true,
         [&] {
             SelectAlternatives({"x"});
             Command(Alternatives(), ID_ZQ_ALTERNATIVE_PROPERTIES);
         },
         {}, IDCANCEL},
        {"the rank dialog", false,
         [&] {
             SelectAlternatives({"z"});
             Command(Alternatives(), ID_ZQ_ADD_TO_OTHER_RANK);
         },
         {}, IDCANCEL},
        {"the criterion property sheet of a gain criterion", true, [&] { Command(Criteria(), ID_ZQ_ADD_CRITERION); },
         {}, IDCANCEL},
        {"the criterion property sheet of an ordinal criterion", true,
         [&] { Command(Criteria(), ID_ZQ_ADD_CRITERION); }, MakeOrdinalWithValues, IDCANCEL},
        {"the options dialog", false, [&] { app.m_pMainWnd->SendMessage(WM_COMMAND, ID_ZQ_OPTIONS); }, {}, IDCANCEL},
        {"the credibility dialog", false, [&] { Command(Reference(), ID_ZQ_DEFINE_CREDIBILITY); }, {}, IDCANCEL},
        {"the option pages", true,
         [&] {
             CZQOptionsPropSheet sheet("Options", app.m_pMainWnd);
             sheet.DoModal();
         },
         {}, IDCANCEL},
        {"the about window", false, [&] { app.OnAppAbout(); }, {}, IDOK},
        {"the plain about window", false, [&] { CZQAboutDlg::Run(app.m_pMainWnd); }, {}, IDOK},
    };
}

TEST_F(DialogKeys, EveryDialogAndSheetHasOneTabOrderThroughAllItsButtons)
{
    OpenProject();
    for (const DialogCase& c : ProgramDialogs()) {
        SCOPED_TRACE(c.what);
        if (c.bSheet)
            fake.ExpectModalSheet(SheetScript(c.what, c.prepare));
        else
            fake.ExpectModal(DialogScript(c.what, c.nEndID));
        c.open();
    }
}

// The windows of hWndRoot a user can give the focus to, those of the pages (child dialogs) in it
// included: visible and enabled, neither labels nor group boxes; the parts of a control (a combo
// box's edit, a list's header) are the control's.
std::vector<HWND> FocusableControls(HWND hWndRoot)
{
    std::vector<HWND> controls;
    for (HWND hChild = ::GetWindow(hWndRoot, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(hChild) || !::IsWindowEnabled(hChild))
            continue;
        char name[32] = {};
        ::GetClassNameA(hChild, name, sizeof name);
        if (::lstrcmpA(name, "#32770") == 0) {
            const std::vector<HWND> inner = FocusableControls(hChild);
            controls.insert(controls.end(), inner.begin(), inner.end());
        } else if (::lstrcmpiA(name, "Static") != 0 &&
                   !(::lstrcmpiA(name, "Button") == 0 &&
                     (::GetWindowLongA(hChild, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX)) {
            controls.push_back(hChild);
        }
    }
    return controls;
}

// On the shown dialog or sheet modal of case c: the focus goes to the nControl-th of the controls of
// its pages in turn (nControls tells how many there are), and the key is pressed there: the dialog
// must end as cancelled. A dialog that stays is ended, so that the next one can be opened.
template <class TModal>
void DialogKeys::PressOnControl(TModal& modal, const DialogCase& c, size_t nControl, size_t& nControls,
                                UINT nKey, int nModifiers, const char* pszKey)
{
    Show(modal);
    CPropertySheet* pSheet = dynamic_cast<CPropertySheet*>(static_cast<CWnd*>(&modal));
    if (pSheet != nullptr && c.prepare)
        c.prepare(*pSheet);
    std::vector<std::pair<int, HWND>> targets;
    const int nPages = pSheet != nullptr ? pSheet->GetPageCount() : 1;
    for (int nPage = 0; nPage < nPages; ++nPage) {
        if (pSheet != nullptr && pSheet->GetActiveIndex() != nPage)
            ASSERT_TRUE(pSheet->SetActivePage(nPage));
        for (HWND hWnd : FocusableControls(modal.m_hWnd))
            if (std::find_if(targets.begin(), targets.end(), [hWnd](const auto& t) { return t.second == hWnd; }) ==
                targets.end())
                targets.emplace_back(nPage, hWnd);
    }
    nControls = targets.size();
    if (nControl < targets.size()) {
        if (pSheet != nullptr && pSheet->GetActiveIndex() != targets[nControl].first)
            ASSERT_TRUE(pSheet->SetActivePage(targets[nControl].first));
        const std::string where = DescribeWindow(targets[nControl].second);
        ::SetFocus(targets[nControl].second);
        keys->Press(nKey, nModifiers);
        EXPECT_TRUE(modal.IsModalEnded()) << c.what << ": " << pszKey << " on " << where;
        if (modal.IsModalEnded())
            EXPECT_EQ(modal.GetModalResult(), IDCANCEL) << c.what << ": " << pszKey << " on " << where;
    }
    if (!modal.IsModalEnded())
        modal.EndDialog(IDCANCEL);
}

TEST_F(DialogKeys, EscapeAndAltF4EndEveryDialogAndSheetWhateverControlHasTheFocus)
{
    OpenProject();
    const std::string items = ListItems(), tree = Tree();
    const struct {
        const char* pszKey;
        UINT nKey;
        int nModifiers;
    } closeKeys[] = {{"Escape", VK_ESCAPE, KeyPresser::None}, {"Alt+F4", VK_F4, KeyPresser::Alt}};
    for (const DialogCase& c : ProgramDialogs()) {
        for (const auto& key : closeKeys) {
            // the dialog is opened again for each of its controls
            size_t nControls = 1;
            for (size_t nControl = 0; nControl < nControls; ++nControl) {
                if (c.bSheet)
                    fake.ExpectModalSheet([&](CPropertySheet& sheet) {
                        PressOnControl(sheet, c, nControl, nControls, key.nKey, key.nModifiers, key.pszKey);
                    });
                else
                    fake.ExpectModal([&](CDialog& dlg) {
                        PressOnControl(dlg, c, nControl, nControls, key.nKey, key.nModifiers, key.pszKey);
                    });
                c.open();
            }
        }
    }
    // every one was cancelled: nothing was added or changed
    EXPECT_EQ(ListItems(), items);
    EXPECT_EQ(Tree(), tree);
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

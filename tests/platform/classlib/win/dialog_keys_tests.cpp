// The dialog manager's keys in dialogs that hold a control parent: a property sheet's pages and a child
// dialog inside a dialog. Tab and Shift+Tab visit the same controls in opposite orders, whichever
// control handles the key (a multi-line edit box moves the focus itself), and Space presses the
// button they reach. The keys move the real focus, so this program runs alone.
#include "KeyboardTestSupport.h"

#include "TestSupport.h"
#include "dialog_test_resources.h"

#include <string>
#include <vector>

namespace {

class CNotesPage : public CPropertyPage {
public:
    CNotesPage() : CPropertyPage(IDD_PAGE_NOTES) {}
};

// A page whose template is no control parent (no DS_CONTROL).
class CPlainPage : public CPropertyPage {
public:
    CPlainPage() : CPropertyPage(IDD_PAGE_GENERAL) {}
};

// A dialog that holds a child dialog (a DS_CONTROL template) below its own controls.
class COuterDialog : public CDialog {
public:
    COuterDialog() : CDialog(IDD_KEYS_OUTER) {}

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        if (!inner.Create(IDD_KEYS_INNER, this))
            return TRUE;
        CRect rect(10, 40, 150, 120);
        MapDialogRect(rect);
        inner.SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }

    CDialog inner;
};

class DialogKeys : public ::testing::Test {
protected:
    // Shows the modal window (the test's services made it hidden) and gives it the activation.
    static void Show(CWnd& wnd)
    {
        wnd.ShowWindow(SW_SHOW);
        ::SetForegroundWindow(wnd.m_hWnd);
    }

    // Tab and Shift+Tab from hWndStart go round the same windows in opposite orders, every push button
    // of hWndDialog among them, and the windows of expected too.
    void ExpectOneTabOrder(HWND hWndDialog, HWND hWndStart, const std::vector<HWND>& expected)
    {
        const TabWalk walk = WalkTabOrder(keys, hWndStart);
        EXPECT_TRUE(walk.WentRound()) << "Tab: " << DescribeWindows(walk.forward);
        EXPECT_EQ(walk.forward, walk.BackwardReversed())
            << "Tab: " << DescribeWindows(walk.forward) << "\nShift+Tab: " << DescribeWindows(walk.backward);
        std::vector<HWND> reached = PushButtonsIn(hWndDialog);
        reached.insert(reached.end(), expected.begin(), expected.end());
        for (HWND hWnd : reached)
            EXPECT_NE(std::find(walk.forward.begin(), walk.forward.end(), hWnd), walk.forward.end())
                << DescribeWindow(hWnd) << " not reached by Tab: " << DescribeWindows(walk.forward);
    }

    // Tab from wherever the focus is until it is on hWndButton, then Space.
    void PressWithSpace(HWND hWndButton)
    {
        for (int i = 0; i < 20 && ::GetFocus() != hWndButton; ++i)
            keys.Press(VK_TAB);
        ASSERT_EQ(::GetFocus(), hWndButton) << DescribeWindow(hWndButton);
        keys.Press(VK_SPACE);
    }

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    KeyPresser keys{app, fake};
};

TEST_F(DialogKeys, TabAndShiftTabGoRoundASheetsPageAndButtonsInOppositeOrders)
{
    CNotesPage notes;
    CPlainPage plain;
    CPropertySheet sheet(IDS_SHEET_CAPTION);
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    sheet.AddPage(&notes);
    sheet.AddPage(&plain);
    fake.ExpectModalSheet([&](CPropertySheet& shown) {
        Show(shown);
        // the multi-line box, the page's last control, moves the focus itself on Tab: out of the
        // page, not round it
        const HWND hWndTitle = notes.GetDlgItem(IDC_NOTE_TITLE)->m_hWnd;
        const HWND hWndText = notes.GetDlgItem(IDC_NOTE_TEXT)->m_hWnd;
        ExpectOneTabOrder(shown.m_hWnd, hWndTitle, {hWndText, shown.GetTabControl()->m_hWnd});
        ::SetFocus(hWndText);
        keys.Press(VK_TAB);
        EXPECT_FALSE(::IsChild(notes.m_hWnd, ::GetFocus())) << DescribeWindow(::GetFocus());
        keys.Press(VK_TAB, KeyPresser::Shift);
        EXPECT_EQ(::GetFocus(), hWndText);
        EXPECT_EQ(WindowTextOf(hWndText), "") << "Tab typed into the box";

        // Ctrl+Tab turns the page: the focus goes with it, onto the first control of the page shown
        ::SetFocus(hWndTitle);
        keys.Press(VK_TAB, KeyPresser::Ctrl);
        ASSERT_EQ(shown.GetActiveIndex(), 1);
        const HWND hWndName = plain.GetDlgItem(IDC_NAME)->m_hWnd;
        EXPECT_EQ(::GetFocus(), hWndName) << DescribeWindow(::GetFocus());
        keys.Press(VK_TAB, KeyPresser::Ctrl | KeyPresser::Shift);
        ASSERT_EQ(shown.GetActiveIndex(), 0);
        EXPECT_EQ(::GetFocus(), hWndTitle) << DescribeWindow(::GetFocus());

        // a page whose template is no control parent is walked into all the same
        ASSERT_TRUE(shown.SetActivePage(1));
        ExpectOneTabOrder(shown.m_hWnd, hWndName, {plain.GetDlgItem(IDC_GAIN)->m_hWnd});

        // Space presses the button that Tab reached
        PressWithSpace(shown.GetDlgItem(IDCANCEL)->m_hWnd);
        EXPECT_TRUE(shown.IsModalEnded());
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
}

TEST_F(DialogKeys, ADialogInsideADialogIsPartOfItsTabOrder)
{
    COuterDialog outer;
    fake.ExpectModal([&](CDialog& shown) {
        Show(shown);
        ASSERT_NE(outer.inner.m_hWnd, nullptr);
        EXPECT_EQ(CDialog::GetTabRoot(outer.inner.m_hWnd), shown.m_hWnd);
        EXPECT_EQ(CDialog::GetTabRoot(shown.m_hWnd), shown.m_hWnd);
        const HWND hWndText = outer.inner.GetDlgItem(IDC_INNER_TEXT)->m_hWnd;
        ExpectOneTabOrder(shown.m_hWnd, shown.GetDlgItem(IDC_OUTER_NAME)->m_hWnd, {hWndText});
        // the inner dialog's own requests to move the focus move it in the outer dialog's order
        ::SetFocus(outer.inner.GetDlgItem(IDC_INNER_CLEAR)->m_hWnd);
        outer.inner.NextDlgCtrl();
        EXPECT_EQ(::GetFocus(), shown.GetDlgItem(IDC_OUTER_NAME)->m_hWnd) << DescribeWindow(::GetFocus());
        outer.inner.PrevDlgCtrl();
        EXPECT_EQ(::GetFocus(), outer.inner.GetDlgItem(IDC_INNER_CLEAR)->m_hWnd) << DescribeWindow(::GetFocus());

        PressWithSpace(shown.GetDlgItem(IDCANCEL)->m_hWnd);
        EXPECT_TRUE(shown.IsModalEnded());
    });
    EXPECT_EQ(outer.DoModal(), IDCANCEL);
}

TEST_F(DialogKeys, EscapeCancelsASheetFromItsPagesMultiLineBoxWhereReturnMakesANewLine)
{
    CNotesPage notes;
    CPropertySheet sheet(IDS_SHEET_CAPTION);
    sheet.AddPage(&notes);
    fake.ExpectModalSheet([&](CPropertySheet& shown) {
        Show(shown);
        // (the box closes only the page it stands on when it handles Escape itself)
        const HWND hWndText = notes.GetDlgItem(IDC_NOTE_TEXT)->m_hWnd;
        ::SetFocus(hWndText);
        keys.Press('A');
        keys.Press(VK_RETURN);
        keys.Press('B');
        EXPECT_EQ(WindowTextOf(hWndText), "a\r\nb");
        EXPECT_FALSE(shown.IsModalEnded());
        keys.Press(VK_ESCAPE);
        EXPECT_TRUE(shown.IsModalEnded());
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
}

TEST_F(DialogKeys, AltF4ClosesADialogFromAComboBoxWhoseOpenListEscapeCloses)
{
    COuterDialog outer;
    fake.ExpectModal([&](CDialog& shown) {
        Show(shown);
        // (Wine's combo box keeps Alt+F4 from the system's default)
        const HWND hWndCombo = ::CreateWindowExA(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST,
                                                 10, 200, 100, 120, shown.m_hWnd, nullptr, nullptr, nullptr);
        ASSERT_NE(hWndCombo, nullptr);
        for (const char* item : {"1", "2"})
            ::SendMessageA(hWndCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        ::SetFocus(hWndCombo);
        ::SendMessageA(hWndCombo, CB_SHOWDROPDOWN, TRUE, 0);
        keys.Press(VK_ESCAPE);
        EXPECT_FALSE(::SendMessageA(hWndCombo, CB_GETDROPPEDSTATE, 0, 0));
        EXPECT_FALSE(shown.IsModalEnded()) << "Escape closed the dialog, not the list";
        ::SetFocus(hWndCombo);
        keys.Press(VK_F4, KeyPresser::Alt);
        EXPECT_TRUE(shown.IsModalEnded());
    });
    EXPECT_EQ(outer.DoModal(), IDCANCEL);
}

// The font dialog that the system shows, looked at while it runs its own loop: a dialog of the thread
// that holds a drop-down list.
struct FontDialogWatch {
    static HWND Shown()
    {
        const HWND hWnd = ::GetActiveWindow();
        return hWnd != nullptr && ::FindWindowExA(hWnd, nullptr, "ComboBox", nullptr) != nullptr ? hWnd : nullptr;
    }
    // Its first drop-down list (the script's).
    static HWND DropDownList(HWND hWndDialog)
    {
        for (HWND hWnd = ::FindWindowExA(hWndDialog, nullptr, "ComboBox", nullptr); hWnd != nullptr;
             hWnd = ::FindWindowExA(hWndDialog, hWnd, "ComboBox", nullptr))
            if ((::GetWindowLongA(hWnd, GWL_STYLE) & 3) == CBS_DROPDOWNLIST && ::IsWindowVisible(hWnd))
                return hWnd;
        return nullptr;
    }
    static HWND s_hWndPressed; // where Alt+F4 was pressed
    static BOOL s_bTimedOut;   // the dialog stayed and was cancelled by the watch
    static void CALLBACK Press(HWND, UINT, UINT_PTR nID, DWORD)
    {
        const HWND hWndDialog = Shown();
        const HWND hWndList = hWndDialog != nullptr ? DropDownList(hWndDialog) : nullptr;
        if (hWndList == nullptr)
            return;
        ::KillTimer(nullptr, nID);
        ::SetFocus(hWndList);
        s_hWndPressed = ::GetFocus();
        ::PostMessageA(s_hWndPressed, WM_SYSKEYDOWN, VK_F4, LPARAM(KF_ALTDOWN) << 16 | 1);
    }
    static void CALLBACK GiveUp(HWND, UINT, UINT_PTR nID, DWORD)
    {
        ::KillTimer(nullptr, nID);
        if (const HWND hWndDialog = Shown()) {
            s_bTimedOut = TRUE;
            ::PostMessageA(hWndDialog, WM_COMMAND, IDCANCEL, 0);
        }
    }
};
HWND FontDialogWatch::s_hWndPressed = nullptr;
BOOL FontDialogWatch::s_bTimedOut = FALSE;

TEST_F(DialogKeys, AltF4ClosesACommonDialogFromADropDownListThatKeepsTheKey)
{
    LOGFONTA font = {};
    CHOOSEFONTA cf = {};
    cf.lStructSize = sizeof cf;
    cf.lpLogFont = &font;
    cf.Flags = CF_SCREENFONTS;
    const UINT_PTR nPress = ::SetTimer(nullptr, 0, 50, &FontDialogWatch::Press);
    const UINT_PTR nGiveUp = ::SetTimer(nullptr, 0, 5000, &FontDialogWatch::GiveUp);
    CWinServices system;
    EXPECT_FALSE(system.ChooseFont(&cf));
    ::KillTimer(nullptr, nPress);
    ::KillTimer(nullptr, nGiveUp);
    EXPECT_NE(FontDialogWatch::s_hWndPressed, nullptr) << "the font dialog showed no drop-down list";
    EXPECT_FALSE(FontDialogWatch::s_bTimedOut) << "Alt+F4 left the font dialog open";
}

// A dialog that ends itself with OK as soon as its loop runs.
class CSelfEndingDialog : public CDialog {
public:
    CSelfEndingDialog() : CDialog(IDD_KEYS_OUTER) {}
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        PostMessage(WM_COMMAND, IDOK);
        return TRUE;
    }
};

TEST_F(DialogKeys, TheControlThatHadTheFocusHasItAgainAfterAModalRun)
{
    CWnd main;
    ASSERT_TRUE(main.CreateEx(0, nullptr, "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr));
    const HWND hWndList = ::CreateWindowExA(0, "ListBox", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 100, 80,
                                            main.m_hWnd, nullptr, nullptr, nullptr);
    app.m_pMainWnd = &main;
    Show(main);
    ::SetFocus(hWndList);
    ASSERT_EQ(::GetFocus(), hWndList);
    CSelfEndingDialog dialog;
    EXPECT_EQ(dialog.RunModalLoop(), IDOK);
    EXPECT_EQ(::GetActiveWindow(), main.m_hWnd);
    EXPECT_EQ(::GetFocus(), hWndList) << DescribeWindow(::GetFocus());
    app.m_pMainWnd = nullptr;
    main.DestroyWindow();
}

} // namespace

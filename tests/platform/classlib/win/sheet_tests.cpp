// Property sheets: pages added and removed before and while the sheet is shown, the pages' answers to
// leaving and applying, the sheet's own table and initialisation, and the production modal run.
#include "FakeServices.h"

#include "TestSupport.h"
#include "dialog_test_resources.h"

#include <string>
#include <vector>

namespace {

// A page that names something; it refuses to be left while the name is empty.
class CGeneralPage : public CPropertyPage {
public:
    CGeneralPage() : CPropertyPage(IDD_PAGE_GENERAL) {}

    CString m_strName = "price";
    int nApplies = 0;

    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_NAME, m_strName); }
    BOOL OnKillActive() override { return CPropertyPage::OnKillActive() && !m_strName.IsEmpty(); }
    BOOL OnApply() override
    {
        ++nApplies;
        return CPropertyPage::OnApply();
    }
};

// A page whose list shows values it keeps itself: filled when it becomes active, read back when it is
// left, so that the values outlive the page's window.
class CValuesPage : public CPropertyPage {
    DECLARE_MESSAGE_MAP()
public:
    CValuesPage() : CPropertyPage(IDD_PAGE_VALUES, IDS_VALUES_CAPTION) {}

    std::vector<std::string> values = {"low", "mid"};
    int nCreates = 0;

    BOOL OnSetActive() override
    {
        SendDlgItemMessage(IDC_VALUES, LB_RESETCONTENT);
        for (const std::string& value : values)
            SendDlgItemMessage(IDC_VALUES, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(value.c_str()));
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override
    {
        values.clear();
        const int nCount = int(SendDlgItemMessage(IDC_VALUES, LB_GETCOUNT));
        for (int i = 0; i < nCount; ++i) {
            char text[64] = {};
            SendDlgItemMessage(IDC_VALUES, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
            values.push_back(text);
        }
        return CPropertyPage::OnKillActive();
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct)
    {
        ++nCreates;
        return CPropertyPage::OnCreate(lpCreateStruct);
    }
};

BEGIN_MESSAGE_MAP(CValuesPage, CPropertyPage)
    ON_WM_CREATE()
END_MESSAGE_MAP()

HWND TabControl(CPropertySheet& sheet)
{
    CWnd* pTab = sheet.GetTabControl();
    return pTab != nullptr ? pTab->m_hWnd : nullptr;
}

int TabCount(CPropertySheet& sheet)
{
    return int(::SendMessageA(TabControl(sheet), TCM_GETITEMCOUNT, 0, 0));
}

std::string TabText(CPropertySheet& sheet, int nTab)
{
    char text[64] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ::SendMessageA(TabControl(sheet), TCM_GETITEMA, WPARAM(nTab), reinterpret_cast<LPARAM>(&item));
    return text;
}

// Clicks tab nTab as the user would: a press and release of the left button on it.
void ClickTab(CPropertySheet& sheet, int nTab)
{
    const HWND hWndTab = TabControl(sheet);
    RECT rect = {};
    ASSERT_TRUE(::SendMessageA(hWndTab, TCM_GETITEMRECT, WPARAM(nTab), reinterpret_cast<LPARAM>(&rect)));
    const LPARAM lParamPoint = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    ::SendMessageA(hWndTab, WM_LBUTTONDOWN, MK_LBUTTON, lParamPoint);
    ::SendMessageA(hWndTab, WM_LBUTTONUP, 0, lParamPoint);
}

std::vector<std::string> ListTexts(CWnd& page)
{
    std::vector<std::string> texts;
    const int nCount = int(page.SendDlgItemMessage(IDC_VALUES, LB_GETCOUNT));
    for (int i = 0; i < nCount; ++i) {
        char text[64] = {};
        page.SendDlgItemMessage(IDC_VALUES, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
        texts.push_back(text);
    }
    return texts;
}

class Sheets : public ::testing::Test {
protected:
    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CGeneralPage general;
    CValuesPage values;
};

TEST_F(Sheets, SheetWithoutApplyShowsItsRemainingPageAndDeliversItsData)
{
    CPropertySheet sheet(IDS_SHEET_CAPTION);
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    sheet.AddPage(&general);
    sheet.AddPage(&values);
    sheet.RemovePage(1);
    EXPECT_EQ(sheet.GetPageCount(), 1);
    fake.ExpectModalSheet([&](CPropertySheet& shown) {
        EXPECT_EQ(TabCount(shown), 1);
        EXPECT_EQ(TabText(shown, 0), "General");
        CString caption;
        shown.GetWindowText(caption);
        EXPECT_STREQ(caption, "Properties of the Criterion");
        const HWND hWndApply = ::GetDlgItem(shown.m_hWnd, ID_APPLY_NOW);
        EXPECT_TRUE(hWndApply == nullptr || !::IsWindowVisible(hWndApply)) << "no Apply button";
        EXPECT_EQ(shown.GetActivePage(), &general);
        EXPECT_EQ(general.GetParent()->m_hWnd, shown.m_hWnd) << "the page's window belongs to its object";
        general.SetDlgItemText(IDC_NAME, "comfort");
        ClickButton(shown, IDOK);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_STREQ(general.m_strName, "comfort");
    EXPECT_EQ(general.nApplies, 1);
    EXPECT_EQ(sheet.m_hWnd, nullptr);
    EXPECT_EQ(general.m_hWnd, nullptr) << "the pages go with the sheet";
}

TEST_F(Sheets, PageAddedAgainWhileShownComesBackWithItsValues)
{
    CPropertySheet sheet("Criterion");
    sheet.AddPage(&general);
    sheet.AddPage(&values);
    fake.ExpectModalSheet([&](CPropertySheet& shown) {
        ASSERT_TRUE(shown.SetActivePage(1));
        EXPECT_EQ(TabText(shown, 1), "Scale values") << "the caption string names the tab";
        EXPECT_EQ(ListTexts(values), (std::vector<std::string>{"low", "mid"}));
        values.SendDlgItemMessage(IDC_VALUES, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("high"));
        ClickTab(shown, 0);
        EXPECT_EQ(shown.GetActiveIndex(), 0);

        shown.RemovePage(&values);
        EXPECT_EQ(TabCount(shown), 1);
        EXPECT_EQ(values.m_hWnd, nullptr) << "a removed page loses its window";
        shown.AddPage(&values);
        EXPECT_EQ(TabCount(shown), 2);
        ClickTab(shown, 1);
        EXPECT_EQ(shown.GetActivePage(), &values);
        EXPECT_EQ(ListTexts(values), (std::vector<std::string>{"low", "mid", "high"}));
        ClickButton(shown, IDCANCEL);
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(values.nCreates, 2) << "each window of the page was created through its table";
    EXPECT_EQ(general.nApplies, 0);
}

TEST_F(Sheets, PageRefusingToBeLeftKeepsItsTabAndTheSheetOpen)
{
    CPropertySheet sheet("Criterion");
    sheet.AddPage(&general);
    sheet.AddPage(&values);
    fake.ExpectModalSheet([&](CPropertySheet& shown) {
        general.SetDlgItemText(IDC_NAME, "");
        ClickTab(shown, 1);
        EXPECT_EQ(shown.GetActivePage(), &general) << "a tab click";
        EXPECT_FALSE(shown.SetActivePage(1)) << "a change asked by the program";
        ClickButton(shown, IDOK);
        EXPECT_FALSE(shown.IsModalEnded()) << "OK";
        EXPECT_EQ(general.nApplies, 0);
        general.SetDlgItemText(IDC_NAME, "comfort");
        ClickButton(shown, IDOK);
        EXPECT_TRUE(shown.IsModalEnded());
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_STREQ(general.m_strName, "comfort");
}

TEST_F(Sheets, ApplyReachesTheActivePageAndTheSheetStaysOpen)
{
    CPropertySheet sheet("Criterion");
    sheet.AddPage(&general);
    sheet.AddPage(&values);
    fake.ExpectModalSheet([&](CPropertySheet& shown) {
        const HWND hWndApply = ::GetDlgItem(shown.m_hWnd, ID_APPLY_NOW);
        ASSERT_NE(hWndApply, nullptr);
        EXPECT_FALSE(::IsWindowEnabled(hWndApply)) << "nothing changed yet";
        general.SetDlgItemText(IDC_NAME, "weight");
        general.SetModified();
        EXPECT_TRUE(::IsWindowEnabled(hWndApply));
        ClickButton(shown, ID_APPLY_NOW);
        EXPECT_EQ(general.nApplies, 1);
        EXPECT_STREQ(general.m_strName, "weight");
        EXPECT_FALSE(shown.IsModalEnded());
        ClickButton(shown, IDCANCEL);
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
}

// A sheet that widens itself and adds a child after the system's initialisation, and takes the Apply
// button in its own table.
class CWideSheet : public CPropertySheet {
    DECLARE_MESSAGE_MAP()
public:
    CWideSheet() : CPropertySheet("Wide") {}
    int nWidthBefore = 0;
    int nApplyCommands = 0;
    CWnd preview;

    BOOL OnInitDialog() override
    {
        const BOOL bResult = CPropertySheet::OnInitDialog();
        CRect rect;
        GetWindowRect(&rect);
        nWidthBefore = rect.Width();
        SetWindowPos(nullptr, 0, 0, rect.Width() + 100, rect.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        preview.CreateEx(0, "Static", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), this, 101);
        return bResult;
    }

protected:
    afx_msg void OnApplyNow() { ++nApplyCommands; }
};

BEGIN_MESSAGE_MAP(CWideSheet, CPropertySheet)
    ON_COMMAND(ID_APPLY_NOW, OnApplyNow)
END_MESSAGE_MAP()

TEST_F(Sheets, SheetsOwnTableAndInitialisationComeFirst)
{
    CWideSheet sheet;
    sheet.AddPage(&general);
    fake.ExpectModalSheet([&](CPropertySheet& shown) {
        CRect rect;
        shown.GetWindowRect(&rect);
        EXPECT_EQ(rect.Width(), static_cast<CWideSheet&>(shown).nWidthBefore + 100);
        EXPECT_NE(::GetDlgItem(shown.m_hWnd, 101), nullptr);
        general.SetModified();
        ClickButton(shown, ID_APPLY_NOW);
        EXPECT_EQ(static_cast<CWideSheet&>(shown).nApplyCommands, 1);
        EXPECT_EQ(general.nApplies, 0) << "the sheet's handler took the command";
        ClickButton(shown, IDOK);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
}

TEST_F(Sheets, PageWhoseWindowCannotBeMadeLeavesOtherWindowsAlone)
{
    CPropertySheet sheet("Broken");
    CPropertyPage broken(IDD_PAGE_BROKEN);
    sheet.AddPage(&general);
    sheet.AddPage(&broken);
    fake.ExpectModalSheet([&](CPropertySheet& shown) {
        ClickTab(shown, 1);
        EXPECT_EQ(broken.m_hWnd, nullptr) << "the system could not make the page";
        // a window the program makes without an object (the system's message boxes, say)
        const HWND hWndNext = ::CreateWindowExA(0, "Static", "next", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                                nullptr, nullptr);
        ASSERT_NE(hWndNext, nullptr);
        EXPECT_EQ(CWnd::FromHandlePermanent(hWndNext), nullptr) << "not taken for the page";
        EXPECT_EQ(broken.m_hWnd, nullptr);
        ::DestroyWindow(hWndNext);
        ClickButton(shown, IDCANCEL);
    });
    sheet.DoModal();
}

TEST_F(Sheets, MissingPageTemplateFailsTheRun)
{
    CPropertySheet sheet("Broken");
    CPropertyPage missing(IDD_PAGE_MISSING);
    sheet.AddPage(&general);
    sheet.AddPage(&missing);
    fake.ExpectModalSheet([](CPropertySheet&) { ADD_FAILURE() << "the sheet was shown"; });
    EXPECT_EQ(sheet.DoModal(), -1);
    ExpectInvalidArg([&] { sheet.RemovePage(5); }, "page index 5");
    ExpectInvalidArg([&] { sheet.AddPage(&general); }, "already in the sheet");
}

// ---- the production modal loop ------------------------------------------------------------------------

class CSelfClosingSheet : public CPropertySheet {
public:
    CSelfClosingSheet() : CPropertySheet("Self-closing") {}
    BOOL bOwnerEnabledDuringRun = TRUE;

    BOOL OnInitDialog() override
    {
        const BOOL bResult = CPropertySheet::OnInitDialog();
        const HWND hWndOK = ::GetDlgItem(m_hWnd, IDOK);
        PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(hWndOK));
        return bResult;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        bOwnerEnabledDuringRun = AfxGetMainWnd()->IsWindowEnabled();
        return CPropertySheet::OnCommand(wParam, lParam);
    }
};

TEST(SheetRun, ProductionRunIsModalOverItsOwner)
{
    CWinApp app("Ondrix");
    CWnd main;
    ASSERT_TRUE(main.CreateEx(0, nullptr, "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr));
    app.m_pMainWnd = &main;
    CGeneralPage general;
    CSelfClosingSheet sheet;
    sheet.AddPage(&general);
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_FALSE(sheet.bOwnerEnabledDuringRun);
    EXPECT_TRUE(main.IsWindowEnabled());
    EXPECT_EQ(sheet.m_hWnd, nullptr);
    app.m_pMainWnd = nullptr;
}

} // namespace

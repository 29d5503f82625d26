// Dialogs: modal through the seam and really modal in production, modeless, and data exchange with
// its refusals.
#include "FakeServices.h"

#include "win_test_resources.h"

#include <string>

namespace {

class CValuesDialog : public CDialog {
public:
    explicit CValuesDialog(CWnd* pParent = nullptr) : CDialog(IDD_VALUES, pParent) {}

    int m_nInt = 5;
    double m_dValue = 0.125;
    CString m_strText = "abc";
    UINT m_nUInt = 3;
    int m_nCheck = 2;
    int m_nRadio = 1;
    int m_nCombo = 2;
    int m_nList = 1;
    int initDialogs = 0;

    BOOL OnInitDialog() override
    {
        ++initDialogs;
        for (const char* item : {"red", "green", "blue"})
            SendDlgItemMessage(IDC_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        return CDialog::OnInitDialog();
    }

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_INT, m_nInt);
        DDV_MinMaxInt(pDX, m_nInt, -100, 100);
        DDX_Text(pDX, IDC_DOUBLE, m_dValue);
        DDV_MinMaxDouble(pDX, m_dValue, 0.0, 0.5);
        DDX_Text(pDX, IDC_TEXT, m_strText);
        DDV_MaxChars(pDX, m_strText, 8);
        DDX_Text(pDX, IDC_UINT, m_nUInt);
        DDX_Check(pDX, IDC_CHECK, m_nCheck);
        DDX_Radio(pDX, IDC_RADIO_A, m_nRadio);
        DDX_CBIndex(pDX, IDC_COMBO, m_nCombo);
        DDX_LBIndex(pDX, IDC_LIST, m_nList);
    }
};

std::string ItemText(CWnd& dialog, int nID)
{
    CString text;
    dialog.GetDlgItemText(nID, text);
    return text.GetString();
}

class Dialogs : public ::testing::Test {
protected:
    CWinApp app{"Ondrix"};
};

TEST_F(Dialogs, ModalDialogAnsweredWithOkDeliversTypedValues)
{
    CFakeServices fake;
    CValuesDialog dialog;
    fake.ExpectModal([](CDialog& dlg) {
        // the controls show the members (the combo's entries come from the template's data)
        EXPECT_EQ(ItemText(dlg, IDC_INT), "5");
        EXPECT_EQ(ItemText(dlg, IDC_DOUBLE), "0.125");
        EXPECT_EQ(dlg.SendDlgItemMessage(IDC_COMBO, CB_GETCOUNT), 3);
        EXPECT_EQ(ItemText(dlg, IDC_COMBO), "Three");
        EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_RADIO_B), UINT(BST_CHECKED));
        EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_CHECK), UINT(BST_INDETERMINATE));

        dlg.SetDlgItemText(IDC_INT, " -42 ");
        dlg.SetDlgItemText(IDC_DOUBLE, "2.5e-1");
        dlg.SetDlgItemText(IDC_TEXT, "hello");
        dlg.SetDlgItemText(IDC_UINT, "+7");
        dlg.CheckDlgButton(IDC_CHECK, BST_CHECKED);
        dlg.CheckRadioButton(IDC_RADIO_A, IDC_RADIO_C, IDC_RADIO_C);
        dlg.SendDlgItemMessage(IDC_COMBO, CB_SETCURSEL, 0);
        dlg.SendDlgItemMessage(IDC_LIST, LB_SETCURSEL, 2);
        ClickButton(dlg, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.initDialogs, 1);
    EXPECT_EQ(dialog.m_nInt, -42);
    EXPECT_EQ(dialog.m_dValue, 0.25);
    EXPECT_STREQ(dialog.m_strText, "hello");
    EXPECT_EQ(dialog.m_nUInt, 7u);
    EXPECT_EQ(dialog.m_nCheck, 1);
    EXPECT_EQ(dialog.m_nRadio, 2);
    EXPECT_EQ(dialog.m_nCombo, 0);
    EXPECT_EQ(dialog.m_nList, 2);
    EXPECT_EQ(dialog.m_hWnd, nullptr) << "the window is gone after DoModal";
}

TEST_F(Dialogs, ValueOutsideItsRangeIsRefusedAndTheDialogStaysOpen)
{
    CFakeServices fake;
    CValuesDialog dialog;
    fake.ExpectMessageBox(IDOK, "Please enter a number between 0 and 0.5.");
    fake.ExpectModal([](CDialog& dlg) {
        dlg.SetDlgItemText(IDC_DOUBLE, "0.6");
        ClickButton(dlg, IDOK);
        EXPECT_FALSE(dlg.IsModalEnded());
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(dlg.m_hWnd, IDC_DOUBLE)) << "the refused control has the focus";
        dlg.SetDlgItemText(IDC_DOUBLE, "0.5");
        ClickButton(dlg, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_dValue, 0.5);
    const auto boxes = fake.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Ondrix");
    EXPECT_NE(boxes[0].nType & MB_ICONEXCLAMATION, 0u);
}

TEST_F(Dialogs, RefusedEntriesShowTheLibrarysMessages)
{
    struct Case {
        int nID;
        const char* pszText;
        const char* pszMessage;
    };
    const Case cases[] = {
        {IDC_INT, "abc", "Please enter an integer."},
        {IDC_INT, "4 2", "Please enter an integer."},
        {IDC_INT, "", "Please enter an integer."},
        {IDC_INT, "99999999999", "Please enter an integer."},
        {IDC_INT, "101", "Please enter an integer between -100 and 100."},
        {IDC_INT, "-101", "Please enter an integer between -100 and 100."},
        {IDC_UINT, "-1", "Please enter a positive integer."},
        {IDC_DOUBLE, "1e", "Please enter a number."},
        {IDC_DOUBLE, "nan", "Please enter a number."},
        {IDC_DOUBLE, "-0.001", "Please enter a number between 0 and 0.5."},
        {IDC_TEXT, "123456789", "Please enter no more than 8 characters."},
    };
    for (const Case& c : cases) {
        CFakeServices fake;
        CValuesDialog dialog;
        fake.ExpectMessageBox(IDOK, c.pszMessage);
        fake.ExpectModal([&c](CDialog& dlg) {
            dlg.SetDlgItemText(c.nID, c.pszText);
            ClickButton(dlg, IDOK);
            EXPECT_FALSE(dlg.IsModalEnded()) << c.pszText;
            ClickButton(dlg, IDCANCEL);
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL) << c.pszText;
    }
}

// A dialog exchanging the combo box's text instead of its index.
class CComboTextDialog : public CValuesDialog {
public:
    using CValuesDialog::CValuesDialog;
    CString m_strCombo;
    void DoDataExchange(CDataExchange* pDX) override { DDX_CBString(pDX, IDC_COMBO, m_strCombo); }
};

TEST_F(Dialogs, TheTextOfADropDownListSelectsTheEntryItBeginsAndReadsTheSelectedOne)
{
    const struct {
        const char* shown;
        int nSelected;
        const char* read;
    } cases[] = {{"Two", 1, "Two"}, {"th", 2, "Three"}, {"Four", -1, ""}};
    for (const auto& c : cases) {
        CComboTextDialog dialog;
        dialog.m_strCombo = c.shown;
        ASSERT_TRUE(dialog.Create(IDD_VALUES));
        EXPECT_EQ(dialog.SendDlgItemMessage(IDC_COMBO, CB_GETCURSEL), c.nSelected) << c.shown;
        dialog.UpdateData(TRUE);
        EXPECT_STREQ(dialog.m_strCombo, c.read) << c.shown;
        dialog.DestroyWindow();
    }
}

TEST_F(Dialogs, TextLimitIsGivenToTheEditControl)
{
    CValuesDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_VALUES));
    EXPECT_EQ(dialog.SendDlgItemMessage(IDC_TEXT, EM_GETLIMITTEXT), 8);
    EXPECT_EQ(dialog.initDialogs, 1);
    EXPECT_EQ(ItemText(dialog, IDC_INT), "5") << "a modeless dialog is filled too";
    dialog.DestroyWindow();
}

// ---- the production modal loop ------------------------------------------------------------------------

class CSelfClosingDialog : public CValuesDialog {
public:
    using CValuesDialog::CValuesDialog;
    bool bQuit = false;
    BOOL bOwnerEnabledDuringRun = TRUE;
    BOOL bVisibleDuringRun = FALSE;
    bool bActiveDuringRun = false;

    BOOL OnInitDialog() override
    {
        const BOOL bResult = CValuesDialog::OnInitDialog();
        if (bQuit)
            ::PostQuitMessage(3);
        else
            PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(IDOK)->m_hWnd));
        return bResult;
    }
    void OnOK() override
    {
        bOwnerEnabledDuringRun = AfxGetMainWnd()->IsWindowEnabled();
        bVisibleDuringRun = IsWindowVisible();
        bActiveDuringRun = ::GetActiveWindow() == m_hWnd;
        CValuesDialog::OnOK();
    }
};

TEST_F(Dialogs, ProductionRunIsModalOverItsOwner)
{
    CWnd main;
    ASSERT_TRUE(main.CreateEx(0, nullptr, "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr));
    app.m_pMainWnd = &main;
    CSelfClosingDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_FALSE(dialog.bOwnerEnabledDuringRun);
    EXPECT_TRUE(dialog.bVisibleDuringRun);
    EXPECT_TRUE(main.IsWindowEnabled());
    // the dialog hid itself as it ended, while the owner was still disabled: the owner is made
    // active again, so that its keyboard shortcuts work without a click (other programs on the
    // display may have taken the activation during the run)
    if (dialog.bActiveDuringRun)
        EXPECT_EQ(::GetActiveWindow(), main.m_hWnd);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    app.m_pMainWnd = nullptr;
}

// The production services, with the message boxes noted instead of shown.
class CNotingServices : public CWinServices {
public:
    HWND hWndOwner = nullptr;
    int MessageBox(HWND hWnd, LPCSTR, LPCSTR, UINT) override
    {
        hWndOwner = hWnd;
        return IDOK;
    }
};

class CComplainingDialog : public CSelfClosingDialog {
public:
    HWND hWndSelf = nullptr;
    void OnOK() override
    {
        hWndSelf = m_hWnd;
        AfxMessageBox("complaint");
        EndDialog(IDOK);
    }
};

TEST_F(Dialogs, MessageBoxesOfAModalDialogAreOwnedByIt)
{
    CWnd main;
    ASSERT_TRUE(main.CreateEx(0, nullptr, "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr));
    app.m_pMainWnd = &main;
    CNotingServices services;
    CWinServices* pPrevious = AfxSetServices(&services);
    CComplainingDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    AfxSetServices(pPrevious);
    EXPECT_NE(services.hWndOwner, nullptr);
    EXPECT_EQ(services.hWndOwner, dialog.hWndSelf) << "not the disabled main window";
    app.m_pMainWnd = nullptr;
}

TEST_F(Dialogs, QuitEndsTheModalRunAndIsPostedAgain)
{
    CSelfClosingDialog dialog;
    dialog.bQuit = true;
    EXPECT_EQ(dialog.DoModal(), -1);
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(Dialogs, MissingTemplateFailsTheRun)
{
    CDialog dialog(9999);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_FALSE(dialog.Create(9999));
}

} // namespace

// The chart wizard's parts: sub-panels read from DIALOG resources (with an ActiveX control of the tests'
// own), the texts of its layouts and code lists, and its drag list.
#include "wine_gtest.h"

#include <string>
#include <vector>

#include "WizardTestSupport.h"
#include "test_control/TestControl.h"
#include "wizard_parts_tests.h"

#include <atliface.h>

#include <cstring>

#include "chart/views/dialogs/CGenDialog.h"
#include "chart/views/dialogs/WizardControls.h"
#include "chart/views/dialogs/WizardTexts.h"

namespace {

// The bytes of DIALOG resource nID of the program.
std::vector<BYTE> DialogBytes(UINT nID)
{
    HINSTANCE hModule = AfxGetInstanceHandle();
    HRSRC hResource = ::FindResourceA(hModule, MAKEINTRESOURCEA(nID), MAKEINTRESOURCEA(5));
    if (hResource == nullptr)
        return {};
    const BYTE* pData = static_cast<const BYTE*>(::LockResource(::LoadResource(hModule, hResource)));
    return std::vector<BYTE>(pData, pData + ::SizeofResource(hModule, hResource));
}

std::vector<std::string> Classes(const std::vector<CGenDialog::Item>& items)
{
    std::vector<std::string> classes;
    for (const CGenDialog::Item& item : items)
        classes.push_back(item.className.GetString());
    return classes;
}

// A window with a parent that records the drag list's moves.
class MoveRecorder : public CWnd {
public:
    std::vector<std::pair<int, int>> moves;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == SRGDragListBox::kMoveMessage)
            moves.push_back({int(wParam), int(lParam)});
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// Registers the tests' ActiveX control in the test prefix while it lives: its class id's in-process
// server is the library beside the test program.
class TestControlRegistration {
public:
    TestControlRegistration()
    {
        char szPath[MAX_PATH] = {};
        const DWORD nLength = ::GetModuleFileNameA(nullptr, szPath, sizeof szPath);
        char* pSlash = std::strrchr(szPath, '\\');
        if (nLength == 0 || nLength >= sizeof szPath || pSlash == nullptr)
            return;
        std::string library = std::string(szPath, pSlash + 1) + TEST_CONTROL_LIBRARY;
        HKEY hKey = nullptr;
        if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kServerKey, 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr) != 0)
            return;
        static const char kModel[] = "Apartment";
        m_bOk = ::RegSetValueExA(hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(library.c_str()),
                                 DWORD(library.size() + 1)) == 0 &&
                ::RegSetValueExA(hKey, "ThreadingModel", 0, REG_SZ, reinterpret_cast<const BYTE*>(kModel),
                                 sizeof kModel) == 0;
        ::RegCloseKey(hKey);
    }
    ~TestControlRegistration() { ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kClassKey); }
    TestControlRegistration(const TestControlRegistration&) = delete;
    TestControlRegistration& operator=(const TestControlRegistration&) = delete;
    bool Ok() const { return m_bOk; }

private:
    static constexpr const char* kClassKey = "Software\\Classes\\CLSID\\" TEST_CONTROL_CLASS_ID;
    static constexpr const char* kServerKey = "Software\\Classes\\CLSID\\" TEST_CONTROL_CLASS_ID "\\InprocServer32";
    bool m_bOk = false;
};

} // namespace

TEST(WizardParts, ASubPanelTemplateIsReadInEitherForm)
{
    const std::vector<BYTE> standard = DialogBytes(IDD_PARTS_STANDARD);
    const std::vector<CGenDialog::Item> items = CGenDialog::ParseTemplate(standard.data(), standard.size());
    ASSERT_EQ(Classes(items), (std::vector<std::string>{"EDIT", "BUTTON", PARTS_UNKNOWN_CONTROL, "RICHEDIT"}));
    EXPECT_EQ(items[1].nID, UINT(IDC_PARTS_BUTTON));
    EXPECT_EQ(items[1].title, CString("Go"));
    EXPECT_EQ(CRect(items[1].x, items[1].y, items[1].x + items[1].cx, items[1].y + items[1].cy), CRect(48, 8, 78, 20));
    EXPECT_NE(items[1].dwStyle & WS_VISIBLE, 0u);

    const std::vector<BYTE> extended = DialogBytes(IDD_PARTS_EXTENDED);
    const std::vector<CGenDialog::Item> extendedItems = CGenDialog::ParseTemplate(extended.data(), extended.size());
    EXPECT_EQ(Classes(extendedItems), (std::vector<std::string>{"STATIC", "COMBOBOX", "LISTBOX"}));
    EXPECT_EQ(extendedItems[0].title, CString("Label"));
    EXPECT_EQ(extendedItems[2].nID, UINT(IDC_PARTS_LIST));
    EXPECT_NE(extendedItems[1].dwStyle & CBS_DROPDOWNLIST, 0u);
}

TEST(WizardParts, ATemplateThatEndsEarlyGivesTheControlsBeforeTheEnd)
{
    for (const UINT nID : {UINT(IDD_PARTS_STANDARD), UINT(IDD_PARTS_EXTENDED)}) {
        const std::vector<BYTE> bytes = DialogBytes(nID);
        const size_t nAll = CGenDialog::ParseTemplate(bytes.data(), bytes.size()).size();
        size_t nBefore = 0;
        for (size_t nSize = 0; nSize < bytes.size(); ++nSize) {
            // a copy of that length, so that nothing past it can be read
            const std::vector<BYTE> cut(bytes.begin(), bytes.begin() + long(nSize));
            const size_t nRead = CGenDialog::ParseTemplate(cut.data(), cut.size()).size();
            EXPECT_GE(nRead, nBefore) << nSize;
            EXPECT_LT(nRead, nAll) << nSize;
            nBefore = nRead;
        }
        // a count of items beyond what follows ends at the last whole one
        std::vector<BYTE> counted = bytes;
        const size_t nCountAt = nID == IDD_PARTS_STANDARD ? 8 : 16;
        counted[nCountAt] = 200;
        EXPECT_EQ(CGenDialog::ParseTemplate(counted.data(), counted.size()).size(), nAll);
    }
    EXPECT_TRUE(CGenDialog::ParseTemplate(nullptr, 100).empty());
}

TEST_F(WizardTest, ASubPanelMakesItsControlsHiddenAtItsPlaceAndKeepsTheirTexts)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
    CStatic place;
    ASSERT_TRUE(place.Create("", WS_CHILD, CRect(30, 20, 40, 30), &owner, IDC_PARTS_PLACE));
    CGenDialog panel(IDD_PARTS_STANDARD, &owner, IDC_PARTS_PLACE);
    fake.ExpectMessageBox(IDOK, "Can't create control: " PARTS_UNKNOWN_CONTROL "\n");
    ASSERT_TRUE(panel.Create());
    ASSERT_EQ(panel.GetControlCount(), 3);
    EXPECT_EQ(panel.GetControlClass(2), CString("RICHEDIT"));

    CWnd* pEdit = owner.GetDlgItem(IDC_PARTS_EDIT);
    ASSERT_NE(pEdit, nullptr);
    EXPECT_EQ(pEdit->GetStyle() & WS_VISIBLE, 0u);
    EXPECT_NE(pEdit->GetExStyle() & WS_EX_CLIENTEDGE, 0u);
    EXPECT_EQ(owner.GetDlgItem(IDC_PARTS_BUTTON)->GetExStyle() & WS_EX_CLIENTEDGE, 0u);
    // the owner is no dialog: the system's base units, from the placeholder's corner
    const LONG nUnits = ::GetDialogBaseUnits();
    CRect button;
    owner.GetDlgItem(IDC_PARTS_BUTTON)->GetWindowRect(&button);
    owner.ScreenToClient(&button);
    EXPECT_EQ(button.TopLeft(), CPoint(30 + 48 * LOWORD(nUnits) / 4, 20 + 8 * HIWORD(nUnits) / 8));

    panel.Show(TRUE);
    EXPECT_NE(pEdit->GetStyle() & WS_VISIBLE, 0u);
    pEdit->SetWindowText("typed");
    panel.Show(FALSE);
    EXPECT_EQ(pEdit->GetStyle() & WS_VISIBLE, 0u);
    pEdit->SetWindowText("changed while hidden");
    panel.Show(TRUE);
    CString text;
    pEdit->GetWindowText(text);
    EXPECT_EQ(text, CString("typed"));

    panel.Destroy();
    EXPECT_EQ(owner.GetDlgItem(IDC_PARTS_EDIT), nullptr);
    EXPECT_FALSE(panel.IsCreated());
    CGenDialog missing(4711, &owner);
    EXPECT_FALSE(missing.Create());
    owner.DestroyWindow();
}

TEST_F(WizardTest, ASubPanelHostsAnActiveXControlByItsClassIdAndGoesOnPastOneNotRegistered)
{
    TestControlRegistration registration;
    ASSERT_TRUE(registration.Ok());
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
    CGenDialog panel(IDD_PARTS_ACTIVEX, &owner);
    fake.ExpectMessageBox(IDOK, "Can't create control: " PARTS_UNKNOWN_CONTROL "\n");
    ASSERT_TRUE(panel.Create());
    ASSERT_EQ(panel.GetControlCount(), 2);
    EXPECT_EQ(panel.GetControlClass(0), CString(TEST_CONTROL_CLASS_ID));
    EXPECT_EQ(owner.GetDlgItem(IDC_PARTS_UNKNOWN), nullptr);
    EXPECT_NE(owner.GetDlgItem(IDC_PARTS_EDIT), nullptr) << "the controls after it are made";

    // the host window at the item's place holds the tests' control, active in place over it
    const HWND hWndHost = panel.GetControl(0);
    ASSERT_EQ(::GetDlgItem(owner.m_hWnd, IDC_PARTS_ACTIVEX), hWndHost);
    char szClass[32] = {};
    ::GetClassNameA(hWndHost, szClass, sizeof szClass);
    EXPECT_STREQ(szClass, "AtlAxWin");
    IUnknown* pUnknown = nullptr;
    ASSERT_EQ(::AtlAxGetControl(hWndHost, &pUnknown), S_OK);
    IOleObject* pObject = nullptr;
    ASSERT_EQ(pUnknown->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&pObject)), S_OK);
    CLSID classId = {}, expected = {};
    ASSERT_EQ(::CLSIDFromString(L"" TEST_CONTROL_CLASS_ID, &expected), NOERROR);
    EXPECT_EQ(pObject->GetUserClassID(&classId), S_OK);
    EXPECT_TRUE(IsEqualCLSID(classId, expected));
    pObject->Release();
    pUnknown->Release();
    const HWND hWndControl = ::FindWindowExA(hWndHost, nullptr, "STATIC", TEST_CONTROL_TEXT);
    ASSERT_NE(hWndControl, nullptr);
    CRect rectHost, rectControl;
    ::GetClientRect(hWndHost, rectHost);
    ::GetClientRect(hWndControl, rectControl);
    EXPECT_EQ(rectControl.Size(), rectHost.Size());
    EXPECT_EQ(rectHost.Size(), CSize(60 * LOWORD(::GetDialogBaseUnits()) / 4, 20 * HIWORD(::GetDialogBaseUnits()) / 8));

    EXPECT_FALSE(::IsWindowVisible(hWndHost));
    panel.Show(TRUE);
    EXPECT_TRUE(::IsWindowVisible(hWndControl));
    panel.Destroy();
    EXPECT_FALSE(::IsWindow(hWndHost));
    EXPECT_FALSE(::IsWindow(hWndControl));
    owner.DestroyWindow();
}

TEST(WizardParts, CodeListsSkipCommentsBlankLinesAndBadCodes)
{
    const std::vector<WizCode> codes =
        WizardTexts::ParseCodes("// a comment\r\n  1 Solid \r\n\r\nzz Bad\n/2 skipped\n1a   Twenty six  \n123456789 long\n", false);
    ASSERT_EQ(codes.size(), 2u);
    EXPECT_EQ(codes[0].nCode, 1);
    EXPECT_EQ(codes[0].name, CString("Solid"));
    EXPECT_EQ(codes[1].nCode, 0x1a);
    EXPECT_EQ(codes[1].name, CString("Twenty six"));

    const std::vector<WizCode> types = WizardTexts::ParseCodes("3 AXES_STANDARD Vertical bars\n4\n2b AXES_XY Vectors", true);
    ASSERT_EQ(types.size(), 2u);
    EXPECT_EQ(types[0].key, CString("AXES_STANDARD"));
    EXPECT_EQ(types[0].name, CString("Vertical bars"));
    EXPECT_EQ(types[1].nCode, 0x2b);
}

TEST(WizardParts, ALayoutEndsAtARecordThatDoesNotParse)
{
    const std::string longName(WizardTexts::kMaxNameLength + 1, 'x');
    const std::vector<WizLayout> layouts = WizardTexts::ParseLayouts(
        ("Background 3 0 0 1 0 0 100 100 Title 3 0 0 0 5 2 95 14\n"
         "Display 3 2 0 1 5 16 72 x Legend 3 1 1 1 76 16 96 60\n"
         "Background 3 0 0 1 0 0 100 100 Display 3 2\n"
         "Legend -3 1 1 1 76 16 96 60 " + longName + " 3 0 0 0 0 0 1 1\n"
         "Title 3 0 0 0 1 1 1 99999999999\n")
            .c_str());
    ASSERT_EQ(layouts.size(), 3u);
    EXPECT_EQ(layouts[0].size(), 2u);
    EXPECT_EQ(layouts[0][1].name, CString("Title"));
    EXPECT_EQ(layouts[0][1].nRight, 95);
    EXPECT_EQ(layouts[1].size(), 1u);
    EXPECT_EQ(layouts[2].size(), 1u);
    EXPECT_EQ(layouts[2][0].nMeasurement, -3);
    EXPECT_EQ(WizardTexts::ParseLayouts(WizardTexts::FormatLayout(layouts[0])).front().size(), 2u);
}

TEST_F(WizardTest, LayoutsComeFromAFileWhenNoResourceHasThemAndAMissingFileRaises)
{
    SRGWizSheet sheet(&chart, "Chart Wizard", nullptr, 0, 0, 0, TRUE);
    sheet.LoadLayouts("LAYOUT", "GRAPHTYPE");
    EXPECT_EQ(sheet.GetLayouts().size(), 8u);
    EXPECT_THROW(
        {
            try {
                sheet.LoadLayouts("/tmp/ondrix_no_such_layouts.txt", "GRAPHTYPE");
            } catch (CFileException* e) {
                e->Delete();
                throw 1;
            }
        },
        int);
    CString text;
    EXPECT_FALSE(WizardTexts::Load("NO_SUCH_LIST", "GRAPHTYPE", text, FALSE));
}

TEST_F(WizardTest, TheDragListMovesAnEntryWhereItIsDroppedButNeverTheEndMarkOrPastIt)
{
    MoveRecorder parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "list", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 200), nullptr, 0));
    SRGDragListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(0, 0, 150, 150), &parent, 5));
    auto fill = [&] {
        list.ResetContent();
        list.AddEntry("A", 1);
        list.AddEntry("B", 2);
        list.AddEntry("C", 3);
        list.AddEntry(" ", 0);
    };
    auto pointOf = [&](int nItem) {
        CRect item;
        list.GetItemRect(nItem, &item);
        CPoint point = item.CenterPoint();
        list.ClientToScreen(&point);
        return point;
    };
    struct Case {
        int a;
        int b;   // -1: off the list
        const char* pszAfter;
    };
    for (const Case& c : {Case{0, 2, "BAC "}, Case{0, 3, "BCA "}, Case{2, 0, "CAB "}, Case{1, 1, "ABC "},
                          Case{1, 2, "ABC "}, Case{3, 0, "ABC "}, Case{0, -1, "ABC "}}) {
        SCOPED_TRACE(testing::Message() << c.a << " to " << c.b);
        fill();
        parent.moves.clear();
        CPoint off(0, 0);
        parent.ClientToScreen(&off);
        list.Dropped(c.a, c.b >= 0 ? pointOf(c.b) : off + CPoint(190, 190));
        std::string after;
        for (const std::string& entry : ListEntries(parent, 5))
            after += entry;
        EXPECT_EQ(after, c.pszAfter);
        const bool bMoved = after != "ABC ";
        EXPECT_EQ(parent.moves.size(), bMoved ? 1u : 0u);
        if (bMoved) {
            EXPECT_EQ(parent.moves[0], std::make_pair(c.a, c.b));
            EXPECT_EQ(list.GetSelectedData(), DWORD_PTR(c.a + 1));
        }
    }
    fill();
    EXPECT_EQ(list.RenameEntry(3, "D"), 0);
    EXPECT_EQ(list.RenameEntry(0, "b"), 0);
    EXPECT_EQ(list.RenameEntry(0, "Z"), 1);
    EXPECT_EQ(ListEntries(parent, 5).front(), "Z");
    parent.DestroyWindow();
}

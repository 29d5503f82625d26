// Frames and control bars: loading from a resource id, the layout of bars through WM_SIZEPARENT with
// its LM_ modes, borders, delayed hiding, the idle update of bars, the status text, automatic menu
// enabling, accelerators and the border space of in-place objects.
#include "FakeServices.h"
#include "RefusalOf.h"
#include "TestSupport.h"

#include "frame_test_resources.h"

#include <string>
#include <vector>

namespace {

// A bar of a fixed thickness that records the modes its layout is asked in and its idle updates.
class CTestBar : public CControlBar {
public:
    explicit CTestBar(int nThickness = 20) : m_nThickness(nThickness) {}

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override
    {
        const CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
        return bHorz ? CSize(size.cx, m_nThickness) : CSize(m_nThickness, size.cy);
    }
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override
    {
        modes.push_back(dwMode);
        return CControlBar::CalcDynamicLayout(nLength, dwMode);
    }
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override
    {
        updates.push_back({pTarget, bDisableIfNoHndler});
    }

    struct Update {
        CFrameWnd* pTarget;
        BOOL bDisable;
    };
    std::vector<DWORD> modes;
    std::vector<Update> updates;
    int m_nThickness;
};

// A frame that records the commands of the tests' menu and draws the update states they ask for.
class CTestFrame : public CFrameWnd {
public:
    std::vector<std::string> log;
    bool* pbDeleted = nullptr;

    ~CTestFrame() override
    {
        if (pbDeleted != nullptr)
            *pbDeleted = true;
    }

protected:
    void OnCommandOnly() { log.push_back("command only"); }
    void OnChecked() { log.push_back("checked"); }
    void OnAccel() { log.push_back("accelerator"); }
    void OnBarButton() { log.push_back("bar button"); }
    void OnUpdateChecked(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(TRUE);
        pCmdUI->SetCheck(1);
    }
    void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};

const UINT ID_BAR_BUTTON = 34001;

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_COMMAND(ID_TEST_COMMAND_ONLY, OnCommandOnly)
    ON_COMMAND(ID_TEST_CHECKED, OnChecked)
    ON_COMMAND(ID_TEST_ACCEL, OnAccel)
    ON_COMMAND(ID_BAR_BUTTON, OnBarButton)
    ON_UPDATE_COMMAND_UI(ID_TEST_CHECKED, OnUpdateChecked)
    ON_UPDATE_COMMAND_UI(ID_TEST_DISABLED, OnUpdateDisabled)
END_MESSAGE_MAP()

// The window rectangle of hWnd in its parent's client coordinates.
CRect RectInParent(HWND hWnd)
{
    CRect rect;
    ::GetWindowRect(hWnd, rect);
    ::MapWindowPoints(nullptr, ::GetParent(hWnd), reinterpret_cast<LPPOINT>(static_cast<RECT*>(rect)), 2);
    return rect;
}

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        pFrame = new CTestFrame;
        ASSERT_TRUE(pFrame->LoadFrame(IDR_MAIN, WS_OVERLAPPEDWINDOW));
        hWndFrame = pFrame->m_hWnd;
        pFrame->MoveWindow(0, 0, 500, 400);
        app.m_pMainWnd = pFrame;
    }
    void TearDown() override
    {
        app.m_pMainWnd = nullptr;
        if (::IsWindow(hWndFrame))
            ::DestroyWindow(hWndFrame);
        PumpWaitingMessages();
    }

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CTestFrame* pFrame = nullptr;
    HWND hWndFrame = nullptr;
};

// ---- loading ---------------------------------------------------------------------------------------------

TEST_F(FrameTest, LoadFrameTakesMenuTitleAndAcceleratorsFromOneId)
{
    CString caption;
    pFrame->GetWindowText(caption);
    EXPECT_STREQ(caption, "Ondrix Test"); // the string up to '\n'
    CMenu* pMenu = pFrame->GetMenu();
    ASSERT_NE(pMenu, nullptr);
    EXPECT_EQ(pMenu->m_hMenu, pFrame->GetDefaultMenu());
    CString text;
    pMenu->GetMenuString(0, text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&File");

    MSG msg = {hWndFrame, WM_KEYDOWN, VK_F7, 0, 0, {0, 0}};
    EXPECT_TRUE(pFrame->PreTranslateMessage(&msg));
    EXPECT_EQ(pFrame->log, std::vector<std::string>{"accelerator"});
}

// ---- keys for edit controls -------------------------------------------------------------------------------

// Ctrl, Shift and Alt held as given, for the library (its services) and for the system's translation of
// keys; all up again when it goes.
class HeldModifiers {
public:
    HeldModifiers(CFakeServices& fake, bool bCtrl, bool bShift, bool bAlt) : m_fake(fake) { Hold(bCtrl, bShift, bAlt); }
    ~HeldModifiers() { Hold(false, false, false); }

private:
    void Hold(bool bCtrl, bool bShift, bool bAlt)
    {
        BYTE state[256] = {};
        ::GetKeyboardState(state);
        const std::pair<int, bool> keys[] = {{VK_CONTROL, bCtrl}, {VK_LCONTROL, bCtrl}, {VK_SHIFT, bShift},
                                             {VK_LSHIFT, bShift}, {VK_MENU, bAlt},     {VK_LMENU, bAlt}};
        for (const auto& key : keys) {
            state[key.first] = key.second ? 0x80 : 0;
            m_fake.SetKeyState(key.first, key.second ? SHORT(0x8000) : SHORT(0));
        }
        ::SetKeyboardState(state);
    }
    CFakeServices& m_fake;
};

// A key with the modifiers held while it is pressed.
struct Key {
    const char* pszName;
    UINT nKey;
    bool bCtrl, bShift, bAlt;
};

// The keys an edit control takes for itself.
const Key kEditKeys[] = {
    {"Ctrl+C", 'C', true, false, false},           {"Ctrl+X", 'X', true, false, false},
    {"Ctrl+V", 'V', true, false, false},           {"Ctrl+Z", 'Z', true, false, false},
    {"Ctrl+A", 'A', true, false, false},           {"Shift+Insert", VK_INSERT, false, true, false},
    {"Shift+Delete", VK_DELETE, false, true, false}, {"Ctrl+Insert", VK_INSERT, true, false, false},
    {"Alt+Backspace", VK_BACK, false, false, true},
};

// Presses key in hWnd as the program's message loop takes it: the application translates it first (its
// windows from hWnd up, the main frame's accelerators among them); what it leaves goes to the window,
// with the characters it makes.
void Press(CFakeServices& fake, CWinApp& app, HWND hWnd, const Key& key)
{
    HeldModifiers held(fake, key.bCtrl, key.bShift, key.bAlt);
    // Alt without Ctrl makes a system key, with the context bit
    const bool bSystem = key.bAlt && !key.bCtrl;
    MSG msg = {hWnd, UINT(bSystem ? WM_SYSKEYDOWN : WM_KEYDOWN), key.nKey, key.bAlt ? LPARAM(1) << 29 | 1 : 1, 0, {0, 0}};
    if (app.PreTranslateMessage(&msg))
        return;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
    MSG typed;
    while (::PeekMessageA(&typed, hWnd, WM_CHAR, WM_CHAR, PM_REMOVE))
        ::DispatchMessageA(&typed);
    // (a system character would look for a menu's mnemonic: not part of these tests)
    while (::PeekMessageA(&typed, hWnd, WM_SYSCHAR, WM_SYSCHAR, PM_REMOVE)) {
    }
}

TEST_F(FrameTest, TheEditKeysGoToAnEditControlAndElsewhereToTheAccelerators)
{
    ASSERT_NE(::LoadLibraryA("riched20.dll"), nullptr);
    // a class of its own made from the edit class, as a grid makes the editor of its cells
    WNDCLASSA wc = {};
    ASSERT_TRUE(::GetClassInfoA(nullptr, "Edit", &wc));
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "OndrixTestCellEdit";
    wc.style &= ~UINT(CS_GLOBALCLASS);
    ::RegisterClassA(&wc);
    auto child = [&](const char* pszClass, DWORD dwStyle) {
        return ::CreateWindowExA(0, pszClass, "", WS_CHILD | WS_VISIBLE | dwStyle, 0, 0, 120, 80, hWndFrame, nullptr,
                                 nullptr, nullptr);
    };
    const HWND hWndCombo = child("ComboBox", CBS_DROPDOWN);
    const struct {
        const char* pszWhat;
        HWND hWnd;
        bool bEdit;
    } targets[] = {
        {"an edit control", child("Edit", 0), true},
        {"a combo box's edit field", ::FindWindowExA(hWndCombo, nullptr, "Edit", nullptr), true},
        {"a rich edit control", child("RichEdit20A", ES_MULTILINE), true},
        {"a list box", child("ListBox", 0), false},
        {"the frame", hWndFrame, false},
        {"an edit window of a class of its own", child("OndrixTestCellEdit", 0), false},
    };
    for (const auto& target : targets) {
        ASSERT_NE(target.hWnd, nullptr) << target.pszWhat;
        for (const Key& key : kEditKeys) {
            SCOPED_TRACE(std::string(target.pszWhat) + ", " + key.pszName);
            pFrame->log.clear();
            Press(fake, app, target.hWnd, key);
            EXPECT_EQ(pFrame->log, target.bEdit ? std::vector<std::string>{} : std::vector<std::string>{"accelerator"});
        }
    }
    // the frame's other keys stay its own in an edit control
    for (const Key& key : {Key{"F7", VK_F7, false, false, false}, Key{"Ctrl+Alt+A", 'A', true, false, true},
                           Key{"Alt+Shift+Backspace", VK_BACK, false, true, true}}) {
        SCOPED_TRACE(key.pszName);
        pFrame->log.clear();
        Press(fake, app, targets[0].hWnd, key);
        EXPECT_EQ(pFrame->log, (std::vector<std::string>{"accelerator"}));
    }
}

TEST_F(FrameTest, AltBackspaceUndoesTheLastEditOfAnEditControl)
{
    // (pressed as the keyboard sends it: Wine's edit control would not take it by itself)
    const HWND hWndEdit = ::CreateWindowExA(0, "Edit", "alpha", WS_CHILD | WS_VISIBLE, 0, 0, 120, 24, hWndFrame,
                                            nullptr, nullptr, nullptr);
    ASSERT_NE(hWndEdit, nullptr);
    ::SendMessageA(hWndEdit, EM_SETSEL, 5, 5);
    ::SendMessageA(hWndEdit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(" beta"));
    Press(fake, app, hWndEdit, kEditKeys[8]);
    EXPECT_TRUE(pFrame->log.empty());
    char text[32] = {};
    ::GetWindowTextA(hWndEdit, text, sizeof text);
    EXPECT_STREQ(text, "alpha");
    ::DestroyWindow(hWndEdit);
}

TEST_F(FrameTest, AltF4InATreeViewAsksItsTopLevelWindowToClose)
{
    // (Wine's tree view keeps the key from the system's default, which asks the top-level window)
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_TREEVIEW_CLASSES};
    ASSERT_TRUE(::InitCommonControlsEx(&init));
    const HWND hWndPopup = ::CreateWindowExA(WS_EX_TOOLWINDOW, "Static", "floating", WS_POPUP | WS_VISIBLE, 600, 0,
                                             200, 150, hWndFrame, nullptr, nullptr, nullptr);
    ASSERT_NE(hWndPopup, nullptr);
    const struct {
        const char* pszWhere;
        HWND hWndParent;
    } cases[] = {{"in the frame", hWndFrame}, {"in a floating window the frame owns", hWndPopup}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszWhere);
        const HWND hWndTree = ::CreateWindowExA(0, WC_TREEVIEWA, "", WS_CHILD | WS_VISIBLE, 0, 0, 120, 80, c.hWndParent,
                                                nullptr, nullptr, nullptr);
        ASSERT_NE(hWndTree, nullptr);
        Press(fake, app, hWndTree, Key{"Alt+F4", VK_F4, false, false, true});
        MSG msg;
        ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE));
        EXPECT_EQ(msg.hwnd, c.hWndParent);
        EXPECT_EQ(msg.wParam & 0xFFF0, WPARAM(SC_CLOSE));
        EXPECT_FALSE(::PeekMessageA(&msg, nullptr, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE)) << "asked twice";
        // F4 alone is the tree's
        Press(fake, app, hWndTree, Key{"F4", VK_F4, false, false, false});
        EXPECT_FALSE(::PeekMessageA(&msg, nullptr, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE));
        ::DestroyWindow(hWndTree);
    }
    ::DestroyWindow(hWndPopup);
}

TEST_F(FrameTest, CtrlASelectsTheWholeTextOfAnEditControl)
{
    // (the system's edit control leaves Ctrl+A alone: the application selects the text)
    ASSERT_NE(::LoadLibraryA("riched20.dll"), nullptr);
    for (const char* pszClass : {"Edit", "RichEdit20A"}) {
        SCOPED_TRACE(pszClass);
        const HWND hWndEdit = ::CreateWindowExA(0, pszClass, "alpha beta", WS_CHILD | WS_VISIBLE, 0, 0, 120, 24,
                                                hWndFrame, nullptr, nullptr, nullptr);
        ASSERT_NE(hWndEdit, nullptr);
        ::SendMessageA(hWndEdit, EM_SETSEL, 3, 3);
        Press(fake, app, hWndEdit, kEditKeys[4]);
        EXPECT_TRUE(pFrame->log.empty());
        DWORD dwStart = 0, dwEnd = 0;
        ::SendMessageA(hWndEdit, EM_GETSEL, WPARAM(&dwStart), LPARAM(&dwEnd));
        EXPECT_EQ(dwStart, 0u);
        EXPECT_GE(dwEnd, 10u); // (a rich edit control's end lies past its last paragraph's end)
        ::DestroyWindow(hWndEdit);
    }
}

TEST(Frame, AFrameWhoseIdHasNoMenuIsNotMadeAndDeletesItself)
{
    CWinApp app{"Ondrix"};
    bool bDeleted = false;
    CTestFrame* pFrame = new CTestFrame;
    pFrame->pbDeleted = &bDeleted;
    EXPECT_FALSE(pFrame->LoadFrame(IDR_NO_MENU));
    EXPECT_TRUE(bDeleted);
}

// ---- layout ----------------------------------------------------------------------------------------------

TEST(BarStyle, TheApplicationsStylesDecodeAndEveryBitLiesInsideAll)
{
    EXPECT_EQ(0x1414u, DWORD(CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT | CBRS_TOOLTIPS | CBRS_SIZE_DYNAMIC));
    EXPECT_EQ(0x2800u, DWORD(CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM));
    EXPECT_EQ(0x8200u, DWORD(CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP));
    EXPECT_EQ(0x2804u, DWORD(CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM | CBRS_SIZE_DYNAMIC));
    EXPECT_EQ(0x34u, DWORD(CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC));
    EXPECT_EQ(0xF000u, DWORD(CBRS_ALIGN_ANY));
    for (DWORD bit : {CBRS_FLOATING, CBRS_SIZE_FIXED, CBRS_SIZE_DYNAMIC, CBRS_TOOLTIPS, CBRS_FLYBY, CBRS_FLOAT_MULTI,
                      CBRS_BORDER_3D, CBRS_BORDER_LEFT, CBRS_BORDER_TOP, CBRS_BORDER_RIGHT, CBRS_BORDER_BOTTOM,
                      CBRS_ALIGN_LEFT, CBRS_ALIGN_TOP, CBRS_ALIGN_RIGHT, CBRS_ALIGN_BOTTOM, CBRS_GRIPPER})
        EXPECT_EQ(bit & ~DWORD(CBRS_ALL), 0u) << std::hex << bit;
    EXPECT_EQ(LM_STRETCH | LM_HORZ | LM_MRUWIDTH | LM_HORZDOCK | LM_VERTDOCK | LM_LENGTHY | LM_COMMIT, 0x7F);
}

TEST_F(FrameTest, CreateKeepsTheBarBitsOutOfTheWindowStyleAndEntersTheFramesBarList)
{
    CTestBar status;
    ASSERT_TRUE(status.Create(nullptr, nullptr, 0x50008200, CRect(), pFrame, AFX_IDW_STATUS_BAR));
    EXPECT_EQ(status.GetBarStyle(), 0x8200u);
    EXPECT_EQ(status.GetStyle() & 0xFFFF0000u, DWORD(WS_CHILD | WS_VISIBLE));
    EXPECT_EQ(status.GetStyle() & (CBRS_ALL & 0xFFFF), 0u);
    EXPECT_EQ(pFrame->GetControlBar(AFX_IDW_STATUS_BAR), &status);
    EXPECT_EQ(status.GetDockSite(), pFrame);
    ExpectInvalidArg([&] { status.SetBarStyle(WS_VISIBLE | CBRS_ALIGN_TOP); }, "outside CBRS_ALL");

    status.DestroyWindow();
    EXPECT_EQ(pFrame->GetControlBar(AFX_IDW_STATUS_BAR), nullptr);
}

TEST_F(FrameTest, EachBarIsAskedForItsSizeInTheModeOfItsEdge)
{
    struct Case {
        DWORD dwStyle;
        BOOL bStretch;
        DWORD dwExpected;
    };
    const Case cases[] = {
        {CBRS_ALIGN_TOP, TRUE, LM_STRETCH | LM_HORZ | LM_HORZDOCK},
        {CBRS_ALIGN_BOTTOM, FALSE, LM_HORZ | LM_HORZDOCK},
        {CBRS_ALIGN_LEFT, TRUE, LM_STRETCH | LM_VERTDOCK},
        {CBRS_ALIGN_RIGHT, FALSE, LM_VERTDOCK},
        {CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC | CBRS_FLOATING, TRUE, LM_STRETCH | LM_HORZ | LM_MRUWIDTH},
        {CBRS_ALIGN_LEFT | CBRS_SIZE_DYNAMIC, TRUE, LM_STRETCH | LM_VERTDOCK},
    };
    for (const Case& c : cases) {
        CTestBar bar;
        ASSERT_TRUE(bar.Create(nullptr, nullptr, WS_VISIBLE | c.dwStyle, CRect(), pFrame, 0xE820));
        bar.modes.clear();
        CRect rectLeft;
        pFrame->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposQuery, rectLeft, nullptr, c.bStretch);
        ASSERT_EQ(bar.modes.size(), 1u) << std::hex << c.dwStyle;
        EXPECT_EQ(bar.modes[0], c.dwExpected) << std::hex << c.dwStyle;
    }
}

TEST_F(FrameTest, ThePaneGetsWhatTheBarsLeaveAndABarWithoutAlignmentTakesNothing)
{
    CTestBar top(24), left(30), loose(50);
    ASSERT_TRUE(top.Create(nullptr, nullptr, WS_VISIBLE | CBRS_ALIGN_TOP, CRect(), pFrame, 0xE820));
    ASSERT_TRUE(left.Create(nullptr, nullptr, WS_VISIBLE | CBRS_ALIGN_LEFT, CRect(), pFrame, 0xE821));
    ASSERT_TRUE(loose.Create(nullptr, nullptr, WS_VISIBLE, CRect(), pFrame, 0xE822));
    CWnd pane;
    ASSERT_TRUE(pane.Create(nullptr, nullptr, WS_VISIBLE, CRect(), pFrame, AFX_IDW_PANE_FIRST));
    pFrame->RecalcLayout();

    CRect client;
    pFrame->GetClientRect(client);
    // the bars are laid out in z-order, so which of the two holds the corner is left open
    const CRect rectTop = RectInParent(top.m_hWnd);
    const CRect rectLeft = RectInParent(left.m_hWnd);
    EXPECT_EQ(rectTop.Height(), 24);
    EXPECT_EQ(rectTop.top, 0);
    EXPECT_EQ(rectLeft.Width(), 30);
    EXPECT_EQ(rectLeft.left, 0);
    EXPECT_EQ(RectInParent(pane.m_hWnd), CRect(30, 24, client.right, client.bottom));
    EXPECT_TRUE(RectInParent(loose.m_hWnd).IsRectEmpty());
}

TEST_F(FrameTest, AnInPlaceObjectGetsBorderSpaceThatFitsAndThePaneStandsInsideIt)
{
    CTestBar top(24);
    ASSERT_TRUE(top.Create(nullptr, nullptr, WS_VISIBLE | CBRS_ALIGN_TOP, CRect(), pFrame, 0xE820));
    CWnd pane;
    ASSERT_TRUE(pane.Create(nullptr, nullptr, WS_VISIBLE, CRect(), pFrame, AFX_IDW_PANE_FIRST));
    pFrame->RecalcLayout();
    CRect client;
    pFrame->GetClientRect(client);
    const CRect rectFree(0, 24, client.right, client.bottom);

    CRect rect;
    EXPECT_TRUE(pFrame->NegotiateBorderSpace(CFrameWnd::borderGet, rect));
    EXPECT_EQ(rect, rectFree);
    // widths that fit, that do not, and none
    const struct {
        CRect widths;
        BOOL bFits;
    } requests[] = {
        {CRect(10, 20, 30, 40), TRUE},
        {CRect(client.right / 2, 0, client.right / 2 + 1, 0), FALSE},
        {CRect(0, rectFree.Height(), 0, 1), FALSE},
        {CRect(-1, 0, 0, 0), FALSE},
    };
    for (const auto& r : requests) {
        CRect widths = r.widths;
        EXPECT_EQ(pFrame->NegotiateBorderSpace(CFrameWnd::borderRequest, widths), r.bFits) << r.widths;
    }
    EXPECT_TRUE(pFrame->NegotiateBorderSpace(CFrameWnd::borderRequest, nullptr));

    // set: the pane stands inside the widths, also through later layouts; widths that do not fit change
    // nothing; none gives the pane its room back
    CRect widths(10, 20, 30, 40);
    EXPECT_TRUE(pFrame->NegotiateBorderSpace(CFrameWnd::borderSet, widths));
    const CRect rectInside(10, 24 + 20, client.right - 30, client.bottom - 40);
    EXPECT_EQ(RectInParent(pane.m_hWnd), rectInside);
    pFrame->RecalcLayout();
    EXPECT_EQ(RectInParent(pane.m_hWnd), rectInside);
    CRect tooWide(client.right + 1, 0, 0, 0);
    EXPECT_FALSE(pFrame->NegotiateBorderSpace(CFrameWnd::borderSet, tooWide));
    EXPECT_EQ(pFrame->GetBorderSpace(), CRect(10, 20, 30, 40));
    EXPECT_TRUE(pFrame->NegotiateBorderSpace(CFrameWnd::borderSet, nullptr));
    EXPECT_EQ(RectInParent(pane.m_hWnd), rectFree);

    EXPECT_NE(RefusalOf([&] { pFrame->NegotiateBorderSpace(7, rect); }).find("7"), std::string::npos);
    EXPECT_NE(RefusalOf([&] { pFrame->NegotiateBorderSpace(CFrameWnd::borderGet, nullptr); }).find("lpRectBorder"),
              std::string::npos);
}

TEST(BarInsets, BordersAndGripperComeOffTheInsideRectangle)
{
    class CInsetBar : public CControlBar {
    public:
        using CControlBar::m_barState;
    };
    struct Case {
        DWORD dwStyle;
        BOOL bHorz;
        CRect expected;
    };
    // default border widths: left and right 6, top and bottom 2; a bordered side 2 more; gripper 7
    const Case cases[] = {
        {CBRS_BORDER_TOP | CBRS_BORDER_BOTTOM, TRUE, CRect(6, 4, 94, 36)},
        {CBRS_BORDER_LEFT, FALSE, CRect(4, 6, 98, 34)},
        {CBRS_GRIPPER, TRUE, CRect(13, 2, 94, 38)},
        {CBRS_GRIPPER, FALSE, CRect(2, 13, 98, 34)},
        {CBRS_GRIPPER | CBRS_FLOATING, TRUE, CRect(6, 2, 94, 38)},
    };
    for (const Case& c : cases) {
        CInsetBar bar;
        bar.m_barState.dwStyle = c.dwStyle;
        CRect rect(0, 0, 100, 40);
        bar.CalcInsideRect(rect, c.bHorz);
        EXPECT_EQ(rect, c.expected) << std::hex << c.dwStyle;
    }
}

TEST_F(FrameTest, TheBordersLieInTheNonClientAreaAndAreDrawnAsBands)
{
    CTestBar bar(40);
    ASSERT_TRUE(bar.Create(nullptr, nullptr, WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_TOP | CBRS_BORDER_BOTTOM, CRect(),
                           pFrame, 0xE820));
    pFrame->RecalcLayout();
    CRect rectWindow;
    bar.GetWindowRect(rectWindow);
    CRect rectClient;
    bar.GetClientRect(rectClient);
    bar.ClientToScreen(rectClient);
    EXPECT_EQ(rectClient, CRect(rectWindow.left + 6, rectWindow.top + 4, rectWindow.right - 6, rectWindow.bottom - 4));

    struct Case {
        DWORD dwBorder3D;
        COLORREF clrInner;
    };
    for (const Case& c : {Case{CBRS_BORDER_3D, ::GetSysColor(COLOR_BTNHIGHLIGHT)}, Case{0, ::GetSysColor(COLOR_BTNFACE)}}) {
        bar.SetBarStyle(CBRS_ALIGN_TOP | CBRS_BORDER_TOP | CBRS_BORDER_BOTTOM | c.dwBorder3D);
        DibCanvas canvas(20, 10);
        CRect rect(0, 0, 20, 10);
        bar.DrawBorders(&canvas.dc, rect);
        EXPECT_EQ(rect, CRect(0, 2, 20, 8));
        EXPECT_EQ(canvas.At(5, 0), ::GetSysColor(COLOR_BTNSHADOW));
        EXPECT_EQ(canvas.At(5, 1), c.clrInner);
        EXPECT_EQ(canvas.At(5, 9), ::GetSysColor(COLOR_BTNSHADOW));
        EXPECT_EQ(canvas.At(5, 8), c.clrInner);
        EXPECT_EQ(canvas.At(5, 5), kWhite); // the inside is left alone
    }
}

// ---- showing and hiding ----------------------------------------------------------------------------------

TEST_F(FrameTest, ShowControlBarNowLaysOutAtOnceAndTheViewMenuTogglesTheStatusBar)
{
    CTestBar status(22);
    ASSERT_TRUE(status.Create(nullptr, nullptr, WS_VISIBLE | CBRS_ALIGN_BOTTOM, CRect(), pFrame, AFX_IDW_STATUS_BAR));
    CWnd pane;
    ASSERT_TRUE(pane.Create(nullptr, nullptr, WS_VISIBLE, CRect(), pFrame, AFX_IDW_PANE_FIRST));
    pFrame->RecalcLayout();
    CRect client;
    pFrame->GetClientRect(client);
    EXPECT_EQ(RectInParent(pane.m_hWnd).bottom, client.bottom - 22);

    pFrame->ShowControlBar(&status, FALSE, FALSE);
    EXPECT_FALSE(status.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(RectInParent(pane.m_hWnd).bottom, client.bottom);

    // the View menu's item is checked while the bar shows, and its command shows it again
    CMenu* pView = pFrame->GetMenu()->GetSubMenu(1);
    pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pView->m_hMenu), 1);
    EXPECT_EQ(pView->GetMenuState(ID_VIEW_STATUS_BAR, MF_BYCOMMAND) & MF_CHECKED, 0u);
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(status.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(RectInParent(pane.m_hWnd).bottom, client.bottom - 22);
    pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pView->m_hMenu), 1);
    EXPECT_EQ(pView->GetMenuState(ID_VIEW_STATUS_BAR, MF_BYCOMMAND) & MF_CHECKED, UINT(MF_CHECKED));
}

TEST_F(FrameTest, ADelayedShowOrHideTakesEffectOnIdleAlsoForABarWithoutAlignment)
{
    CTestBar loose;
    ASSERT_TRUE(loose.Create(nullptr, nullptr, 0, CRect(), pFrame, 0xE820));
    pFrame->ShowControlBar(&loose, TRUE, TRUE);
    EXPECT_TRUE(loose.IsVisible());
    app.OnIdle(0);
    EXPECT_TRUE(loose.GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(loose.IsVisible());

    pFrame->ShowControlBar(&loose, FALSE, TRUE);
    app.OnIdle(0);
    EXPECT_FALSE(loose.GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(loose.IsVisible());
}

TEST_F(FrameTest, AVisibleBarUpdatesItsItemsOnIdleThroughItsFrame)
{
    CTestBar shown, hidden;
    ASSERT_TRUE(shown.Create(nullptr, nullptr, WS_VISIBLE | CBRS_ALIGN_TOP, CRect(), pFrame, 0xE820));
    ASSERT_TRUE(hidden.Create(nullptr, nullptr, CBRS_ALIGN_TOP, CRect(), pFrame, 0xE821));
    app.OnIdle(0);
    ASSERT_EQ(shown.updates.size(), 1u);
    EXPECT_EQ(shown.updates[0].pTarget, pFrame);
    EXPECT_TRUE(shown.updates[0].bDisable);
    EXPECT_TRUE(hidden.updates.empty());
}

TEST_F(FrameTest, ABarPassesCommandsOfItsControlsToItsOwner)
{
    CTestBar bar;
    ASSERT_TRUE(bar.Create(nullptr, nullptr, WS_VISIBLE | CBRS_ALIGN_TOP, CRect(), pFrame, 0xE820));
    CButton button;
    ASSERT_TRUE(button.Create("Go", WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 40, 16), &bar, ID_BAR_BUTTON));
    ClickButton(bar, ID_BAR_BUTTON);
    EXPECT_EQ(pFrame->log, std::vector<std::string>{"bar button"});
}

TEST_F(FrameTest, AFlybyBarShowsThePromptOfTheItemUnderTheMouseAndTooltipsNeedTheirBit)
{
    CTestBar status;
    ASSERT_TRUE(status.Create(nullptr, nullptr, WS_VISIBLE | CBRS_ALIGN_BOTTOM, CRect(), pFrame, AFX_IDW_STATUS_BAR));
    CTestBar bar;
    ASSERT_TRUE(bar.Create(nullptr, nullptr, WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_FLYBY, CRect(), pFrame, 0xE820));
    bar.EnableToolTips();
    CButton button;
    ASSERT_TRUE(button.Create("Go", WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 40, 16), &bar, ID_TEST_CHECKED));
    pFrame->RecalcLayout();
    auto statusText = [&] {
        CString text;
        status.GetWindowText(text);
        return std::string(text.GetString());
    };
    // a mouse move seen before dispatching, over the button or beside it
    auto moveTo = [&](HWND hWnd, CPoint ptClient) {
        MSG msg = {hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(ptClient.x, ptClient.y), 0, ptClient};
        ::ClientToScreen(hWnd, &msg.pt);
        bar.PreTranslateMessage(&msg);
    };
    auto toolCount = [] {
        HWND hWndTip = CWnd::GetThreadToolTip();
        return hWndTip != nullptr ? ::SendMessageA(hWndTip, TTM_GETTOOLCOUNT, 0, 0) : 0;
    };

    moveTo(button.m_hWnd, CPoint(5, 5));
    EXPECT_EQ(statusText(), "Checked item prompt");
    EXPECT_EQ(toolCount(), 0) << "no tooltips without CBRS_TOOLTIPS";
    moveTo(bar.m_hWnd, CPoint(100, 5));
    EXPECT_EQ(statusText(), "Ready for tests");
    moveTo(button.m_hWnd, CPoint(5, 5));
    status.SetWindowText("");
    bar.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(statusText(), "Ready for tests");

    bar.SetBarStyle(CBRS_ALIGN_TOP | CBRS_TOOLTIPS);
    status.SetWindowText("");
    moveTo(button.m_hWnd, CPoint(5, 5));
    bar.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(statusText(), "") << "no prompts without CBRS_FLYBY";
    EXPECT_EQ(toolCount(), 1);
}

// ---- status text ------------------------------------------------------------------------------------------

TEST_F(FrameTest, StatusTextShowsPromptsAndTextsAndTheIdlePromptWhenTheMenuCloses)
{
    CTestBar status;
    ASSERT_TRUE(status.Create(nullptr, nullptr, WS_VISIBLE | CBRS_ALIGN_BOTTOM, CRect(), pFrame, AFX_IDW_STATUS_BAR));
    auto statusText = [&] {
        CString text;
        status.GetWindowText(text);
        return std::string(text.GetString());
    };

    pFrame->SendMessage(WM_SETMESSAGESTRING, ID_TEST_CHECKED);
    EXPECT_EQ(statusText(), "Checked item prompt");
    pFrame->SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>("Done."));
    EXPECT_EQ(statusText(), "Done.");
    app.OnIdle(0);
    EXPECT_EQ(statusText(), "Done."); // a text stays until something else is asked for

    // a menu item's prompt shows while the menu waits; when the menu closes, idle brings the prompt
    HMENU hFile = ::GetSubMenu(pFrame->GetDefaultMenu(), 0);
    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_TEST_CHECKED, MF_HILITE), reinterpret_cast<LPARAM>(hFile));
    pFrame->SendMessage(WM_ENTERIDLE, MSGF_MENU, 0);
    EXPECT_EQ(statusText(), "Checked item prompt");
    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    app.OnIdle(0);
    EXPECT_EQ(statusText(), "Ready for tests");
}

// ---- menus ------------------------------------------------------------------------------------------------

TEST_F(FrameTest, OpeningAPopupUpdatesItsItemsAndDisablesThoseWithoutHandler)
{
    CMenu* pFile = pFrame->GetMenu()->GetSubMenu(0);
    ASSERT_NE(pFile, nullptr);
    auto reset = [&] {
        for (UINT nID : {UINT(ID_FILE_NEW), UINT(ID_TEST_CHECKED), UINT(ID_TEST_DISABLED), UINT(ID_TEST_COMMAND_ONLY),
                         UINT(ID_TEST_NOBODY)}) {
            pFile->EnableMenuItem(nID, MF_BYCOMMAND | MF_ENABLED);
            pFile->CheckMenuItem(nID, MF_BYCOMMAND | MF_UNCHECKED);
        }
    };
    auto state = [&](UINT nID) { return pFile->GetMenuState(nID, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED | MF_CHECKED); };

    // the system menu is not the frame's to update
    reset();
    pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pFile->m_hMenu), MAKELPARAM(0, TRUE));
    EXPECT_EQ(state(ID_TEST_NOBODY), 0u);

    reset();
    pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pFile->m_hMenu), MAKELPARAM(0, FALSE));
    EXPECT_EQ(state(ID_TEST_CHECKED), UINT(MF_CHECKED));
    EXPECT_EQ(state(ID_TEST_DISABLED), UINT(MF_GRAYED | MF_DISABLED));
    EXPECT_EQ(state(ID_TEST_COMMAND_ONLY), 0u);
    EXPECT_EQ(state(ID_TEST_NOBODY), UINT(MF_GRAYED | MF_DISABLED));
    EXPECT_EQ(state(ID_FILE_NEW), 0u); // the application handles it
    // the item that opens a popup keeps its state
    EXPECT_EQ(pFile->GetMenuState(6, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED), 0u);
}

} // namespace

// Message tables, command routing and command update: which handler a message reaches, in which
// order, and what the update rule does to items without handlers.
#include "FakeServices.h"

#include "win_test_resources.h"

#include <string>
#include <vector>

namespace {

const UINT WM_PING = WM_APP + 1;
const UINT WM_ONLY_BASE = WM_APP + 2;
const UINT WM_UNHANDLED = WM_APP + 3;

// registered by name before main runs, as the toolkit does at start-up
const UINT g_nBarNotify = ::RegisterWindowMessageA("WM_BARNOTIFY");

// A window class of our own whose procedure notes the messages it sees: it stands for the
// "default procedure" of a window the library takes over.
std::vector<UINT> g_classProcMessages;
LRESULT CALLBACK RecordingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_APP)
        g_classProcMessages.push_back(message);
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

LPCSTR RecordingClass()
{
    static bool s_registered = false;
    if (!s_registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = RecordingProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "OndrixRecording";
        ::RegisterClassA(&wc);
        s_registered = true;
    }
    return "OndrixRecording";
}

class CBaseWnd : public CWnd {
public:
    std::vector<std::string> log;

protected:
    LRESULT OnPing(WPARAM, LPARAM)
    {
        log.push_back("base ping");
        return 1;
    }
    LRESULT OnOnlyBase(WPARAM, LPARAM)
    {
        log.push_back("base only");
        return 2;
    }
    void OnSave() { log.push_back("base save"); }
    void OnCopy() { log.push_back("base copy"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
    ON_MESSAGE(WM_PING, OnPing)
    ON_MESSAGE(WM_ONLY_BASE, OnOnlyBase)
    ON_COMMAND(ID_FILE_SAVE, OnSave)
    ON_COMMAND(ID_EDIT_COPY, OnCopy)
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd {
public:
    std::vector<UINT> digits;
    WPARAM barWParam = 0;
    LPARAM barLParam = 0;

protected:
    LRESULT OnPing(WPARAM, LPARAM)
    {
        log.push_back("derived ping");
        return 10;
    }
    void OnSave() { log.push_back("derived save"); }
    void OnSaveAgain() { log.push_back("second entry"); }
    BOOL OnPassCopyOn(UINT)
    {
        log.push_back("derived declines copy");
        return FALSE;
    }
    void OnDigit(UINT nID) { digits.push_back(nID); }
    LRESULT OnBarNotify(WPARAM wParam, LPARAM lParam)
    {
        barWParam = wParam;
        barLParam = lParam;
        return 99;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
    ON_MESSAGE(WM_PING, OnPing)
    ON_COMMAND(ID_FILE_SAVE, OnSave)
    ON_COMMAND(ID_FILE_SAVE, OnSaveAgain)
    ON_COMMAND_EX(ID_EDIT_COPY, OnPassCopyOn)
    ON_COMMAND_RANGE(100, 109, OnDigit)
    ON_REGISTERED_MESSAGE(g_nBarNotify, OnBarNotify)
END_MESSAGE_MAP()

class MessageMaps : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_classProcMessages.clear();
        ASSERT_TRUE(wnd.CreateEx(0, RecordingClass(), "derived", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    }

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CDerivedWnd wnd;
};

TEST_F(MessageMaps, DerivedHandlerRunsInsteadOfTheBaseOne)
{
    EXPECT_EQ(wnd.SendMessage(WM_PING), 10);
    EXPECT_EQ(wnd.SendMessage(WM_ONLY_BASE), 2); // not in the derived table: the base's entry
    EXPECT_EQ(wnd.log, (std::vector<std::string>{"derived ping", "base only"}));
}

TEST_F(MessageMaps, UnhandledMessageReachesTheWindowsOwnProcedure)
{
    wnd.SendMessage(WM_PING);
    wnd.SendMessage(WM_UNHANDLED);
    EXPECT_EQ(g_classProcMessages, std::vector<UINT>{WM_UNHANDLED});
    wnd.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("by default"));
    CString text;
    wnd.GetWindowText(text);
    EXPECT_STREQ(text, "by default");
}

TEST_F(MessageMaps, FirstEntryOfATableWinsAndDecliningHandlersPassOn)
{
    wnd.SendMessage(WM_COMMAND, ID_FILE_SAVE);
    wnd.SendMessage(WM_COMMAND, ID_EDIT_COPY);
    EXPECT_EQ(wnd.log, (std::vector<std::string>{"derived save", "derived declines copy", "base copy"}));
}

TEST_F(MessageMaps, CommandRangeHandlerReceivesTheId)
{
    for (UINT nID : {99u, 100u, 105u, 109u, 110u})
        wnd.SendMessage(WM_COMMAND, nID);
    EXPECT_EQ(wnd.digits, (std::vector<UINT>{100, 105, 109}));
}

TEST_F(MessageMaps, RegisteredMessageIsDispatchedByItsNumber)
{
    ASSERT_GE(g_nBarNotify, 0xC000u); // registered at start-up
    EXPECT_EQ(wnd.SendMessage(::RegisterWindowMessageA("WM_BARNOTIFY"), 7, 8), 99);
    EXPECT_EQ(wnd.barWParam, 7u);
    EXPECT_EQ(wnd.barLParam, 8);
}

// ---- notifications and reflection ------------------------------------------------------------------

const int kNotifyCode = -1234;

class CReflectingChild : public CWnd {
public:
    int reflectedNotifies = 0;
    int reflectedClicks = 0;
    bool bTakeNotify = true;

protected:
    BOOL OnNotifyReflect(NMHDR*, LRESULT* pResult)
    {
        ++reflectedNotifies;
        *pResult = 5;
        return bTakeNotify;
    }
    void OnClickedReflect() { ++reflectedClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingChild, CWnd)
    ON_NOTIFY_REFLECT_EX(kNotifyCode, OnNotifyReflect)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClickedReflect)
END_MESSAGE_MAP()

class CNotifiedParent : public CWnd {
public:
    std::vector<UINT> notifiedIds;
    int clicks = 0;

protected:
    void OnNotifyOne(NMHDR*, LRESULT* pResult)
    {
        notifiedIds.push_back(1);
        *pResult = 11;
    }
    void OnNotifyRange(UINT nID, NMHDR*, LRESULT* pResult)
    {
        notifiedIds.push_back(nID);
        *pResult = 12;
    }
    void OnClicked() { ++clicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifiedParent, CWnd)
    ON_NOTIFY(kNotifyCode, 1, OnNotifyOne)
    ON_NOTIFY_RANGE(kNotifyCode, 2, 9, OnNotifyRange)
    ON_BN_CLICKED(3, OnClicked)
END_MESSAGE_MAP()

TEST(Reflection, ControlTakesItsNotificationsBeforeItsParent)
{
    CWinApp app("Ondrix");
    CFakeServices fake;
    CNotifiedParent parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    CReflectingChild child;
    ASSERT_TRUE(child.Create(nullptr, "child", WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 3));
    HWND hWndForeign = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, parent.m_hWnd,
                                         reinterpret_cast<HMENU>(1), nullptr, nullptr);

    auto notify = [&](HWND hWndFrom, UINT_PTR nID) {
        NMHDR hdr = {hWndFrom, nID, UINT(kNotifyCode)};
        return parent.SendMessage(WM_NOTIFY, nID, reinterpret_cast<LPARAM>(&hdr));
    };
    EXPECT_EQ(notify(child.m_hWnd, 3), 5);     // the child's reflected handler answers
    EXPECT_EQ(notify(hWndForeign, 1), 11);     // a control without an object: the parent's table
    child.bTakeNotify = false;
    EXPECT_EQ(notify(child.m_hWnd, 3), 12);    // declined by the child: the parent's range entry
    EXPECT_EQ(child.reflectedNotifies, 2);
    EXPECT_EQ(parent.notifiedIds, (std::vector<UINT>{1, 3}));

    parent.SendMessage(WM_COMMAND, MAKEWPARAM(3, BN_CLICKED), reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ(child.reflectedClicks, 1);
    EXPECT_EQ(parent.clicks, 0);
}

// ---- command update ----------------------------------------------------------------------------------

enum { ID_A = 201, ID_B, ID_C, ID_D, ID_E, ID_F, ID_G };

class CUpdateTarget : public CCmdTarget {
public:
    BOOL bEnableA = TRUE;
    int commandsRun = 0;

protected:
    void OnCommand() { ++commandsRun; }
    void OnUpdateA(CCmdUI* pCmdUI) { pCmdUI->Enable(bEnableA); }
    void OnUpdateB(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    void OnUpdateC(CCmdUI* pCmdUI) { pCmdUI->SetCheck(2); }
    void OnUpdateF(CCmdUI* pCmdUI) { pCmdUI->ContinueRouting(); }
    void OnUpdateG(CCmdUI* pCmdUI) { pCmdUI->SetRadio(TRUE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CUpdateTarget, CCmdTarget)
    ON_COMMAND(ID_A, OnCommand)
    ON_UPDATE_COMMAND_UI(ID_A, OnUpdateA)
    ON_UPDATE_COMMAND_UI(ID_B, OnUpdateB)
    ON_COMMAND(ID_C, OnCommand)
    ON_UPDATE_COMMAND_UI(ID_C, OnUpdateC)
    ON_COMMAND(ID_E, OnCommand)
    ON_UPDATE_COMMAND_UI(ID_F, OnUpdateF)
    ON_COMMAND(ID_G, OnCommand)
    ON_UPDATE_COMMAND_UI(ID_G, OnUpdateG)
END_MESSAGE_MAP()

// Updates every item of the menu through target, as a frame does when a popup opens.
void UpdateMenu(CMenu& menu, CCmdTarget& target, BOOL bDisableIfNoHandler)
{
    CCmdUI state;
    state.m_pMenu = &menu;
    state.m_nIndexMax = UINT(menu.GetMenuItemCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = menu.GetMenuItemID(int(state.m_nIndex));
        state.DoUpdate(&target, bDisableIfNoHandler);
    }
}

TEST(CommandUpdate, UpdateHandlersAndTheNoHandlerRule)
{
    struct Case {
        UINT nID;
        BOOL bRule;
        bool bGrayed;
        bool bChecked;
        const char* what;
    };
    const Case cases[] = {
        {ID_A, TRUE, false, false, "enabled by its update handler"},
        {ID_B, TRUE, true, true, "checked by its update handler, but no command handler"},
        {ID_C, TRUE, false, true, "SetCheck(2) shows checked"},
        {ID_D, TRUE, true, false, "no handler at all: disabled by the rule"},
        {ID_D, FALSE, false, false, "no handler, rule off: left alone"},
        {ID_E, TRUE, false, false, "command handler only"},
        {ID_F, TRUE, true, false, "update handler passes on, no command handler"},
        {ID_G, TRUE, false, true, "radio"},
    };
    CUpdateTarget target;
    for (const Case& c : cases) {
        CMenu menu;
        ASSERT_TRUE(menu.CreatePopupMenu());
        menu.AppendMenu(MF_STRING, c.nID, "item");
        menu.AppendMenu(MF_SEPARATOR);
        UpdateMenu(menu, target, c.bRule);
        const UINT nState = menu.GetMenuState(c.nID, MF_BYCOMMAND);
        EXPECT_EQ((nState & MF_GRAYED) != 0, c.bGrayed) << c.what;
        EXPECT_EQ((nState & MF_CHECKED) != 0, c.bChecked) << c.what;
    }

    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_A, "item");
    target.bEnableA = FALSE;
    UpdateMenu(menu, target, TRUE);
    EXPECT_NE(menu.GetMenuState(ID_A, MF_BYCOMMAND) & MF_GRAYED, 0u) << "disabled by its update handler";
}

TEST(CommandUpdate, ControlItemsFollowTheUpdate)
{
    CWinApp app("Ondrix");
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    CButton check;
    ASSERT_TRUE(check.Create("before", WS_VISIBLE | BS_AUTO3STATE, CRect(0, 0, 80, 20), &parent, ID_C));

    CUpdateTarget target;
    CCmdUI state;
    state.m_nID = ID_C;
    state.m_pOther = &check;
    state.DoUpdate(&target, TRUE);
    EXPECT_EQ(check.GetCheck(), BST_INDETERMINATE);
    EXPECT_TRUE(check.IsWindowEnabled());
    state.SetText("after");
    CString text;
    check.GetWindowText(text);
    EXPECT_STREQ(text, "after");
    state.m_nID = ID_D;
    state.DoUpdate(&target, TRUE);
    EXPECT_FALSE(check.IsWindowEnabled());
    try {
        state.SetCheck(3);
        ADD_FAILURE() << "SetCheck(3) accepted";
    } catch (CInvalidArgException* e) {
        EXPECT_NE(e->m_strDetail.Find("3"), -1);
        e->Delete();
    }
}

class CCommandWnd : public CWnd {
public:
    BOOL bEnabled = TRUE;
    int runs = 0;

protected:
    void OnRun() { ++runs; }
    void OnUpdateRun(CCmdUI* pCmdUI) { pCmdUI->Enable(bEnabled); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandWnd, CWnd)
    ON_COMMAND(300, OnRun)
    ON_UPDATE_COMMAND_UI(300, OnUpdateRun)
END_MESSAGE_MAP()

TEST(CommandUpdate, DisabledMenuAndAcceleratorCommandsAreNotRun)
{
    CWinApp app("Ondrix");
    CCommandWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "commands", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(300, 0)); // menu
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(300, 1)); // accelerator
    EXPECT_EQ(wnd.runs, 2);
    wnd.bEnabled = FALSE;
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(300, 0));
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(300, 1));
    EXPECT_EQ(wnd.runs, 2);
}

// ---- idle update ---------------------------------------------------------------------------------------

class CIdleWnd : public CWnd {
public:
    int updates = 0;
    WPARAM lastWParam = 0;

protected:
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
    {
        ++updates;
        lastWParam = wParam;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CIdleWnd, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

TEST(IdleUpdate, ReachesTheMainWindowItsDescendantsAndItsFloatingWindows)
{
    CWinApp app("Ondrix");
    CIdleWnd main, child, grandchild, floating, floatingChild, stranger;
    ASSERT_TRUE(main.CreateEx(0, nullptr, "main", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr));
    ASSERT_TRUE(child.Create(nullptr, "child", WS_VISIBLE, CRect(0, 0, 100, 100), &main, 1));
    ASSERT_TRUE(grandchild.Create(nullptr, "grandchild", WS_VISIBLE, CRect(0, 0, 50, 50), &child, 2));
    // a control without an object among them is passed over
    ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, child.m_hWnd, reinterpret_cast<HMENU>(3), nullptr, nullptr);
    ASSERT_TRUE(floating.CreateEx(WS_EX_TOOLWINDOW, nullptr, "floating", WS_POPUP, 400, 0, 100, 100, main.m_hWnd, nullptr));
    ASSERT_TRUE(floatingChild.Create(nullptr, "in floating", WS_VISIBLE, CRect(0, 0, 50, 50), &floating, 1));
    floating.ShowWindow(SW_SHOWNOACTIVATE);
    ASSERT_TRUE(stranger.CreateEx(0, nullptr, "not owned", WS_POPUP | WS_VISIBLE, 600, 0, 50, 50, nullptr, nullptr));
    app.m_pMainWnd = &main;

    EXPECT_TRUE(app.OnIdle(0));
    for (CIdleWnd* p : {&main, &child, &grandchild, &floating, &floatingChild}) {
        EXPECT_EQ(p->updates, 1);
        EXPECT_EQ(p->lastWParam, WPARAM(TRUE)) << "disable items without handler";
    }
    EXPECT_EQ(stranger.updates, 0);
    EXPECT_FALSE(app.OnIdle(1));
    EXPECT_EQ(grandchild.updates, 1);
    app.m_pMainWnd = nullptr;
}

} // namespace

// The dialog bar's keys as the message loop offers them: Tab and Shift+Tab move the focus between its
// controls, Enter and Escape reach the owner frame as the default button's command and IDCANCEL, and
// the frame's accelerators come before the dialog manager. The focus moves, so this runs alone.
#include "ToolkitTestSupport.h"

#include "frames/SECDialogBar.h"

#include <vector>

namespace {

// A main frame that notes the commands it handles.
class CKeysFrame : public CMDIFrameWnd {
public:
    std::vector<UINT> commands;

protected:
    void OnAnyCommand(UINT nID) { commands.push_back(nID); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CKeysFrame, CMDIFrameWnd)
    ON_COMMAND_RANGE(IDOK, IDCANCEL, OnAnyCommand)
    ON_COMMAND_RANGE(IDC_BAR_FIRST, IDC_BAR_GO, OnAnyCommand)
    ON_COMMAND_RANGE(ID_BAR_REFRESH, ID_BAR_REFRESH, OnAnyCommand)
END_MESSAGE_MAP()

class DialogBarKeysTest : public ToolkitFrameTest {
protected:
    void SetUp() override
    {
        ToolkitFrameTest::SetUp();
        pKeysFrame = MakeFrame<CKeysFrame>();
        ASSERT_NE(pKeysFrame, nullptr);
        ASSERT_TRUE(pKeysFrame->LoadAccelTable(MAKEINTRESOURCEA(IDR_BAR_KEYS)));
        pBar = new SECDialogBar;
        pBar->SetAutoDelete(TRUE);
        ASSERT_TRUE(pBar->Create(pKeysFrame, IDD_KEYS_BAR, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 0, 0xE806));
        pKeysFrame->RecalcLayout();
        pKeysFrame->SetForegroundWindow();
        ::GetKeyboardState(m_keysBefore);
    }
    void TearDown() override
    {
        ::SetKeyboardState(m_keysBefore);
        ToolkitFrameTest::TearDown();
    }

    HWND Control(UINT nID) const { return ::GetDlgItem(pBar->m_hWnd, int(nID)); }
    // Offers a key press of nKey to the message loop's translation, as for a message from the focus;
    // bShift holds Shift down meanwhile. Returns what the translation answered.
    BOOL PressKey(UINT nKey, BOOL bShift = FALSE)
    {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[VK_SHIFT] = bShift ? 0x80 : 0;
        ::SetKeyboardState(keys);
        MSG msg = {};
        msg.hwnd = ::GetFocus();
        msg.message = WM_KEYDOWN;
        msg.wParam = nKey;
        msg.lParam = LPARAM(::MapVirtualKeyA(nKey, MAPVK_VK_TO_VSC)) << 16 | 1;
        const BOOL bUsed = app.PreTranslateMessage(&msg);
        keys[VK_SHIFT] = 0;
        ::SetKeyboardState(keys);
        return bUsed;
    }

    CKeysFrame* pKeysFrame = nullptr;
    SECDialogBar* pBar = nullptr;

private:
    BYTE m_keysBefore[256] = {};
};

TEST_F(DialogBarKeysTest, TabAndShiftTabMoveTheFocusBetweenTheBarsControls)
{
    ::SetFocus(Control(IDC_BAR_FIRST));
    ASSERT_EQ(::GetFocus(), Control(IDC_BAR_FIRST));
    const struct {
        BOOL bShift;
        UINT nFocusAfter;
    } steps[] = {
        {FALSE, IDC_BAR_SECOND},
        {FALSE, IDC_BAR_GO},
        {FALSE, IDC_BAR_FIRST}, // round to the first
        {TRUE, IDC_BAR_GO},     // and back over the end
        {TRUE, IDC_BAR_SECOND},
    };
    for (const auto& step : steps) {
        EXPECT_TRUE(PressKey(VK_TAB, step.bShift)) << step.nFocusAfter;
        EXPECT_EQ(::GetFocus(), Control(step.nFocusAfter)) << step.nFocusAfter;
    }
    EXPECT_TRUE(pKeysFrame->commands.empty());
}

TEST_F(DialogBarKeysTest, EnterAndEscapeReachTheFrameAfterItsAccelerators)
{
    ::SetFocus(Control(IDC_BAR_SECOND));
    ASSERT_EQ(::GetFocus(), Control(IDC_BAR_SECOND));
    EXPECT_TRUE(PressKey(VK_RETURN));
    EXPECT_TRUE(PressKey(VK_ESCAPE));
    // the frame's accelerator, not the edit box, takes F5
    EXPECT_TRUE(PressKey(VK_F5));
    EXPECT_EQ(pKeysFrame->commands, (std::vector<UINT>{IDC_BAR_GO, IDCANCEL, ID_BAR_REFRESH}));
    EXPECT_EQ(::GetFocus(), Control(IDC_BAR_SECOND));
}

} // namespace

// The long-operation module: nothing for the first 750 ms, then the status line with the percentage or
// a spinner every 1500 ms, the user's input thrown away while messages are pumped, the abort question
// after Escape, and nested operations that leave the outer text alone.
#include "undo_test_support.h"

#include <cstring>

namespace {

class LongOperationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseGridOperations();
        ASSERT_NE(GXGetLibraryState()->m_pLongOperationImp, nullptr);
        services.SetTickCount(1000);
        DropWaitingMessages();
    }
    void TearDown() override { DropWaitingMessages(); }
    void At(DWORD dwTicks) { services.SetTickCount(dwTicks); }

    CFakeServices services;
    StatusFrame frame;
    GXLongOperationSettings& settings = GXGetLongOperationSettings();
};

}  // namespace

TEST_F(LongOperationTest, AnOperationThatEndsWithinTheWaitShowsAndPumpsNothing)
{
    CNotingWnd wnd;
    {
        CGXLongOperation operation;
        operation.SetStatusText("Sorting", TRUE);
        wnd.PostMessage(WM_APP);
        At(1750);
        EXPECT_FALSE(operation.UpdateProgress());
        BOOL bAborted = TRUE;
        EXPECT_FALSE(operation.DoMessages(bAborted));
        EXPECT_FALSE(bAborted);
    }
    EXPECT_EQ(frame.Status(), "");
    EXPECT_FALSE(wnd.Got(WM_APP));
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, wnd.m_hWnd, WM_APP, WM_APP, PM_NOREMOVE)) << "the message still waits";
}

TEST_F(LongOperationTest, AfterTheWaitTheStatusShowsTheTextWithItsPercentageOrASpinner)
{
    {
        CGXLongOperation operation;
        EXPECT_EQ(std::string(operation.m_pszStatusText), "Processing...");
        // the module keeps its own copy even when not asked to: the caller's text may change
        char szText[] = "Sorting";
        operation.SetStatusText(szText, FALSE);
        std::strcpy(szText, "gone!!");
        settings.m_nPercent = 42;
        At(1751);
        EXPECT_TRUE(operation.UpdateProgress());
        EXPECT_EQ(frame.Status(), "Sorting  42%. ");

        // later updates come every 1500 ms
        settings.m_nPercent = -1;
        At(3251);
        EXPECT_FALSE(operation.UpdateProgress());
        std::vector<std::string> spinner;
        for (DWORD dwTicks = 3252; spinner.size() < 5; dwTicks += 1501) {
            At(dwTicks);
            EXPECT_TRUE(operation.UpdateProgress());
            spinner.push_back(frame.Status());
        }
        EXPECT_EQ(spinner, (std::vector<std::string>{"Sorting  -", "Sorting  \\", "Sorting  |", "Sorting  /",
                                                      "Sorting  -"}));

        BOOL bAborted = TRUE;
        At(20000);
        settings.m_nPercent = 7;
        EXPECT_TRUE(operation.DoMessages(bAborted));
        EXPECT_FALSE(bAborted);
        EXPECT_EQ(frame.Status(), "Sorting   7%.    Press ESC to cancel");
    }
    EXPECT_EQ(frame.Status(), "Done.");
}

TEST_F(LongOperationTest, PumpingDropsTheUsersInputHandlesTheRestAndLeavesAQuitToTheApplication)
{
    CNotingWnd wnd;
    CGXLongOperation operation;
    wnd.PostMessage(WM_KEYDOWN, 'A');
    wnd.PostMessage(WM_CHAR, 'a');
    wnd.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    wnd.PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, 0);
    wnd.PostMessage(WM_COMMAND, 100);
    wnd.PostMessage(WM_APP);
    wnd.ShowWindow(SW_SHOWNA);
    wnd.InvalidateRect(nullptr);
    At(1751);
    EXPECT_TRUE(operation.UpdateProgress());
    EXPECT_TRUE(wnd.Got(WM_APP));
    EXPECT_TRUE(wnd.Got(WM_PAINT));
    for (UINT nInput : {WM_KEYDOWN, WM_CHAR, WM_LBUTTONDOWN, WM_NCLBUTTONDOWN, WM_COMMAND})
        EXPECT_FALSE(wnd.Got(nInput)) << std::hex << nInput;
    EXPECT_FALSE(settings.m_bEscapePressed);

    ::PostQuitMessage(7);
    wnd.PostMessage(WM_APP + 1);
    operation.PumpMessages();
    EXPECT_TRUE(wnd.Got(WM_APP + 1));
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, UINT(WM_QUIT));
    EXPECT_EQ(msg.wParam, WPARAM(7));
}

TEST_F(LongOperationTest, EscapeAsksOnceWhetherToAbort)
{
    struct Case {
        BOOL bRollbackPossible;
        BOOL bAsk;
        int nAnswer;  // 0: no question
        BOOL bAborted;
        BOOL bRollback;
    };
    const Case cases[] = {
        {TRUE, TRUE, IDABORT, TRUE, FALSE}, {TRUE, TRUE, IDRETRY, TRUE, TRUE},  {TRUE, TRUE, IDIGNORE, FALSE, FALSE},
        {FALSE, TRUE, IDYES, TRUE, FALSE},  {FALSE, TRUE, IDNO, FALSE, FALSE},  {TRUE, FALSE, 0, TRUE, TRUE},
        {FALSE, FALSE, 0, TRUE, FALSE},
    };
    CNotingWnd wnd;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "rollback " << c.bRollbackPossible << " answer " << c.nAnswer);
        settings.m_bAskBeforeAbort = c.bAsk;
        At(1000);
        CGXLongOperation operation;
        settings.m_bRollbackPossible = c.bRollbackPossible;
        if (c.nAnswer != 0)
            services.ExpectMessageBox(c.nAnswer, "Do you want to abort the operation?");
        wnd.PostMessage(WM_KEYDOWN, VK_ESCAPE);
        At(1751);
        BOOL bAborted = FALSE;
        EXPECT_TRUE(operation.DoMessages(bAborted));
        EXPECT_EQ(bAborted, c.bAborted);
        EXPECT_EQ(settings.m_bRollbackRequested, c.bRollback);
        if (c.nAnswer != 0) {
            EXPECT_EQ(services.CallsOf("MessageBox").back().nType & MB_TYPEMASK,
                      UINT(c.bRollbackPossible ? MB_ABORTRETRYIGNORE : MB_YESNO));
        }

        // the question comes once per operation
        wnd.PostMessage(WM_KEYDOWN, VK_CANCEL);
        At(3252);
        EXPECT_TRUE(operation.DoMessages(bAborted));
        EXPECT_FALSE(bAborted);
    }
    settings.m_bAskBeforeAbort = TRUE;
    EXPECT_EQ(services.CallsOf("MessageBox").size(), 5u);
}

TEST_F(LongOperationTest, ANestedOperationShowsTheOuterTextAndBelowThePercentageLevelLeavesItAlone)
{
    CGXLongOperation outer;
    outer.SetStatusText("Undoing Block ...", TRUE);
    {
        CGXLongOperation inner;
        EXPECT_EQ(std::string(inner.m_pszStatusText), "Undoing Block ...");
        EXPECT_TRUE(inner.SetStatusText("Storing cells ....", TRUE));
    }
    settings.m_nPercentLevel = 0;  // the outer operation shows the percentage
    settings.m_nPercent = 50;
    At(1751);
    EXPECT_TRUE(outer.UpdateProgress());
    EXPECT_EQ(frame.Status(), "Undoing Block ...  50%. ");
    {
        CGXLongOperation inner;
        EXPECT_FALSE(inner.SetStatusText("Restoring cells ...", TRUE));
        At(5000);
        inner.UpdateProgress();
        EXPECT_EQ(frame.Status(), "Undoing Block ...  50%. ");
    }
    EXPECT_EQ(frame.Status(), "Undoing Block ...  50%. ") << "only the outermost operation says it is done";
}

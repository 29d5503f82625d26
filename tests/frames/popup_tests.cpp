// What needs the focus and the mouse capture: clicks and the hover of owner-drawn buttons, the default
// push button, the colour well's Tab, and the popup well a well button drops. This program runs alone
// (other programs on the display would take the focus away).
#include "ButtonTestSupport.h"

namespace {

const UINT kButtonID = 1023;

// A shown recorder holding the buttons under test, so that they can take the focus.
class FocusTest : public ToolkitButtonTest {
protected:
    void SetUp() override
    {
        rcParent.SetRect(100, 100, 400, 300);
        dwParentStyle = WS_POPUP | WS_VISIBLE;
        ToolkitButtonTest::SetUp();
        parent.SetForegroundWindow();
    }
};

// A button that counts its clicks and notes whether it held the capture at the click.
class CProbeButton : public SECOwnerDrawButton {
public:
    void Clicked() override
    {
        nClicks++;
        bCaptureAtClick = CWnd::GetCapture() == this;
    }
    int nClicks = 0;
    BOOL bCaptureAtClick = FALSE;
};

LPARAM At(CPoint pt)
{
    return MAKELPARAM(WORD(short(pt.x)), WORD(short(pt.y)));
}

TEST_F(FocusTest, AReleaseInsideClicksAfterTheSystemsOwnRelease)
{
    const struct {
        CPoint ptUp;
        int nClicks;
    } cases[] = {{CPoint(5, 5), 1}, {CPoint(39, 23), 1}, {CPoint(40, 5), 0}, {CPoint(-1, -1), 0}};
    for (const auto& c : cases) {
        CProbeButton button;
        ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, 50, 34), &parent, 100));
        parent.clicks.clear();
        button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(CPoint(5, 5)));
        EXPECT_EQ(CWnd::GetCapture(), &button);
        button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(c.ptUp));
        button.SendMessage(WM_LBUTTONUP, 0, At(c.ptUp));
        EXPECT_EQ(button.nClicks, c.nClicks) << c.ptUp;
        EXPECT_FALSE(button.bCaptureAtClick);
        EXPECT_EQ(parent.clicks.size(), size_t(c.nClicks)); // BN_CLICKED went first
    }
}

TEST_F(FocusTest, AFlatButtonHoldsTheCaptureWhileTheMouseIsOverIt)
{
    CProbeButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, 50, 34), &parent, 100));
    button.SendMessage(WM_MOUSEMOVE, 0, At(CPoint(5, 5)));
    EXPECT_EQ(CWnd::GetCapture(), nullptr); // not flat

    button.SetFlat(TRUE);
    button.SendMessage(WM_MOUSEMOVE, 0, At(CPoint(5, 5)));
    EXPECT_EQ(CWnd::GetCapture(), &button);
    button.SendMessage(WM_MOUSEMOVE, 0, At(CPoint(60, 5)));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST_F(FocusTest, AFocusedButtonWithTheDefaultFlagIsTheDefaultPushButton)
{
    CProbeButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, 50, 34), &parent, 100, SEC_ODBTN_DEFAULT));
    EXPECT_EQ(button.SendMessage(WM_GETDLGCODE), LRESULT(DLGC_BUTTON));
    button.SetFocus();
    ASSERT_EQ(CWnd::GetFocus(), &button);
    EXPECT_EQ(button.SendMessage(WM_GETDLGCODE), LRESULT(DLGC_BUTTON | DLGC_DEFPUSHBUTTON));
    button.SetButtonFlags(0);
    EXPECT_EQ(button.SendMessage(WM_GETDLGCODE), LRESULT(DLGC_BUTTON));
}

TEST_F(FocusTest, TabGoesToTheOtherButtonAndShiftTabArrivesThere)
{
    SECColorWell well;
    ASSERT_TRUE(well.Create(WS_VISIBLE, CRect(10, 10, 0, 0), &parent, 700));
    well.SetFocus();
    ASSERT_EQ(CWnd::GetFocus(), &well);
    well.SendMessage(WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(CWnd::GetFocus(), well.GetOtherButton());

    parent.SetFocus();
    fake.SetKeyState(VK_SHIFT, SHORT(0x8000));
    fake.SetKeyState(VK_TAB, SHORT(0x8000));
    well.SetFocus();
    EXPECT_EQ(CWnd::GetFocus(), well.GetOtherButton());
}

// ---- the popup well ---------------------------------------------------------------------------------

class PopupTest : public FocusTest {
protected:
    void SetUp() override
    {
        FocusTest::SetUp();
        ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE, CRect(20, 20, 80, 44), &parent, kButtonID));
        button.SetColor(SECStandardColors[6]);
    }
    // Clicks the well button as the mouse does; returns its popup.
    SECPopupColorWell* Open()
    {
        button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(CPoint(5, 5)));
        button.SendMessage(WM_LBUTTONUP, 0, At(CPoint(5, 5)));
        SECPopupColorWell* pPopup = button.GetPopupWell();
        EXPECT_NE(pPopup, nullptr);
        if (pPopup != nullptr) {
            EXPECT_TRUE(pPopup->IsActive());
        }
        return pPopup;
    }
    // pt of the button (client coordinates) as a point of the popup's client area.
    static CPoint Map(CWnd& from, CPoint pt, CWnd& to)
    {
        from.ClientToScreen(&pt);
        to.ScreenToClient(&pt);
        return pt;
    }
    static BOOL IsClosed(SECPopupColorWell* pPopup) { return !pPopup->IsActive() && pPopup->m_hWnd == nullptr; }

    SECWellButton button;
};

TEST_F(PopupTest, AClickOpensThePopupBelowTheButtonWithTheColourSelected)
{
    SECPopupColorWell* pPopup = Open();
    ASSERT_NE(pPopup, nullptr);
    CRect rcButton;
    CRect rcPopup;
    button.GetWindowRect(rcButton);
    pPopup->GetWindowRect(rcPopup);
    EXPECT_EQ(rcPopup.TopLeft(), CPoint(rcButton.left, rcButton.bottom));
    EXPECT_TRUE(pPopup->IsWindowVisible());
    EXPECT_EQ(pPopup->GetStyle() & (WS_POPUP | SEC_CWS_3DBORDER), DWORD(WS_POPUP | SEC_CWS_3DBORDER));
    EXPECT_EQ(CWnd::GetFocus(), pPopup);
    EXPECT_EQ(CWnd::GetCapture(), pPopup);
    EXPECT_EQ(pPopup->GetSelectedCell(), 6);
    EXPECT_EQ(pPopup->GetNotifyWindow(), &button);
    EXPECT_NE(::GetClassLongA(pPopup->m_hWnd, GCL_STYLE) & CS_SAVEBITS, 0u);
    // margins 4 for the border and 1 for the focus frame
    const CSize cell = pPopup->GetCellSize();
    EXPECT_EQ(rcPopup.Size(), CSize(2 * 5 + 4 * (cell.cx + 2) - 2, 2 * 5 + 5 * (cell.cy + 2) - 2 + cell.cy + 8));

    // moving over the cells selects without telling anyone
    const CPoint over = pPopup->GetCellRect(11).CenterPoint();
    pPopup->SendMessage(WM_MOUSEMOVE, 0, At(over));
    pPopup->SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(pPopup->GetSelectedCell(), 12);
    EXPECT_TRUE(parent.reports.empty());
    EXPECT_EQ(button.GetColor(), SECStandardColors[6]);

    // Enter chooses
    pPopup->SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(IsClosed(pPopup));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(button.GetColor(), SECStandardColors[12]);
    ASSERT_EQ(parent.reports.size(), 1u);
    EXPECT_EQ(parent.reports[0].wParam, WPARAM(kButtonID));
    EXPECT_EQ(parent.reports[0].clr, SECStandardColors[12]);
}

TEST_F(PopupTest, ClickingACellChoosesIt)
{
    SECPopupColorWell* pPopup = Open();
    ASSERT_NE(pPopup, nullptr);
    pPopup->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(pPopup->GetCellRect(17).CenterPoint()));
    EXPECT_TRUE(IsClosed(pPopup));
    EXPECT_EQ(button.GetColor(), SECStandardColors[17]);
    ASSERT_EQ(parent.reports.size(), 1u);
    EXPECT_EQ(parent.reports[0].clr, SECStandardColors[17]);

    // the popup opens again, afresh
    button.SetColor(SECStandardColors[1]);
    pPopup = Open();
    ASSERT_NE(pPopup, nullptr);
    EXPECT_EQ(pPopup->GetSelectedCell(), 1);
    EXPECT_FALSE(pPopup->IsCustomCellShown());
    pPopup->SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(IsClosed(pPopup));
    EXPECT_EQ(parent.reports.size(), 2u);
}

TEST_F(PopupTest, EscapeAndLosingTheFocusCloseWithoutAChange)
{
    SECPopupColorWell* pPopup = Open();
    ASSERT_NE(pPopup, nullptr);
    pPopup->SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    pPopup->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(IsClosed(pPopup));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    pPopup = Open();
    ASSERT_NE(pPopup, nullptr);
    // the focus on its own button keeps it open; Tab and the arrows come back to the well
    pPopup->SendMessage(WM_KEYDOWN, VK_TAB, 0);
    ASSERT_EQ(CWnd::GetFocus(), pPopup->GetOtherButton());
    EXPECT_TRUE(pPopup->IsActive());
    pPopup->GetOtherButton()->SendMessage(WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(CWnd::GetFocus(), pPopup);
    pPopup->SendMessage(WM_KEYDOWN, VK_TAB, 0);
    pPopup->GetOtherButton()->SendMessage(WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(CWnd::GetFocus(), pPopup);
    EXPECT_TRUE(pPopup->IsActive());
    // the focus elsewhere closes it, from the well or from its button
    parent.SetFocus();
    EXPECT_TRUE(IsClosed(pPopup));

    pPopup = Open();
    ASSERT_NE(pPopup, nullptr);
    pPopup->SendMessage(WM_KEYDOWN, VK_TAB, 0);
    parent.SetFocus();
    EXPECT_TRUE(IsClosed(pPopup));

    EXPECT_TRUE(parent.reports.empty());
    EXPECT_EQ(button.GetColor(), SECStandardColors[6]);
}

TEST_F(PopupTest, APressOutsideClosesAndReachesTheWindowUnderIt)
{
    CReportRecorder target;
    ASSERT_TRUE(target.CreateRecorder(CRect(500, 400, 700, 500)));
    SECPopupColorWell* pPopup = Open();
    ASSERT_NE(pPopup, nullptr);

    // a press on the button is ignored
    pPopup->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(Map(button, CPoint(30, 10), *pPopup)));
    EXPECT_TRUE(pPopup->IsActive());
    EXPECT_EQ(CWnd::GetCapture(), pPopup);

    const CPoint ptTarget(20, 30);
    CPoint ptScreen = ptTarget;
    target.ClientToScreen(&ptScreen);
    fake.SetCursorPos(ptScreen, target.m_hWnd);
    pPopup->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(Map(target, ptTarget, *pPopup)));
    EXPECT_TRUE(IsClosed(pPopup));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    PumpWaitingMessages();
    EXPECT_EQ(target.presses, std::vector<CPoint>{ptTarget});
    EXPECT_TRUE(parent.reports.empty());
    target.DestroyWindow();
}

TEST_F(PopupTest, OtherRunsTheColourDialogThroughTheButton)
{
    SECPopupColorWell* pPopup = Open();
    ASSERT_NE(pPopup, nullptr);
    CRect rcOther;
    pPopup->GetOtherButton()->GetWindowRect(rcOther);
    pPopup->ScreenToClient(rcOther);
    pPopup->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(rcOther.CenterPoint()));
    EXPECT_TRUE(IsClosed(pPopup));
    EXPECT_TRUE(fake.CallsOf("ChooseColor").empty()); // posted: the dialog comes after the popup

    const COLORREF kChosen = RGB(0x12, 0x34, 0x56);
    fake.ExpectColorDialog(IDOK, kChosen);
    PumpWaitingMessages();
    const auto dialogs = fake.CallsOf("ChooseColor");
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].dwFlags, DWORD(CC_RGBINIT | CC_FULLOPEN));
    EXPECT_EQ(dialogs[0].color, SECStandardColors[6]);
    EXPECT_EQ(button.GetColor(), kChosen);
    ASSERT_EQ(parent.reports.size(), 1u);
    EXPECT_EQ(parent.reports[0].clr, kChosen);

    // the custom colour shows in the popup's custom cell, which is selected
    pPopup = Open();
    ASSERT_NE(pPopup, nullptr);
    EXPECT_TRUE(pPopup->IsCustomCellShown());
    EXPECT_EQ(pPopup->GetSelectedCell(), pPopup->CustomCell());
    CRect rcShort;
    pPopup->GetOtherButton()->GetWindowRect(rcShort);
    EXPECT_EQ(rcShort.Width(), rcOther.Width() - (pPopup->GetCellSize().cx + 2));

    // by the keyboard: Space on its button
    pPopup->SendMessage(WM_KEYDOWN, VK_TAB, 0);
    pPopup->GetOtherButton()->SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    pPopup->GetOtherButton()->SendMessage(WM_KEYUP, VK_SPACE, 0);
    EXPECT_TRUE(IsClosed(pPopup));
    fake.ExpectColorDialog(IDCANCEL);
    PumpWaitingMessages();
    EXPECT_EQ(fake.CallsOf("ChooseColor").size(), 2u);
    EXPECT_EQ(button.GetColor(), kChosen);
    EXPECT_EQ(parent.reports.size(), 1u);
}

TEST_F(PopupTest, DestroyingTheOwnerWhileThePopupIsOpenEndsIt)
{
    SECPopupColorWell* pPopup = Open();
    ASSERT_NE(pPopup, nullptr);
    parent.DestroyWindow();
    EXPECT_TRUE(IsClosed(pPopup));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_TRUE(parent.reports.empty());
}

TEST_F(PopupTest, ThePopupStaysOnTheScreen)
{
    const int cxScreen = ::GetSystemMetrics(SM_CXSCREEN);
    const int cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    SECPopupColorWell probe;
    ASSERT_TRUE(probe.CreatePopup(0, CRect(0, 0, 60, 24), &button));
    CRect rcProbe;
    probe.GetWindowRect(rcProbe);
    const CSize size = rcProbe.Size();
    probe.Close();

    const struct {
        const char* where;
        CRect button;
        CPoint topLeft;
    } cases[] = {
        {"room", CRect(100, 100, 160, 124), CPoint(100, 124)},
        {"bottom", CRect(100, cyScreen - 30, 160, cyScreen - 6), CPoint(100, cyScreen - 30 - size.cy)},
        {"right", CRect(cxScreen - 40, 100, cxScreen - 10, 124), CPoint(cxScreen - 10 - size.cx, 124)},
    };
    for (const auto& c : cases) {
        SECPopupColorWell popup;
        ASSERT_TRUE(popup.CreatePopup(0, c.button, &button, TRUE));
        CRect rect;
        popup.GetWindowRect(rect);
        EXPECT_EQ(rect.TopLeft(), c.topLeft) << c.where;
        popup.Close();
    }
}

} // namespace

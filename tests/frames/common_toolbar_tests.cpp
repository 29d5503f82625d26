// The tool bar that wraps the system's tool-bar control: what it tells the control when made, its
// image well, its frame and layout, its sizes and delayed layout, and presses on its buttons.
#include "ToolBarTestSupport.h"

#include "frames/SECToolBar.h"

#include <utility>

namespace {

// A tool bar that records the messages it is sent (message, wParam).
class CRecordingToolBar : public SECToolBar {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        sent.push_back({message, wParam});
        return SECToolBar::WindowProc(message, wParam, lParam);
    }
    BOOL WasSent(UINT message) const
    {
        for (const auto& entry : sent)
            if (entry.first == message)
                return TRUE;
        return FALSE;
    }
    std::vector<std::pair<UINT, WPARAM>> sent;
};

// A hidden window that records the commands it is sent.
class CCommandRecorder : public CWnd {
public:
    BOOL CreateRecorder() { return CreateEx(0, nullptr, "commands", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND)
            commands.push_back(LOWORD(wParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<UINT> commands;
};

// A bitmap of nImages 16 by 15 images.
HBITMAP MakeImageWell(int nImages)
{
    HDC hDC = ::GetDC(nullptr);
    HBITMAP hbm = ::CreateCompatibleBitmap(hDC, 16 * nImages, 15);
    ::ReleaseDC(nullptr, hDC);
    return hbm;
}

BOOL IsBitmap(HBITMAP hbm)
{
    return ::GetObjectType(hbm) == OBJ_BITMAP;
}

class CommonToolBarTest : public ToolBarTest {
protected:
    // A bar of the frame, docked at the top, with a button for each of ids (0: a separator), their
    // images in a well of as many images.
    CRecordingToolBar* MakeCommonBar(const std::vector<UINT>& ids, CWnd* pOwner = nullptr)
    {
        auto* pBar = new CRecordingToolBar;
        pBar->SetAutoDelete(TRUE);
        if (pOwner != nullptr)
            pBar->SetOwner(pOwner);
        if (!pBar->CreateEx(pFrame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)) {
            ADD_FAILURE() << "the tool bar was not made";
            return nullptr;
        }
        std::vector<TBBUTTON> buttons;
        int nImage = 0;
        for (UINT nID : ids) {
            TBBUTTON button = {};
            button.iBitmap = nID != 0 ? nImage++ : 8;
            button.idCommand = int(nID);
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = nID != 0 ? BTNS_BUTTON : BTNS_SEP;
            buttons.push_back(button);
        }
        EXPECT_TRUE(pBar->SetBitmap(MakeImageWell(nImage)));
        pBar->SendMessage(TB_ADDBUTTONSA, WPARAM(buttons.size()), reinterpret_cast<LPARAM>(buttons.data()));
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        pFrame->DockControlBar(pBar);
        pFrame->RecalcLayout();
        return pBar;
    }
    static CRect ButtonRect(CWnd* pBar, int nIndex)
    {
        CRect rect;
        pBar->SendMessage(TB_GETITEMRECT, WPARAM(nIndex), reinterpret_cast<LPARAM>(static_cast<RECT*>(&rect)));
        return rect;
    }
};

TEST_F(CommonToolBarTest, MadeItTellsTheControlTheButtonSizeAndItsOwnerWhenItHasOne)
{
    CRecordingToolBar* pPlain = MakeCommonBar({ID_NEW});
    ASSERT_NE(pPlain, nullptr);
    const std::pair<UINT, WPARAM> structSize{TB_BUTTONSTRUCTSIZE, 32};
    EXPECT_NE(std::find(pPlain->sent.begin(), pPlain->sent.end(), structSize), pPlain->sent.end());
    EXPECT_FALSE(pPlain->WasSent(TB_SETPARENT));

    // the owner hears the buttons' commands, though the bar sits in a dock bar of the frame
    CCommandRecorder owner;
    ASSERT_TRUE(owner.CreateRecorder());
    CRecordingToolBar* pOwned = MakeCommonBar({ID_OPEN, 0, ID_SAVE}, &owner);
    ASSERT_NE(pOwned, nullptr);
    EXPECT_TRUE(pOwned->WasSent(TB_SETPARENT));
    const CPoint pt = ButtonRect(pOwned, 2).CenterPoint();
    pOwned->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    pOwned->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(owner.commands, std::vector<UINT>{ID_SAVE});
    EXPECT_EQ(pOwned->GetDockBar(), DockBar(AFX_IDW_DOCKBAR_TOP)) << "a press on a button does not drag the bar";
    owner.DestroyWindow();
}

TEST_F(CommonToolBarTest, ASecondBitmapReplacesTheFirstWhichIsDeleted)
{
    CRecordingToolBar* pBar = MakeCommonBar({ID_NEW, ID_OPEN});
    ASSERT_NE(pBar, nullptr);
    HBITMAP hbmFirst = pBar->GetBitmap();
    EXPECT_TRUE(pBar->WasSent(TB_ADDBITMAP));
    EXPECT_FALSE(pBar->WasSent(TB_REPLACEBITMAP));

    HBITMAP hbmSecond = MakeImageWell(2);
    ASSERT_TRUE(pBar->SetBitmap(hbmSecond));
    EXPECT_TRUE(pBar->WasSent(TB_REPLACEBITMAP));
    EXPECT_EQ(pBar->GetBitmap(), hbmSecond);
    EXPECT_FALSE(IsBitmap(hbmFirst));
    EXPECT_TRUE(IsBitmap(hbmSecond));

    // a bitmap from a resource is loaded again in the new colours
    ASSERT_TRUE(pBar->LoadBitmap(IDR_APP_TOOLBAR));
    HBITMAP hbmLoaded = pBar->GetBitmap();
    EXPECT_FALSE(IsBitmap(hbmSecond));
    pBar->SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_NE(pBar->GetBitmap(), hbmLoaded);
    EXPECT_TRUE(IsBitmap(pBar->GetBitmap()));
    EXPECT_FALSE(IsBitmap(hbmLoaded));

    EXPECT_FALSE(pBar->LoadBitmap(IDR_NO_SUCH_TOOLBAR));
    EXPECT_TRUE(IsBitmap(pBar->GetBitmap())) << "a missing resource leaves the well as it was";
}

TEST_F(CommonToolBarTest, TheBarIsItsButtonsWithTheControlBarBordersAround)
{
    CRecordingToolBar* pBar = MakeCommonBar({ID_NEW, ID_OPEN, 0, ID_SAVE});
    ASSERT_NE(pBar, nullptr);
    SIZE sizeButtons = {};
    pBar->SendMessage(TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&sizeButtons));
    EXPECT_EQ(ButtonRect(pBar, 3).right, sizeButtons.cx);

    CRect rectClient;
    pBar->GetClientRect(rectClient);
    EXPECT_EQ(rectClient.Size(), CSize(sizeButtons));
    CRect rectInside(0, 0, 0, 0);
    pBar->CalcInsideRect(rectInside, TRUE);
    EXPECT_EQ(ScreenRect(pBar).Size(), CSize(sizeButtons.cx - rectInside.Width(), sizeButtons.cy - rectInside.Height()));

    // the sizes given are kept, with the flat style back on afterwards
    pBar->SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(20, 18));
    pBar->SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(28, 26));
    EXPECT_EQ(pBar->GetImageSize(), CSize(20, 18));
    EXPECT_EQ(pBar->GetButtonSize(), CSize(28, 26));
    EXPECT_TRUE(pBar->GetStyle() & TBSTYLE_FLAT);
    EXPECT_EQ(ButtonRect(pBar, 0).Size(), CSize(28, 26));
    pBar->SendMessage(TB_SETBUTTONWIDTH, 0, MAKELPARAM(30, 40));
    EXPECT_EQ(pBar->GetButtonWidthLimits(), CSize(30, 40));
    EXPECT_TRUE(pBar->GetStyle() & TBSTYLE_FLAT);
    EXPECT_EQ(ButtonRect(pBar, 0).Width(), 30) << "at least the least width";
}

TEST_F(CommonToolBarTest, ChangedButtonsWaitForTheFramesNextLayoutWhichHasTheControlLayThemOutFirst)
{
    CRecordingToolBar* pBar = MakeCommonBar({ID_NEW, ID_OPEN});
    ASSERT_NE(pBar, nullptr);
    pBar->SendMessage(TB_AUTOSIZE);
    EXPECT_FALSE(pBar->IsDelayedLayout());
    EXPECT_FALSE(pFrame->IsLayoutPending());
    const int nWidth = ScreenRect(pBar).Width();

    TBBUTTON button = {};
    button.iBitmap = 0;
    button.idCommand = int(ID_SAVE);
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = BTNS_BUTTON;
    const struct {
        const char* what;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } changes[] = {
        {"added", TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button)},
        {"inserted", TB_INSERTBUTTONA, 0, reinterpret_cast<LPARAM>(&button)},
        {"deleted", TB_DELETEBUTTON, 0, 0},
        {"sized", TB_SETBUTTONSIZE, 0, MAKELPARAM(26, 24)},
    };
    for (const auto& c : changes) {
        pBar->SendMessage(c.message, c.wParam, c.lParam);
        EXPECT_TRUE(pBar->IsDelayedLayout()) << c.what;
        EXPECT_TRUE(pFrame->IsLayoutPending()) << c.what;
        pBar->sent.clear();
        pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        EXPECT_FALSE(pFrame->IsLayoutPending()) << c.what;
        EXPECT_TRUE(pBar->WasSent(TB_AUTOSIZE)) << c.what;
        EXPECT_FALSE(pBar->IsDelayedLayout()) << c.what;
    }
    // the bar took the buttons' new extent: three of 26 where there were two
    SIZE sizeButtons = {};
    pBar->SendMessage(TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&sizeButtons));
    CRect rectClient;
    pBar->GetClientRect(rectClient);
    EXPECT_EQ(rectClient.Width(), sizeButtons.cx);
    EXPECT_GT(ScreenRect(pBar).Width(), nWidth);
}

} // namespace

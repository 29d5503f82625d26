// The bitmap-menu plug-in of a workbook frame: which items it draws, their measure, their pixels (image
// column, selection, embossed images, the text's place), mnemonics, the clean-up of forgotten menus,
// the plain texts after it goes and its radio dot.
#include "MenuTestSupport.h"

#include "frames/SECBmpMgr.h"
#include "frames/SECFrameWnd.h"
#include "frames/SECMenuBar.h"
#include "frames/SECMenuBarFeature.h"
#include "frames/SECToolBarManager.h"
#include "frames/SECToolkitRes.h"

#include <algorithm>
#include <cstring>

BEGIN_MESSAGE_MAP(CMenuTestFrame, SECWorkbook)
    ON_WM_MEASUREITEM()
    ON_WM_DRAWITEM()
    ON_WM_MENUCHAR()
END_MESSAGE_MAP()

namespace {

const UINT ID_FOREIGN = 30410;  // an item another component draws
const UINT ID_NO_IMAGE = 30411; // a command the tool bar has no image for

class BmpMenuTest : public MdiFrameTest {
protected:
    void SetUp() override
    {
        MdiFrameTest::SetUp();
        pFrame = LoadMainFrame<CMenuTestFrame>(nullptr, IDR_MENU_MAIN);
        ASSERT_NE(pFrame, nullptr);
        ASSERT_NE(pFrame->BmpMenus(), nullptr);
        ASSERT_TRUE(pFrame->SetMenuBitmapsFromToolBar(IDR_APP_TOOLBAR));
    }
    void TearDown() override
    {
        for (HMENU hMenu : menus)
            ::DestroyMenu(hMenu);
        MdiFrameTest::TearDown();
    }

    // A popup of plain string items (texts and ids; id 0: a separator), destroyed after the test.
    HMENU MakePopup(const std::vector<std::pair<const char*, UINT>>& items)
    {
        HMENU hMenu = ::CreatePopupMenu();
        for (const auto& item : items)
            ::AppendMenuA(hMenu, item.second == 0 ? MF_SEPARATOR : MF_STRING, item.second, item.first);
        menus.push_back(hMenu);
        return hMenu;
    }
    // The frame initialises hMenu as its popup (bSysMenu: as a system menu).
    void InitPopup(HMENU hMenu, BOOL bSysMenu = FALSE)
    {
        pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu), MAKELPARAM(0, bSysMenu));
    }
    // The frame's answer to WM_MEASUREITEM for the item at nPos of hMenu, and what it measured.
    LRESULT Measure(HMENU hMenu, UINT nPos, MEASUREITEMSTRUCT& mis)
    {
        const MenuItem item = ReadMenuItem(hMenu, nPos);
        mis = MEASUREITEMSTRUCT();
        mis.CtlType = ODT_MENU;
        mis.itemID = item.wID;
        mis.itemData = item.dwItemData;
        return pFrame->SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
    }
    // Draws the item at nPos of hMenu in state nState on canvas (the item fills it).
    void Draw(HMENU hMenu, UINT nPos, UINT nState, DibCanvas& canvas)
    {
        const MenuItem item = ReadMenuItem(hMenu, nPos);
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_MENU;
        dis.itemID = item.wID;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = nState;
        dis.hwndItem = reinterpret_cast<HWND>(hMenu);
        dis.hDC = canvas.dc.m_hDC;
        dis.rcItem = CRect(0, 0, canvas.Width(), canvas.Height());
        dis.itemData = item.dwItemData;
        pFrame->SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
    }
    // The frame's answer to the key cKey in hMenu.
    LRESULT MenuChar(HMENU hMenu, char cKey)
    {
        return pFrame->SendMessage(WM_MENUCHAR, MAKEWPARAM(BYTE(cKey), MF_POPUP), reinterpret_cast<LPARAM>(hMenu));
    }

    CMenuTestFrame* pFrame = nullptr;
    std::vector<HMENU> menus;
};

// The canvas size of a drawn item: wide enough for the text, one standard item high.
const int kItemWidth = 160;
const int kItemHeight = 22;

// ---- which items the plug-in draws -----------------------------------------------------------------------

TEST_F(BmpMenuTest, APopupsPlainItemsBecomeOwnerDrawnButSystemCommandsAndOthersItemsDoNot)
{
    HMENU hSub = ::CreatePopupMenu();
    HMENU hMenu = MakePopup({{"&New\tCtrl+N", ID_NEW}, {"", 0}, {"&Restore", SC_RESTORE}, {"&Close", 0xFEFF},
                             {"&Past", 0xFF00}});
    ::AppendMenuA(hMenu, MF_OWNERDRAW, ID_FOREIGN, reinterpret_cast<LPCSTR>(0x1234));
    ::AppendMenuA(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hSub), "&More");
    InitPopup(hMenu);

    SECBmpMenuPlugIn* pPlugIn = pFrame->BmpMenus();
    const MenuItem itemNew = ReadMenuItem(hMenu, 0);
    ASSERT_TRUE(itemNew.fType & MFT_OWNERDRAW);
    const SECBmpMenuItemInfo* pInfo = pPlugIn->FindInfo(itemNew.dwItemData);
    ASSERT_NE(pInfo, nullptr);
    EXPECT_EQ(pInfo->m_nID, UINT(ID_NEW));
    EXPECT_STREQ(pInfo->m_strText, "&New\tCtrl+N");
    EXPECT_EQ(pInfo->m_cMnemonic, 'N');
    EXPECT_TRUE(ReadMenuItem(hMenu, 1).fType & MFT_SEPARATOR);
    EXPECT_FALSE(ReadMenuItem(hMenu, 1).fType & MFT_OWNERDRAW);
    for (UINT nPos : {2u, 3u}) // the system commands 0xF000-0xFEFF stay plain
        EXPECT_FALSE(ReadMenuItem(hMenu, nPos).fType & MFT_OWNERDRAW) << nPos;
    EXPECT_TRUE(ReadMenuItem(hMenu, 4).fType & MFT_OWNERDRAW); // just past them
    EXPECT_EQ(ReadMenuItem(hMenu, 5).dwItemData, ULONG_PTR(0x1234)); // somebody else's
    EXPECT_TRUE(pPlugIn->IsExcluded(ID_FOREIGN));
    const SECBmpMenuItemInfo* pMore = pPlugIn->FindInfo(ReadMenuItem(hMenu, 6).dwItemData);
    ASSERT_NE(pMore, nullptr); // an item opening a popup counts as id 0
    EXPECT_EQ(pMore->m_nID, 0u);
    EXPECT_EQ(::GetSubMenu(hMenu, 6), hSub);

    // shown again, nothing changes; a system menu is left alone
    InitPopup(hMenu);
    EXPECT_EQ(ReadMenuItem(hMenu, 0).dwItemData, itemNew.dwItemData);
    HMENU hSys = MakePopup({{"&Move", SC_MOVE}, {"&Hide", ID_NEW}});
    InitPopup(hSys, TRUE);
    EXPECT_FALSE(ReadMenuItem(hSys, 1).fType & MFT_OWNERDRAW);
}

// ---- measuring -----------------------------------------------------------------------------------------

TEST_F(BmpMenuTest, AnItemIsMeasuredByItsTextAndTheImagesAndTheFrameNeverSeesIt)
{
    HMENU hMenu = MakePopup({{"&New\tCtrl+N", ID_NEW}});
    ::AppendMenuA(hMenu, MF_OWNERDRAW, ID_FOREIGN, reinterpret_cast<LPCSTR>(0x1234));
    InitPopup(hMenu);

    HFONT hFont = CreateMenuFont();
    const CSize sizeText = MeasuredText("&New\tCtrl+N", hFont);
    ::DeleteObject(hFont);
    MEASUREITEMSTRUCT mis;
    EXPECT_EQ(Measure(hMenu, 0, mis), 1);
    EXPECT_EQ(int(mis.itemWidth), sizeText.cx + 16 + 30);
    EXPECT_EQ(int(mis.itemHeight), (std::max)({::GetSystemMetrics(SM_CYMENU), 15 + 4, int(sizeText.cy)}));
    EXPECT_TRUE(pFrame->reached.empty());

    // another component's item goes to the frame, unmeasured
    Measure(hMenu, 1, mis);
    EXPECT_EQ(mis.itemWidth, 0u);
    EXPECT_EQ(pFrame->reached, std::vector<UINT>{WM_MEASUREITEM});
}

// ---- drawing -------------------------------------------------------------------------------------------

TEST_F(BmpMenuTest, TheImageColumnShowsTheToolBarsImageOfTheCommand)
{
    HMENU hMenu = MakePopup({{"&Item", ID_OPEN}});
    InitPopup(hMenu);
    DibCanvas canvas(kItemWidth, kItemHeight);
    Draw(hMenu, 0, 0, canvas);

    HBITMAP hImages = nullptr;
    int nImage = -1;
    ASSERT_TRUE(pFrame->BmpMenus()->GetBmpMgr()->GetImage(ID_OPEN, hImages, nImage, TRUE));
    // the column starts one pixel in and is 20 wide; the image sits 2 inside the centred box 19 high
    const CPoint ptImage(1 + 2, (kItemHeight - 19) / 2 + 2);
    for (int y = 0; y < 15; y++)
        for (int x = 0; x < 16; x++)
            ASSERT_EQ(canvas.At(ptImage.x + x, ptImage.y + y), BitmapPixel(hImages, 16 * nImage + x, y))
                << x << ", " << y;
    const COLORREF clrMenu = ::GetSysColor(COLOR_MENU);
    EXPECT_EQ(canvas.At(ptImage.x - 1, ptImage.y), clrMenu);
    EXPECT_EQ(canvas.At(1 + 20, 1), clrMenu); // the strip after the column
    EXPECT_TRUE(pFrame->reached.empty());
}

TEST_F(BmpMenuTest, ASelectedItemIsHighlightedAndAGrayedImageEmbossed)
{
    HMENU hMenu = MakePopup({{"&Item", ID_OPEN}, {"&Item", ID_NO_IMAGE}});
    InitPopup(hMenu);
    const COLORREF clrHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF clrMenu = ::GetSysColor(COLOR_MENU);
    const CRect rectImage(1 + 2, (kItemHeight - 19) / 2 + 2, 1 + 2 + 16, (kItemHeight - 19) / 2 + 2 + 15);

    DibCanvas selected(kItemWidth, kItemHeight);
    Draw(hMenu, 0, ODS_SELECTED, selected);
    EXPECT_EQ(selected.At(kItemWidth - 2, 1), clrHighlight);
    EXPECT_EQ(selected.At(1 + 20, 1), clrMenu); // beside an image the strip stays
    DibCanvas selectedPlain(kItemWidth, kItemHeight);
    Draw(hMenu, 1, ODS_SELECTED, selectedPlain);
    EXPECT_EQ(selectedPlain.At(5, 5), clrHighlight); // no image: the column too
    EXPECT_EQ(selectedPlain.At(1 + 20, 1), clrHighlight);

    // embossed: the image area holds only the menu, highlight and shadow colours, and some shadow
    DibCanvas grayed(kItemWidth, kItemHeight);
    Draw(hMenu, 0, ODS_GRAYED, grayed);
    int nShadow = 0;
    for (int y = rectImage.top; y < rectImage.bottom; y++) {
        for (int x = rectImage.left; x < rectImage.right; x++) {
            const COLORREF clr = grayed.At(x, y);
            ASSERT_TRUE(clr == clrMenu || clr == Hilite() || clr == Shadow()) << x << ", " << y;
            nShadow += clr == Shadow() ? 1 : 0;
        }
    }
    EXPECT_GT(nShadow, 0);
}

TEST_F(BmpMenuTest, AGrayedItemLooksGreyWhenItIsHighlighted)
{
    // the system's grey on the highlight: in the menu colour, which is the highlight text's under the
    // system's colours, a highlighted grey item would look like an enabled one
    HMENU hMenu = MakePopup({{"&Item\tCtrl+I", ID_OPEN}, {"&Item\tCtrl+I", ID_NO_IMAGE}});
    InitPopup(hMenu);
    const COLORREF clrHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF clrGrayText = ::GetSysColor(COLOR_GRAYTEXT);
    const CRect rectTextArea(1 + 20 + 1, 0, kItemWidth, kItemHeight);
    for (UINT nPos : {0u, 1u}) {
        SCOPED_TRACE(nPos == 0 ? "with an image" : "without an image");
        DibCanvas canvas(kItemWidth, kItemHeight);
        Draw(hMenu, nPos, ODS_SELECTED | ODS_GRAYED, canvas);
        EXPECT_EQ(canvas.At(kItemWidth - 2, 1), clrHighlight);
        int nGrey = 0;
        for (int y = rectTextArea.top; y < rectTextArea.bottom; y++) {
            for (int x = rectTextArea.left; x < rectTextArea.right; x++) {
                const COLORREF clr = canvas.At(x, y);
                ASSERT_NE(clr, ::GetSysColor(COLOR_HIGHLIGHTTEXT)) << x << ", " << y;
                ASSERT_NE(clr, ::GetSysColor(COLOR_MENU)) << x << ", " << y;
                nGrey += clr == clrGrayText ? 1 : 0;
            }
        }
        EXPECT_GT(nGrey, 10) << "no grey text";
        // label and accelerator both
        const CRect rectGrey = BoundsWhere(canvas, rectTextArea, [clrGrayText](COLORREF c) { return c == clrGrayText; });
        EXPECT_GT(rectGrey.right, kItemWidth - 23 - 10);
        EXPECT_LT(rectGrey.left, rectTextArea.left + 10);
    }
}

TEST_F(BmpMenuTest, TheTextStandsAtTheSamePlaceWithOrWithoutAnImage)
{
    HMENU hMenu = MakePopup({{"&Item\tCtrl+I", ID_OPEN}, {"&Item\tCtrl+I", ID_NO_IMAGE}});
    InitPopup(hMenu);
    DibCanvas withImage(kItemWidth, kItemHeight);
    DibCanvas withoutImage(kItemWidth, kItemHeight);
    Draw(hMenu, 0, 0, withImage);
    Draw(hMenu, 1, 0, withoutImage);
    const COLORREF clrMenu = ::GetSysColor(COLOR_MENU);
    const CRect rectTextArea(1 + 20 + 1, 0, kItemWidth, kItemHeight);
    const auto isText = [clrMenu](COLORREF c) { return c != clrMenu; }; // smoothed edges too
    const CRect textWith = BoundsWhere(withImage, rectTextArea, isText);
    EXPECT_FALSE(textWith.IsRectEmpty());
    EXPECT_EQ(textWith, BoundsWhere(withoutImage, rectTextArea, isText));
    // from one pixel into the text area to 23 before the item's end: the accelerator ends there
    // (the ink of the first glyph lies within its advance, the accelerator's reaches its second half)
    HFONT hFont = CreateMenuFont();
    const CSize sizeFirst = MeasuredText("I", hFont);
    const CSize sizeAccel = MeasuredText("Ctrl+I", hFont);
    ::DeleteObject(hFont);
    EXPECT_GE(textWith.left, rectTextArea.left + 1);
    EXPECT_LT(textWith.left, rectTextArea.left + 1 + sizeFirst.cx);
    EXPECT_LE(textWith.right, kItemWidth - 23);
    EXPECT_GT(textWith.right, kItemWidth - 23 - sizeAccel.cx / 2);
    EXPECT_GT(textWith.Width(), sizeAccel.cx * 2); // label and accelerator, apart
}

TEST_F(BmpMenuTest, AnotherComponentsItemIsNotDrawn)
{
    HMENU hMenu = MakePopup({});
    ::AppendMenuA(hMenu, MF_OWNERDRAW, ID_FOREIGN, reinterpret_cast<LPCSTR>(0x1234));
    InitPopup(hMenu);
    DibCanvas canvas(kItemWidth, kItemHeight);
    Draw(hMenu, 0, ODS_SELECTED, canvas);
    EXPECT_EQ(BoundsWhere(canvas, CRect(0, 0, kItemWidth, kItemHeight), [](COLORREF c) { return c != kWhite; }),
              CRect(0, 0, 0, 0));
    EXPECT_EQ(pFrame->reached, std::vector<UINT>{WM_DRAWITEM});
}

// ---- mnemonics -----------------------------------------------------------------------------------------

TEST_F(BmpMenuTest, AKeyExecutesItsOnlyItemOrSelectsTheNextOfSeveral)
{
    HMENU hMenu = MakePopup({{"&Alpha", ID_NEW}, {"&Beta", ID_OPEN}, {"&apple", ID_SAVE}, {"No key", ID_CUT}});
    InitPopup(hMenu);
    const auto hilite = [hMenu](int nPos) {
        for (int i = 0; i < 4; i++) {
            MENUITEMINFOA mii = {};
            mii.cbSize = sizeof(mii);
            mii.fMask = MIIM_STATE;
            mii.fState = i == nPos ? MFS_HILITE : 0;
            ::SetMenuItemInfoA(hMenu, UINT(i), TRUE, &mii);
        }
    };
    const struct {
        char cKey;
        int nHilite;
        LRESULT lResult;
    } cases[] = {
        {'z', -1, 0},
        {'b', -1, MAKELRESULT(1, MNC_EXECUTE)},
        {'a', -1, MAKELRESULT(0, MNC_SELECT)},
        {'A', 0, MAKELRESULT(2, MNC_SELECT)}, // the next one after the highlighted item
        {'a', 2, MAKELRESULT(0, MNC_SELECT)}, // none follows: the first
        {'\0', -1, 0},                        // an item without a mnemonic matches no key
    };
    for (const auto& c : cases) {
        hilite(c.nHilite);
        EXPECT_EQ(MenuChar(hMenu, c.cKey), c.lResult) << c.cKey << " " << c.nHilite;
    }
    EXPECT_TRUE(pFrame->reached.empty());
}

// ---- clean-up and destruction ----------------------------------------------------------------------------

TEST_F(BmpMenuTest, IdleForgetsDeadMenusAndRecordsNoItemCarries)
{
    HMENU hMenu = MakePopup({{"&New", ID_NEW}, {"&Open", ID_OPEN}});
    HMENU hGone = ::CreatePopupMenu();
    ::AppendMenuA(hGone, MF_STRING, ID_SAVE, "&Save");
    InitPopup(hMenu);
    InitPopup(hGone);
    SECBmpMenuPlugIn* pPlugIn = pFrame->BmpMenus();
    const ULONG_PTR dataNew = ReadMenuItem(hMenu, 0).dwItemData;
    const ULONG_PTR dataOpen = ReadMenuItem(hMenu, 1).dwItemData;
    const ULONG_PTR dataSave = ReadMenuItem(hGone, 0).dwItemData;
    ::ModifyMenuA(hMenu, 0, MF_BYPOSITION | MF_STRING, ID_NEW, "&New again"); // as a command update does
    ::DestroyMenu(hGone);

    pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ(pPlugIn->FindInfo(dataNew), nullptr);
    EXPECT_EQ(pPlugIn->FindInfo(dataSave), nullptr);
    EXPECT_NE(pPlugIn->FindInfo(dataOpen), nullptr);
    InitPopup(hMenu); // the changed item is taken again
    const SECBmpMenuItemInfo* pInfo = pPlugIn->FindInfo(ReadMenuItem(hMenu, 0).dwItemData);
    ASSERT_NE(pInfo, nullptr);
    EXPECT_STREQ(pInfo->m_strText, "&New again");

    // new metrics: the items are measured again, and stay the plug-in's
    pFrame->SendMessage(WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS);
    for (UINT nPos : {0u, 1u}) {
        const MenuItem item = ReadMenuItem(hMenu, nPos);
        EXPECT_TRUE(item.fType & MFT_OWNERDRAW) << nPos;
        EXPECT_NE(pPlugIn->FindInfo(item.dwItemData), nullptr) << nPos;
    }
}

TEST_F(BmpMenuTest, WithThePlugInGoneTheMenusShowTheirTextsAndTheRadioDotIsTheLibrarys)
{
    // the plug-in's radio dot: rows 5 to 9 hold the dot 6, 15, 15, 15, 6 shifted left by 6 in black
    HBITMAP hDot = AfxGetRadioDotBitmap();
    ASSERT_EQ(BitmapSize(hDot), CSize(16, 15));
    const WORD dot[5] = {6, 15, 15, 15, 6};
    for (int y = 0; y < 15; y++) {
        for (int x = 0; x < 16; x++) {
            const WORD row = y >= 5 && y < 10 ? WORD(dot[y - 5] << 6) : WORD(0);
            const bool bBlack = (row & (0x8000 >> x)) != 0;
            ASSERT_EQ(BitmapPixel(hDot, x, y), bBlack ? RGB(0, 0, 0) : kWhite) << x << ", " << y;
        }
    }

    HMENU hMenu = MakePopup({{"&New\tCtrl+N", ID_NEW}, {"E&xit", ID_MENU_EXIT}});
    InitPopup(hMenu);
    ASSERT_TRUE(ReadMenuItem(hMenu, 0).fType & MFT_OWNERDRAW);
    pFrame->DestroyWindow();
    for (const auto& expected : {std::make_pair(0u, "&New\tCtrl+N"), std::make_pair(1u, "E&xit")}) {
        const MenuItem item = ReadMenuItem(hMenu, expected.first);
        EXPECT_FALSE(item.fType & MFT_OWNERDRAW);
        EXPECT_EQ(item.text, expected.second);
    }
    EXPECT_NE(AfxGetRadioDotBitmap(), hDot);
    EXPECT_NE(AfxGetRadioDotBitmap(), nullptr);
}

TEST_F(BmpMenuTest, MenuBitmapsNeedThePlugInAndTheToolBar)
{
    EXPECT_FALSE(pFrame->SetMenuBitmapsFromToolBar(IDR_NO_SUCH_TOOLBAR));
    // without bitmap menus the frame has no plug-in to give images to
    SECWorkbook* pPlain = LoadMainFrame<SECWorkbook>(nullptr, IDR_MENU_MAIN);
    ASSERT_NE(pPlain, nullptr);
    EXPECT_EQ(pPlain->GetFramePlugIn(), nullptr);
    EXPECT_FALSE(pPlain->SetMenuBitmapsFromToolBar(IDR_APP_TOOLBAR));
}

TEST_F(BmpMenuTest, BothDockingFramesMakeTheSamePlugInsWithTheManagersImages)
{
    // each kind of frame, loaded with bitmap menus, with a tool-bar manager or a menu bar
    auto load = [&](CFrameWnd* pNew, BOOL bMenuBar, SECToolBarManager* pManager, SECMenuBar* pMenuBar) {
        SECMDIFrameWnd* pMDI = dynamic_cast<SECMDIFrameWnd*>(pNew);
        SECFrameWnd* pSDI = dynamic_cast<SECFrameWnd*>(pNew);
        if (pMDI != nullptr) {
            pMDI->EnableBitmapMenus(TRUE);
            pMDI->SetControlBarManager(pManager);
            pMDI->SetMenuBar(bMenuBar ? pMenuBar : nullptr);
        } else {
            pSDI->EnableBitmapMenus(TRUE);
            pSDI->SetControlBarManager(pManager);
            pSDI->SetMenuBar(bMenuBar ? pMenuBar : nullptr);
        }
        return pNew->LoadFrame(IDR_MENU_MAIN);
    };
    auto plugInOf = [](CFrameWnd* pNew) {
        SECMDIFrameWnd* pMDI = dynamic_cast<SECMDIFrameWnd*>(pNew);
        return pMDI != nullptr ? pMDI->GetFramePlugIn() : static_cast<SECFrameWnd*>(pNew)->GetFramePlugIn();
    };
    for (BOOL bMDI : {TRUE, FALSE}) {
        for (BOOL bMenuBar : {FALSE, TRUE}) {
            CFrameWnd* pNew = bMDI ? static_cast<CFrameWnd*>(new SECMDIFrameWnd) : new SECFrameWnd;
            SECToolBarManager manager(pNew);
            SECMenuBar menuBar;
            ASSERT_TRUE(load(pNew, bMenuBar, &manager, &menuBar)) << bMDI;
            SECBmpMenuPlugIn* pPlugIn = dynamic_cast<SECBmpMenuPlugIn*>(plugInOf(pNew));
            ASSERT_NE(pPlugIn, nullptr) << bMDI << bMenuBar;
            EXPECT_EQ(dynamic_cast<SECMenuBarFeature*>(pPlugIn) != nullptr, bMenuBar != FALSE) << bMDI;
            EXPECT_EQ(pPlugIn->GetBmpMgr(), manager.GetBmpMgr()) << bMDI << bMenuBar;

            // the frame's popups become the plug-in's, a system menu's items stay plain
            HMENU hMenu = MakePopup({{"&New", ID_NEW}});
            HMENU hSys = MakePopup({{"&Hide", ID_NEW}});
            pNew->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu), MAKELPARAM(0, FALSE));
            pNew->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hSys), MAKELPARAM(0, TRUE));
            EXPECT_TRUE(ReadMenuItem(hMenu, 0).fType & MFT_OWNERDRAW) << bMDI << bMenuBar;
            EXPECT_FALSE(ReadMenuItem(hSys, 0).fType & MFT_OWNERDRAW) << bMDI << bMenuBar;
            pNew->DestroyWindow();
        }
    }

    // without bitmap menus and without a menu bar the single-document frame has no plug-in
    SECFrameWnd* pPlain = new SECFrameWnd;
    ASSERT_TRUE(pPlain->LoadFrame(IDR_MENU_MAIN));
    EXPECT_EQ(pPlain->GetFramePlugIn(), nullptr);
    pPlain->DestroyWindow();
}

} // namespace

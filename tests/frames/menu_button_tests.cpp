// The menu bar's buttons: menu titles (mnemonic, size in the bar's font, drop-down, title drawing),
// the icon button of a maximised child and the caption group of its minimise, restore and close boxes.
#include "ToolkitTestSupport.h"

#include "frames/SECBtnCaption.h"
#include "frames/SECTBMenuBtn.h"

#include <string>

namespace {

const UINT kMenuID = 128;

// Creation data of a menu title: menu resource, popup position, title, menu bit.
struct MenuData {
    explicit MenuData(const char* pszTitle, int nPos = 0)
        : words{kMenuID, UINT_PTR(INT_PTR(nPos)), reinterpret_cast<UINT_PTR>(pszTitle), 1, 0}
    {
    }
    UINT_PTR words[5];
};

class MenuButtonTest : public BarTest {
protected:
    SECTBMenuBtn* AddMenu(const char* pszTitle, int nPos = 0, UINT nStyle = 0)
    {
        MenuData data(pszTitle, nPos);
        SECTBMenuBtn* pBtn = new SECTBMenuBtn;
        pBtn->m_nStyle = nStyle;
        return bar.Add(pBtn, 4, 3, data.words);
    }
};

TEST_F(MenuButtonTest, MnemonicIsTheUpperCasedCharacterAfterTheFirstAmpersand)
{
    const struct {
        const char* pszTitle;
        char cMnemonic;
    } cases[] = {{"&File", 'F'}, {"&window", 'W'}, {"Ed&it", 'I'}, {"A&b&c", 'B'}, {"View", 0}, {"Tail&", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(AddMenu(c.pszTitle)->m_cMnemonic, c.cMnemonic) << c.pszTitle;
}

TEST_F(MenuButtonTest, TitleTakesItsSizeFromTheBarsFont)
{
    const CSize sizeDefault = MeasuredText("&Options", nullptr);
    SECTBMenuBtn* pBtn = AddMenu("&Options");
    EXPECT_EQ(CSize(pBtn->m_cx, pBtn->m_cy), CSize(sizeDefault.cx + 10, sizeDefault.cy + 6));
    EXPECT_EQ(bar.nMaxBtnWidth, pBtn->m_cx);

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(240, "Arial"));
    bar.hFont = font;
    const CSize sizeLarge = MeasuredText("&Options", font);
    ASSERT_NE(sizeLarge, sizeDefault);
    pBtn->ComputeSize();
    EXPECT_EQ(CSize(pBtn->m_cx, pBtn->m_cy), CSize(sizeLarge.cx + 10, sizeLarge.cy + 6));
    bar.hFont = nullptr;
}

TEST_F(MenuButtonTest, PressDropsThePopupDownWithoutTakingTheCapture)
{
    SECTBMenuBtn* pBtn = AddMenu("&View", 2);
    EXPECT_FALSE(pBtn->PressDown(CPoint(6, 6)));
    EXPECT_TRUE(pBtn->HasStyle(TBBS_PRESSED));
    ASSERT_EQ(bar.dropDowns.size(), 1u);
    EXPECT_EQ(bar.dropDowns[0].pBtn, pBtn);
    EXPECT_EQ(bar.dropDowns[0].nMenu, UINT_PTR(kMenuID));
    EXPECT_EQ(bar.dropDowns[0].nPos, 2);

    SECTBMenuBtn* pDisabled = AddMenu("&Help", 3, TBBS_DISABLED);
    EXPECT_FALSE(pDisabled->PressDown(CPoint(6, 6)));
    EXPECT_FALSE(pDisabled->HasStyle(TBBS_PRESSED));
    EXPECT_EQ(bar.dropDowns.size(), 1u);
}

TEST_F(MenuButtonTest, TitleIsDrawnInMenuTextFromItsCornerAndMovesWhenPressed)
{
    const COLORREF clrText = ::GetSysColor(COLOR_MENUTEXT);
    ASSERT_NE(clrText, Face());
    CRect bounds[2];
    for (int i = 0; i < 2; i++) {
        DibCanvas canvas(120, 40);
        SECTBMenuBtn* pBtn = AddMenu("&Window", 0, i == 0 ? 0 : TBBS_PRESSED);
        pBtn->SetPos(10, 5);
        DrawButton(pBtn, canvas);
        bounds[i] = BoundsOf(canvas, clrText);
        ASSERT_FALSE(bounds[i].IsRectEmpty());
        EXPECT_GE(bounds[i].left, 10 + 4 + i);
        EXPECT_GE(bounds[i].top, 5 + 3 + i);
        EXPECT_LT(bounds[i].right, 10 + pBtn->m_cx);
    }
    bounds[0].OffsetRect(1, 1);
    EXPECT_EQ(bounds[1], bounds[0]);
}

// ---- buttons of a maximised MDI child ---------------------------------------------------------------------

// The test bar's frame with one active child.
class ChildButtonTest : public BarTest {
protected:
    void SetUp() override
    {
        BarTest::SetUp();
        pChild = new CMDIChildWnd;
        ASSERT_TRUE(pChild->Create(nullptr, "Sheet", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 150),
                                   pFrame));
        pChild->MDIActivate();
    }
    // Takes the WM_SYSCOMMAND posted to the child, if any. Returns its command (0 when none).
    WPARAM PostedSysCommand()
    {
        MSG msg;
        return ::PeekMessageA(&msg, pChild->m_hWnd, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE) ? msg.wParam : 0;
    }

    CMDIChildWnd* pChild = nullptr;
};

TEST_F(ChildButtonTest, IconButtonDrawsItsIconOnTheFaceAndDropsTheSystemMenu)
{
    // a 16 by 16 icon: a red 8 by 8 middle, transparent around it
    BYTE andBits[16 * 2]; // rows of 16 bits, 0 where the icon is opaque
    for (int y = 0; y < 16; y++) {
        andBits[y * 2] = (y >= 4 && y < 12) ? 0xF0 : 0xFF;
        andBits[y * 2 + 1] = (y >= 4 && y < 12) ? 0x0F : 0xFF;
    }
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap color;
    CClientDC screen(nullptr);
    ASSERT_TRUE(color.CreateCompatibleBitmap(&screen, 16, 16));
    CBitmap* pOld = dc.SelectObject(&color);
    dc.FillSolidRect(0, 0, 16, 16, RGB(0, 0, 0)); // black where transparent
    dc.FillSolidRect(4, 4, 8, 8, RGB(255, 0, 0));
    dc.SelectObject(pOld);
    CBitmap mask;
    ASSERT_TRUE(mask.CreateBitmap(16, 16, 1, 1, andBits));
    ICONINFO info = {TRUE, 0, 0, mask, color};
    HICON hIcon = ::CreateIconIndirect(&info);
    ASSERT_NE(hIcon, nullptr);

    SECCapMenuBtn* pBtn = bar.Add(new SECCapMenuBtn, 10, 5);
    pBtn->SetIcon(hIcon);
    EXPECT_EQ(CSize(pBtn->m_cx, pBtn->m_cy), CSize(16, 16));
    EXPECT_FALSE(pBtn->CanDrag());
    DibCanvas canvas(40, 30);
    DrawButton(pBtn, canvas);
    EXPECT_EQ(canvas.At(10 + 8, 5 + 8), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(10 + 1, 5 + 1), Face());
    EXPECT_EQ(canvas.At(10 + 15, 5 + 15), Face());
    EXPECT_EQ(canvas.At(10 + 16, 5 + 16), kWhite);

    EXPECT_FALSE(pBtn->PressDown(CPoint(12, 7)));
    ASSERT_EQ(bar.dropDowns.size(), 1u);
    HMENU hSysMenu = ::GetSystemMenu(pChild->m_hWnd, FALSE);
    EXPECT_EQ(bar.dropDowns[0].nMenu, reinterpret_cast<UINT_PTR>(hSysMenu));
    EXPECT_EQ(bar.dropDowns[0].nPos, -1);
    EXPECT_EQ(::GetMenuDefaultItem(hSysMenu, FALSE, 0), UINT(SC_CLOSE));
    ::DestroyIcon(hIcon);
}

TEST_F(ChildButtonTest, CaptionGroupWithoutSystemMenuIsBlankAndIgnoresClicks)
{
    SECBtnCaption* pBtn = bar.Add(new SECBtnCaption, 10, 5);
    const int cxPart = ::GetSystemMetrics(SM_CXSIZE) - 2;
    const int cyPart = ::GetSystemMetrics(SM_CYSIZE) - 4;
    EXPECT_EQ(CSize(pBtn->m_cx, pBtn->m_cy), CSize(3 * cxPart + 2, cyPart));
    EXPECT_FALSE(pBtn->CanDrag());
    pBtn->SetCaptionStyle(WS_CHILD | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);

    DibCanvas canvas(3 * cxPart + 30, cyPart + 20);
    DrawButton(pBtn, canvas);
    int nDrawn = 0;
    for (int y = 0; y < canvas.Height(); y++)
        for (int x = 0; x < canvas.Width(); x++)
            nDrawn += canvas.At(x, y) != kWhite;
    EXPECT_EQ(nDrawn, 0);

    const CPoint close(10 + 2 * cxPart + 2 + cxPart / 2, 5 + cyPart / 2);
    EXPECT_FALSE(pBtn->PressDown(close));
    EXPECT_EQ(pBtn->PressUp(close), 0u);
    EXPECT_EQ(PostedSysCommand(), 0u);
}

TEST_F(ChildButtonTest, ReleaseOverTheClosePartClosesTheActiveChild)
{
    SECBtnCaption* pBtn = bar.Add(new SECBtnCaption, 10, 5);
    const int cxPart = pBtn->m_cxPart;
    const CPoint minimize(10 + cxPart / 2, 5 + pBtn->m_cyPart / 2);
    const CPoint close(10 + 2 * cxPart + 2 + cxPart / 2, minimize.y);
    EXPECT_EQ(pBtn->HitTest(minimize), int(SECBtnCaption::PartMinimize));
    EXPECT_EQ(pBtn->HitTest(CPoint(10 + 2 * cxPart + 1, minimize.y)), int(SECBtnCaption::PartNone)); // the gap

    // pressed over close, released over minimise: nothing
    ASSERT_TRUE(pBtn->PressDown(close));
    pBtn->PressMove(minimize);
    EXPECT_FALSE(pBtn->HasStyle(TBBS_PRESSED));
    EXPECT_EQ(pBtn->PressUp(minimize), 0u);
    EXPECT_EQ(PostedSysCommand(), 0u);

    ASSERT_TRUE(pBtn->PressDown(close));
    pBtn->PressMove(close);
    EXPECT_TRUE(pBtn->HasStyle(TBBS_PRESSED));
    EXPECT_EQ(pBtn->PressUp(close), 0u);
    EXPECT_EQ(PostedSysCommand(), WPARAM(SC_CLOSE));

    // without the minimise box only the close part is hit
    pBtn->SetCaptionStyle(WS_SYSMENU);
    EXPECT_EQ(pBtn->HitTest(minimize), int(SECBtnCaption::PartNone));
    EXPECT_EQ(pBtn->HitTest(close), int(SECBtnCaption::PartClose));
}

} // namespace

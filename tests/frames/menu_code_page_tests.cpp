// The toolkit's menus under a Polish start: this program runs under LANG=pl_PL.UTF-8, so the program's
// ANSI code page is Windows-1250, the one the Polish texts are in. A popup item the bitmap menus draw
// and a menu bar title must show every Polish letter as the system draws the same text in Unicode,
// also when the prefix's menu font names the charset of another code page (a prefix made under
// Windows-1252 keeps ANSI_CHARSET there).
#include "MenuTestSupport.h"

#include "frames/SECMenuBar.h"

BEGIN_MESSAGE_MAP(CMenuTestFrame, SECWorkbook)
    ON_WM_MEASUREITEM()
    ON_WM_DRAWITEM()
    ON_WM_MENUCHAR()
END_MESSAGE_MAP()

namespace {

const UINT ID_POLISH = 30412; // a command without a tool-bar image

// One text with Polish letters, in Windows-1250 and in Unicode, its mnemonic on the third letter.
const char kPolish[] = "Za&\xbf\xf3\xb3\xe6 g\xea\x9cl\xb9 ja\x9f\xf1";
const WCHAR kPolishW[] = L"Za&\x017c\x00f3\x0142\x0107 g\x0119\x015bl\x0105 ja\x017a\x0144";

const int kItemWidth = 200;
const int kItemHeight = 22;

// While it lives, the process's non-client metrics carry a menu font of charset nCharset (not stored
// in the prefix); the metrics as they were come back at its end.
class MenuFontCharset {
public:
    explicit MenuFontCharset(BYTE nCharset)
    {
        m_saved.cbSize = sizeof(m_saved);
        ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(m_saved), &m_saved, 0);
        NONCLIENTMETRICSA ncm = m_saved;
        ncm.lfMenuFont.lfCharSet = nCharset;
        ::SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    }
    ~MenuFontCharset() { ::SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof(m_saved), &m_saved, 0); }

private:
    NONCLIENTMETRICSA m_saved = {};
};

// Draws kPolishW as the system does in Unicode on canvas, filled with clrBack first: in the metrics'
// menu font, in clrText, single line, vertically centred in rect. Returns its width.
int DrawUnicode(DibCanvas& canvas, const CRect& rect, COLORREF clrBack, COLORREF clrText)
{
    canvas.dc.FillSolidRect(CRect(0, 0, canvas.Width(), canvas.Height()), clrBack);
    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = sizeof(ncm);
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    HFONT hFont = ::CreateFontIndirectA(&ncm.lfMenuFont);
    HGDIOBJ hOld = ::SelectObject(canvas.dc.m_hDC, hFont);
    ::SetBkMode(canvas.dc.m_hDC, TRANSPARENT);
    ::SetTextColor(canvas.dc.m_hDC, clrText);
    RECT r = rect;
    ::DrawTextW(canvas.dc.m_hDC, kPolishW, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    RECT measured = {0, 0, 0, 0};
    ::DrawTextW(canvas.dc.m_hDC, kPolishW, -1, &measured, DT_SINGLELINE | DT_CALCRECT);
    ::SelectObject(canvas.dc.m_hDC, hOld);
    ::DeleteObject(hFont);
    return measured.right - measured.left;
}

// The points of rect where the two canvases differ, "x,y" each, for a failure's message.
std::string Differences(const DibCanvas& drawn, const DibCanvas& expected, const CRect& rect)
{
    std::string points;
    for (int y = rect.top; y < rect.bottom; y++)
        for (int x = rect.left; x < rect.right; x++)
            if (drawn.At(x, y) != expected.At(x, y))
                points += " " + std::to_string(x) + "," + std::to_string(y);
    return points;
}

class MenuCodePageTest : public MdiFrameTest {
protected:
    void SetUp() override
    {
        ASSERT_EQ(::GetACP(), 1250u) << "the program's code page: this test runs under LANG=pl_PL.UTF-8";
        MdiFrameTest::SetUp();
    }
};

TEST_F(MenuCodePageTest, APopupItemShowsEveryPolishLetterAsTheSystemDrawsItInUnicode)
{
    MenuFontCharset western(ANSI_CHARSET);
    CMenuTestFrame* pFrame = LoadMainFrame<CMenuTestFrame>(nullptr, IDR_MENU_MAIN);
    ASSERT_NE(pFrame, nullptr);
    ASSERT_TRUE(pFrame->SetMenuBitmapsFromToolBar(IDR_APP_TOOLBAR));
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, ID_POLISH, kPolish);
    pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu), 0);
    const MenuItem item = ReadMenuItem(hMenu, 0);
    ASSERT_TRUE(item.fType & MFT_OWNERDRAW);

    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    mis.itemID = item.wID;
    mis.itemData = item.dwItemData;
    pFrame->SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
    DibCanvas drawn(kItemWidth, kItemHeight);
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_MENU;
    dis.itemID = item.wID;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.hwndItem = reinterpret_cast<HWND>(hMenu);
    dis.hDC = drawn.dc.m_hDC;
    dis.rcItem = CRect(0, 0, kItemWidth, kItemHeight);
    dis.itemData = item.dwItemData;
    pFrame->SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));

    // the text from one pixel into the text area (after the 20-pixel image column and the strip) to
    // 23 pixels before the item's end
    const CRect rectTextArea(1 + 20 + 1, 0, kItemWidth, kItemHeight);
    DibCanvas expected(kItemWidth, kItemHeight);
    const int nWidth = DrawUnicode(expected, CRect(rectTextArea.left + 1, 0, kItemWidth - 23, kItemHeight),
                                   ::GetSysColor(COLOR_MENU), ::GetSysColor(COLOR_MENUTEXT));
    EXPECT_EQ(Differences(drawn, expected, rectTextArea), "");
    EXPECT_EQ(int(mis.itemWidth), nWidth + 16 + 30) << "measured as drawn";
    ::DestroyMenu(hMenu);
}

TEST_F(MenuCodePageTest, AMenuBarTitleShowsThemToo)
{
    MenuFontCharset western(ANSI_CHARSET);
    SECMenuBar bar;
    ASSERT_NE(bar.GetBtnFont(), nullptr);
    const CRect rect(2, 0, kItemWidth, kItemHeight);
    DibCanvas drawn(kItemWidth, kItemHeight);
    drawn.dc.FillSolidRect(CRect(0, 0, kItemWidth, kItemHeight), RGB(255, 255, 255));
    HGDIOBJ hOld = ::SelectObject(drawn.dc.m_hDC, bar.GetBtnFont());
    ::SetBkMode(drawn.dc.m_hDC, TRANSPARENT);
    ::SetTextColor(drawn.dc.m_hDC, RGB(0, 0, 0));
    RECT r = rect;
    ::DrawTextA(drawn.dc.m_hDC, kPolish, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    ::SelectObject(drawn.dc.m_hDC, hOld);
    DibCanvas expected(kItemWidth, kItemHeight);
    DrawUnicode(expected, rect, RGB(255, 255, 255), RGB(0, 0, 0));
    EXPECT_EQ(Differences(drawn, expected, CRect(0, 0, kItemWidth, kItemHeight)), "");
}

} // namespace

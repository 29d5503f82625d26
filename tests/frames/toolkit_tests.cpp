// The toolkit's start-up: its border widths, colours, cursor and registered messages.
#include "ToolkitTestSupport.h"

namespace {

TEST(ToolkitStartTest, RecordsTheDrawingValuesAndRegistersTheMessages)
{
    SECStartToolkit();
    const SECDrawValues& v = SECGetDrawValues();
    // this system is version 6.1: the "version 4 or later" widths
    EXPECT_TRUE(v.bWin4);
    EXPECT_EQ(v.cxBorder2, 2);
    EXPECT_EQ(v.cyBorder2, 2);
    const struct {
        COLORREF clr;
        int nIndex;
    } colors[] = {
        {v.clrBtnFace, COLOR_BTNFACE},       {v.clrBtnShadow, COLOR_BTNSHADOW},
        {v.clrBtnHilite, COLOR_BTNHIGHLIGHT}, {v.clrWindowFrame, COLOR_WINDOWFRAME},
        {v.clr3DLight, COLOR_3DLIGHT},       {v.clr3DDkShadow, COLOR_3DDKSHADOW},
        {v.clrWindowText, COLOR_WINDOWTEXT}, {v.clrWindow, COLOR_WINDOW},
        {v.clrHighlight, COLOR_HIGHLIGHT},   {v.clrHighlightText, COLOR_HIGHLIGHTTEXT},
    };
    for (const auto& c : colors)
        EXPECT_EQ(c.clr, ::GetSysColor(c.nIndex)) << c.nIndex;
    EXPECT_EQ(v.hcurArrow, ::LoadCursorA(nullptr, IDC_ARROW));

    const struct {
        UINT nMessage;
        const char* pszName;
    } messages[] = {
        {g_nMsgNoDelayHide, "WM_NODELAYHIDE"},
        {g_nMsgSecGetMenu, "WM_SECGETMENU"},
        {g_nMsgSecMenuProd, "WM_SEC_MENUPROD"},
        {g_nMsgBarNotify, "WM_BARNOTIFY"},
        {g_nMsgToolBarStyleChanging, "WM_TOOLBARSTYLECHANGING"},
    };
    for (const auto& m : messages) {
        EXPECT_GE(m.nMessage, 0xC000u) << m.pszName;
        EXPECT_EQ(m.nMessage, ::RegisterWindowMessageA(m.pszName)) << m.pszName;
    }
}

} // namespace

// The toolkit's start-up and its process-wide drawing values.
//
// SECStartToolkit is called once by the program (and by each test program) before any toolkit window
// is made. It records whether the system is version 4 or later (then both toolkit border widths are 2,
// else 1; GetVersion answers 6.1 under this Wine), reads the system colours the toolkit draws with,
// loads the arrow cursor, sets the size that new sizable bars start with and registers the toolkit's
// window messages by name, so that message tables can name them with ON_REGISTERED_MESSAGE. Calling
// it again does no harm.
//
// The colours are copies: toolkit windows call SECRefreshSysColors from their WM_SYSCOLORCHANGE
// handlers (top-level frames pass that message on to every descendant), so that what they draw follows
// a change of the system's colour scheme. Until the start-up the values are zero.
//
// Not kept: the two icon handles that the start-up clears have no user in this program.
#pragma once

#include <windows.h>

struct SECDrawValues {
    BOOL bWin4 = FALSE;  // the system is version 4 or later
    int cxBorder2 = 0;   // toolkit border widths: 2 on version 4 and later, else 1
    int cyBorder2 = 0;
    COLORREF clrBtnFace = 0;      // COLOR_BTNFACE
    COLORREF clrBtnShadow = 0;    // COLOR_BTNSHADOW
    COLORREF clrBtnHilite = 0;    // COLOR_BTNHIGHLIGHT
    COLORREF clrWindowFrame = 0;  // COLOR_WINDOWFRAME
    COLORREF clr3DLight = 0;      // COLOR_3DLIGHT
    COLORREF clr3DDkShadow = 0;   // COLOR_3DDKSHADOW
    COLORREF clrWindowText = 0;   // COLOR_WINDOWTEXT
    COLORREF clrWindow = 0;       // COLOR_WINDOW
    COLORREF clrHighlight = 0;    // COLOR_HIGHLIGHT
    COLORREF clrHighlightText = 0; // COLOR_HIGHLIGHTTEXT
    HCURSOR hcurArrow = nullptr;  // the system's arrow cursor
    int cxDefaultBar = 0;         // the most recently used sizes a sizable bar starts with: 300
    int cyDefaultBar = 0;         // by 180
};

// The process-wide drawing values (see the top of this file).
const SECDrawValues& SECGetDrawValues();

// The toolkit's start-up (see the top of this file).
void SECStartToolkit();

// Reads the ten system colours of the drawing values again.
void SECRefreshSysColors();

// The mnemonic of a menu or button text: the character after its first '&', upper-cased; 0 when the
// text has no '&' or it ends the text. lpszText may be null (0).
char SECMnemonicOf(LPCSTR lpszText);
// The character nChar (its low byte) upper-cased as menus compare mnemonics.
char SECUpperChar(UINT nChar);

// The non-client metrics' menu font, with weight lWeight when it is not 0, as the toolkit's menus
// draw their 8-bit texts: in the program's ANSI code page, the one those texts are in. The charset the
// metrics carry is the one of the code page the Wine prefix was made under, which another start may
// not share (a prefix made under Windows-1252 and a Polish start under Windows-1250 would draw "ń" as
// "ñ"), so the font asks for the default charset instead, which the system takes from the code page.
LOGFONTA SECMenuLogFont(LONG lWeight = 0);

// The toolkit's registered window messages (0 until the start-up registered them):
extern UINT g_nMsgNoDelayHide;         // "WM_NODELAYHIDE": a floating bar hides itself at once
extern UINT g_nMsgSecGetMenu;          // "WM_SECGETMENU": the frame answers a popup of a menu resource
extern UINT g_nMsgSecMenuProd;         // "WM_SEC_MENUPROD": the menu bar moves to the next menu
extern UINT g_nMsgBarNotify;           // "WM_BARNOTIFY": a tool bar was shown, hidden, made or destroyed
extern UINT g_nMsgToolBarStyleChanging; // "WM_TOOLBARSTYLECHANGING": a customise page changed a style

// Process-wide switches of the docking layout:
// - g_bSECNoRedraw (TRUE at start): the toolkit's deferred moves of bars and their children skip
//   redrawing (the dock bars repaint what changed afterwards). A dock bar's layout sets it to whether
//   its rows changed while it runs.
// - g_bSECWorkbookTabs (FALSE at start): the workbook frame shows its tab strip; its top dock bar is then
//   a toolkit border thicker and its left dock bar a toolkit border wider.
// - g_bSECBarListMenu (FALSE; nothing in the program turns it on): a dock bar's context menu lists the
//   frame's bars to show and hide.
extern BOOL g_bSECNoRedraw;
extern BOOL g_bSECWorkbookTabs;
extern BOOL g_bSECBarListMenu;

#include "frames/SECToolkit.h"

#include <cstring>

UINT g_nMsgNoDelayHide = 0;
UINT g_nMsgSecGetMenu = 0;
UINT g_nMsgSecMenuProd = 0;
UINT g_nMsgBarNotify = 0;
UINT g_nMsgToolBarStyleChanging = 0;

BOOL g_bSECNoRedraw = TRUE;
BOOL g_bSECWorkbookTabs = FALSE;
BOOL g_bSECBarListMenu = FALSE;

namespace {

SECDrawValues& Values()
{
    static SECDrawValues values;
    return values;
}

} // namespace

const SECDrawValues& SECGetDrawValues()
{
    return Values();
}

void SECRefreshSysColors()
{
    SECDrawValues& v = Values();
    v.clrBtnFace = ::GetSysColor(COLOR_BTNFACE);
    v.clrBtnShadow = ::GetSysColor(COLOR_BTNSHADOW);
    v.clrBtnHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    v.clrWindowFrame = ::GetSysColor(COLOR_WINDOWFRAME);
    v.clr3DLight = ::GetSysColor(COLOR_3DLIGHT);
    v.clr3DDkShadow = ::GetSysColor(COLOR_3DDKSHADOW);
    v.clrWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    v.clrWindow = ::GetSysColor(COLOR_WINDOW);
    v.clrHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    v.clrHighlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
}

char SECMnemonicOf(LPCSTR lpszText)
{
    const char* pAmp = lpszText != nullptr ? strchr(lpszText, '&') : nullptr;
    if (pAmp == nullptr || pAmp[1] == '\0')
        return 0;
    return SECUpperChar(BYTE(pAmp[1]));
}

char SECUpperChar(UINT nChar)
{
    // CharUpperA takes a single character in the low word of its argument
    const UINT_PTR nUpper = reinterpret_cast<UINT_PTR>(::CharUpperA(reinterpret_cast<LPSTR>(UINT_PTR(BYTE(nChar)))));
    return char(BYTE(nUpper));
}

LOGFONTA SECMenuLogFont(LONG lWeight)
{
    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = sizeof(ncm);
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    ncm.lfMenuFont.lfCharSet = DEFAULT_CHARSET;
    if (lWeight != 0)
        ncm.lfMenuFont.lfWeight = lWeight;
    return ncm.lfMenuFont;
}

void SECStartToolkit()
{
    SECDrawValues& v = Values();
    v.bWin4 = LOBYTE(LOWORD(::GetVersion())) >= 4;
    v.cxBorder2 = v.cyBorder2 = v.bWin4 ? 2 : 1;
    SECRefreshSysColors();
    v.hcurArrow = ::LoadCursorA(nullptr, IDC_ARROW);
    v.cxDefaultBar = 300;
    v.cyDefaultBar = 180;

    g_nMsgNoDelayHide = ::RegisterWindowMessageA("WM_NODELAYHIDE");
    g_nMsgSecGetMenu = ::RegisterWindowMessageA("WM_SECGETMENU");
    g_nMsgSecMenuProd = ::RegisterWindowMessageA("WM_SEC_MENUPROD");
    g_nMsgBarNotify = ::RegisterWindowMessageA("WM_BARNOTIFY");
    g_nMsgToolBarStyleChanging = ::RegisterWindowMessageA("WM_TOOLBARSTYLECHANGING");
}

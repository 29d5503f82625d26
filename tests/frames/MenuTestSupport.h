// Helpers of the bitmap-menu and menu-bar tests: a workbook frame with bitmap menus, loaded from the menu
// tests' resources (IDR_MENU_MAIN) by the docking frame tests' fixture, which records the menu messages
// that reach its own handling.
#pragma once

#include "MdiTestSupport.h"
#include "ToolkitTestSupport.h"

#include "frames/SECBmpMenuPlugIn.h"
#include "frames/SECWorkbook.h"

#include "menu_test_resources.h"

#include <string>
#include <vector>

// The application's kind of main frame: a workbook with bitmap menus. Records the owner-draw and menu
// messages its own handling gets (after the plug-in let them through).
class CMenuTestFrame : public SECWorkbook {
    DECLARE_MESSAGE_MAP()
public:
    CMenuTestFrame() { EnableBitmapMenus(TRUE, TRUE); }

    SECBmpMenuPlugIn* BmpMenus() const { return dynamic_cast<SECBmpMenuPlugIn*>(GetFramePlugIn()); }

    std::vector<UINT> reached; // WM_MEASUREITEM, WM_DRAWITEM, WM_MENUCHAR as the frame got them

protected:
    afx_msg void OnMeasureItem(int, LPMEASUREITEMSTRUCT) { reached.push_back(WM_MEASUREITEM); }
    afx_msg void OnDrawItem(int, LPDRAWITEMSTRUCT) { reached.push_back(WM_DRAWITEM); }
    afx_msg LRESULT OnMenuChar(UINT, UINT, CMenu*)
    {
        reached.push_back(WM_MENUCHAR);
        return 0;
    }
};

// The item of hMenu at nPos as GetMenuItemInfo reads it (type, id, data and text).
struct MenuItem {
    UINT fType = 0;
    UINT wID = 0;
    ULONG_PTR dwItemData = 0;
    std::string text;
};
inline MenuItem ReadMenuItem(HMENU hMenu, UINT nPos)
{
    char szText[256] = "";
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_STRING;
    mii.dwTypeData = szText;
    mii.cch = sizeof(szText);
    ::GetMenuItemInfoA(hMenu, nPos, TRUE, &mii);
    MenuItem item;
    item.fType = mii.fType;
    item.wID = mii.wID;
    item.dwItemData = mii.dwItemData;
    item.text = (mii.fType & MFT_OWNERDRAW) ? "" : szText;
    return item;
}

// The menu font of the non-client metrics, made for a test (with another weight or height when given).
inline HFONT CreateMenuFont(LONG lWeight = FW_NORMAL, LONG lHeight = 0)
{
    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = sizeof(ncm);
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    if (lWeight != FW_NORMAL)
        ncm.lfMenuFont.lfWeight = lWeight;
    if (lHeight != 0)
        ncm.lfMenuFont.lfHeight = lHeight;
    return ::CreateFontIndirectA(&ncm.lfMenuFont);
}

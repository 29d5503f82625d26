// SECBmpMenuPlugIn: popup items made owner-drawn, measured and drawn with the tool bar's images, their
// mnemonics, the clean-up of forgotten menus and the radio dot.
// the system's own bitmaps (OBM_CHECK, OBM_MNARROW)
#define OEMRESOURCE
#include <algorithm>

#include "frames/SECBmpMenuPlugIn.h"

#include "frames/SECBmpMgr.h"
#include "frames/SECBtnDrawContext.h"
#include "frames/SECMaskBlt.h"
#include "frames/SECSysColorBitmap.h"
#include "frames/SECToolkit.h"
#include "frames/SECToolkitRes.h"
#include "win/AfxRes.h"
#include "win/ArgCheck.h"
#include "win/CMenu.h"
#include "win/CWindowDC.h"

IMPLEMENT_DYNAMIC(SECBmpMenuItemInfo, CObject)
IMPLEMENT_DYNAMIC(SECBmpMenuPlugIn, SECWndPlugIn)

BEGIN_MESSAGE_MAP(SECBmpMenuPlugIn, SECWndPlugIn)
    ON_WM_MEASUREITEM()
    ON_WM_DRAWITEM()
    ON_WM_MENUCHAR()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_WM_SETTINGCHANGE()
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

namespace {

// The system commands, which stay plain.
const UINT kFirstSysCommand = 0xF000;
const UINT kLastSysCommand = 0xFEFF;

// Room around the image and the text of an item.
const int kColumnExtra = 4;     // the image column and its box: the image size + 4
const int kMeasureExtra = 30;   // an item: text width + small image width + 30
const int kTextRightMargin = 23;

// The colours the plug-in draws with: copies of the system's, read again on a colour change.
struct MenuColors {
    COLORREF clrBtnFace;
    COLORREF clrBtnHilite;
    COLORREF clrBtnShadow;
    COLORREF clrHighlight;
    COLORREF clrMenu;
    COLORREF clrGrayText;
    COLORREF clrHighlightText;
    COLORREF clrMenuText;
};

MenuColors g_colors;

void RefreshMenuColors()
{
    g_colors.clrBtnFace = ::GetSysColor(COLOR_BTNFACE);
    g_colors.clrBtnHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    g_colors.clrBtnShadow = ::GetSysColor(COLOR_BTNSHADOW);
    g_colors.clrHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    g_colors.clrMenu = ::GetSysColor(COLOR_MENU);
    g_colors.clrGrayText = ::GetSysColor(COLOR_GRAYTEXT);
    g_colors.clrHighlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    g_colors.clrMenuText = ::GetSysColor(COLOR_MENUTEXT);
}

// The radio dot: 15 rows of 16 pixels, white, with the dot's rows 5 to 9.
HBITMAP MakeRadioDot()
{
    const WORD dot[5] = {6, 15, 15, 15, 6};
    BYTE bits[15 * 2];
    for (int y = 0; y < 15; y++) {
        const WORD row = y >= 5 && y < 10 ? WORD(~(dot[y - 5] << 6)) : WORD(0xFFFF);
        bits[y * 2] = BYTE(row >> 8); // the leftmost pixel is the first byte's high bit
        bits[y * 2 + 1] = BYTE(row & 0xFF);
    }
    HBITMAP hBitmap = ::CreateBitmap(16, 15, 1, 1, bits);
    return hBitmap != nullptr ? hBitmap : ::LoadBitmapA(nullptr, MAKEINTRESOURCEA(OBM_MNARROW));
}

// The item's text and flags as GetMenuItemInfo reads them with a 256-byte text buffer.
struct ItemRead {
    MENUITEMINFOA mii;
    char szText[256];
};

BOOL ReadItem(HMENU hMenu, UINT nPos, ItemRead& item, UINT fMask)
{
    item.mii = MENUITEMINFOA();
    item.mii.cbSize = sizeof(MENUITEMINFOA);
    item.mii.fMask = fMask;
    item.szText[0] = '\0';
    if (fMask & MIIM_STRING) {
        item.mii.dwTypeData = item.szText;
        item.mii.cch = sizeof(item.szText);
    }
    return ::GetMenuItemInfoA(hMenu, nPos, TRUE, &item.mii);
}

// Sets the item's type (and with lpszText its text) and its data.
void WriteItem(HMENU hMenu, UINT nPos, UINT fType, LPCSTR lpszText, ULONG_PTR dwData)
{
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof(MENUITEMINFOA);
    mii.fMask = MIIM_FTYPE | MIIM_DATA | (lpszText != nullptr ? MIIM_STRING : 0);
    mii.fType = fType;
    mii.dwTypeData = const_cast<LPSTR>(lpszText);
    mii.dwItemData = dwData;
    ::SetMenuItemInfoA(hMenu, nPos, TRUE, &mii);
}

// Draws hBitmap centred in rect of dc: a monochrome one in clrFore on clrBack.
void DrawCentredBitmap(CDC& dc, const CRect& rect, HBITMAP hBitmap, COLORREF clrFore, COLORREF clrBack)
{
    BITMAP bm = {};
    if (hBitmap == nullptr || ::GetObjectA(hBitmap, sizeof(bm), &bm) == 0)
        return;
    CDC dcBitmap;
    if (!dcBitmap.CreateCompatibleDC(&dc))
        return;
    HGDIOBJ hOld = ::SelectObject(dcBitmap.m_hDC, hBitmap);
    const COLORREF clrOldText = dc.SetTextColor(clrFore);
    const COLORREF clrOldBk = dc.SetBkColor(clrBack);
    dc.BitBlt(rect.left + (rect.Width() - bm.bmWidth) / 2, rect.top + (rect.Height() - bm.bmHeight) / 2, bm.bmWidth,
              bm.bmHeight, &dcBitmap, 0, 0, SRCCOPY);
    dc.SetTextColor(clrOldText);
    dc.SetBkColor(clrOldBk);
    ::SelectObject(dcBitmap.m_hDC, hOld);
}

} // namespace

SECBmpMenuItemInfo::SECBmpMenuItemInfo(UINT nID, LPCSTR lpszText)
    : m_nID(nID), m_strText(lpszText), m_cMnemonic(SECMnemonicOf(lpszText))
{
}

// ---- construction --------------------------------------------------------------------------------------

SECBmpMenuPlugIn::SECBmpMenuPlugIn(BOOL bCheckMark)
    : m_bCheckMark(bCheckMark), m_pBmpMgr(new SECBmpMgr), m_hRadioDot(nullptr)
{
    m_pBmpMgr->SetKeepBoth(TRUE);
    RefreshMenuColors();
    if (m_bCheckMark) {
        m_hRadioDot = MakeRadioDot();
        AfxSetRadioDotBitmap(m_hRadioDot);
    }
}

SECBmpMenuPlugIn::~SECBmpMenuPlugIn()
{
    // the menus live on: their items show their own texts again
    ForEachDrawnItem([](HMENU hMenu, UINT nPos, UINT fType, SECBmpMenuItemInfo* pInfo) {
        WriteItem(hMenu, nPos, fType & ~UINT(MFT_OWNERDRAW), pInfo->m_strText, 0);
    });
    m_menus.clear();
    m_pBmpMgr->Release();
    if (m_hRadioDot != nullptr) {
        if (AfxGetRadioDotBitmap() == m_hRadioDot)
            AfxSetRadioDotBitmap(nullptr);
        ::DeleteObject(m_hRadioDot);
    }
}

BOOL SECBmpMenuPlugIn::LoadToolBarImages(LPCSTR lpszResource)
{
    return m_pBmpMgr->LoadToolBarResource(lpszResource, nullptr, TRUE);
}

BOOL SECBmpMenuPlugIn::LoadToolBarImages(UINT nIDResource)
{
    return LoadToolBarImages(MAKEINTRESOURCEA(nIDResource));
}

void SECBmpMenuPlugIn::ExcludeCommand(UINT nID)
{
    m_excluded.insert(nID);
}

void SECBmpMenuPlugIn::SetBmpMgr(SECBmpMgr* pBmpMgr)
{
    AfxRequirePointer(pBmpMgr, "SECBmpMenuPlugIn::SetBmpMgr", "pBmpMgr");
    pBmpMgr->AddRef();
    m_pBmpMgr->Release();
    m_pBmpMgr = pBmpMgr;
    m_pBmpMgr->SetKeepBoth(TRUE);
}

BOOL SECBmpMenuPlugIn::IsSysMenuPopup() const
{
    return FALSE;
}

SECBtnDrawContext& SECBmpMenuPlugIn::GetDrawContext()
{
    if (!m_pDrawContext)
        m_pDrawContext.reset(new SECBtnDrawContext);
    return *m_pDrawContext;
}

// ---- the plug-in's menus ---------------------------------------------------------------------------------

void SECBmpMenuPlugIn::InitMenuPopup(HMENU hPopup, UINT nIndex, BOOL bSysMenu)
{
    (void)nIndex;
    if (bSysMenu || !::IsMenu(hPopup))
        return;
    InfoList& infos = m_menus[hPopup];
    const int nCount = ::GetMenuItemCount(hPopup);
    for (int nPos = 0; nPos < nCount; nPos++) {
        ItemRead item;
        if (!ReadItem(hPopup, UINT(nPos), item, MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_STRING))
            continue;
        const UINT nID = item.mii.hSubMenu != nullptr ? 0 : item.mii.wID;
        if (IsExcluded(nID))
            continue;
        if ((item.mii.fType & (MFT_BITMAP | MFT_OWNERDRAW | MFT_SEPARATOR)) == 0) {
            if (nID >= kFirstSysCommand && nID <= kLastSysCommand)
                continue;
            infos.emplace_back(new SECBmpMenuItemInfo(nID, item.szText));
            WriteItem(hPopup, UINT(nPos), item.mii.fType | MFT_OWNERDRAW, nullptr,
                      reinterpret_cast<ULONG_PTR>(infos.back().get()));
        } else if (item.mii.fType & MFT_OWNERDRAW) {
            const bool bOurs = std::any_of(infos.begin(), infos.end(), [&](const std::unique_ptr<SECBmpMenuItemInfo>& p) {
                return reinterpret_cast<ULONG_PTR>(p.get()) == item.mii.dwItemData;
            });
            if (!bOurs)
                ExcludeCommand(nID);
        }
    }
}

SECBmpMenuItemInfo* SECBmpMenuPlugIn::FindInfo(ULONG_PTR pData) const
{
    for (const auto& entry : m_menus)
        for (const auto& pInfo : entry.second)
            if (reinterpret_cast<ULONG_PTR>(pInfo.get()) == pData)
                return pInfo.get();
    return nullptr;
}

template <class Fn>
void SECBmpMenuPlugIn::ForEachDrawnItem(Fn fn)
{
    for (auto& entry : m_menus) {
        const HMENU hMenu = entry.first;
        if (!::IsMenu(hMenu))
            continue;
        const int nCount = ::GetMenuItemCount(hMenu);
        for (int nPos = 0; nPos < nCount; nPos++) {
            ItemRead item;
            if (!ReadItem(hMenu, UINT(nPos), item, MIIM_FTYPE | MIIM_DATA) || !(item.mii.fType & MFT_OWNERDRAW))
                continue;
            for (const auto& pInfo : entry.second)
                if (reinterpret_cast<ULONG_PTR>(pInfo.get()) == item.mii.dwItemData)
                    fn(hMenu, UINT(nPos), item.mii.fType, pInfo.get());
        }
    }
}

void SECBmpMenuPlugIn::CleanUpMenus()
{
    std::set<const SECBmpMenuItemInfo*> carried;
    ForEachDrawnItem([&carried](HMENU, UINT, UINT, SECBmpMenuItemInfo* pInfo) { carried.insert(pInfo); });
    for (auto it = m_menus.begin(); it != m_menus.end();) {
        if (!::IsMenu(it->first)) {
            it = m_menus.erase(it);
            continue;
        }
        InfoList& infos = it->second;
        infos.erase(std::remove_if(infos.begin(), infos.end(),
                                   [&carried](const std::unique_ptr<SECBmpMenuItemInfo>& p) {
                                       return carried.count(p.get()) == 0;
                                   }),
                    infos.end());
        ++it;
    }
}

// ---- fonts and images ------------------------------------------------------------------------------------

HFONT SECBmpMenuPlugIn::MakeNormalFont()
{
    if (m_fontNormal.m_hObject == nullptr) {
        const LOGFONTA lf = SECMenuLogFont();
        m_fontNormal.CreateFontIndirect(&lf);
    }
    return m_fontNormal;
}

HFONT SECBmpMenuPlugIn::MakeBoldFont()
{
    if (m_fontBold.m_hObject == nullptr) {
        const LOGFONTA lf = SECMenuLogFont(FW_BOLD);
        m_fontBold.CreateFontIndirect(&lf);
    }
    return m_fontBold;
}

void SECBmpMenuPlugIn::MakeMask(CDC& dcImage, CPoint ptSrc, CDC& dcMask, const CRect& rectMask)
{
    SECMakeFaceMask(dcImage, ptSrc, dcMask, rectMask, TRUE);
}

void SECBmpMenuPlugIn::DrawCheckedImage(SECBtnDrawContext& ctx, const CRect& rectImage)
{
    SECPaintThroughMask(ctx.m_dcColor, rectImage.left, rectImage.top, rectImage.Width(), rectImage.Height(),
                        ctx.m_dcMask, rectImage.left, rectImage.top, ctx.m_brDither, SEC_ROP_DSPDxax);
}

void SECBmpMenuPlugIn::DrawDisabledImage(SECBtnDrawContext& ctx, const CRect& rectImage)
{
    CBrush brHilite(g_colors.clrBtnHilite);
    CBrush brShadow(g_colors.clrBtnShadow);
    ctx.m_dcColor.FillSolidRect(rectImage, g_colors.clrMenu);
    SECPaintThroughMask(ctx.m_dcColor, rectImage.left + 1, rectImage.top + 1, rectImage.Width(), rectImage.Height(),
                        ctx.m_dcMask, rectImage.left, rectImage.top, brHilite, SEC_ROP_PSDPxax);
    SECPaintThroughMask(ctx.m_dcColor, rectImage.left, rectImage.top, rectImage.Width(), rectImage.Height(),
                        ctx.m_dcMask, rectImage.left, rectImage.top, brShadow, SEC_ROP_PSDPxax);
}

BOOL SECBmpMenuPlugIn::DrawImageColumn(SECBtnDrawContext& ctx, const CRect& rectColumn, HMENU hMenu, UINT nPos,
                                       UINT nState, HBITMAP hImages, int nImage)
{
    CDC& dc = ctx.m_dcColor;
    const BOOL bSelected = (nState & ODS_SELECTED) != 0;
    const BOOL bChecked = (nState & ODS_CHECKED) != 0;
    if (nImage < 0) {
        MENUITEMINFOA mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_CHECKMARKS;
        ::GetMenuItemInfoA(hMenu, nPos, TRUE, &mii);
        HBITMAP hMark = bChecked ? mii.hbmpChecked : mii.hbmpUnchecked;
        HBITMAP hLoaded = nullptr;
        if (hMark == nullptr && bChecked) {
            hLoaded = m_bCheckMark ? SECLoadSysColorBitmap(MAKEINTRESOURCEA(IDB_SEC_CHECKMARK))
                                   : ::LoadBitmapA(nullptr, MAKEINTRESOURCEA(OBM_CHECK));
            hMark = hLoaded;
        }
        if (hMark != nullptr) {
            dc.FillSolidRect(rectColumn, g_colors.clrMenu);
            DrawCentredBitmap(dc, rectColumn, hMark, g_colors.clrMenuText, g_colors.clrMenu);
        } else {
            dc.FillSolidRect(rectColumn, bSelected ? g_colors.clrHighlight : g_colors.clrMenu);
        }
        if (hLoaded != nullptr)
            ::DeleteObject(hLoaded);
        return FALSE;
    }

    const CSize sizeImage = m_pBmpMgr->GetSmallImageSize();
    dc.FillSolidRect(rectColumn, g_colors.clrMenu);
    CRect rectBox(rectColumn.left, 0, rectColumn.right, sizeImage.cy + kColumnExtra);
    rectBox.OffsetRect(0, rectColumn.top + (rectColumn.Height() - rectBox.Height()) / 2);
    if (bChecked)
        ::DrawEdge(dc.m_hDC, &rectBox, BDR_SUNKENOUTER, BF_RECT);
    else if (bSelected && !(nState & ODS_GRAYED))
        ::DrawEdge(dc.m_hDC, &rectBox, BDR_RAISEDINNER, BF_RECT);
    rectBox.DeflateRect(1, 1);
    rectBox.OffsetRect(1, 1);
    const CRect rectImage(rectBox.TopLeft(), sizeImage);

    ctx.SelectImage(hImages);
    const CPoint ptSrc(sizeImage.cx * nImage, 0);
    MakeMask(ctx.m_dcImage, ptSrc, ctx.m_dcMask, rectImage);
    if (nState & ODS_GRAYED) {
        DrawDisabledImage(ctx, rectImage);
    } else {
        dc.BitBlt(rectImage.left, rectImage.top, sizeImage.cx, sizeImage.cy, &ctx.m_dcImage, ptSrc.x, ptSrc.y, SRCCOPY);
        if (bChecked && !bSelected)
            DrawCheckedImage(ctx, rectImage);
    }
    ctx.SelectImage(nullptr);
    return TRUE;
}

// ---- messages --------------------------------------------------------------------------------------------

void SECBmpMenuPlugIn::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    (void)nIDCtl;
    if (lpMeasureItemStruct == nullptr || lpMeasureItemStruct->CtlType != ODT_MENU ||
        IsExcluded(lpMeasureItemStruct->itemID))
        return;
    const SECBmpMenuItemInfo* pInfo = FindInfo(lpMeasureItemStruct->itemData);
    if (pInfo == nullptr)
        return;
    CClientDC dc(nullptr);
    HGDIOBJ hOldFont = ::SelectObject(dc.m_hDC, MakeNormalFont());
    CRect rectText(0, 0, 0, 0);
    dc.DrawText(pInfo->m_strText, rectText, DT_SINGLELINE | DT_CALCRECT);
    ::SelectObject(dc.m_hDC, hOldFont);
    const CSize sizeImage = m_pBmpMgr->GetSmallImageSize();
    lpMeasureItemStruct->itemWidth = UINT(rectText.Width() + sizeImage.cx + kMeasureExtra);
    lpMeasureItemStruct->itemHeight =
        UINT((std::max)({::GetSystemMetrics(SM_CYMENU), int(sizeImage.cy) + kColumnExtra, rectText.Height()}));
    m_bExitDefault = TRUE;
    SetResult(1);
}

void SECBmpMenuPlugIn::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    (void)nIDCtl;
    LPDRAWITEMSTRUCT p = lpDrawItemStruct;
    if (p == nullptr || p->CtlType != ODT_MENU || IsExcluded(p->itemID))
        return;
    const HMENU hMenu = reinterpret_cast<HMENU>(p->hwndItem);
    const SECBmpMenuItemInfo* pInfo = FindInfo(p->itemData);
    if (pInfo == nullptr || !::IsMenu(hMenu))
        return;
    UINT nPos = 0;
    const int nCount = ::GetMenuItemCount(hMenu);
    for (ItemRead item; int(nPos) < nCount; nPos++)
        if (ReadItem(hMenu, nPos, item, MIIM_DATA) && item.mii.dwItemData == p->itemData)
            break;
    if (int(nPos) == nCount)
        return;

    const CRect rectItem(p->rcItem);
    SECBtnDrawContext& ctx = GetDrawContext();
    ctx.PrepareBitmaps((std::max)(1, rectItem.Width()), (std::max)(1, rectItem.Height()));
    CDC& dc = ctx.m_dcColor;
    const UINT nState = p->itemState;
    const BOOL bSelected = (nState & ODS_SELECTED) != 0;
    const BOOL bGrayed = (nState & ODS_GRAYED) != 0;

    HBITMAP hImages = nullptr;
    int nImage = -1;
    if (!m_pBmpMgr->GetImage(pInfo->m_nID, hImages, nImage, TRUE))
        nImage = -1;
    const CSize sizeImage = m_pBmpMgr->GetSmallImageSize();
    const CRect rectColumn(1, 0, 1 + sizeImage.cx + kColumnExtra, rectItem.Height());
    const BOOL bImage = DrawImageColumn(ctx, rectColumn, hMenu, nPos, nState, hImages, nImage);
    dc.FillSolidRect(0, 0, rectColumn.left, rectItem.Height(), bSelected ? g_colors.clrHighlight : g_colors.clrMenu);
    dc.FillSolidRect(rectColumn.right, 0, 1, rectItem.Height(),
                     bSelected && !bImage ? g_colors.clrHighlight : g_colors.clrMenu);
    const CRect rectTextArea(rectColumn.right + 1, 0, rectItem.Width(), rectItem.Height());
    dc.FillSolidRect(rectTextArea, bSelected ? g_colors.clrHighlight : g_colors.clrMenu);

    CString strLabel = pInfo->m_strText;
    CString strAccel;
    const int nTab = strLabel.Find('\t');
    if (nTab >= 0) {
        strAccel = strLabel.Mid(nTab + 1);
        strLabel = strLabel.Left(nTab);
    }
    HGDIOBJ hOldFont = ::SelectObject(dc.m_hDC, (nState & ODS_DEFAULT) ? MakeBoldFont() : MakeNormalFont());
    const int nOldBkMode = dc.SetBkMode(TRANSPARENT);
    CRect rectText(rectTextArea.left + 1, 0, rectItem.Width() - kTextRightMargin, rectItem.Height());
    auto drawTexts = [&](const CRect& rect, COLORREF clr) {
        dc.SetTextColor(clr);
        CRect r = rect;
        dc.DrawText(strLabel, r, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        r = rect;
        dc.DrawText(strAccel, r, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    };
    if (!bGrayed) {
        drawTexts(rectText, bSelected ? g_colors.clrHighlightText : g_colors.clrMenuText);
    } else if (bSelected) {
        drawTexts(rectText, g_colors.clrGrayText != g_colors.clrHighlight ? g_colors.clrGrayText : g_colors.clrMenu);
    } else {
        CRect rectShifted = rectText;
        rectShifted.OffsetRect(1, 1);
        drawTexts(rectShifted, g_colors.clrBtnHilite);
        drawTexts(rectText, g_colors.clrGrayText);
    }
    dc.SetBkMode(nOldBkMode);
    ::SelectObject(dc.m_hDC, hOldFont);

    ::BitBlt(p->hDC, rectItem.left, rectItem.top, rectItem.Width(), rectItem.Height(), dc.m_hDC, 0, 0, SRCCOPY);
    ctx.ReleaseBitmaps();
    m_bExitDefault = TRUE;
    SetResult(TRUE);
}

LRESULT SECBmpMenuPlugIn::OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu)
{
    (void)nFlags;
    m_bExitDefault = TRUE;
    SetResult(0);
    if (pMenu == nullptr || pMenu->m_hMenu == nullptr)
        return 0;
    const char cKey = SECUpperChar(nChar);
    std::vector<int> matches;
    int nHilite = -1;
    const int nCount = ::GetMenuItemCount(pMenu->m_hMenu);
    for (int nPos = 0; nPos < nCount; nPos++) {
        if (::GetMenuState(pMenu->m_hMenu, UINT(nPos), MF_BYPOSITION) & MF_HILITE)
            nHilite = nPos;
        ItemRead item;
        if (!ReadItem(pMenu->m_hMenu, UINT(nPos), item, MIIM_FTYPE | MIIM_DATA) || !(item.mii.fType & MFT_OWNERDRAW))
            continue;
        const SECBmpMenuItemInfo* pInfo = FindInfo(item.mii.dwItemData);
        if (pInfo != nullptr && pInfo->m_cMnemonic != 0 && pInfo->m_cMnemonic == cKey)
            matches.push_back(nPos);
    }
    LRESULT lResult = 0;
    if (matches.size() == 1) {
        lResult = MAKELRESULT(matches[0], MNC_EXECUTE);
    } else if (matches.size() > 1) {
        auto next = std::find_if(matches.begin(), matches.end(), [nHilite](int nPos) { return nPos > nHilite; });
        lResult = MAKELRESULT(next != matches.end() ? *next : matches[0], MNC_SELECT);
    }
    SetResult(lResult);
    return lResult;
}

LRESULT SECBmpMenuPlugIn::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    CleanUpMenus();
    return 0;
}

void SECBmpMenuPlugIn::OnSettingChange(UINT uFlags, LPCSTR lpszSection)
{
    (void)uFlags;
    (void)lpszSection;
    m_fontNormal.DeleteObject();
    m_fontBold.DeleteObject();
    m_pBmpMgr->ReloadAll(TRUE);
    CleanUpMenus();
    // a plain item and back: the system measures the items again with the new metrics
    ForEachDrawnItem([](HMENU hMenu, UINT nPos, UINT fType, SECBmpMenuItemInfo* pInfo) {
        WriteItem(hMenu, nPos, fType & ~UINT(MFT_OWNERDRAW), pInfo->m_strText, 0);
        WriteItem(hMenu, nPos, fType | MFT_OWNERDRAW, nullptr, reinterpret_cast<ULONG_PTR>(pInfo));
    });
}

void SECBmpMenuPlugIn::OnSysColorChange()
{
    RefreshMenuColors();
    m_pDrawContext.reset();
    m_pBmpMgr->ReloadAll(TRUE);
}

// SECMenuBar and SECMDIMenuBar: menu buttons made from menu resources, the menus shown, the menu font,
// and the maximised MDI child's icon and caption boxes.
#include <algorithm>
#include <cstdarg>

#include "frames/SECMenuBar.h"

#include "frames/SECDocTemplateUtils.h"

#include "frames/SECResourceData.h"
#include "frames/SECToolBarManager.h"
#include "frames/SECToolkit.h"
#include "frames/SECToolkitRes.h"
#include "frames/SECWorkbook.h"
#include "win/ArgCheck.h"
#include "win/CMDIFrameWnd.h"
#include "win/WinServices.h"

IMPLEMENT_DYNCREATE(SECMenuBar, SECCustomToolBar)
IMPLEMENT_DYNCREATE(SECMDIMenuBar, SECMenuBar)

BEGIN_MESSAGE_MAP(SECMenuBar, SECCustomToolBar)
    ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(SECMDIMenuBar, SECMenuBar)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

namespace {

// CBRS_HIDE_INPLACE: the bar hides while an in-place object is active.
const DWORD kHideInPlace = 0x0008;

// The style of every menu bar button: never disabled for want of a handler, centred in its row.
const UINT kMenuBtnStyle = SEC_TBBS_NODISABLE | SEC_TBBS_VCENTER;

// The menu font the titles are drawn in (SECMenuLogFont).
void CreateMenuFont(CFont& font)
{
    const LOGFONTA lf = SECMenuLogFont();
    font.DeleteObject();
    font.CreateFontIndirect(&lf);
}

} // namespace

// ---- SECMenuBar ------------------------------------------------------------------------------------------

SECMenuBar::SECMenuBar() : m_nMask(-1), m_nCurrentMenu(0), m_bKeepVisible(FALSE)
{
    CreateMenuFont(m_fontMenu);
    SetBtnFont(m_fontMenu);
}

SECMenuBar::~SECMenuBar() = default;

BOOL SECMenuBar::CreateEx(DWORD dwToolBarStyle, CWnd* pParentWnd, DWORD dwStyle, UINT nID, LPCSTR lpszTitle)
{
    return SECCustomToolBar::CreateEx(dwToolBarStyle | SEC_TBSTYLE_FULLROW, pParentWnd, dwStyle | kHideInPlace, nID,
                                      lpszTitle);
}

BOOL SECMenuBar::SetMenuResources(int nCount, ...)
{
    if (nCount < 0)
        AfxThrowInvalidArgFormat("SECMenuBar::SetMenuResources: count %d is negative", nCount);
    std::vector<UINT> ids;
    va_list args;
    va_start(args, nCount);
    for (int i = 0; i < nCount; i++)
        ids.push_back(va_arg(args, UINT));
    va_end(args);

    RemoveAllButtons();
    m_table.clear();
    m_titles.clear();
    m_menuBits.clear();
    struct Entry {
        UINT nMenu;
        int nPos;
        UINT nBit;
    };
    std::vector<Entry> entries;
    for (UINT nMenu : ids) {
        std::vector<CString> titles;
        if (!SECReadMenuTitles(MAKEINTRESOURCEA(nMenu), titles) || titles.empty())
            continue;
        const UINT nBit = 1u << m_menuBits.size();
        m_menuBits[nMenu] = nBit;
        for (size_t i = 0; i < titles.size(); i++) {
            entries.push_back({nMenu, int(i), nBit});
            m_titles.push_back(titles[i]);
        }
    }
    // the table points into the titles, which no longer move
    for (size_t i = 0; i < entries.size(); i++) {
        const SECBtnClassEntry entry = {RUNTIME_CLASS(SECTBMenuBtn), UINT(i), kMenuBtnStyle,
                                        {entries[i].nMenu, UINT_PTR(INT_PTR(entries[i].nPos)),
                                         reinterpret_cast<UINT_PTR>(m_titles[i].GetString()), entries[i].nBit, 0}};
        m_table.push_back(entry);
    }
    m_table.push_back(SECBtnClassEntry{nullptr, 0, 0, {0, 0, 0, 0, 0}});
    ResetButtons(TRUE);
    return !entries.empty();
}

const SECBtnClassEntry* SECMenuBar::FindClassEntry(UINT nID) const
{
    for (const SECBtnClassEntry& entry : m_table)
        if (entry.pClass != nullptr && entry.nID == nID)
            return &entry;
    return SECCustomToolBar::FindClassEntry(nID);
}

void SECMenuBar::ResetButtons(BOOL bNoRelayout)
{
    std::vector<UINT> ids;
    if (GetManager() == nullptr || m_hWnd == nullptr || !GetManager()->GetDefaultButtons(UINT(GetDlgCtrlID()), ids))
        for (const SECBtnClassEntry& entry : m_table)
            if (entry.pClass != nullptr)
                ids.push_back(entry.nID);
    SetButtons(ids.data(), int(ids.size()));
    ShowMenus(m_nMask, FALSE);
    if (!bNoRelayout)
        Relayout();
}

void SECMenuBar::ShowMenus(int nMask, BOOL bRedraw)
{
    m_nMask = nMask;
    for (int i = 0; i < GetBtnCount(); i++) {
        const SECTBMenuBtn* pBtn = dynamic_cast<const SECTBMenuBtn*>(GetBtn(i));
        if (pBtn == nullptr || pBtn->m_nType != SECStdBtn::BtnMenu)
            continue;
        const BOOL bShown = (pBtn->m_nMenuBit & UINT(nMask)) != 0;
        SetButtonStyle(i, bShown ? pBtn->GetStyle() & ~UINT(TBBS_HIDDEN) : pBtn->GetStyle() | TBBS_HIDDEN);
    }
    if (bRedraw)
        Relayout();
}

BOOL SECMenuBar::SwitchMenu(UINT nIDMenu)
{
    // a bar host has no menu of its own: the application's default menu stands for it
    if (nIDMenu == IDR_SEC_BARHOST && m_menuBits.count(nIDMenu) == 0)
        nIDMenu = SECDocTemplateUtils::GetDefaultMenuID();
    auto it = m_menuBits.find(nIDMenu);
    if (it == m_menuBits.end())
        return FALSE;
    ShowMenus(int(it->second), FALSE);
    m_nCurrentMenu = nIDMenu;
    RelayoutFrame();
    return TRUE;
}

void SECMenuBar::RelayoutFrame()
{
    if (m_hWnd == nullptr)
        return;
    CFrameWnd* pFrame = GetDockingFrame();
    const SECWorkbook* pWorkbook = dynamic_cast<const SECWorkbook*>(GetTopLevelFrame());
    // a workbook lays its tabs out with its bars: not in the middle of a sheet's activation
    if (pFrame != nullptr && pWorkbook != nullptr && pWorkbook->IsWorkbookMode())
        pFrame->DelayRecalcLayout();
    else if (pFrame != nullptr)
        pFrame->RecalcLayout();
    Invalidate();
}

int SECMenuBar::FindMnemonic(char cKey) const
{
    if (cKey == 0)
        return -1;
    for (int i = 0; i < GetBtnCount(); i++) {
        const SECTBMenuBtn* pBtn = dynamic_cast<const SECTBMenuBtn*>(GetBtn(i));
        if (pBtn != nullptr && !pBtn->HasStyle(TBBS_HIDDEN) && pBtn->m_cMnemonic == cKey)
            return i;
    }
    return -1;
}

BOOL SECMenuBar::InsertButton(int nIndex, UINT nID, BOOL bSeparator, BOOL bNoRelayout)
{
    const BOOL bInserted = SECCustomToolBar::InsertButton(nIndex, nID, bSeparator, bNoRelayout);
    ShowMenus(m_nMask, !bNoRelayout);
    return bInserted;
}

void SECMenuBar::SetBarInfoEx(SECControlBarInfo* pInfo, CFrameWnd* pFrame)
{
    SECCustomToolBar::SetBarInfoEx(pInfo, pFrame);
    ShowMenus(m_nMask, FALSE);
}

void SECMenuBar::DelayShow(BOOL bShow)
{
    if (!bShow && m_bKeepVisible) {
        m_bKeepVisible = FALSE;
        return;
    }
    SECCustomToolBar::DelayShow(bShow);
}

void SECMenuBar::OnSettingChange(UINT uFlags, LPCSTR lpszSection)
{
    SECCustomToolBar::OnSettingChange(uFlags, lpszSection);
    CreateMenuFont(m_fontMenu);
    SetBtnFont(m_fontMenu);
    ResizeButtons();
    Relayout();
}

void SECMenuBar::OnBarEndFloat()
{
    SECCustomToolBar::OnBarEndFloat();
    CFrameWnd* pFrame = GetParentFrame();
    if (IsFloating() && pFrame != nullptr && pFrame != GetDockSite())
        pFrame->ModifyStyle(WS_SYSMENU, 0, SWP_FRAMECHANGED);
}

// ---- SECMDIMenuBar ---------------------------------------------------------------------------------------

SECMDIMenuBar::SECMDIMenuBar() : m_dwPressTick(0)
{
    for (SECStdBtn* pBtn : {static_cast<SECStdBtn*>(&m_btnIcon), static_cast<SECStdBtn*>(&m_btnCaption)}) {
        pBtn->m_nID = SEC_ID_MDIBUTTONS;
        pBtn->m_nImage = 0;
        pBtn->SetStyle(kMenuBtnStyle | TBBS_HIDDEN);
        pBtn->Init(this, nullptr);
    }
    PlaceChildButtons();
}

SECMDIMenuBar::~SECMDIMenuBar()
{
    TakeOutChildButtons();
}

void SECMDIMenuBar::TakeOutChildButtons()
{
    m_btns.erase(std::remove_if(m_btns.begin(), m_btns.end(),
                                [this](const SECStdBtn* p) { return p == &m_btnIcon || p == &m_btnCaption; }),
                 m_btns.end());
}

void SECMDIMenuBar::PlaceChildButtons()
{
    const SECStdBtn* pSelected = GetBtn(m_nCustomizeSel);
    TakeOutChildButtons();
    m_btns.insert(m_btns.begin(), &m_btnIcon);
    m_btns.push_back(&m_btnCaption);
    m_nCustomizeSel = GetBtnIndex(pSelected);
    SetLayoutsDirty();
}

void SECMDIMenuBar::RemoveAllButtons()
{
    TakeOutChildButtons();
    SECMenuBar::RemoveAllButtons();
    PlaceChildButtons();
}

BOOL SECMDIMenuBar::RemoveButton(int nIndex, BOOL bNoRelayout)
{
    const SECStdBtn* pBtn = GetBtn(nIndex);
    if (pBtn == &m_btnIcon || pBtn == &m_btnCaption)
        return FALSE;
    return SECMenuBar::RemoveButton(nIndex, bNoRelayout);
}

BOOL SECMDIMenuBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    const BOOL bSet = SECMenuBar::SetButtons(lpIDArray, nIDCount);
    PlaceChildButtons();
    UpdateMDIButtons(FALSE);
    return bSet;
}

void SECMDIMenuBar::GetBarInfoEx(SECControlBarInfo* pInfo)
{
    TakeOutChildButtons();
    SECMenuBar::GetBarInfoEx(pInfo);
    PlaceChildButtons();
}

void SECMDIMenuBar::SetBarInfoEx(SECControlBarInfo* pInfo, CFrameWnd* pFrame)
{
    SECMenuBar::SetBarInfoEx(pInfo, pFrame);
    PlaceChildButtons();
}

void SECMDIMenuBar::OnButtonsDropped(SECStdBtn* pBtn)
{
    PlaceChildButtons();
    SECMenuBar::OnButtonsDropped(pBtn);
}

int SECMDIMenuBar::GetBtnHeight() const
{
    HGDIOBJ hFont = GetBtnFont() != nullptr ? static_cast<HGDIOBJ>(GetBtnFont()) : ::GetStockObject(SYSTEM_FONT);
    LOGFONTA lf = {};
    ::GetObjectA(hFont, sizeof(lf), &lf);
    return int(lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight) + 12;
}

SECStdBtn* SECMDIMenuBar::CreateButton(UINT nID)
{
    SECStdBtn* pBtn = SECMenuBar::CreateButton(nID);
    if (pBtn != nullptr && pBtn->m_nType == SECStdBtn::BtnMenu)
        pBtn->m_cy = GetBtnHeight();
    return pBtn;
}

void SECMDIMenuBar::ResizeButtons()
{
    SECMenuBar::ResizeButtons();
    for (int i = 0; i < GetBtnCount(); i++)
        if (GetBtn(i)->m_nType == SECStdBtn::BtnMenu)
            GetBtn(i)->m_cy = GetBtnHeight();
}

void SECMDIMenuBar::ShowMenus(int nMask, BOOL bRedraw)
{
    SECMenuBar::ShowMenus(nMask, bRedraw);
    UpdateMDIButtons(FALSE);
}

BOOL SECMDIMenuBar::ShowChildButton(SECStdBtn* pBtn, BOOL bShow)
{
    const int nIndex = GetBtnIndex(pBtn);
    const UINT nStyle = bShow ? pBtn->GetStyle() & ~UINT(TBBS_HIDDEN) : pBtn->GetStyle() | TBBS_HIDDEN;
    if (nIndex < 0 || nStyle == pBtn->GetStyle())
        return FALSE;
    SetButtonStyle(nIndex, nStyle);
    return TRUE;
}

BOOL SECMDIMenuBar::UpdateMDIButtons(BOOL bForceHide)
{
    const HWND hChild = SECGetActiveMDIChild(this);
    const DWORD dwStyle = hChild != nullptr ? DWORD(::GetWindowLongA(hChild, GWL_STYLE)) : 0;
    if (bForceHide || hChild == nullptr || !::IsZoomed(hChild) || !(dwStyle & WS_SYSMENU)) {
        const BOOL bIcon = ShowChildButton(&m_btnIcon, FALSE);
        const BOOL bCaption = ShowChildButton(&m_btnCaption, FALSE);
        return bIcon || bCaption;
    }
    BOOL bChanged = ShowChildButton(&m_btnIcon, TRUE);
    HICON hIcon = reinterpret_cast<HICON>(::SendMessageA(hChild, WM_GETICON, ICON_SMALL, 0));
    if (hIcon == nullptr)
        hIcon = reinterpret_cast<HICON>(::SendMessageA(hChild, WM_GETICON, ICON_BIG, 0));
    if (hIcon == nullptr)
        hIcon = reinterpret_cast<HICON>(::GetClassLongPtrA(hChild, GCLP_HICONSM));
    if (hIcon != m_btnIcon.m_hIcon) {
        m_btnIcon.SetIcon(hIcon);
        if (m_hWnd != nullptr)
            m_btnIcon.Invalidate();
        bChanged = TRUE;
    }
    bChanged = ShowChildButton(&m_btnCaption, TRUE) || bChanged;
    const DWORD dwCaption = dwStyle & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    if (dwCaption != m_btnCaption.m_dwCaptionStyle) {
        m_btnCaption.SetCaptionStyle(dwCaption);
        if (m_hWnd != nullptr)
            m_btnCaption.Invalidate();
        bChanged = TRUE;
    }
    return bChanged;
}

void SECMDIMenuBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    const DWORD dwNow = AfxGetServices()->GetTickCount();
    // the second click of a press whose popup is still open would open it again
    if (IsTracking() && m_dwPressTick != 0 && dwNow - m_dwPressTick < ::GetDoubleClickTime())
        return;
    m_dwPressTick = dwNow;
    SECMenuBar::OnLButtonDown(nFlags, point);
    m_dwPressTick = 0;
}

void SECMDIMenuBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    const int nIndex = HitTest(point);
    if (nIndex < 0 || GetBtn(nIndex) != &m_btnIcon) {
        OnLButtonDown(nFlags, point);
        return;
    }
    const HWND hChild = SECGetActiveMDIChild(this);
    const HMENU hSysMenu = hChild != nullptr ? ::GetSystemMenu(hChild, FALSE) : nullptr;
    const UINT nDefault = hSysMenu != nullptr ? ::GetMenuDefaultItem(hSysMenu, FALSE, 0) : UINT(-1);
    if (nDefault != UINT(-1))
        ::SendMessageA(hChild, WM_SYSCOMMAND, nDefault, 0);
    SECControlBar::OnLButtonDown(nFlags, point);
}

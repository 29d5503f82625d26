#include "win/CMenu.h"

#include "win/ArgCheck.h"
#include "win/CGdiObject.h"
#include "win/HandleMap.h"
#include "win/ResourceSource.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

namespace {

CHandleMap<HMENU, CMenu>& MenuMap()
{
    static CHandleMap<HMENU, CMenu> map;
    return map;
}

LPCSTR BitmapItem(const CBitmap* pBmp, const char* lpszWhere)
{
    AfxRequirePointer(pBmp, lpszWhere, "the bitmap");
    return reinterpret_cast<LPCSTR>(pBmp->m_hObject);
}

HBITMAP BitmapHandle(const CBitmap* pBmp)
{
    return pBmp != nullptr ? static_cast<HBITMAP>(pBmp->m_hObject) : nullptr;
}

} // namespace

CMenu::CMenu() : m_hMenu(nullptr) {}

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    if (hMenu == nullptr)
        return nullptr;
    CHandleMap<HMENU, CMenu>& map = MenuMap();
    CMenu* pMenu = map.LookupPermanent(hMenu);
    if (pMenu == nullptr)
        pMenu = map.LookupTemporary(hMenu);
    if (pMenu == nullptr) {
        pMenu = new CMenu;
        pMenu->m_hMenu = hMenu;
        map.AddTemporary(hMenu, pMenu);
    }
    return pMenu;
}

void CMenu::DeleteTempMap()
{
    MenuMap().DeleteTemps([](CMenu* pMenu) { pMenu->m_hMenu = nullptr; });
}

size_t CMenu::GetTempCount()
{
    return MenuMap().GetTemporaryCount();
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (m_hMenu != nullptr)
        AfxThrowInvalidArgFormat("CMenu::Attach: the object already holds menu %p; destroy or detach it first",
                                 m_hMenu);
    if (hMenu == nullptr)
        return FALSE;
    m_hMenu = hMenu;
    MenuMap().SetPermanent(hMenu, this);
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    if (hMenu != nullptr)
        MenuMap().Remove(hMenu, this);
    m_hMenu = nullptr;
    return hMenu;
}

BOOL CMenu::CreateMenu()
{
    if (m_hMenu != nullptr)
        AfxThrowInvalidArgFormat("CMenu::CreateMenu: the object already holds menu %p", m_hMenu);
    return Attach(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu()
{
    if (m_hMenu != nullptr)
        AfxThrowInvalidArgFormat("CMenu::CreatePopupMenu: the object already holds menu %p", m_hMenu);
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(LPCSTR lpszResourceName)
{
    if (m_hMenu != nullptr)
        AfxThrowInvalidArgFormat("CMenu::LoadMenu: the object already holds menu %p", m_hMenu);
    AfxRequirePointer(lpszResourceName, "CMenu::LoadMenu", "the resource name");
    HINSTANCE hInst = AfxFindResourceHandleForLoad();
    HMENU hMenu = ::LoadMenuA(hInst, lpszResourceName);
    if (hMenu == nullptr && hInst != AfxGetProgramModule())
        hMenu = ::LoadMenuA(AfxGetProgramModule(), lpszResourceName);
    return Attach(hMenu);
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    return LoadMenu(MAKEINTRESOURCEA(nIDResource));
}

BOOL CMenu::LoadMenuIndirect(const void* lpMenuTemplate)
{
    if (m_hMenu != nullptr)
        AfxThrowInvalidArgFormat("CMenu::LoadMenuIndirect: the object already holds menu %p", m_hMenu);
    AfxRequirePointer(lpMenuTemplate, "CMenu::LoadMenuIndirect", "the menu template");
    return Attach(::LoadMenuIndirectA(lpMenuTemplate));
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == nullptr)
        return FALSE;
    HMENU hMenu = Detach();
    // a temporary wrapper of the handle must not outlive the menu in the look-up
    MenuMap().ForgetTemporary(hMenu);
    return ::DestroyMenu(hMenu);
}

int CMenu::GetMenuItemCount() const
{
    return ::GetMenuItemCount(m_hMenu);
}

UINT CMenu::GetMenuItemID(int nPos) const
{
    return ::GetMenuItemID(m_hMenu, nPos);
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
    return ::GetMenuState(m_hMenu, nID, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const
{
    if (nMaxCount < 0)
        AfxThrowInvalidArgFormat("CMenu::GetMenuString: buffer size %d is negative", nMaxCount);
    if (nMaxCount > 0)
        AfxRequirePointer(lpString, "CMenu::GetMenuString", "the buffer");
    int nLength = ::GetMenuStringA(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
    if (nMaxCount > 0) {
        // Wine fills a buffer that is too small to the last byte without a terminating 0
        if (nLength < 0)
            nLength = 0;
        if (nLength > nMaxCount - 1)
            nLength = nMaxCount - 1;
        lpString[nLength] = '\0';
    }
    return nLength;
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    rString.Empty();
    // the length without the terminating 0 comes first, then the text
    int nLength = ::GetMenuStringA(m_hMenu, nIDItem, nullptr, 0, nFlags);
    if (nLength <= 0)
        return 0;
    nLength = ::GetMenuStringA(m_hMenu, nIDItem, rString.GetBuffer(nLength + 1), nLength + 1, nFlags);
    rString.ReleaseBuffer(nLength > 0 ? nLength : 0);
    return rString.GetLength();
}

BOOL CMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos) const
{
    AfxRequirePointer(lpMenuItemInfo, "CMenu::GetMenuItemInfo", "the item information");
    return ::GetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::SetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos)
{
    AfxRequirePointer(lpMenuItemInfo, "CMenu::SetMenuItemInfo", "the item information");
    return ::SetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
    return FromHandle(::GetSubMenu(m_hMenu, nPos));
}

UINT CMenu::GetMenuDefaultItem(UINT gmdiFlags, BOOL fByPos) const
{
    return ::GetMenuDefaultItem(m_hMenu, fByPos, gmdiFlags);
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    return UINT(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable));
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
    return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
}

BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags)
{
    return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    return ::ModifyMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp)
{
    return ::AppendMenuA(m_hMenu, nFlags | MF_BITMAP, nIDNewItem, BitmapItem(pBmp, "CMenu::AppendMenu"));
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp)
{
    return ::InsertMenuA(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem,
                         BitmapItem(pBmp, "CMenu::InsertMenu"));
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp)
{
    return ::ModifyMenuA(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem,
                         BitmapItem(pBmp, "CMenu::ModifyMenu"));
}

BOOL CMenu::InsertMenuItem(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos)
{
    AfxRequirePointer(lpMenuItemInfo, "CMenu::InsertMenuItem", "the item information");
    return ::InsertMenuItemA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags)
{
    return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags)
{
    return ::RemoveMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::SetMenuItemBitmaps(UINT nPosition, UINT nFlags, const CBitmap* pBmpUnchecked,
                               const CBitmap* pBmpChecked)
{
    return ::SetMenuItemBitmaps(m_hMenu, nPosition, nFlags, BitmapHandle(pBmpUnchecked), BitmapHandle(pBmpChecked));
}

BOOL CMenu::SetMenuDefaultItem(UINT uItem, BOOL fByPos)
{
    return ::SetMenuDefaultItem(m_hMenu, uItem, fByPos);
}

CMenu* CMenu::GetSystemMenu(HWND hWnd, BOOL bRevert)
{
    return FromHandle(::GetSystemMenu(hWnd, bRevert));
}

#include "win/CCmdTarget.h"

#include "win/ArgCheck.h"
#include "win/CMenu.h"
#include "win/CWinApp.h"
#include "win/CWnd.h"
#include "win/WndInternal.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{AfxEntryEnd, 0, 0, 0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

CCmdTarget::CCmdTarget() = default;

CCmdTarget::~CCmdTarget() = default;

namespace {

// Walks the table chain of a target: every entry of the most derived table, then its base's, ...
template <class Visit>
bool ForEachEntry(const AFX_MSGMAP* pMap, Visit visit)
{
    for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->nKind != AfxEntryEnd; ++pEntry)
            if (visit(pEntry))
                return true;
    }
    return false;
}

} // namespace

BOOL CCmdTarget::DispatchMessageTable(UINT nLookup, AFX_MSGCALL& call)
{
    if (nLookup == 0)
        return FALSE;
    return ForEachEntry(GetMessageMap(), [&](const AFX_MSGMAP_ENTRY* pEntry) {
        if (pEntry->nKind != AfxEntryMessage)
            return false;
        const UINT nMessage = pEntry->pnRegistered != nullptr ? *pEntry->pnRegistered : pEntry->nMessage;
        if (nMessage != nLookup)
            return false;
        return pEntry->pfn(this, call) != FALSE;
    });
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT nMessage;
    UINT nSubCode;
    if (UINT(nCode) == CN_UPDATE_COMMAND_UI) {
        nMessage = WM_COMMAND;
        nSubCode = CN_UPDATE_COMMAND_UI;
    } else {
        nMessage = HIWORD(UINT(nCode));
        nSubCode = LOWORD(UINT(nCode));
        if (nMessage == 0)
            nMessage = WM_COMMAND;
    }
    AFX_MSGCALL call = {nMessage, 0, 0, nID, nSubCode, pExtra, 0};
    return ForEachEntry(GetMessageMap(), [&](const AFX_MSGMAP_ENTRY* pEntry) {
        if (pEntry->nKind != AfxEntryCommand || pEntry->nMessage != nMessage || pEntry->nCode != nSubCode ||
            nID < pEntry->nID || nID > pEntry->nLastID)
            return false;
        if (pHandlerInfo != nullptr) {
            pHandlerInfo->pTarget = this;
            pHandlerInfo->pEntry = pEntry;
            return true;
        }
        return pEntry->pfn(this, call) != FALSE;
    });
}

void CCmdTarget::BeginWaitCursor()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(1);
}

void CCmdTarget::EndWaitCursor()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(-1);
}

void CCmdTarget::RestoreWaitCursor()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(0);
}

// ---- CCmdUI -------------------------------------------------------------------------------------

CCmdUI::CCmdUI()
    : m_nID(0), m_nIndex(0), m_nIndexMax(0), m_pMenu(nullptr), m_pSubMenu(nullptr), m_pParentMenu(nullptr),
      m_pOther(nullptr), m_bEnableChanged(FALSE), m_bContinueRouting(FALSE)
{
}

CCmdUI::~CCmdUI() = default;

namespace {

bool IsButton(HWND hWnd)
{
    char name[16] = {};
    return ::GetClassNameA(hWnd, name, sizeof name) > 0 && ::lstrcmpiA(name, "Button") == 0;
}

HBITMAP g_hRadioDot = nullptr;
bool g_bOwnRadioDot = false;

} // namespace

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pMenu != nullptr) {
        // a popup item opens its submenu; it keeps its state
        if (m_pSubMenu == nullptr)
            ::EnableMenuItem(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    } else if (m_pOther != nullptr && m_pOther->m_hWnd != nullptr) {
        const HWND hWnd = m_pOther->m_hWnd;
        if (!bOn && ::GetFocus() == hWnd) {
            // a control must not keep the focus while disabled: hand it to the next control
            const HWND hWndParent = ::GetParent(hWnd);
            if (hWndParent != nullptr)
                ::SendMessageA(hWndParent, WM_NEXTDLGCTL, 0, FALSE);
        }
        ::EnableWindow(hWnd, bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (nCheck < 0 || nCheck > 2)
        AfxThrowInvalidArgFormat("CCmdUI::SetCheck: check state %d is not 0, 1 or 2", nCheck);
    if (m_pMenu != nullptr) {
        if (m_pSubMenu == nullptr)
            ::CheckMenuItem(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | (nCheck != 0 ? MF_CHECKED : MF_UNCHECKED));
    } else if (m_pOther != nullptr && m_pOther->m_hWnd != nullptr && IsButton(m_pOther->m_hWnd)) {
        ::SendMessageA(m_pOther->m_hWnd, BM_SETCHECK, WPARAM(nCheck), 0);
    }
}

void CCmdUI::SetRadio(BOOL bOn)
{
    if (m_pMenu != nullptr) {
        if (m_pSubMenu == nullptr) {
            if (bOn)
                ::SetMenuItemBitmaps(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION, nullptr, AfxGetRadioDotBitmap());
            ::CheckMenuItem(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | (bOn ? MF_CHECKED : MF_UNCHECKED));
        }
    } else {
        SetCheck(bOn ? 1 : 0);
    }
}

void CCmdUI::SetText(LPCSTR lpszText)
{
    AfxRequirePointer(lpszText, "CCmdUI::SetText", "lpszText");
    if (m_pMenu != nullptr) {
        if (m_pSubMenu == nullptr) {
            MENUITEMINFOA info = {};
            info.cbSize = sizeof info;
            info.fMask = MIIM_STRING;
            info.dwTypeData = const_cast<LPSTR>(lpszText);
            ::SetMenuItemInfoA(m_pMenu->m_hMenu, m_nIndex, TRUE, &info);
        }
    } else if (m_pOther != nullptr && m_pOther->m_hWnd != nullptr) {
        AfxSetWindowTextIfChanged(m_pOther, lpszText);
    }
}

void CCmdUI::ContinueRouting()
{
    m_bContinueRouting = TRUE;
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    AfxRequirePointer(pTarget, "CCmdUI::DoUpdate", "pTarget");
    if (m_nID == 0)
        return TRUE; // separators have nothing to update
    m_bEnableChanged = FALSE;
    const BOOL bResult = pTarget->OnCmdMsg(m_nID, int(CN_UPDATE_COMMAND_UI), this, nullptr);
    if (bDisableIfNoHndler && !m_bEnableChanged) {
        // an item whose command no target handles is disabled; one that no update handler looked
        // after is enabled while a target handles it, so a button greyed while no window took its
        // command comes back when one does (an update handler that leaves the item alone keeps it)
        AFX_CMDHANDLERINFO info = {};
        if (!pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info))
            Enable(FALSE);
        else if (!bResult)
            Enable(TRUE);
    }
    return bResult;
}

HBITMAP AfxGetRadioDotBitmap()
{
    if (g_hRadioDot == nullptr) {
        // a monochrome bitmap of the menu check size: white, with a black dot in the middle
        const int cx = ::GetSystemMetrics(SM_CXMENUCHECK);
        const int cy = ::GetSystemMetrics(SM_CYMENUCHECK);
        HDC hdcScreen = ::GetDC(nullptr);
        HDC hdc = ::CreateCompatibleDC(hdcScreen);
        ::ReleaseDC(nullptr, hdcScreen);
        HBITMAP hBitmap = ::CreateBitmap(cx, cy, 1, 1, nullptr);
        if (hdc != nullptr && hBitmap != nullptr) {
            HGDIOBJ hOld = ::SelectObject(hdc, hBitmap);
            ::PatBlt(hdc, 0, 0, cx, cy, WHITENESS);
            const int r = (cx < cy ? cx : cy) / 4;
            HGDIOBJ hOldBrush = ::SelectObject(hdc, ::GetStockObject(BLACK_BRUSH));
            ::Ellipse(hdc, cx / 2 - r, cy / 2 - r, cx / 2 + r + 1, cy / 2 + r + 1);
            ::SelectObject(hdc, hOldBrush);
            ::SelectObject(hdc, hOld);
            g_hRadioDot = hBitmap;
            g_bOwnRadioDot = true;
        } else if (hBitmap != nullptr) {
            ::DeleteObject(hBitmap);
        }
        if (hdc != nullptr)
            ::DeleteDC(hdc);
    }
    return g_hRadioDot;
}

HBITMAP AfxSetRadioDotBitmap(HBITMAP hBitmap)
{
    HBITMAP hOld = g_hRadioDot;
    if (g_bOwnRadioDot && hOld != nullptr) {
        ::DeleteObject(hOld);
        hOld = nullptr;
    }
    g_hRadioDot = hBitmap;
    g_bOwnRadioDot = false;
    return hOld;
}

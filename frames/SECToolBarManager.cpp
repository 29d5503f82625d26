#include <algorithm>

#include "frames/SECToolBarManager.h"

#include "frames/SECBmpMgr.h"
#include "frames/SECBtnDrawContext.h"
#include "frames/SECCustomToolBar.h"
#include "frames/SECCustomToolBarInfoEx.h"
#include "frames/SECFrameWnd.h"
#include "frames/SECMDIFrameWnd.h"
#include "frames/SECToolkit.h"
#include "frames/SECToolkitRes.h"
#include "win/AfxResource.h"
#include "win/ArgCheck.h"
#include "win/CFrameWnd.h"


IMPLEMENT_DYNAMIC(SECToolBarManager, SECControlBarManager)

namespace {

// The window style of a user tool bar: child, visible, aligned top, bottom border, dynamic size.
const DWORD kUserBarStyle = 0x50002804;
// The toolkit style of the cool look: flat, with a gripper.
const DWORD kCoolLook = SEC_TBSTYLE_FLAT | SEC_CBRS_EX_GRIPPER;

} // namespace

SECToolBarManager* SECFindToolBarManager(const CWnd* pWnd)
{
    CFrameWnd* pFrame = nullptr;
    if (pWnd != nullptr && pWnd->m_hWnd != nullptr)
        pFrame = pWnd->IsFrameWnd() ? const_cast<CFrameWnd*>(static_cast<const CFrameWnd*>(pWnd))
                                    : pWnd->GetParentFrame();
    for (; pFrame != nullptr; pFrame = pFrame->GetParentFrame()) {
        SECControlBarManager* pManager = nullptr;
        if (const SECMDIFrameWnd* pMDI = dynamic_cast<const SECMDIFrameWnd*>(pFrame))
            pManager = pMDI->GetControlBarManager();
        else if (const SECFrameWnd* pSDI = dynamic_cast<const SECFrameWnd*>(pFrame))
            pManager = pSDI->GetControlBarManager();
        if (pManager != nullptr)
            return dynamic_cast<SECToolBarManager*>(pManager);
    }
    return nullptr;
}

SECToolBarManager::SECToolBarManager(CFrameWnd* pFrame)
    : m_pFrame(pFrame), m_bToolTips(FALSE), m_bFlyBy(FALSE), m_bCoolLook(FALSE), m_bLargeBtns(FALSE),
      m_pBtnTable1(nullptr), m_pBtnTable2(nullptr), m_pBmpMgr(new SECBmpMgr), m_pSelectedBar(nullptr),
      m_pCustomizeWnd(nullptr), m_bCustomizing(FALSE), m_pToolBarClass(RUNTIME_CLASS(SECCustomToolBar)),
      m_rectPressed(0, 0, 0, 0), m_nPressed(0)
{
    AfxRequirePointer(pFrame, "SECToolBarManager", "pFrame");
}

SECToolBarManager::~SECToolBarManager()
{
    // bars that outlive the manager go on without it
    const std::vector<SECCustomToolBar*> bars = m_bars;
    for (SECCustomToolBar* pBar : bars)
        pBar->SetManager(nullptr);
    m_pBmpMgr->Release();
}

std::vector<SECCustomToolBar*> SECToolBarManager::GetToolBars() const
{
    std::vector<SECCustomToolBar*> bars;
    for (SECCustomToolBar* pBar : m_bars)
        if (pBar->m_hWnd != nullptr)
            bars.push_back(pBar);
    return bars;
}

void SECToolBarManager::AddBar(SECCustomToolBar* pBar)
{
    if (std::find(m_bars.begin(), m_bars.end(), pBar) == m_bars.end())
        m_bars.push_back(pBar);
}

void SECToolBarManager::RemoveBar(SECCustomToolBar* pBar)
{
    m_bars.erase(std::remove(m_bars.begin(), m_bars.end(), pBar), m_bars.end());
    if (pBar == m_pSelectedBar)
        m_pSelectedBar = nullptr;
}

SECCustomToolBar* SECToolBarManager::GetToolBar(UINT nID) const
{
    for (SECCustomToolBar* pBar : GetToolBars())
        if (UINT(pBar->GetDlgCtrlID()) == nID)
            return pBar;
    return nullptr;
}

// ---- what the bars share --------------------------------------------------------------------------------

BOOL SECToolBarManager::LoadToolBarResource(UINT nIDResource, UINT nIDLargeResource)
{
    return m_pBmpMgr->LoadToolBarResource(nIDResource, nIDLargeResource);
}

void SECToolBarManager::SetBtnClassTables(const SECBtnClassEntry* pTable1, const SECBtnClassEntry* pTable2)
{
    m_pBtnTable1 = pTable1;
    m_pBtnTable2 = pTable2;
}

SECBtnDrawContext& SECToolBarManager::GetDrawContext()
{
    if (!m_pDrawContext)
        m_pDrawContext.reset(new SECBtnDrawContext);
    return *m_pDrawContext;
}

void SECToolBarManager::SetToolBarClass(CRuntimeClass* pClass)
{
    if (pClass == nullptr || !pClass->IsDerivedFrom(RUNTIME_CLASS(SECCustomToolBar)) || !pClass->IsCreatable())
        AfxThrowInvalidArgFormat("SECToolBarManager::SetToolBarClass: %s is no creatable tool bar class",
                                 pClass != nullptr ? pClass->m_lpszClassName : "null");
    m_pToolBarClass = pClass;
}

// ---- default buttons --------------------------------------------------------------------------------------

void SECToolBarManager::SetDefaultButtons(UINT nBarID, const UINT* lpIDs, int nCount)
{
    if (nCount < 0 || (lpIDs == nullptr && nCount > 0))
        AfxThrowInvalidArgFormat("SECToolBarManager::SetDefaultButtons: %d ids at %s", nCount,
                                 lpIDs != nullptr ? "an array" : "null");
    m_defaultButtons[nBarID].assign(lpIDs, lpIDs + nCount);
}

BOOL SECToolBarManager::GetDefaultButtons(UINT nBarID, std::vector<UINT>& ids) const
{
    auto it = m_defaultButtons.find(nBarID);
    if (it == m_defaultButtons.end()) {
        ids.clear();
        return FALSE;
    }
    ids = it->second;
    return TRUE;
}

// ---- settings every bar follows ------------------------------------------------------------------------

void SECToolBarManager::RecalcFrameLayout()
{
    if (m_pFrame->m_hWnd != nullptr)
        m_pFrame->RecalcLayout();
}

void SECToolBarManager::EnableToolTips(BOOL bEnable)
{
    m_bToolTips = bEnable;
    for (SECCustomToolBar* pBar : GetToolBars())
        pBar->SetBarStyle(bEnable ? pBar->GetBarStyle() | CBRS_TOOLTIPS : pBar->GetBarStyle() & ~DWORD(CBRS_TOOLTIPS));
}

void SECToolBarManager::EnableCoolLook(BOOL bEnable)
{
    m_bCoolLook = bEnable;
    SetToolBarStyleBits(kCoolLook, bEnable);
}

void SECToolBarManager::SetToolBarStyleBits(DWORD dwBits, BOOL bOn)
{
    for (SECCustomToolBar* pBar : GetToolBars()) {
        const DWORD dwStyle = bOn ? pBar->GetExBarStyle() | dwBits : pBar->GetExBarStyle() & ~dwBits;
        pBar->SetExBarStyle(dwStyle, FALSE);
        if (dwBits & SEC_TBSTYLE_FLAT)
            pBar->Invalidate();
    }
    RecalcFrameLayout();
}

void SECToolBarManager::EnableLargeBtns(BOOL bEnable)
{
    m_bLargeBtns = bEnable;
    m_pBmpMgr->SetSmallImages(!bEnable);
    for (SECCustomToolBar* pBar : GetToolBars())
        pBar->ResizeButtons();
    RecalcFrameLayout();
}

// ---- buttons across the bars -----------------------------------------------------------------------------

void SECToolBarManager::InformBtns(UINT nID, UINT nBits, UINT nMask)
{
    for (SECCustomToolBar* pBar : GetToolBars())
        for (int i = 0; i < pBar->GetBtnCount(); i++) {
            SECStdBtn* pBtn = pBar->GetBtn(i);
            if (pBtn->m_nID == nID && !pBtn->HasStyle(TBBS_SEPARATOR))
                pBtn->Inform(SECStdBtn::InformStyle, nBits, nMask);
        }
}

SECCustomToolBar* SECToolBarManager::FindBarUnder(const CRect& rect) const
{
    SECCustomToolBar* pFound = nullptr;
    LONG nMost = 0;
    for (SECCustomToolBar* pBar : GetToolBars()) {
        if (!pBar->IsWindowVisible())
            continue;
        CRect rectBar;
        pBar->GetWindowRect(rectBar);
        CRect rectCommon;
        if (!rectCommon.IntersectRect(rectBar, rect))
            continue;
        const LONG nArea = rectCommon.Width() * rectCommon.Height();
        if (nArea > nMost) {
            nMost = nArea;
            pFound = pBar;
        }
    }
    return pFound;
}

void SECToolBarManager::SetPressedBtnRect(const CRect& rect)
{
    m_rectPressed = rect;
    m_nPressed++;
}

void SECToolBarManager::ClearPressedBtnRect()
{
    if (m_nPressed > 0 && --m_nPressed == 0)
        m_rectPressed.SetRectEmpty();
}

BOOL SECToolBarManager::GetPressedBtnRect(CRect& rect) const
{
    rect = m_rectPressed;
    return m_nPressed > 0;
}

// ---- user tool bars ----------------------------------------------------------------------------------------

SECCustomToolBar* SECToolBarManager::CreateUserToolBar(LPCSTR lpszTitle)
{
    if (m_pFrame->m_hWnd == nullptr)
        return nullptr;
    for (UINT nID = SEC_IDW_FIRST_USERBAR; nID <= SEC_IDW_LAST_USERBAR; nID++)
        if (m_pFrame->GetControlBar(nID) == nullptr)
            return MakeUserToolBar(nID, lpszTitle);
    return nullptr;
}

SECCustomToolBar* SECToolBarManager::MakeUserToolBar(UINT nID, LPCSTR lpszTitle)
{
    CString strTitle = lpszTitle != nullptr ? CString(lpszTitle) : CString();
    if (lpszTitle == nullptr) {
        CString strFormat;
        if (!AfxLoadString(IDS_SEC_TOOLBARNAME, strFormat))
            strFormat = "ToolBar%d";
        strTitle.Format(strFormat, int(nID - (SEC_IDW_FIRST_USERBAR - 1)));
    }
    SECCustomToolBar* pBar = static_cast<SECCustomToolBar*>(m_pToolBarClass->CreateObject());
    pBar->SetManager(this);
    const DWORD dwStyle = kUserBarStyle | (m_bFlyBy ? CBRS_FLYBY : 0) | (m_bToolTips ? CBRS_TOOLTIPS : 0);
    if (!pBar->CreateEx(m_bCoolLook ? kCoolLook : 0, m_pFrame, dwStyle, nID, strTitle)) {
        delete pBar;
        return nullptr;
    }
    pBar->SetAutoDelete(TRUE);
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    return pBar;
}

// ---- notifications -----------------------------------------------------------------------------------------

void SECToolBarManager::AddNotify(CWnd* pWnd)
{
    AfxRequirePointer(pWnd, "SECToolBarManager::AddNotify", "pWnd");
    if (std::find(m_notify.begin(), m_notify.end(), pWnd->m_hWnd) == m_notify.end())
        m_notify.push_back(pWnd->m_hWnd);
}

void SECToolBarManager::RemoveNotify(CWnd* pWnd)
{
    if (pWnd != nullptr)
        m_notify.erase(std::remove(m_notify.begin(), m_notify.end(), pWnd->m_hWnd), m_notify.end());
}

void SECToolBarManager::NotifyBarChange(UINT nBarID, int nCode)
{
    // a window told may change the list
    const std::vector<HWND> notify = m_notify;
    for (HWND hWnd : notify)
        if (::IsWindow(hWnd))
            ::SendMessageA(hWnd, g_nMsgBarNotify, nBarID, nCode);
}

// ---- customise mode ----------------------------------------------------------------------------------------

void SECToolBarManager::EnterCustomizeMode(CWnd* pCustomizeWnd)
{
    AfxRequirePointer(pCustomizeWnd, "SECToolBarManager::EnterCustomizeMode", "pCustomizeWnd");
    if (!m_bCustomizing && m_pFrame->m_hWnd != nullptr) {
        for (HWND hWnd = ::GetWindow(m_pFrame->m_hWnd, GW_CHILD); hWnd != nullptr;
             hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
            if (!::IsWindowEnabled(hWnd) || dynamic_cast<CControlBar*>(CWnd::FromHandlePermanent(hWnd)) != nullptr)
                continue;
            ::EnableWindow(hWnd, FALSE);
            m_disabled.push_back(hWnd);
        }
    }
    m_bCustomizing = TRUE;
    SetCustomizeWnd(pCustomizeWnd);
}

void SECToolBarManager::ExitCustomizeMode()
{
    for (HWND hWnd : m_disabled)
        if (::IsWindow(hWnd))
            ::EnableWindow(hWnd, TRUE);
    m_disabled.clear();
    m_bCustomizing = FALSE;
    SetCustomizeWnd(nullptr);
}

void SECToolBarManager::SetCustomizeWnd(CWnd* pWnd)
{
    m_pCustomizeWnd = pWnd;
    for (SECCustomToolBar* pBar : GetToolBars())
        pBar->SetCustomizeMode(pWnd);
    if (pWnd == nullptr)
        m_pSelectedBar = nullptr;
}

void SECToolBarManager::SetSelectedBar(SECCustomToolBar* pBar)
{
    if (pBar == m_pSelectedBar)
        return;
    SECCustomToolBar* pOld = m_pSelectedBar;
    m_pSelectedBar = pBar;
    if (pOld != nullptr)
        pOld->SelectCustomizeButton(-1);
}

// ---- saved layouts -----------------------------------------------------------------------------------------

UINT SECToolBarManager::GetBarTypeID(CControlBar* pBar)
{
    const SECCustomToolBar* pToolBar = dynamic_cast<const SECCustomToolBar*>(pBar);
    return pToolBar != nullptr && pToolBar->GetManager() == this ? SEC_TYPEID_TOOLBAR : 0;
}

CControlBar* SECToolBarManager::CreateBar(SECControlBarInfo* pInfo, CFrameWnd* pFrame)
{
    if (pInfo == nullptr || pFrame != m_pFrame || pInfo->m_nTypeID != SEC_TYPEID_TOOLBAR ||
        pInfo->m_nBarID < SEC_IDW_FIRST_USERBAR || pInfo->m_nBarID > SEC_IDW_LAST_USERBAR ||
        pFrame->GetControlBar(pInfo->m_nBarID) != nullptr)
        return nullptr;
    return MakeUserToolBar(pInfo->m_nBarID, pInfo->m_strWindowName);
}

SECControlBarInfoEx* SECToolBarManager::CreateInfoEx(SECControlBarInfo* pInfo)
{
    return pInfo != nullptr && pInfo->m_nTypeID == SEC_TYPEID_TOOLBAR ? new SECCustomToolBarInfoEx : nullptr;
}

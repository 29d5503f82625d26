// SECDockState and its records: the toolkit's keys in the profile, archive and tree forms, cleaning a
// frame's id lists, making missing bars and bar hosts while applying; the toolkit bars' side of it.
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>

#include "frames/SECDockState.h"

#include "core/CArchive.h"
#include "frames/SECControlBar.h"
#include "frames/SECDialogBar.h"
#include "frames/SECDockBar.h"
#include "frames/SECDockContext.h"
#include "frames/SECFrameDocking.h"
#include "frames/SECMDIFrameWnd.h"
#include "win/CMDIChildWnd.h"

IMPLEMENT_DYNAMIC(SECControlBarManager, CObject)
IMPLEMENT_DYNAMIC(SECControlBarInfoEx, CObject)
IMPLEMENT_DYNAMIC(SECDockState, CDockState)

namespace {

const UINT kHiddenMark = 0x10000;
// The stored form of the host's window placement.
const UINT kPlacementSize = 44;
static_assert(sizeof(WINDOWPLACEMENT) == kPlacementSize, "a window placement is stored as 44 bytes");

CString TreeBarName(int nIndex)
{
    CString strName;
    strName.Format("Bar-%d", nIndex);
    return strName;
}

CSize NotNegative(CSize size)
{
    return CSize((std::max)(LONG(0), size.cx), (std::max)(LONG(0), size.cy));
}

void ArchiveSize(CArchive& ar, CSize& size)
{
    if (ar.IsStoring()) {
        ar << int32_t(size.cx) << int32_t(size.cy);
    } else {
        int32_t cx = 0;
        int32_t cy = 0;
        ar >> cx >> cy;
        size = CSize(cx, cy);
    }
}

void ArchiveDWord(CArchive& ar, DWORD& dw)
{
    if (ar.IsStoring()) {
        ar << uint32_t(dw);
    } else {
        uint32_t n = 0;
        ar >> n;
        dw = n;
    }
}

void ArchiveBool(CArchive& ar, BOOL& b)
{
    DWORD dw = b ? 1 : 0;
    ArchiveDWord(ar, dw);
    b = dw != 0;
}

// The toolkit frame's bar host that holds pDockBar, when it is one.
CMDIChildWnd* HostOf(const CDockBar* pDockBar)
{
    const SECDockBar* pSECDockBar = dynamic_cast<const SECDockBar*>(pDockBar);
    if (pSECDockBar == nullptr || !pSECDockBar->m_bMDIChild)
        return nullptr;
    return dynamic_cast<CMDIChildWnd*>(pSECDockBar->GetParentFrame());
}

} // namespace

// ---- type provider and extension record ---------------------------------------------------------------------

SECControlBarManager::~SECControlBarManager() = default;

UINT SECControlBarManager::GetBarTypeID(CControlBar* pBar)
{
    (void)pBar;
    return 0;
}

CControlBar* SECControlBarManager::CreateBar(SECControlBarInfo* pInfo, CFrameWnd* pFrame)
{
    (void)pInfo;
    (void)pFrame;
    return nullptr;
}

SECControlBarInfoEx* SECControlBarManager::CreateInfoEx(SECControlBarInfo* pInfo)
{
    (void)pInfo;
    return nullptr;
}

SECControlBarInfoEx::~SECControlBarInfoEx() = default;

void SECControlBarInfoEx::Serialize(CArchive& ar, SECDockState* pDockState)
{
    (void)ar;
    (void)pDockState;
}

BOOL SECControlBarInfoEx::LoadFromTree(SECPersistentTreeNode* pNode)
{
    return pNode != nullptr;
}

void SECControlBarInfoEx::LoadFromProfile(LPCSTR lpszSection, SECDockState* pDockState)
{
    (void)lpszSection;
    (void)pDockState;
}

BOOL SECControlBarInfoEx::SaveToTree(SECPTNFactory* pFactory, SECPersistentTreeNode* pNode)
{
    (void)pFactory;
    return pNode != nullptr;
}

void SECControlBarInfoEx::SaveToProfile(LPCSTR lpszSection)
{
    (void)lpszSection;
}

// ---- record ----------------------------------------------------------------------------------------------------

SECControlBarInfo::SECControlBarInfo(SECControlBarManager* pTypeProvider)
    : m_szMRUHorzDock(0, 0), m_szMRUVertDock(0, 0), m_szMRUFloat(0, 0), m_dwMRUDockingState(0), m_dwDockStyle(0),
      m_fPctWidth(1.0f), m_dwStyle(0), m_dwExStyle(0), m_bPrevFloating(FALSE), m_bMDIChild(FALSE), m_wpHost(),
      m_nResourceID(0), m_pInfoEx(nullptr), m_nTypeID(0), m_pTypeProvider(pTypeProvider)
{
}

SECControlBarInfo::~SECControlBarInfo()
{
    delete m_pInfoEx;
}

CString SECControlBarInfo::FractionText(float fPctWidth)
{
    CString strText;
    strText.Format("%d", int(double(fPctWidth) * 1000000.0));
    return strText;
}

float SECControlBarInfo::FractionFromText(LPCSTR lpszText)
{
    errno = 0;
    const long nValue = lpszText != nullptr ? std::strtol(lpszText, nullptr, 10) : 0;
    if (errno != 0 || nValue < 0)
        return 0.0f;
    return float(double(nValue) * 0.000001);
}

void SECControlBarInfo::CreateInfoEx()
{
    delete m_pInfoEx;
    m_pInfoEx = m_pTypeProvider != nullptr ? m_pTypeProvider->CreateInfoEx(this) : nullptr;
}

BOOL SECControlBarInfo::SaveKeys(CDockStateKeys& keys)
{
    if (!CControlBarInfo::SaveKeys(keys))
        return FALSE;
    keys.WriteInt("Style", int(m_dwStyle));
    keys.WriteInt("ExStyle", int(m_dwExStyle));
    keys.WriteInt("PrevFloating", m_bPrevFloating ? 1 : 0);
    keys.WriteInt("MDIChild", m_bMDIChild ? 1 : 0);
    if (m_bMDIChild)
        keys.WriteBinary("MDIChildWindowPlacement", &m_wpHost, kPlacementSize);
    keys.WriteText("PctWidth", FractionText(m_fPctWidth));
    keys.WriteInt("MRUFloatCX", m_szMRUFloat.cx);
    keys.WriteInt("MRUFloatCY", m_szMRUFloat.cy);
    keys.WriteInt("MRUHorzDockCX", m_szMRUHorzDock.cx);
    keys.WriteInt("MRUHorzDockCY", m_szMRUHorzDock.cy);
    keys.WriteInt("MRUVertDockCX", m_szMRUVertDock.cx);
    keys.WriteInt("MRUVertDockCY", m_szMRUVertDock.cy);
    keys.WriteInt("MRUDockingState", int(m_dwMRUDockingState));
    keys.WriteInt("DockingStyle", int(m_dwDockStyle));
    keys.WriteInt("TypeID", int(m_nTypeID));
    keys.WriteText("ClassName", m_strClassName);
    keys.WriteText("WindowName", m_strWindowName);
    keys.WriteInt("ResourceID", int(m_nResourceID));
    return TRUE;
}

void SECControlBarInfo::LoadKeys(CDockStateKeys& keys, CDockState* pDockState)
{
    CControlBarInfo::LoadKeys(keys, pDockState);
    m_dwStyle = DWORD(keys.ReadInt("Style", 0));
    m_dwExStyle = DWORD(keys.ReadInt("ExStyle", 0));
    m_bPrevFloating = keys.ReadInt("PrevFloating", 0) != 0;
    m_bMDIChild = keys.ReadInt("MDIChild", 0) != 0;
    m_wpHost = WINDOWPLACEMENT();
    std::vector<BYTE> placement;
    if (m_bMDIChild && keys.ReadBinary("MDIChildWindowPlacement", placement) && placement.size() == kPlacementSize)
        std::memcpy(&m_wpHost, placement.data(), kPlacementSize);
    m_fPctWidth = FractionFromText(keys.ReadText("PctWidth", "0"));
    m_szMRUFloat = NotNegative(CSize(keys.ReadInt("MRUFloatCX", 0), keys.ReadInt("MRUFloatCY", 0)));
    m_szMRUHorzDock = NotNegative(CSize(keys.ReadInt("MRUHorzDockCX", 0), keys.ReadInt("MRUHorzDockCY", 0)));
    m_szMRUVertDock = NotNegative(CSize(keys.ReadInt("MRUVertDockCX", 0), keys.ReadInt("MRUVertDockCY", 0)));
    m_dwMRUDockingState = DWORD(keys.ReadInt("MRUDockingState", int(m_dwMRUDockingState)));
    m_dwDockStyle = DWORD(keys.ReadInt("DockingStyle", int(m_dwDockStyle)));
    m_nTypeID = UINT(keys.ReadInt("TypeID", 0));
    m_strClassName = keys.ReadText("ClassName", "");
    m_strWindowName = keys.ReadText("WindowName", "");
    m_nResourceID = UINT(keys.ReadInt("ResourceID", int(m_nResourceID)));
}

BOOL SECControlBarInfo::SaveState(LPCSTR lpszProfileName, int nIndex)
{
    if (!CControlBarInfo::SaveState(lpszProfileName, nIndex))
        return FALSE;
    if (m_pInfoEx != nullptr)
        m_pInfoEx->SaveToProfile(ProfileSection(lpszProfileName, nIndex));
    return TRUE;
}

BOOL SECControlBarInfo::LoadState(LPCSTR lpszProfileName, int nIndex, CDockState* pDockState)
{
    if (!CControlBarInfo::LoadState(lpszProfileName, nIndex, pDockState))
        return FALSE;
    CreateInfoEx();
    if (m_pInfoEx != nullptr)
        m_pInfoEx->LoadFromProfile(ProfileSection(lpszProfileName, nIndex), dynamic_cast<SECDockState*>(pDockState));
    return TRUE;
}

BOOL SECControlBarInfo::SaveToTree(SECPTNFactory* pFactory, SECPersistentTreeNode* pNode)
{
    if (pNode == nullptr)
        return FALSE;
    SECTreeKeys keys(pNode);
    if (!SaveKeys(keys))
        return FALSE;
    if (m_pInfoEx != nullptr)
        m_pInfoEx->SaveToTree(pFactory, pNode);
    return TRUE;
}

BOOL SECControlBarInfo::LoadFromTree(SECPersistentTreeNode* pNode, SECDockState* pDockState)
{
    if (pNode == nullptr || pDockState == nullptr)
        return FALSE;
    SECTreeKeys keys(pNode);
    LoadKeys(keys, pDockState);
    CreateInfoEx();
    if (m_pInfoEx != nullptr)
        m_pInfoEx->LoadFromTree(pNode);
    return TRUE;
}

void SECControlBarInfo::SerializeExtra(CArchive& ar, CDockState* pDockState)
{
    ArchiveDWord(ar, m_dwStyle);
    ArchiveDWord(ar, m_dwExStyle);
    ArchiveBool(ar, m_bPrevFloating);
    ArchiveBool(ar, m_bMDIChild);
    if (ar.IsStoring()) {
        ar << FractionText(m_fPctWidth);
    } else {
        CString strFraction;
        ar >> strFraction;
        m_fPctWidth = FractionFromText(strFraction);
    }
    ArchiveSize(ar, m_szMRUFloat);
    ArchiveSize(ar, m_szMRUHorzDock);
    ArchiveSize(ar, m_szMRUVertDock);
    ArchiveDWord(ar, m_dwMRUDockingState);
    ArchiveDWord(ar, m_dwDockStyle);
    DWORD dwTypeID = m_nTypeID;
    ArchiveDWord(ar, dwTypeID);
    m_nTypeID = dwTypeID;
    if (ar.IsLoading())
        CreateInfoEx();
    if (m_pInfoEx != nullptr)
        m_pInfoEx->Serialize(ar, dynamic_cast<SECDockState*>(pDockState));
}

// ---- dock state -------------------------------------------------------------------------------------------------

SECDockState::SECDockState(SECControlBarManager* pTypeProvider)
    : m_pTypeProvider(pTypeProvider), m_pOwnedWindows(nullptr)
{
}

SECDockState::~SECDockState() = default;

CControlBarInfo* SECDockState::CreateBarInfo()
{
    return new SECControlBarInfo(m_pTypeProvider);
}

BOOL SECDockState::SaveToTree(SECPTNFactory* pFactory, SECPersistentTreeNode* pParent)
{
    AfxRequirePointer(pFactory, "SECDockState::SaveToTree", "pFactory");
    SECPersistentTreeNode* pState = pFactory->CreateNode("DockState", pParent);
    if (pState == nullptr)
        return FALSE;
    int nWritten = 0;
    for (CControlBarInfo* pInfo : m_arrBarInfo) {
        SECControlBarInfo* pSECInfo = dynamic_cast<SECControlBarInfo*>(pInfo);
        // a record that writes nothing is left out: its node joins the tree only once written
        SECPersistentTreeNode* pBarNode = pFactory->CreateNode(TreeBarName(nWritten));
        if (pSECInfo == nullptr || pBarNode == nullptr || !pSECInfo->SaveToTree(pFactory, pBarNode))
            continue;
        if (pState->AddChild(pBarNode) != 0)
            return FALSE;
        nWritten++;
    }
    const CSize sizeScreen = GetScreenSize();
    pState->SetInteger("Bars", nWritten);
    pState->SetInteger("ScreenCX", sizeScreen.cx);
    pState->SetInteger("ScreenCY", sizeScreen.cy);
    return TRUE;
}

BOOL SECDockState::LoadFromTree(SECPersistentTreeNode* pNode)
{
    SECPersistentTreeNode* pState = pNode != nullptr ? pNode->FindChild("DockState") : nullptr;
    if (pState == nullptr)
        return FALSE;
    int nBars = 0;
    int cx = 0;
    int cy = 0;
    pState->GetInteger("Bars", nBars);
    pState->GetInteger("ScreenCX", cx);
    pState->GetInteger("ScreenCY", cy);
    Clear();
    m_sizeSaved = CSize(cx, cy);
    // no more records than the node has children
    const int nRecords = (std::min)(nBars, int(pState->GetChildren().size()));
    for (int i = 0; i < nRecords; i++) {
        SECPersistentTreeNode* pBarNode = pState->FindChild(TreeBarName(i));
        if (pBarNode == nullptr)
            continue;
        SECControlBarInfo* pInfo = static_cast<SECControlBarInfo*>(CreateBarInfo());
        m_arrBarInfo.push_back(pInfo);
        pInfo->LoadFromTree(pBarNode, this);
    }
    return TRUE;
}

BOOL SECDockState::IsStateBar(CControlBar* pBar) const
{
    return dynamic_cast<SECControlBar*>(pBar) != nullptr || dynamic_cast<SECDockBar*>(pBar) != nullptr;
}

void SECDockState::GetState(CFrameWnd* pFrame)
{
    CDockState::GetState(pFrame);
    CleanUpBarIDs();
}

void SECDockState::CleanUpBarIDs()
{
    std::map<UINT, const CControlBarInfo*> barRecords;
    for (const CControlBarInfo* pInfo : m_arrBarInfo)
        if (!pInfo->m_bDockBar)
            barRecords[pInfo->m_nBarID] = pInfo;
    for (CControlBarInfo* pDockInfo : m_arrBarInfo) {
        if (!pDockInfo->m_bDockBar)
            continue;
        std::set<UINT> shown;
        for (UINT dw : pDockInfo->m_arrBarID)
            if (dw != 0 && (dw & kHiddenMark) == 0)
                shown.insert(dw);
        std::set<UINT> kept;
        std::vector<UINT> ids;
        for (UINT dw : pDockInfo->m_arrBarID) {
            if (dw == 0) {
                if (!ids.empty() && ids.back() != 0)
                    ids.push_back(0);
                continue;
            }
            const UINT nID = dw & 0xFFFF;
            if (kept.count(nID) != 0)
                continue; // named before in this list
            if ((dw & kHiddenMark) != 0) {
                if (shown.count(nID) != 0)
                    continue; // the bar itself is here
                auto itRecord = barRecords.find(nID);
                if (itRecord != barRecords.end()) {
                    const CControlBarInfo* pBarInfo = itRecord->second;
                    const BOOL bHeldHere = pBarInfo->m_pBar != nullptr && pDockInfo->m_pBar != nullptr &&
                                           pBarInfo->m_pBar->GetDockBar() == pDockInfo->m_pBar;
                    if (!bHeldHere && pBarInfo->m_uMRUDockID != 0 && pBarInfo->m_uMRUDockID != pDockInfo->m_nBarID)
                        continue; // a place kept where the bar no longer goes
                }
            }
            kept.insert(nID);
            ids.push_back(dw);
        }
        while (!ids.empty() && ids.back() == 0)
            ids.pop_back();
        ids.push_back(0);
        pDockInfo->m_arrBarID = ids;
    }
}

CControlBar* SECDockState::BarOfRecord(CControlBarInfo* pInfo, CFrameWnd* pFrame)
{
    if (CControlBar* pBar = CDockState::BarOfRecord(pInfo, pFrame))
        return pBar;
    SECControlBarInfo* pSECInfo = dynamic_cast<SECControlBarInfo*>(pInfo);
    if (pInfo->m_bDockBar || pSECInfo == nullptr)
        return nullptr;
    if (m_pTypeProvider != nullptr)
        if (CControlBar* pBar = m_pTypeProvider->CreateBar(pSECInfo, pFrame))
            return pBar;
    return CreateBarFromInfo(pSECInfo, pFrame);
}

CRuntimeClass* SECDockState::FindClass(LPCSTR lpszClassName)
{
    return CRuntimeClass::FromName(lpszClassName);
}

CControlBar* SECDockState::CreateBarFromInfo(SECControlBarInfo* pInfo, CFrameWnd* pFrame)
{
    CRuntimeClass* pClass = FindClass(pInfo->m_strClassName);
    if (pClass == nullptr || !pClass->IsDerivedFrom(RUNTIME_CLASS(SECControlBar)) || !pClass->IsCreatable())
        return nullptr;
    SECControlBar* pBar = static_cast<SECControlBar*>(pClass->CreateObject());
    const DWORD dwStyle = WS_CHILD | (pInfo->m_bVisible ? WS_VISIBLE : 0) | (pInfo->m_dwStyle & CBRS_ALL);
    BOOL bMade = FALSE;
    if (SECDialogBar* pDialogBar = dynamic_cast<SECDialogBar*>(pBar))
        bMade = pInfo->m_nResourceID != 0 &&
                pDialogBar->Create(pFrame, pInfo->m_nResourceID, dwStyle, pInfo->m_dwExStyle, pInfo->m_nBarID);
    else
        bMade = pBar->Create(pFrame, pInfo->m_strWindowName, dwStyle, pInfo->m_dwExStyle, pInfo->m_nBarID);
    if (!bMade) {
        delete pBar;
        return nullptr;
    }
    pBar->SetWindowText(pInfo->m_strWindowName);
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    if (m_pOwnedWindows != nullptr)
        m_pOwnedWindows->push_back(pBar);
    else
        pBar->SetAutoDelete(TRUE);
    return pBar;
}

CDockBar* SECDockState::CreateFloatingDockBar(CControlBarInfo* pInfo, CFrameWnd* pFrame)
{
    const SECControlBarInfo* pSECInfo = dynamic_cast<const SECControlBarInfo*>(pInfo);
    SECMDIFrameWnd* pMDIFrame = dynamic_cast<SECMDIFrameWnd*>(pFrame);
    if (pSECInfo == nullptr || !pSECInfo->m_bMDIChild || pMDIFrame == nullptr)
        return CDockState::CreateFloatingDockBar(pInfo, pFrame);
    CMDIChildWnd* pHost = pMDIFrame->CreateBarHost();
    return dynamic_cast<CDockBar*>(CWnd::FromHandlePermanent(::GetDlgItem(pHost->m_hWnd, AFX_IDW_DOCKBAR_FLOAT)));
}

void SECDockState::FinishPlacement(CFrameWnd* pFrame)
{
    for (CControlBarInfo* pInfo : m_arrBarInfo) {
        const SECControlBarInfo* pSECInfo = dynamic_cast<const SECControlBarInfo*>(pInfo);
        SECControlBar* pBar = dynamic_cast<SECControlBar*>(pInfo->m_pBar);
        if (pSECInfo != nullptr && pBar != nullptr)
            pBar->SetExBarStyle(pSECInfo->m_dwExStyle);
    }
    // a host is sized around its bar where it stands (its placement, when kept, follows)
    for (CControlBarInfo* pInfo : m_arrBarInfo) {
        CDockBar* pDockBar = pInfo->m_bDockBar ? static_cast<CDockBar*>(pInfo->m_pBar) : nullptr;
        CMDIChildWnd* pHost = pDockBar != nullptr ? HostOf(pDockBar) : nullptr;
        if (pHost == nullptr || pDockBar->GetDockedCount() != 1)
            continue;
        CControlBar* pBar = nullptr;
        for (const CDockBar::Entry& e : pDockBar->m_arrBars)
            if (e.IsBar())
                pBar = e.pBar;
        CRect rectHost;
        pHost->GetWindowRect(rectHost);
        pHost->GetParent()->ScreenToClient(rectHost);
        SECPlaceBarHost(pHost, pBar, rectHost.TopLeft());
    }
    CDockState::FinishPlacement(pFrame);
    if (pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd))) {
        RestoreHostPlacements(pFrame);
        pFrame->DelayRecalcLayout();
    }
}

void SECDockState::RestoreHostPlacements(CFrameWnd* pFrame)
{
    (void)pFrame;
    for (CControlBarInfo* pInfo : m_arrBarInfo) {
        const SECControlBarInfo* pSECInfo = dynamic_cast<const SECControlBarInfo*>(pInfo);
        CMDIChildWnd* pHost = pInfo->m_bDockBar ? HostOf(static_cast<CDockBar*>(pInfo->m_pBar)) : nullptr;
        if (pSECInfo == nullptr || pHost == nullptr || pSECInfo->m_wpHost.length != kPlacementSize)
            continue;
        WINDOWPLACEMENT wp = pSECInfo->m_wpHost;
        // shown as the host's layout decided, and never activated: the MDI client does not activate hosts
        const BOOL bMinimized =
            wp.showCmd == SW_SHOWMINIMIZED || wp.showCmd == SW_MINIMIZE || wp.showCmd == SW_SHOWMINNOACTIVE;
        wp.showCmd = !pHost->IsWindowVisible() ? SW_HIDE : bMinimized ? SW_SHOWMINNOACTIVE : SW_SHOWNOACTIVATE;
        pHost->SetWindowPlacement(&wp);
    }
}

// ---- the toolkit bars' side ---------------------------------------------------------------------------------

void SECControlBar::GetBarInfo(CControlBarInfo* pInfo)
{
    CControlBar::GetBarInfo(pInfo);
    SECControlBarInfo* pSECInfo = dynamic_cast<SECControlBarInfo*>(pInfo);
    if (pSECInfo == nullptr)
        return;
    pSECInfo->m_szMRUHorzDock = m_szDockHorz;
    pSECInfo->m_szMRUVertDock = m_szDockVert;
    pSECInfo->m_szMRUFloat = m_szFloat;
    pSECInfo->m_dwMRUDockingState = m_dwMRUDockingState;
    pSECInfo->m_dwDockStyle = GetEnabledAlignment();
    pSECInfo->m_fPctWidth = m_fPctWidth;
    pSECInfo->m_dwStyle = GetBarStyle();
    pSECInfo->m_dwExStyle = m_dwExStyle;
    pSECInfo->m_nTypeID = m_pTypeIDProvider != nullptr ? m_pTypeIDProvider->GetBarTypeID(this) : 0;
    const SECDockContext* pContext = dynamic_cast<const SECDockContext*>(GetDockContext());
    pSECInfo->m_bPrevFloating = pContext != nullptr && pContext->m_bPrevFloating;
    pSECInfo->m_strClassName = GetRuntimeClass()->m_lpszClassName;
    GetWindowText(pSECInfo->m_strWindowName);
    GetBarInfoEx(pSECInfo);
}

void SECControlBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrame)
{
    if (SECControlBarInfo* pSECInfo = dynamic_cast<SECControlBarInfo*>(pInfo)) {
        m_szDockHorz = pSECInfo->m_szMRUHorzDock;
        m_szDockVert = pSECInfo->m_szMRUVertDock;
        m_szFloat = pSECInfo->m_szMRUFloat;
        m_dwMRUDockingState = pSECInfo->m_dwMRUDockingState;
        // values of a damaged layout are cut to what a bar may have
        const DWORD dwDockStyle = pSECInfo->m_dwDockStyle & (CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI);
        if (GetDockContext() == nullptr && dwDockStyle != 0)
            EnableDocking(dwDockStyle);
        else
            SetEnabledAlignment(dwDockStyle);
        m_fPctWidth = pSECInfo->m_fPctWidth;
        // where the bar lies is its dock bar's to say
        const DWORD dwPlace = CBRS_ALIGN_ANY | CBRS_FLOATING;
        SetBarStyle((pSECInfo->m_dwStyle & CBRS_ALL & ~dwPlace) | (GetBarStyle() & dwPlace));
        if (SECDockContext* pContext = dynamic_cast<SECDockContext*>(GetDockContext()))
            pContext->m_bPrevFloating = pSECInfo->m_bPrevFloating;
        if (pSECInfo->m_pInfoEx != nullptr)
            SetBarInfoEx(pSECInfo, pFrame);
    }
    CControlBar::SetBarInfo(pInfo, pFrame);
}

void SECControlBar::GetBarInfoEx(SECControlBarInfo* pInfo)
{
    (void)pInfo;
}

void SECControlBar::SetBarInfoEx(SECControlBarInfo* pInfo, CFrameWnd* pFrame)
{
    (void)pInfo;
    (void)pFrame;
}

void SECDialogBar::GetBarInfo(CControlBarInfo* pInfo)
{
    SECControlBar::GetBarInfo(pInfo);
    if (SECControlBarInfo* pSECInfo = dynamic_cast<SECControlBarInfo*>(pInfo))
        pSECInfo->m_nResourceID = m_nResourceID;
}

void SECDockBar::GetBarInfo(CControlBarInfo* pInfo)
{
    CDockBar::GetBarInfo(pInfo);
    SECControlBarInfo* pSECInfo = dynamic_cast<SECControlBarInfo*>(pInfo);
    if (pSECInfo == nullptr)
        return;
    pSECInfo->m_dwStyle = GetBarStyle();
    pSECInfo->m_bMDIChild = m_bMDIChild;
    pSECInfo->m_wpHost = WINDOWPLACEMENT();
    if (CMDIChildWnd* pHost = HostOf(this)) {
        pSECInfo->m_wpHost.length = sizeof(WINDOWPLACEMENT);
        pHost->GetWindowPlacement(&pSECInfo->m_wpHost);
    }
}

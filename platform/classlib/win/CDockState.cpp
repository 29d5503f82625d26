// CDockState and CControlBarInfo: records of a frame's bars, their profile and archive forms, reading
// them from the bars and applying them again; the frame's and the bars' side of it.
#include <algorithm>
#include <map>
#include <memory>

#include "win/CDockState.h"

#include "core/CArchive.h"
#include "core/CException.h"
#include "win/ArgCheck.h"
#include "win/CDockBar.h"
#include "win/CDockContext.h"
#include "win/CFrameWnd.h"
#include "win/CMiniFrameWnd.h"
#include "win/CWinApp.h"

IMPLEMENT_DYNAMIC(CDockState, CObject)

namespace {

const UINT kHiddenMark = 0x10000;
const int kDefaultMRUWidth = 32767;

CString SummarySection(LPCSTR lpszProfileName)
{
    CString strSection;
    strSection.Format("%s-Summary", lpszProfileName);
    return strSection;
}

CString IdKey(int nIndex)
{
    CString strKey;
    strKey.Format("Bar#%d", nIndex);
    return strKey;
}

CWinApp* RequireApp(const char* lpszWhere)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        AfxThrowInvalidArgFormat("%s: there is no application object for the profile", lpszWhere);
    return pApp;
}

// The window rectangle of pWnd in the coordinates its position is given in: its parent's client area
// for a child window, the screen otherwise.
CRect PlacedRect(const CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(rect);
    if ((pWnd->GetStyle() & WS_CHILD) != 0)
        ::MapWindowPoints(nullptr, ::GetParent(pWnd->m_hWnd), reinterpret_cast<LPPOINT>(static_cast<RECT*>(rect)), 2);
    return rect;
}

BOOL NamesABar(const std::vector<UINT>& ids)
{
    return std::any_of(ids.begin(), ids.end(), [](UINT nID) { return nID != 0; });
}

} // namespace

// ---- keys -----------------------------------------------------------------------------------------------

CDockStateKeys::~CDockStateKeys() = default;

CProfileKeys::CProfileKeys(LPCSTR lpszSection) : m_strSection(lpszSection) {}

void CProfileKeys::WriteInt(LPCSTR lpszKey, int nValue)
{
    RequireApp("CProfileKeys::WriteInt")->WriteProfileInt(m_strSection, lpszKey, nValue);
}

void CProfileKeys::WriteBool(LPCSTR lpszKey, BOOL bValue)
{
    WriteInt(lpszKey, bValue ? 1 : 0);
}

void CProfileKeys::WriteText(LPCSTR lpszKey, LPCSTR lpszValue)
{
    RequireApp("CProfileKeys::WriteText")->WriteProfileString(m_strSection, lpszKey, lpszValue != nullptr ? lpszValue : "");
}

void CProfileKeys::WriteBinary(LPCSTR lpszKey, const void* pData, UINT nBytes)
{
    RequireApp("CProfileKeys::WriteBinary")
        ->WriteProfileBinary(m_strSection, lpszKey, static_cast<LPBYTE>(const_cast<void*>(pData)), nBytes);
}

int CProfileKeys::ReadInt(LPCSTR lpszKey, int nDefault)
{
    return int(RequireApp("CProfileKeys::ReadInt")->GetProfileInt(m_strSection, lpszKey, nDefault));
}

BOOL CProfileKeys::ReadBool(LPCSTR lpszKey, BOOL bDefault)
{
    return ReadInt(lpszKey, bDefault ? 1 : 0) != 0;
}

CString CProfileKeys::ReadText(LPCSTR lpszKey, LPCSTR lpszDefault)
{
    return RequireApp("CProfileKeys::ReadText")->GetProfileString(m_strSection, lpszKey, lpszDefault);
}

BOOL CProfileKeys::ReadBinary(LPCSTR lpszKey, std::vector<BYTE>& data)
{
    data.clear();
    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    if (!RequireApp("CProfileKeys::ReadBinary")->GetProfileBinary(m_strSection, lpszKey, &pData, &nBytes))
        return FALSE;
    data.assign(pData, pData + nBytes);
    delete[] pData;
    return TRUE;
}

BOOL CProfileKeys::HasInt(LPCSTR lpszKey)
{
    // a stored value answers the same whatever the default
    return ReadInt(lpszKey, 0) == ReadInt(lpszKey, 1);
}

void CProfileKeys::Clear()
{
    RequireApp("CProfileKeys::Clear")->WriteProfileString(m_strSection, nullptr, nullptr);
}

// ---- the record -------------------------------------------------------------------------------------------

CControlBarInfo::CControlBarInfo()
    : m_nBarID(0), m_bVisible(TRUE), m_bFloating(FALSE), m_bHorz(FALSE), m_bDockBar(FALSE), m_pointPos(-1, -1),
      m_nMRUWidth(kDefaultMRUWidth), m_bDocking(FALSE), m_uMRUDockID(0), m_rectMRUDockPos(0, 0, 0, 0),
      m_dwMRUFloatStyle(0), m_ptMRUFloatPos(-1, -1), m_pBar(nullptr)
{
}

CControlBarInfo::~CControlBarInfo() = default;

BOOL CControlBarInfo::IsDockBarID(UINT nID)
{
    return nID >= AFX_IDW_DOCKBAR_TOP && nID <= AFX_IDW_DOCKBAR_FLOAT;
}

CString CControlBarInfo::ProfileSection(LPCSTR lpszProfileName, int nIndex)
{
    CString strSection;
    strSection.Format("%s-Bar%d", lpszProfileName, nIndex);
    return strSection;
}

BOOL CControlBarInfo::SaveKeys(CDockStateKeys& keys)
{
    if (m_bDockBar && !m_bFloating && !NamesABar(m_arrBarID))
        return FALSE;
    if (m_nBarID != 0)
        keys.WriteInt("BarID", int(m_nBarID));
    if (!m_bVisible)
        keys.WriteBool("Visible", FALSE);
    if (m_bFloating) {
        keys.WriteBool("Horz", m_bHorz);
        keys.WriteBool("Floating", TRUE);
    }
    if (m_pointPos.x != -1)
        keys.WriteInt("XPos", m_pointPos.x);
    if (m_pointPos.y != -1)
        keys.WriteInt("YPos", m_pointPos.y);
    if (m_nMRUWidth != kDefaultMRUWidth)
        keys.WriteInt("MRUWidth", m_nMRUWidth);
    if (m_bDocking) {
        keys.WriteBool("Docking", TRUE);
        keys.WriteInt("MRUDockID", int(m_uMRUDockID));
        keys.WriteInt("MRUDockLeftPos", m_rectMRUDockPos.left);
        keys.WriteInt("MRUDockTopPos", m_rectMRUDockPos.top);
        keys.WriteInt("MRUDockRightPos", m_rectMRUDockPos.right);
        keys.WriteInt("MRUDockBottomPos", m_rectMRUDockPos.bottom);
        keys.WriteInt("MRUFloatStyle", int(m_dwMRUFloatStyle));
        keys.WriteInt("MRUFloatXPos", m_ptMRUFloatPos.x);
        keys.WriteInt("MRUFloatYPos", m_ptMRUFloatPos.y);
    }
    if (m_arrBarID.size() > 1) {
        keys.WriteInt("Bars", int(m_arrBarID.size()));
        for (size_t i = 0; i < m_arrBarID.size(); i++)
            keys.WriteInt(IdKey(int(i)), int(m_arrBarID[i]));
    }
    return TRUE;
}

void CControlBarInfo::LoadKeys(CDockStateKeys& keys, CDockState* pDockState)
{
    AfxRequirePointer(pDockState, "CControlBarInfo::LoadKeys", "pDockState");
    m_nBarID = UINT(keys.ReadInt("BarID", 0));
    m_bDockBar = IsDockBarID(m_nBarID);
    m_bVisible = keys.ReadBool("Visible", TRUE);
    m_bHorz = keys.ReadBool("Horz", FALSE);
    m_bFloating = keys.ReadBool("Floating", FALSE);
    m_pointPos = CPoint(keys.ReadInt("XPos", -1), keys.ReadInt("YPos", -1));
    pDockState->ScalePoint(m_pointPos);
    m_nMRUWidth = keys.ReadInt("MRUWidth", kDefaultMRUWidth);
    m_bDocking = keys.ReadBool("Docking", FALSE);
    if (m_bDocking) {
        m_uMRUDockID = UINT(keys.ReadInt("MRUDockID", 0));
        m_rectMRUDockPos = CRect(keys.ReadInt("MRUDockLeftPos", 0), keys.ReadInt("MRUDockTopPos", 0),
                                 keys.ReadInt("MRUDockRightPos", 0), keys.ReadInt("MRUDockBottomPos", 0));
        pDockState->ScaleRect(m_rectMRUDockPos);
        m_dwMRUFloatStyle = DWORD(keys.ReadInt("MRUFloatStyle", 0));
        m_ptMRUFloatPos = CPoint(keys.ReadInt("MRUFloatXPos", -1), keys.ReadInt("MRUFloatYPos", -1));
        pDockState->ScalePoint(m_ptMRUFloatPos);
    }
    m_arrBarID.clear();
    const int nIDs = keys.ReadInt("Bars", 0);
    for (int i = 0; i < nIDs; i++) {
        const CString strKey = IdKey(i);
        if (!keys.HasInt(strKey))
            break; // a count larger than what is stored reads no further
        m_arrBarID.push_back(UINT(keys.ReadInt(strKey, 0)));
    }
}

BOOL CControlBarInfo::SaveState(LPCSTR lpszProfileName, int nIndex)
{
    AfxRequirePointer(lpszProfileName, "CControlBarInfo::SaveState", "lpszProfileName");
    CProfileKeys keys(ProfileSection(lpszProfileName, nIndex));
    keys.Clear();
    return SaveKeys(keys);
}

BOOL CControlBarInfo::LoadState(LPCSTR lpszProfileName, int nIndex, CDockState* pDockState)
{
    AfxRequirePointer(lpszProfileName, "CControlBarInfo::LoadState", "lpszProfileName");
    CProfileKeys keys(ProfileSection(lpszProfileName, nIndex));
    if (!keys.HasInt("BarID"))
        return FALSE;
    LoadKeys(keys, pDockState);
    return TRUE;
}

void CControlBarInfo::SerializeExtra(CArchive& ar, CDockState* pDockState)
{
    (void)ar;
    (void)pDockState;
}

void CControlBarInfo::Serialize(CArchive& ar, CDockState* pDockState)
{
    AfxRequirePointer(pDockState, "CControlBarInfo::Serialize", "pDockState");
    const BOOL bVersion2 = pDockState->m_dwVersion > 1;
    if (ar.IsStoring()) {
        if (m_arrBarID.size() > 0xFFFF)
            AfxThrowInvalidArgFormat("CControlBarInfo::Serialize: %u ids do not fit the id count",
                                     unsigned(m_arrBarID.size()));
        ar << uint32_t(m_nBarID) << int32_t(m_bVisible) << int32_t(m_bFloating) << int32_t(m_bHorz);
        ar << int32_t(m_pointPos.x) << int32_t(m_pointPos.y);
        if (bVersion2) {
            ar << int32_t(m_nMRUWidth) << int32_t(m_bDocking);
            if (m_bDocking) {
                ar << uint32_t(m_uMRUDockID);
                ar << int32_t(m_rectMRUDockPos.left) << int32_t(m_rectMRUDockPos.top)
                   << int32_t(m_rectMRUDockPos.right) << int32_t(m_rectMRUDockPos.bottom);
                ar << uint32_t(m_dwMRUFloatStyle) << int32_t(m_ptMRUFloatPos.x) << int32_t(m_ptMRUFloatPos.y);
            }
        }
        SerializeExtra(ar, pDockState);
        ar << uint16_t(m_arrBarID.size());
        for (UINT nID : m_arrBarID)
            ar << uint32_t(nID);
        return;
    }

    uint32_t dw = 0;
    int32_t l = 0;
    int32_t x = 0;
    int32_t y = 0;
    ar >> dw;
    m_nBarID = UINT(dw);
    m_bDockBar = IsDockBarID(m_nBarID);
    ar >> l;
    m_bVisible = l != 0;
    ar >> l;
    m_bFloating = l != 0;
    ar >> l;
    m_bHorz = l != 0;
    ar >> x >> y;
    m_pointPos = CPoint(x, y);
    pDockState->ScalePoint(m_pointPos);
    if (bVersion2) {
        ar >> l;
        m_nMRUWidth = l;
        ar >> l;
        m_bDocking = l != 0;
        if (m_bDocking) {
            int32_t r[4] = {};
            ar >> dw >> r[0] >> r[1] >> r[2] >> r[3];
            m_uMRUDockID = UINT(dw);
            m_rectMRUDockPos = CRect(r[0], r[1], r[2], r[3]);
            pDockState->ScaleRect(m_rectMRUDockPos);
            ar >> dw >> x >> y;
            m_dwMRUFloatStyle = dw;
            m_ptMRUFloatPos = CPoint(x, y);
            pDockState->ScalePoint(m_ptMRUFloatPos);
        }
    }
    SerializeExtra(ar, pDockState);
    uint16_t nIDs = 0;
    ar >> nIDs;
    ar.CheckAvailable(uint64_t(nIDs) * 4);
    m_arrBarID.assign(nIDs, 0);
    for (UINT& nID : m_arrBarID) {
        ar >> dw;
        nID = UINT(dw);
    }
}

// ---- the state --------------------------------------------------------------------------------------------

CDockState::CDockState() : m_dwVersion(2), m_sizeSaved(0, 0) {}

CDockState::~CDockState()
{
    Clear();
}

void CDockState::Clear()
{
    for (CControlBarInfo* pInfo : m_arrBarInfo)
        delete pInfo;
    m_arrBarInfo.clear();
}

CControlBarInfo* CDockState::CreateBarInfo()
{
    return new CControlBarInfo;
}

CSize CDockState::GetScreenSize()
{
    return CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
}

void CDockState::ScalePoint(CPoint& point) const
{
    if (m_sizeSaved.cx == 0 || m_sizeSaved.cy == 0)
        return;
    const CSize sizeNow = GetScreenSize();
    if (point.x != -1)
        point.x = ::MulDiv(point.x, sizeNow.cx, m_sizeSaved.cx);
    if (point.y != -1)
        point.y = ::MulDiv(point.y, sizeNow.cy, m_sizeSaved.cy);
}

void CDockState::ScaleRect(CRect& rect) const
{
    if (m_sizeSaved.cx == 0 || m_sizeSaved.cy == 0)
        return;
    const CSize sizeNow = GetScreenSize();
    rect = CRect(::MulDiv(rect.left, sizeNow.cx, m_sizeSaved.cx), ::MulDiv(rect.top, sizeNow.cy, m_sizeSaved.cy),
                 ::MulDiv(rect.right, sizeNow.cx, m_sizeSaved.cx), ::MulDiv(rect.bottom, sizeNow.cy, m_sizeSaved.cy));
}

void CDockState::SaveState(LPCSTR lpszProfileName)
{
    AfxRequirePointer(lpszProfileName, "CDockState::SaveState", "lpszProfileName");
    int nWritten = 0;
    for (CControlBarInfo* pInfo : m_arrBarInfo)
        if (pInfo->SaveState(lpszProfileName, nWritten))
            nWritten++;
    CProfileKeys summary(SummarySection(lpszProfileName));
    const CSize sizeScreen = GetScreenSize();
    summary.WriteInt("Bars", nWritten);
    summary.WriteInt("ScreenCX", sizeScreen.cx);
    summary.WriteInt("ScreenCY", sizeScreen.cy);
}

void CDockState::LoadState(LPCSTR lpszProfileName)
{
    AfxRequirePointer(lpszProfileName, "CDockState::LoadState", "lpszProfileName");
    CProfileKeys summary(SummarySection(lpszProfileName));
    const int nBars = summary.ReadInt("Bars", 0);
    Clear();
    m_sizeSaved = CSize(summary.ReadInt("ScreenCX", 0), summary.ReadInt("ScreenCY", 0));
    for (int i = 0; i < nBars; i++) {
        std::unique_ptr<CControlBarInfo> pInfo(CreateBarInfo());
        if (!pInfo->LoadState(lpszProfileName, i, this))
            break; // a count larger than what is stored reads no further
        m_arrBarInfo.push_back(pInfo.release());
    }
}

void CDockState::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        if (m_arrBarInfo.size() > 0xFFFF)
            AfxThrowInvalidArgFormat("CDockState::Serialize: %u records do not fit the record count",
                                     unsigned(m_arrBarInfo.size()));
        ar << uint32_t(m_dwVersion);
        if (m_dwVersion > 1) {
            const CSize sizeScreen = GetScreenSize();
            ar << int32_t(sizeScreen.cx) << int32_t(sizeScreen.cy);
        }
        ar << uint16_t(m_arrBarInfo.size());
        for (CControlBarInfo* pInfo : m_arrBarInfo)
            pInfo->Serialize(ar, this);
        return;
    }

    // read into new records: a failure leaves the ones held as they were
    const DWORD dwVersionKept = m_dwVersion;
    const CSize sizeKept = m_sizeSaved;
    std::vector<std::unique_ptr<CControlBarInfo>> records;
    try {
        uint32_t dwVersion = 0;
        ar >> dwVersion;
        m_dwVersion = dwVersion;
        m_sizeSaved = CSize(0, 0);
        if (m_dwVersion > 1) {
            int32_t cx = 0;
            int32_t cy = 0;
            ar >> cx >> cy;
            m_sizeSaved = CSize(cx, cy);
        }
        uint16_t nRecords = 0;
        ar >> nRecords;
        for (uint16_t i = 0; i < nRecords; i++) {
            records.emplace_back(CreateBarInfo());
            records.back()->Serialize(ar, this);
        }
    } catch (...) {
        m_dwVersion = dwVersionKept;
        m_sizeSaved = sizeKept;
        throw;
    }
    Clear();
    for (auto& pInfo : records)
        m_arrBarInfo.push_back(pInfo.release());
    m_dwVersion = 2;
}

// ---- reading and applying a frame ---------------------------------------------------------------------------

BOOL CDockState::IsStateBar(CControlBar* pBar) const
{
    (void)pBar;
    return TRUE;
}

void CDockState::GetState(CFrameWnd* pFrame)
{
    AfxRequirePointer(pFrame, "CDockState::GetState", "pFrame");
    Clear();
    const CPtrList& list = pFrame->GetControlBarList();
    std::vector<CDockBar*> floating;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        CControlBar* pBar = static_cast<CControlBar*>(list.GetNext(pos));
        if (IsStateBar(pBar)) {
            m_arrBarInfo.push_back(CreateBarInfo());
            pBar->GetBarInfo(m_arrBarInfo.back());
        }
        // the dock bars of floating frames are not in the frame's list
        CDockBar* pDockBar = pBar->GetDockBar();
        if (pDockBar != nullptr && pDockBar->m_bFloating && list.Find(pDockBar) == nullptr &&
            std::find(floating.begin(), floating.end(), pDockBar) == floating.end())
            floating.push_back(pDockBar);
    }
    for (CDockBar* pDockBar : floating) {
        if (IsStateBar(pDockBar)) {
            m_arrBarInfo.push_back(CreateBarInfo());
            pDockBar->GetBarInfo(m_arrBarInfo.back());
        }
    }
}

CDockBar* CDockState::CreateFloatingDockBar(CControlBarInfo* pInfo, CFrameWnd* pFrame)
{
    CMiniDockFrameWnd* pFloating = pFrame->CreateFloatingFrame(pInfo->m_bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT);
    return pFloating->GetDockBar();
}

void CDockState::CreateBarsAndFrames(CFrameWnd* pFrame)
{
    for (CControlBarInfo* pInfo : m_arrBarInfo) {
        if (pInfo->m_bDockBar && pInfo->m_bFloating)
            pInfo->m_pBar = CreateFloatingDockBar(pInfo, pFrame);
        else
            pInfo->m_pBar = BarOfRecord(pInfo, pFrame);
    }
    DropRecordsWithoutBar();
}

CControlBar* CDockState::BarOfRecord(CControlBarInfo* pInfo, CFrameWnd* pFrame)
{
    return pFrame->GetControlBar(pInfo->m_nBarID);
}

void CDockState::DropRecordsWithoutBar()
{
    auto itEnd = std::remove_if(m_arrBarInfo.begin(), m_arrBarInfo.end(), [](CControlBarInfo* pInfo) {
        if (pInfo->m_pBar != nullptr)
            return false;
        delete pInfo;
        return true;
    });
    m_arrBarInfo.erase(itEnd, m_arrBarInfo.end());
}

void CDockState::AssignDockBars(CFrameWnd* pFrame)
{
    std::map<UINT, const CControlBarInfo*> barRecords;
    for (const CControlBarInfo* pInfo : m_arrBarInfo)
        if (!pInfo->m_bDockBar)
            barRecords[pInfo->m_nBarID] = pInfo;

    // each bar the frame has goes where it fits best: a dock bar floating as its record does, where it
    // is listed as shown
    struct Home {
        const CControlBarInfo* pDockInfo = nullptr;
        size_t nIndex = 0;
        int nScore = -1;
    };
    std::map<UINT, Home> homes;
    for (const CControlBarInfo* pDockInfo : m_arrBarInfo) {
        if (!pDockInfo->m_bDockBar)
            continue;
        for (size_t i = 0; i < pDockInfo->m_arrBarID.size(); i++) {
            const UINT dw = pDockInfo->m_arrBarID[i];
            const UINT nID = dw & 0xFFFF;
            CControlBar* pBar = dw != 0 ? pFrame->GetControlBar(nID) : nullptr;
            if (pBar == nullptr || pBar->IsKindOf(RUNTIME_CLASS(CDockBar)))
                continue;
            auto itRecord = barRecords.find(nID);
            const BOOL bFloating = itRecord != barRecords.end() ? itRecord->second->m_bFloating : pBar->IsFloating();
            const int nScore = ((pDockInfo->m_bFloating != FALSE) == (bFloating != FALSE) ? 2 : 0) +
                               ((dw & kHiddenMark) == 0 ? 1 : 0);
            Home& home = homes[nID];
            if (nScore > home.nScore)
                home = Home{pDockInfo, i, nScore};
        }
    }
    for (CControlBarInfo* pDockInfo : m_arrBarInfo) {
        if (!pDockInfo->m_bDockBar)
            continue;
        for (size_t i = 0; i < pDockInfo->m_arrBarID.size(); i++) {
            UINT& dw = pDockInfo->m_arrBarID[i];
            if (dw == 0)
                continue;
            auto itHome = homes.find(dw & 0xFFFF);
            const BOOL bHome = itHome != homes.end() && itHome->second.pDockInfo == pDockInfo && itHome->second.nIndex == i;
            dw = bHome ? (dw & 0xFFFF) : (dw | kHiddenMark);
        }
    }
}

void CDockState::FinishPlacement(CFrameWnd* pFrame)
{
    for (CControlBarInfo* pInfo : m_arrBarInfo) {
        if (!pInfo->m_bDockBar || !pInfo->m_bFloating)
            continue;
        CDockBar* pDockBar = static_cast<CDockBar*>(pInfo->m_pBar);
        CFrameWnd* pFloating = pDockBar->GetParentFrame();
        if (pFloating == nullptr)
            continue;
        if (pDockBar->GetDockedCount() == 0) {
            // none of its bars could be had
            pInfo->m_pBar = nullptr;
            pFloating->DestroyWindow();
            continue;
        }
        pFloating->RecalcLayout(); // sized around its bars, shown while one is visible
        pFloating->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    DropRecordsWithoutBar();
    pFrame->RecalcLayout();
}

void CDockState::SetState(CFrameWnd* pFrame)
{
    AfxRequirePointer(pFrame, "CDockState::SetState", "pFrame");
    CreateBarsAndFrames(pFrame);
    AssignDockBars(pFrame);
    for (CControlBarInfo* pInfo : m_arrBarInfo)
        pInfo->m_pBar->SetBarInfo(pInfo, pFrame);
    FinishPlacement(pFrame);
}

// ---- the bars' and the frame's side -----------------------------------------------------------------------

void CControlBar::GetBarInfo(CControlBarInfo* pInfo)
{
    AfxRequirePointer(pInfo, "CControlBar::GetBarInfo", "pInfo");
    pInfo->m_pBar = this;
    pInfo->m_nBarID = UINT(GetDlgCtrlID());
    pInfo->m_bVisible = IsVisible();
    pInfo->m_bFloating = IsFloating();
    pInfo->m_bHorz = (GetBarStyle() & CBRS_ORIENT_HORZ) != 0;
    pInfo->m_bDockBar = FALSE;
    pInfo->m_pointPos = PlacedRect(this).TopLeft();
    pInfo->m_nMRUWidth = GetMRUWidth();
    const CDockContext* pContext = GetDockContext();
    pInfo->m_bDocking = pContext != nullptr;
    if (pContext != nullptr) {
        pInfo->m_uMRUDockID = pContext->m_uMRUDockID;
        pInfo->m_rectMRUDockPos = pContext->m_rectMRUDockPos;
        pInfo->m_dwMRUFloatStyle = pContext->m_dwMRUFloatStyle;
        pInfo->m_ptMRUFloatPos = pContext->m_ptMRUFloatPos;
    }
}

void CControlBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrame)
{
    AfxRequirePointer(pInfo, "CControlBar::SetBarInfo", "pInfo");
    (void)pFrame;
    SetMRUWidth(pInfo->m_nMRUWidth);
    CDockContext* pContext = GetDockContext();
    if (pInfo->m_bDocking && pContext != nullptr) {
        pContext->m_uMRUDockID = pInfo->m_uMRUDockID;
        pContext->m_rectMRUDockPos = pInfo->m_rectMRUDockPos;
        pContext->m_dwMRUFloatStyle = pInfo->m_dwMRUFloatStyle;
        pContext->m_ptMRUFloatPos = pInfo->m_ptMRUFloatPos;
    }
    if (pInfo->m_pointPos != CPoint(-1, -1))
        SetWindowPos(nullptr, pInfo->m_pointPos.x, pInfo->m_pointPos.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    DelayShow(pInfo->m_bVisible);
}

void CDockBar::GetBarInfo(CControlBarInfo* pInfo)
{
    CControlBar::GetBarInfo(pInfo);
    pInfo->m_bDockBar = TRUE;
    GetBarIDs(pInfo->m_arrBarID);
    // a floating dock bar is placed with its frame
    if (m_bFloating)
        if (CFrameWnd* pFrame = GetParentFrame())
            pInfo->m_pointPos = PlacedRect(pFrame).TopLeft();
}

void CDockBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrame)
{
    AfxRequirePointer(pInfo, "CDockBar::SetBarInfo", "pInfo");
    AfxRequirePointer(pFrame, "CDockBar::SetBarInfo", "pFrame");
    std::vector<Entry> entries(1, Entry::RowEnd());
    std::vector<CControlBar*> placed;
    for (UINT dw : pInfo->m_arrBarID) {
        if (dw == 0) {
            if (!entries.back().IsRowEnd())
                entries.push_back(Entry::RowEnd());
            continue;
        }
        const UINT nID = dw & 0xFFFF;
        CControlBar* pBar = (dw & kHiddenMark) == 0 ? pFrame->GetControlBar(nID) : nullptr;
        // only a bar that docks (not a dock bar, nor a status bar a damaged layout names) is placed
        const BOOL bDocks = pBar != nullptr && !pBar->IsKindOf(RUNTIME_CLASS(CDockBar)) &&
                            (pBar->GetDockBar() != nullptr || pBar->GetDockContext() != nullptr);
        if (bDocks && std::find(placed.begin(), placed.end(), pBar) == placed.end()) {
            entries.push_back(Entry::Bar(pBar));
            placed.push_back(pBar);
            continue;
        }
        // a place kept for a bar that is elsewhere, or not made (yet)
        const BOOL bKept = std::any_of(entries.begin(), entries.end(), [nID](const Entry& e) {
            return (e.IsPlaceholder() && e.nID == nID) || (e.IsBar() && UINT(e.pBar->GetDlgCtrlID()) == nID);
        });
        if (!bKept)
            entries.push_back(Entry::Placeholder(nID));
    }
    if (!entries.back().IsRowEnd())
        entries.push_back(Entry::RowEnd());
    // bars held here that the list leaves out stay, each in a row of its own
    for (const Entry& e : m_arrBars) {
        if (e.IsBar() && std::find(placed.begin(), placed.end(), e.pBar) == placed.end()) {
            entries.push_back(e);
            entries.push_back(Entry::RowEnd());
        }
    }
    for (CControlBar* pBar : placed) {
        if (pBar->GetParent() != this)
            pBar->SetParent(this);
        CDockBar* pOldDockBar = pBar->GetDockBar();
        if (pOldDockBar != nullptr && pOldDockBar != this)
            pOldDockBar->RemoveControlBar(pBar, -1, FALSE);
        pBar->SetDockBar(this);
        TakeBarStyle(pBar);
    }
    m_arrBars = entries;
    if (m_bFloating && pInfo->m_pointPos != CPoint(-1, -1)) {
        if (CFrameWnd* pFloating = GetParentFrame())
            pFloating->SetWindowPos(nullptr, pInfo->m_pointPos.x, pInfo->m_pointPos.y, 0, 0,
                                    SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (CFrameWnd* pParentFrame = GetParentFrame())
        pParentFrame->DelayRecalcLayout();
}

void CFrameWnd::GetDockState(CDockState& state)
{
    state.GetState(this);
}

void CFrameWnd::SetDockState(CDockState& state)
{
    state.SetState(this);
}

CDockState* CFrameWnd::CreateDockState()
{
    return new CDockState;
}

void CFrameWnd::SaveBarState(LPCSTR lpszProfileName)
{
    std::unique_ptr<CDockState> pState(CreateDockState());
    GetDockState(*pState);
    pState->SaveState(lpszProfileName);
}

void CFrameWnd::LoadBarState(LPCSTR lpszProfileName)
{
    std::unique_ptr<CDockState> pState(CreateDockState());
    pState->LoadState(lpszProfileName);
    SetDockState(*pState);
}

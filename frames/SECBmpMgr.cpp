#include "frames/SECBmpMgr.h"

#include "frames/SECResourceData.h"
#include "frames/SECSysColorBitmap.h"
#include "win/AfxResource.h"

#include <cstring>

IMPLEMENT_DYNAMIC(SECBmpMgr, CObject)

namespace {

const LPCSTR RT_TOOLBAR_RESOURCE = MAKEINTRESOURCEA(241);

// The head and the command ids of a tool-bar resource.
struct ToolBarResource {
    int cxImage = 0;
    int cyImage = 0;
    std::vector<UINT> ids; // 0 for a separator
};

// Reads tool-bar resource lpszName. FALSE when it is missing or malformed.
BOOL ReadToolBarResource(LPCSTR lpszName, ToolBarResource& toolBar)
{
    size_t nSize = 0;
    const BYTE* pData = SECLockResourceData(lpszName, RT_TOOLBAR_RESOURCE, &nSize);
    const size_t nHead = 4 * sizeof(WORD); // version, width, height, count
    if (pData == nullptr || nSize < nHead)
        return FALSE;
    WORD head[4];
    std::memcpy(head, pData, nHead);
    const size_t nCount = head[3];
    // a count that claims more ids than the resource holds would read past its end
    if (head[1] == 0 || head[2] == 0 || nCount > (nSize - nHead) / sizeof(WORD))
        return FALSE;
    toolBar.cxImage = head[1];
    toolBar.cyImage = head[2];
    toolBar.ids.resize(nCount);
    for (size_t i = 0; i < nCount; i++) {
        WORD nID;
        std::memcpy(&nID, pData + nHead + i * sizeof(WORD), sizeof(WORD));
        toolBar.ids[i] = nID;
    }
    return TRUE;
}

void DeleteBitmap(HBITMAP& hBitmap)
{
    if (hBitmap != nullptr)
        ::DeleteObject(hBitmap);
    hBitmap = nullptr;
}

} // namespace

SECBmpMgr::ResourceName::ResourceName(LPCSTR lpszName)
{
    if (IS_INTRESOURCE(lpszName))
        m_nID = LOWORD(reinterpret_cast<UINT_PTR>(lpszName));
    else
        m_strName = lpszName;
}

SECBmpMgr::ImageList::~ImageList()
{
    DeleteBitmap(hSmall);
    DeleteBitmap(hLarge);
}

SECBmpMgr::SECBmpMgr() = default;

SECBmpMgr::~SECBmpMgr() = default;

void SECBmpMgr::AddRef()
{
    ++m_nRefs;
}

void SECBmpMgr::Release()
{
    if (--m_nRefs == 0)
        delete this;
}

BOOL SECBmpMgr::LoadToolBarResource(UINT nIDResource, UINT nIDLargeResource, BOOL bSysColor)
{
    return LoadToolBarResource(MAKEINTRESOURCEA(nIDResource),
                               nIDLargeResource != 0 ? MAKEINTRESOURCEA(nIDLargeResource) : nullptr, bSysColor);
}

BOOL SECBmpMgr::LoadToolBarResource(LPCSTR lpszResource, LPCSTR lpszLargeResource, BOOL bSysColor)
{
    ToolBarResource toolBar;
    ToolBarResource largeToolBar;
    if (lpszResource == nullptr || !ReadToolBarResource(lpszResource, toolBar))
        return FALSE;
    if (lpszLargeResource != nullptr && !ReadToolBarResource(lpszLargeResource, largeToolBar))
        return FALSE;

    // the first image list fixes the sizes; they are put back when this load fails
    const CSize sizeSmallBefore = m_sizeSmall;
    const CSize sizeLargeBefore = m_sizeLarge;
    if (m_lists.empty()) {
        m_sizeSmall = CSize(toolBar.cxImage, toolBar.cyImage);
        if (lpszLargeResource != nullptr)
            m_sizeLarge = CSize(largeToolBar.cxImage, largeToolBar.cyImage);
    }

    auto pList = std::make_unique<ImageList>();
    pList->resource = ResourceName(lpszResource);
    if (lpszLargeResource != nullptr)
        pList->largeResource = ResourceName(lpszLargeResource);
    pList->bSysColor = bSysColor;
    for (UINT nID : toolBar.ids)
        if (nID != 0)
            pList->nImages++;
    if (!LoadBitmaps(pList.get(), TRUE)) {
        m_sizeSmall = sizeSmallBefore;
        m_sizeLarge = sizeLargeBefore;
        return FALSE;
    }

    m_lists.push_back(std::move(pList));
    const int nList = int(m_lists.size()) - 1;
    int nImage = 0;
    for (UINT nID : toolBar.ids) {
        if (nID == 0)
            continue;
        ImageEntry entry;
        if (!m_mapImages.Lookup(nID, entry))
            m_mapImages.SetAt(nID, ImageEntry{nList, nImage});
        nImage++;
    }
    return TRUE;
}

BOOL SECBmpMgr::GetImage(UINT nID, HBITMAP& hBitmap, int& nImage, BOOL bForceSmall) const
{
    ImageEntry entry;
    if (!m_mapImages.Lookup(nID, entry))
        return FALSE;
    const ImageList& list = *m_lists[size_t(entry.nList)];
    HBITMAP hForm = bForceSmall || m_bSmall ? list.hSmall : list.hLarge;
    if (hForm == nullptr)
        return FALSE;
    hBitmap = hForm;
    nImage = entry.nImage;
    return TRUE;
}

BOOL SECBmpMgr::ReloadAll(BOOL bReload)
{
    BOOL bResult = TRUE;
    for (auto& pList : m_lists)
        if (!LoadBitmaps(pList.get(), bReload))
            bResult = FALSE;
    return bResult;
}

void SECBmpMgr::SetKeepBoth(BOOL bKeepBoth)
{
    SwitchForms(m_bKeepBoth, bKeepBoth);
}

void SECBmpMgr::SetSmallImages(BOOL bSmall)
{
    SwitchForms(m_bSmall, bSmall);
}

void SECBmpMgr::SwitchForms(BOOL& bFlag, BOOL bValue)
{
    bValue = bValue != FALSE;
    if (bValue == bFlag)
        return;
    bFlag = bValue;
    ReloadAll(FALSE);
}

BOOL SECBmpMgr::LoadBitmaps(ImageList* pList, BOOL bReload)
{
    if (m_bSmall || m_bKeepBoth) {
        if (m_bSmall && !m_bKeepBoth)
            DeleteBitmap(pList->hLarge);
        if (bReload)
            DeleteBitmap(pList->hSmall);
        if (pList->hSmall == nullptr && (pList->hSmall = LoadSmallBitmap(pList)) == nullptr)
            return FALSE;
    }
    if (m_bSmall)
        return TRUE;

    if (!m_bKeepBoth)
        DeleteBitmap(pList->hSmall);
    if (bReload)
        DeleteBitmap(pList->hLarge);
    if (pList->hLarge == nullptr)
        pList->hLarge = MakeLargeBitmap(pList);
    return pList->hLarge != nullptr;
}

HBITMAP SECBmpMgr::LoadSmallBitmap(const ImageList* pList)
{
    const LPCSTR lpszName = pList->resource.Get();
    if (pList->bSysColor)
        return SECLoadSysColorBitmap(lpszName);
    HINSTANCE hInst = AfxFindResourceHandle(lpszName, RT_BITMAP);
    return hInst != nullptr ? ::LoadBitmapA(hInst, lpszName) : nullptr;
}

HBITMAP SECBmpMgr::MakeLargeBitmap(const ImageList* pList)
{
    if (pList->largeResource.IsSet()) {
        ImageList large;
        large.resource = pList->largeResource;
        large.bSysColor = pList->bSysColor;
        return LoadSmallBitmap(&large);
    }

    // a small form loaded only to be stretched is deleted afterwards
    HBITMAP hSmall = pList->hSmall;
    const BOOL bLoadedHere = hSmall == nullptr;
    if (bLoadedHere && (hSmall = LoadSmallBitmap(pList)) == nullptr)
        return nullptr;

    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hLarge = ::CreateCompatibleBitmap(hScreen, m_sizeLarge.cx * pList->nImages, m_sizeLarge.cy);
    HDC hSrcDC = ::CreateCompatibleDC(hScreen);
    HDC hDstDC = ::CreateCompatibleDC(hScreen);
    ::ReleaseDC(nullptr, hScreen);
    if (hLarge != nullptr && hSrcDC != nullptr && hDstDC != nullptr) {
        HGDIOBJ hOldSrc = ::SelectObject(hSrcDC, hSmall);
        HGDIOBJ hOldDst = ::SelectObject(hDstDC, hLarge);
        ::SetStretchBltMode(hDstDC, COLORONCOLOR);
        for (int i = 0; i < pList->nImages; i++)
            ::StretchBlt(hDstDC, m_sizeLarge.cx * i, 0, m_sizeLarge.cx, m_sizeLarge.cy, hSrcDC, m_sizeSmall.cx * i, 0,
                         m_sizeSmall.cx, m_sizeSmall.cy, SRCCOPY);
        ::SelectObject(hSrcDC, hOldSrc);
        ::SelectObject(hDstDC, hOldDst);
    } else {
        DeleteBitmap(hLarge);
    }
    if (hSrcDC != nullptr)
        ::DeleteDC(hSrcDC);
    if (hDstDC != nullptr)
        ::DeleteDC(hDstDC);
    if (bLoadedHere)
        DeleteBitmap(hSmall);
    return hLarge;
}

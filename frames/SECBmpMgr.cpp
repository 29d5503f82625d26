#include "frames/SECBmpMgr.h"

#include "frames/SECResourceData.h"
#include "frames/SECSysColorBitmap.h"
#include "win/AfxResource.h"

IMPLEMENT_DYNAMIC(SECBmpMgr, CObject)

namespace {

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
    if (!bSmallBorrowed)
        DeleteBitmap(hSmall);
    if (!bLargeBorrowed)
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
    SECToolBarResource toolBar;
    SECToolBarResource largeToolBar;
    if (lpszResource == nullptr || !SECReadToolBarResource(lpszResource, toolBar))
        return FALSE;
    if (lpszLargeResource != nullptr && !SECReadToolBarResource(lpszLargeResource, largeToolBar))
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
    if (pList->bSmallBorrowed)
        return TRUE;
    if (m_bSmall || m_bKeepBoth) {
        if (m_bSmall && !m_bKeepBoth && !pList->bLargeBorrowed)
            DeleteBitmap(pList->hLarge);
        if (bReload)
            DeleteBitmap(pList->hSmall);
        if (pList->hSmall == nullptr && (pList->hSmall = LoadSmallBitmap(pList)) == nullptr)
            return FALSE;
    }
    if (m_bSmall || pList->bLargeBorrowed)
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

#include "win/CImageList.h"

#include "win/AfxResource.h"
#include "win/ArgCheck.h"
#include "win/CDC.h"
#include "win/CGdiObject.h"
#include "win/CWnd.h"
#include "win/HandleMap.h"
#include "win/WndInternal.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

namespace {

CHandleMap<HIMAGELIST, CImageList>& ImageListMap()
{
    static CHandleMap<HIMAGELIST, CImageList> map;
    return map;
}

HBITMAP BitmapOf(CBitmap* pBitmap)
{
    return pBitmap != nullptr ? static_cast<HBITMAP>(pBitmap->m_hObject) : nullptr;
}

} // namespace

CImageList::CImageList() : m_hImageList(nullptr)
{
}

CImageList::~CImageList()
{
    DeleteImageList();
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    AfxInitCommonControls();
    return Attach(::ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    AfxInitCommonControls();
    const LPCSTR lpszName = MAKEINTRESOURCEA(nBitmapID);
    HINSTANCE hInst = AfxFindResourceHandle(lpszName, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    if (hInst == nullptr)
        return FALSE;
    return Attach(::ImageList_LoadImageA(hInst, lpszName, cx, nGrow, crMask, IMAGE_BITMAP, LR_CREATEDIBSECTION));
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    if (hImageList == nullptr)
        return FALSE;
    if (m_hImageList != nullptr)
        AfxThrowInvalidArgFormat("CImageList::Attach: the object already holds list %p", m_hImageList);
    m_hImageList = hImageList;
    ImageListMap().SetPermanent(hImageList, this);
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST hImageList = m_hImageList;
    if (hImageList != nullptr)
        ImageListMap().Remove(hImageList, this);
    m_hImageList = nullptr;
    return hImageList;
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == nullptr)
        return FALSE;
    const bool bOwned = ImageListMap().LookupPermanent(m_hImageList) == this;
    HIMAGELIST hImageList = Detach();
    return bOwned ? ::ImageList_Destroy(hImageList) : TRUE;
}

CImageList* AfxControlImageList(HWND hWnd, UINT message, int nImageList, const CImageList* pImageList)
{
    const LPARAM lParam = reinterpret_cast<LPARAM>(pImageList != nullptr ? pImageList->m_hImageList : nullptr);
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(::SendMessageA(hWnd, message, WPARAM(nImageList), lParam)));
}

CImageList* AfxNewImageList(HIMAGELIST hImageList)
{
    if (hImageList == nullptr)
        return nullptr;
    CImageList* pImageList = new CImageList;
    pImageList->Attach(hImageList);
    return pImageList;
}

CImageList* CImageList::FromHandle(HIMAGELIST hImageList)
{
    if (hImageList == nullptr)
        return nullptr;
    auto& map = ImageListMap();
    if (CImageList* p = map.LookupPermanent(hImageList))
        return p;
    if (CImageList* p = map.LookupTemporary(hImageList))
        return p;
    CImageList* p = new CImageList;
    p->m_hImageList = hImageList;
    map.AddTemporary(hImageList, p);
    return p;
}

void CImageList::DeleteTempMap()
{
    ImageListMap().DeleteTemps([](CImageList* p) { p->m_hImageList = nullptr; });
}

size_t CImageList::GetTempCount()
{
    return ImageListMap().GetTemporaryCount();
}

int CImageList::GetImageCount() const
{
    return ::ImageList_GetImageCount(m_hImageList);
}

BOOL CImageList::SetImageCount(UINT uNewCount)
{
    return ::ImageList_SetImageCount(m_hImageList, uNewCount);
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    AfxRequirePointer(pbmImage, "CImageList::Add", "pbmImage");
    return ::ImageList_Add(m_hImageList, BitmapOf(pbmImage), BitmapOf(pbmMask));
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    AfxRequirePointer(pbmImage, "CImageList::Add", "pbmImage");
    return ::ImageList_AddMasked(m_hImageList, BitmapOf(pbmImage), crMask);
}

int CImageList::Add(HICON hIcon)
{
    return ::ImageList_AddIcon(m_hImageList, hIcon);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
    AfxRequirePointer(pbmImage, "CImageList::Replace", "pbmImage");
    return ::ImageList_Replace(m_hImageList, nImage, BitmapOf(pbmImage), BitmapOf(pbmMask));
}

int CImageList::Replace(int nImage, HICON hIcon)
{
    return ::ImageList_ReplaceIcon(m_hImageList, nImage, hIcon);
}

BOOL CImageList::Remove(int nImage)
{
    return ::ImageList_Remove(m_hImageList, nImage);
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    AfxRequirePointer(pDC, "CImageList::Draw", "pDC");
    return ::ImageList_Draw(m_hImageList, nImage, pDC->m_hDC, pt.x, pt.y, nStyle);
}

COLORREF CImageList::SetBkColor(COLORREF cr)
{
    return ::ImageList_SetBkColor(m_hImageList, cr);
}

COLORREF CImageList::GetBkColor() const
{
    return ::ImageList_GetBkColor(m_hImageList);
}

BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
{
    AfxRequirePointer(pImageInfo, "CImageList::GetImageInfo", "pImageInfo");
    return ::ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}

HICON CImageList::ExtractIcon(int nImage)
{
    return ::ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL);
}

BOOL CImageList::GetIconSize(int& cx, int& cy) const
{
    return ::ImageList_GetIconSize(m_hImageList, &cx, &cy);
}

BOOL CImageList::BeginDrag(int nImage, CPoint ptHotSpot)
{
    return ::ImageList_BeginDrag(m_hImageList, nImage, ptHotSpot.x, ptHotSpot.y);
}

void CImageList::EndDrag()
{
    ::ImageList_EndDrag();
}

BOOL CImageList::DragEnter(CWnd* pWndLock, CPoint point)
{
    return ::ImageList_DragEnter(pWndLock != nullptr ? pWndLock->m_hWnd : nullptr, point.x, point.y);
}

BOOL CImageList::DragLeave(CWnd* pWndLock)
{
    return ::ImageList_DragLeave(pWndLock != nullptr ? pWndLock->m_hWnd : nullptr);
}

BOOL CImageList::DragMove(CPoint pt)
{
    return ::ImageList_DragMove(pt.x, pt.y);
}

BOOL CImageList::DragShowNolock(BOOL bShow)
{
    return ::ImageList_DragShowNolock(bShow);
}

BOOL CImageList::SetDragCursorImage(int nDrag, CPoint ptHotSpot)
{
    return ::ImageList_SetDragCursorImage(m_hImageList, nDrag, ptHotSpot.x, ptHotSpot.y);
}

// CImageList: a list of same-sized images (HIMAGELIST) for tree and list controls and for drag
// images. Not a window.
//
// The object owns the image list it created or attached (the destructor deletes it). FromHandle of a
// list no object holds gives a temporary wrapper, freed when the application goes idle.
// The drag functions are static: one drag image exists at a time for the program.
//
// Not done yet: merging lists, overlay images.
#pragma once

#include "core/Core.h"
#include "win/CRect.h"

#include <windows.h>
#include <commctrl.h>

class CBitmap;
class CDC;
class CWnd;

class CImageList : public CObject {
    DECLARE_DYNCREATE(CImageList)
public:
    CImageList();
    // Deletes the list the object holds.
    ~CImageList() override;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList;

    // A list of cx by cy images, ILC_* flags, room for nInitial, growing by nGrow. FALSE on failure;
    // an object that already holds a list refuses with CInvalidArgException.
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // A list from bitmap resource nBitmapID (current resource handle, then the program) cut in images
    // cx wide; crMask the transparent colour (CLR_NONE: none).
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    BOOL DeleteImageList();
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }

    // The object holding hImageList, else a temporary wrapper. Null for null.
    static CImageList* FromHandle(HIMAGELIST hImageList);
    // Frees the temporary wrappers (called on idle).
    static void DeleteTempMap();
    static size_t GetTempCount();

    int GetImageCount() const;
    BOOL SetImageCount(UINT uNewCount);
    // Adds images: a bitmap with a mask bitmap / with a mask colour / an icon. Returns the index of
    // the first new image, -1 on failure.
    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(HICON hIcon);
    BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
    int Replace(int nImage, HICON hIcon);
    // Removes image nImage (-1: all).
    BOOL Remove(int nImage);
    // Draws image nImage at pt with ILD_* style.
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
    COLORREF SetBkColor(COLORREF cr);
    COLORREF GetBkColor() const;
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const;
    // A new icon of image nImage (the caller destroys it).
    HICON ExtractIcon(int nImage);
    // The size of one image.
    BOOL GetIconSize(int& cx, int& cy) const;

    // Dragging: starts with image nImage held at ptHotSpot; the others move, show and end it.
    BOOL BeginDrag(int nImage, CPoint ptHotSpot);
    static void EndDrag();
    // pWndLock: the window the drag image is drawn in (null: the desktop); point in its window
    // coordinates.
    static BOOL DragEnter(CWnd* pWndLock, CPoint point);
    static BOOL DragLeave(CWnd* pWndLock);
    static BOOL DragMove(CPoint pt);
    static BOOL DragShowNolock(BOOL bShow);
    BOOL SetDragCursorImage(int nDrag, CPoint ptHotSpot);
};

// DEDizedComponent: the fills with a bitmap resource and with an image file, and the component's
// image caches.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cstdint>

#include "chart/engine/components/DEDizedComponent.h"

#include "chart/engine/ChartResource.h"
#include "chart/views/image/SECDib.h"
#include "chart/views/image/SECJpeg.h"
#include "core/CFile.h"
#include "native/BmpHeader.h"

namespace {

// Whether the file at the host path lpszFileName is a BMP file whose headers hold: the system's own
// loader trusts them, and reads past its mapping of the file when they lie.
bool IsSoundBmpFile(const char* lpszFileName)
{
    CFile file;
    if (!file.Open(lpszFileName, CFile::modeRead | CFile::shareDenyNone))
        return false;
    uint8_t head[BMP_HEADER_BYTES];
    const uint32_t nRead = file.Read(head, sizeof head);
    return CheckBmpHeader(head, nRead, file.GetLength(), nullptr) == BMP_OK;
}

// A section bitmap of the BMP file at the host path lpszFileName, loaded by the system (null when it
// does not load).
HBITMAP LoadSectionBitmap(const char* lpszFileName)
{
    WCHAR* pszWindowsPath = wine_get_dos_file_name(lpszFileName);
    if (pszWindowsPath == nullptr)
        return nullptr;
    HANDLE hImage = ::LoadImageW(nullptr, pszWindowsPath, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    ::HeapFree(::GetProcessHeap(), 0, pszWindowsPath);
    return static_cast<HBITMAP>(hImage);
}

} // namespace

void DEDizedComponent::FillResourceBitmap(const CRect& rect, DEDizedStyle* pStyle)
{
    const CString& name = pStyle->m_strImageFile;
    if (m_resourceBitmap.m_hObject == nullptr || m_strBitmapName != name) {
        m_resourceBitmap.DeleteObject();
        m_strBitmapName.Empty();
        if (!m_resourceBitmap.LoadBitmap(name))
            return;
        m_strBitmapName = name;
    }
    DrawBitmapFill(m_resourceBitmap, rect, (pStyle->m_nStyle & styleImageStretched) != 0);
}

void DEDizedComponent::FillImageFile(const CRect& rect, DEDizedStyle* pStyle)
{
    const CString& name = pStyle->m_strImageFile;
    // the cache holds one image: a style that asks for another file loads it, whatever its flag says
    const bool bCached = (pStyle->m_nOptions & DEDizedStyle::optionImageLoaded) && m_bImageLoaded &&
                         m_strImageName == name && m_imageBitmap.m_hObject != nullptr;
    if (!bCached) {
        m_imageBitmap.DeleteObject();
        m_bImageLoaded = 0;
        m_strImageName.Empty();
        BOOL bLoaded = LoadImageFile(name);
        if (!bLoaded && !LoadMissingImageBitmap())
            bLoaded = ConvertImage(name);
        if (bLoaded) {
            m_bImageLoaded = 1;
            m_strImageName = name;
            pStyle->m_nOptions |= DEDizedStyle::optionImageLoaded;
        }
    }
    if (m_imageBitmap.m_hObject != nullptr)
        DrawBitmapFill(m_imageBitmap, rect, (pStyle->m_nStyle & styleImageStretched) != 0);
}

BOOL DEDizedComponent::LoadImageFile(const char* lpszFileName)
{
    try {
        if (IsSoundBmpFile(lpszFileName)) {
            if (HBITMAP hBitmap = LoadSectionBitmap(lpszFileName)) {
                m_imageBitmap.Attach(hBitmap);
                return TRUE;
            }
        }
    } catch (CException* e) {
        e->Delete();
    }
    auto loadWith = [&](SECImage& image) -> BOOL {
        try {
            if (!image.LoadImage(lpszFileName))
                return FALSE;
            CBitmap* pBitmap = image.MakeBitmap(m_pDC);
            if (pBitmap == nullptr)
                return FALSE;
            m_imageBitmap.Attach(pBitmap->Detach());
            delete pBitmap;
            return TRUE;
        } catch (CException* e) {
            e->Delete();
            return FALSE;
        }
    };
    SECDib dib;
    if (loadWith(dib))
        return TRUE;
    SECJpeg jpeg;
    return loadWith(jpeg);
}

BOOL DEDizedComponent::LoadMissingImageBitmap()
{
    m_imageBitmap.DeleteObject();
    return m_imageBitmap.LoadBitmap(IDB_CHART_MISSING_IMAGE);
}

BOOL DEDizedComponent::ConvertImage(const char* /*lpszFileName*/)
{
    return FALSE;
}

void DEDizedComponent::DrawBitmapFill(CBitmap& bitmap, const CRect& rect, bool bStretched)
{
    BITMAP info = {};
    if (bitmap.GetBitmap(&info) == 0 || info.bmWidth <= 0 || info.bmHeight <= 0)
        return;
    CDC memDC;
    if (!memDC.CreateCompatibleDC(nullptr))
        return;
    CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
    if (pOldBitmap == nullptr)
        return;
    if (bStretched) {
        m_pDC->StretchBlt(rect.left, rect.top, rect.Width(), rect.Height(), &memDC, 0, 0, info.bmWidth,
                          info.bmHeight, SRCCOPY);
    } else {
        // the tiles take at least a pixel each, so that a tiny bitmap on a coarse device ends too
        const int cx = (std::max)(1, int(info.bmWidth * GetDeviceScaleX()));
        const int cy = (std::max)(1, int(info.bmHeight * GetDeviceScaleY()));
        for (int y = 0; y < rect.Height(); y += cy)
            for (int x = 0; x < rect.Width(); x += cx)
                m_pDC->StretchBlt(rect.left + x, rect.top + y, cx, cy, &memDC, 0, 0, info.bmWidth, info.bmHeight,
                                  SRCCOPY);
    }
    memDC.SelectObject(pOldBitmap);
}

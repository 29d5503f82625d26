#include "chart/views/image/SECImage.h"

#include "chart/views/image/ImageResource.h"
#include "native/BmpHeader.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <vector>

IMPLEMENT_DYNAMIC(SECImage, CObject)

static_assert(sizeof(BITMAPFILEHEADER) == BMP_FILE_HEADER_BYTES, "the file header is stored as it lies in memory");
static_assert(sizeof(BITMAPINFOHEADER) == BMP_INFO_HEADER_BYTES, "the information header is stored as it lies in memory");

namespace {

// The header block always has room for a full colour table, so that no depth outgrows it.
const SIZE_T kInfoBlockBytes = sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD);

// Allocates a zeroed movable block and locks it. Null (and hBlock null) when memory cannot be had.
LPBYTE AllocBlock(HGLOBAL& hBlock, SIZE_T nBytes)
{
    hBlock = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nBytes);
    if (hBlock == nullptr)
        return nullptr;
    LPBYTE p = static_cast<LPBYTE>(::GlobalLock(hBlock));
    if (p == nullptr) {
        ::GlobalFree(hBlock);
        hBlock = nullptr;
    }
    return p;
}

template <class T>
void FreeBlock(HGLOBAL& hBlock, T*& p)
{
    if (hBlock != nullptr) {
        ::GlobalUnlock(hBlock);
        ::GlobalFree(hBlock);
    }
    hBlock = nullptr;
    p = nullptr;
}

// Bytes of a row of nWidth pixels padded to 4 bytes (0 when that passes 32 bits) and byte-aligned.
DWORD PaddedRowBytes(DWORD nWidth, WORD nBits)
{
    const ULONGLONG bytes = (ULONGLONG(nBits) * nWidth + 31) / 32 * 4;
    return bytes > 0xFFFFFFFFull ? 0 : DWORD(bytes);
}

DWORD PackedRowBytes(DWORD nWidth, WORD nBits)
{
    return DWORD((ULONGLONG(nBits) * nWidth + 7) / 8);
}

// The previous image, held while a new one is loaded.
class CHeldImage final : public SECImage {
protected:
    BOOL DoSaveImage(CFile*) override { return FALSE; }
    BOOL DoLoadImage(CFile*) override { return FALSE; }
};

} // namespace

// ---- construction, palette, display ---------------------------------------------------------------

SECImage::SECImage()
    : m_nSrcBitsPerPixel(0), m_nDstBitsPerPixel(0), m_nDstPlanes(0), m_bIsPadded(TRUE), m_dwWidth(0),
      m_dwHeight(0), m_wColors(0), m_wDstColors(0), m_pPalette(nullptr), m_pFile(nullptr), m_hSrcBits(nullptr),
      m_lpSrcBits(nullptr), m_hBMI(nullptr), m_lpBMI(nullptr), m_lpRGB(nullptr), m_bUseHalftone(FALSE),
      m_bMSBFirst(TRUE), m_hCache(nullptr), m_lpCache(nullptr), m_dwCacheSize(0), m_dwCacheBytes(0),
      m_dwCachePos(0)
{
    HDC hScreen = ::GetDC(nullptr);
    if (hScreen != nullptr) {
        m_nDstBitsPerPixel = WORD(::GetDeviceCaps(hScreen, BITSPIXEL));
        m_nDstPlanes = WORD(::GetDeviceCaps(hScreen, PLANES));
        ::ReleaseDC(nullptr, hScreen);
    }
    switch (m_nDstBitsPerPixel) {
    case 1:
        m_wDstColors = WORD(1u << std::min<WORD>(m_nDstPlanes, 15));
        break;
    case 2:
        m_wDstColors = 4;
        break;
    case 4:
        m_wDstColors = 16;
        break;
    case 8:
        m_wDstColors = 256;
        break;
    default:
        m_wDstColors = 0;
    }
}

SECImage::~SECImage()
{
    SECImage::FreeImage();
    SECImage::FreeFileList();
}

WORD SECImage::ColorsForDepth(WORD nBitsPerPixel)
{
    switch (nBitsPerPixel) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

DWORD SECImage::GetPaddedRowBytes() const
{
    return PaddedRowBytes(m_dwWidth, m_nSrcBitsPerPixel);
}

DWORD SECImage::GetImageSize() const
{
    return GetPaddedRowBytes() * m_dwHeight;
}

BOOL SECImage::CreatePalette()
{
    delete m_pPalette;
    m_pPalette = nullptr;
    if (m_lpBMI == nullptr)
        return TRUE;
    const DWORD nEntries = std::min<DWORD>(std::max<DWORD>(m_wColors, m_lpBMI->bmiHeader.biClrUsed), 256);
    if (nEntries == 0 || m_nSrcBitsPerPixel > 8)
        return TRUE;
    std::vector<BYTE> block(sizeof(LOGPALETTE) + nEntries * sizeof(PALETTEENTRY));
    LOGPALETTE* pLog = reinterpret_cast<LOGPALETTE*>(block.data());
    pLog->palVersion = 0x300;
    pLog->palNumEntries = WORD(nEntries);
    for (DWORD i = 0; i < nEntries; ++i) {
        // the table has room for 256 entries, zeroed past the image's own: the rest come out black
        pLog->palPalEntry[i].peRed = m_lpRGB[i].rgbRed;
        pLog->palPalEntry[i].peGreen = m_lpRGB[i].rgbGreen;
        pLog->palPalEntry[i].peBlue = m_lpRGB[i].rgbBlue;
        pLog->palPalEntry[i].peFlags = 0;
    }
    m_pPalette = new CPalette;
    if (!m_pPalette->CreatePalette(pLog)) {
        delete m_pPalette;
        m_pPalette = nullptr;
        return FALSE;
    }
    return TRUE;
}

// ---- the image's memory ---------------------------------------------------------------------------

BOOL SECImage::NewImage(DWORD dwWidth, DWORD dwHeight, WORD nBitsPerPixel)
{
    const DWORD nRowBytes = PaddedRowBytes(dwWidth, nBitsPerPixel);
    const ULONGLONG nImageBytes = ULONGLONG(nRowBytes) * dwHeight;
    if (dwWidth == 0 || dwHeight == 0 || nRowBytes == 0 || nImageBytes > 0xFFFFFFFFull)
        return FALSE;
    HGLOBAL hBits = nullptr;
    LPBYTE lpBits = AllocBlock(hBits, SIZE_T(nImageBytes));
    if (lpBits == nullptr)
        return FALSE;
    HGLOBAL hInfo = nullptr;
    LPBYTE lpInfo = AllocBlock(hInfo, kInfoBlockBytes);
    if (lpInfo == nullptr) {
        FreeBlock(hBits, lpBits);
        return FALSE;
    }
    FreeImage();
    m_hSrcBits = hBits;
    m_lpSrcBits = lpBits;
    m_hBMI = hInfo;
    m_lpBMI = reinterpret_cast<LPBITMAPINFO>(lpInfo);
    m_lpRGB = m_lpBMI->bmiColors;
    m_nSrcBitsPerPixel = nBitsPerPixel;
    m_dwWidth = dwWidth;
    m_dwHeight = dwHeight;
    m_wColors = ColorsForDepth(nBitsPerPixel);
    m_bIsPadded = TRUE;
    BITMAPINFOHEADER& header = m_lpBMI->bmiHeader;
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biPlanes = 1;
    header.biCompression = BI_RGB;
    SyncHeader();
    return TRUE;
}

void SECImage::SyncHeader()
{
    BITMAPINFOHEADER& header = m_lpBMI->bmiHeader;
    header.biWidth = LONG(m_dwWidth);
    header.biHeight = LONG(m_dwHeight);
    header.biBitCount = m_nSrcBitsPerPixel;
    header.biSizeImage = GetImageSize();
}

void SECImage::TakePixels(HGLOBAL hBits, LPBYTE lpBits, DWORD dwWidth, DWORD dwHeight)
{
    FreeBlock(m_hSrcBits, m_lpSrcBits);
    m_hSrcBits = hBits;
    m_lpSrcBits = lpBits;
    m_dwWidth = dwWidth;
    m_dwHeight = dwHeight;
    m_bIsPadded = TRUE;
    SyncHeader();
}

void SECImage::FreeImage()
{
    FreeBlock(m_hBMI, m_lpBMI);
    m_lpRGB = nullptr;
    FreeBlock(m_hSrcBits, m_lpSrcBits);
    delete m_pPalette;
    m_pPalette = nullptr;
    m_dwWidth = 0;
    m_dwHeight = 0;
    m_nSrcBitsPerPixel = 0;
    m_wColors = 0;
    m_bIsPadded = TRUE;
    m_bUseHalftone = FALSE;
    FreeCache();
}

void SECImage::SwapImage(SECImage& other)
{
    std::swap(m_nSrcBitsPerPixel, other.m_nSrcBitsPerPixel);
    std::swap(m_bIsPadded, other.m_bIsPadded);
    std::swap(m_dwWidth, other.m_dwWidth);
    std::swap(m_dwHeight, other.m_dwHeight);
    std::swap(m_wColors, other.m_wColors);
    std::swap(m_pPalette, other.m_pPalette);
    std::swap(m_hSrcBits, other.m_hSrcBits);
    std::swap(m_lpSrcBits, other.m_lpSrcBits);
    std::swap(m_hBMI, other.m_hBMI);
    std::swap(m_lpBMI, other.m_lpBMI);
    std::swap(m_lpRGB, other.m_lpRGB);
    std::swap(m_bUseHalftone, other.m_bUseHalftone);
}

BOOL SECImage::FinishLoad()
{
    if (!CreatePalette())
        return FALSE;
    Padbits();
    m_bUseHalftone = m_nSrcBitsPerPixel != m_nDstBitsPerPixel;
    return TRUE;
}

BOOL SECImage::PreSave()
{
    return TRUE;
}

BOOL SECImage::PostSave()
{
    return TRUE;
}

BOOL SECImage::CreateFromBitmap(CDC* pDC, CBitmap* pBitmap)
{
    AfxRequirePointer(pBitmap, "SECImage::CreateFromBitmap", "pBitmap");
    BITMAP bm = {};
    if (pBitmap->GetBitmap(&bm) == 0 || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return FALSE;
    const int nBits = bm.bmBitsPixel * bm.bmPlanes;
    const WORD nDepth = nBits == 1 || nBits == 4 || nBits == 8 ? WORD(nBits) : nBits < 8 ? WORD(8) : WORD(24);

    CHeldImage made;
    if (!made.NewImage(DWORD(bm.bmWidth), DWORD(bm.bmHeight), nDepth))
        return FALSE;
    HDC hDC = pDC != nullptr ? pDC->GetSafeHdc() : ::GetDC(nullptr);
    // GetDIBits fills the colour table of the palette depths too
    const int nLines = ::GetDIBits(hDC, static_cast<HBITMAP>(pBitmap->GetSafeHandle()), 0, UINT(bm.bmHeight),
                                   made.m_lpSrcBits, made.m_lpBMI, DIB_RGB_COLORS);
    if (pDC == nullptr)
        ::ReleaseDC(nullptr, hDC);
    if (nLines != bm.bmHeight)
        return FALSE;
    made.SyncHeader();  // GetDIBits may rewrite the header's fields; keep them the image's
    made.m_lpBMI->bmiHeader.biClrUsed = 0;
    made.m_lpBMI->bmiHeader.biCompression = BI_RGB;
    if (!made.CreatePalette())
        return FALSE;
    FreeImage();
    SwapImage(made);
    return TRUE;
}

BOOL SECImage::CopyImage(const SECImage* pOther)
{
    AfxRequirePointer(pOther, "SECImage::CopyImage", "pOther");
    if (pOther == this)
        return TRUE;
    if (pOther->m_lpSrcBits == nullptr) {
        FreeImage();
        return TRUE;
    }
    CHeldImage copy;
    if (!copy.NewImage(pOther->m_dwWidth, pOther->m_dwHeight, pOther->m_nSrcBitsPerPixel))
        return FALSE;
    std::memcpy(copy.m_lpSrcBits, pOther->m_lpSrcBits, pOther->GetImageSize());
    std::memcpy(copy.m_lpBMI, pOther->m_lpBMI, kInfoBlockBytes);
    copy.m_bIsPadded = pOther->m_bIsPadded;
    copy.m_bUseHalftone = pOther->m_bUseHalftone;
    if (!copy.CreatePalette())
        return FALSE;
    FreeImage();
    SwapImage(copy);
    return TRUE;
}

// ---- drawing --------------------------------------------------------------------------------------

CBitmap* SECImage::MakeBitmap(CDC* pDC)
{
    AfxRequirePointer(pDC, "SECImage::MakeBitmap", "pDC");
    if (m_lpSrcBits == nullptr)
        return nullptr;
    Padbits();
    CBitmap* pBitmap = new CBitmap;
    CDC memDC;
    if (!pBitmap->CreateCompatibleBitmap(pDC, int(m_dwWidth), int(m_dwHeight)) || !memDC.CreateCompatibleDC(pDC)) {
        delete pBitmap;
        return nullptr;
    }
    CBitmap* pOld = memDC.SelectObject(pBitmap);
    const int nLines = ::StretchDIBits(memDC.m_hDC, 0, 0, int(m_dwWidth), int(m_dwHeight), 0, 0, int(m_dwWidth),
                                       int(m_dwHeight), m_lpSrcBits, m_lpBMI, DIB_RGB_COLORS, SRCCOPY);
    memDC.SelectObject(pOld);
    if (nLines <= 0) {  // 0, or GDI_ERROR
        delete pBitmap;
        return nullptr;
    }
    return pBitmap;
}

CBitmap* SECImage::MakeDeviceBitmap()
{
    if (m_lpSrcBits == nullptr || m_dwWidth == 0 || m_dwHeight == 0)
        return nullptr;
    Padbits();
    const DWORD dwSourceRow = GetPaddedRowBytes();
    const DWORD dwRow = ((DWORD(m_nSrcBitsPerPixel) * m_dwWidth + 15) / 16) * 2;
    std::vector<BYTE> rows;
    try {
        rows.resize(size_t(dwRow) * m_dwHeight);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    for (DWORD y = 0; y < m_dwHeight; ++y)
        std::memcpy(&rows[size_t(y) * dwRow], m_lpSrcBits + size_t(m_dwHeight - 1 - y) * dwSourceRow, dwRow);
    CBitmap* pBitmap = new CBitmap;
    if (!pBitmap->CreateBitmap(int(m_dwWidth), int(m_dwHeight), 1, m_nSrcBitsPerPixel, rows.data())) {
        delete pBitmap;
        return nullptr;
    }
    return pBitmap;
}

BOOL SECImage::Draw(CDC* pDC, const CRect& rcDest, const CRect& rcSrc, LPVOID lpBits, LPBITMAPINFO lpBMI,
                    UINT nUsage, DWORD dwRop)
{
    AfxRequirePointer(pDC, "SECImage::Draw", "pDC");
    if (lpBits == nullptr)
        Padbits();
    if (lpBits == nullptr)
        lpBits = m_lpSrcBits;
    if (lpBMI == nullptr)
        lpBMI = m_lpBMI;
    if (lpBits == nullptr || lpBMI == nullptr)
        return FALSE;

    CPalette halftone;
    CPalette* pOldPalette = nullptr;
    int nOldMode = 0;
    if (m_bUseHalftone && halftone.CreateHalftonePalette(pDC)) {
        pOldPalette = pDC->SelectPalette(&halftone, FALSE);
        pDC->RealizePalette();
        nOldMode = pDC->SetStretchBltMode(HALFTONE);
    }
    const int nLines = ::StretchDIBits(pDC->m_hDC, rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(),
                                       rcSrc.left, rcSrc.top, rcSrc.Width(), rcSrc.Height(), lpBits, lpBMI, nUsage,
                                       dwRop);
    if (halftone.GetSafeHandle() != nullptr) {
        pDC->SetStretchBltMode(nOldMode);
        pDC->SelectPalette(pOldPalette, FALSE);
    }
    return nLines > 0;  // not 0 nor GDI_ERROR
}

// ---- files ----------------------------------------------------------------------------------------

template <class F>
BOOL SECImage::ReplaceImage(F fnLoad)
{
    CHeldImage previous;
    SwapImage(previous);
    BOOL bLoaded;
    try {
        bLoaded = fnLoad() && FinishLoad();
    } catch (CException* e) {
        e->Delete();
        bLoaded = FALSE;
    }
    if (!bLoaded) {
        FreeImage();
        SwapImage(previous);
    }
    return bLoaded;
}

BOOL SECImage::LoadImage(CFile* pFile)
{
    AfxRequirePointer(pFile, "SECImage::LoadImage", "pFile");
    m_pFile = pFile;
    const BOOL bLoaded = ReplaceImage([this, pFile] { return DoLoadImage(pFile); });
    m_pFile = nullptr;
    return bLoaded;
}

BOOL SECImage::SaveImage(CFile* pFile)
{
    AfxRequirePointer(pFile, "SECImage::SaveImage", "pFile");
    m_pFile = pFile;
    BOOL bSaved;
    try {
        bSaved = PreSave() && DoSaveImage(pFile) && PostSave();
    } catch (CException* e) {
        e->Delete();
        bSaved = FALSE;
    }
    m_pFile = nullptr;
    return bSaved;
}

CFile* SECImage::OpenOwnFile(LPCSTR lpszFileName, bool bForSaving)
{
    AfxRequirePointer(lpszFileName, bForSaving ? "SECImage::SaveImage" : "SECImage::LoadImage", "lpszFileName");
    const UINT nFlags = bForSaving ? CFile::modeCreate | CFile::modeWrite : CFile::modeRead;
    for (POSITION pos = m_fileList.GetHeadPosition(); pos != nullptr;) {
        CFile* pFile = static_cast<CFile*>(m_fileList.GetNext(pos));
        if (pFile->IsKindOf(RUNTIME_CLASS(CSafeFile)) == bForSaving)
            return pFile->Open(lpszFileName, nFlags) ? pFile : nullptr;
    }
    CFile* pFile = bForSaving ? new CSafeFile : new CFile;
    CFileException error;
    if (!pFile->Open(lpszFileName, nFlags, &error)) {
        delete pFile;
        AfxThrowFileException(error.m_cause, error.m_lOsError, lpszFileName);
    }
    m_fileList.AddTail(pFile);
    return pFile;
}

BOOL SECImage::LoadImage(LPCSTR lpszFileName)
{
    CFile* pFile = OpenOwnFile(lpszFileName, false);
    if (pFile == nullptr)
        return FALSE;
    const BOOL bLoaded = LoadImage(pFile);
    pFile->Abort();  // read only: closing can lose nothing
    return bLoaded;
}

BOOL SECImage::SaveImage(LPCSTR lpszFileName)
{
    CSafeFile* pFile = static_cast<CSafeFile*>(OpenOwnFile(lpszFileName, true));
    if (pFile == nullptr)
        return FALSE;
    BOOL bSaved = SaveImage(pFile);
    try {
        if (bSaved)
            pFile->Commit();
        else
            pFile->Close();  // drops what was written: the previous file stays
    } catch (CException* e) {
        e->Delete();
        bSaved = FALSE;
    }
    return bSaved;
}

void SECImage::FreeFileList()
{
    while (!m_fileList.IsEmpty()) {
        CFile* pFile = static_cast<CFile*>(m_fileList.RemoveHead());
        pFile->Abort();
        delete pFile;
    }
}

// ---- the BMP form ---------------------------------------------------------------------------------

struct SECImage::BmpStream {
    CFile* pFile;
    CArchive* pArchive;

    ULONGLONG Remaining() const
    {
        return pFile != nullptr ? pFile->GetLength() - std::min(pFile->GetLength(), pFile->GetPosition())
                                : pArchive->GetBytesLeft();
    }
    UINT Read(void* lpBuf, UINT nCount)
    {
        return pFile != nullptr ? pFile->Read(lpBuf, nCount) : pArchive->Read(lpBuf, nCount);
    }
    void Write(const void* lpBuf, UINT nCount)
    {
        if (pFile != nullptr)
            pFile->Write(lpBuf, nCount);
        else
            pArchive->Write(lpBuf, nCount);
    }
    // Reads exactly nCount bytes. FALSE when the data end first.
    bool ReadAll(void* lpBuf, UINT nCount) { return Read(lpBuf, nCount) == nCount; }
    // Passes over nCount bytes. FALSE when the data end first.
    bool Skip(ULONGLONG nCount)
    {
        BYTE scrap[4096];
        while (nCount > 0) {
            const UINT n = UINT(std::min<ULONGLONG>(nCount, sizeof scrap));
            if (!ReadAll(scrap, n))
                return false;
            nCount -= n;
        }
        return true;
    }
};

BOOL SECImage::ReadBmp(BmpStream& stream)
{
    const ULONGLONG nLength = stream.Remaining();
    BYTE head[BMP_HEADER_BYTES];
    BmpLayout layout;
    if (!stream.ReadAll(head, sizeof head) || CheckBmpHeader(head, sizeof head, nLength, &layout) != BMP_OK)
        return FALSE;
    if (!NewImage(DWORD(layout.width), DWORD(layout.height), layout.bitCount))
        return FALSE;

    // Only the first 40 bytes of a larger header are kept (with its own size 40), and a colour table
    // beside deep pixels is dropped: what is written back is the plain form every reader takes.
    const BITMAPINFOHEADER& read = *reinterpret_cast<const BITMAPINFOHEADER*>(head + BMP_FILE_HEADER_BYTES);
    BITMAPINFOHEADER& header = m_lpBMI->bmiHeader;
    header.biCompression = layout.compression;
    header.biXPelsPerMeter = read.biXPelsPerMeter;
    header.biYPelsPerMeter = read.biYPelsPerMeter;
    header.biClrUsed = layout.colorsUsed;
    header.biClrImportant = read.biClrImportant <= layout.colorsUsed ? read.biClrImportant : 0;

    // headers, then the colour table or the masks, then whatever lies before the pixels
    const UINT nTableBytes = UINT(layout.tableEntries * sizeof(RGBQUAD));
    return stream.Skip(layout.tableOffset - BMP_HEADER_BYTES) && stream.ReadAll(m_lpRGB, nTableBytes) &&
           stream.Skip(layout.pixelOffset - layout.tableOffset - nTableBytes) &&
           stream.ReadAll(m_lpSrcBits, layout.imageBytes);
}

BOOL SECImage::WriteBmp(BmpStream& stream)
{
    if (m_lpSrcBits == nullptr)
        return FALSE;
    Padbits();
    const bool bMasks = m_nSrcBitsPerPixel > 8 && m_lpBMI->bmiHeader.biCompression == BI_BITFIELDS;
    const DWORD nTableBytes = (bMasks ? 3 : m_wColors) * DWORD(sizeof(RGBQUAD));
    BITMAPFILEHEADER file = {};
    file.bfType = 'B' | 'M' << 8;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + nTableBytes;
    file.bfSize = file.bfOffBits + GetImageSize();
    stream.Write(&file, sizeof file);
    stream.Write(m_lpBMI, sizeof(BITMAPINFOHEADER) + nTableBytes);
    stream.Write(m_lpSrcBits, GetImageSize());
    return TRUE;
}

BOOL SECImage::ReadBmp(CFile* pFile)
{
    BmpStream stream = {pFile, nullptr};
    return ReadBmp(stream);
}

BOOL SECImage::WriteBmp(CFile* pFile)
{
    BmpStream stream = {pFile, nullptr};
    return WriteBmp(stream);
}

void SECImage::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    BmpStream stream = {nullptr, &ar};
    if (ar.IsStoring()) {
        if (m_lpSrcBits == nullptr)
            AfxThrowInvalidArgException("SECImage::Serialize: the image is empty and has no stored form");
        WriteBmp(stream);
    } else if (!ReplaceImage([this, &stream] { return ReadBmp(stream); })) {
        AfxThrowArchiveException(CArchiveException::generic);
    }
}

// ---- pixels ---------------------------------------------------------------------------------------

DWORD SECImage::GetPixelValue(const BYTE* pRow, DWORD x, BOOL bMSBFirst) const
{
    switch (m_nSrcBitsPerPixel) {
    case 1:
        return bMSBFirst ? (pRow[x / 8] >> (7 - x % 8)) & 1 : (pRow[x / 8] >> (x % 8)) & 1;
    case 4:
        return x % 2 == 0 ? pRow[x / 2] >> 4 : pRow[x / 2] & 0x0F;
    default: {
        const DWORD nBytes = m_nSrcBitsPerPixel / 8u;
        DWORD value = 0;
        std::memcpy(&value, pRow + x * nBytes, nBytes);
        return value;
    }
    }
}

void SECImage::SetPixelValue(BYTE* pRow, DWORD x, DWORD dwValue) const
{
    switch (m_nSrcBitsPerPixel) {
    case 1: {
        const BYTE mask = BYTE(0x80 >> (x % 8));
        pRow[x / 8] = BYTE(dwValue & 1 ? pRow[x / 8] | mask : pRow[x / 8] & ~mask);
        break;
    }
    case 4:
        pRow[x / 2] = BYTE(x % 2 == 0 ? (pRow[x / 2] & 0x0F) | (dwValue & 0x0F) << 4
                                      : (pRow[x / 2] & 0xF0) | (dwValue & 0x0F));
        break;
    default:
        std::memcpy(pRow + x * (m_nSrcBitsPerPixel / 8u), &dwValue, m_nSrcBitsPerPixel / 8u);
    }
}

BOOL SECImage::Padbits()
{
    if (m_lpSrcBits == nullptr)
        return FALSE;
    if (m_bIsPadded)
        return TRUE;
    const DWORD nPacked = PackedRowBytes(m_dwWidth, m_nSrcBitsPerPixel);
    const DWORD nPadded = GetPaddedRowBytes();
    // last row first: each row moves up into room no unmoved row holds
    for (DWORD row = m_dwHeight; row-- > 0;) {
        std::memmove(m_lpSrcBits + row * nPadded, m_lpSrcBits + row * nPacked, nPacked);
        std::memset(m_lpSrcBits + row * nPadded + nPacked, 0, nPadded - nPacked);
    }
    m_bIsPadded = TRUE;
    return TRUE;
}

BOOL SECImage::UnpadBits()
{
    if (m_lpSrcBits == nullptr)
        return FALSE;
    if (!m_bIsPadded)
        return TRUE;
    const DWORD nPacked = PackedRowBytes(m_dwWidth, m_nSrcBitsPerPixel);
    const DWORD nPadded = GetPaddedRowBytes();
    for (DWORD row = 0; row < m_dwHeight; ++row)
        std::memmove(m_lpSrcBits + row * nPacked, m_lpSrcBits + row * nPadded, nPacked);
    m_bIsPadded = FALSE;
    return TRUE;
}

BOOL SECImage::FlipVert()
{
    if (!Padbits())
        return FALSE;
    const DWORD nRowBytes = GetPaddedRowBytes();
    for (DWORD top = 0, bottom = m_dwHeight - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(m_lpSrcBits + top * nRowBytes, m_lpSrcBits + (top + 1) * nRowBytes,
                         m_lpSrcBits + bottom * nRowBytes);
    return TRUE;
}

BOOL SECImage::FlipHorz()
{
    if (!Padbits())
        return FALSE;
    const DWORD nRowBytes = GetPaddedRowBytes();
    for (DWORD row = 0; row < m_dwHeight; ++row) {
        BYTE* pRow = m_lpSrcBits + row * nRowBytes;
        for (DWORD left = 0, right = m_dwWidth - 1; left < right; ++left, --right) {
            const DWORD value = GetPixelValue(pRow, left);
            SetPixelValue(pRow, left, GetPixelValue(pRow, right));
            SetPixelValue(pRow, right, value);
        }
    }
    return TRUE;
}

BOOL SECImage::Rotate90(BOOL bClockwise)
{
    if (m_lpSrcBits == nullptr)
        return FALSE;
    const WORD nBits = m_nSrcBitsPerPixel;
    if (nBits != 1 && nBits != 4 && nBits != 8 && nBits != 24) {
        AfxMessageBox(IDS_IMAGE_ROTATE_UNSUPPORTED);
        return FALSE;
    }
    Padbits();
    const DWORD w = m_dwWidth, h = m_dwHeight;
    const DWORD nSrcRowBytes = GetPaddedRowBytes();
    const DWORD nDstRowBytes = PaddedRowBytes(h, nBits);
    HGLOBAL hTurned = nullptr;
    LPBYTE lpTurned = AllocBlock(hTurned, SIZE_T(nDstRowBytes) * w);
    if (lpTurned == nullptr)
        return FALSE;
    // Rows are stored bottom-up: turning clockwise, stored row r of the result is the source's column
    // w - 1 - r read from the bottom up; counter-clockwise, column r read from the top down.
    for (DWORD r = 0; r < w; ++r) {
        BYTE* pDst = lpTurned + r * nDstRowBytes;
        for (DWORD x = 0; x < h; ++x) {
            const DWORD srcRow = bClockwise ? x : h - 1 - x;
            const DWORD srcX = bClockwise ? w - 1 - r : r;
            SetPixelValue(pDst, x, GetPixelValue(m_lpSrcBits + srcRow * nSrcRowBytes, srcX));
        }
    }
    TakePixels(hTurned, lpTurned, h, w);
    return TRUE;
}

BOOL SECImage::Crop(int nLeft, int nTop, int nWidth, int nHeight)
{
    if (m_lpSrcBits == nullptr || nLeft < 0 || nTop < 0 || nWidth < 1 || nHeight < 1 ||
        DWORD(nLeft) >= m_dwWidth || DWORD(nTop) >= m_dwHeight)
        return FALSE;
    Padbits();
    const DWORD w = std::min(DWORD(nWidth), m_dwWidth - DWORD(nLeft));
    const DWORD h = std::min(DWORD(nHeight), m_dwHeight - DWORD(nTop));
    const DWORD nSrcRowBytes = GetPaddedRowBytes();
    const DWORD nDstRowBytes = PaddedRowBytes(w, m_nSrcBitsPerPixel);
    HGLOBAL hKept = nullptr;
    LPBYTE lpKept = AllocBlock(hKept, SIZE_T(nDstRowBytes) * h);
    if (lpKept == nullptr)
        return FALSE;
    // rows counted from the top, stored from the bottom
    for (DWORD y = 0; y < h; ++y) {
        const BYTE* pSrc = m_lpSrcBits + (m_dwHeight - 1 - (DWORD(nTop) + y)) * nSrcRowBytes;
        BYTE* pDst = lpKept + (h - 1 - y) * nDstRowBytes;
        if (m_nSrcBitsPerPixel >= 8) {
            const DWORD nBytes = m_nSrcBitsPerPixel / 8u;
            std::memcpy(pDst, pSrc + DWORD(nLeft) * nBytes, w * nBytes);
        } else {
            for (DWORD x = 0; x < w; ++x)
                SetPixelValue(pDst, x, GetPixelValue(pSrc, DWORD(nLeft) + x));
        }
    }
    TakePixels(hKept, lpKept, w, h);
    return TRUE;
}

BOOL SECImage::AdjustContrast(int nDirection)
{
    if (m_lpSrcBits == nullptr)
        return FALSE;
    const WORD nBits = m_nSrcBitsPerPixel;
    // bit fields leave open where a 32-bit pixel keeps its channels
    if ((nBits != 4 && nBits != 8 && nBits != 24 && nBits != 32) || m_lpBMI->bmiHeader.biCompression != BI_RGB)
        return FALSE;
    const double d = nDirection > 0 ? 1.0 : -1.0;
    // Hue and saturation stay, so turning the colour back from the new value scales every channel
    // by the same factor as the value.
    auto adjust = [d](BYTE& blue, BYTE& green, BYTE& red) {
        const double v = std::max({red, green, blue}) / 255.0;
        if (v <= 0.0)
            return;
        const double pi = 3.14159265358979323846;
        const double nv = std::min(1.0, std::max(0.0, v + ((std::sin((v - 0.5) * pi) + 1.0) / 2.0 - v) * d / 2.0));
        const double scale = nv / v;
        for (BYTE* c : {&blue, &green, &red})
            *c = BYTE(std::min(255.0, *c * scale + 0.5));
    };
    if (nBits <= 8) {
        for (DWORD i = 0; i < m_wColors; ++i)
            adjust(m_lpRGB[i].rgbBlue, m_lpRGB[i].rgbGreen, m_lpRGB[i].rgbRed);
        CreatePalette();
    } else {
        Padbits();
        const DWORD nBytes = nBits / 8u;
        const DWORD nRowBytes = GetPaddedRowBytes();
        for (DWORD row = 0; row < m_dwHeight; ++row) {
            BYTE* p = m_lpSrcBits + row * nRowBytes;
            for (DWORD x = 0; x < m_dwWidth; ++x, p += nBytes)
                adjust(p[0], p[1], p[2]);
        }
    }
    Padbits();
    return TRUE;
}

// ---- the cache ------------------------------------------------------------------------------------

void SECImage::FreeCache()
{
    FreeBlock(m_hCache, m_lpCache);
    m_dwCacheSize = 0;
    m_dwCacheBytes = 0;
    m_dwCachePos = 0;
}

BOOL SECImage::InitCache(DWORD dwSize, BOOL bFill)
{
    FreeCache();
    if (dwSize == 0 || m_pFile == nullptr)
        return FALSE;
    m_lpCache = AllocBlock(m_hCache, dwSize);
    if (m_lpCache == nullptr)
        return FALSE;
    m_dwCacheSize = dwSize;
    if (bFill)
        m_dwCacheBytes = m_pFile->Read(m_lpCache, dwSize);
    return TRUE;
}

UINT SECImage::CacheRead(void* lpBuf, UINT nCount)
{
    if (m_lpCache == nullptr || m_pFile == nullptr)
        return 0;
    UINT nCopied = 0;
    while (nCopied < nCount) {
        if (m_dwCachePos == m_dwCacheBytes) {
            m_dwCacheBytes = m_pFile->Read(m_lpCache, m_dwCacheSize);
            m_dwCachePos = 0;
            if (m_dwCacheBytes == 0)
                break;
        }
        const UINT n = std::min<UINT>(nCount - nCopied, m_dwCacheBytes - m_dwCachePos);
        std::memcpy(static_cast<BYTE*>(lpBuf) + nCopied, m_lpCache + m_dwCachePos, n);
        m_dwCachePos += n;
        nCopied += n;
    }
    return nCopied;
}

BOOL SECImage::CacheWrite(const void* lpBuf, UINT nCount)
{
    if (m_lpCache == nullptr || m_pFile == nullptr)
        return FALSE;
    UINT nCopied = 0;
    while (nCopied < nCount) {
        if (m_dwCacheBytes == m_dwCacheSize && !CacheFlush())
            return FALSE;
        const UINT n = std::min<UINT>(nCount - nCopied, m_dwCacheSize - m_dwCacheBytes);
        std::memcpy(m_lpCache + m_dwCacheBytes, static_cast<const BYTE*>(lpBuf) + nCopied, n);
        m_dwCacheBytes += n;
        nCopied += n;
    }
    return TRUE;
}

BOOL SECImage::CacheFlush()
{
    if (m_lpCache == nullptr || m_pFile == nullptr)
        return FALSE;
    m_pFile->Write(m_lpCache, m_dwCacheBytes);
    m_dwCacheBytes = 0;
    m_dwCachePos = 0;
    return TRUE;
}

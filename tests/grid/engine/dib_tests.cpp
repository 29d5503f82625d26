// Bitmap cells: the texts that name a bitmap, the pool that loads each once, the DIB wrapper, and
// drawing a DIB at natural size, stretched or scaled, read back from a memory DC.
#include "library_test_support.h"

#include "grid/engine/GXDIB.h"
#include "grid/engine/GXResource.h"

#include <cstring>
#include <vector>

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

// A packed 32-bit DIB of nWidth by nHeight pixels, bottom-up, its top half red and its bottom half
// blue; with bBitFields its header is followed by the three colour masks.
HGLOBAL MakeDIB(int nWidth, int nHeight, BOOL bBitFields = FALSE)
{
    const size_t nMasks = bBitFields ? 3 * sizeof(DWORD) : 0;
    const size_t nBits = size_t(nWidth) * nHeight * 4;
    HGLOBAL hDIB = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(BITMAPINFOHEADER) + nMasks + nBits + 1);
    auto* p = static_cast<BYTE*>(::GlobalLock(hDIB));
    auto* pHeader = reinterpret_cast<BITMAPINFOHEADER*>(p);
    pHeader->biSize = sizeof(BITMAPINFOHEADER);
    pHeader->biWidth = nWidth;
    pHeader->biHeight = nHeight;
    pHeader->biPlanes = 1;
    pHeader->biBitCount = 32;
    pHeader->biCompression = bBitFields ? BI_BITFIELDS : BI_RGB;
    if (bBitFields) {
        const DWORD masks[3] = {0xFF0000, 0x00FF00, 0x0000FF};
        std::memcpy(p + sizeof(BITMAPINFOHEADER), masks, sizeof masks);
    }
    auto* pBits = reinterpret_cast<DWORD*>(p + sizeof(BITMAPINFOHEADER) + nMasks);
    for (int y = 0; y < nHeight; ++y)  // y counts from the bottom
        for (int x = 0; x < nWidth; ++x)
            pBits[y * nWidth + x] = y >= nHeight / 2 ? 0xFF0000 : 0x0000FF;
    ::GlobalUnlock(hDIB);
    return hDIB;
}

// The bounding box of the pixels of canvas that are not white.
CRect Painted(const DibCanvas& canvas)
{
    CRect box(0, 0, 0, 0);
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (canvas.At(x, y) != kWhite)
                box.UnionRect(box, CRect(x, y, x + 1, y + 1));
    return box;
}

// A pool that counts its resource loads.
struct CountingPool : CGXDIBPool {
    int nLoads = 0;
    HGLOBAL LoadBitmapResource(LPCSTR lpszResource) override
    {
        ++nLoads;
        return CGXDIBPool::LoadBitmapResource(lpszResource);
    }
};

}  // namespace

TEST(BitmapCells, TextsThatNameABitmap)
{
    CGXDIBPool pool;
    const struct {
        const char* pszValue;
        const char* pszKey;  // null: names no bitmap
    } cases[] = {{"#BMP(120)", "#120"},       {"#BMP(0)", nullptr},        {"#BMP(abc)", nullptr},
                 {"#BMP(\"ARROW\")", "ARROW"}, {"#BMP(\"ARROW)", nullptr}, {"BMP(120)", nullptr},
                 {"#bmp(120)", nullptr},       {"#BMP(70000)", nullptr}};
    for (const auto& c : cases) {
        CString strKey;
        LPCSTR lpszResource = pool.ParseBitmapText(c.pszValue, strKey);
        EXPECT_EQ(lpszResource != nullptr, c.pszKey != nullptr) << c.pszValue;
        if (c.pszKey != nullptr) {
            EXPECT_STREQ(strKey, c.pszKey) << c.pszValue;
        }
    }
    CString strKey;
    EXPECT_EQ(pool.ParseBitmapText("#BMP(120)", strKey), MAKEINTRESOURCEA(120));
    CString strText;
    pool.FormatBitmapText(120, strText);
    EXPECT_STREQ(strText, "#BMP(120)");
    pool.FormatQuotedBitmapText(7, strText);
    EXPECT_STREQ(strText, "#BMP(\"7\")");
}

TEST(BitmapCells, APoolLoadsEachBitmapOnceAndAMissingOneOnlyOnce)
{
    CountingPool pool;
    HGLOBAL hArrow = pool.LookupDIB("#BMP(20028)");
    ASSERT_NE(hArrow, nullptr);
    EXPECT_EQ(pool.LookupDIB("#BMP(20028)"), hArrow);
    EXPECT_EQ(pool.LookupDIB("#BMP(4321)"), nullptr);
    EXPECT_EQ(pool.LookupDIB("#BMP(4321)"), nullptr);
    EXPECT_EQ(pool.nLoads, 2);
    EXPECT_EQ(pool.GetCount(), 2);
    EXPECT_EQ(pool.LookupDIB("plain text"), nullptr);
    EXPECT_EQ(pool.nLoads, 2);
    pool.RemoveAll();
    EXPECT_EQ(pool.GetCount(), 0);
    EXPECT_EQ(GetDIBPool(), GetDIBPool()) << "one pool for the library";

    CGXDIB dib;
    EXPECT_FALSE(dib.Attach(nullptr));
    ASSERT_TRUE(dib.Attach(MakeDIB(4, 2)));
    EXPECT_EQ(dib.GetWidth(), 4);
    EXPECT_EQ(dib.GetHeight(), 2);
    EXPECT_EQ(dib.GetNumColors(), 0);
    HGLOBAL hDetached = dib.Detach();
    EXPECT_EQ(dib.GetHandle(), nullptr);
    ::GlobalFree(hDetached);
}

TEST(BitmapCells, NaturalSizePlacesASmallerImageAndCutsALargerOne)
{
    HGLOBAL hDIB = MakeDIB(4, 4);
    const struct {
        CRect rect;
        UINT nFlags;
        CRect painted;
        COLORREF clrTopLeft;
    } cases[] = {
        {CRect(10, 10, 30, 30), 0, CRect(10, 10, 14, 14), kRed},
        {CRect(10, 10, 30, 30), 1 | 4, CRect(18, 18, 22, 22), kRed},
        {CRect(10, 10, 30, 30), 2 | 8, CRect(26, 26, 30, 30), kRed},
        {CRect(10, 10, 12, 12), 0, CRect(10, 10, 12, 12), kRed},   // the top part
        {CRect(10, 10, 12, 12), 8, CRect(10, 10, 12, 12), kBlue},  // the bottom part
    };
    for (const auto& c : cases) {
        DibCanvas canvas(40, 40);
        DrawDIBInRect(&canvas.dc, hDIB, c.rect, 0, c.nFlags);
        EXPECT_EQ(Painted(canvas), c.painted) << c.rect << " " << c.nFlags;
        EXPECT_EQ(canvas.At(c.painted.left, c.painted.top), c.clrTopLeft) << c.rect << " " << c.nFlags;
    }
    ::GlobalFree(hDIB);
}

TEST(BitmapCells, ScaledImagesKeepTheirAspectRatio)
{
    HGLOBAL hTall = MakeDIB(2, 4);
    const struct {
        UINT nFlags;
        CRect painted;
    } cases[] = {{0, CRect(0, 0, 20, 40)}, {1, CRect(10, 0, 30, 40)}, {2, CRect(20, 0, 40, 40)}};
    for (const auto& c : cases) {
        DibCanvas canvas(40, 40);
        DrawDIBInRect(&canvas.dc, hTall, CRect(0, 0, 40, 40), 2, c.nFlags);
        EXPECT_EQ(Painted(canvas), c.painted) << c.nFlags;
    }
    DibCanvas stretched(40, 40);
    DrawDIBInRect(&stretched.dc, hTall, CRect(0, 0, 40, 40), 1, 0);
    EXPECT_EQ(Painted(stretched), CRect(0, 0, 40, 40));
    ::GlobalFree(hTall);

    // a header with its colour masks: the bits start after them
    HGLOBAL hMasked = MakeDIB(4, 4, TRUE);
    DibCanvas masked(8, 8);
    DrawDIBInRect(&masked.dc, hMasked, CRect(0, 0, 8, 8), 0, 0);
    EXPECT_EQ(masked.At(0, 0), kRed);
    EXPECT_EQ(masked.At(0, 3), kBlue);
    ::GlobalFree(hMasked);

    // an image without width or height draws nothing
    HGLOBAL hEmpty = MakeDIB(0, 4);
    DibCanvas empty(40, 40);
    DrawDIBInRect(&empty.dc, hEmpty, CRect(0, 0, 40, 40), 2, 0);
    EXPECT_TRUE(Painted(empty).IsRectEmpty());
    ::GlobalFree(hEmpty);
}

TEST(BitmapCells, ACellWhoseValueNamesABitmapShowsIt)
{
    CTestGridWnd grid;
    grid.CreateGrid(2, 2);
    const CRect rect(0, 0, 300, 200);
    grid.SetGridRect(TRUE, &rect);
    grid.ApplyValueToRange(CGXCellRange(1, 1, 1, 1), "#BMP(20028)");
    DibCanvas canvas(300, 200);
    grid.OnGridDraw(&canvas.dc);
    // the arrow's first row is black from its left edge, at the cell's text rectangle
    const CRect cell = grid.GetRegisteredControl(0)->GetCellRect(1, 1);
    EXPECT_EQ(canvas.At(cell.left, cell.top), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(cell.left + 6, cell.top), RGB(0, 0, 0));
    EXPECT_NE(canvas.At(cell.left + 8, cell.top + 1), RGB(0, 0, 0)) << "beyond the 7 pixels of the arrow";
}

// SECImage: a device-independent bitmap held in memory (header, colour table, pixel rows and palette)
// that reads and writes itself as a file, and turns, flips, crops and lightens itself. SECDib reads and
// writes Windows BMP files, SECJpeg JPEG files; the chart view exports through them and image fills
// load pictures with them.
//
// Layout. m_lpBMI points to a 40-byte BITMAPINFOHEADER followed by room for 256 colour-table entries
// (m_lpRGB, entries blue, green, red, 0). The table is used by 1-, 4- and 8-bit images (2, 16 or 256
// entries, m_wColors); 16- and 32-bit images with bit-field compression keep their three colour masks
// there. m_lpSrcBits holds the pixel rows bottom-up, each padded to a multiple of 4 bytes while
// m_bIsPadded (UnpadBits packs them byte-aligned, Padbits pads them again). The header always matches
// the image: width, height, depth and image size (padded row bytes × height) follow every change. Both
// blocks are movable global memory, locked while the image holds them. Depths: 1, 4, 8, 16, 24 and 32
// bits per pixel; every operation says which it handles.
//
// The data members are public for drawing code to read; change them only through the operations.
//
// Files. LoadImage and SaveImage by name open the file through a file object of the image's own (made
// on first use, kept in its list and reused; a save goes through a safe save, so a failed save leaves
// the previous file as it was). A failed open of a new file object throws the class library's
// CFileException*; of a reused one, the call returns FALSE. Every other failure (a file the format
// refuses, a read or write error, memory that cannot be had) returns FALSE, and a failed load keeps
// the previous image. Loading and saving by file object use the caller's open file and do not keep it.
// Paths are host paths.
//
// Stored form (Serialize, the same for SECDib and SECJpeg): the BMP file form (see SECDib.h), the
// pixel rows padded. A load that fails throws CArchiveException* and keeps the previous image; storing
// an image without pixels is refused with CInvalidArgException*.
//
// Not done: compressed and top-down BMP files (refused).
#pragma once

#include <windows.h>

#include "win/Win.h"

class SECImage : public CObject {
    DECLARE_DYNAMIC(SECImage)
public:
    // An empty image; reads the display's depth and planes.
    SECImage();
    // Frees the image, the cache and the file objects the image made.
    ~SECImage() override;
    SECImage(const SECImage&) = delete;
    SECImage& operator=(const SECImage&) = delete;

    // Stores the image in the BMP file form, or loads it from that form (see the top of this file).
    void Serialize(CArchive& ar) override;

    // Makes m_pPalette from the colour table: max(m_wColors, the header's colours used) entries (at
    // most 256), red, green, blue with flags 0. Images without a table (16, 24, 32 bits, or empty) get
    // none. The previous palette is deleted first. FALSE when GDI refuses the palette.
    virtual BOOL CreatePalette();

    // Loads the file at the host path lpszFileName (see "Files" above). TRUE when the image was read.
    virtual BOOL LoadImage(LPCSTR lpszFileName);
    // Loads from pFile, open for reading at the image's first byte (not null: CInvalidArgException*).
    // The previous image is kept aside, then FreeImage, DoLoadImage and FinishLoad run; when any of
    // them fails (or throws a CException*) the previous image comes back and FALSE is returned.
    virtual BOOL LoadImage(CFile* pFile);
    // Saves the image at the host path lpszFileName (see "Files" above). TRUE when the file is
    // complete; else FALSE and the previous file is untouched.
    virtual BOOL SaveImage(LPCSTR lpszFileName);
    // Saves into pFile, open for writing (not null: CInvalidArgException*): PreSave, DoSaveImage and
    // PostSave in turn, FALSE at the first that fails or throws a CException*.
    virtual BOOL SaveImage(CFile* pFile);

    // Frees the header, the pixels, the palette and the cache; the image is empty (sizes and depth 0).
    virtual void FreeImage();
    // After DoLoadImage: makes the palette, pads the rows and sets m_bUseHalftone when the image's
    // depth differs from the display's. FALSE when the palette cannot be made.
    virtual BOOL FinishLoad();
    // Hooks around DoSaveImage; TRUE here.
    virtual BOOL PreSave();
    virtual BOOL PostSave();

protected:
    // The file format: write the image to / read it from pFile. FALSE when the format cannot hold
    // the image or refuses the file.
    virtual BOOL DoSaveImage(CFile* pFile) = 0;
    virtual BOOL DoLoadImage(CFile* pFile) = 0;

public:
    // Closes and deletes the file objects the image made (LoadImage and SaveImage by name).
    virtual void FreeFileList();

    // Makes the image from pBitmap (not null: CInvalidArgException*), whose pixels are read through
    // pDC (null: the screen): a bitmap of 1, 4 or 8 bits per pixel (bits × planes) gives an image of
    // that depth with a colour table of 2, 16 or 256 entries, a deeper one a 24-bit image. FALSE
    // (previous image kept) when the bitmap cannot be read or memory cannot be had.
    BOOL CreateFromBitmap(CDC* pDC, CBitmap* pBitmap);
    // Makes this image a deep copy of *pOther (pixels, header, colour table, sizes, flags; a palette
    // of its own). FALSE (this image kept) when memory cannot be had. pOther not null.
    BOOL CopyImage(const SECImage* pOther);
    // A new bitmap compatible with pDC (not null), of the image's size, holding its pixels; the
    // caller owns it. Null for an empty image or when GDI refuses.
    CBitmap* MakeBitmap(CDC* pDC);
    // A new device-dependent bitmap (CreateBitmap) of the image's width, height and depth, one plane,
    // holding its pixels as they are: top row first, rows word-aligned as such a bitmap keeps them
    // (the image's own rows run bottom-up, padded to 4 bytes). Table images keep their indexes (a
    // device-dependent bitmap has no colour table: 1-bit pixels show black for 0 and white for 1).
    // The caller owns it. Null for an empty image or when GDI refuses.
    CBitmap* MakeDeviceBitmap();
    // StretchDIBits of the source rectangle of lpBits/lpBMI (null: the image's own) onto the
    // destination rectangle of pDC (not null) with nUsage and dwRop. With m_bUseHalftone the screen's
    // halftone palette is selected and realised and the stretch mode is HALFTONE for the call (both
    // restored after). FALSE when there is nothing to draw or GDI fails.
    BOOL Draw(CDC* pDC, const CRect& rcDest, const CRect& rcSrc, LPVOID lpBits = nullptr,
              LPBITMAPINFO lpBMI = nullptr, UINT nUsage = DIB_RGB_COLORS, DWORD dwRop = SRCCOPY);

    // The colour-table entries of a depth: 2 for 1 bit, 16 for 4, 256 for 8, 0 for any other.
    static WORD ColorsForDepth(WORD nBitsPerPixel);
    // Bytes of one pixel row padded to 4 bytes: ((bits × width + 31) / 32) × 4.
    DWORD GetPaddedRowBytes() const;
    // The pixel memory: padded row bytes × height.
    DWORD GetImageSize() const;

    // Pads every row to 4 bytes / packs them byte-aligned, in place; nothing when already so. FALSE for
    // an empty image.
    BOOL Padbits();
    BOOL UnpadBits();

    // Turns the image upside down. FALSE for an empty image.
    BOOL FlipVert();
    // Mirrors every row left to right. FALSE for an empty image.
    BOOL FlipHorz();
    // Turns the image a quarter turn, clockwise as displayed when bClockwise, else counter-clockwise;
    // width and height swap. 1, 4, 8 and 24 bits; any other depth shows "Rotate90: Error, unsupported
    // format." and returns FALSE. FALSE (image kept) for an empty image or when memory cannot be had.
    BOOL Rotate90(BOOL bClockwise);
    // Keeps the nWidth × nHeight rectangle at (nLeft, nTop), rows counted from the top; width and
    // height are cut to what the image has right of and below that corner, and the pixel memory
    // shrinks. FALSE (image kept) for a corner outside the image, a width or height below 1, or no
    // memory.
    BOOL Crop(int nLeft, int nTop, int nWidth, int nHeight);
    // Steepens (nDirection > 0) or flattens (otherwise) the contrast: each colour's value V (its
    // largest channel / 255) becomes V + ((sin((V - 0.5) × pi) + 1) / 2 - V) × d / 2 with d = 1 or -1,
    // within 0 to 1, hue and saturation kept; 0.5 stays. Colour-table entries of 4- and 8-bit images
    // (the palette is made again), every pixel of 24- and 32-bit images. FALSE for other depths, for
    // bit fields (whose channels need not be bytes) and for an empty image.
    BOOL AdjustContrast(int nDirection);

    // The read and write cache over m_pFile, the file of the load or save in progress (DoLoadImage
    // and DoSaveImage may use it). InitCache makes a block of dwSize bytes (replacing any earlier one);
    // with bFill it is filled from the file at once. FALSE for size 0, no memory, or no file.
    BOOL InitCache(DWORD dwSize, BOOL bFill);
    // Copies up to nCount bytes from the block into lpBuf, refilling it from the file when it runs
    // out. Returns the bytes copied (fewer only at the end of the file).
    UINT CacheRead(void* lpBuf, UINT nCount);
    // Copies nCount bytes into the block, writing the block to the file each time it is full.
    // FALSE without a cache or file.
    BOOL CacheWrite(const void* lpBuf, UINT nCount);
    // Writes what the block holds to the file and empties it. FALSE without a cache or file.
    BOOL CacheFlush();
    // Reading and writing the file may throw its CFileException*.

    WORD m_nSrcBitsPerPixel;   // the image's depth (0 when empty)
    WORD m_nDstBitsPerPixel;   // the display's depth
    WORD m_nDstPlanes;         // the display's planes
    BOOL m_bIsPadded;          // rows padded to 4 bytes (else byte-aligned)
    DWORD m_dwWidth;           // pixels
    DWORD m_dwHeight;          // pixels
    WORD m_wColors;            // colour-table entries by depth (ColorsForDepth)
    WORD m_wDstColors;         // the display's colours: 2^planes for 1 bit, 4, 16, 256 for 2, 4, 8 bits, else 0
    CPalette* m_pPalette;      // owned; null without a colour table
    CFile* m_pFile;            // the file of the load or save in progress, else null
    HGLOBAL m_hSrcBits;        // the pixel rows
    LPBYTE m_lpSrcBits;
    HGLOBAL m_hBMI;            // the header and colour table
    LPBITMAPINFO m_lpBMI;
    RGBQUAD* m_lpRGB;          // the colour table (or bit masks) after the header
    BOOL m_bUseHalftone;       // the image's depth differs from the display's: Draw halftones
    BOOL m_bMSBFirst;          // 1-bit pixels are taken from the top bit of a byte first when saved as JPEG

protected:
    // Makes an empty image of width × height pixels of nBitsPerPixel bits in place of the current
    // one: a header (1 plane, no compression, the image size), a zeroed colour table of
    // ColorsForDepth entries and zeroed, padded rows. FALSE (current image kept) for a size of 0,
    // rows of 4 GiB or more, or no memory.
    BOOL NewImage(DWORD dwWidth, DWORD dwHeight, WORD nBitsPerPixel);
    // The BMP file form (see SECDib.h) read from or written to a file. ReadBmp fills an image emptied
    // by its caller; FALSE for a form the header check refuses or data that end early. WriteBmp:
    // FALSE for an empty image. Read and write errors of the file throw its CFileException*.
    BOOL ReadBmp(CFile* pFile);
    BOOL WriteBmp(CFile* pFile);
    // Pixel x of a padded row, as a table index (1, 4, 8 bits) or packed bytes (deeper); 1-bit pixels
    // from the top bit of a byte first, 4-bit pixels high nibble first, unless bMSBFirst is FALSE
    // (1 bit only).
    DWORD GetPixelValue(const BYTE* pRow, DWORD x, BOOL bMSBFirst = TRUE) const;
    void SetPixelValue(BYTE* pRow, DWORD x, DWORD dwValue) const;
    // Writes width, height, depth and image size into the header.
    void SyncHeader();

    CObList m_fileList;        // file objects made by LoadImage and SaveImage by name (owned)
    HGLOBAL m_hCache;          // the read and write cache
    LPBYTE m_lpCache;
    DWORD m_dwCacheSize;
    DWORD m_dwCacheBytes;      // bytes in the block
    DWORD m_dwCachePos;        // the read position in the block

private:
    // A file or an archive that the BMP form is read from or written to.
    struct BmpStream;
    BOOL ReadBmp(BmpStream& stream);
    BOOL WriteBmp(BmpStream& stream);
    // Puts the padded rows of a dwWidth × dwHeight image of the same depth (a locked block) in place of
    // the image's own, which are freed.
    void TakePixels(HGLOBAL hBits, LPBYTE lpBits, DWORD dwWidth, DWORD dwHeight);
    // Swaps the images (header, pixels, palette, sizes, flags) of this and other.
    void SwapImage(SECImage& other);
    // Runs fnLoad on the emptied image and FinishLoad; when either fails or throws a CException*,
    // the previous image comes back. TRUE when the new image stays.
    template <class F>
    BOOL ReplaceImage(F fnLoad);
    // The image's own file object for loading (a CFile) or saving (a CSafeFile), opened on
    // lpszFileName; see "Files" above. Null when a reused object cannot open the file.
    CFile* OpenOwnFile(LPCSTR lpszFileName, bool bForSaving);
    void FreeCache();
};

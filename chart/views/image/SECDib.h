// SECDib: an image read from and written to Windows BMP files.
//
// The file form: a 14-byte file header ("BM", the file size, two reserved words 0, the offset of the
// pixels), the 40-byte information header, the colour table (2, 16 or 256 entries for 1-, 4- and
// 8-bit images; the three colour masks of a 16- or 32-bit image with bit fields; none otherwise), then
// the pixel rows bottom-up, padded to 4 bytes. A 24-bit image of width 101 thus has the offset 54 and
// rows of 304 bytes; an 8-bit image the offset 1078.
//
// Reading takes what the header check of native/BmpHeader.h accepts and refuses the rest (keeping the
// previous image): files of 1, 4, 8, 16, 24 and 32 bits with information headers of 40 bytes or more,
// uncompressed or (16 and 32 bits) with bit fields. A larger header is read as its first 40 bytes, a
// colour table beside deep pixels is dropped, and bytes after the pixel rows are ignored.
#pragma once

#include "chart/views/image/SECImage.h"

class SECDib : public SECImage {
    DECLARE_SERIAL(SECDib)
public:
    SECDib();
    ~SECDib() override;

protected:
    // Writes the BMP file form of the image into pFile. FALSE for an empty image.
    BOOL DoSaveImage(CFile* pFile) override;
    // Reads a BMP file from pFile's position. FALSE when the header check refuses it or the pixel
    // rows end early.
    BOOL DoLoadImage(CFile* pFile) override;
};

// SECJpeg: an image read from and written to JPEG files through the JPEG codec (native/JpegCodec.h,
// over libjpeg).
//
// Reading gives a 24-bit image (a greyscale file gives equal blue, green and red), or with
// m_bQuantize an 8-bit image whose colour table holds the at most 256 colours the codec chose. A file
// cut short loads with the rows it lacks filled by the codec; an empty file, one that is not a JPEG
// image, and CMYK files are refused (the previous image is kept).
//
// Writing turns every pixel into red, green, blue (1-, 4- and 8-bit pixels through the colour table)
// and compresses it at m_nQuality; the image itself is not changed. 16- and 32-bit images are refused.
//
// Stored form (Serialize): the BMP form, as SECImage.
#pragma once

#include "chart/views/image/SECImage.h"

class SECJpeg : public SECImage {
    DECLARE_SERIAL(SECJpeg)
public:
    // m_bQuantize is set when the display has a colour count (a palette display); quality 75.
    SECJpeg();
    ~SECJpeg() override;

    BOOL m_bQuantize;  // load as an 8-bit image with at most 256 colours
    int m_nQuality;    // of saved files, 1 to 100

protected:
    // Writes the image as a JPEG stream into pFile. FALSE for an empty, 16- or 32-bit image or when
    // the codec or the file fails.
    BOOL DoSaveImage(CFile* pFile) override;
    // Reads a JPEG stream from pFile's position. FALSE when the codec refuses it or the image cannot
    // be held.
    BOOL DoLoadImage(CFile* pFile) override;
};

#include "chart/views/image/SECDib.h"

IMPLEMENT_SERIAL(SECDib, SECImage, 1)

SECDib::SECDib() = default;

SECDib::~SECDib() = default;

BOOL SECDib::DoSaveImage(CFile* pFile)
{
    return WriteBmp(pFile);
}

BOOL SECDib::DoLoadImage(CFile* pFile)
{
    return ReadBmp(pFile);
}

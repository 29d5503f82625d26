#include "native/BmpHeader.h"

namespace {

// Little-endian fields of the headers.
uint32_t Dword(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint16_t Word(const uint8_t* p)
{
    return uint16_t(p[0] | p[1] << 8);
}

} // namespace

int CheckBmpHeader(const uint8_t* header, size_t size, uint64_t fileLength, BmpLayout* layout)
{
    if (header == nullptr || size < BMP_HEADER_BYTES || header[0] != 'B' || header[1] != 'M')
        return BMP_NOT_BMP;
    const uint8_t* info = header + BMP_FILE_HEADER_BYTES;
    BmpLayout l = {};
    l.pixelOffset = Dword(header + 10);
    l.headerSize = Dword(info);
    l.width = int32_t(Dword(info + 4));
    l.height = int32_t(Dword(info + 8));
    l.bitCount = Word(info + 14);
    l.compression = Dword(info + 16);
    l.colorsUsed = Dword(info + 32);

    if (l.headerSize < BMP_INFO_HEADER_BYTES)
        return BMP_BAD_HEADER_SIZE;
    if (l.width <= 0 || l.height <= 0 || l.width > BMP_MAX_SIDE || l.height > BMP_MAX_SIDE)
        return BMP_BAD_SIZE;
    switch (l.bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32:
        break;
    default:
        return BMP_BAD_DEPTH;
    }
    const uint64_t rowBytes = (uint64_t(l.bitCount) * uint64_t(l.width) + 31) / 32 * 4;
    const uint64_t imageBytes = rowBytes * uint64_t(l.height);
    if (imageBytes > UINT32_MAX)
        return BMP_BAD_SIZE;
    const bool deep = l.bitCount > 8;
    if (l.compression != BMP_RGB && !(l.compression == BMP_BITFIELDS && (l.bitCount == 16 || l.bitCount == 32)))
        return BMP_COMPRESSED;

    // Where the headers, the colour table or the masks end: the pixels may not start before that.
    uint64_t tableEnd;
    if (!deep) {
        const uint32_t allowed = 1u << l.bitCount;
        if (l.colorsUsed > allowed)
            return BMP_BAD_COLOR_COUNT;
        l.tableOffset = BMP_FILE_HEADER_BYTES + l.headerSize;  // no overflow: checked against the file below
        l.tableEntries = l.colorsUsed != 0 ? l.colorsUsed : allowed;
        tableEnd = uint64_t(BMP_FILE_HEADER_BYTES) + l.headerSize + 4u * uint64_t(l.tableEntries);
    } else if (l.compression == BMP_BITFIELDS) {
        // the masks follow a 40-byte header; larger headers hold them at the same place
        l.tableOffset = BMP_FILE_HEADER_BYTES + BMP_INFO_HEADER_BYTES;
        l.tableEntries = 3;
        tableEnd = uint64_t(BMP_FILE_HEADER_BYTES) + l.headerSize;
        if (tableEnd < l.tableOffset + 4u * 3u)
            tableEnd = l.tableOffset + 4u * 3u;
        l.colorsUsed = 0;
    } else {
        // a colour table beside deep pixels only helps palette displays: it is not kept
        l.tableOffset = BMP_FILE_HEADER_BYTES + l.headerSize;
        l.tableEntries = 0;
        tableEnd = uint64_t(BMP_FILE_HEADER_BYTES) + l.headerSize;
        l.colorsUsed = 0;
    }
    if (l.pixelOffset < tableEnd || l.pixelOffset > fileLength)
        return BMP_BAD_OFFSET;

    if (fileLength - l.pixelOffset < imageBytes)
        return BMP_SHORT_PIXELS;
    l.rowBytes = uint32_t(rowBytes);
    l.imageBytes = uint32_t(imageBytes);
    if (layout != nullptr)
        *layout = l;
    return BMP_OK;
}

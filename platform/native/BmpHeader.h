// The check of a Windows BMP file's headers, made before anything is allocated or read on their word.
//
// A BMP file starts with a 14-byte file header ("BM", the file size, two reserved words, the offset of
// the pixel rows) and an information header of 40 bytes or more (its own size, width, height, planes,
// bits per pixel, compression, image size, resolution, colours used, colours important). The colour
// table (4-byte entries blue, green, red, 0) follows the information header; with bit-field
// compression three 32-bit colour masks stand where a 40-byte header ends. The pixel rows start at the
// offset, bottom-up, each padded to a multiple of 4 bytes.
//
// The image classes lay out only what this check accepts: bottom-up files (a negative height means
// top-down rows) without compression, of at most 32768 pixels a side. Bit fields are accepted for 16
// and 32 bits, whose pixels keep their layout.
//
// Plain C++ without Win32 types, so that the image classes and a fuzz target share it.
#pragma once

#include <cstddef>
#include <cstdint>

// The bytes CheckBmpHeader reads: the file header and the 40 bytes every information header starts with.
const size_t BMP_HEADER_BYTES = 54;
const uint32_t BMP_FILE_HEADER_BYTES = 14;
const uint32_t BMP_INFO_HEADER_BYTES = 40;
// The largest width and height accepted.
const int32_t BMP_MAX_SIDE = 32768;
// Compression values of the information header.
const uint32_t BMP_RGB = 0;
const uint32_t BMP_BITFIELDS = 3;

// What a file that passed the check holds, and where (offsets count from the file header's first byte).
struct BmpLayout {
    uint32_t pixelOffset;   // where the pixel rows start
    uint32_t headerSize;    // the information header's own size (40 or more)
    int32_t width;          // 1 to BMP_MAX_SIDE
    int32_t height;         // 1 to BMP_MAX_SIDE
    uint16_t bitCount;      // 1, 4, 8, 16, 24 or 32
    uint32_t compression;   // BMP_RGB, or BMP_BITFIELDS (16 and 32 bits only)
    uint32_t colorsUsed;    // the header's count of colours used (0 for 16, 24 and 32 bits)
    uint32_t tableOffset;   // where the colour table, or the three bit masks, start
    uint32_t tableEntries;  // 4-byte entries there: the colours used (2^bits when 0) up to 8 bits,
                            // 3 masks with bit fields, 0 otherwise
    uint32_t rowBytes;      // bytes of one pixel row, padded to 4
    uint32_t imageBytes;    // rowBytes × height
};

// The results of CheckBmpHeader.
enum BmpCheck : int {
    BMP_OK = 0,
    BMP_NOT_BMP = 1,           // shorter than the two headers, or not starting with "BM"
    BMP_BAD_HEADER_SIZE = 2,   // an information header below 40 bytes
    BMP_BAD_SIZE = 3,          // width or height 0, negative or above BMP_MAX_SIDE, or pixel rows of
                               // 4 GiB or more
    BMP_BAD_DEPTH = 4,         // bits per pixel other than 1, 4, 8, 16, 24 or 32
    BMP_COMPRESSED = 5,        // compressed (bit fields excepted for 16 and 32 bits)
    BMP_BAD_COLOR_COUNT = 6,   // more colours used than the depth allows
    BMP_BAD_OFFSET = 7,        // the pixels start past the end of the file, or inside the headers,
                               // the colour table or the bit masks
    BMP_SHORT_PIXELS = 8       // fewer bytes after the offset than rowBytes × height
};

// Checks the headers of a BMP file. header: the file's first `size` bytes (at least BMP_HEADER_BYTES
// are read; fewer give BMP_NOT_BMP; may be null when size is 0). fileLength: the length of the whole
// file from the file header's first byte on. Returns BMP_OK and fills *layout (when not null), or the
// failure found (*layout is left alone then).
int CheckBmpHeader(const uint8_t* header, size_t size, uint64_t fileLength, BmpLayout* layout);

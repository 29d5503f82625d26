// Fuzzes the BMP header check of the image classes. Whatever it accepts must lie inside the file: the
// image reader copies the colour table (or the masks) and the pixel rows from where the layout says,
// which is done here too, so that the sanitizer sees every byte the reader would touch.
#include "FuzzCheck.h"
#include "native/BmpHeader.h"

#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    BmpLayout layout = {};
    if (CheckBmpHeader(data, size, size, &layout) != BMP_OK)
        return 0;
    FuzzCheck(layout.width >= 1 && layout.width <= BMP_MAX_SIDE && layout.height >= 1 &&
                  layout.height <= BMP_MAX_SIDE,
              "width and height within the limits");
    FuzzCheck(layout.headerSize >= BMP_INFO_HEADER_BYTES, "a full information header");
    FuzzCheck(layout.rowBytes % 4 == 0 &&
                  uint64_t(layout.rowBytes) * 8 >= uint64_t(layout.bitCount) * uint64_t(layout.width) &&
                  uint64_t(layout.rowBytes) * uint64_t(layout.height) == layout.imageBytes,
              "padded rows that hold a row of pixels");
    FuzzCheck(layout.bitCount > 8 || layout.tableEntries <= (1u << layout.bitCount), "a table the depth can index");
    FuzzCheck(uint64_t(BMP_FILE_HEADER_BYTES) + layout.headerSize <= layout.pixelOffset, "pixels after the header");
    FuzzCheck(uint64_t(layout.tableOffset) + 4u * uint64_t(layout.tableEntries) <= layout.pixelOffset,
              "pixels after the colour table");
    FuzzCheck(uint64_t(layout.pixelOffset) + layout.imageBytes <= size, "pixels inside the file");

    std::vector<uint8_t> table(4u * size_t(layout.tableEntries));
    if (!table.empty())
        std::memcpy(table.data(), data + layout.tableOffset, table.size());
    std::vector<uint8_t> pixels(layout.imageBytes);
    std::memcpy(pixels.data(), data + layout.pixelOffset, pixels.size());
    return 0;
}

// The BMP header check: the layouts of good files of every depth and header size, and a table of
// headers that must be refused before anything is allocated on their word.
#include "native/BmpHeader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> ReadData(const std::string& name)
{
    const char* root = std::getenv("ONDRIX_TEST_DATA");
    EXPECT_NE(root, nullptr) << "ONDRIX_TEST_DATA is not set";
    std::ifstream in(std::string(root != nullptr ? root : ".") + "/image/bmp/" + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << name;
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void PutDword(std::vector<uint8_t>& bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + size_t(i)] = uint8_t(value >> (8 * i));
}

void PutWord(std::vector<uint8_t>& bytes, size_t at, uint16_t value)
{
    bytes[at] = uint8_t(value);
    bytes[at + 1] = uint8_t(value >> 8);
}

int Check(const std::vector<uint8_t>& bytes, BmpLayout* layout = nullptr)
{
    return CheckBmpHeader(bytes.data(), bytes.size(), bytes.size(), layout);
}

TEST(BmpHeader, GoodFilesOfEveryDepthAndHeaderSize)
{
    struct Case {
        const char* file;
        int32_t width, height;
        uint16_t bits;
        uint32_t compression, headerSize, tableOffset, tableEntries, rowBytes;
    } cases[] = {
        {"mono.bmp", 13, 3, 1, BMP_RGB, 40, 54, 2, 4},
        {"four_bits_three_colours.bmp", 5, 4, 4, BMP_RGB, 40, 54, 3, 4},
        {"eight_bits.bmp", 6, 3, 8, BMP_RGB, 40, 54, 256, 8},
        {"sixteen_bits.bmp", 5, 3, 16, BMP_RGB, 40, 54, 0, 12},
        {"sixteen_bits_565.bmp", 5, 3, 16, BMP_BITFIELDS, 40, 54, 3, 12},
        {"true_colour.bmp", 5, 3, 24, BMP_RGB, 40, 54, 0, 16},
        {"thirty_two_bits.bmp", 4, 2, 32, BMP_RGB, 40, 54, 0, 16},
        {"v5_header_true_colour.bmp", 3, 2, 24, BMP_RGB, 124, 138, 0, 12},
        {"v4_header_eight_bits.bmp", 3, 2, 8, BMP_RGB, 108, 122, 16, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::vector<uint8_t> bytes = ReadData(c.file);
        BmpLayout layout = {};
        ASSERT_EQ(Check(bytes, &layout), BMP_OK);
        EXPECT_EQ(layout.width, c.width);
        EXPECT_EQ(layout.height, c.height);
        EXPECT_EQ(layout.bitCount, c.bits);
        EXPECT_EQ(layout.compression, c.compression);
        EXPECT_EQ(layout.headerSize, c.headerSize);
        EXPECT_EQ(layout.tableOffset, c.tableOffset);
        EXPECT_EQ(layout.tableEntries, c.tableEntries);
        EXPECT_EQ(layout.rowBytes, c.rowBytes);
        EXPECT_EQ(layout.imageBytes, c.rowBytes * uint32_t(c.height));
        EXPECT_EQ(layout.pixelOffset + layout.imageBytes, bytes.size());
    }
}

TEST(BmpHeader, RefusesWhatCannotBeLaidOut)
{
    // a 4-bit image of 3 by 2 pixels with a full table: offset 54 + 64, rows of 4 bytes
    std::vector<uint8_t> good(54 + 64 + 8, 0);
    good[0] = 'B';
    good[1] = 'M';
    PutDword(good, 2, uint32_t(good.size()));
    PutDword(good, 10, 54 + 64);
    PutDword(good, 14, 40);
    PutDword(good, 18, 3);
    PutDword(good, 22, 2);
    PutWord(good, 26, 1);
    PutWord(good, 28, 4);
    ASSERT_EQ(Check(good), BMP_OK);

    struct Case {
        const char* what;
        std::function<void(std::vector<uint8_t>&)> change;
        int expected;
    } cases[] = {
        {"not BM", [](std::vector<uint8_t>& b) { b[1] = 'A'; }, BMP_NOT_BMP},
        {"shorter than the headers", [](std::vector<uint8_t>& b) { b.resize(53); }, BMP_NOT_BMP},
        {"header size 12", [](std::vector<uint8_t>& b) { PutDword(b, 14, 12); }, BMP_BAD_HEADER_SIZE},
        {"width 0", [](std::vector<uint8_t>& b) { PutDword(b, 18, 0); }, BMP_BAD_SIZE},
        {"top-down rows", [](std::vector<uint8_t>& b) { PutDword(b, 22, uint32_t(-2)); }, BMP_BAD_SIZE},
        {"width above the limit", [](std::vector<uint8_t>& b) { PutDword(b, 18, 32769); }, BMP_BAD_SIZE},
        {"depth 2", [](std::vector<uint8_t>& b) { PutWord(b, 28, 2); }, BMP_BAD_DEPTH},
        {"run-length compressed", [](std::vector<uint8_t>& b) { PutDword(b, 30, 2); }, BMP_COMPRESSED},
        {"bit fields on 4 bits", [](std::vector<uint8_t>& b) { PutDword(b, 30, 3); }, BMP_COMPRESSED},
        {"17 colours on 4 bits", [](std::vector<uint8_t>& b) { PutDword(b, 46, 17); }, BMP_BAD_COLOR_COUNT},
        {"offset past the end", [](std::vector<uint8_t>& b) { PutDword(b, 10, uint32_t(b.size() + 1)); }, BMP_BAD_OFFSET},
        {"offset inside the colour table", [](std::vector<uint8_t>& b) { PutDword(b, 10, 54 + 60); }, BMP_BAD_OFFSET},
        {"header size past the offset", [](std::vector<uint8_t>& b) { PutDword(b, 14, 0xFFFFFFF0); }, BMP_BAD_OFFSET},
        {"truncated pixel data", [](std::vector<uint8_t>& b) { b.pop_back(); }, BMP_SHORT_PIXELS},
        {"16 bits with bit fields but no room for the masks",
         [](std::vector<uint8_t>& b) {
             PutWord(b, 28, 16);
             PutDword(b, 30, 3);
             PutDword(b, 10, 60);
         },
         BMP_BAD_OFFSET},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = good;
        c.change(bytes);
        BmpLayout layout = {};
        layout.width = -7;
        EXPECT_EQ(Check(bytes, &layout), c.expected) << c.what;
        EXPECT_EQ(layout.width, -7) << c.what << ": the layout is left alone";
    }
    EXPECT_EQ(CheckBmpHeader(nullptr, 0, 0, nullptr), BMP_NOT_BMP);

    // Rows of 4 GiB are refused whatever length the caller claims (the sizes would overflow 32 bits).
    std::vector<uint8_t> huge = good;
    PutDword(huge, 18, 32768);
    PutDword(huge, 22, 32768);
    PutWord(huge, 28, 32);
    PutDword(huge, 10, 54);
    EXPECT_EQ(CheckBmpHeader(huge.data(), huge.size(), uint64_t(1) << 40, nullptr), BMP_BAD_SIZE);
}

} // namespace

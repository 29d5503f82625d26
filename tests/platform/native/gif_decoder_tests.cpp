// The GIF decoder: files of an outside encoder against their pixels, small files built here to show
// one feature each (interlace, local tables, placement, transparency, damage), and a table of files
// that must be refused.
#include "native/GifDecoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> ReadData(const std::string& name)
{
    const char* root = std::getenv("ONDRIX_TEST_DATA");
    EXPECT_NE(root, nullptr) << "ONDRIX_TEST_DATA is not set";
    std::ifstream in(std::string(root != nullptr ? root : ".") + "/image/gif/" + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << name;
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A GIF file written field by field. The indices are written as LZW literals only, with a clear code
// before the table would make the codes wider, so every code of the file is known.
class GifFile {
public:
    // The signature and the logical screen, with the global table when colours are given.
    GifFile(int width, int height, const std::vector<uint32_t>& global = {}, const char* signature = "GIF89a")
    {
        bytes.assign(signature, signature + 6);
        Word(width);
        Word(height);
        bytes.push_back(uint8_t(global.empty() ? 0 : 0x80 | TableBits(global)));
        bytes.push_back(0);
        bytes.push_back(0);
        Table(global);
    }
    // A graphic control extension naming the transparent index.
    GifFile& Transparent(int index)
    {
        bytes.insert(bytes.end(), {0x21, 0xF9, 4, 1, 0, 0, uint8_t(index), 0});
        return *this;
    }
    // An image descriptor and its indices, delivered in the order given.
    GifFile& Image(int left, int top, int width, int height, const std::vector<uint8_t>& indices,
                   bool interlaced = false, const std::vector<uint32_t>& local = {}, int minCodeSize = 8)
    {
        Descriptor(left, top, width, height, minCodeSize, interlaced, local);
        const int clear = 1 << minCodeSize;
        std::vector<int> codes{clear};
        int sinceClear = 0;
        for (uint8_t index : indices) {
            if (sinceClear == clear - 2) {
                codes.push_back(clear);
                sinceClear = 0;
            }
            codes.push_back(index);
            ++sinceClear;
        }
        codes.push_back(clear + 1);
        Codes(codes, minCodeSize + 1);
        return *this;
    }
    // An image descriptor, its local table and its code size, without the codes.
    GifFile& Descriptor(int left, int top, int width, int height, int minCodeSize, bool interlaced = false,
                        const std::vector<uint32_t>& local = {})
    {
        bytes.push_back(0x2C);
        Word(left);
        Word(top);
        Word(width);
        Word(height);
        bytes.push_back(uint8_t((local.empty() ? 0 : 0x80 | TableBits(local)) | (interlaced ? 0x40 : 0)));
        Table(local);
        bytes.push_back(uint8_t(minCodeSize));
        return *this;
    }
    // Codes of `width` bits (one bit more from the code at `widerFrom` on), packed into sub-blocks.
    GifFile& Codes(const std::vector<int>& codes, int width, size_t widerFrom = SIZE_MAX)
    {
        std::vector<uint8_t> packed;
        uint32_t buffer = 0;
        int bits = 0;
        for (size_t i = 0; i < codes.size(); ++i) {
            buffer |= uint32_t(codes[i]) << bits;
            for (bits += i < widerFrom ? width : width + 1; bits >= 8; bits -= 8, buffer >>= 8)
                packed.push_back(uint8_t(buffer));
        }
        if (bits > 0)
            packed.push_back(uint8_t(buffer));
        for (size_t at = 0; at < packed.size(); at += 255) {
            const size_t n = std::min<size_t>(255, packed.size() - at);
            bytes.push_back(uint8_t(n));
            bytes.insert(bytes.end(), packed.begin() + long(at), packed.begin() + long(at + n));
        }
        bytes.push_back(0);
        return *this;
    }
    GifFile& Trailer()
    {
        bytes.push_back(0x3B);
        return *this;
    }

    std::vector<uint8_t> bytes;

private:
    void Word(int value)
    {
        bytes.push_back(uint8_t(value));
        bytes.push_back(uint8_t(value >> 8));
    }
    static int TableBits(const std::vector<uint32_t>& colours)
    {
        int bits = 0;
        while ((2u << bits) < colours.size())
            ++bits;
        return bits;
    }
    void Table(const std::vector<uint32_t>& colours)
    {
        if (colours.empty())
            return;
        const size_t size = 2u << TableBits(colours);
        for (size_t i = 0; i < size; ++i) {
            const uint32_t c = i < colours.size() ? colours[i] : 0;
            bytes.insert(bytes.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
        }
    }
};

// The pixels of a picture as 0xAARRGGBB.
std::vector<uint32_t> Pixels(const GifPicture& picture)
{
    std::vector<uint32_t> pixels;
    for (size_t i = 0; i + 3 < picture.rgba.size(); i += 4)
        pixels.push_back(uint32_t(picture.rgba[i + 3]) << 24 | uint32_t(picture.rgba[i]) << 16 |
                         uint32_t(picture.rgba[i + 1]) << 8 | picture.rgba[i + 2]);
    return pixels;
}

GifPicture Decoded(const std::vector<uint8_t>& bytes)
{
    GifPicture picture;
    EXPECT_EQ(DecodeGif(bytes.data(), bytes.size(), &picture), GIF_OK);
    return picture;
}

const uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;
const uint32_t kOpaque = 0xFF000000, kClear = 0;

TEST(GifDecoder, AnOutsideEncodersFilesDecodeToTheirPixels)
{
    // Noise of 256 colours, interlaced: the LZW table fills and is cleared again, codes reach 12 bits.
    const GifPicture noise = Decoded(ReadData("noise_interlaced.gif"));
    const std::vector<uint8_t> ppm = ReadData("noise_interlaced.ppm");
    const std::string header = "P6\n112 80\n255\n";
    ASSERT_EQ(std::string(ppm.begin(), ppm.begin() + long(header.size())), header);
    ASSERT_EQ(noise.width, 112);
    ASSERT_EQ(noise.height, 80);
    ASSERT_EQ(ppm.size(), header.size() + 112u * 80u * 3u);
    for (size_t i = 0; i < 112u * 80u; ++i) {
        const uint8_t* expected = &ppm[header.size() + 3 * i];
        const uint8_t* actual = &noise.rgba[4 * i];
        ASSERT_TRUE(actual[0] == expected[0] && actual[1] == expected[1] && actual[2] == expected[2] &&
                    actual[3] == 255)
            << "pixel " << i % 112 << ", " << i / 112;
    }

    // A black pixel, then one colour (the second of the table) over 599 pixels: nearly every code is
    // the one not yet in the table.
    const GifPicture run = Decoded(ReadData("one_colour_run.gif"));
    std::vector<uint32_t> expected(600, kOpaque | 0x3366CC);
    expected[0] = kOpaque;
    EXPECT_EQ(Pixels(run), expected);
}

TEST(GifDecoder, ImagesPlacedInterlacedAndWithTheirOwnColours)
{
    const std::vector<uint32_t> rgb{kRed, kGreen, kBlue};
    // Delivered rows of an interlaced image land in passes: 0 and 8, then 4, then 2 and 6, then the
    // odd rows; row r shows the colour of the delivered row below.
    std::vector<uint32_t> ten;
    for (uint32_t i = 0; i < 10; ++i)
        ten.push_back(i * 0x111111);
    const int deliveredAt[10] = {0, 5, 3, 6, 2, 7, 4, 8, 1, 9};
    std::vector<uint32_t> interlaced;
    for (int delivered : deliveredAt)
        interlaced.push_back(kOpaque | ten[size_t(delivered)]);

    struct Case {
        const char* what;
        std::vector<uint8_t> file;
        std::vector<uint32_t> pixels;
    } cases[] = {
        {"rows top-down from the global table",
         GifFile(3, 2, rgb).Image(0, 0, 3, 2, {0, 1, 2, 2, 1, 0}).Trailer().bytes,
         {kOpaque | kRed, kOpaque | kGreen, kOpaque | kBlue, kOpaque | kBlue, kOpaque | kGreen, kOpaque | kRed}},
        {"interlaced", GifFile(1, 10, ten).Image(0, 0, 1, 10, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, true).bytes, interlaced},
        {"a local table before the global one",
         GifFile(2, 1, rgb).Image(0, 0, 2, 1, {0, 1}, false, {kWhite, kBlue}).bytes,
         {kOpaque | kWhite, kOpaque | kBlue}},
        {"a local table without a global one", GifFile(2, 1).Image(0, 0, 2, 1, {1, 0}, false, rgb).bytes,
         {kOpaque | kGreen, kOpaque | kRed}},
        {"an image placed on the screen, clipped at its edge",
         GifFile(3, 2, rgb).Image(1, 1, 3, 1, {2, 1, 0}).bytes,
         {kClear, kClear, kClear, kClear, kOpaque | kBlue, kOpaque | kGreen}},
        {"the transparent index", GifFile(3, 1, rgb).Transparent(1).Image(0, 0, 3, 1, {0, 1, 2}).bytes,
         {kOpaque | kRed, kClear, kOpaque | kBlue}},
        {"an index past the table draws black", GifFile(2, 1, rgb).Image(0, 0, 2, 1, {3, 200}).bytes,
         {kOpaque, kOpaque}},
        {"other extensions are passed over",
         [&] {
             GifFile file(1, 1, rgb);
             file.bytes.insert(file.bytes.end(), {0x21, 0xFF, 3, 'a', 'b', 'c', 2, 'd', 'e', 0});
             return file.Image(0, 0, 1, 1, {2}).bytes;
         }(),
         {kOpaque | kBlue}},
        {"the second image is not drawn",
         GifFile(2, 1, rgb).Image(0, 0, 1, 1, {0}).Image(1, 0, 1, 1, {1}).bytes, {kOpaque | kRed, kClear}},
        // clear, 1, 1 (table entry 6), 1 (entry 7: the codes grow to 4 bits), 0, end
        {"codes growing wider", GifFile(4, 1, rgb).Descriptor(0, 0, 4, 1, 2).Codes({4, 1, 1, 1, 0, 5}, 3, 4).bytes,
         {kOpaque | kGreen, kOpaque | kGreen, kOpaque | kGreen, kOpaque | kRed}},
        {"data that end early leave the rest clear", [&] {
             std::vector<uint8_t> file = GifFile(4, 1, rgb).Image(0, 0, 4, 1, {0, 1, 2, 0}).bytes;
             file.resize(file.size() - 4); // keeps 32 bits: the clear code and two literals of 9 bits
             return file;
         }(),
         {kOpaque | kRed, kOpaque | kGreen, kClear, kClear}},
        {"a GIF87a file", GifFile(1, 1, rgb, "GIF87a").Image(0, 0, 1, 1, {1}).bytes, {kOpaque | kGreen}},
    };
    for (const Case& c : cases) {
        GifPicture picture;
        ASSERT_EQ(DecodeGif(c.file.data(), c.file.size(), &picture), GIF_OK) << c.what;
        EXPECT_EQ(Pixels(picture), c.pixels) << c.what;
    }
}

TEST(GifDecoder, FilesThatCannotBeReadAreRefused)
{
    const std::vector<uint32_t> rgb{kRed, kGreen, kBlue};
    const std::vector<uint8_t> good = GifFile(2, 1, rgb).Image(0, 0, 2, 1, {0, 1}).Trailer().bytes;
    auto cut = [&](size_t length) { return std::vector<uint8_t>(good.begin(), good.begin() + long(length)); };
    const size_t screenAndTable = 13 + 4 * 3;
    struct Case {
        const char* what;
        std::vector<uint8_t> file;
        int result;
    } cases[] = {
        {"empty", {}, GIF_NOT_GIF},
        {"shorter than the screen", cut(12), GIF_NOT_GIF},
        {"another signature", GifFile(2, 1, rgb, "GIF88a").Image(0, 0, 2, 1, {0, 1}).bytes, GIF_NOT_GIF},
        {"a screen of no width", GifFile(0, 1, rgb).Image(0, 0, 1, 1, {0}).bytes, GIF_BAD_SIZE},
        {"a screen of no height", GifFile(1, 0, rgb).Image(0, 0, 1, 1, {0}).bytes, GIF_BAD_SIZE},
        {"a side above the limit", GifFile(GIF_MAX_SIDE + 1, 1, rgb).bytes, GIF_BAD_SIZE},
        {"more pixels than the limit", GifFile(GIF_MAX_SIDE, GIF_MAX_SIDE, rgb).bytes, GIF_BAD_SIZE},
        {"a cut global table", cut(13 + 5), GIF_TRUNCATED},
        {"nothing after the table", cut(screenAndTable), GIF_TRUNCATED},
        {"a cut descriptor", cut(screenAndTable + 6), GIF_TRUNCATED},
        {"no code size", cut(screenAndTable + 10), GIF_TRUNCATED},
        {"a cut extension", [&] {
             std::vector<uint8_t> file = cut(screenAndTable);
             file.insert(file.end(), {0x21, 0xFE, 5, 'a'});
             return file;
         }(),
         GIF_TRUNCATED},
        {"the trailer before any image", GifFile(2, 1, rgb).Trailer().bytes, GIF_NO_IMAGE},
        {"a block of unknown kind", [&] {
             std::vector<uint8_t> file = cut(screenAndTable);
             file.push_back(0x2A);
             return file;
         }(),
         GIF_NO_IMAGE},
        {"no colour table", GifFile(2, 1).Image(0, 0, 2, 1, {0, 1}).bytes, GIF_NO_COLOURS},
        {"a code size of 1", GifFile(2, 1, rgb).Descriptor(0, 0, 2, 1, 1).Codes({2, 0, 1, 3}, 2).bytes, GIF_BAD_CODE},
        {"a code size of 12", GifFile(2, 1, rgb).Image(0, 0, 2, 1, {0, 1}, false, {}, 12).bytes, GIF_BAD_CODE},
        // codes of 3 bits: clear 4, end 5, the table starting at 6
        {"a table code first", GifFile(2, 1, rgb).Descriptor(0, 0, 2, 1, 2).Codes({4, 6, 5}, 3).bytes, GIF_BAD_CODE},
        {"a code past the next free one", GifFile(2, 1, rgb).Descriptor(0, 0, 2, 1, 2).Codes({4, 1, 7, 5}, 3).bytes,
         GIF_BAD_CODE},
    };
    for (const Case& c : cases) {
        GifPicture picture;
        picture.width = 7;
        EXPECT_EQ(DecodeGif(c.file.empty() ? nullptr : c.file.data(), c.file.size(), &picture), c.result) << c.what;
        EXPECT_EQ(picture.width, 7) << c.what << ": the picture changed";
    }
}

// Several files decoded side by side give each what DecodeGif gives it; over white, a pixel is its
// blue, green and red (white where clear or not covered) and a zero byte, as GifPictureOverWhite
// makes it of the picture.
TEST(GifDecoder, SeveralFilesSideBySideAndOverWhite)
{
    const std::vector<uint32_t> rgb{kRed, kGreen, kBlue};
    const std::vector<std::vector<uint8_t>> files = {
        ReadData("noise_interlaced.gif"), GifFile(2, 1).Image(0, 0, 2, 1, {0, 1}).bytes,
        GifFile(3, 1, rgb).Transparent(1).Image(0, 0, 3, 1, {0, 1, 2}).bytes, ReadData("one_colour_run.gif"),
        GifFile(3, 2, rgb).Image(1, 1, 3, 1, {2, 1, 0}).bytes, GifFile(2, 1, rgb).Image(0, 0, 2, 1, {3, 200}).bytes,
        GifFile(2, 1, rgb).Image(0, 1, 3, 2, {0, 1, 2, 2, 1, 0}).bytes};
    std::vector<GifPicture> pictures;
    EXPECT_EQ(DecodeGifs(files, false, pictures), (std::vector<int>{GIF_OK, GIF_NO_COLOURS, GIF_OK, GIF_OK, GIF_OK, GIF_OK, GIF_OK}));
    ASSERT_EQ(pictures.size(), files.size());
    for (size_t i = 0; i < files.size(); ++i) {
        GifPicture alone;
        DecodeGif(files[i].data(), files[i].size(), &alone);
        EXPECT_EQ(Pixels(pictures[i]), Pixels(alone)) << i;
    }

    DecodeGifs(files, true, pictures);
    for (size_t i = 0; i < files.size(); ++i) {
        GifPicture alone;
        DecodeGif(files[i].data(), files[i].size(), &alone);
        GifPictureOverWhite(alone);
        EXPECT_EQ(pictures[i].rgba, alone.rgba) << i;
    }
    EXPECT_EQ(pictures[2].rgba, (std::vector<uint8_t>{0, 0, 255, 0, 255, 255, 255, 0, 255, 0, 0, 0}));
    EXPECT_TRUE(pictures[1].rgba.empty());
    std::vector<GifPicture> none;
    EXPECT_TRUE(DecodeGifs({}, true, none).empty());
}

} // namespace

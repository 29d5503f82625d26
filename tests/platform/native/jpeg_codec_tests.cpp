// The JPEG codec over libjpeg: colours survive a save and a decode, the quantised decode, greyscale
// and cut streams, and every failure returns false instead of ending the process.
#include "JpegTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

std::string ReadJpegData(const std::string& name)
{
    const char* root = std::getenv("ONDRIX_TEST_DATA");
    EXPECT_NE(root, nullptr) << "ONDRIX_TEST_DATA is not set";
    std::ifstream in(std::string(root != nullptr ? root : ".") + "/image/jpeg/" + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << name;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Red, green and blue quarters, the bottom right one white.
std::vector<int> Quarter(int x, int y)
{
    if (y < 32)
        return x < 32 ? std::vector<int>{255, 0, 0} : std::vector<int>{0, 255, 0};
    return x < 32 ? std::vector<int>{0, 0, 255} : std::vector<int>{255, 255, 255};
}

std::string EncodeQuarters()
{
    VectorJpegOutput out;
    auto pixels = MakePixels(64, Quarter);
    EXPECT_TRUE(EncodeJpeg(out, 64, 64, 75, pixels));
    EXPECT_EQ(out.flushes, 1);
    return out.Text();
}

// A 64 by 64 image with detail everywhere, so that its pixel data outweigh the codec's tables.
std::string EncodeTexture()
{
    VectorJpegOutput out;
    auto pixels = MakePixels(64, [](int x, int y) {
        return std::vector<int>{(x * 7 + y * 3) & 255, (x * y) & 255, ((x ^ y) * 2) & 255};
    });
    EXPECT_TRUE(EncodeJpeg(out, 64, 64, 75, pixels));
    return out.Text();
}

// Each quarter's colour at points away from the edges where blocks of two colours meet.
void ExpectQuarters(const DecodedJpeg& image, int tolerance)
{
    ASSERT_EQ(image.frame.width, 64);
    ASSERT_EQ(image.frame.height, 64);
    EXPECT_EQ(image.rows, 64);
    EXPECT_TRUE(image.rowsInOrder);
    for (int y : {4, 16, 27, 36, 48, 59}) {
        for (int x : {4, 16, 27, 36, 48, 59}) {
            const std::vector<int> want = Quarter(x, y);
            const std::vector<int> got = image.At(x, y);
            for (int k = 0; k < 3; ++k)
                EXPECT_NEAR(got[size_t(k)], want[size_t(k)], tolerance) << "(" << x << ", " << y << ") channel " << k;
        }
    }
}

TEST(JpegCodec, ColoursSurviveASaveAndADecode)
{
    const std::string bytes = EncodeQuarters();
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xD8");
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\xFF\xD9");

    MemoryJpegInput in(bytes);
    DecodedJpeg image;
    ASSERT_TRUE(DecodeJpeg(in, false, image));
    EXPECT_EQ(image.frame.components, 3);
    EXPECT_FALSE(image.frame.quantised);
    ExpectQuarters(image, 8);

    // quantised: palette indices, at most 256 colours, the same quarters through the palette
    MemoryJpegInput again(bytes);
    DecodedJpeg quantised;
    ASSERT_TRUE(DecodeJpeg(again, true, quantised));
    EXPECT_TRUE(quantised.frame.quantised);
    EXPECT_EQ(quantised.frame.components, 1);
    EXPECT_GE(quantised.palette.size(), 4u);
    EXPECT_LE(quantised.palette.size(), 256u);
    ExpectQuarters(quantised, 12);
}

TEST(JpegCodec, GreyAndCutStreams)
{
    MemoryJpegInput grey(ReadJpegData("grey.jpg"));
    DecodedJpeg image;
    ASSERT_TRUE(DecodeJpeg(grey, false, image));
    EXPECT_EQ(image.frame.components, 1);
    EXPECT_EQ(image.frame.width, 16);
    EXPECT_EQ(image.frame.height, 8);
    EXPECT_LT(image.At(0, 4)[0], 16);   // the grey ramp runs from black
    EXPECT_GT(image.At(15, 4)[0], 240); // to white

    MemoryJpegInput greyAgain(ReadJpegData("grey.jpg"));
    DecodedJpeg greyQuantised;
    ASSERT_TRUE(DecodeJpeg(greyAgain, true, greyQuantised));
    ASSERT_FALSE(greyQuantised.palette.empty());
    for (const auto& c : greyQuantised.palette)
        EXPECT_TRUE(c[0] == c[1] && c[1] == c[2]);

    // Half a stream: every row still arrives; the top rows are those of the whole stream, the
    // codec fills the rows it did not get.
    const std::string bytes = EncodeTexture();
    MemoryJpegInput whole(bytes);
    DecodedJpeg full;
    ASSERT_TRUE(DecodeJpeg(whole, false, full));
    MemoryJpegInput half(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size() / 2);
    DecodedJpeg cut;
    ASSERT_TRUE(DecodeJpeg(half, false, cut));
    EXPECT_EQ(cut.rows, 64);
    const size_t rowBytes = 64 * 3;
    EXPECT_TRUE(std::equal(cut.pixels.begin(), cut.pixels.begin() + 8 * rowBytes, full.pixels.begin()));
    EXPECT_FALSE(std::equal(cut.pixels.end() - 8 * rowBytes, cut.pixels.end(), full.pixels.end() - 8 * rowBytes));
}

TEST(JpegCodec, FailuresReturnFalse)
{
    const std::string bytes = EncodeTexture();
    struct Case {
        const char* what;
        std::string data;
        long failAfter;
    } cases[] = {
        {"empty", "", -1},
        {"not a JPEG", "BM this is not a JPEG stream at all", -1},
        {"a start marker and nothing else", "\xFF\xD8", -1},
        {"a read error in the middle", bytes, long(bytes.size() / 2)},
        {"CMYK", ReadJpegData("cmyk.jpg"), -1},
    };
    for (const Case& c : cases) {
        MemoryJpegInput in(reinterpret_cast<const uint8_t*>(c.data.data()), c.data.size(), c.failAfter);
        DecodedJpeg image;
        EXPECT_FALSE(DecodeJpeg(in, false, image)) << c.what;
    }

    // A sink that refuses the frame gets no row.
    MemoryJpegInput in(bytes);
    DecodedJpeg small(100);
    EXPECT_FALSE(DecodeJpeg(in, false, small));
    EXPECT_EQ(small.begins, 1);
    EXPECT_EQ(small.rows, 0);

    // Writing: a failing output, and sizes the codec cannot hold.
    auto pixels = MakePixels(64, Quarter);
    VectorJpegOutput failing(100);
    EXPECT_FALSE(EncodeJpeg(failing, 64, 64, 75, pixels));
    VectorJpegOutput out;
    EXPECT_FALSE(EncodeJpeg(out, 0, 64, 75, pixels));
    EXPECT_FALSE(EncodeJpeg(out, 64, 65501, 75, pixels));
    EXPECT_TRUE(out.written.empty());

    // The codec is still usable after every failure.
    MemoryJpegInput good(bytes);
    DecodedJpeg image;
    EXPECT_TRUE(DecodeJpeg(good, false, image));
}

TEST(JpegCodec, QualityChangesTheStream)
{
    auto pixels = MakePixels(64, [](int x, int y) { return std::vector<int>{x * 4, y * 4, (x ^ y) * 4}; });
    VectorJpegOutput low, high;
    ASSERT_TRUE(EncodeJpeg(low, 64, 64, 10, pixels));
    ASSERT_TRUE(EncodeJpeg(high, 64, 64, 95, pixels));
    EXPECT_LT(low.written.size(), high.written.size());
}

} // namespace

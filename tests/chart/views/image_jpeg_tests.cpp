// JPEG files through SECJpeg: true colours in both directions, the quantised load, empty, cut,
// greyscale and CMYK files, and palette images saved through their colour table.
#include "ImageTestSupport.h"

#include "JpegTestSupport.h"

namespace {

// Red, green and blue quarters, the bottom right one white, as packed blue, green, red.
DWORD Quarter(DWORD x, DWORD y)
{
    if (y < 32)
        return x < 32 ? Bgr(255, 0, 0) : Bgr(0, 255, 0);
    return x < 32 ? Bgr(0, 0, 255) : Bgr(255, 255, 255);
}

// Blue, green, red of a pixel, through the colour table for palette images.
std::vector<int> ColourAt(const SECImage& image, DWORD x, DWORD y)
{
    const DWORD value = PixelAt(image, x, y);
    if (image.m_nSrcBitsPerPixel <= 8) {
        const RGBQUAD& c = image.m_lpRGB[value];
        return {c.rgbBlue, c.rgbGreen, c.rgbRed};
    }
    return {int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF)};
}

// Each quarter's colour at points away from the edges where blocks of two colours meet.
void ExpectQuarters(const SECImage& image, int tolerance)
{
    ASSERT_EQ(image.m_dwWidth, 64u);
    ASSERT_EQ(image.m_dwHeight, 64u);
    for (DWORD y : {4u, 20u, 27u, 36u, 52u, 59u}) {
        for (DWORD x : {4u, 20u, 27u, 36u, 52u, 59u}) {
            const std::vector<int> got = ColourAt(image, x, y);
            const DWORD want = Quarter(x, y);
            for (int k = 0; k < 3; ++k)
                EXPECT_NEAR(got[size_t(k)], int(want >> (8 * k) & 0xFF), tolerance) << x << ", " << y << " byte " << k;
        }
    }
}

TEST(JpegFile, TrueColoursInBothDirections)
{
    ScratchFolder folder;
    const std::string path = folder.File("quarters.jpg");
    TestDib quarters;
    MakeImage(quarters, 64, 64, 24, Quarter);
    SECJpeg saved;
    ASSERT_TRUE(saved.CopyImage(&quarters));
    EXPECT_EQ(saved.m_nQuality, 75);
    ASSERT_TRUE(saved.SaveImage(path.c_str()));
    EXPECT_EQ(AllPixels(saved), AllPixels(quarters)) << "saving leaves the image as it was";

    // other programs see red, green and blue where the image has them
    MemoryJpegInput input(ReadBytes(path));
    DecodedJpeg decoded;
    ASSERT_TRUE(DecodeJpeg(input, false, decoded));
    for (int y : {4, 27, 36, 59}) {
        for (int x : {4, 27, 36, 59}) {
            const DWORD want = Quarter(DWORD(x), DWORD(y));
            const std::vector<int> got = decoded.At(x, y);
            EXPECT_NEAR(got[0], int(want >> 16 & 0xFF), 8) << x << ", " << y << " red";
            EXPECT_NEAR(got[1], int(want >> 8 & 0xFF), 8) << x << ", " << y << " green";
            EXPECT_NEAR(got[2], int(want & 0xFF), 8) << x << ", " << y << " blue";
        }
    }

    SECJpeg loaded;
    loaded.m_bQuantize = FALSE;
    ASSERT_TRUE(loaded.LoadImage(path.c_str()));
    EXPECT_EQ(loaded.m_nSrcBitsPerPixel, 24);
    EXPECT_EQ(loaded.m_lpBMI->bmiHeader.biSizeImage, 64u * 64 * 3);
    ExpectQuarters(loaded, 8);

    SECJpeg quantised;
    quantised.m_bQuantize = TRUE;
    ASSERT_TRUE(quantised.LoadImage(path.c_str()));
    EXPECT_EQ(quantised.m_nSrcBitsPerPixel, 8);
    EXPECT_EQ(quantised.m_wColors, 256);
    EXPECT_GE(quantised.m_lpBMI->bmiHeader.biClrUsed, 4u);
    EXPECT_LE(quantised.m_lpBMI->bmiHeader.biClrUsed, 256u);
    ASSERT_NE(quantised.m_pPalette, nullptr);
    EXPECT_EQ(quantised.m_pPalette->GetEntryCount(), 256);
    ExpectQuarters(quantised, 12);
}

TEST(JpegFile, EmptyCutGreyAndCmykFiles)
{
    ScratchFolder folder;
    // noise, so that the pixel data outweigh the codec's tables and half the file holds rows
    TestDib texture;
    MakeImage(texture, 64, 64, 24, [](DWORD x, DWORD y) { return (x * 2654435761u ^ y * 40503u) >> 8 & 0xFFFFFF; });
    SECJpeg image;
    ASSERT_TRUE(image.CopyImage(&texture));
    const std::string path = folder.File("texture.jpg");
    ASSERT_TRUE(image.SaveImage(path.c_str()));
    const std::string bytes = ReadBytes(path);
    ASSERT_TRUE(image.LoadImage(path.c_str()));
    const std::vector<DWORD> pixels = AllPixels(image);

    WriteBytes(folder.File("empty.jpg"), "");
    EXPECT_FALSE(image.LoadImage(folder.File("empty.jpg").c_str()));
    WriteBytes(folder.File("cmyk.jpg"), ImageData("jpeg/cmyk.jpg"));
    EXPECT_FALSE(image.LoadImage(folder.File("cmyk.jpg").c_str()));
    WriteBytes(folder.File("picture.bmp"), ImageData("bmp/true_colour.bmp"));
    EXPECT_FALSE(image.LoadImage(folder.File("picture.bmp").c_str()));
    EXPECT_EQ(AllPixels(image), pixels) << "refused files keep the previous image";

    // half a file: the whole image, its top rows as in the whole file
    WriteBytes(folder.File("half.jpg"), bytes.substr(0, bytes.size() / 2));
    SECJpeg half;
    half.m_bQuantize = FALSE;
    ASSERT_TRUE(half.LoadImage(folder.File("half.jpg").c_str()));
    EXPECT_EQ(half.m_dwWidth, 64u);
    EXPECT_EQ(half.m_dwHeight, 64u);
    const std::vector<DWORD> halfPixels = AllPixels(half);
    EXPECT_TRUE(std::equal(halfPixels.begin(), halfPixels.begin() + 8 * 64, pixels.begin()));

    WriteBytes(folder.File("grey.jpg"), ImageData("jpeg/grey.jpg"));
    SECJpeg grey;
    grey.m_bQuantize = FALSE;
    ASSERT_TRUE(grey.LoadImage(folder.File("grey.jpg").c_str()));
    EXPECT_EQ(grey.m_nSrcBitsPerPixel, 24);
    EXPECT_EQ(grey.m_dwWidth, 16u);
    for (DWORD y = 0; y < grey.m_dwHeight; ++y) {
        for (DWORD x = 0; x < grey.m_dwWidth; ++x) {
            const std::vector<int> c = ColourAt(grey, x, y);
            EXPECT_TRUE(c[0] == c[1] && c[1] == c[2]) << x << ", " << y;
        }
    }
    EXPECT_GT(ColourAt(grey, 15, 4)[0], ColourAt(grey, 0, 4)[0] + 200);
}

TEST(JpegFile, PaletteImagesAreSavedThroughTheirColourTable)
{
    ScratchFolder folder;
    const std::string path = folder.File("palette.jpg");
    auto decode = [&path]() {
        MemoryJpegInput input(ReadBytes(path));
        DecodedJpeg decoded;
        EXPECT_TRUE(DecodeJpeg(input, false, decoded));
        return decoded;
    };

    // 8 bits: the table's red and blue
    TestDib eight;
    MakeImage(eight, 32, 16, 8, [](DWORD x, DWORD) { return x < 16 ? 0u : 1u; });
    eight.m_lpRGB[0] = {0, 0, 255, 0};
    eight.m_lpRGB[1] = {255, 0, 0, 0};
    SECJpeg jpeg;
    ASSERT_TRUE(jpeg.CopyImage(&eight));
    ASSERT_TRUE(jpeg.SaveImage(path.c_str()));
    DecodedJpeg decoded = decode();
    EXPECT_NEAR(decoded.At(4, 8)[0], 255, 8);
    EXPECT_NEAR(decoded.At(4, 8)[2], 0, 8);
    EXPECT_NEAR(decoded.At(28, 8)[0], 0, 8);
    EXPECT_NEAR(decoded.At(28, 8)[2], 255, 8);

    // 1 bit: bytes 0xF0 are four white pixels then four black ones, from the top bit first while
    // m_bMSBFirst is set, and the other way round when it is not
    TestDib mono;
    MakeImage(mono, 32, 16, 1, [](DWORD x, DWORD) { return x % 8 < 4 ? 1u : 0u; });
    ASSERT_TRUE(jpeg.CopyImage(&mono));
    jpeg.m_nQuality = 100;
    for (BOOL msbFirst : {TRUE, FALSE}) {
        jpeg.m_bMSBFirst = msbFirst;
        ASSERT_TRUE(jpeg.SaveImage(path.c_str()));
        decoded = decode();
        EXPECT_EQ(decoded.At(9, 8)[1] > 200, msbFirst == TRUE) << msbFirst;
        EXPECT_EQ(decoded.At(14, 8)[1] > 200, msbFirst == FALSE) << msbFirst;
    }

    // deeper pixels than 24 bits have no rows for the codec
    WriteBytes(folder.File("deep.bmp"), ImageData("bmp/thirty_two_bits.bmp"));
    SECDib deep;
    ASSERT_TRUE(deep.LoadImage(folder.File("deep.bmp").c_str()));
    ASSERT_TRUE(jpeg.CopyImage(&deep));
    EXPECT_FALSE(jpeg.SaveImage(folder.File("deep.jpg").c_str()));
}

} // namespace

// Turning, flipping, cropping, copying, padding and lightening images of every depth, and the
// read and write cache.
#include "ImageTestSupport.h"



namespace {

const WORD kRotatableDepths[] = {1, 4, 8, 24};

TEST(ImageTransforms, Rotate90TurnsByAQuarterEitherWay)
{
    for (WORD bits : kRotatableDepths) {
        SCOPED_TRACE(bits);
        TestDib image;
        MakeImage(image, 100, 50, bits, [bits](DWORD x, DWORD y) { return Pattern(x, y, bits); });
        const std::vector<DWORD> before = AllPixels(image);

        ASSERT_TRUE(image.Rotate90(TRUE));
        EXPECT_EQ(image.m_dwWidth, 50u);
        EXPECT_EQ(image.m_dwHeight, 100u);
        EXPECT_EQ(image.m_lpBMI->bmiHeader.biWidth, 50);
        EXPECT_EQ(image.m_lpBMI->bmiHeader.biHeight, 100);
        EXPECT_EQ(image.m_lpBMI->bmiHeader.biSizeImage, image.GetPaddedRowBytes() * 100);
        // clockwise as displayed: the top row now runs down the right edge
        for (DWORD x : {0u, 1u, 37u, 99u})
            EXPECT_EQ(PixelAt(image, 49, x), Pattern(x, 0, bits)) << x;
        EXPECT_EQ(PixelAt(image, 0, 0), Pattern(0, 49, bits));

        ASSERT_TRUE(image.Rotate90(FALSE));
        EXPECT_EQ(image.m_dwWidth, 100u);
        EXPECT_EQ(AllPixels(image), before);

        // counter-clockwise: the top row runs up the left edge
        ASSERT_TRUE(image.Rotate90(FALSE));
        EXPECT_EQ(PixelAt(image, 0, 99), Pattern(0, 0, bits));
        EXPECT_EQ(PixelAt(image, 0, 0), Pattern(99, 0, bits));
    }
}

TEST(ImageTransforms, Rotate90RefusesOtherDepths)
{
    ScratchFolder folder;
    WriteBytes(folder.File("deep.bmp"), ImageData("bmp/sixteen_bits.bmp"));
    SECDib image;
    ASSERT_TRUE(image.LoadImage(folder.File("deep.bmp").c_str()));
    ASSERT_EQ(image.m_nSrcBitsPerPixel, 16);
    const std::vector<DWORD> before = AllPixels(image);
    {
        CFakeServices fake;
        fake.ExpectMessageBox(IDOK, "Rotate90: Error, unsupported format.");
        EXPECT_FALSE(image.Rotate90(TRUE));
    }
    EXPECT_EQ(image.m_dwWidth, 5u);
    EXPECT_EQ(AllPixels(image), before);

    SECDib empty;
    EXPECT_FALSE(empty.Rotate90(TRUE));  // nothing to turn, and nothing shown
}

TEST(ImageTransforms, FlipsMirrorAndUndoThemselves)
{
    for (WORD bits : {WORD(1), WORD(4), WORD(8), WORD(16), WORD(24), WORD(32)}) {
        SCOPED_TRACE(bits);
        TestDib image;
        MakeImage(image, 13, 7, bits, [bits](DWORD x, DWORD y) { return Pattern(x, y, bits); });
        const std::vector<DWORD> before = AllPixels(image);

        ASSERT_TRUE(image.FlipHorz());
        for (DWORD x = 0; x < 13; ++x)
            EXPECT_EQ(PixelAt(image, x, 2), Pattern(12 - x, 2, bits)) << x;
        ASSERT_TRUE(image.FlipHorz());
        EXPECT_EQ(AllPixels(image), before);

        ASSERT_TRUE(image.FlipVert());
        EXPECT_EQ(PixelAt(image, 3, 0), Pattern(3, 6, bits));
        EXPECT_EQ(PixelAt(image, 3, 3), Pattern(3, 3, bits));
        ASSERT_TRUE(image.FlipVert());
        EXPECT_EQ(AllPixels(image), before);
    }
    SECDib empty;
    EXPECT_FALSE(empty.FlipHorz());
    EXPECT_FALSE(empty.FlipVert());
}

TEST(ImageTransforms, CropKeepsTheRectangleCountedFromTheTop)
{
    for (WORD bits : {WORD(4), WORD(24)}) {
        SCOPED_TRACE(bits);
        TestDib image;
        MakeImage(image, 20, 10, bits, [bits](DWORD x, DWORD y) { return Pattern(x, y, bits); });
        ASSERT_TRUE(image.Crop(3, 2, 5, 4));
        EXPECT_EQ(image.m_dwWidth, 5u);
        EXPECT_EQ(image.m_dwHeight, 4u);
        EXPECT_EQ(image.m_lpBMI->bmiHeader.biSizeImage, image.GetImageSize());
        EXPECT_EQ(::GlobalSize(image.m_hSrcBits), SIZE_T(image.GetImageSize())) << "the pixel memory shrinks";
        for (DWORD y = 0; y < 4; ++y)
            for (DWORD x = 0; x < 5; ++x)
                EXPECT_EQ(PixelAt(image, x, y), Pattern(3 + x, 2 + y, bits)) << x << ", " << y;

        // width and height are cut to what lies right of and below the corner
        ASSERT_TRUE(image.Crop(3, 1, 100, 100));
        EXPECT_EQ(image.m_dwWidth, 2u);
        EXPECT_EQ(image.m_dwHeight, 3u);
        EXPECT_EQ(PixelAt(image, 1, 2), Pattern(7, 5, bits));

        for (const CRect& bad : {CRect(2, 0, 3, 1), CRect(0, 3, 1, 4), CRect(-1, 0, 1, 1), CRect(0, 0, 0, 1)})
            EXPECT_FALSE(image.Crop(bad.left, bad.top, bad.Width(), bad.Height())) << bad.left << ", " << bad.top;
        EXPECT_EQ(image.m_dwWidth, 2u);
    }
}

TEST(ImageTransforms, CopyImageIsDeep)
{
    TestDib image;
    MakeImage(image, 9, 4, 8, [](DWORD x, DWORD y) { return Pattern(x, y, 8); });
    image.m_lpRGB[5] = {1, 2, 3, 0};
    SECJpeg copy;
    ASSERT_TRUE(copy.CopyImage(&image));
    EXPECT_EQ(HeaderBytes(copy), HeaderBytes(image));
    const std::vector<DWORD> pixels = AllPixels(image);
    EXPECT_EQ(AllPixels(copy), pixels);
    ASSERT_NE(copy.m_pPalette, nullptr);
    EXPECT_NE(copy.m_pPalette, image.m_pPalette);
    EXPECT_NE(copy.m_pPalette->GetSafeHandle(), image.m_pPalette->GetSafeHandle());

    image.m_lpSrcBits[0] ^= 0xFF;
    image.m_lpRGB[5].rgbRed = 99;
    image.FlipVert();
    EXPECT_EQ(AllPixels(copy), pixels);
    EXPECT_EQ(copy.m_lpRGB[5].rgbRed, 3);
    image.FreeImage();
    EXPECT_EQ(AllPixels(copy), pixels);

    EXPECT_TRUE(copy.CopyImage(&copy));
    EXPECT_EQ(AllPixels(copy), pixels);
    EXPECT_TRUE(copy.CopyImage(&image));  // an empty image copies as empty
    EXPECT_EQ(copy.m_lpSrcBits, nullptr);
    EXPECT_EQ(copy.m_dwWidth, 0u);
}

TEST(ImageTransforms, PaddingRoundTrip)
{
    TestDib image;
    MakeImage(image, 5, 3, 24, [](DWORD x, DWORD y) { return Pattern(x, y, 24); });
    const std::string padded(reinterpret_cast<const char*>(image.m_lpSrcBits), image.GetImageSize());
    ASSERT_TRUE(image.UnpadBits());
    EXPECT_FALSE(image.m_bIsPadded);
    // rows of 15 bytes now follow each other
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.m_lpSrcBits) + 15, 15), padded.substr(16, 15));
    ASSERT_TRUE(image.Padbits());
    EXPECT_TRUE(image.m_bIsPadded);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.m_lpSrcBits), image.GetImageSize()), padded);
}

// A channel of a colour whose largest channel is `top`, after AdjustContrast in direction d: the
// value V = top / 255 moves along the sine curve and every channel scales with it.
int Adjusted(int channel, int top, double d)
{
    const double pi = 3.14159265358979323846;
    const double v = top / 255.0;
    const double nv = std::min<double>(1.0, std::max<double>(0.0, v + ((std::sin((v - 0.5) * pi) + 1) / 2 - v) * d / 2));
    return int(channel * nv / v + 0.5);
}

TEST(ImageTransforms, AdjustContrastFollowsTheSineCurve)
{
    for (int direction : {1, -1}) {
        SCOPED_TRACE(direction);
        // grey 64 (a value of 0.25), grey 128 (0.5) and a colour whose value is 0.25
        TestDib image;
        MakeImage(image, 3, 1, 24, [](DWORD x, DWORD) {
            return x == 0 ? Bgr(64, 64, 64) : x == 1 ? Bgr(128, 128, 128) : Bgr(64, 32, 0);
        });
        ASSERT_TRUE(image.AdjustContrast(direction));
        const int level = Adjusted(64, 64, direction);
        EXPECT_EQ(PixelAt(image, 0, 0), Bgr(BYTE(level), BYTE(level), BYTE(level)));
        EXPECT_EQ(PixelAt(image, 1, 0), Bgr(128, 128, 128));
        EXPECT_EQ(PixelAt(image, 2, 0), Bgr(BYTE(level), BYTE(Adjusted(32, 64, direction)), 0))
            << "hue and saturation kept";
        EXPECT_EQ(direction > 0, level < 64) << "steeper contrast darkens the dark";

        // palette images change their table and palette
        TestDib table;
        MakeImage(table, 2, 2, 8, [](DWORD x, DWORD) { return x; });
        table.m_lpRGB[1] = {64, 64, 64, 0};
        ASSERT_TRUE(table.AdjustContrast(direction));
        EXPECT_EQ(table.m_lpRGB[1].rgbGreen, level);
        PALETTEENTRY entry = {};
        table.m_pPalette->GetPaletteEntries(1, 1, &entry);
        EXPECT_EQ(entry.peGreen, level);
    }

    TestDib mono;
    MakeImage(mono, 2, 2, 1, [](DWORD x, DWORD) { return x; });
    EXPECT_FALSE(mono.AdjustContrast(1));
}

// An image format that reads and writes through the cache in pieces smaller than the block.
class CachedImage : public TestDib {
public:
    std::string read;

protected:
    BOOL DoSaveImage(CFile*) override
    {
        if (!InitCache(4, FALSE))
            return FALSE;
        for (const char* piece : {"he", "llo w", "orld"})
            CacheWrite(piece, UINT(strlen(piece)));
        return CacheFlush();
    }
    BOOL DoLoadImage(CFile*) override
    {
        if (!InitCache(3, TRUE))
            return FALSE;
        char buffer[20] = {};
        const UINT first = CacheRead(buffer, 2);
        const UINT rest = CacheRead(buffer + first, 18);
        read.assign(buffer, first + rest);
        return TRUE;
    }
};

TEST(ImageCache, ReadsAndWritesThroughABlock)
{
    CMemFile file;
    CachedImage image;
    ASSERT_TRUE(image.SaveImage(&file));
    EXPECT_EQ(MemFileBytes(file), "hello world");
    file.SeekToBegin();
    ASSERT_TRUE(image.LoadImage(&file));
    EXPECT_EQ(image.read, "hello world");

    // outside a load or a save there is no file to cache
    EXPECT_FALSE(image.InitCache(16, FALSE));
    EXPECT_FALSE(image.CacheWrite("x", 1));
}

} // namespace

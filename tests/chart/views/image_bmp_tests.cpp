// The image classes and BMP files: images made from bitmaps, the BMP file and stored forms byte by
// byte, bad files refused with the previous image kept, the image's file objects, and drawing.
#include "ImageTestSupport.h"

#include "native/BmpHeader.h"


namespace {

// A top-down DIB section of the given depth whose pixels are set by the test.
struct DibSection {
    DibSection(int width, int height, WORD bits, const std::vector<RGBQUAD>& table = {})
    {
        std::vector<BYTE> block(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
        BITMAPINFO* info = reinterpret_cast<BITMAPINFO*>(block.data());
        info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info->bmiHeader.biWidth = width;
        info->bmiHeader.biHeight = -height;
        info->bmiHeader.biPlanes = 1;
        info->bmiHeader.biBitCount = bits;
        info->bmiHeader.biCompression = BI_RGB;
        info->bmiHeader.biClrUsed = DWORD(table.size());
        std::copy(table.begin(), table.end(), info->bmiColors);
        void* pBits = nullptr;
        bitmap.Attach(::CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &pBits, nullptr, 0));
        rows = static_cast<BYTE*>(pBits);
        rowBytes = (bits * width + 31) / 32 * 4;
    }
    BYTE* Row(int y) { return rows + y * rowBytes; }

    CBitmap bitmap;
    BYTE* rows = nullptr;
    int rowBytes = 0;
};

TEST(ImageFromBitmap, TrueColourBitmapsGivePaddedTwentyFourBitRows)
{
    // a 32-bit section as the screen's bitmaps are: the image is 24 bits, rows of 304 bytes
    DibSection section(101, 5, 32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 101; ++x)
            reinterpret_cast<DWORD*>(section.Row(y))[x] = Pattern(DWORD(x), DWORD(y), 24);
    CWindowDC screen(nullptr);
    SECDib image;
    ASSERT_TRUE(image.CreateFromBitmap(&screen, &section.bitmap));
    EXPECT_EQ(image.m_nSrcBitsPerPixel, 24);
    EXPECT_EQ(image.m_dwWidth, 101u);
    EXPECT_EQ(image.m_dwHeight, 5u);
    EXPECT_EQ(image.GetPaddedRowBytes(), 304u);
    EXPECT_TRUE(image.m_bIsPadded);
    const BITMAPINFOHEADER& header = image.m_lpBMI->bmiHeader;
    EXPECT_EQ(header.biSize, 40u);
    EXPECT_EQ(header.biWidth, 101);
    EXPECT_EQ(header.biHeight, 5);
    EXPECT_EQ(header.biPlanes, 1);
    EXPECT_EQ(header.biBitCount, 24);
    EXPECT_EQ(header.biCompression, DWORD(BI_RGB));
    EXPECT_EQ(header.biSizeImage, 304u * 5);
    EXPECT_EQ(image.m_pPalette, nullptr);
    for (DWORD y = 0; y < 5; ++y)
        for (DWORD x : {0u, 50u, 100u})
            EXPECT_EQ(PixelAt(image, x, y), Pattern(x, y, 24)) << x << ", " << y;

    // the screen's own compatible bitmaps too
    CBitmap screenBitmap;
    ASSERT_TRUE(screenBitmap.CreateCompatibleBitmap(&screen, 7, 3));
    ASSERT_TRUE(image.CreateFromBitmap(nullptr, &screenBitmap));
    EXPECT_EQ(image.m_nSrcBitsPerPixel, 24);
    EXPECT_EQ(image.m_dwWidth, 7u);
}

TEST(ImageFromBitmap, PaletteBitmapsKeepTheirDepthAndTable)
{
    std::vector<RGBQUAD> table(256);
    for (int i = 0; i < 256; ++i)
        table[size_t(i)] = {BYTE(i), BYTE(255 - i), BYTE(i / 2), 0};
    DibSection eight(9, 4, 8, table);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 9; ++x)
            eight.Row(y)[x] = BYTE(Pattern(DWORD(x), DWORD(y), 8));
    SECDib image;
    ASSERT_TRUE(image.CreateFromBitmap(nullptr, &eight.bitmap));
    EXPECT_EQ(image.m_nSrcBitsPerPixel, 8);
    EXPECT_EQ(image.m_wColors, 256);
    EXPECT_EQ(image.GetPaddedRowBytes(), 12u);
    ASSERT_NE(image.m_pPalette, nullptr);
    EXPECT_EQ(image.m_pPalette->GetEntryCount(), 256);
    for (int i : {0, 77, 255}) {
        EXPECT_EQ(image.m_lpRGB[i].rgbBlue, i);
        EXPECT_EQ(image.m_lpRGB[i].rgbGreen, 255 - i);
        PALETTEENTRY entry = {};
        image.m_pPalette->GetPaletteEntries(UINT(i), 1, &entry);
        EXPECT_EQ(entry.peBlue, i);
        EXPECT_EQ(entry.peRed, i / 2);
    }
    EXPECT_EQ(PixelAt(image, 8, 3), Pattern(8, 3, 8));

    CBitmap mono;
    ASSERT_TRUE(mono.CreateBitmap(10, 2, 1, 1, nullptr));
    ASSERT_TRUE(image.CreateFromBitmap(nullptr, &mono));
    EXPECT_EQ(image.m_nSrcBitsPerPixel, 1);
    EXPECT_EQ(image.m_wColors, 2);
    EXPECT_EQ(image.m_pPalette->GetEntryCount(), 2);
}

// The parts of a BMP file: the file header's fields and where the header, table and pixels lie.
struct BmpFile {
    explicit BmpFile(const std::string& bytes) : bytes(bytes) {}
    uint32_t Dword(size_t at) const
    {
        uint32_t v = 0;
        std::memcpy(&v, bytes.data() + at, 4);
        return v;
    }
    std::string bytes;
};

TEST(BmpFile, SavedFormAndReadBack)
{
    ScratchFolder folder;
    struct Case {
        WORD bits;
        DWORD width;
        uint32_t offset;
        uint32_t rowBytes;
    } cases[] = {{24, 101, 54, 304}, {8, 101, 1078, 104}, {4, 5, 118, 4}, {1, 13, 62, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        TestDib image;
        MakeImage(image, c.width, 3, c.bits, [&c](DWORD x, DWORD y) { return Pattern(x, y, c.bits); });
        const std::string path = folder.File("saved.bmp");
        ASSERT_TRUE(image.SaveImage(path.c_str()));
        const BmpFile file(ReadBytes(path));
        ASSERT_GE(file.bytes.size(), 54u);
        EXPECT_EQ(file.bytes.substr(0, 2), "BM");
        EXPECT_EQ(file.Dword(2), c.offset + c.rowBytes * 3);
        EXPECT_EQ(file.Dword(6), 0u);
        EXPECT_EQ(file.Dword(10), c.offset);
        EXPECT_EQ(file.bytes.size(), c.offset + c.rowBytes * 3);
        EXPECT_EQ(file.bytes.substr(14, c.offset - 14), HeaderBytes(image));

        SECDib read;
        ASSERT_TRUE(read.LoadImage(path.c_str()));
        EXPECT_EQ(HeaderBytes(read), HeaderBytes(image));
        EXPECT_EQ(AllPixels(read), AllPixels(image));
        EXPECT_EQ(read.m_pPalette != nullptr, c.bits <= 8);
    }
}

TEST(BmpFile, ReadsEveryDepthAndHeaderSizeAndWritesThePlainForm)
{
    ScratchFolder folder;
    for (const char* name : {"mono.bmp", "four_bits_three_colours.bmp", "eight_bits.bmp", "sixteen_bits.bmp",
                             "sixteen_bits_565.bmp", "true_colour.bmp", "thirty_two_bits.bmp",
                             "v5_header_true_colour.bmp", "v4_header_eight_bits.bmp"}) {
        SCOPED_TRACE(name);
        const std::string original = ImageData(std::string("bmp/") + name);
        BmpLayout layout = {};
        ASSERT_EQ(CheckBmpHeader(reinterpret_cast<const uint8_t*>(original.data()), original.size(), original.size(),
                                 &layout),
                  BMP_OK);
        const std::string path = folder.File(name);
        WriteBytes(path, original);
        SECDib image;
        ASSERT_TRUE(image.LoadImage(path.c_str()));
        EXPECT_EQ(image.m_nSrcBitsPerPixel, layout.bitCount);
        EXPECT_EQ(image.m_lpBMI->bmiHeader.biSize, 40u);

        // saved again: a 40-byte header, the table or masks, and the same pixel rows
        const std::string copyPath = folder.File("copy.bmp");
        ASSERT_TRUE(image.SaveImage(copyPath.c_str()));
        const std::string copy = ReadBytes(copyPath);
        BmpLayout copied = {};
        ASSERT_EQ(CheckBmpHeader(reinterpret_cast<const uint8_t*>(copy.data()), copy.size(), copy.size(), &copied),
                  BMP_OK);
        EXPECT_EQ(copied.headerSize, 40u);
        EXPECT_EQ(copied.compression, layout.compression);
        EXPECT_EQ(copy.substr(copied.pixelOffset), original.substr(layout.pixelOffset, layout.imageBytes));
        EXPECT_EQ(copy.substr(copied.tableOffset, copied.tableEntries * 4u).substr(0, layout.tableEntries * 4u),
                  original.substr(layout.tableOffset, layout.tableEntries * 4u));
    }
}

TEST(BmpFile, BadFilesAreRefusedAndThePreviousImageKept)
{
    ScratchFolder folder;
    TestDib good;
    MakeImage(good, 6, 4, 8, [](DWORD x, DWORD y) { return Pattern(x, y, 8); });
    const std::string goodPath = folder.File("good.bmp");
    ASSERT_TRUE(good.SaveImage(goodPath.c_str()));
    const std::string bytes = ReadBytes(goodPath);

    auto withDword = [&bytes](size_t at, uint32_t value) {
        std::string b = bytes;
        std::memcpy(&b[at], &value, 4);
        return b;
    };
    auto withWord = [&bytes](size_t at, uint16_t value) {
        std::string b = bytes;
        std::memcpy(&b[at], &value, 2);
        return b;
    };
    struct Case {
        const char* what;
        std::string file;
    } cases[] = {
        {"not BM", "PM" + bytes.substr(2)},
        {"offset past the end", withDword(10, uint32_t(bytes.size() + 1))},
        {"header size 12", withDword(14, 12)},
        {"width 0", withDword(18, 0)},
        {"depth 2", withWord(28, 2)},
        {"truncated pixel data", bytes.substr(0, bytes.size() - 1)},
        {"empty", ""},
    };
    SECDib image;
    ASSERT_TRUE(image.LoadImage(goodPath.c_str()));
    const std::string header = HeaderBytes(image);
    const std::vector<DWORD> pixels = AllPixels(image);
    for (const Case& c : cases) {
        const std::string path = folder.File("bad.bmp");
        WriteBytes(path, c.file);
        EXPECT_FALSE(image.LoadImage(path.c_str())) << c.what;
        EXPECT_EQ(HeaderBytes(image), header) << c.what;
        EXPECT_EQ(AllPixels(image), pixels) << c.what;
        EXPECT_NE(image.m_pPalette, nullptr) << c.what;
    }
    // a JPEG is no BMP either
    WriteBytes(folder.File("picture.jpg"), ImageData("jpeg/colour.jpg"));
    EXPECT_FALSE(image.LoadImage(folder.File("picture.jpg").c_str()));
    EXPECT_EQ(AllPixels(image), pixels);
}

TEST(BmpFile, SerializeStoresTheBmpFormAndReadsItBack)
{
    TestDib image;
    MakeImage(image, 101, 3, 24, [](DWORD x, DWORD y) { return Pattern(x, y, 24); });
    CMemFile fileForm;
    ASSERT_TRUE(image.SaveImage(&fileForm));

    for (SECImage* stored : std::initializer_list<SECImage*>{new SECDib, new SECJpeg}) {
        SCOPED_TRACE(stored->GetRuntimeClass()->m_lpszClassName);
        ASSERT_TRUE(stored->CopyImage(&image));
        CMemFile memory;
        {
            CArchive ar(&memory, CArchive::store);
            stored->Serialize(ar);
            ar.Close();
        }
        EXPECT_EQ(MemFileBytes(memory), MemFileBytes(fileForm));

        // read into an image of the same class that held another picture
        std::unique_ptr<SECImage> read(static_cast<SECImage*>(stored->GetRuntimeClass()->CreateObject()));
        ASSERT_TRUE(read->CopyImage(&image));
        read->Crop(0, 0, 2, 2);
        memory.SeekToBegin();
        {
            CArchive ar(&memory, CArchive::load);
            read->Serialize(ar);
        }
        EXPECT_EQ(HeaderBytes(*read), HeaderBytes(image));
        EXPECT_EQ(AllPixels(*read), AllPixels(image));

        // a stored form cut short throws and keeps what the image held
        const std::string cut = MemFileBytes(memory).substr(0, 200);
        CMemFile cutFile;
        cutFile.Write(cut.data(), UINT(cut.size()));
        cutFile.SeekToBegin();
        try {
            CArchive ar(&cutFile, CArchive::load);
            read->Serialize(ar);
            ADD_FAILURE() << "a cut stored form was read";
        } catch (CArchiveException* e) {
            e->Delete();
        }
        EXPECT_EQ(AllPixels(*read), AllPixels(image));
        delete stored;
    }

    // an empty image has no stored form
    SECDib empty;
    CMemFile memory;
    CArchive ar(&memory, CArchive::store);
    try {
        empty.Serialize(ar);
        ADD_FAILURE() << "an empty image was stored";
    } catch (CInvalidArgException* e) {
        e->Delete();
    }
}

TEST(ImageFiles, OpenFailuresAndSafeSaves)
{
    ScratchFolder folder;
    const std::string missing = folder.File("missing.bmp");
    const std::string noFolder = folder.File("no_such_folder/image.bmp");

    // A new file object that cannot open the file raises the file exception.
    SECDib image;
    try {
        image.LoadImage(missing.c_str());
        ADD_FAILURE() << "no exception for a missing file";
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
        EXPECT_EQ(std::string(e->m_strFileName.GetString()), missing);
        e->Delete();
    }
    TestDib made;
    MakeImage(made, 4, 4, 24, [](DWORD x, DWORD y) { return Pattern(x, y, 24); });
    try {
        made.SaveImage(noFolder.c_str());
        ADD_FAILURE() << "no exception for a missing folder";
    } catch (CFileException* e) {
        e->Delete();
    }

    // Once the image has its file objects, failed opens return FALSE.
    const std::string path = folder.File("image.bmp");
    ASSERT_TRUE(made.SaveImage(path.c_str()));
    ASSERT_TRUE(image.LoadImage(path.c_str()));
    EXPECT_FALSE(image.LoadImage(missing.c_str()));
    EXPECT_FALSE(made.SaveImage(noFolder.c_str()));
    EXPECT_EQ(AllPixels(image), AllPixels(made));

    // A save that fails leaves the previous file as it was.
    const std::string before = ReadBytes(path);
    made.FreeImage();
    EXPECT_FALSE(made.SaveImage(path.c_str()));
    EXPECT_EQ(ReadBytes(path), before);

    // A caller's file is used for one save and not kept: a save by name afterwards uses the image's own.
    {
        CMemFile callers;
        EXPECT_TRUE(image.SaveImage(&callers));
        EXPECT_EQ(MemFileBytes(callers), before);
    }
    EXPECT_TRUE(image.SaveImage(folder.File("after.bmp").c_str()));
    EXPECT_EQ(ReadBytes(folder.File("after.bmp")), before);
}

TEST(ImageDrawing, MakeBitmapAndDrawShowThePixels)
{
    TestDib image;
    MakeImage(image, 5, 3, 24, [](DWORD x, DWORD y) { return Bgr(BYTE(x * 50), BYTE(y * 100), 7); });
    CWindowDC screen(nullptr);
    std::unique_ptr<CBitmap> bitmap(image.MakeBitmap(&screen));
    ASSERT_NE(bitmap, nullptr);
    BITMAP bm = {};
    bitmap->GetBitmap(&bm);
    EXPECT_EQ(bm.bmWidth, 5);
    EXPECT_EQ(bm.bmHeight, 3);
    CDC memory;
    memory.CreateCompatibleDC(&screen);
    CBitmap* old = memory.SelectObject(bitmap.get());
    for (DWORD y = 0; y < 3; ++y)
        for (DWORD x = 0; x < 5; ++x)
            EXPECT_EQ(::GetPixel(memory.m_hDC, int(x), int(y)), RGB(x * 50, y * 100, 7)) << x << ", " << y;

    // drawn twice as large (the halftone path on as for an image of another depth than the screen's)
    CBitmap large;
    large.CreateCompatibleBitmap(&screen, 10, 6);
    memory.SelectObject(&large);
    image.m_bUseHalftone = FALSE;
    EXPECT_TRUE(image.Draw(&memory, CRect(0, 0, 10, 6), CRect(0, 0, 5, 3)));
    EXPECT_EQ(::GetPixel(memory.m_hDC, 9, 5), RGB(200, 200, 7));
    EXPECT_EQ(::GetPixel(memory.m_hDC, 0, 0), RGB(0, 0, 7));
    image.m_bUseHalftone = TRUE;
    EXPECT_TRUE(image.Draw(&memory, CRect(0, 0, 5, 3), CRect(0, 0, 5, 3)));
    EXPECT_EQ(::GetPixel(memory.m_hDC, 4, 2), RGB(200, 200, 7));
    EXPECT_EQ(memory.GetStretchBltMode(), BLACKONWHITE);
    memory.SelectObject(old);

    SECDib empty;
    EXPECT_EQ(empty.MakeBitmap(&screen), nullptr);
    EXPECT_FALSE(empty.Draw(&screen, CRect(0, 0, 1, 1), CRect(0, 0, 1, 1)));
}

TEST(ImageDrawing, ADeviceBitmapHoldsThePixelsTopRowFirstInWordAlignedRows)
{
    // widths whose 4-byte padded rows are longer than word-aligned ones
    struct Case {
        WORD bits;
        DWORD width;
    };
    for (const Case c : {Case{24, 5}, Case{1, 13}}) {
        SCOPED_TRACE(c.bits);
        TestDib image;
        MakeImage(image, c.width, 3, c.bits, [&](DWORD x, DWORD y) { return Pattern(x, y, c.bits); });
        std::unique_ptr<CBitmap> bitmap(image.MakeDeviceBitmap());
        ASSERT_NE(bitmap, nullptr);
        BITMAP bm = {};
        bitmap->GetBitmap(&bm);
        EXPECT_EQ(bm.bmWidth, LONG(c.width));
        EXPECT_EQ(bm.bmHeight, 3);
        EXPECT_EQ(bm.bmBitsPixel, c.bits);
        const LONG nRow = ((c.bits * LONG(c.width) + 15) / 16) * 2;
        EXPECT_EQ(bm.bmWidthBytes, nRow);
        std::vector<BYTE> expected(size_t(nRow) * 3);
        for (DWORD y = 0; y < 3; ++y) {
            for (DWORD x = 0; x < c.width; ++x) {
                const DWORD value = PixelAt(image, x, y);
                BYTE* pRow = &expected[size_t(y) * nRow];
                if (c.bits == 24) {
                    for (int n = 0; n < 3; ++n)
                        pRow[3 * x + n] = BYTE(value >> (8 * n));
                } else if (value != 0) {
                    pRow[x / 8] |= BYTE(0x80 >> (x % 8));
                }
            }
        }
        std::vector<BYTE> bits(expected.size());
        ASSERT_EQ(::GetBitmapBits(HBITMAP(bitmap->m_hObject), LONG(bits.size()), bits.data()), LONG(bits.size()));
        EXPECT_EQ(bits, expected);
    }
    // a two-colour bitmap shows its top row on top: 0 black, 1 white
    TestDib image;
    MakeImage(image, 4, 2, 1, [](DWORD, DWORD y) { return y == 0 ? 1 : 0; });
    std::unique_ptr<CBitmap> bitmap(image.MakeDeviceBitmap());
    ASSERT_NE(bitmap, nullptr);
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CBitmap* old = memory.SelectObject(bitmap.get());
    EXPECT_EQ(::GetPixel(memory.m_hDC, 2, 0), RGB(255, 255, 255));
    EXPECT_EQ(::GetPixel(memory.m_hDC, 2, 1), RGB(0, 0, 0));
    memory.SelectObject(old);

    SECDib empty;
    EXPECT_EQ(empty.MakeDeviceBitmap(), nullptr);
}

} // namespace

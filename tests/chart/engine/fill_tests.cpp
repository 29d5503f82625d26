// Fills of component areas and data polygons (solid, palette, gradients, bitmap resources and image
// files) and their edges, read back by pixels.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FakePrinterDC.h"
#include "chart/engine/ChartResource.h"
#include "chart/views/image/SECDib.h"
#include "chart/views/image/SECJpeg.h"
#include "win/CWindowDC.h"

#include "chart_draw_support.h"

namespace {

const COLORREF kBlack = RGB(0, 0, 0);

// The pixels of a picture, from the top row down.
struct Picture {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[size_t(y * nWidth + x)]; }
};

// The pixels of a bitmap resource of the test program or the chart engine.
Picture ResourcePicture(LPCSTR lpszName)
{
    Picture picture;
    CBitmap bitmap;
    BITMAP info = {};
    if (!bitmap.LoadBitmap(lpszName) || bitmap.GetBitmap(&info) == 0) {
        ADD_FAILURE() << "the bitmap resource does not load";
        return picture;
    }
    picture.nWidth = info.bmWidth;
    picture.nHeight = info.bmHeight;
    BITMAPINFO bmi = TopDown32BitInfo(info.bmWidth, info.bmHeight);
    std::vector<uint32_t> bits(size_t(info.bmWidth * info.bmHeight));
    HDC hScreen = ::GetDC(nullptr);
    ::GetDIBits(hScreen, bitmap, 0, UINT(info.bmHeight), bits.data(), &bmi, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hScreen);
    for (uint32_t p : bits)
        picture.pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    return picture;
}

// A picture of four quadrants in pure red, green, blue and yellow (top-left, top-right,
// bottom-left, bottom-right).
Picture Quadrants(int nSide)
{
    const COLORREF colours[4] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)};
    Picture picture;
    picture.nWidth = picture.nHeight = nSide;
    for (int y = 0; y < nSide; ++y)
        for (int x = 0; x < nSide; ++x)
            picture.pixels.push_back(colours[(y >= nSide / 2) * 2 + (x >= nSide / 2)]);
    return picture;
}

// The bytes of a 24-bit BMP file of the picture.
std::string BmpFile(const Picture& picture)
{
    const uint32_t nRow = uint32_t(picture.nWidth * 3 + 3) / 4 * 4;
    const uint32_t nPixels = nRow * uint32_t(picture.nHeight);
    std::string bytes = "BM";
    auto put = [&](uint32_t nValue, int nBytes) {
        for (int i = 0; i < nBytes; ++i)
            bytes += char((nValue >> (8 * i)) & 0xFF);
    };
    put(54 + nPixels, 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(uint32_t(picture.nWidth), 4);
    put(uint32_t(picture.nHeight), 4);
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(nPixels, 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    for (int y = picture.nHeight - 1; y >= 0; --y) {
        for (int x = 0; x < picture.nWidth; ++x) {
            const COLORREF c = picture.At(x, y);
            bytes += char(GetBValue(c));
            bytes += char(GetGValue(c));
            bytes += char(GetRValue(c));
        }
        bytes.append(nRow - uint32_t(picture.nWidth * 3), '\0');
    }
    return bytes;
}

// Files of one test in /tmp, removed when the test ends.
class ScratchFiles {
public:
    ~ScratchFiles()
    {
        for (const std::string& path : m_paths)
            std::remove(path.c_str());
    }
    // The host path of the scratch file name (made with bytes when given).
    std::string Path(const std::string& name)
    {
        char szPath[160];
        std::snprintf(szPath, sizeof szPath, "/tmp/ondrix_chart_fill_%lu_%s", (unsigned long)GetCurrentProcessId(),
                      name.c_str());
        m_paths.push_back(szPath);
        return szPath;
    }
    std::string Write(const std::string& name, const std::string& bytes)
    {
        const std::string path = Path(name);
        if (FILE* f = std::fopen(path.c_str(), "wb")) {
            std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        }
        return path;
    }

private:
    std::vector<std::string> m_paths;
};

// A component whose palette index the tests set.
class FillComponent : public ProbeComponent {
public:
    using DEDizedComponent::m_nPaletteIndex;
};

// A chart drawn straight into a DC, holding one component at rect with the style word; the
// component's own drawing (m_onDraw) comes after its background.
struct Scene {
    explicit Scene(const CRect& rect, int nStyleWord = 0)
    {
        chart.SetBuffered(0);
        pComponent = new FillComponent;
        pComponent->SetRectFromRECT(rect);
        pComponent->GetStyle()->m_nStyle = nStyleWord;
        chart.AddComponent(pComponent);
    }
    DEDizedStyle& Style() { return *pComponent->GetStyle(); }
    // Fills (or otherwise draws) when the component draws.
    void OnDraw(const std::function<void(DEDizedComponent&)>& draw)
    {
        pComponent->m_onDraw = [draw](ProbeComponent& component, CDC&) { draw(component); };
    }
    void Draw(CDC& dc) { chart.Draw(&dc, nullptr); }

    DEDized chart;
    FillComponent* pComponent;
};

// A style of data items (kind 2) with the data style word.
DEDizedStyle DataStyle(int nDataStyleWord)
{
    DEDizedStyle style(DEDizedStyle::kindData);
    style.m_nLineKind = nDataStyleWord;
    return style;
}

// Whether pixel(x, y) is expected(x, y) all over rect; names the first pixel that is not.
testing::AssertionResult PixelsAre(const std::function<COLORREF(int, int)>& pixel, const CRect& rect,
                                   const std::function<COLORREF(int, int)>& expected)
{
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (pixel(x, y) != expected(x, y))
                return testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << std::hex
                                                   << pixel(x, y) << ", not " << expected(x, y);
    return testing::AssertionSuccess();
}

testing::AssertionResult PixelsAre(const DibCanvas& canvas, const CRect& rect,
                                   const std::function<COLORREF(int, int)>& expected)
{
    return PixelsAre([&](int x, int y) { return canvas.At(x, y); }, rect, expected);
}

// Each channel of a within nTolerance of b's.
bool Near(COLORREF a, COLORREF b, int nTolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= nTolerance && std::abs(GetGValue(a) - GetGValue(b)) <= nTolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= nTolerance;
}

// The grey level of a grey pixel.
int Grey(COLORREF c)
{
    return GetRValue(c);
}

} // namespace

TEST_F(ChartTest, SolidAndPaletteFillsPaintThePolygon)
{
    const COLORREF kFill = RGB(10, 200, 90);
    const COLORREF kPalette3 = DEDizedComponent::GetPaletteColour(3);
    const POINT triangle[] = {{10, 10}, {50, 10}, {10, 40}};
    struct Case {
        const char* lpszWhat;
        DEDizedStyle style;
        int nCode;
        COLORREF crExpected;
    } cases[] = {
        {"component style, solid", DEDizedStyle(DEDizedStyle::kindComponent), 0, kFill},
        {"solid code of the component form", DataStyle(0), 256, kFill},
        {"data style, solid", DataStyle(0x20), 0, kFill},
        {"data style of the defaults: palette", DEDizedStyle(DEDizedStyle::kindData), 0, kPalette3},
        {"palette code 16", DEDizedStyle(DEDizedStyle::kindComponent), 16, kPalette3},
        {"palette code 1", DEDizedStyle(DEDizedStyle::kindComponent), 1, kPalette3},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.lpszWhat);
        c.style.m_crFill1 = kFill;
        Scene scene(CRect(0, 0, 60, 50));
        scene.pComponent->m_nPaletteIndex = 3;
        scene.OnDraw([&](DEDizedComponent& component) { component.FillPolygon(triangle, 3, &c.style, c.nCode); });
        DibCanvas canvas(60, 50);
        scene.Draw(canvas.dc);
        EXPECT_EQ(canvas.At(15, 15), c.crExpected);
        EXPECT_EQ(canvas.At(10, 10), c.crExpected);
        EXPECT_EQ(canvas.At(45, 35), kWhite);  // in the bounding box, outside the triangle
        EXPECT_EQ(canvas.At(9, 15), kWhite);
    }

    // a component's background: its device rectangle, right and bottom edge excluded
    Scene scene(CRect(10, 10, 50, 40), 0x100);
    scene.Style().m_crFill1 = kFill;
    DibCanvas canvas(60, 50);
    scene.Draw(canvas.dc);
    EXPECT_TRUE(PixelsAre(canvas, CRect(10, 10, 50, 40), [&](int, int) { return kFill; }));
    EXPECT_EQ(canvas.At(50, 20), kWhite);
    EXPECT_EQ(canvas.At(20, 40), kWhite);
    EXPECT_EQ(canvas.At(9, 9), kWhite);
}

TEST_F(ChartTest, DataAndComponentFillCodesGiveTheSameFill)
{
    const POINT triangle[] = {{5, 5}, {55, 10}, {15, 45}};
    for (int nKind = 1; nKind <= 5; ++nKind) {
        SCOPED_TRACE(testing::Message() << "fill kind " << nKind);
        // component fill kind k is data fill kind k + 1 (the data form has the palette fill at 1)
        DEDizedStyle styles[2] = {DataStyle((nKind + 1) << 4), DEDizedStyle(DEDizedStyle::kindComponent)};
        styles[1].m_nStyle = nKind << 8;
        DibCanvas canvases[2] = {DibCanvas(60, 50), DibCanvas(60, 50)};
        for (int i = 0; i < 2; ++i) {
            styles[i].m_crFill1 = RGB(0, 40, 200);
            styles[i].m_crFill2 = RGB(250, 250, 0);
            styles[i].m_dGradientAngle = 30.0;
            styles[i].SetImageFile("FILLTILE");
            Scene scene(CRect(0, 0, 60, 50));
            scene.OnDraw([&](DEDizedComponent& component) { component.FillPolygon(triangle, 3, &styles[i], 0); });
            scene.Draw(canvases[i].dc);
        }
        EXPECT_EQ(CountDifferentPixels(canvases[0], canvases[1], 0, 0, 60, 50), 0);
        EXPECT_NE(canvases[0].At(20, 15), kWhite);
        EXPECT_EQ(canvases[0].At(50, 40), kWhite);  // clipped to the triangle
    }
}

TEST_F(ChartTest, EqualColoursGiveOneBandOverTheWholeArea)
{
    const COLORREF kColour = RGB(120, 30, 200);
    for (int nStyleWord : {0x200, 0x300, 0x400}) {
        SCOPED_TRACE(testing::Message() << "style word " << std::hex << nStyleWord);
        Scene scene(CRect(5, 5, 45, 265), nStyleWord);
        scene.Style().m_crFill1 = scene.Style().m_crFill2 = kColour;
        scene.Style().m_dGradientAngle = 30.0;
        DibCanvas canvas(50, 270);
        scene.Draw(canvas.dc);
        EXPECT_TRUE(PixelsAre(canvas, CRect(5, 5, 45, 265), [&](int, int) { return kColour; }));
        EXPECT_EQ(canvas.At(45, 100), kWhite);
        EXPECT_EQ(canvas.At(20, 265), kWhite);
    }
}

TEST_F(ChartTest, StraightGradientsRunInBandsFromColourOneToColourTwo)
{
    for (bool bVertical : {true, false}) {
        SCOPED_TRACE(bVertical ? "vertical" : "horizontal");
        // 256 pixels along the gradient, 20 across, from (10, 10)
        const CRect rect = bVertical ? CRect(10, 10, 30, 266) : CRect(10, 10, 266, 30);
        Scene scene(rect, bVertical ? 0x200 : 0x300);
        scene.Style().m_crFill1 = kBlack;
        scene.Style().m_crFill2 = kWhite;
        DibCanvas canvas(280, 280);
        scene.Draw(canvas.dc);
        auto at = [&](int nAlong, int nAcross) {
            return bVertical ? canvas.At(10 + nAcross, 10 + nAlong) : canvas.At(10 + nAlong, 10 + nAcross);
        };
        std::vector<int> runs;  // lengths of the runs of one colour along the gradient
        int nPrevious = -1;
        for (int i = 0; i < 256; ++i) {
            const COLORREF c = at(i, 0);
            ASSERT_EQ(at(i, 19), c) << "across, at " << i;
            ASSERT_TRUE(GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c)) << i;
            if (Grey(c) == nPrevious) {
                ++runs.back();
                continue;
            }
            ASSERT_GT(Grey(c), nPrevious) << "at " << i;
            runs.push_back(1);
            nPrevious = Grey(c);
        }
        EXPECT_EQ(Grey(at(0, 0)), 0);
        EXPECT_GE(nPrevious, 250);
        for (size_t i = 0; i + 1 < runs.size(); ++i)
            EXPECT_GE(runs[i], 3) << "band " << i;
        EXPECT_EQ(bVertical ? canvas.At(15, 266) : canvas.At(266, 15), kWhite);
    }
}

TEST_F(ChartTest, AngledGradientsByAngle)
{
    // remainders below 5 degrees run horizontally, above 85 vertically
    struct Case {
        double dAngle;
        bool bVertical;
    } cases[] = {{0, false}, {90, false}, {180, false}, {270, false}, {3, false},
                 {-3, false}, {93, false}, {87, true}, {177, true}, {-87, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "angle " << c.dAngle);
        Scene scene(CRect(0, 0, 60, 40), 0x400);
        scene.Style().m_crFill1 = kBlack;
        scene.Style().m_crFill2 = kWhite;
        scene.Style().m_dGradientAngle = c.dAngle;
        DibCanvas canvas(60, 40);
        scene.Draw(canvas.dc);
        EXPECT_EQ(canvas.At(0, 0), kBlack);
        if (c.bVertical) {
            EXPECT_TRUE(PixelsAre(canvas, CRect(0, 0, 60, 40), [&](int, int y) { return canvas.At(0, y); }));
            EXPECT_GT(Grey(canvas.At(0, 39)), Grey(canvas.At(0, 20)));
        } else {
            EXPECT_TRUE(PixelsAre(canvas, CRect(0, 0, 60, 40), [&](int x, int) { return canvas.At(x, 0); }));
            EXPECT_GT(Grey(canvas.At(59, 0)), Grey(canvas.At(30, 0)));
        }
    }

    // 45 degrees on a square: bands along the other diagonal, mirror-alike about the main one, growing
    // lighter from the top-left corner
    Scene scene(CRect(0, 0, 60, 60), 0x400);
    scene.Style().m_crFill1 = kBlack;
    scene.Style().m_crFill2 = kWhite;
    scene.Style().m_dGradientAngle = 45.0;
    DibCanvas canvas(60, 60);
    scene.Draw(canvas.dc);
    EXPECT_TRUE(PixelsAre(canvas, CRect(0, 0, 60, 60), [&](int x, int y) { return canvas.At(y, x); }));
    EXPECT_EQ(canvas.At(0, 0), kBlack);
    EXPECT_GT(Grey(canvas.At(30, 30)), Grey(canvas.At(0, 0)));
    EXPECT_GT(Grey(canvas.At(59, 59)), Grey(canvas.At(30, 30)));
    EXPECT_NE(canvas.At(59, 0), canvas.At(59, 59));  // neither rows nor columns are of one colour
    EXPECT_NE(canvas.At(0, 59), canvas.At(59, 59));
}

TEST_F(ChartTest, BitmapResourcesAreStretchedOrTiled)
{
    const Picture tile = ResourcePicture("FILLTILE");
    ASSERT_EQ(tile.nWidth, 8);
    ASSERT_EQ(tile.nHeight, 6);
    auto draw = [](const CRect& rect, int nStyleWord, CDC& dc, const char* lpszName = "FILLTILE") {
        Scene scene(rect, nStyleWord);
        scene.pComponent->SetImageName(lpszName);
        scene.Draw(dc);
    };

    {
        SCOPED_TRACE("stretched to twice its size");
        DibCanvas canvas(40, 30);
        draw(CRect(10, 10, 26, 22), 0x500 | DEDizedComponent::styleImageStretched, canvas.dc);
        EXPECT_TRUE(PixelsAre(canvas, CRect(10, 10, 26, 22),
                              [&](int x, int y) { return tile.At((x - 10) / 2, (y - 10) / 2); }));
        EXPECT_EQ(canvas.At(26, 15), kWhite);
    }
    {
        SCOPED_TRACE("tiled, the last tiles cut at the edges");
        DibCanvas canvas(40, 30);
        draw(CRect(10, 10, 30, 25), 0x500, canvas.dc);
        EXPECT_TRUE(PixelsAre(canvas, CRect(10, 10, 30, 25),
                              [&](int x, int y) { return tile.At((x - 10) % 8, (y - 10) % 6); }));
        EXPECT_EQ(canvas.At(30, 12), kWhite);
        EXPECT_EQ(canvas.At(12, 25), kWhite);
    }
    {
        SCOPED_TRACE("an area smaller than one tile: drawn once, clipped");
        DibCanvas canvas(40, 30);
        draw(CRect(10, 10, 15, 13), 0x500, canvas.dc);
        EXPECT_TRUE(PixelsAre(canvas, CRect(10, 10, 15, 13), [&](int x, int y) { return tile.At(x - 10, y - 10); }));
        EXPECT_EQ(canvas.At(15, 11), kWhite);
        EXPECT_EQ(canvas.At(11, 13), kWhite);
    }
    {
        SCOPED_TRACE("tiled on a printer of twice the screen's resolution: tiles of twice the size");
        const int nScreenDpiX = CClientDC(nullptr).GetDeviceCaps(LOGPIXELSX);
        const int nScreenDpiY = CClientDC(nullptr).GetDeviceCaps(LOGPIXELSY);
        CFakePrinterDC printer(60, 50, 2 * nScreenDpiX, 2 * nScreenDpiY);
        draw(CRect(5, 5, 45, 35), 0x500, printer);
        EXPECT_TRUE(PixelsAre([&](int x, int y) { return printer.PixelAt(x, y); }, CRect(5, 5, 45, 35),
                              [&](int x, int y) { return tile.At((x - 5) % 16 / 2, (y - 5) % 12 / 2); }));
    }
    {
        SCOPED_TRACE("a resource that does not load leaves the area unfilled");
        DibCanvas canvas(40, 30);
        draw(CRect(10, 10, 30, 25), 0x500, canvas.dc, "NOSUCHBITMAP");
        EXPECT_TRUE(PixelsAre(canvas, CRect(0, 0, 40, 30), [](int, int) { return kWhite; }));
    }
}

TEST_F(ChartTest, ImageFilesAreLoadedOnceAndDrawnStretchedOrTiled)
{
    ScratchFiles files;
    const Picture tile = ResourcePicture("FILLTILE");
    const Picture missing = ResourcePicture(MAKEINTRESOURCEA(IDB_CHART_MISSING_IMAGE));
    const std::string bmpPath = files.Write("tile.bmp", BmpFile(tile));
    const std::string jpegPath = files.Path("quadrants.jpg");
    {
        SECDib dib;
        ASSERT_TRUE(dib.LoadImage(files.Write("quadrants.bmp", BmpFile(Quadrants(64))).c_str()));
        SECJpeg jpeg;
        ASSERT_TRUE(jpeg.CopyImage(&dib));
        ASSERT_TRUE(jpeg.SaveImage(jpegPath.c_str()));
    }

    const CRect rect(10, 10, 30, 25);
    Scene scene(rect, 0x600);
    scene.pComponent->SetImageName(bmpPath.c_str());
    auto tiled = [&](const Picture& picture) {
        DibCanvas canvas(80, 80);
        scene.Draw(canvas.dc);
        return PixelsAre(canvas, rect, [&](int x, int y) {
            return picture.At((x - 10) % picture.nWidth, (y - 10) % picture.nHeight);
        });
    };
    EXPECT_TRUE(tiled(tile));
    EXPECT_TRUE(scene.Style().m_nOptions & DEDizedStyle::optionImageLoaded);

    // not read again while the name and the loaded flag stay: the picture outlives its file
    std::remove(bmpPath.c_str());
    EXPECT_TRUE(tiled(tile));
    // the flag cleared, the file is read anew: gone, it shows the missing-image bitmap
    scene.Style().m_nOptions &= ~DEDizedStyle::optionImageLoaded;
    EXPECT_TRUE(tiled(missing));
    EXPECT_FALSE(scene.Style().m_nOptions & DEDizedStyle::optionImageLoaded);

    // a new name loads anew: a JPEG file, stretched over an area of its size
    scene.pComponent->SetImageName(jpegPath.c_str());
    scene.pComponent->SetRectFromRECT(CRect(8, 8, 72, 72));
    scene.Style().m_nStyle |= DEDizedComponent::styleImageStretched;
    DibCanvas canvas(80, 80);
    scene.Draw(canvas.dc);
    const Picture quadrants = Quadrants(64);
    for (const CPoint& p : {CPoint(16, 16), CPoint(48, 16), CPoint(16, 48), CPoint(48, 48)})
        EXPECT_TRUE(Near(canvas.At(8 + p.x, 8 + p.y), quadrants.At(p.x, p.y), 8)) << p;
    EXPECT_EQ(canvas.At(72, 40), kWhite);
}

TEST_F(ChartTest, AnUnreadableImageFileShowsTheMissingImage)
{
    ScratchFiles files;
    const Picture missing = ResourcePicture(MAKEINTRESOURCEA(IDB_CHART_MISSING_IMAGE));
    const std::string bmp = BmpFile(ResourcePicture("FILLTILE"));
    std::string farOffset = bmp;  // pixels said to lie far past the end: the system's loader reads there
    farOffset[10] = farOffset[11] = char(0xF0);
    farOffset[12] = farOffset[13] = char(0xFF);
    struct Case {
        const char* lpszWhat;
        std::string path;
    } cases[] = {
        {"no such file", files.Path("none.bmp")},
        {"an empty file", files.Write("empty.bmp", "")},
        {"pixels past the end", files.Write("far_offset.bmp", farOffset)},
        {"cut short", files.Write("short.bmp", bmp.substr(0, 60))},
        {"not a picture", files.Write("text.jpg", "not a picture\n")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lpszWhat);
        Scene scene(CRect(10, 10, 42, 42), 0x600);
        scene.pComponent->SetImageName(c.path.c_str());
        DibCanvas canvas(50, 50);
        scene.Draw(canvas.dc);
        EXPECT_TRUE(PixelsAre(canvas, CRect(10, 10, 42, 42),
                              [&](int x, int y) { return missing.At((x - 10) % 16, (y - 10) % 16); }));
        EXPECT_FALSE(scene.Style().m_nOptions & DEDizedStyle::optionImageLoaded);
    }
}

TEST_F(ChartTest, EachStyleOfAComponentShowsItsOwnImage)
{
    // one component filling two areas with two files, pass after pass
    ScratchFiles files;
    const Picture tile = ResourcePicture("FILLTILE");
    const Picture quadrants = Quadrants(8);
    DEDizedStyle styles[2] = {DataStyle(0x70), DataStyle(0x70)};
    styles[0].SetImageFile(files.Write("tile.bmp", BmpFile(tile)).c_str());
    styles[1].SetImageFile(files.Write("quadrants.bmp", BmpFile(quadrants)).c_str());
    const CRect areas[2] = {CRect(0, 0, 8, 6), CRect(20, 0, 28, 8)};
    Scene scene(CRect(0, 0, 40, 20));
    scene.OnDraw([&](DEDizedComponent& component) {
        for (int i = 0; i < 2; ++i) {
            const CRect& r = areas[i];
            const POINT corners[4] = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
            component.FillPolygon(corners, 4, &styles[i], 0);
        }
    });
    for (int nPass = 0; nPass < 2; ++nPass) {
        SCOPED_TRACE(testing::Message() << "pass " << nPass);
        DibCanvas canvas(40, 20);
        scene.Draw(canvas.dc);
        EXPECT_TRUE(PixelsAre(canvas, areas[0], [&](int x, int y) { return tile.At(x, y); }));
        EXPECT_TRUE(PixelsAre(canvas, areas[1], [&](int x, int y) { return quadrants.At(x - 20, y); }));
    }
}

TEST_F(ChartTest, CustomFillsGetTheirArea)
{
    struct Call {
        bool bRegion;
        CRect box;
        COLORREF crColour;
        int nCode;
    };
    class CustomComponent : public ProbeComponent {
    public:
        void CustomFill(CRgn* pRegion, DEDizedStyle*, COLORREF crColour, int nCode) override
        {
            CRect box;
            if (pRegion != nullptr)
                pRegion->GetRgnBox(&box);
            calls.push_back({pRegion != nullptr, box, crColour, nCode});
        }
        std::vector<Call> calls;
    };
    DEDized chart;
    chart.SetBuffered(0);
    CustomComponent* pComponent = new CustomComponent;
    pComponent->GetStyle()->m_nStyle = 0;
    chart.AddComponent(pComponent);
    DEDizedStyle style(DEDizedStyle::kindComponent);
    style.m_crFill1 = RGB(1, 2, 3);
    const POINT triangle[] = {{10, 10}, {50, 10}, {10, 40}};
    CRgn region;
    region.CreateRectRgn(5, 6, 25, 30);
    pComponent->m_onDraw = [&](ProbeComponent& component, CDC&) {
        component.FillPolygon(triangle, 3, &style, 3072);
        component.FillPolygon(triangle, 3, &style, 192);
        component.FillPolygon(triangle, 3, &style, 0x700);  // a fill kind without a fill of its own
        component.FillRegion(&region, &style, RGB(9, 9, 9), 1);
    };
    DibCanvas canvas(60, 50);
    chart.Draw(&canvas.dc, nullptr);
    ASSERT_EQ(pComponent->calls.size(), 4u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(pComponent->calls[size_t(i)].bRegion);
        EXPECT_EQ(pComponent->calls[size_t(i)].box, CRect(10, 10, 50, 40));
        EXPECT_EQ(pComponent->calls[size_t(i)].crColour, RGB(1, 2, 3));
    }
    EXPECT_EQ(pComponent->calls[0].nCode, 3072);
    EXPECT_EQ(pComponent->calls[1].nCode, 192);
    EXPECT_FALSE(pComponent->calls[2].bRegion);
    EXPECT_EQ(pComponent->calls[2].nCode, 0x700);
    EXPECT_TRUE(pComponent->calls[3].bRegion);
    EXPECT_EQ(pComponent->calls[3].box, CRect(5, 6, 25, 30));
    EXPECT_EQ(pComponent->calls[3].crColour, RGB(9, 9, 9));
    EXPECT_TRUE(PixelsAre(canvas, CRect(0, 0, 60, 50), [](int, int) { return kWhite; }));
}

TEST_F(ChartTest, PolygonEdgesAlongThePoints)
{
    // an open line of three points, three pixels wide, by edge kind
    const COLORREF kEdge = RGB(200, 0, 100);
    const POINT points[] = {{10, 10}, {50, 10}, {50, 40}};
    struct Case {
        int nKind;
        COLORREF crExpected;
    } cases[] = {
        {0, kBlack},  // the data style's own: line kind 2
        {1, DEDizedComponent::GetPaletteColour(5)},
        {2, kBlack},
        {4, kEdge},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "edge kind " << c.nKind);
        DEDizedStyle style(DEDizedStyle::kindData);
        style.m_crColor = kEdge;
        style.m_nExtra = 3;
        Scene scene(CRect(0, 0, 60, 50));
        scene.pComponent->m_nPaletteIndex = 5;
        scene.OnDraw([&](DEDizedComponent& component) { component.FramePolygon(points, 3, &style, c.nKind); });
        DibCanvas canvas(60, 50);
        scene.Draw(canvas.dc);
        EXPECT_EQ(canvas.At(30, 10), c.crExpected);
        EXPECT_EQ(canvas.At(30, 11), c.crExpected);
        EXPECT_EQ(canvas.At(50, 25), c.crExpected);
        EXPECT_EQ(canvas.At(30, 13), kWhite);
        EXPECT_EQ(canvas.At(30, 25), kWhite);  // the line is not closed
    }

    // a style whose edge kind is 0 draws nothing
    DEDizedStyle style = DataStyle(0x110);
    Scene scene(CRect(0, 0, 60, 50));
    scene.OnDraw([&](DEDizedComponent& component) { component.FramePolygon(points, 3, &style, 0); });
    DibCanvas canvas(60, 50);
    scene.Draw(canvas.dc);
    EXPECT_TRUE(PixelsAre(canvas, CRect(0, 0, 60, 50), [](int, int) { return kWhite; }));
}

TEST_F(ChartTest, RegionEdgesInsideTheRegion)
{
    const Picture tile = ResourcePicture("FILLTILE");
    auto inTile = [&](COLORREF c) {
        for (COLORREF p : tile.pixels)
            if (p == c)
                return true;
        return false;
    };
    const COLORREF kEdge = RGB(200, 0, 100);
    const POINT box[] = {{10, 10}, {50, 10}, {50, 40}, {10, 40}};
    auto draw = [&](const std::function<void(DEDizedComponent&, DEDizedStyle&)>& frame) {
        auto pCanvas = std::make_unique<DibCanvas>(60, 50);
        DEDizedStyle style(DEDizedStyle::kindComponent);
        style.m_crColor = kEdge;
        style.m_nExtra = 2;
        style.m_strText2 = "FILLTILE";
        Scene scene(CRect(0, 0, 60, 50));
        scene.OnDraw([&](DEDizedComponent& component) { frame(component, style); });
        scene.Draw(pCanvas->dc);
        return pCanvas;
    };

    // kinds other than 0, 1, 2 and 4 frame the polygon's region: any but 3 in black, one pixel
    for (int nKind : {5, 7, 15}) {
        auto canvas = draw([&](DEDizedComponent& c, DEDizedStyle& s) { c.FramePolygon(box, 4, &s, nKind); });
        EXPECT_EQ(canvas->At(10, 25), kBlack) << nKind;
        EXPECT_EQ(canvas->At(49, 25), kBlack) << nKind;
        EXPECT_EQ(canvas->At(30, 39), kBlack) << nKind;
        EXPECT_EQ(canvas->At(11, 25), kWhite) << nKind;
        EXPECT_EQ(canvas->At(30, 40), kWhite) << nKind;
    }
    // 3: the pattern of the edge bitmap, as wide as the edge
    auto patterned = draw([&](DEDizedComponent& c, DEDizedStyle& s) { c.FramePolygon(box, 4, &s, 3); });
    EXPECT_TRUE(inTile(patterned->At(10, 25)));
    EXPECT_TRUE(inTile(patterned->At(11, 25)));
    EXPECT_TRUE(inTile(patterned->At(30, 38)));
    EXPECT_EQ(patterned->At(12, 25), kWhite);
    EXPECT_EQ(patterned->At(9, 25), kWhite);
    // a region framed in the edge colour, as wide as the edge; kind 0 draws nothing
    CRgn region;
    region.CreateRectRgn(10, 10, 50, 40);
    auto coloured = draw([&](DEDizedComponent& c, DEDizedStyle& s) { c.FrameRegion(&region, &s, 0, 4); });
    EXPECT_EQ(coloured->At(11, 25), kEdge);
    EXPECT_EQ(coloured->At(12, 25), kWhite);
    EXPECT_EQ(coloured->At(48, 25), kEdge);
    auto none = draw([&](DEDizedComponent& c, DEDizedStyle& s) { c.FrameRegion(&region, &s, 0, 0); });
    EXPECT_TRUE(PixelsAre(*none, CRect(0, 0, 60, 50), [](int, int) { return kWhite; }));

    // an empty region, and a polygon of no area, draw nothing
    CRgn empty;
    empty.CreateRectRgn(0, 0, 0, 0);
    const POINT flat[] = {{10, 10}, {30, 10}, {50, 10}};
    auto nothing = draw([&](DEDizedComponent& c, DEDizedStyle& s) {
        c.FrameRegion(&empty, &s, 0, 5);
        c.FramePolygon(flat, 3, &s, 5);
    });
    EXPECT_TRUE(PixelsAre(*nothing, CRect(0, 0, 60, 50), [](int, int) { return kWhite; }));
}

TEST_F(ChartTest, RegionsKeepTheirPlaceUnderAMovedWindowOrigin)
{
    // as in a band of a printed page, whose window origin moves down the page
    const COLORREF kFill = RGB(10, 200, 90);
    DEDizedStyle style(DEDizedStyle::kindComponent);
    style.m_crFill1 = kFill;
    CRgn region;
    region.CreateRectRgn(10, 30, 30, 50);
    const POINT box[] = {{40, 30}, {60, 30}, {60, 50}, {40, 50}};
    Scene scene(CRect(0, 0, 70, 70));
    scene.OnDraw([&](DEDizedComponent& component) {
        component.FillRegion(&region, &style, 0, 256);
        component.FramePolygon(box, 4, &style, 5);
    });
    DibCanvas canvas(70, 50);
    canvas.dc.SetWindowOrg(0, 20);
    scene.Draw(canvas.dc);
    EXPECT_TRUE(PixelsAre(canvas, CRect(10, 10, 30, 30), [&](int, int) { return kFill; }));
    EXPECT_EQ(canvas.At(30, 20), kWhite);
    EXPECT_EQ(canvas.At(20, 30), kWhite);
    EXPECT_EQ(canvas.At(40, 20), kBlack);
    EXPECT_EQ(canvas.At(59, 20), kBlack);
    EXPECT_EQ(canvas.At(50, 10), kBlack);
    EXPECT_EQ(canvas.At(41, 20), kWhite);
}

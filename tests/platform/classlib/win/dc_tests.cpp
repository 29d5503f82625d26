// CDC: output and attribute DCs, the fill and frame helpers (pixels read back), drag feedback on the
// screen, saved states and the handle map.
#include "TestSupport.h"

#include <vector>

namespace {

// Output and attribute DCs that differ as a printer's do: the attribute DC ("printer") has a large
// font and a mapping of two device pixels per logical unit; the output DC ("screen") keeps the
// defaults.
class PreviewDC : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(printer.CreateCompatibleDC(nullptr));
        ASSERT_TRUE(printerBitmap.CreateBitmap(64, 64, 1, 32, nullptr));
        ::SelectObject(printer.m_hDC, printerBitmap.m_hObject);
        ASSERT_TRUE(bigFont.CreateFont(-40, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial"));
        ::SelectObject(printer.m_hDC, bigFont.m_hObject);
        ::SetMapMode(printer.m_hDC, MM_ANISOTROPIC);
        ::SetWindowExtEx(printer.m_hDC, 1, 1, nullptr);
        ::SetViewportExtEx(printer.m_hDC, 2, 2, nullptr);
        screen.dc.SetAttribDC(printer.m_hDC);
    }
    void TearDown() override { screen.dc.SetAttribDC(screen.dc.m_hDC); }

    // Measures on a raw handle, for comparison.
    static CSize RawExtent(HDC hDC, const char* psz)
    {
        SIZE size;
        ::GetTextExtentPoint32A(hDC, psz, int(strlen(psz)), &size);
        return CSize(size);
    }

    DibCanvas screen{200, 60};
    // destroyed after the printer DC they are selected into
    CBitmap printerBitmap;
    CFont bigFont;
    CDC printer;
};

TEST_F(PreviewDC, TextIsMeasuredOnTheAttributeDC)
{
    const char* text = "Ondrix 1.0";
    CSize printerSize = RawExtent(printer.m_hDC, text);
    CSize screenSize = RawExtent(screen.dc.m_hDC, text);
    ASSERT_NE(printerSize, screenSize);
    EXPECT_EQ(screen.dc.GetTextExtent(text, int(strlen(text))), printerSize);
    EXPECT_EQ(screen.dc.GetTextExtent(CString(text)), printerSize);
    EXPECT_EQ(screen.dc.GetOutputTextExtent(text, int(strlen(text))), screenSize);

    TEXTMETRICA metrics, rawMetrics;
    ASSERT_TRUE(screen.dc.GetTextMetrics(&metrics));
    ::GetTextMetricsA(printer.m_hDC, &rawMetrics);
    EXPECT_EQ(metrics.tmHeight, rawMetrics.tmHeight);
    ASSERT_TRUE(screen.dc.GetOutputTextMetrics(&metrics));
    EXPECT_LT(metrics.tmHeight, rawMetrics.tmHeight);

    CRect calc(0, 0, 1000, 0);
    screen.dc.DrawText(text, -1, &calc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(calc.Width(), printerSize.cx);

    int widths[2], rawWidths[2];
    ASSERT_TRUE(screen.dc.GetCharWidth('A', 'B', widths));
    ::GetCharWidth32A(printer.m_hDC, 'A', 'B', rawWidths);
    EXPECT_EQ(widths[0], rawWidths[0]);
    EXPECT_EQ(widths[1], rawWidths[1]);
}

TEST_F(PreviewDC, MappingQueriesAnswerFromTheAttributeDC)
{
    EXPECT_EQ(screen.dc.GetMapMode(), MM_ANISOTROPIC);
    CPoint point(10, 7);
    screen.dc.LPtoDP(&point);
    EXPECT_EQ(point, CPoint(20, 14));
    CSize size(-6, 4);
    screen.dc.DPtoLP(&size);
    EXPECT_EQ(size, CSize(-3, 2));  // a distance keeps its sign
    CRect rect(0, 0, 8, 8);
    screen.dc.LPtoDP(&rect);
    EXPECT_EQ(rect, CRect(0, 0, 16, 16));
    // a point font for this DC is sized in its logical units
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(240, "Arial", &screen.dc));
    LOGFONT logFont;
    font.GetLogFont(&logFont);
    EXPECT_EQ(logFont.lfHeight, -::MulDiv(240, ::GetDeviceCaps(printer.m_hDC, LOGPIXELSY), 720) / 2);
}

TEST_F(PreviewDC, DrawingGoesToTheOutputAndStateToBoth)
{
    // state changes reach both DCs; the previous value is the attribute DC's
    EXPECT_EQ(screen.dc.SetMapMode(MM_TEXT), MM_ANISOTROPIC);
    EXPECT_EQ(::GetMapMode(printer.m_hDC), MM_TEXT);
    EXPECT_EQ(::GetMapMode(screen.dc.m_hDC), MM_TEXT);
    screen.dc.SetTextColor(RGB(0, 0, 255));
    EXPECT_EQ(::GetTextColor(printer.m_hDC), RGB(0, 0, 255));
    EXPECT_EQ(::GetTextColor(screen.dc.m_hDC), RGB(0, 0, 255));
    CFont smallFont;
    smallFont.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    CFont* pOld = screen.dc.SelectObject(&smallFont);
    EXPECT_EQ(pOld, &bigFont);  // the attribute DC's previous font, found as its holder
    EXPECT_EQ(::GetCurrentObject(printer.m_hDC, OBJ_FONT), smallFont.m_hObject);
    EXPECT_EQ(::GetCurrentObject(screen.dc.m_hDC, OBJ_FONT), smallFont.m_hObject);
    screen.dc.SelectObject(pOld);

    // pixels: only the output DC is drawn on
    CDC printerView;
    printerView.Attach(printer.m_hDC);
    printerView.FillSolidRect(0, 0, 32, 32, kWhite);
    printerView.Detach();
    screen.dc.FillSolidRect(0, 0, 10, 10, RGB(255, 0, 0));
    screen.dc.TextOut(20, 5, CString("X"));
    EXPECT_EQ(screen.At(5, 5), RGB(255, 0, 0));
    EXPECT_EQ(::GetPixel(printer.m_hDC, 5, 5), kWhite);
}

TEST_F(PreviewDC, SaveAndRestoreKeepBothDCsInStep)
{
    // the two DCs start at different save depths
    ::SaveDC(printer.m_hDC);
    ::SaveDC(printer.m_hDC);
    int nSaved = screen.dc.SaveDC();
    ASSERT_NE(nSaved, 0);
    screen.dc.SetMapMode(MM_LOMETRIC);
    screen.dc.SetBkMode(TRANSPARENT);
    int nInner = screen.dc.SaveDC();
    screen.dc.SetMapMode(MM_TEXT);
    EXPECT_TRUE(screen.dc.RestoreDC(nInner));
    EXPECT_EQ(::GetMapMode(printer.m_hDC), MM_LOMETRIC);
    EXPECT_EQ(::GetMapMode(screen.dc.m_hDC), MM_LOMETRIC);
    EXPECT_TRUE(screen.dc.RestoreDC(nSaved));
    EXPECT_EQ(::GetMapMode(printer.m_hDC), MM_ANISOTROPIC);
    EXPECT_EQ(::GetMapMode(screen.dc.m_hDC), MM_TEXT);
    EXPECT_EQ(::GetBkMode(printer.m_hDC), OPAQUE);
    EXPECT_EQ(::GetBkMode(screen.dc.m_hDC), OPAQUE);
    // the printer's own two saves are still there
    EXPECT_TRUE(::RestoreDC(printer.m_hDC, -2));
}

TEST(CDC, FillSolidRectFillsExactlyTheRectangle)
{
    struct Case {
        const char* name;
        int nScale;         // device pixels per logical unit
        CRect logical;
        CRect device;       // the pixels that must change
    } cases[] = {
        {"plain", 1, {3, 2, 9, 7}, {3, 2, 9, 7}},
        {"one pixel", 1, {0, 0, 1, 1}, {0, 0, 1, 1}},
        {"empty", 1, {5, 5, 5, 8}, {}},
        {"clipped at the edge", 1, {12, 8, 40, 40}, {12, 8, 16, 12}},
        {"logical units", 2, {1, 1, 3, 4}, {2, 2, 6, 8}},
    };
    const COLORREF colour = RGB(0x12, 0x34, 0x56);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DibCanvas canvas(16, 12);
        if (c.nScale != 1) {
            canvas.dc.SetMapMode(MM_ANISOTROPIC);
            canvas.dc.SetWindowExt(1, 1);
            canvas.dc.SetViewportExt(c.nScale, c.nScale);
        }
        canvas.dc.FillSolidRect(&c.logical, colour);
        EXPECT_EQ(canvas.dc.GetBkColor(), colour);
        for (int y = 0; y < canvas.Height(); y++)
            for (int x = 0; x < canvas.Width(); x++)
                ASSERT_EQ(canvas.At(x, y), c.device.PtInRect(CPoint(x, y)) ? colour : kWhite)
                    << "pixel " << x << ", " << y;
    }
}

TEST(CDC, Draw3dRectEdges)
{
    const COLORREF light = RGB(250, 0, 0), dark = RGB(0, 0, 250);
    const CRect cases[] = {{2, 1, 8, 6}, {5, 5, 6, 6}, {3, 3, 5, 4}, {3, 3, 3, 8}};
    for (const CRect& r : cases) {
        SCOPED_TRACE(::testing::PrintToString(r));
        DibCanvas canvas(12, 10);
        canvas.dc.Draw3dRect(&r, light, dark);
        for (int y = 0; y < canvas.Height(); y++) {
            for (int x = 0; x < canvas.Width(); x++) {
                COLORREF expected = kWhite;
                if (r.PtInRect(CPoint(x, y))) {
                    if (x == r.right - 1 || y == r.bottom - 1)
                        expected = dark;  // right and bottom edges, with both outer corners
                    else if (x == r.left || y == r.top)
                        expected = light;
                }
                ASSERT_EQ(canvas.At(x, y), expected) << "pixel " << x << ", " << y;
            }
        }
    }
}

TEST(CDC, DrawDragRectWithTheYAxisUp)
{
    // logical y grows upwards from the canvas's bottom edge
    DibCanvas canvas(40, 40);
    canvas.dc.SetMapMode(MM_ANISOTROPIC);
    canvas.dc.SetWindowExt(1, -1);
    canvas.dc.SetViewportExt(1, 1);
    canvas.dc.SetViewportOrg(0, 40);
    const CRect logical(5, 30, 35, 10);                // top above bottom
    const CRect outer(5, 10, 35, 30), inner(8, 13, 32, 27);  // in pixels
    canvas.dc.DrawDragRect(&logical, CSize(3, 3), nullptr, CSize(0, 0));
    int nInverted = 0;
    for (int y = 0; y < 40; y++) {
        for (int x = 0; x < 40; x++) {
            if (canvas.At(x, y) == kWhite)
                continue;
            nInverted++;
            ASSERT_TRUE(outer.PtInRect(CPoint(x, y)) && !inner.PtInRect(CPoint(x, y))) << "pixel " << x << ", " << y;
        }
    }
    EXPECT_EQ(nInverted, (30 * 20 - 24 * 14) / 2);
    canvas.dc.DrawDragRect(&logical, CSize(0, 0), &logical, CSize(3, 3));
    for (int y = 0; y < 40; y++)
        for (int x = 0; x < 40; x++)
            ASSERT_EQ(canvas.At(x, y), kWhite) << "pixel " << x << ", " << y;
}

// A window on the virtual screen painted with a pattern of many colours, so that inverted pixels
// can be told apart from untouched ones.
class ScreenFixture : public ::testing::Test {
protected:
    static LRESULT CALLBACK PaintProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
    {
        if (msg == WM_PAINT) {
            PAINTSTRUCT ps;
            HDC hDC = ::BeginPaint(hwnd, &ps);
            static uint32_t pixels[kSize * kSize];
            for (int y = 0; y < kSize; y++)
                for (int x = 0; x < kSize; x++)
                    pixels[y * kSize + x] = uint32_t((x * 2) << 16 | (y * 2) << 8 | ((x * y) & 0xFF));
            const BITMAPINFO info = TopDown32BitInfo(kSize, kSize);
            ::SetDIBitsToDevice(hDC, 0, 0, kSize, kSize, 0, 0, 0, kSize, pixels, &info, DIB_RGB_COLORS);
            ::EndPaint(hwnd, &ps);
            return 0;
        }
        return ::DefWindowProcA(hwnd, msg, wp, lp);
    }

    // One window for the suite: Wine waits about two seconds for X to confirm that a shown window
    // went away.
    static void SetUpTestSuite()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = PaintProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "OndrixDragRectTest";
        ::RegisterClassA(&wc);
        s_hwnd = ::CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "drag", WS_POPUP | WS_VISIBLE, kLeft, kTop,
                                   kSize, kSize, nullptr, nullptr, wc.hInstance, nullptr);
    }
    static void TearDownTestSuite()
    {
        ::DestroyWindow(s_hwnd);
        s_hwnd = nullptr;
    }

    void SetUp() override
    {
        ASSERT_NE(s_hwnd, nullptr);
        ::InvalidateRect(s_hwnd, nullptr, FALSE);
        ::UpdateWindow(s_hwnd);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        ::GdiFlush();
        ASSERT_TRUE(desktop.Attach(::GetDC(nullptr)));
    }
    void TearDown() override { ::ReleaseDC(nullptr, desktop.Detach()); }

    // The window's pixels as the screen shows them.
    std::vector<COLORREF> Capture()
    {
        DibCanvas copy(kSize, kSize);
        copy.dc.BitBlt(0, 0, kSize, kSize, &desktop, kLeft, kTop, SRCCOPY);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < kSize; y++)
            for (int x = 0; x < kSize; x++)
                pixels.push_back(copy.At(x, y));
        return pixels;
    }

    // Checks that only the pixels of the frame of r (screen coordinates, thickness t) differ from
    // before, each by full inversion, and returns how many do.
    int CountFrameChanges(const std::vector<COLORREF>& before, const std::vector<COLORREF>& after, CRect r, int t)
    {
        CRect inner = r;
        inner.DeflateRect(t, t);
        int nChanged = 0;
        for (int y = 0; y < kSize; y++) {
            for (int x = 0; x < kSize; x++) {
                size_t i = size_t(y * kSize + x);
                if (before[i] == after[i])
                    continue;
                CPoint pt(kLeft + x, kTop + y);
                EXPECT_TRUE(r.PtInRect(pt) && !inner.PtInRect(pt)) << "pixel " << x << ", " << y << " outside";
                EXPECT_EQ(after[i], before[i] ^ 0xFFFFFF) << "pixel " << x << ", " << y;
                nChanged++;
            }
        }
        return nChanged;
    }

    // far from where other test programs sharing the display put their windows
    static const int kLeft = 1150, kTop = 900, kSize = 64;
    static HWND s_hwnd;
    CDC desktop;
};

HWND ScreenFixture::s_hwnd = nullptr;

TEST_F(ScreenFixture, DrawDragRectTwiceLeavesTheScreenAsBefore)
{
    const std::vector<COLORREF> original = Capture();
    const CRect first(kLeft + 4, kTop + 6, kLeft + 40, kTop + 30);
    const CRect second(kLeft + 10, kTop + 12, kLeft + 50, kTop + 44);
    const CSize thick(4, 4), none(0, 0);

    // halftone: every other pixel of the frame is inverted
    desktop.DrawDragRect(&first, thick, nullptr, none);
    int nHalftone = CountFrameChanges(original, Capture(), first, 4);
    int nFramePixels = first.Width() * first.Height() - (first.Width() - 8) * (first.Height() - 8);
    EXPECT_EQ(nHalftone, nFramePixels / 2);

    // moving it erases the first frame: only the second one differs from the original
    desktop.DrawDragRect(&second, thick, &first, thick);
    CountFrameChanges(original, Capture(), second, 4);

    // size 0 erases
    desktop.DrawDragRect(&second, none, &second, thick);
    EXPECT_EQ(Capture(), original);

    // with two brushes, a white one-pixel outline is replaced by a halftone frame, then erased
    CBrush* pWhite = CBrush::FromHandle(static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    const CSize thin(1, 1);
    desktop.DrawDragRect(&first, thin, nullptr, none, pWhite, pWhite);
    EXPECT_EQ(CountFrameChanges(original, Capture(), first, 1), 2 * (first.Width() + first.Height()) - 4);
    desktop.DrawDragRect(&second, thick, &first, thin, nullptr, pWhite);
    CountFrameChanges(original, Capture(), second, 4);
    desktop.DrawDragRect(&second, none, &second, thick);
    EXPECT_EQ(Capture(), original);
    CGdiObject::DeleteTempMap();
}

TEST_F(ScreenFixture, DrawDragRectKeepsTheClipRegionAndColours)
{
    const std::vector<COLORREF> original = Capture();
    CRgn clip;
    clip.CreateRectRgn(kLeft, kTop, kLeft + 20, kTop + kSize);
    desktop.SelectClipRgn(&clip);
    desktop.SetTextColor(RGB(1, 2, 3));
    const CRect r(kLeft + 4, kTop + 4, kLeft + 40, kTop + 40);
    desktop.DrawDragRect(&r, CSize(3, 3), nullptr, CSize(0, 0));
    std::vector<COLORREF> drawn = Capture();
    CountFrameChanges(original, drawn, r, 3);
    for (int y = 0; y < kSize; y++)
        for (int x = 20; x < kSize; x++)
            ASSERT_EQ(drawn[size_t(y * kSize + x)], original[size_t(y * kSize + x)]) << "clipped pixel " << x;
    CRect box;
    EXPECT_EQ(desktop.GetClipBox(&box), SIMPLEREGION);
    EXPECT_EQ(box, CRect(kLeft, kTop, kLeft + 20, kTop + kSize));
    EXPECT_EQ(desktop.GetTextColor(), RGB(1, 2, 3));
    desktop.DrawDragRect(&r, CSize(0, 0), &r, CSize(3, 3));
    desktop.SelectClipRgn(nullptr);
    EXPECT_EQ(Capture(), original);
    ExpectInvalidArg([&] { desktop.DrawDragRect(nullptr, CSize(1, 1), nullptr, CSize(0, 0)); },
                     "CDC::DrawDragRect: the rectangle is null");
}

TEST(CDC, FromHandleAndOwnership)
{
    CDC::DeleteTempMap();
    HDC hDC = ::CreateCompatibleDC(nullptr);
    CDC* pTemp = CDC::FromHandle(hDC);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(pTemp->m_hDC, hDC);
    EXPECT_EQ(pTemp->m_hAttribDC, hDC);
    EXPECT_EQ(CDC::FromHandle(hDC), pTemp);
    CDC::DeleteTempMap();
    EXPECT_EQ(CDC::GetTempCount(), 0u);
    EXPECT_NE(::GetObjectType(hDC), 0u);  // a temporary never deletes its DC

    {
        CDC owner;
        ASSERT_TRUE(owner.Attach(hDC));
        EXPECT_EQ(CDC::FromHandle(hDC), &owner);
        ExpectInvalidArg([&] { owner.CreateCompatibleDC(nullptr); }, "already holds DC");
    }
    EXPECT_EQ(::GetObjectType(hDC), 0u);  // the owner deleted it

    DibCanvas canvas(4, 4);
    ExpectInvalidArg([&] { canvas.dc.TextOut(0, 0, nullptr, 3); }, "the text is null but its length is 3");
    ExpectInvalidArg([&] { canvas.dc.Polygon(nullptr, -1); }, "point count -1 is below 0");
    EXPECT_EQ(canvas.dc.SelectObject(static_cast<CPen*>(nullptr)), nullptr);
}

TEST(CMetaFileDC, RecordsWithoutAnAttributeDC)
{
    CMetaFileDC meta;
    ASSERT_TRUE(meta.CreateEnhanced(nullptr, nullptr, nullptr, nullptr));
    EXPECT_TRUE(meta.IsKindOf(RUNTIME_CLASS(CDC)));
    EXPECT_EQ(meta.m_hAttribDC, nullptr);
    EXPECT_EQ(meta.Close(), nullptr);  // not a Windows metafile
    meta.Rectangle(2, 2, 6, 5);
    HENHMETAFILE hMeta = meta.CloseEnhanced();
    ASSERT_NE(hMeta, nullptr);
    EXPECT_EQ(meta.m_hDC, nullptr);

    // the drawing was recorded where it was made (bounds are inclusive device pixels)
    ENHMETAHEADER header;
    ASSERT_NE(::GetEnhMetaFileHeader(hMeta, sizeof(header), &header), 0u);
    EXPECT_EQ(CRect(header.rclBounds.left, header.rclBounds.top, header.rclBounds.right, header.rclBounds.bottom),
              CRect(2, 2, 5, 4));
    ::DeleteEnhMetaFile(hMeta);

    CMetaFileDC abandoned;  // still recording when destroyed: deleted, nothing leaks or crashes
    ASSERT_TRUE(abandoned.Create());
    abandoned.Rectangle(0, 0, 5, 5);
}

} // namespace

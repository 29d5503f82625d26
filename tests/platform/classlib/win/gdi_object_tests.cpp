// GDI object wrappers: geometric pens, point fonts, regions, ownership and the handle maps.
#include "TestSupport.h"

#include "win/CGdiObject.h"

#include <cstring>
#include <vector>

namespace {

// The full EXTLOGPEN of a pen, with room for its dash entries.
std::vector<DWORD> ReadExtPen(const CPen& pen)
{
    int nBytes = pen.GetObject(0, nullptr);
    std::vector<DWORD> buffer((size_t(nBytes) + sizeof(DWORD) - 1) / sizeof(DWORD) + 1, 0);
    EXPECT_EQ(pen.GetObject(nBytes, buffer.data()), nBytes);
    return buffer;
}

TEST(CPen, GeometricPenWithUserDashes)
{
    LOGBRUSH brush = {BS_SOLID, RGB(200, 10, 20), 0};
    const DWORD dashes[] = {6, 2, 1, 2};
    CPen pen;
    ASSERT_TRUE(pen.CreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT, 3, &brush, 4, dashes));
    EXPECT_EQ(pen.GetObjectType(), DWORD(OBJ_EXTPEN));
    std::vector<DWORD> buffer = ReadExtPen(pen);
    const EXTLOGPEN* pExt = reinterpret_cast<const EXTLOGPEN*>(buffer.data());
    EXPECT_EQ(pExt->elpPenStyle, DWORD(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT));
    EXPECT_EQ(pExt->elpWidth, 3u);
    EXPECT_EQ(pExt->elpBrushStyle, UINT(BS_SOLID));
    EXPECT_EQ(pExt->elpColor, RGB(200, 10, 20));
    ASSERT_EQ(pExt->elpNumEntries, 4u);
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(pExt->elpStyleEntry[i], dashes[i]) << "dash " << i;
}

TEST(CPen, GeometricPenWithPatternBrushDrawsThePattern)
{
    // a vertical stripe pattern: even columns black (0 bits), odd columns white
    WORD rows[8];
    for (WORD& row : rows)
        row = 0x5555;
    CBitmap pattern;
    ASSERT_TRUE(pattern.CreateBitmap(8, 8, 1, 1, rows));
    LOGBRUSH brush = {BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(static_cast<HBITMAP>(pattern))};
    CPen pen;
    ASSERT_TRUE(pen.CreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, 6, &brush));
    std::vector<DWORD> buffer = ReadExtPen(pen);
    EXPECT_EQ(reinterpret_cast<const EXTLOGPEN*>(buffer.data())->elpBrushStyle, UINT(BS_PATTERN));

    DibCanvas canvas(40, 20);
    canvas.dc.SetTextColor(RGB(0, 0, 0));
    canvas.dc.SetBkColor(kWhite);
    CPen* pOld = canvas.dc.SelectObject(&pen);
    canvas.dc.MoveTo(4, 10);
    canvas.dc.LineTo(36, 10);
    canvas.dc.SelectObject(pOld);
    // along the line both colours of the pattern appear; off the line nothing was drawn
    int nBlack = 0, nWhite = 0;
    for (int x = 8; x < 32; x++)
        (canvas.At(x, 10) == RGB(0, 0, 0) ? nBlack : nWhite)++;
    EXPECT_GT(nBlack, 8);
    EXPECT_GT(nWhite, 8);
    EXPECT_EQ(canvas.At(20, 2), kWhite);
}

TEST(CPen, CreationFailuresAndBadArguments)
{
    LOGBRUSH brush = {BS_SOLID, 0, 0};
    CPen pen;
    // GDI refuses user dashes without any dash: FALSE, and the pen stays empty
    EXPECT_FALSE(pen.CreatePen(PS_GEOMETRIC | PS_USERSTYLE, 2, &brush, 0, nullptr));
    EXPECT_EQ(pen.m_hObject, nullptr);
    ExpectInvalidArg([&] { pen.CreatePen(PS_GEOMETRIC, 2, &brush, -1, nullptr); }, "dash count -1 is negative");
    ExpectInvalidArg([&] { pen.CreatePen(PS_GEOMETRIC | PS_USERSTYLE, 2, &brush, 3, nullptr); },
                     "3 dashes given without a dash array");
    ExpectInvalidArg([&] { pen.CreatePen(PS_GEOMETRIC, 2, nullptr); }, "the brush description is null");

    // a second creation would leak the first pen
    ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
    ExpectInvalidArg([&] { pen.CreatePen(PS_DASH, 1, RGB(1, 2, 3)); }, "already holds handle");
    EXPECT_TRUE(pen.DeleteObject());
    EXPECT_TRUE(pen.CreatePen(PS_DASH, 1, RGB(1, 2, 3)));
    LOGPEN logPen;
    ASSERT_EQ(pen.GetLogPen(&logPen), int(sizeof(LOGPEN)));
    EXPECT_EQ(logPen.lopnStyle, UINT(PS_DASH));

    // the creating constructor reports failure as a resource exception
    try {
        CPen bad(PS_GEOMETRIC | PS_USERSTYLE, 2, &brush, 0, nullptr);
        ADD_FAILURE() << "no exception";
    } catch (CResourceException* e) {
        e->Delete();
    }
}

TEST(CFont, PointFontFollowsTheDeviceAndItsMapping)
{
    HDC hScreen = ::GetDC(nullptr);
    const int nScreenDpi = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(nullptr, hScreen);
    const int nPixels = ::MulDiv(120, nScreenDpi, 720);  // 12 points on the screen

    struct Case {
        const char* name;
        int nMapMode;  // of the attribute DC; 0: no DC given
        int nScale;    // MM_ANISOTROPIC: device pixels per logical unit
        LONG expectedHeight;
    } cases[] = {
        {"no DC: the screen", 0, 1, -nPixels},
        {"MM_TEXT", MM_TEXT, 1, -nPixels},
        {"scaled by two", MM_ANISOTROPIC, 2, -nPixels / 2},
        {"twips", MM_TWIPS, 1, -::MulDiv(nPixels, 1440, nScreenDpi)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DibCanvas output(4, 4);
        CDC attrib;
        attrib.CreateCompatibleDC(nullptr);
        if (c.nMapMode != 0) {
            ::SetMapMode(attrib.m_hDC, c.nMapMode);
            if (c.nMapMode == MM_ANISOTROPIC) {
                ::SetWindowExtEx(attrib.m_hDC, 1, 1, nullptr);
                ::SetViewportExtEx(attrib.m_hDC, c.nScale, c.nScale, nullptr);
            }
        }
        // the output DC keeps MM_TEXT: only the attribute DC's mapping may count
        output.dc.SetAttribDC(attrib.m_hDC);
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(120, "Arial", c.nMapMode != 0 ? &output.dc : nullptr));
        LOGFONT logFont;
        ASSERT_EQ(font.GetLogFont(&logFont), int(sizeof(LOGFONT)));
        EXPECT_EQ(logFont.lfHeight, c.expectedHeight);
        EXPECT_STREQ(logFont.lfFaceName, "Arial");
        output.dc.SetAttribDC(output.dc.m_hDC);
    }
}

TEST(CFont, PointFontIndirectKeepsTheOtherFieldsAndCutsLongFaces)
{
    LOGFONT logFont = {};
    logFont.lfHeight = 100;
    logFont.lfWeight = FW_BOLD;
    logFont.lfItalic = TRUE;
    std::strcpy(logFont.lfFaceName, "Courier New");
    CFont font;
    ASSERT_TRUE(font.CreatePointFontIndirect(&logFont));
    LOGFONT back;
    font.GetLogFont(&back);
    EXPECT_LT(back.lfHeight, 0);
    EXPECT_EQ(back.lfWeight, FW_BOLD);
    EXPECT_EQ(back.lfItalic, TRUE);
    EXPECT_STREQ(back.lfFaceName, "Courier New");

    CFont longFace;
    ASSERT_TRUE(longFace.CreatePointFont(90, "A face name that is much longer than thirty-one bytes"));
    longFace.GetLogFont(&back);
    EXPECT_EQ(std::strlen(back.lfFaceName), size_t(LF_FACESIZE - 1));
}

TEST(CGdiObject, FromHandleGivesTheHolderOrATemporaryOfTheHandlesKind)
{
    CGdiObject::DeleteTempMap();
    CBrush brush(RGB(1, 2, 3));
    EXPECT_EQ(CGdiObject::FromHandle(brush.m_hObject), &brush);
    EXPECT_EQ(CBrush::FromHandle(brush), &brush);

    // foreign handles get wrappers of their own kind, the same one until idle
    HGDIOBJ hPen = ::GetStockObject(BLACK_PEN);
    CGdiObject* pPen = CGdiObject::FromHandle(hPen);
    ASSERT_NE(pPen, nullptr);
    EXPECT_TRUE(pPen->IsKindOf(RUNTIME_CLASS(CPen)));
    EXPECT_EQ(CPen::FromHandle(static_cast<HPEN>(hPen)), pPen);
    HRGN hRgn = ::CreateRectRgn(0, 0, 5, 5);
    EXPECT_TRUE(CGdiObject::FromHandle(hRgn)->IsKindOf(RUNTIME_CLASS(CRgn)));
    EXPECT_TRUE(CGdiObject::FromHandle(::GetStockObject(DEFAULT_GUI_FONT))->IsKindOf(RUNTIME_CLASS(CFont)));
    EXPECT_EQ(CGdiObject::FromHandle(nullptr), nullptr);
    EXPECT_EQ(CGdiObject::GetTempCount(), 3u);

    // idle frees the wrappers, never the handles
    CGdiObject::DeleteTempMap();
    EXPECT_EQ(CGdiObject::GetTempCount(), 0u);
    EXPECT_EQ(::GetObjectType(hRgn), DWORD(OBJ_REGION));

    // a detached handle is no longer found as the object's and survives it
    HGDIOBJ hBrush = brush.Detach();
    EXPECT_NE(CGdiObject::FromHandle(hBrush), &brush);
    EXPECT_EQ(brush.m_hObject, nullptr);
    CGdiObject::DeleteTempMap();
    EXPECT_EQ(::GetObjectType(hBrush), DWORD(OBJ_BRUSH));
    ::DeleteObject(hBrush);
    ::DeleteObject(hRgn);
}

TEST(CRgn, AttachDetachAndDeleteThroughATemporary)
{
    CRgn rgn;
    ExpectInvalidArg([&] { rgn.CombineRgn(nullptr, nullptr, RGN_OR); }, "the first region is null");
    EXPECT_FALSE(rgn.Attach(nullptr));
    HRGN hRgn = ::CreateRectRgn(0, 0, 10, 10);
    ASSERT_TRUE(rgn.Attach(hRgn));
    ExpectInvalidArg([&] { rgn.Attach(::GetStockObject(WHITE_BRUSH)); }, "already holds handle");
    EXPECT_EQ(CRgn::FromHandle(hRgn), &rgn);

    CRgn other;
    ASSERT_TRUE(other.CreateRectRgn(5, 5, 20, 20));
    CRgn both;
    EXPECT_EQ(both.CombineRgn(&rgn, &other, RGN_AND), ERROR);  // the target must exist first
    ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(both.CombineRgn(&rgn, &other, RGN_AND), SIMPLEREGION);
    CRect box;
    both.GetRgnBox(&box);
    EXPECT_EQ(box, CRect(5, 5, 10, 10));
    EXPECT_TRUE(both.PtInRegion(5, 9));
    EXPECT_FALSE(both.PtInRegion(10, 9));

    EXPECT_EQ(rgn.Detach(), hRgn);
    // a wrapper made for a foreign handle deletes it for the caller and lets go of it at once
    CRgn* pTemp = CRgn::FromHandle(hRgn);
    ASSERT_NE(pTemp, &rgn);
    EXPECT_TRUE(pTemp->DeleteObject());
    EXPECT_EQ(::GetObjectType(hRgn), 0u);
    EXPECT_EQ(pTemp->m_hObject, nullptr);
    CGdiObject::DeleteTempMap();
}

TEST(CPalette, HalftonePaletteHasEntries)
{
    CPalette palette;
    ASSERT_TRUE(palette.CreateHalftonePalette(nullptr));
    EXPECT_GE(palette.GetEntryCount(), 20);
    PALETTEENTRY first;
    EXPECT_EQ(palette.GetPaletteEntries(0, 1, &first), 1u);
}

} // namespace

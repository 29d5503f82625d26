// The push-button and bitmap cells: the push button's clicks and keys reaching the grid, its size and
// missing frame; the bitmap cell drawing the bitmap of its VARIANT, or the static text without one.
#include "cell_test_support.h"

#include "grid/controls/GXButton.h"
#include "grid/controls/GXDaoBitmap.h"
#include "grid/controls/GXOleVarUserAttribute.h"
#include "grid/controls/GXPushbutton.h"
#include "grid/engine/GXState.h"

#include <cstring>

namespace {

// A bitmap file of nWidth by nHeight pixels of one colour, 24 bits per pixel.
std::vector<BYTE> BitmapFile(int nWidth, int nHeight, COLORREF color)
{
    const int nStride = (nWidth * 3 + 3) / 4 * 4;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = DWORD(file.bfOffBits + nStride * nHeight);
    info.biSize = sizeof(info);
    info.biWidth = nWidth;
    info.biHeight = nHeight;
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::vector<BYTE> bytes(file.bfSize);
    std::memcpy(bytes.data(), &file, sizeof(file));
    std::memcpy(bytes.data() + sizeof(file), &info, sizeof(info));
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x) {
            BYTE* p = bytes.data() + file.bfOffBits + y * nStride + x * 3;
            p[0] = GetBValue(color);
            p[1] = GetGValue(color);
            p[2] = GetRValue(color);
        }
    return bytes;
}

COleVariant ByteVariant(const std::vector<BYTE>& bytes)
{
    CByteArray array;
    array.SetSize(int32_t(bytes.size()));
    std::memcpy(array.GetData(), bytes.data(), bytes.size());
    return COleVariant(array);
}

}  // namespace

TEST(Pushbutton, ClicksAndSpaceReachTheGridAndLeaveTheValue)
{
    CGXStyle column;
    column.SetChoiceList("Press").SetValue("kept");
    CellGridFixture f(GX_IDS_CTRL_PUSHBTN, column);
    f.MakeCurrent(2, 2);
    f.Click(f.CellRect(2, 2).CenterPoint());
    EXPECT_EQ(f.grid.m_buttonClicks, std::vector<std::string>({"2,2"}));
    f.Press(VK_SPACE);
    EXPECT_EQ(f.grid.m_buttonClicks, std::vector<std::string>({"2,2", "2,2"}));
    EXPECT_EQ(f.grid.GetValueRowCol(2, 2), CString("kept"));
    EXPECT_TRUE(f.grid.m_stores.size() <= 1u);  // only the column's style
    CGXPushbutton* pPush = f.Control<CGXPushbutton>();
    EXPECT_STREQ(pPush->GetButton()->GetText(), "Press");
}

TEST(Pushbutton, ShowsNoCurrentCellFrameAndFitsItsCaption)
{
    CTestGridWnd grid;
    grid.CreateGrid(3, 3);
    CGXPushbutton push(&grid);
    DibCanvas canvas(100, 50);
    CGXStyle style;
    style.SetChoiceList("Caption text");
    push.DrawCurrentCellFrame(&canvas.dc, CRect(5, 5, 90, 40), style);
    EXPECT_EQ(CountColour(canvas, CRect(0, 0, 100, 50), RGB(255, 255, 255)), 100 * 50);
    CClientDC dc(&grid);
    CFont* pOld = grid.SelectStyleFont(&dc, style);
    const CSize sizeText = dc.GetTextExtent("Caption text", 12);
    const CSize size = push.CalcSize(&dc, 1, 1, style, nullptr, FALSE);
    if (pOld != nullptr)
        dc.SelectObject(pOld);
    EXPECT_EQ(size, push.AddBorders(CSize(sizeText.cx + 8, sizeText.cy + 4), style));
}

TEST(Pushbutton, TheCaptionTakesTheCellsTextColourAndGreysOnlyWhenDisabled)
{
    const COLORREF kBlue = RGB(0, 0, 255);
    const COLORREF clrGrey = GXGetSysColors()->GetSysColor(COLOR_GRAYTEXT);
    CGXStyle column;
    column.SetChoiceList("WWW").SetTextColor(kBlue);
    CellGridFixture f(GX_IDS_CTRL_PUSHBTN, column);
    f.grid.SetRowHeight(1, 6, 30);
    f.ApplyStyle(3, 2, CGXStyle().SetUserAttribute(GX_IDS_UA_PUSHBUTTONFACECOLOR, "65280"));
    f.ApplyStyle(4, 2, CGXStyle().SetUserAttribute(GX_IDS_UA_PUSHBUTTONFACECOLOR, "65280").SetEnabled(FALSE));
    f.ApplyStyle(5, 2, CGXStyle().SetEnabled(FALSE));
    struct Case {
        ROWCOL nRow;
        COLORREF clrCaption;
        const char* pszWhat;
    };
    const Case cases[] = {{2, kBlue, "plain face"},
                          {3, kBlue, "face colour"},
                          {4, clrGrey, "face colour, disabled"},
                          {5, kBlue, "plain face, disabled: no grey"}};
    for (const Case& c : cases) {
        DibCanvas canvas(480, 360);
        f.DrawCell(canvas, c.nRow, 2);
        CRect rect = f.CellRect(c.nRow, 2);
        rect.DeflateRect(3, 3);
        EXPECT_GT(CountColour(canvas, rect, c.clrCaption), 0) << c.pszWhat;
        EXPECT_EQ(CountColour(canvas, rect, RGB(0, 0, 0)), 0) << c.pszWhat;
    }
}

TEST(DaoBitmap, DrawsTheBitmapOfItsVariantOrElseTheStaticText)
{
    CellGridFixture f(GX_IDS_CTRL_DAOBITMAP);
    f.grid.SetRowHeight(2, 3, 30);
    CGXOleVarUserAttribute picture;
    picture.SetVariant(ByteVariant(BitmapFile(6, 4, RGB(255, 0, 0))));
    f.ApplyStyle(2, 2, CGXStyle().SetUserAttribute(GX_IDS_UA_DAOBITMAP, picture).SetValue("under"));
    f.SetValue(3, 2, "text");
    DibCanvas canvas(480, 360);
    f.DrawCell(canvas, 2, 2);
    CGXDaoBitmap* pBitmap = f.Control<CGXDaoBitmap>();
    CGXComposedStyle style(&f.grid, 2, 2);
    const CRect rectPicture = pBitmap->CGXControl::GetCellRect(2, 2, nullptr, &style.Get());
    EXPECT_EQ(CountColour(canvas, f.CellRect(2, 2), RGB(255, 0, 0)), 6 * 4);
    EXPECT_EQ(canvas.At(rectPicture.left, rectPicture.top), RGB(255, 0, 0));

    // without the attribute: pixel for pixel the static text cell
    DibCanvas asBitmap(480, 360), asStatic(480, 360);
    f.DrawCell(asBitmap, 3, 2);
    CGXStatic text(&f.grid);
    CGXComposedStyle plain(&f.grid, 3, 2);
    text.Draw(&asStatic.dc, f.CellRect(3, 2), 3, 2, plain.Get(), nullptr);
    int nDiffer = 0, nDrawn = 0;
    const CRect rect = f.CellRect(3, 2);
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x) {
            nDiffer += asBitmap.At(x, y) != asStatic.At(x, y) ? 1 : 0;
            nDrawn += asStatic.At(x, y) != RGB(255, 255, 255) ? 1 : 0;
        }
    EXPECT_EQ(nDiffer, 0);
    EXPECT_GT(nDrawn, 0);
}

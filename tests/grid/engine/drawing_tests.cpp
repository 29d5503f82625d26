// The drawing and formatting services: pattern bitmaps, text layout and drawing with ellipses, text
// hit-testing, 3D rectangles, DIB headers and choice lists. Positions come from measured text.
#include "library_test_support.h"

#include "grid/engine/GXChoiceList.h"
#include "grid/engine/GXDrawing.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// The pattern table the grid offers: one byte per row, bit 7 the left pixel.
const BYTE kExpectedPatterns[41][8] = {
    {0x44, 0x11, 0x44, 0x11, 0x44, 0x11, 0x44, 0x11}, {0x55, 0xaa, 0x55, 0xaa, 0x55, 0xaa, 0x55, 0xaa},
    {0xbb, 0xee, 0xbb, 0xee, 0xbb, 0xee, 0xbb, 0xee}, {0xee, 0xff, 0xbb, 0xff, 0xee, 0xff, 0xbb, 0xff},
    {0xff, 0xff, 0xee, 0xff, 0xff, 0xff, 0xbb, 0xff}, {0xfb, 0xff, 0xbf, 0xff, 0xfa, 0xff, 0xaf, 0xff},
    {0xff, 0xff, 0x00, 0x00, 0xff, 0xff, 0x00, 0x00}, {0xcc, 0xcc, 0xcc, 0xcc, 0xcc, 0xcc, 0xcc, 0xcc},
    {0x55, 0xcc, 0x99, 0x44, 0x55, 0xcc, 0x99, 0x44}, {0x44, 0x99, 0xcc, 0x55, 0x44, 0x99, 0xcc, 0x55},
    {0x55, 0x55, 0x99, 0x99, 0x55, 0x55, 0x99, 0x99}, {0x55, 0x00, 0x99, 0x00, 0x55, 0x00, 0x99, 0x00},
    {0xff, 0x00, 0xff, 0xff, 0xff, 0x00, 0xff, 0xff}, {0xdd, 0xdd, 0xdd, 0xdd, 0xdd, 0xdd, 0xdd, 0xdd},
    {0xee, 0xdd, 0xbb, 0x77, 0xee, 0xdd, 0xbb, 0x77}, {0x77, 0xbb, 0xdd, 0xee, 0x77, 0xbb, 0xdd, 0xee},
    {0xee, 0x00, 0xee, 0xee, 0xee, 0x00, 0xee, 0xee}, {0xee, 0x55, 0xbb, 0x55, 0xee, 0xbb, 0x55, 0xee},
    {0x88, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff}, {0xfe, 0xff, 0xfe, 0xff, 0xfe, 0xff, 0xfe, 0xff},
    {0xfe, 0xff, 0xfb, 0xff, 0xef, 0xff, 0xbf, 0xff}, {0xf7, 0xff, 0xfd, 0xff, 0x7f, 0xff, 0xdf, 0xff},
    {0x88, 0xff, 0xfe, 0xff, 0xfe, 0xff, 0xfe, 0xff}, {0x00, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff},
    {0xfe, 0xfe, 0xfe, 0xfe, 0xfe, 0xfe, 0xfe, 0xfe}, {0xfe, 0xfd, 0xfb, 0xf7, 0xef, 0xdf, 0xbf, 0x7f},
    {0xf7, 0xfb, 0xfd, 0xfe, 0x7f, 0xbf, 0xdf, 0xef}, {0x00, 0xfe, 0xfe, 0xfe, 0xfe, 0xfe, 0xfe, 0xfe},
    {0x00, 0x00, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff}, {0xf3, 0xf3, 0xf3, 0xf3, 0xf3, 0xf3, 0xf3, 0xf3},
    {0xf3, 0xf9, 0xfc, 0x7e, 0x3f, 0x9f, 0xcf, 0xe7}, {0xe7, 0xcf, 0x9f, 0x3f, 0x7e, 0xfc, 0xf9, 0xf3},
    {0x00, 0x00, 0xf3, 0xf3, 0xf3, 0xf3, 0xf3, 0xf3}, {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11},
    {0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55}, {0xb1, 0xb1, 0xb1, 0xb1, 0xb1, 0xb1, 0xb1, 0xb1},
    {0x51, 0x51, 0x51, 0x51, 0x51, 0x51, 0x51, 0x51}, {0x00, 0x00, 0x00, 0xff, 0x00, 0x00, 0x00, 0xff},
    {0x00, 0xff, 0x00, 0xff, 0x00, 0xff, 0x00, 0xff}, {0x00, 0x00, 0x00, 0xff, 0xff, 0x00, 0xff, 0xff},
    {0x00, 0x00, 0x00, 0xff, 0x00, 0xff, 0x00, 0xff}};

CGXDrawingAndFormatting& Drawing()
{
    return *GetDrawingAndFormatting();
}

}  // namespace

TEST(Drawing, PatternBitmapsMatchTheTableBitForBit)
{
    for (int i = 0; i < 41; ++i) {
        SCOPED_TRACE(i);
        CBitmap* pBitmap = Drawing().GetPatternBitmap(i);
        ASSERT_NE(pBitmap, nullptr);
        EXPECT_EQ(Drawing().GetPatternBitmap(i), pBitmap) << "made once";
        BITMAP bm = {};
        pBitmap->GetBitmap(&bm);
        EXPECT_EQ(bm.bmWidth, 8);
        EXPECT_EQ(bm.bmHeight, 8);
        EXPECT_EQ(bm.bmBitsPixel, 1);
        BYTE bits[16] = {};  // rows padded to 16 bits
        ASSERT_EQ(pBitmap->GetBitmapBits(sizeof bits, bits), sizeof bits);
        for (int row = 0; row < 8; ++row)
            EXPECT_EQ(bits[2 * row], kExpectedPatterns[i][row]) << "row " << row;
    }
    EXPECT_EQ(Drawing().GetPatternBitmap(41), nullptr);
    EXPECT_EQ(Drawing().GetPatternBitmap(-1), nullptr);

    // a patterned brush carries the bitmap
    CGXCellBrush brush;
    brush.SetPattern(7);
    const LOGBRUSH lb = brush.GetLogBrush();
    EXPECT_EQ(lb.lbStyle, UINT(BS_PATTERN));
    EXPECT_EQ(lb.lbHatch, reinterpret_cast<ULONG_PTR>(Drawing().GetPatternBitmap(7)->m_hObject));
}

TEST(Drawing, PoundEllipsisShowsAsManyPoundsAsFit)
{
    CRecordingDC dc;
    const int cxPound = dc.Width("#");
    ASSERT_GT(cxPound, 0);
    const UINT nFormat = DT_SINGLELINE | DT_NOPREFIX;
    Drawing().DrawTextEllipsis(&dc, "12345678.25", -1, CRect(10, 10, 30, 30), nFormat, nullptr,
                               CGXDrawingAndFormatting::gxPoundEllipsis);
    ASSERT_EQ(dc.m_texts.size(), 1u);
    EXPECT_EQ(dc.m_texts[0].text, std::string(size_t(20 / cxPound), '#'));

    // narrower than one "#": one clipped "#"; a text that fits is drawn as it is
    Drawing().DrawTextEllipsis(&dc, "12345", -1, CRect(10, 10, 10 + cxPound - 1, 30), nFormat, nullptr,
                               CGXDrawingAndFormatting::gxPoundEllipsis);
    Drawing().DrawTextEllipsis(&dc, "1", -1, CRect(10, 10, 200, 30), nFormat, nullptr,
                               CGXDrawingAndFormatting::gxPoundEllipsis);
    ASSERT_EQ(dc.m_texts.size(), 3u);
    EXPECT_EQ(dc.m_texts[1].text, "#");
    EXPECT_EQ(dc.m_texts[2].text, "1");
}

TEST(Drawing, DottedEllipsisEndsTheLastShownLine)
{
    CRecordingDC dc;
    const int nLine = dc.LineHeight();
    // two words, one line of room: the first line ends in dots, cut to the width
    const int cxWidth = dc.Width("alpha...");
    Drawing().DrawTextEllipsis(&dc, "alphabet soup", -1, CRect(0, 0, cxWidth, nLine), DT_WORDBREAK, nullptr,
                               CGXDrawingAndFormatting::gxDotEllipsis);
    ASSERT_EQ(dc.m_texts.size(), 1u);
    EXPECT_EQ(dc.m_texts[0].text, "alpha...");
    // the text's last line keeps its letters
    Drawing().DrawTextEllipsis(&dc, "soup", -1, CRect(0, 0, cxWidth, nLine), DT_WORDBREAK, nullptr,
                               CGXDrawingAndFormatting::gxDotEllipsis);
    EXPECT_EQ(dc.m_texts.back().text, "soup");

    // with room for less than one more line and three quarters, the first line takes the dots and
    // the text after them is not shown
    dc.m_texts.clear();
    const int cxTwoWords = dc.Width("alpha beta");
    Drawing().DrawTextEllipsis(&dc, "alpha beta gamma", -1, CRect(0, 0, cxTwoWords, 2 * nLine), DT_WORDBREAK,
                               nullptr, CGXDrawingAndFormatting::gxDotEllipsis);
    ASSERT_EQ(dc.m_texts.size(), 1u);
    const std::string shown = dc.m_texts[0].text;
    EXPECT_EQ(shown.substr(shown.size() - 3), "...");
    EXPECT_LE(dc.Width(shown.c_str()), cxTwoWords);
}

TEST(Drawing, WrappedTextBreaksAtWordsAndStopsAt32Lines)
{
    CRecordingDC dc;
    const int nLine = dc.LineHeight();
    const int cxTwoWords = dc.Width("alpha beta");
    const char* pszText = "alpha beta gamma";
    int anStarts[32], anLengths[32];
    CRect rect(0, 0, cxTwoWords, 10 * nLine);
    EXPECT_EQ(Drawing().BreakTextLines(&dc, pszText, -1, rect, DT_WORDBREAK, anStarts, anLengths, 32), 2);
    EXPECT_EQ(std::string(pszText + anStarts[1], anLengths[1]), "gamma");
    EXPECT_EQ(Drawing().CountTextLines(&dc, pszText, -1, rect, 0), 1) << "without word breaking";
    EXPECT_EQ(Drawing().CountTextLines(&dc, "a\r\nb\nc\rd", -1, rect, DT_WORDBREAK), 4);
    EXPECT_EQ(Drawing().CountTextLines(&dc, pszText, -1, CRect(0, 0, cxTwoWords, nLine), DT_WORDBREAK), 1)
        << "one line of room";

    // a word wider than the rectangle is cut at the last character that fits
    const int cxAl = dc.Width("al");
    CRect narrow(0, 0, cxAl, 10 * nLine);
    ASSERT_GE(Drawing().BreakTextLines(&dc, "alpha", -1, narrow, DT_WORDBREAK, anStarts, anLengths, 32), 2);
    EXPECT_EQ(anLengths[0], 2);

    // centred vertically: the top moves down by half the free height (with the external leading)
    CRect centred(0, 0, 300, 100);
    Drawing().BreakTextLines(&dc, "x", -1, centred, DT_VCENTER | DT_SINGLELINE, anStarts, anLengths, 32);
    EXPECT_GT(centred.top, 30);

    std::string tall;
    for (int i = 0; i < 40; ++i)
        tall += "line\n";
    Drawing().DrawTextWrapped(&dc, tall.c_str(), -1, CRect(0, 0, 300, 40 * nLine + 100), DT_WORDBREAK);
    ASSERT_EQ(dc.m_texts.size(), 32u);
    EXPECT_EQ(dc.m_texts[1].y - dc.m_texts[0].y, nLine > 19 ? nLine - 1 : nLine);

    // right aligned: the line ends at the rectangle's right
    dc.m_texts.clear();
    Drawing().DrawTextWrapped(&dc, "abc", -1, CRect(10, 0, 210, nLine), DT_RIGHT | DT_SINGLELINE);
    ASSERT_EQ(dc.m_texts.size(), 1u);
    EXPECT_EQ(dc.m_texts[0].x, 210 - dc.Width("abc"));
}

TEST(Drawing, HitTestFindsTheCharacterUnderThePoint)
{
    CRecordingDC dc;
    const CRect rect(10, 10, 300, 60);
    const int y = 10 + dc.LineHeight() / 2;
    const int xInB = 10 + dc.Width("a") + 1;
    EXPECT_EQ(Drawing().HitTestText(&dc, "abc", -1, rect, DT_SINGLELINE, CPoint(xInB, y)), 1);
    EXPECT_EQ(Drawing().HitTestText(&dc, "abc", -1, rect, DT_SINGLELINE, CPoint(11, y)), 0);
    EXPECT_EQ(Drawing().HitTestText(&dc, "abc", -1, rect, DT_SINGLELINE, CPoint(10 + dc.Width("abc") + 5, y)), -1)
        << "beyond the end";
    EXPECT_EQ(Drawing().HitTestText(&dc, "abc", -1, rect, DT_SINGLELINE, CPoint(xInB, 5)), -1) << "above";
    EXPECT_EQ(Drawing().HitTestText(&dc, "abc", -1, rect, DT_SINGLELINE, CPoint(xInB, 59)), -1) << "below the line";
}

TEST(Drawing, Draw3dRectDrawsOneRingPerPixelOfWidth)
{
    DibCanvas canvas(20, 20);
    const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255);
    canvas.dc.SetBkColor(RGB(1, 2, 3));
    Drawing().Draw3dRect(&canvas.dc, 2, 2, 11, 11, 2, red, blue);
    EXPECT_EQ(canvas.dc.GetBkColor(), RGB(1, 2, 3));
    const struct {
        int x, y;
        COLORREF color;
    } pixels[] = {{2, 2, red},    {6, 2, red},   {2, 6, red},   {11, 6, blue}, {6, 11, blue}, {11, 11, blue},
                  {3, 3, red},    {6, 3, red},   {10, 6, blue}, {6, 10, blue}, {4, 4, kWhite}, {9, 6, kWhite},
                  {12, 12, kWhite}, {1, 1, kWhite}};
    for (const auto& p : pixels)
        EXPECT_EQ(canvas.At(p.x, p.y), p.color) << "(" << p.x << ", " << p.y << ")";
}

TEST(Drawing, DibColourTables)
{
    const struct {
        WORD nBits;
        DWORD nUsed;
        int nColors;
    } cases[] = {{24, 0, 0}, {32, 0, 0}, {8, 0, 256}, {4, 0, 16}, {1, 0, 2}, {8, 5, 5}};
    for (const auto& c : cases) {
        BITMAPINFOHEADER header = {};
        header.biSize = sizeof header;
        header.biBitCount = c.nBits;
        header.biClrUsed = c.nUsed;
        EXPECT_EQ(GetDIBNumColors(&header), c.nColors) << c.nBits << " bits, " << c.nUsed << " used";
    }
    HGLOBAL hDib = LoadResourceDIB(AfxGetInstanceHandle(), MAKEINTRESOURCEA(GX_IDB_DROPARROW));
    ASSERT_NE(hDib, nullptr);
    const auto* pHeader = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(hDib));
    EXPECT_EQ(pHeader->biWidth, 7);
    EXPECT_EQ(GetDIBNumColors(pHeader), 16);
    ::GlobalUnlock(hDib);
    ::GlobalFree(hDib);
    EXPECT_EQ(LoadResourceDIB(AfxGetInstanceHandle(), MAKEINTRESOURCEA(1)), nullptr);
}

TEST(ChoiceList, LinesAndFields)
{
    const struct {
        const char* pszList;
        int nBreak;
        const char* pszLine;
        const char* pszRest;
    } lines[] = {{"a\r\nb", 1, "a", "b"}, {"abc", -1, "abc", ""}, {"a\rb\n", 1, "a", "b\n"},
                 {"\nx", 0, "", "x"},     {"", -1, "", ""}};
    for (const auto& c : lines) {
        CString strList(c.pszList), strLine;
        EXPECT_EQ(ExtractFirstLine(strList, strLine), c.nBreak) << c.pszList;
        EXPECT_STREQ(strLine, c.pszLine);
        EXPECT_STREQ(strList, c.pszRest);
    }

    char field[8];
    const struct {
        const char* pszLine;
        int nField;
        int nSize;
        const char* pszField;
    } fields[] = {{"one\ttwo", 0, 8, "one"}, {"one\ttwo", 1, 8, "two"}, {"one\ttwo", 2, 8, ""},
                  {"one\t\tthree", 1, 8, ""}, {"longfield", 0, 5, "long"}};
    for (const auto& c : fields) {
        std::memset(field, 'x', sizeof field);
        CopyTabField(c.pszLine, c.nField, field, c.nSize);
        EXPECT_STREQ(field, c.pszField) << c.pszLine << " field " << c.nField;
    }

    const char* pszList = "Code\tName\nb2\tBeta\nA1\tAlpha\na12\tAlps";
    CString strLine;
    EXPECT_EQ(FindChoiceListEntry("a1", 0, pszList, TRUE, strLine, FALSE), 1);
    EXPECT_STREQ(strLine, "A1\tAlpha");
    EXPECT_EQ(FindChoiceListEntry("a1", 0, pszList, TRUE, strLine, TRUE), -1) << "exact matching keeps case";
    EXPECT_STREQ(strLine, "");
    EXPECT_EQ(FindChoiceListEntry("Alps", 1, pszList, TRUE, strLine, TRUE), 2);
    EXPECT_EQ(FindChoiceListEntry("Code", 0, pszList, FALSE, strLine, TRUE), 0) << "the title counts without skipping";

    CString strSorted(pszList);
    SortChoiceList(strSorted, TRUE);
    EXPECT_STREQ(strSorted, "Code\tName\nA1\tAlpha\na12\tAlps\nb2\tBeta");
    const int nPrevious = SetChoiceListSortColumn(1);
    SortChoiceList(strSorted, TRUE);
    SetChoiceListSortColumn(nPrevious);
    EXPECT_STREQ(strSorted, "Code\tName\nA1\tAlpha\na12\tAlps\nb2\tBeta");
    CString strByName("x\tzeta\ny\talpha");
    SetChoiceListSortColumn(1);
    SortChoiceList(strByName, FALSE);
    SetChoiceListSortColumn(nPrevious);
    EXPECT_STREQ(strByName, "y\talpha\nx\tzeta");
}

// The page viewer on fixed pages: the page of the two graphs laid out and drawn on a memory DC (text
// positions from measured text, images at their own size, one of them written by Graphviz), a table
// of what pages hold, the layout for paper, and the window's scrolling.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

#include "TestSupport.h"

#include "native/GraphvizRenderer.h"
#include "pageview/PageLayout.h"
#include "pageview/PageView.h"

namespace {

std::vector<char> ReadHostFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << path;
    return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A folder of the host's temporary directory for one test's page and images, removed at the end.
class PageFolder {
public:
    PageFolder()
    {
        m_host = ::testing::TempDir() + "ondrix_pageview_" + std::to_string(getpid()) + "/";
        ::CreateDirectoryA(WindowsPath(m_host).c_str(), nullptr);
    }
    ~PageFolder()
    {
        for (const std::string& name : m_files)
            std::remove((m_host + name).c_str());
        ::RemoveDirectoryA(WindowsPath(m_host).c_str());
    }
    // Writes bytes into the file `name` of the folder.
    void Write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(m_host + name, std::ios::binary) << bytes;
        m_files.push_back(name);
    }
    // Copies the test image `name` (tests/data/image/gif) into the folder, under the name `as` (its
    // own when empty).
    void CopyImage(const std::string& name, const std::string& as = "")
    {
        const char* root = std::getenv("ONDRIX_TEST_DATA");
        ASSERT_NE(root, nullptr);
        const std::vector<char> bytes = ReadHostFile(std::string(root) + "/image/gif/" + name);
        Write(as.empty() ? name : as, std::string(bytes.begin(), bytes.end()));
    }
    // Renders dot into the file `name` with Graphviz.
    void Render(const std::string& name, const std::string& dot)
    {
        ASSERT_EQ(RenderDotToGifFile(dot, m_host + name), GRAPH_RENDER_OK);
        m_files.push_back(name);
    }
    std::string Host(const std::string& name) const { return m_host + name; }
    // The Windows path of a file of the folder (the folder's own with an empty name).
    std::string Path(const std::string& name) const { return WindowsPath(m_host) + name; }

private:
    static std::string WindowsPath(const std::string& host)
    {
        WCHAR* wide = wine_get_dos_file_name(host.c_str());
        char path[MAX_PATH] = {};
        ::WideCharToMultiByte(CP_ACP, 0, wide, -1, path, sizeof path, nullptr, nullptr);
        ::HeapFree(::GetProcessHeap(), 0, wide);
        std::string result = path;
        if (!result.empty() && result.back() != '\\')
            result += '\\';
        return result;
    }

    std::string m_host;
    std::vector<std::string> m_files;
};

// The width and height of a GIF file from its screen descriptor.
SIZE GifSize(const std::vector<char>& bytes)
{
    auto word = [&](size_t at) { return LONG(uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8); };
    return bytes.size() >= 10 ? SIZE{word(6), word(8)} : SIZE{0, 0};
}

// Whether some pixel of rect on canvas is not white.
bool Inked(const DibCanvas& canvas, const RECT& rect)
{
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (canvas.At(x, y) != kWhite)
                return true;
    return false;
}

// The text and heading fonts as a browser makes them, for measuring.
class MeasuredFont {
public:
    MeasuredFont(HDC hdc, int height, bool bold) : m_hdc(hdc)
    {
        m_font = ::CreateFontA(-height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0,
                               0, FF_ROMAN, "Times New Roman");
        m_old = ::SelectObject(hdc, m_font);
        ::GetTextMetricsA(hdc, &tm);
    }
    ~MeasuredFont()
    {
        ::SelectObject(m_hdc, m_old);
        ::DeleteObject(m_font);
    }
    LONG Width(const std::string& text) const
    {
        SIZE size = {};
        ::GetTextExtentPoint32A(m_hdc, text.c_str(), int(text.size()), &size);
        return size.cx;
    }
    TEXTMETRICA tm = {};

private:
    HDC m_hdc;
    HFONT m_font;
    HGDIOBJ m_old;
};

LONG Width(const RECT& r)
{
    return r.right - r.left;
}
LONG Height(const RECT& r)
{
    return r.bottom - r.top;
}

const int kText = 0, kH1 = 1, kH2 = 2;

// The page of the two graphs as the program writes it after a solve.
const char kGraphsPage[] =
    "<HTML>\n<head>\n<title>Results graphs</title>\n</head>\n<BODY>\n"
    "<H2> Partial preorder graph (strong outranking) </H2>\n"
    "<IMG SRC=\"graph_part.gif\" ALT=\"partial preorder graph\">\n"
    "<BR>Reference alternatives with high credibility are represented by green nodes<BR>\n"
    "Preference arches related to the high credibility reference ranking are printed in green<BR>\n"
    "<H2> Complete preorder graph (weak outranking) </H2>\n"
    "<IMG SRC=\"graph_weak.gif\" ALT=\"complete preorder graph\">\n"
    "<BR> No arc between alternatives means indifference. <BR>Other alternatives mutually indifferent and "
    "indifferent with each alternative from the graph: <BR>\nz<BR>\n</BODY>\n</HTML>\n";

TEST(PageView, ThePageOfTheTwoGraphs)
{
    PageFolder folder;
    folder.CopyImage("noise_interlaced.gif", "graph_part.gif");
    folder.Render("graph_weak.gif",
                  "digraph G {x [label=\"x\", fontsize=10]; y [label=\"y\", fontsize=10]; x -> y; } ");
    folder.Write("graph.htm", kGraphsPage);
    const SIZE graphviz = GifSize(ReadHostFile(folder.Host("graph_weak.gif")));
    ASSERT_GT(graphviz.cx, 0);

    PageContent content;
    ASSERT_TRUE(content.Load(folder.Path("graph.htm").c_str()));
    DibCanvas canvas(1000, 900);
    const PageLayout layout(content, canvas.dc.m_hDC, 1000, 96, 96);
    const std::vector<PageBox>& boxes = layout.GetBoxes();

    struct Expected {
        PageBox::Kind kind;
        int font;
        const char* text;
    } expected[] = {
        {PageBox::Text, kH2, "Partial preorder graph (strong outranking)"},
        {PageBox::Picture, 0, ""},
        {PageBox::Text, kText, "Reference alternatives with high credibility are represented by green nodes"},
        {PageBox::Text, kText,
         "Preference arches related to the high credibility reference ranking are printed in green"},
        {PageBox::Text, kH2, "Complete preorder graph (weak outranking)"},
        {PageBox::Picture, 0, ""},
        {PageBox::Text, kText, "No arc between alternatives means indifference."},
        {PageBox::Text, kText,
         "Other alternatives mutually indifferent and indifferent with each alternative from the graph:"},
        {PageBox::Text, kText, "z"},
    };
    ASSERT_EQ(boxes.size(), std::size(expected));
    for (size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(boxes[i].kind, expected[i].kind) << i;
        if (expected[i].kind == PageBox::Text) {
            EXPECT_EQ(boxes[i].font, expected[i].font) << i;
            EXPECT_EQ(boxes[i].text, expected[i].text) << i;
        }
    }

    // Positions from measured text: a heading 20 below the top (the page's margin of 8 counts in it),
    // each picture 20 below its heading at its own size, a text line below a picture's line (which
    // keeps the text's descent under the picture), and lines one text line apart.
    const MeasuredFont heading(canvas.dc.m_hDC, 24, true);
    const LONG headingWidth = heading.Width(expected[0].text);
    const LONG headingHeight = heading.tm.tmHeight;
    const LONG secondHeadingWidth = heading.Width(expected[4].text);
    const MeasuredFont text(canvas.dc.m_hDC, 16, false);
    const RECT& first = boxes[0].rect;
    EXPECT_EQ(first.left, 8);
    EXPECT_EQ(first.top, 20);
    EXPECT_EQ(Width(first), headingWidth);
    EXPECT_EQ(Height(first), headingHeight);
    const RECT& partial = boxes[1].rect;
    EXPECT_EQ(partial.left, 8);
    EXPECT_EQ(partial.top, first.bottom + 20);
    EXPECT_EQ(Width(partial), 112);
    EXPECT_EQ(Height(partial), 80);
    EXPECT_EQ(boxes[2].rect.top, partial.bottom + text.tm.tmDescent);
    EXPECT_EQ(Width(boxes[2].rect), text.Width(expected[2].text));
    EXPECT_EQ(boxes[3].rect.top, boxes[2].rect.bottom);
    EXPECT_EQ(boxes[4].rect.top, boxes[3].rect.bottom + 20);
    EXPECT_EQ(Width(boxes[4].rect), secondHeadingWidth);
    const RECT& weak = boxes[5].rect;
    EXPECT_EQ(weak.top, boxes[4].rect.bottom + 20);
    EXPECT_EQ(Width(weak), graphviz.cx);
    EXPECT_EQ(Height(weak), graphviz.cy);
    EXPECT_EQ(boxes[6].rect.top, weak.bottom + text.tm.tmDescent);
    EXPECT_EQ(boxes[7].rect.top, boxes[6].rect.bottom);
    EXPECT_EQ(boxes[8].rect.top, boxes[7].rect.bottom);
    EXPECT_EQ(boxes[8].rect.left, 8);
    EXPECT_EQ(layout.GetSize().cy, boxes[8].rect.bottom + 8);

    // Drawn: ink in the headings and lines, the pictures' own pixels, white in the margin.
    ASSERT_LT(layout.GetSize().cy, 900);
    layout.Draw(canvas.dc.m_hDC, POINT{0, 0}, RECT{0, 0, 1000, 900});
    for (size_t i : {0, 2, 4, 6, 8})
        EXPECT_TRUE(Inked(canvas, boxes[i].rect)) << i;
    const std::vector<uint8_t>& noise = content.pictures[0].bgrx;
    for (int y : {0, 40, 79})
        for (int x : {0, 57, 111}) {
            const uint8_t* p = &noise[size_t(y * 112 + x) * 4];
            EXPECT_EQ(canvas.At(partial.left + x, partial.top + y), RGB(p[2], p[1], p[0]));
        }
    EXPECT_TRUE(Inked(canvas, weak));
    EXPECT_FALSE(Inked(canvas, RECT{0, 0, 8, layout.GetSize().cy}));
}

// Lays out page (read as if from the folder) at width and resolution; returns the boxes as
// "font:text" strings (pictures as "picture:W x H").
std::vector<std::string> Laid(const PageFolder& folder, const char* page, int width = 800, int dpi = 96,
                              std::vector<PageBox>* pBoxes = nullptr)
{
    PageContent content;
    content.SetText(page, folder.Path("").c_str());
    DibCanvas canvas(1, 1);
    const PageLayout layout(content, canvas.dc.m_hDC, width, dpi, dpi);
    std::vector<std::string> laid;
    for (const PageBox& box : layout.GetBoxes())
        laid.push_back(box.kind == PageBox::Text ? std::to_string(box.font) + ":" + box.text
                                                 : "picture:" + std::to_string(Width(box.rect)) + " x " +
                                                       std::to_string(Height(box.rect)));
    if (pBoxes != nullptr)
        *pBoxes = layout.GetBoxes();
    return laid;
}

TEST(PageView, WhatPagesHold)
{
    PageFolder folder;
    folder.CopyImage("noise_interlaced.gif");
    folder.Write("not_a_picture.gif", "GIF89a, but nothing more");
    struct Case {
        const char* what;
        const char* page;
        std::vector<std::string> laid;
        int dpi;
    } cases[] = {
        {"a missing image shows its ALT text", "Before <IMG SRC=\"missing.gif\" ALT=\"lost picture\"> after",
         {"0:Before lost picture after"}, 96},
        {"so does one that cannot be read", "<IMG SRC=\"not_a_picture.gif\" ALT=\"bad picture\">",
         {"0:bad picture"}, 96},
        {"an image from the page's folder", "<img alt=x src=noise_interlaced.gif>", {"picture:112 x 80"}, 96},
        {"scaled for the device", "<IMG SRC='noise_interlaced.gif'>", {"picture:224 x 160"}, 192},
        {"an unknown tag is skipped, the text after it kept", "a<FONT color=\"red\">b</FONT> c<BLINK>d",
         {"0:ab cd"}, 96},
        {"head, title and comments are not shown",
         "<HTML><HEAD><TITLE>Title</TITLE><META x>meta</HEAD><!-- <H1>no</H1> --><BODY>body</BODY></HTML>",
         {"0:body"}, 96},
        {"a lone '<' is text", "a < b <3", {"0:a < b <3"}, 96},
        {"tags in lower case", "<h1>one</h1><h2>two</h2>three", {"1:one", "2:two", "0:three"}, 96},
        {"blanks run together", "  many \n\t blanks  <BR>  here", {"0:many blanks", "0:here"}, 96},
        {"a tag that never ends ends the page", "shown<IMG SRC=\"x.gif", {"0:shown"}, 96},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Laid(folder, c.page, 800, c.dpi), c.laid) << c.what;

    // A line break on an empty line is an empty line of text.
    std::vector<PageBox> boxes;
    Laid(folder, "a<BR><BR>b", 800, 96, &boxes);
    DibCanvas canvas(1, 1);
    const MeasuredFont text(canvas.dc.m_hDC, 16, false);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].rect.top - boxes[0].rect.top, 2 * text.tm.tmHeight);

    // Words wrap at the width; a word wider than the line stands alone and reaches past it.
    const int width = 16 + text.Width("aaa bbb") + text.Width(" ") / 2;
    EXPECT_EQ(Laid(folder, "aaa bbb ccc", width), (std::vector<std::string>{"0:aaa bbb", "0:ccc"}));
    EXPECT_EQ(Laid(folder, "a <IMG SRC=noise_interlaced.gif> b", 60),
              (std::vector<std::string>{"0:a", "picture:112 x 80", "0:b"}));
}

// A page read again takes over the pictures of files unchanged since, instead of decoding them again
// (a solve's graphs are shown twice in a row, and decoding them took a tenth of a second at a hundred
// alternatives); a file rewritten since is read anew.
TEST(PageView, APageReadAgainKeepsThePicturesOfUnchangedFiles)
{
    PageFolder folder;
    folder.CopyImage("noise_interlaced.gif", "graph.gif");
    folder.Write("page.htm", "<IMG SRC=\"graph.gif\">");
    PageContent content;
    ASSERT_TRUE(content.Load(folder.Path("page.htm").c_str()));
    ASSERT_EQ(content.pictures.size(), 1u);
    // a mark in the picture held: a picture decoded again would not carry it
    content.pictures[0].bgrx[0] ^= 0xFF;
    const std::vector<uint8_t> held = content.pictures[0].bgrx;

    folder.Write("page.htm", "Again: <IMG SRC=\"graph.gif\">");
    ASSERT_TRUE(content.Load(folder.Path("page.htm").c_str()));
    ASSERT_EQ(content.pictures.size(), 1u);
    EXPECT_EQ(content.pictures[0].bgrx, held);

    // rewritten: read anew
    folder.CopyImage("one_colour_run.gif", "graph.gif");
    ASSERT_TRUE(content.Load(folder.Path("page.htm").c_str()));
    ASSERT_EQ(content.pictures.size(), 1u);
    EXPECT_NE(content.pictures[0].width * 1000 + content.pictures[0].height, 112 * 1000 + 80);
    folder.CopyImage("noise_interlaced.gif", "graph.gif");
    ASSERT_TRUE(content.Load(folder.Path("page.htm").c_str()));
    ASSERT_EQ(content.pictures.size(), 1u);
    EXPECT_NE(content.pictures[0].bgrx, held);
}

class PageWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(PageView_Register(::GetModuleHandleA(nullptr)));
        hParent = ::CreateWindowExA(0, "STATIC", "page", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                    nullptr, nullptr);
        // other test programs share the display: take no focus
        ::ShowWindow(hParent, SW_SHOWNOACTIVATE);
        hView = ::CreateWindowExA(0, PAGEVIEW_CLASS, "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, hParent, nullptr,
                                  nullptr, nullptr);
        ASSERT_NE(hView, nullptr);
    }
    void TearDown() override { ::DestroyWindow(hParent); }

    SCROLLINFO Bar(int nBar) const
    {
        SCROLLINFO info = {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
        ::GetScrollInfo(hView, nBar, &info);
        return info;
    }
    RECT Client() const
    {
        RECT rect;
        ::GetClientRect(hView, &rect);
        return rect;
    }

    PageFolder folder;
    HWND hParent = nullptr;
    HWND hView = nullptr;
};

// Laid out for paper, which does not scroll: an image wider than the line is drawn as wide as the line
// in its proportions, and the page is cut into sheets between lines; a line higher than a sheet goes
// on over as many as it needs.
TEST(PageView, OnPaperWideImagesFitTheLineAndSheetsEndBetweenLines)
{
    PageFolder folder;
    folder.CopyImage("noise_interlaced.gif"); // 112 x 80
    PageContent content;
    content.SetText("<IMG SRC=\"noise_interlaced.gif\">", folder.Path("").c_str());
    DibCanvas canvas(1, 1);
    {
        // lines of 100 - 2 x 8 pixels: the image 84 wide and 60 high on paper, its own size on the screen
        const PageLayout paper(content, canvas.dc.m_hDC, 100, 96, 96, true);
        ASSERT_EQ(paper.GetBoxes().size(), 1u);
        EXPECT_EQ(Width(paper.GetBoxes()[0].rect), 84);
        EXPECT_EQ(Height(paper.GetBoxes()[0].rect), 60);
        const PageLayout screen(content, canvas.dc.m_hDC, 100, 96, 96);
        EXPECT_EQ(Width(screen.GetBoxes()[0].rect), 112);
        // the page, 8 + 60 + 8 high, on sheets of 30: the image is cut
        EXPECT_EQ(paper.SheetTops(30), (std::vector<int>{0, 30, 60}));
        EXPECT_TRUE(paper.SheetTops(0).empty());
    }

    // 40 lines on sheets five and a half lines high: every line stands whole on one sheet, and every
    // sheet but the last is full (the first holds the page's margin of 8 and five lines)
    std::string page;
    for (int i = 0; i < 40; ++i)
        page += "line " + std::to_string(i) + "<BR>";
    content.SetText(page, nullptr);
    const PageLayout paper(content, canvas.dc.m_hDC, 300, 96, 96, true);
    const MeasuredFont text(canvas.dc.m_hDC, 16, false);
    ASSERT_GE(text.tm.tmHeight, 16);
    const int nSheet = text.tm.tmHeight * 11 / 2;
    const std::vector<int> tops = paper.SheetTops(nSheet);
    EXPECT_EQ(tops.size(), 8u);
    for (const PageBox& box : paper.GetBoxes()) {
        const auto next = std::upper_bound(tops.begin(), tops.end(), int(box.rect.top));
        const int top = *(next - 1);
        EXPECT_LE(box.rect.bottom, next == tops.end() ? top + nSheet : (std::min)(*next, top + nSheet)) << box.text;
    }
    for (size_t i = 0; i + 1 < tops.size(); ++i)
        EXPECT_GT(tops[i + 1] - tops[i], nSheet - text.tm.tmHeight) << "sheet " << i + 1;
}

TEST_F(PageWindow, APageTallerThanTheWindowScrollsDown)
{
    std::string page;
    for (int i = 0; i < 40; ++i)
        page += "line " + std::to_string(i) + "<BR>";
    folder.Write("tall.htm", page);
    ASSERT_TRUE(PageView_Navigate(hView, folder.Path("tall.htm").c_str()));

    EXPECT_TRUE(::GetWindowLongA(hView, GWL_STYLE) & WS_VSCROLL);
    EXPECT_FALSE(::GetWindowLongA(hView, GWL_STYLE) & WS_HSCROLL);
    DibCanvas canvas(1, 1);
    const MeasuredFont text(canvas.dc.m_hDC, 16, false);
    const SCROLLINFO vertical = Bar(SB_VERT);
    EXPECT_EQ(vertical.nMax + 1, 8 + 40 * text.tm.tmHeight + 8);
    EXPECT_EQ(vertical.nPage, UINT(Client().bottom));
    EXPECT_EQ(vertical.nPos, 0);

    ::SendMessageA(hView, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(Bar(SB_VERT).nPos, Client().bottom);
    ::SendMessageA(hView, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(Bar(SB_VERT).nPos, vertical.nMax + 1 - int(vertical.nPage));
    ::SendMessageA(hView, WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(Bar(SB_VERT).nPos, 0);

    // Another page starts at its top again; one that cannot be read leaves the window empty.
    ::SendMessageA(hView, WM_VSCROLL, SB_PAGEDOWN, 0);
    ASSERT_TRUE(PageView_Navigate(hView, folder.Path("tall.htm").c_str()));
    EXPECT_EQ(Bar(SB_VERT).nPos, 0);
    EXPECT_FALSE(PageView_Navigate(hView, folder.Path("missing.htm").c_str()));
    EXPECT_FALSE(::GetWindowLongA(hView, GWL_STYLE) & WS_VSCROLL);
    DibCanvas drawn(300, 200);
    PAGEVIEWDRAW draw = {drawn.dc.m_hDC, RECT{0, 0, 300, 200}, 0, 96, 96};
    EXPECT_EQ(PageView_DrawPage(hView, &draw), 0);
    EXPECT_FALSE(Inked(drawn, RECT{0, 0, 300, 200}));
}

TEST_F(PageWindow, AnImageWiderThanTheWindowScrollsAcross)
{
    folder.CopyImage("one_colour_run.gif");
    folder.Write("wide.htm", "<IMG SRC=\"one_colour_run.gif\">");
    ASSERT_TRUE(PageView_Navigate(hView, folder.Path("wide.htm").c_str()));
    EXPECT_TRUE(::GetWindowLongA(hView, GWL_STYLE) & WS_HSCROLL);
    EXPECT_FALSE(::GetWindowLongA(hView, GWL_STYLE) & WS_VSCROLL);
    EXPECT_EQ(Bar(SB_HORZ).nMax + 1, 8 + 300 + 8);
    EXPECT_EQ(Bar(SB_HORZ).nPage, UINT(Client().right));

    // The same page drawn on another DC as one sheet, in an area from y 10: the picture (a black
    // pixel, then blue) stands on the first line's baseline. There is no second sheet to draw.
    DibCanvas drawn(400, 60);
    PAGEVIEWDRAW draw = {drawn.dc.m_hDC, RECT{0, 10, 400, 60}, 1, 96, 96};
    EXPECT_EQ(PageView_DrawPage(hView, &draw), 1);
    const MeasuredFont text(drawn.dc.m_hDC, 16, false);
    const int top = 10 + 8 + text.tm.tmAscent - 2;
    EXPECT_EQ(drawn.At(8, top), RGB(0, 0, 0));
    EXPECT_EQ(drawn.At(9, top), RGB(0x33, 0x66, 0xCC));
    EXPECT_EQ(drawn.At(200, top + 1), RGB(0x33, 0x66, 0xCC));
    EXPECT_EQ(drawn.At(200, top + 2), kWhite);
    EXPECT_FALSE(Inked(drawn, RECT{0, 0, 400, 10})); // above the area
    DibCanvas second(400, 60);
    draw.hdc = second.dc.m_hDC;
    draw.nSheet = 2;
    EXPECT_EQ(PageView_DrawPage(hView, &draw), 1);
    EXPECT_FALSE(Inked(second, RECT{0, 0, 400, 60}));
}

} // namespace

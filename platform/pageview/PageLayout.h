// The page viewer's page: a page file read with its images (PageContent), and the page laid out for a
// width and a device (PageLayout), which draws on any device context.
//
// The layout follows what a browser does with such a page, in its pixels of 1/96 inch, turned into
// the device's pixels by its resolution:
// - a margin of 8 around the page; text in "Times New Roman" of 16, headings in bold of 32 (level 1)
//   and 24 (level 2) with 21 and 20 above and below them; the space above or below a heading and the
//   page's margin do not add up: the larger one counts;
// - text and images flow in lines, words wrapping at the width; a blank at the start of a line is
//   dropped; a word or image wider than the line stands alone on its line and reaches past it;
// - in a line, text and images stand on one baseline; an image's bottom lies on it; a line is as high
//   as its highest part, and never lower than a line of its font;
// - a line break ends the line; on an empty line it makes an empty line of the font's height;
// - an image is drawn at its size in pixels (scaled for the device); an image whose file is missing or
//   cannot be read shows its ALT text instead, in the text's font;
// - laid out for paper, which cannot scroll across, an image wider than the line is drawn smaller, as
//   wide as the line and keeping its proportions; the page is cut into sheets between lines (SheetTops).
// Colours: black text on white; images are drawn over white where they are transparent.
//
// Not done: other image formats than GIF, character references, a title shown anywhere.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "pageview/PageParse.h"

// An image of the page, ready to draw: 32-bit pixels (blue, green, red, unused) in top-down rows.
struct PagePicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bgrx;
    // The file it was read from as the page named it, with the file's size and time of last write:
    // a page read again takes the picture over while its file is unchanged.
    std::string file;
    uint64_t fileSize = 0;
    uint64_t fileWritten = 0;
};

// A page file read with its images.
class PageContent {
public:
    // Reads the page file lpszPath (a Windows path) and the images it names, each from the page's
    // folder (an absolute SRC as it stands). Returns TRUE when the page was read; FALSE for a null or
    // empty path or a file that cannot be read (or is larger than 16 MiB), which leaves the content
    // empty. An image that cannot be read does not fail the page: its ALT text is shown. An image
    // whose file the content held before, unchanged since (the same size and time of last write), is
    // taken over instead of being decoded again.
    BOOL Load(LPCSTR lpszPath);
    // Lays out the page text `page` as if it were read from a file in the folder lpszFolder (a Windows
    // path ending in a backslash, or null for none).
    void SetText(const std::string& page, LPCSTR lpszFolder);
    // Empties the content.
    void Clear();

    std::vector<PageItem> items;
    // For each item, the index of its picture in `pictures`; -1 for items that are not images and for
    // images that could not be read.
    std::vector<int> pictureOf;
    std::vector<PagePicture> pictures;
};

// One thing laid out, in the layout's pixels.
struct PageBox {
    enum Kind {
        Text,     // text in font `font`, its top-left corner at rect's
        Picture   // picture `picture` of the content, stretched to rect
    };
    Kind kind = Text;
    RECT rect = {};
    int font = 0;          // 0 text, 1 heading of level 1, 2 heading of level 2
    std::string text;
    int picture = -1;
};

// A page laid out for one width and one device resolution. It keeps its fonts; it refers to the
// content's pictures, so the content must outlive it and stay unchanged.
class PageLayout {
public:
    // Lays out content for lines of nWidth pixels (margins included) on a device of nDpiX by nDpiY
    // pixels per inch (96 on the screen), measuring text on hdcMeasure (any DC of that device); with
    // bForPaper, images wider than the line are fitted to it (see the top of this file).
    PageLayout(const PageContent& content, HDC hdcMeasure, int nWidth, int nDpiX, int nDpiY, bool bForPaper = false);
    ~PageLayout();
    PageLayout(const PageLayout&) = delete;
    PageLayout& operator=(const PageLayout&) = delete;

    // Draws the page on hdc with the page's point (0, 0) at ptOrigin, only what lies in rcClip (device
    // coordinates; the background there is filled white).
    void Draw(HDC hdc, POINT ptOrigin, const RECT& rcClip) const;

    // The page's size: the widest line and the bottom, margins included.
    SIZE GetSize() const { return m_size; }
    // The page cut into sheets nHeight pixels high: the page's y at the top of each sheet, the first 0.
    // A sheet ends above the first line that would not fit on it whole, so no line is cut, except a
    // line higher than a sheet, which goes on over as many sheets as it needs. Empty for an empty page
    // or a height of 0 or less.
    std::vector<int> SheetTops(int nHeight) const;
    // What was laid out, in page order.
    const std::vector<PageBox>& GetBoxes() const { return m_boxes; }
    // The font of boxes of font index n (0 to 2).
    HFONT GetFont(int n) const { return m_fonts[n]; }

private:
    const PageContent& m_content;
    HFONT m_fonts[3] = {};
    std::vector<PageBox> m_boxes;
    SIZE m_size = {};
};

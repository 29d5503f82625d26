#include "pageview/PageLayout.h"

#include "native/GifDecoder.h"

#include <algorithm>

namespace {

const DWORD kMaxPageBytes = 16u << 20;
const DWORD kMaxImageBytes = 64u << 20;

// The browser's measures, in pixels of 1/96 inch.
const int kMargin = 8;
const int kFontHeight[3] = {16, 32, 24};
const int kHeadingSpace[3] = {0, 21, 20};
const char* const kFace = "Times New Roman";

// The size and time of last write of the open file hFile; false when they cannot be read.
bool FileIdentity(HANDLE hFile, uint64_t& size, uint64_t& written)
{
    LARGE_INTEGER length = {};
    FILETIME lastWrite = {};
    if (!::GetFileSizeEx(hFile, &length) || !::GetFileTime(hFile, nullptr, nullptr, &lastWrite))
        return false;
    size = uint64_t(length.QuadPart);
    written = (uint64_t(lastWrite.dwHighDateTime) << 32) | lastWrite.dwLowDateTime;
    return true;
}

// The whole open file hFile of nSize bytes, or false when it cannot be read or is larger than nMax.
bool ReadWholeFile(HANDLE hFile, uint64_t nSize, DWORD nMax, std::vector<uint8_t>& bytes)
{
    if (nSize > nMax)
        return false;
    bytes.resize(size_t(nSize));
    DWORD read = 0;
    return bytes.empty() ||
           (::ReadFile(hFile, bytes.data(), DWORD(bytes.size()), &read, nullptr) && read == bytes.size());
}

// The whole file lpszPath (a Windows path), or false when it cannot be read or is larger than nMax.
bool ReadWholeFile(LPCSTR lpszPath, DWORD nMax, std::vector<uint8_t>& bytes)
{
    const HANDLE hFile = ::CreateFileA(lpszPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size = {};
    const bool ok = ::GetFileSizeEx(hFile, &size) && ReadWholeFile(hFile, uint64_t(size.QuadPart), nMax, bytes);
    ::CloseHandle(hFile);
    return ok;
}

// An image file of a page to be read: its file's bytes, unless a picture of it was taken over.
struct PictureFile {
    size_t item;
    std::string file;
    uint64_t size = 0;
    uint64_t written = 0;
    std::vector<uint8_t> bytes;
};

// Opens the image file lpszPath and, unless a picture of `earlier` was read from it unchanged since
// (which is then moved into *pTaken), reads its bytes into `file`. False when it cannot be read.
bool ReadPictureFile(LPCSTR lpszPath, std::vector<PagePicture>& earlier, PagePicture* pTaken, bool& bTaken,
                     PictureFile& file)
{
    bTaken = false;
    const HANDLE hFile = ::CreateFileA(lpszPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    bool ok = FileIdentity(hFile, file.size, file.written);
    if (ok) {
        for (PagePicture& old : earlier) {
            if (!old.bgrx.empty() && old.file == lpszPath && old.fileSize == file.size &&
                old.fileWritten == file.written) {
                *pTaken = std::move(old);
                bTaken = true;
                ::CloseHandle(hFile);
                return true;
            }
        }
    }
    ok = ok && ReadWholeFile(hFile, file.size, kMaxImageBytes, file.bytes);
    ::CloseHandle(hFile);
    file.file = lpszPath;
    return ok;
}

bool IsAbsolute(const std::string& source)
{
    return source.find(':') != std::string::npos ||
           (!source.empty() && (source[0] == '\\' || source[0] == '/'));
}

// The flow of one layout: the line being filled and the boxes made so far.
class Flow {
public:
    Flow(HDC hdc, HFONT const* fonts, int nWidth, int nDpiX, int nDpiY, bool bFitPictures, std::vector<PageBox>& boxes)
        : m_hdc(hdc), m_fonts(fonts), m_dpiX(nDpiX), m_dpiY(nDpiY), m_bFitPictures(bFitPictures), m_boxes(boxes)
    {
        m_left = ScaleX(kMargin);
        m_lineWidth = std::max(1, nWidth - 2 * m_left);
        m_right = m_left;
        m_space = ScaleY(kMargin);
        for (int n = 0; n < 3; ++n) {
            const HGDIOBJ hOld = ::SelectObject(m_hdc, m_fonts[n]);
            ::GetTextMetricsA(m_hdc, &m_metrics[n]);
            ::SelectObject(m_hdc, hOld);
            m_blankWidth[n] = Width(n, " ");
        }
    }

    int ScaleX(int n) const { return ::MulDiv(n, m_dpiX, 96); }
    int ScaleY(int n) const { return ::MulDiv(n, m_dpiY, 96); }

    // Text: words in the current font, a blank between words (and before the first, after a blank).
    void AddText(const std::string& text)
    {
        size_t i = 0;
        while (i < text.size()) {
            if (text[i] == ' ') {
                m_blank = true;
                ++i;
                continue;
            }
            const size_t end = std::min(text.find(' ', i), text.size());
            AddWord(text.substr(i, end - i));
            i = end;
        }
    }

    void AddPicture(int nPicture, const PagePicture& picture)
    {
        Part part;
        part.box.kind = PageBox::Picture;
        part.box.picture = nPicture;
        part.width = ScaleX(picture.width);
        part.ascent = ScaleY(picture.height);
        if (m_bFitPictures && part.width > m_lineWidth) {
            part.ascent = std::max(1, ::MulDiv(part.ascent, m_lineWidth, part.width));
            part.width = m_lineWidth;
        }
        Place(part, OwedBlank());
    }

    void LineBreak()
    {
        EndLine(true);
    }

    void Heading(int nLevel, bool bStart)
    {
        EndLine(false);
        m_space = std::max(m_space, ScaleY(kHeadingSpace[nLevel]));
        m_font = bStart ? nLevel : 0;
        m_blank = false;
    }

    // Ends the last line; returns the page's size.
    SIZE Finish()
    {
        EndLine(false);
        return SIZE{m_right + m_left, m_y + std::max(m_space, ScaleY(kMargin))};
    }

private:
    struct Part {
        PageBox box;
        int x = 0;      // from the line's start
        int width = 0;
        int ascent = 0; // above and below the baseline
        int descent = 0;
    };

    // The width of text in font nFont.
    int Width(int nFont, const std::string& text) const
    {
        const HGDIOBJ hOld = ::SelectObject(m_hdc, m_fonts[nFont]);
        SIZE size = {};
        ::GetTextExtentPoint32A(m_hdc, text.c_str(), int(text.size()), &size);
        ::SelectObject(m_hdc, hOld);
        return size.cx;
    }

    // The width of the blank owed before the next part (none at the start of a line).
    int OwedBlank() const
    {
        return m_blank && !m_line.empty() ? m_blankWidth[m_font] : 0;
    }

    void AddWord(const std::string& word)
    {
        // a word after a word of the same font on the line joins its box (text widths add up: the
        // device's text has no kerning)
        const int blank = OwedBlank();
        const int width = Width(m_font, word);
        if (!m_line.empty() && m_line.back().box.kind == PageBox::Text && m_line.back().box.font == m_font &&
            m_x + blank + width <= m_lineWidth) {
            Part& last = m_line.back();
            last.box.text += (blank > 0 ? " " : "") + word;
            last.width += blank + width;
            m_x = last.x + last.width;
            m_blank = false;
            return;
        }
        Part part;
        part.box.font = m_font;
        part.box.text = word;
        part.width = width;
        part.ascent = m_metrics[m_font].tmAscent;
        part.descent = m_metrics[m_font].tmDescent;
        Place(part, blank);
    }

    // Puts part on the line after a blank of nBlank pixels, or first on the next line when it does not
    // fit.
    void Place(Part& part, int nBlank)
    {
        if (!m_line.empty() && m_x + nBlank + part.width > m_lineWidth) {
            EndLine(false);
            nBlank = 0;
        }
        part.x = m_line.empty() ? 0 : m_x + nBlank;
        m_x = part.x + part.width;
        m_line.push_back(part);
        m_blank = false;
    }

    // Ends the line being filled; with bEmptyLine, an empty line still takes a line's height.
    void EndLine(bool bEmptyLine)
    {
        m_blank = false;
        if (m_line.empty() && !bEmptyLine)
            return;
        int ascent = m_metrics[m_font].tmAscent;
        int descent = m_metrics[m_font].tmDescent;
        for (const Part& part : m_line) {
            ascent = std::max(ascent, part.ascent);
            descent = std::max(descent, part.descent);
        }
        m_y += m_space;
        m_space = 0;
        for (Part& part : m_line) {
            const int left = m_left + part.x;
            const int top = m_y + ascent - part.ascent;
            part.box.rect = RECT{left, top, left + part.width, top + part.ascent + part.descent};
            m_boxes.push_back(part.box);
            m_right = std::max(m_right, int(part.box.rect.right));
        }
        m_y += ascent + descent;
        m_line.clear();
        m_x = 0;
    }

    HDC m_hdc;
    HFONT const* m_fonts;
    TEXTMETRICA m_metrics[3] = {};
    int m_blankWidth[3] = {};
    int m_dpiX, m_dpiY;
    bool m_bFitPictures;
    std::vector<PageBox>& m_boxes;
    int m_left = 0;      // the margin, and where lines start
    int m_lineWidth = 0; // the width lines wrap at
    int m_right = 0;     // the right end of the widest line
    int m_y = 0;         // the top of the line being filled
    int m_space = 0;     // space owed above the next line
    int m_font = 0;      // the font of text now
    bool m_blank = false; // a blank is owed before the next word or image
    std::vector<Part> m_line;
    int m_x = 0;         // the end of the line's last part
};

} // namespace

BOOL PageContent::Load(LPCSTR lpszPath)
{
    std::vector<uint8_t> bytes;
    if (lpszPath == nullptr || *lpszPath == '\0' || !ReadWholeFile(lpszPath, kMaxPageBytes, bytes)) {
        Clear();
        return FALSE;
    }
    const std::string path = lpszPath;
    const size_t slash = path.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    SetText(std::string(bytes.begin(), bytes.end()), folder.c_str());
    return TRUE;
}

void PageContent::SetText(const std::string& page, LPCSTR lpszFolder)
{
    std::vector<PagePicture> earlier = std::move(pictures);
    Clear();
    items = ParsePage(page);
    pictureOf.assign(items.size(), -1);
    // the pictures taken over at once; the files to decode read first, then decoded side by side
    std::vector<PictureFile> toDecode;
    std::vector<PagePicture> taken(items.size());
    std::vector<char> isTaken(items.size(), 0);
    for (size_t i = 0; i < items.size(); ++i) {
        const std::string& source = items[i].source;
        if (items[i].kind != PageItem::Image || source.empty())
            continue;
        const std::string path = IsAbsolute(source) ? source : std::string(lpszFolder ? lpszFolder : "") + source;
        PictureFile file;
        file.item = i;
        bool bTaken = false;
        if (!ReadPictureFile(path.c_str(), earlier, &taken[i], bTaken, file))
            continue;
        if (bTaken)
            isTaken[i] = 1;
        else
            toDecode.push_back(std::move(file));
    }
    std::vector<std::vector<uint8_t>> bytes;
    for (PictureFile& file : toDecode)
        bytes.push_back(std::move(file.bytes));
    std::vector<GifPicture> decoded;
    const std::vector<int> codes = DecodeGifs(bytes, true, decoded);
    std::vector<PagePicture> fresh(items.size());
    std::vector<char> isFresh(items.size(), 0);
    for (size_t d = 0; d < toDecode.size(); ++d) {
        if (codes[d] != GIF_OK)
            continue;
        PagePicture& picture = fresh[toDecode[d].item];
        picture.width = decoded[d].width;
        picture.height = decoded[d].height;
        picture.bgrx = std::move(decoded[d].rgba);
        picture.file = toDecode[d].file;
        picture.fileSize = toDecode[d].size;
        picture.fileWritten = toDecode[d].written;
        isFresh[toDecode[d].item] = 1;
    }
    for (size_t i = 0; i < items.size(); ++i) {
        if (!isTaken[i] && !isFresh[i])
            continue;
        pictureOf[i] = int(pictures.size());
        pictures.push_back(std::move(isTaken[i] ? taken[i] : fresh[i]));
    }
}

void PageContent::Clear()
{
    items.clear();
    pictureOf.clear();
    pictures.clear();
}

PageLayout::PageLayout(const PageContent& content, HDC hdcMeasure, int nWidth, int nDpiX, int nDpiY,
                       bool bForPaper)
    : m_content(content)
{
    for (int n = 0; n < 3; ++n)
        m_fonts[n] = ::CreateFontA(-::MulDiv(kFontHeight[n], nDpiY, 96), 0, 0, 0, n == 0 ? FW_NORMAL : FW_BOLD,
                                   FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                   DEFAULT_QUALITY, DEFAULT_PITCH | FF_ROMAN, kFace);
    Flow flow(hdcMeasure, m_fonts, nWidth, nDpiX, nDpiY, bForPaper, m_boxes);
    for (size_t i = 0; i < content.items.size(); ++i) {
        const PageItem& item = content.items[i];
        switch (item.kind) {
        case PageItem::Text:
            flow.AddText(item.text);
            break;
        case PageItem::LineBreak:
            flow.LineBreak();
            break;
        case PageItem::HeadingStart:
        case PageItem::HeadingEnd:
            flow.Heading(item.level, item.kind == PageItem::HeadingStart);
            break;
        case PageItem::Image:
            if (content.pictureOf[i] >= 0)
                flow.AddPicture(content.pictureOf[i], content.pictures[size_t(content.pictureOf[i])]);
            else
                flow.AddText(item.alt);
            break;
        }
    }
    m_size = flow.Finish();
}

PageLayout::~PageLayout()
{
    for (HFONT hFont : m_fonts)
        if (hFont != nullptr)
            ::DeleteObject(hFont);
}

std::vector<int> PageLayout::SheetTops(int nHeight) const
{
    std::vector<int> tops;
    if (nHeight <= 0 || m_boxes.empty())
        return tops;
    for (int top = 0; top < m_size.cy;) {
        tops.push_back(top);
        const int limit = top + nHeight;
        // the next sheet starts with the highest box that this one cannot hold whole, unless this one
        // would then hold nothing whole (that box is higher than a sheet, and is cut at the limit)
        int next = limit;
        for (const PageBox& box : m_boxes)
            if (box.rect.bottom > limit && box.rect.top > top)
                next = std::min(next, int(box.rect.top));
        const bool bHoldsOne = std::any_of(m_boxes.begin(), m_boxes.end(), [&](const PageBox& box) {
            return box.rect.top >= top && box.rect.bottom <= next;
        });
        top = bHoldsOne ? next : limit;
    }
    return tops;
}

void PageLayout::Draw(HDC hdc, POINT ptOrigin, const RECT& rcClip) const
{
    const int nSaved = ::SaveDC(hdc);
    ::IntersectClipRect(hdc, rcClip.left, rcClip.top, rcClip.right, rcClip.bottom);
    const HBRUSH hWhite = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    ::FillRect(hdc, &rcClip, hWhite);
    ::SetBkMode(hdc, TRANSPARENT);
    ::SetTextColor(hdc, RGB(0, 0, 0));
    ::SetTextAlign(hdc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    ::SetStretchBltMode(hdc, COLORONCOLOR);
    for (const PageBox& box : m_boxes) {
        RECT rect = box.rect;
        ::OffsetRect(&rect, ptOrigin.x, ptOrigin.y);
        RECT visible;
        if (!::IntersectRect(&visible, &rect, &rcClip))
            continue;
        if (box.kind == PageBox::Text) {
            ::SelectObject(hdc, m_fonts[box.font]);
            ::TextOutA(hdc, rect.left, rect.top, box.text.c_str(), int(box.text.size()));
        } else {
            const PagePicture& picture = m_content.pictures[size_t(box.picture)];
            BITMAPINFO info = {};
            info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
            info.bmiHeader.biWidth = picture.width;
            info.bmiHeader.biHeight = -picture.height;
            info.bmiHeader.biPlanes = 1;
            info.bmiHeader.biBitCount = 32;
            info.bmiHeader.biCompression = BI_RGB;
            ::StretchDIBits(hdc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, 0, 0,
                            picture.width, picture.height, picture.bgrx.data(), &info, DIB_RGB_COLORS, SRCCOPY);
        }
    }
    ::RestoreDC(hdc, nSaved);
}

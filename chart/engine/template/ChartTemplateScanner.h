// The scanning of chart template text: the text cut into lines, the keyword of a line, and each part of
// a component's line read into a plain record. Portable code (no Win32 type); the chart
// (DEDized::ReadTemplate) and its components take the records and turn a refusal into the chart
// exception of the same code. Numbers are read in the C numeric locale whatever the process locale.
//
// Template text is 8-bit text from outside the program: it is read within its size (no terminating
// zero needed) and every field that is copied is bounded (a face name to 30 characters, the length a
// chart font keeps; an image file name to 259; a keyword to 63); a longer one refuses its part.
//
// Lines end at CR, at LF or at CR LF (so files written by this program, with CR LF, and files with
// LF line ends read alike); a line longer
// than 254 characters is cut after 254 and the rest is read as the next line; the last line needs no
// line end. Lines that are empty or begin with "//" carry nothing.
//
// A component's line is its keyword, then the common part, then for components that show text the
// text part, then the component's own part:
// - common part: "left top right bottom measurement border fill shadow" and the fill data of the fill
//   kind: 0 none; 1 red green blue of colour 1; 2 and 3 both colours; 4 both colours and the gradient
//   angle; 5 the image file name in double quotes (letters, digits, '-', '_', '.' and blanks) and the
//   placement number. Refusals: 8 (the eight numbers), 9 (a fill kind outside 0..5, fill data
//   missing, a bad image name);
// - text part: "red green blue "face" size flags alignment" (the face of the same characters as an
//   image name); refusal 10;
// - display part: "axis-type graph-type options logarithmic"; refusal 12;
// - legend part: "layout-flags key-size source-kind show-line"; refusal 11;
// - label part: "anchor-x anchor-y cosine sine angle position in-block", all or nothing (a shorter part
//   is no refusal: the label keeps its fields);
// - annotation line: "annotation index text", the text being the rest of the line; refusal 13.
#pragma once

#include <cstddef>
#include <string>

// The line end the template writers write (the header, each component's line, a label's extra line
// and its annotation lines): CR LF, the template files' own line end.
constexpr char kChartTemplateLineEnd[] = "\r\n";

// The keywords of template lines, in the order of their table.
enum ChartTemplateKeyword : int {
    templateUnknown = -1,   // a word not in the table
    templateSurface = 0,    // accepted and ignored
    templateBackground,
    templateTitle,
    templateLegend,
    templateData,           // a display
    templateRect,           // reserved: no reader
    templateFont,           // reserved: no reader
    templateStyle,          // reserved: no reader
    templateLabel,
    templateLabelBlock,
    templateAnnotation,
    templateEndBlock,
    templateTextPanel,
    templateDataWatcher,
};

// The refusals of the scanners: the chart exception codes of template reading.
enum ChartTemplateError : int {
    templateOk = 0,
    templateErrorCommon = 8,
    templateErrorFill = 9,
    templateErrorText = 10,
    templateErrorLegend = 11,
    templateErrorDisplay = 12,
    templateErrorKeyword = 13,
};

// Cuts a template text into lines (see the top of this file). The text is not copied: it must outlive
// the reader.
class ChartTemplateLines {
public:
    // The longest line; the rest of a longer one is the next line.
    static const size_t kMaxLine = 254;

    // pText may be null when nSize is 0.
    ChartTemplateLines(const char* pText, size_t nSize);

    // Puts the next line (without its line end) into rLine; false when the text is used up.
    bool Next(std::string& rLine);

private:
    const char* m_pText;
    size_t m_nSize;
    size_t m_nPos;
};

// True for a line that carries nothing: empty, or beginning with "//".
bool ChartTemplateIsSkipped(const std::string& line);

// Reads the first word of lpszLine (not null) and looks it up in the keyword table (exact and
// case-sensitive) into rKeyword (templateUnknown for a word not in the table or longer than 63
// characters), with *ppRest (when given) set after the word. Returns templateOk, or
// templateErrorKeyword when the line holds no word.
int ChartTemplateScanKeyword(const char* lpszLine, int& rKeyword, const char** ppRest);

// The common part of every component's line.
struct ChartTemplateCommon {
    float rect[4] = {};       // left, top, right, bottom in the measurement's units
    int measurement = 0;      // 0 pixels, 1 millimetres, 2 inches, 3 per cent
    int border = 0;
    int fill = 0;             // 0 to 5
    int shadow = 0;
    int colour1[3] = {};      // red, green, blue as written (fill kinds 1 to 4)
    int colour2[3] = {};      // fill kinds 2 to 4
    int angle = 0;            // fill kind 4, whole degrees
    std::string image;        // fill kind 5
    int placement = 0;        // fill kind 5
};

// The text part of title-derived components.
struct ChartTemplateText {
    int colour[3] = {};
    std::string face;
    int size = 0;
    int flags = 0;
    int alignment = 0;
};

struct ChartTemplateDisplay {
    int axisType = 0;
    int graphType = 0;
    int options = 0;
    int logarithmic = 0;
};

struct ChartTemplateLegend {
    int layoutFlags = 0;
    double keySize = 0.0;
    int sourceKind = 0;
    int showLine = 0;
};

struct ChartTemplateLabel {
    float anchorX = 0.0f;
    float anchorY = 0.0f;
    float cosine = 0.0f;
    float sine = 0.0f;
    float angle = 0.0f;
    int position = 0;
    int inBlock = 0;
};

struct ChartTemplateAnnotation {
    int index = 0;
    std::string text;
};

// Each scanner reads its part at lpszText (not null) into rPart and returns templateOk with *ppEnd
// (when given) set after what it read, or its refusal (see the top of this file) leaving *ppEnd alone.
int ChartTemplateScanCommon(const char* lpszText, ChartTemplateCommon& rPart, const char** ppEnd);
int ChartTemplateScanText(const char* lpszText, ChartTemplateText& rPart, const char** ppEnd);
int ChartTemplateScanDisplay(const char* lpszText, ChartTemplateDisplay& rPart, const char** ppEnd);
int ChartTemplateScanLegend(const char* lpszText, ChartTemplateLegend& rPart, const char** ppEnd);
// A label part shorter than its seven values returns false (no refusal) and leaves rPart alone.
bool ChartTemplateScanLabel(const char* lpszText, ChartTemplateLabel& rPart, const char** ppEnd);
// The rest of an annotation line after its keyword.
int ChartTemplateScanAnnotation(const char* lpszText, ChartTemplateAnnotation& rPart);

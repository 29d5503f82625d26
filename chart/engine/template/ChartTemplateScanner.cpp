// The scanning of chart template text.
#include "chart/engine/template/ChartTemplateScanner.h"

#include "core/NumberText.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

const char* const kKeywords[] = {
    "surface", "background", "title", "legend", "data", "rect", "font", "style",
    "label", "labelblock", "annotation", "endblock", "textpanel", "datawatcher",
};

// A word longer than this is no keyword.
const size_t kMaxWord = 63;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Where a scan that ended with "%n" stopped: nUsed, or the end of the text when the conversion
// before it ran into the end (nUsed still -1).
const char* EndOfScan(const char* lpszText, int nUsed)
{
    return nUsed >= 0 ? lpszText + nUsed : lpszText + std::strlen(lpszText);
}

void SetEnd(const char** ppEnd, const char* pEnd)
{
    if (ppEnd != nullptr)
        *ppEnd = pEnd;
}

bool AllFinite(const float* pValues, int nCount)
{
    for (int i = 0; i < nCount; ++i) {
        if (!std::isfinite(pValues[i]))
            return false;
    }
    return true;
}

} // namespace

// ---- lines ---------------------------------------------------------------------------------------------

ChartTemplateLines::ChartTemplateLines(const char* pText, size_t nSize)
    : m_pText(pText), m_nSize(pText != nullptr ? nSize : 0), m_nPos(0)
{
}

bool ChartTemplateLines::Next(std::string& rLine)
{
    rLine.clear();
    if (m_nPos >= m_nSize)
        return false;
    const size_t nStart = m_nPos;
    while (m_nPos < m_nSize && m_nPos - nStart < kMaxLine && m_pText[m_nPos] != '\r' && m_pText[m_nPos] != '\n')
        ++m_nPos;
    rLine.assign(m_pText + nStart, m_nPos - nStart);
    if (m_nPos < m_nSize && m_pText[m_nPos] == '\r') {
        ++m_nPos;
        if (m_nPos < m_nSize && m_pText[m_nPos] == '\n')
            ++m_nPos;
    } else if (m_nPos < m_nSize && m_pText[m_nPos] == '\n') {
        ++m_nPos;
    }
    return true;
}

bool ChartTemplateIsSkipped(const std::string& line)
{
    return line.empty() || line.compare(0, 2, "//") == 0;
}

int ChartTemplateScanKeyword(const char* lpszLine, int& rKeyword, const char** ppRest)
{
    rKeyword = templateUnknown;
    const char* p = lpszLine;
    while (IsBlank(*p))
        ++p;
    const char* pWord = p;
    while (*p != '\0' && !IsBlank(*p))
        ++p;
    const size_t nLength = size_t(p - pWord);
    if (nLength == 0)
        return templateErrorKeyword;
    if (nLength <= kMaxWord) {
        for (size_t i = 0; i < sizeof kKeywords / sizeof kKeywords[0]; ++i) {
            if (std::strlen(kKeywords[i]) == nLength && std::memcmp(kKeywords[i], pWord, nLength) == 0) {
                rKeyword = int(i);
                break;
            }
        }
    }
    SetEnd(ppRest, p);
    return templateOk;
}

// ---- parts ---------------------------------------------------------------------------------------------

int ChartTemplateScanCommon(const char* lpszText, ChartTemplateCommon& rPart, const char** ppEnd)
{
    CNumericLocaleScope cLocale;
    ChartTemplateCommon part;
    int nUsed = -1;
    if (std::sscanf(lpszText, "%g %g %g %g %d %d %d %d %n", &part.rect[0], &part.rect[1], &part.rect[2],
                    &part.rect[3], &part.measurement, &part.border, &part.fill, &part.shadow, &nUsed) < 8 ||
        !AllFinite(part.rect, 4))
        return templateErrorCommon;
    const char* p = EndOfScan(lpszText, nUsed);

    int* c1 = part.colour1;
    int* c2 = part.colour2;
    int nWanted = 0;
    int nRead = 0;
    nUsed = -1;
    switch (part.fill) {
    case 0:
        break;
    case 1:
        nWanted = 3;
        nRead = std::sscanf(p, "%d %d %d %n", &c1[0], &c1[1], &c1[2], &nUsed);
        break;
    case 2:
    case 3:
        nWanted = 6;
        nRead = std::sscanf(p, "%d %d %d %d %d %d %n", &c1[0], &c1[1], &c1[2], &c2[0], &c2[1], &c2[2], &nUsed);
        break;
    case 4:
        nWanted = 7;
        nRead = std::sscanf(p, "%d %d %d %d %d %d %d %n", &c1[0], &c1[1], &c1[2], &c2[0], &c2[1], &c2[2],
                            &part.angle, &nUsed);
        break;
    case 5: {
        // the name is bounded by the buffer: a longer one finds no closing quote and is refused
        char szImage[260] = "";
        nWanted = 2;
        nRead = std::sscanf(p, " \"%259[0-9a-zA-Z_. -]\" %d %n", szImage, &part.placement, &nUsed);
        part.image = szImage;
        break;
    }
    default:
        return templateErrorFill;
    }
    if (nRead < nWanted)
        return templateErrorFill;
    if (nWanted > 0)
        p = EndOfScan(p, nUsed);
    rPart = part;
    SetEnd(ppEnd, p);
    return templateOk;
}

int ChartTemplateScanText(const char* lpszText, ChartTemplateText& rPart, const char** ppEnd)
{
    CNumericLocaleScope cLocale;
    ChartTemplateText part;
    char szFace[31] = "";
    int nUsed = -1;
    // the face is bounded by what a chart font keeps: a longer one finds no closing quote
    if (std::sscanf(lpszText, " %d %d %d \"%30[0-9a-zA-Z_. -]\" %d %d %d%n", &part.colour[0], &part.colour[1],
                    &part.colour[2], szFace, &part.size, &part.flags, &part.alignment, &nUsed) < 7)
        return templateErrorText;
    part.face = szFace;
    rPart = part;
    SetEnd(ppEnd, EndOfScan(lpszText, nUsed));
    return templateOk;
}

int ChartTemplateScanDisplay(const char* lpszText, ChartTemplateDisplay& rPart, const char** ppEnd)
{
    CNumericLocaleScope cLocale;
    ChartTemplateDisplay part;
    int nUsed = -1;
    if (std::sscanf(lpszText, " %d %d %d %d %n", &part.axisType, &part.graphType, &part.options, &part.logarithmic,
                    &nUsed) < 4)
        return templateErrorDisplay;
    rPart = part;
    SetEnd(ppEnd, EndOfScan(lpszText, nUsed));
    return templateOk;
}

int ChartTemplateScanLegend(const char* lpszText, ChartTemplateLegend& rPart, const char** ppEnd)
{
    CNumericLocaleScope cLocale;
    ChartTemplateLegend part;
    int nUsed = -1;
    if (std::sscanf(lpszText, " %d %lg %d %d%n", &part.layoutFlags, &part.keySize, &part.sourceKind, &part.showLine,
                    &nUsed) < 4 ||
        !std::isfinite(part.keySize))
        return templateErrorLegend;
    rPart = part;
    SetEnd(ppEnd, EndOfScan(lpszText, nUsed));
    return templateOk;
}

bool ChartTemplateScanLabel(const char* lpszText, ChartTemplateLabel& rPart, const char** ppEnd)
{
    CNumericLocaleScope cLocale;
    ChartTemplateLabel part;
    float values[5] = {};
    int nUsed = -1;
    if (std::sscanf(lpszText, " %f %f %f %f %f %d %d%n", &values[0], &values[1], &values[2], &values[3], &values[4],
                    &part.position, &part.inBlock, &nUsed) < 7 ||
        !AllFinite(values, 5))
        return false;
    part.anchorX = values[0];
    part.anchorY = values[1];
    part.cosine = values[2];
    part.sine = values[3];
    part.angle = values[4];
    rPart = part;
    SetEnd(ppEnd, EndOfScan(lpszText, nUsed));
    return true;
}

int ChartTemplateScanAnnotation(const char* lpszText, ChartTemplateAnnotation& rPart)
{
    CNumericLocaleScope cLocale;
    ChartTemplateAnnotation part;
    int nUsed = -1;
    if (std::sscanf(lpszText, "%d %n", &part.index, &nUsed) < 1)
        return templateErrorKeyword;
    part.text = EndOfScan(lpszText, nUsed);
    rPart = part;
    return templateOk;
}

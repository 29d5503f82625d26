// Fuzzes the chart template scanner. Every line stays within its bounds, every part read ends inside
// its line, the names copied keep to their lengths and characters, and each record written out again
// (numbers at full precision) reads back to the same record.
#include "FuzzCheck.h"
#include "chart/engine/template/ChartTemplateScanner.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

bool Inside(const char* p, const std::string& line)
{
    return p >= line.c_str() && p <= line.c_str() + std::strlen(line.c_str());
}

bool NameCharacters(const std::string& name)
{
    for (char c : name) {
        const bool bLetter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!bLetter && c != '-' && c != '_' && c != '.' && c != ' ')
            return false;
    }
    return true;
}

std::string Format(const char* pszFormat, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* pszFormat, ...)
{
    char buffer[1024];
    va_list args;
    va_start(args, pszFormat);
    std::vsnprintf(buffer, sizeof buffer, pszFormat, args);
    va_end(args);
    return buffer;
}

void CheckCommon(const ChartTemplateCommon& part)
{
    FuzzCheck(part.fill >= 0 && part.fill <= 5, "a fill kind of the table");
    FuzzCheck(part.image.size() <= 259 && NameCharacters(part.image), "an image name within its bounds");
    std::string text = Format("%.9g %.9g %.9g %.9g %d %d %d %d ", part.rect[0], part.rect[1], part.rect[2],
                              part.rect[3], part.measurement, part.border, part.fill, part.shadow);
    const int* c1 = part.colour1;
    const int* c2 = part.colour2;
    if (part.fill == 1)
        text += Format("%d %d %d", c1[0], c1[1], c1[2]);
    else if (part.fill == 2 || part.fill == 3)
        text += Format("%d %d %d %d %d %d", c1[0], c1[1], c1[2], c2[0], c2[1], c2[2]);
    else if (part.fill == 4)
        text += Format("%d %d %d %d %d %d %d", c1[0], c1[1], c1[2], c2[0], c2[1], c2[2], part.angle);
    else if (part.fill == 5)
        text += "\"" + part.image + "\" " + std::to_string(part.placement);
    ChartTemplateCommon again;
    FuzzCheck(ChartTemplateScanCommon(text.c_str(), again, nullptr) == templateOk, "a common part reads back");
    FuzzCheck(again.rect[0] == part.rect[0] && again.rect[1] == part.rect[1] && again.rect[2] == part.rect[2] &&
                  again.rect[3] == part.rect[3] && again.measurement == part.measurement && again.border == part.border && again.fill == part.fill &&
                  again.shadow == part.shadow && std::memcmp(again.colour1, c1, sizeof again.colour1) == 0 &&
                  std::memcmp(again.colour2, c2, sizeof again.colour2) == 0 && again.angle == part.angle &&
                  again.image == part.image && again.placement == part.placement,
              "the common part reads back");
}

void CheckText(const ChartTemplateText& part)
{
    FuzzCheck(!part.face.empty() && part.face.size() <= 30 && NameCharacters(part.face), "a face within its bounds");
    const std::string text = Format(" %d %d %d \"%s\" %d %d %d", part.colour[0], part.colour[1], part.colour[2],
                                    part.face.c_str(), part.size, part.flags, part.alignment);
    ChartTemplateText again;
    FuzzCheck(ChartTemplateScanText(text.c_str(), again, nullptr) == templateOk, "a text part reads back");
    FuzzCheck(std::memcmp(again.colour, part.colour, sizeof part.colour) == 0 && again.face == part.face &&
                  again.size == part.size && again.flags == part.flags && again.alignment == part.alignment,
              "the text part reads back");
}

void CheckOwnParts(const char* pText, const std::string& line)
{
    const char* pEnd = nullptr;
    ChartTemplateDisplay display;
    if (ChartTemplateScanDisplay(pText, display, &pEnd) == templateOk) {
        FuzzCheck(Inside(pEnd, line), "a display part ends inside its line");
        ChartTemplateDisplay again;
        const std::string text = Format("%d %d %d %d", display.axisType, display.graphType, display.options,
                                        display.logarithmic);
        FuzzCheck(ChartTemplateScanDisplay(text.c_str(), again, nullptr) == templateOk &&
                      again.axisType == display.axisType && again.graphType == display.graphType &&
                      again.options == display.options && again.logarithmic == display.logarithmic,
                  "the display part reads back");
    }
    ChartTemplateLegend legend;
    if (ChartTemplateScanLegend(pText, legend, &pEnd) == templateOk) {
        FuzzCheck(Inside(pEnd, line), "a legend part ends inside its line");
        ChartTemplateLegend again;
        const std::string text = Format(" %d %.17g %d %d", legend.layoutFlags, legend.keySize, legend.sourceKind,
                                        legend.showLine);
        FuzzCheck(ChartTemplateScanLegend(text.c_str(), again, nullptr) == templateOk &&
                      again.layoutFlags == legend.layoutFlags && again.keySize == legend.keySize &&
                      again.sourceKind == legend.sourceKind && again.showLine == legend.showLine,
                  "the legend part reads back");
    }
    ChartTemplateLabel label;
    if (ChartTemplateScanLabel(pText, label, &pEnd)) {
        FuzzCheck(Inside(pEnd, line), "a label part ends inside its line");
        ChartTemplateLabel again;
        const std::string text = Format(" %.9g %.9g %.9g %.9g %.9g %d %d", label.anchorX, label.anchorY, label.cosine,
                                        label.sine, label.angle, label.position, label.inBlock);
        FuzzCheck(ChartTemplateScanLabel(text.c_str(), again, nullptr) && again.anchorX == label.anchorX &&
                      again.anchorY == label.anchorY && again.cosine == label.cosine && again.sine == label.sine &&
                      again.angle == label.angle && again.position == label.position &&
                      again.inBlock == label.inBlock,
                  "the label part reads back");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ChartTemplateLines lines(reinterpret_cast<const char*>(data), size);
    std::string line;
    size_t nTotal = 0;
    while (lines.Next(line)) {
        FuzzCheck(line.size() <= ChartTemplateLines::kMaxLine, "a line of at most 254 characters");
        FuzzCheck(line.find_first_of("\r\n") == std::string::npos, "no line end inside a line");
        nTotal += line.size();
        FuzzCheck(nTotal <= size, "lines within the text");
        if (ChartTemplateIsSkipped(line))
            continue;
        int nKeyword = templateUnknown;
        const char* pRest = nullptr;
        if (ChartTemplateScanKeyword(line.c_str(), nKeyword, &pRest) != templateOk)
            continue;
        FuzzCheck(nKeyword >= templateUnknown && nKeyword <= templateDataWatcher, "a keyword of the table");
        FuzzCheck(Inside(pRest, line), "the rest of a line inside it");

        ChartTemplateAnnotation annotation;
        if (ChartTemplateScanAnnotation(pRest, annotation) == templateOk) {
            ChartTemplateAnnotation again;
            const std::string text = std::to_string(annotation.index) + " " + annotation.text;
            FuzzCheck(ChartTemplateScanAnnotation(text.c_str(), again) == templateOk && again.index == annotation.index &&
                          again.text == annotation.text,
                      "an annotation reads back");
        }
        ChartTemplateCommon common;
        const char* pEnd = nullptr;
        if (ChartTemplateScanCommon(pRest, common, &pEnd) != templateOk)
            continue;
        FuzzCheck(Inside(pEnd, line), "a common part ends inside its line");
        CheckCommon(common);
        CheckOwnParts(pEnd, line);
        ChartTemplateText text;
        if (ChartTemplateScanText(pEnd, text, &pEnd) != templateOk)
            continue;
        FuzzCheck(Inside(pEnd, line), "a text part ends inside its line");
        CheckText(text);
        CheckOwnParts(pEnd, line);
    }
    return 0;
}

// the standard headers before windows.h, which defines min and max as macros
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "chart/views/dialogs/WizardTexts.h"

#include "chart/engine/ChartTextSource.h"

namespace {

// The lines of a text that carry an entry: leading blanks skipped, CR LF taken as LF, empty lines and
// lines beginning with '/' left out.
std::vector<std::string> EntryLines(const char* lpszText)
{
    std::vector<std::string> lines;
    if (lpszText == nullptr)
        return lines;
    const std::string text(lpszText);
    size_t nStart = 0;
    while (nStart <= text.size()) {
        size_t nEnd = text.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = text.size();
        std::string line = text.substr(nStart, nEnd - nStart);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const size_t nFirst = line.find_first_not_of(" \t");
        if (nFirst != std::string::npos && line[nFirst] != '/')
            lines.push_back(line.substr(nFirst));
        nStart = nEnd + 1;
    }
    return lines;
}

// Reads the next blank-separated word of line at rnPos (at most nMaxLength characters) into rWord.
// False when there is none or it is longer.
bool NextWord(const std::string& line, size_t& rnPos, size_t nMaxLength, std::string& rWord)
{
    const size_t nStart = line.find_first_not_of(" \t", rnPos);
    if (nStart == std::string::npos)
        return false;
    size_t nEnd = line.find_first_of(" \t", nStart);
    if (nEnd == std::string::npos)
        nEnd = line.size();
    if (nEnd - nStart > nMaxLength)
        return false;
    rWord = line.substr(nStart, nEnd - nStart);
    rnPos = nEnd;
    return true;
}

// The next word as a number in nBase (decimal with an optional sign, or hexadecimal of at most 8
// digits); false when it is not one whole number within an int.
bool NextNumber(const std::string& line, size_t& rnPos, int nBase, int& rnValue)
{
    std::string word;
    if (!NextWord(line, rnPos, nBase == 16 ? 8 : 11, word))
        return false;
    errno = 0;
    char* pEnd = nullptr;
    const long long nValue = std::strtoll(word.c_str(), &pEnd, nBase);
    if (errno != 0 || pEnd == word.c_str() || *pEnd != '\0')
        return false;
    if (nBase == 16 ? (nValue < 0 || nValue > 0xFFFFFFFFLL) : (nValue < INT32_MIN || nValue > INT32_MAX))
        return false;
    rnValue = int(static_cast<unsigned long long>(nValue) & 0xFFFFFFFFu);
    return true;
}

CString Trimmed(const std::string& text)
{
    CString result(text.c_str());
    result.Trim();
    return result;
}

} // namespace

namespace WizardTexts {

std::vector<WizCode> ParseCodes(const char* lpszText, bool bWithKey)
{
    std::vector<WizCode> codes;
    for (const std::string& line : EntryLines(lpszText)) {
        size_t nPos = 0;
        WizCode code;
        std::string key;
        if (!NextNumber(line, nPos, 16, code.nCode))
            continue;
        if (bWithKey) {
            if (!NextWord(line, nPos, kMaxNameLength, key))
                continue;
            code.key = key.c_str();
        }
        code.name = Trimmed(line.substr(nPos));
        codes.push_back(code);
    }
    return codes;
}

std::vector<WizLayout> ParseLayouts(const char* lpszText)
{
    std::vector<WizLayout> layouts;
    for (const std::string& line : EntryLines(lpszText)) {
        WizLayout layout;
        size_t nPos = 0;
        for (;;) {
            WizPlacement placement;
            std::string name;
            if (!NextWord(line, nPos, kMaxNameLength, name))
                break;
            int* const values[] = {&placement.nMeasurement, &placement.nBorder, &placement.nShadow, &placement.nFill,
                                   &placement.nLeft,        &placement.nTop,    &placement.nRight,  &placement.nBottom};
            bool bRead = true;
            for (int* pValue : values)
                bRead = bRead && NextNumber(line, nPos, 10, *pValue);
            if (!bRead)
                break;
            placement.name = name.c_str();
            layout.push_back(placement);
        }
        if (!layout.empty())
            layouts.push_back(layout);
    }
    return layouts;
}

BOOL Load(LPCSTR lpszName, LPCSTR lpszType, CString& rText, BOOL bThrow)
{
    rText.Empty();
    std::string text;
    switch (ReadChartResourceText(lpszName, lpszType, text)) {
    case chartResourceRead:
        rText = text.c_str();
        return TRUE;
    case chartResourceUnlocked:
        return FALSE;
    case chartResourceMissing:
        break;
    }
    if (!ReadChartFileText(lpszName, text)) {
        if (bThrow)
            AfxThrowFileException(CFileException::fileNotFound, -1, IS_INTRESOURCE(lpszName) ? nullptr : lpszName);
        return FALSE;
    }
    rText = text.c_str();
    return TRUE;
}

CString FormatLayout(const WizLayout& layout)
{
    CString line;
    for (const WizPlacement& placement : layout) {
        CString record;
        record.Format(" %d %d %d %d %d %d %d %d ", placement.nMeasurement, placement.nBorder, placement.nShadow,
                      placement.nFill, placement.nLeft, placement.nTop, placement.nRight, placement.nBottom);
        line += placement.name + record;
    }
    return line;
}

} // namespace WizardTexts

// Escape decoding and encoding.
#include "grid/formula/GXTextEscapes.h"

#include "grid/formula/GXEngineSheet.h"

namespace {

bool IsOctal(char c)
{
    return c >= '0' && c <= '7';
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The control character a letter escape names, or 0 for a letter that names none.
char LetterEscape(char c)
{
    switch (c) {
    case 'a': return '\a';
    case 'b': return '\b';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'v': return '\v';
    case '\\': return '\\';
    case '"': return '"';
    default: return 0;
    }
}

}  // namespace

CString EngineDecodeEscapes(const char* pszText)
{
    CString result;
    if (pszText == nullptr)
        return result;
    const char* p = pszText;
    while (*p != 0 && result.GetLength() < kEngineMaxText) {
        if (*p != '\\') {
            result += *p++;
            continue;
        }
        const char chNext = p[1];
        int nValue = -1;
        int nLength = 0;  // characters of the sequence after the backslash
        if (char chControl = LetterEscape(chNext)) {
            nValue = static_cast<unsigned char>(chControl);
            nLength = 1;
        } else if (IsOctal(chNext)) {
            nValue = 0;
            while (nLength < 3 && IsOctal(p[1 + nLength]))
                nValue = nValue * 8 + (p[1 + nLength++] - '0');
        } else if (chNext == 'x' && HexValue(p[2]) >= 0) {
            nValue = 0;
            nLength = 1;
            while (nLength < 3 && HexValue(p[1 + nLength]) >= 0)
                nValue = nValue * 16 + HexValue(p[1 + nLength++]);
        }
        if (nValue < 0) {
            // not an escape: the backslash stays, and what follows is read as ordinary text
            result += *p++;
            continue;
        }
        if ((nValue & 0xFF) == 0)
            break;
        result += char(nValue & 0xFF);
        p += 1 + nLength;
    }
    return result;
}

CString EngineEncodeEscapes(const char* pszText, bool bQuote)
{
    CString result;
    if (pszText == nullptr)
        return result;
    for (const char* p = pszText; *p != 0; p++) {
        const unsigned char c = static_cast<unsigned char>(*p);
        const char* pszNamed = nullptr;
        switch (c) {
        case '\a': pszNamed = "\\a"; break;
        case '\b': pszNamed = "\\b"; break;
        case '\t': pszNamed = "\\t"; break;
        case '\n': pszNamed = "\\n"; break;
        case '\v': pszNamed = "\\v"; break;
        case '\f': pszNamed = "\\f"; break;
        case '\r': pszNamed = "\\r"; break;
        case '\\': pszNamed = "\\\\"; break;
        case '"': pszNamed = bQuote ? "\\\"" : nullptr; break;
        default: break;
        }
        if (pszNamed != nullptr) {
            result += pszNamed;
        } else if (c < 32 || c == 127) {
            const int nDigits = IsOctal(p[1]) || c >= 64 ? 3 : c > 7 ? 2 : 1;
            CString octal;
            octal.Format("\\%0*o", nDigits, unsigned(c));
            result += octal;
        } else {
            result += char(c);
        }
    }
    return result;
}

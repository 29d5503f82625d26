// The formula scanner, written by hand: every pattern measures its longest match at the read position,
// and the longest wins, a tie going to the earlier pattern.
#include "grid/formula/GXFormulaScanner.h"

#include "grid/formula/GXCellRangeRef.h"
#include "grid/formula/GXFormulaErrors.h"
#include "grid/formula/GXRangeNames.h"

#include "core/CException.h"

#include <cstdio>

namespace {

GX_PARSE_STATE* g_pParseState = nullptr;

bool IsHexDigit(char c)
{
    return EngineIsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The patterns, in tie-breaking order.
enum Pattern { kCellWord, kNameWord, kFunctionWord, kString, kHex, kNumber, kComment, kOperator, kNoPattern };

// Each Match function returns the length of the longest match of its pattern at p (0: none); p
// points into a zero-terminated text.

int32_t MatchCellWord(const char* p)
{
    int32_t n = 0;
    if (p[n] == '$')
        n++;
    int32_t nLetters = 0;
    while (EngineIsLetter(p[n + nLetters]))
        nLetters++;
    if (nLetters < 1 || nLetters > 3)
        return 0;
    n += nLetters;
    if (p[n] == '$')
        n++;
    int32_t nDigits = 0;
    while (EngineIsDigit(p[n + nDigits]))
        nDigits++;
    if (nDigits < 1)
        return 0;
    return n + (nDigits > 7 ? 7 : nDigits);
}

int32_t MatchNameWord(const char* p)
{
    if (!EngineIsNameStart(p[0]))
        return 0;
    int32_t n = 1;
    while (EngineIsNameChar(p[n]))
        n++;
    return n;
}

int32_t MatchFunctionWord(const char* p)
{
    if (p[0] != '@')
        return 0;
    int32_t n = 1;
    while (EngineIsLetter(p[n]) || EngineIsDigit(p[n]) || p[n] == '_')
        n++;
    return n;
}

int32_t MatchString(const char* p)
{
    if (p[0] != '"')
        return 0;
    for (int32_t n = 1; p[n] != 0; n++) {
        if (p[n] == '"')
            return n + 1;
        if (p[n] == '\\') {
            if (p[n + 1] == 0)
                return 0;
            n++;
        }
    }
    return 0;  // unterminated
}

int32_t MatchHex(const char* p)
{
    if (p[0] != '0' || (p[1] != 'x' && p[1] != 'X') || !IsHexDigit(p[2]))
        return 0;
    int32_t n = 3;
    while (IsHexDigit(p[n]))
        n++;
    return n;
}

// The length of an exponent ('e', an optional sign, digits) at p, or 0.
int32_t MatchExponent(const char* p)
{
    if (p[0] != 'e')
        return 0;
    int32_t n = 1;
    if (p[n] == '+' || p[n] == '-')
        n++;
    if (!EngineIsDigit(p[n]))
        return 0;
    while (EngineIsDigit(p[n]))
        n++;
    return n;
}

// Integer, decimal and fraction: they are one pattern here, since each is a prefix-extension of the
// one before and the longest of them always wins.
int32_t MatchNumber(const char* p)
{
    int32_t n = 0;
    while (EngineIsDigit(p[n]))
        n++;
    if (p[n] == '.' && (n > 0 || EngineIsDigit(p[n + 1]))) {
        n++;
        while (EngineIsDigit(p[n]))
            n++;
    }
    if (n == 0)
        return 0;
    return n + MatchExponent(p + n);
}

int32_t MatchComment(const char* p)
{
    if (p[0] != '/' || p[1] != '/')
        return 0;
    int32_t n = 2;
    while (p[n] != 0 && p[n] != '\n')
        n++;
    return n;
}

bool StartsNoCase(const char* p, const char* pszWord)
{
    for (; *pszWord != 0; p++, pszWord++) {
        const char c = (*p >= 'a' && *p <= 'z') ? char(*p - 'a' + 'A') : *p;
        if (c != *pszWord)
            return false;
    }
    return true;
}

// The operators, longest first so that the first one that matches is the longest.
struct OperatorText {
    const char* pszText;
    int32_t nType;
};
constexpr OperatorText kOperators[] = {
    {"#AND#", kTokAnd}, {"#NOT#", kTokNot}, {"#OR#", kTokOr},
    {"**", kTokPower}, {"&&", kTokAnd}, {"||", kTokOr}, {"<<", kTokShiftLeft}, {">>", kTokShiftRight},
    {"<=", kTokLessEqual}, {">=", kTokGreaterEqual}, {"!=", kTokNotEqual}, {"<>", kTokNotEqual},
    {"==", kTokEqualEqual}, {"..", kTokRange}, {"??", kTokErrorLiteral},
    {";", kTokSemicolon}, {":", kTokColon}, {",", kTokComma}, {"?", kTokQuestion}, {"#", kTokHash},
    {"\\", kTokBackslash}, {"+", kTokPlus}, {"-", kTokMinus}, {"*", kTokStar}, {"/", kTokSlash},
    {"%", kTokPercent}, {"|", kTokBar}, {"^", kTokCaret}, {"&", kTokAmpersand}, {"!", kTokNot},
    {"~", kTokTilde}, {"<", kTokLess}, {">", kTokGreater}, {"(", kTokLParen}, {")", kTokRParen},
    {"{", kTokLBrace}, {"}", kTokRBrace}, {"=", kTokEqual}, {".", kTokDot}};

int32_t MatchOperator(const char* p, int32_t* pType)
{
    for (const OperatorText& op : kOperators) {
        if (StartsNoCase(p, op.pszText)) {
            *pType = op.nType;
            int32_t n = 0;
            while (op.pszText[n] != 0)
                n++;
            return n;
        }
    }
    return 0;
}

ScanToken MakeToken(int32_t nType, int32_t nPosition, int32_t nValue = 0)
{
    ScanToken token;
    token.nType = nType;
    token.nValue = nValue;
    token.nPosition = nPosition;
    return token;
}

// Builds the token of a match of nLength characters of pattern at the read position, and moves the
// read position past what the token takes.
ScanToken TokenFor(GX_PARSE_STATE& state, Pattern pattern, int32_t nLength, int32_t nOperator)
{
    const int32_t nPos = state.m_nReadPos;
    const char* p = static_cast<const char*>(state.m_strInput) + nPos;
    const CString word(p, nLength);
    state.m_nReadPos += nLength;
    ScanToken token = MakeToken(nOperator, nPos);
    switch (pattern) {
    case kCellWord:
        token.nType = EngineColumnFromLetters(p[0] == '$' ? p + 1 : p) >= 0 ? kTokCellName : kTokName;
        token.strText = word;
        break;
    case kNameWord: {
        token.nType = kTokName;
        token.strText = word;
        CellRangeRef ref;
        if (EngineParseReference(word, &ref)) {
            // only the first corner: the range operator and the second corner follow as tokens of their own
            const int32_t nDot = word.Find('.');
            if (nDot >= 0) {
                token.strText = word.Left(nDot);
                state.m_nReadPos = nPos + nDot;
            }
            token.nType = kTokCellName;
        }
        break;
    }
    case kFunctionWord:
        token.nType = kTokFunction;
        token.strText = word.Mid(1);
        break;
    case kString:
        token.nType = kTokString;
        token.strText = word.Mid(1, nLength - 2);
        break;
    case kHex:
        token.nType = kTokHexNumber;
        token.strText = word.Mid(2);
        break;
    case kNumber:
        token.nType = kTokNumber;
        token.strText = word;
        break;
    case kComment:
        token.nType = kTokComment;
        token.strText = word.Mid(2);
        break;
    case kOperator:
    case kNoPattern: break;
    }
    return token;
}

ScanToken NextToken(GX_PARSE_STATE& state)
{
    const char* pszInput = state.m_strInput;
    for (;;) {
        const int32_t nPos = state.m_nReadPos;
        if (nPos >= state.m_nLength)
            return MakeToken(kTokEnd, state.m_nLength);
        const char* p = pszInput + nPos;
        if (*p == ' ' || *p == '\t') {
            state.m_nReadPos++;
            continue;
        }
        if (*p == '\n') {
            state.m_nReadPos++;
            std::fputc('\n', stdout);
            continue;
        }

        int32_t nOperator = 0;
        const int32_t lengths[] = {MatchCellWord(p), MatchNameWord(p), MatchFunctionWord(p), MatchString(p),
                                   MatchHex(p), MatchNumber(p), MatchComment(p), MatchOperator(p, &nOperator)};
        Pattern best = kNoPattern;
        int32_t nBest = 0;
        for (int32_t i = 0; i < kNoPattern; i++) {
            if (lengths[i] > nBest) {
                nBest = lengths[i];
                best = Pattern(i);
            }
        }
        if (best == kNoPattern) {
            state.m_nReadPos++;
            return MakeToken(kTokError, nPos, GX_ERR_INVALID_CHARACTER);
        }
        if (nBest > GX_PARSE_STATE::kBufferSize) {
            state.m_nReadPos += nBest;
            return MakeToken(kTokError, nPos, GX_ERR_TOKEN_OVERFLOW);
        }
        return TokenFor(state, best, nBest, nOperator);
    }
}

}  // namespace

IMPLEMENT_DYNAMIC(GX_PARSE_STATE, CObject)

GX_PARSE_STATE& ScanState()
{
    if (g_pParseState == nullptr)
        AfxAllocating([] { g_pParseState = new GX_PARSE_STATE; });
    return *g_pParseState;
}

void ScanResetState()
{
    delete g_pParseState;
    g_pParseState = nullptr;
}

void ScanSetInput(const char* pszText)
{
    GX_PARSE_STATE& state = ScanState();
    state.m_strInput = pszText;
    state.m_nLength = state.m_strInput.GetLength();
    state.m_nReadPos = 0;
}

ScanToken ScanNextToken()
{
    GX_PARSE_STATE& state = ScanState();
    const int32_t nPos = state.m_nReadPos;
    ScanToken token;
    try {
        AfxAllocating([&] { token = NextToken(state); });
    } catch (CMemoryException* e) {
        // the formula is refused with this error; the next call goes on after the character
        e->Delete();
        state.m_nReadPos = nPos + 1;
        return MakeToken(kTokError, nPos, GX_ERR_OUT_OF_MEMORY);
    }
    return token;
}

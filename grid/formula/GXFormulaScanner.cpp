// The formula scanner, written by hand: every pattern measures its longest match at the read position,
// and the longest wins, a tie going to the earlier pattern.
#include "grid/formula/GXFormulaScanner.h"

#include "grid/formula/GXCellRangeRef.h"
#include "grid/formula/GXFormulaErrors.h"

#include "core/CException.h"

#include <cstdio>

namespace {

GX_PARSE_STATE* g_pParseState = nullptr;

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsNameChar(char c)
{
    return IsLetter(c) || IsDigit(c) || c == '_' || c == '.' || c == '$';
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
    while (IsLetter(p[n + nLetters]))
        nLetters++;
    if (nLetters < 1 || nLetters > 3)
        return 0;
    n += nLetters;
    if (p[n] == '$')
        n++;
    int32_t nDigits = 0;
    while (IsDigit(p[n + nDigits]))
        nDigits++;
    if (nDigits < 1)
        return 0;
    return n + (nDigits > 7 ? 7 : nDigits);
}

int32_t MatchNameWord(const char* p)
{
    if (!IsLetter(p[0]) && p[0] != '_' && p[0] != '$')
        return 0;
    int32_t n = 1;
    while (IsNameChar(p[n]))
        n++;
    return n;
}

int32_t MatchFunctionWord(const char* p)
{
    if (p[0] != '@')
        return 0;
    int32_t n = 1;
    while (IsLetter(p[n]) || IsDigit(p[n]) || p[n] == '_')
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
    if (!IsDigit(p[n]))
        return 0;
    while (IsDigit(p[n]))
        n++;
    return n;
}

// Integer, decimal and fraction: they are one pattern here, since each is a prefix-extension of the
// one before and the longest of them always wins.
int32_t MatchNumber(const char* p)
{
    int32_t n = 0;
    while (IsDigit(p[n]))
        n++;
    if (p[n] == '.' && (n > 0 || IsDigit(p[n + 1]))) {
        n++;
        while (IsDigit(p[n]))
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

// Builds the token of a match of nLength characters of pattern at position nPos, and moves the read
// position past what the token takes.
ScanToken TokenFor(GX_PARSE_STATE& state, Pattern pattern, int32_t nLength, int32_t nOperator)
{
    const int32_t nPos = state.m_nReadPos;
    const char* p = static_cast<const char*>(state.m_strInput) + nPos;
    const CString word(p, nLength);
    state.m_nReadPos += nLength;
    switch (pattern) {
    case kCellWord: {
        const char* pszLetters = p[0] == '$' ? p + 1 : p;
        ScanToken token = MakeToken(EngineColumnFromLetters(pszLetters) >= 0 ? kTokCellName : kTokName, nPos);
        token.strText = word;
        return token;
    }
    case kNameWord: {
        CellRangeRef ref;
        ScanToken token = MakeToken(kTokName, nPos);
        token.strText = word;
        if (EngineParseReference(word, &ref)) {
            const int32_t nDot = word.Find('.');
            if (nDot >= 0) {
                token.strText = word.Left(nDot);
                state.m_nReadPos = nPos + nDot;
            }
            token.nType = kTokCellName;
        }
        return token;
    }
    case kFunctionWord: {
        ScanToken token = MakeToken(kTokFunction, nPos);
        token.strText = word.Mid(1);
        return token;
    }
    case kString: {
        ScanToken token = MakeToken(kTokString, nPos);
        token.strText = word.Mid(1, nLength - 2);
        return token;
    }
    case kHex: {
        ScanToken token = MakeToken(kTokHexNumber, nPos);
        token.strText = word.Mid(2);
        return token;
    }
    case kNumber: {
        ScanToken token = MakeToken(kTokNumber, nPos);
        token.strText = word;
        return token;
    }
    case kComment: {
        ScanToken token = MakeToken(kTokComment, nPos);
        token.strText = word.Mid(2);
        return token;
    }
    case kOperator:
    case kNoPattern: break;
    }
    return MakeToken(nOperator, nPos);
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
    if (g_pParseState == nullptr) {
        AfxAllocating([] { g_pParseState = new GX_PARSE_STATE; });
        g_pParseState->m_nLength = 0;
        g_pParseState->m_nReadPos = 0;
    }
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
    try {
        return NextToken(state);
    } catch (CMemoryException* e) {
        e->Delete();
        state.m_nReadPos = nPos + 1;
        return MakeToken(kTokError, nPos, GX_ERR_OUT_OF_MEMORY);
    }
}

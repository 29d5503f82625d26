// The formula parser. Items are built in a fixed buffer; the first error unwinds the descent as a
// ParseFailure, and the parser's destructor frees the texts of the items built so far.
#include "grid/formula/GXFormulaParser.h"

#include "grid/formula/GXEngineMemory.h"
#include "grid/formula/GXEngineState.h"
#include "grid/formula/GXFormulaErrors.h"
#include "grid/formula/GXFormulaFunctions.h"
#include "grid/formula/GXFormulaScanner.h"
#include "grid/formula/GXRangeNames.h"
#include "grid/formula/GXTextEscapes.h"

#include "core/CException.h"
#include "core/NumberText.h"

#include <cmath>
#include <cstring>

namespace {

struct ParseFailure {
    int32_t nCode;
    int32_t nPosition;
};

struct BinaryOperator {
    int32_t nToken;
    int32_t nOperator;
};

// The binary levels from the loosest to the tightest; each row ends with a token type of -1.
constexpr BinaryOperator kBinaryLevels[][5] = {
    {{kTokOr, kOpOr}, {-1, 0}},
    {{kTokAnd, kOpAnd}, {-1, 0}},
    {{kTokBar, kOpBitOr}, {-1, 0}},
    {{kTokCaret, kOpBitXor}, {-1, 0}},
    {{kTokAmpersand, kOpJoin}, {-1, 0}},
    {{kTokEqual, kOpEqual}, {kTokEqualEqual, kOpEqual}, {kTokNotEqual, kOpNotEqual}, {-1, 0}},
    {{kTokLess, kOpLess}, {kTokGreater, kOpGreater}, {kTokLessEqual, kOpLessEqual}, {kTokGreaterEqual, kOpGreaterEqual},
     {-1, 0}},
    {{kTokShiftLeft, kOpShiftLeft}, {kTokShiftRight, kOpShiftRight}, {-1, 0}},
    {{kTokPlus, kOpAdd}, {kTokMinus, kOpSubtract}, {-1, 0}},
    {{kTokStar, kOpMultiply}, {kTokSlash, kOpDivide}, {kTokPercent, kOpModulo}, {-1, 0}},
};
constexpr size_t kBinaryLevelCount = sizeof kBinaryLevels / sizeof kBinaryLevels[0];

bool IsRangeOperator(int32_t nType)
{
    return nType == kTokColon || nType == kTokRange || nType == kTokDot;
}

// True for the tokens an operand can start with (prefix operators aside): a "%" before one of them
// is modulo, before anything else percent.
bool StartsOperand(int32_t nType)
{
    switch (nType) {
    case kTokHash:
    case kTokLParen:
    case kTokCellName:
    case kTokName:
    case kTokFunction:
    case kTokString:
    case kTokNumber:
    case kTokHexNumber:
    case kTokErrorLiteral: return true;
    default: return false;
    }
}

class Parser {
public:
    explicit Parser(SheetHandle h) : m_h(h) {}
    ~Parser();
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;

    // Parses pszText; throws ParseFailure, or CMemoryException* when memory runs out.
    CompiledFormula* Run(const char* pszText);
    // The position of the token the parser looks at now.
    int32_t Position() const { return m_nTokens > 0 ? m_tokens[0].nPosition : 0; }

private:
    const ScanToken& Peek(int n = 0);
    ScanToken Take();
    [[noreturn]] void Fail(const ScanToken& token, int32_t nCode);
    void Accept(int32_t nType);

    int16_t NewItem(uint8_t nKind, int16_t nLink1 = -1, int16_t nLink2 = -1);
    int16_t NewOperator(int32_t nOperator, int16_t nLeft, int16_t nRight);
    void MakeRange(int16_t nLeft, const CellRangeRef& right);
    CellRangeRef ReadCell(const ScanToken& token);

    int16_t Expression();
    int16_t Nested();
    int16_t Binary(size_t nLevel);
    int16_t Unary();
    int16_t Power();
    int16_t Postfix();
    int16_t Primary();
    int16_t CellOperand();
    int16_t RangeTail(int16_t nLeft);
    int16_t Call(const ScanToken& name, bool bArguments);
    void MatchArguments(const ScanToken& name, const GXFunctionDesc& function, int16_t nFirst, int32_t nArgs);
    int16_t NamedReference(const ScanToken& name);
    int16_t Dependency();

    SheetHandle m_h;
    ScanToken m_tokens[3];  // the current token and two look-ahead tokens
    int m_nTokens = 0;
    FormulaItem m_items[kFormulaMaxItems];
    int16_t m_nItems = 0;
    char* m_pszComment = nullptr;
    int32_t m_nNesting = 0;
};

Parser::~Parser()
{
    for (int16_t i = 0; i < m_nItems; i++) {
        if (EngineItemOwnsText(m_items[i]))
            EngineFree(m_items[i].u.pszText);
    }
    EngineFree(m_pszComment);
}

const ScanToken& Parser::Peek(int n)
{
    while (m_nTokens <= n)
        m_tokens[m_nTokens++] = ScanNextToken();
    return m_tokens[n];
}

ScanToken Parser::Take()
{
    Peek();
    ScanToken token = m_tokens[0];
    for (int i = 1; i < m_nTokens; i++)
        m_tokens[i - 1] = m_tokens[i];
    m_nTokens--;
    return token;
}

void Parser::Fail(const ScanToken& token, int32_t nCode)
{
    // an error token stands for the scanner's own error
    throw ParseFailure{token.nType == kTokError ? token.nValue : nCode, token.nPosition};
}

void Parser::Accept(int32_t nType)
{
    if (Peek().nType != nType)
        Fail(Peek(), nType >= 0 && nType <= kTokDot ? GX_ERR_EXPECTED_TOKEN + nType : GX_ERR_UNEXPECTED);
    Take();
}

int16_t Parser::NewItem(uint8_t nKind, int16_t nLink1, int16_t nLink2)
{
    if (m_nItems >= kFormulaMaxItems)
        Fail(Peek(), GX_ERR_TOKEN_OVERFLOW);
    FormulaItem& item = m_items[m_nItems];
    std::memset(&item, 0, sizeof item);
    item.nKind = nKind;
    item.nLink1 = nLink1;
    item.nLink2 = nLink2;
    return m_nItems++;
}

int16_t Parser::NewOperator(int32_t nOperator, int16_t nLeft, int16_t nRight)
{
    const int16_t i = NewItem(kItemOperator, nLeft, nRight);
    m_items[i].u.nOperator = nOperator;
    return i;
}

// Turns the cell item nLeft into the range from it to the cell right.
void Parser::MakeRange(int16_t nLeft, const CellRangeRef& right)
{
    m_items[nLeft].nKind = kItemRange;
    m_items[nLeft].u.ref = EngineRangeBetween(m_items[nLeft].u.ref, right);
}

CellRangeRef Parser::ReadCell(const ScanToken& token)
{
    CellRangeRef ref;
    if (!EngineParseReference(token.strText, &ref) || !ref.IsSingleCell())
        Fail(token, GX_ERR_CELL_OUT_OF_RANGE);
    return ref;
}

CompiledFormula* Parser::Run(const char* pszText)
{
    ScanSetInput(pszText);
    if (Peek().nType == kTokEqualEqual)
        throw ParseFailure{GX_ERR_EXPECTED_OPERAND, Peek().nPosition + 1};  // the second '=' has no operand
    Accept(kTokEqual);
    const int16_t nValue = Expression();
    int16_t nConstraint = -1;
    if (Peek().nType == kTokSemicolon) {
        Take();
        nConstraint = Expression();
    }
    int16_t nDependencies = -1;
    if (Peek().nType == kTokBackslash) {
        Take();
        nDependencies = Dependency();
        for (int16_t nLast = nDependencies; Peek().nType == kTokComma;) {
            Take();
            const int16_t nNext = Dependency();
            m_items[nLast].nLink2 = nNext;
            nLast = nNext;
        }
    }
    if (Peek().nType == kTokComment)
        m_pszComment = EngineStrDup(Take().strText);
    Accept(kTokEnd);

    CompiledFormula* pFormula = static_cast<CompiledFormula*>(EngineAlloc(sizeof(CompiledFormula)));
    try {
        pFormula->pItems = static_cast<FormulaItem*>(EngineAlloc(sizeof(FormulaItem) * size_t(m_nItems)));
    } catch (CException*) {
        EngineFree(pFormula);
        throw;
    }
    std::memcpy(pFormula->pItems, m_items, sizeof(FormulaItem) * size_t(m_nItems));
    pFormula->nItems = m_nItems;
    pFormula->nValueRoot = nValue;
    pFormula->nConstraintRoot = nConstraint;
    pFormula->nDependencies = nDependencies;
    pFormula->pszComment = m_pszComment;
    // the texts now belong to the formula
    m_nItems = 0;
    m_pszComment = nullptr;
    return pFormula;
}

int16_t Parser::Expression()
{
    const int16_t nCondition = Binary(0);
    if (Peek().nType != kTokQuestion)
        return nCondition;
    Take();
    const int16_t nThen = Nested();
    Accept(kTokColon);
    const int16_t nElse = Nested();
    return NewOperator(kOpConditional, nCondition, NewItem(kItemBranches, nThen, nElse));
}

int16_t Parser::Nested()
{
    if (++m_nNesting > kFormulaMaxNesting)
        Fail(Peek(), GX_ERR_TOKEN_OVERFLOW);
    const int16_t i = Expression();
    m_nNesting--;
    return i;
}

int16_t Parser::Binary(size_t nLevel)
{
    if (nLevel == kBinaryLevelCount)
        return Unary();
    int16_t nLeft = Binary(nLevel + 1);
    for (;;) {
        const BinaryOperator* pOperator = kBinaryLevels[nLevel];
        while (pOperator->nToken >= 0 && pOperator->nToken != Peek().nType)
            pOperator++;
        if (pOperator->nToken < 0)
            return nLeft;
        Take();
        const int16_t nRight = Binary(nLevel + 1);
        nLeft = NewOperator(pOperator->nOperator, nLeft, nRight);
    }
}

int16_t Parser::Unary()
{
    int32_t nOperator = -1;
    switch (Peek().nType) {
    case kTokPlus: nOperator = kOpPlus; break;
    case kTokMinus: nOperator = kOpNegate; break;
    case kTokNot: nOperator = kOpNot; break;
    case kTokTilde: nOperator = kOpBitNot; break;
    default: return Power();
    }
    Take();
    const int16_t nOperand = Power();
    return NewOperator(nOperator, -1, nOperand);
}

int16_t Parser::Power()
{
    int16_t nLeft = Postfix();
    while (Peek().nType == kTokPower) {
        Take();
        const int16_t nRight = Postfix();
        nLeft = NewOperator(kOpPower, nLeft, nRight);
    }
    return nLeft;
}

int16_t Parser::Postfix()
{
    const int16_t nOperand = Primary();
    if (Peek().nType != kTokPercent || StartsOperand(Peek(1).nType))
        return nOperand;
    Take();
    return NewOperator(kOpPercent, -1, nOperand);
}

int16_t Parser::Primary()
{
    const ScanToken token = Peek();
    switch (token.nType) {
    case kTokHash: {
        Take();
        int16_t nColumn = -1;
        int16_t nRow = -1;
        if (Peek().nType == kTokLBrace) {
            Take();
            nColumn = Nested();
            if (Peek().nType == kTokComma) {
                Take();
                nRow = Nested();
            }
            Accept(kTokRBrace);
        }
        const int16_t i = NewItem(kItemOffset);
        m_items[i].u.offset.nColumn = nColumn;
        m_items[i].u.offset.nRow = nRow;
        return i;
    }
    case kTokLParen: {
        Take();
        const int16_t i = Nested();
        Accept(kTokRParen);
        m_items[i].nFlags |= kItemParenthesised;
        return i;
    }
    case kTokCellName: return CellOperand();
    case kTokName:
        Take();
        return Peek().nType == kTokLParen ? Call(token, true) : NamedReference(token);
    case kTokFunction:
        Take();
        return Call(token, Peek().nType == kTokLParen);
    case kTokString: {
        Take();
        const int16_t i = NewItem(kItemString);
        m_items[i].u.pszText = EngineStrDup(EngineDecodeEscapes(token.strText));
        return i;
    }
    case kTokNumber: {
        Take();
        const double dValue = AfxStrToDouble(token.strText);
        if (!std::isfinite(dValue))
            Fail(token, GX_ERR_UNDEFINED_NAME);
        const int16_t i = NewItem(kItemNumber);
        m_items[i].u.dNumber = dValue;
        return i;
    }
    case kTokHexNumber: {
        Take();
        uint32_t nBits = 0;  // the low 32 bits of however many digits
        for (const char* p = token.strText; *p != 0; p++) {
            const char c = *p;
            const uint32_t nDigit = uint32_t(EngineIsDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10);
            nBits = (nBits << 4) | nDigit;
        }
        const int16_t i = NewItem(kItemNumber);
        m_items[i].nFlags |= kItemHex;
        m_items[i].u.dNumber = double(int32_t(nBits));
        return i;
    }
    case kTokErrorLiteral:
        Take();
        return NewOperator(kOpBrokenRef, -1, -1);
    default: Fail(token, GX_ERR_EXPECTED_OPERAND);
    }
}

int16_t Parser::CellOperand()
{
    const ScanToken cell = Take();
    const CellRangeRef ref = ReadCell(cell);
    const int16_t i = NewItem(kItemCell);
    m_items[i].u.ref = ref;
    return IsRangeOperator(Peek().nType) ? RangeTail(i) : i;
}

int16_t Parser::RangeTail(int16_t nLeft)
{
    Take();  // the range operator
    const ScanToken right = Peek();
    int16_t nRight = -1;
    switch (right.nType) {
    case kTokCellName:
        Take();
        MakeRange(nLeft, ReadCell(right));
        return nLeft;
    case kTokName:
        Take();
        nRight = Peek().nType == kTokLParen ? Call(right, true) : NamedReference(right);
        break;
    case kTokFunction:
        if (Peek(1).nType != kTokLParen)
            Fail(right, GX_ERR_EXPECTED_RANGE_END);
        Take();
        nRight = Call(right, true);
        break;
    default: Fail(right, GX_ERR_EXPECTED_RANGE_END);
    }
    return NewOperator(kOpRange, nLeft, nRight);
}

int16_t Parser::Call(const ScanToken& name, bool bArguments)
{
    CString upper = name.strText;
    upper.MakeUpper();
    const GXFunctionTable* pTable = EngineState().m_pFunctions;
    const GXFunctionDesc* pFunction = pTable != nullptr ? pTable->Lookup(upper) : nullptr;
    if (pFunction == nullptr)
        Fail(name, GX_ERR_UNDEFINED_FUNCTION);

    int16_t nFirst = -1;
    int32_t nArgs = 0;
    if (bArguments) {
        Accept(kTokLParen);
        if (Peek().nType != kTokRParen) {
            for (int16_t nLast = -1;;) {
                if (nArgs == kFunctionMaxArgs)
                    Fail(name, GX_ERR_TOO_MANY_ARGUMENTS);
                const int16_t nLink = NewItem(kItemArgument, Nested());
                (nLast < 0 ? nFirst : m_items[nLast].nLink2) = nLink;
                nLast = nLink;
                nArgs++;
                if (Peek().nType != kTokComma)
                    break;
                Take();
            }
        }
        Accept(kTokRParen);
    }
    MatchArguments(name, *pFunction, nFirst, nArgs);
    const int16_t i = NewItem(kItemFunction, -1, nFirst);
    m_items[i].u.pFunction = pFunction;
    return i;
}

void Parser::MatchArguments(const ScanToken& name, const GXFunctionDesc& function, int16_t nFirst, int32_t nArgs)
{
    const int32_t nParams = function.nParams > 0 ? function.nParams : 0;
    int32_t nRequired = 0;
    int32_t nRepeatFrom = -1;
    for (int32_t i = 0; i < nParams; i++) {
        const uint8_t nCount = function.pParams[i].nFlags & kParamCountMask;
        if (nCount != kParamOptional)
            nRequired++;
        if (nCount == kParamRepeats && nRepeatFrom < 0)
            nRepeatFrom = i;
    }
    if (nArgs < nRequired)
        Fail(name, GX_ERR_TOO_FEW_ARGUMENTS);
    if (nArgs > nParams && nRepeatFrom < 0)
        Fail(name, GX_ERR_TOO_MANY_ARGUMENTS);
    int16_t nLink = nFirst;
    for (int32_t i = 0; i < nArgs; i++, nLink = m_items[nLink].nLink2) {
        const int32_t nParam = i < nParams ? i : nRepeatFrom + (i - nRepeatFrom) % (nParams - nRepeatFrom);
        const GXFunctionParam& param = function.pParams[nParam];
        m_items[nLink].u.nParamType = param.nType;
        if (param.nFlags & kParamByReference)
            m_items[nLink].nFlags |= kItemByReference;
    }
    if (nFirst >= 0 && function.pszName != nullptr && std::strcmp(function.pszName, "XVALUE") == 0)
        m_items[nFirst].nFlags |= kItemXValueArg;
}

int16_t Parser::NamedReference(const ScanToken& name)
{
    RangeName* pName = EngineFindName(m_h, name.strText);
    if (pName == nullptr)
        Fail(name, GX_ERR_UNDEFINED_NAME);
    const int16_t i = NewItem(pName->ref.IsOneCell() ? kItemNamedCell : kItemNamedRange);
    m_items[i].u.pName = pName;
    return i;
}

int16_t Parser::Dependency()
{
    const ScanToken token = Peek();
    if (token.nType == kTokName) {
        Take();
        return NamedReference(token);
    }
    if (token.nType != kTokCellName)
        Fail(token, GX_ERR_EXPECTED_TOKEN + kTokName);
    Take();
    const CellRangeRef ref = ReadCell(token);
    const int16_t i = NewItem(kItemCell);
    m_items[i].u.ref = ref;
    if (IsRangeOperator(Peek().nType)) {
        Take();
        const ScanToken right = Peek();
        Accept(kTokCellName);
        MakeRange(i, ReadCell(right));
    }
    return i;
}

}  // namespace

CompiledFormula* EngineParseFormula(SheetHandle h, const char* pszText)
{
    EngineSheetOf(h, "EngineParseFormula");
    GX_ENGINE_STATE& state = EngineState();
    Parser parser(h);
    int32_t nCode = 0;
    int32_t nPosition = 0;
    CompiledFormula* pFormula = nullptr;
    try {
        pFormula = parser.Run(pszText != nullptr ? pszText : "");
    } catch (const ParseFailure& failure) {
        nCode = failure.nCode;
        nPosition = failure.nPosition;
    } catch (CMemoryException* e) {
        e->Delete();
        nCode = GX_ERR_OUT_OF_MEMORY;
        nPosition = parser.Position();
    }
    state.m_bParseFailed = pFormula == nullptr;
    state.m_nLastError = nCode;
    state.m_nLastErrorPos = nPosition;
    return pFormula;
}

// CellRangeRef: validity, column letters, the text form both ways, normalising and comparing.
#include "grid/formula/GXCellRangeRef.h"

#include "grid/formula/GXEngineState.h"

#include <cstdio>
#include <utility>

namespace {

// Writes the letters of column nCol (0 to 4095) and a terminator into szOut; at most 3 letters.
void WriteLetters(int32_t nCol, char (&szOut)[4])
{
    char szReversed[4];
    int nLength = 0;
    for (int32_t n = nCol + 1; n > 0; n = (n - 1) / 26)
        szReversed[nLength++] = char('A' + (n - 1) % 26);
    for (int i = 0; i < nLength; i++)
        szOut[i] = szReversed[nLength - 1 - i];
    szOut[nLength] = 0;
}

// One corner as read from a reference text.
struct Corner {
    int32_t nRow;
    int32_t nCol;
    bool bAbsRow;
    bool bAbsCol;
};

// Reads a corner at p; on success moves p past it.
bool ReadCorner(const char*& p, Corner& corner)
{
    const char* q = p;
    corner.bAbsCol = *q == '$';
    if (corner.bAbsCol)
        q++;
    if (!EngineIsLetter(*q))
        return false;
    corner.nCol = EngineColumnFromLetters(q);
    if (corner.nCol < 0)
        return false;
    while (EngineIsLetter(*q))
        q++;
    corner.bAbsRow = *q == '$';
    if (corner.bAbsRow)
        q++;
    if (!EngineIsDigit(*q))
        return false;
    int64_t nRow = 0;
    while (EngineIsDigit(*q)) {
        nRow = nRow * 10 + (*q++ - '0');
        if (nRow > kEngineMaxRow)
            return false;
    }
    if (nRow < 1)
        return false;
    corner.nRow = int32_t(nRow);
    p = q;
    return true;
}

// Writes one corner into buffer (nSize bytes) with its absolute flags; returns the characters written.
int WriteCorner(char* pBuffer, size_t nSize, int32_t nCol, int32_t nRow, bool bAbsCol, bool bAbsRow)
{
    char szLetters[4];
    WriteLetters(nCol, szLetters);
    const int n = std::snprintf(pBuffer, nSize, "%s%s%s%d", bAbsCol ? "$" : "", szLetters, bAbsRow ? "$" : "", nRow);
    return n < 0 ? 0 : n;
}

}  // namespace

bool CellRangeRef::IsValid() const
{
    const auto validRow = [](uint32_t nWord) {
        const uint32_t nRow = nWord & kRowField;
        return nRow >= 1 && nRow <= uint32_t(kEngineMaxRow);
    };
    return validRow(nTopRow) && validRow(nBottomRow) && (nColumns & kColInvalid) == 0 &&
           ((nColumns >> kRightShift) & kColInvalid) == 0;
}

const char* EngineColumnLetters(int32_t nCol)
{
    if (nCol < 0 || nCol > kEngineMaxCol)
        return nullptr;
    char szLetters[4];
    WriteLetters(nCol, szLetters);
    char* pszOut = EngineState().m_szColumnLetters;
    std::snprintf(pszOut, sizeof EngineState().m_szColumnLetters, "%s", szLetters);
    return pszOut;
}

int32_t EngineColumnFromLetters(const char* psz)
{
    if (psz == nullptr || !EngineIsLetter(*psz))
        return -1;
    int32_t nValue = 0;  // the column + 1
    for (; EngineIsLetter(*psz); psz++) {
        const char c = *psz >= 'a' ? char(*psz - 'a' + 'A') : *psz;
        nValue = nValue * 26 + (c - 'A' + 1);
        if (nValue > kEngineMaxCol + 1)
            return -1;
    }
    return nValue - 1;
}

bool EngineParseReference(const char* psz, CellRangeRef* pRef)
{
    if (psz == nullptr || pRef == nullptr)
        return false;
    const char* p = psz;
    Corner first;
    if (!ReadCorner(p, first))
        return false;
    Corner second = first;
    const bool bSingle = *p == 0;
    if (!bSingle) {
        if (*p == ':')
            p++;
        else if (p[0] == '.' && p[1] == '.')
            p += 2;
        else if (*p == '.')
            p++;
        else
            return false;
        if (!ReadCorner(p, second) || *p != 0)
            return false;
    }
    CellRangeRef ref = EngineMakeReference(first.nRow, first.nCol, second.nRow, second.nCol,
                                           (first.bAbsRow ? CellRangeRef::kAbsRow1 : 0u) |
                                               (first.bAbsCol ? CellRangeRef::kAbsCol1 : 0u) |
                                               (second.bAbsRow ? CellRangeRef::kAbsRow2 : 0u) |
                                               (second.bAbsCol ? CellRangeRef::kAbsCol2 : 0u) |
                                               (bSingle ? CellRangeRef::kSingleCell : 0u));
    EngineNormalizeReference(&ref);
    *pRef = ref;
    return true;
}

const char* EngineReferenceText(const CellRangeRef& ref)
{
    if (!ref.IsValid())
        return nullptr;
    char* pszOut = EngineState().m_szReferenceText;
    const size_t nSize = sizeof EngineState().m_szReferenceText;
    size_t n = size_t(WriteCorner(pszOut, nSize, ref.Left(), ref.Top(), (ref.nColumns & CellRangeRef::kAbsCol1) != 0,
                                  (ref.nColumns & CellRangeRef::kAbsRow1) != 0));
    if (!ref.IsSingleCell() && n + 2 < nSize) {
        pszOut[n++] = '.';
        pszOut[n++] = '.';
        WriteCorner(pszOut + n, nSize - n, ref.Right(), ref.Bottom(), (ref.nColumns & CellRangeRef::kAbsCol2) != 0,
                    (ref.nColumns & CellRangeRef::kAbsRow2) != 0);
    }
    return pszOut;
}

void EngineNormalizeReference(CellRangeRef* pRef)
{
    CellRangeRef& ref = *pRef;
    uint32_t nFlags = ref.nColumns & CellRangeRef::kFlagBits;
    if (ref.IsSingleCell()) {
        ref.nBottomRow = ref.nTopRow;
        nFlags &= ~(CellRangeRef::kAbsRow2 | CellRangeRef::kAbsCol2);
        if (nFlags & CellRangeRef::kAbsRow1)
            nFlags |= CellRangeRef::kAbsRow2;
        if (nFlags & CellRangeRef::kAbsCol1)
            nFlags |= CellRangeRef::kAbsCol2;
        const uint32_t nLeft = ref.nColumns & CellRangeRef::kColField;
        ref.nColumns = nLeft | (nLeft << CellRangeRef::kRightShift) | nFlags;
        return;
    }
    // swaps the two corners' flags named by nBit1 and nBit2
    const auto swapFlags = [&nFlags](uint32_t nBit1, uint32_t nBit2) {
        const bool b1 = (nFlags & nBit1) != 0;
        const bool b2 = (nFlags & nBit2) != 0;
        nFlags &= ~(nBit1 | nBit2);
        nFlags |= (b2 ? nBit1 : 0u) | (b1 ? nBit2 : 0u);
    };
    if (ref.Top() > ref.Bottom()) {
        std::swap(ref.nTopRow, ref.nBottomRow);
        swapFlags(CellRangeRef::kAbsRow1, CellRangeRef::kAbsRow2);
    }
    uint32_t nLeft = ref.nColumns & CellRangeRef::kColField;
    uint32_t nRight = (ref.nColumns >> CellRangeRef::kRightShift) & CellRangeRef::kColField;
    if (nLeft > nRight) {
        std::swap(nLeft, nRight);
        swapFlags(CellRangeRef::kAbsCol1, CellRangeRef::kAbsCol2);
    }
    ref.nColumns = nLeft | (nRight << CellRangeRef::kRightShift) | nFlags;
}

CellRangeRef EngineRangeBetween(const CellRangeRef& a, const CellRangeRef& b)
{
    const uint32_t nFirstCorner = CellRangeRef::kAbsRow1 | CellRangeRef::kAbsCol1;
    static_assert(CellRangeRef::kAbsRow1 << 15 == CellRangeRef::kAbsRow2 &&
                      CellRangeRef::kAbsCol1 << 15 == CellRangeRef::kAbsCol2,
                  "the second corner's flags sit 15 bits above the first corner's");
    const uint32_t nFlags = (a.nColumns & nFirstCorner) | ((b.nColumns & nFirstCorner) << 15);
    CellRangeRef range = EngineMakeReference(a.Top(), a.Left(), b.Top(), b.Left(), nFlags);
    EngineNormalizeReference(&range);
    return range;
}

CellRangeRef EngineMakeReference(int32_t nTop, int32_t nLeft, int32_t nBottom, int32_t nRight, uint32_t nFlags)
{
    const auto row = [](int32_t n) { return n >= 1 && n <= kEngineMaxRow ? n : 0; };
    const auto col = [](int32_t n) { return n >= 0 && n <= kEngineMaxCol ? n : 0; };
    CellRangeRef ref = {};
    ref.SetTop(row(nTop));
    ref.SetBottom(row(nBottom));
    ref.SetLeft(col(nLeft));
    ref.SetRight(col(nRight));
    ref.nColumns |= nFlags & CellRangeRef::kFlagBits;
    return ref;
}

bool EngineReferencesIntersect(const CellRangeRef& a, const CellRangeRef& b)
{
    if (!a.IsValid() || !b.IsValid())
        return false;
    const auto lo = [](int32_t x, int32_t y) { return x < y ? x : y; };
    const auto hi = [](int32_t x, int32_t y) { return x < y ? y : x; };
    return lo(a.Top(), a.Bottom()) <= hi(b.Top(), b.Bottom()) && lo(b.Top(), b.Bottom()) <= hi(a.Top(), a.Bottom()) &&
           lo(a.Left(), a.Right()) <= hi(b.Left(), b.Right()) && lo(b.Left(), b.Right()) <= hi(a.Left(), a.Right());
}

bool EngineReferencesEqual(const CellRangeRef& a, const CellRangeRef& b)
{
    const uint32_t nCoordinates = ~CellRangeRef::kFlagBits;
    return (a.nTopRow & CellRangeRef::kRowField) == (b.nTopRow & CellRangeRef::kRowField) &&
           (a.nBottomRow & CellRangeRef::kRowField) == (b.nBottomRow & CellRangeRef::kRowField) &&
           (a.nColumns & nCoordinates) == (b.nColumns & nCoordinates);
}

// Cell ranges and range lists (see GXRange.h).
#include "grid/engine/GXRange.h"

#include <algorithm>
#include <vector>

// ---- CGXCellRange ------------------------------------------------------------------------------

CGXCellRange::CGXCellRange() : rtType(rtCells), top(0), left(0), bottom(0), right(0), m_bValid(FALSE) {}

CGXCellRange::CGXCellRange(const CGXCellRange* pRange) : CGXCellRange()
{
    if (pRange != nullptr)
        *this = *pRange;
}

CGXCellRange::CGXCellRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight) : CGXCellRange()
{
    SetCells(nTop, nLeft, nBottom, nRight);
}

CGXCellRange& CGXCellRange::SetCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight)
{
    rtType = rtCells;
    top = std::min(nTop, nBottom);
    bottom = std::max(nTop, nBottom);
    left = std::min(nLeft, nRight);
    right = std::max(nLeft, nRight);
    m_bValid = TRUE;
    return *this;
}

CGXCellRange& CGXCellRange::SetRows(ROWCOL nRow1, ROWCOL nRow2)
{
    rtType = rtRows;
    top = std::min(nRow1, nRow2);
    bottom = std::max(nRow1, nRow2);
    left = right = 0;
    m_bValid = TRUE;
    return *this;
}

CGXCellRange& CGXCellRange::SetCols(ROWCOL nCol1, ROWCOL nCol2)
{
    rtType = rtCols;
    left = std::min(nCol1, nCol2);
    right = std::max(nCol1, nCol2);
    top = bottom = 0;
    m_bValid = TRUE;
    return *this;
}

CGXCellRange& CGXCellRange::SetTable()
{
    rtType = rtTable;
    m_bValid = TRUE;
    return *this;
}

CGXCellRange& CGXCellRange::ExpandToCells(ROWCOL nFirstRow, ROWCOL nFirstCol, ROWCOL nLastRow, ROWCOL nLastCol)
{
    switch (rtType) {
    case rtRows:
        left = nFirstCol;
        right = nLastCol;
        break;
    case rtCols:
        top = nFirstRow;
        bottom = nLastRow;
        break;
    case rtTable:
        top = nFirstRow;
        left = nFirstCol;
        bottom = nLastRow;
        right = nLastCol;
        break;
    default:
        return *this;
    }
    rtType = rtCells;
    return *this;
}

BOOL CGXCellRange::IsCellInRange(ROWCOL nRow, ROWCOL nCol) const
{
    if (!m_bValid)
        return FALSE;
    if (rtType == rtTable)
        return TRUE;
    if (rtType != rtCols && (nRow < top || nRow > bottom))
        return FALSE;
    if (rtType != rtRows && (nCol < left || nCol > right))
        return FALSE;
    return TRUE;
}

BOOL CGXCellRange::IntersectRange(const CGXCellRange& ra, const CGXCellRange& rb)
{
    const CGXCellRange a(ra), b(rb);  // either may be *this
    if (a.rtType == rtTable || b.rtType == rtTable) {
        const CGXCellRange& other = b.rtType == rtTable ? a : b;
        *this = other;
        m_bValid = TRUE;
        return TRUE;
    }
    if ((a.rtType == rtRows && b.rtType == rtCols) || (a.rtType == rtCols && b.rtType == rtRows)) {
        const CGXCellRange& rows = a.rtType == rtRows ? a : b;
        const CGXCellRange& cols = a.rtType == rtCols ? a : b;
        rtType = rtCells;
        top = rows.top;
        bottom = rows.bottom;
        left = cols.left;
        right = cols.right;
        m_bValid = TRUE;
        return TRUE;
    }
    if (a.rtType != rtCols && b.rtType != rtCols) {
        // cells and/or rows
        top = std::max(a.top, b.top);
        bottom = std::min(a.bottom, b.bottom);
        const CGXCellRange& colSource = a.rtType != rtRows ? a : b;
        left = colSource.left;
        right = colSource.right;
        rtType = a.rtType != rtRows ? a.rtType : b.rtType;
        m_bValid = top <= bottom;
        if (a.rtType == rtCells && b.rtType == rtCells) {
            left = std::max(a.left, b.left);
            right = std::min(a.right, b.right);
            rtType = rtCells;
            m_bValid = top <= bottom && left <= right;
        }
        return m_bValid;
    }
    // at least one columns range, the other cells or columns
    left = std::max(a.left, b.left);
    right = std::min(a.right, b.right);
    const CGXCellRange& rowSource = a.rtType != rtCols ? a : b;
    top = rowSource.top;
    bottom = rowSource.bottom;
    rtType = a.rtType != rtCols ? a.rtType : b.rtType;
    m_bValid = left <= right;
    return m_bValid;
}

BOOL CGXCellRange::UnionRange(const CGXCellRange& ra, const CGXCellRange& rb)
{
    const CGXCellRange a(ra), b(rb);
    const bool rowsAndCols =
        (a.rtType == rtRows && b.rtType == rtCols) || (a.rtType == rtCols && b.rtType == rtRows);
    if (a.rtType == rtTable || b.rtType == rtTable || rowsAndCols) {
        *this = CGXCellRange();
        SetTable();
    } else if (a.rtType == rtCols || b.rtType == rtCols) {
        SetCols(std::min(a.left, b.left), std::max(a.right, b.right));
    } else if (a.rtType == rtRows || b.rtType == rtRows) {
        SetRows(std::min(a.top, b.top), std::max(a.bottom, b.bottom));
    } else {
        SetCells(std::min(a.top, b.top), std::min(a.left, b.left), std::max(a.bottom, b.bottom),
                 std::max(a.right, b.right));
    }
    return TRUE;
}

void CGXCellRange::WriteRangeToArchive(CArchive& ar) const
{
    ar << DWORD(top) << DWORD(left) << DWORD(bottom) << DWORD(right);
    ar << BYTE(rtType) << BYTE(m_bValid ? 1 : 0);
}

void CGXCellRange::ReadRangeFromArchive(CArchive& ar)
{
    DWORD t, l, b, r;
    BYTE kind, valid;
    ar >> t >> l >> b >> r >> kind >> valid;
    top = t;
    left = l;
    bottom = b;
    right = r;
    rtType = kind;
    m_bValid = valid != 0;
}

// ---- CGXRangeList ------------------------------------------------------------------------------

IMPLEMENT_SERIAL(CGXRangeList, CObject, 1)

namespace {

// The stored size of one range.
const uint32_t kRangeSize = 18;

// Row and column twins of the renumbering: the bounds of one axis of a range.
struct Axis {
    ROWCOL CGXCellRange::*first;
    ROWCOL CGXCellRange::*last;
    LONG wholeKind;  // the kind whose ranges span this axis completely (columns for rows)
};
const Axis kRowAxis = {&CGXCellRange::top, &CGXCellRange::bottom, CGXCellRange::rtCols};
const Axis kColAxis = {&CGXCellRange::left, &CGXCellRange::right, CGXCellRange::rtRows};

// TRUE when the range's bounds on this axis are meaningful (not a table, not spanning the axis).
bool HasBounds(const CGXCellRange& r, const Axis& axis)
{
    return r.rtType != CGXCellRange::rtTable && r.rtType != axis.wholeKind;
}

// TRUE when a valid range of list covers number n of the axis.
BOOL IsInList(const CGXRangeList& list, const Axis& axis, ROWCOL n)
{
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const CGXCellRange* r = static_cast<const CGXCellRange*>(list.GetNext(pos));
        if (r->m_bValid && (!HasBounds(*r, axis) || (n >= r->*axis.first && n <= r->*axis.last)))
            return TRUE;
    }
    return FALSE;
}

void CheckOrder(const char* lpszFunc, ROWCOL nFrom, ROWCOL nTo)
{
    if (nFrom > nTo)
        AfxThrowInvalidArgFormat("CGXRangeList::%s: first %lu after last %lu", lpszFunc, nFrom, nTo);
}

}  // namespace

CGXRangeList::CGXRangeList() : CPtrList(10) {}

CGXRangeList::~CGXRangeList()
{
    DeleteAll();
}

CGXRangeList& CGXRangeList::operator=(const CGXRangeList& other)
{
    if (&other == this)
        return *this;
    DeleteAll();
    for (POSITION pos = other.GetHeadPosition(); pos != nullptr;) {
        const CGXCellRange* pRange = static_cast<const CGXCellRange*>(other.GetNext(pos));
        if (pRange->m_bValid)
            AddHead(new CGXCellRange(*pRange));
    }
    return *this;
}

POSITION CGXRangeList::AddRange(const CGXCellRange& range)
{
    CGXCellRange* pRange = new CGXCellRange(range);
    try {
        return AddTail(pRange);
    } catch (...) {
        delete pRange;
        throw;
    }
}

void CGXRangeList::DeleteAll()
{
    for (POSITION pos = GetHeadPosition(); pos != nullptr;)
        delete static_cast<CGXCellRange*>(GetNext(pos));
    RemoveAll();
}

void CGXRangeList::RemoveInvalid()
{
    for (POSITION pos = GetHeadPosition(); pos != nullptr;) {
        const POSITION cur = pos;
        CGXCellRange* pRange = static_cast<CGXCellRange*>(GetNext(pos));
        if (!pRange->m_bValid) {
            RemoveAt(cur);
            delete pRange;
        }
    }
}

BOOL CGXRangeList::IsCellInList(ROWCOL nRow, ROWCOL nCol, POSITION posSkip) const
{
    for (POSITION pos = GetHeadPosition(); pos != nullptr;) {
        const POSITION cur = pos;
        const CGXCellRange* pRange = static_cast<const CGXCellRange*>(GetNext(pos));
        if (cur != posSkip && pRange->IsCellInRange(nRow, nCol))
            return TRUE;
    }
    return FALSE;
}

POSITION CGXRangeList::FindRange(ROWCOL nRow, ROWCOL nCol) const
{
    for (POSITION pos = GetHeadPosition(); pos != nullptr;) {
        const POSITION cur = pos;
        if (static_cast<const CGXCellRange*>(GetNext(pos))->IsCellInRange(nRow, nCol))
            return cur;
    }
    return nullptr;
}

BOOL CGXRangeList::IsRowInList(ROWCOL nRow) const
{
    return IsInList(*this, kRowAxis, nRow);
}

BOOL CGXRangeList::IsColInList(ROWCOL nCol) const
{
    return IsInList(*this, kColAxis, nCol);
}

namespace {

// Collects the intervals of one axis into sorted, disjoint, non-adjacent runs.
BOOL GetAxisArray(const CGXRangeList& list, const Axis& axis, ROWCOL nLast, CDWordArray& starts,
                  CDWordArray& ends, BOOL bOnlyWhole)
{
    starts.RemoveAll();
    ends.RemoveAll();
    std::vector<std::pair<ROWCOL, ROWCOL>> runs;
    BOOL bAny = FALSE;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const CGXCellRange& r = *list.GetRangeAt(pos);
        list.GetNext(pos);
        if (!r.m_bValid)
            continue;
        const bool spans = r.rtType == axis.wholeKind || r.rtType == CGXCellRange::rtTable;
        // "whole" for the rows of GetRowArray are rows ranges: the kind that is not axis.wholeKind
        const bool whole = r.rtType == CGXCellRange::rtTable ||
                           (r.rtType != CGXCellRange::rtCells && r.rtType != axis.wholeKind);
        if (bOnlyWhole && !whole)
            continue;
        ROWCOL s = r.*axis.first, e = r.*axis.last;
        if (spans) {
            s = 0;
            e = nLast;
        }
        if (s > e)
            continue;
        bAny = TRUE;
        auto it = std::find_if(runs.begin(), runs.end(), [&](const std::pair<ROWCOL, ROWCOL>& run) {
            return s <= run.second && run.first <= e;
        });
        if (it != runs.end()) {
            it->first = std::min(it->first, s);
            it->second = std::max(it->second, e);
        } else {
            auto after = std::find_if(runs.begin(), runs.end(),
                                      [&](const std::pair<ROWCOL, ROWCOL>& run) { return run.first > s; });
            runs.insert(after, {s, e});
        }
    }
    // join neighbours (64-bit, so that a run ending at the last number does not wrap)
    std::vector<std::pair<ROWCOL, ROWCOL>> joined;
    for (const auto& run : runs) {
        if (!joined.empty() && uint64_t(joined.back().second) + 1 >= run.first)
            joined.back().second = std::max(joined.back().second, run.second);
        else
            joined.push_back(run);
    }
    for (const auto& run : joined) {
        starts.Add(run.first);
        ends.Add(run.second);
    }
    return bAny;
}

void InsertAxis(CGXRangeList& list, const Axis& axis, ROWCOL nAt, ROWCOL nCount)
{
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        CGXCellRange& r = *list.GetRangeAt(pos);
        list.GetNext(pos);
        if (!HasBounds(r, axis))
            continue;
        if (r.*axis.first >= nAt)
            r.*axis.first += nCount;
        if (r.*axis.last >= nAt)
            r.*axis.last += nCount;
    }
}

void RemoveAxis(CGXRangeList& list, const Axis& axis, ROWCOL nFrom, ROWCOL nTo, ROWCOL nLimit)
{
    const ROWCOL n = nTo - nFrom + 1;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        CGXCellRange& r = *list.GetRangeAt(pos);
        list.GetNext(pos);
        if (!r.m_bValid || !HasBounds(r, axis))
            continue;
        ROWCOL& first = r.*axis.first;
        ROWCOL& last = r.*axis.last;
        if (first >= nFrom && last <= nTo) {
            r.m_bValid = FALSE;
            continue;
        }
        if (first >= nFrom)
            first = std::max(std::max(first, nTo) - n, nFrom);
        if (last >= nFrom)
            last = std::max(last, nTo) - n;
        last = std::min(last, nLimit);
        r.m_bValid = last >= first;
    }
}

void MoveAxis(CGXRangeList& list, const Axis& axis, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, ROWCOL nLimit)
{
    const ROWCOL n = nTo - nFrom + 1;
    const ROWCOL d = nFrom < nDest ? nDest + n : nDest;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        CGXCellRange& r = *list.GetRangeAt(pos);
        list.GetNext(pos);
        if (!HasBounds(r, axis))
            continue;
        const ROWCOL t = r.*axis.first;
        const bool inBlock = t >= nFrom && t <= nTo;
        ROWCOL moved = t;
        if (inBlock && nTo < d)
            moved = t - nTo + d - 1;
        else if (inBlock && d < nFrom)
            moved = t - nFrom + d;
        else if (t > nTo && t < d)
            moved = t - n;
        else if (t < nFrom && t >= d)
            moved = t + n;
        r.*axis.first = moved;
        r.*axis.last = std::min(ROWCOL(r.*axis.last + (moved - t)), nLimit);
    }
}

}  // namespace

BOOL CGXRangeList::GetRowArray(ROWCOL nLastRow, CDWordArray& starts, CDWordArray& ends, BOOL bOnlyWhole) const
{
    return GetAxisArray(*this, kRowAxis, nLastRow, starts, ends, bOnlyWhole);
}

BOOL CGXRangeList::GetColArray(ROWCOL nLastCol, CDWordArray& starts, CDWordArray& ends, BOOL bOnlyWhole) const
{
    return GetAxisArray(*this, kColAxis, nLastCol, starts, ends, bOnlyWhole);
}

void CGXRangeList::InsertRows(ROWCOL nRow, ROWCOL nCount)
{
    InsertAxis(*this, kRowAxis, nRow, nCount);
}

void CGXRangeList::InsertCols(ROWCOL nCol, ROWCOL nCount)
{
    InsertAxis(*this, kColAxis, nCol, nCount);
}

void CGXRangeList::RemoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nLimit)
{
    CheckOrder("RemoveRows", nFrom, nTo);
    RemoveAxis(*this, kRowAxis, nFrom, nTo, nLimit);
}

void CGXRangeList::RemoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nLimit)
{
    CheckOrder("RemoveCols", nFrom, nTo);
    RemoveAxis(*this, kColAxis, nFrom, nTo, nLimit);
}

void CGXRangeList::MoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, ROWCOL nLimit)
{
    CheckOrder("MoveRows", nFrom, nTo);
    MoveAxis(*this, kRowAxis, nFrom, nTo, nDest, nLimit);
}

void CGXRangeList::MoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, ROWCOL nLimit)
{
    CheckOrder("MoveCols", nFrom, nTo);
    MoveAxis(*this, kColAxis, nFrom, nTo, nDest, nLimit);
}

void CGXRangeList::Serialize(CArchive& ar)
{
    const WORD nSchema = 1;
    if (ar.IsStoring()) {
        ar << nSchema;
        RemoveInvalid();
        ar << DWORD(GetCount());
        for (POSITION pos = GetHeadPosition(); pos != nullptr;)
            static_cast<const CGXCellRange*>(GetNext(pos))->WriteRangeToArchive(ar);
    } else {
        WORD nStored;
        ar >> nStored;
        if (nStored != nSchema)
            AfxThrowArchiveException(CArchiveException::badSchema);
        DWORD nCount;
        ar >> nCount;
        ar.CheckAvailable(uint64_t(nCount) * kRangeSize);
        for (DWORD i = 0; i < nCount; ++i) {
            CGXCellRange range;
            range.ReadRangeFromArchive(ar);
            AddRange(range);
        }
    }
}

// The span-cell and delayed-range pools (see GXSpanCellPool.h).
#include "grid/ops/GXSpanCellPool.h"

#include "grid/engine/GXArchiveRead.h"

#include <algorithm>
#include <memory>
#include <vector>

IMPLEMENT_SERIAL(CGXDWordArrayPtrArray, CPtrArray, 1)
IMPLEMENT_SERIAL(CGXSpanCellPool, CObject, 1)
IMPLEMENT_SERIAL(CGXDelayedRange, CObject, 1)
IMPLEMENT_SERIAL(CGXDelayedRangePool, CObject, 1)

namespace {

const DWORD kNone = DWORD(-1);
const WORD kArraysVersion = 1;
const DWORD kEndOfSlots = 0xFFFFFFFF;
// The largest index an array can hold.
const ROWCOL kMaxIndex = 0x7FFFFFFE;

BOOL IsNegative(ROWCOL n)
{
    return n > kMaxIndex;
}

// The entry at j of pArray, -1 when the array is missing or shorter.
DWORD EntryAt(const CDWordArray* pArray, ROWCOL j)
{
    return pArray != nullptr && j < ROWCOL(pArray->GetSize()) ? pArray->GetAt(int32_t(j)) : kNone;
}

// The span in one direction: index i (the row of a horizontal span), position j. FALSE when none.
BOOL LookupSpan(const CGXDWordArrayPtrArray& arrays, ROWCOL i, ROWCOL j, ROWCOL& nFirst, ROWCOL& nLast)
{
    const CDWordArray* pArray = arrays.GetArrayAt(i);
    const DWORD v = EntryAt(pArray, j);
    if (v == kNone)
        return FALSE;
    ROWCOL k = j + 1;
    while (k < ROWCOL(pArray->GetSize()) && pArray->GetAt(int32_t(k)) == v)
        ++k;
    nFirst = v;
    nLast = k - 1;
    return TRUE;
}

// Writes or clears the span j1..j2 at every index i1..i2 of one direction. TRUE when any index was
// processed.
BOOL WriteSpan(CGXDWordArrayPtrArray& arrays, ROWCOL i1, ROWCOL i2, ROWCOL j1, ROWCOL j2, BOOL bSet)
{
    // a span one cell wide in this direction lives in the other direction only
    if (bSet && j1 == j2)
        return FALSE;
    BOOL bAny = FALSE;
    for (ROWCOL i = i1; i <= i2; ++i) {
        CDWordArray* pArray = arrays.GetArrayAt(i);
        if (pArray == nullptr) {
            if (!bSet)
                continue;
            std::unique_ptr<CDWordArray> pNew(new CDWordArray);
            arrays.SetAtGrow(int32_t(i), pNew.get());
            pArray = pNew.release();
        }
        const DWORD a = EntryAt(pArray, j1);
        if (bSet) {
            if (ROWCOL(pArray->GetSize()) <= j2) {
                const int32_t nOld = pArray->GetSize();
                pArray->SetSize(int32_t(j2) + 1);
                for (int32_t k = nOld; k < int32_t(j1); ++k)
                    pArray->SetAt(k, kNone);
            }
            for (ROWCOL j = j1; j <= j2; ++j)
                pArray->SetAt(int32_t(j), j1);
            // the tail of an old span that started at the same place
            for (ROWCOL j = j2 + 1; j < ROWCOL(pArray->GetSize()) && pArray->GetAt(int32_t(j)) == a; ++j)
                pArray->SetAt(int32_t(j), kNone);
        } else if (a != kNone) {
            for (ROWCOL j = j1; j < ROWCOL(pArray->GetSize()) && pArray->GetAt(int32_t(j)) == a; ++j)
                pArray->SetAt(int32_t(j), kNone);
        }
        bAny = TRUE;
        if (i == kMaxIndex)
            break;
    }
    return bAny;
}

// ---- shifting the arrays of one direction --------------------------------------------------------------

// The entries of one array after nCount entries were inserted at nFirst: anchors at or after nFirst
// move with their cells.
void InsertEntries(CDWordArray& a, ROWCOL nFirst, ROWCOL nCount)
{
    if (ROWCOL(a.GetSize()) <= nFirst)
        return;
    for (int32_t k = 0; k < a.GetSize(); ++k)
        if (a[k] != kNone && a[k] >= nFirst)
            a[k] += nCount;
    a.InsertAt(int32_t(nFirst), kNone, int32_t(nCount));
}

// The entries after nFirst..nLast were removed: anchors after the gap move up, a span whose anchor
// went starts at the first entry after the gap.
void RemoveEntries(CDWordArray& a, ROWCOL nFirst, ROWCOL nLast)
{
    if (ROWCOL(a.GetSize()) <= nFirst)
        return;
    const ROWCOL nEnd = std::min<ROWCOL>(nLast, ROWCOL(a.GetSize()) - 1);
    a.RemoveAt(int32_t(nFirst), int32_t(nEnd - nFirst + 1));
    const ROWCOL n = nLast - nFirst + 1;
    for (int32_t k = 0; k < a.GetSize(); ++k) {
        if (a[k] == kNone || a[k] < nFirst)
            continue;
        a[k] = a[k] > nLast ? a[k] - n : nFirst;
    }
}

// The block nFirst..nLast of v moved to start at nDest; v is padded with fill as far as the move
// reaches and trimmed of trailing fill afterwards.
template <class T>
void MoveBlock(std::vector<T>& v, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, T fill)
{
    if (v.size() <= std::min(nFirst, nDest))
        return;
    const size_t nCount = size_t(nLast - nFirst) + 1;
    v.resize(std::max(v.size(), std::max(size_t(nLast) + 1, size_t(nDest) + nCount)), fill);
    std::vector<T> block(v.begin() + nFirst, v.begin() + nLast + 1);
    v.erase(v.begin() + nFirst, v.begin() + nLast + 1);
    v.insert(v.begin() + nDest, block.begin(), block.end());
    while (!v.empty() && v.back() == fill)
        v.pop_back();
}

template <class T, class A>
void MoveArray(A& a, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, T fill)
{
    std::vector<T> v(a.GetData(), a.GetData() + a.GetSize());
    MoveBlock(v, nFirst, nLast, nDest, fill);
    a.SetSize(int32_t(v.size()));
    std::copy(v.begin(), v.end(), a.GetData());
}

// The slots of the lines' own arrays (the per-row arrays for rows) and the entries of the other
// direction's arrays, for each kind of shift.
void InsertLines(CGXDWordArrayPtrArray& own, CGXDWordArrayPtrArray& other, ROWCOL nFirst, ROWCOL nCount)
{
    if (nFirst < ROWCOL(own.GetSize()))
        own.InsertAt(int32_t(nFirst), nullptr, int32_t(nCount));
    for (int32_t k = 0; k < other.GetSize(); ++k)
        if (CDWordArray* pArray = other.GetArrayAt(ROWCOL(k)))
            InsertEntries(*pArray, nFirst, nCount);
}

void RemoveLines(CGXDWordArrayPtrArray& own, CGXDWordArrayPtrArray& other, ROWCOL nFirst, ROWCOL nLast)
{
    if (nFirst < ROWCOL(own.GetSize())) {
        const ROWCOL nEnd = std::min<ROWCOL>(nLast, ROWCOL(own.GetSize()) - 1);
        for (ROWCOL k = nFirst; k <= nEnd; ++k)
            delete own.GetArrayAt(k);
        own.RemoveAt(int32_t(nFirst), int32_t(nEnd - nFirst + 1));
    }
    for (int32_t k = 0; k < other.GetSize(); ++k)
        if (CDWordArray* pArray = other.GetArrayAt(ROWCOL(k)))
            RemoveEntries(*pArray, nFirst, nLast);
}

void MoveLines(CGXDWordArrayPtrArray& own, CGXDWordArrayPtrArray& other, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest)
{
    MoveArray<void*>(own, nFirst, nLast, nDest, nullptr);
    for (int32_t k = 0; k < other.GetSize(); ++k)
        if (CDWordArray* pArray = other.GetArrayAt(ROWCOL(k)))
            MoveArray<uint32_t>(*pArray, nFirst, nLast, nDest, kNone);
}

// A shift of the span pool is refused when the pool is empty or an index is negative.
template <class F>
BOOL ShiftPool(CGXSpanCellPool& pool, std::initializer_list<ROWCOL> indexes, F shift)
{
    if (pool.m_apRowArrays.GetSize() == 0 && pool.m_apColArrays.GetSize() == 0)
        return FALSE;
    for (ROWCOL n : indexes)
        if (IsNegative(n))
            return FALSE;
    try {
        shift();
    } catch (CMemoryException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

// The last line of a removal: 0xFFFFFFFE, "to the end", reads as the largest index.
ROWCOL RemovalEnd(ROWCOL nLast)
{
    return nLast == GX_MAXROWCOL ? kMaxIndex : nLast;
}

}  // namespace

// ---- CGXDWordArrayPtrArray ------------------------------------------------------------------------------

CGXDWordArrayPtrArray::~CGXDWordArrayPtrArray()
{
    DeleteAll();
}

void CGXDWordArrayPtrArray::DeleteAll()
{
    for (int32_t i = 0; i < GetSize(); ++i)
        delete static_cast<CDWordArray*>(GetAt(i));
    RemoveAll();
}

CDWordArray* CGXDWordArrayPtrArray::GetArrayAt(ROWCOL nIndex) const
{
    return nIndex < ROWCOL(GetSize()) ? static_cast<CDWordArray*>(GetAt(int32_t(nIndex))) : nullptr;
}

void CGXDWordArrayPtrArray::CopyFrom(const CGXDWordArrayPtrArray& src)
{
    if (&src == this)
        return;
    DeleteAll();
    SetSize(src.GetSize());
    for (int32_t i = 0; i < src.GetSize(); ++i) {
        auto* pArray = new CDWordArray;
        SetAt(i, pArray);
        if (const CDWordArray* pSrc = src.GetArrayAt(ROWCOL(i)))
            pArray->Copy(*pSrc);
    }
}

void CGXDWordArrayPtrArray::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << kArraysVersion << DWORD(GetSize());
        for (int32_t i = 0; i < GetSize(); ++i) {
            if (CDWordArray* pArray = GetArrayAt(ROWCOL(i))) {
                ar << DWORD(i);
                pArray->Serialize(ar);
            }
        }
        ar << kEndOfSlots;
        return;
    }
    DeleteAll();
    if (GXReadWord(ar) != kArraysVersion)
        AfxThrowArchiveException(CArchiveException::badSchema);
    const DWORD nSlots = GXReadDword(ar);
    if (nSlots > DWORD(kMaxSlots))
        AfxThrowArchiveException(CArchiveException::badIndex);
    try {
        SetSize(int32_t(nSlots));
        DWORD nNext = 0;
        for (DWORD nIndex = GXReadDword(ar); nIndex != kEndOfSlots; nIndex = GXReadDword(ar)) {
            if (nIndex >= nSlots || nIndex < nNext)
                AfxThrowArchiveException(CArchiveException::badIndex);
            auto* pArray = new CDWordArray;
            SetAt(int32_t(nIndex), pArray);
            pArray->Serialize(ar);
            nNext = nIndex + 1;
        }
    } catch (...) {
        DeleteAll();
        throw;
    }
}

// ---- CGXSpanCellPool ---------------------------------------------------------------------------------

void CGXSpanCellPool::Serialize(CArchive& ar)
{
    m_apRowArrays.Serialize(ar);
    m_apColArrays.Serialize(ar);
}

BOOL CGXSpanCellPool::GetSpan(ROWCOL nRow, ROWCOL nCol, CGXCellRange& range) const
{
    if (IsNegative(nRow) || IsNegative(nCol))
        return FALSE;
    const BOOL bHorz = LookupSpan(m_apRowArrays, nRow, nCol, range.left, range.right);
    const BOOL bVert = LookupSpan(m_apColArrays, nCol, nRow, range.top, range.bottom);
    return bHorz || bVert;
}

BOOL CGXSpanCellPool::SetRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, BOOL bSet)
{
    if (IsNegative(nBottom) || IsNegative(nRight))
        return FALSE;
    try {
        const BOOL bRows = WriteSpan(m_apRowArrays, nTop, nBottom, nLeft, nRight, bSet);
        const BOOL bCols = WriteSpan(m_apColArrays, nLeft, nRight, nTop, nBottom, bSet);
        return bRows || bCols;
    } catch (CMemoryException* e) {
        e->Delete();
        return FALSE;
    }
}

BOOL CGXSpanCellPool::InsertRows(ROWCOL nFirst, ROWCOL nCount)
{
    return ShiftPool(*this, {nFirst, nCount}, [&] { InsertLines(m_apRowArrays, m_apColArrays, nFirst, nCount); });
}

BOOL CGXSpanCellPool::RemoveRows(ROWCOL nFirst, ROWCOL nLast)
{
    nLast = RemovalEnd(nLast);
    return nLast >= nFirst &&
           ShiftPool(*this, {nFirst, nLast}, [&] { RemoveLines(m_apRowArrays, m_apColArrays, nFirst, nLast); });
}

BOOL CGXSpanCellPool::MoveRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest)
{
    return nLast >= nFirst && ShiftPool(*this, {nFirst, nLast, nDest, nDest + (nLast - nFirst)}, [&] {
               MoveLines(m_apRowArrays, m_apColArrays, nFirst, nLast, nDest);
           });
}

BOOL CGXSpanCellPool::InsertCols(ROWCOL nFirst, ROWCOL nCount)
{
    return ShiftPool(*this, {nFirst, nCount}, [&] { InsertLines(m_apColArrays, m_apRowArrays, nFirst, nCount); });
}

BOOL CGXSpanCellPool::RemoveCols(ROWCOL nFirst, ROWCOL nLast)
{
    nLast = RemovalEnd(nLast);
    return nLast >= nFirst &&
           ShiftPool(*this, {nFirst, nLast}, [&] { RemoveLines(m_apColArrays, m_apRowArrays, nFirst, nLast); });
}

BOOL CGXSpanCellPool::MoveCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest)
{
    return nLast >= nFirst && ShiftPool(*this, {nFirst, nLast, nDest, nDest + (nLast - nFirst)}, [&] {
               MoveLines(m_apColArrays, m_apRowArrays, nFirst, nLast, nDest);
           });
}

void CGXSpanCellPool::CopyFrom(const CGXSpanCellPool& src)
{
    m_apRowArrays.CopyFrom(src.m_apRowArrays);
    m_apColArrays.CopyFrom(src.m_apColArrays);
}

void CGXSpanCellPool::DeleteAll()
{
    m_apRowArrays.DeleteAll();
    m_apColArrays.DeleteAll();
}

// ---- CGXDelayedRange --------------------------------------------------------------------------------

void CGXDelayedRange::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_range.WriteRangeToArchive(ar);
    } else {
        m_range.ReadRangeFromArchive(ar);
        m_bDone = 0;
    }
    m_starts.Serialize(ar);
    m_ends.Serialize(ar);
}

void CGXDelayedRange::CopyFrom(const CGXDelayedRange& src)
{
    m_range = src.m_range;
    m_bDone = src.m_bDone;
    m_starts.Copy(src.m_starts);
    m_ends.Copy(src.m_ends);
}

void CGXDelayedRange::MarkAllEvaluated()
{
    m_starts.RemoveAll();
    m_ends.RemoveAll();
    m_bDone = 1;
}

BOOL CGXDelayedRange::MarkRowsEvaluated(CGXCellRange& range)
{
    const ROWCOL q = range.top, s = range.bottom;
    try {
        int32_t i = 0;
        BOOL bJoined = FALSE;
        for (; i < m_starts.GetSize(); ++i) {
            const ROWCOL st = m_starts[i], en = m_ends[i];
            if (uint64_t(en) + 1 < q)
                continue;
            if (uint64_t(s) + 1 < st)
                break;
            if (q >= st && s <= en)
                return FALSE;
            if (q >= st && q <= en) {
                // grows at its end: the new rows follow the old end
                m_ends[i] = s;
                range.top = en + 1;
            } else if (q <= st && s >= en) {
                m_starts[i] = q;
                m_ends[i] = s;
            } else if (q < st && s >= st) {
                // grows at its start: the new rows precede the old start
                m_starts[i] = q;
                range.bottom = st - 1;
            } else {
                // adjoins without overlapping: joined below
                continue;
            }
            bJoined = TRUE;
            break;
        }
        if (!bJoined) {
            m_starts.InsertAt(i, q);
            m_ends.InsertAt(i, s);
        }
        // join intervals that meet or adjoin
        for (int32_t k = 0; k + 1 < m_starts.GetSize();) {
            if (uint64_t(m_ends[k]) + 1 >= m_starts[k + 1]) {
                m_ends[k] = std::max(m_ends[k], m_ends[k + 1]);
                m_starts.RemoveAt(k + 1);
                m_ends.RemoveAt(k + 1);
            } else {
                ++k;
            }
        }
    } catch (CMemoryException* e) {
        e->Delete();
        MarkAllEvaluated();
        return TRUE;
    }
    if (m_starts.GetSize() == 1 && m_starts[0] <= m_range.top && m_ends[0] >= m_range.bottom)
        MarkAllEvaluated();
    return TRUE;
}

// ---- CGXDelayedRangePool ------------------------------------------------------------------------------

CGXDelayedRangePool::~CGXDelayedRangePool()
{
    DeleteAll();
}

void CGXDelayedRangePool::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_entries.Serialize(ar);
        return;
    }
    // the form of a CObArray, each entry a new object that the pool owns
    DeleteAll();
    const uint32_t nCount = ar.ReadCount();
    ar.CheckAvailable(uint64_t(nCount) * 2);
    for (uint32_t i = 0; i < nCount; ++i) {
        CObject* pOb = ar.ReadOwnedObject(RUNTIME_CLASS(CGXDelayedRange));
        if (pOb == nullptr)
            AfxThrowArchiveException(CArchiveException::badClass);
        try {
            m_entries.Add(pOb);
        } catch (...) {
            delete pOb;
            throw;
        }
    }
}

void CGXDelayedRangePool::CopyFrom(const CGXDelayedRangePool& src)
{
    if (&src == this)
        return;
    DeleteAll();
    m_entries.SetSize(src.GetCount());
    for (int32_t i = 0; i < src.GetCount(); ++i) {
        auto* pEntry = new CGXDelayedRange;
        m_entries.SetAt(i, pEntry);
        pEntry->CopyFrom(*src.GetAt(i));
    }
}

void CGXDelayedRangePool::AddRange(const CGXCellRange& range)
{
    int32_t nReuse = -1;
    for (int32_t i = 0; i < GetCount(); ++i) {
        CGXDelayedRange& e = *GetAt(i);
        if (e.m_bDone) {
            nReuse = i;
            continue;
        }
        CGXCellRange& r = e.m_range;
        if (range.IsCellInRange(r.top, r.left) && range.IsCellInRange(r.bottom, r.right)) {
            e.MarkAllEvaluated();
            if (nReuse < 0)
                nReuse = i;
            continue;
        }
        if (e.m_starts.GetSize() == 0) {
            if (uint64_t(r.right) + 1 == range.left)
                r.right = range.right;
            if (uint64_t(r.bottom) + 1 == range.top)
                r.bottom = range.bottom;
            if (r.IsCellInRange(range.top, range.left) && r.IsCellInRange(range.bottom, range.right))
                return;
        }
    }
    if (nReuse >= 0) {
        CGXDelayedRange& e = *GetAt(nReuse);
        e.m_range = range;
        e.m_starts.RemoveAll();
        e.m_ends.RemoveAll();
        e.m_bDone = 0;
        return;
    }
    auto* pEntry = new CGXDelayedRange(range);
    try {
        m_entries.InsertAt(0, pEntry);
    } catch (CMemoryException* e) {
        e->Delete();
        delete pEntry;
    }
}

BOOL CGXDelayedRangePool::GetPendingColumns(const CGXCellRange& range, CDWordArray& firstCols, CDWordArray& lastCols)
{
    if (range.top > range.bottom || range.left > range.right)
        return FALSE;
    BOOL bResult = FALSE;
    try {
        const uint64_t nRows = uint64_t(range.bottom) - range.top + 1;
        if (nRows > uint64_t(kMaxIndex))
            AfxThrowMemoryException();
        firstCols.SetSize(int32_t(nRows));
        lastCols.SetSize(int32_t(nRows));
        for (int32_t k = 0; k < int32_t(nRows); ++k) {
            firstCols[k] = kNone;
            lastCols[k] = 0;
        }
        // split the entries at the range's columns, so that marks apply to its columns only
        const int32_t nCount = GetCount();
        for (int32_t i = 0; i < nCount; ++i) {
            CGXDelayedRange& e = *GetAt(i);
            CGXCellRange inter;
            if (e.m_bDone || !inter.IntersectRange(e.m_range, range))
                continue;
            auto split = [&](ROWCOL nLeft, ROWCOL nRight) {
                auto* pCopy = new CGXDelayedRange;
                pCopy->CopyFrom(e);
                pCopy->m_range.left = nLeft;
                pCopy->m_range.right = nRight;
                try {
                    m_entries.Add(pCopy);
                } catch (...) {
                    delete pCopy;
                    throw;
                }
            };
            if (e.m_range.left < inter.left) {
                split(e.m_range.left, inter.left - 1);
                e.m_range.left = inter.left;
            }
            if (e.m_range.right > inter.right) {
                split(inter.right + 1, e.m_range.right);
                e.m_range.right = inter.right;
            }
        }
        for (int32_t i = 0; i < GetCount(); ++i) {
            CGXDelayedRange& e = *GetAt(i);
            CGXCellRange inter;
            if (e.m_bDone || !inter.IntersectRange(e.m_range, range))
                continue;
            const ROWCOL nLeft = e.m_range.left, nRight = e.m_range.right;
            if (!e.MarkRowsEvaluated(inter))
                continue;
            for (ROWCOL row = inter.top; row <= inter.bottom; ++row) {
                const int32_t k = int32_t(row - range.top);
                firstCols[k] = firstCols[k] == kNone ? nLeft : std::min<DWORD>(firstCols[k], nLeft);
                lastCols[k] = std::max<DWORD>(lastCols[k], nRight);
                if (row == range.bottom)
                    break;
            }
            bResult = TRUE;
        }
    } catch (CMemoryException* e) {
        e->Delete();
        return FALSE;
    }
    if (bResult)
        RemoveDone();
    return bResult;
}

void CGXDelayedRangePool::ClampRows(ROWCOL nMax)
{
    for (int32_t i = 0; i < GetCount(); ++i) {
        CGXCellRange& r = GetAt(i)->m_range;
        r.top = std::min(r.top, nMax);
        r.bottom = std::min(r.bottom, nMax);
    }
}

void CGXDelayedRangePool::ClampCols(ROWCOL nMax)
{
    for (int32_t i = 0; i < GetCount(); ++i) {
        CGXCellRange& r = GetAt(i)->m_range;
        r.left = std::min(r.left, nMax);
        r.right = std::min(r.right, nMax);
    }
}

void CGXDelayedRangePool::DeleteAll()
{
    for (int32_t i = 0; i < m_entries.GetSize(); ++i)
        delete m_entries[i];
    m_entries.RemoveAll();
}

void CGXDelayedRangePool::RemoveDone()
{
    for (int32_t i = GetCount() - 1; i >= 0; --i) {
        if (GetAt(i)->m_bDone) {
            delete GetAt(i);
            m_entries.RemoveAt(i);
        }
    }
}

namespace {

// Sets an entry's range to r; marks of rows that moved no longer apply, so the entry is pending again as
// a whole.
void ShiftEntry(CGXDelayedRange& e, const CGXCellRange& r)
{
    if (r.top != e.m_range.top || r.bottom != e.m_range.bottom) {
        e.m_starts.RemoveAll();
        e.m_ends.RemoveAll();
    }
    e.m_range = r;
}

// Entries follow nCount lines inserted at nFirst (rows: bRows); an end that would pass the largest
// number stays at the end.
void InsertIntoEntries(CGXDelayedRangePool& pool, BOOL bRows, ROWCOL nFirst, ROWCOL nCount)
{
    auto shifted = [&](ROWCOL n) {
        return n < nFirst ? n : ROWCOL(std::min<uint64_t>(uint64_t(n) + nCount, GX_MAXROWCOL));
    };
    for (int32_t i = 0; i < pool.GetCount(); ++i) {
        CGXDelayedRange& e = *pool.GetAt(i);
        CGXCellRange r = e.m_range;
        (bRows ? r.top : r.left) = shifted(bRows ? r.top : r.left);
        (bRows ? r.bottom : r.right) = shifted(bRows ? r.bottom : r.right);
        ShiftEntry(e, r);
    }
}

// Entries follow the removal of lines nFirst..nLast as the ranges of a CGXRangeList do; an entry whose
// lines all went is done.
void RemoveFromEntries(CGXDelayedRangePool& pool, BOOL bRows, ROWCOL nFirst, ROWCOL nLast)
{
    for (int32_t i = 0; i < pool.GetCount(); ++i) {
        CGXDelayedRange& e = *pool.GetAt(i);
        if (e.m_bDone)
            continue;
        CGXRangeList list;
        list.AddRange(e.m_range);
        bRows ? list.RemoveRows(nFirst, nLast, GX_MAXROWCOL) : list.RemoveCols(nFirst, nLast, GX_MAXROWCOL);
        const CGXCellRange& r = *list.GetRangeAt(list.GetHeadPosition());
        if (r.IsValid())
            ShiftEntry(e, r);
        else
            e.MarkAllEvaluated();
    }
    pool.RemoveDone();
}

}  // namespace

void CGXDelayedRangePool::InsertRows(ROWCOL nFirst, ROWCOL nCount)
{
    InsertIntoEntries(*this, TRUE, nFirst, nCount);
}

void CGXDelayedRangePool::RemoveRows(ROWCOL nFirst, ROWCOL nLast)
{
    RemoveFromEntries(*this, TRUE, nFirst, nLast);
}

void CGXDelayedRangePool::InsertCols(ROWCOL nFirst, ROWCOL nCount)
{
    InsertIntoEntries(*this, FALSE, nFirst, nCount);
}

void CGXDelayedRangePool::RemoveCols(ROWCOL nFirst, ROWCOL nLast)
{
    RemoveFromEntries(*this, FALSE, nFirst, nLast);
}

void CGXDelayedRangePool::MarkRowsFrom(ROWCOL nFirst)
{
    AddRange(CGXCellRange(nFirst, 0, GX_MAXROWCOL, GX_MAXROWCOL));
}

void CGXDelayedRangePool::MarkColsFrom(ROWCOL nFirst)
{
    AddRange(CGXCellRange(0, nFirst, GX_MAXROWCOL, GX_MAXROWCOL));
}

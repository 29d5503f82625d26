// The grid's hash maps and the container helpers (see GXCollMap.h).
#include "grid/engine/GXCollMap.h"

IMPLEMENT_SERIAL(CGXCollMapDWordToLong, CObject, 0)
IMPLEMENT_SERIAL(CGXMapDWordToLong, CGXCollMapDWordToLong, 0)
IMPLEMENT_SERIAL(CMapNdxToOb, CObject, 0)
IMPLEMENT_SERIAL(CGXMapCellToOb, CMapNdxToOb, 0)
IMPLEMENT_SERIAL(CGXCollMapDWordToString, CObject, 0)
IMPLEMENT_DYNAMIC(CGXMapByte8ToPtr, CObject)
IMPLEMENT_DYNAMIC(CGXMapFontData, CObject)
IMPLEMENT_DYNAMIC(CGXPtrArrayPtrArray, CPtrArray)

namespace {

// The largest count the 16-bit stored count can carry.
const int32_t kMaxStoredCount = 0xFFFF;

// Writes the WORD count of a map's stored form.
void StoreCount(CArchive& ar, int32_t nCount)
{
    if (nCount > kMaxStoredCount)
        AfxThrowArchiveException(CArchiveException::generic);
    ar << WORD(nCount);
}

// Reads the WORD count of a map's stored form, checked against the data left: each entry takes at
// least nEntryBytes.
WORD LoadCount(CArchive& ar, uint64_t nEntryBytes)
{
    WORD nCount;
    ar >> nCount;
    ar.CheckAvailable(nCount * nEntryBytes);
    return nCount;
}

}  // namespace

// ---- CGXCollMapDWordToLong ---------------------------------------------------------------------

CGXCollMapDWordToLong::CGXCollMapDWordToLong(int32_t nBlockSize) : CMap(nBlockSize) {}

LONG& CGXCollMapDWordToLong::SetAt(DWORD key)
{
    return (*this)[key];
}

BOOL CGXCollMapDWordToLong::GetNextAssoc(POSITION& rPos, DWORD& rKey, LONG& rValue) const
{
    if (rPos == GX_START_POSITION)
        rPos = GetStartPosition();
    if (rPos == nullptr)
        return FALSE;
    CMap::GetNextAssoc(rPos, rKey, rValue);
    return TRUE;
}

std::vector<std::pair<DWORD, LONG>> CGXCollMapDWordToLong::Pairs() const
{
    std::vector<std::pair<DWORD, LONG>> pairs;
    pairs.reserve(size_t(GetCount()));
    for (POSITION pos = GetStartPosition(); pos != nullptr;) {
        DWORD key;
        LONG value;
        CMap::GetNextAssoc(pos, key, value);
        pairs.emplace_back(key, value);
    }
    return pairs;
}

void CGXCollMapDWordToLong::Rebuild(const std::vector<std::pair<DWORD, LONG>>& pairs)
{
    RemoveAll();
    for (const auto& pair : pairs)
        SetAt(pair.first) = pair.second;
}

void CGXCollMapDWordToLong::InsertKeys(DWORD nFirst, DWORD nCount)
{
    std::vector<std::pair<DWORD, LONG>> pairs = Pairs();
    for (auto& pair : pairs)
        if (pair.first >= nFirst)
            pair.first += nCount;
    Rebuild(pairs);
}

void CGXCollMapDWordToLong::RemoveKeys(DWORD nFirst, DWORD nLast)
{
    if (nFirst > nLast)
        AfxThrowInvalidArgFormat("CGXCollMapDWordToLong::RemoveKeys: first %lu after last %lu", nFirst, nLast);
    const DWORD n = nLast - nFirst + 1;
    std::vector<std::pair<DWORD, LONG>> kept;
    for (auto pair : Pairs()) {
        if (pair.first >= nFirst && pair.first <= nLast)
            continue;
        if (pair.first > nLast)
            pair.first -= n;
        kept.push_back(pair);
    }
    Rebuild(kept);
}

void CGXCollMapDWordToLong::MoveKeys(DWORD nFrom, DWORD nTo, DWORD nDest)
{
    if (nFrom > nTo)
        AfxThrowInvalidArgFormat("CGXCollMapDWordToLong::MoveKeys: first %lu after last %lu", nFrom, nTo);
    const DWORD n = nTo - nFrom + 1;
    std::vector<std::pair<DWORD, LONG>> pairs = Pairs();
    for (auto& pair : pairs) {
        const DWORD k = pair.first;
        if (k >= nFrom && k <= nTo)
            pair.first = k - nFrom + nDest;
        else if (nDest < nFrom && k >= nDest && k < nFrom)
            pair.first = k + n;
        else if (nDest > nFrom && k > nTo && k <= nDest + n - 1)
            pair.first = k - n;
    }
    Rebuild(pairs);
}

void CGXCollMapDWordToLong::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        StoreCount(ar, GetCount());
        for (const auto& pair : Pairs())
            ar << DWORD(pair.first) << LONG(pair.second);
    } else {
        const WORD nCount = LoadCount(ar, 8);
        for (WORD i = 0; i < nCount; ++i) {
            DWORD key;
            LONG value;
            ar >> key >> value;
            SetAt(key) = value;
        }
    }
}

void CGXCollMapDWordToString::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        StoreCount(ar, GetCount());
        POSITION pos = GetStartPosition();
        while (pos != nullptr) {
            DWORD key;
            CString value;
            GetNextAssoc(pos, key, value);
            ar << key << value;
        }
    } else {
        const WORD nCount = LoadCount(ar, 5);
        for (WORD i = 0; i < nCount; ++i) {
            DWORD key;
            CString value;
            ar >> key >> value;
            SetAt(key, value);
        }
    }
}

CGXMapDWordToLong& CGXMapDWordToLong::operator=(const CGXCollMapDWordToLong& other)
{
    if (&other != this) {
        std::vector<std::pair<DWORD, LONG>> pairs;
        POSITION pos = GX_START_POSITION;
        DWORD key;
        LONG value;
        while (other.GetNextAssoc(pos, key, value))
            pairs.emplace_back(key, value);
        Rebuild(pairs);
    }
    return *this;
}

// ---- CMapNdxToOb --------------------------------------------------------------------------------

BOOL CMapNdxToOb::Lookup(DWORD nRow, DWORD nCol, CObject*& rpOb) const
{
    return CMap::Lookup(GXNdxKey{nRow, nCol}, rpOb);
}

CObject*& CMapNdxToOb::SetAt(DWORD nRow, DWORD nCol)
{
    return (*this)[GXNdxKey{nRow, nCol}];
}

BOOL CMapNdxToOb::RemoveKey(DWORD nRow, DWORD nCol)
{
    return CMap::RemoveKey(GXNdxKey{nRow, nCol});
}

void CMapNdxToOb::GetNextAssoc(POSITION& rPos, DWORD& rRow, DWORD& rCol, CObject*& rpOb) const
{
    GXNdxKey key;
    CMap::GetNextAssoc(rPos, key, rpOb);
    rRow = key.nRow;
    rCol = key.nCol;
}

void CMapNdxToOb::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        StoreCount(ar, GetCount());
        for (POSITION pos = GetStartPosition(); pos != nullptr;) {
            DWORD nRow, nCol;
            CObject* pOb;
            GetNextAssoc(pos, nRow, nCol, pOb);
            ar << nRow << nCol;
            ar.WriteObject(pOb);
        }
    } else {
        const WORD nCount = LoadCount(ar, 4 + 4 + 2);
        for (WORD i = 0; i < nCount; ++i) {
            DWORD nRow, nCol;
            ar >> nRow >> nCol;
            CObject* pOb = ar.ReadObject(nullptr);
            SetAt(nRow, nCol) = pOb;
        }
    }
}

// ---- pointer maps -------------------------------------------------------------------------------

void CGXMapByte8ToPtr::Serialize(CArchive&) {}

GXFontData* CGXMapFontData::Find(const GXByte8Key& key)
{
    uint32_t nHash;
    CAssoc* p = GetAssocAt(key, nHash);
    return p != nullptr ? &p->value : nullptr;
}

void CGXMapFontData::Serialize(CArchive&) {}

CGXPtrArrayPtrArray::~CGXPtrArrayPtrArray()
{
    for (int32_t i = 0; i < GetSize(); ++i)
        delete GetArrayAt(i);
    RemoveAll();
}

// ---- deleting helpers ---------------------------------------------------------------------------

void DeleteMapObjects(CMapNdxToOb& map)
{
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        DWORD nRow, nCol;
        CObject* pOb;
        map.GetNextAssoc(pos, nRow, nCol, pOb);
        delete pOb;
    }
    map.RemoveAll();
}

void DeleteMapObjects(CMapWordToOb& map)
{
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        uint16_t key;
        CObject* pOb;
        map.GetNextAssoc(pos, key, pOb);
        delete pOb;
    }
    map.RemoveAll();
}

void DeleteListObjects(CObList& list)
{
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        delete list.GetNext(pos);
    list.RemoveAll();
}

void DeleteListObjects(CPtrList& list)
{
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        delete static_cast<CObject*>(list.GetNext(pos));
    list.RemoveAll();
}

void DeleteArrayObjects(CObArray& array)
{
    for (int32_t i = 0; i < array.GetSize(); ++i)
        delete array[i];
    array.RemoveAll();
}

void DeleteArrayObjects(CPtrArray& array)
{
    for (int32_t i = 0; i < array.GetSize(); ++i)
        delete static_cast<CObject*>(array[i]);
    array.RemoveAll();
}

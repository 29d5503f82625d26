// The grid's hash maps: renumbering of row and column keys, lazy bucket tables, the stored forms with
// their 16-bit counts, and the helpers that delete what containers point to.
#include "wine_gtest.h"

#include "grid/engine/GXCollMap.h"
#include "grid/engine/GXUserAttribute.h"

#include "Throws.h"
#include "archive_helpers.h"

#include <map>

namespace {

// Exposes the bucket table, to see whether a look-up made one.
class ProbeMap : public CGXCollMapDWordToLong {
public:
    bool HasTable() const { return m_pHashTable != nullptr; }
};

// The map's pairs as an ordered map (value = the key each entry had before, so moves can be read).
std::map<DWORD, LONG> Contents(const CGXCollMapDWordToLong& map)
{
    std::map<DWORD, LONG> m;
    POSITION pos = GX_START_POSITION;
    DWORD key;
    LONG value;
    while (map.GetNextAssoc(pos, key, value))
        m[key] = value;
    return m;
}

void Fill(CGXCollMapDWordToLong& map, std::initializer_list<DWORD> keys)
{
    for (DWORD k : keys)
        map.SetAt(k) = LONG(k);
}

}  // namespace

TEST(CollMap, RenumberingKeys)
{
    struct Case {
        const char* name;
        std::initializer_list<DWORD> keys;
        std::function<void(CGXCollMapDWordToLong&)> op;
        std::map<DWORD, LONG> expected;  // new key -> old key
    } cases[] = {
        {"InsertKeys(5, 2)", {3, 5, 9}, [](CGXCollMapDWordToLong& m) { m.InsertKeys(5, 2); }, {{3, 3}, {7, 5}, {11, 9}}},
        {"RemoveKeys(5, 6)", {3, 5, 6, 9}, [](CGXCollMapDWordToLong& m) { m.RemoveKeys(5, 6); }, {{3, 3}, {7, 9}}},
        {"MoveKeys(2, 3, 6)", {1, 2, 3, 4, 7}, [](CGXCollMapDWordToLong& m) { m.MoveKeys(2, 3, 6); },
         {{1, 1}, {6, 2}, {7, 3}, {2, 4}, {5, 7}}},
        {"MoveKeys(5, 6, 2)", {1, 2, 4, 5, 6, 7}, [](CGXCollMapDWordToLong& m) { m.MoveKeys(5, 6, 2); },
         {{1, 1}, {4, 2}, {6, 4}, {2, 5}, {3, 6}, {7, 7}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CGXCollMapDWordToLong map;
        Fill(map, c.keys);
        c.op(map);
        EXPECT_EQ(Contents(map), c.expected);
    }
    CGXCollMapDWordToLong map;
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { map.RemoveKeys(6, 5); }));
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { map.MoveKeys(6, 5, 1); }));
}

TEST(CollMap, LookupInAnEmptyMapAllocatesNothing)
{
    ProbeMap map;
    LONG value = 42;
    EXPECT_FALSE(map.Lookup(7, value));
    EXPECT_FALSE(map.RemoveKey(7));
    EXPECT_EQ(value, 42);
    EXPECT_FALSE(map.HasTable());
    POSITION pos = GX_START_POSITION;
    DWORD key;
    EXPECT_FALSE(map.GetNextAssoc(pos, key, value));
    map.SetAt(7) = 3;
    EXPECT_TRUE(map.HasTable());
    EXPECT_TRUE(map.Lookup(7, value));
    EXPECT_EQ(value, 3);
}

TEST(CollMap, ArchiveIsAWordCountAndPairsInBucketOrder)
{
    // key / 16 modulo 17: 16 is in bucket 1, 0 in bucket 0, 17 * 16 in bucket 0 again (front of it)
    CGXMapDWordToLong map;
    map.SetAt(16) = -1;
    map.SetAt(0) = 5;
    map.SetAt(17 * 16) = 6;
    const Bytes bytes = StoreBytes([&](CArchive& ar) { map.Serialize(ar); });
    Bytes expected;
    PutWord(expected, 3);
    for (uint32_t v : {17u * 16, 6u, 0u, 5u, 16u, 0xFFFFFFFFu})
        PutDword(expected, v);
    EXPECT_EQ(bytes, expected);

    CGXMapDWordToLong back;
    back.SetAt(99) = 1;  // loading adds to what the map holds
    LoadBytes(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    EXPECT_EQ(Contents(back), (std::map<DWORD, LONG>{{0, 5}, {16, -1}, {17 * 16, 6}, {99, 1}}));

    CGXMapDWordToLong assigned;
    assigned.SetAt(1) = 1;
    assigned = map;
    EXPECT_EQ(Contents(assigned), Contents(map));
}

TEST(CollMap, CountsBeyondSixteenBitsAreRefusedNotCut)
{
    CGXCollMapDWordToLong map;
    for (DWORD k = 0; k < 0x10000; ++k)
        map.SetAt(k) = 1;
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    EXPECT_EQ(ArchiveCause([&] { map.Serialize(ar); }), CArchiveException::generic);
    ar.Close();
    EXPECT_EQ(file.GetLength(), 0u);  // nothing written

    // a stored count with too little data behind it is refused before any pair is set
    Bytes claim;
    PutWord(claim, 0xFFFF);
    PutDword(claim, 1);
    PutDword(claim, 2);
    CGXCollMapDWordToLong loaded;
    EXPECT_EQ(ArchiveCause([&] { LoadBytes(claim, [&](CArchive& a) { loaded.Serialize(a); }); }),
              CArchiveException::endOfFile);
    EXPECT_EQ(loaded.GetCount(), 0);
}

TEST(CellMap, ObjectsRoundTripAndAreDeletedByTheHelper)
{
    CGXMapCellToOb map;
    map.SetAt(1, 2) = new CGXUserAttribute("one-two");
    map.SetAt(3, 0x10000) = new CGXUserAttribute("three");
    CObject* pOb = nullptr;
    EXPECT_TRUE(map.Lookup(1, 2, pOb));
    EXPECT_FALSE(map.Lookup(2, 1, pOb));
    const Bytes bytes = StoreBytes([&](CArchive& ar) { map.Serialize(ar); });
    EXPECT_EQ(bytes[0], 2);
    EXPECT_EQ(bytes[1], 0);

    CGXMapCellToOb back;
    LoadBytes(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    ASSERT_TRUE(back.Lookup(3, 0x10000, pOb));
    EXPECT_STREQ(static_cast<CGXUserAttribute*>(pOb)->GetValue(), "three");
    DeleteMapObjects(back);
    EXPECT_EQ(back.GetCount(), 0);
    ASSERT_TRUE(map.Lookup(1, 2, pOb));
    EXPECT_TRUE(map.RemoveKey(1, 2));
    delete pOb;  // the map does not own its objects
    DeleteMapObjects(map);
    EXPECT_EQ(map.GetCount(), 0);
}

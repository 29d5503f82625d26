// Collections: array growth and index checks, list cursors, map lookups and their fixed enumeration
// order, and the archive forms of the serialisable collections.
#include "core/Core.h"

#include "Throws.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

template <class A>
std::vector<uint32_t> Items(const A& a)
{
    std::vector<uint32_t> out;
    for (int32_t i = 0; i < a.GetSize(); ++i)
        out.push_back(uint32_t(a[i]));
    return out;
}

template <class F>
void RoundTrip(F body)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        body(ar);
        ar.Close();
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    body(ar);
    EXPECT_EQ(ar.GetBytesLeft(), 0u);
}

} // namespace

TEST(Arrays, GrowInsertRemove)
{
    CDWordArray a;
    a.SetSize(2, 16);
    EXPECT_EQ(Items(a), (std::vector<uint32_t>{0, 0}));
    a.SetAtGrow(4, 9);
    EXPECT_EQ(Items(a), (std::vector<uint32_t>{0, 0, 0, 0, 9}));
    a.InsertAt(1, 7, 2);
    EXPECT_EQ(Items(a), (std::vector<uint32_t>{0, 7, 7, 0, 0, 0, 9}));
    a.RemoveAt(0, 3);
    EXPECT_EQ(Items(a), (std::vector<uint32_t>{0, 0, 0, 9}));
    a.InsertAt(6, 5);  // past the end: grows first
    EXPECT_EQ(Items(a), (std::vector<uint32_t>{0, 0, 0, 9, 0, 0, 5}));
    CDWordArray b;
    b.Add(1);
    EXPECT_EQ(b.Append(a), 1);
    b.Append(b);
    EXPECT_EQ(b.GetSize(), 16);
    b.Copy(a);
    EXPECT_EQ(Items(b), Items(a));
    CDWordArray c;
    c.Add(3);
    b.InsertAt(1, &c);
    EXPECT_EQ(b[1], 3u);
    EXPECT_EQ(b.GetUpperBound(), 7);
}

TEST(Arrays, IndexesOutsideTheArrayAreRefused)
{
    CStringArray a;
    a.Add("x");
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { a.GetAt(1); }));
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { a[-1]; }));
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { a.SetAt(1, "y"); }));
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { a.RemoveAt(0, 2); }));
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { a.SetSize(-1); }));
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { a.InsertAt(0, "y", -1); }));
    EXPECT_EQ(a.GetSize(), 1);
}

TEST(Lists, CursorsAndEdits)
{
    CStringList list;
    const POSITION b = list.AddTail("b");
    list.AddHead("a");
    list.InsertAfter(b, "d");
    list.InsertBefore(list.Find("d"), "c");
    std::string all;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        all += list.GetNext(pos).GetString();
    EXPECT_EQ(all, "abcd");
    std::string back;
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
        back += list.GetPrev(pos).GetString();
    EXPECT_EQ(back, "dcba");

    EXPECT_EQ(list.FindIndex(2), list.Find("c"));
    EXPECT_EQ(list.FindIndex(4), nullptr);
    EXPECT_EQ(list.Find("b", list.Find("b")), nullptr);
    list.SetAt(list.Find("c"), "C");
    list.RemoveAt(b);
    EXPECT_EQ(std::string(list.RemoveHead()), "a");
    EXPECT_EQ(std::string(list.RemoveTail()), "d");
    EXPECT_EQ(std::string(list.GetHead()), "C");
    EXPECT_EQ(list.GetCount(), 1);

    list.RemoveAll();
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { list.GetHead(); }));
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { list.RemoveTail(); }));
    POSITION none = nullptr;
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { list.GetNext(none); }));
}

TEST(Maps, LookupSetRemove)
{
    CMapStringToString map;
    CString value;
    EXPECT_FALSE(map.Lookup("k", value));
    EXPECT_EQ(map.GetStartPosition(), nullptr);
    map.SetAt("k", "v");
    map["k2"] = "w";
    map["k"] = "v2";
    EXPECT_EQ(map.GetCount(), 2);
    EXPECT_TRUE(map.Lookup("k", value));
    EXPECT_EQ(std::string(value), "v2");
    EXPECT_TRUE(map.RemoveKey("k"));
    EXPECT_FALSE(map.RemoveKey("k"));
    EXPECT_FALSE(map.Lookup("k", value));

    CMapPtrToWord pw;
    int x = 0;
    EXPECT_EQ(pw[&x], 0);  // inserted value-initialised
    pw[&x] = 3;
    uint16_t w = 0;
    EXPECT_TRUE(pw.Lookup(&x, w));
    EXPECT_EQ(w, 3);
    EXPECT_EQ(pw.GetHashTableSize(), 17u);
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { pw.InitHashTable(31); }));  // only while empty
}

TEST(Maps, EnumerationFollowsBucketOrder)
{
    // word keys hash to key >> 4: with 17 buckets 0x10 -> 1, 0x120 -> 1 (18 % 17), 0x20 -> 2, 0x05 -> 0.
    // Later keys go to the front of their bucket's chain.
    CMapWordToPtr map;
    for (uint16_t key : {uint16_t(0x10), uint16_t(0x20), uint16_t(0x120), uint16_t(0x05)})
        map[key] = nullptr;
    std::vector<uint16_t> order;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        uint16_t key;
        void* value;
        map.GetNextAssoc(pos, key, value);
        order.push_back(key);
    }
    EXPECT_EQ(order, (std::vector<uint16_t>{0x05, 0x120, 0x10, 0x20}));

    // string keys: h = h * 33 + byte; "a" = 97 -> 12, "b" = 98 -> 13, "ab" = 3299 -> 1
    CMapStringToPtr strings;
    strings.InitHashTable(17);
    for (const char* key : {"b", "a", "ab"})
        strings[key] = nullptr;
    std::string keys;
    for (POSITION pos = strings.GetStartPosition(); pos != nullptr;) {
        CString key;
        void* value;
        strings.GetNextAssoc(pos, key, value);
        keys += std::string(key) + ",";
    }
    EXPECT_EQ(keys, "ab,a,b,");

    // removing the entry just returned keeps the walk going
    int seen = 0;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr; ++seen) {
        uint16_t key;
        void* value;
        map.GetNextAssoc(pos, key, value);
        map.RemoveKey(key);
    }
    EXPECT_EQ(seen, 4);
    EXPECT_TRUE(map.IsEmpty());
}

TEST(CollectionArchives, SerialisableCollectionsRoundTrip)
{
    CStringArray strings;
    strings.Add("one");
    strings.Add(CString(char(0xFF), 300));
    CStringList list;
    list.AddTail("x");
    list.AddTail("");
    CWordArray words;
    words.Add(0xBEEF);
    CMapStringToString map;
    map["k"] = "v";
    map["key2"] = "";
    CArray<double, double> doubles;
    doubles.Add(0.1);
    doubles.Add(-7.5);
    CMap<uint32_t, uint32_t, CString, const CString&> generic;
    generic[7] = "seven";

    RoundTrip([&](CArchive& ar) {
        if (ar.IsStoring()) {
            strings.Serialize(ar);
            list.Serialize(ar);
            words.Serialize(ar);
            map.Serialize(ar);
            doubles.Serialize(ar);
            generic.Serialize(ar);
            return;
        }
        CStringArray strings2;
        CStringList list2;
        CWordArray words2;
        CMapStringToString map2;
        CArray<double, double> doubles2;
        CMap<uint32_t, uint32_t, CString, const CString&> generic2;
        strings2.Serialize(ar);
        list2.Serialize(ar);
        words2.Serialize(ar);
        map2.Serialize(ar);
        doubles2.Serialize(ar);
        generic2.Serialize(ar);
        ASSERT_EQ(strings2.GetSize(), 2);
        EXPECT_TRUE(strings2[1] == strings[1]);
        ASSERT_EQ(list2.GetCount(), 2);
        EXPECT_TRUE(list2.GetTail().IsEmpty());
        EXPECT_EQ(words2[0], 0xBEEF);
        CString v;
        EXPECT_TRUE(map2.Lookup("key2", v));
        EXPECT_EQ(map2.GetCount(), 2);
        EXPECT_EQ(doubles2[0], 0.1);
        EXPECT_EQ(doubles2[1], -7.5);
        EXPECT_TRUE(generic2.Lookup(7, v));
        EXPECT_EQ(std::string(v), "seven");
    });
}

TEST(CollectionArchives, MapFormIsCountThenPairs)
{
    CMapWordToOb map;
    map[0x0102] = nullptr;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        map.Serialize(ar);
        CPtrArray pointers;
        pointers.Add(&map);
        pointers.Serialize(ar);  // pointer collections write nothing
        CUIntArray uints;
        uints.Add(1);
        uints.Serialize(ar);
        ar.Close();
    }
    ASSERT_EQ(file.GetLength(), 6u);
    uint8_t bytes[6];
    file.SeekToBegin();
    file.Read(bytes, 6);
    const uint8_t expected[6] = {0x01, 0x00, 0x02, 0x01, 0x00, 0x00};  // count 1, key 0x0102, null object
    EXPECT_EQ(0, std::memcmp(bytes, expected, 6));
}

TEST(CollectionArchives, TypedPointerElementsMustBeOfTheirClass)
{
    // an array of CObArray pointers refuses another class where its elements stand
    CStringList notAnArray;
    CObList holder;
    holder.AddTail(&notAnArray);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        holder.Serialize(ar);
        ar.Close();
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    CList<CObArray*, CObArray*> typed;
    try {
        typed.Serialize(ar);
        ADD_FAILURE() << "no exception";
    } catch (CArchiveException* e) {
        EXPECT_EQ(e->m_cause, CArchiveException::badClass);
        e->Delete();
    }
    EXPECT_TRUE(typed.IsEmpty());
}

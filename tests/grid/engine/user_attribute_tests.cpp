// User attributes: value kinds and text forms, number recognition, copies, the sorted attribute map
// with its merge modes, and the stored forms (including hostile counts and shared objects).
#include "wine_gtest.h"

#include "grid/engine/GXRange.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXUserAttribute.h"

#include "Throws.h"
#include "archive_helpers.h"
#include "grid_test_support.h"

#include <map>
#include <string>

namespace {

std::map<WORD, std::string> Contents(const CGXUserAttributeMap& map)
{
    std::map<WORD, std::string> m;
    for (int32_t i = 0; i < map.GetSize(); ++i) {
        EXPECT_TRUE(i == 0 || map.GetAttributeAt(i - 1)->m_nId < map.GetAttributeAt(i)->m_nId) << "not sorted";
        m[map.GetAttributeAt(i)->m_nId] = map.GetAttributeAt(i)->GetValue().GetString();
    }
    return m;
}

void Fill(CGXUserAttributeMap& map, std::initializer_list<std::pair<WORD, const char*>> entries)
{
    for (const auto& e : entries)
        map.SetAttribute(e.first, new CGXUserAttribute(e.second));
}

}  // namespace

TEST(UserAttribute, TextIsInlineUpToEightBytes)
{
    NumberRecognition off(FALSE);
    CGXUserAttribute eight("abcdefgh");
    EXPECT_EQ(eight.GetValueType(), CGXUserAttribute::vtShortString);
    EXPECT_STREQ(eight.GetValue(), "abcdefgh");
    CGXUserAttribute nine("abcdefghi");
    EXPECT_EQ(nine.GetValueType(), CGXUserAttribute::vtString);
    EXPECT_STREQ(nine.GetValue(), "abcdefghi");
    nine.SetValue("");
    EXPECT_EQ(nine.GetValueType(), CGXUserAttribute::vtEmpty);
    EXPECT_TRUE(nine.IsEmpty());
}

TEST(UserAttribute, NumberRecognitionNeedsTheNumberFormattingModule)
{
    // which texts are numbers is tested with the module (the grid operations' format tests)
    ASSERT_EQ(GXGetLibraryState()->m_pNumberFormattingImp, nullptr);
    for (BOOL bOn : {TRUE, FALSE}) {
        NumberRecognition option(bOn);
        CGXUserAttribute a("1.5");
        EXPECT_EQ(a.GetValueType(), CGXUserAttribute::vtShortString) << bOn;
        EXPECT_STREQ(a.GetValue(), "1.5");
    }
}

TEST(UserAttribute, TextFormsAndConversionsByKind)
{
    struct Case {
        const char* name;
        CGXUserAttribute a;
        const char* text;
        LONG asLong;
        double asDouble;
    } cases[] = {
        {"unsigned", CGXUserAttribute(DWORD(4294967295u)), "4294967295", -1, 4294967295.0},
        {"signed", CGXUserAttribute(LONG(-5)), "-5", -5, -5.0},
        {"double", CGXUserAttribute(2.75), "2.75", 2, 2.75},
        {"large double", CGXUserAttribute(1e12), "1000000000000", 2147483647, 1e12},
        {"raw bytes", CGXUserAttribute(DWORD(1), DWORD(2)), "0000000100000002", 0, 0.0},
        {"text", CGXUserAttribute("42 sheep"), "42 sheep", 42, 42.0},
        {"empty", CGXUserAttribute(), "", 0, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_STREQ(c.a.GetValue(), c.text);
        EXPECT_EQ(c.a.GetLongValue(), c.asLong);
        EXPECT_EQ(c.a.GetDoubleValue(), c.asDouble);
    }
}

TEST(UserAttribute, CopiesOwnTheirTextAndCompareByKind)
{
    CGXUserAttribute a("a text longer than eight bytes");
    a.m_nId = 51022;
    std::unique_ptr<CGXAbstractUserAttribute> clone(a.Clone());
    a.SetValue("changed");
    EXPECT_STREQ(clone->GetValue(), "a text longer than eight bytes");
    EXPECT_EQ(clone->m_nId, 51022);

    CGXUserAttribute b("changed");
    b.m_nId = 51022;
    EXPECT_TRUE(a.IsEqual(b));
    b.m_nId = 51023;
    EXPECT_FALSE(a.IsEqual(b));
    EXPECT_FALSE(CGXUserAttribute(1.5).IsEqual(CGXUserAttribute("1.5")));  // kinds differ

    CGXEllipseUserAttribute dots(CGXEllipseUserAttribute::gxDotEllipse);
    EXPECT_TRUE(dots.IsEmpty());
    EXPECT_EQ(dots.GetLongValue(), 1);
    EXPECT_EQ(CGXAbstractUserAttribute().Clone(), nullptr);
}

TEST(UserAttributeMap, KeepsIdsSortedAndUnique)
{
    CGXUserAttributeMap map;
    Fill(map, {{51030, "c"}, {51011, "a"}, {51020, "b"}});
    EXPECT_EQ(map.FindIndex(51020), 1);
    EXPECT_EQ(map.FindIndex(51012), -1);
    map.SetAttribute(51020, CGXUserAttribute("B"));  // a reference stores a clone, replacing in place
    EXPECT_EQ(Contents(map), (std::map<WORD, std::string>{{51011, "a"}, {51020, "B"}, {51030, "c"}}));
    EXPECT_EQ(map.RemoveAttribute(51011), 0);
    EXPECT_EQ(map.RemoveAttribute(51011), -1);
    EXPECT_EQ(map.GetAttribute(51011), nullptr);
    EXPECT_TRUE(Throws<CInvalidArgException>(
        [&] { map.SetAttribute(1, static_cast<CGXAbstractUserAttribute*>(nullptr)); }));
}

TEST(UserAttributeMap, MergeModes)
{
    struct Case {
        int mode;
        std::map<WORD, std::string> expected;
    } cases[] = {
        {0, {{1, "a"}, {2, "B"}, {3, "C"}}},
        {1, {{1, "a"}, {2, "B"}, {3, "c"}}},
        {2, {{2, "B"}, {3, "C"}}},
        {3, {{1, "a"}}},
    };
    CGXUserAttributeMap other;
    Fill(other, {{3, "C"}, {2, "B"}});
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode);
        CGXUserAttributeMap map;
        Fill(map, {{1, "a"}, {3, "c"}});
        map.ChangeMap(other, c.mode);
        EXPECT_EQ(Contents(map), c.expected);
    }
    EXPECT_EQ(Contents(other), (std::map<WORD, std::string>{{2, "B"}, {3, "C"}}));
}

TEST(UserAttributeArchive, AttributeForms)
{
    CGXUserAttribute text("abc");
    Bytes expected = {3, 3, 'a', 'b', 'c'};
    EXPECT_EQ(StoreBytes([&](CArchive& ar) { text.Serialize(ar); }), expected);
    CGXUserAttribute number(DWORD(0x01020304));
    expected = {1, 4, 3, 2, 1, 0, 0, 0, 0};
    EXPECT_EQ(StoreBytes([&](CArchive& ar) { number.Serialize(ar); }), expected);
    CGXEllipseUserAttribute pound(CGXEllipseUserAttribute::gxPoundEllipse);
    expected = {2, 0};
    EXPECT_EQ(StoreBytes([&](CArchive& ar) { pound.Serialize(ar); }), expected);

    // a loaded text longer than 8 bytes is kept on the heap
    Bytes long9 = {3, 9, '1', '2', '3', '4', '5', '6', '7', '8', '9'};
    CGXUserAttribute loaded;
    LoadBytes(long9, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(loaded.GetValueType(), CGXUserAttribute::vtString);
    EXPECT_STREQ(loaded.GetValue(), "123456789");
}

TEST(UserAttributeArchive, MapRoundTrip)
{
    CGXUserAttributeMap map;
    map.SetAttribute(51022, new CGXUserAttribute("a tooltip text"));
    map.SetAttribute(51011, new CGXUserAttribute(DWORD(7), DWORD(8)));
    map.SetAttribute(52792, new CGXEllipseUserAttribute(CGXEllipseUserAttribute::gxDotEllipse));
    const Bytes bytes = StoreBytes([&](CArchive& ar) { map.Serialize(ar); });
    EXPECT_EQ(bytes[0], 3);
    EXPECT_EQ(bytes[1], 0);

    CGXUserAttributeMap back;
    Fill(back, {{1, "dropped"}});  // loading empties the map first
    LoadBytes(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    EXPECT_EQ(Contents(back),
              (std::map<WORD, std::string>{{51011, "0000000700000008"}, {51022, "a tooltip text"}, {52792, ""}}));
    EXPECT_EQ(back.GetAttribute(52792)->GetLongValue(), 1);
}

TEST(UserAttributeArchive, HostileMapsAreRefusedWithoutLeaksOrDoubleFrees)
{
    CGXUserAttributeMap map;
    // a count far beyond the data
    Bytes huge;
    PutWord(huge, 0xFFFF);
    EXPECT_EQ(ArchiveCause([&] { LoadBytes(huge, [&](CArchive& ar) { map.Serialize(ar); }); }),
              CArchiveException::endOfFile);

    // an object of another class
    const Bytes wrongClass = StoreBytes([](CArchive& ar) {
        CGXRangeList list;
        ar << WORD(1);
        ar.WriteObject(&list);
        ar << WORD(51011);
    });
    EXPECT_EQ(ArchiveCause([&] { LoadBytes(wrongClass, [&](CArchive& ar) { map.Serialize(ar); }); }),
              CArchiveException::badClass);

    // the same object twice (a back-reference) cannot be owned twice
    const Bytes shared = StoreBytes([](CArchive& ar) {
        CGXUserAttribute a("x");
        ar << WORD(2);
        ar.WriteObject(&a);
        ar << WORD(51011);
        ar.WriteObject(&a);
        ar << WORD(51012);
    });
    EXPECT_EQ(ArchiveCause([&] { LoadBytes(shared, [&](CArchive& ar) { map.Serialize(ar); }); }),
              CArchiveException::badIndex);

    // an id met twice keeps the later attribute, and the map stays sorted
    const Bytes twice = StoreBytes([](CArchive& ar) {
        CGXUserAttribute a("first"), b("second"), c("other");
        ar << WORD(3);
        ar.WriteObject(&a);
        ar << WORD(51020);
        ar.WriteObject(&c);
        ar << WORD(51011);
        ar.WriteObject(&b);
        ar << WORD(51020);
    });
    LoadBytes(twice, [&](CArchive& ar) { map.Serialize(ar); });
    EXPECT_EQ(Contents(map), (std::map<WORD, std::string>{{51011, "other"}, {51020, "second"}}));
}

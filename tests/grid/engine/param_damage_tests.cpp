// The parameter objects' readers under damaged archives: every cut of a stored parameter object,
// counts that claim more than the archive holds, objects of the wrong class where an owned object
// stands, and the objects of any class that a parameter object keeps (nested without end, referring
// to an object owned elsewhere, or holding objects that nobody owns).
#include "wine_gtest.h"

#include "grid/engine/GXBrowseParam.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXStylesMap.h"

#include "archive_helpers.h"
#include "grid_test_support.h"

#include <functional>

namespace {

class DamagedParam : public ::testing::Test {
protected:
    void SetUp() override { InstallGridModules(); }
};

Bytes ParamBytes(CGXGridParam& param)
{
    return StoreBytes([&](CArchive& ar) { param.Serialize(ar); });
}

// A parameter object that owns a styles map, cell data and properties, with a selected range, a
// row height and a title.
void FillParam(CGXGridParam& param)
{
    CGXStylesMap* pMap = new CGXStylesMap;
    pMap->CreateStandardStyles();
    param.SetStylesMap(pMap, TRUE);
    param.SetData(new CGXData, TRUE);
    param.GetData()->StoreCellStyle(2, 3, &CGXStyle().SetValue("cell"), CGXStyle::gxOverride, CGXData::gxCellStyle);
    param.SetProperties(new CGXProperties, TRUE);
    param.GetRangeList1().AddRange(CGXCellRange(1, 1, 3, 3));
    // a key in a bucket of its own: a loaded bucket chains its keys the other way round
    param.GetRowHeights().SetAt(20, 300);
    param.SetTitle("Damaged");
}

// Where the stored forms of a plain parameter object and of one changed by change first differ:
// the first byte of what the change stores.
size_t FirstDifference(const std::function<void(CGXGridParam&)>& change)
{
    CGXGridParam plain, changed;
    change(changed);
    const Bytes a = ParamBytes(plain), b = ParamBytes(changed);
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    return i;
}

// Where the first further stored object of a plain parameter object stands: after the column
// widths, a WORD count and eight bytes an entry.
size_t StoredObjectSlot()
{
    CGXGridParam plain;
    const Bytes bytes = ParamBytes(plain);
    const size_t count = FirstDifference([](CGXGridParam& p) { p.GetColWidths().SetAt(1, 1); });
    return count + 2 + 8 * (bytes[count] | bytes[count + 1] << 8);
}

// The stored form of a plain parameter object with `object` in place of the first further stored
// object (a null tag there).
Bytes WithStoredObject(const Bytes& object)
{
    CGXGridParam plain;
    Bytes bytes = ParamBytes(plain);
    const size_t at = StoredObjectSlot();
    EXPECT_EQ(bytes[at], 0);
    EXPECT_EQ(bytes[at + 1], 0);
    bytes.erase(bytes.begin() + at, bytes.begin() + at + 2);
    bytes.insert(bytes.begin() + at, object.begin(), object.end());
    return bytes;
}

// Object arrays nested `levels` deep (the class tag, then four bytes a level).
Bytes NestedArrays(size_t levels)
{
    Bytes bytes;
    PutNewClassTag(bytes, "CObArray", 0);
    PutWord(bytes, 1);
    for (size_t level = 1; level < levels; ++level) {
        PutWord(bytes, 0x8001);
        PutWord(bytes, 1);
    }
    bytes[bytes.size() - 2] = 0;
    return bytes;
}

// An object array of a string array and a string map, which nobody owns once read.
Bytes ArrayOfStringCollections()
{
    Bytes bytes;
    PutNewClassTag(bytes, "CObArray", 0);
    PutWord(bytes, 2);
    PutNewClassTag(bytes, "CStringArray", 0);
    PutWord(bytes, 1);
    PutString(bytes, "ab");
    PutNewClassTag(bytes, "CMapStringToString", 0);
    PutWord(bytes, 1);
    PutString(bytes, "key");
    PutString(bytes, "va");
    return bytes;
}

} // namespace

// Cut anywhere, a stored parameter object (and a browse parameter object with an archived object)
// throws the archive's end-of-file exception, and the object read into stays whole: it stores, and
// reads the uncut archive to what was stored.
TEST_F(DamagedParam, EveryCutEndsInTheArchiveExceptionAndLeavesAWholeObject)
{
    CGXGridParam full;
    FillParam(full);
    CGXBrowseParam browse;
    FillParam(browse);
    browse.m_pArchivedObject.reset(new CGXStyle(CGXStyle().SetValue("record")));
    for (CGXGridParam* pStored : {static_cast<CGXGridParam*>(&full), static_cast<CGXGridParam*>(&browse)}) {
        const Bytes bytes = ParamBytes(*pStored);
        for (size_t cut = 0; cut < bytes.size(); ++cut) {
            SCOPED_TRACE(testing::Message() << (pStored == &full ? "param" : "browse param") << " cut at " << cut);
            const Bytes part(bytes.begin(), bytes.begin() + cut);
            std::unique_ptr<CGXGridParam> pLoaded(pStored == &full ? new CGXGridParam : new CGXBrowseParam);
            EXPECT_EQ(ArchiveCause([&] { LoadBytes(part, [&](CArchive& ar) { pLoaded->Serialize(ar); }); }),
                      CArchiveException::endOfFile);
            ParamBytes(*pLoaded);
            LoadBytes(bytes, [&](CArchive& ar) { pLoaded->Serialize(ar); });
            ASSERT_EQ(ParamBytes(*pLoaded), bytes);
        }
    }
}

// A count or length beyond what the archive holds is refused before anything is made for it.
TEST_F(DamagedParam, CountsBeyondTheDataEndInTheArchiveException)
{
    const struct {
        const char* what;
        size_t at;
        Bytes claim;  // replaces the count (and the bytes listed in `replaces`)
        size_t replaces;
    } cases[] = {
        {"a range list of 2^32 - 1 ranges",
         FirstDifference([](CGXGridParam& p) { p.GetRangeList1().AddRange(CGXCellRange(1, 1, 1, 1)); }),
         {0xFF, 0xFF, 0xFF, 0xFF}, 4},
        {"row heights of 65535 entries", FirstDifference([](CGXGridParam& p) { p.GetRowHeights().SetAt(1, 1); }),
         {0xFF, 0xFF}, 2},
        {"a title of 2 GB", FirstDifference([](CGXGridParam& p) { p.SetTitle("x"); }),
         {0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CGXGridParam plain;
        Bytes bytes = ParamBytes(plain);
        bytes.erase(bytes.begin() + c.at, bytes.begin() + c.at + c.replaces);
        bytes.insert(bytes.begin() + c.at, c.claim.begin(), c.claim.end());
        CGXGridParam loaded;
        EXPECT_EQ(ArchiveCause([&] { LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); }); }),
                  CArchiveException::endOfFile);
    }
}

// An owned object of another class than its slot's, or a reference to an object read before where
// an object of the parameter's own stands, is refused.
TEST_F(DamagedParam, ObjectsOfTheWrongClassOrOwnedElsewhereAreRefused)
{
    // the stored form of a parameter object owning cell data only, with the owning flags changed so
    // that its data stands where the styles map or the properties are read
    CGXGridParam dataOnly;
    dataOnly.SetData(new CGXData, TRUE);
    const Bytes bytes = ParamBytes(dataOnly);
    const size_t kOwnData = 2 + 10, kOwnProperties = 2 + 12, kOwnStylesMap = 2 + 13;
    ASSERT_EQ(bytes[kOwnData], 1);
    for (size_t slot : {kOwnStylesMap, kOwnProperties}) {
        SCOPED_TRACE(slot);
        Bytes wrong = bytes;
        wrong[kOwnData] = 0;
        wrong[slot] = 1;
        CGXGridParam loaded;
        EXPECT_EQ(ArchiveCause([&] { LoadBytes(wrong, [&](CArchive& ar) { loaded.Serialize(ar); }); }),
                  CArchiveException::badClass);
        EXPECT_EQ(loaded.GetStylesMap(), nullptr);
        EXPECT_EQ(loaded.GetProperties(), nullptr);
    }

    // a further stored object that is the styles map again (its object index 2, after its class)
    CGXGridParam withMap;
    CGXStylesMap* pMap = new CGXStylesMap;
    pMap->CreateStandardStyles();
    withMap.SetStylesMap(pMap, TRUE);
    Bytes shared = ParamBytes(withMap);
    CGXGridParam plain;
    // the slot of a plain object, moved on by the styles map's bytes
    const size_t at = StoredObjectSlot() + (shared.size() - ParamBytes(plain).size());
    ASSERT_EQ(shared[at], 0);
    shared[at] = 2;
    CGXGridParam loaded;
    EXPECT_EQ(ArchiveCause([&] { LoadBytes(shared, [&](CArchive& ar) { loaded.Serialize(ar); }); }),
              CArchiveException::badIndex);
}

// The further stored objects and a browse parameter object's archived object may be of any class:
// arrays nested 50,000 deep are refused with the archive exception, and an array of string
// collections reads and is stored again as it was (it is freed with the parameter object).
TEST_F(DamagedParam, ObjectsOfAnyClassAreReadWithinBounds)
{
    CGXGridParam loaded;
    EXPECT_EQ(ArchiveCause([&] {
                  LoadBytes(WithStoredObject(NestedArrays(50000)), [&](CArchive& ar) { loaded.Serialize(ar); });
              }),
              CArchiveException::generic);

    const Bytes withArray = WithStoredObject(ArrayOfStringCollections());
    LoadBytes(withArray, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(ParamBytes(loaded), withArray);

    CGXBrowseParam plainBrowse;
    const Bytes base = ParamBytes(plainBrowse);
    Bytes deep(base.begin(), base.end() - 2);  // without the null archived object
    PutBytes(deep, NestedArrays(50000));
    CGXBrowseParam browse;
    EXPECT_EQ(ArchiveCause([&] { LoadBytes(deep, [&](CArchive& ar) { browse.Serialize(ar); }); }),
              CArchiveException::generic);
    EXPECT_EQ(browse.m_pArchivedObject, nullptr);
}

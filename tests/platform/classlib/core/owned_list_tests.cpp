// Lists that own their objects: the stored form is CObList's, and loading never lets a damaged
// archive hand one object to two owners or leave an object without one (the sanitizer pass shows
// that nothing leaks when a load fails half-way).
#include "ArchiveTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

class COwnedItem : public CObject {
    DECLARE_SERIAL(COwnedItem)
public:
    COwnedItem() = default;
    explicit COwnedItem(int32_t n) : m_n(n) {}
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_n;
        else
            ar >> m_n;
    }
    int32_t m_n = 0;
};

IMPLEMENT_SERIAL(COwnedItem, CObject, 1)

namespace {

// An owner of a list: what it holds goes when it goes.
struct OwningList {
    CObList list;
    ~OwningList() { AfxDeleteOwnedObjects(list); }
    std::vector<int32_t> Values() const
    {
        std::vector<int32_t> out;
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
            out.push_back(static_cast<const COwnedItem*>(list.GetNext(pos))->m_n);
        return out;
    }
};

} // namespace

TEST(OwnedObList, StoresCObListsFormAndReadsItBack)
{
    OwningList stored;
    stored.list.AddTail(new COwnedItem(7));
    stored.list.AddTail(new COwnedItem(-3));
    const Bytes bytes =
        StoreBytes([&](CArchive& ar) { AfxSerializeOwnedObList(ar, stored.list, RUNTIME_CLASS(COwnedItem)); });
    EXPECT_EQ(bytes, StoreBytes([&](CArchive& ar) { stored.list.Serialize(ar); }));

    OwningList loaded;
    LoadBytes(bytes, [&](CArchive& ar) { AfxSerializeOwnedObList(ar, loaded.list, RUNTIME_CLASS(COwnedItem)); });
    EXPECT_EQ(loaded.Values(), (std::vector<int32_t>{7, -3}));
}

TEST(OwnedObList, RefusesSharedNullAndForeignEntriesKeepingWhatWasRead)
{
    COwnedItem item(5);
    CObList other;  // a serialisable object of another class
    struct Case {
        const char* what;
        Bytes bytes;
        int cause;
    } cases[] = {
        {"back-reference",
         StoreBytes([&](CArchive& ar) {
             ar.WriteCount(2);
             ar << &item << &item;
         }),
         CArchiveException::badIndex},
        {"null entry",
         StoreBytes([&](CArchive& ar) {
             ar.WriteCount(2);
             ar << &item << static_cast<CObject*>(nullptr);
         }),
         CArchiveException::badClass},
        {"another class",
         StoreBytes([&](CArchive& ar) {
             ar.WriteCount(2);
             ar << &item << &other;
         }),
         CArchiveException::badClass},
    };
    for (const Case& c : cases) {
        OwningList loaded;
        EXPECT_EQ(ArchiveCause([&] {
                      LoadBytes(c.bytes, [&](CArchive& ar) {
                          AfxSerializeOwnedObList(ar, loaded.list, RUNTIME_CLASS(COwnedItem));
                      });
                  }),
                  c.cause)
            << c.what;
        EXPECT_EQ(loaded.Values(), (std::vector<int32_t>{5})) << c.what;
    }
}

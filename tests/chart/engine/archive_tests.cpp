// Stored forms: a manager with every kind of data round-trips, a style's fields stand in their
// fixed order, and damaged archives are refused.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <memory>

#include "ArchiveTestSupport.h"
#include "chart/engine/SRGDynamicDataManager.h"

#include "chart_test_support.h"

namespace {

// Two groups: an ordinary one (a null item, annotations 1 and 2, a style of its own) and a dynamic
// one whose series keeps per-value ranges.
void FillManager(SRGDataManager& manager)
{
    manager.SetChartAnnotation("chart", 1);
    manager.SetChartAnnotation("second", 2);
    manager.SetValue(1, 0, 2.5, 0);
    manager.GetDataItem(1, 0)->AddAnnotation(1, "item");
    manager.GetDataItem(1, 0)->AddAnnotation(2, "item 2");
    manager.SetGroupAnnotation(0, "group", 0);
    manager.GetGroup(0, 0)->SetAnnotation(2, "group 2");
    DEDizedStyle* pStyle = manager.GetDataItem(1, 0)->GetStyle();
    pStyle->m_crColor = RGB(1, 2, 3);
    pStyle->m_strText1 = "text";
    pStyle->SetImageFile("fill.bmp");
    pStyle->m_dGradientAngle = 45;
    pStyle->m_nFlags = 0x10;

    DEDizedDynamicData* pSeries = MakeDynamic(*manager.GetGroup(1, 1), 3, true);
    pSeries->SetWrap(1);
    pSeries->SetValue(4);
    pSeries->SetValue(-8);
    pSeries->SetWritePosition(0);
    pSeries->SetValue(6);
}

Bytes StoreManager(const SRGDataManager& manager)
{
    return StoreBytes([&](CArchive& ar) { ar << &manager; });
}

std::unique_ptr<CObject> LoadObject(const Bytes& bytes)
{
    std::unique_ptr<CObject> pOb;
    LoadBytes(bytes, [&](CArchive& ar) { pOb.reset(ar.ReadObject(RUNTIME_CLASS(SRGDataManager))); });
    return pOb;
}

} // namespace

TEST(ChartArchive, AManagerRoundTrips)
{
    SRGDynamicDataManager manager;
    FillManager(manager);
    const Bytes bytes = StoreManager(manager);
    const std::unique_ptr<CObject> pOb = LoadObject(bytes);
    ASSERT_TRUE(pOb->IsKindOf(RUNTIME_CLASS(SRGDynamicDataManager)));
    SRGDataManager& loaded = static_cast<SRGDataManager&>(*pOb);
    EXPECT_EQ(StoreManager(loaded), bytes);  // every stored field came back

    EXPECT_EQ(loaded.GetChartAnnotation(2), "second");
    EXPECT_TRUE(loaded.GetDataItem(0, 0)->IsNull());
    DEDizedData* pItem = loaded.GetDataItem(1, 0);
    EXPECT_EQ(pItem->GetValue(), 2.5);
    EXPECT_EQ(pItem->GetAnnotation(2), "item 2");
    EXPECT_EQ(pItem->GetStyle()->m_strText1, "text");
    EXPECT_EQ(pItem->GetStyle()->m_strImageFile, "fill.bmp");
    EXPECT_EQ(pItem->GetStyle()->m_crColor, RGB(1, 2, 3));
    EXPECT_EQ(loaded.GetGroupAnnotation(0, 2), "group 2");

    DEDizedDataList* pGroup = loaded.GetGroup(1, 0);
    EXPECT_EQ(pGroup->IsDynamic(), 1);
    DEDizedDynamicData* pSeries = pGroup->GetSeries();
    ASSERT_NE(pSeries, nullptr);
    EXPECT_EQ(pSeries->GetSize(), 3);
    EXPECT_EQ(pSeries->GetValue(), 6.0);
    EXPECT_EQ(pSeries->GetValue(), -8.0);
    pSeries->RewindRead();
    const CScale first = pSeries->GetRange();
    EXPECT_EQ(first.m_dMaximum, 6.0);
    EXPECT_EQ(first.m_dMinimum, 4.0);
    pSeries->SetValue(1);  // the loaded series writes from 0 and wraps as stored
    pSeries->SetValue(2);
    pSeries->SetValue(3);
    pSeries->SetValue(4);
    EXPECT_EQ(pSeries->GetSize(), 3);
}

TEST(ChartArchive, StyleFieldsStandInTheirOrder)
{
    DEDizedStyle style;
    style.m_nLineKind = 1;
    style.m_nFlags = 2;
    style.m_nOptions = 3;
    style.m_nStyle = 4;
    style.m_crFill1 = 5;
    style.m_crFill2 = 6;
    style.m_nExtra = 7;
    style.m_dGradientAngle = 8.5;
    style.m_dLimit2 = 9.5;
    style.m_dLimit1 = 10.5;
    style.m_dLimit3 = 11.5;
    style.m_nStyleSet = 12;
    style.m_strImageFile = "image";
    style.m_strText1 = "first";
    style.m_strText2 = "not stored";
    style.m_nKind = 13;
    style.m_crColor = 14;
    style.m_dSize = 15.5;
    style.m_dValue5 = 16.5;
    style.m_dValue6 = 17.5;
    const Bytes bytes = StoreBytes([&](CArchive& ar) { style.Serialize(ar); });
    LoadBytes(bytes, [](CArchive& ar) {
        int32_t ints[7];
        for (int32_t& n : ints)
            ar >> n;
        EXPECT_EQ(std::vector<int32_t>(ints, ints + 7), (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7}));
        double doubles[4];
        for (double& d : doubles)
            ar >> d;
        EXPECT_EQ(std::vector<double>(doubles, doubles + 4), (std::vector<double>{8.5, 9.5, 10.5, 11.5}));
        int32_t nStyleSet;
        CString image, text;
        ar >> nStyleSet >> image >> text;
        EXPECT_EQ(nStyleSet, 12);
        EXPECT_EQ(image, "image");
        EXPECT_EQ(text, "first");
        int32_t nKind;
        uint32_t crColor;
        double dSize, d5, d6;
        ar >> nKind >> crColor >> dSize >> d5 >> d6;
        EXPECT_EQ(nKind, 13);
        EXPECT_EQ(crColor, 14u);
        EXPECT_EQ(dSize, 15.5);
        EXPECT_EQ(d5, 16.5);
        EXPECT_EQ(d6, 17.5);
        EXPECT_EQ(ar.GetBytesLeft(), 0u);
    });
}

TEST(ChartArchive, DamagedArchivesAreRefused)
{
    SRGDataManager manager;
    FillManager(manager);
    const Bytes good = StoreManager(manager);
    // a truncated archive
    EXPECT_EQ(ArchiveCause([&] { LoadObject(Bytes(good.begin(), good.end() - 5)); }), CArchiveException::endOfFile);

    // a negative number of groups
    const Bytes negative = StoreBytes([](CArchive& ar) {
        ar.WriteCount(0);  // no chart annotations
        ar << -1;
    });
    EXPECT_EQ(ArchiveCause([&] {
                  LoadBytes(negative, [](CArchive& ar) {
                      SRGDataManager loaded;
                      loaded.Serialize(ar);
                  });
              }),
              CArchiveException::generic);

    // a series that claims storage of no size, and one that claims more cells than the data holds
    DEDizedDynamicData series;
    const Bytes header = StoreBytes([&](CArchive& ar) { series.DEDizedData::Serialize(ar); });
    for (int32_t nSize : {0, -3, 1000000}) {
        Bytes bytes = header;
        const Bytes tail = StoreBytes([&](CArchive& ar) { ar << 0 << 0 << 1 << nSize << 1 << 10; });
        bytes.insert(bytes.end(), tail.begin(), tail.end());
        const int nCause = ArchiveCause([&] {
            LoadBytes(bytes, [](CArchive& ar) {
                DEDizedDynamicData loaded;
                loaded.Serialize(ar);
            });
        });
        EXPECT_EQ(nCause, nSize > 0 ? CArchiveException::endOfFile : CArchiveException::generic) << nSize;
    }
}

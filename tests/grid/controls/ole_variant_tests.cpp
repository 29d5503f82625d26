// VARIANT user attributes and bitmaps from VARIANTs: emptiness, equality, copies, the pool, the
// archive form, and bitmaps found in byte arrays or refused.
#include "cell_test_support.h"

#include "ArchiveTestSupport.h"

#include "grid/controls/GXOleVarUserAttribute.h"

#include <cstring>

namespace {

COleVariant ByteVariant(const std::vector<BYTE>& bytes)
{
    CByteArray array;
    array.SetSize(int32_t(bytes.size()));
    if (!bytes.empty())
        std::memcpy(array.GetData(), bytes.data(), bytes.size());
    return COleVariant(array);
}

// A bitmap file of 2 by 2 pixels at 24 bits per pixel.
std::vector<BYTE> SmallBitmapFile()
{
    std::vector<BYTE> bytes(14 + 40 + 16, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    bytes[2] = BYTE(bytes.size());
    bytes[10] = 54;
    bytes[14] = 40;
    bytes[18] = 2;
    bytes[22] = 2;
    bytes[26] = 1;
    bytes[28] = 24;
    return bytes;
}

// The bytes of a DIB block, and its size.
std::vector<BYTE> BlockBytes(HGLOBAL h)
{
    const BYTE* p = static_cast<const BYTE*>(::GlobalLock(h));
    std::vector<BYTE> bytes(p, p + ::GlobalSize(h));
    ::GlobalUnlock(h);
    return bytes;
}

}  // namespace

TEST(OleVarUserAttribute, EqualByTextButNotByValue)
{
    CGXOleVarUserAttribute fresh;
    EXPECT_TRUE(fresh.IsEmpty());
    EXPECT_EQ(fresh.GetVariant(), nullptr);
    CGXOleVarUserAttribute a, b;
    a.m_nId = b.m_nId = GX_IDS_UA_DAOBITMAP;
    a.SetVariant(ByteVariant({1, 2, 3}));
    b.SetVariant(ByteVariant({1, 2, 3}));
    EXPECT_FALSE(a.IsEmpty());
    EXPECT_TRUE(a.IsEqual(b));
    EXPECT_FALSE(a.IsEqualValue(b));
    EXPECT_TRUE(a.IsEqualValue(a));
    // text is ignored and none is given
    a.SetValue("text");
    EXPECT_STREQ(a.GetValue(), "");
    EXPECT_EQ(a.GetLongValue(), 0);

    std::unique_ptr<CGXAbstractUserAttribute> pClone(a.Clone());
    auto* pCopy = dynamic_cast<CGXOleVarUserAttribute*>(pClone.get());
    ASSERT_NE(pCopy, nullptr);
    EXPECT_EQ(pCopy->m_nId, a.m_nId);
    ASSERT_NE(pCopy->GetVariant(), a.GetVariant());
    EXPECT_TRUE(*pCopy->GetVariant() == *a.GetVariant());
    std::unique_ptr<CGXAbstractUserAttribute> pEmptyClone(fresh.Clone());
    EXPECT_TRUE(pEmptyClone->IsEmpty());
}

TEST(OleVarUserAttribute, AGoneAttributesVariantIsHandedOutAgain)
{
    CGXCaptiveManager<COleVariant>& pool = GXGetVariantPool();
    const COleVariant* pOld = nullptr;
    {
        CGXOleVarUserAttribute attribute;
        attribute.SetVariant(COleVariant(LONG(7)));
        pOld = attribute.GetVariant();
    }
    // the pool hands out the oldest first: the gone attribute's VARIANT is the last of those waiting
    std::vector<COleVariant*> taken;
    const int32_t nWaiting = pool.GetFreeCount();
    ASSERT_GE(nWaiting, 1);
    for (int32_t i = 0; i < nWaiting; ++i)
        taken.push_back(pool.Allocate());
    EXPECT_EQ(taken.back(), pOld);
    for (COleVariant* p : taken)
        pool.Release(p);
}

TEST(OleVarUserAttribute, RoundTripsThroughAnArchive)
{
    CGXOleVarUserAttribute attribute;
    attribute.SetVariant(ByteVariant({'B', 'M', 0, 9}));
    const Bytes bytes = StoreBytes([&](CArchive& ar) { attribute.Serialize(ar); });
    CGXOleVarUserAttribute loaded;
    LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_NE(loaded.GetVariant(), nullptr);
    EXPECT_TRUE(*loaded.GetVariant() == *attribute.GetVariant());
    // one without a VARIANT loads empty
    CGXOleVarUserAttribute none, loadedNone;
    const Bytes emptyBytes = StoreBytes([&](CArchive& ar) { none.Serialize(ar); });
    LoadBytes(emptyBytes, [&](CArchive& ar) { loadedNone.Serialize(ar); });
    EXPECT_TRUE(loadedNone.IsEmpty());
}

TEST(VariantToDIB, FindsTheFirstBitmapAndRefusesWhatIsNone)
{
    EXPECT_EQ(VariantToDIB(COleVariant("BM text"), FALSE), nullptr);
    const std::vector<BYTE> file = SmallBitmapFile();

    // a 'B' not followed by 'M' before the bitmap
    std::vector<BYTE> behind = {'x', 'B', 'y', 0};
    behind.insert(behind.end(), file.begin(), file.end());
    HGLOBAL hDIB = VariantToDIB(ByteVariant(behind), FALSE);
    ASSERT_NE(hDIB, nullptr);
    EXPECT_EQ(BlockBytes(hDIB), std::vector<BYTE>(file.begin() + 14, file.end()));
    ::GlobalFree(hDIB);
    hDIB = VariantToDIB(ByteVariant(behind), TRUE);
    ASSERT_NE(hDIB, nullptr);
    EXPECT_EQ(BlockBytes(hDIB), file);
    ::GlobalFree(hDIB);

    std::vector<BYTE> bitsCut(file.begin(), file.end() - 1);
    std::vector<BYTE> headerCut(file.begin(), file.begin() + 30);
    std::vector<BYTE> hugeWidth = file;
    hugeWidth[20] = 0x7F;
    std::vector<BYTE> offsetBeyond = file;
    offsetBeyond[11] = 0x10;
    for (const std::vector<BYTE>* pBad : {&bitsCut, &headerCut, &hugeWidth, &offsetBeyond})
        EXPECT_EQ(VariantToDIB(ByteVariant(*pBad), FALSE), nullptr);
    EXPECT_EQ(VariantToDIB(ByteVariant({'B', 'M'}), FALSE), nullptr);
    EXPECT_EQ(VariantToDIB(ByteVariant({}), FALSE), nullptr);
}

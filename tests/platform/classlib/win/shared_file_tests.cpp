// CSharedFile: a memory file over movable global memory, the form clipboard data takes.
#include "TestSupport.h"
#include "Throws.h"

#include "win/CSharedFile.h"

#include <cstring>
#include <string>

namespace {

// The bytes of a global block.
std::string BlockBytes(HGLOBAL hBlock, size_t nCount)
{
    const char* p = static_cast<const char*>(::GlobalLock(hBlock));
    std::string bytes(p, nCount);
    ::GlobalUnlock(hBlock);
    return bytes;
}

}  // namespace

TEST(CSharedFile, GrowsInBlockStepsAndHandsTheBlockOver)
{
    CSharedFile file;
    file.Write("abc", 3);
    ASSERT_EQ(file.GetLength(), 3u);
    const std::string big(4100, 'x');
    file.Write(big.data(), uint32_t(big.size()));  // 4103 bytes: the second 4096-byte step

    HGLOBAL hBlock = file.Detach();
    ASSERT_NE(hBlock, nullptr);
    EXPECT_EQ(::GlobalSize(hBlock), 8192u);
    EXPECT_EQ(::GlobalFlags(hBlock) & GMEM_LOCKCOUNT, 0u) << "handed over unlocked";
    EXPECT_EQ(file.GetLength(), 0u);
    EXPECT_EQ(BlockBytes(hBlock, 5), "abcxx");
    EXPECT_EQ(BlockBytes(hBlock, 4103).back(), 'x');
    ::GlobalFree(hBlock);
}

TEST(CSharedFile, TakesABlockOverAndRefusesToGrowAFixedOne)
{
    HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE, 4);
    std::memcpy(::GlobalLock(hBlock), "wxyz", 4);
    ::GlobalUnlock(hBlock);

    CSharedFile file;
    file.SetHandle(hBlock, FALSE);
    ASSERT_EQ(file.GetLength(), ::GlobalSize(hBlock));
    char buf[4];
    ASSERT_EQ(file.Read(buf, 4), 4u);
    EXPECT_EQ(std::string(buf, 4), "wxyz");
    EXPECT_TRUE(Throws<CMemoryException>([&] { file.Write("!", 1); })) << "a fixed block written beyond its end";

    // a growing one may move; the file frees it when it closes
    CSharedFile growing;
    growing.SetHandle(file.Detach(), TRUE);
    growing.SeekToEnd();
    growing.Write("!", 1);
    growing.SeekToBegin();
    char all[5];
    ASSERT_EQ(growing.Read(all, 5), 5u);
    EXPECT_EQ(std::string(all, 5), "wxyz!");
}

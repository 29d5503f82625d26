// Tree nodes of saved layouts: the error bits of their operations, the text forms of binary values,
// booleans and numbers, and a tree saved to an outside store and loaded back.
#include "MemoryStrategy.h"

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

std::vector<BYTE> Counting(size_t nBytes)
{
    std::vector<BYTE> data(nBytes);
    for (size_t i = 0; i < nBytes; i++)
        data[i] = BYTE(i * 37 + 11);
    return data;
}

std::string Value(SECPersistentTreeNode* pNode, const char* pszKey)
{
    CString strValue;
    return pNode->GetText(pszKey, strValue, "<none>") == 0 ? strValue.GetString() : "<none>";
}

} // namespace

TEST(TreeNode, OperationsAnswerTheirErrorBits)
{
    SECPTNFactory factory;
    SECPersistentTreeNode* pRoot = factory.CreateNode("Root");
    ASSERT_NE(pRoot, nullptr);
    pRoot->SetText("Name", "x");
    pRoot->SetText("Empty", "");
    pRoot->SetText("Word", "abc");
    pRoot->SetText("Odd", "ABC");
    pRoot->SetText("Letters", "AZ");
    ASSERT_NE(factory.CreateNode("Child", pRoot), nullptr);
    SECPersistentTreeNode blank;
    SECPersistentTreeNode twin;
    twin.Initialize("Child");
    int n = 0;
    CString str;
    std::vector<BYTE> data;
    const struct {
        const char* what;
        std::function<UINT()> op;
        UINT nExpected;
    } cases[] = {
        {"a value set on an uninitialised node", [&] { return blank.SetInteger("k", 1); }, SEC_PTN_NOTINITIALIZED},
        {"a child of an uninitialised node", [&] { return blank.AddChild(&twin); }, SEC_PTN_NOTINITIALIZED},
        {"an empty name", [&] { return SECPersistentTreeNode().Initialize(""); }, SEC_PTN_NONAME},
        {"no child", [&] { return pRoot->AddChild(nullptr); }, SEC_PTN_NONAME},
        {"no store", [&] { return pRoot->Save(nullptr); }, SEC_PTN_NONAME},
        {"an empty key", [&] { return pRoot->SetText("", "v"); }, SEC_PTN_NOKEY},
        {"a key kept", [&] { return pRoot->SetText("Name", "y", FALSE); }, SEC_PTN_KEYEXISTS},
        {"a binary key kept", [&] { return pRoot->SetBinary("Name", "ab", 2, FALSE); }, SEC_PTN_KEYEXISTS},
        {"a second child of a name", [&] { return pRoot->AddChild(&twin); }, SEC_PTN_DUPLICATECHILD},
        {"a missing key", [&] { return pRoot->GetText("Missing", str); }, SEC_PTN_KEYNOTFOUND},
        {"a missing key removed", [&] { return pRoot->RemoveKey("Missing"); }, SEC_PTN_KEYNOTFOUND},
        {"no bytes", [&] { return pRoot->SetBinary("Bin", nullptr, 3); }, SEC_PTN_NODATA},
        {"an empty number", [&] { return pRoot->GetInteger("Empty", n); }, SEC_PTN_NODATA},
        {"an odd length", [&] { return pRoot->GetBinary("Odd", data); }, SEC_PTN_ENCODING},
        {"a letter past 'P'", [&] { return pRoot->GetBinary("Letters", data); }, SEC_PTN_ENCODING},
        {"a word as a number", [&] { return pRoot->GetInteger("Word", n); }, SEC_PTN_FAILED},
        {"a second initialisation", [&] { return pRoot->Initialize("Again"); }, SEC_PTN_FAILED},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.op(), c.nExpected) << c.what;
    EXPECT_EQ(factory.CreateNode("Child", pRoot), nullptr) << "child names are unique";
    EXPECT_EQ(Value(pRoot, "Name"), "x") << "not overwritten";
    EXPECT_TRUE(data.empty()) << "nothing decoded from a malformed value";
    EXPECT_EQ(str, "") << "a missing key reads as the default";
}

TEST(TreeNode, BinaryValuesAreLettersLowBitsFirstAndLongOnesComeInPieces)
{
    SECPTNFactory factory;
    SECPersistentTreeNode* pNode = factory.CreateNode("Bar-0");
    const BYTE two[] = {0x2C, 0xF0};
    ASSERT_EQ(pNode->SetBinary("Two", two, 2), 0u);
    EXPECT_EQ(Value(pNode, "Two"), "MCAP");

    // a window placement: 88 letters under the key itself
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof wp;
    wp.showCmd = SW_SHOWNORMAL;
    wp.rcNormalPosition = {30, 30, 330, 210};
    ASSERT_EQ(sizeof wp, 44u);
    ASSERT_EQ(pNode->SetBinary("MDIChildWindowPlacement", &wp, sizeof wp), 0u);
    EXPECT_EQ(Value(pNode, "MDIChildWindowPlacement").size(), 88u);
    std::vector<BYTE> data;
    ASSERT_EQ(pNode->GetBinary("MDIChildWindowPlacement", data), 0u);
    ASSERT_EQ(data.size(), sizeof wp);
    EXPECT_EQ(std::memcmp(data.data(), &wp, sizeof wp), 0);

    // 125 bytes fill one value; 126 are split into pieces of 250 letters
    const std::vector<BYTE> fits = Counting(125);
    ASSERT_EQ(pNode->SetBinary("Fits", fits.data(), UINT(fits.size())), 0u);
    EXPECT_EQ(Value(pNode, "Fits").size(), 250u);
    EXPECT_EQ(Value(pNode, "Fits_BinCount"), "<none>");
    const std::vector<BYTE> split = Counting(126);
    ASSERT_EQ(pNode->SetBinary("Split", split.data(), UINT(split.size())), 0u);
    EXPECT_EQ(Value(pNode, "Split"), "<none>");
    EXPECT_EQ(Value(pNode, "Split_BinCount"), "2");
    EXPECT_EQ(Value(pNode, "Split_BinVal0").size(), 250u);
    EXPECT_EQ(Value(pNode, "Split_BinVal1").size(), 2u);
    ASSERT_EQ(pNode->GetBinary("Split", data), 0u);
    EXPECT_EQ(data, split);

    // a shorter value replaces the pieces; a lost piece or a count beyond the pairs is not read
    ASSERT_EQ(pNode->SetBinary("Split", two, 2), 0u);
    EXPECT_EQ(Value(pNode, "Split"), "MCAP");
    EXPECT_EQ(Value(pNode, "Split_BinCount"), "<none>");
    EXPECT_EQ(Value(pNode, "Split_BinVal0"), "<none>");
    pNode->SetBinary("Lost", split.data(), UINT(split.size()));
    pNode->RemoveKey("Lost_BinVal1");
    EXPECT_EQ(pNode->GetBinary("Lost", data), UINT(SEC_PTN_KEYNOTFOUND));
    pNode->SetText("Huge_BinCount", "2000000000");
    EXPECT_EQ(pNode->GetBinary("Huge", data), UINT(SEC_PTN_FAILED));
}

TEST(TreeNode, BooleansReadWithoutRegardToCaseAndNumbersMustFit)
{
    SECPTNFactory factory;
    SECPersistentTreeNode* pNode = factory.CreateNode("Bar-0");
    pNode->SetBoolean("Visible", TRUE);
    pNode->SetBoolean("Floating", FALSE);
    EXPECT_EQ(Value(pNode, "Visible"), "True");
    EXPECT_EQ(Value(pNode, "Floating"), "False");
    const struct {
        const char* text;
        BOOL bExpected;
    } booleans[] = {{"True", TRUE}, {"true", TRUE}, {"TRUE", TRUE}, {"False", FALSE}, {"yes", FALSE}, {"1", FALSE}};
    for (const auto& b : booleans) {
        pNode->SetText("Flag", b.text);
        BOOL bValue = -1;
        EXPECT_EQ(pNode->GetBoolean("Flag", bValue), 0u) << b.text;
        EXPECT_EQ(bValue, b.bExpected) << b.text;
    }
    pNode->SetInteger("Width", -32767);
    int n = 0;
    EXPECT_EQ(pNode->GetInteger("Width", n), 0u);
    EXPECT_EQ(n, -32767);
    UINT u = 7;
    EXPECT_EQ(pNode->GetUnsigned("Width", u), UINT(SEC_PTN_FAILED)) << "no sign for an unsigned value";
    EXPECT_EQ(u, 7u);
    pNode->SetText("Big", "4294967295");
    DWORD dw = 0;
    EXPECT_EQ(pNode->GetDWord("Big", dw), 0u);
    EXPECT_EQ(dw, 0xFFFFFFFFu);
    LONG l = 0;
    EXPECT_EQ(pNode->GetLong("Big", l), UINT(SEC_PTN_FAILED)) << "past a 32-bit long";
}

TEST(TreeNode, ATreeSavedToAStoreLoadsBackWithItsChildrenAndPairsInOrder)
{
    SECPTNFactory factory;
    SECPersistentTreeNode* pRoot = factory.CreateNode("Layout");
    SECPersistentTreeNode* pState = factory.CreateNode("DockState", pRoot);
    SECPersistentTreeNode* pBar = factory.CreateNode("Bar-0", pState);
    pState->SetInteger("Bars", 1);
    pBar->SetInteger("BarID", 100);
    pBar->SetText("PctWidth", "300000");
    pBar->SetBoolean("Visible", FALSE);
    CMemoryStrategy store;
    ASSERT_EQ(pRoot->Save(&store), 0u);
    ASSERT_EQ(store.nodes.count("Layout/DockState/Bar-0"), 1u);
    EXPECT_EQ(store.nodes["Layout/DockState"].children, std::vector<CString>{"Bar-0"});

    SECPersistentTreeNode loaded;
    loaded.Initialize("Layout");
    ASSERT_EQ(loaded.Load(&store), 0u);
    SECPersistentTreeNode* pLoadedBar = loaded.FindChild("DockState") ? loaded.FindChild("DockState")->FindChild("Bar-0") : nullptr;
    ASSERT_NE(pLoadedBar, nullptr);
    ASSERT_EQ(pLoadedBar->GetPairs().size(), 3u);
    EXPECT_EQ(pLoadedBar->GetPairs()[0].strKey, "BarID");
    EXPECT_EQ(pLoadedBar->GetPairs()[1].strValue, "300000");
    EXPECT_EQ(pLoadedBar->GetPairs()[2].strValue, "False");

    // a store that refuses, and a node it does not have
    store.bRefuse = TRUE;
    EXPECT_EQ(pRoot->Save(&store), UINT(SEC_PTN_FAILED));
    SECPersistentTreeNode stranger;
    stranger.Initialize("Elsewhere");
    EXPECT_EQ(stranger.Load(&store), UINT(SEC_PTN_FAILED));
}

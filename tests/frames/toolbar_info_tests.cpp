// Saved button lists: the "Buttons" value, the profile, tree and archive forms of a tool bar's record,
// and a bar's title and buttons saved with the layout and made again from it.
#include "LayoutTestSupport.h"

#include "CustomizeTestSupport.h"

#include "core/CArchive.h"
#include "core/CMemFile.h"
#include "frames/SECCustomToolBarInfoEx.h"

namespace {

const char kSection[] = "ToolBarInfo-Test";

// A button that keeps bytes of its own in a saved bar.
class CDataBtn : public SECStdBtn {
    DECLARE_DYNCREATE(CDataBtn)
public:
    void GetBtnData(std::vector<BYTE>& data) const override { data = bytes; }
    void SetBtnData(const std::vector<BYTE>& data) override { bytes = data; }
    std::vector<BYTE> bytes;
};
IMPLEMENT_DYNCREATE(CDataBtn, SECStdBtn)

// A record of title with the buttons (id, data) given.
void Fill(SECCustomToolBarInfoEx& info, LPCSTR lpszTitle, const std::vector<std::pair<UINT, std::vector<BYTE>>>& btns)
{
    info.m_strTitle = lpszTitle;
    info.m_btnInfo.clear();
    for (const auto& btn : btns) {
        std::unique_ptr<SECBtnInfo> pInfo(new SECBtnInfo);
        pInfo->m_nID = btn.first;
        pInfo->m_data = btn.second;
        info.m_btnInfo.push_back(std::move(pInfo));
    }
}

// The buttons of a record as (id, data).
std::vector<std::pair<UINT, std::vector<BYTE>>> Buttons(const SECCustomToolBarInfoEx& info)
{
    std::vector<std::pair<UINT, std::vector<BYTE>>> btns;
    for (const auto& pInfo : info.m_btnInfo)
        btns.emplace_back(pInfo->m_nID, pInfo->m_data);
    return btns;
}

const std::vector<std::pair<UINT, std::vector<BYTE>>> kButtons = {
    {0x12345678, {0xAA, 0xBB}},
    {0, {}},
    {ID_SAVE, {}},
};
// A record's archive form, for the archive helpers.
struct CInfoArchive {
    SECCustomToolBarInfoEx& info;
    void Serialize(CArchive& ar) { info.Serialize(ar, nullptr); }
};

// kButtons as a "Buttons" value.
const std::vector<BYTE> kButtonsValue = {0x78, 0x56, 0x34, 0x12, 2, 0xAA, 0xBB, 0, 0, 0, 0, 0,
                                         BYTE(ID_SAVE & 0xFF), BYTE(ID_SAVE >> 8), 0, 0, 0};

class InfoTest : public ManagerTest {
protected:
    void SetUp() override
    {
        ManagerTest::SetUp();
        app.SetRegistryKey("Havrel");
        DeleteProfileSections("Ondrix", kSection);
    }
    void TearDown() override
    {
        ManagerTest::TearDown();
        DeleteProfileSections("Ondrix", kSection);
    }
};

TEST_F(InfoTest, TheButtonsValueHoldsEachButtonsIdLengthAndData)
{
    SECCustomToolBarInfoEx info;
    Fill(info, "", kButtons);
    EXPECT_EQ(info.GetButtonsValue(), kButtonsValue);
    SECCustomToolBarInfoEx back;
    back.SetButtonsValue(kButtonsValue);
    EXPECT_EQ(Buttons(back), kButtons);

    // a value cut short keeps the whole buttons before the cut; a length past the end ends the list
    const struct {
        std::vector<BYTE> value;
        size_t nButtons;
    } cases[] = {
        {std::vector<BYTE>(kButtonsValue.begin(), kButtonsValue.end() - 1), 2},
        {std::vector<BYTE>(kButtonsValue.begin(), kButtonsValue.begin() + 6), 0},
        {std::vector<BYTE>(kButtonsValue.begin(), kButtonsValue.begin() + 9), 1},
        {{1, 0, 0, 0, 3, 0xAA}, 0},
        {{}, 0},
    };
    for (const auto& c : cases) {
        back.SetButtonsValue(c.value);
        ASSERT_EQ(back.m_btnInfo.size(), c.nButtons) << c.value.size();
        for (size_t i = 0; i < c.nButtons; i++)
            EXPECT_EQ(Buttons(back)[i], kButtons[i]);
    }

    // a button whose data does not fit its length byte is refused
    Fill(info, "", {{ID_SAVE, std::vector<BYTE>(256, 1)}});
    EXPECT_THROW(info.GetButtonsValue(), CInvalidArgException*);
}

TEST_F(InfoTest, TheProfileFormWritesTheTitleOnlyWhenThereIsOne)
{
    SECCustomToolBarInfoEx info;
    Fill(info, "Mine", kButtons);
    info.SaveToProfile(kSection);
    EXPECT_EQ(ProfileValueTypes("Ondrix", kSection),
              (std::map<std::string, DWORD>{{"Title", REG_SZ}, {"Buttons", REG_BINARY}}));
    SECCustomToolBarInfoEx back;
    back.LoadFromProfile(kSection, nullptr);
    EXPECT_STREQ(back.m_strTitle, "Mine");
    EXPECT_EQ(Buttons(back), kButtons);

    DeleteProfileSections("Ondrix", kSection);
    Fill(info, "", kButtons);
    info.SaveToProfile(kSection);
    EXPECT_EQ(ProfileValueTypes("Ondrix", kSection).count("Title"), 0u);

    // missing values: no title, no buttons
    DeleteProfileSections("Ondrix", kSection);
    back.LoadFromProfile(kSection, nullptr);
    EXPECT_TRUE(back.m_strTitle.IsEmpty());
    EXPECT_TRUE(back.m_btnInfo.empty());
}

TEST_F(InfoTest, TheTreeFormIsAChildNodeWithoutWhichNothingLoads)
{
    SECCustomToolBarInfoEx info;
    Fill(info, "Mine", kButtons);
    SECPTNFactory factory;
    SECPersistentTreeNode* pBarNode = factory.CreateNode("Bar-0");
    ASSERT_TRUE(info.SaveToTree(&factory, pBarNode));
    SECPersistentTreeNode* pChild = pBarNode->FindChild("ToolBarInfoEx");
    ASSERT_NE(pChild, nullptr);
    std::vector<BYTE> value;
    EXPECT_EQ(pChild->GetBinary("Buttons", value), 0u);
    EXPECT_EQ(value, kButtonsValue);

    SECCustomToolBarInfoEx back;
    ASSERT_TRUE(back.LoadFromTree(pBarNode));
    EXPECT_STREQ(back.m_strTitle, "Mine");
    EXPECT_EQ(Buttons(back), kButtons);
    EXPECT_FALSE(back.LoadFromTree(factory.CreateNode("Bar-1")));
    EXPECT_FALSE(back.LoadFromTree(nullptr));
}

TEST_F(InfoTest, TheArchiveFormCountsTheButtonsAndRefusesACountBeyondItsData)
{
    SECCustomToolBarInfoEx info;
    Fill(info, "Mine", kButtons);
    CInfoArchive stored{info};
    const std::vector<uint8_t> bytes = StoreToBytes(stored);
    // the title (a length byte and its text), the count, then per button id, length and data
    std::vector<uint8_t> expected = {4, 'M', 'i', 'n', 'e', 3, 0, 0, 0};
    for (const auto& btn : kButtons) {
        for (int nShift = 0; nShift < 32; nShift += 8)
            expected.push_back(uint8_t(btn.first >> nShift));
        expected.push_back(uint8_t(btn.second.size()));
        expected.insert(expected.end(), btn.second.begin(), btn.second.end());
    }
    EXPECT_EQ(bytes, expected);
    SECCustomToolBarInfoEx back;
    CInfoArchive loaded{back};
    LoadFromBytes(loaded, bytes);
    EXPECT_STREQ(back.m_strTitle, "Mine");
    EXPECT_EQ(Buttons(back), kButtons);

    std::vector<uint8_t> tooMany = bytes;
    tooMany[5] = 200;
    EXPECT_THROW(LoadFromBytes(loaded, tooMany), CArchiveException*);
    EXPECT_EQ(Buttons(back), kButtons) << "the record stays as it was";
}

TEST_F(InfoTest, ABarsTitleAndButtonsComeBackWithTheLayout)
{
    const SECBtnClassEntry table[] = {{RUNTIME_CLASS(CDataBtn), ID_SAVE, 0, {}}, {nullptr, 0, 0, {}}};
    pManager->SetBtnClassTables(table, nullptr);
    SECCustomToolBar* pUser = pManager->CreateUserToolBar("Mine");
    ASSERT_NE(pUser, nullptr);
    const UINT ids[] = {ID_NEW, 0, ID_SAVE};
    pUser->SetButtons(ids, 3);
    static_cast<CDataBtn*>(pUser->GetBtn(2))->bytes = {7, 8, 9};
    pFrame->FloatControlBar(pUser, CPoint(300, 300));

    SECDockState saved(pManager.get());
    pFrame->GetDockState(saved);
    const std::vector<uint8_t> archive = StoreToBytes(saved);
    pUser->DestroyWindow();

    // the manager makes the user tool bar again with its title and buttons
    SECDockState loaded(pManager.get());
    LoadFromBytes(loaded, archive);
    pFrame->SetDockState(loaded);
    SECCustomToolBar* pAgain = pManager->GetToolBar(SEC_IDW_FIRST_USERBAR);
    ASSERT_NE(pAgain, nullptr);
    EXPECT_EQ(WindowText(pAgain), "Mine");
    EXPECT_EQ(Ids(pAgain), (std::vector<UINT>{ID_NEW, 0, ID_SAVE}));
    const CDataBtn* pData = dynamic_cast<const CDataBtn*>(pAgain->GetBtn(2));
    ASSERT_NE(pData, nullptr);
    EXPECT_EQ(pData->bytes, (std::vector<BYTE>{7, 8, 9}));
    EXPECT_TRUE(pAgain->IsFloating());

    // an empty title leaves the bar's window text
    SECControlBarInfo record(pManager.get());
    SECCustomToolBarInfoEx* pInfoEx = new SECCustomToolBarInfoEx;
    record.m_pInfoEx = pInfoEx;
    Fill(*pInfoEx, "", {{ID_OPEN, {}}});
    pAgain->SetBarInfoEx(&record, pFrame);
    EXPECT_EQ(WindowText(pAgain), "Mine");
    EXPECT_EQ(Ids(pAgain), (std::vector<UINT>{ID_OPEN}));
}

TEST_F(InfoTest, ABarWithoutAManagerSavesNoButtons)
{
    // its record has no type id, so loading could not make the extension record again
    SECCustomToolBar* pBar = MakeBar({ID_NEW});
    ASSERT_NE(pBar, nullptr);
    SECControlBarInfo record(pManager.get());
    pBar->GetBarInfo(&record);
    EXPECT_EQ(record.m_nTypeID, 0u);
    EXPECT_EQ(record.m_pInfoEx, nullptr);

    SECCustomToolBar* pManaged = MakeManagedBar({ID_NEW, 0, ID_OPEN});
    ASSERT_NE(pManaged, nullptr);
    pManaged->SetWindowText("Standard");
    SECControlBarInfo managed(pManager.get());
    pManaged->GetBarInfo(&managed);
    EXPECT_EQ(managed.m_nTypeID, UINT(SEC_TYPEID_TOOLBAR));
    const SECCustomToolBarInfoEx* pInfoEx = dynamic_cast<const SECCustomToolBarInfoEx*>(managed.m_pInfoEx);
    ASSERT_NE(pInfoEx, nullptr);
    EXPECT_STREQ(pInfoEx->m_strTitle, "Standard");
    EXPECT_EQ(Buttons(*pInfoEx), (std::vector<std::pair<UINT, std::vector<BYTE>>>{{ID_NEW, {}}, {0, {}}, {ID_OPEN, {}}}));
}

} // namespace

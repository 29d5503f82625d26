// The combo box whose entries carry data: moving, renaming, selecting by data and by key, replacing
// and deleting by data.
#include "wine_gtest.h"

#include <string>
#include <vector>

#include "DialogTestSupport.h"

#include "chart/views/dialogs/SRGComboBox.h"

namespace {

class ComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "combo parent", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
        ASSERT_TRUE(combo.Create(CBS_DROPDOWNLIST | WS_VSCROLL, CRect(10, 10, 200, 150), &parent, 100));
    }
    void TearDown() override { parent.DestroyWindow(); }

    // Entries "A" to "D" with data 10, 20, 30, 40.
    void AddFour()
    {
        const char* texts[] = {"A", "B", "C", "D"};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(combo.AddEntry(texts[i], DWORD_PTR(10 * (i + 1))), i);
    }
    // The entries as "text=data".
    std::vector<std::string> Entries()
    {
        std::vector<std::string> entries;
        for (int i = 0; i < combo.GetCount(); ++i) {
            CString text;
            combo.GetLBText(i, text);
            entries.push_back(std::string(text.GetString()) + "=" + std::to_string(combo.GetItemData(i)));
        }
        return entries;
    }

    CWinApp app{"Ondrix"};
    CWnd parent;
    SRGComboBox combo;
};

} // namespace

TEST_F(ComboBoxTest, MovingAnEntryLandsItBeforeTheEntryThatWasAtTheTarget)
{
    struct Case {
        int nFrom;
        int nTo;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {0, 3, {"B=20", "C=30", "A=10", "D=40"}},
        {3, 0, {"D=40", "A=10", "B=20", "C=30"}},
        {1, 4, {"A=10", "C=30", "D=40", "B=20"}},
        {2, 2, {"A=10", "B=20", "C=30", "D=40"}},
        {5, 0, {"A=10", "B=20", "C=30", "D=40"}},
        {0, 5, {"A=10", "B=20", "C=30", "D=40"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nFrom << " to " << c.nTo);
        combo.ResetContent();
        AddFour();
        combo.SetCurSel(c.nFrom < 4 ? c.nFrom : 0);
        combo.MoveEntry(c.nFrom, c.nTo);
        EXPECT_EQ(Entries(), c.expected);
        if (c.nFrom < 4)
            EXPECT_EQ(combo.GetSelectedData(), DWORD_PTR(10 * (c.nFrom + 1))) << "the selection moves with the entry";
    }
}

TEST_F(ComboBoxTest, RenamingRefusesATextAnotherEntryHas)
{
    AddFour();
    combo.SetCurSel(1);
    EXPECT_EQ(combo.RenameEntry(1, "b2"), 1);
    EXPECT_EQ(combo.RenameEntry(2, "D"), 0);
    EXPECT_EQ(combo.RenameEntry(2, "d"), 0) << "compared without case";
    EXPECT_EQ(combo.RenameEntry(4, "E"), 0);
    EXPECT_EQ(combo.RenameEntry(-1, "E"), 0);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"A=10", "b2=20", "C=30", "D=40"}));
    EXPECT_EQ(combo.GetCurSel(), 1);
}

TEST_F(ComboBoxTest, SelectingByDataOrKeyFallsBackToTheFirstEntry)
{
    EXPECT_EQ(combo.GetSelectedData(), DWORD_PTR(-1)) << "an empty combo box";
    EXPECT_EQ(combo.SelectByData(10), -1);
    EXPECT_EQ(combo.SelectByKey(1), -1);

    AddFour();
    EXPECT_EQ(combo.GetSelectedData(), DWORD_PTR(-1)) << "nothing selected";
    EXPECT_EQ(combo.SelectByData(30), 2);
    EXPECT_EQ(combo.SelectByData(99), 0);
    EXPECT_EQ(combo.GetSelectedData(), DWORD_PTR(10));

    // records whose first int is the key
    struct Record {
        int nKey;
        double dOther;
    };
    Record records[] = {{7, 0.0}, {9, 1.0}, {9, 2.0}};
    combo.ReplaceData(20, DWORD_PTR(&records[0]));
    combo.ReplaceData(30, DWORD_PTR(&records[1]));
    combo.ReplaceData(40, DWORD_PTR(&records[2]));
    combo.SetItemData(0, 0);  // an entry without a record is passed over
    EXPECT_EQ(combo.SelectByKey(9), 2) << "the first with the key";
    EXPECT_EQ(combo.SelectByKey(7), 1);
    EXPECT_EQ(combo.SelectByKey(8), 0);
}

TEST_F(ComboBoxTest, ReplacingAndDeletingByData)
{
    AddFour();
    combo.SetItemData(3, 20);
    combo.ReplaceData(20, 25);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"A=10", "B=25", "C=30", "D=25"}));
    combo.DeleteByData(25);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"A=10", "C=30", "D=25"})) << "only the first";
    combo.DeleteByData(99);
    EXPECT_EQ(combo.GetCount(), 3);
}

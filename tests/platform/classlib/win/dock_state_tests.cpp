// Saved docking layouts in the class library: the keys of a bar's record in the profile, the profile and
// archive forms of a dock state (their sections, counts, byte layout, versions and screen scaling) and
// a frame's layout read into a state and applied again.
#include "DockBarTestSupport.h"
#include "FakeServices.h"
#include "LayoutTestSupport.h"
#include "TestSupport.h"

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

const char* const kTestApp = "OndrixDockStateTest";

// The names of the values of the test application's profile section.
std::set<std::string> ValueNames(const std::string& section)
{
    std::set<std::string> names;
    for (const auto& value : ProfileValueTypes(kTestApp, section))
        names.insert(value.first);
    return names;
}

// Little-endian bytes as the archive writes them.
struct Bytes {
    std::vector<uint8_t> data;
    Bytes& u16(uint32_t v)
    {
        data.push_back(uint8_t(v));
        data.push_back(uint8_t(v >> 8));
        return *this;
    }
    Bytes& u32(uint32_t v)
    {
        for (int i = 0; i < 4; i++)
            data.push_back(uint8_t(v >> (8 * i)));
        return *this;
    }
};

// A record of a floating, hidden, horizontal bar with every field set.
void FillRecord(CControlBarInfo& info)
{
    info.m_nBarID = 0xE820;
    info.m_bVisible = FALSE;
    info.m_bFloating = TRUE;
    info.m_bHorz = TRUE;
    info.m_pointPos = CPoint(12, 34);
    info.m_nMRUWidth = 150;
    info.m_bDocking = TRUE;
    info.m_uMRUDockID = AFX_IDW_DOCKBAR_LEFT;
    info.m_rectMRUDockPos = CRect(1, 2, 101, 302);
    info.m_dwMRUFloatStyle = CBRS_ALIGN_TOP | CBRS_FLOAT_MULTI;
    info.m_ptMRUFloatPos = CPoint(400, 300);
}

void ExpectSameRecord(const CControlBarInfo& a, const CControlBarInfo& b)
{
    EXPECT_EQ(a.m_nBarID, b.m_nBarID);
    EXPECT_EQ(a.m_bVisible, b.m_bVisible);
    EXPECT_EQ(a.m_bFloating, b.m_bFloating);
    EXPECT_EQ(a.m_bHorz, b.m_bHorz);
    EXPECT_EQ(a.m_bDockBar, b.m_bDockBar);
    EXPECT_EQ(a.m_pointPos, b.m_pointPos);
    EXPECT_EQ(a.m_nMRUWidth, b.m_nMRUWidth);
    EXPECT_EQ(a.m_bDocking, b.m_bDocking);
    EXPECT_EQ(a.m_uMRUDockID, b.m_uMRUDockID);
    EXPECT_EQ(a.m_rectMRUDockPos, b.m_rectMRUDockPos);
    EXPECT_EQ(a.m_dwMRUFloatStyle, b.m_dwMRUFloatStyle);
    EXPECT_EQ(a.m_ptMRUFloatPos, b.m_ptMRUFloatPos);
    EXPECT_EQ(a.m_arrBarID, b.m_arrBarID);
}

class DockStateProfile : public ::testing::Test {
protected:
    void SetUp() override
    {
        DeleteProfileSections(kTestApp, "");
        app.SetRegistryKey("Havrel");
    }
    void TearDown() override { DeleteProfileSections(kTestApp, ""); }

    CWinApp app{kTestApp};
};

} // namespace

// ---- profile form ------------------------------------------------------------------------------------------

TEST_F(DockStateProfile, ARecordWritesOnlyTheKeysThatDifferFromTheirDefaults)
{
    CDockState state;
    CControlBarInfo plain; // visible, docked, at (-1, -1), the default width, no dock context
    plain.m_nBarID = 0xE800;
    EXPECT_TRUE(plain.SaveState("Layout", 0));
    EXPECT_EQ(ValueNames("Layout-Bar0"), (std::set<std::string>{"BarID"}));

    CControlBarInfo full;
    FillRecord(full);
    full.m_arrBarID = {0xE820, 0};
    EXPECT_TRUE(full.SaveState("Layout", 1));
    EXPECT_EQ(ValueNames("Layout-Bar1"),
              (std::set<std::string>{"BarID", "Visible", "Horz", "Floating", "XPos", "YPos", "MRUWidth", "Docking",
                                     "MRUDockID", "MRUDockLeftPos", "MRUDockTopPos", "MRUDockRightPos",
                                     "MRUDockBottomPos", "MRUFloatStyle", "MRUFloatXPos", "MRUFloatYPos", "Bars",
                                     "Bar#0", "Bar#1"}));
    CControlBarInfo back;
    ASSERT_TRUE(back.LoadState("Layout", 1, &state));
    ExpectSameRecord(back, full);

    // the section is emptied first: a bar shown again leaves no "Visible" behind
    full.m_bVisible = TRUE;
    EXPECT_TRUE(full.SaveState("Layout", 1));
    EXPECT_EQ(ValueNames("Layout-Bar1").count("Visible"), 0u);
}

TEST_F(DockStateProfile, SectionsAreNumberedOverTheRecordsWrittenAndMissingValuesTakeTheirDefaults)
{
    CDockState state;
    CControlBarInfo* pEmptyDock = new CControlBarInfo;
    pEmptyDock->m_nBarID = AFX_IDW_DOCKBAR_TOP;
    pEmptyDock->m_bDockBar = TRUE;
    pEmptyDock->m_arrBarID = {0};
    CControlBarInfo* pLeft = new CControlBarInfo;
    pLeft->m_nBarID = AFX_IDW_DOCKBAR_LEFT;
    pLeft->m_bDockBar = TRUE;
    pLeft->m_pointPos = CPoint(0, 30);
    pLeft->m_arrBarID = {101, 0x10000 + 102, 0};
    CControlBarInfo* pBar = new CControlBarInfo;
    FillRecord(*pBar);
    state.m_arrBarInfo = {pEmptyDock, pLeft, pBar};
    state.SaveState("Layout");

    EXPECT_EQ(app.GetProfileInt("Layout-Summary", "Bars", -1), 2u);
    EXPECT_EQ(int(app.GetProfileInt("Layout-Summary", "ScreenCX", -1)), ::GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(int(app.GetProfileInt("Layout-Summary", "ScreenCY", -1)), ::GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(app.GetProfileInt("Layout-Bar0", "BarID", 0), UINT(AFX_IDW_DOCKBAR_LEFT));
    EXPECT_EQ(app.GetProfileInt("Layout-Bar1", "BarID", 0), 0xE820u);

    CDockState back;
    back.LoadState("Layout");
    ASSERT_EQ(back.m_arrBarInfo.size(), 2u);
    EXPECT_TRUE(back.m_arrBarInfo[0]->m_bDockBar) << "told by its id";
    pLeft->m_bVisible = TRUE;
    ExpectSameRecord(*back.m_arrBarInfo[0], *pLeft);
    ExpectSameRecord(*back.m_arrBarInfo[1], *pBar);

    // a record with only its id; counts larger than what is stored read no further
    app.WriteProfileString("Layout-Bar1", nullptr, nullptr);
    app.WriteProfileInt("Layout-Bar1", "BarID", 0xE821);
    app.WriteProfileInt("Layout-Bar0", "Bars", 1000000);
    app.WriteProfileInt("Layout-Summary", "Bars", 1000000);
    back.LoadState("Layout");
    ASSERT_EQ(back.m_arrBarInfo.size(), 2u);
    EXPECT_EQ(back.m_arrBarInfo[0]->m_arrBarID, pLeft->m_arrBarID);
    CControlBarInfo defaults;
    defaults.m_nBarID = 0xE821;
    ExpectSameRecord(*back.m_arrBarInfo[1], defaults);
}

// ---- archive form ------------------------------------------------------------------------------------------

TEST(DockStateArchive, RecordsAreStoredInTheirFixedLayoutAndReadBackAsVersion2)
{
    CDockState state;
    CControlBarInfo* pBar = new CControlBarInfo;
    FillRecord(*pBar);
    CControlBarInfo* pDock = new CControlBarInfo;
    pDock->m_nBarID = AFX_IDW_DOCKBAR_TOP;
    pDock->m_bDockBar = TRUE;
    pDock->m_pointPos = CPoint(0, 0);
    pDock->m_arrBarID = {0xE800, 0x10000 + 0xE801, 0};
    state.m_arrBarInfo = {pBar, pDock};

    Bytes expected;
    expected.u32(2).u32(::GetSystemMetrics(SM_CXSCREEN)).u32(::GetSystemMetrics(SM_CYSCREEN)).u16(2);
    expected.u32(0xE820).u32(0).u32(1).u32(1).u32(12).u32(34).u32(150).u32(1);
    expected.u32(AFX_IDW_DOCKBAR_LEFT).u32(1).u32(2).u32(101).u32(302);
    expected.u32(CBRS_ALIGN_TOP | CBRS_FLOAT_MULTI).u32(400).u32(300).u16(0);
    expected.u32(AFX_IDW_DOCKBAR_TOP).u32(1).u32(0).u32(0).u32(0).u32(0).u32(32767).u32(0);
    expected.u16(3).u32(0xE800).u32(0x10000 + 0xE801).u32(0);
    EXPECT_EQ(StoreToBytes(state), expected.data);

    CDockState back;
    LoadFromBytes(back, expected.data);
    ASSERT_EQ(back.m_arrBarInfo.size(), 2u);
    ExpectSameRecord(*back.m_arrBarInfo[0], *pBar);
    ExpectSameRecord(*back.m_arrBarInfo[1], *pDock);

    // version 1: no screen size, no width and no docking places
    Bytes v1;
    v1.u32(1).u16(1).u32(0xE800).u32(1).u32(0).u32(1).u32(5).u32(6).u16(0);
    LoadFromBytes(back, v1.data);
    ASSERT_EQ(back.m_arrBarInfo.size(), 1u);
    EXPECT_EQ(back.m_arrBarInfo[0]->m_pointPos, CPoint(5, 6)) << "no saved screen size: not scaled";
    EXPECT_EQ(back.m_arrBarInfo[0]->m_nMRUWidth, 32767);
    EXPECT_EQ(back.m_dwVersion, 2u);
}

TEST(DockStateArchive, PositionsScaleByTheScreenSizeUnlessTheSavedSizeIsZero)
{
    const int cx = ::GetSystemMetrics(SM_CXSCREEN);
    const int cy = ::GetSystemMetrics(SM_CYSCREEN);
    const struct {
        int nSavedX;
        int nSavedY;
        CPoint ptExpected;
        CRect rectExpected;
    } cases[] = {
        {cx / 2, cy / 2, CPoint(2 * 100, 2 * 50), CRect(2 * 10, 2 * 20, 2 * 30, 2 * 40)},
        {cx, cy, CPoint(100, 50), CRect(10, 20, 30, 40)},
        {0, cy, CPoint(100, 50), CRect(10, 20, 30, 40)},
    };
    for (const auto& c : cases) {
        Bytes data;
        data.u32(2).u32(c.nSavedX).u32(c.nSavedY).u16(1);
        data.u32(0xE800).u32(1).u32(1).u32(1).u32(100).u32(50).u32(32767).u32(1);
        data.u32(AFX_IDW_DOCKBAR_TOP).u32(10).u32(20).u32(30).u32(40).u32(CBRS_ALIGN_TOP).u32(-1).u32(50).u16(0);
        CDockState state;
        LoadFromBytes(state, data.data);
        ASSERT_EQ(state.m_arrBarInfo.size(), 1u);
        const CControlBarInfo& info = *state.m_arrBarInfo[0];
        EXPECT_EQ(info.m_pointPos, c.ptExpected) << c.nSavedX;
        EXPECT_EQ(info.m_rectMRUDockPos, c.rectExpected) << c.nSavedX;
        EXPECT_EQ(info.m_ptMRUFloatPos.x, -1) << "-1 stays";
    }
}

TEST(DockStateArchive, ATruncatedArchiveThrowsAndLeavesTheRecordsAsTheyWere)
{
    CDockState state;
    CControlBarInfo* pBar = new CControlBarInfo;
    FillRecord(*pBar);
    pBar->m_arrBarID = {1, 2, 3};
    state.m_arrBarInfo = {pBar};
    const std::vector<uint8_t> full = StoreToBytes(state);

    Bytes hugeIDs;
    hugeIDs.u32(1).u16(1).u32(0xE800).u32(1).u32(0).u32(1).u32(5).u32(6).u16(0xFFFF).u32(7);
    for (const std::vector<uint8_t>& data :
         {std::vector<uint8_t>(full.begin(), full.end() - 1), std::vector<uint8_t>(full.begin(), full.begin() + 20),
          hugeIDs.data}) {
        CDockState back;
        back.m_arrBarInfo = {new CControlBarInfo};
        back.m_arrBarInfo[0]->m_nBarID = 77;
        try {
            LoadFromBytes(back, data);
            ADD_FAILURE() << "a truncated archive was read";
        } catch (CArchiveException* e) {
            EXPECT_EQ(e->m_cause, CArchiveException::endOfFile);
            e->Delete();
        }
        ASSERT_EQ(back.m_arrBarInfo.size(), 1u);
        EXPECT_EQ(back.m_arrBarInfo[0]->m_nBarID, 77u);
    }
}

// ---- a frame's layout ------------------------------------------------------------------------------------

namespace {

class CSizedBar : public CControlBar {
public:
    explicit CSizedBar(CSize size) : m_size(size) {}
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override
    {
        (void)bStretch;
        return bHorz ? m_size : CSize(m_size.cy, m_size.cx);
    }
    CSize m_size;
};

class FrameLayoutTest : public DockStateProfile {
protected:
    void SetUp() override
    {
        DockStateProfile::SetUp();
        pFrame = new CFrameWnd;
        ASSERT_TRUE(pFrame->Create(nullptr, "Layout", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 640, 480)));
        hWndFrame = pFrame->m_hWnd;
        app.m_pMainWnd = pFrame;
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        for (int i = 0; i < 4; i++) {
            ASSERT_TRUE(bars[i].Create(nullptr, "Bar", WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_SIZE_FIXED,
                                       CRect(0, 0, 0, 0), pFrame, 201 + i));
            bars[i].EnableDocking(CBRS_ALIGN_ANY);
        }
    }
    void TearDown() override
    {
        app.m_pMainWnd = nullptr;
        if (::IsWindow(hWndFrame))
            ::DestroyWindow(hWndFrame);
        PumpWaitingMessages();
        DockStateProfile::TearDown();
    }
    CDockBar* DockBar(UINT nID) { return static_cast<CDockBar*>(pFrame->GetControlBar(nID)); }
    // Top: 201 and 202 in a row, 203 below; 204 hidden at the left.
    void MakeLayout()
    {
        pFrame->DockControlBar(&bars[0], AFX_IDW_DOCKBAR_TOP);
        pFrame->RecalcLayout();
        CRect rect = ScreenRect(&bars[0]);
        pFrame->DockControlBar(&bars[1], AFX_IDW_DOCKBAR_TOP, CRect(CPoint(rect.right + 10, rect.top), CSize(80, 20)));
        pFrame->DockControlBar(&bars[2], AFX_IDW_DOCKBAR_TOP);
        pFrame->DockControlBar(&bars[3], AFX_IDW_DOCKBAR_LEFT);
        pFrame->ShowControlBar(&bars[3], FALSE, FALSE);
        pFrame->RecalcLayout();
    }

    CFrameWnd* pFrame = nullptr;
    HWND hWndFrame = nullptr;
    CSizedBar bars[4] = {CSizedBar(CSize(100, 24)), CSizedBar(CSize(80, 20)), CSizedBar(CSize(200, 30)),
                         CSizedBar(CSize(60, 22))};
};

} // namespace

TEST_F(FrameLayoutTest, ALayoutReadFromTheFrameIsAppliedAgainAfterTheBarsMoved)
{
    MakeLayout();
    pFrame->FloatControlBar(&bars[2], CPoint(300, 250));
    const CRect rectFloating = ScreenRect(bars[2].GetParentFrame());
    const CRect rect202 = ParentRect(&bars[1]);
    ASSERT_EQ(Entries(DockBar(AFX_IDW_DOCKBAR_TOP)), "|201 202|(203)|");

    CDockState state;
    pFrame->GetDockState(state);
    // the frame's four dock bars, its four bars and the floating dock bar
    ASSERT_EQ(state.m_arrBarInfo.size(), 9u);
    EXPECT_TRUE(state.m_arrBarInfo.back()->m_bDockBar && state.m_arrBarInfo.back()->m_bFloating);
    EXPECT_EQ(state.m_arrBarInfo.back()->m_pointPos, rectFloating.TopLeft());

    // everything moves, then the layout comes back
    pFrame->DockControlBar(&bars[2], AFX_IDW_DOCKBAR_BOTTOM);
    pFrame->FloatControlBar(&bars[0], CPoint(100, 100));
    pFrame->DockControlBar(&bars[3], AFX_IDW_DOCKBAR_RIGHT);
    pFrame->ShowControlBar(&bars[3], TRUE, FALSE);
    pFrame->RecalcLayout();
    pFrame->SetDockState(state);
    PumpWaitingMessages();

    EXPECT_EQ(Entries(DockBar(AFX_IDW_DOCKBAR_TOP)), "|201 202|(203)|");
    EXPECT_EQ(Entries(DockBar(AFX_IDW_DOCKBAR_LEFT)), "|204|");
    EXPECT_EQ(Entries(DockBar(AFX_IDW_DOCKBAR_BOTTOM)), "|");
    EXPECT_EQ(Entries(DockBar(AFX_IDW_DOCKBAR_RIGHT)), "|");
    EXPECT_FALSE(bars[3].IsWindowVisible());
    EXPECT_EQ(ParentRect(&bars[1]), rect202);
    CFrameWnd* pFloating = bars[2].GetParentFrame();
    ASSERT_NE(pFloating, pFrame);
    EXPECT_TRUE(pFloating->IsWindowVisible());
    EXPECT_EQ(ScreenRect(pFloating).TopLeft(), rectFloating.TopLeft());
    EXPECT_TRUE(bars[2].IsFloating());
    EXPECT_FALSE(bars[0].IsFloating());
    EXPECT_EQ(bars[0].GetParent(), DockBar(AFX_IDW_DOCKBAR_TOP));
}

TEST_F(FrameLayoutTest, TheProfileKeepsTheLayoutAndRecordsOfBarsTheFrameLacksAreLeftOut)
{
    MakeLayout();
    pFrame->SaveBarState("Frame");
    EXPECT_EQ(app.GetProfileInt("Frame-Summary", "Bars", 0), 6u) << "the empty bottom and right dock bars are left out";

    // a record of a bar this frame does not have is dropped; its id stays a place in its dock bar
    app.WriteProfileInt("Frame-Bar6", "BarID", 299);
    app.WriteProfileInt("Frame-Summary", "Bars", 6 + 1);
    app.WriteProfileInt("Frame-Bar0", "Bars", 6);
    app.WriteProfileInt("Frame-Bar0", "Bar#5", 299);
    pFrame->DockControlBar(&bars[0], AFX_IDW_DOCKBAR_BOTTOM);
    pFrame->ShowControlBar(&bars[3], TRUE, FALSE);
    pFrame->LoadBarState("Frame");
    PumpWaitingMessages();
    EXPECT_EQ(Entries(DockBar(AFX_IDW_DOCKBAR_TOP)), "|201 202|203|(299)|");
    EXPECT_EQ(Entries(DockBar(AFX_IDW_DOCKBAR_BOTTOM)), "|");
    EXPECT_FALSE(bars[3].IsVisible());
}

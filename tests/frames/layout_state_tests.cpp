// Saved docking layouts of the toolkit: a record's toolkit keys in the profile (the fraction as a text
// of millionths, the host's placement), the toolkit part of the archive form, the tree form's root, the
// cleaning of the dock bars' id lists, and the application's layout saved and loaded again in each form
// (bars and a dialog bar made from their class names, records of bars that cannot be had left out).
#include "LayoutTestSupport.h"
#include "MdiTestSupport.h"
#include "MemoryStrategy.h"

#include "frames/SECCustomToolBar.h"
#include "frames/SECDialogBar.h"
#include "frames/SECDockState.h"
#include "frames/SECTBMenuBtn.h"

#include "frames_test_resources.h"
#include "toolbar_test_resources.h"

#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

IMPLEMENT_DYNCREATE(CMdiTestDoc, CDocument)
IMPLEMENT_DYNCREATE(CMdiTestView, CView)

namespace {

const char* const kLayout = "OndrixLayoutTest";

// A pane that counts its deletions, made from its class name when a layout is loaded.
class CCountedPane : public SECControlBar {
    DECLARE_DYNCREATE(CCountedPane)
public:
    ~CCountedPane() override { s_nDeleted++; }
    static int s_nDeleted;
};
IMPLEMENT_DYNCREATE(CCountedPane, SECControlBar)
int CCountedPane::s_nDeleted = 0;

// The extension record of titled panes: their title, in each form.
class CTitleInfoEx : public SECControlBarInfoEx {
public:
    void Serialize(CArchive& ar, SECDockState*) override
    {
        if (ar.IsStoring())
            ar << strTitle;
        else
            ar >> strTitle;
    }
    BOOL LoadFromTree(SECPersistentTreeNode* pNode) override { return pNode->GetText("Title", strTitle) == 0; }
    void LoadFromProfile(LPCSTR lpszSection, SECDockState*) override
    {
        strTitle = AfxGetApp()->GetProfileString(lpszSection, "Title");
    }
    BOOL SaveToTree(SECPTNFactory*, SECPersistentTreeNode* pNode) override { return pNode->SetText("Title", strTitle) == 0; }
    void SaveToProfile(LPCSTR lpszSection) override { AfxGetApp()->WriteProfileString(lpszSection, "Title", strTitle); }
    CString strTitle;
};

// A pane that keeps its title in an extension record, and notes the title a layout gave it back.
class CTitledPane : public SECControlBar {
public:
    void GetBarInfoEx(SECControlBarInfo* pInfo) override
    {
        CTitleInfoEx* pInfoEx = new CTitleInfoEx;
        GetWindowText(pInfoEx->strTitle);
        pInfo->m_pInfoEx = pInfoEx;
    }
    void SetBarInfoEx(SECControlBarInfo* pInfo, CFrameWnd*) override
    {
        strRestored = static_cast<CTitleInfoEx*>(pInfo->m_pInfoEx)->strTitle;
    }
    CString strRestored;
};

// The type provider: titled panes are of type 7; it makes the bars a frame lacks as titled panes.
class CTitleManager : public SECControlBarManager {
public:
    UINT GetBarTypeID(CControlBar*) override { return 7; }
    SECControlBarInfoEx* CreateInfoEx(SECControlBarInfo* pInfo) override
    {
        return pInfo->m_nTypeID == 7 ? new CTitleInfoEx : nullptr;
    }
    CControlBar* CreateBar(SECControlBarInfo* pInfo, CFrameWnd* pFrame) override
    {
        made.push_back(pInfo->m_nBarID);
        CTitledPane* pPane = new CTitledPane;
        pPane->SetAutoDelete(TRUE);
        pPane->Create(pFrame, "made", 0x50001414, 0x0F10, pInfo->m_nBarID);
        pPane->EnableDocking(CBRS_ALIGN_ANY);
        return pPane;
    }
    std::vector<UINT> made;
};

// A pane that cannot be made from its class name.
class CFixedKindPane : public SECControlBar {
    DECLARE_DYNAMIC(CFixedKindPane)
};
IMPLEMENT_DYNAMIC(CFixedKindPane, SECControlBar)

class LayoutTest : public MdiFrameTest {
protected:
    void SetUp() override
    {
        MdiFrameTest::SetUp();
        app.SetRegistryKey("Havrel");
        DeleteProfileSections("Ondrix", kLayout);
    }
    void TearDown() override
    {
        MdiFrameTest::TearDown();
        DeleteProfileSections("Ondrix", kLayout);
    }

    // A tool bar of pFrame made as the application makes its own, allowed to dock anywhere.
    static SECCustomToolBar* MakeToolBar(CFrameWnd* pFrame, UINT nID)
    {
        SECCustomToolBar* pBar = new SECCustomToolBar;
        pBar->SetAutoDelete(TRUE);
        if (!pBar->CreateEx(0x0300, pFrame, 0x50002800, nID) || !pBar->LoadToolBar(IDR_APP_TOOLBAR)) {
            ADD_FAILURE() << "the tool bar was not made";
            return nullptr;
        }
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        return pBar;
    }
    // A dialog bar of pFrame (0xE821, deleting itself with its window), allowed to dock anywhere.
    static SECDialogBar* MakeDialogBar(CFrameWnd* pFrame)
    {
        SECDialogBar* pBar = new SECDialogBar;
        pBar->SetAutoDelete(TRUE);
        if (!pBar->Create(pFrame, IDD_TEST_BAR, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 0, 0xE821)) {
            ADD_FAILURE() << "the dialog bar was not made";
            return nullptr;
        }
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        return pBar;
    }
    static SECDockBar* DockBar(CFrameWnd* pFrame, UINT nID)
    {
        return static_cast<SECDockBar*>(pFrame->GetControlBar(nID));
    }
    static SECControlBar* Pane(CFrameWnd* pFrame, UINT nID)
    {
        return dynamic_cast<SECControlBar*>(pFrame->GetControlBar(nID));
    }
};

} // namespace

// ---- the record's toolkit keys ---------------------------------------------------------------------------

TEST_F(LayoutTest, TheToolkitsKeysAreAlwaysWrittenAndTheFractionIsATextOfMillionths)
{
    SECDockState state;
    const struct {
        float fPct;
        const char* text;
        float fBack;
    } fractions[] = {{0.3f, "300000", 0.3f}, {0.7f, "699999", 0.699999f}, {1.0f, "1000000", 1.0f}};
    for (const auto& f : fractions) {
        SECControlBarInfo info;
        info.m_nBarID = 100;
        info.m_fPctWidth = f.fPct;
        ASSERT_TRUE(info.SaveState(kLayout, 0));
        EXPECT_EQ(std::string(app.GetProfileString(CString(kLayout) + "-Bar0", "PctWidth").GetString()), f.text);
        SECControlBarInfo back;
        ASSERT_TRUE(back.LoadState(kLayout, 0, &state));
        EXPECT_FLOAT_EQ(back.m_fPctWidth, f.fBack) << f.text;
    }

    const std::set<std::string> toolkitKeys = {"BarID", "Style", "ExStyle", "PrevFloating", "MDIChild", "PctWidth",
                                               "MRUFloatCX", "MRUFloatCY", "MRUHorzDockCX", "MRUHorzDockCY",
                                               "MRUVertDockCX", "MRUVertDockCY", "MRUDockingState", "DockingStyle",
                                               "TypeID", "ClassName", "WindowName", "ResourceID"};
    std::map<std::string, DWORD> values = ProfileValueTypes("Ondrix", std::string(kLayout) + "-Bar0");
    std::set<std::string> names;
    for (const auto& v : values)
        names.insert(v.first);
    EXPECT_EQ(names, toolkitKeys) << "a visible docked bar at no position: of the class library's keys only BarID";

    // a host's dock bar also keeps its host's placement, 44 bytes
    SECControlBarInfo host;
    host.m_nBarID = AFX_IDW_DOCKBAR_FLOAT;
    host.m_bDockBar = host.m_bFloating = TRUE;
    host.m_bMDIChild = TRUE;
    host.m_arrBarID = {104, 0};
    host.m_wpHost.length = sizeof(WINDOWPLACEMENT);
    host.m_wpHost.rcNormalPosition = {30, 30, 330, 210};
    ASSERT_TRUE(host.SaveState(kLayout, 1));
    values = ProfileValueTypes("Ondrix", std::string(kLayout) + "-Bar1");
    ASSERT_EQ(values.count("MDIChildWindowPlacement"), 1u);
    EXPECT_EQ(values["MDIChildWindowPlacement"], DWORD(REG_BINARY));
    SECControlBarInfo back;
    ASSERT_TRUE(back.LoadState(kLayout, 1, &state));
    EXPECT_TRUE(back.m_bMDIChild);
    EXPECT_EQ(back.m_wpHost.rcNormalPosition.right, 330);
}

TEST_F(LayoutTest, ValuesReadBackAreKeptInRangeAndMissingOnesTakeTheirDefaults)
{
    const CString section = CString(kLayout) + "-Bar0";
    app.WriteProfileInt(section, "BarID", 100);
    app.WriteProfileString(section, "PctWidth", "-250000");
    app.WriteProfileInt(section, "MRUFloatCX", -5);
    app.WriteProfileInt(section, "MRUVertDockCY", 90);
    app.WriteProfileInt(section, "MDIChild", 1);
    BYTE shortPlacement[40] = {40};
    app.WriteProfileBinary(section, "MDIChildWindowPlacement", shortPlacement, sizeof shortPlacement);

    SECDockState state;
    SECControlBarInfo info;
    info.m_dwMRUDockingState = CBRS_ALIGN_LEFT;
    info.m_dwDockStyle = CBRS_ALIGN_ANY;
    info.m_nResourceID = 7;
    info.m_dwExStyle = 0xF10;
    ASSERT_TRUE(info.LoadState(kLayout, 0, &state));
    EXPECT_FLOAT_EQ(info.m_fPctWidth, 0.0f) << "a negative fraction reads as 0";
    EXPECT_EQ(info.m_szMRUFloat, CSize(0, 0)) << "a negative size reads as 0";
    EXPECT_EQ(info.m_szMRUVertDock, CSize(0, 90));
    EXPECT_EQ(info.m_dwMRUDockingState, DWORD(CBRS_ALIGN_LEFT));
    EXPECT_EQ(info.m_dwDockStyle, DWORD(CBRS_ALIGN_ANY));
    EXPECT_EQ(info.m_nResourceID, 7u);
    EXPECT_EQ(info.m_dwExStyle, 0u) << "other numbers default to 0";
    EXPECT_TRUE(info.m_bMDIChild);
    EXPECT_EQ(info.m_wpHost.length, 0u) << "a placement that is not 44 bytes is ignored";
}

TEST_F(LayoutTest, ADamagedRecordLeavesTheBarWhereItsDockBarPutsIt)
{
    SECMDIFrameWnd* pFrame = LoadMainFrame();
    ASSERT_NE(pFrame, nullptr);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    SECControlBar* pPane = MakePane(pFrame, 100);
    pFrame->DockControlBarAt(pPane, AFX_IDW_DOCKBAR_LEFT, 0, 0, 1.0f, 200);
    pFrame->RecalcLayout();
    pFrame->SaveBarState(kLayout);
    // the pane's record: styles with bits no bar may have, or none
    for (int i = 0; i < int(app.GetProfileInt(CString(kLayout) + "-Summary", "Bars", 0)); i++) {
        const CString section = SECControlBarInfo::ProfileSection(kLayout, i);
        if (app.GetProfileInt(section, "BarID", 0) == 100) {
            app.WriteProfileInt(section, "DockingStyle", 0x0011F010);
            app.WriteProfileInt(section, "Style", 0);
        }
    }
    pFrame->LoadBarState(kLayout);
    EXPECT_EQ(pPane->GetEnabledAlignment(), DWORD(CBRS_ALIGN_ANY));
    EXPECT_EQ(pPane->GetBarStyle() & CBRS_ALIGN_ANY, DWORD(CBRS_ALIGN_LEFT));
    EXPECT_EQ(Entries(DockBar(pFrame, AFX_IDW_DOCKBAR_LEFT)), "|100|");
}

TEST_F(LayoutTest, TheArchiveFormCarriesTheToolkitPartBeforeTheIdList)
{
    SECDockState state;
    SECControlBarInfo* pInfo = new SECControlBarInfo;
    pInfo->m_nBarID = 100;
    pInfo->m_dwStyle = 0x1414;
    pInfo->m_dwExStyle = 0xF10;
    pInfo->m_bPrevFloating = TRUE;
    pInfo->m_fPctWidth = 0.3f;
    pInfo->m_szMRUFloat = CSize(300, 180);
    pInfo->m_szMRUHorzDock = CSize(280, 200);
    pInfo->m_szMRUVertDock = CSize(200, 400);
    pInfo->m_dwMRUDockingState = CBRS_ALIGN_LEFT;
    pInfo->m_dwDockStyle = CBRS_ALIGN_ANY;
    pInfo->m_nTypeID = 9;
    pInfo->m_strClassName = "SECControlBar";
    state.m_arrBarInfo = {pInfo};
    const std::vector<uint8_t> data = StoreToBytes(state);

    // after the version, the screen size, the count and the class library's record of 8 words
    const size_t nToolkit = 4 + 8 + 2 + 8 * 4;
    const uint8_t expected[] = {0x14, 0x14, 0, 0, 0x10, 0x0F, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, // style ... hosted
                                6, '3', '0', '0', '0', '0', '0',                              // the fraction
                                0x2C, 1, 0, 0, 180, 0, 0, 0, 0x18, 1, 0, 0, 200, 0, 0, 0,     // float, horizontal
                                200, 0, 0, 0, 0x90, 1, 0, 0,                                  // vertical
                                0, 0x10, 0, 0, 0, 0xF0, 0, 0, 9, 0, 0, 0,                     // state, style, type
                                0, 0};                                                        // no ids
    ASSERT_EQ(data.size(), nToolkit + sizeof expected);
    EXPECT_EQ(std::vector<uint8_t>(data.begin() + nToolkit, data.end()),
              std::vector<uint8_t>(expected, expected + sizeof expected));

    SECDockState back;
    LoadFromBytes(back, data);
    ASSERT_EQ(back.m_arrBarInfo.size(), 1u);
    const SECControlBarInfo* pBack = static_cast<const SECControlBarInfo*>(back.m_arrBarInfo[0]);
    EXPECT_FLOAT_EQ(pBack->m_fPctWidth, 0.3f);
    EXPECT_EQ(pBack->m_szMRUVertDock, CSize(200, 400));
    EXPECT_TRUE(pBack->m_bPrevFloating);
    EXPECT_EQ(pBack->m_strClassName, "") << "names are not part of the archive";
}

TEST_F(LayoutTest, ATreeWithoutADockStateNodeDoesNotLoad)
{
    SECPTNFactory factory;
    SECPersistentTreeNode* pRoot = factory.CreateNode("Ondrix");
    SECDockState state;
    EXPECT_FALSE(state.LoadFromTree(pRoot));
    EXPECT_FALSE(state.LoadFromTree(nullptr));
    factory.CreateNode("DockState", pRoot);
    EXPECT_TRUE(state.LoadFromTree(pRoot));
    EXPECT_TRUE(state.m_arrBarInfo.empty());
}

// ---- cleaning the id lists ---------------------------------------------------------------------------------

TEST_F(LayoutTest, RepeatedIdsAndMarksOfBarsThatLastDockedElsewhereLeaveTheIdLists)
{
    SECMDIFrameWnd* pFrame = LoadMainFrame();
    ASSERT_NE(pFrame, nullptr);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    for (UINT nID : {100, 101, 102})
        pFrame->DockControlBarAt(MakePane(pFrame, nID), AFX_IDW_DOCKBAR_LEFT, 0, 0, 0.3f, 200);
    pFrame->RecalcLayout();
    // 102 floats, then is hidden: its floating frame keeps it marked, the left dock bar keeps its place
    pFrame->FloatControlBar(Pane(pFrame, 102), CPoint(600, 400));
    pFrame->ShowControlBar(Pane(pFrame, 102), FALSE, FALSE);
    // a stale place of 100 at the top, and a second one of 101 beside 101 itself
    SECDockBar* pTop = DockBar(pFrame, AFX_IDW_DOCKBAR_TOP);
    pTop->m_arrBars = {CDockBar::Entry::RowEnd(), CDockBar::Entry::Placeholder(100), CDockBar::Entry::RowEnd()};
    SECDockBar* pLeft = DockBar(pFrame, AFX_IDW_DOCKBAR_LEFT);
    pLeft->m_arrBars.push_back(CDockBar::Entry::Placeholder(101));
    pLeft->m_arrBars.push_back(CDockBar::Entry::RowEnd());
    ASSERT_EQ(Entries(pLeft), "|(102) 101 100|(101)|");

    SECDockState state;
    pFrame->GetDockState(state);
    std::map<UINT, std::vector<UINT>> lists;
    for (const CControlBarInfo* pInfo : state.m_arrBarInfo)
        if (pInfo->m_bDockBar && pInfo->m_arrBarID.size() > 1)
            lists[pInfo->m_nBarID] = pInfo->m_arrBarID;
    const UINT kHidden = 0x10000;
    EXPECT_EQ(lists[AFX_IDW_DOCKBAR_LEFT], (std::vector<UINT>{kHidden + 102, 101, 100, 0}));
    EXPECT_EQ(lists[AFX_IDW_DOCKBAR_FLOAT], (std::vector<UINT>{kHidden + 102, 0}));
    EXPECT_EQ(lists.count(AFX_IDW_DOCKBAR_TOP), 0u) << "left with only its terminating 0";
}

// ---- the application's layout, saved and loaded ----------------------------------------------------------------

namespace {

// What a layout test compares: rows, fractions, sizes and floating places.
struct LayoutSnapshot {
    std::string top;
    std::string left;
    std::vector<float> fractions; // panes 100 to 102
    std::vector<CSize> sizes;     // their docked sizes
    CRect rectFloating;           // pane 103's floating frame (screen)
    CRect rectHost;               // pane 104's host (MDI client)
    CSize sizeFloat103;
    CSize sizeFloat104;
};

LayoutSnapshot TakeSnapshot(SECMDIFrameWnd* pFrame)
{
    LayoutSnapshot s;
    s.top = Entries(static_cast<CDockBar*>(pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP)));
    s.left = Entries(static_cast<CDockBar*>(pFrame->GetControlBar(AFX_IDW_DOCKBAR_LEFT)));
    for (UINT nID : {100, 101, 102}) {
        SECControlBar* pPane = dynamic_cast<SECControlBar*>(pFrame->GetControlBar(nID));
        s.fractions.push_back(pPane != nullptr ? pPane->m_fPctWidth : -1.0f);
        s.sizes.push_back(pPane != nullptr ? ScreenRect(pPane).Size() : CSize(0, 0));
    }
    SECControlBar* pFloating = dynamic_cast<SECControlBar*>(pFrame->GetControlBar(103));
    SECControlBar* pHosted = dynamic_cast<SECControlBar*>(pFrame->GetControlBar(104));
    if (pFloating != nullptr && pFloating->IsFloating() && !pFrame->IsFloatingInMainWindow(pFloating)) {
        s.rectFloating = ScreenRect(pFloating->GetParentFrame());
        s.sizeFloat103 = pFloating->m_szFloat;
    }
    if (pHosted != nullptr && pFrame->IsFloatingInMainWindow(pHosted)) {
        s.rectHost = RectIn(pHosted->GetParentFrame(), pFrame->m_hWndMDIClient);
        s.sizeFloat104 = pHosted->m_szFloat;
    }
    return s;
}

void ExpectSameLayout(const LayoutSnapshot& a, const LayoutSnapshot& b)
{
    EXPECT_EQ(a.top, b.top);
    EXPECT_EQ(a.left, b.left);
    for (size_t i = 0; i < a.fractions.size(); i++) {
        EXPECT_NEAR(a.fractions[i], b.fractions[i], 1e-5f) << "pane " << 100 + i;
        EXPECT_EQ(a.sizes[i], b.sizes[i]) << "pane " << 100 + i;
    }
    EXPECT_EQ(a.rectFloating, b.rectFloating);
    EXPECT_EQ(a.rectHost, b.rectHost);
    EXPECT_EQ(a.sizeFloat103, b.sizeFloat103);
    EXPECT_EQ(a.sizeFloat104, b.sizeFloat104);
}

// One form of a saved layout: saving the frame's layout, loading it into a frame.
struct LayoutForm {
    const char* name;
    BOOL bKeepsClassNames;
    std::function<void(SECMDIFrameWnd*)> save;
    std::function<void(SECMDIFrameWnd*)> load;
};

} // namespace

TEST_F(LayoutTest, TheApplicationsLayoutComesBackInEachForm)
{
    std::vector<uint8_t> archive;
    CMemoryStrategy store;
    const LayoutForm forms[] = {
        {"profile", TRUE, [](SECMDIFrameWnd* pFrame) { pFrame->SaveBarState(kLayout); },
         [](SECMDIFrameWnd* pFrame) { pFrame->LoadBarState(kLayout); }},
        {"archive", FALSE,
         [&](SECMDIFrameWnd* pFrame) {
             SECDockState state;
             pFrame->GetDockState(state);
             archive = StoreToBytes(state);
         },
         [&](SECMDIFrameWnd* pFrame) {
             SECDockState state;
             LoadFromBytes(state, archive);
             pFrame->SetDockState(state);
         }},
        {"tree", TRUE,
         [&](SECMDIFrameWnd* pFrame) {
             SECDockState state;
             pFrame->GetDockState(state);
             SECPTNFactory factory;
             SECPersistentTreeNode* pRoot = factory.CreateNode("Ondrix");
             ASSERT_TRUE(state.SaveToTree(&factory, pRoot));
             ASSERT_EQ(pRoot->Save(&store), 0u);
         },
         [&](SECMDIFrameWnd* pFrame) {
             SECPersistentTreeNode root;
             root.Initialize("Ondrix");
             ASSERT_EQ(root.Load(&store), 0u);
             SECDockState state;
             ASSERT_TRUE(state.LoadFromTree(&root));
             pFrame->SetDockState(state);
         }},
    };
    for (const LayoutForm& form : forms) {
        SCOPED_TRACE(form.name);
        // the application's layout: menu bar and tool bar at the top, three panes at the left, one floating,
        // one floating in the main window, and one of a kind that cannot be made from its name at the right
        SECMDIFrameWnd* pFrame = LoadMainFrame();
        ASSERT_NE(pFrame, nullptr);
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        pFrame->DockControlBar(MakeToolBar(pFrame, 0xE8FF));
        pFrame->DockControlBar(MakeToolBar(pFrame, AFX_IDW_TOOLBAR));
        const float fractions[3] = {0.1f, 0.5f, 0.4f};
        for (UINT i = 0; i < 3; i++)
            pFrame->DockControlBarAt(MakePane(pFrame, 100 + i, kMdiPaneExStyle, i == 2 ? new CCountedPane : nullptr),
                                     AFX_IDW_DOCKBAR_LEFT, 0, 0, fractions[i], 200);
        pFrame->FloatControlBar(MakePane(pFrame, 103), CPoint(700, 500));
        pFrame->FloatControlBarInMainWindow(MakePane(pFrame, 104), -1, -1, CBRS_ALIGN_TOP);
        pFrame->DockControlBar(MakePane(pFrame, 105, kMdiPaneExStyle, new CFixedKindPane), AFX_IDW_DOCKBAR_RIGHT);
        pFrame->DockControlBar(MakeDialogBar(pFrame), AFX_IDW_DOCKBAR_BOTTOM);
        pFrame->RecalcLayout();
        PumpWaitingMessages();
        const LayoutSnapshot saved = TakeSnapshot(pFrame);
        ASSERT_EQ(saved.top, "|59647|59392|");
        ASSERT_EQ(saved.left, "|102 101 100|");
        form.save(pFrame);
        pFrame->DestroyWindow();
        PumpWaitingMessages();

        // a new frame with the bars elsewhere; pane 102 and the dialog bar only where the form keeps class
        // names to make them from
        pFrame = LoadMainFrame();
        ASSERT_NE(pFrame, nullptr);
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        if (!form.bKeepsClassNames)
            pFrame->DockControlBar(MakeDialogBar(pFrame), AFX_IDW_DOCKBAR_LEFT);
        pFrame->DockControlBar(MakeToolBar(pFrame, AFX_IDW_TOOLBAR), AFX_IDW_DOCKBAR_LEFT);
        pFrame->DockControlBar(MakeToolBar(pFrame, 0xE8FF), AFX_IDW_DOCKBAR_BOTTOM);
        for (UINT nID : {100, 101, 102, 103, 104}) {
            if (nID == 102 && form.bKeepsClassNames)
                continue;
            pFrame->DockControlBar(MakePane(pFrame, nID), AFX_IDW_DOCKBAR_BOTTOM);
        }
        pFrame->RecalcLayout();
        form.load(pFrame);
        PumpWaitingMessages();

        ExpectSameLayout(TakeSnapshot(pFrame), saved);
        EXPECT_EQ(Entries(DockBar(pFrame, AFX_IDW_DOCKBAR_BOTTOM)), "|59425|");
        EXPECT_EQ(pFrame->GetControlBar(105), nullptr) << "neither found nor made: left out";
        EXPECT_EQ(Entries(DockBar(pFrame, AFX_IDW_DOCKBAR_RIGHT)), "|(105)|");
        const int nDeletedBefore = CCountedPane::s_nDeleted;
        if (form.bKeepsClassNames) {
            CControlBar* pMade = pFrame->GetControlBar(102);
            ASSERT_TRUE(pMade != nullptr && pMade->IsKindOf(RUNTIME_CLASS(CCountedPane)));
            EXPECT_EQ(TextOf(pMade), "Pane 102");
            SECDialogBar* pDialogBar = dynamic_cast<SECDialogBar*>(pFrame->GetControlBar(0xE821));
            ASSERT_NE(pDialogBar, nullptr);
            EXPECT_EQ(pDialogBar->m_nResourceID, UINT(IDD_TEST_BAR));
            EXPECT_NE(pDialogBar->GetDlgItem(IDC_BAR_COMBO), nullptr) << "made from its template";
            EXPECT_EQ(pFrame->GetOwnedWindows(), (std::vector<CWnd*>{pMade, pDialogBar}));
        }
        pFrame->DestroyWindow();
        PumpWaitingMessages();
        EXPECT_EQ(CCountedPane::s_nDeleted, nDeletedBefore + (form.bKeepsClassNames ? 1 : 0))
            << "a bar made while loading goes with the frame";
    }
}

TEST_F(LayoutTest, TheTypeProviderMakesMissingBarsAndTheExtensionRecordsOfEachForm)
{
    CTitleManager manager;
    // a frame with a titled pane of type 7 at the left, whose layout is saved, and a frame without it
    auto makeFrame = [&](BOOL bWithPane) {
        SECMDIFrameWnd* pFrame = LoadMainFrame();
        pFrame->SetControlBarManager(&manager);
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        if (bWithPane) {
            SECControlBar* pPane = MakePane(pFrame, 100, kMdiPaneExStyle, new CTitledPane);
            pPane->m_pTypeIDProvider = &manager;
            pFrame->DockControlBarAt(pPane, AFX_IDW_DOCKBAR_LEFT, 0, 0, 1.0f, 200);
            pFrame->RecalcLayout();
        }
        return pFrame;
    };
    auto expectRestored = [&](SECMDIFrameWnd* pFrame, const char* pszForm) {
        CTitledPane* pPane = dynamic_cast<CTitledPane*>(pFrame->GetControlBar(100));
        ASSERT_NE(pPane, nullptr) << pszForm;
        EXPECT_EQ(pPane->strRestored, "Pane 100") << pszForm;
        EXPECT_EQ(Entries(DockBar(pFrame, AFX_IDW_DOCKBAR_LEFT)), "|100|") << pszForm;
        pFrame->DestroyWindow();
    };

    SECMDIFrameWnd* pSource = makeFrame(TRUE);
    pSource->SaveBarState(kLayout);
    pSource->DestroyWindow();
    const CString section = SECControlBarInfo::ProfileSection(kLayout, 1); // after the left dock bar's
    EXPECT_EQ(app.GetProfileInt(section, "TypeID", 0), 7u);
    EXPECT_EQ(app.GetProfileString(section, "Title"), "Pane 100");
    SECMDIFrameWnd* pTarget = makeFrame(FALSE);
    pTarget->LoadBarState(kLayout);
    expectRestored(pTarget, "profile");

    pSource = makeFrame(TRUE);
    SECDockState saved;
    pSource->GetDockState(saved);
    const std::vector<uint8_t> archive = StoreToBytes(saved);
    SECPTNFactory factory;
    SECPersistentTreeNode* pRoot = factory.CreateNode("Ondrix");
    ASSERT_TRUE(saved.SaveToTree(&factory, pRoot));
    pSource->DestroyWindow();

    SECDockState fromArchive(&manager);
    LoadFromBytes(fromArchive, archive);
    pTarget = makeFrame(FALSE);
    pTarget->SetDockState(fromArchive);
    expectRestored(pTarget, "archive");

    SECDockState fromTree(&manager);
    ASSERT_TRUE(fromTree.LoadFromTree(pRoot));
    pTarget = makeFrame(FALSE);
    pTarget->SetDockState(fromTree);
    expectRestored(pTarget, "tree");
    EXPECT_EQ(manager.made, (std::vector<UINT>{100, 100, 100})) << "asked before any class name";
    PumpWaitingMessages();
}

// The application's commands: the main menu and its shortcuts, the update rules, the project files
// through the file dialogs (open, save, save as, recent files, the command line, results), the save
// question, the reset of a project, solving and the result windows' View commands, the focus cycle.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "AppTestSupport.h"

#include "app/ZQDockingWndAlt.h"
#include "app/ZQDockingWndCrit.h"
#include "app/ZQDockingWndRef.h"
#include "app/ZQGraphView.h"
#include "frames/SECToolkitRes.h"
#include "res/resource.h"
#include "win/AfxRes.h"
#include "win/AfxResource.h"

namespace {

// The texts of a file dialog's filter "name|pattern|...||", as the fake records them.
std::vector<std::string> FilterTexts(const std::string& filter)
{
    std::vector<std::string> texts;
    size_t start = 0;
    for (size_t bar = filter.find('|'); bar != std::string::npos && bar != start; bar = filter.find('|', start)) {
        texts.push_back(filter.substr(start, bar - start));
        start = bar + 1;
    }
    return texts;
}

const char* const kOpenFilter = "All supported files|*.zex;*.csv;*.zek|Ondrix XML files (*.zex)|*.zex|"
                                "MS Excel CSV files (*.csv)|*.csv|ZEK+ Files (*.zek)|*.zek||";
const char* const kPolishOpenFilter = "Wszystkie obs\xb3ugiwane pliki|*.zex;*.csv;*.zek|Pliki Ondrix XML (*.zex)|*.zex|"
                                      "Pliki MS Excel CSV (*.csv)|*.csv|Pliki ZEK+ (*.zek)|*.zek||";
const char* const kSaveFilter = "Ondrix XML Files (*.zex)|*.zex|Excel CSV Files (*.csv)|*.csv|ZEK+ Files (*.zek)|*.zek||";
const char* const kPolishSaveFilter =
    "Pliki Ondrix XML (*.zex)|*.zex|Pliki Excel CSV (*.csv)|*.csv|Pliki ZEK+ (*.zek)|*.zek||";

// The project the solve tests use, and one whose reference ranking cannot be represented.
const char* const kRankedPair = "app/ranked_pair_gain_cost.zex";
const char* const kInconsistent = "app/inconsistent_indifference.zex";
// The size-and-weight project as a CSV file with ',' decimals and ';' separators, and as a ZEK file.
const char* const kSizeAndWeightCsv = "model/csv/good/size_and_weight.csv";
const char* const kSizeAndWeightZek = "model/zek/good/size_and_weight.zek";

// The started application over a folder of project files; TEMP names the folder, so that a solve's
// graphs land there.
class Commands : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        // a solve opens the comparison matrix's grid
        AnswerGridInput(fake);
        char temp[MAX_PATH] = {};
        const DWORD n = ::GetEnvironmentVariableA("TEMP", temp, MAX_PATH);
        savedTemp = n > 0 && n < MAX_PATH ? temp : "";
        ::SetEnvironmentVariableA("TEMP", folder.Path().c_str());
        Start("");
    }
    void TearDown() override
    {
        // as the user closes the program, with nothing left to save
        if (app.m_pMainWnd != nullptr) {
            app.m_nModified = 0;
            app.m_pMainWnd->SendMessage(WM_CLOSE);
        }
        AppFixture::TearDown();
        ::SetEnvironmentVariableA("TEMP", savedTemp.empty() ? nullptr : savedTemp.c_str());
    }

    void Start(const char* pszCommandLine)
    {
        commandLine = pszCommandLine;
        app.m_lpCmdLine = &commandLine[0];
        app.m_nCmdShow = SW_SHOWNOACTIVATE; // other test programs share the display: take no focus
        ASSERT_TRUE(app.InitInstance());
    }
    // The command as a menu choice, or as its shortcut.
    void Command(UINT nID) { app.m_pMainWnd->SendMessage(WM_COMMAND, nID); }
    void Shortcut(UINT nID) { app.m_pMainWnd->SendMessage(WM_COMMAND, MAKEWPARAM(nID, 1)); }
    std::string Title() const
    {
        char title[512] = {};
        ::GetWindowTextA(app.m_pMainWnd->m_hWnd, title, sizeof title);
        return title;
    }
    // The state of item nID of the main menu once its popup opened (the frame updates it then).
    ItemState State(UINT nID) { return MainMenuState(app.m_pMainWnd, nID); }
    // File Open choosing the file `name` of the folder (copied there from tests/data/relative first
    // when given).
    void Open(const std::string& name, const char* relative = nullptr)
    {
        if (relative != nullptr)
            folder.Copy(relative, name);
        fake.ExpectFileDialog(IDOK, folder.Path(name).c_str());
        Command(ID_FILE_OPEN);
    }
    std::string Recent(int nIndex) const { return Str((*app.m_pRecentFileList)[nIndex]); }
    std::string TitleOf(const std::string& name) const { return "Ondrix - [" + folder.Path(name) + "]"; }
    const CFakeServices::Call& LastCall(const char* kind) const
    {
        static const CFakeServices::Call none;
        const auto calls = fake.CallsOf(kind);
        if (calls.empty()) {
            ADD_FAILURE() << "no " << kind;
            return none;
        }
        lastCall = calls.back();
        return lastCall;
    }

    CFakeServices fake;
    AppFolder folder;
    std::string commandLine;
    std::string savedTemp;
    mutable CFakeServices::Call lastCall;
};

TEST(MainMenu, EveryItemOfTheMenuAndEveryShortcutInBothLanguages)
{
    struct Item {
        const char* text;
        UINT nID;
    };
    const std::vector<std::pair<const char*, std::vector<Item>>> menu = {
        {"&File",
         {{"&New\tCtrl+N", 32795}, {"&Open...\tCtrl+O", 57601}, {"&Save\tCtrl+S", 32796}, {"Save &As...", 32797},
          {"", 0}, {"Save Res&ults As...", 32809}, {"", 0}, {"&Print...\tCtrl+P", 57607}, {"Print Pre&view", 57609},
          {"P&rint Setup...", 57606}, {"", 0}, {"Recent File", 57616}, {"", 0}, {"E&xit", 57665}}},
        {"&Edit", {{"&Undo\tCtrl+Z", 57643}, {"", 0}, {"Cu&t\tCtrl+X", 57635}, {"&Copy\tCtrl+C", 57634},
                   {"&Paste\tCtrl+V", 57637}}},
        {"&View",
         {{"&Toolbar", 59392}, {"&Status Bar", 59393}, {"", 0}, {"&Alternatives\tAlt+1", 32775},
          {"&Reference Set\tAlt+2", 32776}, {"&Criteria\tAlt+3", 32777}, {"&Evaluations of Alternatives\tAlt+4", 32772},
          {"", 0}, {"Alternatives C&omparison Matrix\tAlt+5", 32773}, {"Final Ranking (&list)\tAlt+6", 32774},
          {"Final Results (&graph)\tAlt+7", 32802}, {"&Marginal Value Functions", 32812}}},
        {"&Calculate", {{"&Solve Problem\tF5", 32771}, {"", 0}, {"&Preserve Kendall's Coefficient", 32798},
                        {"&Options", 32810}}},
        {"&Window", {{"&Cascade", 57650}, {"&Tile", 57651}, {"&Arrange Icons", 57649}}},
    };
    const HMENU hMenu = ::LoadMenuA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    const HMODULE hPolish = ::LoadLibraryA("InternationalPL.dll");
    ASSERT_NE(hPolish, nullptr);
    const HMENU hPolishMenu = ::LoadMenuA(hPolish, MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_EQ(::GetMenuItemCount(hMenu), int(menu.size()));
    ASSERT_EQ(::GetMenuItemCount(hPolishMenu), int(menu.size()));
    for (size_t p = 0; p < menu.size(); ++p) {
        char text[128] = {};
        ::GetMenuStringA(hMenu, UINT(p), text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, menu[p].first);
        const HMENU hPopup = ::GetSubMenu(hMenu, int(p));
        const HMENU hPolishPopup = ::GetSubMenu(hPolishMenu, int(p));
        const std::vector<Item>& items = menu[p].second;
        ASSERT_EQ(::GetMenuItemCount(hPopup), int(items.size())) << menu[p].first;
        ASSERT_EQ(::GetMenuItemCount(hPolishPopup), int(items.size())) << menu[p].first;
        for (size_t i = 0; i < items.size(); ++i) {
            ::GetMenuStringA(hPopup, UINT(i), text, sizeof text, MF_BYPOSITION);
            EXPECT_STREQ(text, items[i].text);
            EXPECT_EQ(::GetMenuItemID(hPopup, int(i)), items[i].nID) << items[i].text;
            // the Polish menu sends the same commands from the same places, its shortcuts read the same
            EXPECT_EQ(::GetMenuItemID(hPolishPopup, int(i)), items[i].nID) << items[i].text;
            ::GetMenuStringA(hPolishPopup, UINT(i), text, sizeof text, MF_BYPOSITION);
            const char* tab = strchr(items[i].text, '\t');
            if (tab != nullptr) {
                EXPECT_STREQ(strchr(text, '\t'), tab) << text;
            }
        }
    }
    ::DestroyMenu(hMenu);
    ::DestroyMenu(hPolishMenu);
    ::FreeLibrary(hPolish);

    // The shortcuts, as the menu texts promise them.
    const BYTE ctrl = FVIRTKEY | FCONTROL;
    const BYTE alt = FVIRTKEY | FALT;
    const BYTE shift = FVIRTKEY | FSHIFT;
    const std::vector<ACCEL> expected = {
        {ctrl, 'A', 32787}, {BYTE(ctrl | FALT), 'A', 32794}, {ctrl, 'C', 57634}, {ctrl, VK_INSERT, 57634},
        {ctrl, 'N', 32795}, {ctrl, 'O', 57601}, {ctrl, 'P', 57607}, {ctrl, 'S', 32796},
        {ctrl, 'V', 57637}, {shift, VK_INSERT, 57637}, {ctrl, 'X', 57635}, {shift, VK_DELETE, 57635},
        {ctrl, 'Z', 57643}, {alt, VK_BACK, 57643}, {FVIRTKEY, VK_F5, 32771}, {FVIRTKEY, VK_F6, 57680},
        {shift, VK_F6, 57681}, {FVIRTKEY, VK_TAB, 32790}, {alt, '1', 32775}, {alt, '2', 32776},
        {alt, '3', 32777}, {alt, '4', 32772}, {alt, '5', 32773}, {alt, '6', 32774}, {alt, '7', 32802},
    };
    const HACCEL hAccel = ::LoadAcceleratorsA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    std::vector<ACCEL> table(size_t(::CopyAcceleratorTableA(hAccel, nullptr, 0)));
    ::CopyAcceleratorTableA(hAccel, table.data(), int(table.size()));
    ASSERT_EQ(table.size(), expected.size());
    for (size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].fVirt & (FVIRTKEY | FCONTROL | FALT | FSHIFT), expected[i].fVirt) << i;
        EXPECT_EQ(table[i].key, expected[i].key) << i;
        EXPECT_EQ(table[i].cmd, expected[i].cmd) << i;
    }
}

// The placeholders of a text ("%1", "%u", "%d"...), in order.
std::string Placeholders(const CString& text)
{
    std::string marks;
    for (const char* p = text; *p != '\0'; ++p)
        if (p[0] == '%' && p[1] != '\0')
            marks += *++p;
    return marks;
}

TEST(PolishTexts, EveryTextOfTheProgramTheToolkitAndTheClassLibraryHasItsPolishForm)
{
    // the class library's texts (the ids it keeps an English text for), the program's own strings in
    // the same range, and the window toolkit's
    std::vector<UINT> ids = {ID_SEC_ALLOWDOCKING, ID_SEC_HIDE,     ID_SEC_FLOATINMAINWINDOW, IDS_SEC_PRESSCTRL,
                             IDS_SEC_GRIPPER_HIDE, IDS_SEC_GRIPPER_EXPAND, IDS_SEC_GRIPPER_CONTRACT,
                             IDS_SEC_OTHERCOLOR,  IDS_SEC_TOOLBARNAME, IDS_SEC_RESET, IDS_SEC_DELETE};
    for (UINT nID = 0xE000; nID <= 0xFFFF; ++nID)
        if (!AfxLoadLibraryString(nID).IsEmpty())
            ids.push_back(nID);
    ASSERT_GT(ids.size(), 60u);
    const HMODULE hPolish = ::LoadLibraryA("InternationalPL.dll");
    ASSERT_NE(hPolish, nullptr);
    // the names of the credits are the same in both languages
    const std::vector<UINT> same = {IDS_ZQ_STATUS_INDICATOR, IDS_ZQ_AUTHOR1, IDS_ZQ_AUTHOR2, IDS_ZQ_AUTHOR3,
                                    IDS_ZQ_SUPERVISOR_NAME, IDS_ZQ_CONSULTANT_NAME};
    for (UINT nID : ids) {
        const CString english = AfxLoadLibraryString(nID);
        CString polish;
        const int nLength = ::LoadStringA(hPolish, nID, polish.GetBuffer(1024), 1024);
        polish.ReleaseBuffer(nLength > 0 ? nLength : 0);
        EXPECT_GT(nLength, 0) << "no Polish text " << nID << " for \"" << english << "\"";
        if (nLength <= 0)
            continue;
        if (std::find(same.begin(), same.end(), nID) == same.end()) {
            EXPECT_STRNE(polish, english) << nID;
        }
        EXPECT_EQ(Placeholders(polish), Placeholders(english)) << nID << " \"" << polish << "\"";
    }
    // the print preview's buttons: one Alt letter each, in Polish too ("One Page" stands in the place
    // of "Two Page")
    AfxSetResourceHandle(hPolish);
    const UINT buttons[][7] = {{AFX_IDS_PREVIEW_PRINT, AFX_IDS_PREVIEW_NEXT, AFX_IDS_PREVIEW_PREV, AFX_IDS_PREVIEW_TWOPAGE,
                                AFX_IDS_PREVIEW_ZOOMIN, AFX_IDS_PREVIEW_ZOOMOUT, AFX_IDS_PREVIEW_CLOSE},
                               {AFX_IDS_PREVIEW_PRINT, AFX_IDS_PREVIEW_NEXT, AFX_IDS_PREVIEW_PREV, AFX_IDS_PREVIEW_ONEPAGE,
                                AFX_IDS_PREVIEW_ZOOMIN, AFX_IDS_PREVIEW_ZOOMOUT, AFX_IDS_PREVIEW_CLOSE}};
    for (const auto& bar : buttons) {
        std::string letters;
        for (UINT nID : bar) {
            const CString caption = AfxLoadLibraryString(nID);
            const int nAmp = caption.Find('&');
            ASSERT_GE(nAmp, 0) << caption;
            const char cLetter = char(::toupper(static_cast<unsigned char>(caption[nAmp + 1])));
            EXPECT_EQ(letters.find(cLetter), std::string::npos) << caption << " shares its letter";
            letters += cLetter;
        }
    }
    AfxSetResourceHandle(nullptr);
    ::FreeLibrary(hPolish);
}

TEST_F(Commands, UpdateRulesAndShortcutsOfDisabledCommandsDoNothing)
{
    const std::vector<std::pair<UINT, ItemState>> fresh = {
        {ID_ZQ_NEW, {true, false}},
        {ID_FILE_OPEN, {true, false}},
        {ID_ZQ_SAVE, {false, false}},
        {ID_ZQ_SAVE_AS, {true, false}},
        {ID_ZQ_SAVE_RESULTS_AS, {false, false}},
        {ID_APP_EXIT, {true, false}},
        {ID_ZQ_SOLVE, {false, false}},
        {ID_ZQ_PRESERVE_KENDALL, {true, true}},
        {ID_ZQ_OPTIONS, {true, false}},
        {ID_ZQ_VIEW_EVALUATIONS, {true, false}},
        {ID_ZQ_VIEW_MATRIX, {false, false}},
        {ID_ZQ_VIEW_RANKING_LIST, {false, false}},
        {ID_ZQ_VIEW_GRAPHS, {false, false}},
    };
    for (const auto& item : fresh)
        EXPECT_EQ(State(item.first), item.second) << "fresh start: " << item.first;

    // Shortcuts of grey commands do nothing: no dialog, no solve, no window.
    for (UINT nID : {ID_ZQ_SAVE, ID_ZQ_SAVE_RESULTS_AS, ID_ZQ_SOLVE, ID_ZQ_VIEW_MATRIX, ID_ZQ_VIEW_GRAPHS})
        Shortcut(nID);
    EXPECT_TRUE(fake.Calls().empty());
    EXPECT_EQ(app.m_Project.ProjectSolver, nullptr);
    EXPECT_EQ(app.m_nMatrixOpen, 0);

    app.m_nModified = 1;
    app.m_nPreserveKendall = 0;
    app.m_Project.ValueFunctions = {{{1, 0}, {2, 0.5}}};
    app.m_nEvaluationsGridOpen = 1;
    const std::vector<std::pair<UINT, ItemState>> changed = {
        {ID_ZQ_SAVE, {true, false}},
        {ID_ZQ_PRESERVE_KENDALL, {true, false}},
        {ID_ZQ_SAVE_RESULTS_AS, {true, false}},
        {ID_ZQ_VIEW_EVALUATIONS, {true, true}},
        {ID_ZQ_VIEW_MATRIX, {true, false}},
        {ID_ZQ_VIEW_GRAPHS, {true, false}},
        {ID_ZQ_VIEW_RANKING_LIST, {false, false}},
    };
    for (const auto& item : changed)
        EXPECT_EQ(State(item.first), item.second) << "modified, Kendall off, value functions: " << item.first;

    // The matrix's check follows its flag, which its command turns; Preserve Kendall's Coefficient
    // does nothing.
    Command(ID_ZQ_VIEW_MATRIX);
    EXPECT_EQ(State(ID_ZQ_VIEW_MATRIX), (ItemState{true, true}));
    Command(ID_ZQ_VIEW_MATRIX);
    EXPECT_EQ(State(ID_ZQ_VIEW_MATRIX), (ItemState{true, false}));
    Command(ID_ZQ_PRESERVE_KENDALL);
    EXPECT_EQ(app.m_nPreserveKendall, 0);

    // Solve follows the project's rule: a solvable project, then every reference alternative in one rank.
    Open("pair.zex", kRankedPair);
    EXPECT_EQ(State(ID_ZQ_SOLVE), (ItemState{true, false}));
    for (ZQRow& row : app.m_Project.AlternativesTable)
        row[2] = "1";
    EXPECT_EQ(State(ID_ZQ_SOLVE), (ItemState{false, false}));
}

TEST_F(Commands, OpenSolveShowTheGraphsAndStartANewProject)
{
    EXPECT_EQ(Title(), "Ondrix - [untitled]");
    Open("pair.zex", kRankedPair);
    EXPECT_EQ(Title(), TitleOf("pair.zex"));
    EXPECT_EQ(Recent(0), folder.Path("pair.zex"));
    EXPECT_EQ(app.m_nFileType, ZQ_FILE_XML);
    // the panes show the project read
    EXPECT_EQ(app.GetAlternativeItemCount(), 3);
    EXPECT_EQ(app.GetReferenceTree().size(), 2u);
    EXPECT_EQ(State(ID_ZQ_SOLVE), (ItemState{true, false}));

    // F5: the solve opens the graphs window, whose command is then enabled and checked
    Shortcut(ID_ZQ_SOLVE);
    ASSERT_NE(app.m_Project.ProjectSolver, nullptr);
    EXPECT_EQ(app.m_nResultsAvailable, 1);
    EXPECT_EQ(app.m_nGraphsOpen, 1);
    ASSERT_NE(app.FirstViewOf(ZQDocument::PreferenceGraphs), nullptr);
    EXPECT_NE(folder.Read("graph.htm").find("<BR>\nz<BR>\n"), std::string::npos) << "z is the other alternative";
    EXPECT_EQ(State(ID_ZQ_VIEW_GRAPHS), (ItemState{true, true}));
    EXPECT_EQ(State(ID_ZQ_SAVE_RESULTS_AS), (ItemState{true, false}));
    EXPECT_TRUE(fake.CallsOf("MessageBox").empty());

    // The View command closes the window and opens it again.
    Command(ID_ZQ_VIEW_GRAPHS);
    EXPECT_EQ(app.m_nGraphsOpen, 0);
    EXPECT_FALSE(app.HasOpenDocument(ZQDocument::PreferenceGraphs));
    EXPECT_EQ(State(ID_ZQ_VIEW_GRAPHS), (ItemState{true, false}));
    ::DeleteFileA(folder.Path("graph.htm").c_str());
    Command(ID_ZQ_VIEW_GRAPHS);
    EXPECT_EQ(app.m_nGraphsOpen, 1);
    EXPECT_EQ(State(ID_ZQ_VIEW_GRAPHS), (ItemState{true, true}));
    EXPECT_NE(folder.Read("graph.htm").find("z<BR>\n"), std::string::npos) << "the page is refreshed";

    // Ctrl+N asks nothing (nothing changed since the file was read) and starts an empty project.
    Shortcut(ID_ZQ_NEW);
    EXPECT_EQ(Title(), "Ondrix - [untitled]");
    EXPECT_EQ(State(ID_ZQ_SOLVE), (ItemState{false, false}));
    EXPECT_EQ(app.m_nGraphsOpen, 0);
    EXPECT_TRUE(fake.CallsOf("MessageBox").empty());
}

TEST_F(Commands, AnInconsistentReferenceRankingIsReportedAndOpensNothing)
{
    Open("chain.zex", kInconsistent);
    ASSERT_EQ(State(ID_ZQ_SOLVE), (ItemState{true, false}));
    fake.ExpectMessageBox(IDOK, "Your reference set is inconsistent\nFollowing constraint(s) cause inconstency:\na I b\n");
    Shortcut(ID_ZQ_SOLVE);
    EXPECT_EQ(LastCall("MessageBox").caption, "Inconsistencies");
    EXPECT_EQ(app.m_nGraphsOpen, 0);
    EXPECT_TRUE(app.m_Project.ValueFunctions.empty());
    EXPECT_EQ(State(ID_ZQ_VIEW_GRAPHS), (ItemState{false, false}));
}

TEST_F(Commands, OpenReadsTheThreeFormatsByExtensionAndRefusesTheRest)
{
    // the dialog as it is shown, in both languages
    fake.ExpectFileDialog(IDCANCEL);
    Command(ID_FILE_OPEN);
    const CFakeServices::Call& dialog = LastCall("GetOpenFileName");
    EXPECT_EQ(dialog.filter, FilterTexts(kOpenFilter));
    EXPECT_EQ(dialog.defExt, "");
    EXPECT_EQ(dialog.text, "");
    EXPECT_EQ(dialog.dwFlags, DWORD(OFN_HIDEREADONLY | OFN_EXPLORER));
    app.m_nLanguage = 1;
    fake.ExpectFileDialog(IDCANCEL);
    Command(ID_FILE_OPEN);
    EXPECT_EQ(LastCall("GetOpenFileName").filter, FilterTexts(kPolishOpenFilter));
    app.m_nLanguage = 0;
    EXPECT_EQ(Title(), "Ondrix - [untitled]");

    app.m_cInputDecimalSymbol = ',';
    app.m_cInputListSeparator = ';';
    struct Case {
        const char* data;
        const char* name;
        int type; // -1: not read
        const char* evaluation; // EvaluationsTable[1][2] after a read
    } cases[] = {
        {kRankedPair, "X.ZEX", ZQ_FILE_XML, "5"},
        {kSizeAndWeightCsv, "a.csv", ZQ_FILE_CSV, "2.5"},
        {kSizeAndWeightZek, "s.Zek", ZQ_FILE_ZEK, "2.5"},
        {kRankedPair, "pair.xml", -1, nullptr},
        {"model/xml/bad/unclosed.zex", "unclosed.zex", -1, nullptr},
        {nullptr, "missing.csv", -1, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // each starts from a project read from a file
        if (c.type < 0) {
            Open("before.zex", kRankedPair);
            ASSERT_EQ(Title(), TitleOf("before.zex"));
            fake.ExpectMessageBox(IDOK, "Can't read file!");
        }
        Open(c.name, c.data);
        if (c.type < 0) {
            EXPECT_EQ(LastCall("MessageBox").caption, "Ondrix");
            EXPECT_EQ(LastCall("MessageBox").nType, UINT(MB_OK | MB_ICONWARNING | MB_TASKMODAL));
            EXPECT_EQ(Title(), "Ondrix - [untitled]");
            EXPECT_EQ(Str(app.m_strFilePath), "untitled");
            EXPECT_EQ(app.m_nFileType, -1);
            EXPECT_TRUE(app.m_Project.AlternativesTable.empty());
            EXPECT_EQ(Recent(0), folder.Path("before.zex"));
        } else {
            EXPECT_EQ(Title(), TitleOf(c.name));
            EXPECT_EQ(Str(app.m_strFilePath), folder.Path(c.name));
            EXPECT_EQ(app.m_nFileType, c.type);
            EXPECT_EQ(Recent(0), folder.Path(c.name));
            ASSERT_GE(app.m_Project.EvaluationsTable.size(), 2u);
            EXPECT_EQ(Str(app.m_Project.EvaluationsTable[1][2]), c.evaluation);
        }
    }
}

TEST_F(Commands, RecentFilesOpenAsOpenDoesAndOneThatFailsLeavesTheList)
{
    app.m_cInputDecimalSymbol = ',';
    app.m_cInputListSeparator = ';';
    Open("first.zex", kRankedPair);
    Open("second.csv", kSizeAndWeightCsv);
    ASSERT_EQ(app.m_pRecentFileList->GetCount(), 2);

    // the older entry, now second in the list
    Command(ID_FILE_MRU_FILE1 + 1);
    EXPECT_EQ(Title(), TitleOf("first.zex"));
    EXPECT_EQ(Recent(0), folder.Path("first.zex"));

    // a file gone since: the message, and the entry leaves the list
    ::DeleteFileA(folder.Path("second.csv").c_str());
    fake.ExpectMessageBox(IDOK, "Can't read file!");
    Command(ID_FILE_MRU_FILE1 + 1);
    EXPECT_EQ(fake.CallsOf("MessageBox").back().nType, UINT(MB_OK | MB_ICONWARNING | MB_TASKMODAL));
    EXPECT_EQ(app.m_pRecentFileList->GetCount(), 1);
    EXPECT_EQ(Title(), "Ondrix - [untitled]");
    EXPECT_TRUE(app.m_Project.AlternativesTable.empty());

    // an entry of a kind of file Ondrix does not read (a list from another program): the same message,
    // and the entry leaves the list, rather than an empty project and no word
    folder.Copy(kRankedPair, "pair.xml");
    app.AddToRecentFileList(folder.Path("pair.xml").c_str());
    ASSERT_EQ(Recent(0), folder.Path("pair.xml"));
    fake.ExpectMessageBox(IDOK, "Can't read file!");
    Command(ID_FILE_MRU_FILE1);
    EXPECT_EQ(app.m_pRecentFileList->GetCount(), 1);
    EXPECT_EQ(Recent(0), folder.Path("first.zex"));
    EXPECT_EQ(Title(), "Ondrix - [untitled]");
}

TEST_F(Commands, AFileNamedOnTheCommandLineOpensOnceTheWindowShows)
{
    folder.Copy(kRankedPair, "start.zex");
    app.m_pMainWnd->DestroyWindow();
    Start(("\"" + folder.Path("start.zex") + "\"").c_str());
    EXPECT_TRUE(::IsWindowVisible(app.m_pMainWnd->m_hWnd));
    EXPECT_EQ(Title(), TitleOf("start.zex"));
    EXPECT_EQ(Recent(0), folder.Path("start.zex"));
    EXPECT_EQ(app.m_Project.AlternativesTable.size(), 3u);
}

TEST_F(Commands, SaveWritesBackInTheFilesFormatOrAsksForAName)
{
    app.m_cInputDecimalSymbol = ',';
    app.m_cInputListSeparator = ';';
    Open("a.csv", kSizeAndWeightCsv);
    app.m_cOutputDecimalSymbol = '.';
    app.m_cOutputListSeparator = ',';
    app.m_nModified = 1;
    Shortcut(ID_ZQ_SAVE); // no dialog
    EXPECT_EQ(folder.Read("a.csv"), ",c,g\n,size,w\nA1,1,2.5\nA2,2,10\n");
    EXPECT_EQ(app.m_nModified, 0);

    // A save that fails: a folder gone, a writer that refuses (a name holding the separator).
    struct Failure {
        const char* what;
        std::string path;
        char separator;
    } failures[] = {
        {"no folder", folder.Path("gone\\a.csv"), ','},
        {"refused", folder.Path("a.csv"), '1'},
    };
    for (const Failure& f : failures) {
        app.m_strFilePath = f.path.c_str();
        app.m_cOutputListSeparator = f.separator;
        app.m_nModified = 1;
        fake.ExpectMessageBox(IDOK, "Can't write file!");
        Command(ID_ZQ_SAVE);
        // (the writer's refusal is the project's message, owned by the main window; a box without
        // owner is task-modal)
        const CFakeServices::Call box = LastCall("MessageBox");
        EXPECT_EQ(box.nType, UINT(MB_OK | MB_ICONWARNING | (box.hWnd == nullptr ? MB_TASKMODAL : 0))) << f.what;
        EXPECT_EQ(app.m_nModified, 1) << f.what;
    }
    EXPECT_EQ(folder.Read("a.csv"), ",c,g\n,size,w\nA1,1,2.5\nA2,2,10\n") << "a refused save leaves the file";

    // An untitled project is saved under a name asked for.
    fake.ExpectMessageBox(IDNO, "Do you want to save file"); // the modified project's question
    Command(ID_ZQ_NEW);
    app.m_nModified = 1;
    fake.ExpectFileDialog(IDCANCEL);
    Command(ID_ZQ_SAVE);
    EXPECT_EQ(LastCall("GetSaveFileName").text, "untitled");
    EXPECT_EQ(app.m_nModified, 1);
}

TEST_F(Commands, SaveAsTakesTheNewNameEvenWhenTheSaveFails)
{
    Open("pair.zex", kRankedPair);
    fake.ExpectFileDialog(IDOK, folder.Path("proj").c_str());
    Command(ID_ZQ_SAVE_AS);
    const CFakeServices::Call& dialog = LastCall("GetSaveFileName");
    EXPECT_EQ(dialog.text, "") << "a project with a file starts with no name";
    EXPECT_EQ(dialog.defExt, "zex");
    EXPECT_EQ(dialog.filter, FilterTexts(kSaveFilter));
    EXPECT_EQ(dialog.dwFlags, DWORD(OFN_EXPLORER)) << "no overwrite prompt";
    EXPECT_EQ(folder.Read("proj.zex"), folder.Read("pair.zex"));
    EXPECT_EQ(Title(), TitleOf("proj.zex"));
    EXPECT_EQ(Recent(0), folder.Path("proj.zex"));
    EXPECT_EQ(app.m_nFileType, ZQ_FILE_XML);

    // Another extension: nothing written, nothing changed.
    fake.ExpectFileDialog(IDOK, folder.Path("proj.txt").c_str());
    fake.ExpectMessageBox(IDOK, "Can't write file!");
    Command(ID_ZQ_SAVE_AS);
    EXPECT_EQ(folder.Read("proj.txt"), "<none>");
    EXPECT_EQ(Title(), TitleOf("proj.zex"));
    EXPECT_EQ(app.m_nFileType, ZQ_FILE_XML);

    // A save that fails leaves the project named after the new file all the same.
    app.m_cOutputListSeparator = 'x'; // "x" holds it: the CSV writer refuses
    fake.ExpectFileDialog(IDOK, folder.Path("proj.csv").c_str());
    fake.ExpectMessageBox(IDOK, "Can't write file!");
    Command(ID_ZQ_SAVE_AS);
    EXPECT_EQ(folder.Read("proj.csv"), "<none>");
    EXPECT_EQ(Title(), TitleOf("proj.csv"));
    EXPECT_EQ(app.m_nFileType, ZQ_FILE_CSV);

    app.m_nLanguage = 1;
    fake.ExpectFileDialog(IDCANCEL);
    Command(ID_ZQ_SAVE_AS);
    EXPECT_EQ(LastCall("GetSaveFileName").filter, FilterTexts(kPolishSaveFilter));
}

TEST_F(Commands, SaveResultsAsWritesTheRankingWithTheOutputDecimalSymbol)
{
    Open("pair.zex", kRankedPair);
    Command(ID_ZQ_SOLVE);
    app.m_cOutputDecimalSymbol = ',';
    fake.ExpectFileDialog(IDOK, folder.Path("ranking").c_str());
    Command(ID_ZQ_SAVE_RESULTS_AS);
    const CFakeServices::Call& dialog = LastCall("GetSaveFileName");
    EXPECT_EQ(dialog.defExt, "TXT");
    EXPECT_EQ(dialog.text, "Results.txt");
    EXPECT_EQ(dialog.filter, FilterTexts("Text file (*.txt)|*.txt||"));
    EXPECT_EQ(dialog.dwFlags, DWORD(OFN_EXPLORER));
    EXPECT_EQ(folder.Read("ranking.TXT"), "z\t0,75\nx\t0,5\ny\t0,25\n");

    fake.ExpectFileDialog(IDOK, folder.Path("gone\\ranking.txt").c_str());
    fake.ExpectMessageBox(IDOK, "Can't write file!");
    Command(ID_ZQ_SAVE_RESULTS_AS);

    app.m_nLanguage = 1;
    fake.ExpectFileDialog(IDCANCEL);
    Command(ID_ZQ_SAVE_RESULTS_AS);
    EXPECT_EQ(LastCall("GetSaveFileName").filter, FilterTexts("Plik tekstowy (*.txt)|*.txt||"));
}

TEST_F(Commands, TheSaveQuestionComesOnlyWithChangesAndAnUnsavedProjectIsNeverLost)
{
    // A modified project whose lists are empty: nothing to ask.
    app.m_nModified = 1;
    Command(ID_ZQ_NEW);
    Open("pair.zex", kRankedPair);
    EXPECT_TRUE(fake.CallsOf("MessageBox").empty());
    ASSERT_EQ(Title(), TitleOf("pair.zex"));

    struct Case {
        const char* what;
        int answer;
        bool savable;
        bool goesOn;
    } cases[] = {
        {"Cancel", IDCANCEL, true, false},
        {"Yes, but the save fails", IDYES, false, false},
        {"Yes", IDYES, true, true},
        {"No", IDNO, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (UINT nCommand : {UINT(ID_ZQ_NEW), UINT(ID_FILE_OPEN)}) {
            if (app.m_nFileType < 0)
                Open("pair.zex");
            app.m_nModified = 1;
            app.m_strFilePath = c.savable ? folder.Path("saved.zex").c_str() : folder.Path("gone\\saved.zex").c_str();
            ::DeleteFileA(folder.Path("saved.zex").c_str());
            const std::string pathShown = Str(app.m_strFilePath);
            if (nCommand == ID_FILE_OPEN)
                fake.ExpectFileDialog(IDOK, folder.Path("pair.zex").c_str());
            fake.ExpectMessageBox(c.answer);
            if (!c.savable)
                fake.ExpectMessageBox(IDOK, "Can't write file!");
            const size_t nBoxes = fake.CallsOf("MessageBox").size();
            Command(nCommand);
            const CFakeServices::Call question = fake.CallsOf("MessageBox").at(nBoxes);
            EXPECT_EQ(question.text, "Do you want to save file '" + pathShown + "'?");
            EXPECT_EQ(question.caption, "Ondrix");
            EXPECT_EQ(question.hWnd, nullptr) << "no owner";
            // task-modal: without an owner the box would leave the program's windows taking input (a
            // click brings the main window over it, and the keys go to the program, not to the box)
            EXPECT_EQ(question.nType, UINT(MB_YESNOCANCEL | MB_ICONQUESTION | MB_TASKMODAL));
            EXPECT_EQ(folder.Read("saved.zex") != "<none>", c.answer == IDYES && c.savable);
            if (c.goesOn) {
                EXPECT_EQ(Title(), nCommand == ID_ZQ_NEW ? "Ondrix - [untitled]" : TitleOf("pair.zex"));
                EXPECT_EQ(app.m_nModified, 0);
            } else {
                EXPECT_EQ(Str(app.m_strFilePath), pathShown);
                EXPECT_EQ(app.m_nModified, 1);
                EXPECT_EQ(app.m_Project.AlternativesTable.size(), 3u);
            }
        }
    }

    // An untitled project whose Save As is cancelled stays too.
    Command(ID_ZQ_NEW);
    Open("pair.zex");
    app.m_strFilePath = "untitled";
    app.m_nFileType = -1;
    app.m_nModified = 1;
    fake.ExpectMessageBox(IDYES, "Do you want to save file 'untitled'?");
    fake.ExpectFileDialog(IDCANCEL);
    Command(ID_ZQ_NEW);
    EXPECT_EQ(app.m_Project.AlternativesTable.size(), 3u);

    // Closing the window and File Exit ask the same; Cancel keeps the program running.
    for (UINT nMessage : {UINT(WM_CLOSE), UINT(WM_COMMAND)}) {
        fake.ExpectMessageBox(IDCANCEL, "Do you want to save file");
        app.m_pMainWnd->SendMessage(nMessage, nMessage == WM_COMMAND ? ID_APP_EXIT : 0);
        ASSERT_NE(app.m_pMainWnd, nullptr);
    }
    fake.ExpectMessageBox(IDNO, "Do you want to save file");
    app.m_pMainWnd->SendMessage(WM_CLOSE);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
}

TEST_F(Commands, NewResetsTheProjectTheWindowsAndTheApplicationsProjectFields)
{
    Open("pair.zex", kRankedPair);
    Command(ID_ZQ_SOLVE);
    ASSERT_EQ(app.m_nGraphsOpen, 1);
    app.m_nFunctionsEdited = 1;
    app.m_nPreserveKendall = 0;
    app.m_nMatrixOpen = 1;
    app.SetInfoAttribute("NOTE", "A note");
    Command(ID_ZQ_NEW);

    CZQInterfaceData& project = app.m_Project;
    EXPECT_TRUE(project.AlternativesTable.empty());
    EXPECT_TRUE(project.CriteriaTable.empty());
    EXPECT_TRUE(project.ScaleValuesTable.empty());
    ASSERT_EQ(project.EvaluationsTable.size(), 1u);
    EXPECT_EQ(project.EvaluationsTable[0], ZQRow{""});
    EXPECT_EQ(project.ProjectSolver, nullptr);
    EXPECT_TRUE(project.ValueFunctions.empty());
    EXPECT_TRUE(project.SolvedValueFunctions.empty());
    EXPECT_EQ(app.GetAlternativeItemCount(), 0);
    EXPECT_EQ(app.GetCriterionItemCount(), 0);
    EXPECT_TRUE(app.GetReferenceTree().empty());
    EXPECT_EQ(app.GetOpenDocumentCount(), 0);
    EXPECT_FALSE(app.HasOpenDocument(ZQDocument::PreferenceGraphs));
    EXPECT_EQ(app.m_nGraphsOpen + app.m_nMatrixOpen + app.m_nEvaluationsGridOpen + app.m_nChartsOpen +
                  app.m_nRankingListOpen + app.m_nRankingChartOpen,
              0);
    EXPECT_EQ(app.m_nModified, 0);
    EXPECT_EQ(app.m_nPreserveKendall, 1);
    EXPECT_EQ(Str(app.m_strFilePath), "untitled");
    EXPECT_EQ(app.m_nFileType, -1);
    EXPECT_EQ(Str(app.GetInfoAttributeId()), "INFO");
    EXPECT_EQ(Str(app.GetInfoAttributeDescription()), "Information about an alternative");
    EXPECT_EQ(app.m_nFunctionsEdited, 0);
}

TEST_F(Commands, TabMovesAlongThePanesAndTheOpenGridThenBackToTheNameBox)
{
    // the grid reads the clock and the modifier keys, all up
    fake.SetTickCount(0);
    for (int nKey : {VK_CONTROL, VK_SHIFT, VK_MENU})
        fake.SetKeyState(nKey, 0);
    const HWND hName = app.GetAlternativesPane()->m_wndName.m_hWnd;
    const HWND hList = app.GetAlternativesPane()->m_wndList.m_hWnd;
    const HWND hTree = app.GetReferencePane()->m_wndTree.m_hWnd;
    const HWND hCriteria = app.GetCriteriaPane()->m_wndList.m_hWnd;
    const auto press = [&](size_t nTimes) {
        std::vector<HWND> focused;
        for (size_t i = 0; i < nTimes; ++i) {
            Shortcut(ID_ZQ_FOCUS_NEXT);
            focused.push_back(::GetFocus());
        }
        return focused;
    };

    // no grid: after the criteria list the name box
    EXPECT_EQ(press(5), (std::vector<HWND>{hName, hList, hTree, hCriteria, hName}));
    EXPECT_EQ(app.m_nFocusPosition, 1);

    // a grid open: after the criteria list its view, then the name box
    Command(ID_ZQ_VIEW_EVALUATIONS);
    PumpWaitingMessages();
    CView* pGrid = app.FirstViewOf(ZQDocument::EvaluationsGrid);
    ASSERT_NE(pGrid, nullptr);
    EXPECT_EQ(press(5), (std::vector<HWND>{hList, hTree, hCriteria, pGrid->m_hWnd, hName}));

    // a new project closes the grid: the short cycle again
    Shortcut(ID_ZQ_NEW);
    PumpWaitingMessages();
    ASSERT_FALSE(app.HasOpenDocument(ZQDocument::EvaluationsGrid));
    EXPECT_EQ(press(4), (std::vector<HWND>{hList, hTree, hCriteria, hName}));
}

} // namespace

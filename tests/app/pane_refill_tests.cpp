// The panes filled in one go when a project file is opened: they end as the same calls made on them
// one at a time leave them, and a file read keeps the window painted without letting a command in.
// the standard headers before windows.h, which defines min and max as macros
#include <atomic>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "PaneTestSupport.h"

#include "app/ZQPaneRefill.h"
#include "res/resource.h"

namespace {

// An alternative of a generated project: its name and its rank in the file (0: none).
struct Alternative {
    std::string name;
    int rank;
};

// The project XML file of the alternatives on one gain criterion (evaluations 1, 2, ...).
std::string ProjectXml(const std::vector<Alternative>& alternatives)
{
    std::string xml = "<DATA>\n<ATTRIBUTES>\n<ATTRIBUTE AttrID=\"g\"><SEGMENTS Value=\"2\"/><TYPE Value=\"Numeric\"/>"
                      "<ROLE Value=\"Condition\"/><CRITERION Value=\"Gain\"/></ATTRIBUTE>\n"
                      "<ATTRIBUTE AttrID=\"c\"><SEGMENTS Value=\"2\"/><TYPE Value=\"Numeric\"/>"
                      "<ROLE Value=\"Condition\"/><CRITERION Value=\"Cost\"/></ATTRIBUTE>\n</ATTRIBUTES>\n<OBJECTS>\n";
    int value = 0;
    for (const Alternative& a : alternatives) {
        ++value;
        xml += "<OBJECT ObjID=\"" + a.name + "\">";
        if (a.rank != 0)
            xml += "<RANK Value=\"" + std::to_string(a.rank) + "\"/>";
        xml += "<VALUE AttrID=\"g\" Value=\"" + std::to_string(value) + "\"/><VALUE AttrID=\"c\" Value=\"" +
               std::to_string(value % 7) + "\"/></OBJECT>\n";
    }
    return xml + "</OBJECTS>\n</DATA>\n";
}

// The paints of the test's own window.
std::atomic<int> g_nPaints{0};

LRESULT CALLBACK CountingWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    PAINTSTRUCT ps;
    ::BeginPaint(hWnd, &ps);
    ::EndPaint(hWnd, &ps);
    ++g_nPaints;
    return 0;
}

// What the thread that feeds a pipe does: once the test's window, made to need painting, is painted
// (within 10 s), two commands are posted to the main window and the file's bytes written.
struct Feeder {
    HWND hCounting;
    HWND hMain;
    std::string path;  // host path of the pipe
    std::string bytes;
    bool bPainted = false;
};

DWORD WINAPI FeedPipe(LPVOID pParam)
{
    Feeder& feeder = *static_cast<Feeder*>(pParam);
    const int nPaints = g_nPaints;
    ::InvalidateRect(feeder.hCounting, nullptr, FALSE);
    for (int i = 0; i < 1000 && !feeder.bPainted; ++i) {
        feeder.bPainted = g_nPaints > nPaints;
        if (!feeder.bPainted)
            ::Sleep(10);
    }
    ::PostMessageA(feeder.hMain, WM_COMMAND, ID_ZQ_NEW, 0);
    // the reader has the pipe open by now, or will have soon
    int fd = -1;
    for (int i = 0; i < 1000 && fd < 0; ++i) {
        fd = ::open(feeder.path.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd < 0)
            ::Sleep(10);
    }
    if (fd >= 0) {
        ::fcntl(fd, F_SETFL, 0);
        for (size_t done = 0; done < feeder.bytes.size();) {
            const ssize_t n = ::write(fd, feeder.bytes.data() + done, feeder.bytes.size() - done);
            if (n <= 0)
                break;
            done += size_t(n);
        }
        ::close(fd);
    }
    return 0;
}

class PaneRefill : public PanesFixture {
protected:
    void Write(const std::string& name, const std::string& bytes)
    {
        CString host;
        ASSERT_TRUE(AfxGetHostPath(folder.Path(name).c_str(), host));
        FILE* file = std::fopen(host.GetString(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }

    // Everything the panes show and keep, and the project's ranks and flags.
    std::string Panes()
    {
        std::string text;
        CListCtrl& list = Alternatives().m_wndList;
        for (int i = 0; i < list.GetItemCount(); ++i) {
            LVITEMA item = {};
            item.mask = LVIF_IMAGE | LVIF_STATE;
            item.iItem = i;
            item.stateMask = UINT(-1);
            list.GetItem(&item);
            text += Str(list.GetItemText(i, 0)) + ":" + std::to_string(item.iImage) + ":" +
                    std::to_string(item.state) + " ";
        }
        text += "| mark " + std::to_string(list.SendMessage(LVM_GETSELECTIONMARK)) + " top " +
                std::to_string(list.GetTopIndex()) + " sorted " +
                std::to_string((list.GetStyle() & LVS_SORTASCENDING) != 0) + " remove " +
                std::to_string(Alternatives().m_btnRemove.IsWindowEnabled()) + "\n";

        CListCtrl& criteria = Criteria().m_wndList;
        for (int i = 0; i < criteria.GetItemCount(); ++i)
            text += Str(criteria.GetItemText(i, 0)) + "/" + Str(criteria.GetItemText(i, 1)) + " ";
        text += "| remove " + std::to_string(Criteria().m_btnRemove.IsWindowEnabled()) + "\n";

        CTreeCtrl& tree = Reference().m_wndTree;
        std::function<void(HTREEITEM, int)> walk = [&](HTREEITEM hFirst, int nLevel) {
            for (HTREEITEM h = hFirst; h != nullptr; h = tree.GetNextSiblingItem(h)) {
                int nImage = 0, nSelected = 0;
                tree.GetItemImage(h, nImage, nSelected);
                text += std::string(size_t(nLevel), ' ') + Str(tree.GetItemText(h)) + " data " +
                        std::to_string(tree.GetItemData(h)) + " image " + std::to_string(nImage) + "/" +
                        std::to_string(nSelected) + " state " + std::to_string(tree.GetItemState(h, UINT(-1))) +
                        "\n";
                walk(tree.GetChildItem(h), nLevel + 1);
            }
        };
        walk(tree.GetRootItem(), 0);
        const HTREEITEM hFirstVisible = tree.GetFirstVisibleItem();
        const HTREEITEM hSelected = tree.GetSelectedItem();
        text += "first visible " + (hFirstVisible != nullptr ? Str(tree.GetItemText(hFirstVisible)) : "-") +
                " selected " + (hSelected != nullptr ? Str(tree.GetItemText(hSelected)) : "-") + " scroll " +
                std::to_string(tree.GetScrollPos(SB_VERT)) + " remove " +
                std::to_string(Reference().m_btnRemove.IsWindowEnabled()) + "\n";
        text += "ranks " + Ranks() + " modified " + std::to_string(app.m_nModified) + " credibility " +
                std::to_string(app.m_Project.CredibilityList.size()) + "/" +
                std::to_string(app.m_Project.CredibilityDefined) + "\n";
        return text;
    }

    // The panes after opening the file `name` (of type nType) through the program, and after the
    // project read it with each call made on the windows at once, the tree then shown from its first
    // rank as the program shows it.
    std::pair<std::string, std::string> BothWays(const std::string& name, int nType)
    {
        app.m_nModified = 0;
        EXPECT_EQ(app.OpenProjectFile(folder.Path(name).c_str()), 1);
        const std::string oneGo = Panes();
        app.m_nModified = 0;
        app.ResetProject();
        CString host;
        EXPECT_TRUE(AfxGetHostPath(folder.Path(name).c_str(), host));
        EXPECT_NE(app.m_Project.OpenProject(host, nType, app.m_cInputDecimalSymbol, app.m_cInputListSeparator), 0);
        Reference().ShowFirstRank();
        return {oneGo, Panes()};
    }
};

TEST_F(PaneRefill, PanesFilledInOneGoEndAsPanesFilledCallByCall)
{
    struct Case {
        const char* what;
        std::vector<Alternative> alternatives;
    };
    std::vector<Case> cases;
    // names that sort by letters before case and before hyphens and apostrophes, digits as text;
    // ranks with a gap, a rank shared by three
    cases.push_back({"sorting",
                     {{"b", 2}, {"B", 0}, {"a", 6}, {"A", 2}, {"co-op", 0}, {"coop", 6}, {"Coop", 2}, {"x'y", 0},
                      {"xy", 1}, {"10", 0}, {"9", 1}, {"_u", 0}, {"~t", 0}, {"a b", 3}, {"a  b", 0}, {"Zeta", 0},
                      {"zeta", 3}, {"-", 0}, {"m", 0}}});
    // more ranked alternatives than the tree shows, ranks falling as the names rise (the tree
    // scrolls back up for each), and rising (a new rank at the end for each)
    std::vector<Alternative> falling, rising;
    for (int i = 0; i < 60; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "alternative %02d", i);
        falling.push_back({name, 30 - i / 2});
        rising.push_back({name, i % 3 == 2 ? 0 : 1 + i / 3});
    }
    cases.push_back({"falling ranks", falling});
    cases.push_back({"rising ranks", rising});
    // ranked alternatives only
    cases.push_back({"a single rank", {{"p", 1}, {"q", 1}, {"r", 1}}});

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Write("refill.zex", ProjectXml(c.alternatives));
        const auto panes = BothWays("refill.zex", ZQ_FILE_XML);
        EXPECT_EQ(panes.first, panes.second);
    }
}

TEST_F(PaneRefill, NamesThatCompareEqualButDifferKeepTheListsOwnOrder)
{
    // a soft hyphen and control characters weigh nothing in the comparison of the list's sort: these
    // names compare equal to "ab" and to one another, and only the list's own sorting tells their order
    const std::string names[] = {"ab", "a\xad" "b", "x", "a\x7f" "b", "b", "a\x01" "b", "ab", "A"};
    std::string csv = ";g;c\n;g;c\n";
    int value = 0;
    for (const std::string& name : names) {
        ++value;
        csv += name + ";" + std::to_string(value) + ";" + std::to_string(value % 3) + "\n";
    }
    Write("ties.csv", csv);
    app.m_cInputDecimalSymbol = ',';
    app.m_cInputListSeparator = ';';
    const auto panes = BothWays("ties.csv", ZQ_FILE_CSV);
    EXPECT_EQ(panes.first, panes.second);
    EXPECT_EQ(Alternatives().m_wndList.GetItemCount(), 8);
}

TEST_F(PaneRefill, AFileIsReadWhileTheWindowsArePaintedAndTheCommandsGivenMeanwhileAreDropped)
{
    std::vector<Alternative> alternatives;
    for (int i = 0; i < 40; ++i)
        alternatives.push_back({"alternative " + std::to_string(i), i < 10 ? 1 + i / 2 : 0});
    // the file arrives through a pipe: its reader waits until the test has seen a window painted
    Feeder feeder;
    feeder.bytes = ProjectXml(alternatives);
    CString host;
    ASSERT_TRUE(AfxGetHostPath(folder.Path("arriving.zex").c_str(), host));
    feeder.path = host.GetString();
    ASSERT_EQ(::mkfifo(feeder.path.c_str(), 0600), 0);

    WNDCLASSA wc = {};
    wc.lpfnWndProc = CountingWindowProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "OndrixTestCountingPaints";
    ::RegisterClassA(&wc);
    const HWND hCounting = ::CreateWindowExA(WS_EX_NOACTIVATE, wc.lpszClassName, "", WS_POPUP, 0, 0, 40, 40, nullptr,
                                             nullptr, wc.hInstance, nullptr);
    ASSERT_NE(hCounting, nullptr);
    ::ShowWindow(hCounting, SW_SHOWNOACTIVATE);
    PumpWaitingMessages();
    feeder.hCounting = hCounting;
    feeder.hMain = app.m_pMainWnd->m_hWnd;

    // a command waiting when the read starts, and one given while it is read
    app.m_pMainWnd->PostMessage(WM_COMMAND, ID_ZQ_NEW);
    const HANDLE hFeeder = ::CreateThread(nullptr, 0, FeedPipe, &feeder, 0, nullptr);
    ASSERT_NE(hFeeder, nullptr);
    EXPECT_EQ(app.OpenProjectFile(folder.Path("arriving.zex").c_str()), 1);
    ::WaitForSingleObject(hFeeder, INFINITE);
    ::CloseHandle(hFeeder);
    EXPECT_TRUE(feeder.bPainted) << "no paint while the file was read";

    // the commands were dropped, not carried out on the project read: it is whole, and stays
    EXPECT_EQ(app.m_Project.AlternativesTable.size(), 40u);
    EXPECT_EQ(Alternatives().m_wndList.GetItemCount(), 40);
    EXPECT_EQ(RankData().size(), 5u);
    MSG msg;
    EXPECT_FALSE(::PeekMessageA(&msg, app.m_pMainWnd->m_hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    PumpWaitingMessages();
    EXPECT_EQ(app.m_Project.AlternativesTable.size(), 40u);
    EXPECT_EQ(Alternatives().m_wndList.GetItemCount(), 40);
    ::DestroyWindow(hCounting);
    ::unlink(feeder.path.c_str());
}

} // namespace

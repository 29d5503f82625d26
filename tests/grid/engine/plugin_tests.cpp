// Plug-ins: a grid offers each message of its window to its plug-ins, in the order they were added,
// before it handles the message itself.
#include "library_test_support.h"

#include "grid/engine/GXPlugin.h"

namespace {

const UINT WM_CONSUMED = WM_APP + 10;    // the first plug-in marks it fully handled
const UINT WM_SKIP_OTHERS = WM_APP + 11;  // the first plug-in ends the round of plug-ins
const UINT WM_NOBODYS = WM_APP + 12;      // no plug-in has a handler

class CFirstPlugin : public CGXPluginComponent {
public:
    std::vector<UINT> m_seen;

protected:
    LRESULT OnConsumed(WPARAM, LPARAM)
    {
        m_seen.push_back(WM_CONSUMED);
        m_bExitMessage = TRUE;
        return 42;
    }
    LRESULT OnSkipOthers(WPARAM, LPARAM)
    {
        m_seen.push_back(WM_SKIP_OTHERS);
        m_bSkipOtherPlugins = TRUE;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFirstPlugin, CGXPluginComponent)
ON_MESSAGE(WM_CONSUMED, OnConsumed)
ON_MESSAGE(WM_SKIP_OTHERS, OnSkipOthers)
END_MESSAGE_MAP()

// Notes every message from WM_APP on that reaches it.
class CSecondPlugin : public CGXPluginComponent {
public:
    std::vector<UINT> m_seen;

protected:
    BOOL OnWndMsg(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (nMessage >= WM_APP)
            m_seen.push_back(nMessage);
        return CGXPluginComponent::OnWndMsg(nMessage, wParam, lParam, pResult);
    }
};

}  // namespace

TEST(PluginComponent, PluginsSeeMessagesFirstAndCanHideThem)
{
    // the plug-ins outlive the grid, which offers them its last messages
    CFirstPlugin first;
    CSecondPlugin second;
    CTestGridWnd grid;
    grid.CreateWindowOnly();
    grid.AddPlugin(&first);
    grid.AddPlugin(&second);
    EXPECT_EQ(first.m_hWnd, grid.m_hWnd) << "borrowed at once";
    EXPECT_EQ(CWnd::FromHandlePermanent(grid.m_hWnd), static_cast<CWnd*>(&grid)) << "not taken over";

    EXPECT_EQ(grid.SendMessage(WM_CONSUMED, 1, 2), 42);
    EXPECT_TRUE(grid.m_received.empty()) << "the grid did not see it";
    EXPECT_TRUE(second.m_seen.empty()) << "nor did the later plug-in";

    grid.SendMessage(WM_SKIP_OTHERS, 3, 4);
    EXPECT_TRUE(second.m_seen.empty());
    ASSERT_EQ(grid.m_received.size(), 1u);
    EXPECT_EQ(grid.m_received[0].nMessage, WM_SKIP_OTHERS);

    grid.SendMessage(WM_NOBODYS, 5, 6);
    EXPECT_EQ(second.m_seen, std::vector<UINT>{WM_NOBODYS});
    ASSERT_EQ(grid.m_received.size(), 2u);
    EXPECT_EQ(grid.m_received[1].nMessage, WM_NOBODYS);
    EXPECT_EQ(grid.m_received[1].wParam, WPARAM(5));
    EXPECT_EQ(grid.m_received[1].lParam, LPARAM(6));
    EXPECT_EQ(first.m_seen, (std::vector<UINT>{WM_CONSUMED, WM_SKIP_OTHERS}));
}

TEST(PluginComponent, DestroyingAPluginLeavesTheWindowAlive)
{
    CTestGridWnd grid;
    grid.CreateWindowOnly();
    {
        auto pPlugin = std::make_unique<CFirstPlugin>();
        EXPECT_TRUE(pPlugin->PlugIn(&grid));
        EXPECT_EQ(pPlugin->DefWindowProc(WM_NOBODYS, 0, 0), 0);
        EXPECT_TRUE(pPlugin->IsKindOf(RUNTIME_CLASS(CGXPluginComponent)));
    }
    EXPECT_TRUE(::IsWindow(grid.m_hWnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(grid.m_hWnd), static_cast<CWnd*>(&grid));
    CFirstPlugin unplugged;
    EXPECT_TRUE(unplugged.PlugIn(nullptr));
    EXPECT_EQ(unplugged.m_hWnd, nullptr);
}

// A static splitter arrangement: its panes, their ids and layout, and the shared scroll bars.
#include "FakeServices.h"
#include "TestSupport.h"

namespace {

class CPaneView : public CView {
    DECLARE_DYNCREATE(CPaneView)
public:
    void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(CPaneView, CView)

class CFrameWithSplitter : public CFrameWnd {
public:
    CSplitterWnd splitter;

protected:
    BOOL OnCreateClient(LPCREATESTRUCTA, CCreateContext* pContext) override
    {
        return splitter.CreateStatic(this, 1, 2, WS_CHILD | WS_VISIBLE | WS_HSCROLL | SPLS_DYNAMIC_SPLIT) &&
               splitter.CreateView(0, 0, RUNTIME_CLASS(CPaneView), CSize(120, 100), pContext) &&
               splitter.CreateView(0, 1, RUNTIME_CLASS(CPaneView), CSize(0, 0), pContext);
    }
};

TEST(Splitter, StaticPanesHaveTheirIdsPlacesAndTheSharedScrollBar)
{
    CWinApp app{"Ondrix"};
    CDocument document;
    document.m_bAutoDelete = FALSE; // on the stack
    CCreateContext context;
    context.m_pCurrentDoc = &document;
    auto* pFrame = new CFrameWithSplitter;
    ASSERT_TRUE(pFrame->Create(nullptr, "split", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300), nullptr, nullptr, 0,
                               &context));
    CSplitterWnd& splitter = pFrame->splitter;
    EXPECT_EQ(splitter.GetRowCount(), 1);
    EXPECT_EQ(splitter.GetColumnCount(), 2);

    CWnd* pFirst = splitter.GetPane(0, 0);
    CWnd* pSecond = splitter.GetPane(0, 1);
    ASSERT_NE(pSecond, nullptr);
    EXPECT_TRUE(pSecond->IsKindOf(RUNTIME_CLASS(CPaneView)));
    EXPECT_NE(pSecond, pFirst);
    EXPECT_EQ(pSecond->GetDlgCtrlID(), 0xE901);
    EXPECT_EQ(splitter.IdFromRowCol(2, 3), 0xE900 + 2 * 16 + 3);
    int row = -1, col = -1;
    EXPECT_TRUE(splitter.IsChildPane(pSecond, &row, &col));
    EXPECT_EQ(row, 0);
    EXPECT_EQ(col, 1);
    EXPECT_FALSE(splitter.IsChildPane(pFrame, &row, &col));
    ExpectInvalidArg([&] { splitter.GetPane(1, 0); }, "outside");

    // both views joined the document; the first became the frame's active view
    EXPECT_EQ(static_cast<CView*>(pSecond)->GetDocument(), &document);
    EXPECT_EQ(pFrame->GetActiveView(), pFirst);
    EXPECT_TRUE(splitter.GetStyle() & SPLS_DYNAMIC_SPLIT);

    // the first column is as wide as asked, the second takes the rest above the shared bar
    CRect rectSplitter, rectFirst, rectSecond;
    splitter.GetClientRect(&rectSplitter);
    pFirst->GetWindowRect(&rectFirst);
    pSecond->GetWindowRect(&rectSecond);
    splitter.ScreenToClient(&rectFirst);
    splitter.ScreenToClient(&rectSecond);
    const int cyBar = ::GetSystemMetrics(SM_CYHSCROLL);
    EXPECT_EQ(rectFirst, CRect(0, 0, 120, rectSplitter.bottom - cyBar));
    EXPECT_EQ(rectSecond, CRect(120, 0, rectSplitter.right, rectSplitter.bottom - cyBar));

    // panes without a bar of their own share the splitter's; there is no vertical one
    CScrollBar* pShared = static_cast<CView*>(pSecond)->GetScrollBarCtrl(SB_HORZ);
    ASSERT_NE(pShared, nullptr);
    EXPECT_EQ(pShared->GetDlgCtrlID(), 59904);
    EXPECT_EQ(static_cast<CView*>(pFirst)->GetScrollBarCtrl(SB_HORZ), pShared);
    EXPECT_EQ(static_cast<CView*>(pFirst)->GetScrollBarCtrl(SB_VERT), nullptr);
    pFirst->ModifyStyle(0, WS_HSCROLL);
    EXPECT_EQ(static_cast<CView*>(pFirst)->GetScrollBarCtrl(SB_HORZ), nullptr);

    pFrame->DestroyWindow();
}

} // namespace

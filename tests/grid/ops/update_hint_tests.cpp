// Update hints between the views of one document: a sender's hint makes the other views replay the
// named operation with the same arguments and hint creation off, once and without echo; hints of
// another grid and other objects are refused with the module's answers; the scroll hints reach only
// the neighbouring pane of a splitter and the zoom hints only the panes of the sender's splitter
// (unless every view zooms); a view that cannot store its edit fails the sender's transfer.
#include "view_test_support.h"

#include "grid/engine/GXGridHint.h"
#include "grid/ops/GXGridUpdateHintImp.h"

#include <functional>
#include <string>
#include <vector>

// the test support's classes, once for this program
GX_IMPLEMENT_CONTROL(CTestControl, CGXControl)
IMPLEMENT_DYNCREATE(CTestGridView, CGXGridView)

namespace {

// A grid view that counts its broadcasts and, while m_bLog is set, only notes the operations a hint
// replays (with their arguments and bCreateHint) instead of doing them.
class CHintView : public CTestGridView {
    DECLARE_DYNCREATE(CHintView)
public:
    template <class... A>
    bool Note(const char* pszName, const A&... args)
    {
        if (m_bLog)
            m_log.push_back(Call(pszName, args...));
        return m_bLog;
    }
    void UpdateAllViews(CWnd* pSender, LPARAM lHint, CObject* pHint) override
    {
        ++m_nBroadcasts;
        if (auto* p = dynamic_cast<CGXGridHint*>(pHint);
            p != nullptr && (p->m_nId == CGXGridHint::gxHintTopRow || p->m_nId == CGXGridHint::gxHintLeftCol))
            m_scrollTargets.push_back(p->m_pData);
        CTestGridView::UpdateAllViews(pSender, lHint, pHint);
    }
    void Redraw(UINT f, BOOL b) override
    {
        if (!Note("Redraw", f, b))
            CTestGridView::Redraw(f, b);
    }
    void RedrawRowCol(ROWCOL t, ROWCOL l, ROWCOL bo, ROWCOL r, UINT f, BOOL b) override
    {
        if (!Note("RedrawRowCol", t, l, bo, r, f, b))
            CTestGridView::RedrawRowCol(t, l, bo, r, f, b);
    }
    void UpdateChangedRowCount(ROWCOL n, UINT f, BOOL b) override
    {
        if (!Note("UpdateChangedRowCount", n, f, b))
            CTestGridView::UpdateChangedRowCount(n, f, b);
    }
    void UpdateChangedColCount(ROWCOL n, UINT f, BOOL b) override { Note("UpdateChangedColCount", n, f, b); }
    void OnRowHeightChanged(ROWCOL a, ROWCOL z, const int* p, UINT f, BOOL b) override
    {
        Note("OnRowHeightChanged", a, z, p, f, b);
    }
    void OnColWidthChanged(ROWCOL a, ROWCOL z, const int* p, UINT f, BOOL b) override
    {
        Note("OnColWidthChanged", a, z, p, f, b);
    }
    void UpdateInsertRows(ROWCOL a, ROWCOL n, UINT f, BOOL b) override
    {
        if (!Note("UpdateInsertRows", a, n, f, b))
            CTestGridView::UpdateInsertRows(a, n, f, b);
    }
    void UpdateInsertCols(ROWCOL a, ROWCOL n, UINT f, BOOL b) override { Note("UpdateInsertCols", a, n, f, b); }
    void UpdateRemoveRows(ROWCOL a, ROWCOL z, const int* p, UINT f, BOOL b) override
    {
        if (!Note("UpdateRemoveRows", a, z, p, f, b))
            CTestGridView::UpdateRemoveRows(a, z, p, f, b);
    }
    void UpdateRemoveCols(ROWCOL a, ROWCOL z, const int* p, UINT f, BOOL b) override
    {
        Note("UpdateRemoveCols", a, z, p, f, b);
    }
    void UpdateMoveRows(ROWCOL a, ROWCOL z, ROWCOL d, UINT f, BOOL b) override { Note("UpdateMoveRows", a, z, d, f, b); }
    void UpdateMoveCols(ROWCOL a, ROWCOL z, ROWCOL d, UINT f, BOOL b) override { Note("UpdateMoveCols", a, z, d, f, b); }
    void RedrawRangeChange(POSITION pos, ROWCOL t, ROWCOL l, ROWCOL bo, ROWCOL r, BOOL b) override
    {
        if (!Note("RedrawRangeChange", pos, t, l, bo, r, b))
            CTestGridView::RedrawRangeChange(pos, t, l, bo, r, b);
    }
    void RedrawSelection(BOOL b) override
    {
        if (!Note("RedrawSelection", b))
            CTestGridView::RedrawSelection(b);
    }
    void UpdateFrozenRows(ROWCOL a, ROWCOL h, UINT f, BOOL b) override { Note("UpdateFrozenRows", a, h, f, b); }
    void UpdateFrozenCols(ROWCOL a, ROWCOL h, UINT f, BOOL b) override { Note("UpdateFrozenCols", a, h, f, b); }
    void OnChangedStyleRange(const CGXCellRange& r, const CGXStyle* s, int m, int k, UINT f, BOOL b) override
    {
        Note("OnChangedStyleRange", r, s, m, k, f, b);
    }
    void UpdateCoveredCellsRowCol(ROWCOL t, ROWCOL l, ROWCOL bo, ROWCOL r, UINT f, BOOL b) override
    {
        if (!Note("UpdateCoveredCellsRowCol", t, l, bo, r, f, b))
            CTestGridView::UpdateCoveredCellsRowCol(t, l, bo, r, f, b);
    }
    void OnZoomChanged(int n, UINT f, BOOL b) override
    {
        if (!Note("OnZoomChanged", n, f, b))
            CTestGridView::OnZoomChanged(n, f, b);
    }
    void SetZoomValue(int n, BOOL b) override
    {
        if (!Note("SetZoomValue", n, b))
            CTestGridView::SetZoomValue(n, b);
    }
    void RefreshCurrentCellControl() override { Note("RefreshCurrentCellControl"); }
    void UpdateReadOnly(BOOL b) override
    {
        if (!Note("UpdateReadOnly", b))
            CTestGridView::UpdateReadOnly(b);
    }
    void RedrawSelectionDifference(const CGXCellRange& r, const CGXRangeList* p, BOOL b) override
    {
        if (!Note("RedrawSelectionDifference", r, p, b))
            CTestGridView::RedrawSelectionDifference(r, p, b);
    }
    BOOL TransferCurrentCell(BOOL s, UINT f, BOOL b) override
    {
        return Note("TransferCurrentCell", s, f, b) ? m_bTransferAnswer : CTestGridView::TransferCurrentCell(s, f, b);
    }
    BOOL SetTopRow(ROWCOL n, UINT f, BOOL b) override
    {
        return Note("SetTopRow", n, f, b) || CTestGridView::SetTopRow(n, f, b);
    }
    BOOL SetLeftCol(ROWCOL n, UINT f, BOOL b) override
    {
        return Note("SetLeftCol", n, f, b) || CTestGridView::SetLeftCol(n, f, b);
    }
    BOOL SetCurrentCell(ROWCOL r, ROWCOL c, UINT f) override
    {
        return Note("SetCurrentCell", r, c, f) || CTestGridView::SetCurrentCell(r, c, f);
    }
    void RedrawFloatedCells(ROWCOL r, ROWCOL c, ROWCOL tr, ROWCOL tc, UINT f, BOOL b) override
    {
        Note("RedrawFloatedCells", r, c, tr, tc, f, b);
    }
    void RedrawMergedCells(ROWCOL r, ROWCOL c, ROWCOL tr, ROWCOL tc, UINT f, BOOL b) override
    {
        Note("RedrawMergedCells", r, c, tr, tc, f, b);
    }
    BOOL HideExcelLikeFrame(BOOL h, BOOL b) override { return Note("HideExcelLikeFrame", h, b); }
    void UpdateMoveDataRows(const CGXCellRange& r, UINT f, BOOL b) override { Note("UpdateMoveDataRows", r, f, b); }
    void UpdateMoveDataCols(const CGXCellRange& r, UINT f, BOOL b) override { Note("UpdateMoveDataCols", r, f, b); }
    void OnChangedProperties(UINT f, BOOL b) override { Note("OnChangedProperties", f, b); }
    void OnChangedStylesMap(UINT f, BOOL b) override { Note("OnChangedStylesMap", f, b); }
    void OnChangedBaseStyle(WORD n, UINT f, BOOL b) override { Note("OnChangedBaseStyle", n, f, b); }
    BOOL RecalcAndShowErrors(BOOL r, CString* p, BOOL b) override { return Note("RecalcAndShowErrors", r, p, b); }

    BOOL m_bLog = FALSE;
    BOOL m_bTransferAnswer = TRUE;
    int m_nBroadcasts = 0;
    std::vector<std::string> m_log;
    // The pane each scroll hint this view sent names.
    std::vector<const void*> m_scrollTargets;
};
IMPLEMENT_DYNCREATE(CHintView, CTestGridView)

// A naming callback that notes the windows and titles it is handed.
struct NotedNaming : CGXGridNamingCallback {
    void OnGridTitle(CWnd* pWnd, const CString& strTitle, BOOL bHasTitle) override
    {
        titles.push_back(Call("OnGridTitle", pWnd, std::string(strTitle), bHasTitle));
    }
    void GetTitle(CWnd*, CString&, WPARAM) override {}
    std::vector<std::string> titles;
};

// Frames of views of one document: a splitter of nRows by nCols of them, and further frames as a
// test adds them. The first pane sends, with the hint switch on.
class HintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReleaseModifierKeys(fake);
        // the grid's own inserts and removals run as long operations, which read the clock
        fake.SetTickCount(0);
    }
    void TearDown() override
    {
        for (CGridFrame* pFrame : frames)
            pFrame->DestroyWindow();
    }
    // A frame of the document's views (a splitter of nRows by nCols, or one view for 0 by 0); every
    // view it holds joins views.
    void AddFrame(int nRows, int nCols)
    {
        CGridFrame* pFrame = MakeGridFrame(&document, 640, 480, nRows, nCols, RUNTIME_CLASS(CHintView));
        ASSERT_NE(pFrame, nullptr);
        frames.push_back(pFrame);
        if (nRows == 0) {
            views.push_back(dynamic_cast<CHintView*>(pFrame->GetActiveView()));
        } else {
            for (int r = 0; r < nRows; ++r)
                for (int c = 0; c < nCols; ++c)
                    views.push_back(dynamic_cast<CHintView*>(pFrame->m_splitter.GetPane(r, c)));
        }
        for (CHintView* pView : views)
            ASSERT_NE(pView, nullptr);
        views[0]->SetDocumentLink(TRUE);
    }
    CHintView& Sender() { return *views[0]; }
    CGXAbstractGridUpdateHintImp& Hints() { return *Sender().m_pUpdateHintImp; }
    // The other views note what they replay from now on; the counts and logs start empty.
    void LogReceivers()
    {
        for (CHintView* pView : views) {
            pView->m_bLog = pView != views[0];
            pView->m_log.clear();
            pView->m_nBroadcasts = 0;
        }
    }
    std::vector<std::string> LogOf(size_t nView) const { return views[nView]->m_log; }

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CGridDocument document{40, 10};
    std::vector<CGridFrame*> frames;
    std::vector<CHintView*> views;
};

}  // namespace

TEST_F(HintTest, EachSenderMakesTheOtherViewsReplayItsOperationOnceWithoutAHint)
{
    AddFrame(1, 2);
    AddFrame(0, 0);
    static const int anSizes[] = {33};
    const CGXStyle* pStyle = reinterpret_cast<const CGXStyle*>(uintptr_t(0x5150));
    const CGXRangeList* pList = reinterpret_cast<const CGXRangeList*>(uintptr_t(0x5160));
    const POSITION pos = reinterpret_cast<POSITION>(uintptr_t(0x5170));
    const CGXCellRange range(1, 2, 3, 4);
    CGXAbstractGridUpdateHintImp& h = Hints();
    CGXGridCore* g = &Sender();
    const std::string sizes = ArgText(static_cast<const int*>(anSizes)), style = ArgText(pStyle), list = ArgText(pList), at = ArgText(pos);
    struct Case {
        std::function<void()> send;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {[&] { h.RedrawAll(g, 1); }, "Redraw(1,0)"},
        {[&] { h.RedrawRange(g, 1, 2, 3, 4, 1); }, "RedrawRowCol(1,2,3,4,1,0)"},
        {[&] { h.OnRowCountChanged(g, 5, 2); }, "UpdateChangedRowCount(5,2,0)"},
        {[&] { h.OnColCountChanged(g, 6, 2); }, "UpdateChangedColCount(6,2,0)"},
        {[&] { h.OnRowHeightsChanged(g, 2, 3, anSizes, 1); }, "OnRowHeightChanged(2,3," + sizes + ",1,0)"},
        {[&] { h.OnColWidthsChanged(g, 3, 4, anSizes, 1); }, "OnColWidthChanged(3,4," + sizes + ",1,0)"},
        {[&] { h.OnColsInserted(g, 4, 2, 1); }, "UpdateInsertCols(4,2,1,0)"},
        {[&] { h.OnRowsInserted(g, 5, 3, 1); }, "UpdateInsertRows(5,3,1,0)"},
        {[&] { h.OnColsRemoved(g, 2, 3, anSizes, 1); }, "UpdateRemoveCols(2,3," + sizes + ",1,0)"},
        {[&] { h.OnRowsRemoved(g, 6, 7, nullptr, 1); }, "UpdateRemoveRows(6,7,null,1,0)"},
        {[&] { h.OnColsMoved(g, 1, 2, 5, 1); }, "UpdateMoveCols(1,2,5,1,0)"},
        {[&] { h.OnRowsMoved(g, 3, 4, 9, 1); }, "UpdateMoveRows(3,4,9,1,0)"},
        {[&] { h.RedrawRangeChange(g, pos, 1, 2, 3, 4); }, "RedrawRangeChange(" + at + ",1,2,3,4,0)"},
        {[&] { h.RedrawSelection(g); }, "RedrawSelection(0)"},
        {[&] { h.OnFrozenRowsChanged(g, 1, 0, 2); }, "UpdateFrozenRows(1,0,2,0)"},
        {[&] { h.OnFrozenColsChanged(g, 2, 1, 2); }, "UpdateFrozenCols(2,1,2,0)"},
        {[&] { h.OnStyleRangeChanged(g, range, pStyle, 1, -1, 2); },
         "OnChangedStyleRange(r(1,2,3,4)," + style + ",1,-1,2,0)"},
        {[&] { h.SetCoveredCellsRange(g, 2, 3, 4, 5, 2); }, "UpdateCoveredCellsRowCol(2,3,4,5,2,0)"},
        {[&] { h.RefreshCurrentCell(g, TRUE); }, "RefreshCurrentCellControl()"},
        {[&] { h.RedrawSelectionDifference(g, range, pList); }, "RedrawSelectionDifference(r(1,2,3,4)," + list + ",0)"},
        {[&] { h.EndCurrentCellEdit(g, TRUE, 6); }, "TransferCurrentCell(1,6,0)"},
        {[&] { h.SetCurrentCell(g, 3, 4, 2); }, "SetCurrentCell(3,4,66)"},
        {[&] { h.RedrawFloatedCells(g, 1, 2, 1, 5, 2); }, "RedrawFloatedCells(1,2,1,5,2,0)"},
        {[&] { h.RedrawMergedCells(g, 2, 2, 4, 2, 1); }, "RedrawMergedCells(2,2,4,2,1,0)"},
        {[&] { h.HideExcelLikeFrame(g, TRUE); }, "HideExcelLikeFrame(1,0)"},
        {[&] { h.UpdateSortRows(g, range, 2); }, "UpdateMoveDataRows(r(1,2,3,4),2,0)"},
        {[&] { h.UpdateSortCols(g, range, 1); }, "UpdateMoveDataCols(r(1,2,3,4),1,0)"},
        {[&] { h.OnPropertiesChanged(g, 2); }, "OnChangedProperties(2,0)"},
        {[&] { h.OnStylesMapChanged(g, 2); }, "OnChangedStylesMap(2,0)"},
        {[&] { h.OnBaseStyleChanged(g, 2, 1); }, "OnChangedBaseStyle(2,1,0)"},
        {[&] { h.RecalcAndRedraw(g, "Circular reference"); }, "RecalcAndShowErrors(0,null,0)"},
        {[&] { h.UpdateReadOnly(g); }, "UpdateReadOnly(0)"},
    };
    for (const Case& c : cases) {
        LogReceivers();
        c.send();
        for (size_t i = 1; i < views.size(); ++i)
            EXPECT_EQ(LogOf(i), std::vector<std::string>{c.expected}) << "view " << i;
        EXPECT_EQ(Sender().m_nBroadcasts, 1) << c.expected;
        for (size_t i = 1; i < views.size(); ++i)
            EXPECT_EQ(views[i]->m_nBroadcasts, 0) << c.expected << ": no echo";
    }

    // the zoom, by default to the panes of the sender's splitter only
    LogReceivers();
    h.SetZoomValue(g, 150);
    h.OnZoomChanged(g, 100, 2);
    EXPECT_EQ(LogOf(1), (std::vector<std::string>{"SetZoomValue(150,0)", "OnZoomChanged(100,2,0)"}));
    EXPECT_TRUE(LogOf(2).empty()) << "a view of another frame";
    document.m_param.GetViewOptions().bZoomAllViews = TRUE;
    LogReceivers();
    h.SetZoomValue(g, 150);
    EXPECT_EQ(LogOf(2), std::vector<std::string>{"SetZoomValue(150,0)"}) << "every view zooms";

    // the title goes to the library's naming callback for each other view
    NotedNaming naming;
    WithModule<CGXGridNamingCallback> withNaming(GXGetLibraryState()->m_pNamingCallback, &naming);
    document.m_param.SetTitle("Evaluations");
    h.UpdateNameText(g);
    EXPECT_EQ(naming.titles, (std::vector<std::string>{Call("OnGridTitle", views[1]->GridWnd(), std::string("Evaluations"), 1),
                                                       Call("OnGridTitle", views[2]->GridWnd(), std::string("Evaluations"), 1)}));
}

TEST_F(HintTest, TheGridsOwnOperationsSendOneHintEachThatTheOthersReplayForReal)
{
    AddFrame(2, 2);
    LogReceivers();
    for (CHintView* pView : views)
        pView->m_bLog = FALSE;
    CGXGridCore& a = Sender();
    struct Operation {
        const char* pszName;
        std::function<void()> run;
        int nHints;
    };
    // inserting and removing rows also let the other views store their edits first
    const std::vector<Operation> operations = {
        {"Redraw", [&] { a.Redraw(1); }, 1},
        {"RedrawRowCol", [&] { a.RedrawRowCol(1, 1, 3, 3, 1); }, 1},
        {"InsertRows", [&] { a.InsertRows(3, 2); }, 2},
        {"RemoveRows", [&] { a.RemoveRows(3, 4); }, 2},
        {"SelectRange", [&] { a.SelectRange(CGXCellRange(2, 2, 3, 3)); }, 1},
        {"SetRangeAtPosition", [&] { a.SetRangeAtPosition(nullptr, 0, 0, 0, 0); }, 1},
        {"SetZoomValue", [&] { a.SetZoomValue(120); }, 1},
        {"SetCoveredCellsRowCol", [&] { a.SetCoveredCellsRowCol(2, 2, 3, 3); }, 1},
        {"OnZoomChanged", [&] { a.OnZoomChanged(100); }, 1},
        {"SetCurrentCell",
         [&] {
             a.GetParam()->GetCurrentCellOptions().bCurrentCellHints = TRUE;
             a.SetCurrentCell(4, 2);
         },
         1},
    };
    for (const Operation& operation : operations) {
        for (CHintView* pView : views)
            pView->m_nBroadcasts = 0;
        operation.run();
        EXPECT_EQ(Sender().m_nBroadcasts, operation.nHints) << operation.pszName;
        for (size_t i = 1; i < views.size(); ++i)
            EXPECT_EQ(views[i]->m_nBroadcasts, 0) << operation.pszName << ": view " << i << " echoed";
    }
    EXPECT_EQ(views[3]->GetZoom(), 120) << "the zoom reached a pane of the sender's splitter";
    EXPECT_EQ(views[3]->GetRowCount(), 40u);
    EXPECT_EQ(views[3]->Current(), "4,2");
    CGXCellRange covering;
    ASSERT_TRUE(views[3]->GetCoveredCellsRowCol(3, 3, covering));
    EXPECT_EQ(covering.top, 2u);
    EXPECT_EQ(covering.right, 3u);
}

TEST_F(HintTest, ApplyHintRefusesWhatIsNotForThisGrid)
{
    AddFrame(1, 2);
    CGXAbstractGridUpdateHintImp& h = Hints();
    CHintView& b = *views[1];
    b.m_bLog = TRUE;
    CGXStyle notAHint;
    EXPECT_EQ(h.ApplyHint(&b, &notAHint), 0);
    EXPECT_EQ(h.ApplyHint(&b, nullptr), 0);
    CTestGridWnd withoutParam;
    CGXGridHint redraw(CGXGridHint::gxHintRedraw, -1);
    EXPECT_EQ(h.ApplyHint(&withoutParam, &redraw), 0);

    CGXGridHint foreign(CGXGridHint::gxHintRedraw, 7);
    EXPECT_EQ(h.ApplyHint(&b, &foreign), 7) << "another grid's hint answers its identity";
    CGXGridHint unknown(40, -1);
    EXPECT_EQ(h.ApplyHint(&b, &unknown), 39);
    CGXGridHint otherColumn(CGXGridHint::gxHintLeftCol, -1);
    otherColumn.m_pData = views[0];
    EXPECT_EQ(h.ApplyHint(&b, &otherColumn), FALSE) << "a scroll hint from another splitter column";
    EXPECT_TRUE(b.m_log.empty());

    redraw.m_nFlags = 2;
    EXPECT_TRUE(h.ApplyHint(&b, &redraw)) << "-1 is for every grid";
    b.m_nGridId = 7;
    EXPECT_TRUE(h.ApplyHint(&b, &foreign)) << "the grid of that identity";
    EXPECT_EQ(b.m_log, (std::vector<std::string>{"Redraw(2,0)", "Redraw(0,0)"}));

    LogReceivers();
    Sender().SetDocumentLink(FALSE);
    EXPECT_FALSE(Hints().RedrawAll(&Sender(), 1)) << "the hint switch is off";
    EXPECT_EQ(Sender().m_nBroadcasts, 0);
}

TEST_F(HintTest, AViewThatCannotStoreItsEditFailsTheSendersTransfer)
{
    AddFrame(1, 2);
    AddFrame(0, 0);
    LogReceivers();
    CGXGridCore& a = Sender();
    EXPECT_TRUE(a.TransferCurrentCell(TRUE, 6));
    views[2]->m_bTransferAnswer = FALSE;
    EXPECT_FALSE(a.TransferCurrentCell(TRUE, 6)) << "one view's refusal is the answer";
    EXPECT_EQ(LogOf(1), (std::vector<std::string>{"TransferCurrentCell(1,6,0)", "TransferCurrentCell(1,6,0)"}));
}

TEST_F(HintTest, ScrollHintsReachOnlyTheNeighbouringPane)
{
    AddFrame(2, 2);
    AddFrame(0, 0);
    CGXGridCore& a = Sender();
    LogReceivers();
    a.SetTopRow(12, 0);
    EXPECT_EQ(LogOf(1), std::vector<std::string>{"SetTopRow(12,0,0)"}) << "the same splitter row";
    for (size_t i : {2, 3, 4})
        EXPECT_TRUE(LogOf(i).empty()) << "view " << i;
    LogReceivers();
    a.SetLeftCol(3, 0);
    EXPECT_EQ(LogOf(2), std::vector<std::string>{"SetLeftCol(3,0,0)"}) << "the same splitter column";
    for (size_t i : {1, 3, 4})
        EXPECT_TRUE(LogOf(i).empty()) << "view " << i;
    LogReceivers();
    EXPECT_TRUE(a.OnScrollBySteps(CGXGridCore::gxDown, 2));
    EXPECT_EQ(LogOf(1), std::vector<std::string>{"SetTopRow(" + std::to_string(a.GetTopRow()) + ",2,0)"});
    EXPECT_EQ(Sender().m_scrollTargets, (std::vector<const void*>{views[1], views[2], views[1]}))
        << "each hint names the pane it is for";

    // from the lower right pane: its row's left pane, its column's upper pane
    CHintView& d = *views[3];
    LogReceivers();
    Sender().m_bLog = TRUE;
    d.m_bLog = FALSE;
    d.SetDocumentLink(TRUE);
    static_cast<CGXGridCore&>(d).SetTopRow(7, 0);
    static_cast<CGXGridCore&>(d).SetLeftCol(2, 0);
    EXPECT_EQ(d.m_scrollTargets, (std::vector<const void*>{views[2], views[1]}));
    EXPECT_EQ(LogOf(2), std::vector<std::string>{"SetTopRow(7,0,0)"});
    EXPECT_EQ(LogOf(1), std::vector<std::string>{"SetLeftCol(2,0,0)"});
    EXPECT_TRUE(LogOf(0).empty() && LogOf(4).empty());
    Sender().m_bLog = FALSE;

    // a view outside a splitter tells nobody where it scrolled
    CHintView& alone = *views[4];
    LogReceivers();
    alone.m_bLog = FALSE;
    alone.SetDocumentLink(TRUE);
    static_cast<CGXGridCore&>(alone).SetTopRow(5, 0);
    static_cast<CGXGridCore&>(alone).SetLeftCol(2, 0);
    EXPECT_EQ(alone.m_nBroadcasts, 0);
    CGXAbstractGridUpdateHintImp& h = Hints();
    EXPECT_EQ(h.ScrollCells(&alone, CGXGridCore::gxDown, 1), 0);
    EXPECT_EQ(h.ScrollCells(&alone, 6, 1), 2) << "not a scroll direction";
}

TEST_F(HintTest, AOneRowSplitterSharesNoLeftColumn)
{
    AddFrame(1, 2);
    LogReceivers();
    CHintView& a = Sender();
    EXPECT_EQ(Hints().ScrollCells(&a, CGXGridCore::gxRight, 1), 1) << "the splitter's one row";
    EXPECT_FALSE(Hints().SetLeftCol(&a, 2, 0));
    EXPECT_TRUE(Hints().ScrollCells(&a, CGXGridCore::gxDown, 1));
    EXPECT_EQ(LogOf(1), std::vector<std::string>{"SetTopRow(" + std::to_string(a.GetTopRow()) + ",2,0)"});
    EXPECT_EQ(a.m_nBroadcasts, 1);
}

// Hints between the grid views of one document: each sending operation's hint makes the other views
// replay the named operation with bCreateHint FALSE; a hint of another grid's identity is ignored;
// scroll hints reach only the neighbouring pane of a splitter.
#include "window_form_test_support.h"

#include "grid/engine/GXGridHint.h"

#include <functional>
#include <string>
#include <vector>

namespace {

// A grid view that, while m_bLog is set, only notes the operations a hint replays (with their
// arguments and bCreateHint) instead of doing them.
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
    void UpdateChangedRowCount(ROWCOL n, UINT f, BOOL b) override { Note("UpdateChangedRowCount", n, f, b); }
    void UpdateChangedColCount(ROWCOL n, UINT f, BOOL b) override { Note("UpdateChangedColCount", n, f, b); }
    void OnRowHeightChanged(ROWCOL a, ROWCOL z, const int* p, UINT f, BOOL b) override
    {
        Note("OnRowHeightChanged", a, z, p != nullptr ? p[0] : -1, f, b);
    }
    void OnColWidthChanged(ROWCOL a, ROWCOL z, const int* p, UINT f, BOOL b) override
    {
        Note("OnColWidthChanged", a, z, p != nullptr ? p[0] : -1, f, b);
    }
    void UpdateInsertRows(ROWCOL a, ROWCOL n, UINT f, BOOL b) override { Note("UpdateInsertRows", a, n, f, b); }
    void UpdateInsertCols(ROWCOL a, ROWCOL n, UINT f, BOOL b) override { Note("UpdateInsertCols", a, n, f, b); }
    void UpdateRemoveRows(ROWCOL a, ROWCOL z, const int* p, UINT f, BOOL b) override
    {
        Note("UpdateRemoveRows", a, z, p != nullptr ? p[0] : -1, f, b);
    }
    void UpdateRemoveCols(ROWCOL a, ROWCOL z, const int* p, UINT f, BOOL b) override
    {
        Note("UpdateRemoveCols", a, z, p != nullptr ? p[0] : -1, f, b);
    }
    void UpdateMoveRows(ROWCOL a, ROWCOL z, ROWCOL d, UINT f, BOOL b) override { Note("UpdateMoveRows", a, z, d, f, b); }
    void UpdateMoveCols(ROWCOL a, ROWCOL z, ROWCOL d, UINT f, BOOL b) override { Note("UpdateMoveCols", a, z, d, f, b); }
    void UpdateFrozenRows(ROWCOL a, ROWCOL h, UINT f, BOOL b) override { Note("UpdateFrozenRows", a, h, f, b); }
    void UpdateFrozenCols(ROWCOL a, ROWCOL h, UINT f, BOOL b) override { Note("UpdateFrozenCols", a, h, f, b); }
    void OnChangedStyleRange(const CGXCellRange& r, const CGXStyle* s, int m, int k, UINT f, BOOL b) override
    {
        Note("OnChangedStyleRange", r.top, r.left, r.bottom, r.right, s, m, k, f, b);
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
    void OnChangedProperties(UINT f, BOOL b) override { Note("OnChangedProperties", f, b); }
    void OnChangedStylesMap(UINT f, BOOL b) override { Note("OnChangedStylesMap", f, b); }
    void OnChangedBaseStyle(WORD n, UINT f, BOOL b) override { Note("OnChangedBaseStyle", n, f, b); }
    BOOL RecalcAndShowErrors(BOOL r, CString* p, BOOL b) override { return Note("RecalcAndShowErrors", r, p, b); }

    BOOL m_bLog = FALSE;
    BOOL m_bTransferAnswer = TRUE;
    std::vector<std::string> m_log;
};
IMPLEMENT_DYNCREATE(CHintView, CTestGridView)

// An update-hint module as the grid operations build it: each sending operation packs its arguments
// into a CGXGridHint of the sending grid's identity and hands it to the document's other views; the
// receiving side replays it.
struct HintSender : FakeUpdateHintImp {
    BOOL ApplyHint(CGXGridCore* g, CObject* p) override { return GXApplyGridHint(g, p); }

    // Builds hint nId of g, lets fill set its fields and sends it; returns its count afterwards.
    int Send(CGXGridCore* g, int nId, const std::function<void(CGXGridHint&)>& fill)
    {
        CGXGridHint hint(nId, g->m_nGridId);
        fill(hint);
        g->UpdateAllViews(g->GridWnd(), 0, &hint);
        return hint.m_nCount;
    }
    BOOL RedrawAll(CGXGridCore* g, UINT f) override { return Send(g, 1, [&](CGXGridHint& h) { h.m_nFlags = f; }); }
    BOOL RedrawRange(CGXGridCore* g, ROWCOL t, ROWCOL l, ROWCOL b, ROWCOL r, UINT f) override
    {
        return Send(g, 2, [&](CGXGridHint& h) {
            h.m_nRow1 = t, h.m_nCol1 = l, h.m_nRow2 = b, h.m_nCol2 = r, h.m_nFlags = f;
        });
    }
    BOOL OnRowCountChanged(CGXGridCore* g, ROWCOL a, UINT f) override
    {
        return Send(g, 3, [&](CGXGridHint& h) { h.m_nRow1 = a, h.m_nFlags = f; });
    }
    BOOL OnColCountChanged(CGXGridCore* g, ROWCOL a, UINT f) override
    {
        return Send(g, 4, [&](CGXGridHint& h) { h.m_nCol1 = a, h.m_nFlags = f; });
    }
    BOOL OnRowHeightsChanged(CGXGridCore* g, ROWCOL a, ROWCOL z, const int* p, UINT f) override
    {
        return Send(g, 5, [&](CGXGridHint& h) { h.m_nRow1 = a, h.m_nRow2 = z, h.m_pData = p, h.m_nFlags = f; });
    }
    BOOL OnColWidthsChanged(CGXGridCore* g, ROWCOL a, ROWCOL z, const int* p, UINT f) override
    {
        return Send(g, 6, [&](CGXGridHint& h) { h.m_nCol1 = a, h.m_nCol2 = z, h.m_pData = p, h.m_nFlags = f; });
    }
    BOOL OnColsInserted(CGXGridCore* g, ROWCOL a, ROWCOL n, UINT f) override
    {
        return Send(g, 7, [&](CGXGridHint& h) { h.m_nCol1 = a, h.m_nCount = int(n), h.m_nFlags = f; });
    }
    BOOL OnRowsInserted(CGXGridCore* g, ROWCOL a, ROWCOL n, UINT f) override
    {
        return Send(g, 8, [&](CGXGridHint& h) { h.m_nRow1 = a, h.m_nCount = int(n), h.m_nFlags = f; });
    }
    BOOL OnColsRemoved(CGXGridCore* g, ROWCOL a, ROWCOL z, const int* p, UINT f) override
    {
        return Send(g, 9, [&](CGXGridHint& h) { h.m_nCol1 = a, h.m_nCol2 = z, h.m_pData = p, h.m_nFlags = f; });
    }
    BOOL OnRowsRemoved(CGXGridCore* g, ROWCOL a, ROWCOL z, const int* p, UINT f) override
    {
        return Send(g, 10, [&](CGXGridHint& h) { h.m_nRow1 = a, h.m_nRow2 = z, h.m_pData = p, h.m_nFlags = f; });
    }
    BOOL OnColsMoved(CGXGridCore* g, ROWCOL a, ROWCOL z, ROWCOL d, UINT f) override
    {
        return Send(g, 11, [&](CGXGridHint& h) { h.m_nCol1 = a, h.m_nCol2 = z, h.m_nCol3 = d, h.m_nFlags = f; });
    }
    BOOL OnRowsMoved(CGXGridCore* g, ROWCOL a, ROWCOL z, ROWCOL d, UINT f) override
    {
        return Send(g, 12, [&](CGXGridHint& h) { h.m_nRow1 = a, h.m_nRow2 = z, h.m_nRow3 = d, h.m_nFlags = f; });
    }
    BOOL OnFrozenRowsChanged(CGXGridCore* g, ROWCOL a, ROWCOL z, UINT f) override
    {
        return Send(g, 15, [&](CGXGridHint& h) { h.m_nRow1 = a, h.m_nRow2 = z, h.m_nFlags = f; });
    }
    BOOL OnFrozenColsChanged(CGXGridCore* g, ROWCOL a, ROWCOL z, UINT f) override
    {
        return Send(g, 16, [&](CGXGridHint& h) { h.m_nCol1 = a, h.m_nCol2 = z, h.m_nFlags = f; });
    }
    BOOL OnStyleRangeChanged(CGXGridCore* g, const CGXCellRange& r, const CGXStyle* s, int m, int k, UINT f) override
    {
        return Send(g, 17, [&](CGXGridHint& h) { h.m_range = r, h.m_pStyle = s, h.m_nMode = m, h.m_nValue = k, h.m_nFlags = f; });
    }
    BOOL EndCurrentCellEdit(CGXGridCore* g, BOOL b, UINT f) override
    {
        return Send(g, 24, [&](CGXGridHint& h) { h.m_nValue = b, h.m_nFlags = f, h.m_nCount = 1; });
    }
    BOOL SetTopRow(CGXGridCore* g, ROWCOL n, UINT f) override
    {
        return Send(g, 25, [&](CGXGridHint& h) { h.m_nRow1 = n, h.m_nFlags = f, h.m_pData = g->GridWnd(); });
    }
    BOOL SetLeftCol(CGXGridCore* g, ROWCOL n, UINT f) override
    {
        return Send(g, 26, [&](CGXGridHint& h) { h.m_nCol1 = n, h.m_nFlags = f, h.m_pData = g->GridWnd(); });
    }
    BOOL SetCurrentCell(CGXGridCore* g, ROWCOL r, ROWCOL c, UINT f) override
    {
        return Send(g, 27, [&](CGXGridHint& h) { h.m_nRow1 = r, h.m_nCol1 = c, h.m_nFlags = f; });
    }
    BOOL OnPropertiesChanged(CGXGridCore* g, UINT f) override { return Send(g, 33, [&](CGXGridHint& h) { h.m_nFlags = f; }); }
    BOOL OnStylesMapChanged(CGXGridCore* g, UINT f) override { return Send(g, 34, [&](CGXGridHint& h) { h.m_nFlags = f; }); }
    BOOL OnBaseStyleChanged(CGXGridCore* g, WORD n, UINT f) override
    {
        return Send(g, 35, [&](CGXGridHint& h) { h.m_nCount = 0x10000 | n, h.m_nFlags = f; });
    }
    BOOL RecalcAndRedraw(CGXGridCore* g, const char* p) override { return Send(g, 36, [&](CGXGridHint& h) { h.m_pData = p; }); }
};

// A frame of two by two grid views of one document, each with the sending module; the first pane
// sends, the others note what they replay.
class GridHintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReleaseModifierKeys(fake);
        pFrame = MakeGridFrame(&document, 640, 480, 2, 2, RUNTIME_CLASS(CHintView));
        ASSERT_NE(pFrame, nullptr);
        for (int r = 0; r < 2; r++)
            for (int c = 0; c < 2; c++) {
                panes[r][c] = dynamic_cast<CHintView*>(pFrame->m_splitter.GetPane(r, c));
                ASSERT_NE(panes[r][c], nullptr);
                panes[r][c]->m_pUpdateHintImp = &sender;
            }
        pSender = panes[0][0];
        pSender->SetDocumentLink(TRUE);
        for (CHintView* pReceiver : Receivers())
            pReceiver->m_bLog = TRUE;
    }
    void TearDown() override
    {
        for (int r = 0; r < 2; r++)
            for (int c = 0; c < 2; c++)
                panes[r][c]->m_pUpdateHintImp = nullptr;
        pFrame->DestroyWindow();
    }
    std::vector<CHintView*> Receivers() { return {panes[0][1], panes[1][0], panes[1][1]}; }
    void ClearLogs()
    {
        for (CHintView* pReceiver : Receivers())
            pReceiver->m_log.clear();
    }

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CGridDocument document{40, 10};
    CGridFrame* pFrame = nullptr;
    CHintView* panes[2][2] = {};
    CHintView* pSender = nullptr;
    HintSender sender;
};

}  // namespace

TEST_F(GridHintTest, EachSendersHintMakesTheOtherViewsReplayItsOperation)
{
    static const int anSizes[] = {33};
    const CGXStyle* pStyle = reinterpret_cast<const CGXStyle*>(uintptr_t(0x5150));
    struct Case {
        std::function<void(CGXGridCore*)> send;
        std::string expected;
    };
    const std::string style = ArgText(pStyle);
    const std::vector<Case> cases = {
        {[&](CGXGridCore* g) { sender.RedrawAll(g, 1); }, "Redraw(1,0)"},
        {[&](CGXGridCore* g) { sender.RedrawRange(g, 1, 2, 3, 4, 1); }, "RedrawRowCol(1,2,3,4,1,0)"},
        {[&](CGXGridCore* g) { sender.OnRowCountChanged(g, 5, 2); }, "UpdateChangedRowCount(5,2,0)"},
        {[&](CGXGridCore* g) { sender.OnColCountChanged(g, 6, 2); }, "UpdateChangedColCount(6,2,0)"},
        {[&](CGXGridCore* g) { sender.OnRowHeightsChanged(g, 2, 2, anSizes, 1); }, "OnRowHeightChanged(2,2,33,1,0)"},
        {[&](CGXGridCore* g) { sender.OnColWidthsChanged(g, 3, 3, anSizes, 1); }, "OnColWidthChanged(3,3,33,1,0)"},
        {[&](CGXGridCore* g) { sender.OnColsInserted(g, 4, 2, 1); }, "UpdateInsertCols(4,2,1,0)"},
        {[&](CGXGridCore* g) { sender.OnRowsInserted(g, 5, 3, 1); }, "UpdateInsertRows(5,3,1,0)"},
        {[&](CGXGridCore* g) { sender.OnColsRemoved(g, 2, 3, anSizes, 1); }, "UpdateRemoveCols(2,3,33,1,0)"},
        {[&](CGXGridCore* g) { sender.OnRowsRemoved(g, 6, 7, nullptr, 1); }, "UpdateRemoveRows(6,7,-1,1,0)"},
        {[&](CGXGridCore* g) { sender.OnColsMoved(g, 1, 2, 5, 1); }, "UpdateMoveCols(1,2,5,1,0)"},
        {[&](CGXGridCore* g) { sender.OnRowsMoved(g, 3, 4, 9, 1); }, "UpdateMoveRows(3,4,9,1,0)"},
        {[&](CGXGridCore* g) { sender.OnFrozenRowsChanged(g, 1, 0, 2); }, "UpdateFrozenRows(1,0,2,0)"},
        {[&](CGXGridCore* g) { sender.OnFrozenColsChanged(g, 2, 1, 2); }, "UpdateFrozenCols(2,1,2,0)"},
        {[&](CGXGridCore* g) { sender.OnStyleRangeChanged(g, CGXCellRange(1, 2, 3, 4), pStyle, 1, -1, 2); },
         "OnChangedStyleRange(1,2,3,4," + style + ",1,-1,2,0)"},
        {[&](CGXGridCore* g) { sender.EndCurrentCellEdit(g, TRUE, 6); }, "TransferCurrentCell(1,6,0)"},
        {[&](CGXGridCore* g) { sender.SetCurrentCell(g, 3, 4, 2); }, "SetCurrentCell(3,4,66)"},
        {[&](CGXGridCore* g) { sender.OnPropertiesChanged(g, 2); }, "OnChangedProperties(2,0)"},
        {[&](CGXGridCore* g) { sender.OnStylesMapChanged(g, 2); }, "OnChangedStylesMap(2,0)"},
        {[&](CGXGridCore* g) { sender.OnBaseStyleChanged(g, 2, 1); }, "OnChangedBaseStyle(2,1,0)"},
        {[&](CGXGridCore* g) { sender.RecalcAndRedraw(g, "Circular reference"); }, "RecalcAndShowErrors(0,null,0)"},
    };
    for (const Case& c : cases) {
        ClearLogs();
        c.send(pSender);
        for (CHintView* pReceiver : Receivers())
            EXPECT_EQ(pReceiver->m_log, std::vector<std::string>{c.expected});
        EXPECT_TRUE(pSender->m_log.empty()) << "the sender is not told its own hint";
    }
}

TEST_F(GridHintTest, TheSendingGridsOwnOperationsSendTheirHints)
{
    // the core's operations reach the sending module, and their hints the other views
    CGXGridCore& grid = *pSender;
    grid.Redraw(1);
    grid.GetParam()->GetCurrentCellOptions().bCurrentCellHints = TRUE;
    grid.SetCurrentCell(4, 2);
    EXPECT_EQ(panes[1][1]->m_log, (std::vector<std::string>{"Redraw(1,0)", "SetCurrentCell(4,2,70)"}));
}

TEST_F(GridHintTest, AHintOfAnotherGridsIdentityIsIgnored)
{
    pSender->m_nGridId = 7;
    sender.RedrawAll(pSender, 1);
    for (CHintView* pReceiver : Receivers())
        EXPECT_TRUE(pReceiver->m_log.empty());
    panes[1][1]->m_nGridId = 7;
    sender.RedrawAll(pSender, 1);
    EXPECT_EQ(panes[1][1]->m_log, std::vector<std::string>{"Redraw(1,0)"}) << "the same identity";
    EXPECT_TRUE(panes[0][1]->m_log.empty());

    CGXGridHint forAll(CGXGridHint::gxHintRedraw, -1);
    forAll.m_nFlags = 2;
    EXPECT_TRUE(GXApplyGridHint(panes[0][1], &forAll)) << "-1 is for every grid";
    EXPECT_EQ(panes[0][1]->m_log, std::vector<std::string>{"Redraw(2,0)"});
    CGXStyle notAHint;
    EXPECT_FALSE(GXApplyGridHint(panes[0][1], &notAHint));
}

TEST_F(GridHintTest, ScrollHintsReachOnlyTheNeighbouringPaneOfTheSplitterRowOrColumn)
{
    sender.SetTopRow(pSender, 12, 0);
    EXPECT_EQ(panes[0][1]->m_log, std::vector<std::string>{"SetTopRow(12,0,0)"}) << "the same splitter row";
    EXPECT_TRUE(panes[1][0]->m_log.empty());
    EXPECT_TRUE(panes[1][1]->m_log.empty());
    ClearLogs();
    sender.SetLeftCol(pSender, 3, 0);
    EXPECT_EQ(panes[1][0]->m_log, std::vector<std::string>{"SetLeftCol(3,0,0)"}) << "the same splitter column";
    EXPECT_TRUE(panes[0][1]->m_log.empty());
    EXPECT_TRUE(panes[1][1]->m_log.empty());
}

TEST_F(GridHintTest, AReceiverThatCannotStoreClearsTheTransferAnswer)
{
    EXPECT_TRUE(sender.EndCurrentCellEdit(pSender, TRUE, 6));
    panes[1][0]->m_bTransferAnswer = FALSE;
    EXPECT_FALSE(sender.EndCurrentCellEdit(pSender, TRUE, 6)) << "one view's refusal is the answer";
}

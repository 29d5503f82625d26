// The toolkit's dock bar: the application's panes in a row by fractions, normalising, expanding and
// contracting, the layout with splitters and client edges along each edge, tool-bar-like rows, floating
// dock bars, the tab strip, drawing (pixels), splitter limits, tracking, moves and cursors, rows of their
// own, and the bar-list menu.
#include "DockingTestSupport.h"

#include "frames/SECStatusBar.h"
#include "win/CPreviewView.h"

#include <commctrl.h>
#include <cstring>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

const int kSplitter = 6;
const int kEdge = 2;

// A bar's share of a row length, as the layout takes it (to the nearest pixel).
int Share(int nLength, float fPct)
{
    return int(float(nLength) * fPct + 0.5f);
}

// The splitters of pDockBar in the order the layout placed them, those of a row first.
std::vector<const SECDockBar::Splitter*> Splitters(const SECDockBar* pDockBar, BOOL bInRow)
{
    std::vector<const SECDockBar::Splitter*> found;
    for (const auto& pSplitter : pDockBar->GetSplitters())
        if (pSplitter->m_bInRow == bInRow)
            found.push_back(pSplitter.get());
    return found;
}

// A pane as the application's are: a caption, an edit box in a row under it, and a list under them
// down to the pane's bottom, laid out anew at every size: a report list of three lines whose one column
// is wider than the pane (so that it scrolls across too), or a tree of three lines.
class ListPane : public SECControlBar {
public:
    enum { captionHeight = 15, rowHeight = 20 }; // the pane's own layout
    explicit ListPane(BOOL bTree) : m_bTree(bTree) {}

    // Makes the pane in pFrame with control id nID and its children. FALSE when one was not made.
    BOOL Make(CFrameWnd* pFrame, UINT nID)
    {
        if (!Create(pFrame, "List pane", kPaneStyle, kPaneExStyle, nID))
            return FALSE;
        EnableDocking(CBRS_ALIGN_ANY);
        m_hWndCaption = ::CreateWindowExA(0, "Static", "Caption", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, m_hWnd, nullptr,
                                          nullptr, nullptr);
        m_hWndRow = ::CreateWindowExA(WS_EX_CLIENTEDGE, "Edit", "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, m_hWnd,
                                      nullptr, nullptr, nullptr);
        m_hWndList = ::CreateWindowExA(WS_EX_CLIENTEDGE, m_bTree ? WC_TREEVIEWA : WC_LISTVIEWA, "",
                                       WS_CHILD | WS_VISIBLE | (m_bTree ? TVS_HASLINES : LVS_REPORT), 0, 0, 0, 0,
                                       m_hWnd, nullptr, nullptr, nullptr);
        if (m_hWndCaption == nullptr || m_hWndRow == nullptr || m_hWndList == nullptr)
            return FALSE;
        if (!m_bTree) {
            LVCOLUMNA column = {};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.cx = 400;
            column.pszText = const_cast<LPSTR>("Name");
            ::SendMessageA(m_hWndList, LVM_INSERTCOLUMNA, 0, LPARAM(&column));
        }
        for (const char* pszLine : {"first", "second", "third"}) {
            if (m_bTree) {
                TVINSERTSTRUCTA insert = {};
                insert.hParent = TVI_ROOT;
                insert.hInsertAfter = TVI_LAST;
                insert.item.mask = TVIF_TEXT;
                insert.item.pszText = const_cast<LPSTR>(pszLine);
                ::SendMessageA(m_hWndList, TVM_INSERTITEMA, 0, LPARAM(&insert));
            } else {
                LVITEMA item = {};
                item.mask = LVIF_TEXT;
                item.iItem = int(::SendMessageA(m_hWndList, LVM_GETITEMCOUNT, 0, 0));
                item.pszText = const_cast<LPSTR>(pszLine);
                ::SendMessageA(m_hWndList, LVM_INSERTITEMA, 0, LPARAM(&item));
            }
        }
        LayoutChildren();
        return TRUE;
    }
    // Empties the list.
    void Empty() { ::SendMessageA(m_hWndList, m_bTree ? TVM_DELETEITEM : LVM_DELETEALLITEMS, 0, LPARAM(TVI_ROOT)); }
    // TRUE when the list shows its first line whole (inside its client area, not under a scroll bar)
    // and the caption and the row are whole inside the pane.
    BOOL ShowsItsFirstLine() const
    {
        CRect rectLine;
        if (m_bTree) {
            // the message takes the item in the rectangle's place
            const HTREEITEM hFirst = HTREEITEM(::SendMessageA(m_hWndList, TVM_GETNEXTITEM, TVGN_ROOT, 0));
            RECT rectItem = {};
            std::memcpy(&rectItem, &hFirst, sizeof hFirst);
            ::SendMessageA(m_hWndList, TVM_GETITEMRECT, FALSE, LPARAM(&rectItem));
            // a line of the tree is as high as the tree's lines are apart
            rectLine = rectItem;
            rectLine.bottom = rectLine.top + int(::SendMessageA(m_hWndList, TVM_GETITEMHEIGHT, 0, 0));
        } else {
            rectLine.left = LVIR_BOUNDS;
            ::SendMessageA(m_hWndList, LVM_GETITEMRECT, 0, LPARAM(&rectLine));
        }
        CRect rectList;
        ::GetClientRect(m_hWndList, rectList);
        CRect rectClient;
        GetClientRect(rectClient);
        CRect rectRow;
        ::GetWindowRect(m_hWndRow, rectRow);
        ScreenToClient(rectRow);
        return rectLine.Height() > 0 && rectLine.top >= rectList.top && rectLine.bottom <= rectList.bottom &&
               rectRow.bottom <= rectClient.bottom;
    }
    // The least height the pane answers, docked as it is.
    int LeastHeight() { return CalcDynamicLayout(0, SEC_LM_MINSIZE | LM_VERTDOCK).cy; }

protected:
    void LayoutChildren()
    {
        CRect rect;
        GetInsideRect(rect);
        const UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE;
        ::SetWindowPos(m_hWndCaption, nullptr, rect.left, rect.top, rect.Width(), captionHeight, nFlags);
        ::SetWindowPos(m_hWndRow, nullptr, rect.left, rect.top + captionHeight, rect.Width(), rowHeight, nFlags);
        const int nListTop = rect.top + captionHeight + rowHeight;
        ::SetWindowPos(m_hWndList, nullptr, rect.left, nListTop, rect.Width(), (std::max)(0, int(rect.bottom) - nListTop),
                       nFlags);
    }
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        SECControlBar::OnSize(nType, cx, cy);
        if (m_hWndList != nullptr)
            LayoutChildren();
    }
    DECLARE_MESSAGE_MAP()

    BOOL m_bTree;
    HWND m_hWndCaption = nullptr;
    HWND m_hWndRow = nullptr;
    HWND m_hWndList = nullptr;
};
BEGIN_MESSAGE_MAP(ListPane, SECControlBar)
    ON_WM_SIZE()
END_MESSAGE_MAP()

class DockBarTest : public DockingTest {
protected:
    // Repaints pPane now, so that its gripper buttons follow the dock bar.
    static void Repaint(CWnd* pPane) { pPane->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }
    // The client length of the left dock bar.
    int LeftLength()
    {
        CRect rect;
        DockBar(AFX_IDW_DOCKBAR_LEFT)->GetClientRect(rect);
        return rect.Height();
    }
    // Three list panes (a report list, a tree, a report list from the top) docked in the left dock
    // bar's first row as DockThreePanes docks its panes; they are deleted with their windows.
    void DockThreeListPanes()
    {
        const float fractions[3] = {0.1f, 0.5f, 0.4f};
        for (int i = 0; i < 3; i++) {
            listPanes[i] = new ListPane(i == 1);
            listPanes[i]->SetAutoDelete(TRUE);
            ASSERT_TRUE(listPanes[i]->Make(pFrame, 150 + i));
            DockPaneAt(listPanes[i], AFX_IDW_DOCKBAR_LEFT, 0, 0, fractions[i]);
        }
        pFrame->RecalcLayout();
    }
    // Makes the frame's client area nHeight high (its width kept) and lays it out.
    void SetClientHeight(int nHeight)
    {
        CRect rectWindow = ScreenRect(pFrame);
        CRect rectClient;
        pFrame->GetClientRect(rectClient);
        pFrame->SetWindowPos(nullptr, 0, 0, rectWindow.Width(), rectWindow.Height() - rectClient.Height() + nHeight,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        pFrame->RecalcLayout();
    }

    // The tracking limits {min, max} of the left dock bar's in-row splitters, from the top.
    std::vector<std::pair<int, int>> InRowLimits()
    {
        SECDockBar* pLeft = DockBar(AFX_IDW_DOCKBAR_LEFT);
        std::vector<std::pair<int, int>> limits;
        for (const SECDockBar::Splitter* pSplitter : Splitters(pLeft, TRUE)) {
            SECDockBar::Splitter* pTracked = const_cast<SECDockBar::Splitter*>(pSplitter);
            pLeft->CalcSplitterLimits(pTracked);
            limits.emplace_back(pTracked->m_nTrackMin, pTracked->m_nTrackMax);
        }
        return limits;
    }

    ListPane* listPanes[3] = {};
};

// ---- fractions ---------------------------------------------------------------------------------------------

TEST_F(DockBarTest, TheApplicationsPanesShareTheLeftRowByTheirFractionsLastDockedFirst)
{
    DockThreePanes();
    SECDockBar* pLeft = DockBar(AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(Entries(pLeft), "|102 101 100|");
    EXPECT_NEAR(panes[2]->m_fPctWidth, 0.4f, 1e-5f);
    EXPECT_NEAR(panes[1]->m_fPctWidth, 0.3f, 1e-5f);
    EXPECT_NEAR(panes[0]->m_fPctWidth, 0.3f, 1e-5f);

    // a client edge, the panes 200 wide, a row splitter; 6-pixel splitters between the panes
    const int nLength = LeftLength();
    EXPECT_EQ(ScreenRect(pLeft).Width(), kEdge + kPaneThickness + kSplitter);
    const int nRowLength = nLength - 2 * kSplitter;
    int y = 0;
    for (SECControlBar* pPane : {panes[2], panes[1], panes[0]}) {
        const CRect rect = ParentRect(pPane);
        EXPECT_EQ(rect.left, kEdge);
        EXPECT_EQ(rect.Width(), kPaneThickness);
        EXPECT_EQ(rect.top, y);
        if (pPane == panes[0])
            EXPECT_EQ(rect.bottom, nLength) << "the last ends at the row's end";
        else
            EXPECT_EQ(rect.Height(), Share(nRowLength, pPane->m_fPctWidth));
        y = rect.bottom + kSplitter;
    }
    const auto inRow = Splitters(pLeft, TRUE);
    ASSERT_EQ(inRow.size(), 2u);
    EXPECT_EQ(inRow[0]->m_rect, CRect(kEdge, ParentRect(panes[2]).bottom, kEdge + kPaneThickness,
                                      ParentRect(panes[1]).top));
    EXPECT_FALSE(inRow[0]->m_bVertical);
    const auto rows = Splitters(pLeft, FALSE);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0]->m_rect, CRect(kEdge + kPaneThickness, 0, kEdge + kPaneThickness + kSplitter, nLength));
    EXPECT_TRUE(rows[0]->m_bVertical);
    ASSERT_EQ(pLeft->GetClientEdges().size(), 1u);
    EXPECT_EQ(pLeft->GetClientEdges()[0]->m_rect, CRect(0, 0, kEdge, nLength));
}

TEST_F(DockBarTest, ABarShownAgainTakesBackTheShareOfItsRowThatItHad)
{
    DockThreePanes();
    const CRect before[3] = {ParentRect(panes[0]), ParentRect(panes[1]), ParentRect(panes[2])};
    for (SECControlBar* pHidden : {panes[2], panes[1], panes[0]}) {
        SCOPED_TRACE(pHidden->GetDlgCtrlID());
        pFrame->ShowControlBar(pHidden, FALSE, FALSE);
        // the others share the row meanwhile, in their proportions
        float fSum = 0.0f;
        for (SECControlBar* pPane : panes)
            if (pPane != pHidden)
                fSum += pPane->m_fPctWidth;
        EXPECT_NEAR(fSum, 1.0f, 1e-5f);
        pFrame->ShowControlBar(pHidden, TRUE, FALSE);
        EXPECT_NEAR(panes[2]->m_fPctWidth, 0.4f, 1e-5f);
        EXPECT_NEAR(panes[1]->m_fPctWidth, 0.3f, 1e-5f);
        EXPECT_NEAR(panes[0]->m_fPctWidth, 0.3f, 1e-5f);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(ParentRect(panes[i]), before[i]) << i;
    }
}

// Every way of hiding some of the three panes and showing them again, one toggle at a time: each pane
// hidden once and shown once, in every interleaving ("0 1 1 0": pane 0 hidden, pane 1 hidden, pane 1
// shown, pane 0 shown).
std::vector<std::vector<int>> ToggleSequences()
{
    std::vector<std::vector<int>> sequences;
    const std::vector<std::vector<int>> sets = {{0}, {1}, {2}, {0, 1}, {0, 2}, {1, 2}, {0, 1, 2}};
    for (const std::vector<int>& set : sets) {
        std::vector<int> sequence;
        for (int i : set)
            sequence.insert(sequence.end(), {i, i});
        std::sort(sequence.begin(), sequence.end());
        do
            sequences.push_back(sequence);
        while (std::next_permutation(sequence.begin(), sequence.end()));
    }
    return sequences;
}

TEST_F(DockBarTest, PanesHiddenAndShownAgainInAnyOrderHaveTheirPlacesAndSizesBack)
{
    DockThreePanes();
    SECDockBar* pLeft = DockBar(AFX_IDW_DOCKBAR_LEFT);
    const std::vector<std::vector<int>> sequences = ToggleSequences();
    ASSERT_EQ(sequences.size(), 3u + 3u * 6u + 90u);
    // as made, then with the upper splitter dragged down (the top pane taller, the middle one shorter)
    for (int nDrag : {0, 37}) {
        if (nDrag != 0) {
            pLeft->ApplySplitterMove(const_cast<SECDockBar::Splitter*>(Splitters(pLeft, TRUE)[0]), nDrag);
            pFrame->RecalcLayout();
        }
        const CRect before[3] = {ParentRect(panes[0]), ParentRect(panes[1]), ParentRect(panes[2])};
        // at once (the hide box), and at the next layout (the View commands)
        for (BOOL bDelay : {FALSE, TRUE}) {
            for (const std::vector<int>& sequence : sequences) {
                std::string order;
                for (int i : sequence)
                    order += std::to_string(i) + " ";
                SCOPED_TRACE("dragged " + std::to_string(nDrag) + (bDelay ? ", delayed: " : ", at once: ") + order);
                for (int i : sequence) {
                    pFrame->ShowControlBar(panes[i], !panes[i]->IsVisible(), bDelay);
                    if (bDelay)
                        pFrame->RecalcLayout();
                    // the visible ones share the whole row
                    float fSum = 0.0f;
                    for (SECControlBar* pPane : panes)
                        if (pPane->IsVisible())
                            fSum += pPane->m_fPctWidth;
                    if (fSum > 0.0f)
                        EXPECT_NEAR(fSum, 1.0f, 1e-5f);
                }
                for (int i = 0; i < 3; ++i) {
                    EXPECT_TRUE(panes[i]->IsWindowVisible()) << i;
                    EXPECT_EQ(ParentRect(panes[i]), before[i]) << i;
                }
            }
        }
    }
}

TEST_F(DockBarTest, ABarDraggedToAnotherPlaceInItsOwnRowKeepsItsShareAndTheOthersTheirs)
{
    DockThreePanes();
    SECDockBar* pLeft = DockBar(AFX_IDW_DOCKBAR_LEFT);
    const float before[3] = {panes[0]->m_fPctWidth, panes[1]->m_fPctWidth, panes[2]->m_fPctWidth};
    // the top pane dropped on the lower half of the last one, as a drag ends: it goes last
    for (SECControlBar* pMoved : {panes[2], panes[1]}) {
        std::vector<CControlBar*> row;
        pLeft->GetRowBars(pMoved, row);
        CRect rectDrop = ScreenRect(row.back());
        rectDrop.top = rectDrop.CenterPoint().y + 10;
        const CRect places[3] = {ParentRect(panes[0]), ParentRect(panes[1]), ParentRect(panes[2])};
        pLeft->RedrawPending();
        pLeft->DockControlBar(pMoved, rectDrop);
        pFrame->RecalcLayout();
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(panes[i]->m_fPctWidth, before[i], 1e-5f) << pMoved->GetDlgCtrlID() << " " << i;
            // moved without redrawing (the rows changed), each is drawn again in its new place
            if (ParentRect(panes[i]) != places[i]) {
                EXPECT_NE(std::find(pLeft->m_arrRedraw.begin(), pLeft->m_arrRedraw.end(), panes[i]),
                          pLeft->m_arrRedraw.end())
                    << pMoved->GetDlgCtrlID() << " " << i;
            }
        }
    }
    EXPECT_EQ(Entries(pLeft), "|100 102 101|");
    const int nRowLength = LeftLength() - 2 * kSplitter;
    EXPECT_EQ(ParentRect(panes[0]).Height(), Share(nRowLength, before[0]));
    EXPECT_EQ(ParentRect(panes[2]).Height(), Share(nRowLength, before[2]));
}

// ---- least heights ------------------------------------------------------------------------------------------

TEST_F(DockBarTest, APanesLeastHeightKeepsItsCaptionItsRowAndItsListsFirstLine)
{
    DockThreeListPanes();
    for (ListPane* pPane : listPanes) {
        SCOPED_TRACE(pPane->GetDlgCtrlID());
        const int nLeast = pPane->LeastHeight();
        const CRect rect = ParentRect(pPane);
        pPane->SetWindowPos(nullptr, 0, 0, rect.Width(), nLeast, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_TRUE(pPane->ShowsItsFirstLine());
        pPane->SetWindowPos(nullptr, 0, 0, rect.Width(), nLeast - 1, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_FALSE(pPane->ShowsItsFirstLine()) << "the least height is no more than it needs";
        pPane->SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        // an empty list keeps the room of a line
        pPane->Empty();
        EXPECT_EQ(pPane->LeastHeight(), nLeast);
    }
    // a bar without children: its gripper down, the gripper's insets across
    panes[0] = MakePane(160);
    ASSERT_NE(panes[0], nullptr);
    DockPaneAt(panes[0], AFX_IDW_DOCKBAR_LEFT, 1, 0, 1.0f);
    pFrame->RecalcLayout();
    CRect rectClient;
    CRect rectInside;
    panes[0]->GetClientRect(rectClient);
    panes[0]->GetInsideRect(rectInside);
    EXPECT_EQ(panes[0]->CalcDynamicLayout(0, SEC_LM_MINSIZE | LM_VERTDOCK),
              CSize(rectClient.Width() - rectInside.Width(), rectClient.Height() - rectInside.Height()));
}

TEST_F(DockBarTest, NoPaneIsPressedBelowItsLeastHeightWhileANeighbourHasRoom)
{
    DockThreeListPanes();
    CRect rectClient;
    pFrame->GetClientRect(rectClient);
    // the top pane asks for most of the column (the others' shares stay above the minimum fraction
    // even in the short frame below)
    const float fractions[3] = {0.15f, 0.15f, 0.7f};
    for (int i = 0; i < 3; ++i)
        listPanes[i]->m_fPctWidth = fractions[i];
    pFrame->RecalcLayout();
    const int nRowLength = LeftLength() - 2 * kSplitter;
    ASSERT_LT(Share(nRowLength, 0.15f), listPanes[1]->LeastHeight()) << "the frame is too tall to press them";
    for (ListPane* pPane : {listPanes[0], listPanes[1]}) {
        EXPECT_TRUE(pPane->ShowsItsFirstLine()) << pPane->GetDlgCtrlID();
        EXPECT_EQ(ParentRect(pPane).Height(), pPane->LeastHeight()) << pPane->GetDlgCtrlID();
    }
    EXPECT_EQ(ParentRect(listPanes[2]).Height(),
              nRowLength - listPanes[0]->LeastHeight() - listPanes[1]->LeastHeight()) << "the pane with room gives";
    const CRect laidOut[3] = {ParentRect(listPanes[0]), ParentRect(listPanes[1]), ParentRect(listPanes[2])};

    // a frame too short for every least height: each pane has its least height's part of the column
    SetClientHeight(160);
    const int nShort = LeftLength() - 2 * kSplitter;
    int nLeast = 0;
    for (ListPane* pPane : listPanes)
        nLeast += pPane->LeastHeight();
    ASSERT_LT(nShort, nLeast);
    for (ListPane* pPane : listPanes)
        EXPECT_NEAR(ParentRect(pPane).Height(), pPane->LeastHeight() * nShort / nLeast, 2) << pPane->GetDlgCtrlID();
    EXPECT_EQ(ParentRect(listPanes[0]).bottom, LeftLength()) << "the last ends at the row's end";

    // the panes kept their fractions: the frame as it was lays them out as they were
    SetClientHeight(rectClient.Height());
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(listPanes[i]->m_fPctWidth, fractions[i], 1e-5f) << i;
        EXPECT_EQ(ParentRect(listPanes[i]), laidOut[i]) << i;
    }
}

TEST_F(DockBarTest, SplittersStopWhereAPaneWouldFallBelowItsLeastHeight)
{
    DockThreeListPanes();
    SECDockBar* pLeft = DockBar(AFX_IDW_DOCKBAR_LEFT);
    const int nLength = LeftLength();
    // the panes above a splitter (from the top: listPanes[2], [1]) and below it keep their least
    // heights and the splitters between them
    const int nTop = listPanes[2]->LeastHeight();
    const int nMiddle = listPanes[1]->LeastHeight();
    const int nBottom = listPanes[0]->LeastHeight();
    EXPECT_EQ(InRowLimits(), (std::vector<std::pair<int, int>>{{nTop, nLength - (nMiddle + kSplitter + nBottom)},
                                                               {nTop + kSplitter + nMiddle, nLength - nBottom}}));
    // a move past the limits, applied as it comes, stops there too
    SECDockBar::Splitter* pFirst = const_cast<SECDockBar::Splitter*>(Splitters(pLeft, TRUE)[0]);
    pLeft->ApplySplitterMove(pFirst, nLength);
    pFrame->RecalcLayout();
    EXPECT_EQ(ParentRect(listPanes[1]).Height(), nMiddle);
    EXPECT_EQ(ParentRect(listPanes[0]).Height(), nBottom);
    for (ListPane* pPane : listPanes)
        EXPECT_TRUE(pPane->ShowsItsFirstLine()) << pPane->GetDlgCtrlID();
}

TEST_F(DockBarTest, NormalisingGivesAJustPlacedBarItsShareUnlessItAsksForTheWholeRow)
{
    DockThreePanes();
    SECDockBar* pLeft = DockBar(AFX_IDW_DOCKBAR_LEFT);
    const int nStart = pLeft->RowStartOf(pLeft->FindBar(panes[0]));
    const float fMin = pLeft->GetMinFraction();
    const struct {
        float fPct[3];      // panes 2, 1, 0 before (pane 0 is the one placed)
        float fExpected[3]; // after
    } cases[] = {
        // the old fractions sum to 1: the placed bar gets its share, the others keep their proportions
        {{0.6f, 0.4f, 0.5f}, {0.3f, 0.2f, 0.5f}},
        // above 0.95: the row is only normalised
        {{0.5f, 0.5f, 0.96f}, {0.5f / 1.96f, 0.5f / 1.96f, 0.96f / 1.96f}},
        // the others sum to less than the placed share: the placed bar falls to the minimum before the
        // row is divided by its sum
        {{0.1f, 0.1f, 0.5f}, {0.1f / (0.2f + fMin), 0.1f / (0.2f + fMin), fMin / (0.2f + fMin)}},
    };
    for (const auto& c : cases) {
        panes[2]->m_fPctWidth = c.fPct[0];
        panes[1]->m_fPctWidth = c.fPct[1];
        panes[0]->m_fPctWidth = c.fPct[2];
        pLeft->NormalizeRow(nStart, panes[0]);
        EXPECT_NEAR(panes[2]->m_fPctWidth, c.fExpected[0], 1e-5f) << c.fPct[2];
        EXPECT_NEAR(panes[1]->m_fPctWidth, c.fExpected[1], 1e-5f) << c.fPct[2];
        EXPECT_NEAR(panes[0]->m_fPctWidth, c.fExpected[2], 1e-5f) << c.fPct[2];
    }
    EXPECT_FLOAT_EQ(fMin, 18.0f / float(LeftLength()));

    // a dock bar that has no length yet: 0.05
    SECDockBar unsized;
    ASSERT_TRUE(unsized.Create(pFrame, WS_CHILD | CBRS_ALIGN_LEFT, 0, 0));
    unsized.RecalcMinFraction();
    EXPECT_FLOAT_EQ(unsized.GetMinFraction(), 0.05f);
    unsized.DestroyWindow();
}

TEST_F(DockBarTest, TheArrowExpandsABarOverItsRowAndContractsTheRowAndIsInactiveForALoneBar)
{
    DockThreePanes();
    SECDockBar* pLeft = DockBar(AFX_IDW_DOCKBAR_LEFT);
    const float fMin = pLeft->GetMinFraction();
    // the arrow sits left of the hide box at the right end of the gripper along the top
    CRect rectClient;
    panes[1]->GetClientRect(rectClient);
    const CPoint ptArrow(rectClient.right - 3 - 2 - 11 - 13 + 5, 2 + 5);
    panes[1]->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptArrow.x, ptArrow.y));
    panes[1]->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptArrow.x, ptArrow.y));
    EXPECT_FLOAT_EQ(panes[1]->m_fPctWidth, 1.0f);
    EXPECT_FLOAT_EQ(panes[0]->m_fPctWidth, fMin);
    EXPECT_FLOAT_EQ(panes[2]->m_fPctWidth, fMin);
    pFrame->RecalcLayout();
    Repaint(panes[1]);
    EXPECT_TRUE(pLeft->IsExpanded(panes[1]));
    EXPECT_FALSE(panes[1]->m_bExpandable) << "the arrow contracts now";
    EXPECT_TRUE(panes[1]->m_bCanExpand);

    pLeft->ExpandContract(panes[1], 0);
    EXPECT_FLOAT_EQ(panes[1]->m_fPctWidth, 0.5f);
    EXPECT_FLOAT_EQ(panes[0]->m_fPctWidth, 0.25f);
    EXPECT_FLOAT_EQ(panes[2]->m_fPctWidth, 0.25f);

    // two bars: both get half
    pFrame->FloatControlBar(panes[2], CPoint(400, 300));
    pLeft->ExpandContract(panes[1], 0);
    EXPECT_FLOAT_EQ(panes[1]->m_fPctWidth, 0.5f);
    EXPECT_FLOAT_EQ(panes[0]->m_fPctWidth, 0.5f);

    // alone in its row: the arrow is inactive and a click on it is a click on the bar (a drag that
    // ends where it began)
    pFrame->FloatControlBar(panes[1], CPoint(400, 100));
    pFrame->RecalcLayout();
    Repaint(panes[0]);
    EXPECT_FALSE(panes[0]->m_bCanExpand);
    const CRect rectAlone = ScreenRect(panes[0]);
    CPoint ptScreen = ptArrow;
    panes[0]->ClientToScreen(&ptScreen);
    PostDrag(*panes[0], {ptScreen});
    panes[0]->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptArrow.x, ptArrow.y));
    EXPECT_EQ(Entries(pLeft), "|(102) (101) 100|");
    EXPECT_EQ(ScreenRect(panes[0]), rectAlone);
}

// ---- layout ------------------------------------------------------------------------------------------------

TEST_F(DockBarTest, ARowOfSizableBarsLiesBetweenAnEdgeAndASplitterOnTopAndTheOtherWayAtTheBottom)
{
    SECControlBar* pTop1 = MakePane(110);
    SECControlBar* pTop2 = MakePane(111);
    SECControlBar* pBottom1 = MakePane(112);
    SECControlBar* pBottom2 = MakePane(113);
    ASSERT_TRUE(pTop1 && pTop2 && pBottom1 && pBottom2);
    pTop1->ModifyExBarStyle(0, SEC_CBRS_EX_INFIXEDROW, FALSE);
    DockPaneAt(pTop1, AFX_IDW_DOCKBAR_TOP, 0, 0, 0.5f, 100);
    DockPaneAt(pTop2, AFX_IDW_DOCKBAR_TOP, 0, 1, 0.5f, 100);
    DockPaneAt(pBottom1, AFX_IDW_DOCKBAR_BOTTOM, 0, 0, 0.5f, 100);
    DockPaneAt(pBottom2, AFX_IDW_DOCKBAR_BOTTOM, 0, 1, 0.5f, 100);
    pFrame->RecalcLayout();
    EXPECT_EQ(Entries(DockBar(AFX_IDW_DOCKBAR_TOP)), "|110 111|");
    EXPECT_FALSE(pTop1->GetExBarStyle() & SEC_CBRS_EX_INFIXEDROW) << "a row of sizable bars";

    const struct {
        UINT nID;
        SECControlBar* pFirst;
        SECControlBar* pSecond;
        int yBars;     // where the bars start across
        int yEdge;     // where the client edge lies
        int ySplitter; // where the row splitter lies
    } sides[] = {
        {AFX_IDW_DOCKBAR_TOP, pTop1, pTop2, kEdge, 0, kEdge + 100},
        {AFX_IDW_DOCKBAR_BOTTOM, pBottom1, pBottom2, kSplitter, kSplitter + 100, 0},
    };
    for (const auto& side : sides) {
        SECDockBar* pDockBar = DockBar(side.nID);
        CRect rectClient;
        pDockBar->GetClientRect(rectClient);
        const int nWidth = rectClient.Width();
        EXPECT_EQ(rectClient.Height(), kEdge + 100 + kSplitter) << std::hex << side.nID;
        const int nFirst = Share(nWidth - kSplitter, side.pFirst->m_fPctWidth);
        EXPECT_EQ(ParentRect(side.pFirst), CRect(0, side.yBars, nFirst, side.yBars + 100));
        EXPECT_EQ(ParentRect(side.pSecond), CRect(nFirst + kSplitter, side.yBars, nWidth, side.yBars + 100))
            << "the last bar ends at the row's end";
        const auto inRow = Splitters(pDockBar, TRUE);
        ASSERT_EQ(inRow.size(), 1u);
        EXPECT_EQ(inRow[0]->m_rect, CRect(nFirst, side.yBars, nFirst + kSplitter, side.yBars + 100));
        EXPECT_TRUE(inRow[0]->m_bVertical);
        const auto rows = Splitters(pDockBar, FALSE);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0]->m_rect, CRect(0, side.ySplitter, nWidth, side.ySplitter + kSplitter));
        ASSERT_EQ(pDockBar->GetClientEdges().size(), 1u);
        EXPECT_EQ(pDockBar->GetClientEdges()[0]->m_rect, CRect(0, side.yEdge, nWidth, side.yEdge + kEdge));
    }
}

TEST_F(DockBarTest, ToolBarLikeRowsKeepFixedSizesFloatingDockBarsPlaceNoSplittersAndTheTabStripWidensTopAndLeft)
{
    // a tool-bar-like bar laid out by its size in a row of its own
    SECControlBar* pTool = MakePane(120, SEC_CBRS_EX_FIXEDSIZE, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP);
    ASSERT_NE(pTool, nullptr);
    pTool->CalcDynamicLayout(150, LM_COMMIT | LM_HORZDOCK);
    pTool->CalcDynamicLayout(28, LM_COMMIT | LM_HORZDOCK | LM_LENGTHY);
    DockBar(AFX_IDW_DOCKBAR_TOP)->DockControlBarAt(pTool, 0, 0);
    pFrame->RecalcLayout();
    SECDockBar* pTop = DockBar(AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(ParentRect(pTool), CRect(0, 0, 150, 28));
    EXPECT_TRUE(pTool->GetExBarStyle() & SEC_CBRS_EX_INFIXEDROW);
    EXPECT_TRUE(pTop->GetSplitters().empty());
    EXPECT_TRUE(pTop->GetClientEdges().empty());
    EXPECT_EQ(ScreenRect(pTop).Height(), 28);
    EXPECT_EQ(ScreenRect(DockBar(AFX_IDW_DOCKBAR_RIGHT)).Width(), 0) << "an empty dock bar";

    // a floating dock bar keeps the pane's committed floating size and places nothing around it
    SECControlBar* pPane = MakePane(121);
    ASSERT_NE(pPane, nullptr);
    pFrame->FloatControlBar(pPane, CPoint(300, 300));
    SECDockBar* pFloating = dynamic_cast<SECDockBar*>(pPane->GetDockBar());
    ASSERT_NE(pFloating, nullptr);
    EXPECT_TRUE(pFloating->m_bFloating);
    EXPECT_EQ(pFloating->GetDlgCtrlID(), AFX_IDW_DOCKBAR_FLOAT);
    EXPECT_TRUE(pPane->GetParentFrame()->IsKindOf(RUNTIME_CLASS(SECMiniDockFrameWnd)));
    EXPECT_EQ(ParentRect(pPane), CRect(CPoint(0, 0), pPane->m_szFloat));
    EXPECT_TRUE(pFloating->GetSplitters().empty());
    EXPECT_TRUE(pFloating->GetClientEdges().empty());

    // the workbook's tab strip: the top dock bar a border thicker, the left one a border wider
    g_bSECWorkbookTabs = TRUE;
    pFrame->RecalcLayout();
    const int nTopTabs = ScreenRect(pTop).Height();
    const int nLeftTabs = ScreenRect(DockBar(AFX_IDW_DOCKBAR_LEFT)).Width();
    const int nBottomTabs = ScreenRect(DockBar(AFX_IDW_DOCKBAR_BOTTOM)).Height();
    g_bSECWorkbookTabs = FALSE;
    EXPECT_EQ(nTopTabs, 28 + 2);
    EXPECT_EQ(nLeftTabs, 2);
    EXPECT_EQ(nBottomTabs, 0);
}

TEST_F(DockBarTest, ABarOfAFullRowTakesARowOfItsOwnWhereverItIsPut)
{
    SECControlBar* pPlain1 = MakePane(130);
    SECControlBar* pFull = MakePane(131, kPaneExStyle | SEC_CBRS_EX_FULLROW);
    SECControlBar* pPlain2 = MakePane(132);
    SECControlBar* pPlain3 = MakePane(133);
    ASSERT_TRUE(pPlain1 && pFull && pPlain2 && pPlain3);
    SECDockBar* pTop = DockBar(AFX_IDW_DOCKBAR_TOP);
    pTop->DockControlBarAt(pPlain1, 0, 0);
    pTop->DockControlBarAt(pFull, 0, 1);
    EXPECT_EQ(Entries(pTop), "|130|131|");
    pTop->DockControlBarAt(pPlain2, 0, 0);
    EXPECT_EQ(Entries(pTop), "|132 130|131|");
    pTop->DockControlBarAt(pPlain3, 1, 0);
    EXPECT_EQ(Entries(pTop), "|132 130|133|131|");
}

// ---- drawing ------------------------------------------------------------------------------------------

TEST_F(DockBarTest, SplittersAndClientEdgesAreDrawnInTheToolkitsColours)
{
    const COLORREF clrFrame = ::GetSysColor(COLOR_WINDOWFRAME);
    SECDockBar::Splitter vertical;
    vertical.m_bVertical = TRUE;
    vertical.m_rect = CRect(2, 1, 8, 9);
    SECDockBar::Splitter horizontal;
    horizontal.m_rect = CRect(1, 2, 9, 8);
    SECDockBar::ClientEdge edgeVertical;
    edgeVertical.m_bVertical = TRUE;
    edgeVertical.m_rect = CRect(2, 1, 4, 9);
    SECDockBar::ClientEdge edgeHorizontal;
    edgeHorizontal.m_rect = CRect(1, 2, 9, 4);

    const struct {
        const CObject* pShape;
        BOOL bAcrossX;                     // the lines follow one another along x
        std::vector<COLORREF> lines;       // from the left (top) edge of the shape
    } cases[] = {
        {&vertical, TRUE, {Hilite(), Face(), Face(), Face(), Shadow(), clrFrame}},
        {&horizontal, FALSE, {Hilite(), Face(), Face(), Face(), Shadow(), clrFrame}},
        {&edgeVertical, TRUE, {Shadow(), Hilite()}},
        {&edgeHorizontal, FALSE, {Shadow(), Hilite()}},
    };
    for (const auto& c : cases) {
        DibCanvas canvas(10, 10);
        if (auto pSplitter = dynamic_cast<const SECDockBar::Splitter*>(c.pShape))
            pSplitter->Draw(&canvas.dc);
        else
            static_cast<const SECDockBar::ClientEdge*>(c.pShape)->Draw(&canvas.dc);
        for (size_t i = 0; i < c.lines.size(); i++) {
            const int nLine = 2 + int(i);
            const COLORREF clr = c.bAcrossX ? canvas.At(nLine, 5) : canvas.At(5, nLine);
            EXPECT_EQ(clr, c.lines[i]) << "shape " << (&c - cases) << " line " << i;
        }
        const int nPast = 2 + int(c.lines.size());
        EXPECT_EQ(c.bAcrossX ? canvas.At(nPast, 5) : canvas.At(5, nPast), kWhite) << "shape " << (&c - cases);
    }
}

// ---- splitters ----------------------------------------------------------------------------------------------

TEST_F(DockBarTest, SplitterLimitsKeep24PixelsPerBarInARowAnd19OfARow)
{
    DockThreePanes();
    SECDockBar* pLeft = DockBar(AFX_IDW_DOCKBAR_LEFT);
    const int nLength = LeftLength();
    auto inRow = Splitters(pLeft, TRUE);
    ASSERT_EQ(inRow.size(), 2u);
    EXPECT_EQ(InRowLimits(), (std::vector<std::pair<int, int>>{{24, nLength - 48}, {48, nLength - 24}}));
    SECDockBar::Splitter* pRow = const_cast<SECDockBar::Splitter*>(Splitters(pLeft, FALSE)[0]);
    pLeft->CalcSplitterLimits(pRow);
    EXPECT_EQ(pRow->m_nTrackMin, kEdge + kPaneThickness - kPaneThickness + 19);
    EXPECT_GE(pRow->m_nTrackMax, pRow->m_rect.right);

    // the step function: the splitter follows the mouse less the grab offset, within its limits
    SECDockBar::Splitter* pFirst = const_cast<SECDockBar::Splitter*>(inRow[0]);
    const CPoint ptGrab = pFirst->m_rect.CenterPoint();
    SECDockBar::SplitterTracker tracker(pLeft, pFirst, ptGrab, nullptr);
    auto step = [&](UINT message, WPARAM wParam, int y) {
        MSG msg = {pLeft->m_hWnd, message, wParam, MAKELPARAM(ptGrab.x, y), 0, {0, 0}};
        return tracker.Step(msg);
    };
    EXPECT_EQ(step(WM_MOUSEMOVE, MK_LBUTTON, ptGrab.y + 10), afxLoopContinue);
    EXPECT_EQ(tracker.GetDelta(), 10);
    EXPECT_EQ(step(WM_MOUSEMOVE, MK_LBUTTON, -300), afxLoopContinue);
    EXPECT_EQ(tracker.GetDelta(), 24 - pFirst->m_rect.top);
    EXPECT_EQ(step(WM_PAINT, 0, 0), afxLoopDispatch);
    EXPECT_EQ(step(WM_KEYDOWN, VK_ESCAPE, 0), afxLoopCancel);
    EXPECT_EQ(step(WM_RBUTTONDOWN, 0, 0), afxLoopCancel);
    EXPECT_EQ(step(WM_LBUTTONUP, 0, nLength + 300), afxLoopDone);
    EXPECT_EQ(tracker.GetDelta(), nLength - 48 - kSplitter - pFirst->m_rect.top);
}

TEST_F(DockBarTest, DraggingSplittersResizesBarsInTheRowAndTheRowButNeverBelowTheirLimits)
{
    DockThreePanes();
    SECDockBar* pLeft = DockBar(AFX_IDW_DOCKBAR_LEFT);
    const int nLength = LeftLength();
    // the splitter below the top pane, dragged as far down as it goes: the middle pane keeps 18
    // pixels, the bottom one gives the rest
    SECDockBar::Splitter* pFirst = const_cast<SECDockBar::Splitter*>(Splitters(pLeft, TRUE)[0]);
    CPoint ptGrab = pFirst->m_rect.CenterPoint();
    CPoint ptScreen(ptGrab.x, nLength + 100);
    pLeft->ClientToScreen(&ptScreen);
    PostDrag(*pLeft, {ptScreen});
    EXPECT_TRUE(pLeft->TrackSplitter(pFirst, ptGrab));
    pFrame->RecalcLayout();
    EXPECT_EQ(ParentRect(panes[2]).Height(), nLength - 48 - kSplitter);
    EXPECT_EQ(ParentRect(panes[1]).Height(), 18);
    EXPECT_EQ(ParentRect(panes[0]).Height(), 48 - 18 - kSplitter) << "what the limit left";

    // the row splitter: 50 to the right widens every pane by 50; far to the left leaves 19
    SECDockBar::Splitter* pRow = const_cast<SECDockBar::Splitter*>(Splitters(pLeft, FALSE)[0]);
    ptGrab = pRow->m_rect.CenterPoint();
    CPoint ptRight = ptGrab + CSize(50, 0);
    pLeft->ClientToScreen(&ptRight);
    PostDrag(*pLeft, {ptRight});
    EXPECT_TRUE(pLeft->TrackSplitter(pRow, ptGrab));
    pFrame->RecalcLayout();
    for (SECControlBar* pPane : panes)
        EXPECT_EQ(ParentRect(pPane).Width(), kPaneThickness + 50);
    pRow = const_cast<SECDockBar::Splitter*>(Splitters(pLeft, FALSE)[0]);
    ptGrab = pRow->m_rect.CenterPoint();
    CPoint ptFarLeft(-500, ptGrab.y);
    pLeft->ClientToScreen(&ptFarLeft);
    PostDrag(*pLeft, {ptFarLeft});
    EXPECT_TRUE(pLeft->TrackSplitter(pRow, ptGrab));
    pFrame->RecalcLayout();
    EXPECT_EQ(ParentRect(panes[0]).Width(), 19);

    // given up, or ending where it began: nothing changes
    pRow = const_cast<SECDockBar::Splitter*>(Splitters(pLeft, FALSE)[0]);
    ptGrab = pRow->m_rect.CenterPoint();
    CPoint ptAway = ptGrab + CSize(80, 0);
    pLeft->ClientToScreen(&ptAway);
    CPoint ptBack = ptGrab;
    pLeft->ClientToScreen(&ptBack);
    const struct {
        POINT ptLast;
        UINT nEnd;
        WPARAM wEnd;
    } endings[] = {{ptAway, WM_KEYDOWN, VK_ESCAPE}, {ptAway, WM_RBUTTONDOWN, 0}, {ptBack, WM_LBUTTONUP, 0}};
    for (const auto& ending : endings) {
        PostDrag(*pLeft, {ptAway, ending.ptLast}, ending.nEnd, ending.wEnd);
        EXPECT_FALSE(pLeft->TrackSplitter(pRow, ptGrab)) << ending.nEnd;
        pFrame->RecalcLayout();
        EXPECT_EQ(ParentRect(panes[0]).Width(), 19) << ending.nEnd;
    }

    // not while another window holds the capture
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, nullptr, "other", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    other.SetCapture();
    EXPECT_FALSE(pLeft->TrackSplitter(pRow, ptGrab));
    EXPECT_EQ(::GetCapture(), other.m_hWnd);
    ::ReleaseCapture();
    other.DestroyWindow();
}

TEST_F(DockBarTest, TheCursorShowsWhichWayASplitterMoves)
{
    DockThreePanes();
    SECDockBar* pLeft = DockBar(AFX_IDW_DOCKBAR_LEFT);
    const HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    const struct {
        CPoint point;
        HCURSOR hCursor;
    } cases[] = {
        {Splitters(pLeft, FALSE)[0]->m_rect.CenterPoint(), ::LoadCursorA(hInst, MAKEINTRESOURCEA(SEC_IDC_HSPLITBAR))},
        {Splitters(pLeft, TRUE)[0]->m_rect.CenterPoint(), ::LoadCursorA(hInst, MAKEINTRESOURCEA(SEC_IDC_VSPLITBAR))},
        {CPoint(1, 5), SECGetDrawValues().hcurArrow},
    };
    for (const auto& c : cases) {
        ASSERT_NE(c.hCursor, nullptr);
        pLeft->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(c.point.x, c.point.y));
        EXPECT_EQ(::GetCursor(), c.hCursor) << c.point;
    }
    EXPECT_TRUE(
        pLeft->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(pLeft->m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
}

// ---- the dock bar's own move and the drag rectangle -----------------------------------------------------------

// A dock bar that notes the flags of every move or resize of its own window.
class CMoveNotingDockBar : public SECDockBar {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_WINDOWPOSCHANGING) {
            const UINT nFlags = reinterpret_cast<const WINDOWPOS*>(lParam)->flags;
            if ((nFlags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE))
                moves.push_back(nFlags);
        }
        return SECDockBar::WindowProc(message, wParam, lParam);
    }
    std::vector<UINT> moves;
};

TEST_F(DockBarTest, WhileItsRowsChangedADockBarMovesWithoutItsOldBitsOrWithoutRedrawing)
{
    // noting dock bars in place of the left and bottom ones
    CMoveNotingDockBar* noting[2] = {};
    const struct {
        UINT nID;
        DWORD dwStyle;
    } sides[] = {{AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT},
                 {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP}};
    for (int i = 0; i < 2; i++) {
        DockBar(sides[i].nID)->DestroyWindow();
        noting[i] = new CMoveNotingDockBar;
        noting[i]->SetAutoDelete(TRUE);
        ASSERT_TRUE(noting[i]->Create(pFrame, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | sides[i].dwStyle,
                                      0, sides[i].nID));
    }
    CMoveNotingDockBar* pLeft = noting[0];
    CMoveNotingDockBar* pBottom = noting[1];
    SECControlBar* pSide = MakePane(120);
    SECControlBar* pLow = MakePane(121);
    ASSERT_TRUE(pSide != nullptr && pLow != nullptr);
    DockPaneAt(pSide, AFX_IDW_DOCKBAR_LEFT, 0, 0, 1.0f);
    DockPaneAt(pLow, AFX_IDW_DOCKBAR_BOTTOM, 0, 0, 1.0f, 80);
    pFrame->RecalcLayout();

    // The next layout moves each dock bar once; bRowsChanged as after a row was added or removed.
    const auto moveOf = [&](CMoveNotingDockBar* pDockBar, BOOL bRowsChanged, const std::function<void()>& change) {
        pDockBar->m_bRelayout = bRowsChanged;
        pDockBar->m_bRedrawPending = FALSE;
        pDockBar->moves.clear();
        change();
        pFrame->RecalcLayout();
        EXPECT_EQ(pDockBar->moves.size(), 1u) << pDockBar->GetDlgCtrlID() << " " << bRowsChanged;
        return pDockBar->moves.empty() ? 0u : pDockBar->moves.back() & (SWP_NOCOPYBITS | SWP_NOREDRAW);
    };
    int nThickness = kPaneThickness;
    const auto thicker = [&] { pSide->CalcDynamicLayout(nThickness += 30, LM_COMMIT | LM_VERTDOCK); };
    const auto taller = [&] {
        const CRect rect = ScreenRect(pFrame);
        pFrame->SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height() + 20, SWP_NOMOVE | SWP_NOZORDER);
    };
    // the same size in a new place: no old bits
    EXPECT_EQ(moveOf(pBottom, TRUE, taller), UINT(SWP_NOCOPYBITS));
    // the same length, thicker: no redrawing
    EXPECT_EQ(moveOf(pLeft, TRUE, thicker), UINT(SWP_NOREDRAW));
    // a new length: an ordinary move
    EXPECT_EQ(moveOf(pLeft, TRUE, taller), 0u);
    // without a change of rows every move is ordinary
    EXPECT_EQ(moveOf(pBottom, FALSE, taller), 0u);
    EXPECT_EQ(moveOf(pLeft, FALSE, thicker), 0u);
    EXPECT_EQ(g_bSECNoRedraw, TRUE) << "the switch is back as it was";
}

TEST_F(DockBarTest, TheDragRectangleTakesTheBarsShareOfARowOrAWholeNewRowAndFollowsTheMouseInItsRow)
{
    DockThreePanes();
    SECDockBar* pLeft = DockBar(AFX_IDW_DOCKBAR_LEFT);
    SECControlBar* pDragged = MakePane(130);
    SECControlBar* pTool = MakePane(131, SEC_CBRS_EX_FIXEDSIZE, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP);
    ASSERT_TRUE(pDragged != nullptr && pTool != nullptr);
    pDragged->m_fPctWidth = 0.25f;
    const CRect rectDock = ScreenRect(pLeft);
    const int nLength = rectDock.Height();
    const float fRow = panes[0]->m_fPctWidth + panes[1]->m_fPctWidth + panes[2]->m_fPctWidth;
    const int nShare = int(0.25f / (fRow + 0.25f) * float(nLength));

    // over the row (the mouse 50 pixels in, 20 down, of a 100 by 100 frame): the bar's share of the
    // length by the row's thickness, with the mouse at the same place in it
    CPoint pt(rectDock.left + 100, rectDock.top + 150);
    CRect rect(pt.x - 50, pt.y - 20, pt.x + 50, pt.y + 80);
    int nHint = -1;
    CRect rectLast;
    CPoint ptLast;
    const CRect rectShare = pLeft->CalcDragRect(pDragged, rect, pt, nHint, rectLast, ptLast);
    const int x = pt.x - 50 * kPaneThickness / 100;
    const int y = pt.y - 20 * nShare / 100;
    EXPECT_EQ(rectShare, CRect(x, y, x + kPaneThickness, y + nShare));
    EXPECT_EQ(nHint, pLeft->RowStartOf(pLeft->FindBar(panes[0])));
    EXPECT_EQ(rectLast, rectShare);
    EXPECT_EQ(ptLast, pt);

    // in the same row again the last answer follows the mouse
    const CPoint ptMoved = pt + CSize(7, -5);
    EXPECT_EQ(pLeft->CalcDragRect(pDragged, rect + CSize(7, -5), ptMoved, nHint, rectLast, ptLast),
              rectShare + CSize(7, -5));

    // past the row: a new row the whole length of the dock bar
    const CPoint ptOut(rectDock.left + kPaneThickness + 40, pt.y);
    const CRect rectOut(ptOut.x - 50, ptOut.y - 20, ptOut.x + 50, ptOut.y + 80);
    EXPECT_EQ(pLeft->CalcDragRect(pDragged, rectOut, ptOut, nHint, rectLast, ptLast),
              CRect(rectOut.left, rectDock.top, rectOut.right, rectDock.bottom));
    EXPECT_EQ(nHint, -1);

    // a tool-bar-like bar, and a bar dragged within its own row, keep the frame they are given
    for (SECControlBar* pBar : {pTool, panes[1]}) {
        nHint = -1;
        EXPECT_EQ(pLeft->CalcDragRect(pBar, rect, pt, nHint, rectLast, ptLast), rect) << pBar->GetDlgCtrlID();
    }
}

// ---- placeholders, floating and the bar list -------------------------------------------------------------------

TEST_F(DockBarTest, AFloatedPaneLeavesItsPlaceAndDocksBackIntoIt)
{
    DockThreePanes();
    SECDockBar* pLeft = DockBar(AFX_IDW_DOCKBAR_LEFT);
    pFrame->FloatControlBar(panes[1], CPoint(400, 200));
    EXPECT_EQ(Entries(pLeft), "|102 (101) 100|");
    pFrame->ReDockControlBar(panes[1]);
    EXPECT_EQ(Entries(pLeft), "|102 101 100|");
    EXPECT_FALSE(panes[1]->IsFloating());
    EXPECT_EQ(panes[1]->GetBarStyle() & (CBRS_ALIGN_ANY | CBRS_BORDER_ANY), DWORD(CBRS_ALIGN_LEFT | CBRS_BORDER_ANY));
}

TEST_F(DockBarTest, AltWithAKeyInAFloatingBarReachesTheMenuOfTheFrame)
{
    SECControlBar* pPane = MakePane(140);
    ASSERT_NE(pPane, nullptr);
    pFrame->FloatControlBar(pPane, CPoint(300, 300));
    PumpWaitingMessages();
    MSG msg = {pPane->m_hWnd, WM_SYSCHAR, 'f', 0, 0, {0, 0}};
    EXPECT_FALSE(pPane->GetDockBar()->PreTranslateMessage(&msg));
    MSG posted = {};
    ASSERT_TRUE(::PeekMessageA(&posted, hWndFrame, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE));
    EXPECT_EQ(posted.wParam, WPARAM(SC_KEYMENU));
    EXPECT_EQ(posted.lParam, LPARAM('f'));
}

TEST_F(DockBarTest, TheBarListMenuShowsAndHidesTheFramesTitledBarsWhileItsSwitchIsOn)
{
    DockThreePanes();
    SECControlBar* pTool = MakePane(150, SEC_CBRS_EX_FIXEDSIZE, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP);
    ASSERT_NE(pTool, nullptr);
    DockBar(AFX_IDW_DOCKBAR_TOP)->DockControlBarAt(pTool, 0, 0);
    SECStatusBar* pStatus = new SECStatusBar;
    pStatus->SetAutoDelete(TRUE);
    ASSERT_TRUE(pStatus->Create(pFrame, 0x50008200, AFX_IDW_STATUS_BAR));
    pFrame->ShowControlBar(panes[1], FALSE, FALSE);
    SECDockBar* pLeft = DockBar(AFX_IDW_DOCKBAR_LEFT);

    // off: no menu
    pLeft->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pLeft->m_hWnd), MAKELPARAM(100, 100));
    EXPECT_TRUE(fake.CallsOf("TrackPopupMenu").empty());

    g_bSECBarListMenu = TRUE;
    std::vector<std::string> items;
    std::vector<BOOL> checks;
    fake.ExpectPopupMenu(ID_SEC_BARLIST_FIRST + 1, [&](HMENU hMenu) {
        for (int i = 0; i < ::GetMenuItemCount(hMenu); i++) {
            char szText[64] = {};
            ::GetMenuStringA(hMenu, UINT(i), szText, sizeof(szText), MF_BYPOSITION);
            items.push_back(szText);
            checks.push_back((::GetMenuState(hMenu, UINT(i), MF_BYPOSITION) & MF_CHECKED) != 0);
        }
    });
    pLeft->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pLeft->m_hWnd), MAKELPARAM(100, 100));
    g_bSECBarListMenu = FALSE;
    PumpWaitingMessages();
    EXPECT_EQ(items, (std::vector<std::string>{"Pane 100", "Pane 101", "Pane 102", "", "Pane 150"}));
    EXPECT_EQ(checks, (std::vector<BOOL>{TRUE, FALSE, TRUE, FALSE, TRUE}));
    EXPECT_TRUE(panes[1]->IsVisible()) << "the chosen bar is shown again";
}

// A view with one blank page, printed and previewed through the base's steps.
class CBlankPageView : public CView {
public:
    void OnDraw(CDC*) override {}
};

TEST_F(DockBarTest, APrintPreviewGivesEveryPaneItsPlaceAndShareBackDockedOrFloating)
{
    DockThreePanes();
    SECControlBar* pTool = MakePane(150, SEC_CBRS_EX_FIXEDSIZE, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP);
    ASSERT_NE(pTool, nullptr);
    DockBar(AFX_IDW_DOCKBAR_TOP)->DockControlBarAt(pTool, 0, 0);
    SECControlBar* pFloating = MakePane(160);
    ASSERT_NE(pFloating, nullptr);
    pFrame->FloatControlBar(pFloating, CPoint(400, 200));
    pFrame->RecalcLayout();
    PumpWaitingMessages();

    FakePrinter printer{"Office printer", 850, 1100, 200, 200};
    fake.SetDefaultPrinter(&printer);
    auto* pChild = new CMDIChildWnd;
    ASSERT_TRUE(pChild->Create(nullptr, "report", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault,
                               pFrame));
    auto* pView = new CBlankPageView;
    ASSERT_TRUE(pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), pChild,
                              AFX_IDW_PANE_FIRST, nullptr));

    CWnd* pFloatingFrame = pFloating->GetParentFrame();
    ASSERT_NE(pFloatingFrame, nullptr);
    const std::vector<CControlBar*> bars = {panes[0], panes[1], panes[2], pTool};
    auto places = [&] {
        std::vector<CRect> rects;
        for (CControlBar* pBar : bars)
            rects.push_back(ScreenRect(pBar));
        rects.push_back(ScreenRect(pFloatingFrame));
        return rects;
    };
    const std::vector<CRect> before = places();
    const float fractions[3] = {panes[0]->m_fPctWidth, panes[1]->m_fPctWidth, panes[2]->m_fPctWidth};
    for (int round = 1; round <= 2; round++) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(CPreviewView::Open(pView));
        for (CControlBar* pBar : bars)
            EXPECT_FALSE(pBar->IsWindowVisible()) << pBar->GetDlgCtrlID();
        EXPECT_FALSE(pFloatingFrame->IsWindowVisible());
        pFrame->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE, 0);
        PumpWaitingMessages();
        ASSERT_EQ(pFrame->GetActiveView(), nullptr) << "the preview is closed";
        for (CControlBar* pBar : bars)
            EXPECT_TRUE(pBar->IsWindowVisible()) << pBar->GetDlgCtrlID();
        EXPECT_TRUE(pFloatingFrame->IsWindowVisible());
        EXPECT_EQ(places(), before);
        for (int i = 0; i < 3; i++)
            EXPECT_FLOAT_EQ(panes[i]->m_fPctWidth, fractions[i]) << i;
    }
}

} // namespace

// Helpers of the panes' tests: the started application whose main window holds the panes, with the
// services fake installed, and readings of the panes and the project as short texts.
#pragma once

#include "AppTestSupport.h"

#include <string>
#include <vector>

#include "app/ZQDockingWndAlt.h"
#include "app/ZQDockingWndCrit.h"
#include "app/ZQDockingWndRef.h"
#include "grid/engine/GXRange.h"

class CGXStyle;
class CZQGridView;

// The child's rectangle in its parent's client coordinates.
CRect ChildRect(CWnd& parent, CWnd& child);
std::string WindowText(HWND hWnd);
// The entries of a list box or combo box nID of the dialog (count and text messages nCount,
// nGetText), joined by '|'.
std::string Entries(CWnd& dialog, int nID, UINT nCount, UINT nGetText);
// The tool tip text the pane gives its child window hWndChild.
std::string ToolTip(CWnd& pane, HWND hWndChild);

// The started first-run application with the services fake, TEMP naming a folder of the test's own
// (a solve writes its graphs there); its project is left unmodified at the end, so that closing asks
// nothing.
class PanesFixture : public StartedAppFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    CZQDockingWndAlt& Alternatives() { return *app.GetAlternativesPane(); }
    CZQDockingWndRef& Reference() { return *app.GetReferencePane(); }
    CZQDockingWndCrit& Criteria() { return *app.GetCriteriaPane(); }

    // A command sent to the window.
    void Command(CWnd& wnd, UINT nID) { wnd.SendMessage(WM_COMMAND, nID); }
    // The context menu of the pane, opened and looked at by whileOpen, then closed with nCommand
    // (0: none).
    void ContextMenu(CWnd& pane, UINT nCommand, std::function<void(HMENU)> whileOpen = {});
    // The last message box's text; it must have been owned by owner and captioned "Ondrix".
    std::string Question(CWnd& owner);

    // Types each name into the alternatives pane's box and presses its add button.
    void AddAlternatives(const std::vector<const char*>& names);
    // Selects exactly the list items of these names.
    void SelectAlternatives(const std::vector<const char*>& names);
    // The list's texts in list order, each followed by its image: "A:0 B:3".
    std::string ListItems();
    // The tree: each rank's text with its alternatives in brackets: "Rank 1 [A B] | Rank 2 []".
    std::string Tree();
    // The project's alternatives with their rank cells, in table order: "A=1 B= C=2".
    std::string Ranks();
    // The rank nodes' item data, in tree order.
    std::vector<DWORD_PTR> RankData();
    // The tree item named text (a rank's or an alternative's); null when none.
    HTREEITEM TreeItem(const char* text);

    // Opens the project of three alternatives x, y, z ranked x, y (on a gain g: 3, 1, 2 and a cost
    // c: 5, 3, 1), unmodified.
    void OpenProject();
    // The same, solved, its Solver marked (MarkSolver).
    void OpenSolvedProject();
    // View > Evaluations of Alternatives with no grid open: the opened grid's view (null when none
    // opened). The grid reads the clock and the modifier keys: the clock stands at 0, the keys up.
    CZQGridView* OpenGrid();
    // The open grid's texts, row by row: cells joined by '|', rows by '/' ("" without a grid).
    std::string GridTexts();
    // What cell (nRow, nCol) of the open grid shows: its composed style.
    const CGXStyle& GridStyle(ROWCOL nRow, ROWCOL nCol);
    // Marks the project's Solver, so that Resolved tells whether the project solved again since.
    void MarkSolver();
    bool Resolved();

    // A drag of the pane's dragged item (started by the caller's begin-drag notification) moved
    // over the tree at ptTree (tree client coordinates), then released there; with bOverTree FALSE
    // the cursor stands over the main window instead.
    void MoveAndDrop(CWnd& pane, CPoint ptTree, BOOL bOverTree = TRUE);
    // The centre of tree item hItem's text, in tree client coordinates.
    CPoint TreeItemPoint(HTREEITEM hItem);
    // Sends the list's begin-drag notification for item nItem to the alternatives pane.
    void BeginListDrag(int nItem);

    CFakeServices fake;
    AppFolder folder;
    std::string savedTemp;
};

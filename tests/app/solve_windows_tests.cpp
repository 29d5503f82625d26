// The result windows of the Solve command as the user finds them when it ends: the windows opened,
// tiled and filled as the project's solve opens them one by one, each tile and each refresh made at
// once (the project's SolveProblem called outside the command), whatever windows stood open before.
// the standard headers before windows.h, which defines min and max as macros
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ResultWindowTestSupport.h"

#include "app/ZQResultsGridView.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXStyle.h"
#include "res/resource.h"

namespace {

class SolveWindows : public ResultWindowFixture {
protected:
    HWND Client() const { return static_cast<CMDIFrameWnd*>(app.m_pMainWnd)->m_hWndMDIClient; }

    // Every waiting message handled: the windows painted as the message loop paints them.
    static void Pump()
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }

    // The document windows in the MDI client's order, one line each: caption, rectangle in the
    // client, visible, minimised or maximised, the active one marked; under each, the windows inside
    // it in their order, with their client size and scroll bars. (Not the focus: the test programs
    // share the display, and another may hold it.)
    std::string Arrangement() const
    {
        const HWND hActive = reinterpret_cast<HWND>(::SendMessageA(Client(), WM_MDIGETACTIVE, 0, 0));
        std::ostringstream lines;
        for (HWND hChild = ::GetWindow(Client(), GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
            char caption[256] = {};
            ::GetWindowTextA(hChild, caption, sizeof caption);
            CRect rect;
            ::GetWindowRect(hChild, &rect);
            ::MapWindowPoints(nullptr, Client(), reinterpret_cast<POINT*>(&rect), 2);
            lines << (hChild == hActive ? "* " : "  ") << caption << " (" << rect.left << "," << rect.top << ")-("
                  << rect.right << "," << rect.bottom << ")" << (::IsWindowVisible(hChild) ? "" : " hidden")
                  << (::IsZoomed(hChild) ? " maximised" : "") << (::IsIconic(hChild) ? " minimised" : "") << "\n";
            Inside(hChild, lines, "    ");
        }
        return lines.str();
    }
    static void Inside(HWND hParent, std::ostringstream& lines, const std::string& indent)
    {
        for (HWND hWnd = ::GetWindow(hParent, GW_CHILD); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
            char name[64] = {};
            ::GetClassNameA(hWnd, name, sizeof name);
            CRect client;
            ::GetClientRect(hWnd, &client);
            lines << indent << (name[0] == 'A' && name[1] == 'f' && name[2] == 'x' ? "Afx" : name) << " "
                  << client.Width() << "x" << client.Height() << (::IsWindowVisible(hWnd) ? "" : " hidden");
            const LONG style = ::GetWindowLongA(hWnd, GWL_STYLE);
            for (int nBar : {SB_HORZ, SB_VERT}) {
                if (!(style & (nBar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL)))
                    continue;
                SCROLLINFO info = {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
                ::GetScrollInfo(hWnd, nBar, &info);
                lines << (nBar == SB_HORZ ? " across " : " down ") << info.nMin << ".." << info.nMax << " page "
                      << info.nPage << " at " << info.nPos;
            }
            lines << "\n";
            Inside(hWnd, lines, indent + "  ");
        }
    }

    // What the comparison matrix holds and shows: every cell's text and read-only mark, the cell
    // at the top left of the window, the current cell and whether undo has anything.
    std::string Matrix()
    {
        auto* pGrid = dynamic_cast<CZQResultsGridView*>(app.FirstViewOf(ZQDocument::ComparisonMatrix));
        if (pGrid == nullptr)
            return "<none>";
        std::ostringstream state;
        for (ROWCOL nRow = 0; nRow <= pGrid->GetRowCount(); ++nRow) {
            for (ROWCOL nCol = 0; nCol <= pGrid->GetColCount(); ++nCol) {
                const CGXStyle& style = *pGrid->LookupStyleRowCol(nRow, nCol);
                state << Str(pGrid->GetValueRowCol(nRow, nCol))
                      << (style.GetIncludeReadOnly() && style.GetReadOnly() ? "R" : "") << "|";
            }
            state << "/";
        }
        ROWCOL nRow = 0, nCol = 0;
        const BOOL bCurrent = pGrid->GetCurrentCell(nRow, nCol);
        state << " top " << pGrid->GetTopRow() << "," << pGrid->GetLeftCol() << " current " << bCurrent << ":" << nRow
              << "," << nCol << " undo " << !pGrid->GetParam()->GetUndoList().IsEmpty();
        return state.str();
    }

    void CloseResultWindows()
    {
        for (CMultiDocTemplate* pTemplate : {app.m_pMatrixTemplate, app.m_pRankingChartTemplate, app.m_pGraphsTemplate})
            pTemplate->CloseAllDocuments(FALSE);
        Pump();
    }
};

TEST_F(SolveWindows, TheCommandLeavesTheWindowsAsATileAfterEachWindowDoes)
{
    // what stands open before the solve: nothing, the evaluations grid, the evaluations grid maximised
    const struct {
        const char* name;
        bool bEvaluations;
        bool bMaximised;
    } cases[] = {{"nothing", false, false}, {"evaluations", true, false}, {"evaluations maximised", true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Open(kRankedTriple, "triple.zex");
        if (c.bEvaluations) {
            Command(ID_ZQ_VIEW_EVALUATIONS);
            ASSERT_TRUE(app.HasOpenDocument(ZQDocument::EvaluationsGrid));
        }
        auto before = [&] {
            if (c.bMaximised)
                ::SendMessageA(Client(), WM_MDIMAXIMIZE, WPARAM(app.FirstViewOf(ZQDocument::EvaluationsGrid)->GetParentFrame()->m_hWnd), 0);
            Pump();
        };

        // the project's solve on its own: each window tiled and refreshed as it opens
        before();
        ASSERT_EQ(app.m_Project.SolveProblem(), 1);
        Pump();
        const std::string arrangement = Arrangement(), matrix = Matrix();
        EXPECT_NE(matrix.find("0.98R|"), std::string::npos) << matrix;

        // F5
        CloseResultWindows();
        before();
        Shortcut(ID_ZQ_SOLVE);
        Pump();
        EXPECT_EQ(Arrangement(), arrangement);
        EXPECT_EQ(Matrix(), matrix);

        CloseResultWindows();
        app.m_nModified = 0;
        Command(ID_FILE_NEW);
    }
}

} // namespace

// Support of the tests of hidden rows and columns, user resizing, fitting to the contents, header marks
// and freezing: a grid window of the operations' modules that notes the size changes it is told of and
// the rectangles it invalidates, and a long operation that reports the user's abort.
#pragma once

#include "view_test_support.h"

#include "grid/engine/GXLongOperation.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXState.h"
#include "grid/ops/GXCommand.h"

#include <string>
#include <vector>

// A shown grid window of nRows by nCols (400 by 300 pixels) with the operations' modules.
class CSizingGrid : public CInputGridWnd {
public:
    void Make(ROWCOL nRows, ROWCOL nCols)
    {
        CreateInputGrid(nRows, nCols);
        Show();
    }
    void OnRowHeightChanged(ROWCOL nFirst, ROWCOL nLast, const int* anOld, UINT nFlags, BOOL bCreateHint) override
    {
        m_sizeCalls.push_back("rows " + std::to_string(nFirst) + "-" + std::to_string(nLast));
        CInputGridWnd::OnRowHeightChanged(nFirst, nLast, anOld, nFlags, bCreateHint);
    }
    void OnColWidthChanged(ROWCOL nFirst, ROWCOL nLast, const int* anOld, UINT nFlags, BOOL bCreateHint) override
    {
        m_sizeCalls.push_back("cols " + std::to_string(nFirst) + "-" + std::to_string(nLast));
        CInputGridWnd::OnColWidthChanged(nFirst, nLast, anOld, nFlags, bCreateHint);
    }
    // The undo list's length and the name of its newest command ("" when empty).
    int UndoCount() { return int(GetParam()->GetUndoList().GetCount()); }
    std::string LastUndoName()
    {
        CObList& list = GetParam()->GetUndoList();
        return list.IsEmpty() ? "" : static_cast<CGXCommand*>(list.GetHead())->GetName();
    }
    // The rows (columns) hidden among 1..n, as "2 5 8".
    std::string HiddenRows(ROWCOL n)
    {
        std::string text;
        for (ROWCOL r = 1; r <= n; ++r)
            if (IsRowHidden(r))
                text += (text.empty() ? "" : " ") + std::to_string(r);
        return text;
    }
    std::string HiddenCols(ROWCOL n)
    {
        std::string text;
        for (ROWCOL c = 1; c <= n; ++c)
            if (IsColHidden(c))
                text += (text.empty() ? "" : " ") + std::to_string(c);
        return text;
    }

    std::vector<std::string> m_sizeCalls;
};

// A long-operation module that reports a user abort at its nAbortAt-th message round (from 1).
struct AbortAtRound : CGXAbstractLongOperationImp {
    explicit AbortAtRound(int nAt) : nAbortAt(nAt) {}
    void Start(CGXLongOperation&) override { GXGetLongOperationSettings().m_nLevel++; }
    void End(CGXLongOperation&) override { GXGetLongOperationSettings().m_nLevel--; }
    void FreeStatusText(CGXLongOperation&) override {}
    BOOL SetStatusText(CGXLongOperation&, const char* pszText, BOOL) override
    {
        strStatus = pszText != nullptr ? pszText : "";
        return TRUE;
    }
    BOOL DoMessages(CGXLongOperation&, BOOL& bAborted) override
    {
        bAborted = ++nRounds == nAbortAt;
        return TRUE;
    }
    BOOL UpdateProgress(CGXLongOperation&) override { return TRUE; }
    void PumpMessages(CGXLongOperation&) override {}

    int nAbortAt;
    int nRounds = 0;
    std::string strStatus;
};

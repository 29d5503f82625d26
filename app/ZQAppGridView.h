// CZQAppGridView: what the application's two grid views, the evaluations grid (CZQGridView) and the
// comparison matrix (CZQResultsGridView), share: their first update around the view's own fill, and
// the few style steps their fills are made of.
//
// First update: the grid view's; undo recording off; both scroll bars automatic, with the end kept
// in view (mode 10); the view's fill (LoadCells); the row and column headers without border lines;
// the keyboard focus to the view; undo recording on.
//
// A fill is not the user's edit: while a view fills itself (UndoPause) undo records nothing, and what
// the user did before it is forgotten (ForgetEdits): an undo or redo recorded for the cells as they
// stood would write into cells that now hold other alternatives or criteria.
//
// Printing: Print (57607), Print without the dialog (57608) and Print Preview (57609) run the class
// library's print loop and preview; the job is prepared through the grid view's print device
// (DoPrintDevicePreparePrinting) and the pages are the grid's printed pages (GXPrintImp.h).
#pragma once

#include "grid/engine/GXGridView.h"

class CGXStyle;

class CZQAppGridView : public CGXGridView {
    DECLARE_DYNAMIC(CZQAppGridView)
    DECLARE_MESSAGE_MAP()
public:
    ~CZQAppGridView() override;

    // The first update (see the top of this file).
    void OnInitialUpdate() override;

protected:
    CZQAppGridView();

    // DoPrintDevicePreparePrinting.
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;

    // The view's fill from the project, called by the first update.
    virtual void LoadCells() = 0;

    // Applies style to range in override mode (update flag 2, recorded as a command done).
    void ApplyStyle(const CGXCellRange& range, const CGXStyle& style);
    // Sets ReadOnly = bReadOnly on range with the grid's read-only guard lifted meanwhile, so that
    // read-only cells take it too.
    void SetReadOnlyUnguarded(const CGXCellRange& range, BOOL bReadOnly);
    // Clears what an earlier fill left on the body (1, 1)-(rows, columns): its read-only marks, then
    // every attribute the Standard style sets. Nothing while the grid has no body cell.
    void ResetBody();
    // Empties the undo and redo lists: the cells are about to be rebuilt from the project.
    void ForgetEdits();

    // Undo recording off for its life, then back as it was.
    class UndoPause {
    public:
        explicit UndoPause(CGXGridCore& grid);
        ~UndoPause();
        UndoPause(const UndoPause&) = delete;
        UndoPause& operator=(const UndoPause&) = delete;

    private:
        CGXGridCore& m_grid;
        BOOL m_bUndo;
    };
};

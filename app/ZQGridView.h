// CZQGridView: the view of the evaluations grid window, a grid that mirrors the project's evaluations
// table and keeps no data of its own. Table row r is grid row r and table cell c grid column c: row 0
// holds the criterion names, column 0 the alternatives' names, the body one evaluation per
// alternative and criterion.
//
// Columns of gain and cost criteria are edit cells whose entries are read as a number when the user
// leaves them ('.' as the decimal point whatever the locale, reading stops at the first other
// character, no number gives 0; an empty entry stays empty) and written back with "%.13g". Columns of
// ordinal criteria are tabbed drop-down lists (control 52540) of the criterion's scale values, the
// list's first line the column titles "Value" and "Rank"; an empty cell of such a column shows green
// (0x80FF80) until a value is chosen, and a column whose criterion has no scale values is emptied,
// red (0x8080FF) and read-only. Every validated cell is written back into the table at once, and
// every cell when the window goes.
//
// The view keeps the application's evaluations-grid-open flag: set once its first fill is done,
// cleared when its window goes. Undo recording is off while the grid is filled from the project and
// on otherwise; a fill forgets the undo and redo lists, so that nothing recorded for the cells before
// the project changed is undone into the cells after. An entry is one step to undo: the number and the
// white interior that its validation writes into the cell belong to the entry and are not recorded
// apart. Whatever changes cells without a validation (Undo, Redo, clearing cells with Delete or Cut) is
// stored into the table at once.
// Edit Paste does nothing in this window; Cut and Copy are the grid's.
//
// Printing and print preview: the application grid views' (ZQAppGridView.h).
#pragma once

#include "app/ZQAppGridView.h"

class CZQInterfaceData;

class CZQGridView : public CZQAppGridView {
    DECLARE_DYNCREATE(CZQGridView)
    DECLARE_MESSAGE_MAP()
public:
    CZQGridView();
    ~CZQGridView() override;

    // The application grid views' first update, filled by LoadFromModel; then the
    // evaluations-grid-open flag set.
    void OnInitialUpdate() override;

    // Rebuilds every cell from the project's evaluations table: the counts (table rows - 1, cells of
    // the header row - 1), what an earlier fill left cleared, the texts, then per ordinal column its
    // drop-down list or its read-only mark; finally the grid's texts are stored back (StoreToModel), so
    // that the table holds what the grid shows. The current cell's control is given up first, its
    // entry not stored, and the cell of the same place made current again (inactive, the focus left
    // where it is) when the grid still has it. Undo recording is off meanwhile. Nothing without a
    // project.
    void LoadFromModel();
    // Copies the value text of every grid cell into the project's evaluations table, for every cell
    // the table has (headers included); an entry still being typed in the current cell is validated
    // into its cell first. Nothing without a project.
    void StoreToModel();
    // TRUE while LoadFromModel runs.
    BOOL IsLoading() const { return m_bLoading; }
    // How many table cells the stores have changed since the view was made (it wraps around): two
    // readings differ when a store between them changed the table.
    DWORD GetStoredChanges() const { return m_dwStoredChanges; }

    // Sets the project's modified flag, nothing else.
    void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override;
    // The user leaves an edited cell: in a gain or cost column a non-empty entry becomes its number
    // ("%.13g"); the grid is stored into the table; a non-empty cell gets a solid white interior.
    // Never refuses. While loading, and for header cells, TRUE at once.
    BOOL OnValidateCell(ROWCOL nRow, ROWCOL nCol) override;
    // The grid's Undo, Redo and clearing of cells (Delete, Cut); then the cells are stored into the
    // table, and the project is marked modified when the table changed. Each returns the grid's
    // result.
    BOOL Undo() override;
    BOOL Redo() override;
    BOOL ClearCells(const CGXRangeList& selList, BOOL bStyleOnly) override;

protected:
    // LoadFromModel.
    void LoadCells() override;
    // Stores the grid into the table, clears the evaluations-grid-open flag, then the grid's handling.
    afx_msg void OnDestroy();
    // Edit Paste: nothing.
    afx_msg void OnIgnoreCommand();

private:
    // The project of the running application; null when there is none.
    static CZQInterfaceData* Project();

    BOOL m_bLoading;
    BOOL m_bStoringEntry; // TRUE while StoreToModel validates the entry being typed
    DWORD m_dwStoredChanges;
};

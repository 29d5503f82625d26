// CZQResultsGridView: the view of the alternatives comparison matrix window, a read-only grid with
// one row and one column per alternative of the Solver of the last solve. Row 0 and column 0 hold the
// alternatives' names (empty for an alternative without a record); the cell of row i and column k
// holds the Solver's comparison value of the pair (alternative i, alternative k), the largest
// U(a) - U(b) over the base constraints (Solver::weakOptima), written with "%.13g" as a number.
// Every body cell is read-only: typing into it changes nothing.
//
// A Solver without results (a refused preparation, an inconsistent solve), or none, leaves the grid
// empty. The table is read as square over its rows: a row shorter than the others leaves its missing
// cells empty.
//
// The view keeps the application's matrix-open flag: set once its first fill is done, cleared when
// its window goes.
//
// Printing and print preview: the application grid views' (ZQAppGridView.h).
#pragma once

#include "app/ZQAppGridView.h"

class CZQResultsGridView : public CZQAppGridView {
    DECLARE_DYNCREATE(CZQResultsGridView)
    DECLARE_MESSAGE_MAP()
public:
    CZQResultsGridView();
    ~CZQResultsGridView() override;

    // The application grid views' first update, filled by LoadMatrix; then the matrix-open flag set.
    void OnInitialUpdate() override;

    // Refills every cell from the project's Solver (see the top of this file): the counts n by n,
    // what an earlier fill left cleared, the values, the names, then the body made read-only. Undo
    // records nothing meanwhile.
    void LoadMatrix();

protected:
    // LoadMatrix.
    void LoadCells() override;
    // Clears the matrix-open flag, then the grid's handling.
    afx_msg void OnDestroy();
};

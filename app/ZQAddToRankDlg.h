// CZQAddToRankDlg: "Add Alternative To Ranking" (template 263), the rank dialog of the alternatives
// pane's "Add to Other...". Its drop-down list 1013 offers the ranks "1" to "k + 1", k being the
// number of ranks of the reference tree (so a new last rank too), the first one selected; OK gives
// the chosen rank number.
#pragma once

#include <windows.h>

#include "win/Win.h"

class CZQAddToRankDlg : public CDialog {
public:
    // nRanks: the number of ranks of the reference tree (0 or more); pParentWnd: the owner (null: the
    // main window).
    explicit CZQAddToRankDlg(int nRanks, CWnd* pParentWnd = nullptr);
    ~CZQAddToRankDlg() override;

    // Fills the list ("1" to nRanks + 1) and selects its first entry.
    BOOL OnInitDialog() override;
    // The rank number is the selected entry's index plus 1; then the dialog ends with OK.
    void OnOK() override;

    int m_nRank;          // the chosen rank number (0 until OK)
    CComboBox m_wndRanks; // list 1013

private:
    int m_nRanks;
};

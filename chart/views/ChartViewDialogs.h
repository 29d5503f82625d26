// The chart view's small dialogs: the page set-up and the zoom question.
//
// PageSetup: the chart view's page set-up dialog (template IDD_CHART_PAGE_SETUP). The caller fills the
// four values before DoModal and reads them after IDOK.
//
// The combo box lists the ten paper sizes of the view's page table (texts IDS_CHART_PAPER_FIRST ...);
// the check box switches printing at that size on, and enables the paper combo box and the six
// placement buttons with it, at the start and whenever it changes.
#pragma once

#include "win/Win.h"

#include <windows.h>

class PageSetup : public CDialog {
    DECLARE_DYNAMIC(PageSetup)
    DECLARE_MESSAGE_MAP()
public:
    // The number of paper sizes of the combo box.
    static constexpr int kPaperCount = 10;

    // Paper index 0, the fixed size off, both placements 1 (centred).
    explicit PageSetup(CWnd* pParent = nullptr);

    int m_nPaperIndex;    // 0 .. 9
    int m_bUsePageSize;   // print at the paper size
    int m_nVertical;      // 0 top, 1 centre, 2 bottom
    int m_nHorizontal;    // 0 left, 1 centre, 2 right

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Enables the paper combo box and the placement buttons while the check box is checked.
    void EnablePlacement();

    afx_msg void OnUsePageSize();
};

// CSelectQuery: the zoom question (template IDD_CHART_SELECT_QUERY): whether a zoom narrows the items,
// the groups or both. m_nChoice is the index of the button (0 items, 1 groups, 2 both); it starts at 2.
class CSelectQuery : public CDialog {
    DECLARE_DYNAMIC(CSelectQuery)
public:
    explicit CSelectQuery(CWnd* pParent = nullptr);

    int m_nChoice;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

// CZQUncertaintyDlg: "Credibility options" (template 271), in which the user splits the reference
// alternatives into those of high credibility (list 1037) and those of low credibility (list 1038).
// The reference-ranking pane gives it every alternative of the reference tree (m_input) and, after
// OK, makes m_result the project's credibility choice.
//
// Every run starts with all of them of high credibility: a choice stored before is not shown. "-->"
// (1039) moves the selected high-credibility entry to the low box and drops it from the result;
// "<--" (1040) moves the selected low-credibility entry back and appends it to the result, at its end.
// Each does nothing while its box has no selected entry.
#pragma once

#include <windows.h>

#include "win/Win.h"

#include <vector>

class CZQUncertaintyDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    // pParentWnd: the owner (null: the main window). The caller fills m_input.
    explicit CZQUncertaintyDlg(CWnd* pParentWnd = nullptr);
    ~CZQUncertaintyDlg() override;

    // The result becomes a copy of the input, and every entry of it goes into the high box.
    BOOL OnInitDialog() override;

    std::vector<CString> m_input;  // the reference alternatives
    std::vector<CString> m_result; // those of high credibility
    CListBox m_wndLow;             // list 1038
    CListBox m_wndHigh;            // list 1037

protected:
    afx_msg void OnToLow();
    afx_msg void OnToHigh();
};

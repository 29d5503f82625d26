// CZQOptDlg: the Options dialog (template 270) of the Calculate menu. It edits the project's two
// thresholds for the discrimination of zero: delta, used in the linear programs (edit 1036), and
// epsilon, used in the exploitation of the model (edit 1041). The caller fills both from the project
// and stores them back only when the dialog ends with OK.
//
// Each value must read as a number from 0.0 to 0.5: the class library's range check refuses any other
// with its own message and keeps the dialog open on that edit.
#pragma once

#include <windows.h>

#include "win/Win.h"

class CZQOptDlg : public CDialog {
public:
    // Both thresholds 0.0; pParentWnd the owner (null: the main window).
    explicit CZQOptDlg(CWnd* pParentWnd = nullptr);
    ~CZQOptDlg() override;

    // The two edits and their ranges.
    void DoDataExchange(CDataExchange* pDX) override;

    double m_dDelta;   // delta (in LP problem)
    double m_dEpsilon; // epsilon (in model exploitation)
};

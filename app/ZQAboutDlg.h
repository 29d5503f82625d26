// CZQAboutDlg: the plain about window (template 106), which plays the program's clip (the "AVI"
// resource 259) in its animation control 1007 from the first to the last frame, over and over. It
// stands in for the animated about window where OpenGL cannot be set up.
#pragma once

#include <windows.h>

#include "win/Win.h"

class CZQAboutDlg : public CDialog {
public:
    // pParentWnd: the owner (null: the main window).
    explicit CZQAboutDlg(CWnd* pParentWnd = nullptr);
    ~CZQAboutDlg() override;

    // Builds the plain about window and runs it modally over pParentWnd; returns the run's result
    // (IDOK when the user closes it, -1 when it could not be made).
    static INT_PTR Run(CWnd* pParentWnd);

    // The base's initialisation; then the clip opened in the animation control and played without
    // end. A clip that cannot be opened leaves the control empty.
    BOOL OnInitDialog() override;

    CAnimateCtrl m_Animation; // the control 1007

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

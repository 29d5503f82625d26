// CZQChildFrm: the frame of every document window of the application (all six templates make it), a
// worksheet of the main window's workbook with its tab. Its caption is its document's title whatever
// its state: restored, minimised (the icon's label) and maximised (the system then shows it beside the
// main window's caption); the MDI client's Window menu names the window by it.
#pragma once

#include <windows.h>

#include "frames/SECWorkbook.h"

class CZQChildFrm : public SECWorksheet {
    DECLARE_DYNCREATE(CZQChildFrm)
    DECLARE_MESSAGE_MAP()
public:
    CZQChildFrm();
    ~CZQChildFrm() override;

    // The caption: the active document's title (nothing changes without one). The base's title logic
    // is not used.
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;

protected:
    // The base's handling, then the caption as OnUpdateFrameTitle sets it; the caption is checked
    // again on the next idle.
    afx_msg void OnSize(UINT nType, int cx, int cy);
};

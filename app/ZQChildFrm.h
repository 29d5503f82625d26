// CZQChildFrm: the frame of every document window of the application (all six templates make it), a
// worksheet of the main window's workbook with its tab. Its caption is the document's title while the
// window is restored and empty while it is minimised or maximised (a maximised child's title would
// otherwise be drawn beside the main frame's).
#pragma once

#include <windows.h>

#include "frames/SECWorkbook.h"

class CZQChildFrm : public SECWorksheet {
    DECLARE_DYNCREATE(CZQChildFrm)
    DECLARE_MESSAGE_MAP()
public:
    CZQChildFrm();
    ~CZQChildFrm() override;

    // The caption from the window's placement: empty when minimised or maximised, else the active
    // document's title (nothing changes without one). The base's title logic is not used.
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;

protected:
    // The base's handling, then the caption: empty when minimised, else the active document's title;
    // OnUpdateFrameTitle follows on the next idle.
    afx_msg void OnSize(UINT nType, int cx, int cy);
};

// CZQChildFrm: the frame of every document window of the application (all six templates make it).
// Its caption is the document's title while the window is restored and empty while it is minimised
// or maximised (a maximised child's title would otherwise be drawn beside the main frame's).
#pragma once

#include <windows.h>

#include "win/Win.h"

// The class the child frame builds on: the MDI child of the class library until the workbook's
// worksheet frame exists, which then takes its place here.
#define ZQ_CHILD_FRAME_BASE CMDIChildWnd

class CZQChildFrm : public ZQ_CHILD_FRAME_BASE {
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

// Helpers of the docking tests: window rectangles and the entries of a dock bar as text.
#pragma once

#include <sstream>
#include <string>

#include "FakeServices.h"

// The window rectangle of pWnd in screen coordinates / in its parent's client coordinates.
inline CRect ScreenRect(const CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(rect);
    return rect;
}
inline CRect ParentRect(const CWnd* pWnd)
{
    CRect rect = ScreenRect(pWnd);
    pWnd->GetParent()->ScreenToClient(rect);
    return rect;
}

// The entries of a dock bar as text: '|' for a row end, a bar's id, a placeholder's id in brackets,
// bars of a row apart by a space: "|1 2|(3)|" is [end, 1, 2, end, placeholder 3, end].
inline std::string Entries(const CDockBar* pDockBar)
{
    std::ostringstream text;
    bool bFirstInRow = true;
    for (const CDockBar::Entry& e : pDockBar->m_arrBars) {
        if (e.IsRowEnd()) {
            text << '|';
            bFirstInRow = true;
            continue;
        }
        text << (bFirstInRow ? "" : " ");
        bFirstInRow = false;
        if (e.IsBar())
            text << e.pBar->GetDlgCtrlID();
        else
            text << '(' << e.nID << ')';
    }
    return text.str();
}

// CAnimateCtrl: an animation control ("SysAnimate32") that plays a silent AVI clip, uncompressed or
// RLE-compressed; thin wrappers of the ACM_ messages.
//
// Not done yet: clips from files, stopping and closing a clip, notifications of the clip starting and
// stopping.
#pragma once

#include "win/CWnd.h"

class CAnimateCtrl : public CWnd {
    DECLARE_DYNAMIC(CAnimateCtrl)
public:
    CAnimateCtrl();
    ~CAnimateCtrl() override;

    // Creates the control as a child of pParentWnd (style ACS_*, WS_*; WS_CHILD added), rectangle in
    // the parent's client coordinates, control id nID. FALSE when no window was made.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Opens the clip of "AVI" resource nID (current resource handle, then the program). FALSE when it is
    // missing or no clip the control can play. With ACS_AUTOPLAY it starts at once.
    BOOL Open(UINT nID);
    // Plays frames nFrom to nTo (-1: the last) nRep times (-1: without end); Play(n, n, 1) shows frame n.
    BOOL Play(UINT nFrom, UINT nTo, UINT nRep);
};

// CAnimateCtrl: an animation control ("SysAnimate32") that plays a silent AVI clip, uncompressed or
// RLE-compressed; thin wrappers of the ACM_ messages.
//
// Not done yet: notifications of the clip starting and stopping.
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

    // Opens the clip: an "AVI" resource (current resource handle, then the program) or a file. FALSE
    // when it is missing or no clip the control can play. With ACS_AUTOPLAY it starts at once.
    BOOL Open(UINT nID);
    BOOL Open(LPCSTR lpszFileName);
    // Plays frames nFrom to nTo (-1: the last) nRep times (-1: without end).
    BOOL Play(UINT nFrom, UINT nTo, UINT nRep);
    // Shows frame nTo.
    BOOL Seek(UINT nTo);
    BOOL Stop();
    // Closes the clip (the control goes blank).
    BOOL Close();
};

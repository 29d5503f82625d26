// CStatic: a static text, frame, icon or bitmap control ("STATIC" class).
//
// Not done yet: enhanced metafiles.
#pragma once

#include "win/CWnd.h"

class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
public:
    CStatic();
    ~CStatic() override;

    // Creates the control as a child of pParentWnd with text lpszText, style dwStyle (SS_*, WS_*;
    // WS_CHILD added), rectangle in the parent's client coordinates and control id nID. FALSE when no
    // window was made.
    BOOL Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xFFFF);

    // STM_SETIMAGE / STM_GETIMAGE (SS_BITMAP, SS_ICON controls). The setters return the previous image.
    HBITMAP SetBitmap(HBITMAP hBitmap);
    HBITMAP GetBitmap() const;
    HICON SetIcon(HICON hIcon);
    HICON GetIcon() const;
};

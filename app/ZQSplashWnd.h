// CZQSplashWnd: the picture shown while the main frame is being created. It removes itself two
// seconds after it appears; keys and mouse clicks do not close it earlier.
//
// One splash window exists at most. EnableSplashScreen (from the command line: an automation start
// shows none) decides whether ShowSplashScreen shows it; a missing picture or a window that cannot
// be made shows nothing and reports nothing.
#pragma once

#include <windows.h>

#include "win/Win.h"

class CZQSplashWnd : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    // Timer 1 removes the window this many milliseconds after its creation.
    enum { TIMER_ID = 1, SHOW_MILLISECONDS = 2000 };
    // Timer 2 puts the window over its owner again, every tenth of a second while it shows.
    enum { RAISE_TIMER_ID = 2, RAISE_MILLISECONDS = 100 };

    // Switches the splash window on or off for the next ShowSplashScreen.
    static void EnableSplashScreen(BOOL bEnable);
    // Shows the splash window over pParentWnd (the frame being created, which owns it) unless it is
    // switched off or already shown.
    static void ShowSplashScreen(CWnd* pParentWnd);
    // The splash window that exists, or null.
    static CZQSplashWnd* GetSplashWnd() { return c_pSplashWnd; }
    // Puts the window back over its owner on the screen and paints it. An owned pop-up stays above
    // its owner, but the main frame, shown once the creation that made the splash is over, comes out
    // on top of it; the window system already counts the splash as above, so it is moved to the
    // bottom and back to the top for the screen to follow.
    void ShowAboveOwner();
    // ShowAboveOwner now and again every tenth of a second (timer 2) until the window closes: the
    // owner's activation, which comes later, raises the owner again.
    void KeepAboveOwner();

protected:
    CZQSplashWnd();
    ~CZQSplashWnd() override;

    // Loads bitmap 260 and makes the popup window of exactly its size, centred and owned by
    // pParentWnd's window, so that it stays above that window (not above other programs' windows: it is
    // not topmost). FALSE when the bitmap is missing or the window cannot be made.
    BOOL Create(CWnd* pParentWnd);
    // Destroys the window and updates the main window at once, so it is not left with the picture's
    // hole in it.
    void HideSplashScreen();
    // The window is gone: the object goes too.
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR nIDEvent);

    CBitmap m_bitmap;

    static BOOL c_bShowSplashWnd;
    static CZQSplashWnd* c_pSplashWnd;
};

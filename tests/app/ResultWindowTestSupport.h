// Helpers of the result windows' tests: the started application over a folder of project files (TEMP
// names it, so that a solve's graphs land there), the project of the solve-driver tests solved, and a
// memory canvas that a view draws into.
#pragma once

#include "AppTestSupport.h"

#include <string>

// The project the result windows show: x, y and z on a gain and a cost criterion, x ranked first, y
// second, z outside the reference ranking.
extern const char* const kRankedTriple;

class ResultWindowFixture : public AppFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens tests/data/relative through the application (copied into the folder as `name`).
    void Open(const char* relative, const std::string& name);
    // Opens kRankedTriple and solves it with F5.
    void OpenAndSolve();
    // The command as a menu choice, or as its shortcut.
    void Command(UINT nID) { app.m_pMainWnd->SendMessage(WM_COMMAND, nID); }
    void Shortcut(UINT nID) { app.m_pMainWnd->SendMessage(WM_COMMAND, MAKEWPARAM(nID, 1)); }
    // The state of item nID of the main menu once its popup opened.
    ItemState State(UINT nID) { return MainMenuState(app.m_pMainWnd, nID); }
    // Sizes pWnd so that its client area is nWidth by nHeight pixels.
    static void SetClientSize(CWnd* pWnd, int nWidth, int nHeight);

    CFakeServices fake;
    AppFolder folder;
    std::string savedTemp;
    char commandLine[1] = "";
};

// A white memory bitmap of the screen's format, nWidth by nHeight pixels, selected into a DC.
class Canvas {
public:
    Canvas(int nWidth, int nHeight);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    CDC& DC() { return m_dc; }
    COLORREF Pixel(int x, int y) const { return m_dc.GetPixel(x, y); }
    // True when a pixel of rect is not white.
    bool Inked(const CRect& rect) const;
    // True when no pixel is not white.
    bool Blank() const { return !Inked(CRect(0, 0, m_nWidth, m_nHeight)); }

private:
    int m_nWidth;
    int m_nHeight;
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap;
};

// CZQAnimatedAboutDlg: the animated about window (template 100, "About Ondrix", one OK button), drawn
// with OpenGL: the title "Ondrix Version 2.0" (string 57695) turning in changing colours over a
// four-coloured backdrop, the two credits pages sliding in and out below it (ZQAboutAnimation.h) and
// two textures laid over the scene, redrawn every 10 ms (window timer 0).
//
// OpenGL draws into a hidden window of the client area's size (the dialog cannot be resized), and
// each frame is read back from its back buffer and painted into the client area with GDI, around the
// OK button: under Wine, a window that OpenGL draws on the screen hides the controls in it, and an
// OpenGL child window is not shown at all.
//
// Set-up, when the window is made: the hidden window's device context gets a double-buffered RGBA
// pixel format (32 colour and 16 depth bits), a rendering context is made current and the scene is
// built: the textures from bitmaps 255 and 258 (ZQBitmapToRGB), the glyph lists of two outline fonts
// ("Arial" for the title, "Arial Black" for the credits; the font mapper's nearest outline face
// serves where they are missing) and the lighting. When any step fails, everything made so far is
// released, the dialog ends with 0 and, once its window is gone, the plain about window
// (CZQAboutDlg) runs instead.
//
// Everything runs on the user-interface thread, whose current context stays this window's while it
// exists; the window releases the context, the rendering context and the device context when it goes.
//
// Not done yet: a client area grown beyond its first size (the dialog cannot be resized by the
// user) is drawn only in part.
#pragma once

#include <windows.h>

#include <GL/gl.h>

#include "app/ZQAboutAnimation.h"
#include "win/Win.h"

#include <vector>

// The pixels of hBitmap as rows of red, green and blue bytes, its top row first, in rgb, with its size
// in nWidth and nHeight. Only bitmaps of 32 bits per pixel (blue, green, red and an unused byte) or 16
// (red 5, green 6 and blue 5 bits) are taken: a 16-bit red of 0xF800 gives 0xF8, a green of 0x07E0
// gives 0xFC, a blue of 0x001F gives 0xF8. Returns FALSE, rgb empty, for any other depth or a bitmap
// whose bits cannot be read.
BOOL ZQBitmapToRGB(HBITMAP hBitmap, std::vector<BYTE>& rgb, int& nWidth, int& nHeight);

class CZQAnimatedAboutDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    // pParentWnd: the owner (null: the main window).
    explicit CZQAnimatedAboutDlg(CWnd* pParentWnd = nullptr);
    ~CZQAnimatedAboutDlg() override;

    // Runs the window modally; when its set-up failed, the plain about window runs after it. Returns
    // the animated window's result: IDOK when the user closed it, 0 when its set-up failed (whatever
    // the plain window answered), -1 when no window could be made.
    INT_PTR DoModal() override;

    // The pixel format the window asks for: 40 bytes, version 1, drawing to a window with OpenGL and
    // double buffering, RGBA, 32 colour bits, 16 depth bits, the main layer.
    static PIXELFORMATDESCRIPTOR RequestedPixelFormat();

    // The hidden window OpenGL draws into (null before the set-up and after a failed one).
    HWND GetSceneWindow() const { return m_hWndScene; }
    // The rendering context (null before the set-up, after a failed one and once the window is gone).
    HGLRC GetRenderingContext() const { return m_hRC; }
    // True when the set-up failed and the plain window is to run.
    BOOL HasFallenBack() const { return m_bFallBack; }

    ZQAboutAnimation m_Animation; // the counters of the next frame

protected:
    // The set-up's steps after the hidden window is made, in this order; each returns FALSE when it
    // fails (and may have made part of what it makes: the window releases it). Tests replace them to
    // see a failure.
    // Chooses and sets the pixel format on the hidden window's device context: the nearest to the
    // requested one, or format 1 when none is found and format 1 can be described.
    virtual BOOL SetUpPixelFormat();
    // Makes the rendering context and makes it current.
    virtual BOOL CreateRenderingContext();
    // Builds the scene: textures, glyph lists, lighting and blending, under the wait cursor.
    virtual BOOL InitScene();

    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnTimer(UINT_PTR nIDEvent);

private:
    // The texture nTexture (0 or 1) from bitmap resource nIDBitmap with its mipmaps.
    BOOL LoadTexture(int nTexture, UINT nIDBitmap);
    // 256 glyph lists (characters 0 to 255) of the outline face lpszFace, extruded by fDepth; the base
    // of the lists, 0 when they could not be made. pfWidth, when given, receives the width of text in
    // that face (one unit per em).
    GLuint BuildGlyphLists(LPCSTR lpszFace, float fDepth, const CString& text, float* pfWidth);
    // Draws text with the glyph lists from nBase, starting at the current origin.
    static void DrawGlyphs(GLuint nBase, const CString& text);
    // Draws the frame of m_Animation into the back buffer: title, credits, backdrop and textures.
    void RenderFrame();
    // Paints the back buffer into pDC at the client area's top left corner.
    void ShowFrame(CDC* pDC);
    // Draws the credits page of the current frame.
    void DrawCredits();
    // Releases the display lists, the textures, the rendering context, the device context and the
    // hidden window, those that exist; the current context is released first.
    void ReleaseScene();

    HWND m_hWndScene;       // the hidden window OpenGL draws into, of the client area's size
    CSize m_sizeScene;      // its size
    HDC m_hDC;              // its device context, for the set-up, the fonts and the frames
    HGLRC m_hRC;            // the rendering context
    GLuint m_textures[2];   // texture names (0: none)
    GLuint m_nTitleLists;   // base of the title font's glyph lists (0: none)
    GLuint m_nCreditsLists; // base of the credits font's glyph lists (0: none)
    float m_fTitleScale;    // makes the title 4.3 units wide, centred on its turning point
    CString m_strText;      // the title
    // the credits pages: their lines, and whether a line is a label (drawn yellow) or not (blue)
    struct CreditsLine {
        CString text;
        bool bLabel;
    };
    std::vector<CreditsLine> m_pages[2];
    CSize m_sizeView;           // the viewport: the client area's size, its height at least 1
    std::vector<DWORD> m_frame; // the frame read back from the back buffer
    BOOL m_bFallBack;           // the set-up failed: the plain window runs after this one
};

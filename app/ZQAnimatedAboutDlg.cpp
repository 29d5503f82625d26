// CZQAnimatedAboutDlg: the animated about window (see ZQAnimatedAboutDlg.h).
#include "app/ZQAnimatedAboutDlg.h"

#include "app/ZQAboutDlg.h"
#include "res/resource.h"

#include <GL/glu.h>

#include <algorithm>

namespace {

const UINT_PTR kTimer = 0;
const UINT kTimerElapse = 10; // ms between frames
const int kGlyphs = 256;      // glyph lists per font: the characters 0 to 255
const int kFontHeight = 12;
const float kTitleDepth = 0.3f;   // extrusion of the title's glyphs
const float kCreditsDepth = 0.1f; // ... and of the credits'
const float kTitleWidth = 4.3f;   // the title's width: it starts 2.15 left of its turning point

// The colour the system gives the dialogs' face, as OpenGL's clear colour.
void ClearToButtonFace()
{
    const COLORREF cr = ::GetSysColor(COLOR_BTNFACE);
    glClearColor(GetRValue(cr) / 255.0f, GetGValue(cr) / 255.0f, GetBValue(cr) / 255.0f, 1.0f);
}

// A square of side fSize with the bound texture, its lower left corner at the current origin; the
// texture's first row (the picture's top) at the square's top.
void TexturedSquare(float fSize)
{
    glBegin(GL_QUADS);
    glNormal3f(0, 0, 1);
    glTexCoord2f(0, 1);
    glVertex3f(0, 0, 0);
    glTexCoord2f(1, 1);
    glVertex3f(fSize, 0, 0);
    glTexCoord2f(1, 0);
    glVertex3f(fSize, fSize, 0);
    glTexCoord2f(0, 0);
    glVertex3f(0, fSize, 0);
    glEnd();
}

} // namespace

BOOL ZQBitmapToRGB(HBITMAP hBitmap, std::vector<BYTE>& rgb, int& nWidth, int& nHeight)
{
    rgb.clear();
    BITMAP bm = {};
    if (hBitmap == nullptr || ::GetObjectA(hBitmap, sizeof bm, &bm) != sizeof bm)
        return FALSE;
    if ((bm.bmBitsPixel != 32 && bm.bmBitsPixel != 16) || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return FALSE;
    const size_t nStride = size_t(bm.bmWidthBytes);
    std::vector<BYTE> bits(nStride * size_t(bm.bmHeight));
    if (::GetBitmapBits(hBitmap, LONG(bits.size()), bits.data()) != LONG(bits.size()))
        return FALSE;

    rgb.resize(size_t(bm.bmWidth) * size_t(bm.bmHeight) * 3);
    BYTE* pOut = rgb.data();
    for (int y = 0; y < bm.bmHeight; ++y) {
        const BYTE* pRow = bits.data() + nStride * size_t(y);
        for (int x = 0; x < bm.bmWidth; ++x) {
            if (bm.bmBitsPixel == 32) {
                const BYTE* p = pRow + 4 * x;
                *pOut++ = p[2];
                *pOut++ = p[1];
                *pOut++ = p[0];
            } else {
                const BYTE lo = pRow[2 * x];
                const BYTE hi = pRow[2 * x + 1];
                *pOut++ = BYTE(hi & 0xF8);
                *pOut++ = BYTE((((hi << 3) & 0x3F) | (lo >> 5)) << 2);
                *pOut++ = BYTE((lo & 0x1F) << 3);
            }
        }
    }
    nWidth = bm.bmWidth;
    nHeight = bm.bmHeight;
    return TRUE;
}

BEGIN_MESSAGE_MAP(CZQAnimatedAboutDlg, CDialog)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CZQAnimatedAboutDlg::CZQAnimatedAboutDlg(CWnd* pParentWnd)
    : CDialog(IDD_ZQ_ABOUT, pParentWnd), m_hWndScene(nullptr), m_hDC(nullptr), m_hRC(nullptr), m_textures{0, 0},
      m_nTitleLists(0), m_nCreditsLists(0), m_fTitleScale(1.0f), m_bFallBack(FALSE)
{
}

CZQAnimatedAboutDlg::~CZQAnimatedAboutDlg()
{
    // a window that went without its WM_DESTROY reaching this object
    ReleaseScene();
}

INT_PTR CZQAnimatedAboutDlg::DoModal()
{
    m_bFallBack = FALSE;
    const INT_PTR nResult = CDialog::DoModal();
    if (m_bFallBack)
        CZQAboutDlg::Run(m_pParentWnd);
    return nResult;
}

PIXELFORMATDESCRIPTOR CZQAnimatedAboutDlg::RequestedPixelFormat()
{
    PIXELFORMATDESCRIPTOR pfd = {};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 32;
    pfd.cDepthBits = 16;
    pfd.iLayerType = PFD_MAIN_PLANE;
    return pfd;
}

// ---- set-up and release ------------------------------------------------------------------------

int CZQAnimatedAboutDlg::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CDialog::OnCreate(lpCreateStruct) == -1)
        return -1;
    // the hidden window keeps the client area's size: the dialog cannot be resized
    CRect client;
    GetClientRect(client);
    m_sizeScene = CSize(std::max(int(client.Width()), 1), std::max(int(client.Height()), 1));
    m_hWndScene = ::CreateWindowExA(0, AfxRegisterWndClass(CS_OWNDC), "", WS_POPUP, 0, 0, m_sizeScene.cx,
                                    m_sizeScene.cy, m_hWnd, nullptr, AfxGetInstanceHandle(), nullptr);
    if (m_hWndScene != nullptr)
        m_hDC = ::GetDC(m_hWndScene);
    if (m_hDC != nullptr && SetUpPixelFormat() && CreateRenderingContext() && InitScene()) {
        ClearToButtonFace();
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        SetTimer(kTimer, kTimerElapse);
        return 0;
    }
    // OpenGL cannot be set up here: the plain window takes over once this one is gone
    ReleaseScene();
    ::RedrawWindow(::GetDesktopWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    m_bFallBack = TRUE;
    EndDialog(0);
    return 0;
}

BOOL CZQAnimatedAboutDlg::SetUpPixelFormat()
{
    PIXELFORMATDESCRIPTOR pfd = RequestedPixelFormat();
    int nFormat = ::ChoosePixelFormat(m_hDC, &pfd);
    if (nFormat == 0) {
        nFormat = 1;
        if (::DescribePixelFormat(m_hDC, nFormat, sizeof pfd, &pfd) == 0)
            return FALSE;
    }
    return ::SetPixelFormat(m_hDC, nFormat, &pfd);
}

BOOL CZQAnimatedAboutDlg::CreateRenderingContext()
{
    m_hRC = ::wglCreateContext(m_hDC);
    return m_hRC != nullptr && ::wglMakeCurrent(m_hDC, m_hRC);
}

BOOL CZQAnimatedAboutDlg::InitScene()
{
    BeginWaitCursor();
    AfxLoadString(IDS_ZQ_ABOUT_TITLE, m_strText);
    const struct {
        int nPage;
        UINT nID;
        bool bLabel;
    } lines[] = {
        {0, IDS_ZQ_CREDITS_LINE1, false}, {0, IDS_ZQ_CREDITS_LINE2, false},  {0, IDS_ZQ_CREDITS_LINE3, false},
        {0, IDS_ZQ_CREDITS_LINE4, false}, {0, IDS_ZQ_CREDITS_LINE5, false},  {1, IDS_ZQ_AUTHORS, true},
        {1, IDS_ZQ_AUTHOR1, false},       {1, IDS_ZQ_AUTHOR2, false},        {1, IDS_ZQ_AUTHOR3, false},
        {1, IDS_ZQ_SUPERVISOR, true},     {1, IDS_ZQ_SUPERVISOR_NAME, false}, {1, IDS_ZQ_CONSULTANT, true},
        {1, IDS_ZQ_CONSULTANT_NAME, false},
    };
    for (std::vector<CreditsLine>& page : m_pages)
        page.clear();
    for (const auto& line : lines) {
        CString text;
        AfxLoadString(line.nID, text);
        m_pages[line.nPage].push_back({text, line.bLabel});
    }

    float fTitleWidth = 0;
    BOOL bDone = LoadTexture(0, IDB_ZQ_ABOUT_GLOW) && LoadTexture(1, IDB_ZQ_ABOUT_LOGO);
    if (bDone) {
        m_nTitleLists = BuildGlyphLists("Arial", kTitleDepth, m_strText, &fTitleWidth);
        m_nCreditsLists = BuildGlyphLists("Arial Black", kCreditsDepth, CString(), nullptr);
        bDone = m_nTitleLists != 0 && m_nCreditsLists != 0;
    }
    if (bDone) {
        m_fTitleScale = fTitleWidth > 0 ? kTitleWidth / fTitleWidth : 1.0f;
        glEnable(GL_TEXTURE_2D);
        glShadeModel(GL_SMOOTH);
        glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
        glClearDepth(1.0);
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LEQUAL);
        glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
        const GLfloat ambient[] = {0.4f, 0.4f, 0.4f, 1.0f};
        const GLfloat white[] = {1.0f, 1.0f, 1.0f, 1.0f};
        const GLfloat position[] = {0.0f, 0.0f, 0.0f, 1.0f};
        glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
        glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
        glLightfv(GL_LIGHT0, GL_SPECULAR, white);
        glLightfv(GL_LIGHT0, GL_POSITION, position);
        glEnable(GL_LIGHT0);
        glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
        glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
        glEnable(GL_COLOR_MATERIAL);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    }
    EndWaitCursor();
    ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
    return bDone;
}

BOOL CZQAnimatedAboutDlg::LoadTexture(int nTexture, UINT nIDBitmap)
{
    CBitmap bitmap;
    std::vector<BYTE> rgb;
    int nWidth = 0;
    int nHeight = 0;
    if (!bitmap.LoadBitmap(nIDBitmap) || !ZQBitmapToRGB(HBITMAP(bitmap.m_hObject), rgb, nWidth, nHeight))
        return FALSE;
    glGenTextures(1, &m_textures[nTexture]);
    glBindTexture(GL_TEXTURE_2D, m_textures[nTexture]);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    // magnification knows no mipmaps: its nearest equivalent
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    return m_textures[nTexture] != 0 &&
           gluBuild2DMipmaps(GL_TEXTURE_2D, 3, nWidth, nHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data()) == 0;
}

GLuint CZQAnimatedAboutDlg::BuildGlyphLists(LPCSTR lpszFace, float fDepth, const CString& text, float* pfWidth)
{
    const GLuint nBase = glGenLists(kGlyphs);
    if (nBase == 0)
        return 0;
    // the character set of the program's code page: the glyph of each 8-bit code is the letter the
    // texts mean by it (a Polish letter under Windows-1250, where the Western set drew another)
    HFONT hFont = ::CreateFontA(-kFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_TT_ONLY_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, lpszFace);
    BOOL bMade = FALSE;
    std::vector<GLYPHMETRICSFLOAT> metrics(kGlyphs);
    if (hFont != nullptr) {
        HGDIOBJ hOld = ::SelectObject(m_hDC, hFont);
        bMade = ::wglUseFontOutlinesA(m_hDC, 0, kGlyphs, nBase, 0.0f, fDepth, WGL_FONT_POLYGONS, metrics.data());
        ::SelectObject(m_hDC, hOld);
        ::DeleteObject(hFont);
    }
    if (!bMade) {
        glDeleteLists(nBase, kGlyphs);
        return 0;
    }
    if (pfWidth != nullptr) {
        *pfWidth = 0;
        for (int i = 0; i < text.GetLength(); ++i)
            *pfWidth += metrics[BYTE(text[i])].gmfCellIncX;
    }
    return nBase;
}

void CZQAnimatedAboutDlg::ReleaseScene()
{
    if (m_hRC != nullptr) {
        // the lists and textures belong to the context: delete them while it is current
        if (::wglGetCurrentContext() == m_hRC || (m_hDC != nullptr && ::wglMakeCurrent(m_hDC, m_hRC))) {
            for (GLuint nBase : {m_nTitleLists, m_nCreditsLists}) {
                if (nBase != 0)
                    glDeleteLists(nBase, kGlyphs);
            }
            glDeleteTextures(2, m_textures);
        }
        ::wglMakeCurrent(nullptr, nullptr);
        ::wglDeleteContext(m_hRC);
        m_hRC = nullptr;
    }
    m_nTitleLists = m_nCreditsLists = 0;
    m_textures[0] = m_textures[1] = 0;
    if (m_hDC != nullptr) {
        ::ReleaseDC(m_hWndScene, m_hDC);
        m_hDC = nullptr;
    }
    if (m_hWndScene != nullptr) {
        ::DestroyWindow(m_hWndScene);
        m_hWndScene = nullptr;
    }
}

void CZQAnimatedAboutDlg::OnDestroy()
{
    CDialog::OnDestroy();
    ReleaseScene();
}

// ---- frames ------------------------------------------------------------------------------------

void CZQAnimatedAboutDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (m_hRC == nullptr)
        return;
    if (cy == 0)
        cy = 1;
    m_sizeView = CSize(cx, cy);
    glViewport(0, 0, cx, cy);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, GLdouble(cx) / GLdouble(cy), 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void CZQAnimatedAboutDlg::OnTimer(UINT_PTR)
{
    Invalidate(FALSE);
}

void CZQAnimatedAboutDlg::OnPaint()
{
    if (IsIconic() || m_hRC == nullptr) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    RenderFrame();
    ShowFrame(&dc);
    m_Animation.Advance();
}

void CZQAnimatedAboutDlg::ShowFrame(CDC* pDC)
{
    // the part of the viewport that the hidden window holds, from its lower left corner
    const int cx = std::min(m_sizeView.cx, m_sizeScene.cx);
    const int cy = std::min(m_sizeView.cy, m_sizeScene.cy);
    if (cx <= 0 || cy <= 0)
        return;
    m_frame.resize(size_t(cx) * size_t(cy));
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    // the rows from the bottom up, as a bottom-up DIB holds them; a viewport taller than the hidden
    // window loses its top rows
    glReadPixels(0, 0, cx, cy, GL_BGRA_EXT, GL_UNSIGNED_BYTE, m_frame.data());
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    ::SetDIBitsToDevice(pDC->m_hDC, 0, m_sizeView.cy - cy, DWORD(cx), DWORD(cy), 0, 0, 0, UINT(cy), m_frame.data(),
                        &bmi, DIB_RGB_COLORS);
}

void CZQAnimatedAboutDlg::RenderFrame()
{
    ClearToButtonFace();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);

    // the title
    float rgb[3];
    m_Animation.TitleColour(rgb);
    glLoadIdentity();
    glTranslatef(0.0f, 2.0f, -8.0f);
    glRotatef(m_Animation.fTitleAngle[0], 1.0f, 0.0f, 0.0f);
    glRotatef(m_Animation.fTitleAngle[1], 0.0f, 1.0f, 0.0f);
    glRotatef(m_Animation.fTitleAngle[2], 0.0f, 0.0f, 1.0f);
    glColor3f(rgb[0], rgb[1], rgb[2]);
    glTranslatef(-kTitleWidth / 2, -0.2f, 0.0f);
    glScalef(m_fTitleScale, m_fTitleScale, m_fTitleScale);
    DrawGlyphs(m_nTitleLists, m_strText);

    DrawCredits();

    // the backdrop
    glLoadIdentity();
    glBegin(GL_QUADS);
    glNormal3f(0, 0, 1);
    glColor3ub(160, 48, 48);
    glVertex3f(-25.0f, 25.0f, -50.0f);
    glColor3ub(48, 160, 48);
    glVertex3f(-25.0f, -25.0f, -50.0f);
    glColor3ub(48, 48, 160);
    glVertex3f(25.0f, -25.0f, -50.0f);
    glColor3ub(160, 160, 48);
    glVertex3f(25.0f, 25.0f, -50.0f);
    glEnd();

    // the textures in front, added to what lies behind them
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -3.2f);
    glRotatef(m_Animation.fTextureAngle, 0.0f, 0.0f, 1.0f);
    glTranslatef(-2.0f, -2.0f, 0.0f);
    glColor4f(1.0f, 1.0f, 1.0f, 0.05f);
    glBindTexture(GL_TEXTURE_2D, m_textures[0]);
    TexturedSquare(4.0f);
    glLoadIdentity();
    glTranslatef(2.9f, -5.2f, -13.0f);
    glColor4f(1.0f, 1.0f, 1.0f, 0.7f);
    glBindTexture(GL_TEXTURE_2D, m_textures[1]);
    TexturedSquare(2.5f);
}

void CZQAnimatedAboutDlg::DrawCredits()
{
    const ZQAboutAnimation::Credits credits = m_Animation.CreditsPlacement();
    glLoadIdentity();
    glTranslatef(-6.5f + credits.x, 0.0f, -23.0f + credits.z);
    glRotatef(credits.fAngle, 1.0f, 0.0f, 0.0f);
    for (const CreditsLine& line : m_pages[credits.nPage]) {
        if (line.bLabel)
            glColor3f(0.5f, 0.5f, 0.0f);
        else
            glColor3f(0.5f, 0.5f, 1.0f);
        glPushMatrix();
        DrawGlyphs(m_nCreditsLists, line.text);
        glPopMatrix();
        glTranslatef(0.0f, -1.0f, 0.0f);
    }
}

void CZQAnimatedAboutDlg::DrawGlyphs(GLuint nBase, const CString& text)
{
    glListBase(nBase);
    glCallLists(text.GetLength(), GL_UNSIGNED_BYTE, text.GetString());
}

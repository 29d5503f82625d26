#include "frames/SECToolBar.h"

#include "frames/SECSysColorBitmap.h"
#include "win/ArgCheck.h"
#include "win/CFrameWnd.h"
#include "win/WndInternal.h"

#include <shlwapi.h>

IMPLEMENT_DYNAMIC(SECToolBar, SECControlBar)

BEGIN_MESSAGE_MAP(SECToolBar, SECControlBar)
    ON_WM_CREATE()
    ON_WM_NCCALCSIZE()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_SYSCOLORCHANGE()
    ON_MESSAGE(TB_SETBITMAPSIZE, OnSetBitmapSize)
    ON_MESSAGE(TB_SETBUTTONSIZE, OnSetButtonSize)
    ON_MESSAGE(TB_SETBUTTONWIDTH, OnSetButtonWidth)
    ON_MESSAGE(TB_ADDBUTTONSA, OnButtonsChanged)
    ON_MESSAGE(TB_INSERTBUTTONA, OnButtonsChanged)
    ON_MESSAGE(TB_DELETEBUTTON, OnButtonsChanged)
    ON_MESSAGE(TB_AUTOSIZE, OnAutoSize)
END_MESSAGE_MAP()

namespace {

// The control neither places nor sizes itself: the frame's layout does.
const DWORD kCtrlLayoutStyle = CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
// The styles a control of version 4.71 or later must not see while it takes a size.
const DWORD kFlatStyles = TBSTYLE_FLAT | TBSTYLE_TRANSPARENT;
// The first version of the control that draws the flat look and its own top edge.
const int kFlatVersion = 471;

} // namespace

SECToolBar::SECToolBar()
    : m_hbmImageWell(nullptr), m_nIDImageWell(0), m_sizeImage(16, 15), m_sizeButton(23, 22), m_sizeButtonWidth(0, 0),
      m_bDelayedLayout(FALSE)
{
}

SECToolBar::~SECToolBar()
{
    if (m_hbmImageWell != nullptr)
        ::DeleteObject(m_hbmImageWell);
}

int SECToolBar::GetComCtlVersion()
{
    static const int nVersion = [] {
        AfxInitCommonControls();
        HMODULE hModule = ::GetModuleHandleA("comctl32.dll");
        auto pfnGetVersion = hModule != nullptr ? reinterpret_cast<DLLGETVERSIONPROC>(
                                                      reinterpret_cast<void*>(::GetProcAddress(hModule, "DllGetVersion")))
                                                : nullptr;
        DLLVERSIONINFO info = {};
        info.cbSize = sizeof(info);
        // a control without the entry point is the first one, 4.0
        if (pfnGetVersion == nullptr || FAILED(pfnGetVersion(&info)))
            return 400;
        return int(info.dwMajorVersion * 100 + info.dwMinorVersion);
    }();
    return nVersion;
}

BOOL SECToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    AfxRequirePointer(pParentWnd, "SECToolBar::CreateEx", "pParentWnd");
    // The control's styles share their bits with the bar style, so the window is made here rather than
    // through the bar's CreateEx, which would take them for bar style bits.
    SetBarStyle(dwStyle & CBRS_ALL);
    m_dwExStyle = SEC_CBRS_EX_FIXEDSIZE;
    const DWORD dwWndStyle = (dwStyle & ~DWORD(CBRS_ALL)) | dwCtrlStyle | kCtrlLayoutStyle | WS_CHILD;
    AfxInitCommonControls();
    return CWnd::CreateEx(0, TOOLBARCLASSNAMEA, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

int SECToolBar::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (SECControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_wndState.hWndOwner != nullptr)
        SendMessage(TB_SETPARENT, reinterpret_cast<WPARAM>(m_wndState.hWndOwner));
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return 0;
}

// ---- image well ------------------------------------------------------------------------------------

BOOL SECToolBar::SetBitmap(HBITMAP hbmImageWell)
{
    AfxRequirePointer(hbmImageWell, "SECToolBar::SetBitmap", "hbmImageWell");
    if (m_hWnd == nullptr)
        AfxThrowInvalidArgFormat("SECToolBar::SetBitmap: the bar has no window");
    BITMAP bm = {};
    if (!::GetObjectA(hbmImageWell, sizeof(bm), &bm))
        AfxThrowInvalidArgFormat("SECToolBar::SetBitmap: %p is not a bitmap", static_cast<void*>(hbmImageWell));
    const int nImages = m_sizeImage.cx > 0 ? bm.bmWidth / m_sizeImage.cx : 0;
    BOOL bTaken;
    if (m_hbmImageWell != nullptr) {
        TBREPLACEBITMAP replace = {};
        replace.nIDOld = reinterpret_cast<UINT_PTR>(m_hbmImageWell);
        replace.nIDNew = reinterpret_cast<UINT_PTR>(hbmImageWell);
        replace.nButtons = nImages;
        bTaken = SendMessage(TB_REPLACEBITMAP, 0, reinterpret_cast<LPARAM>(&replace)) != 0;
    } else {
        TBADDBITMAP add = {};
        add.nID = reinterpret_cast<UINT_PTR>(hbmImageWell);
        bTaken = SendMessage(TB_ADDBITMAP, WPARAM(nImages), reinterpret_cast<LPARAM>(&add)) != -1;
    }
    if (!bTaken)
        return FALSE;
    if (m_hbmImageWell != nullptr)
        ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = hbmImageWell;
    return TRUE;
}

BOOL SECToolBar::LoadBitmap(UINT nIDResource)
{
    HBITMAP hbm = SECLoadSysColorBitmap(MAKEINTRESOURCEA(nIDResource));
    if (hbm == nullptr)
        return FALSE;
    if (!SetBitmap(hbm)) {
        ::DeleteObject(hbm);
        return FALSE;
    }
    m_nIDImageWell = nIDResource;
    return TRUE;
}

void SECToolBar::OnSysColorChange()
{
    SECControlBar::OnSysColorChange();
    if (m_nIDImageWell != 0)
        LoadBitmap(m_nIDImageWell);
}

// ---- sizes -----------------------------------------------------------------------------------------

LRESULT SECToolBar::SetControlSize(UINT message, LPARAM lParam)
{
    const DWORD dwFlat = GetComCtlVersion() >= kFlatVersion ? GetStyle() & kFlatStyles : 0;
    if (dwFlat != 0)
        ModifyStyle(dwFlat, 0);
    const LRESULT lResult = DefWindowProc(message, 0, lParam);
    if (dwFlat != 0)
        ModifyStyle(0, dwFlat);
    DelayLayout();
    return lResult;
}

LRESULT SECToolBar::OnSetButtonWidth(WPARAM, LPARAM lParam)
{
    m_sizeButtonWidth = CSize(LOWORD(lParam), HIWORD(lParam));
    return SetControlSize(TB_SETBUTTONWIDTH, lParam);
}

LRESULT SECToolBar::OnButtonsChanged(WPARAM, LPARAM)
{
    const LRESULT lResult = Default();
    DelayLayout();
    return lResult;
}

LRESULT SECToolBar::OnAutoSize(WPARAM, LPARAM)
{
    m_bDelayedLayout = FALSE;
    return Default();
}

void SECToolBar::DelayLayout()
{
    m_bDelayedLayout = TRUE;
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->DelayRecalcLayout();
}

LRESULT SECToolBar::OnSetBitmapSize(WPARAM, LPARAM lParam)
{
    m_sizeImage = CSize(LOWORD(lParam), HIWORD(lParam));
    return SetControlSize(TB_SETBITMAPSIZE, lParam);
}

LRESULT SECToolBar::OnSetButtonSize(WPARAM, LPARAM lParam)
{
    m_sizeButton = CSize(LOWORD(lParam), HIWORD(lParam));
    return SetControlSize(TB_SETBUTTONSIZE, lParam);
}

// ---- frame and layout ------------------------------------------------------------------------------

void SECToolBar::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    // the class library's borders, not the toolkit bar's whole-window client
    CControlBar::OnNcCalcSize(bCalcValidRects, lpncsp);
    if (GetComCtlVersion() < kFlatVersion)
        lpncsp->rgrc[0].top -= 2;
}

void SECToolBar::OnPaint()
{
    // the control paints its buttons
    Default();
}

void SECToolBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    POINT pt = point;
    if (SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&pt)) >= 0)
        Default();
    else
        SECControlBar::OnLButtonDown(nFlags, point);
}

void SECToolBar::OnWindowPosChanging(WINDOWPOS* lpWndPos)
{
    InvalidateIfResized(lpWndPos);
    SECControlBar::OnWindowPosChanging(lpWndPos);
}

CSize SECToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    // the control lays out buttons that changed before it tells their extent
    if (m_bDelayedLayout && m_hWnd != nullptr)
        SendMessage(TB_AUTOSIZE);
    SIZE sizeButtons = {};
    SendMessage(TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&sizeButtons));
    CRect rectBorders(0, 0, 0, 0);
    CalcInsideRect(rectBorders, bHorz);
    CSize size(sizeButtons.cx - rectBorders.Width(), sizeButtons.cy - rectBorders.Height());
    if (bStretch) {
        if (bHorz)
            size.cx = 32767;
        else
            size.cy = 32767;
    }
    return size;
}

CSize SECToolBar::CalcDynamicLayout(int, DWORD dwMode)
{
    return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZ) != 0);
}

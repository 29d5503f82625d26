// The drop edit: the button strip its frame gains with a bitmap, where the strip lies, and the
// button's press, tracking and click, read back from the messages its parent receives and from the
// pixels of its frame.
#include "FakeServices.h"

#include "grid/controls/GXBDropEdit.h"
#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXState.h"

#include <vector>

namespace {

// A shown parent that notes the WM_COMMAND messages it receives.
class CNotedParent : public CWnd {
public:
    CNotedParent()
    {
        EXPECT_TRUE(CreateEx(0, AfxRegisterWndClass(0), "parent", WS_POPUP | WS_VISIBLE, 50, 50, 300, 120, nullptr,
                             nullptr));
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_commands.push_back({wParam, lParam});
        return TRUE;
    }
    std::vector<std::pair<WPARAM, LPARAM>> m_commands;
};

class CTestDropEdit : public CGXBDropEdit {
public:
    // The button's rectangle in the window's own coordinates, and its top-left pixel there: the face
    // colour raised, the shadow colour pressed.
    CRect ButtonInWindow() const { return GetButtonRectInWindow(); }
    COLORREF ButtonCornerPixel()
    {
        ::GdiFlush();
        HDC hdc = ::GetWindowDC(m_hWnd);
        const CRect rect = ButtonInWindow();
        const COLORREF color = ::GetPixel(hdc, rect.left, rect.top);
        ::ReleaseDC(m_hWnd, hdc);
        return color;
    }
    CPoint ButtonCentreOnScreen() const
    {
        CPoint point = m_rcButton.CenterPoint();
        GetParent()->ClientToScreen(&point);
        return point;
    }
};

const UINT kId = 77;
const DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;

int BitmapWidth(UINT nId)
{
    CBitmap bitmap;
    EXPECT_TRUE(LoadSysColorBitmap(bitmap, MAKEINTRESOURCEA(nId)));
    BITMAP bm;
    bitmap.GetBitmap(&bm);
    return bm.bmWidth;
}

CRect ClientRect(const CWnd& wnd)
{
    CRect rect;
    wnd.GetClientRect(&rect);
    return rect;
}

}  // namespace

TEST(DropEdit, WithoutABitmapItIsAPlainEditWhoseKeysStillPressTheButton)
{
    CNotedParent parent;
    CTestDropEdit edit;
    CEdit plain;
    ASSERT_TRUE(edit.Create(kStyle, CRect(10, 10, 210, 34), &parent, kId));
    ASSERT_TRUE(plain.Create(kStyle, CRect(10, 50, 210, 74), &parent, kId + 1));
    EXPECT_EQ(ClientRect(edit), ClientRect(plain));
    EXPECT_TRUE(edit.m_rcButton.IsRectEmpty());

    edit.SendMessage(WM_KEYDOWN, VK_F4);
    edit.SendMessage(WM_SYSKEYDOWN, VK_DOWN, 0x20000000);
    ASSERT_EQ(parent.m_commands.size(), 2u);
    for (const auto& command : parent.m_commands) {
        EXPECT_EQ(command.first, WPARAM(kId)) << "the window's id, code 0";
        EXPECT_EQ(command.second, LPARAM(edit.m_hWnd));
    }
    // a bitmap that does not exist leaves no button
    edit.SetBitmap(12345);
    EXPECT_EQ(edit.m_nBitmapId, 0u);
    EXPECT_EQ(ClientRect(edit), ClientRect(plain));
}

TEST(DropEdit, TheButtonTakesAStripOfTheFrameAtTheRightOrTheLeftEdge)
{
    const int nButton = 1 + 1 + BitmapWidth(GX_IDB_CALCBUTTON) + 4;
    for (BOOL bRight : {TRUE, FALSE}) {
        SCOPED_TRACE(bRight ? "right" : "left");
        CNotedParent parent;
        CTestDropEdit edit;
        CEdit plain;
        ASSERT_TRUE(edit.Create(kStyle, CRect(10, 10, 210, 34), &parent, kId));
        ASSERT_TRUE(plain.Create(kStyle, CRect(10, 50, 210, 74), &parent, kId + 1));
        if (!bRight)
            edit.m_wState &= WORD(~CGXBDropEdit::gxButtonRight);
        edit.SetBitmap(GX_IDB_CALCBUTTON);
        EXPECT_EQ(ClientRect(edit).Width(), ClientRect(plain).Width() - nButton);
        EXPECT_EQ(ClientRect(edit).Height(), ClientRect(plain).Height());
        // the strip, in the parent's coordinates, lies inside the frame at the button's edge: where a
        // plain edit's client area ends (the plain one lies 40 pixels lower)
        CRect rectInside = ClientRect(plain);
        plain.MapWindowPoints(&parent, &rectInside);
        EXPECT_EQ(edit.m_rcButton.Width(), nButton);
        EXPECT_EQ(edit.m_rcButton.top, rectInside.top - 40);
        EXPECT_EQ(edit.m_rcButton.bottom, rectInside.bottom - 40);
        if (bRight)
            EXPECT_EQ(edit.m_rcButton.right, rectInside.right);
        else
            EXPECT_EQ(edit.m_rcButton.left, rectInside.left);
        // no bitmap: no button
        edit.SetBitmap(0u);
        EXPECT_EQ(ClientRect(edit), ClientRect(plain));
        EXPECT_TRUE(edit.m_rcButton.IsRectEmpty());
    }
}

TEST(DropEdit, APressDraggedOffAndReleasedOutsideNeitherClicksNorStaysPressed)
{
    GXGetSysColors()->Refresh();
    const COLORREF clrFace = GXGetSysColors()->GetSysColor(COLOR_BTNFACE);
    const COLORREF clrShadow = GXGetSysColors()->GetSysColor(COLOR_BTNSHADOW);
    CNotedParent parent;
    CTestDropEdit edit;
    ASSERT_TRUE(edit.Create(kStyle, CRect(10, 10, 210, 34), &parent, kId));
    edit.SetBitmap(GX_IDB_CALCBUTTON);
    edit.UpdateWindow();
    ASSERT_EQ(edit.ButtonCornerPixel(), clrFace) << "raised";

    const CPoint ptButton = edit.ButtonCentreOnScreen();
    EXPECT_EQ(edit.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptButton.x, ptButton.y)), LRESULT(HTBORDER));
    edit.SendMessage(WM_NCLBUTTONDOWN, HTBORDER, MAKELPARAM(ptButton.x, ptButton.y));
    EXPECT_EQ(edit.m_wState & (CGXBDropEdit::gxPressed | CGXBDropEdit::gxTracking),
              CGXBDropEdit::gxPressed | CGXBDropEdit::gxTracking);
    EXPECT_EQ(::GetCapture(), edit.m_hWnd);
    EXPECT_EQ(edit.ButtonCornerPixel(), clrShadow) << "drawn pressed at once";

    // the mouse (client coordinates) off the button, back on it, off again
    CPoint ptClient = ptButton;
    edit.ScreenToClient(&ptClient);
    const LPARAM lOff = MAKELPARAM(5, 5), lOn = MAKELPARAM(ptClient.x, ptClient.y);
    edit.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, lOff);
    edit.UpdateWindow();
    EXPECT_FALSE(edit.m_wState & CGXBDropEdit::gxPressed);
    EXPECT_EQ(edit.ButtonCornerPixel(), clrFace);
    edit.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, lOn);
    edit.UpdateWindow();
    EXPECT_TRUE(edit.m_wState & CGXBDropEdit::gxPressed);
    EXPECT_EQ(edit.ButtonCornerPixel(), clrShadow);
    edit.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, lOff);
    edit.SendMessage(WM_LBUTTONUP, 0, lOff);
    edit.UpdateWindow();
    EXPECT_TRUE(parent.m_commands.empty()) << "no click";
    EXPECT_EQ(edit.m_wState, CGXBDropEdit::gxButtonRight);
    EXPECT_NE(::GetCapture(), edit.m_hWnd);
    EXPECT_EQ(edit.ButtonCornerPixel(), clrFace);

    // released on the button: a click
    edit.SendMessage(WM_NCLBUTTONDOWN, HTBORDER, MAKELPARAM(ptButton.x, ptButton.y));
    edit.SendMessage(WM_LBUTTONUP, 0, lOn);
    EXPECT_EQ(parent.m_commands.size(), 1u);
    // cancel mode ends a press without a click
    edit.SendMessage(WM_NCLBUTTONDOWN, HTBORDER, MAKELPARAM(ptButton.x, ptButton.y));
    edit.SendMessage(WM_CANCELMODE);
    EXPECT_EQ(edit.m_wState, CGXBDropEdit::gxButtonRight);
    EXPECT_EQ(parent.m_commands.size(), 1u);
}

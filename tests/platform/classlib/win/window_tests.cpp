// Windows: handle maps, subclassing, owner-drawn children, the exception barrier, bar layout,
// tooltips, the pre-translation walk and popup menus through the seam.
#include "FakeServices.h"

#include "win_test_resources.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace {

class Windows : public ::testing::Test {
protected:
    CWinApp app{"Ondrix"};
    CFakeServices fake;
};

// ---- handle maps -----------------------------------------------------------------------------------

TEST_F(Windows, FromHandleFindsTheObjectOrMakesATemporaryPlainWrapper)
{
    CButton button;
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    ASSERT_TRUE(button.Create("ours", WS_VISIBLE, CRect(0, 0, 50, 20), &parent, 1));
    EXPECT_EQ(CWnd::FromHandle(button.m_hWnd), &button);
    EXPECT_EQ(CWnd::FromHandlePermanent(button.m_hWnd), &button);

    app.OnIdle(1);
    const size_t nTemps = CWnd::GetTempCount();
    HWND hWndForeign = ::CreateWindowExA(0, "BUTTON", "foreign", WS_CHILD, 0, 30, 50, 20, parent.m_hWnd, nullptr,
                                         nullptr, nullptr);
    CWnd* pTemp = CWnd::FromHandle(hWndForeign);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(pTemp->m_hWnd, hWndForeign);
    EXPECT_EQ(pTemp->GetRuntimeClass(), RUNTIME_CLASS(CWnd)) << "a foreign button is a plain CWnd";
    EXPECT_EQ(CWnd::FromHandle(hWndForeign), pTemp);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWndForeign), nullptr);
    EXPECT_EQ(CWnd::GetTempCount(), nTemps + 1);

    EXPECT_FALSE(app.OnIdle(1));
    EXPECT_EQ(CWnd::GetTempCount(), 0u);
    EXPECT_TRUE(::IsWindow(hWndForeign)) << "freeing the wrapper leaves the window";
}

TEST_F(Windows, DeletingTheObjectDestroysItsWindowButNotABorrowedOne)
{
    HWND hWnd;
    {
        CWnd wnd;
        ASSERT_TRUE(wnd.CreateEx(0, nullptr, "owned", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
        hWnd = wnd.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hWnd));

    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    {
        CWnd plugIn;
        plugIn.m_hWnd = owner.m_hWnd; // borrowed, as a plug-in does
        EXPECT_EQ(CWnd::FromHandlePermanent(owner.m_hWnd), &owner);
    }
    EXPECT_TRUE(::IsWindow(owner.m_hWnd));
}

class CSelfDeletingWnd : public CWnd {
public:
    explicit CSelfDeletingWnd(bool* pDeleted) : m_pDeleted(pDeleted) {}
    ~CSelfDeletingWnd() override { *m_pDeleted = true; }

protected:
    void PostNcDestroy() override { delete this; }

private:
    bool* m_pDeleted;
};

TEST_F(Windows, PostNcDestroyComesAfterTheObjectLeftTheMap)
{
    bool bDeleted = false;
    CSelfDeletingWnd* pWnd = new CSelfDeletingWnd(&bDeleted);
    ASSERT_TRUE(pWnd->CreateEx(0, nullptr, "self", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    HWND hWnd = pWnd->m_hWnd;
    ::DestroyWindow(hWnd);
    EXPECT_TRUE(bDeleted);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

TEST_F(Windows, DestroyingTheMainWindowEndsTheLoop)
{
    CWnd main;
    ASSERT_TRUE(main.CreateEx(0, nullptr, "main", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    app.m_pMainWnd = &main;
    main.DestroyWindow();
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 0u);
}

TEST_F(Windows, RegisteredClassNamesFollowTheirAttributes)
{
    const HCURSOR hArrow = ::LoadCursorA(nullptr, IDC_ARROW);
    const std::string a = AfxRegisterWndClass(CS_DBLCLKS, hArrow);
    EXPECT_EQ(a, AfxRegisterWndClass(CS_DBLCLKS, hArrow));
    EXPECT_NE(a, AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW, hArrow));
    EXPECT_EQ(a.rfind("Afx:", 0), 0u);
    WNDCLASSA wc;
    EXPECT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), a.c_str(), &wc));
    EXPECT_EQ(wc.hCursor, hArrow);
}

// ---- subclassing -------------------------------------------------------------------------------------

class CTracingEdit : public CEdit {
public:
    std::string seen;

protected:
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        seen += char(nChar);
        if (nChar != 'q') // 'q' is eaten here; the others reach the edit control itself
            CEdit::OnChar(nChar, nRepCnt, nFlags);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTracingEdit, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

TEST_F(Windows, SubclassedDialogControlGetsItsMessagesAndTheOriginalProcedureStillRuns)
{
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_SUBCLASS));
    CTracingEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(IDC_EDIT, &dialog));
    EXPECT_EQ(CWnd::FromHandlePermanent(edit.m_hWnd), &edit);
    for (char c : std::string("aqb"))
        edit.SendMessage(WM_CHAR, WPARAM(BYTE(c)), 1);
    EXPECT_EQ(edit.seen, "aqb");
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ(text, "ab");

    HWND hWndEdit = edit.UnsubclassWindow();
    EXPECT_EQ(CWnd::FromHandlePermanent(hWndEdit), nullptr);
    ::SendMessageA(hWndEdit, WM_CHAR, 'c', 1);
    EXPECT_EQ(edit.seen, "aqb");
    char buffer[16] = {};
    ::GetWindowTextA(hWndEdit, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "abc");
}

// ---- drawing -------------------------------------------------------------------------------------------

const COLORREF kButtonColour = RGB(0x20, 0xA0, 0x40);
const COLORREF kPaintColour = RGB(0x90, 0x30, 0xC0);

class COwnerDrawButton : public CButton {
public:
    int draws = 0;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
    {
        ++draws;
        CDC::FromHandle(lpDrawItemStruct->hDC)->FillSolidRect(&lpDrawItemStruct->rcItem, kButtonColour);
    }
};

class CPaintingWnd : public CWnd {
public:
    int parentDrawItems = 0;

protected:
    void OnPaint()
    {
        CPaintDC dc(this);
        CRect rect;
        GetClientRect(&rect);
        dc.FillSolidRect(&rect, kPaintColour);
    }
    void OnDrawItem(int, LPDRAWITEMSTRUCT) { ++parentDrawItems; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintingWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_DRAWITEM()
END_MESSAGE_MAP()

// The colour at the point of the window's client area, read through the window's own DC: the test
// programs share one display, so the screen at that point may show another program's window.
COLORREF WindowPixel(CWnd& wnd, POINT point)
{
    ::GdiFlush();
    HDC hdc = ::GetDC(wnd.m_hWnd);
    const COLORREF colour = ::GetPixel(hdc, point.x, point.y);
    ::ReleaseDC(wnd.m_hWnd, hdc);
    return colour;
}

TEST_F(Windows, OwnerDrawnButtonDrawsItselfThroughReflection)
{
    CPaintingWnd parent;
    ASSERT_TRUE(parent.CreateEx(WS_EX_TOPMOST, nullptr, "parent", WS_POPUP | WS_VISIBLE, 40, 40, 240, 140, nullptr,
                                nullptr));
    COwnerDrawButton button;
    ASSERT_TRUE(button.Create("", WS_VISIBLE | BS_OWNERDRAW, CRect(20, 20, 140, 80), &parent, 7));
    parent.UpdateWindow();
    PumpWaitingMessages(100);

    EXPECT_GE(button.draws, 1);
    EXPECT_EQ(parent.parentDrawItems, 0) << "the child took WM_DRAWITEM first";
    EXPECT_EQ(WindowPixel(button, CPoint(60, 30)), kButtonColour);
    EXPECT_EQ(WindowPixel(parent, CPoint(10, 10)), kPaintColour) << "painted through CPaintDC";
    EXPECT_EQ(WindowPixel(parent, CPoint(200, 100)), kPaintColour);
}

// Owner-drawn sorted lists without strings ask their parent to compare and delete items: an override
// of CompareItem/DeleteItem takes those messages, the base operations leave them to the parent.
template <class TList>
class CReversedList : public TList {
public:
    std::vector<ULONG_PTR> deleted;
    int CompareItem(LPCOMPAREITEMSTRUCT p) override
    {
        return p->itemData1 > p->itemData2 ? -1 : p->itemData1 < p->itemData2 ? 1 : 0;
    }
    void DeleteItem(LPDELETEITEMSTRUCT p) override { deleted.push_back(p->itemData); }
};

class CItemParent : public CWnd {
public:
    int compares = 0;
    int deletes = 0;

protected:
    int OnCompareItem(int, LPCOMPAREITEMSTRUCT p)
    {
        ++compares;
        return p->itemData1 < p->itemData2 ? -1 : p->itemData1 > p->itemData2 ? 1 : 0;
    }
    void OnDeleteItem(int, LPDELETEITEMSTRUCT) { ++deletes; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CItemParent, CWnd)
    ON_WM_COMPAREITEM()
    ON_WM_DELETEITEM()
END_MESSAGE_MAP()

template <class TList>
void CheckOwnerDrawItemReflection(const char* lpszKind, DWORD dwStyle)
{
    SCOPED_TRACE(lpszKind);
    CItemParent parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "items", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr));
    CReversedList<TList> reversed;
    TList plain;
    ASSERT_TRUE(reversed.Create(WS_VISIBLE | WS_VSCROLL | dwStyle, CRect(10, 10, 120, 150), &parent, 1));
    ASSERT_TRUE(plain.Create(WS_VISIBLE | WS_VSCROLL | dwStyle, CRect(150, 10, 260, 150), &parent, 2));
    for (ULONG_PTR n : {2, 3, 1}) {
        reversed.AddString(reinterpret_cast<LPCSTR>(n));
        plain.AddString(reinterpret_cast<LPCSTR>(n));
    }
    EXPECT_EQ(reversed.GetItemData(0), 3u) << "sorted by the override";
    EXPECT_EQ(reversed.GetItemData(2), 1u);
    EXPECT_EQ(plain.GetItemData(0), 1u) << "sorted by the parent";
    EXPECT_EQ(plain.GetItemData(2), 3u);
    EXPECT_GT(parent.compares, 0);
    const int comparesOfPlain = parent.compares;

    reversed.DeleteString(0);
    EXPECT_EQ(reversed.deleted, std::vector<ULONG_PTR>{3});
    EXPECT_EQ(parent.deletes, 0) << "the override took WM_DELETEITEM";
    plain.DeleteString(0);
    EXPECT_EQ(parent.deletes, 1);
    EXPECT_EQ(parent.compares, comparesOfPlain);
    reversed.DestroyWindow();
    plain.DestroyWindow();
}

TEST_F(Windows, OwnerDrawnListsCompareAndDeleteTheirItemsThroughReflection)
{
    CheckOwnerDrawItemReflection<CListBox>("list box", LBS_OWNERDRAWFIXED | LBS_SORT);
    CheckOwnerDrawItemReflection<CComboBox>("combo box", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_SORT);
}

class CColourCombo : public CComboBox {
public:
    std::vector<UINT> kinds;

protected:
    HBRUSH CtlColor(CDC*, UINT nCtlColor)
    {
        kinds.push_back(nCtlColor);
        return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColourCombo, CComboBox)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

bool Has(const std::vector<UINT>& kinds, UINT nKind)
{
    for (UINT k : kinds)
        if (k == nKind)
            return true;
    return false;
}

TEST_F(Windows, ColourMessagesOfAComboBoxsPartsReachTheComboBox)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "combos", WS_POPUP | WS_VISIBLE, 300, 300, 300, 200, nullptr, nullptr));
    CColourCombo dropList, editable;
    ASSERT_TRUE(dropList.Create(WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, CRect(10, 10, 120, 150), &parent, 1));
    ASSERT_TRUE(editable.Create(WS_VISIBLE | CBS_DROPDOWN, CRect(150, 10, 260, 150), &parent, 2));
    dropList.AddString("one");
    editable.AddString("two");
    dropList.ShowDropDown(TRUE);
    editable.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
    PumpWaitingMessages(100);
    EXPECT_TRUE(Has(dropList.kinds, CTLCOLOR_LISTBOX)) << "the dropped list";
    EXPECT_TRUE(Has(editable.kinds, CTLCOLOR_EDIT)) << "the edit field";
    dropList.ShowDropDown(FALSE);
}

// ---- exception barrier -------------------------------------------------------------------------------

class CThrowingWnd : public CWnd {
public:
    int creates = 0;
    int paints = 0;
    int postNcDestroys = 0;
    int kind = 0;

protected:
    int OnCreate(LPCREATESTRUCTA)
    {
        ++creates;
        AfxThrowResourceException();
    }
    void OnPaint()
    {
        ++paints;
        throw std::runtime_error("paint failed");
    }
    LRESULT OnThrow(WPARAM wParam, LPARAM)
    {
        switch (wParam) {
        case 0: AfxThrowInvalidArgException("bad value 7");
        case 1: AfxThrowUserException();
        case 2: throw std::bad_alloc();
        default: throw 42;
        }
    }
    void PostNcDestroy() override { ++postNcDestroys; }
    DECLARE_MESSAGE_MAP()
};

class CThrowOnCreateWnd : public CThrowingWnd {
protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
    ON_WM_PAINT()
    ON_MESSAGE(WM_APP + 5, OnThrow)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CThrowOnCreateWnd, CThrowingWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST_F(Windows, ThrowingInCreateMakesCreationFailQuietly)
{
    CThrowOnCreateWnd wnd;
    EXPECT_FALSE(wnd.CreateEx(0, nullptr, "throws", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    EXPECT_EQ(wnd.creates, 1);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.postNcDestroys, 1);
    EXPECT_TRUE(fake.CallsOf("MessageBox").empty());
}

TEST_F(Windows, ThrowingInPaintDoesNotRepaintForever)
{
    CThrowingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(WS_EX_TOPMOST, nullptr, "paint", WS_POPUP | WS_VISIBLE, 0, 0, 80, 60, nullptr, nullptr));
    PumpWaitingMessages(300);
    EXPECT_EQ(wnd.paints, 1);
    EXPECT_FALSE(wnd.GetUpdateRect(nullptr));
    EXPECT_TRUE(fake.CallsOf("MessageBox").empty());
}

TEST_F(Windows, ThrowingInOtherMessagesIsReportedThroughTheSeam)
{
    CThrowingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "other", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    fake.ExpectMessageBox(IDOK, "bad value 7");
    fake.ExpectMessageBox(IDOK, "Out of memory.");
    fake.ExpectMessageBox(IDOK, "unexpected");
    for (WPARAM kind : {0, 1, 2, 3})
        EXPECT_EQ(wnd.SendMessage(WM_APP + 5, kind), 0);
    const auto boxes = fake.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 3u) << "a user exception is not shown";
    EXPECT_EQ(boxes[0].caption, "Ondrix");
    EXPECT_NE(boxes[0].nType & MB_ICONEXCLAMATION, 0u);
    EXPECT_TRUE(::IsWindow(wnd.m_hWnd));
}

// ---- layout ----------------------------------------------------------------------------------------------

class CEdgeBar : public CWnd {
public:
    CEdgeBar(bool bTop, int nSize) : m_bTop(bTop), m_nSize(nSize) {}

protected:
    LRESULT OnSizeParent(WPARAM, LPARAM lParam)
    {
        AFX_SIZEPARENTPARAMS* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
        CRect rect = pLayout->rect;
        if (m_bTop) {
            rect.bottom = rect.top + m_nSize;
            pLayout->rect.top += m_nSize;
        } else {
            rect.top = rect.bottom - m_nSize;
            pLayout->rect.bottom -= m_nSize;
        }
        pLayout->sizeTotal.cy += m_nSize;
        AfxRepositionWindow(pLayout, m_hWnd, &rect);
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    bool m_bTop;
    int m_nSize;
};

BEGIN_MESSAGE_MAP(CEdgeBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

CRect RectInParent(CWnd& wnd)
{
    CRect rect;
    wnd.GetWindowRect(&rect);
    wnd.GetParent()->ScreenToClient(&rect);
    return rect;
}

TEST_F(Windows, RepositionBarsGivesEachBarItsEdgeAndTheRestToThePane)
{
    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, nullptr, "frame", WS_POPUP, 0, 0, 320, 240, nullptr, nullptr));
    CEdgeBar top(true, 20);
    CEdgeBar bottom(false, 30);
    CWnd pane;
    ASSERT_TRUE(top.Create(nullptr, "top", WS_VISIBLE, CRect(0, 0, 1, 1), &frame, AFX_IDW_CONTROLBAR_FIRST + 1));
    ASSERT_TRUE(bottom.Create(nullptr, "bottom", WS_VISIBLE, CRect(0, 0, 1, 1), &frame, AFX_IDW_CONTROLBAR_FIRST + 2));
    ASSERT_TRUE(pane.CreateEx(WS_EX_CLIENTEDGE, nullptr, "pane", WS_CHILD | WS_VISIBLE, CRect(5, 5, 6, 6), &frame,
                              AFX_IDW_PANE_FIRST));
    CRect client;
    frame.GetClientRect(&client);

    CRect query;
    frame.RepositionBars(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, AFX_IDW_PANE_FIRST, CWnd::reposQuery, &query);
    EXPECT_EQ(CRect(query), CRect(0, 20, client.right, client.bottom - 30));
    EXPECT_EQ(RectInParent(pane), CRect(5, 5, 6, 6)) << "a query moves nothing";
    frame.RepositionBars(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, AFX_IDW_PANE_FIRST, CWnd::reposQuery, &query,
                         nullptr, FALSE);
    EXPECT_EQ(CRect(query), CRect(0, 0, 0, 50)) << "the bars' total size";

    frame.RepositionBars(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, AFX_IDW_PANE_FIRST);
    EXPECT_EQ(RectInParent(top), CRect(0, 0, client.right, 20));
    EXPECT_EQ(RectInParent(bottom), CRect(0, client.bottom - 30, client.right, client.bottom));
    EXPECT_EQ(RectInParent(pane), CRect(0, 20, client.right, client.bottom - 30))
        << "the client edge stays inside the rest";

    CRect extra(10, 0, 10, 0);
    frame.RepositionBars(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, AFX_IDW_PANE_FIRST, CWnd::reposExtra, &extra);
    EXPECT_EQ(RectInParent(pane), CRect(10, 20, client.right - 10, client.bottom - 30));
}

const UINT WM_COUNT = WM_APP + 20;

int g_foreignCounts = 0;
LRESULT CALLBACK ForeignCountingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COUNT)
        ++g_foreignCounts;
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

class CCountingWnd : public CWnd {
public:
    int counts = 0;

protected:
    LRESULT OnCount(WPARAM, LPARAM)
    {
        ++counts;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingWnd, CWnd)
    ON_MESSAGE(WM_COUNT, OnCount)
END_MESSAGE_MAP()

TEST_F(Windows, MessagesToDescendantsAndTheOwner)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ForeignCountingProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "OndrixForeignCounting";
    ::RegisterClassA(&wc);
    g_foreignCounts = 0;

    CCountingWnd top, child, grandchild, other;
    ASSERT_TRUE(top.CreateEx(0, nullptr, "top", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    ASSERT_TRUE(child.Create(nullptr, "child", WS_VISIBLE, CRect(0, 0, 100, 100), &top, 1));
    ASSERT_TRUE(grandchild.Create(nullptr, "grandchild", WS_VISIBLE, CRect(0, 0, 50, 50), &child, 1));
    ASSERT_NE(::CreateWindowExA(0, "OndrixForeignCounting", "", WS_CHILD, 0, 0, 5, 5, top.m_hWnd,
                                reinterpret_cast<HMENU>(2), nullptr, nullptr),
              nullptr);

    top.SendMessageToDescendants(WM_COUNT, 0, 0, TRUE, TRUE);
    EXPECT_EQ(child.counts, 1);
    EXPECT_EQ(grandchild.counts, 1);
    EXPECT_EQ(g_foreignCounts, 0) << "only windows with an object";
    top.SendMessageToDescendants(WM_COUNT, 0, 0, FALSE, FALSE);
    EXPECT_EQ(child.counts, 2);
    EXPECT_EQ(grandchild.counts, 1) << "not deep";
    EXPECT_EQ(g_foreignCounts, 1);
    EXPECT_EQ(top.counts, 0);

    ASSERT_TRUE(other.CreateEx(0, nullptr, "other", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    EXPECT_EQ(grandchild.GetOwner(), &child) << "without an owner: the parent";
    grandchild.SetOwner(&other);
    EXPECT_EQ(grandchild.GetOwner(), &other);
    EXPECT_EQ(grandchild.GetTopLevelParent(), &top);
}

// ---- tooltips ------------------------------------------------------------------------------------------

class CTipAnsweringWnd : public CWnd {
protected:
    BOOL OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
    {
        reinterpret_cast<NMTTDISPINFOA*>(pNMHDR)->lpszText = const_cast<LPSTR>("own answer");
        *pResult = 0;
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTipAnsweringWnd, CWnd)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
END_MESSAGE_MAP()

// The text a window gives for the tool of child hWndTool.
std::string ToolTipText(CWnd& wnd, HWND hWndTool)
{
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = CWnd::GetThreadToolTip();
    info.hdr.idFrom = UINT_PTR(hWndTool);
    info.hdr.code = TTN_NEEDTEXTA;
    info.uFlags = TTF_IDISHWND;
    wnd.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    return info.lpszText != nullptr ? info.lpszText : "(none)";
}

TEST_F(Windows, ToolTipsNameChildrenByIdAndTakeTheTextAfterTheNewline)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "tips", WS_POPUP | WS_VISIBLE, 100, 100, 200, 100, nullptr, nullptr));
    CStatic withTip, withoutTip;
    ASSERT_TRUE(withTip.Create("a", WS_VISIBLE, CRect(10, 10, 60, 30), &parent, IDS_TOOL_WITH_TIP));
    ASSERT_TRUE(withoutTip.Create("b", WS_VISIBLE, CRect(70, 10, 120, 30), &parent, IDS_TOOL_WITHOUT_TIP));
    parent.EnableToolTips(TRUE);

    TOOLINFOA ti = {};
    ti.cbSize = sizeof ti;
    EXPECT_EQ(parent.OnToolHitTest(CPoint(20, 20), &ti), IDS_TOOL_WITH_TIP);
    EXPECT_EQ(ti.hwnd, parent.m_hWnd);
    EXPECT_EQ(ti.uId, UINT_PTR(withTip.m_hWnd));
    EXPECT_NE(ti.uFlags & TTF_IDISHWND, 0u);
    EXPECT_EQ(ti.lpszText, LPSTR_TEXTCALLBACKA);
    EXPECT_EQ(parent.OnToolHitTest(CPoint(150, 80), nullptr), -1);

    // a mouse move over the child, as the message loop offers it, gives the tooltip its tool
    MSG msg = {};
    msg.hwnd = withTip.m_hWnd;
    msg.message = WM_MOUSEMOVE;
    msg.pt = CPoint(20, 20);
    parent.ClientToScreen(&msg.pt);
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(parent.m_hWnd, &msg));
    ASSERT_NE(CWnd::GetThreadToolTip(), nullptr);
    EXPECT_EQ(::SendMessageA(CWnd::GetThreadToolTip(), TTM_GETTOOLCOUNT, 0, 0), 1);

    EXPECT_EQ(ToolTipText(parent, withTip.m_hWnd), "Tip text");
    EXPECT_EQ(ToolTipText(parent, withoutTip.m_hWnd), "(none)") << "a string without '\\n' has no tip";
    CTipAnsweringWnd answering;
    ASSERT_TRUE(answering.CreateEx(0, nullptr, "own", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    EXPECT_EQ(ToolTipText(answering, withTip.m_hWnd), "own answer");
}

TEST_F(Windows, TheInnermostWindowThatNamesAToolKeepsItAgainstTheWindowsAroundIt)
{
    // a frame with tooltips around a pane with tooltips around a button: the pane names the button,
    // the frame would name the pane (whose id has no tip text)
    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, nullptr, "frame", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, nullptr, nullptr));
    CWnd pane;
    ASSERT_TRUE(pane.CreateEx(0, nullptr, "pane", WS_CHILD | WS_VISIBLE, 10, 10, 200, 100, frame.m_hWnd,
                              HMENU(UINT_PTR(IDS_TOOL_WITHOUT_TIP))));
    CStatic button;
    ASSERT_TRUE(button.Create("b", WS_VISIBLE, CRect(10, 10, 60, 30), &pane, IDS_TOOL_WITH_TIP));
    frame.EnableToolTips(TRUE);
    pane.EnableToolTips(TRUE);
    const HWND hWndTip = CWnd::GetThreadToolTip();
    ASSERT_NE(hWndTip, nullptr);

    auto moveTo = [](HWND hwnd, CPoint client, DWORD time) {
        MSG msg = {};
        msg.hwnd = hwnd;
        msg.message = WM_MOUSEMOVE;
        msg.time = time;
        msg.pt = client;
        ::ClientToScreen(hwnd, &msg.pt);
        return CWnd::WalkPreTranslateTree(nullptr, &msg);
    };
    auto toolCount = [&] { return ::SendMessageA(hWndTip, TTM_GETTOOLCOUNT, 0, 0); };

    EXPECT_FALSE(moveTo(button.m_hWnd, CPoint(5, 5), 1));
    ASSERT_EQ(toolCount(), 1);
    TTTOOLINFOA ti = {};
    ti.cbSize = sizeof ti;
    ASSERT_TRUE(::SendMessageA(hWndTip, TTM_ENUMTOOLSA, 0, LPARAM(&ti)));
    EXPECT_EQ(ti.hwnd, pane.m_hWnd) << "the pane keeps the tool of its button";
    EXPECT_EQ(ti.uId, UINT_PTR(button.m_hWnd));
    EXPECT_EQ(ToolTipText(pane, button.m_hWnd), "Tip text");

    // over the pane's bare background the pane names nothing: the frame names the pane
    EXPECT_FALSE(moveTo(pane.m_hWnd, CPoint(150, 80), 2));
    ASSERT_EQ(toolCount(), 1);
    ASSERT_TRUE(::SendMessageA(hWndTip, TTM_ENUMTOOLSA, 0, LPARAM(&ti)));
    EXPECT_EQ(ti.hwnd, frame.m_hWnd);
    EXPECT_EQ(ti.uId, UINT_PTR(pane.m_hWnd));
}

// ---- pre-translation and the message loop ------------------------------------------------------------

class CAcceleratorFrame : public CWnd {
public:
    HACCEL hAccel = nullptr;
    int commands = 0;
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        return ::TranslateAcceleratorA(m_hWnd, hAccel, pMsg) ? TRUE : CWnd::PreTranslateMessage(pMsg);
    }

protected:
    void OnAccelerated() { ++commands; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CAcceleratorFrame, CWnd)
    ON_COMMAND(500, OnAccelerated)
END_MESSAGE_MAP()

class CKeyWnd : public CWnd {
public:
    int keys = 0;

protected:
    void OnKeyDown(UINT, UINT, UINT) { ++keys; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CKeyWnd, CWnd)
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

TEST_F(Windows, TheLoopOffersMessagesToTheParentsBeforeDispatching)
{
    CAcceleratorFrame frame;
    ACCEL accel = {FVIRTKEY, VK_F5, 500};
    frame.hAccel = ::CreateAcceleratorTableA(&accel, 1);
    ASSERT_TRUE(frame.CreateEx(0, nullptr, "frame", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    CKeyWnd child;
    ASSERT_TRUE(child.Create(nullptr, "child", WS_VISIBLE, CRect(0, 0, 50, 50), &frame, 1));
    app.m_pMainWnd = &frame;

    child.PostMessage(WM_KEYDOWN, VK_F5, 1);
    child.PostMessage(WM_KEYDOWN, VK_F6, 1);
    EXPECT_TRUE(app.PumpMessage());
    EXPECT_TRUE(app.PumpMessage());
    PumpWaitingMessages();
    EXPECT_EQ(frame.commands, 1) << "F5 became the frame's command";
    EXPECT_EQ(child.keys, 1) << "only F6 reached the child";
    app.m_pMainWnd = nullptr;
    ::DestroyAcceleratorTable(frame.hAccel);
}

class CIdleRecordingApp : public CWinApp {
public:
    CIdleRecordingApp() : CWinApp("Ondrix") {}
    std::vector<LONG> idleCounts;
    HWND hWndTarget = nullptr;
    BOOL OnIdle(LONG lCount) override
    {
        idleCounts.push_back(lCount);
        if (lCount == 1)
            ::PostMessageA(hWndTarget, WM_APP + 9, 0, 0);
        return CWinApp::OnIdle(lCount);
    }
};

class CQuittingWnd : public CWnd {
protected:
    LRESULT OnQuitNow(WPARAM, LPARAM)
    {
        ::PostQuitMessage(7);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CQuittingWnd, CWnd)
    ON_MESSAGE(WM_APP + 9, OnQuitNow)
END_MESSAGE_MAP()

TEST(MessageLoop, RunsIdleWhenTheQueueIsEmptyAndEndsWithTheQuitCode)
{
    CIdleRecordingApp app;
    CFakeServices fake;
    PumpWaitingMessages();
    CQuittingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "quits", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    app.hWndTarget = wnd.m_hWnd;
    EXPECT_EQ(app.Run(), 7);
    ASSERT_GE(app.idleCounts.size(), 2u);
    EXPECT_EQ(app.idleCounts[0], 0);
    EXPECT_EQ(app.idleCounts[1], 1);
}

// ---- popup menus through the seam ------------------------------------------------------------------

class CMenuOwnerWnd : public CWnd {
public:
    UINT lastCommand = 0;

protected:
    void OnChoice(UINT nID) { lastCommand = nID; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuOwnerWnd, CWnd)
    ON_COMMAND_RANGE(70, 79, OnChoice)
END_MESSAGE_MAP()

TEST_F(Windows, PopupMenusAreAnsweredThroughTheSeam)
{
    CMenuOwnerWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "menu owner", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 77, "seventy-seven");
    fake.ExpectPopupMenu(77);
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD | TPM_RIGHTBUTTON, 10, 10, &wnd), 77);
    fake.ExpectPopupMenu(78);
    EXPECT_TRUE(menu.TrackPopupMenu(TPM_RIGHTBUTTON, 10, 10, &wnd));
    PumpWaitingMessages();
    EXPECT_EQ(wnd.lastCommand, 78u);
}

} // namespace

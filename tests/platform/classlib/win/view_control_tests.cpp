// The list view, drag images of list and tree controls, the rich edit control and the animation
// control, and the edit control's formatting rectangle.
#include "FakeServices.h"

#include "TestSupport.h"
#include "control_test_resources.h"

#include <string>
#include <vector>

namespace {

class Controls : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "controls", WS_POPUP | WS_VISIBLE, 40, 40, 420, 320, nullptr, nullptr));
    }
    void TearDown() override { parent.DestroyWindow(); }

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CWnd parent;
};

// ---- list view --------------------------------------------------------------------------------------

class CRankingView : public CListView {
    DECLARE_MESSAGE_MAP()
public:
    explicit CRankingView(bool& rbDeleted) : m_rbDeleted(rbDeleted) {}
    ~CRankingView() override { m_rbDeleted = true; }
    int nDraws = 0;
    int nItemChanges = 0;
    void OnDraw(CDC* pDC) override
    {
        ++nDraws;
        CListView::OnDraw(pDC);
    }

protected:
    afx_msg void OnItemChanged(NMHDR*, LRESULT* pResult)
    {
        ++nItemChanges;
        *pResult = 0;
    }

private:
    bool& m_rbDeleted;
};

BEGIN_MESSAGE_MAP(CRankingView, CListView)
    ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemChanged)
END_MESSAGE_MAP()

TEST_F(Controls, ListViewIsTheListControlPaintingItself)
{
    bool bDeleted = false;
    CRankingView* pView = new CRankingView(bDeleted);
    ASSERT_TRUE(pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 400, 300), &parent, AFX_IDW_PANE_FIRST));
    char className[32] = {};
    ::GetClassNameA(pView->m_hWnd, className, sizeof className);
    EXPECT_STREQ(className, "SysListView32");
    EXPECT_TRUE(pView->GetExStyle() & WS_EX_CLIENTEDGE) << "the border of a view";

    CListCtrl& list = pView->GetListCtrl();
    EXPECT_EQ(list.m_hWnd, pView->m_hWnd);
    list.ModifyStyle(0, LVS_REPORT);
    list.InsertColumn(0, "Rank", LVCFMT_LEFT, 50);
    list.InsertColumn(1, "Alternative", LVCFMT_LEFT, 150);
    list.InsertColumn(2, "Utility", LVCFMT_LEFT, 100);
    const HWND hWndHeader = reinterpret_cast<HWND>(list.SendMessage(LVM_GETHEADER));
    EXPECT_EQ(::SendMessageA(hWndHeader, HDM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(list.GetColumnWidth(1), 150);
    list.InsertItem(0, "1");
    list.SetItemText(0, 1, "Car A");
    EXPECT_STREQ(list.GetItemText(0, 1), "Car A");
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_GT(pView->nItemChanges, 0) << "the control's notifications reach the view";

    pView->Invalidate();
    pView->UpdateWindow();
    EXPECT_EQ(pView->nDraws, 0) << "painting is the control's";
    EXPECT_EQ(CWnd::FromHandlePermanent(pView->m_hWnd), pView) << "the borrowed control is not in the map";

    pView->DestroyWindow();
    EXPECT_TRUE(bDeleted) << "a view deletes itself with its window";
}

// ---- drag images --------------------------------------------------------------------------------------

// A window that carries a drag image along with the mouse while it holds the capture.
class CDragHost : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    int nMoves = 0;
    BOOL bMovesShown = TRUE;
    bool bEnded = false;

protected:
    afx_msg void OnMouseMove(UINT, CPoint point)
    {
        ClientToScreen(&point);
        bMovesShown = bMovesShown && CImageList::DragMove(point);
        ++nMoves;
    }
    afx_msg void OnLButtonUp(UINT, CPoint)
    {
        CImageList::DragLeave(nullptr);
        CImageList::EndDrag();
        ::ReleaseCapture();
        bEnded = true;
    }
};

BEGIN_MESSAGE_MAP(CDragHost, CWnd)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

TEST_F(Controls, ListAndTreeDragImagesBeginMoveAndEndWithTheCaptureReleased)
{
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, CRect(0, 0, 200, 150), &parent, 1));
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 150);
    list.InsertItem(0, "Car A");
    // a tree makes drag images only with an image list
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_VISIBLE, CRect(210, 0, 410, 150), &parent, 2));
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32, 1, 1));
    images.Add(::LoadIconA(nullptr, IDI_APPLICATION));
    tree.SetImageList(&images, TVSIL_NORMAL);
    const HTREEITEM hItem = tree.InsertItem("Rank 1");

    struct Case {
        const char* what;
        CImageList* pImage;
    };
    POINT ptImage = {};
    const Case cases[] = {{"list", list.CreateDragImage(0, &ptImage)}, {"tree", tree.CreateDragImage(hItem)}};
    for (const Case& c : cases) {
        ASSERT_NE(c.pImage, nullptr) << c.what;
        CDragHost host;
        ASSERT_TRUE(host.CreateEx(0, nullptr, "host", WS_POPUP | WS_VISIBLE, 60, 200, 200, 100, nullptr, nullptr));
        EXPECT_TRUE(c.pImage->BeginDrag(0, CPoint(4, 4))) << c.what;
        EXPECT_TRUE(CImageList::DragEnter(nullptr, CPoint(70, 210))) << c.what;
        host.SetCapture();
        host.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 20));
        host.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 30));
        host.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(40, 30));
        PumpWaitingMessages();
        EXPECT_EQ(host.nMoves, 2) << c.what;
        EXPECT_TRUE(host.bMovesShown) << c.what;
        EXPECT_TRUE(host.bEnded) << c.what;
        EXPECT_EQ(CWnd::GetCapture(), nullptr) << c.what;
        EXPECT_EQ(::ImageList_GetDragImage(nullptr, nullptr), nullptr) << "no drag image after the drag, " << c.what;
        delete c.pImage;
        host.DestroyWindow();
    }
}

// ---- rich edit ----------------------------------------------------------------------------------------

// EDITSTREAM callbacks over a string: in from pos, out appended.
struct StreamBuffer {
    std::string text;
    size_t nPos = 0;
};

DWORD CALLBACK StreamFromString(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
{
    StreamBuffer* pBuffer = reinterpret_cast<StreamBuffer*>(dwCookie);
    const size_t nLeft = pBuffer->text.size() - pBuffer->nPos;
    const size_t nCount = nLeft < size_t(cb) ? nLeft : size_t(cb);
    memcpy(pbBuff, pBuffer->text.data() + pBuffer->nPos, nCount);
    pBuffer->nPos += nCount;
    *pcb = LONG(nCount);
    return 0;
}

DWORD CALLBACK StreamToString(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
{
    reinterpret_cast<StreamBuffer*>(dwCookie)->text.append(reinterpret_cast<const char*>(pbBuff), size_t(cb));
    *pcb = cb;
    return 0;
}

void StreamIn(CRichEditCtrl& edit, int nFormat, const std::string& text)
{
    StreamBuffer buffer;
    buffer.text = text;
    EDITSTREAM es = {reinterpret_cast<DWORD_PTR>(&buffer), 0, &StreamFromString};
    edit.StreamIn(nFormat, es);
}

std::string StreamOut(CRichEditCtrl& edit, int nFormat)
{
    StreamBuffer buffer;
    EDITSTREAM es = {reinterpret_cast<DWORD_PTR>(&buffer), 0, &StreamToString};
    edit.StreamOut(nFormat, es);
    return buffer.text;
}

std::string PlainText(CWnd& wnd)
{
    CString text;
    wnd.GetWindowText(text);
    std::string plain = text.GetString();
    while (!plain.empty() && (plain.back() == '\r' || plain.back() == '\n'))
        plain.pop_back();
    return plain;
}

TEST_F(Controls, RichEditMadeAfterInitRoundTripsItsTextAndFormats)
{
    ASSERT_TRUE(AfxInitRichEdit());
    CRichEditCtrl edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 300, 100), &parent, 3));
    char className[32] = {};
    ::GetClassNameA(edit.m_hWnd, className, sizeof className);
    EXPECT_EQ(::lstrcmpiA(className, "RICHEDIT"), 0) << className;

    StreamIn(edit, SF_RTF, "{\\rtf1\\ansi{\\fonttbl\\f0\\fswiss Arial;}\\f0\\fs20 plain \\b bold\\b0  end\\par}");
    EXPECT_EQ(PlainText(edit), "plain bold end");
    FINDTEXTEXA find = {{0, -1}, "bold", {0, 0}};
    ASSERT_EQ(edit.FindText(FR_DOWN | FR_MATCHCASE, &find), 6);
    edit.SetSel(find.chrgText);
    CHARFORMATA cf = {};
    edit.GetSelectionCharFormat(cf);
    EXPECT_TRUE((cf.dwMask & CFM_BOLD) && (cf.dwEffects & CFE_BOLD)) << "the bold part is bold";

    // what the control writes, another reads back the same
    const std::string rtf = StreamOut(edit, SF_RTF);
    EXPECT_EQ(rtf.rfind("{\\rtf", 0), 0u) << rtf;
    CRichEditCtrl copy;
    ASSERT_TRUE(copy.Create(WS_VISIBLE | ES_MULTILINE, CRect(0, 110, 300, 210), &parent, 4));
    StreamIn(copy, SF_RTF, rtf);
    EXPECT_EQ(PlainText(copy), "plain bold end");
    copy.SetSel(6, 10);
    copy.GetSelectionCharFormat(cf);
    EXPECT_TRUE(cf.dwEffects & CFE_BOLD);

    edit.SetWindowText("plain text");
    EXPECT_EQ(StreamOut(edit, SF_TEXT), "plain text");
    edit.SetModify(FALSE);
    edit.SetSel(0, 5);
    edit.ReplaceSel("other");
    EXPECT_EQ(PlainText(edit), "other text");
    EXPECT_TRUE(edit.GetModify());
}

// ---- animation ----------------------------------------------------------------------------------------

// Waits (dispatching messages) until the control's pixel (3, 3) has the colour, at most two seconds.
COLORREF WaitForPixel(CWnd& wnd, COLORREF crWanted)
{
    COLORREF cr = CLR_INVALID;
    for (int i = 0; i < 200; ++i) {
        PumpWaitingMessages(10);
        const HDC hDC = ::GetDC(wnd.m_hWnd);
        cr = ::GetPixel(hDC, 3, 3);
        ::ReleaseDC(wnd.m_hWnd, hDC);
        if (cr == crWanted)
            break;
    }
    return cr;
}

TEST_F(Controls, AnimationOpensTheProgramsClipAndShowsItsFrames)
{
    CAnimateCtrl animate;
    ASSERT_TRUE(animate.Create(WS_VISIBLE, CRect(10, 10, 60, 60), &parent, 1007));
    EXPECT_FALSE(animate.Open(IDR_MISSING_CLIP));
    ASSERT_TRUE(animate.Open(IDR_BLACK_WHITE_CLIP));
    EXPECT_TRUE(animate.Play(1, 1, 1));
    EXPECT_EQ(WaitForPixel(animate, RGB(255, 255, 255)), RGB(255, 255, 255)) << "the second frame";
    EXPECT_TRUE(animate.Play(0, 0, 1));
    EXPECT_EQ(WaitForPixel(animate, RGB(0, 0, 0)), RGB(0, 0, 0)) << "the first frame";
    EXPECT_TRUE(animate.Play(0, UINT(-1), UINT(-1))) << "the whole clip without end";
}

// ---- edit control -------------------------------------------------------------------------------------

TEST_F(Controls, EditFormattingRectangleAndFirstVisibleLine)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, CRect(0, 0, 200, 60), &parent, 5));
    const CRect rect(4, 2, 150, 40);
    edit.SetRectNP(&rect);
    CRect got;
    edit.SendMessage(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&got));
    EXPECT_EQ(got.TopLeft(), rect.TopLeft());
    EXPECT_EQ(got.right, rect.right);
    EXPECT_LE(got.bottom, rect.bottom) << "the system keeps whole lines";
    edit.SetWindowText("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8");
    EXPECT_EQ(edit.GetFirstVisibleLine(), 0);
    edit.LineScroll(3);
    EXPECT_EQ(edit.GetFirstVisibleLine(), 3);
}

} // namespace

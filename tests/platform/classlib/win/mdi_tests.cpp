// MDI frames, documents, views and templates: the MDI client's layout among bars, documents opened
// as MDI children, tiling, view updates, closing, File New, activation with the template's menu, and
// the order in which commands are routed.
#include "FakeServices.h"
#include "TestSupport.h"

#include "frame_test_resources.h"

#include <string>
#include <utility>
#include <vector>

namespace {

std::vector<std::string> g_route; // which object handled a routed command

// ---- a document and view that record what reaches them ----------------------------------------------

class CSheetDoc : public CDocument {
    DECLARE_DYNCREATE(CSheetDoc)
public:
    static bool s_bRefuseNew;
    static int s_nAlive;
    CSheetDoc() { ++s_nAlive; }
    ~CSheetDoc() override { --s_nAlive; }
    BOOL OnNewDocument() override { return s_bRefuseNew ? FALSE : CDocument::OnNewDocument(); }
};
IMPLEMENT_DYNCREATE(CSheetDoc, CDocument)
bool CSheetDoc::s_bRefuseNew = false;
int CSheetDoc::s_nAlive = 0;

class CSheetView : public CView {
    DECLARE_DYNCREATE(CSheetView)
public:
    struct Update {
        CView* pSender;
        LPARAM lHint;
        CObject* pHint;
    };
    std::vector<Update> updates;
    void OnDraw(CDC*) override {}
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override { updates.push_back({pSender, lHint, pHint}); }
};
IMPLEMENT_DYNCREATE(CSheetView, CView)

CSheetView* ViewOf(CDocument* pDoc)
{
    POSITION pos = pDoc->GetFirstViewPosition();
    return pos != nullptr ? static_cast<CSheetView*>(pDoc->GetNextView(pos)) : nullptr;
}

CMDIChildWnd* FrameOf(CDocument* pDoc)
{
    CSheetView* pView = ViewOf(pDoc);
    return pView != nullptr ? static_cast<CMDIChildWnd*>(pView->GetParentFrame()) : nullptr;
}

// A bar of a fixed thickness.
class CThickBar : public CControlBar {
public:
    explicit CThickBar(int nThickness) : m_nThickness(nThickness) {}
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override
    {
        const CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
        return bHorz ? CSize(size.cx, m_nThickness) : CSize(m_nThickness, size.cy);
    }
    int m_nThickness;
};

// The MDI client's window rectangle in the frame's client coordinates.
CRect ClientAreaOf(CMDIFrameWnd* pFrame)
{
    CRect rect;
    ::GetWindowRect(pFrame->m_hWndMDIClient, rect);
    pFrame->ScreenToClient(rect);
    return rect;
}

// A child frame's window rectangle in the MDI client's client coordinates.
CRect RectInClient(CWnd* pChild)
{
    CRect rect;
    pChild->GetWindowRect(rect);
    ::MapWindowPoints(nullptr, ::GetParent(pChild->m_hWnd), reinterpret_cast<LPPOINT>(static_cast<RECT*>(rect)), 2);
    return rect;
}

// The MDI children in the client, in z-order.
std::vector<HWND> ChildrenOf(CMDIFrameWnd* pFrame)
{
    std::vector<HWND> children;
    for (HWND h = ::GetWindow(pFrame->m_hWndMDIClient, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
        children.push_back(h);
    return children;
}

class MdiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CSheetDoc::s_bRefuseNew = false;
        pFrame = new CMDIFrameWnd;
        ASSERT_TRUE(pFrame->LoadFrame(IDR_MAIN));
        hWndFrame = pFrame->m_hWnd;
        // shown (the system arranges visible children only), in a corner of the screen that the
        // tests reading screen pixels do not use
        pFrame->MoveWindow(600, 40, 520, 400);
        pFrame->ShowWindow(SW_SHOWNOACTIVATE);
        app.m_pMainWnd = pFrame;
    }
    void TearDown() override
    {
        app.CloseAllDocuments(FALSE);
        app.m_pMainWnd = nullptr;
        if (::IsWindow(hWndFrame))
            ::DestroyWindow(hWndFrame);
        PumpWaitingMessages();
        EXPECT_EQ(CSheetDoc::s_nAlive, 0);
    }

    CMultiDocTemplate* AddSheetTemplate()
    {
        CMultiDocTemplate* pTemplate = new CMultiDocTemplate(IDR_SHEET, RUNTIME_CLASS(CSheetDoc),
                                                             RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CSheetView));
        app.AddDocTemplate(pTemplate);
        return pTemplate;
    }

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CMDIFrameWnd* pFrame = nullptr;
    HWND hWndFrame = nullptr;
};

// ---- layout ---------------------------------------------------------------------------------------------------

TEST_F(MdiTest, TheClientFillsWhatTheBarsLeaveAndGrowsWhenADelayedHideTakesEffectOnIdle)
{
    CThickBar top(26), bottom(19);
    ASSERT_TRUE(top.Create(nullptr, nullptr, WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM, CRect(), pFrame, 0xE820));
    ASSERT_TRUE(bottom.Create(nullptr, nullptr, WS_VISIBLE | CBRS_ALIGN_BOTTOM, CRect(), pFrame, AFX_IDW_STATUS_BAR));
    pFrame->RecalcLayout();
    CRect client;
    pFrame->GetClientRect(client);
    ASSERT_GT(client.Height(), 26 + 19);
    EXPECT_EQ(::GetDlgCtrlID(pFrame->m_hWndMDIClient), AFX_IDW_PANE_FIRST);
    EXPECT_EQ(ClientAreaOf(pFrame), CRect(0, 26, client.right, client.bottom - 19));

    pFrame->ShowControlBar(&top, FALSE, TRUE);
    EXPECT_FALSE(top.IsVisible()); // as wished
    EXPECT_TRUE(top.GetStyle() & WS_VISIBLE); // but not done yet
    EXPECT_EQ(ClientAreaOf(pFrame), CRect(0, 26, client.right, client.bottom - 19));

    app.OnIdle(0);
    EXPECT_FALSE(top.GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(pFrame->IsLayoutPending());
    EXPECT_EQ(ClientAreaOf(pFrame), CRect(0, 0, client.right, client.bottom - 19));

    // and back
    pFrame->ShowControlBar(&top, TRUE, TRUE);
    app.OnIdle(0);
    EXPECT_TRUE(top.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(ClientAreaOf(pFrame), CRect(0, 26, client.right, client.bottom - 19));
}

// ---- documents as MDI children -------------------------------------------------------------------------------

TEST_F(MdiTest, TwoDocumentsOpenAsTwoChildrenTileUpdateEachOtherAndCloseWithoutQuestions)
{
    CMultiDocTemplate* pTemplate = AddSheetTemplate();
    CDocument* pDoc1 = pTemplate->OpenDocumentFile(nullptr);
    CDocument* pDoc2 = pTemplate->OpenDocumentFile(nullptr);
    ASSERT_NE(pDoc1, nullptr);
    ASSERT_NE(pDoc2, nullptr);
    EXPECT_EQ(ChildrenOf(pFrame).size(), 2u);
    EXPECT_EQ(app.GetOpenDocumentCount(), 2);

    // each child holds one view of its document, the template's document name numbers the titles
    CSheetView* pView1 = ViewOf(pDoc1);
    CSheetView* pView2 = ViewOf(pDoc2);
    ASSERT_NE(pView1, nullptr);
    ASSERT_NE(pView2, nullptr);
    EXPECT_EQ(pView1->GetDocument(), pDoc1);
    EXPECT_EQ(pView1->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
    EXPECT_STREQ(pDoc1->GetTitle(), "Sheet1");
    EXPECT_STREQ(pDoc2->GetTitle(), "Sheet2");
    CString caption;
    FrameOf(pDoc2)->GetWindowText(caption);
    EXPECT_STREQ(caption, "Sheet2");
    pFrame->GetWindowText(caption);
    EXPECT_STREQ(caption, "Ondrix Test - Sheet2"); // the active child's document

    // the first update of each view
    ASSERT_EQ(pView1->updates.size(), 1u);
    EXPECT_EQ(pView1->updates[0].pSender, nullptr);
    EXPECT_EQ(pView1->updates[0].lHint, 0);

    // tiled horizontally, one above the other, together filling the client
    pFrame->SendMessage(WM_COMMAND, ID_WINDOW_TILE_HORZ);
    CRect rectClient;
    ::GetClientRect(pFrame->m_hWndMDIClient, rectClient);
    CRect r1 = RectInClient(FrameOf(pDoc1));
    CRect r2 = RectInClient(FrameOf(pDoc2));
    if (r2.top < r1.top)
        std::swap(r1, r2);
    EXPECT_EQ(r1, CRect(0, 0, rectClient.right, r1.bottom));
    EXPECT_EQ(r2, CRect(0, r1.bottom, rectClient.right, rectClient.bottom));

    // a second window on the first document: the hint reaches the other view, not the sender, and
    // no view of the other document
    CFrameWnd* pSecond = pTemplate->CreateNewFrame(pDoc1, FrameOf(pDoc1));
    ASSERT_NE(pSecond, nullptr);
    pTemplate->InitialUpdateFrame(pSecond, pDoc1);
    CSheetView* pOther = static_cast<CSheetView*>(pSecond->GetActiveView());
    ASSERT_NE(pOther, nullptr);
    EXPECT_EQ(pOther->GetDocument(), pDoc1);
    CStringList hint; // any object will do
    pDoc1->UpdateAllViews(pView1, 7, &hint);
    EXPECT_EQ(pView1->updates.size(), 1u);
    EXPECT_EQ(pView2->updates.size(), 1u);
    ASSERT_EQ(pOther->updates.size(), 2u);
    EXPECT_EQ(pOther->updates[1].pSender, pView1);
    EXPECT_EQ(pOther->updates[1].lHint, 7);
    EXPECT_EQ(pOther->updates[1].pHint, &hint);

    // closing all documents, one of them modified, asks nothing and leaves none
    pDoc1->SetModifiedFlag(TRUE);
    pTemplate->CloseAllDocuments(FALSE);
    EXPECT_EQ(pTemplate->GetFirstDocPosition(), nullptr);
    EXPECT_TRUE(ChildrenOf(pFrame).empty());
    EXPECT_EQ(CSheetDoc::s_nAlive, 0);
    EXPECT_TRUE(fake.Calls().empty());
}

TEST_F(MdiTest, TheActiveChildBringsItsTemplatesMenuAndTheFramesMenuReturnsAfterTheLast)
{
    CMultiDocTemplate* pTemplate = AddSheetTemplate();
    const HMENU hMenuMain = pFrame->GetDefaultMenu();
    ASSERT_NE(pTemplate->m_hMenuShared, nullptr);
    CDocument* pDoc1 = pTemplate->OpenDocumentFile(nullptr);
    CDocument* pDoc2 = pTemplate->OpenDocumentFile(nullptr);
    ASSERT_NE(pDoc2, nullptr);
    EXPECT_EQ(::GetMenu(pFrame->m_hWnd), pTemplate->m_hMenuShared);
    EXPECT_EQ(pFrame->MDIGetActive(), FrameOf(pDoc2));

    // the MDI client lists the children in the shared menu's Window popup; having no handlers, the
    // entries are not disabled when the popup opens
    CMenu* pWindowMenu = CMenu::FromHandle(CMDIFrameWnd::GetWindowMenuPopup(pTemplate->m_hMenuShared));
    ASSERT_NE(pWindowMenu, nullptr);
    pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pWindowMenu->m_hMenu), 1);
    for (UINT nID : {UINT(AFX_IDM_FIRST_MDICHILD), UINT(AFX_IDM_FIRST_MDICHILD + 1), UINT(ID_WINDOW_TILE_HORZ)}) {
        const UINT nState = pWindowMenu->GetMenuState(nID, MF_BYCOMMAND);
        ASSERT_NE(nState, 0xFFFFFFFFu) << nID;
        EXPECT_EQ(nState & (MF_GRAYED | MF_DISABLED), 0u) << nID;
    }

    // activating the other child: routing, caption and accelerators follow it
    pFrame->MDIActivate(FrameOf(pDoc1));
    EXPECT_EQ(pFrame->GetActiveFrame(), FrameOf(pDoc1));
    CString caption;
    pFrame->GetWindowText(caption);
    EXPECT_STREQ(caption, "Ondrix Test - Sheet1");
    EXPECT_EQ(pFrame->GetDefaultAccelerator(), pTemplate->m_hAccelTable);

    // a child's status text goes to the frame's status bar
    CThickBar status(20);
    ASSERT_TRUE(status.Create(nullptr, nullptr, WS_VISIBLE | CBRS_ALIGN_BOTTOM, CRect(), pFrame, AFX_IDW_STATUS_BAR));
    FrameOf(pDoc1)->SetMessageText(ID_TEST_CHECKED);
    status.GetWindowText(caption);
    EXPECT_STREQ(caption, "Checked item prompt");

    // closing a child's frame closes its document
    FrameOf(pDoc2)->SendMessage(WM_CLOSE);
    EXPECT_EQ(CSheetDoc::s_nAlive, 1);
    EXPECT_EQ(::GetMenu(pFrame->m_hWnd), pTemplate->m_hMenuShared);
    FrameOf(pDoc1)->SendMessage(WM_CLOSE);
    EXPECT_EQ(CSheetDoc::s_nAlive, 0);
    EXPECT_EQ(::GetMenu(pFrame->m_hWnd), hMenuMain);
    pFrame->GetWindowText(caption);
    EXPECT_STREQ(caption, "Ondrix Test");
}

TEST_F(MdiTest, FileNewUsesTheFirstTemplateWithAFileNewNameAndNoneMeansNothing)
{
    CMultiDocTemplate* pPlain = new CMultiDocTemplate(IDR_PLAIN, RUNTIME_CLASS(CSheetDoc),
                                                      RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CSheetView));
    app.AddDocTemplate(pPlain);
    CString name;
    EXPECT_FALSE(pPlain->GetDocString(name, CDocTemplate::fileNewName));
    pFrame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    EXPECT_EQ(app.GetOpenDocumentCount(), 0);

    CMultiDocTemplate* pSheet = AddSheetTemplate();
    EXPECT_TRUE(pSheet->GetDocString(name, CDocTemplate::fileNewName));
    EXPECT_STREQ(name, "Sheet");
    pFrame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    EXPECT_EQ(pPlain->GetFirstDocPosition(), nullptr);
    ASSERT_NE(pSheet->GetFirstDocPosition(), nullptr);

    // a template without strings titles its documents "Untitled"
    CDocument* pDoc = pPlain->OpenDocumentFile(nullptr);
    ASSERT_NE(pDoc, nullptr);
    EXPECT_STREQ(pDoc->GetTitle(), "Untitled");
}

TEST_F(MdiTest, TheApplicationKeepsItsTemplatesInOrderAndEachOnce)
{
    EXPECT_EQ(app.GetFirstDocTemplatePosition(), nullptr);
    CMultiDocTemplate* pSheet = AddSheetTemplate();
    CMultiDocTemplate* pPlain = new CMultiDocTemplate(IDR_PLAIN, RUNTIME_CLASS(CSheetDoc),
                                                      RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CSheetView));
    app.AddDocTemplate(pPlain);
    POSITION pos = app.GetFirstDocTemplatePosition();
    EXPECT_EQ(app.GetNextDocTemplate(pos), pSheet);
    EXPECT_EQ(app.GetNextDocTemplate(pos), pPlain);
    EXPECT_EQ(pos, nullptr);
    ExpectInvalidArg([&] { app.AddDocTemplate(pSheet); }, "in the list already");
}

TEST(DocTemplate, ClassesThatCannotMakeADocumentFrameOrViewAreRefused)
{
    struct Case {
        CRuntimeClass* pDocClass;
        CRuntimeClass* pFrameClass;
        CRuntimeClass* pViewClass;
        const char* pszRefusal;
    };
    const Case cases[] = {
        {RUNTIME_CLASS(CDocument), RUNTIME_CLASS(CMDIChildWnd), nullptr, "not a creatable CDocument class"},
        {RUNTIME_CLASS(CSheetDoc), RUNTIME_CLASS(CSheetView), nullptr, "not a creatable CFrameWnd class"},
        {RUNTIME_CLASS(CSheetDoc), RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CSheetDoc), "not a creatable CWnd class"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszRefusal);
        ExpectInvalidArg([&] { CMultiDocTemplate t(IDR_PLAIN, c.pDocClass, c.pFrameClass, c.pViewClass); }, c.pszRefusal);
    }
}

TEST_F(MdiTest, ClosingTheMainFrameClosesEveryDocumentFirst)
{
    CMultiDocTemplate* pTemplate = AddSheetTemplate();
    ASSERT_NE(pTemplate->OpenDocumentFile(nullptr), nullptr);
    ASSERT_NE(pTemplate->OpenDocumentFile(nullptr), nullptr);
    pFrame->SendMessage(WM_CLOSE);
    EXPECT_EQ(CSheetDoc::s_nAlive, 0);
    EXPECT_FALSE(::IsWindow(hWndFrame));
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_TRUE(PumpWaitingMessages()) << "the program is asked to end";
}

// An application that keeps the main window open while it says so.
class CAskingApp : public CWinApp {
public:
    CAskingApp() : CWinApp("Ondrix") {}
    BOOL SaveAllModified() override
    {
        ++nQuestions;
        return bLetClose;
    }
    int nQuestions = 0;
    BOOL bLetClose = FALSE;
};

TEST(MainFrameClose, TheApplicationIsAskedFirstAndMayKeepEverythingOpen)
{
    CFakeServices fake;
    CAskingApp app;
    CSheetDoc::s_bRefuseNew = false;
    CMDIFrameWnd* pFrame = new CMDIFrameWnd;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_MAIN));
    const HWND hWndFrame = pFrame->m_hWnd;
    pFrame->MoveWindow(600, 40, 520, 400);
    pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    app.m_pMainWnd = pFrame;
    CMultiDocTemplate* pTemplate = new CMultiDocTemplate(IDR_SHEET, RUNTIME_CLASS(CSheetDoc),
                                                         RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CSheetView));
    app.AddDocTemplate(pTemplate);
    ASSERT_NE(pTemplate->OpenDocumentFile(nullptr), nullptr);

    // File Exit and closing the window ask alike
    for (UINT nMessage : {UINT(WM_CLOSE), UINT(WM_COMMAND)}) {
        pFrame->SendMessage(nMessage, nMessage == WM_COMMAND ? ID_APP_EXIT : 0);
        EXPECT_TRUE(::IsWindow(hWndFrame));
        EXPECT_EQ(app.GetOpenDocumentCount(), 1);
    }
    EXPECT_EQ(app.nQuestions, 2);

    app.bLetClose = TRUE;
    pFrame->SendMessage(WM_CLOSE);
    EXPECT_EQ(app.nQuestions, 3);
    EXPECT_FALSE(::IsWindow(hWndFrame));
    EXPECT_EQ(CSheetDoc::s_nAlive, 0);
    PumpWaitingMessages();
}

TEST(Document, APathMakesTheTitleAndJoinsTheRecentFiles)
{
    CWinApp app{"OndrixDocumentTest"};
    app.LoadStdProfileSettings(4);
    CSheetDoc* pDoc = new CSheetDoc;
    pDoc->SetPathName("C:\\projects\\cars.xml");
    EXPECT_STREQ(pDoc->GetPathName(), "C:\\projects\\cars.xml");
    EXPECT_STREQ(pDoc->GetTitle(), "cars.xml");
    EXPECT_STREQ((*app.m_pRecentFileList)[0], "C:\\projects\\cars.xml");
    pDoc->SetPathName("C:\\projects\\other.xml", FALSE);
    EXPECT_STREQ((*app.m_pRecentFileList)[0], "C:\\projects\\cars.xml");
    EXPECT_FALSE(pDoc->IsModified());
    pDoc->OnCloseDocument(); // no views: it goes at once
    EXPECT_EQ(CSheetDoc::s_nAlive, 0);
}

TEST_F(MdiTest, ADocumentThatRefusesToStartTakesItsFrameAlong)
{
    CMultiDocTemplate* pTemplate = AddSheetTemplate();
    CSheetDoc::s_bRefuseNew = true;
    EXPECT_EQ(pTemplate->OpenDocumentFile(nullptr), nullptr);
    EXPECT_TRUE(ChildrenOf(pFrame).empty());
    EXPECT_EQ(CSheetDoc::s_nAlive, 0);
    EXPECT_TRUE(fake.Calls().empty()); // the document says why itself
}

// ---- routing ------------------------------------------------------------------------------------------------

const UINT ID_ROUTE_VIEW = 35001;  // handled by the view, the document, the child frame and the application
const UINT ID_ROUTE_DOC = 35002;   // ... by the document, the child frame and the application
const UINT ID_ROUTE_CHILD = 35003; // ... by the child frame and the application
const UINT ID_ROUTE_APP = 35004;   // ... by the application
const UINT ID_ROUTE_MAIN = 35005;  // only by the main frame

#define ROUTE_HANDLER(name, who)                                                                                    \
    void name() { g_route.push_back(who); }

class CRouteApp : public CWinApp {
public:
    CRouteApp() : CWinApp("Ondrix") {}

protected:
    ROUTE_HANDLER(OnRoute, "application")
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CRouteApp, CWinApp)
    ON_COMMAND(ID_ROUTE_VIEW, OnRoute)
    ON_COMMAND(ID_ROUTE_DOC, OnRoute)
    ON_COMMAND(ID_ROUTE_CHILD, OnRoute)
    ON_COMMAND(ID_ROUTE_APP, OnRoute)
END_MESSAGE_MAP()

class CRouteMainFrame : public CMDIFrameWnd {
protected:
    ROUTE_HANDLER(OnRoute, "main frame")
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CRouteMainFrame, CMDIFrameWnd)
    ON_COMMAND(ID_ROUTE_MAIN, OnRoute)
END_MESSAGE_MAP()

class CRouteChild : public CMDIChildWnd {
    DECLARE_DYNCREATE(CRouteChild)
protected:
    ROUTE_HANDLER(OnRoute, "child frame")
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CRouteChild, CMDIChildWnd)
BEGIN_MESSAGE_MAP(CRouteChild, CMDIChildWnd)
    ON_COMMAND(ID_ROUTE_VIEW, OnRoute)
    ON_COMMAND(ID_ROUTE_DOC, OnRoute)
    ON_COMMAND(ID_ROUTE_CHILD, OnRoute)
END_MESSAGE_MAP()

class CRouteDoc : public CDocument {
    DECLARE_DYNCREATE(CRouteDoc)
protected:
    ROUTE_HANDLER(OnRoute, "document")
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CRouteDoc, CDocument)
BEGIN_MESSAGE_MAP(CRouteDoc, CDocument)
    ON_COMMAND(ID_ROUTE_VIEW, OnRoute)
    ON_COMMAND(ID_ROUTE_DOC, OnRoute)
END_MESSAGE_MAP()

class CRouteView : public CView {
    DECLARE_DYNCREATE(CRouteView)
public:
    void OnDraw(CDC*) override {}

protected:
    ROUTE_HANDLER(OnRoute, "view")
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CRouteView, CView)
BEGIN_MESSAGE_MAP(CRouteView, CView)
    ON_COMMAND(ID_ROUTE_VIEW, OnRoute)
END_MESSAGE_MAP()

TEST(Routing, ACommandReachesTheActiveViewItsDocumentTheChildFrameAndTheApplicationInTurn)
{
    CRouteApp app;
    CFakeServices fake;
    CRouteMainFrame* pFrame = new CRouteMainFrame;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_MAIN));
    const HWND hWndFrame = pFrame->m_hWnd;
    app.m_pMainWnd = pFrame;
    CMultiDocTemplate* pTemplate =
        new CMultiDocTemplate(IDR_SHEET, RUNTIME_CLASS(CRouteDoc), RUNTIME_CLASS(CRouteChild), RUNTIME_CLASS(CRouteView));
    app.AddDocTemplate(pTemplate);
    ASSERT_NE(pTemplate->OpenDocumentFile(nullptr), nullptr);

    const struct {
        UINT nID;
        const char* pszExpected;
    } cases[] = {
        {ID_ROUTE_VIEW, "view"},
        {ID_ROUTE_DOC, "document"},
        {ID_ROUTE_CHILD, "child frame"},
        {ID_ROUTE_APP, "application"},
        {ID_ROUTE_MAIN, "main frame"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszExpected);
        g_route.clear();
        pFrame->SendMessage(WM_COMMAND, c.nID);
        EXPECT_EQ(g_route, std::vector<std::string>{c.pszExpected});
    }

    // the update of an item asks the same way: handled by the application only, it is enabled (again,
    // when it was greyed before); an item nobody handles is disabled
    struct CEnableNote : CCmdUI {
        int nEnabled = -1;
        void Enable(BOOL bOn) override
        {
            CCmdUI::Enable(bOn);
            nEnabled = bOn ? 1 : 0;
        }
    };
    for (const auto& c : {std::make_pair(UINT(ID_ROUTE_APP), 1), std::make_pair(UINT(0x7F01), 0)}) {
        CEnableNote state;
        state.m_nID = c.first;
        state.DoUpdate(pFrame, TRUE);
        EXPECT_EQ(state.nEnabled, c.second) << c.first;
    }

    app.CloseAllDocuments(FALSE);
    app.m_pMainWnd = nullptr;
    ::DestroyWindow(hWndFrame);
    PumpWaitingMessages();
}

} // namespace

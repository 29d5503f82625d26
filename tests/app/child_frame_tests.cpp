// The document windows' frame: its caption is the document's title while restored and empty while
// minimised or maximised.
#include "AppTestSupport.h"

#include "app/ZQChildFrm.h"
#include "res/resource.h"

#include <string>

namespace {

class CCaptionDoc : public CDocument {
    DECLARE_DYNCREATE(CCaptionDoc)
};
IMPLEMENT_DYNCREATE(CCaptionDoc, CDocument)

class CCaptionView : public CView {
    DECLARE_DYNCREATE(CCaptionView)
public:
    void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(CCaptionView, CView)

class ChildFrame : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        mainFrame = new CMDIFrameWnd;
        ASSERT_TRUE(mainFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
        app.m_pMainWnd = mainFrame;
        mainFrame->ShowWindow(SW_SHOW);
        auto* pTemplate = new CMultiDocTemplate(IDR_ZQ_EVALUATIONS, RUNTIME_CLASS(CCaptionDoc),
                                                RUNTIME_CLASS(CZQChildFrm), RUNTIME_CLASS(CCaptionView));
        app.AddDocTemplate(pTemplate);
        document = pTemplate->OpenDocumentFile(nullptr);
        ASSERT_NE(document, nullptr);
        document->SetTitle("Evaluations of Alternatives");
        child = dynamic_cast<CZQChildFrm*>(mainFrame->MDIGetActive());
        ASSERT_NE(child, nullptr);
        Settle();
    }

    void TearDown() override
    {
        app.CloseAllDocuments(FALSE);
        AppFixture::TearDown();
    }

    // The idle work after a change (delayed title updates).
    void Settle()
    {
        PumpWaitingMessages();
        app.OnIdle(0);
    }
    std::string Caption() const
    {
        char text[128] = {};
        ::GetWindowTextA(child->m_hWnd, text, sizeof text);
        return text;
    }

    CMDIFrameWnd* mainFrame = nullptr;
    CDocument* document = nullptr;
    CZQChildFrm* child = nullptr;
};

TEST_F(ChildFrame, TheCaptionFollowsTheDocumentAndTheWindowsState)
{
    child->OnUpdateFrameTitle(TRUE);
    EXPECT_EQ(Caption(), "Evaluations of Alternatives");

    child->MDIMaximize();
    Settle();
    EXPECT_TRUE(::IsZoomed(child->m_hWnd));
    EXPECT_EQ(Caption(), "");

    child->MDIRestore();
    Settle();
    EXPECT_EQ(Caption(), "Evaluations of Alternatives");

    child->ShowWindow(SW_MINIMIZE);
    Settle();
    EXPECT_TRUE(::IsIconic(child->m_hWnd));
    EXPECT_EQ(Caption(), "");

    child->MDIRestore();
    Settle();
    EXPECT_EQ(Caption(), "Evaluations of Alternatives");
}

TEST_F(ChildFrame, TheMainTitleNeverTakesTheDocumentsTitle)
{
    mainFrame->SetWindowText(CZQApp::ProjectTitle("untitled"));
    child->MDIActivate();
    child->OnUpdateFrameTitle(TRUE);
    Settle();
    char title[128] = {};
    ::GetWindowTextA(mainFrame->m_hWnd, title, sizeof title);
    EXPECT_STREQ(title, "Ondrix - [untitled]");
}

} // namespace

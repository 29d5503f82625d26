// The document windows' frame: a worksheet of the main window, whose caption is the document's title
// whether restored, minimised or maximised, which names it in the Window menu, and which never becomes
// the main window's own title.
#include "AppTestSupport.h"

#include "app/ZQChildFrm.h"
#include "app/ZQMainFrm.h"
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

// A document window in the started application's main window.
class ChildFrame : public StartedAppFixture {
protected:
    void SetUp() override
    {
        StartedAppFixture::SetUp();
        mainFrame = app.GetMainFrame();
        ASSERT_NE(mainFrame, nullptr);
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
        StartedAppFixture::TearDown();
    }
    std::string MainTitle() const
    {
        char text[128] = {};
        ::GetWindowTextA(mainFrame->m_hWnd, text, sizeof text);
        return text;
    }

    // The idle work after a change (delayed title updates).
    void Settle()
    {
        PumpWaitingMessages();
        app.OnIdle(0);
    }
    // The Window menu's entry for the first MDI child ("" when none).
    std::string WindowMenuEntry() const
    {
        char text[128] = {};
        ::GetMenuStringA(CMDIFrameWnd::GetWindowMenuPopup(mainFrame->GetShownMenu()), AFX_IDM_FIRST_MDICHILD,
                         text, sizeof text, MF_BYCOMMAND);
        return text;
    }
    std::string Caption() const
    {
        char text[128] = {};
        ::GetWindowTextA(child->m_hWnd, text, sizeof text);
        return text;
    }

    CZQMainFrm* mainFrame = nullptr;
    CDocument* document = nullptr;
    CZQChildFrm* child = nullptr;
};

TEST_F(ChildFrame, TheCaptionAndTheWindowMenuNameTheDocumentInEveryState)
{
    const std::string title = "Evaluations of Alternatives";
    child->OnUpdateFrameTitle(TRUE);
    EXPECT_EQ(Caption(), title);
    EXPECT_EQ(WindowMenuEntry(), "&1 " + title);

    child->MDIMaximize();
    Settle();
    EXPECT_TRUE(::IsZoomed(child->m_hWnd));
    EXPECT_EQ(Caption(), title);
    EXPECT_EQ(WindowMenuEntry(), "&1 " + title);

    child->MDIRestore();
    Settle();
    EXPECT_EQ(Caption(), title);

    child->ShowWindow(SW_MINIMIZE);
    Settle();
    EXPECT_TRUE(::IsIconic(child->m_hWnd));
    EXPECT_EQ(Caption(), title);
    EXPECT_EQ(WindowMenuEntry(), "&1 " + title);

    // a title that changes while minimised reaches the icon and the menu on the next idle
    document->SetTitle("Final ranking");
    Settle();
    EXPECT_EQ(Caption(), "Final ranking");
    EXPECT_EQ(WindowMenuEntry(), "&1 Final ranking");

    child->MDIRestore();
    Settle();
    EXPECT_EQ(Caption(), "Final ranking");
}

TEST_F(ChildFrame, IsATabOfTheWorkbookAndNeverBecomesTheMainWindowsTitle)
{
    ASSERT_EQ(mainFrame->GetSheets().size(), 1u);
    EXPECT_EQ(mainFrame->GetSheets()[0], child);
    EXPECT_EQ(Str(mainFrame->GetTabLabel(child)), "Evaluations of Alternatives");

    // the frame's own title update, as the framework runs it when documents change
    child->MDIActivate();
    mainFrame->OnUpdateFrameTitle(TRUE);
    Settle();
    EXPECT_EQ(MainTitle(), "Ondrix - [untitled]");
    // maximised, the system shows the child's caption beside the frame's own title
    child->MDIMaximize();
    Settle();
    EXPECT_EQ(MainTitle(), "Ondrix - [untitled] - [Evaluations of Alternatives]");
    child->MDIRestore();
    Settle();
    EXPECT_EQ(MainTitle(), "Ondrix - [untitled]");
}

} // namespace

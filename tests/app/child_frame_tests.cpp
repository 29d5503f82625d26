// The document windows' frame: a worksheet of the main window, whose caption is the document's title
// while restored and empty while minimised or maximised, and which never titles the main window.
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

TEST_F(ChildFrame, IsATabOfTheWorkbookAndNeverTitlesTheMainWindow)
{
    ASSERT_EQ(mainFrame->GetSheets().size(), 1u);
    EXPECT_EQ(mainFrame->GetSheets()[0], child);
    EXPECT_EQ(Str(mainFrame->GetTabLabel(child)), "Evaluations of Alternatives");

    // the frame's own title update, as the framework runs it when documents change
    child->MDIActivate();
    mainFrame->OnUpdateFrameTitle(TRUE);
    Settle();
    EXPECT_EQ(MainTitle(), "Ondrix - [untitled]");
    child->MDIMaximize();
    Settle();
    EXPECT_EQ(MainTitle(), "Ondrix - [untitled]");
    child->MDIRestore();
    Settle();
    EXPECT_EQ(MainTitle(), "Ondrix - [untitled]");
}

} // namespace

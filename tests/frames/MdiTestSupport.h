// Helpers of the docking MDI frame and workbook tests: an application with a template of sheets, a
// toolkit frame loaded from the test resources as the main window, panes, a stand-in menu bar and a
// window that records the activation messages it hears.
#pragma once

#include "DockBarTestSupport.h"
#include "FakeServices.h"
#include "TestSupport.h"

#include "frames/SECControlBarHost.h"
#include "frames/SECMDIFrameWnd.h"
#include "frames/SECMiniDockFrameWnd.h"
#include "frames/SECToolkit.h"
#include "frames/SECWorkbook.h"
#include "win/CDocTemplate.h"
#include "win/CDocument.h"
#include "win/CView.h"

#include "mdi_test_resources.h"

#include <string>
#include <vector>

// The application's panes: child, visible, aligned left, right border, tooltips, dynamic size; own
// borders, margins, gripper, hide box and expand arrow.
const DWORD kMdiPaneStyle = 0x50001414;
const DWORD kMdiPaneExStyle = 0x0F10;

class CMdiTestDoc : public CDocument {
    DECLARE_DYNCREATE(CMdiTestDoc)
};

class CMdiTestView : public CView {
    DECLARE_DYNCREATE(CMdiTestView)
public:
    void OnDraw(CDC*) override {}
};

// A menu bar standing in for the toolkit's: a control bar that notes the menus it is asked to show.
class CStandInMenuBar : public CControlBar, public SECFrameMenuBar {
public:
    CControlBar* GetMenuBarWnd() override { return this; }
    BOOL SwitchMenu(UINT nIDMenu) override
    {
        shown.push_back(nIDMenu);
        return TRUE;
    }
    BOOL UpdateMDIButtons(BOOL bForceHide) override
    {
        (void)bForceHide;
        nButtonUpdates++;
        return bButtonsChange;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SIZEPARENT)
            nLayouts++;
        return CControlBar::WindowProc(message, wParam, lParam);
    }
    std::vector<UINT> shown;
    int nButtonUpdates = 0;
    BOOL bButtonsChange = FALSE;
    int nLayouts = 0;
};

// The window rectangle of pWnd in the coordinates of hWndTo's client area.
inline CRect RectIn(const CWnd* pWnd, HWND hWndTo)
{
    CRect rect;
    pWnd->GetWindowRect(rect);
    ::MapWindowPoints(nullptr, hWndTo, reinterpret_cast<LPPOINT>(static_cast<RECT*>(rect)), 2);
    return rect;
}

// An application with the sheets' template (SECWorksheet frames unless another class is given) and a
// loaded toolkit frame as its main window. Frames made with LoadMainFrame go at the end of the test.
class MdiFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SECStartToolkit();
        g_bSECWorkbookTabs = FALSE;
    }
    void TearDown() override
    {
        app.CloseAllDocuments(FALSE);
        app.m_pMainWnd = nullptr;
        for (HWND hWnd : m_frames)
            if (::IsWindow(hWnd))
                ::DestroyWindow(hWnd);
        PumpWaitingMessages();
        g_bSECWorkbookTabs = FALSE;
    }

    // Adds the sheets' template with pFrameClass as its frame class; returns it.
    CMultiDocTemplate* AddSheetTemplate(CRuntimeClass* pFrameClass = RUNTIME_CLASS(SECWorksheet))
    {
        pTemplate = new CMultiDocTemplate(IDR_MDI_SHEET, RUNTIME_CLASS(CMdiTestDoc), pFrameClass,
                                          RUNTIME_CLASS(CMdiTestView));
        app.AddDocTemplate(pTemplate);
        return pTemplate;
    }

    // A frame of class FRAME loaded from nID (with pMenuBar as its menu bar when given, else the one
    // the frame sets itself), at (40, 40), 640 by 480, shown, made the main window.
    template <class FRAME = SECMDIFrameWnd>
    FRAME* LoadMainFrame(SECFrameMenuBar* pMenuBar = nullptr, UINT nID = IDR_MDI_MAIN)
    {
        FRAME* pNew = new FRAME;
        if (pMenuBar != nullptr)
            pNew->SetMenuBar(pMenuBar);
        if (!pNew->LoadFrame(nID)) {
            ADD_FAILURE() << "the frame was not loaded";
            return nullptr;
        }
        m_frames.push_back(pNew->m_hWnd);
        pNew->MoveWindow(40, 40, 640, 480);
        pNew->ShowWindow(SW_SHOW);
        app.m_pMainWnd = pNew;
        return pNew;
    }

    // A pane of pFrame (deleting itself with its window) titled "Pane <id>", allowed to dock anywhere.
    static SECControlBar* MakePane(CFrameWnd* pFrame, UINT nID, DWORD dwExStyle = kMdiPaneExStyle,
                                   SECControlBar* pPane = nullptr)
    {
        if (pPane == nullptr)
            pPane = new SECControlBar;
        pPane->SetAutoDelete(TRUE);
        const std::string title = "Pane " + std::to_string(nID);
        if (!pPane->Create(pFrame, title.c_str(), kMdiPaneStyle, dwExStyle, nID)) {
            ADD_FAILURE() << "the pane was not made";
            return nullptr;
        }
        pPane->EnableDocking(CBRS_ALIGN_ANY);
        return pPane;
    }

    // A new document of the sheets' template; returns its frame.
    CMDIChildWnd* OpenSheet()
    {
        CDocument* pDoc = pTemplate->OpenDocumentFile(nullptr);
        if (pDoc == nullptr) {
            ADD_FAILURE() << "no sheet was opened";
            return nullptr;
        }
        POSITION pos = pDoc->GetFirstViewPosition();
        return static_cast<CMDIChildWnd*>(pDoc->GetNextView(pos)->GetParentFrame());
    }

    // The window text of pWnd.
    static std::string TextOf(const CWnd* pWnd)
    {
        CString text;
        pWnd->GetWindowText(text);
        return text.GetString();
    }

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CMultiDocTemplate* pTemplate = nullptr;
    CStandInMenuBar menuBar; // outlives the frames

private:
    std::vector<HWND> m_frames;
};

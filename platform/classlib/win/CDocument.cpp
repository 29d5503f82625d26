// CDocument: title, path, modified flag, the view list, updates of the views and closing.
#include <algorithm>
#include <vector>

#include "win/CDocument.h"

#include "win/ArgCheck.h"
#include "win/CDocTemplate.h"
#include "win/CFrameWnd.h"
#include "win/HostPath.h"
#include "win/CView.h"
#include "win/CWinApp.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

CDocument::CDocument() : m_bAutoDelete(TRUE), m_pDocTemplate(nullptr), m_bModified(FALSE)
{
}

CDocument::~CDocument()
{
    for (POSITION pos = m_viewList.GetHeadPosition(); pos != nullptr;)
        static_cast<CView*>(m_viewList.GetNext(pos))->m_viewState.pDocument = nullptr;
    m_viewList.RemoveAll();
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->RemoveDocument(this);
}

// ---- title, path, state --------------------------------------------------------------------------------

const CString& CDocument::GetTitle() const
{
    return m_strTitle;
}

void CDocument::SetTitle(LPCSTR lpszTitle)
{
    m_strTitle = lpszTitle != nullptr ? lpszTitle : "";
    UpdateFrameCounts();
}

const CString& CDocument::GetPathName() const
{
    return m_strPathName;
}

void CDocument::SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU)
{
    AfxRequirePointer(lpszPathName, "CDocument::SetPathName", "lpszPathName");
    m_strPathName = lpszPathName;
    std::vector<WCHAR> wide;
    WCHAR full[MAX_PATH * 2] = {};
    CString strFull;
    if (AfxPathToWide(lpszPathName, wide)) {
        const DWORD n = ::GetFullPathNameW(wide.data(), MAX_PATH * 2, full, nullptr);
        if (n > 0 && n < MAX_PATH * 2 && AfxPathFromWide(full, strFull))
            m_strPathName = strFull;
    }
    const int nSep = (std::max)(m_strPathName.ReverseFind('\\'), m_strPathName.ReverseFind('/'));
    // the title is 8-bit text that the frames show
    SetTitle(AfxPathForDisplay(m_strPathName.Mid(nSep + 1)));
    if (bAddToMRU) {
        if (CWinApp* pApp = AfxGetApp())
            pApp->AddToRecentFileList(m_strPathName);
    }
}

CDocTemplate* CDocument::GetDocTemplate() const
{
    return m_pDocTemplate;
}

BOOL CDocument::IsModified()
{
    return m_bModified;
}

void CDocument::SetModifiedFlag(BOOL bModified)
{
    m_bModified = bModified;
}

// ---- views ---------------------------------------------------------------------------------------------

POSITION CDocument::GetFirstViewPosition() const
{
    return m_viewList.GetHeadPosition();
}

CView* CDocument::GetNextView(POSITION& rPosition) const
{
    return static_cast<CView*>(m_viewList.GetNext(rPosition));
}

void CDocument::AddView(CView* pView)
{
    AfxRequirePointer(pView, "CDocument::AddView", "pView");
    if (pView->m_viewState.pDocument == this)
        return;
    if (pView->m_viewState.pDocument != nullptr)
        AfxThrowInvalidArgFormat("CDocument::AddView: view %p already shows another document", pView->m_hWnd);
    m_viewList.AddTail(pView);
    pView->m_viewState.pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    POSITION pos = m_viewList.Find(pView);
    if (pos == nullptr)
        return;
    m_viewList.RemoveAt(pos);
    pView->m_viewState.pDocument = nullptr;
    OnChangedViewList(); // may delete the document
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    // a copy: a view's update may open or close views
    std::vector<CView*> views;
    for (POSITION pos = m_viewList.GetHeadPosition(); pos != nullptr;)
        views.push_back(static_cast<CView*>(m_viewList.GetNext(pos)));
    for (CView* pView : views) {
        if (pView != pSender && m_viewList.Find(pView) != nullptr)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::OnChangedViewList()
{
    if (m_bAutoDelete && m_viewList.IsEmpty()) {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateFrameCounts()
{
    std::vector<CFrameWnd*> frames;
    for (POSITION pos = m_viewList.GetHeadPosition(); pos != nullptr;) {
        CView* pView = static_cast<CView*>(m_viewList.GetNext(pos));
        CFrameWnd* pFrame = pView->m_hWnd != nullptr ? pView->GetParentFrame() : nullptr;
        if (pFrame != nullptr && std::find(frames.begin(), frames.end(), pFrame) == frames.end())
            frames.push_back(pFrame);
    }
    for (CFrameWnd* pFrame : frames)
        pFrame->OnUpdateFrameTitle(TRUE);
}

// ---- life ----------------------------------------------------------------------------------------------

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument()
{
    // the document stays while its views go
    const BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.IsEmpty()) {
        CView* pView = static_cast<CView*>(m_viewList.GetHead());
        CFrameWnd* pFrame = pView->m_hWnd != nullptr ? pView->GetParentFrame() : nullptr;
        if (pFrame != nullptr) {
            PreCloseFrame(pFrame);
            pFrame->DestroyWindow(); // destroys the view, which leaves the list
        } else if (pView->m_hWnd != nullptr) {
            pView->DestroyWindow();
        }
        // a view still listed (no window, or its destruction refused) is let go, so the loop ends
        if (!m_viewList.IsEmpty() && m_viewList.GetHead() == pView)
            RemoveView(pView);
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

void CDocument::DeleteContents()
{
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrame)
{
    (void)pFrame;
    return SaveModified();
}

BOOL CDocument::SaveModified()
{
    return TRUE;
}

void CDocument::PreCloseFrame(CFrameWnd* pFrame)
{
    (void)pFrame;
}

HMENU CDocument::GetDefaultMenu()
{
    return nullptr;
}

HACCEL CDocument::GetDefaultAccelerator()
{
    return nullptr;
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate != nullptr && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

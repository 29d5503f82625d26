// CDocTemplate and CMultiDocTemplate: the template's strings, menu and accelerators, making new
// documents with their frames and views, and closing them.
#include "win/CDocTemplate.h"

#include "win/AfxResource.h"
#include "win/AfxStrings.h"
#include "win/ArgCheck.h"
#include "win/CDocument.h"
#include "win/CFrameWnd.h"
#include "win/WinServices.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

namespace {

void RequireClass(CRuntimeClass* pClass, CRuntimeClass* pBase, const char* lpszWhat)
{
    AfxRequirePointer(pClass, "CDocTemplate", lpszWhat);
    if (!pClass->IsDerivedFrom(pBase) || !pClass->IsCreatable())
        AfxThrowInvalidArgFormat("CDocTemplate: %s %s is not a creatable %s class", lpszWhat, pClass->m_lpszClassName,
                                 pBase->m_lpszClassName);
}

} // namespace

// ---- CDocTemplate ------------------------------------------------------------------------------------------

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{
    RequireClass(pDocClass, RUNTIME_CLASS(CDocument), "document class");
    RequireClass(pFrameClass, RUNTIME_CLASS(CFrameWnd), "frame class");
    if (pViewClass != nullptr)
        RequireClass(pViewClass, RUNTIME_CLASS(CWnd), "view class");
    if (nIDResource != 0)
        AfxLoadString(nIDResource, m_strDocStrings);
}

CDocTemplate::~CDocTemplate() = default;

BOOL CDocTemplate::GetDocString(CString& rString, DocStringIndex index) const
{
    rString.Empty();
    if (m_strDocStrings.IsEmpty())
        return FALSE;
    return AfxExtractSubString(rString, m_strDocStrings, int(index));
}

void CDocTemplate::AddDocument(CDocument* pDoc)
{
    AfxRequirePointer(pDoc, "CDocTemplate::AddDocument", "pDoc");
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc)
{
    AfxRequirePointer(pDoc, "CDocTemplate::RemoveDocument", "pDoc");
    if (pDoc->m_pDocTemplate == this)
        pDoc->m_pDocTemplate = nullptr;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    CDocument* pDocument = static_cast<CDocument*>(m_pDocClass->CreateObject());
    if (pDocument != nullptr)
        AddDocument(pDocument);
    return pDocument;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    CFrameWnd* pFrame = static_cast<CFrameWnd*>(m_pFrameClass->CreateObject());
    if (pFrame == nullptr)
        return nullptr;
    // a frame that cannot be loaded has deleted itself
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    AfxRequirePointer(pFrame, "CDocTemplate::InitialUpdateFrame", "pFrame");
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

void CDocTemplate::CloseAllDocuments(BOOL bEndSession)
{
    (void)bEndSession;
    for (POSITION pos = GetFirstDocPosition(); pos != nullptr;) {
        // the position moves on before the document goes (it leaves the list when deleted)
        CDocument* pDoc = GetNextDoc(pos);
        pDoc->OnCloseDocument();
    }
}

// ---- CMultiDocTemplate ------------------------------------------------------------------------------------

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                     CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass), m_hMenuShared(nullptr), m_hAccelTable(nullptr),
      m_nUntitledCount(0)
{
    if (nIDResource == 0)
        return;
    const LPCSTR lpszName = MAKEINTRESOURCEA(nIDResource);
    if (HINSTANCE hInst = AfxFindResourceHandle(lpszName, MAKEINTRESOURCEA(4) /* RT_MENU */))
        m_hMenuShared = ::LoadMenuA(hInst, lpszName);
    if (HINSTANCE hInst = AfxFindResourceHandle(lpszName, MAKEINTRESOURCEA(9) /* RT_ACCELERATOR */))
        m_hAccelTable = ::LoadAcceleratorsA(hInst, lpszName);
}

CMultiDocTemplate::~CMultiDocTemplate()
{
    // documents still open forget the template
    for (POSITION pos = m_docList.GetHeadPosition(); pos != nullptr;)
        CDocTemplate::RemoveDocument(static_cast<CDocument*>(m_docList.GetNext(pos)));
    m_docList.RemoveAll();
    if (m_hMenuShared != nullptr)
        ::DestroyMenu(m_hMenuShared);
}

POSITION CMultiDocTemplate::GetFirstDocPosition() const
{
    return m_docList.GetHeadPosition();
}

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& rPos) const
{
    return static_cast<CDocument*>(m_docList.GetNext(rPos));
}

void CMultiDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    if (m_docList.Find(pDoc) == nullptr)
        m_docList.AddTail(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    POSITION pos = m_docList.Find(pDoc);
    if (pos != nullptr)
        m_docList.RemoveAt(pos);
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    AfxRequirePointer(pDocument, "CMultiDocTemplate::SetDefaultTitle", "pDocument");
    CString strTitle;
    if (GetDocString(strTitle, docName) && !strTitle.IsEmpty()) {
        CString strNumber;
        strNumber.Format("%u", m_nUntitledCount + 1);
        strTitle += strNumber;
    } else {
        strTitle = AfxLoadLibraryString(AFX_IDS_UNTITLED);
    }
    pDocument->SetTitle(strTitle);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible)
{
    if (lpszPathName != nullptr)
        return nullptr; // opening files is not done yet

    CDocument* pDocument = CreateNewDocument();
    if (pDocument == nullptr) {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return nullptr;
    }
    // the document must outlive a frame that fails half-way (its view may have joined and left)
    const BOOL bAutoDelete = pDocument->m_bAutoDelete;
    pDocument->m_bAutoDelete = FALSE;
    CFrameWnd* pFrame = nullptr;
    try {
        pFrame = CreateNewFrame(pDocument, nullptr);
    } catch (...) {
        delete pDocument;
        throw;
    }
    pDocument->m_bAutoDelete = bAutoDelete;
    if (pFrame == nullptr) {
        delete pDocument;
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return nullptr;
    }

    SetDefaultTitle(pDocument);
    if (!pDocument->OnNewDocument()) {
        // the document said why; its frame goes, and the document with its last view
        pFrame->DestroyWindow();
        if (m_docList.Find(pDocument) != nullptr)
            delete pDocument; // it had no view to take it along
        return nullptr;
    }
    ++m_nUntitledCount;
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}

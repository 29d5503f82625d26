// CDocManager: the template list, File New and closing every document.
#include "win/CDocManager.h"

#include "win/ArgCheck.h"
#include "win/CDocTemplate.h"
#include "win/CDocument.h"

IMPLEMENT_DYNAMIC(CDocManager, CObject)

CDocManager::CDocManager() = default;

CDocManager::~CDocManager()
{
    while (!m_templateList.IsEmpty())
        delete static_cast<CDocTemplate*>(m_templateList.RemoveHead());
}

void CDocManager::AddDocTemplate(CDocTemplate* pTemplate)
{
    AfxRequirePointer(pTemplate, "CDocManager::AddDocTemplate", "pTemplate");
    if (m_templateList.Find(pTemplate) != nullptr)
        AfxThrowInvalidArgFormat("CDocManager::AddDocTemplate: template %u is in the list already",
                                 pTemplate->m_nIDResource);
    m_templateList.AddTail(pTemplate);
}

POSITION CDocManager::GetFirstDocTemplatePosition() const
{
    return m_templateList.GetHeadPosition();
}

CDocTemplate* CDocManager::GetNextDocTemplate(POSITION& rPos) const
{
    return static_cast<CDocTemplate*>(m_templateList.GetNext(rPos));
}

int CDocManager::GetOpenDocumentCount() const
{
    int nCount = 0;
    for (POSITION pos = m_templateList.GetHeadPosition(); pos != nullptr;) {
        const CDocTemplate* pTemplate = static_cast<const CDocTemplate*>(m_templateList.GetNext(pos));
        for (POSITION posDoc = pTemplate->GetFirstDocPosition(); posDoc != nullptr; pTemplate->GetNextDoc(posDoc))
            ++nCount;
    }
    return nCount;
}

void CDocManager::CloseAllDocuments(BOOL bEndSession)
{
    for (POSITION pos = m_templateList.GetHeadPosition(); pos != nullptr;)
        static_cast<CDocTemplate*>(m_templateList.GetNext(pos))->CloseAllDocuments(bEndSession);
}

void CDocManager::OnFileNew()
{
    for (POSITION pos = m_templateList.GetHeadPosition(); pos != nullptr;) {
        CDocTemplate* pTemplate = static_cast<CDocTemplate*>(m_templateList.GetNext(pos));
        CString strName;
        if (pTemplate->GetDocString(strName, CDocTemplate::fileNewName) && !strName.IsEmpty()) {
            pTemplate->OpenDocumentFile(nullptr);
            return;
        }
    }
}

CDocument* CDocManager::OpenDocumentFile(LPCSTR lpszFileName)
{
    (void)lpszFileName;
    return nullptr;
}

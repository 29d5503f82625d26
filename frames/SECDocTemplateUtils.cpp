// SECDocTemplateUtils: the application's document templates, narrowed and looked up.
#include <algorithm>

#include "frames/SECDocTemplateUtils.h"

#include "win/CDocument.h"
#include "win/CFrameWnd.h"
#include "win/CWinApp.h"

namespace {

// The name templates are looked up by: the file-new name, else the document name.
CString NameOf(const CDocTemplate* pTemplate)
{
    CString strName;
    if (!pTemplate->GetDocString(strName, CDocTemplate::fileNewName) || strName.IsEmpty())
        pTemplate->GetDocString(strName, CDocTemplate::docName);
    return strName;
}

// TRUE when pTemplate's file-new name or document name is strName.
BOOL IsNamed(const CDocTemplate* pTemplate, const CString& strName)
{
    CString strNewName, strDocName;
    pTemplate->GetDocString(strNewName, CDocTemplate::fileNewName);
    pTemplate->GetDocString(strDocName, CDocTemplate::docName);
    return strNewName == strName || strDocName == strName;
}

} // namespace

SECDocTemplateUtils::SECDocTemplateUtils()
{
    ListAll();
}

void SECDocTemplateUtils::ListAll()
{
    m_templates.clear();
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    for (POSITION pos = pApp->GetFirstDocTemplatePosition(); pos != nullptr;)
        m_templates.push_back(pApp->GetNextDocTemplate(pos));
}

template <class TKeep>
void SECDocTemplateUtils::Keep(TKeep keep)
{
    m_templates.erase(std::remove_if(m_templates.begin(), m_templates.end(),
                                     [&keep](CDocTemplate* pTemplate) { return !keep(pTemplate); }),
                      m_templates.end());
}

void SECDocTemplateUtils::KeepTypes(const CRuntimeClass* pDocClass, const CRuntimeClass* pViewClass)
{
    Keep([=](CDocTemplate* pTemplate) {
        return (pDocClass == nullptr || pTemplate->m_pDocClass == pDocClass) &&
               (pViewClass == nullptr || pTemplate->m_pViewClass == pViewClass);
    });
}

void SECDocTemplateUtils::KeepSharedMenu(HMENU hMenu)
{
    Keep([=](CDocTemplate* pTemplate) {
        const CMultiDocTemplate* pMulti = dynamic_cast<const CMultiDocTemplate*>(pTemplate);
        return pMulti != nullptr && pMulti->m_hMenuShared == hMenu;
    });
}

void SECDocTemplateUtils::KeepResourceID(UINT nID)
{
    Keep([=](CDocTemplate* pTemplate) { return pTemplate->m_nIDResource == nID; });
}

CDocTemplate* SECDocTemplateUtils::GetSingle() const
{
    return m_templates.size() == 1 ? m_templates.front() : nullptr;
}

CDocTemplate* SECDocTemplateUtils::FindByDocName(LPCSTR lpszName, int nIndex)
{
    const CString strName = lpszName != nullptr ? lpszName : "";
    const SECDocTemplateUtils all;
    for (CDocTemplate* pTemplate : all.GetTemplates()) {
        if (IsNamed(pTemplate, strName) && nIndex-- == 0)
            return pTemplate;
    }
    return nullptr;
}

int SECDocTemplateUtils::IndexAmongNamesakes(const CDocTemplate* pTemplate)
{
    if (pTemplate == nullptr)
        return -1;
    const CString strName = NameOf(pTemplate);
    const SECDocTemplateUtils all;
    int nIndex = 0;
    for (CDocTemplate* pOther : all.GetTemplates()) {
        if (pOther == pTemplate)
            return nIndex;
        if (IsNamed(pOther, strName))
            nIndex++;
    }
    return -1;
}

CDocTemplate* SECDocTemplateUtils::TemplateOfFrame(CFrameWnd* pFrame)
{
    CDocument* pDocument = pFrame != nullptr ? pFrame->GetActiveDocument() : nullptr;
    return pDocument != nullptr ? pDocument->GetDocTemplate() : nullptr;
}

UINT SECDocTemplateUtils::GetDefaultMenuID()
{
    CWinApp* pApp = AfxGetApp();
    const CFrameWnd* pMainFrame = pApp != nullptr ? dynamic_cast<const CFrameWnd*>(pApp->m_pMainWnd) : nullptr;
    return pMainFrame != nullptr ? pMainFrame->GetHelpID() : 0;
}

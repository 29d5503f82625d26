#include "chart/engine/DEDizedAnnotation.h"

#include "chart/engine/template/ChartTemplateScanner.h"

IMPLEMENT_SERIAL(DEDizedAnnotation, CObject, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(DEDizedAnnotationList, CObList, VERSIONABLE_SCHEMA | 1)

DEDizedAnnotation::DEDizedAnnotation() : m_nIndex(1)
{
}

DEDizedAnnotation::DEDizedAnnotation(int nIndex, const char* lpszText) : m_nIndex(nIndex), m_strText(lpszText)
{
}

void DEDizedAnnotation::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_nIndex << m_strText;
    else
        ar >> m_nIndex >> m_strText;
}

DEDizedAnnotationList::DEDizedAnnotationList() = default;

DEDizedAnnotationList::~DEDizedAnnotationList()
{
    RemoveAll();
}

void DEDizedAnnotationList::Serialize(CArchive& ar)
{
    if (ar.IsLoading())
        RemoveAll();
    AfxSerializeOwnedObList(ar, *this, RUNTIME_CLASS(DEDizedAnnotation));
}

void DEDizedAnnotationList::WriteTemplate(CStdioFile& writer) const
{
    for (POSITION pos = GetHeadPosition(); pos != nullptr;) {
        const DEDizedAnnotation* pAnnotation = static_cast<const DEDizedAnnotation*>(GetNext(pos));
        CString line;
        line.Format("annotation %d %s", pAnnotation->m_nIndex, pAnnotation->m_strText);
        writer.WriteString(line + kChartTemplateLineEnd);
    }
}

DEDizedAnnotation* DEDizedAnnotationList::Find(int nIndex) const
{
    for (POSITION pos = GetHeadPosition(); pos != nullptr;) {
        DEDizedAnnotation* pAnnotation = static_cast<DEDizedAnnotation*>(GetNext(pos));
        if (pAnnotation->m_nIndex == nIndex)
            return pAnnotation;
    }
    return nullptr;
}

const CString& DEDizedAnnotationList::GetAnnotation(int nIndex) const
{
    const DEDizedAnnotation* pAnnotation = Find(nIndex);
    return pAnnotation != nullptr ? pAnnotation->m_strText : m_strMissing;
}

void DEDizedAnnotationList::SetAnnotation(int nIndex, const char* lpszText, int bClearFirst)
{
    if (bClearFirst != 0)
        RemoveAll();
    if (DEDizedAnnotation* pAnnotation = Find(nIndex)) {
        pAnnotation->m_strText = lpszText;
        return;
    }
    DEDizedAnnotation* pAnnotation = nullptr;
    AfxAllocating([&] { pAnnotation = new DEDizedAnnotation(nIndex, lpszText); });
    AfxAddOwnedTail(*this, pAnnotation);
}

void DEDizedAnnotationList::RemoveAll()
{
    AfxDeleteOwnedObjects(*this);
}

// CGraphDoc: the chart document (see CGraphDoc.h).
#include <cstring>

#include "chart/views/CGraphDoc.h"

#include "chart/engine/DEDizedData.h"
#include "chart/engine/DEDizedStyle.h"

namespace {

// The low and high 16 bits of a packed argument.
int LowHalf(LPARAM lArg)
{
    return int(DWORD(lArg) & 0xFFFF);
}

int HighHalf(LPARAM lArg)
{
    return int((DWORD(lArg) >> 16) & 0xFFFF);
}

// The text at pText up to its first NUL, read no further than nSize bytes (the text need not end in
// a NUL there).
CString BoundedText(const char* pText, size_t nSize)
{
    const void* pEnd = std::memchr(pText, '\0', nSize);
    return CString(pText, int(pEnd != nullptr ? static_cast<const char*>(pEnd) - pText : nSize));
}

CString RecordText(const SECDataRecord& record)
{
    return BoundedText(record.szText, sizeof record.szText);
}

} // namespace

IMPLEMENT_DYNCREATE(CGraphDoc, SECComDoc)

CGraphDoc::CGraphDoc() = default;

CGraphDoc::~CGraphDoc() = default;

void CGraphDoc::Serialize(CArchive& ar)
{
    m_chart.Serialize(ar);
}

int CGraphDoc::DataCommand(int nType, LPARAM lArg)
{
    const SECDataRecord* pRecord = reinterpret_cast<const SECDataRecord*>(lArg);
    switch (nType) {
    case dataItemText:
    case dataValue:
    case dataGroupText:
        if (pRecord == nullptr)
            return 0;
        if (nType == dataItemText) {
            m_chart.SetItemAnnotation(pRecord->nIndex, pRecord->nGroup, RecordText(*pRecord));
        } else if (nType == dataGroupText) {
            m_chart.SetGroupAnnotation(pRecord->nGroup, RecordText(*pRecord), 1);
        } else if (pRecord->bNull) {
            m_chart.GetDataItem(pRecord->nIndex, pRecord->nGroup)->SetNull(1);
        } else {
            m_chart.SetValue(pRecord->nIndex, pRecord->nGroup, pRecord->dValue, 0);
            m_chart.GetDataItem(pRecord->nIndex, pRecord->nGroup)->SetNull(0);
        }
        break;
    case dataMark:
    case dataUnmark: {
        const int nIndex = LowHalf(lArg);
        const int nGroup = HighHalf(lArg);
        // an index within the longest group may still be past this group's end: the placeholder item
        // read there stands for every missing item and keeps its style
        DEDizedData* pItem = nGroup < m_chart.GetGroupCount() && nIndex < m_chart.GetMaxItemCount()
                                 ? m_chart.GetDataItem(nIndex, nGroup)
                                 : nullptr;
        if (pItem != nullptr && !pItem->IsKindOf(RUNTIME_CLASS(DEDizedDummyData))) {
            DEDizedStyle* pStyle = pItem->GetStyle();
            pStyle->m_nStyle = (pStyle->m_nStyle & ~0xF00) | (nType == dataMark ? 0x100 : 0);
        }
        break;
    }
    case dataFirstGroup:
    case dataLastGroup:
    case dataFirstIndex:
    case dataLastIndex: {
        const int nDisplay = HighHalf(lArg);
        const int nValue = short(LowHalf(lArg));
        if (nType == dataFirstGroup)
            m_chart.SetComponentFirstGroup(nDisplay, nValue, chartTypeDisplay);
        else if (nType == dataLastGroup)
            m_chart.SetComponentLastGroup(nDisplay, nValue, chartTypeDisplay);
        else if (nType == dataFirstIndex)
            m_chart.SetComponentFirstIndex(nDisplay, nValue, chartTypeDisplay);
        else
            m_chart.SetComponentLastIndex(nDisplay, nValue, chartTypeDisplay);
        return 1;
    }
    default:
        return 0;
    }
    UpdateAllViews(nullptr, 0, nullptr);
    return 1;
}

int CGraphDoc::HandOverTemplate(int nTemplateId, HGLOBAL hBlock)
{
    if (nTemplateId != 0)
        m_chart.ReadTemplate(MAKEINTRESOURCEA(nTemplateId));
    if (hBlock == nullptr)
        return 1;
    CString text;
    bool bLocked = false;
    if (const char* pText = static_cast<const char*>(::GlobalLock(hBlock))) {
        text = BoundedText(pText, ::GlobalSize(hBlock));
        ::GlobalUnlock(hBlock);
        bLocked = true;
    }
    // freed before the text is loaded, so that a table the chart refuses leaks no block
    ::GlobalFree(hBlock);
    if (bLocked)
        m_chart.SetDataFromText(text);
    return 1;
}

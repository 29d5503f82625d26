#include "chart/engine/DEDizedException.h"

#include "chart/engine/ChartResource.h"
#include "win/AfxResource.h"
#include "win/WinServices.h"

IMPLEMENT_DYNAMIC(DEDizedException, CException)

namespace {

// Message ids of the codes 0..23.
const UINT kMessageIds[] = {
    IDS_CHART_ERR_TEXT_IMPORT_DYNAMIC, // 0
    IDS_CHART_ERR_NOT_DYNAMIC,         // 1
    IDS_CHART_ERR_NO_GROUP,            // 2
    IDS_CHART_ERR_NO_ITEM,             // 3
    IDS_CHART_ERR_CODE_4,              // 4
    IDS_CHART_ERR_VALUE_TYPE,          // 5
    IDS_CHART_ERR_NO_SERIES_STORAGE,   // 6
    IDS_CHART_ERR_RANGE_SCAN,          // 7
    IDS_CHART_ERR_TEMPLATE_COMMON,     // 8
    IDS_CHART_ERR_TEMPLATE_FILL,       // 9
    IDS_CHART_ERR_TEMPLATE_TEXT,       // 10
    IDS_CHART_ERR_TEMPLATE_LEGEND,     // 11
    IDS_CHART_ERR_TEMPLATE_DISPLAY,    // 12
    IDS_CHART_ERR_TEMPLATE_KEYWORD,    // 13
    IDS_CHART_ERR_CODE_14,             // 14
    IDS_CHART_ERR_SERIES_TYPE,         // 15
    IDS_CHART_ERR_CODE_16,             // 16
    IDS_CHART_ERR_LABEL_PLACEMENT,     // 17
    IDS_CHART_ERR_PRECONDITION,        // 18
    IDS_CHART_ERR_POLYGON,             // 19
    IDS_CHART_ERR_CODE_20,             // 20
    IDS_CHART_ERR_DRAW,                // 21
    IDS_CHART_ERR_SCALE_LABELS,        // 22
    IDS_CHART_ERR_ODD_COUNT,           // 23
};

} // namespace

DEDizedException::DEDizedException(int nCode) : CException(true), m_nCode(nCode)
{
}

UINT DEDizedException::GetDefaultMessageId() const
{
    return IDS_CHART_ERR_UNKNOWN;
}

UINT DEDizedException::GetMessageId() const
{
    const int nCodes = int(sizeof kMessageIds / sizeof kMessageIds[0]);
    return m_nCode >= 0 && m_nCode < nCodes ? kMessageIds[m_nCode] : GetDefaultMessageId();
}

bool DEDizedException::GetErrorMessage(char* lpszError, uint32_t nMaxError, uint32_t* pnHelpContext) const
{
    CString text;
    const UINT nId = GetMessageId();
    if (m_nCode != 0 && AfxLoadString(nId, text)) {
        CopyMessage(text, lpszError, nMaxError, pnHelpContext);
        if (pnHelpContext != nullptr)
            *pnHelpContext = nId;
        return true;
    }
    return CException::GetErrorMessage(lpszError, nMaxError, pnHelpContext);
}

int DEDizedException::Report()
{
    char szMessage[256];
    GetErrorMessage(szMessage, sizeof szMessage);
    return AfxMessageBox(szMessage, MB_ICONEXCLAMATION);
}

void ThrowChartException(int nCode)
{
    DEDizedException* e = nullptr;
    AfxAllocating([&] { e = new DEDizedException(nCode); });
    throw e;
}

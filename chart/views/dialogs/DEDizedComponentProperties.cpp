#include "chart/views/dialogs/DEDizedComponentProperties.h"

#include "chart/engine/ChartTypeIds.h"
#include "chart/views/dialogs/ChartDialogResource.h"

IMPLEMENT_DYNAMIC(DEDizedComponentProperties, CPropertySheet)

DEDizedComponentProperties::DEDizedComponentProperties(CWnd* pParentWnd, int bFontPage, int nKind)
    : CPropertySheet(IDS_CHART_PROPERTIES_CAPTION, pParentWnd)
{
    m_psh.dwFlags |= PSH_NOAPPLYNOW;
    const bool bDataStyle = nKind == kindGroupStyle || nKind == kindItemStyle;
    if (!bDataStyle) {
        AddPage(&m_typeAndPos);
        AddPage(&m_fillStyle);
        AddPage(&m_borderStyle);
        AddPage(&m_shadowStyle);
    }
    switch (nKind) {
    case chartTypeDisplay:
        AddPage(&m_displayStyle);
        break;
    case chartTypeLegend:
        AddPage(&m_legendEdit);
        break;
    case chartTypeLabel:
        AddPage(&m_labelStyle);
        break;
    case chartTypeLabelBlock:
        AddPage(&m_labelBlockStyle);
        break;
    case kindGroupStyle:
    case kindItemStyle:
        AddPage(&m_objStyle);
        AddPage(&m_interiorEdit);
        break;
    default:
        break;
    }
    if (bFontPage)
        AddPage(&m_fontStyle);
}

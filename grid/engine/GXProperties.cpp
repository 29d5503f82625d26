// CGXProperties: a grid's display and print settings (see GXProperties.h).
#include "grid/engine/GXProperties.h"

#include "grid/engine/GXColor.h"
#include "grid/engine/GXModules.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/ops/GXPrintImp.h"

#include "win/AfxResource.h"

IMPLEMENT_SERIAL(CGXProperties, CObject, 0)

namespace {

GridLibraryState* State()
{
    return GridLibraryState::GetIfAlive();
}

CString LoadText(UINT nId)
{
    CString text;
    AfxLoadString(nId, text);
    return text;
}

}  // namespace

CGXProperties::CGXProperties()
    : m_pStyleDefault(nullptr), m_b3dHeader(TRUE), m_bDisplayVertLines(TRUE), m_bDisplayHorzLines(TRUE),
      m_bMarkRowHeader(TRUE), m_bMarkColHeader(TRUE), m_pAttached(nullptr), m_strSection("Grid"), m_nZoom(100),
      m_nTopMargin(0), m_nLeftMargin(0), m_nBottomMargin(0), m_nRightMargin(0), m_bCenterHorizontal(TRUE),
      m_bCenterVertical(FALSE), m_bPrintColHeaders(TRUE), m_bPrintHorzLines(TRUE), m_bPrintRowHeaders(TRUE),
      m_bPrintVertLines(TRUE), m_nPageOrder(0), m_bBlackWhite(TRUE), m_bPrintFrame(TRUE), m_nDistHeader(0),
      m_nDistFooter(0), m_nFirstPage(-1), m_awOptions{0, 0}
{
    static const UINT kMarkings[] = {GX_IDS_MARK_INVERTTHIN, GX_IDS_MARK_INVERTTHICK, GX_IDS_MARK_THINBORDER,
                                     GX_IDS_MARK_THICKBORDER, GX_IDS_MARK_NOBORDER};
    for (UINT nId : kMarkings)
        m_markingNames.Add(LoadText(nId));
    m_pStyleDefault = new CGXStyle;
    for (const char* pszToken : {"$F", "$A", "$P", "$N", "$D", "$R"})
        m_tokens.Add(CString(pszToken));

    try {
        AddColorProperty(GX_IDS_COLOR_GRIDLINES, GXSysColor(COLOR_GRAYTEXT));
        AddColorProperty(GX_IDS_COLOR_FIXEDLINES, GXSysColor(COLOR_ACTIVECAPTION));
        AddColorProperty(GX_IDS_COLOR_TRACKINGLINE, RGB(255, 0, 0));
        AddColorProperty(GX_IDS_COLOR_DRAGGINGLINE, RGB(255, 0, 0));
        AddColorProperty(GX_IDS_COLOR_BACKGROUND, GXSysColor(COLOR_BTNFACE));

        // margins and distances in display pixels from the display's horizontal dots per inch
        const int nDpi = GXGetLibraryState()->m_fontState.GetDpiX();
        m_nTopMargin = nDpi * 3 / 2;
        m_nLeftMargin = nDpi;
        m_nBottomMargin = nDpi * 3 / 2;
        m_nRightMargin = nDpi;
        m_nDistHeader = nDpi * 2 / 5;
        m_nDistFooter = nDpi * 2 / 5;

        m_dataHeader.SetRowCount(10);
        m_dataHeader.SetColCount(3);
        CGXStyle title;
        title.SetValue("$R").ChangeFont(CGXFont().SetWeight(FW_BOLD).SetSize(16), CGXStyle::gxOverride);
        m_dataHeader.StoreCellStyle(1, 2, &title, CGXStyle::gxOverride, CGXData::gxCellStyle);

        m_dataFooter.SetRowCount(10);
        m_dataFooter.SetColCount(3);
        CGXStyle text;
        text.SetValue("$D");
        m_dataFooter.StoreCellStyle(1, 1, &text, CGXStyle::gxOverride, CGXData::gxCellStyle);
        text.SetValue("$P/$N");
        m_dataFooter.StoreCellStyle(1, 3, &text, CGXStyle::gxOverride, CGXData::gxCellStyle);
    } catch (...) {
        delete m_pStyleDefault;
        throw;
    }
}

CGXProperties::CGXProperties(const CGXProperties& other) : CGXProperties()
{
    GridLibraryState* pState = State();
    if (pState != nullptr && pState->m_pParamCopyOperatorImp != nullptr)
        pState->m_pParamCopyOperatorImp->CopyProperties(*this, other);
}

CGXProperties::~CGXProperties()
{
    delete m_pStyleDefault;
}

void CGXProperties::Serialize(CArchive& ar)
{
    GridLibraryState* pState = State();
    if (pState != nullptr && pState->m_pDocSerializeImp != nullptr)
        pState->m_pDocSerializeImp->SerializeProperties(*this, ar);
}

void CGXProperties::AddDefaultUserProperties()
{
    CString strChoices;
    for (int32_t i = 0; i < m_markingNames.GetSize(); ++i) {
        if (i > 0)
            strChoices += '\n';
        strChoices += m_markingNames[i];
    }
    CGXStyle style;
    style.SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList(strChoices).SetValue(GetMarkingName(0));
    AddUserProperty(GX_IDS_UP_CURRENTCELL, style);
}

void CGXProperties::WriteProfile() const
{
    GridLibraryState* pState = State();
    if (pState != nullptr && pState->m_pProfileImp != nullptr)
        pState->m_pProfileImp->WriteProperties(*this);
}

BOOL CGXProperties::ReadProfile()
{
    GridLibraryState* pState = State();
    if (pState == nullptr || pState->m_pProfileImp == nullptr)
        return FALSE;
    return pState->m_pProfileImp->ReadProperties(*this);
}

CGXAbstractGridPrintImp* CGXProperties::PrintImp()
{
    if (m_pPrintImp == nullptr) {
        GridLibraryState* pState = State();
        if (pState != nullptr && pState->m_gridModuleCreators.pfnPrint != nullptr)
            m_pPrintImp.reset(pState->m_gridModuleCreators.pfnPrint());
    }
    return m_pPrintImp.get();
}

CString CGXProperties::GetHeaderFooterText(BOOL bHeader, int nPage, int nPages)
{
    CGXAbstractGridPrintImp* pImp = PrintImp();
    if (pImp == nullptr)
        return CString();
    while (m_tokenValues.GetSize() < m_tokens.GetSize())
        m_tokenValues.Add(CString());
    m_tokenValues[2].Format("%d", nPage);
    m_tokenValues[3].Format("%d", nPages);
    const CGXData& block = bHeader ? m_dataHeader : m_dataFooter;
    CString strText;
    for (ROWCOL nRow = 1; nRow <= block.GetRowCount(); ++nRow) {
        CString strLine;
        BOOL bAny = FALSE;
        for (ROWCOL nCol = 1; nCol <= 3; ++nCol) {
            CGXStyle style;
            if (nCol > 1)
                strLine += '\t';
            if (block.GetCellStyle(nRow, nCol, style, CGXStyle::gxCopy, CGXData::gxCellStyle) &&
                style.GetIncludeValue() && !style.GetValueRef().IsEmpty()) {
                strLine += pImp->SubstituteTokens(*this, style.GetValueRef());
                bAny = TRUE;
            }
        }
        if (bAny)
            strText += (strText.IsEmpty() ? "" : "\n") + strLine;
    }
    return strText;
}

int CGXProperties::GetHeaderFooterHeight(CDC* pDC, BOOL bHeader, CGXStylesMap* pStylesMap)
{
    CGXAbstractGridPrintImp* pImp = PrintImp();
    return pImp == nullptr ? 0
                           : pImp->CalcHeaderFooterHeight(*this, pDC, bHeader ? m_dataHeader : m_dataFooter, pStylesMap);
}

void CGXProperties::DrawHeaderFooter(CDC* pDC, CPrintInfo* pInfo, const CRect& rect, BOOL bHeader,
                                     CGXStylesMap* pStylesMap)
{
    if (CGXAbstractGridPrintImp* pImp = PrintImp())
        pImp->DrawHeaderFooter(*this, pDC, pInfo, rect, bHeader ? m_dataHeader : m_dataFooter, pStylesMap);
}

void CGXProperties::PrintHeaderFooter(CDC* pDC, CPrintInfo* pInfo, CDocument* pDoc, CGXGridParam* pParam)
{
    if (CGXAbstractGridPrintImp* pImp = PrintImp())
        pImp->PrintHeaderAndFooter(*this, pDC, pInfo, pDoc, pParam);
}

int32_t CGXProperties::AddColorProperty(UINT nId, COLORREF color)
{
    CString strName;
    if (!AfxLoadString(nId, strName))
        strName.Format("COLOR%u", nId);
    for (int32_t i = 0; i < m_colorNames.GetSize(); ++i)
        if (m_colorNames[i] == strName)
            return i;
    m_colorValues.SetSize(m_colorNames.GetSize());
    m_colorValues.Add(color);
    try {
        return m_colorNames.Add(strName);
    } catch (...) {
        m_colorValues.SetSize(m_colorNames.GetSize());
        throw;
    }
}

COLORREF CGXProperties::GetColor(int32_t nIndex) const
{
    return nIndex >= 0 && nIndex < m_colorValues.GetSize() ? m_colorValues[nIndex] : 0;
}

void CGXProperties::SetColor(int32_t nIndex, COLORREF color)
{
    if (nIndex < 0 || nIndex >= m_colorValues.GetSize())
        AfxThrowInvalidArgFormat("CGXProperties::SetColor: colour index %d outside 0..%d", nIndex,
                                 m_colorValues.GetSize() - 1);
    m_colorValues[nIndex] = color;
}

CString CGXProperties::GetColorName(int32_t nIndex) const
{
    return nIndex >= 0 && nIndex < m_colorNames.GetSize() ? m_colorNames[nIndex] : CString();
}

void CGXProperties::AddUserProperty(WORD nId, const CGXStyle& style)
{
    if (nId == 0)  // the stored form ends its list of user properties with id 0
        AfxThrowInvalidArgException("CGXProperties::AddUserProperty: user property id 0");
    std::unique_ptr<CGXStyle> pClone(style.Clone());
    auto it = m_userProperties.find(nId);
    if (it != m_userProperties.end()) {
        it->second->pStyle = std::move(pClone);
        return;
    }
    CString strName;
    if (!AfxLoadString(nId, strName))
        strName.Format("USERPROP%u", unsigned(nId));
    std::unique_ptr<UserPropertyEntry> pEntry(new UserPropertyEntry{nId, strName, std::move(pClone)});
    m_userProperties[nId] = std::move(pEntry);
}

const CGXStyle& CGXProperties::GetUserProperty(WORD nId) const
{
    auto it = m_userProperties.find(nId);
    return it != m_userProperties.end() ? *it->second->pStyle : *m_pStyleDefault;
}

CString CGXProperties::GetMarkingName(int32_t nIndex) const
{
    return nIndex >= 0 && nIndex < m_markingNames.GetSize() ? m_markingNames[nIndex] : CString();
}

void CGXProperties::GetMargins(int& nTop, int& nLeft, int& nBottom, int& nRight) const
{
    nTop = m_nTopMargin;
    nLeft = m_nLeftMargin;
    nBottom = m_nBottomMargin;
    nRight = m_nRightMargin;
}

void CGXProperties::SetMargins(int nTop, int nLeft, int nBottom, int nRight)
{
    m_nTopMargin = nTop;
    m_nLeftMargin = nLeft;
    m_nBottomMargin = nBottom;
    m_nRightMargin = nRight;
}

void CGXProperties::GetDistances(int& nHeader, int& nFooter) const
{
    nHeader = m_nDistHeader;
    nFooter = m_nDistFooter;
}

void CGXProperties::SetDistances(int nHeader, int nFooter)
{
    m_nDistHeader = nHeader;
    m_nDistFooter = nFooter;
}

void CGXProperties::SetSection(const char* pszSection)
{
    if (pszSection == nullptr || *pszSection == '\0')
        AfxThrowInvalidArgException("CGXProperties::SetSection: empty section name");
    m_strSection = pszSection;
}

// CGXStylesMap: the grid's base styles, control names and user attributes (see GXStylesMap.h).
#include "grid/engine/GXStylesMap.h"

#include "grid/engine/GXColor.h"
#include "grid/engine/GXModules.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"

#include "win/AfxResource.h"

IMPLEMENT_SERIAL(CGXStylesMap, CObject, 0)

namespace {

POSITION PositionOf(WORD nStyleId)
{
    return reinterpret_cast<POSITION>(uintptr_t(nStyleId) + 1);
}

WORD StyleIdOf(POSITION pos)
{
    return WORD(reinterpret_cast<uintptr_t>(pos) - 1);
}

GridLibraryState* State()
{
    return GridLibraryState::GetIfAlive();
}

}  // namespace

CGXStylesMap::CGXStylesMap(CRuntimeClass* pStyleClass)
    : m_wStyleStandard(0), m_wStyleColHeader(0), m_wStyleRowHeader(0),
      m_pStyleClass(pStyleClass != nullptr ? pStyleClass : RUNTIME_CLASS(CGXStyle)), m_nNextId(0),
      m_strSection("Styles")
{
    if (!m_pStyleClass->IsDerivedFrom(RUNTIME_CLASS(CGXStyle)) || !m_pStyleClass->IsCreatable())
        AfxThrowInvalidArgFormat("CGXStylesMap: style class %s is not a creatable CGXStyle",
                                 m_pStyleClass->m_lpszClassName);
}

CGXStylesMap::CGXStylesMap(const CGXStylesMap& other) : CGXStylesMap(other.m_pStyleClass)
{
    GridLibraryState* pState = State();
    if (pState != nullptr && pState->m_pParamCopyOperatorImp != nullptr)
        pState->m_pParamCopyOperatorImp->CopyStylesMap(*this, other);
}

CGXStylesMap::~CGXStylesMap()
{
    RemoveAll();
}

void CGXStylesMap::Serialize(CArchive& ar)
{
    GridLibraryState* pState = State();
    if (pState != nullptr && pState->m_pDocSerializeImp != nullptr)
        pState->m_pDocSerializeImp->SerializeStylesMap(*this, ar);
}

void CGXStylesMap::WriteProfile() const
{
    GridLibraryState* pState = State();
    if (pState != nullptr && pState->m_pProfileImp != nullptr)
        pState->m_pProfileImp->WriteStylesMap(*this);
}

BOOL CGXStylesMap::ReadProfile()
{
    GridLibraryState* pState = State();
    if (pState == nullptr || pState->m_pProfileImp == nullptr)
        return FALSE;
    return pState->m_pProfileImp->ReadStylesMap(*this);
}

CGXStyle* CGXStylesMap::CreateStyle() const
{
    CObject* pOb = m_pStyleClass->CreateObject();
    if (pOb == nullptr)
        AfxThrowMemoryException();
    return static_cast<CGXStyle*>(pOb);
}

void CGXStylesMap::CreateStandardStyles()
{
    std::unique_ptr<CGXStyle> pStyle(CreateStyle());
    const GridLibraryState* pState = State();
    const bool bNullBorders =
        pState != nullptr && pState->m_wNullHeaderBorders1 != 0 && pState->m_wNullHeaderBorders2 != 0;

    pStyle->SetDefault();
    CGXFont font;
    font.SetSize(8);
    pStyle->ChangeFont(font, CGXStyle::gxOverride);
    m_wStyleStandard = RegisterStyle(GX_IDS_STYLE_STANDARD, *pStyle, TRUE);

    pStyle->Free();
    if (bNullBorders)
        pStyle->SetBorders(CGXStyle::gxBorderAll, CGXCellPen(CGXCellPen::gxNull, 1, 0));
    pStyle->ChangeFont(CGXFont().SetWeight(FW_BOLD), CGXStyle::gxOverride);
    pStyle->SetInterior(CGXCellBrush(CGXCellBrush::gxSolid, GXSysColor(COLOR_BTNFACE)));
    pStyle->SetHorizontalAlignment(DT_CENTER);
    pStyle->SetVerticalAlignment(DT_VCENTER);
    pStyle->SetControl(GX_IDS_CTRL_HEADER);
    m_wStyleColHeader = RegisterStyle(GX_IDS_STYLE_COLHEADER, *pStyle, TRUE);

    pStyle->Free();
    if (bNullBorders)
        pStyle->SetBorders(CGXStyle::gxBorderAll, CGXCellPen(CGXCellPen::gxNull, 1, 0));
    pStyle->SetControl(GX_IDS_CTRL_HEADER);
    pStyle->SetInterior(CGXCellBrush(CGXCellBrush::gxSolid, GXSysColor(COLOR_BTNFACE)));
    m_wStyleRowHeader = RegisterStyle(GX_IDS_STYLE_ROWHEADER, *pStyle, TRUE);
}

WORD CGXStylesMap::Register(UINT nResourceId, const CString& strName, const CGXStyle& style, BOOL bSystemStyle)
{
    // the id registered before under the same key, else the next free one
    bool bKnown = false;
    WORD nStyleId = m_nNextId;
    if (nResourceId != 0) {
        auto it = m_resourceIds.find(nResourceId);
        if (it != m_resourceIds.end()) {
            nStyleId = it->second;
            bKnown = true;
        }
    } else {
        auto it = m_names.find(strName);
        if (it != m_names.end()) {
            nStyleId = it->second;
            bKnown = true;
        }
    }
    std::unique_ptr<CGXStyle> pClone(style.Clone());
    auto entry = m_baseStyles.find(nStyleId);
    if (entry != m_baseStyles.end()) {
        entry->second->pStyle = std::move(pClone);
    } else {
        std::unique_ptr<StyleEntry> pEntry(new StyleEntry{nStyleId, nResourceId, strName, std::move(pClone), bSystemStyle});
        m_baseStyles[nStyleId] = std::move(pEntry);
    }
    if (!bKnown) {
        if (nResourceId != 0)
            m_resourceIds[nResourceId] = nStyleId;
        ++m_nNextId;
    }
    m_names[strName] = nStyleId;
    return nStyleId;
}

WORD CGXStylesMap::RegisterStyle(UINT nResourceId, const CGXStyle& style, BOOL bSystemStyle)
{
    if (nResourceId == 0)
        AfxThrowInvalidArgException("CGXStylesMap::RegisterStyle: resource id 0");
    CString strName;
    if (!AfxLoadString(nResourceId, strName))
        strName.Format("UA%u", nResourceId);
    return Register(nResourceId, strName, style, bSystemStyle);
}

WORD CGXStylesMap::RegisterStyle(const char* pszName, const CGXStyle& style, BOOL bSystemStyle)
{
    if (pszName == nullptr || *pszName == '\0')
        AfxThrowInvalidArgException("CGXStylesMap::RegisterStyle: empty style name");
    return Register(0, CString(pszName), style, bSystemStyle);
}

BOOL CGXStylesMap::LookupStyle(WORD nStyleId, const CGXStyle*& rpStyle) const
{
    auto it = m_baseStyles.find(nStyleId);
    rpStyle = it != m_baseStyles.end() ? it->second->pStyle.get() : nullptr;
    return rpStyle != nullptr;
}

const char* CGXStylesMap::LookupBaseStyle(WORD nStyleId, UINT& rnResourceId) const
{
    auto it = m_baseStyles.find(nStyleId);
    if (it == m_baseStyles.end()) {
        rnResourceId = 0;
        return nullptr;
    }
    rnResourceId = it->second->nResourceId;
    return it->second->strName;
}

WORD CGXStylesMap::GetBaseStyleId(UINT nResourceId) const
{
    auto it = m_resourceIds.find(nResourceId);
    return it != m_resourceIds.end() ? it->second : 0;
}

WORD CGXStylesMap::GetBaseStyleIdByName(const char* pszName) const
{
    if (pszName == nullptr)
        return 0;
    auto it = m_names.find(CString(pszName));
    return it != m_names.end() ? it->second : 0;
}

POSITION CGXStylesMap::GetStartPosition() const
{
    return m_baseStyles.empty() ? nullptr : PositionOf(m_baseStyles.begin()->first);
}

void CGXStylesMap::GetNextStyle(POSITION& rPos, CString& strName, WORD& nStyleId, UINT& nResourceId,
                                BOOL& bSystem) const
{
    if (rPos == nullptr)
        AfxThrowInvalidArgException("CGXStylesMap::GetNextStyle: null position");
    auto it = m_baseStyles.find(StyleIdOf(rPos));
    if (it == m_baseStyles.end())
        AfxThrowInvalidArgFormat("CGXStylesMap::GetNextStyle: no style %u at the position", unsigned(StyleIdOf(rPos)));
    strName = it->second->strName;
    nStyleId = it->second->nStyleId;
    nResourceId = it->second->nResourceId;
    bSystem = it->second->bSystem;
    ++it;
    rPos = it != m_baseStyles.end() ? PositionOf(it->first) : nullptr;
}

void CGXStylesMap::AddUserAttribute(WORD nId, const CGXStyle* pStyle)
{
    if (m_userAttributes.count(nId) != 0)
        return;
    CString strName;
    if (!AfxLoadString(nId, strName))
        AfxThrowResourceException();
    std::unique_ptr<CGXStyle> pDefault(CreateStyle());
    if (pStyle != nullptr)
        *pDefault = *pStyle;
    m_userAttributes[nId].reset(new UserAttributeEntry{nId, strName, std::move(pDefault)});
}

void CGXStylesMap::AddControl(WORD nId)
{
    if (m_controlNames.count(nId) != 0)
        return;
    CString strName;
    if (!AfxLoadString(nId, strName))
        AfxThrowResourceException();
    m_controlNames[nId] = strName;
}

const char* CGXStylesMap::GetControlName(WORD nId) const
{
    auto it = m_controlNames.find(nId);
    return it != m_controlNames.end() ? it->second.GetString() : nullptr;
}

void CGXStylesMap::RemoveAll()
{
    m_baseStyles.clear();
    m_names.clear();
    m_resourceIds.clear();
    POSITION pos = m_mwObjects.GetStartPosition();
    while (pos != nullptr) {
        uint16_t nKey;
        CObject* pOb;
        m_mwObjects.GetNextAssoc(pos, nKey, pOb);
        delete pOb;
    }
    m_mwObjects.RemoveAll();
    m_nNextId = 0;
}

void CGXStylesMap::LookupStandardIds()
{
    m_wStyleStandard = GetBaseStyleId(GX_IDS_STYLE_STANDARD);
    m_wStyleColHeader = GetBaseStyleId(GX_IDS_STYLE_COLHEADER);
    m_wStyleRowHeader = GetBaseStyleId(GX_IDS_STYLE_ROWHEADER);
}

void CGXStylesMap::SetSection(const char* pszSection)
{
    if (pszSection == nullptr || *pszSection == '\0')
        AfxThrowInvalidArgException("CGXStylesMap::SetSection: empty section name");
    m_strSection = pszSection;
}

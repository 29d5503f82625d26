// CGXStyle: the cell style (see GXStyle.h).
#include "grid/engine/GXStyle.h"

#include "grid/engine/GXColor.h"
#include "grid/engine/GXModules.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStylesMap.h"

#include <bitset>
#include <memory>

IMPLEMENT_SERIAL(CGXStyle, CObject, 0)

namespace {

// The attributes held in the packed words or plain members, merged one by one by ChangeStyle;
// Borders, Font and user attributes merge member by member.
const DWORD kMemberwise = CGXStyle::incBorders | CGXStyle::incFont | CGXStyle::incUserAttributes;

void CheckRange(const char* lpszFunc, UINT nValue, UINT nMax)
{
    if (nValue > nMax)
        AfxThrowInvalidArgFormat("CGXStyle::%s: %u outside 0..%u", lpszFunc, nValue, nMax);
}

void CheckSide(const char* lpszFunc, int nSide)
{
    if (nSide < -1 || nSide > 3)
        AfxThrowInvalidArgFormat("CGXStyle::%s: border side %d outside -1..3", lpszFunc, nSide);
}

void CheckMode(const char* lpszFunc, int nMode)
{
    if (nMode < 0 || nMode > 3)
        AfxThrowInvalidArgFormat("CGXStyle::%s: mode %d outside 0..3", lpszFunc, nMode);
}

const CGXCellPen& ExcludedPen()
{
    static const CGXCellPen pen(CGXCellPen::gxExcluded, 1, 0);
    return pen;
}

}  // namespace

// ---- construction, copy, free -------------------------------------------------------------------

CGXStyle::CGXStyle()
{
    InitEmpty();
}

void CGXStyle::InitEmpty()
{
    m_nInclude = 0;
    m_nMaxLength = 0;
    m_interior.m_dwWord0 = 0;
    m_interior.m_dwWord1 = 0;
    m_nControlId = 0;
    m_nAttr = 0;
    m_nColor = 0;
    m_nFormat = 0;
    m_pBorders = nullptr;
    m_pFont = nullptr;
    m_strValue.Empty();
    m_strChoiceList.Empty();
    m_pUserAttributes = nullptr;
    m_pItemData = nullptr;
}

CGXStyle::CGXStyle(const CGXStyle& src) : CObject(src)
{
    InitEmpty();
    try {
        CopyFrom(src);
    } catch (...) {
        delete[] m_pBorders;
        delete m_pFont;
        delete m_pUserAttributes;
        throw;
    }
}

CGXStyle::~CGXStyle()
{
    delete[] m_pBorders;
    delete m_pFont;
    delete m_pUserAttributes;
}

void CGXStyle::CopyFrom(const CGXStyle& src)
{
    m_nInclude = src.m_nInclude;
    m_interior = src.m_interior;
    m_nMaxLength = src.m_nMaxLength;
    m_nControlId = src.m_nControlId;
    m_pItemData = src.m_pItemData;
    m_nAttr = src.m_nAttr;
    m_nColor = src.m_nColor;
    m_nFormat = src.m_nFormat;

    if (src.Has(incValue))
        m_strValue = src.m_strValue;
    else
        m_strValue.Empty();
    if (src.Has(incChoiceList))
        m_strChoiceList = src.m_strChoiceList;
    else
        m_strChoiceList.Empty();

    if (src.Has(incBorders) && src.m_pBorders != nullptr) {
        CGXCellPen* p = EnsureBorders();
        for (int i = 0; i < 4; ++i)
            p[i] = src.m_pBorders[i];
    } else {
        delete[] m_pBorders;
        m_pBorders = nullptr;
    }

    if (src.Has(incFont) && src.m_pFont != nullptr) {
        if (m_pFont != nullptr)
            m_pFont->ChangeFont(*src.m_pFont, gxCopy);
        else
            m_pFont = new CGXFont(*src.m_pFont);
    } else {
        delete m_pFont;
        m_pFont = nullptr;
    }

    if (src.Has(incUserAttributes) && src.m_pUserAttributes != nullptr) {
        if (m_pUserAttributes == nullptr)
            m_pUserAttributes = new CGXUserAttributeMap;
        m_pUserAttributes->ChangeMap(*src.m_pUserAttributes, gxCopy);
    } else {
        delete m_pUserAttributes;
        m_pUserAttributes = nullptr;
    }
}

CGXStyle& CGXStyle::operator=(const CGXStyle& src)
{
    if (&src == this)
        return *this;
    if (src.IsEmpty()) {
        Free();
        return *this;
    }
    CopyFrom(src);
    return *this;
}

CGXStyle* CGXStyle::Clone() const
{
    return new CGXStyle(*this);
}

void CGXStyle::Free()
{
    if (IsEmpty())
        return;
    delete[] m_pBorders;
    m_pBorders = nullptr;
    delete m_pFont;
    m_pFont = nullptr;
    delete m_pUserAttributes;
    m_pUserAttributes = nullptr;
    m_strValue.Empty();
    m_strChoiceList.Empty();
    m_pItemData = nullptr;
    m_nInclude &= ~DWORD(incAll);
}

CGXStyle& CGXStyle::SetDefault()
{
    Free();
    SetHorizontalAlignment(DT_LEFT);
    SetVerticalAlignment(DT_TOP);
    SetReadOnly(FALSE);
    SetControl(GX_IDS_CTRL_EDIT);
    SetInterior(CGXCellBrush(CGXCellBrush::gxSolid, GXSysColor(COLOR_WINDOW), 0));
    SetDraw3dFrame(0);
    SetVerticalScrollbar(FALSE);
    SetMaxLength(0);
    SetTextColor(GXSysColor(COLOR_WINDOWTEXT));
    SetWrapText(TRUE);
    SetAllowEnter(FALSE);
    SetEnabled(TRUE);
    SetTriState(FALSE);
    SetAutoSize(FALSE);
    CGXFont font;
    font.SetDefault();
    ChangeFont(font, gxCopy);
    SetValue("");
    SetChoiceList("");
    SetItemDataPtr(nullptr);
    SetFloatCell(TRUE);
    SetFloodCell(TRUE);
    SetMergeCell(0);
    SetFormat(0);
    SetPlaces(13);
    return *this;
}

// ---- forwarding to the modules and the styles map ------------------------------------------------

void CGXStyle::Serialize(CArchive& ar)
{
    Serialize(ar, nullptr);
}

void CGXStyle::Serialize(CArchive& ar, const CGXStylesMap* pStylesMap)
{
    GridLibraryState* pState = GridLibraryState::GetIfAlive();
    if (pState != nullptr && pState->m_pStyleSerializeImp != nullptr)
        pState->m_pStyleSerializeImp->SerializeStyle(*this, ar, pStylesMap);
}

BOOL CGXStyle::IsSubSet(const CGXStyle& other) const
{
    GridLibraryState* pState = GridLibraryState::GetIfAlive();
    if (pState == nullptr || pState->m_pStyleCompareSubsetImp == nullptr)
        return FALSE;
    return pState->m_pStyleCompareSubsetImp->IsSubSet(*this, other);
}

void CGXStyle::WriteProfile(const char* pszSection, const CGXStylesMap* pStylesMap) const
{
    GridLibraryState* pState = GridLibraryState::GetIfAlive();
    if (pState != nullptr && pState->m_pProfileImp != nullptr)
        pState->m_pProfileImp->WriteStyle(*this, pszSection, pStylesMap);
}

BOOL CGXStyle::ReadProfile(const char* pszSection, const CGXStylesMap* pStylesMap)
{
    GridLibraryState* pState = GridLibraryState::GetIfAlive();
    if (pState == nullptr || pState->m_pProfileImp == nullptr)
        return FALSE;
    return pState->m_pProfileImp->ReadStyle(*this, pszSection, pStylesMap);
}

void CGXStyle::LoadBaseStyle(const CGXStylesMap& stylesMap)
{
    MergeBaseStyles([&stylesMap](WORD nId) -> const CGXStyle* {
        const CGXStyle* pStyle = nullptr;
        return stylesMap.LookupStyle(nId, pStyle) ? pStyle : nullptr;
    });
}

// ---- merging ------------------------------------------------------------------------------------

void CGXStyle::MergeBaseStyles(const std::function<const CGXStyle*(WORD nId)>& lookup)
{
    std::bitset<256> seen;  // base style ids are 8 bits wide
    const CGXStyle* pCurrent = this;
    while (pCurrent->GetIncludeBaseStyle()) {
        const WORD nId = pCurrent->GetBaseStyle();
        if (seen.test(nId))
            break;  // the chain loops
        seen.set(nId);
        const CGXStyle* pBase = lookup(nId);
        if (pBase == nullptr)
            break;
        ChangeStyle(*pBase, gxApplyNew);
        pCurrent = pBase;
    }
}

void CGXStyle::TakeAttribute(DWORD nBit, const CGXStyle& other)
{
    auto takeBits = [&](DWORD& mine, DWORD theirs, DWORD mask) { mine = (mine & ~mask) | (theirs & mask); };
    switch (nBit) {
    case incHorizontalAlignment: takeBits(m_nAttr, other.m_nAttr, attrHorzAlign); break;
    case incVerticalAlignment: takeBits(m_nAttr, other.m_nAttr, attrVertAlign); break;
    case incReadOnly: takeBits(m_nAttr, other.m_nAttr, attrReadOnly); break;
    case incControl: m_nControlId = other.m_nControlId; break;
    case incInterior: m_interior = other.m_interior; break;
    case incTextColor:
        takeBits(m_nColor, other.m_nColor, 0x00FFFFFF);
        takeBits(m_nAttr, other.m_nAttr, attrTextColorKind);
        break;
    case incWrapText: takeBits(m_nAttr, other.m_nAttr, attrWrapText); break;
    case incAllowEnter: takeBits(m_nAttr, other.m_nAttr, attrAllowEnter); break;
    case incValue:
        m_strValue = other.m_strValue;
        takeBits(m_nAttr, other.m_nAttr, attrValueType);
        break;
    case incChoiceList: m_strChoiceList = other.m_strChoiceList; break;
    case incVerticalScrollbar: takeBits(m_nAttr, other.m_nAttr, attrVerticalScrollbar); break;
    case incMaxLength: m_nMaxLength = other.m_nMaxLength; break;
    case incBaseStyle: takeBits(m_nColor, other.m_nColor, 0xFF000000); break;
    case incEnabled: takeBits(m_nAttr, other.m_nAttr, attrEnabled); break;
    case incTriState: takeBits(m_nAttr, other.m_nAttr, attrTriState); break;
    case incDraw3dFrame: takeBits(m_nAttr, other.m_nAttr, attrDraw3dFrame); break;
    case incAutoSize: takeBits(m_nAttr, other.m_nAttr, attrAutoSize); break;
    case incItemData: m_pItemData = other.m_pItemData; break;
    case incFloatCell: takeBits(m_nAttr, other.m_nAttr, attrFloatCell); break;
    case incFloodCell: takeBits(m_nAttr, other.m_nAttr, attrFloodCell); break;
    case incMergeCell: takeBits(m_nAttr, other.m_nAttr, attrMergeCell); break;
    case incFormat: takeBits(m_nFormat, other.m_nFormat, 0x1F); break;
    case incPlaces: takeBits(m_nFormat, other.m_nFormat, 0x1E0); break;
    default: return;
    }
    m_nInclude |= nBit;
}

void CGXStyle::MergeBorders(const CGXStyle& other, int nMode)
{
    const bool bHadBorders = Has(incBorders) && m_pBorders != nullptr;
    if (!bHadBorders)
        m_nInclude &= ~DWORD(incBorders);
    for (int side = 0; side < 4; ++side) {
        const CGXCellPen& pen = other.GetBorders(side);
        if (!pen.GetInclude())
            continue;
        if (nMode == gxOverride || !bHadBorders || !m_pBorders[side].GetInclude()) {
            if (!Has(incBorders)) {
                EnsureBorders();
                m_nInclude |= incBorders;
            }
            m_pBorders[side] = pen;
        }
    }
}

void CGXStyle::MergeUserAttributes(const CGXStyle& other, int nMode)
{
    const CGXUserAttributeMap* pOther = other.GetUserAttributeMap();
    if (pOther == nullptr || pOther->IsEmpty())
        return;
    EnsureUserAttributes()->ChangeMap(*pOther, nMode);
    m_nInclude |= incUserAttributes;
}

void CGXStyle::Exclude(const CGXStyle& other)
{
    const DWORD nOther = other.GetIncludeMask();
    m_nInclude &= ~(nOther & ~kMemberwise);
    if (nOther & incValue)
        m_strValue.Empty();
    if ((nOther & incBorders) && Has(incBorders) && m_pBorders != nullptr) {
        for (int side = 0; side < 4; ++side)
            if (other.GetBorders(side).GetInclude())
                m_pBorders[side].SetInclude(FALSE);
        UpdateBordersBit();
    }
    if ((nOther & incFont) && Has(incFont) && m_pFont != nullptr)
        m_pFont->ChangeFont(other.GetFontRef(), gxExclude);
    const CGXUserAttributeMap* pOtherMap = other.GetUserAttributeMap();
    if (pOtherMap != nullptr && m_pUserAttributes != nullptr)
        m_pUserAttributes->ChangeMap(*pOtherMap, gxExclude);
}

CGXStyle& CGXStyle::ChangeStyle(const CGXStyle& other, int nMode)
{
    CheckMode("ChangeStyle", nMode);
    if (&other == this) {
        if (nMode == gxExclude) {
            const CGXStyle copy(other);
            Exclude(copy);
        }
        return *this;
    }
    if (nMode == gxCopy) {
        *this = other;
        return *this;
    }
    if (nMode == gxExclude) {
        Exclude(other);
        return *this;
    }
    if (IsEmpty()) {
        *this = other;
        return *this;
    }
    const DWORD nOther = other.GetIncludeMask();
    if (nOther == 0)
        return *this;

    for (DWORD nBit = 1; nBit & incAll; nBit <<= 1)
        if ((nOther & nBit) && !(nBit & kMemberwise) && (nMode == gxOverride || !Has(nBit)))
            TakeAttribute(nBit, other);

    if (nOther & incBorders)
        MergeBorders(other, nMode);
    if (nOther & incFont) {
        if (Has(incFont) && m_pFont != nullptr) {
            m_pFont->ChangeFont(other.GetFontRef(), nMode);
        } else {
            std::unique_ptr<CGXFont> pFont(new CGXFont(other.GetFontRef()));
            delete m_pFont;
            m_pFont = pFont.release();
        }
        m_nInclude |= incFont;
    }
    if (nOther & incUserAttributes)
        MergeUserAttributes(other, nMode);
    return *this;
}

// ---- attributes ---------------------------------------------------------------------------------

CGXStyle& CGXStyle::SetFlag(DWORD nIncl, DWORD nAttr, BOOL b)
{
    m_nAttr = b ? (m_nAttr | nAttr) : (m_nAttr & ~nAttr);
    m_nInclude |= nIncl;
    return *this;
}

CGXStyle& CGXStyle::SetHorizontalAlignment(UINT nAlign)
{
    const DWORD nCode = nAlign == DT_CENTER ? 1 : (nAlign == DT_RIGHT ? 2 : 0);
    m_nAttr = (m_nAttr & ~DWORD(attrHorzAlign)) | (nCode << 14);
    m_nInclude |= incHorizontalAlignment;
    return *this;
}

UINT CGXStyle::GetHorizontalAlignment() const
{
    static const UINT kValues[4] = {DT_LEFT, DT_CENTER, DT_RIGHT, DT_LEFT};
    return kValues[(m_nAttr & attrHorzAlign) >> 14];
}

CGXStyle& CGXStyle::SetVerticalAlignment(UINT nAlign)
{
    const DWORD nCode = nAlign == DT_VCENTER ? 1 : (nAlign == DT_BOTTOM ? 2 : 0);
    m_nAttr = (m_nAttr & ~DWORD(attrVertAlign)) | (nCode << 16);
    m_nInclude |= incVerticalAlignment;
    return *this;
}

UINT CGXStyle::GetVerticalAlignment() const
{
    static const UINT kValues[4] = {DT_TOP, DT_VCENTER, DT_BOTTOM, DT_TOP};
    return kValues[(m_nAttr & attrVertAlign) >> 16];
}

CGXStyle& CGXStyle::SetControl(WORD nId)
{
    m_nControlId = nId;
    m_nInclude |= incControl;
    return *this;
}

CGXStyle& CGXStyle::SetInterior(const CGXCellBrush& brush)
{
    m_interior = brush;
    m_nInclude |= incInterior;
    return *this;
}

CGXStyle& CGXStyle::SetBackgroundColor(COLORREF color)
{
    return SetInterior(CGXCellBrush(CGXCellBrush::gxSolid, color, 0));
}

CGXStyle& CGXStyle::SetTextColor(COLORREF color)
{
    DWORD nValue;
    UINT nKind;
    GXSplitColor(color, nValue, nKind);
    m_nColor = (m_nColor & 0xFF000000) | nValue;
    m_nAttr = (m_nAttr & ~DWORD(attrTextColorKind)) | (DWORD(nKind) << 18);
    m_nInclude |= incTextColor;
    return *this;
}

COLORREF CGXStyle::GetTextColor() const
{
    return GXJoinColor(m_nColor & 0xFFFFFF, (m_nAttr & attrTextColorKind) >> 18);
}

CGXCellPen* CGXStyle::EnsureBorders()
{
    // a new array, or one that is not included, starts with no side set
    const bool bFresh = m_pBorders == nullptr;
    if (bFresh)
        m_pBorders = new CGXCellPen[4];
    if (bFresh || !Has(incBorders))
        for (int i = 0; i < 4; ++i)
            m_pBorders[i] = ExcludedPen();
    return m_pBorders;
}

void CGXStyle::UpdateBordersBit()
{
    bool bAny = false;
    if (m_pBorders != nullptr)
        for (int i = 0; i < 4; ++i)
            bAny = bAny || m_pBorders[i].GetInclude();
    if (bAny)
        m_nInclude |= incBorders;
    else
        m_nInclude &= ~DWORD(incBorders);
}

CGXStyle& CGXStyle::SetBorders(int nSide, const CGXCellPen& pen)
{
    CheckSide("SetBorders", nSide);
    const CGXCellPen copy(pen);  // pen may be one of this style's sides
    CGXCellPen* p = EnsureBorders();
    for (int i = 0; i < 4; ++i)
        if (nSide == -1 || nSide == i)
            p[i] = copy;
    m_nInclude |= incBorders;
    return *this;
}

CGXStyle& CGXStyle::SetIncludeBorders(int nSide, BOOL bInclude)
{
    CheckSide("SetIncludeBorders", nSide);
    if (!bInclude && !Has(incBorders))
        return *this;
    CGXCellPen* p = EnsureBorders();
    for (int i = 0; i < 4; ++i)
        if (nSide == -1 || nSide == i)
            p[i].SetInclude(bInclude);
    UpdateBordersBit();
    return *this;
}

const CGXCellPen& CGXStyle::GetBorders(int nSide) const
{
    CheckSide("GetBorders", nSide);
    if (nSide < 0 || !Has(incBorders) || m_pBorders == nullptr)
        return ExcludedPen();
    return m_pBorders[nSide];
}

BOOL CGXStyle::GetIncludeBorders(int nSide) const
{
    return GetBorders(nSide).GetInclude();
}

CGXStyle& CGXStyle::ChangeFont(const CGXFont& font, int nMode)
{
    if (nMode < 0 || nMode > 3)
        AfxThrowInvalidArgFormat("CGXStyle::ChangeFont: mode %d outside 0..3", nMode);
    if (Has(incFont) && m_pFont != nullptr) {
        m_pFont->ChangeFont(font, nMode);
    } else if (nMode != gxExclude) {
        std::unique_ptr<CGXFont> pFont(new CGXFont(font));
        delete m_pFont;
        m_pFont = pFont.release();
    } else {
        return *this;
    }
    m_nInclude |= incFont;
    return *this;
}

const CGXFont& CGXStyle::GetFontRef() const
{
    static const CGXFont unset;
    return Has(incFont) && m_pFont != nullptr ? *m_pFont : unset;
}

CGXStyle& CGXStyle::SetValue(const char* pszValue)
{
    m_strValue = pszValue;
    m_nAttr &= ~DWORD(attrValueType);
    m_nInclude |= incValue;
    return *this;
}

CGXStyle& CGXStyle::SetValueNumber(DWORD nValue)
{
    CString text;
    text.Format("%lu", nValue);
    SetValue(text.GetString());
    m_nAttr = (m_nAttr & ~DWORD(attrValueType)) | (DWORD(gxValueNumber) << 20);
    return *this;
}

CGXStyle& CGXStyle::SetIncludeValue(BOOL bInclude)
{
    if (bInclude) {
        m_nInclude |= incValue;
    } else {
        m_nInclude &= ~DWORD(incValue);
        m_strValue.Empty();
    }
    return *this;
}

CGXStyle& CGXStyle::SetValueType(UINT nType)
{
    CheckRange("SetValueType", nType, 7);
    m_nAttr = (m_nAttr & ~DWORD(attrValueType)) | (DWORD(nType) << 20);
    return *this;
}

CGXStyle& CGXStyle::SetChoiceList(const char* pszChoices)
{
    m_strChoiceList = pszChoices;
    m_nInclude |= incChoiceList;
    return *this;
}

CGXStyle& CGXStyle::SetMaxLength(WORD nLength)
{
    m_nMaxLength = nLength;
    m_nInclude |= incMaxLength;
    return *this;
}

CGXStyle& CGXStyle::SetBaseStyle(WORD nId)
{
    m_nColor = (m_nColor & 0x00FFFFFF) | (DWORD(nId & 0xFF) << 24);
    m_nInclude |= incBaseStyle;
    return *this;
}

CGXStyle& CGXStyle::SetDraw3dFrame(UINT nFrame)
{
    CheckRange("SetDraw3dFrame", nFrame, 3);
    m_nAttr = (m_nAttr & ~DWORD(attrDraw3dFrame)) | nFrame;
    m_nInclude |= incDraw3dFrame;
    return *this;
}

CGXStyle& CGXStyle::SetItemDataPtr(void* pData)
{
    m_pItemData = pData;
    m_nInclude |= incItemData;
    return *this;
}

CGXStyle& CGXStyle::SetMergeCell(UINT nMerge)
{
    CheckRange("SetMergeCell", nMerge, 7);
    m_nAttr = (m_nAttr & ~DWORD(attrMergeCell)) | (DWORD(nMerge) << 11);
    m_nInclude |= incMergeCell;
    return *this;
}

CGXStyle& CGXStyle::SetFormat(UINT nFormat)
{
    CheckRange("SetFormat", nFormat, 31);
    m_nFormat = (m_nFormat & ~DWORD(0x1F)) | nFormat;
    m_nInclude |= incFormat;
    return *this;
}

CGXStyle& CGXStyle::SetPlaces(UINT nPlaces)
{
    CheckRange("SetPlaces", nPlaces, 15);
    m_nFormat = (m_nFormat & ~DWORD(0x1E0)) | (DWORD(nPlaces) << 5);
    m_nInclude |= incPlaces;
    return *this;
}

// ---- user attributes ----------------------------------------------------------------------------

CGXUserAttributeMap* CGXStyle::EnsureUserAttributes()
{
    if (m_pUserAttributes == nullptr)
        m_pUserAttributes = new CGXUserAttributeMap;
    else if (!Has(incUserAttributes))
        m_pUserAttributes->DeleteAll();  // left over from before the bit was cleared
    return m_pUserAttributes;
}

const CGXUserAttributeMap* CGXStyle::GetUserAttributeMap() const
{
    return Has(incUserAttributes) ? m_pUserAttributes : nullptr;
}

BOOL CGXStyle::HasUserAttribute(WORD nId) const
{
    const CGXUserAttributeMap* pMap = GetUserAttributeMap();
    return pMap != nullptr && pMap->FindIndex(nId) >= 0;
}

const CGXAbstractUserAttribute& CGXStyle::GetUserAttribute(WORD nId) const
{
    static const CGXAbstractUserAttribute empty;
    const CGXUserAttributeMap* pMap = GetUserAttributeMap();
    const CGXAbstractUserAttribute* p = pMap != nullptr ? pMap->GetAttribute(nId) : nullptr;
    return p != nullptr ? *p : empty;
}

CGXStyle& CGXStyle::SetUserAttribute(WORD nId, const CGXAbstractUserAttribute& attribute)
{
    EnsureUserAttributes()->SetAttribute(nId, attribute);
    m_nInclude |= incUserAttributes;
    return *this;
}

CGXStyle& CGXStyle::SetUserAttributeMap(CGXUserAttributeMap* pMap)
{
    if (pMap == nullptr)
        AfxThrowInvalidArgException("CGXStyle::SetUserAttributeMap: null map");
    if (pMap != m_pUserAttributes) {
        delete m_pUserAttributes;
        m_pUserAttributes = pMap;
    }
    m_nInclude |= incUserAttributes;
    return *this;
}

CGXStyle& CGXStyle::SetUserAttribute(WORD nId, const char* pszValue)
{
    EnsureUserAttributes()->SetAttribute(nId, new CGXUserAttribute(pszValue));
    m_nInclude |= incUserAttributes;
    return *this;
}

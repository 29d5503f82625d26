// The style-compare module (see GXStyleCompareImp.h).
#include "grid/engine/GXStyleCompareImp.h"

#include "grid/engine/GXColor.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"

#include <cstring>

BOOL CGXStyleCompareSubsetImp::IsSubSet(const CGXStyle& style, const CGXStyle& other)
{
    const DWORD nOther = other.GetIncludeMask();
    const DWORD nMine = style.GetIncludeMask();
    // each attribute other includes: included here too, with the same value
    auto same = [&](DWORD nBit, bool bEqual) { return !(nOther & nBit) || ((nMine & nBit) && bEqual); };

    if (!same(CGXStyle::incHorizontalAlignment, style.GetHorizontalAlignment() == other.GetHorizontalAlignment()) ||
        !same(CGXStyle::incVerticalAlignment, style.GetVerticalAlignment() == other.GetVerticalAlignment()) ||
        !same(CGXStyle::incReadOnly, style.GetReadOnly() == other.GetReadOnly()) ||
        !same(CGXStyle::incFloatCell, style.GetFloatCell() == other.GetFloatCell()) ||
        !same(CGXStyle::incFloodCell, style.GetFloodCell() == other.GetFloodCell()) ||
        !same(CGXStyle::incMergeCell, style.GetMergeCell() == other.GetMergeCell()) ||
        !same(CGXStyle::incDraw3dFrame, style.GetDraw3dFrame() == other.GetDraw3dFrame()) ||
        !same(CGXStyle::incMaxLength, style.GetMaxLength() == other.GetMaxLength()) ||
        !same(CGXStyle::incVerticalScrollbar, style.GetVerticalScrollbar() == other.GetVerticalScrollbar()) ||
        !same(CGXStyle::incTextColor,
              GXResolveColor(style.GetTextColor()) == GXResolveColor(other.GetTextColor())) ||
        !same(CGXStyle::incWrapText, style.GetWrapText() == other.GetWrapText()) ||
        !same(CGXStyle::incAutoSize, style.GetAutoSize() == other.GetAutoSize()) ||
        !same(CGXStyle::incAllowEnter, style.GetAllowEnter() == other.GetAllowEnter()) ||
        !same(CGXStyle::incEnabled, style.GetEnabled() == other.GetEnabled()) ||
        !same(CGXStyle::incTriState, style.GetTriState() == other.GetTriState()) ||
        !same(CGXStyle::incControl, style.GetControl() == other.GetControl()) ||
        !same(CGXStyle::incInterior, style.GetInterior() == other.GetInterior()))
        return FALSE;

    if (nOther & CGXStyle::incBorders) {
        if (!(nMine & CGXStyle::incBorders))
            return FALSE;
        for (int side = 0; side < 4; ++side)
            if (other.GetBorders(side).GetInclude() && style.GetBorders(side) != other.GetBorders(side))
                return FALSE;
    }
    if ((nOther & CGXStyle::incFont) &&
        (!(nMine & CGXStyle::incFont) || !style.GetFontRef().IsSubSet(other.GetFontRef())))
        return FALSE;

    if (!same(CGXStyle::incValue, std::strcmp(style.GetValueRef(), other.GetValueRef()) == 0) ||
        !same(CGXStyle::incFormat, style.GetFormat() == other.GetFormat()) ||
        !same(CGXStyle::incPlaces, style.GetPlaces() == other.GetPlaces()) ||
        !same(CGXStyle::incBaseStyle, style.GetBaseStyle() == other.GetBaseStyle()) ||
        !same(CGXStyle::incChoiceList, std::strcmp(style.GetChoiceListRef(), other.GetChoiceListRef()) == 0) ||
        !same(CGXStyle::incItemData, style.GetItemDataPtr() == other.GetItemDataPtr()))
        return FALSE;

    const CGXUserAttributeMap* pOtherMap = other.GetUserAttributeMap();
    if (pOtherMap != nullptr && !pOtherMap->IsEmpty()) {
        const CGXUserAttributeMap* pMap = style.GetUserAttributeMap();
        if (pMap == nullptr || pMap->GetSize() < pOtherMap->GetSize())
            return FALSE;
        // each of other's attributes must be here under its id with the same value (a comparison by
        // position would miss attributes that this map holds beside them)
        for (int32_t i = 0; i < pOtherMap->GetSize(); ++i) {
            const CGXAbstractUserAttribute* pTheirs = pOtherMap->GetAttributeAt(i);
            const CGXAbstractUserAttribute* pMine = pMap->GetAttribute(pTheirs->m_nId);
            if (pMine == nullptr || !pMine->IsEqual(*pTheirs))
                return FALSE;
        }
    }
    return TRUE;
}

void InstallGlobalStyleCompareSubsetImp()
{
    GXInstallLibraryModule<CGXStyleCompareSubsetImp>(GXGetLibraryState()->m_pStyleCompareSubsetImp);
}

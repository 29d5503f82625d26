// The style-serialisation module (see GXStyleSerializeImp.h).
#include "grid/engine/GXStyleSerializeImp.h"

#include "grid/engine/GXArchiveRead.h"
#include "grid/engine/GXCellBrush.h"
#include "grid/engine/GXCellPen.h"
#include "grid/engine/GXColor.h"
#include "grid/engine/GXFont.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStylesMap.h"
#include "grid/engine/GXTextForms.h"

#include <cmath>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

namespace {

const WORD kStyleSchema = 6;
const WORD kFontSchema = 2;

// The archives that were given a styles map, innermost last.
std::vector<std::pair<const CArchive*, const CGXStylesMap*>>& ArchiveMaps()
{
    static std::vector<std::pair<const CArchive*, const CGXStylesMap*>> maps;
    return maps;
}

// The base style's resource id, or its name after a 0 (see the top of the header).
void StoreBaseStyle(const CGXStyle& style, CArchive& ar, const CGXStylesMap* pMap)
{
    UINT nResourceId = 0;
    const char* pszName = pMap != nullptr ? pMap->LookupBaseStyle(style.GetBaseStyle(), nResourceId) : nullptr;
    if (pszName == nullptr)
        nResourceId = 0;
    ar << DWORD(nResourceId);
    if (nResourceId == 0)
        ar << CString(pszName != nullptr ? pszName : "");
}

void LoadBaseStyle(CGXStyle& style, CArchive& ar, const CGXStylesMap* pMap)
{
    const DWORD nResourceId = GXReadDword(ar);
    CString strName;
    if (nResourceId == 0)
        ar >> strName;
    if (pMap == nullptr)
        return;
    UINT nFound = 0;
    if (nResourceId != 0) {
        const WORD nId = pMap->GetBaseStyleId(nResourceId);
        if (pMap->LookupBaseStyle(nId, nFound) != nullptr && nFound == nResourceId)
            style.SetBaseStyle(nId);
    } else if (!strName.IsEmpty()) {
        const WORD nId = pMap->GetBaseStyleIdByName(strName);
        const char* pszFound = pMap->LookupBaseStyle(nId, nFound);
        if (pszFound != nullptr && strName == pszFound)
            style.SetBaseStyle(nId);
    }
}

void StoreStyle(const CGXStyle& style, CArchive& ar, const CGXStylesMap* pMap)
{
    const DWORD nMask = style.GetIncludeMask();
    auto has = [&](DWORD nBit) { return (nMask & nBit) != 0; };
    ar << kStyleSchema << nMask;
    if (has(CGXStyle::incHorizontalAlignment))
        ar << DWORD(style.GetHorizontalAlignment());
    if (has(CGXStyle::incVerticalAlignment))
        ar << DWORD(style.GetVerticalAlignment());
    if (has(CGXStyle::incReadOnly))
        ar << BYTE(style.GetReadOnly() ? 1 : 0);
    if (has(CGXStyle::incControl))
        ar << DWORD(style.GetControl());
    if (has(CGXStyle::incInterior)) {
        CGXCellBrush brush = style.GetInterior();
        GXSerializeBrush(brush, ar);
    }
    if (has(CGXStyle::incTextColor))
        ar << DWORD(GXResolveColor(style.GetTextColor()));
    if (has(CGXStyle::incWrapText))
        ar << BYTE(style.GetWrapText() ? 1 : 0);
    if (has(CGXStyle::incAllowEnter))
        ar << BYTE(style.GetAllowEnter() ? 1 : 0);
    if (has(CGXStyle::incFont))
        ar.WriteObject(&style.GetFontRef());
    if (has(CGXStyle::incValue))
        ar << style.GetValueRef();
    if (has(CGXStyle::incChoiceList))
        ar << style.GetChoiceListRef();
    if (has(CGXStyle::incVerticalScrollbar))
        ar << BYTE(style.GetVerticalScrollbar() ? 1 : 0);
    if (has(CGXStyle::incMaxLength))
        ar << WORD(style.GetMaxLength());
    if (has(CGXStyle::incEnabled))
        ar << BYTE(style.GetEnabled() ? 1 : 0);
    if (has(CGXStyle::incTriState))
        ar << BYTE(style.GetTriState() ? 1 : 0);
    if (has(CGXStyle::incDraw3dFrame))
        ar << BYTE(style.GetDraw3dFrame());
    if (has(CGXStyle::incAutoSize))
        ar << BYTE(style.GetAutoSize() ? 1 : 0);

    ar << WORD(has(CGXStyle::incBorders) ? 1 : 0);
    if (has(CGXStyle::incBorders)) {
        for (int side = 0; side < 4; ++side) {
            const CGXCellPen& pen = style.GetBorders(side);
            if (!pen.GetInclude()) {
                ar << WORD(0);
            } else {
                ar << WORD(1);
                ar << GXPenToText(pen);
            }
        }
    }
    if (has(CGXStyle::incBaseStyle))
        StoreBaseStyle(style, ar, pMap);
    ar.WriteObject(style.GetUserAttributeMap());

    if (has(CGXStyle::incFloatCell))
        ar << BYTE(style.GetFloatCell() ? 1 : 0);
    if (has(CGXStyle::incFloodCell))
        ar << BYTE(style.GetFloodCell() ? 1 : 0);
    if (has(CGXStyle::incMergeCell))
        ar << BYTE(style.GetMergeCell());
    if (has(CGXStyle::incItemData))
        ar << DWORD(reinterpret_cast<uintptr_t>(style.GetItemDataPtr()));
    if (has(CGXStyle::incFormat))
        ar << BYTE(style.GetFormat());
    if (has(CGXStyle::incPlaces))
        ar << BYTE(style.GetPlaces());
    if (has(CGXStyle::incValue))
        ar << BYTE(style.GetValueType());
}

void LoadStyle(CGXStyle& style, CArchive& ar, const CGXStylesMap* pMap)
{
    const WORD nSchema = GXReadWord(ar);
    if (nSchema > kStyleSchema)
        AfxThrowArchiveException(CArchiveException::badSchema);
    const DWORD nMask = GXReadDword(ar);
    auto has = [&](DWORD nBit) { return (nMask & nBit) != 0; };
    const UINT nOldValueType = style.GetValueType();

    if (has(CGXStyle::incHorizontalAlignment))
        style.SetHorizontalAlignment(GXReadDword(ar));
    if (has(CGXStyle::incVerticalAlignment))
        style.SetVerticalAlignment(GXReadDword(ar));
    if (has(CGXStyle::incReadOnly))
        style.SetReadOnly(GXReadByte(ar) != 0);
    if (has(CGXStyle::incControl))
        style.SetControl(WORD(GXReadDword(ar)));
    if (has(CGXStyle::incInterior)) {
        CGXCellBrush brush;
        GXSerializeBrush(brush, ar);
        style.SetInterior(brush);
    }
    if (has(CGXStyle::incTextColor))
        style.SetTextColor(GXReadDword(ar));
    if (has(CGXStyle::incWrapText))
        style.SetWrapText(GXReadByte(ar) != 0);
    if (has(CGXStyle::incAllowEnter))
        style.SetAllowEnter(GXReadByte(ar) != 0);
    if (has(CGXStyle::incFont)) {
        std::unique_ptr<CObject> pFont(ar.ReadOwnedObject(RUNTIME_CLASS(CGXFont)));
        if (pFont)
            style.ChangeFont(*static_cast<CGXFont*>(pFont.get()), CGXStyle::gxCopy);
    }
    if (has(CGXStyle::incValue)) {
        CString strValue;
        ar >> strValue;
        style.SetValue(strValue);
        style.SetValueType(nOldValueType);  // the value type, when stored, comes at the end
    }
    if (has(CGXStyle::incChoiceList)) {
        CString strChoices;
        ar >> strChoices;
        style.SetChoiceList(strChoices);
    }
    if (has(CGXStyle::incVerticalScrollbar))
        style.SetVerticalScrollbar(GXReadByte(ar) != 0);
    if (has(CGXStyle::incMaxLength))
        style.SetMaxLength(GXReadWord(ar));
    if (has(CGXStyle::incEnabled))
        style.SetEnabled(GXReadByte(ar) != 0);
    if (has(CGXStyle::incTriState))
        style.SetTriState(GXReadByte(ar) != 0);
    if (has(CGXStyle::incDraw3dFrame))
        style.SetDraw3dFrame(GXReadByte(ar) & 3);
    if (has(CGXStyle::incAutoSize))
        style.SetAutoSize(GXReadByte(ar) != 0);

    if (GXReadWord(ar) != 0) {
        for (int side = 0; side < 4; ++side) {
            if (GXReadWord(ar) == 0)
                continue;
            CString text;
            ar >> text;
            CGXCellPen pen;
            GXPenFromText(pen, text);
            if (pen.GetInclude())
                style.SetBorders(side, pen);
            else
                style.SetIncludeBorders(side, FALSE);
        }
    }
    if (has(CGXStyle::incBaseStyle))
        LoadBaseStyle(style, ar, pMap);

    if (nSchema <= 4) {
        GridLibraryState* pState = GridLibraryState::GetIfAlive();
        if (pState == nullptr || pState->m_pQW5SerializeImp == nullptr)
            AfxThrowArchiveException(CArchiveException::badSchema);
        pState->m_pQW5SerializeImp->ReadOldUserAttributes(style, ar);
    } else {
        CObject* pMapOb = ar.ReadOwnedObject(RUNTIME_CLASS(CGXUserAttributeMap));
        if (pMapOb != nullptr)
            style.SetUserAttributeMap(static_cast<CGXUserAttributeMap*>(pMapOb));
    }

    if (nSchema > 1) {
        if (has(CGXStyle::incFloatCell))
            style.SetFloatCell(GXReadByte(ar) != 0);
        if (has(CGXStyle::incFloodCell))
            style.SetFloodCell(GXReadByte(ar) != 0);
        if (has(CGXStyle::incMergeCell))
            style.SetMergeCell(GXReadByte(ar) & 7);
    }
    if (nSchema > 2 && has(CGXStyle::incItemData))
        style.SetItemDataPtr(reinterpret_cast<void*>(uintptr_t(GXReadDword(ar))));
    if (nSchema == kStyleSchema) {
        if (has(CGXStyle::incFormat))
            style.SetFormat(GXReadByte(ar) & 0x1F);
        if (has(CGXStyle::incPlaces))
            style.SetPlaces(GXReadByte(ar) & 0xF);
        if (has(CGXStyle::incValue))
            style.SetValueType(GXReadByte(ar) & 7);
    } else if (nSchema >= 4 && has(CGXStyle::incFormat)) {
        const BYTE nFormat = GXReadByte(ar);
        const BYTE nPlaces = GXReadByte(ar);
        style.SetFormat(nFormat & 0x1F);
        style.SetPlaces(nPlaces & 0xF);
    }
}

// ---- font ---------------------------------------------------------------------------------------

enum : DWORD {
    fontItalicSet = 1 << 0, fontUnderlineSet = 1 << 1, fontStrikeOutSet = 1 << 2, fontItalic = 1 << 3,
    fontUnderline = 1 << 4, fontStrikeOut = 1 << 5, fontWeightSet = 1 << 6, fontSizeSet = 1 << 7,
    fontOrientationSet = 1 << 8, fontFaceSet = 1 << 9
};

void StoreFont(const CGXFont& font, CArchive& ar)
{
    DWORD nMask = 0;
    if (font.GetIncludeItalic())
        nMask |= fontItalicSet | (font.GetItalic() ? DWORD(fontItalic) : 0u);
    if (font.GetIncludeUnderline())
        nMask |= fontUnderlineSet | (font.GetUnderline() ? DWORD(fontUnderline) : 0u);
    if (font.GetIncludeStrikeOut())
        nMask |= fontStrikeOutSet | (font.GetStrikeOut() ? DWORD(fontStrikeOut) : 0u);
    const GXFaceRecord* pFace =
        font.GetIncludeFaceName() ? GXGetLibraryState()->m_fontState.GetFaceRecord(font.GetFaceNameIndex()) : nullptr;
    if (font.GetIncludeWeight())
        nMask |= fontWeightSet;
    if (font.GetIncludeSize())
        nMask |= fontSizeSet;
    if (font.GetIncludeOrientation())
        nMask |= fontOrientationSet;
    if (pFace != nullptr)
        nMask |= fontFaceSet;
    ar << kFontSchema << nMask;
    if (nMask & fontWeightSet)
        ar << WORD(font.WeightToFontWeight());
    if (nMask & fontSizeSet)
        ar << WORD(std::lround(font.SizeToPoints() * 10));
    if (nMask & fontOrientationSet)
        ar << WORD(font.OrientationToTenths());
    if (pFace != nullptr)
        ar << CString(pFace->szName) << BYTE(pFace->nPitchAndFamily) << BYTE(pFace->nCharSet);
}

void LoadFont(CGXFont& font, CArchive& ar)
{
    const WORD nSchema = GXReadWord(ar);
    if (nSchema == 2) {
        const DWORD nMask = GXReadDword(ar);
        if (nMask & fontItalicSet)
            font.SetItalic((nMask & fontItalic) != 0);
        if (nMask & fontUnderlineSet)
            font.SetUnderline((nMask & fontUnderline) != 0);
        if (nMask & fontStrikeOutSet)
            font.SetStrikeOut((nMask & fontStrikeOut) != 0);
        if (nMask & fontWeightSet) {
            const WORD nWeight = GXReadWord(ar);
            font.SetWeight(nWeight <= 1499 ? nWeight : 1499);
        }
        if (nMask & fontSizeSet)
            font.SetSize(GXReadWord(ar) / 10.0);
        if (nMask & fontOrientationSet)
            font.SetOrientation(GXReadWord(ar));
        if (nMask & fontFaceSet) {
            CString strFace;
            ar >> strFace;
            const BYTE nPitchAndFamily = GXReadByte(ar);
            const BYTE nCharSet = GXReadByte(ar);
            font.SetFaceNameIndex(
                GXGetLibraryState()->m_fontState.FindFaceNameIndex(strFace, nPitchAndFamily, nCharSet));
        }
        return;
    }
    if (nSchema != 1)
        AfxThrowArchiveException(CArchiveException::badSchema);

    LOGFONTA lf;
    std::memset(&lf, 0, sizeof lf);
    lf.lfHeight = LONG(GXReadDword(ar));
    lf.lfWeight = LONG(GXReadDword(ar));
    lf.lfItalic = GXReadByte(ar);
    lf.lfUnderline = GXReadByte(ar);
    lf.lfPitchAndFamily = GXReadByte(ar);
    CString strFace;
    ar >> strFace;
    std::strncpy(lf.lfFaceName, strFace, LF_FACESIZE - 1);
    if (lf.lfWeight < 0 || lf.lfWeight > 1499)
        lf.lfWeight = 0;
    font.SetLogFont(lf);

    const DWORD nMask = GXReadDword(ar);
    CGXFont unset;  // the attributes to unset
    if (!(nMask & 0x01))
        unset.SetWeight(FW_NORMAL);
    if (!(nMask & 0x02))
        unset.SetItalic(FALSE);
    if (!(nMask & 0x04))
        unset.SetUnderline(FALSE);
    if (!(nMask & 0x08))
        unset.SetStrikeOut(FALSE);
    if (!(nMask & 0x10))
        unset.SetSize(1);
    if (!(nMask & 0x20))
        unset.SetFaceNameIndex(0);
    if (nMask & 0x40)
        font.SetOrientation(LONG(GXReadDword(ar)));
    else
        unset.SetOrientation(0);
    font.ChangeFont(unset, 3);
}

}  // namespace

// ---- module -------------------------------------------------------------------------------------

void CGXStyleSerializeImp::SerializeStyle(CGXStyle& style, CArchive& ar, const CGXStylesMap* pStylesMap)
{
    const CGXStylesMap* pMap = pStylesMap != nullptr ? pStylesMap : CGXArchiveStylesMap::Find(ar);
    if (ar.IsStoring())
        StoreStyle(style, ar, pMap);
    else
        LoadStyle(style, ar, pMap);
}

void CGXStyleSerializeImp::SerializeFont(CGXFont& font, CArchive& ar)
{
    if (ar.IsStoring())
        StoreFont(font, ar);
    else
        LoadFont(font, ar);
}

void InstallGlobalStyleSerializeImp()
{
    GXInstallLibraryModule<CGXStyleSerializeImp>(GXGetLibraryState()->m_pStyleSerializeImp);
}

// ---- brush and pen ------------------------------------------------------------------------------

void GXSerializeBrush(CGXCellBrush& brush, CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << DWORD(brush.GetStyle()) << DWORD(brush.GetColor()) << DWORD(brush.GetHatch())
           << DWORD(brush.GetPattern()) << DWORD(brush.GetBkColor());
        return;
    }
    const DWORD nStyle = GXReadDword(ar) & 3;
    const COLORREF fore = GXReadDword(ar);
    const DWORD nHatch = GXReadDword(ar) & 7;
    const DWORD nPattern = GXReadDword(ar) & 0x3F;
    const COLORREF back = GXReadDword(ar);
    CGXCellBrush loaded;
    loaded.SetColor(fore);
    loaded.SetBkColor(back);
    loaded.SetHatch(nHatch);
    loaded.m_dwWord1 = (loaded.m_dwWord1 & ~(DWORD(0x3F) << 24)) | (nPattern << 24);
    // a pattern the drawing service does not offer cannot be drawn: the brush becomes hollow
    loaded.SetStyle(nStyle == CGXCellBrush::gxPattern && nPattern >= GX_PATTERN_COUNT ? UINT(CGXCellBrush::gxHollow)
                                                                                     : UINT(nStyle));
    brush = loaded;
}

void GXSerializePen(CGXCellPen& pen, CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << DWORD(pen.GetStyle()) << WORD(pen.GetWidth()) << WORD(pen.GetInclude() ? 1 : 0)
           << DWORD(pen.GetColor());
        return;
    }
    const DWORD nStyle = GXReadDword(ar) & 7;
    const WORD nWidth = GXReadWord(ar);
    const WORD nInclude = GXReadWord(ar);
    const COLORREF color = GXReadDword(ar);
    CGXCellPen loaded;
    loaded.SetWidth(nWidth);
    loaded.SetColor(color);
    loaded.SetStyle(nInclude != 0 ? UINT(nStyle) : UINT(CGXCellPen::gxExcluded));
    pen = loaded;
}

// ---- the archive's styles map -------------------------------------------------------------------

CGXArchiveStylesMap::CGXArchiveStylesMap(const CArchive& ar, const CGXStylesMap* pStylesMap)
{
    ArchiveMaps().emplace_back(&ar, pStylesMap);
}

CGXArchiveStylesMap::~CGXArchiveStylesMap()
{
    ArchiveMaps().pop_back();
}

const CGXStylesMap* CGXArchiveStylesMap::Find(const CArchive& ar)
{
    const auto& maps = ArchiveMaps();
    for (auto it = maps.rbegin(); it != maps.rend(); ++it)
        if (it->first == &ar)
            return it->second;
    return nullptr;
}

// The edit dialog's exchange between the chart and the component sheet: a component's properties,
// and the styles of data groups and items.
#include "chart/views/dialogs/DEDizedEditDialog.h"

#include <cstdlib>

#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedDataList.h"
#include "chart/engine/components/DEDizedLabelBlock.h"
#include "chart/engine/components/DEDizedLegend.h"
#include "chart/engine/display/SRGDisplayBase.h"
#include "chart/views/dialogs/DEDizedComponentProperties.h"

namespace {

// The parts of a component's style word: border, shadow and fill kinds, the image placement.
constexpr int kBorderShift = 0;
constexpr int kShadowShift = 4;
constexpr int kFillShift = 8;
constexpr int kImageStretched = int(0x80000000u);

// The display's flags that the display page shows, each with its check box: the check box says the
// thing is there, so the flag (which takes it away) is clear while it is checked.
struct DisplayCheck {
    int SRGCDisplayStyle::*pMember;
    int nFlag;
};
const DisplayCheck kDisplayChecks[] = {
    {&SRGCDisplayStyle::m_bZero, SRGDisplayBase::flagNoZero},
    {&SRGCDisplayStyle::m_bVerticalGrid, SRGDisplayBase::flagNoVerticalGrid},
    {&SRGCDisplayStyle::m_bHorizontalGrid, SRGDisplayBase::flagNoHorizontalGrid},
    {&SRGCDisplayStyle::m_bDepthGrid, SRGDisplayBase::flagNoDepthGrid},
    {&SRGCDisplayStyle::m_bXScale, SRGDisplayBase::flagNoXScale},
    {&SRGCDisplayStyle::m_bYScale, SRGDisplayBase::flagNoYScale},
    {&SRGCDisplayStyle::m_bGroupLabels, SRGDisplayBase::flagNoGroupLabels},
    {&SRGCDisplayStyle::m_bXTicks, SRGDisplayBase::flagNoXTicks},
};

// The codes of a data style's point, fill and line kinds as the combo boxes show them: entry n stores
// code table[n], and code c shows as entry table[c] (codes the lists have no entry for show none).
const int kMarkerCodes[] = {0, 1, 2, 3, 4, 5, 6, 0, 0, 0, 10, 11};
const int kDataFillCodes[] = {0, 1, 2, 3, 4, 5, 6, 0, 8};
const int kLineCodes[] = {0, 1, 2, 0, 4};

template <size_t N>
int Translate(const int (&table)[N], int nCode)
{
    return nCode >= 0 && nCode < int(N) ? table[nCode] : -1;
}

// Sets the nibble at nShift of rWord to nValue, unless nValue is -1 (nothing chosen).
void SetNibble(int& rWord, int nShift, int nValue)
{
    if (nValue >= 0)
        rWord = int((unsigned(rWord) & ~(0xFu << nShift)) | ((unsigned(nValue) & 0xFu) << nShift));
}

// Sets the code at nShift (nMask wide) of rWord to the one combo index nIndex stores (nothing for an
// index outside the table).
template <size_t N>
void StoreCode(int& rWord, int nShift, unsigned nMask, const int (&table)[N], int nIndex)
{
    const int nCode = Translate(table, nIndex);
    if (nCode >= 0)
        rWord = int((unsigned(rWord) & ~(nMask << nShift)) | (unsigned(nCode) << nShift));
}

int Nibble(int nWord, int nShift)
{
    return int((unsigned(nWord) >> nShift) & 0xFu);
}

void SetFlag(int& rWord, int nFlag, bool bSet)
{
    rWord = bSet ? rWord | nFlag : rWord & ~nFlag;
}

// The font's look on the font page: 0 plain, 1 embossed, 2 engraved.
int FontChoice(int nFlags)
{
    return (nFlags & DEDizedTitle::fontEmbossed) != 0 ? 1 : (nFlags & DEDizedTitle::fontEngraved) != 0 ? 2 : 0;
}

DEDizedLabel* AsLabel(DEDizedComponent* pComponent)
{
    return pComponent->IsKindOf(RUNTIME_CLASS(DEDizedLabel)) ? static_cast<DEDizedLabel*>(pComponent) : nullptr;
}

bool IsDisplay(DEDizedComponent* pComponent)
{
    return pComponent->GetTypeId() == chartTypeDisplay && pComponent->IsKindOf(RUNTIME_CLASS(SRGDisplayBase));
}

bool IsLegend(DEDizedComponent* pComponent)
{
    return pComponent->GetTypeId() == chartTypeLegend && pComponent->IsKindOf(RUNTIME_CLASS(DEDizedLegend));
}

// The label page of the sheet for a label or a label block (null for other components).
SRGCLabelStyle* LabelPage(DEDizedComponentProperties& rSheet, DEDizedComponent* pComponent)
{
    if (AsLabel(pComponent) == nullptr)
        return nullptr;
    switch (pComponent->GetTypeId()) {
    case chartTypeLabel:
        return &rSheet.m_labelStyle;
    case chartTypeLabelBlock:
        return &rSheet.m_labelBlockStyle;
    default:
        return nullptr;
    }
}

} // namespace

int DEDizedEditDialog::HasFontPage(DEDizedComponent* pComponent)
{
    switch (pComponent->GetTypeId()) {
    case chartTypeDisplay:
    case chartTypeTitle:
    case chartTypeLegend:
    case chartTypeLabelBlock:
        return 1;
    case chartTypeLabel: {
        // a label that takes its block's font has none of its own to edit
        const DEDizedLabel* pLabel = AsLabel(pComponent);
        return pLabel == nullptr || pLabel->GetBlock() == nullptr || pLabel->HasOwnStyle();
    }
    default:
        return 0;
    }
}

void DEDizedEditDialog::LoadComponentPages(DEDizedComponentProperties& rSheet, DEDizedComponent* pComponent)
{
    const DEDizedStyle* pStyle = pComponent->GetStyle();
    const DEDizedRect* pRect = pComponent->GetRect();

    SRGCTypeAndPos& rType = rSheet.m_typeAndPos;
    rType.m_dLeft = pRect->m_dLeft;
    rType.m_dTop = pRect->m_dTop;
    rType.m_dRight = pRect->m_dRight;
    rType.m_dBottom = pRect->m_dBottom;
    rType.m_nMeasurement = pRect->GetMeasurement();
    AfxLoadString(UINT(pComponent->GetTypeId()), rType.m_strTypeName);
    rType.m_dAngle1 = pStyle->m_dSize;
    rType.m_dAngle2 = pStyle->m_dValue5;
    rType.m_dAngle3 = pStyle->m_dValue6;

    SRGCFillStyle& rFill = rSheet.m_fillStyle;
    rFill.m_nFillKind = Nibble(pStyle->m_nStyle, kFillShift);
    rFill.m_swatchColour1.SetColour(pStyle->m_crFill1);
    rFill.m_swatchColour2.SetColour(pStyle->m_crFill2);
    rFill.m_dFillValue = pStyle->m_dGradientAngle;
    rFill.m_strFile = pStyle->m_strImageFile;

    rSheet.m_borderStyle.m_nBorderKind = Nibble(pStyle->m_nStyle, kBorderShift);
    rSheet.m_shadowStyle.m_nShadowKind = Nibble(pStyle->m_nStyle, kShadowShift);

    if (IsDisplay(pComponent)) {
        const SRGDisplayBase* pDisplay = static_cast<SRGDisplayBase*>(pComponent);
        SRGCDisplayStyle& rPage = rSheet.m_displayStyle;
        rPage.m_nGraphBits = pDisplay->GetGraphType() << 16;
        rPage.m_nAxisBits = int(unsigned(pDisplay->GetAxisType()) << 24);
        rPage.m_nLabelBits = pStyle->m_nKind & 0xF0;
        pComponent->GetDataWindow(rPage.m_nFirstIndex, rPage.m_nFirstGroup, rPage.m_nLastIndex, rPage.m_nLastGroup);
        rPage.m_bLogarithmic = pDisplay->HasFlag(SRGDisplayBase::flagLogarithmic);
        for (const DisplayCheck& check : kDisplayChecks)
            rPage.*check.pMember = !pDisplay->HasFlag(check.nFlag);
        rPage.m_bDataFirst = pDisplay->HasFlag(SRGDisplayBase::flagDataFirst);
    } else if (IsLegend(pComponent)) {
        DEDizedLegend* pLegend = static_cast<DEDizedLegend*>(pComponent);
        SRGCLegendEdit& rPage = rSheet.m_legendEdit;
        rPage.m_nSourceBits = pLegend->GetSourceKind();
        rPage.m_nKeyBits = pLegend->GetKeyKind() << 12;
        pComponent->GetDataWindow(rPage.m_nFirstIndex, rPage.m_nFirstGroup, rPage.m_nLastIndex, rPage.m_nLastGroup);
    } else if (SRGCLabelStyle* pPage = LabelPage(rSheet, pComponent)) {
        DEDizedLabel* pLabel = AsLabel(pComponent);
        pPage->m_nPosition = pLabel->GetAnchorPosition();
        pPage->m_dAngle = pLabel->GetTextAngle();
        pPage->m_dX = pLabel->GetAnchorX();
        pPage->m_dY = pLabel->GetAnchorY();
    }

    if (HasFontPage(pComponent) && pComponent->IsKindOf(RUNTIME_CLASS(DEDizedTitle))) {
        DEDizedTitle* pTitle = static_cast<DEDizedTitle*>(pComponent);
        DEDizedLabel* pLabel = AsLabel(pComponent);
        SRGCFontStyle& rFont = rSheet.m_fontStyle;
        rFont.m_strFace = pTitle->GetFace();
        const int nSize = pLabel != nullptr ? pLabel->GetFontSizePixels() : pTitle->GetStoredFontSize();
        rFont.m_nSizeSign = nSize < 0 ? SRGCFontStyle::sizePixels : SRGCFontStyle::sizePoints;
        rFont.m_nSize = std::abs(nSize);
        rFont.m_swatchText.SetColour(pTitle->GetTextColour());
        const int nFlags = pTitle->GetFontFlags();
        rFont.m_bBold = (nFlags & DEDizedTitle::fontBold) != 0;
        rFont.m_bItalic = (nFlags & DEDizedTitle::fontItalic) != 0;
        rFont.m_bUnderline = (nFlags & DEDizedTitle::fontUnderline) != 0;
        rFont.m_bStrikeOut = (nFlags & DEDizedTitle::fontStrikeOut) != 0;
        rFont.m_nFontChoice = FontChoice(nFlags);
    }
}

void DEDizedEditDialog::StoreComponentPages(DEDizedComponentProperties& rSheet, DEDizedComponent* pComponent)
{
    DEDizedStyle* pStyle = pComponent->GetStyle();
    // the type page and a label's page both show the text angle: the label's page wins where it
    // changed it
    const double dTextAngleBefore = pStyle->m_dValue6;

    const SRGCTypeAndPos& rType = rSheet.m_typeAndPos;
    pComponent->SetRectValues(rType.m_dLeft, rType.m_dTop, rType.m_dRight, rType.m_dBottom);
    // a new measurement kind brings its own margins; the same kind keeps the margins set
    if (rType.m_nMeasurement >= 0 && rType.m_nMeasurement != pComponent->GetRect()->GetMeasurement())
        pComponent->SetMeasurement(rType.m_nMeasurement);
    pStyle->m_dSize = rType.m_dAngle1;
    pStyle->m_dValue5 = rType.m_dAngle2;
    pStyle->m_dValue6 = rType.m_dAngle3;

    const SRGCFillStyle& rFill = rSheet.m_fillStyle;
    SetNibble(pStyle->m_nStyle, kFillShift, rFill.m_nFillKind);
    pStyle->m_crFill1 = rFill.m_swatchColour1.GetColour();
    pStyle->m_crFill2 = rFill.m_swatchColour2.GetColour();
    pStyle->m_dGradientAngle = rFill.m_dFillValue;
    pStyle->SetImageFile(rFill.m_strFile);

    SetNibble(pStyle->m_nStyle, kBorderShift, rSheet.m_borderStyle.m_nBorderKind);
    SetNibble(pStyle->m_nStyle, kShadowShift, rSheet.m_shadowStyle.m_nShadowKind);

    if (IsDisplay(pComponent)) {
        SRGDisplayBase* pDisplay = static_cast<SRGDisplayBase*>(pComponent);
        const SRGCDisplayStyle& rPage = rSheet.m_displayStyle;
        pDisplay->SetGraphType(int(unsigned(rPage.m_nGraphBits) >> 16));
        pDisplay->SetAxisType(int(unsigned(rPage.m_nAxisBits) >> 24));
        pDisplay->MarkStyleChanged();
        pStyle->m_nKind = (pStyle->m_nKind & ~0xF0) | (rPage.m_nLabelBits & 0xF0);
        pComponent->SetDataWindow(rPage.m_nFirstIndex, rPage.m_nFirstGroup, rPage.m_nLastIndex, rPage.m_nLastGroup);
        int nFlags = pDisplay->GetFlags();
        for (const DisplayCheck& check : kDisplayChecks)
            SetFlag(nFlags, check.nFlag, !(rPage.*check.pMember));
        SetFlag(nFlags, SRGDisplayBase::flagDataFirst, rPage.m_bDataFirst != 0);
        pDisplay->SetFlags(nFlags);
        pDisplay->SetLogarithmic(rPage.m_bLogarithmic);
    } else if (IsLegend(pComponent)) {
        DEDizedLegend* pLegend = static_cast<DEDizedLegend*>(pComponent);
        const SRGCLegendEdit& rPage = rSheet.m_legendEdit;
        pLegend->SetSourceKind(rPage.m_nSourceBits & 0xFF);
        pLegend->SetKeyKind(int(unsigned(rPage.m_nKeyBits) >> 12));
        pComponent->SetDataWindow(rPage.m_nFirstIndex, rPage.m_nFirstGroup, rPage.m_nLastIndex, rPage.m_nLastGroup);
    } else if (const SRGCLabelStyle* pPage = LabelPage(rSheet, pComponent)) {
        DEDizedLabel* pLabel = AsLabel(pComponent);
        if (pPage->m_nPosition >= 0)
            pLabel->SetAnchorPosition(pPage->m_nPosition);
        if (pPage->m_dAngle != dTextAngleBefore)
            pLabel->GetStyle()->SetTextAngle(pPage->m_dAngle);
        pLabel->SetAnchorX(pPage->m_dX);
        pLabel->SetAnchorY(pPage->m_dY);
    }

    if (HasFontPage(pComponent) && pComponent->IsKindOf(RUNTIME_CLASS(DEDizedTitle))) {
        DEDizedTitle* pTitle = static_cast<DEDizedTitle*>(pComponent);
        const SRGCFontStyle& rFont = rSheet.m_fontStyle;
        const int nSize = rFont.m_nSizeSign == SRGCFontStyle::sizePixels ? -rFont.m_nSize : rFont.m_nSize;
        int nFlags = pTitle->GetFontFlags();
        SetFlag(nFlags, DEDizedTitle::fontBold, rFont.m_bBold != 0);
        SetFlag(nFlags, DEDizedTitle::fontItalic, rFont.m_bItalic != 0);
        SetFlag(nFlags, DEDizedTitle::fontUnderline, rFont.m_bUnderline != 0);
        SetFlag(nFlags, DEDizedTitle::fontStrikeOut, rFont.m_bStrikeOut != 0);
        if (rFont.m_nFontChoice >= 0 && rFont.m_nFontChoice != FontChoice(nFlags)) {
            SetFlag(nFlags, DEDizedTitle::fontEmbossed, rFont.m_nFontChoice == 1);
            SetFlag(nFlags, DEDizedTitle::fontEngraved, rFont.m_nFontChoice == 2);
        }
        if (DEDizedLabel* pLabel = AsLabel(pComponent)) {
            // a label keeps its size where its measurement kind keeps it
            pLabel->SetFace(rFont.m_strFace);
            pLabel->SetFontFlags(nFlags);
            pLabel->SetFontSize(nSize);
        } else {
            pTitle->SetFont(nSize, nFlags, rFont.m_strFace);
        }
        pTitle->SetTextColour(rFont.m_swatchText.GetColour());
        pTitle->SetFontDirty(1);
    }
}

// ---- styles of groups and items ----------------------------------------------------------------------

void DEDizedEditDialog::EditItemStyle()
{
    const HTREEITEM hCurrent = m_tree.GetCurrentItem();
    const ItemKind nKind = GetItemKind(hCurrent);
    if (nKind != itemGroup && nKind != itemItem)
        return;
    DEDizedDataList* pGroup = nKind == itemGroup ? reinterpret_cast<DEDizedDataList*>(m_tree.GetItemData(hCurrent))
                                                 : nullptr;
    DEDizedStyle* pStyle = pGroup != nullptr ? pGroup->GetStyle()
                                             : reinterpret_cast<DEDizedData*>(m_tree.GetItemData(hCurrent))->GetStyle();
    DEDizedComponentProperties sheet(this, 0, DEDizedComponentProperties::kindItemStyle);

    SRGObjStyle& rObject = sheet.m_objStyle;
    rObject.m_nMarkerIndex = Translate(kMarkerCodes, (pStyle->m_nLineKind >> 8) & 0xFF);
    rObject.m_nLineIndex = Translate(kLineCodes, Nibble(pStyle->m_nLineKind, 0));
    rObject.m_swatchColour.SetColour(pStyle->m_crColor);
    // a width of 0 draws one pixel wide
    const int nShownWidth = pStyle->m_nExtra > 0 ? pStyle->m_nExtra : 1;
    rObject.m_nWidth = nShownWidth;
    rObject.m_bOwnSizes = (pStyle->m_nFlags & DEDizedStyle::flagOwnSizes) != 0;
    rObject.m_dDepth = pStyle->m_dLimit3;
    rObject.m_dSymbolWidth = pStyle->m_dLimit1;
    rObject.m_dSymbolHeight = pStyle->m_dLimit2;
    rObject.m_bGroup = pGroup != nullptr;

    SRGInteriorEdit& rInterior = sheet.m_interiorEdit;
    rInterior.m_nFillIndex = Translate(kDataFillCodes, Nibble(pStyle->m_nLineKind, 4));
    rInterior.m_swatchColour1.SetColour(pStyle->m_crFill1);
    rInterior.m_swatchColour2.SetColour(pStyle->m_crFill2);
    rInterior.m_dFillValue = pStyle->m_dGradientAngle;
    rInterior.m_strFile = pStyle->m_strImageFile;
    rInterior.m_strWidget = pStyle->m_strText1;
    rInterior.m_bStretch = (pStyle->m_nStyle & kImageStretched) != 0;

    if (sheet.DoModal() != IDOK)
        return;

    StoreCode(pStyle->m_nLineKind, 8, 0xFFu, kMarkerCodes, rObject.m_nMarkerIndex);
    StoreCode(pStyle->m_nLineKind, 0, 0xFu, kLineCodes, rObject.m_nLineIndex);
    pStyle->m_crColor = rObject.m_swatchColour.GetColour();
    if (rObject.m_nWidth != nShownWidth)
        pStyle->m_nExtra = rObject.m_nWidth;
    SetFlag(pStyle->m_nFlags, DEDizedStyle::flagOwnSizes, rObject.m_bOwnSizes != 0);
    pStyle->m_dLimit3 = rObject.m_dDepth;
    pStyle->m_dLimit1 = rObject.m_dSymbolWidth;
    pStyle->m_dLimit2 = rObject.m_dSymbolHeight;

    StoreCode(pStyle->m_nLineKind, 4, 0xFu, kDataFillCodes, rInterior.m_nFillIndex);
    pStyle->m_crFill1 = rInterior.m_swatchColour1.GetColour();
    pStyle->m_crFill2 = rInterior.m_swatchColour2.GetColour();
    pStyle->m_dGradientAngle = rInterior.m_dFillValue;
    pStyle->SetImageFile(rInterior.m_strFile);
    pStyle->m_strText1 = rInterior.m_strWidget;
    SetFlag(pStyle->m_nStyle, kImageStretched, rInterior.m_bStretch != 0);

    if (pGroup != nullptr && rObject.m_bAllItems)
        for (POSITION pos = pGroup->GetHeadPosition(); pos != nullptr;)
            static_cast<DEDizedData*>(pGroup->GetNext(pos))->GetStyle()->CopyFrom(*pStyle);
}

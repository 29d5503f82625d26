// The parameter-copy module (see GXParamCopyImp.h).
#include "grid/engine/GXParamCopyImp.h"

#include "grid/engine/GXPrintDevice.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXData.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStylesMap.h"
#include "grid/ops/GXSpanCellPool.h"

#include <memory>
#include <vector>

namespace {

// The target's span and delayed-range pools become copies of the source's, made by the process-wide
// pool modules (none without them); its coverings a copy of the source's list, in the same order, with
// a covered-cell pool that the covered-cells module makes again when it needs one.
void CopySpanPools(CGXGridParam& dest, const CGXGridParam& src)
{
    GridLibraryState* pState = GXGetLibraryState();
    CGXAbstractSpanCellPoolImp* pSpanImp = pState->m_pSpanCellPoolImp;
    CGXAbstractDelayedRangePoolImp* pDelayedImp = pState->m_pDelayedRangePoolImp;
    for (int n = 0; n < CGXGridParam::gxSpanPoolCount; ++n) {
        const auto k = CGXGridParam::SpanPool(n);
        const CGXSpanCellPool* pSrc = src.GetSpanPool(k);
        dest.SetSpanPool(k, pSrc != nullptr && pSpanImp != nullptr ? pSpanImp->CreateCopy(*pSrc) : nullptr);
    }
    for (int n = 0; n < CGXGridParam::gxDelayedPoolCount; ++n) {
        const auto k = CGXGridParam::DelayedRangePool(n);
        const CGXDelayedRangePool* pSrc = src.GetDelayedRangePool(k);
        dest.SetDelayedRangePool(k, pSrc != nullptr && pDelayedImp != nullptr ? pDelayedImp->CreateCopy(*pSrc)
                                                                            : nullptr);
    }
    CGXRangeList& covered = dest.GetCoveredRanges();
    covered.DeleteAll();
    const CGXRangeList& srcCovered = src.GetCoveredRanges();
    for (POSITION pos = srcCovered.GetHeadPosition(); pos != nullptr;)
        covered.AddRange(*static_cast<const CGXCellRange*>(srcCovered.GetNext(pos)));
    dest.SetCoveredCellPool(nullptr);
}

}  // namespace

void CGXGridParamCopyOperatorImp::CopyParam(CGXGridParam& dest, const CGXGridParam& src)
{
    if (&dest == &src)
        return;
    // the copies are made first, so that a failure leaves the target as it was
    std::unique_ptr<CGXStylesMap> pStylesMap(src.m_pStylesMap != nullptr ? new CGXStylesMap(*src.m_pStylesMap) : nullptr);
    std::unique_ptr<CGXProperties> pProperties(src.m_pProperties != nullptr ? new CGXProperties(*src.m_pProperties)
                                                                            : nullptr);
    std::unique_ptr<CGXData> pData;
    if (src.m_pData != nullptr) {
        CRuntimeClass* pClass = src.m_pData->GetRuntimeClass();
        CObject* pOb = pClass->IsDerivedFrom(RUNTIME_CLASS(CGXData)) && pClass->IsCreatable() ? pClass->CreateObject()
                                                                                              : new CGXData;
        pData.reset(static_cast<CGXData*>(pOb));
        pData->CopyFrom(*src.m_pData);
    }
    std::unique_ptr<CGXPrintDevice> pPrintDevice;
    if (src.m_pPrintDevice != nullptr) {
        pPrintDevice.reset(new CGXPrintDevice);
        pPrintDevice->CopyFrom(*src.m_pPrintDevice);
    }

    dest.DeleteOwnedObjects();
    dest.SetStylesMap(pStylesMap.release(), TRUE);
    dest.SetProperties(pProperties.release(), TRUE);
    dest.SetData(pData.release(), TRUE);
    dest.SetPrintDevice(pPrintDevice.release(), TRUE);

    dest.m_bUndoEnabled = src.m_bUndoEnabled;
    dest.m_wSelectMode = src.m_wSelectMode;
    dest.m_wRowSizing = src.m_wRowSizing;
    dest.m_wColSizing = src.m_wColSizing;
    dest.m_wAllowSelection = src.m_wAllowSelection;
    dest.m_nDefaultRowHeight = src.m_nDefaultRowHeight;
    dest.m_nDefaultColWidth = src.m_nDefaultColWidth;
    dest.m_nHeaderRows = src.m_nHeaderRows;
    dest.m_nHeaderCols = src.m_nHeaderCols;
    dest.m_bReadOnlyGuard = src.m_bReadOnlyGuard;
    dest.m_bImmediateUpdate = src.m_bImmediateUpdate;
    dest.m_nCurrentRow = src.m_nCurrentRow;
    dest.m_nCurrentCol = src.m_nCurrentCol;
    dest.m_strTitle = src.m_strTitle;
    dest.m_nFrozenRows = src.m_nFrozenRows;
    dest.m_nFrozenCols = src.m_nFrozenCols;
    dest.m_wFloatCellsMode = src.m_wFloatCellsMode;
    dest.m_wMergeCellsMode = src.m_wMergeCellsMode;
    for (int i = 0; i < 10; ++i)
        dest.m_abOptions[i] = src.m_abOptions[i];
    for (int i = 0; i < 5; ++i)
        dest.m_awOptions[i] = src.m_awOptions[i];
    dest.m_abOptions3[0] = src.m_abOptions3[0];
    dest.m_abOptions3[1] = src.m_abOptions3[1];
    for (int i = 0; i < 3; ++i)
        dest.m_adwOptions3[i] = src.m_adwOptions3[i];
    dest.m_bOption5 = src.m_bOption5;
    dest.m_wOption5 = src.m_wOption5;
    dest.m_dwOption5 = src.m_dwOption5;
    for (int i = 0; i < 5; ++i)
        dest.m_abOptions6[i] = src.m_abOptions6[i];
    dest.m_wOption6 = src.m_wOption6;
    for (int i = 0; i < 3; ++i)
        dest.m_abOptions8[i] = src.m_abOptions8[i];
    dest.m_wOption9 = src.m_wOption9;
    dest.m_bOption10 = src.m_bOption10;

    dest.m_display = src.m_display;
    dest.m_savedSelection = src.m_savedSelection;
    dest.m_currentCell = src.m_currentCell;
    dest.m_view = src.m_view;
    dest.m_sort = src.m_sort;
    dest.m_controlOptions = src.m_controlOptions;
    dest.m_bLockReadOnly = src.m_bLockReadOnly;
    dest.m_wActivateCell = src.m_wActivateCell;
    dest.m_bLineOffset = src.m_bLineOffset;
    dest.m_bPreferPrivateFormat = src.m_bPreferPrivateFormat;
    dest.m_bOldDrawing = src.m_bOldDrawing;

    dest.m_rangeList1 = src.m_rangeList1;
    dest.m_rangeList2 = src.m_rangeList2;
    CopySpanPools(dest, src);
    dest.m_rowHeights = src.m_rowHeights;
    dest.m_colWidths = src.m_colWidths;
    dest.m_abHiddenRows = src.m_abHiddenRows;
    dest.m_abHiddenCols = src.m_abHiddenCols;
    dest.m_nMinRowHeight = src.m_nMinRowHeight;
    dest.m_nMinColWidth = src.m_nMinColWidth;
    dest.m_rowFreeze = src.m_rowFreeze;
    dest.m_colFreeze = src.m_colFreeze;

    // the grids that show the target still point into the objects deleted above
    if (GridLibraryState* pState = GridLibraryState::GetIfAlive()) {
        const auto& registry = pState->GetGridRegistry();
        const auto it = registry.find(&dest);
        if (it != registry.end()) {
            const std::vector<CGXGridCore*> grids = it->second;
            for (CGXGridCore* pGrid : grids)
                pGrid->OnParamObjectsReplaced();
        }
    }
}

void CGXGridParamCopyOperatorImp::CopyStylesMap(CGXStylesMap& dest, const CGXStylesMap& src)
{
    if (&dest == &src)
        return;
    dest.RemoveAll();
    dest.m_controlNames = src.m_controlNames;
    dest.m_userAttributes.clear();
    for (const auto& attribute : src.m_userAttributes) {
        const CGXStylesMap::UserAttributeEntry& e = *attribute.second;
        std::unique_ptr<CGXStyle> pStyle(e.pStyle->Clone());
        dest.m_userAttributes[attribute.first].reset(new CGXStylesMap::UserAttributeEntry{e.nId, e.strName, std::move(pStyle)});
    }
    for (const auto& entry : src.m_baseStyles) {
        const CGXStylesMap::StyleEntry& e = *entry.second;
        std::unique_ptr<CGXStyle> pStyle(e.pStyle->Clone());
        dest.m_baseStyles[entry.first].reset(
            new CGXStylesMap::StyleEntry{e.nStyleId, e.nResourceId, e.strName, std::move(pStyle), e.bSystem});
    }
    dest.m_resourceIds = src.m_resourceIds;
    dest.m_names = src.m_names;
    dest.m_nNextId = src.m_nNextId;
    dest.m_wStyleStandard = src.m_wStyleStandard;
    dest.m_wStyleColHeader = src.m_wStyleColHeader;
    dest.m_wStyleRowHeader = src.m_wStyleRowHeader;
    dest.m_strSection = src.m_strSection;
}

void CGXGridParamCopyOperatorImp::CopyProperties(CGXProperties& dest, const CGXProperties& src)
{
    if (&dest == &src)
        return;
    dest.m_markingNames.Copy(src.m_markingNames);
    *dest.m_pStyleDefault = *src.m_pStyleDefault;
    dest.m_tokens.Copy(src.m_tokens);
    dest.m_userProperties.clear();
    for (const auto& entry : src.m_userProperties) {
        const CGXProperties::UserPropertyEntry& e = *entry.second;
        std::unique_ptr<CGXStyle> pStyle(e.pStyle->Clone());
        dest.m_userProperties[entry.first].reset(new CGXProperties::UserPropertyEntry{e.nId, e.strName, std::move(pStyle)});
    }
    dest.m_b3dHeader = src.m_b3dHeader;
    dest.m_bDisplayVertLines = src.m_bDisplayVertLines;
    dest.m_bDisplayHorzLines = src.m_bDisplayHorzLines;
    dest.m_bMarkRowHeader = src.m_bMarkRowHeader;
    dest.m_bMarkColHeader = src.m_bMarkColHeader;
    dest.m_strSection = src.m_strSection;
    dest.m_colorNames.Copy(src.m_colorNames);
    dest.m_colorValues.Copy(src.m_colorValues);
    dest.m_nZoom = src.m_nZoom;
    dest.m_nTopMargin = src.m_nTopMargin;
    dest.m_nLeftMargin = src.m_nLeftMargin;
    dest.m_nBottomMargin = src.m_nBottomMargin;
    dest.m_nRightMargin = src.m_nRightMargin;
    dest.m_bCenterHorizontal = src.m_bCenterHorizontal;
    dest.m_bCenterVertical = src.m_bCenterVertical;
    dest.m_bPrintColHeaders = src.m_bPrintColHeaders;
    dest.m_bPrintHorzLines = src.m_bPrintHorzLines;
    dest.m_bPrintRowHeaders = src.m_bPrintRowHeaders;
    dest.m_bPrintVertLines = src.m_bPrintVertLines;
    dest.m_nPageOrder = src.m_nPageOrder;
    dest.m_bBlackWhite = src.m_bBlackWhite;
    dest.m_bPrintFrame = src.m_bPrintFrame;
    dest.m_nDistHeader = src.m_nDistHeader;
    dest.m_nDistFooter = src.m_nDistFooter;
    dest.m_nFirstPage = src.m_nFirstPage;
    dest.m_awOptions[0] = src.m_awOptions[0];
    dest.m_awOptions[1] = src.m_awOptions[1];
    dest.m_adwValues1.Copy(src.m_adwValues1);
    dest.m_adwValues2.Copy(src.m_adwValues2);
    dest.m_dataHeader.CopyFrom(src.m_dataHeader);
    dest.m_dataFooter.CopyFrom(src.m_dataFooter);
}

void InstallGlobalGridParamCopyOperatorImp()
{
    GXInstallLibraryModule<CGXGridParamCopyOperatorImp>(GXGetLibraryState()->m_pParamCopyOperatorImp);
}

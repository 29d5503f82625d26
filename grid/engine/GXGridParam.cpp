// CGXGridParam: what the views of one grid share (see GXGridParam.h).
#include "grid/engine/GXGridParam.h"

#include "grid/engine/GXPrintDevice.h"

#include "grid/ops/GXCoveredCellPool.h"
#include "grid/ops/GXSpanCellPool.h"

#include "grid/engine/GXData.h"
#include "grid/engine/GXModules.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStylesMap.h"

IMPLEMENT_SERIAL(CGXGridParam, CObject, 1)

namespace {

// Deletes the objects a pointer array holds (CObjects) and empties it.
void DeleteObjects(CPtrArray& array)
{
    for (int32_t i = 0; i < array.GetSize(); ++i)
        delete static_cast<CObject*>(array.GetAt(i));
    array.RemoveAll();
}

// Deletes an owned object and forgets it (rpObject null, rbOwn FALSE); leaves an object not owned.
template <class T>
void DeleteIfOwned(T*& rpObject, BOOL& rbOwn)
{
    if (!rbOwn)
        return;
    delete rpObject;
    rpObject = nullptr;
    rbOwn = FALSE;
}

}  // namespace

CGXGridParam::CGXGridParam()
    : m_pAppData(GXGetLibraryState()), m_bOwnProperties(FALSE), m_pProperties(nullptr), m_bOwnStylesMap(FALSE),
      m_pStylesMap(nullptr), m_bOwnData(FALSE), m_pData(nullptr), m_bOwnPrintDevice(FALSE), m_pPrintDevice(nullptr),
      m_bUndoEnabled(TRUE), m_wSelectMode(255), m_wRowSizing(178), m_wColSizing(178), m_wAllowSelection(0),
      m_nDefaultRowHeight(1200), m_nDefaultColWidth(10000), m_nHeaderRows(0), m_nHeaderCols(0),
      m_bReadOnlyGuard(TRUE), m_bImmediateUpdate(TRUE), m_nCurrentRow(1), m_nCurrentCol(1), m_nFrozenRows(0),
      m_nFrozenCols(0), m_wFloatCellsMode(0), m_wMergeCellsMode(0), m_apStoredObjects{nullptr, nullptr},
      m_abOptions{1, 1, 0, 1, 1, 1, 1, 0, 0, 1}, m_awOptions{1, 2, 0, 0, 0}, m_abOptions3{0, 0},
      m_adwOptions3{0, 0, 0}, m_bOption5(0), m_wOption5(4), m_dwOption5(512), m_abOptions6{0, 0, 0, 0, 0},
      m_wOption6(0), m_abOptions8{0, 0, 0}, m_wOption9(0), m_bOption10(0)
{
    m_rowHeights.InitHashTable(1021);
    m_colWidths.InitHashTable(257);
    m_rowHeights.SetAt(0, 1400);
    m_colWidths.SetAt(0, 6000);
}

CGXGridParam::~CGXGridParam()
{
    DeleteListObjects(m_undoList);
    DeleteListObjects(m_redoList);
    DeleteObjects(m_apObjects1);
    DeleteObjects(m_apObjects2);
    delete m_apStoredObjects[0];
    delete m_apStoredObjects[1];
    DeleteOwnedObjects();
    for (int n = 0; n < gxSpanPoolCount; ++n)
        SetSpanPool(SpanPool(n), nullptr);
    for (int n = 0; n < gxDelayedPoolCount; ++n)
        SetDelayedRangePool(DelayedRangePool(n), nullptr);
    SetCoveredCellPool(nullptr);
    delete m_pSharedObject;
}

void CGXGridParam::SetSpanPool(SpanPool n, CGXSpanCellPool* pPool)
{
    if (m_apSpanPools[n] != pPool)
        delete m_apSpanPools[n];
    m_apSpanPools[n] = pPool;
}

void CGXGridParam::SetDelayedRangePool(DelayedRangePool n, CGXDelayedRangePool* pPool)
{
    if (m_apDelayedPools[n] != pPool)
        delete m_apDelayedPools[n];
    m_apDelayedPools[n] = pPool;
}

void CGXGridParam::SetCoveredCellPool(CGXCoveredCellPool* pPool)
{
    if (m_pCoveredCellPool != pPool)
        delete m_pCoveredCellPool;
    m_pCoveredCellPool = pPool;
}

void CGXGridParam::MatchSpanPoolsToModes()
{
    GridLibraryState* pState = GridLibraryState::GetIfAlive();
    CGXAbstractSpanCellPoolImp* pSpanImp = pState != nullptr ? pState->m_pSpanCellPoolImp : nullptr;
    CGXAbstractDelayedRangePoolImp* pDelayedImp = pState != nullptr ? pState->m_pDelayedRangePoolImp : nullptr;
    auto span = [&](SpanPool n, BOOL bNeeded) {
        if (!bNeeded)
            SetSpanPool(n, nullptr);
        else if (m_apSpanPools[n] == nullptr && pSpanImp != nullptr)
            SetSpanPool(n, pSpanImp->CreatePool());
    };
    auto delayed = [&](DelayedRangePool n, BOOL bNeeded) {
        if (!bNeeded)
            SetDelayedRangePool(n, nullptr);
        else if (m_apDelayedPools[n] == nullptr && pDelayedImp != nullptr)
            SetDelayedRangePool(n, pDelayedImp->CreatePool());
    };
    const WORD wFloat = m_wFloatCellsMode, wMerge = WORD(m_wMergeCellsMode & 3);
    span(gxFloatPool, wFloat == 1 || wFloat == 2);
    delayed(gxFloatDelayed, wFloat == 1);
    span(gxMergeHorzPool, wMerge == 1 || wMerge == 2);
    span(gxMergeVertPool, wMerge == 1 || wMerge == 2);
    delayed(gxMergeDelayed, wMerge == 1);
}

void CGXGridParam::ResetSpanPools()
{
    for (CGXSpanCellPool* pPool : m_apSpanPools)
        if (pPool != nullptr)
            pPool->DeleteAll();
    for (CGXDelayedRangePool* pPool : m_apDelayedPools) {
        if (pPool != nullptr) {
            pPool->DeleteAll();
            pPool->AddRange(CGXCellRange(0, 0, GX_MAXROWCOL, GX_MAXROWCOL));
        }
    }
}

CObject* CGXGridParam::EnsureSharedObject()
{
    if (m_pSharedObject == nullptr && m_pAppData != nullptr && m_pAppData->m_pfnCreateParamSharedObject != nullptr)
        m_pSharedObject = m_pAppData->m_pfnCreateParamSharedObject();
    return m_pSharedObject;
}

void CGXGridParam::DeleteOwnedObjects()
{
    DeleteIfOwned(m_pProperties, m_bOwnProperties);
    DeleteIfOwned(m_pStylesMap, m_bOwnStylesMap);
    DeleteIfOwned(m_pData, m_bOwnData);
    DeleteIfOwned(m_pPrintDevice, m_bOwnPrintDevice);
}

void CGXGridParam::Serialize(CArchive& ar)
{
    GridLibraryState* pState = GridLibraryState::GetIfAlive();
    if (pState != nullptr && pState->m_pDocSerializeImp != nullptr)
        pState->m_pDocSerializeImp->SerializeParam(*this, ar);
}

CGXGridParam& CGXGridParam::operator=(const CGXGridParam& other)
{
    GridLibraryState* pState = GridLibraryState::GetIfAlive();
    if (&other != this && pState != nullptr && pState->m_pParamCopyOperatorImp != nullptr)
        pState->m_pParamCopyOperatorImp->CopyParam(*this, other);
    return *this;
}

namespace {

// Replaces an owned-or-borrowed pointer. The previous object is deleted only when it was owned and
// is not the object given again (deleting it would leave the new pointer dangling).
template <class T>
void Replace(T*& rpCurrent, BOOL& rbOwn, T* pNew, BOOL bOwn)
{
    if (rbOwn && rpCurrent != pNew)
        delete rpCurrent;
    rpCurrent = pNew;
    rbOwn = bOwn;
}

}  // namespace

void CGXGridParam::SetProperties(CGXProperties* pProperties, BOOL bOwn)
{
    Replace(m_pProperties, m_bOwnProperties, pProperties, bOwn);
}

void CGXGridParam::SetData(CGXData* pData, BOOL bOwn)
{
    Replace(m_pData, m_bOwnData, pData, bOwn);
}

void CGXGridParam::SetStylesMap(CGXStylesMap* pStylesMap, BOOL bOwn)
{
    Replace(m_pStylesMap, m_bOwnStylesMap, pStylesMap, bOwn);
}

void CGXGridParam::SetPrintDevice(CGXPrintDevice* pPrintDevice, BOOL bOwn)
{
    Replace(m_pPrintDevice, m_bOwnPrintDevice, pPrintDevice, bOwn);
}

void CGXGridParam::EmptyRedoList()
{
    DeleteListObjects(m_redoList);
}

void CGXGridParam::EmptyUndoList()
{
    DeleteListObjects(m_undoList);
    m_nTransactionLevel = 0;
}

void CGXGridParam::NotifyRangeListsLoaded()
{
    GridLibraryState* pState = GridLibraryState::GetIfAlive();
    if (pState != nullptr && pState->m_pfnRangeListLoaded != nullptr)
        pState->m_pfnRangeListLoaded(m_rangeList2);
}

void CGXGridParam::SaveSelection(const CGXCellRange& range, ROWCOL nAnchorRow, ROWCOL nAnchorCol)
{
    if (!range.IsValid())
        AfxThrowInvalidArgException("CGXGridParam::SaveSelection: an invalid range");
    m_savedSelection.bSaved = TRUE;
    m_savedSelection.range = range;
    m_savedSelection.nAnchorRow = nAnchorRow;
    m_savedSelection.nAnchorCol = nAnchorCol;
}

// ---- shared choice-list maps --------------------------------------------------------------------------

CMapStringToString* CGXGridParam::GetChoiceMap(int nId, BOOL bText) const
{
    const auto& maps = bText ? m_choiceTextMaps : m_choiceKeyMaps;
    const auto it = maps.find(nId);
    return it != maps.end() ? it->second.get() : nullptr;
}

CMapStringToString* CGXGridParam::CreateChoiceMap(int nId, BOOL bText, UINT nHashSize)
{
    if (nId < 1)
        AfxThrowInvalidArgFormat("CGXGridParam::CreateChoiceMap: choice-list id %d is not above 0", nId);
    auto pMap = std::make_unique<CMapStringToString>();
    if (nHashSize != 0)
        pMap->InitHashTable(nHashSize);
    CMapStringToString* pResult = pMap.get();
    (bText ? m_choiceTextMaps : m_choiceKeyMaps)[nId] = std::move(pMap);
    return pResult;
}

void CGXGridParam::FreeChoiceMaps(int nId)
{
    if (nId == -1) {
        m_choiceKeyMaps.clear();
        m_choiceTextMaps.clear();
    } else if (nId >= 1) {
        m_choiceKeyMaps.erase(nId);
        m_choiceTextMaps.erase(nId);
    } else {
        return;
    }
    m_nChoiceMapStamp++;
}

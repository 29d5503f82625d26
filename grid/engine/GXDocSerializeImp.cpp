// The document-serialisation module (see GXDocSerializeImp.h).
#include "grid/engine/GXDocSerializeImp.h"

#include "grid/engine/GXPrintDevice.h"

#include "grid/engine/GXArchiveRead.h"
#include "grid/engine/GXData.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStyleArray.h"
#include "grid/engine/GXStyleSerializeImp.h"
#include "grid/engine/GXStylesMap.h"
#include "grid/ops/GXSpanCellPool.h"

#include "win/AfxResource.h"

#include <algorithm>
#include <memory>

namespace {

const WORD kStylesMapSchema = 2;
const WORD kStyleArraySchema = 1;
const WORD kDataSchema = 1;
const WORD kPropertiesSchema = 4;
const WORD kParamSchema = 10;
const DWORD kEndOfArray = 0xFFFFFFFF;

void CheckSchema(WORD nSchema, WORD nWritten)
{
    if (nSchema > nWritten)
        AfxThrowArchiveException(CArchiveException::badSchema);
}

// A count that goes into a WORD of a stored form.
void CheckWordCount(size_t nCount)
{
    if (nCount > 0xFFFF)
        AfxThrowArchiveException(CArchiveException::generic);
}

// ---- style arrays -------------------------------------------------------------------------------

// What the loading of one cell data store (or of one array) may allocate for its style arrays: the
// entries that stored styles need, and the padding that gives an array its stored size when its
// last entries are empty. Padding has its own allowance, so that a legitimate entry never fails
// because earlier arrays were padded; an array that would exceed it stays as long as its entries.
struct LoadBudget {
    uint64_t nEntries = GX_MAX_LOADED_STYLE_SLOTS;
    uint64_t nPadding = GX_MAX_LOADED_STYLE_SLOTS;
};

// Reads an array's size (an array holds at most 0x7FFFFFFE entries).
DWORD LoadArraySize(CArchive& ar)
{
    const DWORD nSize = GXReadDword(ar);
    if (nSize >= 0x7FFFFFFF)
        AfxThrowArchiveException(CArchiveException::badIndex);
    return nSize;
}

// The index of the next entry; FALSE at the end marker. The array's entries up to the index are
// charged to the budget before anything is allocated for them.
BOOL LoadArrayIndex(CArchive& ar, const CPtrArray& array, DWORD nSize, LoadBudget& budget, int32_t& rnIndex)
{
    const DWORD nIndex = GXReadDword(ar);
    if (nIndex == kEndOfArray)
        return FALSE;
    if (nIndex >= nSize)
        AfxThrowArchiveException(CArchiveException::badIndex);
    if (nIndex >= DWORD(array.GetSize())) {
        const uint64_t nMore = uint64_t(nIndex) + 1 - uint64_t(array.GetSize());
        if (nMore > budget.nEntries)
            AfxThrowMemoryException();
        budget.nEntries -= nMore;
    }
    rnIndex = int32_t(nIndex);
    return TRUE;
}

// Gives a loaded array its stored size when the padding allowance covers it.
void PadArray(CPtrArray& array, DWORD nSize, LoadBudget& budget)
{
    if (nSize <= DWORD(array.GetSize()))
        return;
    const uint64_t nMore = uint64_t(nSize) - uint64_t(array.GetSize());
    if (nMore > budget.nPadding)
        return;
    budget.nPadding -= nMore;
    array.SetSize(int32_t(nSize));
}

// The frame both array forms share: schema, size, per non-empty entry its index and its form
// (storeEntry(i) writes entry i), the end marker.
template <class TStoreEntry>
void StoreArrayFrame(const CPtrArray& array, CArchive& ar, TStoreEntry storeEntry)
{
    ar << kStyleArraySchema << DWORD(array.GetSize());
    for (int32_t i = 0; i < array.GetSize(); ++i)
        if (array.GetAt(i) != nullptr) {
            ar << DWORD(i);
            storeEntry(i);
        }
    ar << kEndOfArray;
}

// Reads that frame into the emptied array: loadEntry(i) reads the form of entry i and stores it.
template <class TArray, class TLoadEntry>
void LoadArrayFrame(TArray& array, CArchive& ar, LoadBudget& budget, TLoadEntry loadEntry)
{
    CheckSchema(GXReadWord(ar), kStyleArraySchema);
    array.DeleteAll();
    const DWORD nSize = LoadArraySize(ar);
    int32_t nIndex;
    while (LoadArrayIndex(ar, array, nSize, budget, nIndex))
        loadEntry(nIndex);
    PadArray(array, nSize, budget);
}

void StoreStyleArray(const CGXStylePtrArray& array, CArchive& ar)
{
    StoreArrayFrame(array, ar, [&](int32_t i) { ar.WriteObject(array.GetStyle(i)); });
}

void LoadStyleArray(CGXStylePtrArray& array, CArchive& ar, LoadBudget& budget)
{
    LoadArrayFrame(array, ar, budget, [&](int32_t nIndex) {
        std::unique_ptr<CObject> pStyle(ar.ReadOwnedObject(RUNTIME_CLASS(CGXStyle)));
        if (pStyle)
            array.SetStyle(nIndex, static_cast<CGXStyle*>(pStyle.release()));
    });
}

void StoreStyleArrays(const CGXStylePtrArrayPtrArray& array, CArchive& ar)
{
    StoreArrayFrame(array, ar, [&](int32_t i) { StoreStyleArray(*array.GetRow(i), ar); });
}

void LoadStyleArrays(CGXStylePtrArrayPtrArray& array, CArchive& ar, LoadBudget& budget)
{
    LoadArrayFrame(array, ar, budget, [&](int32_t nIndex) {
        std::unique_ptr<CGXStylePtrArray> pRow(new CGXStylePtrArray);
        LoadStyleArray(*pRow, ar, budget);
        array.SetRow(nIndex, pRow.release());
    });
}

// ---- cell data ----------------------------------------------------------------------------------

void StoreData(const CGXData& data, CArchive& ar)
{
    ar << kDataSchema << DWORD(data.GetRowCount()) << DWORD(data.GetColCount());
    StoreStyleArrays(data.GetCellStyles(), ar);
    StoreStyleArray(data.GetRowBaseStyles(), ar);
    StoreStyleArray(data.GetColBaseStyles(), ar);
}

}  // namespace

// The store's counts are private; the module is its friend.
void CGXGridDocSerializeImp::SerializeData(CGXData& data, CArchive& ar)
{
    if (ar.IsStoring()) {
        StoreData(data, ar);
        return;
    }
    if (GXReadWord(ar) != kDataSchema)
        AfxThrowArchiveException(CArchiveException::badSchema);
    const DWORD nRows = GXReadDword(ar);
    const DWORD nCols = GXReadDword(ar);
    data.DeleteAllStyles();
    LoadBudget budget;
    LoadStyleArrays(data.m_apapCellStyle, ar, budget);
    LoadStyleArray(data.m_apRowBaseStyle, ar, budget);
    LoadStyleArray(data.m_apColBaseStyle, ar, budget);
    data.m_nRows = nRows;
    data.m_nCols = nCols;
}

void CGXGridDocSerializeImp::SerializeStyleArray(CGXStylePtrArray& array, CArchive& ar)
{
    if (ar.IsStoring()) {
        StoreStyleArray(array, ar);
    } else {
        LoadBudget budget;
        LoadStyleArray(array, ar, budget);
    }
}

void CGXGridDocSerializeImp::SerializeStyleArrays(CGXStylePtrArrayPtrArray& array, CArchive& ar)
{
    if (ar.IsStoring()) {
        StoreStyleArrays(array, ar);
    } else {
        LoadBudget budget;
        LoadStyleArrays(array, ar, budget);
    }
}

// ---- styles map ---------------------------------------------------------------------------------

void CGXGridDocSerializeImp::SerializeStylesMap(CGXStylesMap& map, CArchive& ar)
{
    if (ar.IsStoring()) {
        CheckWordCount(map.m_controlNames.size());
        CheckWordCount(map.m_names.size());
        CheckWordCount(map.m_baseStyles.size());
        CheckWordCount(map.m_userAttributes.size());
        ar << kStylesMapSchema << map.m_strSection;
        ar << WORD(map.m_controlNames.size());
        for (const auto& control : map.m_controlNames)
            ar << DWORD(control.first) << control.second;
        ar << WORD(map.m_names.size());
        for (const auto& name : map.m_names)
            ar << WORD(name.second) << name.first;
        ar << WORD(map.m_baseStyles.size());
        for (const auto& entry : map.m_baseStyles) {
            const CGXStylesMap::StyleEntry& e = *entry.second;
            ar << WORD(e.nStyleId) << DWORD(e.nResourceId) << e.strName << BYTE(e.bSystem ? 1 : 0);
            e.pStyle->Serialize(ar, &map);
        }
        ar << WORD(map.m_nNextId);
        ar << WORD(map.m_userAttributes.size());
        for (const auto& attribute : map.m_userAttributes) {
            ar << DWORD(attribute.first);
            attribute.second->pStyle->Serialize(ar, &map);
        }
        return;
    }

    const WORD nSchema = GXReadWord(ar);
    CheckSchema(nSchema, kStylesMapSchema);
    CString strSection;
    ar >> strSection;
    if (!strSection.IsEmpty())
        map.m_strSection = strSection;

    map.RemoveAll();
    map.m_controlNames.clear();
    map.m_userAttributes.clear();

    const WORD nControls = GXReadWord(ar);
    ar.CheckAvailable(uint64_t(nControls) * 5);
    for (WORD i = 0; i < nControls; ++i) {
        const DWORD nId = GXReadDword(ar);
        CString strName;
        ar >> strName;
        map.m_controlNames[WORD(nId)] = strName;
    }

    const WORD nNames = GXReadWord(ar);
    ar.CheckAvailable(uint64_t(nNames) * 3);
    for (WORD i = 0; i < nNames; ++i) {
        GXReadWord(ar);
        CString strName;
        ar >> strName;
    }

    const WORD nStyles = GXReadWord(ar);
    ar.CheckAvailable(uint64_t(nStyles) * 8);
    DWORD nNextFree = 0;
    for (WORD i = 0; i < nStyles; ++i) {
        const WORD nStyleId = GXReadWord(ar);
        const DWORD nResourceId = GXReadDword(ar);
        CString strName;
        ar >> strName;
        const BYTE bSystem = GXReadByte(ar);
        std::unique_ptr<CGXStyle> pStyle(map.CreateStyle());
        pStyle->Serialize(ar, &map);
        if (nResourceId != 0) {
            if (!AfxLoadString(nResourceId, strName))
                strName.Format("STYLE%u", nResourceId);
            map.m_resourceIds[nResourceId] = nStyleId;
        }
        map.m_names[strName] = nStyleId;
        std::unique_ptr<CGXStylesMap::StyleEntry> pEntry(
            new CGXStylesMap::StyleEntry{nStyleId, nResourceId, strName, std::move(pStyle), bSystem != 0});
        map.m_baseStyles[nStyleId] = std::move(pEntry);
        nNextFree = std::max<DWORD>(nNextFree, DWORD(nStyleId) + 1);
    }
    const WORD nNextId = GXReadWord(ar);
    // a next id at or below a loaded style's id would hand that id out again
    map.m_nNextId = WORD(std::max<DWORD>(nNextId, std::min<DWORD>(nNextFree, 0xFFFF)));

    if (nSchema > 1) {
        const WORD nAttributes = GXReadWord(ar);
        ar.CheckAvailable(uint64_t(nAttributes) * 14);
        for (WORD i = 0; i < nAttributes; ++i) {
            const WORD nId = WORD(GXReadDword(ar));
            std::unique_ptr<CGXStyle> pStyle(map.CreateStyle());
            pStyle->Serialize(ar, &map);
            CString strName;
            if (!AfxLoadString(nId, strName))
                strName.Format("UA%u", unsigned(nId));
            map.m_userAttributes[nId].reset(new CGXStylesMap::UserAttributeEntry{nId, strName, std::move(pStyle)});
        }
    }
    map.LookupStandardIds();
}

// ---- properties ---------------------------------------------------------------------------------

void CGXGridDocSerializeImp::SerializeProperties(CGXProperties& p, CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << kPropertiesSchema;
        p.m_colorValues.Serialize(ar);
        CStringArray unused;
        unused.Serialize(ar);
        ar << BYTE(p.m_bDisplayVertLines ? 1 : 0) << BYTE(p.m_bDisplayHorzLines ? 1 : 0) << BYTE(p.m_b3dHeader ? 1 : 0)
           << BYTE(p.m_bMarkRowHeader ? 1 : 0) << BYTE(p.m_bMarkColHeader ? 1 : 0);
        ar << p.m_strSection << LONG(p.m_nZoom);
        for (const auto& entry : p.m_userProperties) {
            ar << DWORD(entry.first) << entry.second->strName;
            ar.WriteObject(entry.second->pStyle.get());
        }
        ar << DWORD(0);
        ar << LONG(p.m_bPrintVertLines) << LONG(p.m_bPrintHorzLines) << LONG(p.m_nPageOrder) << LONG(p.m_bBlackWhite)
           << LONG(p.m_bPrintRowHeaders) << LONG(p.m_bCenterVertical) << LONG(p.m_bCenterHorizontal)
           << LONG(p.m_nTopMargin) << LONG(p.m_nLeftMargin) << LONG(p.m_nRightMargin) << LONG(p.m_nBottomMargin)
           << LONG(p.m_bPrintFrame) << LONG(p.m_nDistHeader) << LONG(p.m_nDistFooter) << LONG(p.m_nFirstPage);
        ar << p.m_awOptions[0] << p.m_awOptions[1];
        p.m_adwValues1.Serialize(ar);
        p.m_adwValues2.Serialize(ar);
        SerializeData(p.m_dataFooter, ar);
        SerializeData(p.m_dataHeader, ar);
        ar << LONG(p.m_bPrintColHeaders);
        return;
    }

    const WORD nSchema = GXReadWord(ar);
    CheckSchema(nSchema, kPropertiesSchema);
    p.m_colorValues.Serialize(ar);
    CStringArray unused;
    unused.Serialize(ar);
    p.m_colorValues.SetSize(p.m_colorNames.GetSize());
    p.m_bDisplayVertLines = GXReadByte(ar);
    p.m_bDisplayHorzLines = GXReadByte(ar);
    p.m_b3dHeader = GXReadByte(ar);
    p.m_bMarkRowHeader = GXReadByte(ar);
    p.m_bMarkColHeader = GXReadByte(ar);
    CString strSection;
    ar >> strSection;
    if (!strSection.IsEmpty())
        p.m_strSection = strSection;
    p.m_nZoom = LONG(GXReadDword(ar));
    for (;;) {
        const DWORD nId = GXReadDword(ar);
        if (nId == 0)
            break;
        CString strName;
        ar >> strName;
        std::unique_ptr<CObject> pOb(ar.ReadOwnedObject(RUNTIME_CLASS(CGXStyle)));
        std::unique_ptr<CGXStyle> pStyle(pOb ? static_cast<CGXStyle*>(pOb.release()) : new CGXStyle);
        auto it = p.m_userProperties.find(WORD(nId));
        if (it != p.m_userProperties.end())
            it->second->pStyle = std::move(pStyle);
        else
            p.m_userProperties[WORD(nId)].reset(new CGXProperties::UserPropertyEntry{WORD(nId), strName, std::move(pStyle)});
    }
    p.m_bPrintVertLines = LONG(GXReadDword(ar));
    p.m_bPrintHorzLines = LONG(GXReadDword(ar));
    p.m_nPageOrder = LONG(GXReadDword(ar));
    p.m_bBlackWhite = LONG(GXReadDword(ar));
    p.m_bPrintRowHeaders = LONG(GXReadDword(ar));
    p.m_bCenterVertical = LONG(GXReadDword(ar));
    p.m_bCenterHorizontal = LONG(GXReadDword(ar));
    p.m_nTopMargin = LONG(GXReadDword(ar));
    p.m_nLeftMargin = LONG(GXReadDword(ar));
    p.m_nRightMargin = LONG(GXReadDword(ar));
    p.m_nBottomMargin = LONG(GXReadDword(ar));
    p.m_bPrintFrame = LONG(GXReadDword(ar));
    p.m_nDistHeader = LONG(GXReadDword(ar));
    p.m_nDistFooter = LONG(GXReadDword(ar));
    p.m_nFirstPage = LONG(GXReadDword(ar));
    p.m_awOptions[0] = GXReadWord(ar);
    p.m_awOptions[1] = GXReadWord(ar);
    if (nSchema >= 3) {
        p.m_adwValues1.Serialize(ar);
        p.m_adwValues2.Serialize(ar);
    }
    SerializeData(p.m_dataFooter, ar);
    SerializeData(p.m_dataHeader, ar);
    if (nSchema == 2 || nSchema > 3)
        p.m_bPrintColHeaders = LONG(GXReadDword(ar));
}

// ---- parameters ---------------------------------------------------------------------------------

namespace {

// Reads a tagged object that nobody keeps.
void SkipObject(CArchive& ar)
{
    delete ar.ReadOwnedObject(nullptr);
}

// Reads a pool into slot n of the parameter object through the process-wide pool module (skipped
// without the module).
void ReadSpanPool(CArchive& ar, CGXGridParam& param, CGXGridParam::SpanPool n)
{
    GridLibraryState* pState = GXGetLibraryState();
    if (pState->m_pSpanCellPoolImp == nullptr)
        SkipObject(ar);
    else
        param.SetSpanPool(n, pState->m_pSpanCellPoolImp->ReadPool(ar));
}

void ReadDelayedRangePool(CArchive& ar, CGXGridParam& param, CGXGridParam::DelayedRangePool n)
{
    GridLibraryState* pState = GXGetLibraryState();
    if (pState->m_pDelayedRangePoolImp == nullptr)
        SkipObject(ar);
    else
        param.SetDelayedRangePool(n, pState->m_pDelayedRangePoolImp->ReadPool(ar));
}

}  // namespace

void CGXGridDocSerializeImp::SerializeParam(CGXGridParam& param, CArchive& ar)
{
    CGXGridParam& q = param;
    if (ar.IsStoring()) {
        const BYTE abBytes[18] = {q.m_abOptions[0], q.m_abOptions[1], q.m_abOptions[2], BYTE(q.m_bUndoEnabled ? 1 : 0),
                                  q.m_abOptions[3], q.m_abOptions[4], q.m_abOptions[2], q.m_abOptions[1],
                                  q.m_abOptions[5], q.m_abOptions[6], BYTE(q.m_bOwnData ? 1 : 0),
                                  BYTE(q.m_bOwnPrintDevice ? 1 : 0), BYTE(q.m_bOwnProperties ? 1 : 0),
                                  BYTE(q.m_bOwnStylesMap ? 1 : 0), q.m_abOptions[7], q.m_abOptions[8],
                                  BYTE(q.m_bReadOnlyGuard ? 1 : 0), BYTE(q.m_bImmediateUpdate ? 1 : 0)};
        ar << kParamSchema;
        for (BYTE b : abBytes)
            ar << b;
        ar << q.m_wSelectMode << q.m_wRowSizing << q.m_wColSizing;
        ar << DWORD(q.m_nFrozenRows) << DWORD(q.m_nFrozenCols) << LONG(q.m_nDefaultColWidth)
           << LONG(q.m_nDefaultRowHeight);
        ar << q.m_strTitle;
        for (WORD w : q.m_awOptions)
            ar << w;
        ar << DWORD(q.m_nHeaderRows) << DWORD(q.m_nHeaderCols);

        if (q.m_bOwnStylesMap)
            ar.WriteObject(q.m_pStylesMap);
        {
            const CGXArchiveStylesMap scope(ar, q.m_pStylesMap);
            if (q.m_bOwnData)
                ar.WriteObject(q.m_pData);
            if (q.m_bOwnProperties)
                ar.WriteObject(q.m_pProperties);
        }
        if (q.m_bOwnPrintDevice)
            ar.WriteObject(q.m_pPrintDevice);

        q.m_rangeList1.Serialize(ar);
        q.m_rangeList2.Serialize(ar);
        q.m_rowHeights.Serialize(ar);
        q.m_colWidths.Serialize(ar);
        ar.WriteObject(q.m_apStoredObjects[0]);
        ar.WriteObject(q.m_apStoredObjects[1]);

        ar << q.m_abOptions[9];
        ar << q.m_abOptions3[0] << q.m_abOptions3[1];
        ar << q.m_adwOptions3[0] << q.m_adwOptions3[1] << q.m_adwOptions3[2];
        ar << q.m_wAllowSelection;
        ar << q.m_bOption5 << q.m_wOption5 << q.m_dwOption5;
        for (BYTE b : q.m_abOptions6)
            ar << b;
        ar << q.m_wFloatCellsMode;
        ar.WriteObject(q.m_apSpanPools[CGXGridParam::gxFloatPool]);
        ar.WriteObject(q.m_apDelayedPools[CGXGridParam::gxFloatDelayed]);
        ar << q.m_wMergeCellsMode;
        ar.WriteObject(q.m_apSpanPools[CGXGridParam::gxMergeHorzPool]);
        ar.WriteObject(q.m_apSpanPools[CGXGridParam::gxMergeVertPool]);
        ar.WriteObject(q.m_apDelayedPools[CGXGridParam::gxMergeDelayed]);
        ar << q.m_wOption6;
        for (BYTE b : q.m_abOptions8)
            ar << b;
        ar << q.m_wOption9;
        ar << q.m_bOption10;
        return;
    }

    const WORD nSchema = GXReadWord(ar);
    CheckSchema(nSchema, kParamSchema);
    // nothing keeps a pointer to an object deleted here: what the archive does not own stays null
    q.DeleteOwnedObjects();

    BYTE b[18];
    for (BYTE& by : b)
        by = GXReadByte(ar);
    q.m_abOptions[0] = b[0];
    q.m_abOptions[1] = b[1];
    q.m_abOptions[2] = b[2];
    q.m_bUndoEnabled = b[3];
    q.m_abOptions[3] = b[4];
    q.m_abOptions[4] = b[5];
    q.m_abOptions[5] = b[8];
    q.m_abOptions[6] = b[9];
    const bool bOwnData = b[10] != 0;
    const bool bOwnPrintDevice = b[11] != 0;
    const bool bOwnProperties = b[12] != 0;
    const bool bOwnStylesMap = b[13] != 0;
    q.m_abOptions[7] = b[14];
    q.m_abOptions[8] = b[15];
    q.m_bReadOnlyGuard = b[16];
    q.m_bImmediateUpdate = b[17];
    q.m_wSelectMode = GXReadWord(ar);
    q.m_wRowSizing = GXReadWord(ar);
    q.m_wColSizing = GXReadWord(ar);
    q.m_nFrozenRows = GXReadDword(ar);
    q.m_nFrozenCols = GXReadDword(ar);
    q.m_nDefaultColWidth = LONG(GXReadDword(ar));
    q.m_nDefaultRowHeight = LONG(GXReadDword(ar));
    ar >> q.m_strTitle;
    for (WORD& w : q.m_awOptions)
        w = GXReadWord(ar);
    q.m_nHeaderRows = GXReadDword(ar);
    q.m_nHeaderCols = GXReadDword(ar);

    if (bOwnStylesMap)
        q.SetStylesMap(static_cast<CGXStylesMap*>(ar.ReadOwnedObject(RUNTIME_CLASS(CGXStylesMap))), TRUE);
    {
        const CGXArchiveStylesMap scope(ar, q.m_pStylesMap);
        if (bOwnData)
            q.SetData(static_cast<CGXData*>(ar.ReadOwnedObject(RUNTIME_CLASS(CGXData))), TRUE);
        if (bOwnProperties)
            q.SetProperties(static_cast<CGXProperties*>(ar.ReadOwnedObject(RUNTIME_CLASS(CGXProperties))), TRUE);
    }
    if (bOwnPrintDevice)
        q.SetPrintDevice(static_cast<CGXPrintDevice*>(ar.ReadOwnedObject(RUNTIME_CLASS(CGXPrintDevice))), TRUE);

    q.m_rangeList1.DeleteAll();
    q.m_rangeList2.DeleteAll();
    q.m_rangeList1.Serialize(ar);
    q.m_rangeList2.Serialize(ar);
    q.NotifyRangeListsLoaded();
    q.m_rowHeights.RemoveAll();
    q.m_rowHeights.InitHashTable(1021);
    q.m_rowHeights.Serialize(ar);
    q.m_colWidths.RemoveAll();
    q.m_colWidths.InitHashTable(257);
    q.m_colWidths.Serialize(ar);
    for (CObject*& pOb : q.m_apStoredObjects) {
        delete pOb;
        pOb = nullptr;
        pOb = ar.ReadOwnedObject(nullptr);
    }

    if (nSchema > 1)
        q.m_abOptions[9] = GXReadByte(ar);
    if (nSchema > 2) {
        q.m_abOptions3[0] = GXReadByte(ar);
        q.m_abOptions3[1] = GXReadByte(ar);
        for (DWORD& dw : q.m_adwOptions3)
            dw = GXReadDword(ar);
    }
    if (nSchema > 3)
        q.m_wAllowSelection = GXReadWord(ar);
    if (nSchema > 4) {
        q.m_bOption5 = GXReadByte(ar);
        q.m_wOption5 = GXReadWord(ar);
        q.m_dwOption5 = GXReadDword(ar);
    }
    if (nSchema > 5) {
        for (BYTE& by : q.m_abOptions6)
            by = GXReadByte(ar);
        q.m_wFloatCellsMode = GXReadWord(ar);
        ReadSpanPool(ar, q, CGXGridParam::gxFloatPool);
        ReadDelayedRangePool(ar, q, CGXGridParam::gxFloatDelayed);
        q.m_wMergeCellsMode = GXReadWord(ar);
        ReadSpanPool(ar, q, CGXGridParam::gxMergeHorzPool);
        ReadSpanPool(ar, q, CGXGridParam::gxMergeVertPool);
        ReadDelayedRangePool(ar, q, CGXGridParam::gxMergeDelayed);
        q.m_wOption6 = GXReadWord(ar);
        // the spans are worked out again, in the pools the modes need
        q.MatchSpanPoolsToModes();
        q.ResetSpanPools();
    }
    if (nSchema > 7)
        for (BYTE& by : q.m_abOptions8)
            by = GXReadByte(ar);
    if (nSchema > 8)
        q.m_wOption9 = GXReadWord(ar);
    if (nSchema > 9)
        q.m_bOption10 = GXReadByte(ar);
}

void InstallGlobalGridDocSerializeImp()
{
    GXInstallLibraryModule<CGXGridDocSerializeImp>(GXGetLibraryState()->m_pDocSerializeImp);
}

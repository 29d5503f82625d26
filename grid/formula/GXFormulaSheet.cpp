// CGXFormulaSheet: the grid's cell data over the formula engine (see GXFormulaSheet.h).
#include "grid/formula/GXFormulaSheet.h"

#include "grid/engine/GXCellBrush.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStylesMap.h"
#include "grid/formula/GXBlockOps.h"
#include "grid/formula/GXCellPool.h"
#include "grid/formula/GXEngineCells.h"
#include "grid/formula/GXEngineState.h"
#include "grid/formula/GXFormulaErrors.h"
#include "grid/formula/GXFormulaEvaluator.h"
#include "grid/formula/GXFormulaParser.h"
#include "grid/formula/GXFormulaPrinter.h"
#include "grid/formula/GXRangeNames.h"
#include "grid/formula/GXRecalculation.h"

#include "win/COleDateTime.h"

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

IMPLEMENT_DYNAMIC(CGXFormulaUndoInfo, CGXUndoEngineCellsInfo)
IMPLEMENT_SERIAL(CGXFormulaSheet, CGXData, 0)

namespace {

const char kConstraintStyle[] = "Constraint Violation";

// The engine place of grid cell (nRow, nCol); false when it lies beyond the engine's sheet.
bool EnginePlace(ROWCOL nRow, ROWCOL nCol, int32_t& nEngineRow, int32_t& nEngineCol)
{
    if (nRow > ROWCOL(kEngineMaxRow) || nCol > ROWCOL(kEngineMaxCol) + 1)
        return false;
    nEngineRow = nRow < 1 ? 1 : int32_t(nRow);
    nEngineCol = nCol < 1 ? 0 : int32_t(nCol) - 1;
    return true;
}

// The engine row (column) of a grid row (column) number, clamped to the sheet.
int32_t EngineRowOf(ROWCOL nRow)
{
    return nRow < 1 ? 1 : nRow > ROWCOL(kEngineMaxRow) ? kEngineMaxRow : int32_t(nRow);
}

int32_t EngineColOf(ROWCOL nCol)
{
    return nCol < 1 ? 0 : nCol > ROWCOL(kEngineMaxCol) + 1 ? kEngineMaxCol : int32_t(nCol) - 1;
}

// A count of rows or columns as the engine takes it (more than the sheet holds is all of it).
int32_t EngineCountOf(ROWCOL nCount)
{
    return nCount > ROWCOL(kEngineMaxRow) ? kEngineMaxRow : int32_t(nCount);
}

// The engine block of the inner cells of a grid range; invalid when none lies on the engine's sheet.
CellRangeRef EngineBlockOf(const CGXCellRange& range)
{
    const ROWCOL nTop = range.IsCols() || range.IsTable() ? 1 : range.top;
    const ROWCOL nBottom = range.IsCols() || range.IsTable() ? ROWCOL(kEngineMaxRow) : range.bottom;
    const ROWCOL nLeft = range.IsRows() || range.IsTable() ? 1 : range.left;
    const ROWCOL nRight = range.IsRows() || range.IsTable() ? ROWCOL(kEngineMaxCol) + 1 : range.right;
    if (!range.IsValid() || nTop > ROWCOL(kEngineMaxRow) || nLeft > ROWCOL(kEngineMaxCol) + 1 || nBottom < 1 ||
        nRight < 1) {
        CellRangeRef none = {};
        none.nColumns = CellRangeRef::kBroken;
        return none;
    }
    return EngineMakeReference(EngineRowOf(nTop), EngineColOf(nLeft), EngineRowOf(nBottom), EngineColOf(nRight), 0);
}

// Number formats that show a date or a time.
bool IsDateFormat(UINT nFormat)
{
    return nFormat == 8 || nFormat == 9 || nFormat == 10 || nFormat == 11 || nFormat == 13 || nFormat == 18;
}

// pszText read as a number: through the number-formatting module when the library has one, else in
// the C locale (the whole text, spaces around it allowed).
bool ReadNumber(const char* pszText, double& dValue)
{
    const GridLibraryState* pState = GridLibraryState::GetIfAlive();
    if (pState != nullptr && pState->m_pNumberFormattingImp != nullptr) {
        UINT nFormat = 0, nPlaces = 0;
        return GetDrawingAndFormatting()->ParseValue(pszText, dValue, nFormat, nPlaces) != FALSE;
    }
    const char* p = pszText;
    while (*p == ' ' || *p == '\t')
        ++p;
    if (*p == '\0')
        return false;
    const char* pEnd = nullptr;
    const double d = AfxStrToDouble(p, &pEnd);
    if (pEnd == p || !std::isfinite(d))
        return false;
    while (*pEnd == ' ' || *pEnd == '\t')
        ++pEnd;
    if (*pEnd != '\0')
        return false;
    dValue = d;
    return true;
}

CObject* CloneCellStyle(const CObject& style)
{
    return static_cast<const CGXStyle&>(style).Clone();
}

// Appends the list pOld behind the list pNew; returns the joined list.
EngineCell* JoinLists(EngineCell* pNew, EngineCell* pOld)
{
    if (pNew == nullptr)
        return pOld;
    EngineCell* pLast = pNew;
    while (pLast->pNext != nullptr)
        pLast = pLast->pNext;
    pLast->pNext = pOld;
    return pNew;
}

// Takes the engine's recorded cells out of the sheet.
EngineCell* TakeRecorded(EngineSheet& sheet)
{
    EngineCell* pList = sheet.pRecordedCells;
    sheet.pRecordedCells = nullptr;
    return pList;
}

// Sets the sheet's undo switch for as long as it lives.
class RecordingScope {
public:
    RecordingScope(EngineSheet& sheet, bool bRecord) : m_sheet(sheet), m_bOld(sheet.bRecordUndo)
    {
        sheet.bRecordUndo = bRecord;
    }
    ~RecordingScope() { m_sheet.bRecordUndo = m_bOld; }
    RecordingScope(const RecordingScope&) = delete;
    RecordingScope& operator=(const RecordingScope&) = delete;

private:
    EngineSheet& m_sheet;
    bool m_bOld;
};

// Points the named items of pFormula at the records of sheet h with their names (a copied or saved
// formula still names the records of another sheet, or of a deletion).
void NameRecordsOf(SheetHandle h, CompiledFormula* pFormula)
{
    for (int16_t i = 0; pFormula != nullptr && i < pFormula->nItems; i++) {
        FormulaItem& item = pFormula->pItems[i];
        if ((item.nKind == kItemNamedCell || item.nKind == kItemNamedRange) && item.u.pName != nullptr)
            item.u.pName = EngineFindName(h, item.u.pName->pszName);
    }
}

void ThrowBadArchive()
{
    AfxThrowArchiveException(CArchiveException::generic);
}

}  // namespace

// ---- the undo record ---------------------------------------------------------------------------

CGXFormulaUndoInfo::~CGXFormulaUndoInfo()
{
    EngineFreeCellList(m_pCellsBefore);
    EngineFreeCellList(m_pCellsAfter);
    EngineFreeNameList(m_pNames);
}

void CGXFormulaUndoInfo::SetCellsBefore(EngineCell* pNew)
{
    EngineFreeCellList(m_pCellsBefore);
    m_pCellsBefore = pNew;
}

void CGXFormulaUndoInfo::SetCellsAfter(EngineCell* pNew)
{
    EngineFreeCellList(m_pCellsAfter);
    m_pCellsAfter = pNew;
}

void CGXFormulaUndoInfo::SetNames(RangeName* pNew)
{
    EngineFreeNameList(m_pNames);
    m_pNames = pNew;
}

// ---- life ----------------------------------------------------------------------------------------

CGXFormulaSheet::CGXFormulaSheet()
{
    EngineSetStyleCloner(&CloneCellStyle);
    m_hSheet = EngineCreateSheet();
    EngineGetSheet(m_hSheet)->pOwner = this;
}

CGXFormulaSheet::~CGXFormulaSheet()
{
    delete m_pPendingUndo;
    if (EngineGetSheet(m_hSheet) != nullptr)
        EngineReleaseSheet(m_hSheet);
}

void CGXFormulaSheet::ResetEngine()
{
    delete m_pPendingUndo;
    m_pPendingUndo = nullptr;
    if (EngineGetSheet(m_hSheet) != nullptr)
        EngineReleaseSheet(m_hSheet);
    EngineSetStyleCloner(&CloneCellStyle);
    m_hSheet = EngineCreateSheet();
    EngineGetSheet(m_hSheet)->pOwner = this;
    EngineGetSheet(m_hSheet)->bRecordUndo = m_nOptionWord != 0;
}

void CGXFormulaSheet::DeleteAllStyles()
{
    CGXData::DeleteAllStyles();
    ResetEngine();
}

void CGXFormulaSheet::AdjustParamOptions(CGXGridParam& param)
{
    param.GetControlOptions().bEnteredValues = TRUE;
}

EngineCell* CGXFormulaSheet::FindCell(ROWCOL nRow, ROWCOL nCol) const
{
    int32_t r = 0, c = 0;
    return EnginePlace(nRow, nCol, r, c) ? EngineFindCell(m_hSheet, r, c) : nullptr;
}

// The cell at an inner place, an empty text cell made when none is there; null off the sheet.
EngineCell* CGXFormulaSheet::ValueCell(ROWCOL nRow, ROWCOL nCol)
{
    int32_t r = 0, c = 0;
    if (!EnginePlace(nRow, nCol, r, c))
        return nullptr;
    EngineCell* pCell = EngineFindCell(m_hSheet, r, c);
    if (pCell == nullptr || pCell->Type() == kCellPlaceholder) {
        pCell = EngineStoreText(m_hSheet, r, c, "");
        EngineSetCellKind(pCell, kValueEmpty);
    }
    return pCell;
}

void CGXFormulaSheet::EvaluateIfNeeded(EngineCell* pCell) const
{
    if (pCell == nullptr || pCell->Type() != kCellFormula || (pCell->nFlags & kCellEvaluated) != 0)
        return;
    const EnginePoolLock lock(m_hSheet);
    EngineEvaluateWithPrecedents(m_hSheet, pCell);
}

CGXStylesMap* CGXFormulaSheet::StylesMap() const
{
    const GridLibraryState* pState = GridLibraryState::GetIfAlive();
    CGXGridCore* pGrid = pState != nullptr ? pState->FindFirstGridOf(this) : nullptr;
    CGXGridParam* pParam = pGrid != nullptr ? pGrid->GetParam() : nullptr;
    return pParam != nullptr ? pParam->GetStylesMap() : nullptr;
}

WORD CGXFormulaSheet::ConstraintStyleId() const
{
    CGXStylesMap* pMap = StylesMap();
    if (pMap == nullptr)
        return 0;
    m_nConstraintStyleId = pMap->GetBaseStyleIdByName(kConstraintStyle);
    if (m_nConstraintStyleId == 0) {
        CGXStyle style;
        style.SetInterior(CGXCellBrush(CGXCellBrush::gxSolid, RGB(255, 0, 0)));
        m_nConstraintStyleId = pMap->RegisterStyle(kConstraintStyle, style, FALSE);
    }
    return m_nConstraintStyleId;
}

CGXFormulaUndoInfo& CGXFormulaSheet::PendingUndo()
{
    if (m_pPendingUndo == nullptr)
        m_pPendingUndo = new CGXFormulaUndoInfo;
    return *m_pPendingUndo;
}

// ---- cell values ---------------------------------------------------------------------------------

BOOL CGXFormulaSheet::SetFormulaText(ROWCOL nRow, ROWCOL nCol, const char* pszText)
{
    int32_t r = 0, c = 0;
    if (!EnginePlace(nRow, nCol, r, c) || pszText == nullptr || pszText[0] != '=')
        return FALSE;
    EngineSheet& sheet = *EngineGetSheet(m_hSheet);
    EngineCell* pCell = EngineStoreFormula(m_hSheet, r, c, pszText);
    if (pCell == nullptr) {
        const GX_ENGINE_STATE& state = EngineState();
        CString message;
        message.Format("Cell %s%d: ERROR: %s (Pos %d)", EngineColumnLetters(c), r, EngineErrorText(state.m_nLastError),
                       state.m_nLastErrorPos);
        const size_t nLength = std::min(size_t(message.GetLength()), sizeof sheet.szMessage - 1);
        std::memcpy(sheet.szMessage, message.GetString(), nLength);
        sheet.szMessage[nLength] = '\0';
        sheet.bMessageArmed = false;
        return FALSE;
    }
    pCell->nFlags |= kCellChanged;
    if (pCell->Type() == kCellFormula) {
        const EnginePoolLock lock(m_hSheet);
        pCell->nFlags = (pCell->nFlags | kCellNeedsRecalc) & ~kCellEvaluated;
        EngineEvaluateWithPrecedents(m_hSheet, pCell);
    }
    CollectUndoInfo(TRUE, FALSE);
    return TRUE;
}

BOOL CGXFormulaSheet::SetTextValue(ROWCOL nRow, ROWCOL nCol, const char* pszText)
{
    int32_t r = 0, c = 0;
    if (!EnginePlace(nRow, nCol, r, c))
        return FALSE;
    EngineCell* pCell = EngineStoreText(m_hSheet, r, c, pszText);
    if (pszText == nullptr || pszText[0] == '\0')
        EngineSetCellKind(pCell, kValueEmpty);
    pCell->nFlags |= kCellChanged;
    return TRUE;
}

BOOL CGXFormulaSheet::SetNumberValue(ROWCOL nRow, ROWCOL nCol, double dValue)
{
    int32_t r = 0, c = 0;
    if (!EnginePlace(nRow, nCol, r, c))
        return FALSE;
    EngineStoreNumber(m_hSheet, r, c, dValue)->nFlags |= kCellChanged;
    return TRUE;
}

BOOL CGXFormulaSheet::SetNumberFormat(ROWCOL nRow, ROWCOL nCol, UINT nFormat, UINT nPlaces)
{
    EngineCell* pCell = ValueCell(nRow, nCol);
    if (pCell == nullptr)
        return FALSE;
    const GridLibraryState* pState = GridLibraryState::GetIfAlive();
    CGXGridCore* pGrid = pState != nullptr ? pState->FindFirstGridOf(this) : nullptr;
    CGXStyle* pStyle = pGrid != nullptr ? pGrid->CreateStyle() : new CGXStyle;
    try {
        pStyle->SetFormat(nFormat).SetPlaces(nPlaces);
        if (pCell->pStyle != nullptr)
            static_cast<CGXStyle*>(pCell->pStyle)->ChangeStyle(*pStyle, CGXStyle::gxOverride);
        else
            pCell->pStyle = pStyle->Clone();
    } catch (CException*) {
        pGrid != nullptr ? pGrid->RecycleStyle(pStyle) : delete pStyle;
        throw;
    }
    pGrid != nullptr ? pGrid->RecycleStyle(pStyle) : delete pStyle;
    pCell->nFlags |= kCellChanged;
    return TRUE;
}

UINT CGXFormulaSheet::GetNumberFormat(ROWCOL nRow, ROWCOL nCol, UINT* pnPlaces)
{
    const EngineCell* pCell = FindCell(nRow, nCol);
    const CGXStyle* pStyle = pCell != nullptr ? static_cast<const CGXStyle*>(pCell->pStyle) : nullptr;
    if (pStyle == nullptr || !pStyle->GetIncludeFormat())
        return 0;
    if (pnPlaces != nullptr)
        *pnPlaces = pStyle->GetPlaces();
    return pStyle->GetFormat();
}

// What the user typed, in this order: nothing; a number (a date or time format of the cell then
// becomes a plain number format with 15 places, so the number shows as typed); "#N/A" in any case (the
// formula "=NA()"); an apostrophe and a text kept as it stands; a formula; a date or time of the
// user's locale (its serial, with a date, date-and-time or time format unless the cell has a date
// format already); a text.
BOOL CGXFormulaSheet::SetEnteredText(ROWCOL nRow, ROWCOL nCol, const char* pszText)
{
    if (pszText == nullptr || pszText[0] == '\0')
        return SetTextValue(nRow, nCol, "");
    double dValue = 0;
    if (ReadNumber(pszText, dValue)) {
        if (!SetNumberValue(nRow, nCol, dValue))
            return FALSE;
        if (IsDateFormat(GetNumberFormat(nRow, nCol)))
            SetNumberFormat(nRow, nCol, 3, 15);
        return TRUE;
    }
    if (CString(pszText).CompareNoCase("#N/A") == 0)
        return SetFormulaText(nRow, nCol, "=NA()");
    if (pszText[0] == '\'')
        return SetTextValue(nRow, nCol, pszText + 1);
    if (pszText[0] == '=')
        return SetFormulaText(nRow, nCol, pszText);
    COleDateTime date;
    if (date.ParseDateTime(pszText, 0, LANG_USER_DEFAULT)) {
        const double dSerial = DATE(date);
        if (!SetNumberValue(nRow, nCol, dSerial))
            return FALSE;
        const UINT nFormat = GetNumberFormat(nRow, nCol);
        if (nFormat != 8 && nFormat != 9 && nFormat != 10 && nFormat != 11 && nFormat != 18) {
            const double dWhole = std::floor(dSerial);
            SetNumberFormat(nRow, nCol, dSerial == dWhole ? 11 : dWhole != 0 ? 18 : 13, 0);
        }
        return TRUE;
    }
    return SetTextValue(nRow, nCol, pszText);
}

BOOL CGXFormulaSheet::GetNumberValue(ROWCOL nRow, ROWCOL nCol, double& dValue)
{
    dValue = 0;
    EngineCell* pCell = FindCell(nRow, nCol);
    EvaluateIfNeeded(pCell);
    if (pCell == nullptr || pCell->ValueKind() != kValueNumber)
        return FALSE;
    dValue = pCell->value.dNumber;
    return TRUE;
}

BOOL CGXFormulaSheet::GetValueText(ROWCOL nRow, ROWCOL nCol, CString& strText)
{
    FormatCellValue(FindCell(nRow, nCol), strText);
    return TRUE;
}

BOOL CGXFormulaSheet::GetFormulaText(ROWCOL nRow, ROWCOL nCol, CString& strText)
{
    FormatCellFormula(FindCell(nRow, nCol), strText);
    return TRUE;
}

void CGXFormulaSheet::FormatCellValue(EngineCell* pCell, CString& strText)
{
    strText.Empty();
    if (pCell == nullptr)
        return;
    EvaluateIfNeeded(pCell);
    if ((pCell->nFlags & kCellInCycle) != 0 && EngineGetSheet(m_hSheet)->nIterationLimit <= 0) {
        strText = "Cycle!";
        return;
    }
    switch (pCell->ValueKind()) {
    case kValueEmpty: break;
    case kValueNotAvailable: strText = "#N/A"; break;
    case kValueError: strText = "Error!"; break;
    case kValueNumber: strText.Format("%.14g", pCell->value.dNumber); break;
    case kValueLongText:
    case kValueShortText: strText = EngineCellText(pCell); break;
    default: strText = "Value?"; break;
    }
}

void CGXFormulaSheet::FormatCellFormula(EngineCell* pCell, CString& strText)
{
    strText.Empty();
    if (pCell == nullptr)
        return;
    if (pCell->Type() == kCellFormula || pCell->Type() == kCellConstFormula) {
        strText = EnginePrintFormula(pCell->pFormula);
        return;
    }
    switch (pCell->ValueKind()) {
    case kValueEmpty: break;
    case kValueNotAvailable: strText = "#N/A"; break;
    case kValueError: strText = "Error!"; break;
    case kValueNumber: {
        strText.Format("%.14g", pCell->value.dNumber);
        const CGXStyle* pStyle = static_cast<const CGXStyle*>(pCell->pStyle);
        if (pStyle != nullptr && pStyle->GetIncludeFormat() && IsDateFormat(pStyle->GetFormat())) {
            CString formatted;
            GetDrawingAndFormatting()->FormatValue(formatted, *pStyle, strText, CGXStyle::gxValueNumber);
            strText = formatted;
        }
        break;
    }
    case kValueLongText:
    case kValueShortText: strText = CString("'") + EngineCellText(pCell); break;
    default: strText = "Value?"; break;
    }
}

BOOL CGXFormulaSheet::ParseExpression(const char* pszText, CompiledFormula*& rpFormula)
{
    rpFormula = EngineParseFormula(m_hSheet, pszText);
    return rpFormula != nullptr;
}

BOOL CGXFormulaSheet::EvaluateParsed(const CompiledFormula* pFormula, CString& strText)
{
    strText.Empty();
    if (pFormula == nullptr)
        return FALSE;
    EngineCell* pScratch = EngineAllocCell(nullptr);
    pScratch->nRow = 1;
    pScratch->nCol = 0;
    pScratch->SetType(kCellFormula);
    // the scratch cell borrows the formula
    pScratch->pFormula = const_cast<CompiledFormula*>(pFormula);
    try {
        EngineComputeCell(m_hSheet, pScratch);
        pScratch->nFlags |= kCellEvaluated;
        FormatCellValue(pScratch, strText);
    } catch (CException*) {
        pScratch->pFormula = nullptr;
        EngineFreeCell(pScratch);
        throw;
    }
    const BOOL bResult = pScratch->ValueKind() != kValueError;
    pScratch->pFormula = nullptr;
    EngineFreeCell(pScratch);
    return bResult;
}

BOOL CGXFormulaSheet::EvaluateExpression(CString& strText, const char* pszExpression)
{
    EngineArmMessage(m_hSheet);
    CompiledFormula* pFormula = nullptr;
    if (!ParseExpression(pszExpression, pFormula)) {
        const GX_ENGINE_STATE& state = EngineState();
        strText.Format("ERROR: %s (Pos %d)", EngineErrorText(state.m_nLastError), state.m_nLastErrorPos);
        EnginePutMessage(m_hSheet, strText);
        return FALSE;
    }
    BOOL bResult = FALSE;
    try {
        bResult = EvaluateParsed(pFormula, strText);
    } catch (CException*) {
        EngineFreeFormula(pFormula);
        throw;
    }
    EngineFreeFormula(pFormula);
    return bResult;
}

// ---- styles ----------------------------------------------------------------------------------------

// Stores the value that style holds at an inner cell.
BOOL CGXFormulaSheet::StoreValueOf(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, int nKind)
{
    const CString& value = style.GetValueRef();
    if (style.GetValueType() == CGXStyle::gxValueNumber) {
        double d = 0;
        if (!ReadNumber(value, d))
            d = AfxStrToDouble(value, nullptr);
        return SetNumberValue(nRow, nCol, d);
    }
    if (!value.IsEmpty() && nKind == gxCellValue)
        return SetEnteredText(nRow, nCol, value);
    return SetTextValue(nRow, nCol, value);
}

BOOL CGXFormulaSheet::StoreCellStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int nMode, int nKind)
{
    if (nKind < 0 || nRow == 0 || nCol == 0)
        return CGXData::StoreCellStyle(nRow, nCol, pStyle, nMode, nKind);
    int32_t r = 0, c = 0;
    if (!EnginePlace(nRow, nCol, r, c))
        return FALSE;
    EngineCell* pCell = EngineFindCell(m_hSheet, r, c);
    if (pStyle == nullptr || nMode == 4) {
        EngineRemoveCell(m_hSheet, pCell);
        return TRUE;
    }
    const BOOL bOnlyValue = (pStyle->GetIncludeMask() & ~DWORD(CGXStyle::incValue)) == 0;
    if (nMode == CGXStyle::gxCopy) {
        if (pStyle->IsEmpty()) {
            EngineRemoveCell(m_hSheet, pCell);
            return TRUE;
        }
        if (bOnlyValue && pCell != nullptr) {
            delete pCell->pStyle;
            pCell->pStyle = nullptr;
        }
    } else if (nMode == CGXStyle::gxExclude) {
        if (pCell == nullptr)
            return TRUE;
        if (pStyle->GetIncludeValue()) {
            EngineSetCellKind(pCell, kValueEmpty);
            pCell->nFlags |= kCellChanged;
        }
        if (pCell->pStyle != nullptr)
            static_cast<CGXStyle*>(pCell->pStyle)->ChangeStyle(*pStyle, CGXStyle::gxExclude);
        else if (pCell->pFormula == nullptr)
            EngineRemoveCell(m_hSheet, pCell);
        return TRUE;
    }

    BOOL bResult = TRUE;
    if (pStyle->GetIncludeValue())
        bResult = StoreValueOf(nRow, nCol, *pStyle, nKind);
    if (bOnlyValue)
        return bResult;
    pCell = ValueCell(nRow, nCol);
    CGXStyle* pOwn = static_cast<CGXStyle*>(pCell->pStyle);
    if (pOwn != nullptr) {
        pOwn->ChangeStyle(*pStyle, nMode);
    } else {
        pOwn = pStyle->Clone();
        pCell->pStyle = pOwn;
    }
    // the value lives in the engine, never in the cell's own style
    pOwn->SetIncludeValue(FALSE);
    pCell->nFlags |= kCellChanged;
    return TRUE;
}

BOOL CGXFormulaSheet::GetCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, int nMode, int nKind) const
{
    if (nKind < 0 || nRow == 0 || nCol == 0)
        return CGXData::GetCellStyle(nRow, nCol, style, nMode, nKind);
    EngineCell* pCell = FindCell(nRow, nCol);
    if (pCell == nullptr)
        return FALSE;
    CGXFormulaSheet& self = const_cast<CGXFormulaSheet&>(*this);
    const CGXStyle* pOwn = static_cast<const CGXStyle*>(pCell->pStyle);
    if (pOwn != nullptr) {
        if (nMode == CGXStyle::gxCopy)
            style = *pOwn;
        else
            style.ChangeStyle(*pOwn, nMode);
    } else if (nMode == CGXStyle::gxCopy) {
        style.Free();
    }
    if (nMode != CGXStyle::gxExclude) {
        CString text;
        UINT nValueType = CGXStyle::gxValueText;
        if (nKind == gxCellValue) {
            self.FormatCellFormula(pCell, text);
            nValueType = 2;
        } else {
            self.FormatCellValue(pCell, text);
            const uint32_t nValueKind = pCell->ValueKind();
            if (nValueKind == kValueNotAvailable || nValueKind == kValueError || nValueKind >= 6)
                nValueType = 3;
            else if (nValueKind == kValueNumber)
                nValueType = CGXStyle::gxValueNumber;
        }
        style.SetValue(text);
        style.SetValueType(nValueType);
    }
    if (EngineGetSheet(m_hSheet)->nConstraintCheck != 0 && (pCell->nFlags & kCellConstraintViolated) != 0) {
        const WORD nId = ConstraintStyleId();
        const CGXStyle* pViolation = nullptr;
        if (nId != 0 && StylesMap()->LookupStyle(nId, pViolation))
            style.ChangeStyle(*pViolation, CGXStyle::gxOverride);
        pCell->nFlags |= kCellChanged;
    }
    return TRUE;
}

// ---- structure ---------------------------------------------------------------------------------------

BOOL CGXFormulaSheet::InsertRows(ROWCOL nRow, ROWCOL nCount)
{
    if (nRow <= ROWCOL(kEngineMaxRow))
        EngineInsertRows(m_hSheet, EngineRowOf(nRow), EngineCountOf(nCount));
    CollectUndoInfo(FALSE, TRUE);
    return CGXData::InsertRows(nRow, nCount);
}

BOOL CGXFormulaSheet::InsertCols(ROWCOL nCol, ROWCOL nCount)
{
    if (nCol <= ROWCOL(kEngineMaxCol) + 1)
        EngineInsertCols(m_hSheet, EngineColOf(nCol), EngineCountOf(nCount));
    CollectUndoInfo(FALSE, TRUE);
    return CGXData::InsertCols(nCol, nCount);
}

BOOL CGXFormulaSheet::RemoveRows(ROWCOL nFrom, ROWCOL nTo)
{
    if (nFrom <= nTo && nFrom <= ROWCOL(kEngineMaxRow))
        EngineRemoveRows(m_hSheet, EngineRowOf(nFrom), EngineCountOf(nTo - std::max<ROWCOL>(nFrom, 1) + 1));
    CollectUndoInfo(FALSE, FALSE);
    CollectUndoInfo(FALSE, TRUE);
    return CGXData::RemoveRows(nFrom, nTo);
}

BOOL CGXFormulaSheet::RemoveCols(ROWCOL nFrom, ROWCOL nTo)
{
    if (nFrom <= nTo && nFrom <= ROWCOL(kEngineMaxCol) + 1)
        EngineRemoveCols(m_hSheet, EngineColOf(nFrom), EngineCountOf(nTo - std::max<ROWCOL>(nFrom, 1) + 1));
    CollectUndoInfo(FALSE, FALSE);
    CollectUndoInfo(FALSE, TRUE);
    return CGXData::RemoveCols(nFrom, nTo);
}

BOOL CGXFormulaSheet::MoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
{
    if (nFrom <= nTo && nFrom >= 1 && nDest >= 1 && nDest + (nTo - nFrom) <= ROWCOL(kEngineMaxRow))
        EngineMoveRowsOrCols(m_hSheet, true, int32_t(nFrom), int32_t(nTo), int32_t(nDest));
    CollectUndoInfo(TRUE, FALSE);
    CollectUndoInfo(FALSE, TRUE);
    return CGXData::MoveRows(nFrom, nTo, nDest);
}

BOOL CGXFormulaSheet::MoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
{
    if (nFrom <= nTo && nFrom >= 1 && nDest >= 1 && nDest + (nTo - nFrom) <= ROWCOL(kEngineMaxCol) + 1)
        EngineMoveRowsOrCols(m_hSheet, false, int32_t(nFrom) - 1, int32_t(nTo) - 1, int32_t(nDest) - 1);
    CollectUndoInfo(TRUE, FALSE);
    CollectUndoInfo(FALSE, TRUE);
    return CGXData::MoveCols(nFrom, nTo, nDest);
}

BOOL CGXFormulaSheet::CopyCells(const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol)
{
    const CellRangeRef block = EngineBlockOf(range);
    int32_t r = 0, c = 0;
    if (!block.IsValid() || !EnginePlace(nDestRow, nDestCol, r, c))
        return TRUE;
    EngineCopyBlock(m_hSheet, block, r, c);
    EngineAddRecalcRange(m_hSheet, EngineDestinationBlock(block, r, c));
    CollectUndoInfo(TRUE, TRUE);
    return TRUE;
}

BOOL CGXFormulaSheet::MoveCells(const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol, CObject*& rpUndoInfo,
                                BOOL bCreateUndoInfo)
{
    EngineSheet& sheet = *EngineGetSheet(m_hSheet);
    const CellRangeRef block = EngineBlockOf(range);
    int32_t r = 0, c = 0;
    if (!block.IsValid() || !EnginePlace(nDestRow, nDestCol, r, c))
        return TRUE;
    CGXFormulaUndoInfo* pInfo = dynamic_cast<CGXFormulaUndoInfo*>(rpUndoInfo);
    {
        const RecordingScope recording(sheet, bCreateUndoInfo != FALSE);
        if (pInfo != nullptr)
            EngineRestoreCells(m_hSheet, pInfo->m_pCellsAfter);
        EngineMoveBlock(m_hSheet, block, r, c, false);
        if (pInfo != nullptr)
            EngineRestoreCells(m_hSheet, pInfo->m_pCellsBefore);
    }
    if (bCreateUndoInfo) {
        if (pInfo == nullptr && rpUndoInfo == nullptr) {
            pInfo = new CGXFormulaUndoInfo;
            rpUndoInfo = pInfo;
        }
        if (pInfo != nullptr)
            pInfo->SetCellsBefore(TakeRecorded(sheet));
    }
    EngineAddRecalcRange(m_hSheet, EngineDestinationBlock(block, r, c));
    {
        const RecordingScope recording(sheet, bCreateUndoInfo != FALSE);
        EngineRecalculateEveryFormula(m_hSheet);
    }
    if (bCreateUndoInfo && pInfo != nullptr)
        pInfo->SetCellsAfter(TakeRecorded(sheet));
    else
        EngineFreeCellList(TakeRecorded(sheet));
    return TRUE;
}

namespace {

// The move map as the engine takes it; false when it does not fit the engine's sheet.
bool EngineMoveMap(const CDWordArray& awMoveMap, std::vector<int32_t>& moveMap)
{
    AfxAllocating([&] { moveMap.resize(size_t(awMoveMap.GetSize())); });
    for (int32_t i = 0; i < awMoveMap.GetSize(); i++) {
        if (awMoveMap[i] > DWORD(kEngineMaxRow))
            return false;
        moveMap[size_t(i)] = int32_t(awMoveMap[i]);
    }
    return true;
}

}  // namespace

BOOL CGXFormulaSheet::ReorderRowsAfterSort(const CGXCellRange& range, CDWordArray& awMoveMap)
{
    std::vector<int32_t> moveMap;
    const CellRangeRef block = EngineBlockOf(range);
    if (!EngineMoveMap(awMoveMap, moveMap) || !block.IsValid())
        return FALSE;
    try {
        EngineReorderAfterSort(m_hSheet, true, block, range.IsRows() || range.IsTable(), moveMap);
    } catch (CInvalidArgException* e) {
        e->Delete();
        return FALSE;
    }
    return CGXData::ReorderRowsAfterSort(range, awMoveMap);
}

BOOL CGXFormulaSheet::ReorderColsAfterSort(const CGXCellRange& range, CDWordArray& awMoveMap)
{
    std::vector<int32_t> moveMap;
    const CellRangeRef block = EngineBlockOf(range);
    if (!EngineMoveMap(awMoveMap, moveMap) || !block.IsValid())
        return FALSE;
    try {
        EngineReorderAfterSort(m_hSheet, false, block, range.IsCols() || range.IsTable(), moveMap);
    } catch (CInvalidArgException* e) {
        e->Delete();
        return FALSE;
    }
    return CGXData::ReorderColsAfterSort(range, awMoveMap);
}

// ---- engine services -------------------------------------------------------------------------------

BOOL CGXFormulaSheet::IsFormulaCell(ROWCOL nRow, ROWCOL nCol)
{
    const EngineCell* pCell = FindCell(nRow, nCol);
    return pCell != nullptr && ((pCell->Type() == kCellFormula && (pCell->nFlags & kCellEvaluated) == 0) ||
                                (pCell->nFlags & kCellChanged) != 0);
}

void CGXFormulaSheet::SetCellEngineFlag(ROWCOL nRow, ROWCOL nCol, BOOL bFlag)
{
    if (EngineCell* pCell = FindCell(nRow, nCol)) {
        if (bFlag)
            pCell->nFlags |= kCellChanged;
        else
            pCell->nFlags &= ~kCellChanged;
    }
}

void CGXFormulaSheet::AddRecalcRange(const CGXCellRange& range)
{
    if (!range.IsValid())
        return;
    CGXCellRange clamped(range);
    const ROWCOL nRows = std::max<ROWCOL>(GetRowCount(), 1);
    const ROWCOL nCols = std::max<ROWCOL>(GetColCount(), 1);
    if (!clamped.IsCells())
        clamped.ExpandToCells(1, 1, nRows, nCols);
    clamped.top = std::min(std::max<ROWCOL>(clamped.top, 1), nRows);
    clamped.bottom = std::min(std::max<ROWCOL>(clamped.bottom, 1), nRows);
    clamped.left = std::min(std::max<ROWCOL>(clamped.left, 1), nCols);
    clamped.right = std::min(std::max<ROWCOL>(clamped.right, 1), nCols);
    const CellRangeRef block = EngineBlockOf(clamped);
    if (block.IsValid())
        EngineAddRecalcRange(m_hSheet, block);
}

void CGXFormulaSheet::Recalc(BOOL bForce)
{
    const EnginePoolLock lock(m_hSheet);
    if (bForce)
        EngineForceRecalculate(m_hSheet);
    else
        EngineRecalculate(m_hSheet);
}

void* CGXFormulaSheet::GetEngineContext()
{
    EngineArmMessage(m_hSheet);
    return EngineGetSheet(m_hSheet);
}

BOOL CGXFormulaSheet::GetEngineMessageText(CString& strText)
{
    const EngineSheet& sheet = *EngineGetSheet(m_hSheet);
    if (sheet.bMessageArmed)
        return FALSE;
    strText = sheet.szMessage;
    return TRUE;
}

void CGXFormulaSheet::ResetEngineError()
{
    GetEngineContext();
}

CGXUndoEngineCellsInfo* CGXFormulaSheet::DetachUndoInfo()
{
    CGXFormulaUndoInfo* pInfo = m_pPendingUndo;
    m_pPendingUndo = nullptr;
    return pInfo;
}

BOOL CGXFormulaSheet::ApplyUndoInfo(CGXUndoEngineCellsInfo* pUndoInfo, DWORD nValue, BOOL bFlag)
{
    CGXFormulaUndoInfo* pInfo = dynamic_cast<CGXFormulaUndoInfo*>(pUndoInfo);
    if (pInfo == nullptr)
        return FALSE;
    EngineSheet& sheet = *EngineGetSheet(m_hSheet);
    const EnginePoolLock lock(m_hSheet);
    const RecordingScope recording(sheet, nValue != 0);
    if (pInfo->m_bRecalc && pInfo->m_range.IsValid())
        EngineClearBlock(m_hSheet, pInfo->m_range);
    EngineRestoreCells(m_hSheet, pInfo->m_pCellsAfter);
    if (!bFlag)
        EngineRestoreCells(m_hSheet, pInfo->m_pCellsBefore);
    if (pInfo->m_range.IsValid())
        EngineAddRecalcRange(m_hSheet, pInfo->m_range);
    EngineCell* pOverwritten = TakeRecorded(sheet);
    if (nValue == 0)
        EngineFreeCellList(pOverwritten);
    else if (bFlag)
        pInfo->SetCellsAfter(pOverwritten);
    else
        pInfo->SetCellsBefore(pOverwritten);
    return TRUE;
}

BOOL CGXFormulaSheet::SetEngineOption(DWORD nValue)
{
    const DWORD nOld = m_nOptionWord;
    m_nOptionWord = nValue;
    EngineGetSheet(m_hSheet)->bRecordUndo = nValue != 0;
    return BOOL(nOld);
}

void CGXFormulaSheet::CollectUndoInfo(BOOL bKeepRange, BOOL bRecalc)
{
    EngineSheet& sheet = *EngineGetSheet(m_hSheet);
    if (bRecalc)
        EngineRecalculateEveryFormula(m_hSheet);
    // a block recorded to be cleared on undo makes a record even when no cell was in the way (a copy
    // into empty cells)
    const bool bRange = sheet.bRangeRecorded && bKeepRange;
    if (sheet.pRecordedCells == nullptr && !bRange) {
        sheet.bRangeRecorded = false;
        return;
    }
    CGXFormulaUndoInfo& info = PendingUndo();
    EngineCell* pRecorded = TakeRecorded(sheet);
    if (bRecalc)
        info.m_pCellsAfter = JoinLists(pRecorded, info.m_pCellsAfter);
    else
        info.m_pCellsBefore = JoinLists(pRecorded, info.m_pCellsBefore);
    info.m_range = sheet.recordedRange;
    info.m_bRecalc = bRange;
    sheet.bRangeRecorded = false;
}

// ---- named ranges ------------------------------------------------------------------------------------

BOOL CGXFormulaSheet::SetRangeName(const char* pszName, const CGXCellRange& range, CGXUndoEngineCellsInfo* pUndoInfo)
{
    CGXFormulaUndoInfo* pInfo = dynamic_cast<CGXFormulaUndoInfo*>(pUndoInfo);
    if (pInfo == nullptr) {
        CellRangeRef ref = EngineBlockOf(range);
        if (ref.IsOneCell())
            ref.nColumns |= CellRangeRef::kSingleCell;
        EngineNormalizeReference(&ref);
        EngineDefineName(m_hSheet, pszName, ref);
        Recalc(TRUE);
        return TRUE;
    }
    for (const RangeName* pName = pInfo->m_pNames; pName != nullptr; pName = pName->pNext)
        EngineDefineName(m_hSheet, pName->pszName, pName->ref);
    // the saved formulas name the records the deletion kept: give them this sheet's records again
    for (EngineCell* pSaved = pInfo->m_pCellsBefore; pSaved != nullptr; pSaved = pSaved->pNext)
        NameRecordsOf(m_hSheet, pSaved->pFormula);
    {
        const EnginePoolLock lock(m_hSheet);
        EngineRestoreCells(m_hSheet, pInfo->m_pCellsBefore);
    }
    Recalc(TRUE);
    return TRUE;
}

BOOL CGXFormulaSheet::GetRangeName(const char* pszName, CGXCellRange& range)
{
    const RangeName* pName = EngineFindName(m_hSheet, pszName);
    if (pName == nullptr)
        return FALSE;
    range.SetCells(ROWCOL(pName->ref.Top()), ROWCOL(pName->ref.Left()) + 1, ROWCOL(pName->ref.Bottom()),
                   ROWCOL(pName->ref.Right()) + 1);
    return TRUE;
}

BOOL CGXFormulaSheet::DeleteRangeName(const char* pszName, CGXUndoEngineCellsInfo* pUndoInfo, BOOL bWantUndo)
{
    EngineSheet& sheet = *EngineGetSheet(m_hSheet);
    bool bExisted = false;
    {
        const RecordingScope recording(sheet, bWantUndo != FALSE);
        bExisted = EngineDeleteName(m_hSheet, pszName);
    }
    if (!bWantUndo || !bExisted)
        return bExisted;
    CGXFormulaUndoInfo* pInfo = dynamic_cast<CGXFormulaUndoInfo*>(pUndoInfo);
    CGXFormulaUndoInfo& info = pInfo != nullptr ? *pInfo : PendingUndo();
    info.m_pCellsBefore = JoinLists(TakeRecorded(sheet), info.m_pCellsBefore);
    RangeName* pSaved = sheet.pSavedName;
    sheet.pSavedName = nullptr;
    pSaved->pNext = info.m_pNames;
    info.m_pNames = pSaved;
    return TRUE;
}

void CGXFormulaSheet::GetRangeNameList(CStringArray& names) const
{
    names.RemoveAll();
    for (const RangeName* pName = EngineGetSheet(m_hSheet)->pNames; pName != nullptr; pName = pName->pNext) {
        CString entry;
        entry.Format("%s=%s", pName->pszName, EngineReferenceText(pName->ref));
        names.Add(entry);
    }
}

BOOL CGXFormulaSheet::SetRangeNameList(const CStringArray& names)
{
    BOOL bAll = TRUE;
    for (int32_t i = 0; i < names.GetSize(); i++) {
        const CString& entry = names[i];
        const int nEqual = entry.Find('=');
        CellRangeRef ref = {};
        if (nEqual <= 0 || !EngineParseReference(entry.Mid(nEqual + 1), &ref) ||
            !EngineDefineName(m_hSheet, entry.Left(nEqual), ref))
            bAll = FALSE;
    }
    return bAll;
}

// ---- options -------------------------------------------------------------------------------------------

// The engine refuses values outside 0 to 1 (0 to 100 for the iteration limit) itself.
BOOL CGXFormulaSheet::SetOption(EngineOption nOption, DWORD n)
{
    return n <= 100 && EngineSetOption(m_hSheet, nOption, int32_t(n));
}

DWORD CGXFormulaSheet::GetOption(EngineOption nOption) const
{
    return DWORD(EngineGetOption(m_hSheet, nOption));
}

BOOL CGXFormulaSheet::SetConstraintCheck(DWORD n)
{
    if (!SetOption(kOptionConstraintCheck, n))
        return FALSE;
    if (n != 0)
        ConstraintStyleId();
    return TRUE;
}

// ---- copies --------------------------------------------------------------------------------------------

void CGXFormulaSheet::CopyFrom(const CGXData& other)
{
    if (&other == this)
        return;
    ResetEngine();
    const CGXFormulaSheet* pSheet = dynamic_cast<const CGXFormulaSheet*>(&other);
    if (pSheet != nullptr) {
        EngineSheet& mine = *EngineGetSheet(m_hSheet);
        const EngineSheet& theirs = *EngineGetSheet(pSheet->m_hSheet);
        // the names first: the copied formulas are given this sheet's name records
        for (const RangeName* pName = theirs.pNames; pName != nullptr; pName = pName->pNext)
            EngineDefineName(m_hSheet, pName->pszName, pName->ref);
        const EnginePoolLock lock(m_hSheet);
        for (int32_t nPool : {kPlaceholderPool, kGeneralPool, kFormulaPool}) {
            EnginePoolCells walk(theirs.pools[nPool]);
            while (const EngineCell* pCell = walk.Next()) {
                if (!pCell->IsLinked())
                    continue;
                EngineCell* pCopy = EngineCopyCell(&mine.pools[nPool], pCell);
                NameRecordsOf(m_hSheet, pCopy->pFormula);
                if (EngineCell* pThere = EngineFindCell(m_hSheet, pCopy->nRow, pCopy->nCol))
                    EngineRemoveCell(m_hSheet, pThere);
                EngineLinkCell(m_hSheet, pCopy);
            }
        }
        mine.nIterationLimit = theirs.nIterationLimit;
        mine.nBlankAsZero = theirs.nBlankAsZero;
        mine.nRecalcMode = theirs.nRecalcMode;
        mine.nRecalcMethod = theirs.nRecalcMethod;
        mine.nConstraintCheck = theirs.nConstraintCheck;
        CGXData::CopyFrom(other);
        return;
    }
    CGXData::CopyFrom(other);
    CGXStylePtrArrayPtrArray& rows = GetCellStyles();
    for (int32_t nRow = 1; nRow < rows.GetSize(); nRow++) {
        CGXStylePtrArray* pRow = rows.GetRow(nRow);
        for (int32_t nCol = 1; pRow != nullptr && nCol < pRow->GetSize(); nCol++) {
            CGXStyle* pStyle = pRow->GetStyle(nCol);
            if (pStyle == nullptr)
                continue;
            const CString value = pStyle->GetIncludeValue() ? pStyle->GetValueRef() : CString();
            const BOOL bOnlyValue = (pStyle->GetIncludeMask() & ~DWORD(CGXStyle::incValue)) == 0;
            std::unique_ptr<CGXStyle> pOwn(bOnlyValue ? nullptr : pStyle->Clone());
            pRow->SetStyle(nCol, nullptr);
            if (!value.IsEmpty())
                SetEnteredText(ROWCOL(nRow), ROWCOL(nCol), value);
            else
                SetTextValue(ROWCOL(nRow), ROWCOL(nCol), "");
            if (pOwn != nullptr) {
                pOwn->SetIncludeValue(FALSE);
                if (EngineCell* pCell = ValueCell(ROWCOL(nRow), ROWCOL(nCol))) {
                    delete pCell->pStyle;
                    pCell->pStyle = pOwn.release();
                }
            }
        }
    }
}

// ---- the stored form ------------------------------------------------------------------------------------

void CGXFormulaSheet::StoreCells(CArchive& ar)
{
    const EngineSheet& sheet = *EngineGetSheet(m_hSheet);
    for (int32_t nPool : {kGeneralPool, kFormulaPool, kPlaceholderPool}) {
        EnginePoolCells walk(sheet.pools[nPool]);
        while (const EngineCell* pCell = walk.Next()) {
            if (!pCell->IsLinked())
                continue;
            ar << uint8_t(1) << uint8_t(pCell->Type()) << uint8_t(pCell->ValueKind())
               << uint8_t((pCell->nFlags >> 15) & 0xFF) << uint32_t(pCell->nRow) << uint32_t(pCell->nCol);
            ar << pCell->pStyle;
            if (pCell->Type() == kCellFormula || pCell->Type() == kCellConstFormula)
                ar << EnginePrintFormula(pCell->pFormula);
            switch (pCell->ValueKind()) {
            case kValueError: ar << uint16_t(pCell->value.error.nCode); break;
            case kValueNumber: ar << pCell->value.dNumber; break;
            case kValueLongText:
            case kValueShortText: ar << CString(EngineCellText(pCell)); break;
            default: break;
            }
        }
    }
    ar << uint8_t(0);
}

void CGXFormulaSheet::LoadCells(CArchive& ar)
{
    const EnginePoolLock lock(m_hSheet);
    for (;;) {
        uint8_t nMarker = 0, nType = 0, nKind = 0, nFlagBits = 0;
        ar >> nMarker;
        if (nMarker == 0)
            break;
        if (nMarker != 1)
            ThrowBadArchive();
        uint32_t nRow = 0, nCol = 0;
        ar >> nType >> nKind >> nFlagBits >> nRow >> nCol;
        if (nType > kCellConstFormula || nKind > kValueShortText || nRow < 1 || nRow > uint32_t(kEngineMaxRow) ||
            nCol > uint32_t(kEngineMaxCol))
            ThrowBadArchive();
        std::unique_ptr<CObject> pStyle(ar.ReadOwnedObject(RUNTIME_CLASS(CGXStyle)));
        CString formula;
        if (nType == kCellFormula || nType == kCellConstFormula) {
            ar >> formula;
            formula = formula.Left(kEngineMaxText);
        }
        EngineTypedValue value = {nKind, 0, nullptr, 0};
        CString text;
        switch (nKind) {
        case kValueError: {
            uint16_t nCode = 0;
            ar >> nCode;
            value.nErrorCode = nCode;
            break;
        }
        case kValueNumber: ar >> value.dNumber; break;
        case kValueLongText:
        case kValueShortText:
            ar >> text;
            text = text.Left(kEngineMaxText);
            value.pszText = text;
            break;
        default: break;
        }

        const int32_t r = int32_t(nRow), c = int32_t(nCol);
        EngineCell* pCell = nullptr;
        if (nType == kCellPlaceholder) {
            pCell = EnginePlaceholder(m_hSheet, r, c);
            if (pCell == nullptr)
                continue;  // a cell is there already
        } else if (nType == kCellFormula || nType == kCellConstFormula) {
            pCell = EngineStoreFormula(m_hSheet, r, c, formula, &value);
            if (pCell == nullptr) {
                // a formula that no longer parses stays as its text
                pCell = EngineStoreText(m_hSheet, r, c, "");
                EngineSetCellText(pCell, formula);
            }
        } else {
            pCell = nType == kCellNumber ? EngineStoreNumber(m_hSheet, r, c, 0) : EngineStoreText(m_hSheet, r, c, "");
            EngineSetCellValue(pCell, value);
        }
        // the saved state flags, but never an evaluation in progress
        const uint32_t nKept = (uint32_t(nFlagBits) << 15) & ~kCellInProgress;
        pCell->nFlags = (pCell->nFlags & ~(0xFFu << 15)) | nKept;
        delete pCell->pStyle;
        pCell->pStyle = pStyle.release();
    }
}

void CGXFormulaSheet::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << uint16_t(1);
        CGXData::Serialize(ar);
        const EngineSheet& sheet = *EngineGetSheet(m_hSheet);
        ar << uint16_t(sheet.nIterationLimit) << uint16_t(sheet.nBlankAsZero) << uint16_t(sheet.nRecalcMode)
           << uint16_t(sheet.nRecalcMethod) << uint16_t(sheet.nConstraintCheck);
        CStringArray names;
        GetRangeNameList(names);
        names.Serialize(ar);
        StoreCells(ar);
        return;
    }
    uint16_t nSchema = 0;
    ar >> nSchema;
    if (nSchema != 1)
        AfxThrowArchiveException(CArchiveException::badSchema);
    try {
        CGXData::Serialize(ar);
        ResetEngine();
        uint16_t awOptions[5] = {};
        for (uint16_t& w : awOptions)
            ar >> w;
        if (!SetIterationLimit(awOptions[0]) || !SetBlankCellsAsZero(awOptions[1]) || !SetRecalcMode(awOptions[2]) ||
            !SetRecalcMethod(awOptions[3]) || !SetOption(kOptionConstraintCheck, awOptions[4]))
            ThrowBadArchive();
        CStringArray names;
        names.Serialize(ar);
        if (!SetRangeNameList(names))
            ThrowBadArchive();
        LoadCells(ar);
    } catch (CException*) {
        // never half-loaded
        DeleteAllStyles();
        throw;
    }
}

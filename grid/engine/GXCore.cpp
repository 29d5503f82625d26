// CGXGridCore: construction, initialisation, printing, counts, zoom and lock switch, current cell,
// hooks, controls and plug-ins (see GXCore.h). Styles are in GXCoreStyles.cpp, the modules and their
// forwarding operations in GXCoreModules.cpp, the geometry in GXCoreCoords.cpp and painting in
// GXCoreDraw.cpp.
#include "grid/engine/GXCore.h"

#include "grid/engine/GXCellTipHandler.h"
#include "grid/engine/GXColor.h"
#include "grid/engine/GXControl.h"
#include "grid/engine/GXControlFactory.h"
#include "grid/engine/GXData.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXPlugin.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStylesMap.h"
#include "win/Win.h"

#include <algorithm>
#include <cstring>

namespace {

// The objects of a list of CObjects deleted from the head, and the list emptied.
void DeleteObjectList(CPtrList& list)
{
    while (!list.IsEmpty())
        delete static_cast<CObject*>(list.RemoveHead());
}

}  // namespace

CGXComposedStyle::CGXComposedStyle(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, BOOL bApplyStandard)
    : m_pGrid(pGrid), m_pStyle(pGrid->CreateStyle())
{
    try {
        pGrid->ComposeStyleRowCol(nRow, nCol, m_pStyle, bApplyStandard);
    } catch (...) {
        pGrid->RecycleStyle(m_pStyle);
        throw;
    }
}

CGXComposedStyle::~CGXComposedStyle()
{
    m_pGrid->RecycleStyle(m_pStyle);
}

// ---- construction and destruction ---------------------------------------------------------------------

CGXGridCore::CGXGridCore(CWnd* pGridWnd, CDocument* pGridDoc, BOOL bIsViewContext)
    : m_bHideCurrentCell(FALSE), m_nMarkCurrentCell(0), m_bFocusChange(FALSE),
      m_pPrintImp(nullptr), m_pSortImp(nullptr), m_pOldDrawingImp(nullptr), m_pCoveredCellsImp(nullptr),
      m_pDrawSpannedCellsImp(nullptr), m_pFloatCellsImp(nullptr), m_pMergeCellsImp(nullptr),
      m_pCommandFactory(nullptr), m_pCalcSizeImp(nullptr), m_pUpdateHintImp(nullptr), m_pResizeToFitImp(nullptr),
      m_pHideCellsImp(nullptr), m_pFindReplaceImp(nullptr), m_pUserSelectRangeImp(nullptr),
      m_pExcelLikeFrameImp(nullptr), m_pExcelLikeFillImp(nullptr), m_pUserDragSelectRangeImp(nullptr),
      m_pMoveRowsColsImp(nullptr), m_pUserResizeCellsImp(nullptr), m_pOptimizedUpdateImp(nullptr),
      m_pMarkEditHeaderImp(nullptr), m_pFreezeMenuHelperImp(nullptr), m_pDirectCopyMoveCellsImp(nullptr),
      m_pTextDataExchangeImp(nullptr), m_pStyleDataExchangeImp(nullptr), m_pCutPasteImp(nullptr),
      m_pClearCellsImp(nullptr), m_pAutoScrollPlugin(nullptr), m_pAppData(GXGetLibraryState()),
      m_pGridWnd(pGridWnd), m_pGridDoc(pGridDoc), m_bIsViewContext(bIsViewContext), m_bDocLink(FALSE),
      m_pStyleEdit(nullptr), m_pStyleValue(nullptr), m_pStyleScratch(nullptr), m_pStyleClass(nullptr),
      m_bWarningBoxShowing(FALSE), m_bWarningShown(FALSE), m_pDefaultControl(nullptr), m_nLastControlId(0),
      m_pLastControl(nullptr), m_pDataClass(RUNTIME_CLASS(CGXData)), m_nLockUpdate(0), m_pStyleStandard(nullptr),
      m_pStyleRowHeader(nullptr), m_pStyleColHeader(nullptr), m_nZoom(100), m_dxChar(0), m_dyChar(0),
      m_dxCharPrint(0), m_dyCharPrint(0), m_nCurrentRow(0), m_nCurrentCol(0), m_bCurrentValid(FALSE),
      m_pCurrentControl(nullptr), m_bHasFocus(FALSE), m_bBusy(FALSE), m_nInitRow(0), m_nInitCol(0), m_nTopRow(1),
      m_nLeftCol(1), m_pParam(nullptr), m_bOwnParam(FALSE), m_bInitDone(FALSE), m_pPrinterDC(nullptr),
      m_rectPrint(0, 0, 0, 0), m_nPrintTopRow(1), m_nPrintLeftCol(1), m_rectGrid(0, 0, 0, 0), m_bGridRectSet(FALSE),
      m_nFrameWidth(::GetSystemMetrics(SM_CXFRAME)), m_nFrameHeight(::GetSystemMetrics(SM_CYFRAME)),
      m_nBorderWidth(::GetSystemMetrics(SM_CXBORDER)), m_nBorderHeight(::GetSystemMetrics(SM_CYBORDER)),
      m_hcurArrow(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW))), m_bUserResizing(FALSE),
      m_nResizeKind(0), m_nResizeIndex(0), m_bDrawCellBackground(FALSE)
{
    if (m_pAppData->m_pControlFactory == nullptr || m_bInitDone)
        return;
    try {
        m_pAppData->m_pControlFactory->InitializeGridComponents(this);
    } catch (...) {
        // the destructor will not run: free what the attach steps made so far
        DeleteObjectList(m_autoDeleteList);
        DeleteObjectList(m_ownedList);
        throw;
    }
}

CGXGridCore::~CGXGridCore()
{
    for (auto& entry : m_controls)
        delete entry.second;
    m_controls.clear();
    m_pDefaultControl = m_pLastControl = m_pCurrentControl = nullptr;
    // nothing may keep a cached style or GDI object from here on
    m_nLockUpdate = m_nDrawDepth = 0;
    m_bKeepGdiObjects = m_bLockCurrentCell = FALSE;
    std::fill(std::begin(m_anKeepRows), std::end(m_anKeepRows), 0);
    std::fill(std::begin(m_anKeepCols), std::end(m_anKeepCols), 0);
    FreeObjectCache();
    if (m_bOwnParam)
        delete m_pParam;
    m_pParam = nullptr;
    delete m_pCellTipHandler;
    m_pCellTipHandler = nullptr;
    delete m_pStyleEdit;
    delete m_pStyleValue;
    delete m_pStyleScratch;
    delete m_pStyleCurrentCell;
    for (CGXStyle* pStyle : m_recycledStyles)
        delete pStyle;
    DeleteObjectList(m_autoDeleteList);
    m_pluginList.RemoveAll();
    DeleteObjectList(m_ownedList);
    if (GridLibraryState* pState = GridLibraryState::GetIfAlive())
        pState->UnregisterGrid(this);
}

// ---- printing, document, initialisation -------------------------------------------------------------

void CGXGridCore::SetPrinting(CDC* pDC, BOOL bUpdatePrintRect)
{
    if (pDC != nullptr) {
        CGXControl* pControl = GetCurrentCellControl();
        if (pControl != nullptr && pControl->IsActive()) {
            TransferCurrentCell(TRUE, 2, TRUE);
            pControl->SetActive(FALSE);
        }
    }
    m_pPrinterDC = pDC;
    if (pDC != nullptr && bUpdatePrintRect) {
        if (m_pGridWnd != nullptr && m_pGridWnd->m_hWnd != nullptr)
            m_pGridWnd->GetClientRect(&m_rectPrint);
        ComputeCharSize(pDC, m_dxCharPrint, m_dyCharPrint);
        m_nPrintTopRow = GetFrozenRows() + 1;
        m_nPrintLeftCol = GetFrozenCols() + 1;
    }
    if (CGXProperties* pProp = m_pParam != nullptr ? m_pParam->GetProperties() : nullptr)
        pProp->SetPrinterDC(pDC);
}

void CGXGridCore::SetModifiedFlag(BOOL bModified)
{
    if (m_bDocLink && m_pGridDoc != nullptr)
        m_pGridDoc->SetModifiedFlag(bModified);
}

BOOL CGXGridCore::Initialize()
{
    WNDCLASSA wc;
    if (!::GetClassInfoA(AfxGetInstanceHandle(), "GXWND", &wc))
        AfxThrowNotSupportedException();
    m_pAppData->SetGlobalWord(0);
    for (POSITION pos = m_pluginList.GetHeadPosition(); pos != nullptr;)
        static_cast<CGXPluginComponent*>(m_pluginList.GetNext(pos))->PlugIn(m_pGridWnd);
    if (m_pCellTipHandler != nullptr)
        m_pCellTipHandler->Initialize();

    if (m_pStyleEdit == nullptr) {
        m_pStyleEdit = CreateStyle();
        m_pStyleClass = m_pStyleEdit->GetRuntimeClass();
    }
    if (m_pStyleValue == nullptr)
        m_pStyleValue = CreateStyle();
    if (m_pStyleScratch == nullptr)
        m_pStyleScratch = CreateStyle();

    if (m_pParam == nullptr)
        SetParam(nullptr, TRUE);
    m_pAppData->RegisterGridWith(m_pParam, this);
    FreeObjectCache();

    if (m_pParam->GetProperties() == nullptr) {
        auto pProp = std::make_unique<CGXProperties>();
        pProp->AddDefaultUserProperties();
        if (m_pAppData->m_bReadProfile)
            pProp->ReadProfile();
        m_pParam->SetProperties(pProp.release(), TRUE);
    }
    m_pAppData->RegisterGridWith(m_pParam->GetProperties(), this);

    if (m_pParam->GetStylesMap() == nullptr) {
        auto pStylesMap = std::make_unique<CGXStylesMap>(m_pStyleClass);
        pStylesMap->CreateStandardStyles();
        if (m_pAppData->m_bReadProfile)
            pStylesMap->ReadProfile();
        m_pParam->SetStylesMap(pStylesMap.release(), TRUE);
    }
    m_pAppData->RegisterGridWith(m_pParam->GetStylesMap(), this);
    LookupBaseStyles();

    if (m_pAppData->m_pControlFactory != nullptr && m_pStyleStandard != nullptr) {
        const WORD nId = m_pStyleStandard->GetControl();
        if (CGXControl* pControl = m_pAppData->m_pControlFactory->CreateControl(nId, this))
            RegisterControl(nId, pControl);
    }

    if (m_pParam->GetData() == nullptr) {
        if (m_pDataClass == nullptr || !m_pDataClass->IsDerivedFrom(RUNTIME_CLASS(CGXData)) ||
            !m_pDataClass->IsCreatable())
            AfxThrowInvalidArgFormat("CGXGridCore::Initialize: %s is not a creatable cell data class",
                                     m_pDataClass != nullptr ? m_pDataClass->m_lpszClassName : "(null)");
        std::unique_ptr<CGXData> pData(static_cast<CGXData*>(m_pDataClass->CreateObject()));
        m_pParam->SetData(pData.release(), TRUE);
    }
    // the data says how cell values are kept (a formula sheet wants entered texts), whether the grid
    // made it or was given it with the parameter object
    m_pParam->GetData()->AdjustParamOptions(*m_pParam);
    if (m_pParam->GetControlOptions().bEnteredValues)
        m_nStyleKind = CGXData::gxCellValue;
    m_pAppData->RegisterGridWith(m_pParam->GetData(), this);

    m_pParam->SetInit(TRUE);
    m_nZoom = m_pParam->GetProperties()->GetLastZoom();
    ComputeCharSize(nullptr, m_dxChar, m_dyChar);
    m_bInitDone = TRUE;
    m_nTopRow = std::max(m_nTopRow, GetFrozenRows() + 1);
    m_nLeftCol = std::max(m_nLeftCol, GetFrozenCols() + 1);
    if (CGXGridNamingCallback* pNaming = m_pAppData->m_pNamingCallback)
        pNaming->OnGridTitle(m_pGridWnd, m_pParam->GetTitle(), !m_pParam->GetTitle().IsEmpty());

    const ROWCOL nRow = m_pParam->GetCurrentRow();
    const ROWCOL nCol = m_pParam->GetCurrentCol();
    if (nRow <= GetRowCount() && nCol <= GetColCount()) {
        SetCurrentCell(nRow, nCol, 0);
        NotifyFocusHooks();
    }
    TakeSavedSelection();

    m_pCurrentControl = nullptr;
    ComputeCharSize(nullptr, m_dxChar, m_dyChar);
    return UpdateScrollbars(TRUE, FALSE);
}

// ---- counts ---------------------------------------------------------------------------------------

ROWCOL CGXGridCore::GetRowCount()
{
    CGXData* pData = m_pParam != nullptr ? m_pParam->GetData() : nullptr;
    return pData != nullptr ? pData->GetRowCount() : 0;
}

ROWCOL CGXGridCore::GetColCount()
{
    CGXData* pData = m_pParam != nullptr ? m_pParam->GetData() : nullptr;
    return pData != nullptr ? pData->GetColCount() : 0;
}

int CGXGridCore::GetFontHeight()
{
    return IsPrinting() ? m_dyCharPrint : m_dyChar;
}

int CGXGridCore::GetFontWidth()
{
    return IsPrinting() ? m_dxCharPrint : m_dxChar;
}

void CGXGridCore::TakeSavedSelection()
{
    const CGXGridParam::SelectionRecord& saved = m_pParam->GetSavedSelection();
    if (!saved.bSaved || !saved.range.IsValid())
        return;
    CGXRangeList& selection = m_pParam->GetRangeList1();
    POSITION posFound = nullptr;
    for (POSITION pos = selection.GetHeadPosition(); pos != nullptr && posFound == nullptr; selection.GetNext(pos)) {
        const CGXCellRange& r = *selection.GetRangeAt(pos);
        if (r.IsValid() && r.rtType == saved.range.rtType && r.top == saved.range.top &&
            r.left == saved.range.left && r.bottom == saved.range.bottom && r.right == saved.range.right)
            posFound = pos;
    }
    m_posSelecting = posFound != nullptr ? posFound : selection.AddRange(saved.range);
    m_nAnchorRow = saved.nAnchorRow;
    m_nAnchorCol = saved.nAnchorCol;
}

// ---- zoom and lock switch ------------------------------------------------------------------------

int CGXGridCore::GetZoom()
{
    return m_nZoom;
}

void CGXGridCore::StoreZoom(int nZoom)
{
    m_nZoom = nZoom;
    if (CGXProperties* pProp = m_pParam != nullptr ? m_pParam->GetProperties() : nullptr)
        pProp->SetLastZoom(nZoom);
}

void CGXGridCore::SetZoomValue(int nZoom, BOOL bCreateHint)
{
    StoreZoom(nZoom);
    if (CGXAbstractGridUpdateHintImp* pHint = HintModule(bCreateHint))
        pHint->SetZoomValue(this, nZoom);
}

void CGXGridCore::OnZoomChanged(int nOldZoom, UINT nFlags, BOOL bCreateHint)
{
    if (m_nZoom != nOldZoom && m_bInitDone) {
        // the sizes are kept in characters of the zoomed standard font
        ComputeCharSize(nullptr, m_dxChar, m_dyChar);
        Redraw(nFlags, FALSE);
    }
    if (CGXAbstractGridUpdateHintImp* pHint = HintModule(bCreateHint))
        pHint->OnZoomChanged(this, nOldZoom, nFlags & 7);
}

void CGXGridCore::SetZoom(int nZoom, UINT nFlags)
{
    const int nOldZoom = m_nZoom;
    SetZoomValue(nZoom, TRUE);
    OnZoomChanged(nOldZoom, nFlags, TRUE);
}

void CGXGridCore::SetReadOnly(BOOL bReadOnly)
{
    if (IsReadOnly() == bReadOnly)
        return;
    StoreReadOnly(bReadOnly);
    UpdateReadOnly();
}

BOOL CGXGridCore::IsReadOnly()
{
    return m_pParam != nullptr && m_pParam->IsLockReadOnly();
}

void CGXGridCore::StoreReadOnly(BOOL bReadOnly)
{
    if (m_pParam != nullptr)
        m_pParam->SetLockReadOnly(bReadOnly);
}

void CGXGridCore::UpdateReadOnly(BOOL bCreateHint)
{
    ROWCOL nRow, nCol;
    CGXControl* pControl = GetCurrentCellControl();
    if (pControl != nullptr && pControl->IsActive() && GetCurrentCell(nRow, nCol, TRUE)) {
        pControl->Reset();
        pControl->Init(nRow, nCol);
    }
    if (CGXAbstractGridUpdateHintImp* pHint = HintModule(bCreateHint))
        pHint->UpdateReadOnly(this);
}

BOOL CGXGridCore::IsUserResizing(int& nKind, ROWCOL& nIndex) const
{
    nKind = m_nResizeKind;
    nIndex = m_nResizeIndex;
    return m_bUserResizing;
}

// ---- hooks --------------------------------------------------------------------------------------

BOOL CGXGridCore::OnStartEditing(ROWCOL, ROWCOL)
{
    return TRUE;
}

BOOL CGXGridCore::OnCancelEditing(ROWCOL, ROWCOL)
{
    return TRUE;
}

BOOL CGXGridCore::OnValidateCell(ROWCOL, ROWCOL)
{
    return TRUE;
}

BOOL CGXGridCore::OnValidateInput(ROWCOL, ROWCOL)
{
    return TRUE;
}

BOOL CGXGridCore::OnDeleteCell(ROWCOL, ROWCOL)
{
    return TRUE;
}

BOOL CGXGridCore::OnLeftCell(ROWCOL, ROWCOL, ROWCOL, ROWCOL)
{
    return TRUE;
}

void CGXGridCore::OnModifyCell(ROWCOL, ROWCOL)
{
    SetModifiedFlag(TRUE);
}

void CGXGridCore::OnCanceledEditing(ROWCOL, ROWCOL) {}

void CGXGridCore::OnClickedButton(ROWCOL, ROWCOL, CGXChild*) {}

void CGXGridCore::OnInitCurrentCell(ROWCOL nRow, ROWCOL nCol)
{
    m_nInitRow = nRow;
    m_nInitCol = nCol;
}

BOOL CGXGridCore::OnLButtonClickedRowCol(ROWCOL, ROWCOL, UINT, CPoint)
{
    return FALSE;
}

BOOL CGXGridCore::OnRButtonClickedRowCol(ROWCOL, ROWCOL, UINT, CPoint)
{
    return FALSE;
}

BOOL CGXGridCore::OnMButtonClickedRowCol(ROWCOL, ROWCOL, UINT, CPoint)
{
    return FALSE;
}

BOOL CGXGridCore::OnLButtonDblClkRowCol(ROWCOL, ROWCOL, UINT, CPoint)
{
    return FALSE;
}

BOOL CGXGridCore::OnRButtonDblClkRowCol(ROWCOL, ROWCOL, UINT, CPoint)
{
    return FALSE;
}

BOOL CGXGridCore::OnMButtonDblClkRowCol(ROWCOL, ROWCOL, UINT, CPoint)
{
    return FALSE;
}

BOOL CGXGridCore::OnMouseOverCell(ROWCOL, ROWCOL, UINT, CPoint)
{
    return FALSE;
}

void CGXGridCore::GetInitCell(ROWCOL& nRow, ROWCOL& nCol) const
{
    nRow = m_nInitRow;
    nCol = m_nInitCol;
}

// ---- controls ------------------------------------------------------------------------------------

void CGXGridCore::RegisterControl(WORD nID, CGXControl* pControl, BOOL bDefault, BOOL bAddName)
{
    if (pControl == nullptr)
        AfxThrowInvalidArgFormat("CGXGridCore::RegisterControl: null control for id %u", UINT(nID));
    auto it = m_controls.find(nID);
    if (it != m_controls.end() && it->second != pControl) {
        CGXControl* pOld = it->second;
        if (m_pLastControl == pOld)
            m_pLastControl = nullptr;
        if (m_pDefaultControl == pOld)
            m_pDefaultControl = nullptr;
        if (m_pCurrentControl == pOld)
            m_pCurrentControl = nullptr;
        delete pOld;
    }
    try {
        AfxAllocating([&] { m_controls[nID] = pControl; });
    } catch (CException*) {
        m_controls.erase(nID);
        delete pControl;
        throw;
    }
    if (bAddName && m_pParam != nullptr && m_pParam->GetStylesMap() != nullptr)
        m_pParam->GetStylesMap()->AddControl(nID);
    if (bDefault || m_pDefaultControl == nullptr)
        m_pDefaultControl = pControl;
}

CGXControl* CGXGridCore::GetRegisteredControl(WORD nID)
{
    if (nID == 0)
        return m_pDefaultControl;
    if (nID == m_nLastControlId && m_pLastControl != nullptr)
        return m_pLastControl;
    CGXControl* pControl = nullptr;
    auto it = m_controls.find(nID);
    if (it != m_controls.end()) {
        pControl = it->second;
    } else if (m_pAppData->m_pControlFactory != nullptr) {
        pControl = m_pAppData->m_pControlFactory->CreateControl(nID, this);
        if (pControl != nullptr)
            RegisterControl(nID, pControl);
    }
    if (pControl == nullptr)
        return m_pDefaultControl;
    m_nLastControlId = nID;
    m_pLastControl = pControl;
    return pControl;
}

// ---- modules -------------------------------------------------------------------------------------

void CGXGridCore::AddAutoDeleteObject(CObject* pObject)
{
    if (pObject == nullptr)
        AfxThrowInvalidArgException("CGXGridCore::AddAutoDeleteObject: null object");
    try {
        m_autoDeleteList.AddHead(pObject);
    } catch (CException*) {
        delete pObject;
        throw;
    }
}

void CGXGridCore::AddPlugin(CGXPluginComponent* pPlugin)
{
    if (pPlugin == nullptr)
        AfxThrowInvalidArgException("CGXGridCore::AddPlugin: null plug-in");
    m_pluginList.AddTail(pPlugin);
    pPlugin->PlugIn(m_pGridWnd);
}

BOOL CGXGridCore::OnGridWindowProc(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT& rResult)
{
    if (m_bCellTips && m_pCellTipHandler != nullptr)
        m_pCellTipHandler->OnGridMessage(nMessage, wParam, lParam);
    for (POSITION pos = m_pluginList.GetHeadPosition(); pos != nullptr;) {
        auto* pPlugin = static_cast<CGXPluginComponent*>(m_pluginList.GetNext(pos));
        LRESULT lResult = 0;
        pPlugin->HandleMessage(nMessage, wParam, lParam, &lResult);
        if (pPlugin->m_bExitMessage) {
            rResult = lResult;
            return TRUE;
        }
        if (pPlugin->m_bSkipOtherPlugins)
            break;
    }
    return FALSE;
}

// ---- drawing -------------------------------------------------------------------------------------

BOOL CGXGridCore::IsPrintingBlackWhite() const
{
    const CGXProperties* pProp = m_pParam != nullptr ? m_pParam->GetProperties() : nullptr;
    return IsPrinting() && pProp != nullptr && pProp->GetBlackWhite();
}

CRect CGXGridCore::GetGridRect()
{
    CRect rect(0, 0, 0, 0);
    if (IsPrinting())
        rect = m_rectPrint;
    else if (m_bGridRectSet)
        rect = m_rectGrid;
    else if (m_pGridWnd != nullptr && m_pGridWnd->m_hWnd != nullptr)
        m_pGridWnd->GetClientRect(&rect);
    if (rect.right < rect.left || rect.bottom < rect.top)
        rect.SetRect(0, 0, 0, 0);
    return rect;
}

void CGXGridCore::SetGridRect(BOOL bSet, const RECT* pRect)
{
    m_bGridRectSet = bSet && pRect != nullptr;
    m_rectGrid = m_bGridRectSet ? CRect(*pRect) : CRect(0, 0, 0, 0);
}

// ---- plain state ---------------------------------------------------------------------------------

BOOL CGXGridCore::IsStoreRefused()
{
    return m_pParam == nullptr || (m_pParam->GetReadOnlyGuard() && IsReadOnly());
}

CGXAbstractGridUpdateHintImp* CGXGridCore::HintModule(BOOL bCreateHint) const
{
    return bCreateHint && m_pGridDoc != nullptr ? m_pUpdateHintImp : nullptr;
}

CWnd* CGXGridCore::GridHwndWnd() const
{
    return m_pGridWnd != nullptr && m_pGridWnd->m_hWnd != nullptr ? m_pGridWnd : nullptr;
}

void CGXGridCore::SetTopRowValue(ROWCOL nRow)
{
    m_nTopRow = nRow;
    ResetLastVisible();
}

void CGXGridCore::SetLeftColValue(ROWCOL nCol)
{
    m_nLeftCol = nCol;
    ResetLastVisible();
}

void CGXGridCore::SetParam(CGXGridParam* pParam, BOOL bOwn)
{
    if (pParam == nullptr) {
        AfxAllocating([&] { pParam = new CGXGridParam; });
        bOwn = TRUE;
    }
    if (m_pParam != nullptr && m_bOwnParam && m_pParam != pParam)
        delete m_pParam;
    m_pParam = pParam;
    m_bOwnParam = bOwn;
    m_pStyleStandard = m_pStyleRowHeader = m_pStyleColHeader = nullptr;
}

void CGXGridCore::CalcFontMetrics(CDC* pDC, int& nWidth, int& nHeight)
{
    TEXTMETRICA tm = {};
    pDC->GetTextMetrics(&tm);
    nHeight = tm.tmHeight + tm.tmExternalLeading;
    // a variable-pitch font (TMPF_FIXED_PITCH set, despite its name) counts one and a half average
    // characters
    nWidth = (tm.tmPitchAndFamily & TMPF_FIXED_PITCH) ? tm.tmAveCharWidth * 3 / 2 : tm.tmAveCharWidth;
}

void CGXGridCore::ComputeCharSize(CDC* pDC, int& nWidth, int& nHeight)
{
    if (m_pStyleStandard == nullptr)
        LookupBaseStyles();
    if (m_pStyleStandard == nullptr || !m_pStyleStandard->GetIncludeFont()) {
        nWidth = 10;
        nHeight = 15;
        return;
    }
    std::unique_ptr<CClientDC> pClientDC;
    if (pDC == nullptr) {
        pClientDC = std::make_unique<CClientDC>(m_pGridWnd != nullptr && m_pGridWnd->m_hWnd != nullptr ? m_pGridWnd
                                                                                                     : nullptr);
        pDC = pClientDC.get();
    }
    CFont* pOldFont = SelectStyleFont(pDC, *m_pStyleStandard);
    CalcFontMetrics(pDC, nWidth, nHeight);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

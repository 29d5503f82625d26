// CGXGridCore: the engine of every grid. It holds the grid's state (current cell, scroll position,
// printing, the parameter object with the cell data, styles and properties, the drawing caches, the
// operation modules and plug-ins) and offers the grid's behaviour as virtual operations. It is not a
// window: a window form holds it beside its window part, stores itself as the grid window and
// forwards the window's messages (OnGridWindowProc lets the plug-ins see each one first).
//
// Life: constructed (defaults only; the library's control factory then attaches the operation
// modules, GXGridModules.h) -> given its window -> Initialize (makes what the parameter object lacks:
// properties, styles map, cell data, each owned by the parameter object, and registers the grid with
// each shared object in the library state) -> initialised -> printing on and off (SetPrinting) ->
// destroyed with its window form.
//
// Ownership: the core deletes its registered controls, its scratch styles, the objects of its
// auto-delete list (the attached modules) and of its owned-object list, and its parameter object only
// when it made it or was told so (SetParam). Plug-ins in its plug-in list are attached, not owned; the
// auto-scroll plug-in its attach step makes is owned, though (otherwise nothing would free it).
//
// Modules: every operation that needs a module calls it only when its pointer is set and otherwise
// does nothing and answers 0 (FALSE). Tests and the grid operations plug modules into the public
// pointers below.
//
// Does not do yet (each comes with the engine's later parts): composition beyond the stored style,
// the base-style chain and "Standard" (no header styles, generated header texts, row, column and table
// base styles, highlight or negative colour); undo and long operations in the style-range setter; the
// style, brush and pen caches (only fonts are cached); coordinates (the cell rectangle is empty and a
// redraw invalidates the whole window); scroll bars and painting; the current cell's moves, keys and
// mouse (SetCurrentCell and TransferCurrentCell do the least: store or discard an edit, attach and
// detach the control); the forwarders of the selection, find and replace, user resizing and the
// Excel-like frame and fill (only the frame's hiding is here); zoom changes after start-up; the
// naming callback and the focus hooks of the library state; the cell-tip handler and the page breaks.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXGridModules.h"
#include "grid/engine/GXRange.h"
#include "win/CRect.h"

#include <map>
#include <memory>
#include <vector>

class CDC;
class CFont;
class CWnd;
class CDocument;
class CGXChild;
class CGXControl;
class CGXData;
class CGXFont;
class CGXGridParam;
class CGXProperties;
class CGXStyle;
class CGXStylesMap;
class CGXCellPen;
class CGXPluginComponent;
class GridLibraryState;

class CGXGridCore {
public:
    // Defaults only: pGridWnd (the window forms pass null and store themselves afterwards), pGridDoc
    // (null for a window grid), bIsViewContext (0 for both window forms). Reads the frame and border
    // metrics and loads the arrow cursor; then, when the library has a control factory, lets it attach
    // the grid's operation modules.
    CGXGridCore(CWnd* pGridWnd = nullptr, CDocument* pGridDoc = nullptr, BOOL bIsViewContext = FALSE);
    // Deletes the registered controls, the owned parameter object, the scratch styles, the attached
    // modules and the owned objects, lets the plug-ins go (not deleting them) and leaves the library
    // state's registry.
    virtual ~CGXGridCore();
    CGXGridCore(const CGXGridCore&) = delete;
    CGXGridCore& operator=(const CGXGridCore&) = delete;

    // ---- printing, document, initialisation ----------------------------------------------------------
    // pDC null ends printing. Otherwise an active edit of the current cell is stored first
    // (TransferCurrentCell(TRUE, 2, TRUE)) and the control deactivated. The printer DC is kept; with
    // bUpdatePrintRect the print rectangle becomes the client rectangle, the printer's character size
    // is measured and the print top row and left column become the frozen counts plus 1. The properties
    // keep the printer DC (null when printing ends).
    virtual void SetPrinting(CDC* pDC, BOOL bUpdatePrintRect = TRUE);
    // Marks the document modified, only when the document link is on and a document exists.
    virtual void SetModifiedFlag(BOOL bModified = TRUE);
    // Initialises the grid (see the top of this file). Without the window class "GXWND" raises
    // CNotSupportedException* and the grid stays uninitialised. Returns UpdateScrollbars' answer.
    virtual BOOL Initialize();

    // ---- styles --------------------------------------------------------------------------------------
    // The stored style of a cell (nKind 0) or base style (nKind -1) merged into style with nMode (the
    // data object's GetCellStyle). FALSE when there is no data object or nothing is stored.
    virtual BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, int nMode = 2, int nKind = 0);
    // The composed style of a cell: its stored style, its base-style chain and, with bApplyStandard,
    // "Standard" (see the top of this file for what is left out).
    virtual void ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle, BOOL bApplyStandard = TRUE);
    // Stores pStyle (null: removes) at a cell or base style through the data object. FALSE while the
    // read-only guard is on and the grid is locked, or without a data object. A change of the current
    // cell drops the cached style.
    virtual BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int nMode, int nKind = 0);
    // Applies style to every cell of range: base styles (kind -1; a range of rows, columns or the table
    // always addresses base styles) directly, cells through their control's StoreStyleRowCol. When
    // anything was stored the document is marked modified and the range redrawn with nFlags. TRUE when
    // any cell was stored.
    virtual BOOL SetStyleRange(const CGXCellRange& range, const CGXStyle* pStyle, int nMode, int nKind = 0,
                               UINT nFlags = 2);
    // A new empty style of the style class (from the recycled ones when there are any); the caller
    // gives it back with RecycleStyle (emptied and kept while 500 or fewer wait, else deleted).
    virtual CGXStyle* CreateStyle();
    virtual void RecycleStyle(CGXStyle* pStyle);
    // Lets the cell's control store pszText as the cell's value (pStyle null: the composed style).
    virtual BOOL SetControlTextRowCol(ROWCOL nRow, ROWCOL nCol, const char* pszText, UINT nFlags = 2,
                                      const CGXStyle* pStyle = nullptr);
    // Empties the scratch style, sets its Value to pszValue and applies it to range with nMode.
    BOOL ApplyValueToRange(const CGXCellRange& range, const char* pszValue, int nMode = 0, int nKind = 0,
                           UINT nFlags = 2);
    // The "Standard" style of the styles map. CNotSupportedException* without a parameter object,
    // styles map or such a style.
    const CGXStyle& GetStandardStyle();

    // ---- counts --------------------------------------------------------------------------------------
    // The data object's counts (0 without one).
    virtual ROWCOL GetRowCount();
    virtual ROWCOL GetColCount();
    // The parameter object's frozen and header counts (0 without one).
    virtual ROWCOL GetFrozenRows();
    virtual ROWCOL GetFrozenCols();
    virtual ROWCOL GetHeaderRows();
    virtual ROWCOL GetHeaderCols();
    // The standard font's line height and character width in pixels: the printer's while printing.
    virtual int GetFontHeight();
    virtual int GetFontWidth();

    // ---- zoom and lock switch ------------------------------------------------------------------------
    virtual int GetZoom();
    // Keeps nZoom (percent) in the grid and the properties.
    virtual void StoreZoom(int nZoom);
    // The parameter object's lock switch: set stores it and then updates; an active current-cell
    // control is reset and initialised again after a change.
    virtual void SetReadOnly(BOOL bReadOnly);
    virtual BOOL IsReadOnly();
    virtual void StoreReadOnly(BOOL bReadOnly);
    virtual void UpdateReadOnly();
    // The user-resize state: TRUE while the user resizes, with the kind and the row or column.
    BOOL IsUserResizing(int& nKind, ROWCOL& nIndex) const;

    // ---- current cell --------------------------------------------------------------------------------
    // FALSE when there is no current cell, when it lies beyond the counts (it is then forgotten) or,
    // unless bIgnorePrinting, while printing.
    virtual BOOL GetCurrentCell(ROWCOL& nRow, ROWCOL& nCol, BOOL bIgnorePrinting = FALSE);
    // TRUE when (nRow, nCol) is the current cell; -1 matches any row or column.
    virtual BOOL IsCurrentCell(ROWCOL nRow = ROWCOL(-1), ROWCOL nCol = ROWCOL(-1), BOOL bIgnorePrinting = FALSE);
    // Not printing and the current cell's control is active.
    virtual BOOL IsActiveCurrentCell();
    // The current cell's control; null without a current cell.
    virtual CGXControl* GetCurrentCellControl();
    // Makes (nRow, nCol) the current cell: a modified control of the old cell stores its value
    // (refusing keeps the old cell), the old control is reset; the new cell must lie within the counts;
    // its control is initialised there and, with flag 0x10, activated. TRUE when the cell is current.
    virtual BOOL SetCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT nFlags = 6);
    // bSave with an active control stores the edit by entering the same cell again; without bSave the
    // control, when it agrees to cancel, is initialised again at the cell and told. TRUE unless the
    // store was refused.
    virtual BOOL TransferCurrentCell(BOOL bSave = TRUE, UINT nFlags = 6, BOOL bCreateHint = TRUE);
    // The warning text a refusal left, and showing it: a non-empty text goes to a message box (the
    // services seam) and is emptied; the warning-shown flag is set.
    virtual void SetWarningText(const char* pszWarning);
    virtual void ShowWarningText();
    const CString& GetWarningText() const { return m_strWarningText; }
    BOOL IsWarningShown() const { return m_bWarningShown; }
    // The control of a cell: the current cell's cached control, else the registered control of the
    // composed style's control id.
    virtual CGXControl* GetControl(ROWCOL nRow, ROWCOL nCol);
    // Forgets the current cell's cached control (its cell's control id changed); the next
    // GetControl fetches it again.
    void FreeCurrentCellControl() { m_pCurrentControl = nullptr; }

    // ---- hooks the cell controls call (with their cell) ----------------------------------------------
    // TRUE in the base: editing may start, editing may be cancelled, the current cell may be left, the
    // control's text passes, Delete may empty the cell, the cell was left.
    virtual BOOL OnStartEditing(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL OnCancelEditing(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL OnValidateCell(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL OnValidateInput(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL OnDeleteCell(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL OnLeftCell(ROWCOL nRow, ROWCOL nCol, ROWCOL nNewRow, ROWCOL nNewCol);
    // The cell was modified: marks the document modified.
    virtual void OnModifyCell(ROWCOL nRow, ROWCOL nCol);
    // Nothing in the base: editing was cancelled, a gadget was clicked.
    virtual void OnCanceledEditing(ROWCOL nRow, ROWCOL nCol);
    virtual void OnClickedButton(ROWCOL nRow, ROWCOL nCol, CGXChild* pChild);
    // A control was initialised on the cell (the base remembers it: GetInitCell).
    virtual void OnInitCurrentCell(ROWCOL nRow, ROWCOL nCol);
    // A button was released, or double-clicked, inside the cell; the mouse is over the cell. FALSE in
    // the base.
    virtual BOOL OnLButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point);
    virtual BOOL OnRButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point);
    virtual BOOL OnMButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point);
    virtual BOOL OnLButtonDblClkRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point);
    virtual BOOL OnRButtonDblClkRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point);
    virtual BOOL OnMButtonDblClkRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point);
    virtual BOOL OnMouseOverCell(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point);
    // The cell the last OnInitCurrentCell named (0, 0 before any).
    void GetInitCell(ROWCOL& nRow, ROWCOL& nCol) const;

    // ---- controls ------------------------------------------------------------------------------------
    // Registers pControl (owned from now on) under nID, deleting a control registered before under it;
    // with bAddName its name joins the styles map's control names; with bDefault, or when there is no
    // default control yet, it becomes the default control.
    void RegisterControl(WORD nID, CGXControl* pControl, BOOL bDefault = FALSE, BOOL bAddName = FALSE);
    // The control of nID: 0 gives the default control; a registered one; else the factory's new
    // control, registered; else the default control (null when there is none).
    virtual CGXControl* GetRegisteredControl(WORD nID);
    // The default control.
    CGXControl* GetDefaultControl() const { return m_pDefaultControl; }

    // ---- modules -------------------------------------------------------------------------------------
    // The covered range that holds (nRow, nCol), through the covered-cells module. FALSE without it.
    virtual BOOL GetCoveredCellsRowCol(ROWCOL nRow, ROWCOL nCol, CGXCellRange& range);
    // Copies the ranges to the clipboard, through the cut-and-paste module (the one-range form builds
    // the list). FALSE without it.
    virtual BOOL CopyRange(const CGXRangeList& selList);
    BOOL CopyRange(const CGXCellRange& range);
    // Clears the cells of the ranges (bStyleOnly as the clear-cells module reads it), through that
    // module. FALSE without it.
    virtual BOOL ClearCells(const CGXRangeList& selList, BOOL bStyleOnly);
    // Hides (bHide) or shows the Excel-like frame, through its module; returns whether it was hidden
    // (FALSE without the module).
    virtual BOOL HideExcelLikeFrame(BOOL bHide, BOOL bFlag = FALSE);
    // Hides the Excel-like frame while it lives, then puts its previous state back.
    class ExcelLikeFrameHider {
    public:
        explicit ExcelLikeFrameHider(CGXGridCore* pGrid);
        ~ExcelLikeFrameHider();
        ExcelLikeFrameHider(const ExcelLikeFrameHider&) = delete;
        ExcelLikeFrameHider& operator=(const ExcelLikeFrameHider&) = delete;

    private:
        CGXGridCore* m_pGrid;
        BOOL m_bWasHidden;
    };

    // The attach steps of the operation modules (see GXGridModules.h), in the factory's order.
    void AttachFindReplaceImp();
    void AttachHideCellsImp();
    void AttachAutoScrollPlugin();
    void AttachResizeToFitImp();
    void AttachUpdateHintImp();
    void AttachCommandFactory();
    void AttachSortImp();
    void AttachOldDrawingImp();
    void AttachCoveredCellsImp();
    void AttachMergeCellsImp();
    void AttachFloatCellsImp();
    void AttachPrintImp();
    void AttachUserSelectRangeImp();
    void AttachExcelLikeFrameImp();
    void AttachUserDragSelectRangeImp();
    void AttachUserResizeCellsImp();
    void AttachOptimizedUpdateImp();
    void AttachMarkEditHeaderImp();
    void AttachFreezeMenuHelperImp();
    void AttachDirectCopyMoveCellsImp();
    void AttachTextDataExchangeImp();
    void AttachStyleDataExchangeImp();
    void AttachCutPasteImp();
    void AttachClearCellsImp();
    void AttachExcelLikeFillImp();

    // Adds pObject (owned from now on) to the head of the objects deleted with the grid.
    void AddAutoDeleteObject(CObject* pObject);
    // Appends pPlugin (not owned) to the plug-in list and plugs it into the grid window at once.
    void AddPlugin(CGXPluginComponent* pPlugin);
    // Offers a message of the grid window to the plug-ins in list order: TRUE (with rResult) when one
    // of them marked it fully handled; a plug-in that sets its skip flag ends the round, and the grid
    // handles the message itself.
    virtual BOOL OnGridWindowProc(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT& rResult);

    // ---- drawing -------------------------------------------------------------------------------------
    // The print rectangle while printing, the explicit rectangle when one is set, else the client
    // rectangle; an inverted rectangle gives 0, 0, 0, 0.
    CRect GetGridRect();
    // Sets (bSet) or drops the explicit grid rectangle.
    void SetGridRect(BOOL bSet, const RECT* pRect = nullptr);
    // The client rectangle of a cell: empty until the grid has coordinates.
    virtual CRect CalcCellRect(ROWCOL nRow, ROWCOL nCol);
    // rect reduced by what the grid draws around a cell of style: one pixel each side for a 3D frame
    // (with bFrame), each border's width (a pen of style 5 counts 0), or one pixel for the grid line on
    // the top and left where no border is set and the properties draw lines.
    virtual CRect SubtractBorders(const CRect& rect, const CGXStyle& style, BOOL bFrame = TRUE);
    // size grown by the same amounts, and by 2 each way for a 3D frame.
    virtual CSize AddBorders(CSize size, const CGXStyle& style);
    // Fills side nSide (0 left, 1 right, 2 top, 3 bottom) of rect with pen's width in its colour.
    virtual void DrawBorderSide(CDC* pDC, const CRect& rect, const CGXCellPen& pen, int nSide);
    // Redraws the cells; nothing for nFlags 0 or an invisible window (the whole window is invalidated
    // until the grid has coordinates; flag 2 updates it at once).
    virtual void RedrawRowCol(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, UINT nFlags = 2,
                              BOOL bCreateHint = TRUE);
    // Selects style's zoomed font into pDC; null (nothing selected) when style has no font or its
    // LOGFONT equals pPreviousStyle's. Returns the font selected before.
    virtual CFont* SelectStyleFont(CDC* pDC, const CGXStyle& style, const CGXStyle* pPreviousStyle = nullptr);
    // The cached GDI font of font (made on a miss, kept until the next flush).
    CFont* LookupFont(const CGXFont& font);
    // Deletes the cached fonts unless an update lock is held.
    virtual void FreeObjectCache();
    // Brings the scroll bars up to date. TRUE (nothing to do until the grid scrolls).
    virtual BOOL UpdateScrollbars(BOOL bRedraw = TRUE, BOOL bOnlyIfDimensionChanged = FALSE);
    // The areas the next paint leaves alone (ExcludeRectFromPaint of the controls).
    std::vector<CRect>& GetExcludedRects() { return m_excludedRects; }

    // ---- plain state ---------------------------------------------------------------------------------
    CWnd* GridWnd() const { return m_pGridWnd; }
    void SetGridWnd(CWnd* pGridWnd) { m_pGridWnd = pGridWnd; }
    CDocument* GetGridDoc() const { return m_pGridDoc; }
    // The document link: edits mark the document modified while it is on.
    void SetDocumentLink(BOOL bLink) { m_bDocLink = bLink; }
    BOOL IsInitialized() const { return m_bInitDone; }
    BOOL IsPrinting() const { return m_pPrinterDC != nullptr; }
    // Printing while the properties ask for black and white output.
    BOOL IsPrintingBlackWhite() const;
    CDC* GetPrinterDC() const { return m_pPrinterDC; }
    ROWCOL GetTopRow() const { return IsPrinting() ? m_nPrintTopRow : m_nTopRow; }
    ROWCOL GetLeftCol() const { return IsPrinting() ? m_nPrintLeftCol : m_nLeftCol; }
    void SetTopRowValue(ROWCOL nRow) { m_nTopRow = nRow; }
    void SetLeftColValue(ROWCOL nCol) { m_nLeftCol = nCol; }
    // The parameter object: pParam null makes a new CGXGridParam (owned); a previous one is deleted
    // when owned. bOwn: the core deletes pParam.
    void SetParam(CGXGridParam* pParam, BOOL bOwn = TRUE);
    CGXGridParam* GetParam() const { return m_pParam; }
    BOOL GetOwnParam() const { return m_bOwnParam; }
    // The run-time class of the cell data Initialize makes (CGXData).
    void SetDataClass(CRuntimeClass* pClass) { m_pDataClass = pClass; }
    // The grid has the focus.
    BOOL HasFocus() const { return m_bHasFocus; }
    void SetFocusFlag(BOOL b) { m_bHasFocus = b; }
    // The controls fill their cell's background (set while such a cell is drawn).
    BOOL GetDrawCellBackground() const { return m_bDrawCellBackground; }
    void SetDrawCellBackground(BOOL b) { m_bDrawCellBackground = b; }
    // The current cell's frame is hidden; the current-cell marking (0 always, 2 only with the focus,
    // anything else never).
    BOOL m_bHideCurrentCell;
    int m_nMarkCurrentCell;
    // The hit-test tolerance in pixels (8).
    int m_nHitTolerance;
    // Set while the grid itself moves the focus (a control then does not forward its focus loss).
    BOOL m_bFocusChange;

    // ---- operation modules (null: absent) --------------------------------------------------------------
    CGXAbstractGridPrintImp* m_pPrintImp;
    CGXAbstractGridSortImp* m_pSortImp;
    CGXAbstractGridOldDrawingImp* m_pOldDrawingImp;
    CGXAbstractGridCoveredCellsImp* m_pCoveredCellsImp;
    CGXAbstractDrawSpannedCellsImp* m_pDrawSpannedCellsImp;
    CGXAbstractGridFloatCellsImp* m_pFloatCellsImp;
    CGXAbstractGridMergeCellsImp* m_pMergeCellsImp;
    CGXAbstractCommandFactory* m_pCommandFactory;
    CGXAbstractCalcSizeImp* m_pCalcSizeImp;
    CGXAbstractGridUpdateHintImp* m_pUpdateHintImp;
    CGXAbstractGridResizeToFitImp* m_pResizeToFitImp;
    CGXAbstractGridHideCellsImp* m_pHideCellsImp;
    CGXAbstractGridFindReplaceImp* m_pFindReplaceImp;
    CGXAbstractGridUserSelectRangeImp* m_pUserSelectRangeImp;
    CGXAbstractGridExcelLikeFrameImp* m_pExcelLikeFrameImp;
    CGXAbstractGridExcelLikeFillImp* m_pExcelLikeFillImp;
    CGXAbstractGridUserDragSelectRangeImp* m_pUserDragSelectRangeImp;
    CGXAbstractGridMoveRowsColsImp* m_pMoveRowsColsImp;
    CGXAbstractGridUserResizeCellsImp* m_pUserResizeCellsImp;
    CGXAbstractGridOptimizedUpdateImp* m_pOptimizedUpdateImp;
    CGXAbstractGridMarkEditHeaderImp* m_pMarkEditHeaderImp;
    CGXAbstractGridFreezeMenuHelperImp* m_pFreezeMenuHelperImp;
    CGXAbstractGridDirectCopyMoveCellsImp* m_pDirectCopyMoveCellsImp;
    CGXAbstractGridTextDataExchangeImp* m_pTextDataExchangeImp;
    CGXAbstractGridStyleDataExchangeImp* m_pStyleDataExchangeImp;
    CGXAbstractGridCutPasteImp* m_pCutPasteImp;
    CGXAbstractGridClearCellsImp* m_pClearCellsImp;
    CGXPluginComponent* m_pAutoScrollPlugin;

protected:
    // Attaches the module pfnCreate makes into rpModule unless the grid holds one (see
    // GXGridModules.h).
    template <class T>
    void AttachModule(T*& rpModule, T* (*pfnCreate)());
    // Measures pDC's font: the line height (height plus external leading) and the average character
    // width (times 3/2 for a variable-pitch font).
    static void CalcFontMetrics(CDC* pDC, int& nWidth, int& nHeight);
    // The character size of the standard style's font (10 by 15 without a font), on pDC (null: a
    // client DC of the grid window, or the screen).
    void ComputeCharSize(CDC* pDC, int& nWidth, int& nHeight);
    // The three base styles looked up in the styles map again (null when missing).
    void LookupBaseStyles();
    // The cached GDI font of a LOGFONT.
    CFont* LookupLogFont(const LOGFONTA& lf);

    GridLibraryState* m_pAppData;
    CPtrList m_autoDeleteList;  // CObject*, deleted with the grid
    CWnd* m_pGridWnd;
    CDocument* m_pGridDoc;
    BOOL m_bIsViewContext;
    BOOL m_bDocLink;
    CPtrList m_ownedList;  // CObject*, deleted from the head with the grid
    CGXStyle* m_pStyleEdit;      // scratch styles of composing, storing and editing
    CGXStyle* m_pStyleValue;
    CGXStyle* m_pStyleScratch;
    CRuntimeClass* m_pStyleClass;
    CString m_strWarningText;
    BOOL m_bWarningBoxShowing;
    BOOL m_bWarningShown;
    std::map<WORD, CGXControl*> m_controls;  // owned
    CGXControl* m_pDefaultControl;
    WORD m_nLastControlId;
    CGXControl* m_pLastControl;
    CPtrList m_pluginList;  // CGXPluginComponent*, not owned
    CRuntimeClass* m_pDataClass;
    int m_nLockUpdate;
    std::map<std::vector<BYTE>, std::unique_ptr<CFont>> m_fontCache;
    const CGXStyle* m_pStyleStandard;
    const CGXStyle* m_pStyleRowHeader;
    const CGXStyle* m_pStyleColHeader;
    std::vector<CGXStyle*> m_recycledStyles;
    int m_nZoom;
    int m_dxChar;
    int m_dyChar;
    int m_dxCharPrint;
    int m_dyCharPrint;
    ROWCOL m_nCurrentRow;
    ROWCOL m_nCurrentCol;
    BOOL m_bCurrentValid;
    CGXControl* m_pCurrentControl;
    BOOL m_bHasFocus;
    BOOL m_bBusy;  // a current-cell change is in progress
    ROWCOL m_nInitRow;
    ROWCOL m_nInitCol;
    ROWCOL m_nTopRow;
    ROWCOL m_nLeftCol;
    CGXGridParam* m_pParam;
    BOOL m_bOwnParam;
    BOOL m_bInitDone;
    CDC* m_pPrinterDC;
    CRect m_rectPrint;
    ROWCOL m_nPrintTopRow;
    ROWCOL m_nPrintLeftCol;
    CRect m_rectGrid;
    BOOL m_bGridRectSet;
    int m_nFrameWidth;
    int m_nFrameHeight;
    int m_nBorderWidth;
    int m_nBorderHeight;
    HCURSOR m_hcurArrow;
    BOOL m_bUserResizing;
    int m_nResizeKind;
    ROWCOL m_nResizeIndex;
    BOOL m_bDrawCellBackground;
    std::vector<CRect> m_excludedRects;
};

template <class T>
void CGXGridCore::AttachModule(T*& rpModule, T* (*pfnCreate)())
{
    if (rpModule != nullptr || pfnCreate == nullptr)
        return;
    T* pModule = pfnCreate();
    AddAutoDeleteObject(pModule);
    rpModule = pModule;
}

// CGXOlePreview: the object preview cell (20132 "Dao object preview control") of grids that browse
// database records. Its value is a database OLE object field, held as a byte-array VARIANT in user
// attribute 52794 "Dao bitmap user attribute"; it draws as a static text cell with a small hot-spot
// button at its top right. The button opens the object in its server through a viewer (GXOleViewer.h);
// Delete empties the object, Cut, Copy and Paste move it through the OLE clipboard. A changed object
// is written back into 52794 when the current cell moves on (Store). While a viewer is open every
// clipboard operation and Delete show "You have already spawned a viewer. Please use this for
// editing" (20206) and bring the viewer to the front instead.
//
// Viewers exist only in a grid that browses records, which offers the viewer hook
// (CGXBrowserViewerHook): the viewer id is the number in user attribute 52801 "The ID for the external
// ole viewer" (-1 when absent or empty), the cell's viewer manager gives that viewer and the hook may
// replace it. In any other grid the button, Delete, Cut, Copy and Paste do nothing (FALSE).
//
// The control factory makes this cell for 20132 only in a grid that browses records (one that offers
// the viewer hook); for any other grid it makes no control for the id. This program has no such grid.
#pragma once

#include "grid/controls/GXStatic.h"

class CGXHotSpotButton;
struct IDataObject;
class CGXOleViewer;
class CGXViewerFactory;
class CGXViewerManager;

// The part of a record-browsing grid the preview cell asks for the viewer of a cell.
class CGXBrowserViewerHook {
public:
    virtual ~CGXBrowserViewerHook();
    // May replace rpViewer (the cell's viewer manager's viewer for nViewerId) for (nRow, nCol).
    virtual void OnGetOleViewer(ROWCOL nRow, ROWCOL nCol, int nViewerId, CGXOleViewer*& rpViewer);
};

class CGXOlePreview : public CGXStatic {
    GX_DECLARE_CONTROL(CGXOlePreview)
public:
    // A preview cell of pGrid whose viewers pFactory makes (owned; null: generic viewers).
    explicit CGXOlePreview(CGXGridCore* pGrid, CGXViewerFactory* pFactory = nullptr);
    // Deletes the viewer manager and its viewers.
    ~CGXOlePreview() override;

    void SetActive(BOOL bActive) override;
    BOOL IsActive() override;
    void SetModify(BOOL bModified) override;
    BOOL GetModify() override;
    // The base Init; the button and the cell are redrawn.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    // A changed object (the current viewer's VARIANT) written into attribute 52794 of the cell; the
    // grid's answer, TRUE when nothing was to store.
    BOOL Store() override;
    // The current viewer closed and cleared, then the base.
    BOOL OnCancelEditing() override;
    BOOL OnLeftCell(ROWCOL nNewRow, ROWCOL nNewCol) override;
    // The static-text rectangle with 13 pixels less on the right.
    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRect = nullptr, const CGXStyle* pStyle = nullptr) override;
    // size unchanged.
    CSize AddBorders(CSize size, const CGXStyle& style) override;
    // Nothing: the cell takes no text.
    void SetValue(const char* pszValue) override;
    // FALSE.
    BOOL SetControlText(ROWCOL nRow, ROWCOL nCol, const char* pszText, UINT nFlags = 2,
                        const CGXStyle* pOldStyle = nullptr) override;
    // Delete (without Ctrl) empties the object; other keys the base.
    BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL Copy() override;
    BOOL Paste() override;
    BOOL Cut() override;
    BOOL CanCopy() override;
    BOOL CanCut() override;
    BOOL CanPaste() override;
    // The grid's hook, then the object opened in its server (brought to the front when open).
    void OnClickedButton(CGXChild* pChild) override;
    // The button: 13 x 13 at the top right, clipped to rect, one pixel lower in a taller cell.
    void LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;

    // Attribute 52794 holds a byte-array VARIANT.
    virtual BOOL HasObjectData();
    // Before a server window opens: the grid hands the focus away, pending keys of the focus window
    // are dropped and the current cell scrolled into view. Returns the focus window.
    virtual HWND PrepareOpen();
    // After it opened: the focus back to hWnd.
    virtual void FinishOpen(HWND hWnd);
    // The process-wide viewer-busy mark set (its old value saved) and restored.
    virtual void BeginBusy();
    virtual void EndBusy();
    // 20206 and the open viewer brought to the front.
    virtual void ShowOpenViewer();
    // The cell's viewer (see the top of this file); null outside a record-browsing grid.
    virtual CGXOleViewer* GetViewer();

    // The viewer-busy mark (a server window of some preview cell is being shown).
    static BOOL IsViewerBusy() { return s_bViewerBusy; }
    CGXOleViewer* GetCurrentViewer() const { return m_pCurrentViewer; }
    CGXHotSpotButton* GetButton() const { return m_pButton; }

private:
    // A viewer holds an open object.
    BOOL IsViewerOpen();
    // The viewer for a clipboard operation or Delete: null after 20206 while a viewer is open, null
    // outside a record-browsing grid; with bChange only when editing may start (the cell activated).
    CGXOleViewer* ViewerFor(BOOL bChange);
    // CanCopy and CanCut: no viewer open, and the viewer's answer (pfnCan) or object data in the cell.
    BOOL CanTakeObject(BOOL (CGXOleViewer::*pfnCan)());
    // The current viewer closed, cleared and forgotten.
    void DropCurrentViewer();
    // Puts pData on the OLE clipboard (and flushes it); FALSE (the system's text shown) on failure.
    static BOOL SetOleClipboard(IDataObject* pData);

    CGXOleViewer* m_pCurrentViewer = nullptr;
    CGXViewerManager* m_pViewerManager;
    BOOL m_bModified = FALSE;
    BOOL m_bActive = FALSE;
    BOOL m_bSavedBusy = FALSE;
    CGXHotSpotButton* m_pButton;  // owned by the child list

    static BOOL s_bViewerBusy;
};

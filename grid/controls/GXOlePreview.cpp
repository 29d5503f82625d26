// The object preview cell (see GXOlePreview.h).
#include "grid/controls/GXOlePreview.h"

#include "grid/controls/GXButton.h"
#include "grid/controls/GXControls.h"
#include "grid/controls/GXEditVariants.h"
#include "grid/controls/GXOleVarUserAttribute.h"
#include "grid/controls/GXOleViewer.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXTextForms.h"
#include "win/Win.h"

#include <memory>

BOOL CGXOlePreview::s_bViewerBusy = FALSE;

CGXBrowserViewerHook::~CGXBrowserViewerHook() = default;

void CGXBrowserViewerHook::OnGetOleViewer(ROWCOL, ROWCOL, int, CGXOleViewer*&) {}

GX_IMPLEMENT_CONTROL(CGXOlePreview, CGXStatic)

CGXOlePreview::CGXOlePreview(CGXGridCore* pGrid, CGXViewerFactory* pFactory)
    : CGXStatic(pGrid), m_pViewerManager(new CGXViewerManager(pFactory))
{
    m_pButton = new CGXHotSpotButton(this);
    AddChild(m_pButton);
}

CGXOlePreview::~CGXOlePreview()
{
    delete m_pViewerManager;
}

void CGXOlePreview::SetActive(BOOL bActive)
{
    m_bActive = bActive;
}

BOOL CGXOlePreview::IsActive()
{
    return m_bActive;
}

void CGXOlePreview::SetModify(BOOL bModified)
{
    m_bModified = bModified;
}

BOOL CGXOlePreview::GetModify()
{
    return m_bModified;
}

void CGXOlePreview::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXStatic::Init(nRow, nCol);
    m_pButton->Refresh();
    Refresh();
}

BOOL CGXOlePreview::Store()
{
    if (m_pStyle == nullptr || !m_bModified || !m_bInit)
        return TRUE;
    SetActive(FALSE);
    m_bModified = FALSE;
    if (m_pCurrentViewer == nullptr)
        return TRUE;
    CGXOleVarUserAttribute object;
    object.SetVariant(m_pCurrentViewer->GetVariant());
    CGXStyle* pStyle = m_pGrid->CreateStyle();
    BOOL bResult = FALSE;
    try {
        pStyle->SetUserAttribute(GX_IDS_UA_DAOBITMAP, object);
        const ROWCOL nRow = m_nRow, nCol = m_nCol;
        FreeStyle();
        bResult = m_pGrid->SetStyleRange(CGXCellRange(nRow, nCol, nRow, nCol), pStyle, CGXStyle::gxOverride);
    } catch (...) {
        m_pGrid->RecycleStyle(pStyle);
        throw;
    }
    m_pGrid->RecycleStyle(pStyle);
    return bResult;
}

void CGXOlePreview::DropCurrentViewer()
{
    if (m_pCurrentViewer == nullptr)
        return;
    m_pCurrentViewer->Close();
    m_pCurrentViewer->Clear();
    m_pCurrentViewer = nullptr;
}

BOOL CGXOlePreview::OnCancelEditing()
{
    DropCurrentViewer();
    return CGXStatic::OnCancelEditing();
}

BOOL CGXOlePreview::OnLeftCell(ROWCOL nNewRow, ROWCOL nNewCol)
{
    DropCurrentViewer();
    return CGXStatic::OnLeftCell(nNewRow, nNewCol);
}

CRect CGXOlePreview::GetCellRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRect, const CGXStyle* pStyle)
{
    CRect rect = CGXStatic::GetCellRect(nRow, nCol, pRect, pStyle);
    rect.right -= GXHotSpotSize;
    return rect;
}

CSize CGXOlePreview::AddBorders(CSize size, const CGXStyle&)
{
    return size;
}

void CGXOlePreview::SetValue(const char*) {}

BOOL CGXOlePreview::SetControlText(ROWCOL, ROWCOL, const char*, UINT, const CGXStyle*)
{
    return FALSE;
}

void CGXOlePreview::LayoutChildren(ROWCOL, ROWCOL, const CRect& rect)
{
    m_pButton->SetRect(GXHotSpotButtonRect(rect));
}

// ---- viewers -------------------------------------------------------------------------------------------

CGXOleViewer* CGXOlePreview::GetViewer()
{
    auto* pHook = dynamic_cast<CGXBrowserViewerHook*>(m_pGrid);
    if (pHook == nullptr || !m_bInit)
        return nullptr;
    const CString strId = GetStyle().GetUserAttribute(GX_IDS_UA_OLEVIEWERID).GetValueText();
    const int nId = strId.IsEmpty() ? -1 : int(GXTextToLong(strId));
    CGXOleViewer* pViewer = m_pViewerManager->GetViewer(DWORD(nId));
    pHook->OnGetOleViewer(m_nRow, m_nCol, nId, pViewer);
    return pViewer;
}

BOOL CGXOlePreview::IsViewerOpen()
{
    return m_pCurrentViewer != nullptr && m_pCurrentViewer->GetOleObject() != nullptr;
}

BOOL CGXOlePreview::HasObjectData()
{
    if (!m_bInit)
        return FALSE;
    const CGXStyle& style = GetStyle();
    const auto* pObject = style.HasUserAttribute(GX_IDS_UA_DAOBITMAP)
                              ? dynamic_cast<const CGXOleVarUserAttribute*>(&style.GetUserAttribute(GX_IDS_UA_DAOBITMAP))
                              : nullptr;
    return pObject != nullptr && pObject->GetVariant() != nullptr &&
           V_VT(pObject->GetVariant()) == (VT_ARRAY | VT_UI1);
}

HWND CGXOlePreview::PrepareOpen()
{
    m_pGrid->m_bFocusChange = TRUE;
    const HWND hFocus = ::GetFocus();
    MSG msg;
    while (hFocus != nullptr && ::PeekMessageA(&msg, hFocus, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
    m_pGrid->ScrollCellInView(m_nRow, m_nCol);
    return hFocus;
}

void CGXOlePreview::FinishOpen(HWND hWnd)
{
    m_pGrid->m_bFocusChange = TRUE;
    if (hWnd != nullptr)
        ::SetFocus(hWnd);
    CWnd* pGridWnd = GridWnd();
    if (hWnd != nullptr && pGridWnd != nullptr &&
        (hWnd == pGridWnd->m_hWnd || ::IsChild(pGridWnd->m_hWnd, hWnd)))
        m_pGrid->OnGridSetFocus(nullptr);
    m_pGrid->m_bFocusChange = FALSE;
}

void CGXOlePreview::BeginBusy()
{
    m_bSavedBusy = s_bViewerBusy;
    s_bViewerBusy = TRUE;
}

void CGXOlePreview::EndBusy()
{
    s_bViewerBusy = m_bSavedBusy;
}

void CGXOlePreview::ShowOpenViewer()
{
    AfxMessageBox(GX_IDS_OLE_VIEWEROPEN);
    if (m_pCurrentViewer != nullptr)
        m_pCurrentViewer->Activate();
}

void CGXOlePreview::OnClickedButton(CGXChild* pChild)
{
    CGXStatic::OnClickedButton(pChild);
    if (!OnStartEditing())
        return;
    if (IsViewerOpen()) {
        m_pCurrentViewer->Activate();
        return;
    }
    CGXOleViewer* pViewer = GetViewer();
    if (pViewer == nullptr)
        return;
    const HWND hFocus = PrepareOpen();
    SetActive(TRUE);
    BeginBusy();
    const BOOL bOpened = pViewer->Open(GetStyle(), m_pGrid, this, TRUE);
    EndBusy();
    FinishOpen(hFocus);
    if (bOpened)
        m_pCurrentViewer = pViewer;
}

// ---- keys and the clipboard ----------------------------------------------------------------------------

BOOL CGXOlePreview::OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const BOOL bCtrl = (AfxGetServices()->GetKeyState(VK_CONTROL) & 0x8000) != 0;
    if (nChar != VK_DELETE || bCtrl)
        return CGXStatic::OnGridKeyDown(nChar, nRepCnt, nFlags);
    const BOOL bOpen = IsViewerOpen();
    CGXOleViewer* pViewer = ViewerFor(TRUE);
    if (pViewer == nullptr)
        return bOpen;
    pViewer->Clear();
    m_pCurrentViewer = pViewer;
    SetModify(TRUE);
    Refresh();
    return TRUE;
}

BOOL CGXOlePreview::SetOleClipboard(IDataObject* pData)
{
    HRESULT hr = ::OleSetClipboard(pData);
    if (SUCCEEDED(hr))
        hr = ::OleFlushClipboard();
    if (FAILED(hr))
        GXShowOleError(hr);
    return SUCCEEDED(hr);
}

CGXOleViewer* CGXOlePreview::ViewerFor(BOOL bChange)
{
    if (IsViewerOpen()) {
        ShowOpenViewer();
        return nullptr;
    }
    CGXOleViewer* pViewer = GetViewer();
    if (pViewer == nullptr || (bChange && !OnStartEditing()))
        return nullptr;
    if (bChange)
        SetActive(TRUE);
    return pViewer;
}

BOOL CGXOlePreview::Copy()
{
    CGXOleViewer* pViewer = ViewerFor(FALSE);
    if (pViewer == nullptr)
        return FALSE;
    IDataObject* pData = pViewer->GetClipboardDataObject(GetStyle(), m_pGrid, this);
    if (pData == nullptr) {
        AfxMessageBox(GX_IDS_OLE_COPYFAILED);
        return FALSE;
    }
    const BOOL bCopied = SetOleClipboard(pData);
    if (!bCopied)
        AfxMessageBox(GX_IDS_OLE_COPYFAILED);
    pData->Release();
    pViewer->Close();
    if (bCopied)
        pViewer->Clear();
    return bCopied;
}

BOOL CGXOlePreview::Cut()
{
    CGXOleViewer* pViewer = ViewerFor(TRUE);
    if (pViewer == nullptr)
        return FALSE;
    IDataObject* pData = pViewer->CutToDataObject(GetStyle(), m_pGrid, this);
    const BOOL bCut = pData != nullptr && SetOleClipboard(pData);
    if (pData != nullptr)
        pData->Release();
    if (!bCut) {
        AfxMessageBox(GX_IDS_OLE_CUTFAILED);
        return FALSE;
    }
    pViewer->Close();
    m_pCurrentViewer = pViewer;
    return TRUE;
}

BOOL CGXOlePreview::Paste()
{
    CGXOleViewer* pViewer = ViewerFor(TRUE);
    if (pViewer == nullptr)
        return FALSE;
    if (pViewer->PasteFromClipboard() == nullptr) {
        AfxMessageBox(GX_IDS_OLE_INVALIDDATA);
        pViewer->Clear();
        if (m_pCurrentViewer == pViewer)
            m_pCurrentViewer = nullptr;
        return FALSE;
    }
    m_pCurrentViewer = pViewer;
    pViewer->NotifyModified();
    SetModify(TRUE);
    return TRUE;
}

BOOL CGXOlePreview::CanTakeObject(BOOL (CGXOleViewer::*pfnCan)())
{
    if (IsViewerOpen())
        return FALSE;
    CGXOleViewer* pViewer = GetViewer();
    return (pViewer != nullptr && (pViewer->*pfnCan)()) || HasObjectData();
}

BOOL CGXOlePreview::CanCopy()
{
    return CanTakeObject(&CGXOleViewer::CanCopy);
}

BOOL CGXOlePreview::CanCut()
{
    return CanTakeObject(&CGXOleViewer::CanCut);
}

BOOL CGXOlePreview::CanPaste()
{
    if (IsViewerOpen())
        return FALSE;
    CGXOleViewer* pViewer = GetViewer();
    return pViewer != nullptr && pViewer->CanPasteObject();
}

CGXControl* GXCreateOlePreview(CGXGridCore* pGrid, const GXControlEntry&)
{
    // only a grid that browses records offers the viewers the cell opens
    if (dynamic_cast<CGXBrowserViewerHook*>(pGrid) == nullptr)
        return nullptr;
    return new CGXOlePreview(pGrid);
}

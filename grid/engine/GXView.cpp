// CGXView: the document view under the grid view (see GXView.h).
#include "grid/engine/GXView.h"

#include "grid/engine/GXPrintDevice.h"
#include "grid/engine/GXState.h"
#include "grid/ops/GXPrintDeviceImp.h"
#include "win/CPrintDialog.h"
#include "win/CScrollBar.h"
#include "win/CWinApp.h"
#include "win/Win.h"

IMPLEMENT_DYNAMIC(CGXView, CView)

BEGIN_MESSAGE_MAP(CGXView, CView)
    ON_COMMAND(ID_FILE_PRINT_SETUP, OnFilePrintSetup)
    ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnFilePrintPreview)
    ON_MESSAGE(0x790, OnCanRename)
END_MESSAGE_MAP()

CScrollBar* GXGetSharedScrollBar(const CWnd* pWnd, int nBar)
{
    if (pWnd->GetStyle() & (nBar == SB_VERT ? WS_VSCROLL : WS_HSCROLL))
        return nullptr;
    CWnd* pParent = GXGetLibraryState()->FindRegisteredParent(const_cast<CWnd*>(pWnd));
    if (pParent == nullptr)
        return nullptr;
    return dynamic_cast<CScrollBar*>(pParent->GetDlgItem(nBar == SB_VERT ? 59920 : 59904));
}

CGXView::CGXView() : m_bOwnPrintDevice(FALSE), m_pPrintDevice(nullptr) {}

CGXView::~CGXView()
{
    SetPrintDevice(nullptr, FALSE);
}

CScrollBar* CGXView::GetScrollBarCtrl(int nBar) const
{
    if (GetStyle() & (nBar == SB_VERT ? WS_VSCROLL : WS_HSCROLL))
        return nullptr;
    if (CScrollBar* pBar = GXGetSharedScrollBar(this, nBar))
        return pBar;
    return CView::GetScrollBarCtrl(nBar);
}

void CGXView::SetPrintDevice(CGXPrintDevice* pDevice, BOOL bOwn)
{
    if (m_bOwnPrintDevice && m_pPrintDevice != pDevice)
        delete m_pPrintDevice;
    m_pPrintDevice = pDevice;
    m_bOwnPrintDevice = bOwn;
}

void CGXView::OnInitialUpdate()
{
    SetPrintDevice(nullptr, FALSE);
    OnUpdate(nullptr, 0, nullptr);
}

BOOL CGXView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPrintDevicePreparePrinting(pInfo);
}

BOOL CGXView::DoPrintDevicePreparePrinting(CPrintInfo* pInfo)
{
    CGXAbstractPrintDeviceImp* pImp = GXGetLibraryState()->m_pPrintDeviceImp;
    if (m_pPrintDevice == nullptr || pImp == nullptr) {
        CWaitCursor wait;
        return DoPreparePrinting(pInfo);
    }
    if (!pImp->DoPreparePrinting(this, m_pPrintDevice, pInfo))
        return FALSE;
    OnPrintDevicePrepared(pInfo);
    return TRUE;
}

void CGXView::OnPrintDevicePrepared(CPrintInfo*) {}

void CGXView::OnFilePrintSetup()
{
    CPrintDialog dlg(TRUE, PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIES | PD_HIDEPRINTTOFILE);
    CGXAbstractPrintDeviceImp* pImp = GXGetLibraryState()->m_pPrintDeviceImp;
    if (m_pPrintDevice != nullptr && pImp != nullptr) {
        pImp->DoPrintSetup(m_pPrintDevice, &dlg);
        return;
    }
    CWaitCursor wait;
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoPrintDialog(&dlg);
}

LRESULT CGXView::OnCanRename(WPARAM, LPARAM)
{
    return TRUE;
}

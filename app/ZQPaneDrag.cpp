// CZQPaneDrag: dragging an item of a pane onto the reference tree (see ZQPaneDrag.h).
#include "app/ZQPaneDrag.h"

namespace {

// Where the drag image is held.
const CPoint kHotSpot(8, 8);

} // namespace

CZQPaneDrag::CZQPaneDrag() : m_bDragging(FALSE), m_pOwner(nullptr), m_pTree(nullptr), m_hDropTarget(nullptr) {}

CZQPaneDrag::~CZQPaneDrag()
{
    if (m_bDragging)
        Stop();
}

void CZQPaneDrag::Begin(CWnd* pOwner, CImageList* pImage, CTreeCtrl* pTree)
{
    if (m_bDragging)
        Cancel();
    m_pImage.reset(pImage);
    m_pOwner = pOwner;
    m_pTree = pTree;
    m_hDropTarget = nullptr;
    CPoint ptCursor;
    AfxGetServices()->GetCursorPos(&ptCursor);
    if (m_pImage != nullptr) {
        m_pImage->BeginDrag(0, kHotSpot);
        CImageList::DragEnter(CWnd::FromHandle(::GetDesktopWindow()), ptCursor);
    }
    m_bDragging = TRUE;
    if (m_pOwner != nullptr)
        m_pOwner->SetCapture();
}

HWND CZQPaneDrag::WindowUnder(CPoint ptScreen) const
{
    if (m_pImage != nullptr)
        CImageList::DragShowNolock(FALSE);
    const HWND hWnd = AfxGetServices()->WindowFromPoint(ptScreen);
    if (m_pImage != nullptr)
        CImageList::DragShowNolock(TRUE);
    return hWnd;
}

void CZQPaneDrag::Move(CPoint ptScreen, HWND hWndAllowed)
{
    if (!m_bDragging)
        return;
    if (m_pImage != nullptr)
        CImageList::DragMove(ptScreen);
    const HWND hWnd = WindowUnder(ptScreen);
    if (m_pTree != nullptr && m_pTree->m_hWnd != nullptr && hWnd == m_pTree->m_hWnd) {
        CPoint ptTree = ptScreen;
        m_pTree->ScreenToClient(&ptTree);
        m_hDropTarget = m_pTree->HitTest(ptTree);
        if (m_pImage != nullptr)
            CImageList::DragShowNolock(FALSE);
        m_pTree->SelectDropTarget(m_hDropTarget);
        if (m_pImage != nullptr)
            CImageList::DragShowNolock(TRUE);
        ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
    } else {
        ::SetCursor(::LoadCursorA(nullptr, hWnd != nullptr && hWnd == hWndAllowed ? IDC_ARROW : IDC_NO));
    }
}

BOOL CZQPaneDrag::End(CPoint ptScreen)
{
    if (!m_bDragging)
        return FALSE;
    const HWND hWnd = WindowUnder(ptScreen);
    Stop();
    return m_pTree != nullptr && m_pTree->m_hWnd != nullptr && hWnd == m_pTree->m_hWnd;
}

void CZQPaneDrag::Cancel()
{
    if (!m_bDragging)
        return;
    Stop();
    m_hDropTarget = nullptr;
}

void CZQPaneDrag::Stop()
{
    // the flag first: releasing the capture tells the owner, which must find no drag running
    m_bDragging = FALSE;
    if (m_pImage != nullptr) {
        CImageList::DragLeave(CWnd::FromHandle(::GetDesktopWindow()));
        CImageList::EndDrag();
        m_pImage.reset();
    }
    if (m_pTree != nullptr && m_pTree->m_hWnd != nullptr)
        m_pTree->SelectDropTarget(nullptr);
    if (m_pOwner != nullptr && m_pOwner->m_hWnd != nullptr && ::GetCapture() == m_pOwner->m_hWnd)
        ::ReleaseCapture();
}
